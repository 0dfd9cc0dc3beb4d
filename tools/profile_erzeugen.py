#!/usr/bin/env python3
"""Computes the delivered profile family files of Daten/ from the standard dimensions.

Every section is drawn as a polygon: straight edges from the nominal dimensions, every rounded
corner (root radius, toe radius, corner radii of hollow sections) replaced by a fine arc. Area,
centroid and second moments follow from the polygon by Green's theorem, so tapered flanges,
fillets and asymmetric shapes need no formula of their own. Circular sections are exact.

Imax and Imin are the principal second moments (for the symmetric shapes the usual y and z
axes, for angles u and v). Each W is I divided by the largest distance of the outline from
that axis, i.e. the smaller section modulus of asymmetric shapes (U, T, angles).

Run by hand:  python3 tools/profile_erzeugen.py Daten
The output is committed; the test of the delivered data checks it against published values.
"""
import math
import os
import sys

BOGENTEILE = 64  # polygon segments per rounded corner


# --- geometry -------------------------------------------------------------------------------

def verrunden(ecken):
    """ecken: list of (x, y, r), counter-clockwise. Each corner with r > 0 becomes an arc
    tangent to both of its edges (convex or re-entrant alike)."""
    aus = []
    n = len(ecken)
    for i, (px, py, r) in enumerate(ecken):
        if r <= 0:
            aus.append((px, py))
            continue
        ax, ay, _ = ecken[i - 1]
        bx, by, _ = ecken[(i + 1) % n]
        u1 = einheit(ax - px, ay - py)
        u2 = einheit(bx - px, by - py)
        winkel = math.acos(max(-1.0, min(1.0, u1[0] * u2[0] + u1[1] * u2[1])))
        d = r / math.tan(winkel / 2)
        t1 = (px + d * u1[0], py + d * u1[1])
        t2 = (px + d * u2[0], py + d * u2[1])
        hb = einheit(u1[0] + u2[0], u1[1] + u2[1])
        m = r / math.sin(winkel / 2)
        cx, cy = px + m * hb[0], py + m * hb[1]
        a1 = math.atan2(t1[1] - cy, t1[0] - cx)
        a2 = math.atan2(t2[1] - cy, t2[0] - cx)
        da = (a2 - a1 + math.pi) % (2 * math.pi) - math.pi
        for k in range(BOGENTEILE + 1):
            a = a1 + da * k / BOGENTEILE
            aus.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return aus


def einheit(x, y):
    l = math.hypot(x, y)
    return (x / l, y / l)


def rechteck(x0, y0, x1, y1, r=0.0):
    return verrunden([(x0, y0, r), (x1, y0, r), (x1, y1, r), (x0, y1, r)])


class Flaeche:
    """Area integrals of polygons (counter-clockwise outlines add, holes subtract)."""

    def __init__(self):
        self.a = self.sx = self.sy = self.ixx = self.iyy = self.ixy = 0.0
        self.punkte = []

    def polygon(self, p, vorzeichen=1):
        a = sx = sy = ixx = iyy = ixy = 0.0
        for i in range(len(p)):
            x0, y0 = p[i]
            x1, y1 = p[(i + 1) % len(p)]
            c = x0 * y1 - x1 * y0
            a += c
            sx += (x0 + x1) * c
            sy += (y0 + y1) * c
            ixx += (y0 * y0 + y0 * y1 + y1 * y1) * c
            iyy += (x0 * x0 + x0 * x1 + x1 * x1) * c
            ixy += (x0 * y1 + 2 * x0 * y0 + 2 * x1 * y1 + x1 * y0) * c
        self.a += vorzeichen * a / 2
        self.sx += vorzeichen * sx / 6
        self.sy += vorzeichen * sy / 6
        self.ixx += vorzeichen * ixx / 12
        self.iyy += vorzeichen * iyy / 12
        self.ixy += vorzeichen * ixy / 24
        self.punkte += p
        return self

    def werte(self):
        """(A [cm²], Imax [cm⁴], Wmax [cm³], Imin [cm⁴], Wmin [cm³]) about the principal axes."""
        xs, ys = self.sx / self.a, self.sy / self.a
        iy = self.ixx - self.a * ys * ys  # about the horizontal axis
        iz = self.iyy - self.a * xs * xs  # about the vertical axis
        iyz = self.ixy - self.a * xs * ys
        mitte, halb = (iy + iz) / 2, math.hypot((iy - iz) / 2, iyz)
        i1, i2 = mitte + halb, mitte - halb
        phi = 0.0 if abs(iyz) < 1e-9 * mitte else 0.5 * math.atan2(-2 * iyz, iy - iz)
        # Axis 1 runs along (cos φ, sin φ) when φ rotates the horizontal axis; I1 about it.
        if abs(iyz) < 1e-9 * mitte and iz > iy:
            phi = math.pi / 2
        c, s = math.cos(phi), math.sin(phi)
        # distance from axis 1 = coordinate across it; from axis 2 = coordinate along axis 1
        e1 = max(abs(-(x - xs) * s + (y - ys) * c) for x, y in self.punkte)
        e2 = max(abs((x - xs) * c + (y - ys) * s) for x, y in self.punkte)
        i_ueber_1 = rotiert(iy, iz, iyz, phi)
        if i_ueber_1 < mitte:  # make axis 1 the stronger one
            i_ueber_1, e1, e2 = i2, e2, e1
        return (self.a / 100, i1 / 1e4, i1 / e1 / 1e3, i2 / 1e4, i2 / e2 / 1e3)


