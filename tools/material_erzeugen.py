#!/usr/bin/env python3
"""Writes the delivered material database Daten/Material.csv (11 columns and the yield strength
fy as column 12, Windows-1252, CR LF, German decimal commas). The sources of every value are listed in Daten/QUELLEN.txt.

sigmaB: tensile strength Rm (metals, plastics), characteristic bending strength f_m,k (wood),
so that the program's default allowable stress sigmaB/3 resp. sigmaB/1.625 fits.
sigmaP: proportional limit. Where a textbook gives the limit slenderness lambda0 of a Tetmajer
line, sigmaP = pi^2 E / lambda0^2, so that the program's lambda0 = pi sqrt(E/sigmaP) meets the
line; other metals sigmaP = 0.8 Rp0.2; wood lambda0 = 100; thermoplastics have none (0).
fy: the yield strength of the structural steels for thicknesses up to 40 mm, the value the steel
check takes; empty for every other material, which that check does not cover.

Run by hand:  python3 tools/material_erzeugen.py Daten
"""
import math
import os
import sys

STAHL = 7.85

# name, E, Rm, Rp0.2 or None, (Tetmajer a, b, lambda0) or None, gamma
METALLE = [
    ("S235JR (St37-2)", 210000, 360, 235, (310, 1.14, 104), STAHL),
    ("S275JR (St44-2)", 210000, 410, 275, None, STAHL),
    ("S355J2 (St52-3)", 210000, 470, 355, (335, 0.62, 89), STAHL),
    ("S460N", 210000, 540, 460, None, STAHL),
    ("E295 (St50-2)", 210000, 470, 295, (335, 0.62, 89), STAHL),
    ("E335 (St60-2)", 210000, 570, 335, (335, 0.62, 89), STAHL),
    ("E360 (St70-2)", 210000, 670, 360, None, STAHL),
    ("C45E vergütet", 210000, 700, 490, None, STAHL),
    ("42CrMo4 vergütet", 210000, 1100, 900, None, STAHL),
    ("34CrNiMo6 vergütet", 210000, 1200, 1000, None, STAHL),
    ("Edelstahl 1.4301", 200000, 520, 210, None, 7.9),
    ("Edelstahl 1.4404", 200000, 520, 220, None, 8.0),
    ("Edelstahl 1.4571", 200000, 520, 220, None, 8.0),
    # Grey cast iron: the textbook buckling curve below lambda0 = 80 is a parabola, no straight line.
    ("GJL-200 (GG-20)", 100000, 200, None, (0, 0, 80), 7.2),
    ("GJL-250 (GG-25)", 110000, 250, None, (0, 0, 80), 7.2),
    ("GJS-400-15 (GGG-40)", 169000, 400, 250, None, 7.1),
    ("GJS-500-7 (GGG-50)", 169000, 500, 320, None, 7.1),
    ("EN AW-6060 T6", 70000, 190, 150, None, 2.70),
    ("EN AW-6063 T6", 70000, 215, 170, None, 2.70),
    ("EN AW-6082 T6", 70000, 310, 260, None, 2.70),
    ("EN AW-5754 H111", 70000, 190, 80, None, 2.67),
    ("EN AW-7075 T6", 72000, 540, 485, None, 2.80),
    ("Kupfer Cu-DHP R240", 127000, 240, 180, None, 8.94),
    ("Messing CuZn37 R370", 110000, 370, 180, None, 8.44),
    ("Bronze CuSn8 R390", 115000, 390, 260, None, 8.80),
    ("Titan Grade 2", 105000, 345, 275, None, 4.51),
]

# name, E0,mean, f_m,k, f_c,0,k, f_t,0,k, f_v,k, density [kg/dm3], softwood Tetmajer line?
HOLZ = [
    ("Nadelholz C16", 8000, 16, 17, 10, 3.2, 0.37, True),
    ("Nadelholz C24", 11000, 24, 21, 14, 4.0, 0.42, True),
    ("Nadelholz C30", 12000, 30, 23, 18, 4.0, 0.46, True),
    ("BSH GL24h", 11500, 24, 24, 19.2, 3.5, 0.42, True),
    ("BSH GL28h", 12600, 28, 28, 22.3, 3.5, 0.46, True),
    ("Eiche D30", 11000, 30, 23, 18, 4.0, 0.64, False),
    ("Buche D35", 12000, 35, 25, 21, 4.0, 0.67, False),
    ("Sperrholz Birke", 10000, 40, 30, 40, 9.0, 0.68, False),
]

# name, E, tensile strength, density
KUNSTSTOFFE = [
    ("PVC-U", 3000, 50, 1.40),
    ("PE-HD", 1000, 23, 0.95),
    ("PP", 1400, 32, 0.91),
    ("PA 6 trocken", 3000, 80, 1.14),
    ("PA 6 konditioniert", 1000, 45, 1.14),
    ("POM", 2800, 65, 1.41),
    ("PMMA", 3200, 70, 1.19),
    ("PC", 2350, 60, 1.20),
    ("PTFE", 500, 25, 2.17),
    ("GFK-Profil E23", 23000, 240, 1.85),
]

KOPF = ["Werkstoff", "E-Modul [N/mm²]", "SigmaB [N/mm²]", "SigmaP [N/mm²]", "Tetmajer a [N/mm²]",
        "Tetmajer b [N/mm²]", "Spez. Gewicht [kg/dm³]", "Art", "SigmaD [N/mm²]", "SigmaZ [N/mm²]",
        "SigmaS [N/mm²]", "fy [N/mm²]"]

# Structural steels and their yield strength fy for t <= 40 mm (EN 10025-2, -3).
FY = {"S235JR (St37-2)": 235, "S275JR (St44-2)": 275, "S355J2 (St52-3)": 355, "S460N": 460}


def zahl(wert):
    text = ("%.3f" % wert).rstrip("0").rstrip(".")
    return text.replace(".", ",")


def sigma_p_aus_grenzschlankheit(e, lambda0):
    return round(math.pi ** 2 * e / lambda0 ** 2)


def zeilen():
    yield KOPF
    for name, e, rm, rp, tetmajer, gamma in METALLE:
        a = b = 0
        if tetmajer:
            a, b, lambda0 = tetmajer
            sigma_p = sigma_p_aus_grenzschlankheit(e, lambda0)
        else:
            sigma_p = 0.8 * rp
        fy = FY.get(name, "")
        yield [name, e, rm, sigma_p, a, b, gamma, "Metall", 0, 0, 0, fy]
    for name, e, fm, fc, ft, fv, dichte, nadelholz in HOLZ:
        sigma_p = round(math.pi ** 2 * e / 100 ** 2, 2)
        a, b = (29.3, 0.194) if nadelholz else (0, 0)
        yield [name, e, fm, sigma_p, a, b, dichte, "Holz", fc, ft, fv, ""]
    for name, e, rm, dichte in KUNSTSTOFFE:
        yield [name, e, rm, 0, 0, 0, dichte, "Kunststoff", 0, 0, 0, ""]


def main():
    ziel = sys.argv[1] if len(sys.argv) > 1 else "Daten"
    text = ""
    for felder in zeilen():
        assert len(felder[0]) <= 20, felder[0]
        text += ";".join(f if isinstance(f, str) else zahl(f) for f in felder) + "\r\n"
    with open(os.path.join(ziel, "Material.csv"), "wb") as datei:
        datei.write(text.encode("cp1252"))


if __name__ == "__main__":
    main()
