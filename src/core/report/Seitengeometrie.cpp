#include "core/report/Seitengeometrie.h"

#include "core/platform/Fehler.h"

#include <cmath>
#include <cstdlib>

namespace Seitengeometrie {

namespace {

// A resolution comes from the printer driver; a zero would end the program in an integer
// division, so it is refused as an error the user sees.
void pruefeAufloesung(int dpi)
{
    if (dpi <= 0)
        throw Plattform::Fehler::divisionDurchNull();
}

} // namespace

int Seitenbreite(int breite_in_punkten, int dpi)
{
    pruefeAufloesung(dpi);
    return int((qint64(breite_in_punkten) - 1) * Einheiten_je_Zoll / dpi);
}

double Fensterausdehnung(int dpi)
{
    pruefeAufloesung(dpi);
    return double(Viewportausdehnung) * Einheiten_je_Zoll / dpi;
}

QTransform Abbildung(int dpi_x, int dpi_y)
{
    return QTransform::fromScale(Viewportausdehnung / Fensterausdehnung(dpi_x), Viewportausdehnung / Fensterausdehnung(dpi_y));
}

int Nenngroesse(int punkte, int dpi_y)
{
    pruefeAufloesung(dpi_y);
    return int(std::llabs(qint64(punkte)) * Einheiten_je_Zoll / dpi_y);
}

int Schrifthoehe(int nenngroesse, int dpi_y) { return int(std::lround(double(nenngroesse) * dpi_y / 72.0)); }

int Punkte_aus_mm(double mm)
{
    // nearbyint rounds ties to even in the default rounding mode.
    return int(std::nearbyint(mm / (25.4 / 72.0)));
}

} // namespace Seitengeometrie