def rotiert(iy, iz, iyz, phi):
    """Second moment about the axis at angle φ to the horizontal."""
    c, s = math.cos(phi), math.sin(phi)
    return iy * c * c + iz * s * s - 2 * iyz * s * c


# --- shapes (all dimensions in mm) --------------------------------------------------------

def i_parallel(h, b, tw, tf, r):
    """I and H sections with parallel flange faces."""
    return Flaeche().polygon(verrunden([
        (-b / 2, -h / 2, 0), (b / 2, -h / 2, 0), (b / 2, -h / 2 + tf, 0), (tw / 2, -h / 2 + tf, r),
        (tw / 2, h / 2 - tf, r), (b / 2, h / 2 - tf, 0), (b / 2, h / 2, 0), (-b / 2, h / 2, 0),
        (-b / 2, h / 2 - tf, 0), (-tw / 2, h / 2 - tf, r), (-tw / 2, -h / 2 + tf, r), (-b / 2, -h / 2 + tf, 0)]))


def i_geneigt(h, b, tw, tf, r1, r2, neigung):
    """I sections with tapered inner flange faces; tf is measured b/4 from the flange edge."""
    x_t = b / 4
    t_spitze = tf - neigung * (b / 2 - x_t)
    t_steg = tf + neigung * (x_t - tw / 2)
    return Flaeche().polygon(verrunden([
        (-b / 2, -h / 2, 0), (b / 2, -h / 2, 0), (b / 2, -h / 2 + t_spitze, r2), (tw / 2, -h / 2 + t_steg, r1),
        (tw / 2, h / 2 - t_steg, r1), (b / 2, h / 2 - t_spitze, r2), (b / 2, h / 2, 0), (-b / 2, h / 2, 0),
        (-b / 2, h / 2 - t_spitze, r2), (-tw / 2, h / 2 - t_steg, r1), (-tw / 2, -h / 2 + t_steg, r1),
        (-b / 2, -h / 2 + t_spitze, r2)]))


def u_profil(h, b, tw, tf, r1, r2=0.0, neigung=0.0):
    """Channels, web on the left; tf of tapered flanges measured at b/2 from the back."""
    x_t = b / 2
    t_spitze = tf - neigung * (b - x_t)
    t_steg = tf + neigung * (x_t - tw)
    return Flaeche().polygon(verrunden([
        (0, -h / 2, 0), (b, -h / 2, 0), (b, -h / 2 + t_spitze, r2), (tw, -h / 2 + t_steg, r1),
        (tw, h / 2 - t_steg, r1), (b, h / 2 - t_spitze, r2), (b, h / 2, 0), (0, h / 2, 0)]))


