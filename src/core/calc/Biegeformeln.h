#pragma once
// The bending formulas of the thirteen load cases, one place per case for the moment, the
// moment at x and the deflection. Inputs are taken as the user types them: forces in N, a line
// load in N/m (the formulas turn it into N/mm), lengths in mm, stresses and E in N/mm², I in
// cm⁴. Results: section moduli in cm³, deflections in mm.
//
// All arithmetic is checked: a division by zero, 0/0 and an overflow throw Plattform::Fehler,
// and every power goes through Fliesskomma::potenz, which throws for a base of 0 or below. The
// dialogs answer any of these with the beep.

#include <optional>

namespace Biegeformeln {

// Section modulus in cm³ for a moment in N·mm: M / σ gives mm³, / 1000 gives cm³.
double Widerstandsmoment(double M, double Sigma_Zul);
// Deflection in mm for D = E·I·f in N·mm³ with I in cm⁴ (1 cm⁴ = 10 000 mm⁴).
double Durchbiegung(double D, double E, double I);

// --- Cases of the first dialog: 1, 2, 3, 5, 6, 7, 10, 11, 13 -------------------------------

// Maximum moment and moment at x, N·mm. For a line load F is in N/m.
double M_max(int fall, double F, double L);
double M_x(int fall, double F, double L, double x);
// D in N·mm³ such that the deflection is D / (E·I).
double D(int fall, double F, double L);

// Werf in cm³: signed, except in cases 7 and 13 (absolute value).
double Werf(int fall, double F, double L, double Sigma_Zul);
// Wxerf in cm³, always ≥ 0; 0 for x = 0 and for x beyond L.
double Wxerf(int fall, double F, double L, double x, double Sigma_Zul);
// fd in mm.
double fd(int fall, double F, double L, double E, double I);

// --- Cases of the second dialog: 4, 8, 9, 12 ------------------------------------------------

// A result of the cases in which one of two sections (or points) governs: the one of larger
// magnitude, with its sign; on equal magnitudes the first.
struct Massgebend {
    double wert;
    bool erstes; // see each function for which one is the first
};

// Case 4: simply supported span L, force F at a from the left support, b = L − a.
double Werf4(double F, double L, double a, double Sigma_Zul);
double Wxerf4(double F, double L, double a, double x, double Sigma_Zul);
// Deflection under the load (not the greatest one).
double fd4(double F, double L, double a, double E, double I);

// Case 8: supports L apart, an overhang a beyond each with the force F at each free end.
double Werf8(double F, double a, double Sigma_Zul);
// erstes = the mid-span deflection governs, else the one at the free ends.
Massgebend fd8(double F, double L, double a, double E, double I);

// Case 9: beam of length L under the line load F [N/m], supports a from both ends.
// erstes = the section at the supports governs, else the one at mid-span.
Massgebend Werf9(double F, double L, double a, double Sigma_Zul);
double Wxerf9(double F, double L, double a, double x, double Sigma_Zul);
// erstes = the mid-span deflection governs, else the one at the free ends.
Massgebend fd9(double F, double L, double a, double E, double I);

// Case 12: span L fixed at one end, simply supported at the other, F at a from the support.
// erstes = the section under F governs, else the fixed end.
Massgebend Werf12(double F, double L, double a, double Sigma_Zul);
// Deflection under the load (not the greatest one).
double fd12(double F, double L, double a, double E, double I);

// --- The written-out calculation ----------------------------------------------------------

// Notes the inputs of the case as the first step of a recording: the load (F in N, or a line
// load in N/m with its value in N/mm), L and, where given, a and σzul.
void Eingaben_Notieren(int fall, double F, double L, std::optional<double> a = {}, std::optional<double> Sigma_Zul = {});
// True for the cases with a distance a, as the load-case table says.
bool hatAbstand(int fall);
// Notes E as the deflection uses it.
void Elastizitaetsmodul_Notieren(double E);

} // namespace Biegeformeln
