#include "core/calc/Knickformeln.h"

#include "core/calc/Rechenweg.h"
#include "core/platform/Fliesskomma.h"

#include <numbers>

namespace Knickformeln {

using Fliesskomma::pruefe;
using Fliesskomma::teile;
using std::numbers::pi;

namespace {

using Rechenweg::schritt;

const QString Nmm2 = QStringLiteral("N/mm²");

} // namespace

std::optional<double> Knicklaenge(int fall, double L)
{
    std::optional<double> Lk;
    QString formel;
    switch (fall) {
    case 1:
        Lk = L; // pinned at both ends
        formel = QStringLiteral("Lk = L");
        break;
    case 2:
        Lk = 2.0 * L; // fixed at one end, free at the other
        formel = QStringLiteral("Lk = 2 · L");
        break;
    case 3:
        Lk = 0.7 * L; // fixed at one end, pinned at the other
        formel = QStringLiteral("Lk = 0,7 · L");
        break;
    case 4:
        Lk = 0.5 * L; // fixed at both ends
        formel = QStringLiteral("Lk = 0,5 · L");
        break;
    default:
        return std::nullopt;
    }
    schritt(QStringLiteral("Knicklänge (Eulerfall %1)").arg(fall), formel, {{QStringLiteral("L"), L, QStringLiteral("mm")}}, *Lk,
        QStringLiteral("mm"));
    return Lk;
}

double Ierf(double Sk_gewuenscht, double F, double Lk, double E)
{
    const double mm4 = teile(pruefe(Sk_gewuenscht * F * Lk * Lk), pruefe(pi * pi * E));
    const Rechenweg::Groessen werte {{QStringLiteral("Lk"), Lk, QStringLiteral("mm")},
        {QStringLiteral("S"), Sk_gewuenscht, QString()}, {QStringLiteral("F"), F, QStringLiteral("N")},
        {QStringLiteral("E"), E, Nmm2}};
    schritt(QStringLiteral("Erforderliches Trägheitsmoment nach Euler"), QStringLiteral("Ierf = S · F · Lk² / (π² · E)"), werte,
        mm4, QStringLiteral("mm⁴"));
    schritt(QStringLiteral("Umrechnung mm⁴ → cm⁴"), QStringLiteral("Ierf = Ierf[mm⁴] / 10000"),
        {{QStringLiteral("Ierf[mm⁴]"), mm4, QStringLiteral("mm⁴")}}, mm4 / 10000.0, QStringLiteral("cm⁴"));
    return mm4 / 10000.0; // mm⁴ → cm⁴
}

double Sigma_K_Euler(double E, double I, double Lk, double A)
{
    const double s = teile(pruefe(E * I * 10000.0 * pi * pi), pruefe(Lk * Lk * A)); // I in cm⁴ → mm⁴
    schritt(QStringLiteral("Knickspannung nach Euler (I in mm⁴ = I[cm⁴] · 10000)"), QStringLiteral("σK = π² · E · I / (Lk² · A)"),
        {{QStringLiteral("Lk"), Lk, QStringLiteral("mm")}, {QStringLiteral("E"), E, Nmm2},
            {QStringLiteral("I"), I * 10000.0, QStringLiteral("mm⁴")}, {QStringLiteral("A"), A, QStringLiteral("mm²")}},
        s, Nmm2);
    return s;
}

double Sigma_K_Tetmajer(double Tetmaier1, double Tetmaier2, double Schlankheitsgrad)
{
    const double s = pruefe(Tetmaier1 - Tetmaier2 * Schlankheitsgrad);
    schritt(QStringLiteral("Knickspannung nach Tetmajer"), QStringLiteral("σK = a − b · λ"),
        {{QStringLiteral("a"), Tetmaier1, Nmm2}, {QStringLiteral("b"), Tetmaier2, Nmm2},
            {QStringLiteral("λ"), Schlankheitsgrad, QString()}},
        s, Nmm2);
    return s;
}

double Traegheitsradius(double I, double A)
{
    // √(I/A) with I in cm⁴ and A in mm² is i in units of 100 mm (I[mm⁴] = I[cm⁴] · 10000).
    return Fliesskomma::wurzel(teile(I, A)) * 100.0;
}

double Schlankheitsgrad(double Lk, double I, double A)
{
    const double wurzel = Fliesskomma::wurzel(teile(I, A));
    const double lambda = teile(teile(Lk, wurzel), 100.0);
    const double i = wurzel * 100.0; // mm
    schritt(QStringLiteral("Trägheitsradius (I in mm⁴ = I[cm⁴] · 10000)"), QStringLiteral("i = √(I / A)"),
        {{QStringLiteral("I"), I * 10000.0, QStringLiteral("mm⁴")}, {QStringLiteral("A"), A, QStringLiteral("mm²")}}, i,
        QStringLiteral("mm"));
    schritt(QStringLiteral("Schlankheitsgrad"), QStringLiteral("λ = Lk / i"),
        {{QStringLiteral("Lk"), Lk, QStringLiteral("mm")}, {QStringLiteral("i"), i, QStringLiteral("mm")}}, lambda, QString());
    return lambda;
}

double Sicherheit(double Sigma_K, double Sigma_P, double F, double A)
{
    const double s = mitSigmaP(Sigma_K, Sigma_P) ? Sigma_P : Sigma_K;
    const double vorh = teile(F, A);
    const double Sk = teile(s, vorh);
    schritt(QStringLiteral("Vorhandene Spannung"), QStringLiteral("σ vorh = F / A"),
        {{QStringLiteral("F"), F, QStringLiteral("N")}, {QStringLiteral("A"), A, QStringLiteral("mm²")}}, vorh, Nmm2);
    schritt(QStringLiteral("Tatsächliche Sicherheit (mit dem kleineren von σK und σP)"),
        QStringLiteral("Sk = min(σK, σP) / σ vorh"),
        {{QStringLiteral("σK"), Sigma_K, Nmm2}, {QStringLiteral("σP"), Sigma_P, Nmm2}, {QStringLiteral("σ vorh"), vorh, Nmm2}},
        Sk, QString());
    return Sk;
}

bool mitSigmaP(double Sigma_K, double Sigma_P) { return !(Sigma_P >= Sigma_K); }

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
