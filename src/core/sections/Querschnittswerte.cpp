#include "core/sections/Querschnittswerte.h"

#include "core/app/Unit1.h"
#include "core/platform/Fehler.h"
#include "core/platform/Fliesskomma.h"

#include <numbers>

namespace Querschnittswerte {

using Fliesskomma::potenz;
using Fliesskomma::pruefe;
using Fliesskomma::teile;
using std::numbers::pi;

namespace {

// A dimension that would turn the section inside out. Zero stays allowed: it gives a section
// of nothing, which the formulas state correctly.
void nichtNegativ(double masz)
{
    if (pruefe(masz) < 0.0)
        throw Plattform::Fehler::ungueltigeOperation();
}

} // namespace

double inZentimeter(double millimeter) { return teile(millimeter, 10.0); }

Werte Rundstahl(double D)
{
    Werte w;
    w.W = pruefe(pi * potenz(D, 3) / 32.0);
    w.I = pruefe(pi * potenz(D, 4) / 64.0);
    w.A = pruefe(potenz(D, 2) * pi / 4.0 * 100.0);
    return w;
}

Werte Rohr(double D, double s)
{
    nichtNegativ(s);
    const double di = pruefe(D - 2.0 * s);
    const double differenz4 = pruefe(potenz(D, 4) - potenz(di, 4));
    Werte w;
    w.W = pruefe(teile(differenz4, D) * pi / 32.0);
    w.I = pruefe(differenz4 * pi / 64.0);
    w.A = pruefe((potenz(D, 2) * pi / 4.0 - potenz(di, 2) * pi / 4.0) * 100.0);
    return w;
}

Werte Vierkant(double B, double H)
{
    nichtNegativ(B);
    Werte w;
    w.W = pruefe(potenz(H, 2) * B / 6.0);
    w.I = pruefe(potenz(H, 3) * B / 12.0);
    w.A = pruefe(B * H * 100.0);
    return w;
}

Werte Formrohr(double B, double H, double s)
{
    nichtNegativ(s);
    const double bi = pruefe(B - 2.0 * s);
    const double hi = pruefe(H - 2.0 * s);
    nichtNegativ(bi); // walls wider than half the width would overlap
    const double differenz3 = pruefe(pruefe(potenz(H, 3) * B) - pruefe(potenz(hi, 3) * bi));
    Werte w;
    w.W = teile(differenz3, pruefe(6.0 * H));
    w.I = pruefe(differenz3 / 12.0);
    w.A = pruefe((pruefe(H * B) - hi * bi) * 100.0);
    return w;
}

double Masse(double A, double Gamma) { return pruefe(pruefe(A * Gamma) / 1000.0); }

Gewaehltes_Profil Gewaehltes_Profil::aufnehmen()
{
    return {Unit1::W, Unit1::I, Unit1::A, Unit1::Masse, Unit1::ProfilArt, Unit1::ProfilName, Unit1::Profilachse,
        Unit1::Bibliotheksprofil};
}

Gewaehltes_Profil Gewaehltes_Profil::ausBibliothek(const Unit1::TProfilrecord& profil, bool optimal)
{
    return {optimal ? profil.Wmax : profil.Wmin, optimal ? profil.Imax : profil.Imin, profil.A,
        Querschnittswerte::Masse(profil.A, Unit1::Gamma), profil.Art, profil.Name,
        optimal ? Unit1::TProfilachse::Imax : Unit1::TProfilachse::Imin, profil};
}

void Gewaehltes_Profil::wiederherstellen() const
{
    Unit1::W = W;
    Unit1::I = I;
    Unit1::A = A;
    Unit1::Masse = Masse;
    Unit1::ProfilArt = ProfilArt;
    Unit1::ProfilName = ProfilName;
    Unit1::Profilachse = Profilachse;
    Unit1::Bibliotheksprofil = Bibliotheksprofil;
}

void Ausrichten(Unit1::TProfilachse achse)
{
    if (Unit1::Profilachse == Unit1::TProfilachse::Keine || achse == Unit1::TProfilachse::Keine)
        return;
    const bool optimal = achse == Unit1::TProfilachse::Imax;
    const Unit1::TProfilrecord& p = Unit1::Bibliotheksprofil;
    Unit1::W = optimal ? p.Wmax : p.Wmin;
    Unit1::I = optimal ? p.Imax : p.Imin;
    Unit1::Profilachse = achse;
}

QString Achsenname(Unit1::TProfilachse achse)
{
    switch (achse) {
    case Unit1::TProfilachse::Imax:
        return QStringLiteral("Imax");
    case Unit1::TProfilachse::Imin:
        return QStringLiteral("Imin");
    case Unit1::TProfilachse::Keine:
        break;
    }
    return QString();
}

QString Achsentext(Unit1::TProfilachse achse)
{
    switch (achse) {
    case Unit1::TProfilachse::Imax:
        return QStringLiteral("Imax (starke Achse)");
    case Unit1::TProfilachse::Imin:
        return QStringLiteral("Imin (schwache Achse)");
    case Unit1::TProfilachse::Keine:
        break;
    }
    return QString();
}

} // namespace Querschnittswerte
