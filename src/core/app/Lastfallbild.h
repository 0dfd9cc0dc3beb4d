#pragma once
// The sketches of the eighteen load cases, drawn by one piece of code at any size, so that the
// main window's buttons, the dialogs' pictures and the printed reports always agree.
#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

namespace Lastfallbild {

enum class Fall {
    Biegung1,
    Biegung2,
    Biegung3,
    Biegung4,
    Biegung5,
    Biegung6,
    Biegung7,
    Biegung8,
    Biegung9,
    Biegung10,
    Biegung11,
    Biegung12,
    Biegung13,
    Scherung,
    Knick1,
    Knick2,
    Knick3,
    Knick4
};

// Bending case 1..13.
Fall biegung(int fall);
// Euler case 1..4.
Fall knickung(int fall);

// Draws the sketch of `fall` into `rechteck`: black beam or column on a cyan ground in a blue
// frame, forces as dark red arrows, distributed loads as red areas, supports, walls, and the
// dimension lines of the case. Below about 96 pixels across the short side (beams: height,
// columns: width) the sketch is simplified for buttons and leaves out the dimension lines.
void zeichnen(QPainter& maler, const QRectF& rechteck, Fall fall);
QImage bild(Fall fall, const QSize& groesse);

// File name of the sketch in the data directory, e.g. "B_Bieg4.BMP".
QString dateiname(Fall fall);
// Size of that file: 256 x 128 for beams and shear, 128 x 256 for columns.
QSize dateigroesse(Fall fall);

} // namespace Lastfallbild
