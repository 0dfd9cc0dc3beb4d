#pragma once
// Page arithmetic of the printed reports. Reports place everything in hundredths of a
// millimetre from the top-left corner of the printable area, whatever the printer's
// resolution; these functions turn printer dots and points into that unit and back.
#include <QTransform>

namespace Seitengeometrie {

constexpr int Einheiten_je_Zoll = 2540; // 0.01 mm per inch
constexpr int Viewportausdehnung = 1080; // device dots of the mapping's reference square

// Width of the printable area in 0.01 mm: ((dots − 1) × 2540) div dpi, truncating.
int Seitenbreite(int breite_in_punkten, int dpi);

// Logical units that cover Viewportausdehnung dots at `dpi`: 9144 at 300 dpi, 4572 at
// 600 dpi. Exact for every resolution, so one unit is 0.01 mm even where dpi does not divide
// 10800 (a truncated extent would enlarge the whole page there).
double Fensterausdehnung(int dpi);

// Mapping from 0.01 mm to device dots for the given resolutions.
QTransform Abbildung(int dpi_x, int dpi_y);

// Nominal font size for `punkte` points with a font resolution of `dpi_y`:
// (|punkte| × 2540) div dpi_y. Drawn under the 0.01-mm mapping the font is then `punkte`
// points tall on paper, less what the truncation drops.
int Nenngroesse(int punkte, int dpi_y);

// Em height in 0.01 mm of a font of nominal size `nenngroesse` at a font resolution of
// `dpi_y`: nenngroesse × dpi_y / 72, rounded.
int Schrifthoehe(int nenngroesse, int dpi_y);

// Whole points nearest to `mm` millimetres (ties to even): 3 → 9, 4 → 11, 8 → 23.
int Punkte_aus_mm(double mm);

} // namespace Seitengeometrie