def winkel(h, b, t, r1, r2):
    """Angle with legs h (vertical) and b (horizontal), root radius r1, toe radius r2."""
    return Flaeche().polygon(verrunden([
        (0, 0, 0), (b, 0, 0), (b, t, r2), (t, t, r1), (t, h, r2), (0, h, 0)]))


def t_profil(h, b, t, neigung=0.02):
    """Equal-leg T: flange b on top, stem below. Flange inner faces and stem faces slope by
    `neigung`; t is measured halfway along the flange outstand and halfway down the stem.
    Root radius t, flange toe radii t/2, stem tip radii t/4."""
    r1, r2, r3 = t, t / 2, t / 4
    steg = h - t
    t_fuss, t_wurzel = t - neigung * steg, t + neigung * steg
    x_t = (b / 2 + t / 2) / 2
    f_spitze, f_wurzel = t - neigung * (b / 2 - x_t), t + neigung * (x_t - t / 2)
    return Flaeche().polygon(verrunden([
        (-t_fuss / 2, 0, r3), (t_fuss / 2, 0, r3), (t_wurzel / 2, h - f_wurzel, r1), (b / 2, h - f_spitze, r2),
        (b / 2, h, 0), (-b / 2, h, 0), (-b / 2, h - f_spitze, r2), (-t_wurzel / 2, h - f_wurzel, r1)]))


def hohl_rechteck(h, b, t):
    """Hot-finished rectangular hollow section: outer corner radius 1.5 t, inner 1.0 t."""
    f = Flaeche().polygon(rechteck(-b / 2, -h / 2, b / 2, h / 2, 1.5 * t))
    return f.polygon(rechteck(-b / 2 + t, -h / 2 + t, b / 2 - t, h / 2 - t, 1.0 * t), -1)


def kreis_werte(d, t=None):
    di = 0.0 if t is None else d - 2 * t
    a = math.pi / 4 * (d * d - di * di)
    i = math.pi / 64 * (d ** 4 - di ** 4)
    w = i / (d / 2)
    return (a / 100, i / 1e4, w / 1e3, i / 1e4, w / 1e3)


def flach_werte(b, t):
    return (b * t / 100, t * b ** 3 / 12 / 1e4, t * b * b / 6 / 1e3, b * t ** 3 / 12 / 1e4, b * t * t / 6 / 1e3)


# --- dimension tables ---------------------------------------------------------------------

# h, b, tw, tf, r (EN 10365; IPE, HE series)
IPE = [(80, 46, 3.8, 5.2, 5), (100, 55, 4.1, 5.7, 7), (120, 64, 4.4, 6.3, 7), (140, 73, 4.7, 6.9, 7),
       (160, 82, 5.0, 7.4, 9), (180, 91, 5.3, 8.0, 9), (200, 100, 5.6, 8.5, 12), (220, 110, 5.9, 9.2, 12),
       (240, 120, 6.2, 9.8, 15), (270, 135, 6.6, 10.2, 15), (300, 150, 7.1, 10.7, 15), (330, 160, 7.5, 11.5, 18),
       (360, 170, 8.0, 12.7, 18), (400, 180, 8.6, 13.5, 21), (450, 190, 9.4, 14.6, 21), (500, 200, 10.2, 16.0, 21),
       (550, 210, 11.1, 17.2, 24), (600, 220, 12.0, 19.0, 24)]
IPE_NAMEN = [80, 100, 120, 140, 160, 180, 200, 220, 240, 270, 300, 330, 360, 400, 450, 500, 550, 600]

HE_NAMEN = [100, 120, 140, 160, 180, 200, 220, 240, 260, 280, 300, 320, 340, 360, 400, 450, 500, 550, 600,
            650, 700, 800, 900, 1000]
HEA = [(96, 100, 5, 8, 12), (114, 120, 5, 8, 12), (133, 140, 5.5, 8.5, 12), (152, 160, 6, 9, 15),
       (171, 180, 6, 9.5, 15), (190, 200, 6.5, 10, 18), (210, 220, 7, 11, 18), (230, 240, 7.5, 12, 21),
       (250, 260, 7.5, 12.5, 24), (270, 280, 8, 13, 24), (290, 300, 8.5, 14, 27), (310, 300, 9, 15.5, 27),
       (330, 300, 9.5, 16.5, 27), (350, 300, 10, 17.5, 27), (390, 300, 11, 19, 27), (440, 300, 11.5, 21, 27),
       (490, 300, 12, 23, 27), (540, 300, 12.5, 24, 27), (590, 300, 13, 25, 27), (640, 300, 13.5, 26, 27),
       (690, 300, 14.5, 27, 27), (790, 300, 15, 28, 30), (890, 300, 16, 30, 30), (990, 300, 16.5, 31, 30)]
