#pragma once
// The verdict ("Nachweis") that stands under the results of a calculation dialog: the required
// value against the chosen profile's with the utilisation, and the deflection against the
// limit L/f ≥ n the user has chosen. Pure text and state; the dialogs colour it.
#include <QString>
#include <array>

namespace Nachweis {

enum class Zustand {
    Offen, // nothing to judge (no limit chosen)
    KeinProfil, // no profile chosen yet
    Erfuellt,
    NichtErfuellt
};

struct Urteil {
    Zustand zustand = Zustand::Offen;
    QString text;
};

// The deflection limits L/f ≥ n offered to the user; 0 means none.
inline constexpr std::array<int, 5> Grenzen {0, 200, 250, 300, 500};
// The limit last chosen, remembered for the run: both bending dialogs and the profile finder
// start from it.
extern int Durchbiegungsgrenze;
// "keine" or "L/300".
QString Grenzentext(int grenze);

// |erf| / vorh, e.g. 0.857; vorh must be above 0.
double Ausnutzung(double erf, double vorh);
// f ≤ L / grenze (every f holds without a limit).
bool Durchbiegung_haelt(double L, double fd, int grenze);

// |W erf.| against the profile's W (cm³); W ≤ 0 means no profile chosen.
Urteil Biegung(double Werf, double W);
// The deflection fd (mm) of the span L (mm) against L/grenze.
Urteil Durchbiegung(double L, double fd, int grenze);
// A erf. against the profile's A (mm²); A ≤ 0 means no profile chosen.
Urteil Abscherung(double Aerf, double A);

} // namespace Nachweis
