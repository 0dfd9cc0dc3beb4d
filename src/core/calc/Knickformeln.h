#pragma once
// Buckling after Euler and Tetmajer. Units: forces in N,
// lengths in mm, stresses and E in N/mm², I in cm⁴ (1 cm⁴ = 10 000 mm⁴), A in mm².
// All arithmetic is checked and throws Plattform::Fehler instead of giving inf or NaN.
#include <optional>

namespace Knickformeln {

// Buckling length of Euler case 1..4 (L, 2·L, 0.7·L, 0.5·L); none for any other case.
std::optional<double> Knicklaenge(int fall, double L);

// Required moment of inertia in cm⁴ for the desired safety, by Euler.
double Ierf(double Sk_gewuenscht, double F, double Lk, double E);
// Euler's buckling stress in N/mm².
double Sigma_K_Euler(double E, double I, double Lk, double A);
// Tetmajer's straight line σK = Tetmaier1 − Tetmaier2 · λ in N/mm².
double Sigma_K_Tetmajer(double Tetmaier1, double Tetmaier2, double Schlankheitsgrad);
// The radius of gyration i = √(I/A) in mm.
double Traegheitsradius(double I, double A);
// Slenderness ratio λ = Lk / i.
double Schlankheitsgrad(double Lk, double I, double A);
// Actual safety: the smaller of σK and σP over the actual stress F / A.
double Sicherheit(double Sigma_K, double Sigma_P, double F, double A);
// Whether that safety is taken with σP, because σK lies above it (Tetmajer's line near λ0).
bool mitSigmaP(double Sigma_K, double Sigma_P);

enum class Urteil {
    Keins, // the actual safety equals the desired one
    Versagen, // safety below 1: the member buckles
    NichtErreicht, // at least 1, but below the desired safety
    Erreicht // above the desired safety
};
Urteil Knickurteil(double Sk, double Sk_gewuenscht);

} // namespace Knickformeln