HEB = [(100, 100, 6, 10, 12), (120, 120, 6.5, 11, 12), (140, 140, 7, 12, 12), (160, 160, 8, 13, 15),
       (180, 180, 8.5, 14, 15), (200, 200, 9, 15, 18), (220, 220, 9.5, 16, 18), (240, 240, 10, 17, 21),
       (260, 260, 10, 17.5, 24), (280, 280, 10.5, 18, 24), (300, 300, 11, 19, 27), (320, 300, 11.5, 20.5, 27),
       (340, 300, 12, 21.5, 27), (360, 300, 12.5, 22.5, 27), (400, 300, 13.5, 24, 27), (450, 300, 14, 26, 27),
       (500, 300, 14.5, 28, 27), (550, 300, 15, 29, 27), (600, 300, 15.5, 30, 27), (650, 300, 16, 31, 27),
       (700, 300, 17, 32, 27), (800, 300, 17.5, 33, 30), (900, 300, 18.5, 35, 30), (1000, 300, 19, 36, 30)]
HEM = [(120, 106, 12, 20, 12), (140, 126, 12.5, 21, 12), (160, 146, 13, 22, 12), (180, 166, 14, 23, 15),
       (200, 186, 14.5, 24, 15), (220, 206, 15, 25, 18), (240, 226, 15.5, 26, 18), (270, 248, 18, 32, 21),
       (290, 268, 18, 32.5, 24), (310, 288, 18.5, 33, 24), (340, 310, 21, 39, 27), (359, 309, 21, 40, 27),
       (377, 309, 21, 40, 27), (395, 308, 21, 40, 27), (432, 307, 21, 40, 27), (478, 307, 21, 40, 27),
       (524, 306, 21, 40, 27), (572, 306, 21, 40, 27), (620, 305, 21, 40, 27), (668, 305, 21, 40, 27),
       (716, 304, 21, 40, 27), (814, 303, 21, 40, 30), (910, 302, 21, 40, 30), (1008, 302, 21, 40, 30)]

# IPN (DIN 1025-1): h, b, tw, tf, r1 (= tw), r2 (= 0.6 tw); flange slope 14 %
IPN = [(80, 42, 3.9, 5.9), (100, 50, 4.5, 6.8), (120, 58, 5.1, 7.7), (140, 66, 5.7, 8.6), (160, 74, 6.3, 9.5),
       (180, 82, 6.9, 10.4), (200, 90, 7.5, 11.3), (220, 98, 8.1, 12.2), (240, 106, 8.7, 13.1),
       (260, 113, 9.4, 14.1), (280, 119, 10.1, 15.2), (300, 125, 10.8, 16.2), (320, 131, 11.5, 17.3),
       (340, 137, 12.2, 18.3), (360, 143, 13.0, 19.5), (380, 149, 13.7, 20.5), (400, 155, 14.4, 21.6),
       (450, 170, 16.2, 24.3), (500, 185, 18.0, 27.0), (550, 200, 19.0, 30.0), (600, 215, 21.6, 32.4)]

# UPN (DIN 1026-1): h, b, tw, tf; r1 = tf, r2 = tf/2; flange slope 8 % up to 300, 5 % above
UPN = [(50, 38, 5, 7), (65, 42, 5.5, 7.5), (80, 45, 6, 8), (100, 50, 6, 8.5), (120, 55, 7, 9), (140, 60, 7, 10),
       (160, 65, 7.5, 10.5), (180, 70, 8, 11), (200, 75, 8.5, 11.5), (220, 80, 9, 12.5), (240, 85, 9.5, 13),
       (260, 90, 10, 14), (280, 95, 10, 15), (300, 100, 10, 16), (320, 100, 14, 17.5), (350, 100, 14, 16),
       (380, 102, 13.5, 16), (400, 110, 14, 18)]

