#pragma once
// What the shear dialog computes, as plain records: the required area for a shear force over
// the allowable stress, and its verdict against the chosen profile's area. Units: F in N,
// σzul in N/mm², areas in mm².
#include "core/calc/Nachweis.h"
#include "core/calc/Rechenweg.h"

#include <QString>

namespace Scherrechnung {

struct Aufgabe {
    double F = 0; // N; 0 or below is refused
    double Sigma_Zul = 0; // N/mm²; 0 or below is refused
    double A = 0; // the chosen profile's area, mm²; 0: none chosen
};

struct Ergebnis {
    bool gelungen = false;
    QString fehler; // German, naming the input; empty on success
    double Aerf = 0; // mm²
    double Ausnutzung = 0; // |A erf.| / A; 0 without a profile
    Nachweis::Urteil nachweis;
    Rechenweg::Schritte schritte;
};

// A erf. in mm²; F or σzul of 0 or below is refused with Pruefung::Ungueltig.
double Aerf(const Aufgabe& a);
Ergebnis rechnen(const Aufgabe& a);

} // namespace Scherrechnung
