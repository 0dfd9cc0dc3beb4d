#include "core/app/Lastfallbild.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace Lastfallbild {

namespace {

const QColor Grund(0, 255, 255);
const QColor Rahmen(0, 0, 255);
const QColor Kraftfarbe(139, 0, 0);
const QColor Lastfarbe(235, 30, 30);
const QColor Wandgrau(150, 150, 150);
const QColor Schraffur(70, 70, 70);

// Every sketch is drawn in one of two designs on a logical canvas and scaled to the target.
// The detailed design (logical height 128 for beams, width 128 for columns) carries the
// dimension lines; the small one is what stays readable on a button of about 120 x 56 pixels.
struct Gestalt {
    bool fein;
    double schrift; // letter height of the load and dimension labels
    double balkenY; // top edge of a horizontal beam
    double dicke; // thickness of beam or column
    double lagerH; // height of a support triangle
    double lagerB; // half width of a support triangle
    double wandB; // width of a wall
    double wandOben, wandUnten;
    double lastH; // height of a distributed load
    double pfeilOben; // where a force arrow starts
    double rand; // free margin inside the frame
};

const Gestalt Fein {true, 13, 46, 6, 11, 7, 9, 26, 72, 17, 10, 8};
const Gestalt Klein {false, 14, 34, 5, 11, 7, 8, 16, 54, 12, 4, 5};

class Skizze {
public:
    Skizze(QPainter& maler, const Gestalt& g)
        : p(maler)
        , g(g)
    {
        p.setRenderHint(QPainter::Antialiasing);
    }

    QPainter& p;
    const Gestalt& g;

    double balkenUnten() const { return g.balkenY + g.dicke; }

    QFont schrift(bool fett, bool kursiv = false) const
    {
        QFont f(QStringLiteral("Arial"));
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(int(g.schrift));
        f.setBold(fett);
        f.setItalic(kursiv);
        return f;
    }

    void text(const QPointF& mitte, const QString& t, const QColor& farbe, bool fett, bool kursiv = false)
    {
        p.setFont(schrift(fett, kursiv));
        p.setPen(farbe);
        const QRectF r(mitte.x() - 40, mitte.y() - g.schrift, 80, 2 * g.schrift);
        p.drawText(r, Qt::AlignCenter, t);
    }

    double textbreite(const QString& t, bool fett) const { return QFontMetricsF(schrift(fett)).horizontalAdvance(t); }

    void balken(double x0, double x1) { p.fillRect(QRectF(x0, g.balkenY, x1 - x0, g.dicke), Qt::black); }

    // Diagonal hatching of a rectangle, clipped to it.
    void schraffieren(const QRectF& r, double abstand)
    {
        p.save();
        p.setClipRect(r);
        p.setPen(QPen(Schraffur, g.fein ? 1.0 : 0.8));
        for (double s = r.left() - r.height(); s < r.right(); s += abstand)
            p.drawLine(QPointF(s, r.bottom()), QPointF(s + r.height(), r.top()));
        p.restore();
    }

    // A grey wall bar into which the beam end at x is built; `links` says on which side.
    void wand(double x, bool links)
    {
        const QRectF r(links ? x - g.wandB : x, g.wandOben, g.wandB, g.wandUnten - g.wandOben);
        p.fillRect(r, Wandgrau);
        schraffieren(r, g.fein ? 5 : 4);
        p.setPen(QPen(Qt::black, 1.2));
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    }

    // Ground line with hatching below it, from x0 to x1 at height y.
    void boden(double x0, double x1, double y)
    {
        schraffieren(QRectF(x0, y, x1 - x0, g.fein ? 4 : 3), g.fein ? 4 : 3);
        p.setPen(QPen(Qt::black, 1.2));
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
    }

    // Support triangle under the beam at x; a roller support gets a second line for its rollers.
    void lager(double x, bool fest)
    {
        const double y = balkenUnten();
        const QPolygonF dreieck {{x, y}, {x - g.lagerB, y + g.lagerH}, {x + g.lagerB, y + g.lagerH}};
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawPolygon(dreieck);
        p.setBrush(Qt::NoBrush);
        double grund = y + g.lagerH;
        if (!fest) {
            grund += g.fein ? 3 : 2.5;
            p.drawLine(QPointF(x - g.lagerB, grund - 1.5), QPointF(x + g.lagerB, grund - 1.5));
        }
        boden(x - g.lagerB - 3, x + g.lagerB + 3, grund);
    }