# UPE (DIN 1026-2): h, b, tw, tf, r; parallel flanges
UPE = [(80, 50, 4, 7, 10), (100, 55, 4.5, 7.5, 10), (120, 60, 5, 8, 12), (140, 65, 5, 9, 12),
       (160, 70, 5.5, 9.5, 12), (180, 75, 5.5, 10.5, 12), (200, 80, 6, 11, 13), (220, 85, 6.5, 12, 13),
       (240, 90, 7, 12.5, 15), (270, 95, 7.5, 13.5, 15), (300, 100, 9.5, 15, 15), (330, 105, 11, 16, 18),
       (360, 110, 12, 17, 18), (400, 115, 13.5, 18, 18)]

# Angles (EN 10056-1): h, b, t, r1, r2
WINKEL_GLEICH = [(20, 20, 3, 3.5, 2), (25, 25, 3, 3.5, 2), (25, 25, 4, 3.5, 2), (30, 30, 3, 5, 2.5),
                 (30, 30, 4, 5, 2.5), (35, 35, 4, 5, 2.5), (40, 40, 4, 6, 3), (40, 40, 5, 6, 3),
                 (45, 45, 4.5, 7, 3.5), (45, 45, 5, 7, 3.5), (50, 50, 4, 7, 3.5), (50, 50, 5, 7, 3.5),
                 (50, 50, 6, 7, 3.5), (50, 50, 8, 7, 3.5), (55, 55, 6, 8, 4), (60, 60, 5, 8, 4),
                 (60, 60, 6, 8, 4), (60, 60, 8, 8, 4), (60, 60, 10, 8, 4), (65, 65, 7, 9, 4.5),
                 (70, 70, 6, 9, 4.5), (70, 70, 7, 9, 4.5), (70, 70, 9, 9, 4.5), (75, 75, 6, 9, 4.5),
                 (75, 75, 8, 9, 4.5), (80, 80, 8, 10, 5), (80, 80, 10, 10, 5), (80, 80, 12, 10, 5),
                 (90, 90, 7, 11, 5.5), (90, 90, 8, 11, 5.5), (90, 90, 9, 11, 5.5), (90, 90, 10, 11, 5.5),
                 (100, 100, 8, 12, 6), (100, 100, 10, 12, 6), (100, 100, 12, 12, 6), (100, 100, 14, 12, 6),
                 (110, 110, 10, 12, 6), (110, 110, 12, 12, 6), (120, 120, 10, 13, 6.5), (120, 120, 12, 13, 6.5),
                 (120, 120, 15, 13, 6.5), (130, 130, 12, 14, 7), (140, 140, 13, 15, 7.5), (140, 140, 15, 15, 7.5),
                 (150, 150, 10, 16, 8), (150, 150, 12, 16, 8), (150, 150, 14, 16, 8), (150, 150, 15, 16, 8),
                 (150, 150, 18, 16, 8), (160, 160, 15, 17, 8.5), (160, 160, 17, 17, 8.5), (160, 160, 20, 17, 8.5),
                 (180, 180, 16, 18, 9), (180, 180, 18, 18, 9), (180, 180, 20, 18, 9), (200, 200, 16, 18, 9),
                 (200, 200, 18, 18, 9), (200, 200, 20, 18, 9), (200, 200, 22, 18, 9), (200, 200, 24, 18, 9),
                 (200, 200, 26, 18, 9), (250, 250, 25, 18, 9), (250, 250, 28, 18, 9), (250, 250, 35, 18, 9)]
