#pragma once
// The profile finder for the general beam: which profiles of the library carry the beam with
// W ≥ W erf. and, with a deflection limit, f ≤ L/n in every span and cantilever, each with its
// own I and, where the self-weight counts, its own weight. The same walk over the library as
// the other finders (Profilsuche), the same calculation as the window (Traegerrechnung).
#include "core/calc/Profilsuche.h"
#include "core/calc/Traegerrechnung.h"

namespace Traegersuche {

struct Aufgabe {
    Traegerrechnung::Eingabe traeger; // the beam and its loads; I, W and the mass per candidate
    Profilsuche::Ausrichtung ausrichtung = Profilsuche::Ausrichtung::Optimal;
    double Gamma = 0; // kg/dm³ of the material, for the mass per metre
};

// The full check of one candidate (W, I, A, Masse filled in): true when it holds; false too
// when the beam cannot be computed with it. Fills in W erf., the utilisation and the
// deflection that governs.
bool haelt(const Aufgabe& aufgabe, Profilsuche::Kandidat& k);

// `alle`: every profile that holds, else only the lightest per family. An input with a fault
// throws Plattform::Fehler as Traegerrechnung::berechnen does.
Profilsuche::Ergebnis Suche(const Unit1::TProfilbibliothek& bibliothek, const Aufgabe& aufgabe, bool alle);

} // namespace Traegersuche