    void pfeilspitze(const QPointF& spitze, const QPointF& richtung, double laenge, double breite, const QColor& farbe)
    {
        const double n = std::hypot(richtung.x(), richtung.y());
        const QPointF e(richtung.x() / n, richtung.y() / n);
        const QPointF q(-e.y(), e.x());
        const QPointF basis = spitze - e * laenge;
        p.setPen(Qt::NoPen);
        p.setBrush(farbe);
        p.drawPolygon(QPolygonF {spitze, basis + q * breite, basis - q * breite});
        p.setBrush(Qt::NoBrush);
    }

    // A dark red force arrow from `von` to `bis`, labelled beside its tail.
    void kraft(const QPointF& von, const QPointF& bis, const QString& name, bool beschriftungLinks)
    {
        const double kopf = g.fein ? 8 : 6.5;
        const QPointF e = (bis - von) / std::hypot(bis.x() - von.x(), bis.y() - von.y());
        p.setPen(QPen(Kraftfarbe, g.fein ? 2.2 : 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(von, bis - e * (kopf - 1));
        pfeilspitze(bis, bis - von, kopf, kopf * 0.42, Kraftfarbe);
        const double b = textbreite(name, true);
        const bool senkrecht = std::abs(e.y()) > std::abs(e.x());
        QPointF mitte;
        if (senkrecht)
            mitte = QPointF(von.x() + (beschriftungLinks ? -1 : 1) * (b / 2 + 3), von.y() + g.schrift * 0.45);
        else
            mitte = QPointF((von.x() + bis.x()) / 2, von.y() - g.schrift * 0.75);
        text(mitte, name, Kraftfarbe, true);
    }

    void kraftAufBalken(double x, const QString& name = QStringLiteral("F"))
    {
        kraft(QPointF(x, g.pfeilOben), QPointF(x, g.balkenY - 0.5), name, false);
    }

    // A red load area above the beam between x0 and x1 whose height follows `verlauf` (0..1).
    void streckenlast(
        double x0, double x1, const std::function<double(double)>& verlauf, const QString& name, double beschriftungBei = 0.5)
    {
        QPolygonF flaeche;
        const int schritte = 40;
        flaeche << QPointF(x0, g.balkenY);
        for (int k = 0; k <= schritte; ++k) {
            const double t = double(k) / schritte;
            flaeche << QPointF(x0 + t * (x1 - x0), g.balkenY - g.lastH * verlauf(t));
        }
        flaeche << QPointF(x1, g.balkenY);
        p.setPen(QPen(Kraftfarbe, 1.0));
        p.setBrush(Lastfarbe);
        p.drawPolygon(flaeche);
        p.setBrush(Qt::NoBrush);
        const double xt = x0 + beschriftungBei * (x1 - x0);
        const double oben = g.balkenY - g.lastH * verlauf(beschriftungBei);
        text(QPointF(xt, oben - g.schrift * 0.65), name, Kraftfarbe, true);
    }

    // Dimension line in row `y` between x0 and x1 with extension lines up to `von`.
    void mass(double y, double x0, double x1, const QString& name, double von)
    {
        p.setPen(QPen(Qt::black, 0.8));
        for (double x : {x0, x1})
            p.drawLine(QPointF(x, von), QPointF(x, y + 3));
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
        const double d = x1 > x0 ? 1 : -1;
        pfeilspitze(QPointF(x0, y), QPointF(-d, 0), 5, 1.8, Qt::black);
        pfeilspitze(QPointF(x1, y), QPointF(d, 0), 5, 1.8, Qt::black);
        text(QPointF((x0 + x1) / 2, y - g.schrift * 0.55), name, Qt::black, false, true);
    }

    // A dashed mark through the beam at position x, so that x can be seen on the beam.
    void stelle(double x)
    {
        p.setPen(QPen(Qt::black, 0.9, Qt::DashLine));
        p.drawLine(QPointF(x, g.balkenY - 6), QPointF(x, balkenUnten() + 4));
    }
};

// ------------------------------------------------------------------------------------------
// Beams

enum class Ende { Frei, Lager, Festlager, Wand };

struct Balkenfall {
    Ende links, rechts;
    double lagerLinks = 0, lagerRechts = 1; // support positions as fractions of the beam (cases 8, 9)
};

struct Balkenlage {
    double x0, x1; // beam ends in logical coordinates
    double px(double t) const { return x0 + t * (x1 - x0); }
};

// Rows of the dimension lines below the supports, evenly spread to the bottom of the frame.
std::vector<double> massreihen(int anzahl, double hoehe)
{
    std::vector<double> y;
    const double oben = 74, unten = hoehe - 7;
    const double schritt = std::min(20.0, (unten - oben) / anzahl);
    for (int k = 1; k <= anzahl; ++k)
        y.push_back(oben + schritt * k - (anzahl == 1 ? schritt / 3 : 0));
    return y;
}

void balkenfall(Skizze& s, double breite, double hoehe, Fall fall)
{
    const Gestalt& g = s.g;
    const int n = int(fall) + 1;
    const bool wandLinks = n == 1 || n == 2 || n == 10 || n == 11;
    const bool wandRechts = n == 10 || n == 11 || n == 12 || n == 13;
    const bool freiRechts = n == 1 || n == 2;
    const double randL = g.rand + (wandLinks ? g.wandB + 1 : g.lagerB + 4);
    const double randR = g.rand + (wandRechts ? g.wandB + 1 : freiRechts ? 16 : g.lagerB + 4);
    const Balkenlage b {randL, breite - randR};
    const QString F = QStringLiteral("F"), G = QStringLiteral("G"), GL = QStringLiteral("GL");
    const QString L = QStringLiteral("L"), a = QStringLiteral("a"), x = QStringLiteral("x");
    const auto gleich = [](double) { return 1.0; };

    // Supports, walls and the position x of the section-modulus calculation (fraction of the
    // beam, measured from `xVon`).
    double lagerA = 0, lagerB = 1;
    double xStelle = -1, xVon = 0;
    switch (n) {
    case 1:
    case 2:
        xStelle = 0.62;
        xVon = 1;
        break; // x runs from the free end
    case 8:
        lagerA = 0.2;
        lagerB = 0.8;
        break;
    case 9:
        lagerA = 0.18;
        lagerB = 0.82;
        xStelle = 0.36;
        break;
    case 4:
        xStelle = 0.58;
        break;
    case 12:
        break;
    default:
        xStelle = 0.3;
        break;
    }

    // Loads first, so that the beam is drawn over the foot of the load areas.
    switch (n) {
    case 1:
        s.kraft(QPointF(b.x1, g.pfeilOben), QPointF(b.x1, g.balkenY - 0.5), F, true);
        break;
    case 3:
    case 10:
        s.kraftAufBalken(b.px(0.5));
        break;
    case 4:
        s.kraftAufBalken(b.px(0.35));
        break;
    case 12:
        s.kraftAufBalken(b.px(0.4));
        break;
    case 8:
        s.kraft(QPointF(b.x0, g.pfeilOben), QPointF(b.x0, g.balkenY - 0.5), F, false);
        s.kraft(QPointF(b.x1, g.pfeilOben), QPointF(b.x1, g.balkenY - 0.5), F, true);
        break;
    case 6:
        s.streckenlast(
            b.x0, b.x1, [](double t) { return t; }, GL, 0.62);
        break;
    case 7:
        s.streckenlast(
            b.x0, b.x1, [](double t) { return 1 - std::abs(2 * t - 1); }, GL);
        break;
    default:
        s.streckenlast(b.x0, b.x1, gleich, G);
        break; // 2, 5, 9, 11, 13
    }

    s.balken(b.x0, b.x1);
    if (wandLinks)
        s.wand(b.x0, true);
    if (wandRechts)
        s.wand(b.x1, false);
    if (n >= 3 && n <= 9) {
        s.lager(b.px(lagerA), true);
        s.lager(b.px(lagerB), false);
    }
    if (n == 12 || n == 13)
        s.lager(b.x0, false);

    if (!g.fein)
        return;

    // Dimension lines: chains of a, b, l in the first row, x in the next, L in the last.
    const double vonBalken = s.balkenUnten() + 2;
    const double vonLager = s.balkenUnten() + g.lagerH + 6;
    std::vector<std::function<void(double)>> reihen;
    switch (n) {
    case 4:
    case 12: {
        const double t = n == 4 ? 0.35 : 0.4;
        reihen.push_back([&, t](double y) {
            s.mass(y, b.x0, b.px(t), a, vonLager);
            s.mass(y, b.px(t), b.x1, QStringLiteral("b"), vonBalken);
        });
        break;
    }
    case 8:
        reihen.push_back([&](double y) {
            s.mass(y, b.x0, b.px(lagerA), a, vonBalken);
            s.mass(y, b.px(lagerA), b.px(lagerB), L, vonLager);
            s.mass(y, b.px(lagerB), b.x1, a, vonBalken);
        });
        break;
    case 9:
        reihen.push_back([&](double y) {
            s.mass(y, b.x0, b.px(lagerA), a, vonBalken);
            s.mass(y, b.px(lagerA), b.px(lagerB), QStringLiteral("l"), vonLager);
            s.mass(y, b.px(lagerB), b.x1, a, vonBalken);
        });
        break;
    default:
        break;
    }
    if (xStelle >= 0) {
        const double start = b.px(xVon);
        const double ende = b.px(xVon == 0 ? xStelle : 1 - xStelle);
        s.stelle(ende);
        reihen.push_back(
            [&, start, ende](double y) { s.mass(y, start, ende, x, (n == 1 || n == 2 || n == 9) ? vonBalken : vonLager); });
    }
    if (n != 8)
        reihen.push_back([&](double y) { s.mass(y, b.x0, b.x1, L, n == 9 || wandLinks || wandRechts ? vonBalken : vonLager); });
    const std::vector<double> y = massreihen(int(reihen.size()), hoehe);
    for (std::size_t k = 0; k < reihen.size(); ++k)
        reihen[k](y[k]);
}

// ------------------------------------------------------------------------------------------
// Shear: a bolt joining two overlapping plates that are pulled apart by F.

void scherung(Skizze& s, double breite, double hoehe)
{
    const Gestalt& g = s.g;
    const double mitte = hoehe * (g.fein ? 0.55 : 0.6);
    const double t = g.fein ? 15 : 9; // plate thickness
    const double cx = breite / 2;
    const double schaft = g.fein ? 7 : 4.5; // half width of the bolt shank
    const double kopfB = g.fein ? 13 : 8, kopfH = g.fein ? 7 : 5;
    const double pfeil = g.fein ? 34 : 22;
    const double platteL = g.rand + pfeil + 6, platteR = breite - g.rand - pfeil - 6;

    const QRectF oben(platteL, mitte - t, cx + (cx - platteL) * 0.45 - platteL, t);
    const QRectF unten(cx - (platteR - cx) * 0.45, mitte, platteR - (cx - (platteR - cx) * 0.45), t);
    s.p.setPen(QPen(Qt::black, 1.3));
    for (const QRectF& r : {oben, unten}) {
        s.p.fillRect(r, Wandgrau);
        s.schraffieren(r, g.fein ? 6 : 4);
        s.p.drawRect(r);
    }
    // Bolt with head and nut.
    QPainterPath bolzen;
    bolzen.setFillRule(Qt::WindingFill);
    bolzen.addRect(QRectF(cx - schaft, mitte - t - 2, 2 * schaft, 2 * t + 4));
    bolzen.addRect(QRectF(cx - kopfB, mitte - t - kopfH, 2 * kopfB, kopfH));
    bolzen.addRect(QRectF(cx - kopfB, mitte + t, 2 * kopfB, kopfH));
    s.p.setPen(QPen(Qt::black, 1.3));
    s.p.setBrush(QColor(40, 40, 40));
    s.p.drawPath(bolzen.simplified());
    s.p.setBrush(Qt::NoBrush);
    // The shear plane through the bolt.
    s.p.setPen(QPen(Lastfarbe, g.fein ? 1.5 : 1.2, Qt::DashLine));
    s.p.drawLine(QPointF(cx - schaft - (g.fein ? 14 : 8), mitte), QPointF(cx + schaft + (g.fein ? 14 : 8), mitte));

    s.kraft(QPointF(oben.left() - 3, mitte - t / 2), QPointF(oben.left() - 3 - pfeil, mitte - t / 2), QStringLiteral("F"), false);
    s.kraft(
        QPointF(unten.right() + 3, mitte + t / 2), QPointF(unten.right() + 3 + pfeil, mitte + t / 2), QStringLiteral("F"), false);
}

// ------------------------------------------------------------------------------------------
// Columns under an axial force, the four Euler cases.

// Buckled shape of the case, 0 at the foot (t = 0) and the top (t = 1) where the case holds
// it, scaled to a largest value of 1.
double knickform(int fall, double t)
{
    constexpr double pi = std::numbers::pi;
    switch (fall) {
    case 1:
        return std::sin(pi * t);
    case 2:
        return 1 - std::cos(pi * t / 2);
    case 3: {
        // Fixed foot, hinged top: tan(beta) = beta.
        constexpr double beta = 4.493409457909064;
        const auto w = [](double s) { return -std::sin(beta * s) / beta + std::cos(beta * s) + s - 1; };
        return w(t) / -0.6987; // largest excursion of w on 0..1, at s = 0.6
    }
    default:
        return (1 - std::cos(2 * pi * t)) / 2;
    }
}

void knickfall(Skizze& s, double breite, double hoehe, int fall)
{
    const Gestalt& g = s.g;
    const double cx = breite * (g.fein ? 0.42 : 0.45);
    const double d = g.dicke;
    const bool fussFest = fall != 1;
    const bool kopfGefuehrt = fall == 1 || fall == 3;
    const double pfeil = g.fein ? std::clamp(hoehe * 0.12, 18.0, 30.0) : 13;
    const double kopf = g.rand + 2 + pfeil + (kopfGefuehrt ? 4 : 0);
    const double fussRaum = fussFest ? (g.fein ? 12 : 8) : g.lagerH + (g.fein ? 8 : 5);
    const double fuss = hoehe - g.rand - fussRaum - (g.fein && hoehe >= 200 ? 4 : 0);

    // Buckled shape, dashed, behind the column.
    if (g.fein) {
        QPainterPath linie;
        const double ausschlag = breite * 0.12;
        for (int k = 0; k <= 60; ++k) {
            const double t = k / 60.0;
            const QPointF q(cx + ausschlag * knickform(fall, t), fuss - t * (fuss - kopf));
            k == 0 ? linie.moveTo(q) : linie.lineTo(q);
        }
        s.p.setPen(QPen(Rahmen, 1.2, Qt::DashLine));
        s.p.drawPath(linie);
    }

    s.p.fillRect(QRectF(cx - d / 2, kopf, d, fuss - kopf), Qt::black);

    // Foot.
    if (fussFest) {
        const QRectF r(cx - 24, fuss, 48, fussRaum - 2);
        s.p.fillRect(r, Wandgrau);
        s.schraffieren(r, g.fein ? 5 : 4);
        s.p.setPen(QPen(Qt::black, 1.2));
        s.p.drawLine(QPointF(r.left(), fuss), QPointF(r.right(), fuss));
    } else {
        const QPolygonF dreieck {{cx, fuss}, {cx - g.lagerB, fuss + g.lagerH}, {cx + g.lagerB, fuss + g.lagerH}};
        s.p.setPen(QPen(Qt::black, 1.2));
        s.p.setBrush(Qt::white);
        s.p.drawPolygon(dreieck);
        s.p.setBrush(Qt::NoBrush);
        s.boden(cx - g.lagerB - 4, cx + g.lagerB + 4, fuss + g.lagerH);
    }

    // Top: a hinge held sideways by two guides, a clamp that lets the column slide, or free.
    if (kopfGefuehrt) {
        const double lang = g.fein ? 12 : 8;
        for (double seite : {-1.0, 1.0}) {
            const QRectF r(seite < 0 ? cx - d / 2 - 2 - 4 : cx + d / 2 + 2, kopf - lang / 2 + 3, 4, lang);
            s.p.fillRect(r, Wandgrau);
            s.p.setPen(QPen(Qt::black, 1.0));
            s.p.drawLine(
                QPointF(seite < 0 ? r.right() : r.left(), r.top()), QPointF(seite < 0 ? r.right() : r.left(), r.bottom()));
        }
        s.p.setPen(QPen(Qt::black, 1.2));
        s.p.setBrush(Qt::white);
        s.p.drawEllipse(QPointF(cx, kopf + 3), d * 0.55, d * 0.55);
        s.p.setBrush(Qt::NoBrush);
    } else if (fall == 4) {
        const double lang = g.fein ? 16 : 10;
        for (double seite : {-1.0, 1.0}) {
            const QRectF r(seite < 0 ? cx - d / 2 - 11 : cx + d / 2 + 1, kopf + 2, 10, lang);
            s.p.fillRect(r, Wandgrau);
            s.schraffieren(r, 4);
            s.p.setPen(QPen(Qt::black, 1.2));
            const double kante = seite < 0 ? r.right() : r.left();
            s.p.drawLine(QPointF(kante, r.top()), QPointF(kante, r.bottom()));
        }
    }

    s.kraft(QPointF(cx, kopf - pfeil - 1), QPointF(cx, kopf - 0.5), QStringLiteral("F"), true);

    if (!g.fein)
        return;
    const double xm = cx + breite * 0.27;
    s.p.setPen(QPen(Qt::black, 0.8));
    for (double y : {kopf, fuss})
        s.p.drawLine(QPointF(cx + d / 2 + 8, y), QPointF(xm + 3, y));
    s.p.drawLine(QPointF(xm, kopf), QPointF(xm, fuss));
    s.pfeilspitze(QPointF(xm, kopf), QPointF(0, -1), 5, 1.8, Qt::black);
    s.pfeilspitze(QPointF(xm, fuss), QPointF(0, 1), 5, 1.8, Qt::black);
    s.text(QPointF(xm + 9, (kopf + fuss) / 2), QStringLiteral("L"), Qt::black, false, true);
    if (hoehe >= 200) {
        // "Lk = 2 L" with the k as a subscript.
        static const char* const faktor[] = {"L", "2 L", "0,7 L", "0,5 L"};
        const QFont gross = s.schrift(false, true);
        QFont klein = gross;
        klein.setPixelSize(int(g.schrift * 0.7));
        const QString rest = QStringLiteral(" = ") + QString::fromLatin1(faktor[fall - 1]);
        const double b = QFontMetricsF(gross).horizontalAdvance(QStringLiteral("L") + rest)
            + QFontMetricsF(klein).horizontalAdvance(QStringLiteral("k"));
        double x = breite - g.rand - 2 - b;
        const double y = g.rand + g.schrift;
        s.p.setPen(Qt::black);
        s.p.setFont(gross);
        s.p.drawText(QPointF(x, y), QStringLiteral("L"));
        x += QFontMetricsF(gross).horizontalAdvance(QStringLiteral("L"));
        s.p.setFont(klein);
        s.p.drawText(QPointF(x, y + g.schrift * 0.25), QStringLiteral("k"));
        x += QFontMetricsF(klein).horizontalAdvance(QStringLiteral("k"));
        s.p.setFont(gross);
        s.p.drawText(QPointF(x, y), rest);
    }
}

bool istKnickfall(Fall fall) { return fall >= Fall::Knick1 && fall <= Fall::Knick4; }

} // namespace

Fall biegung(int fall) { return static_cast<Fall>(int(Fall::Biegung1) + fall - 1); }

Fall knickung(int fall) { return static_cast<Fall>(int(Fall::Knick1) + fall - 1); }

QString dateiname(Fall fall)
{
    const int f = int(fall);
    if (fall <= Fall::Biegung13)
        return QStringLiteral("B_Bieg%1.BMP").arg(f + 1);
    if (fall == Fall::Scherung)
        return QStringLiteral("B_Scher.BMP");
    return QStringLiteral("B_Knick%1.BMP").arg(f - int(Fall::Knick1) + 1);
}

QSize dateigroesse(Fall fall) { return istKnickfall(fall) ? QSize(128, 256) : QSize(256, 128); }

void zeichnen(QPainter& maler, const QRectF& rechteck, Fall fall)
{
    if (rechteck.width() < 4 || rechteck.height() < 4)
        return;
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.fillRect(rechteck, Grund);

    // The logical canvas: beams keep a fixed height, columns a fixed width; the other side
    // follows the proportions of the target, so a wider target gives a longer beam.
    const bool saeule = istKnickfall(fall);
    const double kurz = saeule ? rechteck.width() : rechteck.height();
    const bool fein = kurz >= 96;
    const double logisch = fein ? 128 : 60;
    const double massstab = kurz / logisch;
    const double breite = rechteck.width() / massstab, hoehe = rechteck.height() / massstab;

    maler.save();
    maler.setClipRect(rechteck);
    maler.translate(rechteck.topLeft());
    maler.scale(massstab, massstab);
    Skizze s(maler, fein ? Fein : Klein);
    if (saeule)
        knickfall(s, breite, hoehe, int(fall) - int(Fall::Knick1) + 1);
    else if (fall == Fall::Scherung)
        scherung(s, breite, hoehe);
    else if (fall >= Fall::Biegung1 && fall <= Fall::Biegung13)
        balkenfall(s, breite, hoehe, fall);
    maler.restore();

    const double rahmen = std::max(1.5, std::min(rechteck.width(), rechteck.height()) / 64);
    maler.setPen(QPen(Rahmen, rahmen));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(rechteck.adjusted(rahmen / 2, rahmen / 2, -rahmen / 2, -rahmen / 2));
    maler.restore();
}

QImage bild(Fall fall, const QSize& groesse)
{
    QImage b(groesse, QImage::Format_RGB32);
    if (b.isNull())
        return b;
    b.fill(Grund);
    QPainter maler(&b);
    zeichnen(maler, QRectF(QPointF(0, 0), groesse), fall);
    return b;
}

} // namespace Lastfallbild
