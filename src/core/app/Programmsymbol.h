#pragma once
// The program's icon: the sketch of bending case 5 (a beam on two supports under a uniform
// load) on a blue tile. Drawn by the load-case code, so the icon of the menu entry and the
// window looks like the buttons of the main window. tools/programmsymbol writes the installed
// SVG and PNG files from it.
#include <QImage>

class QPainter;

namespace Programmsymbol {

// Draws the icon into the square (0, 0, kante, kante) of `maler`.
void zeichnen(QPainter& maler, double kante);
QImage bild(int kante);

} // namespace Programmsymbol
