#pragma once
// The sketch of a general beam to scale, drawn from its input record alone: spans and
// cantilevers, pinned and fixed supports, point loads as arrows, line and trapezoidal loads as
// bands (variable ones hatched), moments as arcs, and the span lengths below. One function
// paints onto any QPainter, so that the window, the diagram window, the report and the main
// window's button show the same drawing.
#include "core/calc/Traegereinheiten.h"
#include "core/calc/Traegerrechnung.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

class QPainter;

namespace Traegerskizze {

enum class Stil {
    Voll, // white ground, values and span lengths written
    Knopf // the main window's button: cyan ground in a blue frame, no text
};

// Draws the beam of `e` into `rechteck`. A record that cannot be drawn (no span, a length that
// is not a number or not above 0) gives the frame with a short note instead of a beam.
void zeichnen(QPainter& maler, const QRectF& rechteck, const Traegerrechnung::Eingabe& e,
    Traegereinheiten::System einheiten = Traegereinheiten::System::N_mm, Stil stil = Stil::Voll);
QImage bild(const Traegerrechnung::Eingabe& e, const QSize& groesse,
    Traegereinheiten::System einheiten = Traegereinheiten::System::N_mm, Stil stil = Stil::Voll);

// The beam of the main window's button: two spans, a point load and a line load.
Traegerrechnung::Eingabe Knopfbeispiel();

// Where the full sketch puts its loads and their values, in the coordinates of the canvas it is
// drawn on (the target scaled to a height between 40 and 200). Each value is placed above its
// load where nothing else is: apart from every other value, band and arrow, moved up or aside
// where its place is taken, and written over everything else.
struct Beschriftung {
    QString text;
    QRectF lage;
};
struct Anordnung {
    QSizeF leinwand;
    std::vector<QRectF> lasten; // per load: its band, its arrow, or the circle of its moment
    std::vector<Beschriftung> werte; // per load, in the order of the loads
};
// Empty for a record that cannot be drawn.
Anordnung anordnen(const Traegerrechnung::Eingabe& e, const QSizeF& groesse,
    Traegereinheiten::System einheiten = Traegereinheiten::System::N_mm);

} // namespace Traegerskizze
