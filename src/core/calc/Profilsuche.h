#pragma once
// The profile finder: which profiles of the library hold for the calculation of a dialog, per
// family the lightest one first. Bending: W ≥ |W erf.| and, with a deflection limit, f ≤ L/n,
// in the orientation chosen (optimal: Wmax, Imax; across: Wmin, Imin); with the self-weight
// each candidate carries its own weight. Buckling: the actual safety, by the buckling dialog's
// rules (Euler, or Tetmajer below the limit slenderness) with the minor axis Imin, reaches the
// desired one. The search walks the library as the profile selection lists it.
#include "core/app/Unit1.h"
#include "core/calc/Biegerechnung.h"
#include "core/calc/Eurocode.h"
#include "core/calc/Knickrechnung.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace Profilsuche {

enum class Ausrichtung { Optimal, Quer };

struct Kandidat {
    int familie = 0; // index into the library
    int nr = 0; // index of the profile in its family
    QString art, name;
    double W = 0, I = 0, A = 0, Masse = 0; // as taken in the orientation: cm³, cm⁴, mm², kg/m
    // Bending
    double Werf = 0; // cm³, with the candidate's own weight when that counts
    double f = 0; // mm
    bool mitF = false; // f could be computed (E and I known)
    // The length L of L/f where it is not the task's: the span or cantilever of the general beam
    // whose f is shown (twice the length of a cantilever); 0 for the task's L.
    double L_Grenze = 0;
    // The governing utilisation: |W erf.| / W, or |f| / (L/n) where a limit is set and uses more
    double Ausnutzung = 0;
    // Buckling
    double Sk = 0, Sigma_K = 0, Schlankheitsgrad = 0;
    bool tetmajer = false;
};

struct Ergebnis {
    // Per family (library order) the profiles that hold, lightest first; all of them or only
    // the lightest, as asked.
    std::vector<std::vector<Kandidat>> familien;
    QStringList familiennamen;
    // The lightest of each family that has one, sorted by mass per metre.
    std::vector<Kandidat> leichteste() const;
    // Every profile that holds, sorted by mass per metre.
    std::vector<Kandidat> alle() const;
    // The families of which no profile holds, in library order.
    QStringList ohneTreffer() const;
};

struct Biegeaufgabe {
    Biegerechnung::Aufgabe rechnung; // fall, F, L, a, E, σ, self-weight on or off (I, Masse per candidate)
    int grenze = 0; // L/f ≥ grenze; 0: no deflection check
    Ausrichtung ausrichtung = Ausrichtung::Optimal;
    double Gamma = 0; // kg/dm³ of the material, for the mass per metre
};

// The buckling task without a section (I and A are the candidate's), and the material's density.
struct Knickaufgabe : Knickrechnung::Aufgabe {
    double Gamma = 0;
};

// Why a task is not searched at all (an input without meaning); empty when it is searched.
QString Ablehnung(const Biegeaufgabe& aufgabe);
QString Ablehnung(const Knickaufgabe& aufgabe);

// `alle`: every profile that holds, else only the lightest per family (the search of a family
// stops at it).
Ergebnis Biegung(const Unit1::TProfilbibliothek& bibliothek, const Biegeaufgabe& aufgabe, bool alle);
Ergebnis Knickung(const Unit1::TProfilbibliothek& bibliothek, const Knickaufgabe& aufgabe, bool alle);

// The same search by the checks with partial factors ("nach DIN EN 1993-1-1"): a profile holds
// where its check is possible and η ≤ 1; Ausnutzung is η. Bending: M Ed ≤ M c,Rd with the
// candidate's own W (in `ausrichtung`) and, where `aufgabe.eigengewicht`, its own weight.
// Buckling: N Ed ≤ χ · A · fy / γM1 about the minor axis, with the candidate's Imin, A and its
// family's curve for that axis. The task's W, I, A, Masse and curve are those of the candidates.
Ergebnis Eurocode_Biegung(const Unit1::TProfilbibliothek& bibliothek, const Eurocode::Biegeaufgabe& aufgabe,
    Ausrichtung ausrichtung, double Gamma, bool alle);
Ergebnis Eurocode_Knickung(
    const Unit1::TProfilbibliothek& bibliothek, const Eurocode::Knickaufgabe& aufgabe, double Gamma, bool alle);

// The check of one candidate (W, I, A, Masse filled in): true when it holds; false too when it
// cannot be computed. Fills in the candidate's results.
bool Biegung_haelt(const Biegeaufgabe& aufgabe, Kandidat& k);
bool Knickung_haelt(const Knickaufgabe& aufgabe, Kandidat& k);

// The walk every finder shares: each family as the profile selection lists it, lightest
// profile first, keeping the profiles for which `haelt` is true (it fills in their results).
// `alle`: every profile that holds, else only the lightest per family (the search of a family
// stops at it).
Ergebnis Suche(const Unit1::TProfilbibliothek& bibliothek, Ausrichtung ausrichtung, double Gamma, bool alle,
    const std::function<bool(Kandidat&)>& haelt);

} // namespace Profilsuche