WINKEL_UNGLEICH = [(30, 20, 3, 4, 2), (30, 20, 4, 4, 2), (40, 20, 4, 4, 2), (40, 25, 4, 4, 2),
                   (45, 30, 4, 4.5, 2.25), (50, 30, 4, 5, 2.5), (50, 30, 5, 5, 2.5), (60, 30, 5, 5, 2.5),
                   (60, 30, 7, 5, 2.5), (60, 40, 5, 6, 3), (60, 40, 6, 6, 3), (60, 40, 7, 6, 3),
                   (65, 50, 5, 6, 3), (70, 50, 6, 7, 3.5), (75, 50, 6, 7, 3.5), (75, 50, 7, 7, 3.5),
                   (75, 50, 8, 7, 3.5), (80, 40, 6, 7, 3.5), (80, 40, 8, 7, 3.5), (80, 60, 7, 8, 4),
                   (90, 60, 6, 7, 3.5), (90, 60, 8, 7, 3.5), (100, 50, 6, 8, 4), (100, 50, 8, 8, 4),
                   (100, 50, 10, 8, 4), (100, 65, 7, 10, 5), (100, 65, 8, 10, 5), (100, 65, 9, 10, 5),
                   (100, 65, 10, 10, 5), (100, 65, 11, 10, 5), (100, 75, 8, 10, 5), (100, 75, 9, 10, 5),
                   (100, 75, 10, 10, 5), (100, 75, 12, 10, 5), (120, 80, 8, 11, 5.5), (120, 80, 10, 11, 5.5),
                   (120, 80, 12, 11, 5.5), (125, 75, 8, 11, 5.5), (125, 75, 10, 11, 5.5), (125, 75, 12, 11, 5.5),
                   (130, 65, 8, 11, 5.5), (130, 65, 10, 11, 5.5), (130, 65, 12, 11, 5.5), (135, 65, 8, 11, 5.5),
                   (135, 65, 10, 11, 5.5), (150, 75, 9, 12, 6), (150, 75, 10, 12, 6), (150, 75, 11, 12, 6),
                   (150, 75, 12, 12, 6), (150, 75, 15, 12, 6), (150, 90, 10, 12, 6), (150, 90, 11, 12, 6),
                   (150, 90, 12, 12, 6), (150, 90, 15, 12, 6), (150, 100, 10, 12, 6), (150, 100, 12, 12, 6),
                   (150, 100, 14, 12, 6), (160, 80, 10, 13, 6.5), (160, 80, 12, 13, 6.5), (160, 80, 14, 13, 6.5),
                   (200, 100, 10, 15, 7.5), (200, 100, 12, 15, 7.5), (200, 100, 14, 15, 7.5),
                   (200, 100, 15, 15, 7.5), (200, 100, 16, 15, 7.5), (200, 150, 12, 15, 7.5),
                   (200, 150, 15, 15, 7.5), (200, 150, 18, 15, 7.5)]

# T sections (EN 10055): h = b, t
T_STAHL = [(20, 3), (25, 3.5), (30, 4), (35, 4.5), (40, 5), (45, 5.5), (50, 6), (60, 7), (70, 8), (80, 9),
           (90, 10), (100, 11), (120, 13), (140, 15)]

# Hot-finished hollow sections (EN 10210-2)
QUADRATROHRE = [(40, [3, 4, 5]), (50, [3, 4, 5, 6.3]), (60, [3, 4, 5, 6.3, 8]), (70, [3.6, 5, 6.3, 8]),
                (80, [3.6, 4, 5, 6.3, 8]), (90, [3.6, 4, 5, 6.3, 8]), (100, [4, 5, 6.3, 8, 10]),
                (120, [5, 6.3, 8, 10, 12.5]), (140, [5, 6.3, 8, 10, 12.5]), (150, [5, 6.3, 8, 10, 12.5, 16]),
                (160, [5, 6.3, 8, 10, 12.5, 16]), (180, [6.3, 8, 10, 12.5, 16]), (200, [6.3, 8, 10, 12.5, 16]),
                (220, [6.3, 8, 10, 12.5, 16]), (250, [6.3, 8, 10, 12.5, 16]), (260, [8, 10, 12.5, 16]),
                (300, [8, 10, 12.5, 16]), (350, [8, 10, 12.5, 16]), (400, [10, 12.5, 16])]
