#include "calc/Biegeformeln.h"

#include "core/Unit1.h"
#include "platform/Fehler.h"
#include "platform/Fliesskomma.h"

#include <cmath>

namespace Biegeformeln {

namespace {

using Fliesskomma::pruefe;
using Fliesskomma::teile;
using Unit1::potenz;

// A line load typed in N/m acts as q in N/mm.
double streckenlast(double F) { return teile(F, 1000.0); }

// The constant of case 6 as the program has always used it (2/(9·√3) = 0.12830005981…).
constexpr double Faktor6 = 0.1283000603805744;

// Cases 3, 7 and 10 are symmetric about mid-span: their moment formula holds for the left half,
// so a point of the right half is taken at its distance from the right support.
double gespiegelt(double x, double L) { return x > L / 2.0 ? L - x : x; }

} // namespace

double Widerstandsmoment(double M, double Sigma_Zul) { return teile(teile(M, Sigma_Zul), 1000.0); }

double Durchbiegung(double D, double E, double I) { return teile(teile(D, pruefe(E * I)), 10000.0); }

double M_max(int fall, double F, double L)
{
    const double q = streckenlast(F);
    switch (fall) {
    case 1:
        return pruefe(F * L); // cantilever, force at the end
    case 2:
        return teile(q * potenz(L, 2), 2.0); // cantilever, line load
    case 3:
        return teile(F * L, 4.0); // simply supported, force at mid-span
    case 5:
        return teile(q * L * L, 8.0); // simply supported, line load
    case 6:
        return pruefe(Faktor6 * F * L); // load rising to the right
    case 7:
        return teile(F * L, 6.0); // triangular load peaking at mid-span
    case 10:
        return teile(F * L, 8.0); // fixed both ends, force at mid-span
    case 11:
        return teile(q * L * L, 12.0); // fixed both ends, line load
    case 13:
        return teile(q * L * L, 8.0); // fixed and propped, line load
    default:
        throw Plattform::Fehler::listenindex(fall);
    }
}

double M_x(int fall, double F, double L, double x)
{
    const double q = streckenlast(F);
    switch (fall) {
    case 1:
        return pruefe(F * x);
    case 2:
        return teile(q * potenz(x, 2), 2.0);
    case 3:
        return teile(F * gespiegelt(x, L), 2.0);
    case 5:
        return pruefe(teile(q * L * x, 2.0) * (1.0 - teile(x, L)));
    case 6:
        return pruefe(teile(F * x, 3.0) * (1.0 - teile(potenz(x, 2), potenz(L, 2))));
    case 7: {
        const double s = gespiegelt(x, L);
        if (s == 0.0)
            return 0.0; // the support itself
        return pruefe(F * s * (0.5 - 2.0 / 3.0 * teile(potenz(s, 2), potenz(L, 2))));
    }
    case 10:
        return pruefe(teile(F * L, 2.0) * (teile(gespiegelt(x, L), L) - 0.25));
    case 11:
        return pruefe(teile(q * L * L, 2.0) * (teile(potenz(x, 2), potenz(L, 2)) + (1.0 / 6.0 - teile(x, L))));
    case 13:
        return pruefe(teile(0.001 * F * x, 8.0) * (3.0 * L - 4.0 * x));
    default:
        throw Plattform::Fehler::listenindex(fall);
    }
}

double D(int fall, double F, double L)
{
    const double q = streckenlast(F);
    switch (fall) {
    case 1:
        return teile(F * potenz(L, 3), 3.0);
    case 2:
        return teile(q * potenz(L, 4), 8.0);
    case 3:
        return teile(F * potenz(L, 3), 48.0);
    case 5:
        return teile(5.0 * q * potenz(L, 4), 384.0);
    case 6:
        return pruefe(0.01304 * F * potenz(L, 3));
    case 7:
        return teile(F * potenz(L, 3), 60.0);
    case 10:
        return teile(F * potenz(L, 3), 192.0);
    case 11:
        return teile(q * potenz(L, 4), 384.0);
    case 13:
        return teile(q * potenz(L, 4), 185.0);
    default:
        throw Plattform::Fehler::listenindex(fall);
    }
}

double Werf(int fall, double F, double L, double Sigma_Zul)
{
    const double w = Widerstandsmoment(M_max(fall, F, L), Sigma_Zul);
    return fall == 7 || fall == 13 ? std::fabs(w) : w;
}

double Wxerf(int fall, double F, double L, double x, double Sigma_Zul)
{
    if (x == 0.0 || x > L)
        return 0.0;
    return std::fabs(Widerstandsmoment(M_x(fall, F, L, x), Sigma_Zul));
}

double fd(int fall, double F, double L, double E, double I) { return Durchbiegung(D(fall, F, L), E, I); }

// --- Case 4 --------------------------------------------------------------------------------

double Werf4(double F, double L, double a, double Sigma_Zul)
{
    const double b = L - a;
    return teile(teile(F * b * a, pruefe(L * Sigma_Zul)), 1000.0);
}

double Wxerf4(double F, double L, double a, double x, double Sigma_Zul)
{
    if (x == 0.0 || x > L)
        return 0.0;
    const double b = L - a;
    // Left of the load the moment rises with x, right of it it falls to 0 at the far support.
    const double M = x <= a ? teile(F * b * x, L) : teile(F * a * (L - x), L);
    return std::fabs(Widerstandsmoment(M, Sigma_Zul));
}

double fd4(double F, double L, double a, double E, double I)
{
    const double b = L - a;
    return Durchbiegung(teile(potenz(a, 2) * F * potenz(b, 2), 3.0 * L), E, I);
}

// --- Case 8 --------------------------------------------------------------------------------

double Werf8(double F, double a, double Sigma_Zul) { return std::fabs(Widerstandsmoment(F * a, Sigma_Zul)); }

Massgebend fd8(double F, double L, double a, double E, double I)
{
    const double rand = Durchbiegung(pruefe(teile(potenz(a, 2) * F, 3.0) * (3.0 * L / 2.0 + a)), E, I);
    const double mitte = Durchbiegung(teile(potenz(L, 2) * F * a, 8.0), E, I);
    return mitte >= rand ? Massgebend {mitte, true} : Massgebend {rand, false};
}

// --- Case 9 --------------------------------------------------------------------------------

Massgebend Werf9(double F, double L, double a, double Sigma_Zul)
{
    const double q = streckenlast(F);
    const double Werf1 = teile(pruefe(q * L / 2.0 * (L / 4.0 - a)), Sigma_Zul); // mid-span
    const double Werf2 = teile(potenz(a, 2) * q, 2.0 * Sigma_Zul); // supports
    return Werf2 >= Werf1 ? Massgebend {teile(Werf2, 1000.0), true} : Massgebend {teile(Werf1, 1000.0), false};
}

double Wxerf9(double F, double L, double a, double x, double Sigma_Zul)
{
    if (x == 0.0 || x > L)
        return 0.0;
    const double q = streckenlast(F);
    double M;
    if (x <= a) {
        M = teile(potenz(x, 2) * q, 2.0); // left overhang
    } else if (x >= L - a) {
        // Right overhang, measured from the free end; the end itself carries nothing.
        const double s = L - x;
        M = s == 0.0 ? 0.0 : teile(q * potenz(s, 2), 2.0);
    } else {
        M = pruefe(q * L * x * 0.5 * ((1.0 - teile(a, x)) - teile(x, L))); // between the supports
    }
    return std::fabs(Widerstandsmoment(M, Sigma_Zul));
}

Massgebend fd9(double F, double L, double a, double E, double I)
{
    const double q = streckenlast(F);
    const double l = L - 2.0 * a; // span between the supports
    // Mid-span: the span sags under q (5·q·l⁴/384) and the overhang moments q·a²/2 lift it
    // (q·a²·l²/16 = 24·q·a²·l²/384).
    const double mitte = Durchbiegung(teile(pruefe(q * potenz(l, 2) * (5.0 * potenz(l, 2) - 24.0 * potenz(a, 2))), 384.0), E, I);
    // Free ends: the overhang as a cantilever plus its rotation at the support.
    const double rand
        = teile(pruefe(teile(potenz(l, 4) * F, pruefe(24.0 * E * I * 1000.0))
                    * ((3.0 * teile(potenz(a, 4), potenz(l, 4)) + 6.0 * teile(potenz(a, 3), potenz(l, 3))) - teile(a, l))),
            10000.0);
    return mitte >= rand ? Massgebend {mitte, true} : Massgebend {rand, false};
}

// --- Case 12 -------------------------------------------------------------------------------

Massgebend Werf12(double F, double L, double a, double Sigma_Zul)
{
    const double L2 = potenz(L, 2);
    const double Werf1 = teile(pruefe(F * a * (L2 - potenz(a, 2))), pruefe(2.0 * L2 * Sigma_Zul)); // fixed end
    const double Werf2 = teile(pruefe((teile(potenz(a, 3), potenz(L, 3)) + (2.0 - 3.0 * teile(a, L))) * (F * a / 2.0)),
        Sigma_Zul); // under the load
    return Werf2 >= Werf1 ? Massgebend {std::fabs(teile(Werf2, 1000.0)), true}
                          : Massgebend {std::fabs(teile(Werf1, 1000.0)), false};
}

double fd12(double F, double L, double a, double E, double I)
{
    const double b = L - a;
    return Durchbiegung(pruefe(teile(potenz(b, 3) * F * potenz(a, 2), 12.0 * potenz(L, 3)) * (4.0 * L - b)), E, I);
}

} // namespace Biegeformeln
