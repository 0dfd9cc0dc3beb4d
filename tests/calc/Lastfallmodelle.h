#pragma once
// The beam of each of the thirteen bending load cases for the test's own beam model, with x
// measured as the case's formulas measure it. F as the user types it: a force in N, a total load
// in N (cases 6, 7) or a line load in N/m (cases 2, 5, 9, 11, 13); L and a in mm.
#include "Balkenmodell.h"

#include <algorithm>

namespace Lastfallmodelle {

using Balkenmodell::Balken;
using Balkenmodell::Lager;

inline Balken modell(int fall, double F, double L, double a = 0)
{
    Balken b;
    b.laenge = L;
    const double q = F / 1000.0;
    const auto gleichlast = [q](double) { return q; };
    switch (fall) {
    case 1: // cantilever, free end at x = 0
    case 2:
        b.links = Lager::Frei;
        b.rechts = Lager::Eingespannt;
        if (fall == 1)
            b.kraefte = {{0.0, F}};
        else
            b.q = gleichlast;
        break;
    case 3:
        b.kraefte = {{L / 2, F}};
        break;
    case 4:
        b.kraefte = {{a, F}};
        break;
    case 5:
        b.q = gleichlast;
        break;
    case 6: // total F, rising to the right
        b.q = [F, L](double x) { return 2 * F / (L * L) * x; };
        break;
    case 7: // total F, peak at mid-span
        b.q = [F, L](double x) { return 4 * F / (L * L) * std::min(x, L - x); };
        break;
    case 8: // supports L apart, overhangs a, forces at the free ends
        b.laenge = L + 2 * a;
        b.links = b.rechts = Lager::Frei;
        b.stuetzen = {a, a + L};
        b.kraefte = {{0.0, F}, {b.laenge, F}};
        break;
    case 9:
        b.links = b.rechts = Lager::Frei;
        b.stuetzen = {a, L - a};
        b.q = gleichlast;
        break;
    case 10:
    case 11:
        b.links = b.rechts = Lager::Eingespannt;
        if (fall == 10)
            b.kraefte = {{L / 2, F}};
        else
            b.q = gleichlast;
        break;
    case 12: // propped at x = 0, fixed at x = L
    case 13:
        b.rechts = Lager::Eingespannt;
        if (fall == 12)
            b.kraefte = {{a, F}};
        else
            b.q = gleichlast;
        break;
    }
    return b;
}

} // namespace Lastfallmodelle
