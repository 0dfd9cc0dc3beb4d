#pragma once
// Section values of the standard shapes and the chosen section as the dialogs hand it on.
// Pure computation: no widgets, every failure is a Plattform::Fehler.
#include "core/app/Unit1.h"

#include <QString>

namespace Querschnittswerte {

// Dimensions are typed in mm and computed in cm; this is the one place that converts.
double inZentimeter(double millimeter);

// W in cm³, I in cm⁴, A in mm² (the formulas give cm², hence × 100).
struct Werte {
    double W = 0;
    double I = 0;
    double A = 0;
};

// Every power goes through Fliesskomma::potenz, so a powered base of 0 or below fails (a tube whose
// wall reaches half the diameter, a height of 0). Dimensions that would give negative section
// values (a negative width or wall, a wall beyond half the width of a rectangular tube) fail
// as well; zero widths and walls give the zeros of the formulas.
Werte Rundstahl(double D); // outer diameter D [cm]
Werte Rohr(double D, double s); // outer diameter D, wall s [cm]
Werte Vierkant(double B, double H); // width B, height H [cm]; H carries the bending
Werte Formrohr(double B, double H, double s); // width B, height H, wall s [cm]

// Mass per metre [kg/m] = A [mm²] × specific weight [kg/dm³] / 1000.
double Masse(double A, double Gamma);

// The shared values of the chosen section (Unit1::W, I, A, Masse, ProfilArt, ProfilName and the
// axis they belong to): the snapshot for "Abbrechen" and the private copy that undoes a failed
// calculation.
struct Gewaehltes_Profil {
    double W = 0;
    double I = 0;
    double A = 0;
    double Masse = 0;
    QString ProfilArt;
    QString ProfilName;
    Unit1::TProfilachse Profilachse = Unit1::TProfilachse::Keine;
    Unit1::TProfilrecord Bibliotheksprofil;

    static Gewaehltes_Profil aufnehmen();
    // A profile of the library in the orientation chosen (optimal: Wmax and Imax, across: Wmin
    // and Imin), its mass with the current material's specific weight.
    static Gewaehltes_Profil ausBibliothek(const Unit1::TProfilrecord& profil, bool optimal);
    void wiederherstellen() const;
};

// Turns the shared library profile to `achse` (W and I about it); a computed or typed-in
// section keeps its one W and I as they are.
void Ausrichten(Unit1::TProfilachse achse);

// "Imax", "Imin", or nothing for a computed or typed-in section.
QString Achsenname(Unit1::TProfilachse achse);
// The axis as the reports name it ("Imin (schwache Achse)"), empty for a section without axes.
QString Achsentext(Unit1::TProfilachse achse);

} // namespace Querschnittswerte
