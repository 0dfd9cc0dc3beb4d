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
};

// A result and where it lies. `erstes` is the choice of the cases with two candidate sections
// (see Biegeformeln: case 9 the supports, case 12 under F; deflection cases 8 and 9 mid-span).
// `x` is the position along the beam in the case's own measure (with self-weight only).
struct Wert {
    double wert = 0;
    bool erstes = false;
    double x = 0;
};

// W erf. in cm³ (signed as the case's formula gives it without self-weight; the magnitude with
// it). Throws Plattform::Fehler where the formulas or the beam cannot be computed.
Wert Werf(const Aufgabe& a);
// W erf. at x in cm³, ≥ 0; 0 for x = 0 and for x beyond L. Only cases 1–7, 9, 10, 11, 13.
double Wxerf(const Aufgabe& a, double x);
// The deflection in mm: the case's formula without self-weight, the combined line where its
// magnitude is greatest with it (downwards positive, so an uplifting load gives fd < 0).
Wert fd(const Aufgabe& a);

// The deflection as the dialogs and the report show it: its magnitude with `stellen` decimals,
// followed by "nach oben" where the beam lifts (fd < 0), so that no sign is read as a direction.
QString Durchbiegung_Text(double fd, int stellen);
// L/f with the magnitude of f: positive whichever way the beam bends.
double L_durch_f(double L, double fd);

// True when the case has an x row (all but 8 and 12).
bool hatStelle(int fall);

} // namespace Biegerechnung
