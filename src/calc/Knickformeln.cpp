#include "calc/Knickformeln.h"

#include "platform/Fliesskomma.h"

#include <numbers>

namespace Knickformeln {

using Fliesskomma::pruefe;
using Fliesskomma::teile;
using std::numbers::pi;

std::optional<double> Knicklaenge(int fall, double L)
{
    switch (fall) {
    case 1:
        return L; // pinned at both ends
    case 2:
        return 2.0 * L; // fixed at one end, free at the other
    case 3:
        return 0.7 * L; // fixed at one end, pinned at the other
    case 4:
        return 0.5 * L; // fixed at both ends
    default:
        return std::nullopt;
    }
}

double Ierf(double Sk_gewuenscht, double F, double Lk, double E)
{
    const double mm4 = teile(pruefe(Sk_gewuenscht * F * Lk * Lk), pruefe(pi * pi * E));
    return mm4 / 10000.0; // mm⁴ → cm⁴
}

double Sigma_K_Euler(double E, double I, double Lk, double A)
{
    return teile(pruefe(E * I * 10000.0 * pi * pi), pruefe(Lk * Lk * A)); // I in cm⁴ → mm⁴
}

double Sigma_K_Tetmajer(double Tetmaier1, double Tetmaier2, double Schlankheitsgrad)
{
    return pruefe(Tetmaier1 - Tetmaier2 * Schlankheitsgrad);
}

double Schlankheitsgrad(double Lk, double I, double A)
{
    // √(I/A) with I in cm⁴ and A in mm² is the radius of gyration in hundredths of a mm.
    return teile(teile(Lk, Fliesskomma::wurzel(teile(I, A))), 100.0);
}

double Sicherheit(double Sigma_K, double Sigma_P, double F, double A)
{
    const double s = Sigma_P >= Sigma_K ? Sigma_K : Sigma_P;
    return teile(s, teile(F, A));
}

Urteil Knickurteil(double Sk, double Sk_gewuenscht)
{
    // A member that buckles (safety below 1) is reported as failing whatever safety was asked
    // for; a desired safety below 1 must not turn that into a success.
    if (Sk < 1.0)
        return Urteil::Versagen;
    if (Sk < Sk_gewuenscht)
        return Urteil::NichtErreicht;
    if (Sk > Sk_gewuenscht)
        return Urteil::Erreicht;
    return Urteil::Keins;
}

} // namespace Knickformeln
