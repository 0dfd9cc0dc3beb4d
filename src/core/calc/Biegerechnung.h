#pragma once
// What a bending dialog computes for its case, with or without the self-weight of the profile.
// Without it the results are those of the case's formulas (Biegeformeln), exactly as always.
// With it the profile's weight g = Masse · 9,81 N/kg acts as a uniform line load over the
// whole beam on the case's supports, and W erf., W erf. at x and the deflection are taken from
// the combined moment and deflection lines: the greatest magnitude over the whole beam, not the
// sum of maxima at different places. The dialogs and the profile finder call the same
// functions, so that a profile the finder offers gives the same numbers in the dialog.
//
// Units as in Biegeformeln: F in N (N/m for a line load), L, a, x in mm, σ and E in N/mm²,
// I in cm⁴, Masse in kg/m; section moduli in cm³, deflections in mm.
#include "core/calc/Biegelinien.h"
#include "core/calc/Nachweis.h"
#include "core/calc/Rechenweg.h"

#include <optional>

namespace Biegerechnung {

inline constexpr double Erdbeschleunigung = 9.81; // N/kg

// The self-weight line load g in N/m of a profile of `Masse` kg/m.
double Eigengewicht(double Masse);

struct Aufgabe {
    int fall = 0;
    Biegelinien::Eingaben e; // F, L, a, E, I
    double Sigma_Zul = 0;
    double Masse = 0; // kg/m of the profile; counts only with `eigengewicht`
    bool eigengewicht = false;
    // Only for `rechnen`: the point x of "W erf. at x" (0: none), the chosen profile's W in cm³
    // (0: none chosen) and the deflection limit L/f ≥ grenze (0: none).
    double x = 0;
    double W = 0;
    int grenze = 0;
};

// A result and where it lies. `erstes` is the choice of the cases with two candidate sections
// (see Biegeformeln: case 9 the supports, case 12 under F; deflection cases 8 and 9 mid-span).
// `x` is the position along the beam in the case's own measure (with self-weight only).
struct Wert {
    double wert = 0;
    bool erstes = false;
    double x = 0;
};

// The inputs without meaning are refused with Pruefung::Ungueltig: L and σzul of 0 or below
// (W), L, E and I of 0 or below (the deflection). Negative loads (uplift) are valid.
//
// W erf. in cm³ (signed as the case's formula gives it without self-weight; the magnitude with
// it). Throws Plattform::Fehler where the formulas or the beam cannot be computed.
Wert Werf(const Aufgabe& a);
// W erf. at x in cm³, ≥ 0; 0 for x = 0 and for x beyond L. Only cases 1–7, 9, 10, 11, 13.
double Wxerf(const Aufgabe& a, double x);
// The deflection in mm: the case's formula without self-weight, the greatest magnitude of the
// combined line with it.
Wert fd(const Aufgabe& a);

// True when the case has an x row (all but 8 and 12), as the load-case table says.
bool hatStelle(int fall);

// Everything a stored position needs: the values, the verdicts and the steps. W erf. and W erf.
// at x fail together (`fehler`); the deflection apart from them (`fehlerDurchbiegung`), as a
// task without a profile still has a W erf.
struct Ergebnis {
    bool gelungen = false; // W erf. (and W erf. at x) computed
    QString fehler; // German, naming the input; empty on success
    Wert Werf; // cm³
    std::optional<double> Wxerf; // cm³; where the case has x and x is given
    std::optional<Wert> f; // mm; none when it cannot be computed
    QString fehlerDurchbiegung;
    double L_durch_f = 0; // L / |f|; 0 without a deflection or for f = 0
    double Ausnutzung = 0; // |W erf.| / W; 0 without a profile
    Nachweis::Urteil biegung, durchbiegung;
    Rechenweg::Schritte schritte;
};
Ergebnis rechnen(const Aufgabe& a);

} // namespace Biegerechnung
