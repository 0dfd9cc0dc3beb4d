#include "core/calc/Knickspannungslinie.h"

#include <algorithm>
#include <numbers>

namespace Knickspannungslinie {

bool hatTetmajer(const Daten& d) { return d.Tetmaier1 != 0 && d.Tetmaier2 != 0; }

double Euler(double E, double Lambda) { return Lambda > 0 ? std::numbers::pi * std::numbers::pi * E / (Lambda * Lambda) : 0; }

double SigmaK(const Daten& d, double Lambda)
{
    if (Lambda >= d.Lambda0 || !hatTetmajer(d))
        return Euler(d.E, Lambda);
    return d.Tetmaier1 - d.Tetmaier2 * Lambda;
}

QString Bereich(const Daten& d)
{
    if (!d.mitStuetze)
        return QStringLiteral("Noch keine Knicksicherheit berechnet.");
    if (d.Lambda >= d.Lambda0)
        return QStringLiteral("Euler-Bereich: λ ≥ λ0, elastisches Knicken");
    if (!hatTetmajer(d))
        return QStringLiteral("λ < λ0 ohne Tetmajer-Gerade in der Datenbank");
    return QStringLiteral("Tetmajer-Bereich: λ < λ0, unelastisches Knicken");
}

double LambdaMax(const Daten& d) { return std::max(200.0, 1.5 * std::max(d.Lambda0, d.mitStuetze ? d.Lambda : 0.0)); }

} // namespace Knickspannungslinie
