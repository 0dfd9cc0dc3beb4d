#include "core/sections/Formbilder.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace Formbilder {

using Unit1::TAkt_Profil;

namespace {

// Everything is laid out on a 100 × 100 grid and scaled to the target square. Line widths and
// the letters are chosen so that the sketch still reads at 65 × 65 pixels.
constexpr double Raster = 100.0;
constexpr double Umriss = 2.2; // outline of the section
constexpr double Masslinie = 1.5; // dimension and extension lines
constexpr double Pfeil = 7.0; // arrowhead length
constexpr double Schrift = 21.0; // letter height in grid units
const QColor Flaeche(0x8f, 0xa8, 0xc0); // the cut material
const QColor Linie(0x00, 0x00, 0x00);

void pfeilspitze(QPainter& m, QPointF spitze, QPointF von)
{
    const QPointF r = spitze - von;
    const double laenge = std::hypot(r.x(), r.y());
    if (laenge <= 0.0)
        return;
    const QPointF e = r / laenge;
    const QPointF n(-e.y(), e.x());
    const QPointF basis = spitze - e * Pfeil;
    m.setPen(Qt::NoPen);
    m.setBrush(Linie);
    m.drawPolygon(QPolygonF {spitze, basis + n * (Pfeil * 0.42), basis - n * (Pfeil * 0.42)});
}

void linie(QPainter& m, QPointF a, QPointF b)
{
    m.setPen(QPen(Linie, Masslinie, Qt::SolidLine, Qt::FlatCap));
    m.drawLine(a, b);
}

// A dimension line from a to b with arrowheads at both ends.
void bemassung(QPainter& m, QPointF a, QPointF b)
{
    linie(m, a, b);
    pfeilspitze(m, a, b);
    pfeilspitze(m, b, a);
}

// Two arrows pointing at a thin wall from outside, between a and b (a wall thickness).
void wandmass(QPainter& m, QPointF a, QPointF b, double ueberstand)
{
    const QPointF r = b - a;
    const QPointF e = r / std::hypot(r.x(), r.y());
    linie(m, a - e * ueberstand, a);
    linie(m, b, b + e * ueberstand);
    pfeilspitze(m, a, a - e * ueberstand);
    pfeilspitze(m, b, b + e * ueberstand);
}

// A dimension letter centred on mitte, on a white ground so that lines never cross it.
void buchstabe(QPainter& m, const QString& text, QPointF mitte)
{
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(int(Schrift));
    schrift.setBold(true);
    schrift.setItalic(true);
    m.setFont(schrift);
    const QRectF kasten(mitte.x() - Schrift * 0.5, mitte.y() - Schrift * 0.55, Schrift, Schrift * 1.1);
    m.setPen(Qt::NoPen);
    m.setBrush(Qt::white);
    m.drawRect(kasten);
    m.setPen(Linie);
    m.drawText(kasten, Qt::AlignCenter, text);
}

void schnittflaeche(QPainter& m, const QPainterPath& umriss)
{
    m.setPen(QPen(Linie, Umriss));
    m.setBrush(Flaeche);
    m.drawPath(umriss);
}

// Diameter D above the circle of radius r round mitte.
void durchmesser(QPainter& m, QPointF mitte, double r)
{
    const double y = 11.0;
    linie(m, QPointF(mitte.x() - r, mitte.y()), QPointF(mitte.x() - r, y - 4.0));
    linie(m, QPointF(mitte.x() + r, mitte.y()), QPointF(mitte.x() + r, y - 4.0));
    bemassung(m, QPointF(mitte.x() - r, y), QPointF(mitte.x() + r, y));
    buchstabe(m, QStringLiteral("D"), QPointF(mitte.x(), y));
}

// Width B above and height H right of the rectangle.
void breiteUndHoehe(QPainter& m, const QRectF& r)
{
    const double y = 11.0;
    linie(m, r.topLeft(), QPointF(r.left(), y - 4.0));
    linie(m, r.topRight(), QPointF(r.right(), y - 4.0));
    bemassung(m, QPointF(r.left(), y), QPointF(r.right(), y));
    buchstabe(m, QStringLiteral("B"), QPointF(r.center().x(), y));

    const double x = r.right() + 14.0;
    linie(m, r.topRight(), QPointF(x + 4.0, r.top()));
    linie(m, r.bottomRight(), QPointF(x + 4.0, r.bottom()));
    bemassung(m, QPointF(x, r.top()), QPointF(x, r.bottom()));
    buchstabe(m, QStringLiteral("H"), QPointF(x + 11.0, r.center().y()));
}

void kreis(QPainter& m)
{
    const QPointF mitte(46.0, 58.0);
    const double r = 34.0;
    QPainterPath umriss;
    umriss.addEllipse(mitte, r, r);
    schnittflaeche(m, umriss);
    durchmesser(m, mitte, r);
}

void rohr(QPainter& m)
{
    const QPointF mitte(44.0, 58.0);
    const double r = 34.0, ri = 23.0;
    QPainterPath umriss;
    umriss.addEllipse(mitte, r, r);
    umriss.addEllipse(mitte, ri, ri);
    umriss.setFillRule(Qt::OddEvenFill);
    schnittflaeche(m, umriss);
    durchmesser(m, mitte, r);
    wandmass(m, QPointF(mitte.x() + ri, mitte.y()), QPointF(mitte.x() + r, mitte.y()), 10.0);
    buchstabe(m, QStringLiteral("s"), QPointF(mitte.x() + ri - 19.5, mitte.y()));
}

void quader(QPainter& m)
{
    const QRectF r(22.0, 24.0, 40.0, 70.0);
    QPainterPath umriss;
    umriss.addRect(r);
    schnittflaeche(m, umriss);
    breiteUndHoehe(m, r);
}

void formrohr(QPainter& m)
{
    const QRectF r(14.0, 24.0, 50.0, 70.0);
    const double wand = 9.0;
    const QRectF innen = r.adjusted(wand, wand, -wand, -wand);
    QPainterPath umriss;
    umriss.addRect(r);
    umriss.addRect(innen);
    umriss.setFillRule(Qt::OddEvenFill);
    schnittflaeche(m, umriss);
    breiteUndHoehe(m, r);
    const double y = innen.center().y();
    wandmass(m, QPointF(r.left(), y), QPointF(innen.left(), y), 8.0);
    buchstabe(m, QStringLiteral("s"), QPointF(innen.left() + 19.0, y));
}

} // namespace