RECHTECKROHRE = [((50, 30), [3, 4, 5]), ((60, 40), [3, 4, 5, 6.3]), ((80, 40), [3, 4, 5, 6.3, 8]),
                 ((90, 50), [3.6, 5, 6.3, 8]), ((100, 50), [3, 4, 5, 6.3, 8]), ((100, 60), [3.6, 5, 6.3, 8]),
                 ((120, 60), [3.6, 5, 6.3, 8, 10]), ((120, 80), [3.6, 5, 6.3, 8, 10]),
                 ((140, 80), [4, 5, 6.3, 8, 10]), ((150, 100), [4, 5, 6.3, 8, 10, 12.5]),
                 ((160, 80), [4, 5, 6.3, 8, 10, 12.5]), ((180, 100), [4, 5, 6.3, 8, 10, 12.5]),
                 ((200, 100), [4, 5, 6.3, 8, 10, 12.5, 16]), ((200, 120), [6.3, 8, 10, 12.5]),
                 ((250, 150), [5, 6.3, 8, 10, 12.5, 16]), ((260, 180), [6.3, 8, 10, 12.5, 16]),
                 ((300, 200), [6.3, 8, 10, 12.5, 16]), ((400, 200), [8, 10, 12.5, 16]),
                 ((450, 250), [8, 10, 12.5, 16]), ((500, 300), [10, 12.5, 16])]
RUNDROHRE = [(21.3, [2.3, 2.6, 3.2]), (26.9, [2.3, 2.6, 3.2]), (33.7, [2.6, 3.2, 4]), (42.4, [2.6, 3.2, 4]),
             (48.3, [2.6, 3.2, 4, 5]), (60.3, [2.6, 3.2, 4, 5]), (76.1, [2.6, 3.2, 4, 5, 6.3]),
             (88.9, [3.2, 4, 5, 6.3]), (101.6, [3.2, 4, 5, 6.3, 8]), (114.3, [3.2, 4, 5, 6.3, 8]),
             (139.7, [4, 5, 6.3, 8, 10]), (168.3, [4, 5, 6.3, 8, 10, 12.5]), (193.7, [5, 6.3, 8, 10, 12.5]),
             (219.1, [5, 6.3, 8, 10, 12.5, 16]), (244.5, [6.3, 8, 10, 12.5, 16]), (273, [6.3, 8, 10, 12.5, 16]),
             (323.9, [6.3, 8, 10, 12.5, 16]), (355.6, [8, 10, 12.5, 16]), (406.4, [8, 10, 12.5, 16]),
             (457, [10, 12.5, 16]), (508, [10, 12.5, 16])]

# Flat bars (EN 10058): width b, thickness t
FLACH_BREITEN = [20, 25, 30, 35, 40, 50, 60, 70, 80, 90, 100, 120, 150, 200]
FLACH_DICKEN = [3, 4, 5, 6, 8, 10, 12, 15, 20, 25, 30]
# Round bars (EN 10060)
RUND = [6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 30, 32, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 90, 100,
        110, 120, 130, 140, 150, 160, 180, 200, 250]


def zahl(mm):
    return ("%g" % mm).replace(".", ",")


def i_knicklinien(h, b, tf):
    """Buckling curves of a rolled I section about y and z (DIN EN 1993-1-1, table 6.2, S235 to
    S420; the curves of S460 are better, so these are on the safe side for it)."""
    if h / b > 1.2:
        return ("a", "b") if tf <= 40 else ("b", "c")
    return ("b", "c") if tf <= 100 else ("d", "d")


# The same table for the other families: hot-finished hollow sections a, angles b, U, T and
# solid sections c, about either axis.
WARM_HOHL = ("a", "a")
WINKEL = ("b", "b")
U_T_VOLL = ("c", "c")


