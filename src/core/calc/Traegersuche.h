#pragma once
// The profile finder for the general beam: which profiles of the library carry the beam with
// W ≥ W erf. and, with a deflection limit, f ≤ L/n in every span and cantilever, each with its
// own I and, where the self-weight counts, its own weight. The same walk over the library as
// the other finders (Profilsuche), the same calculation as the window (Traegerrechnung).
#include "core/calc/Eurocode.h"
#include "core/calc/Profilsuche.h"
#include "core/calc/Traegerrechnung.h"

namespace Traegersuche {

// What a profile must hold: the classic check (σzul, the deflection under all loads) or the
// one with partial factors (M Ed ≤ M c,Rd, the deflections under the characteristic
// combinations), "nach DIN EN 1993-1-1".
enum class Kriterium { Klassisch, Eurocode };

struct Aufgabe {
    Traegerrechnung::Eingabe traeger; // the beam and its loads; I, W and the mass per candidate
    Profilsuche::Ausrichtung ausrichtung = Profilsuche::Ausrichtung::Optimal;
    double Gamma = 0; // kg/dm³ of the material, for the mass per metre
    Kriterium kriterium = Kriterium::Klassisch;
    // For the check with partial factors: the categories of the loads and the material's fy.
    std::vector<Eurocode::Kategorie> kategorien;
    Eurocode::Werkstoff werkstoff;
};

// The full check of one candidate (W, I, A, Masse filled in): true when it holds; false too
// when the beam cannot be computed with it. Fills in W erf., the utilisation and the
// deflection that governs.
bool haelt(const Aufgabe& aufgabe, Profilsuche::Kandidat& k);
// The same with partial factors: W erf. is W el that M Ed needs (M Ed · γM0 / fy), the
// utilisation the greater of η and the characteristic deflection's against its limit. False
// where the check is not possible (a datum missing).
bool haeltNachEurocode(const Aufgabe& aufgabe, Profilsuche::Kandidat& k);

// `alle`: every profile that holds by the task's criterion, else only the lightest per family. An input with a fault
// throws Plattform::Fehler as Traegerrechnung::berechnen does.
Profilsuche::Ergebnis Suche(const Unit1::TProfilbibliothek& bibliothek, const Aufgabe& aufgabe, bool alle);

} // namespace Traegersuche