QString Dateiname(TAkt_Profil form)
{
    switch (form) {
    case TAkt_Profil::Rundstahl:
        return QStringLiteral("Kreis.JPG");
    case TAkt_Profil::Rohr:
        return QStringLiteral("Rohr.JPG");
    case TAkt_Profil::Vierkant:
        return QStringLiteral("Quader.JPG");
    case TAkt_Profil::Formrohr:
        return QStringLiteral("Formrohr.JPG");
    }
    return {};
}

void zeichnen(QPainter& maler, TAkt_Profil form, const QRectF& feld)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    maler.translate(feld.topLeft());
    maler.scale(feld.width() / Raster, feld.height() / Raster);
    switch (form) {
    case TAkt_Profil::Rundstahl:
        kreis(maler);
        break;
    case TAkt_Profil::Rohr:
        rohr(maler);
        break;
    case TAkt_Profil::Vierkant:
        quader(maler);
        break;
    case TAkt_Profil::Formrohr:
        formrohr(maler);
        break;
    }
    maler.restore();
}

QImage bild(TAkt_Profil form, int kantenlaenge)
{
    QImage b(kantenlaenge, kantenlaenge, QImage::Format_RGB32);
    b.fill(Qt::white);
    QPainter maler(&b);
    zeichnen(maler, form, QRectF(0, 0, kantenlaenge, kantenlaenge));
    return b;
}

} // namespace Formbilder