def familien():
    """Each family: file, type text, and per profile its name, section values and curves."""
    yield "IPE.CSV", "IPE", [("IPE %d" % n, i_parallel(*d).werte(), i_knicklinien(d[0], d[1], d[3]))
                             for n, d in zip(IPE_NAMEN, IPE)]
    yield "IPN.CSV", "IPN (I-Träger schmal)", [
        ("IPN %d" % d[0], i_geneigt(*d, d[2], 0.6 * d[2], 0.14).werte(), i_knicklinien(d[0], d[1], d[3])) for d in IPN]
    for datei, art, name, masse in (("HEA.CSV", "HEA (IPBl)", "HEA", HEA), ("HEB.CSV", "HEB (IPB)", "HEB", HEB),
                                    ("HEM.CSV", "HEM (IPBv)", "HEM", HEM)):
        yield datei, art, [("%s %d" % (name, n), i_parallel(*d).werte(), i_knicklinien(d[0], d[1], d[3]))
                           for n, d in zip(HE_NAMEN, masse)]
    yield "UPN.CSV", "UPN (U-Stahl)", [
        ("UPN %d" % h, u_profil(h, b, tw, tf, tf, tf / 2, 0.08 if h <= 300 else 0.05).werte(), U_T_VOLL)
        for h, b, tw, tf in UPN]
    yield "UPE.CSV", "UPE (U parallele Flansche)", [("UPE %d" % d[0], u_profil(*d).werte(), U_T_VOLL) for d in UPE]
    yield "LGLEICH.CSV", "Winkel gleichschenklig", [
        ("L %sx%sx%s" % (zahl(h), zahl(b), zahl(t)), winkel(h, b, t, r1, r2).werte(), WINKEL)
        for h, b, t, r1, r2 in WINKEL_GLEICH]
    yield "LUNGLEI.CSV", "Winkel ungleichschenklig", [
        ("L %sx%sx%s" % (zahl(h), zahl(b), zahl(t)), winkel(h, b, t, r1, r2).werte(), WINKEL)
        for h, b, t, r1, r2 in WINKEL_UNGLEICH]
    yield "TSTAHL.CSV", "T-Stahl", [("T %d" % h, t_profil(h, h, t).werte(), U_T_VOLL) for h, t in T_STAHL]
    yield "QROHR.CSV", "Quadratrohr warmgefertigt", [
        ("%sx%sx%s" % (zahl(a), zahl(a), zahl(t)), hohl_rechteck(a, a, t).werte(), WARM_HOHL)
        for a, dicken in QUADRATROHRE for t in dicken]
    yield "RROHR.CSV", "Rechteckrohr warmgefertigt", [
        ("%sx%sx%s" % (zahl(h), zahl(b), zahl(t)), hohl_rechteck(h, b, t).werte(), WARM_HOHL)
        for (h, b), dicken in RECHTECKROHRE for t in dicken]
    yield "RUNDROHR.CSV", "Rundrohr warmgefertigt", [
        ("%sx%s" % (zahl(d), zahl(t)), kreis_werte(d, t), WARM_HOHL) for d, dicken in RUNDROHRE for t in dicken]
    yield "FLACH.CSV", "Flachstahl", [
        ("FL %dx%s" % (b, zahl(t)), flach_werte(b, t), U_T_VOLL) for b in FLACH_BREITEN for t in FLACH_DICKEN if t < b]
    yield "RUND.CSV", "Rundstahl", [("RD %d" % d, kreis_werte(d), U_T_VOLL) for d in RUND]


def gerundet(wert):
    """Four significant digits, German decimal comma, no trailing zeros."""
    if wert == 0:
        return "0"
    stellen = max(0, 3 - int(math.floor(math.log10(abs(wert)))))
    text = "%.*f" % (stellen, round(wert, stellen))
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text.replace(".", ",")


def schreiben(pfad, zeilen):
    with open(pfad, "wb") as datei:
        datei.write("".join(z + "\r\n" for z in zeilen).encode("cp1252"))


def main():
    ziel = sys.argv[1] if len(sys.argv) > 1 else "Daten"
    index = []
    for dateiname, art, profile in familien():
        assert len(dateiname) <= 12 and len(art) <= 30 and len(profile) <= 151, dateiname
        zeilen = ["Art;Name;Wmax;Wmin;Imax;Imin;A;Knicklinie Imax;Knicklinie Imin"]
        for name, (a, imax, wmax, imin, wmin), knicklinien in profile:
            assert len(name) <= 15, name
            zeilen.append(";".join([art, name] + [gerundet(v) for v in (wmax, wmin, imax, imin, a)] + list(knicklinien)))
        schreiben(os.path.join(ziel, dateiname), zeilen)
        index.append(dateiname)
        print("%-13s %3d Profile  %s" % (dateiname, len(profile), art))
    schreiben(os.path.join(ziel, "Profile.csv"), index)


if __name__ == "__main__":
    main()
