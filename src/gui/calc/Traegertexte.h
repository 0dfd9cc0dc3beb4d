#pragma once
// How the window of the general beam and its report write its numbers: positions, forces and
// moments in the window's units (fixed 7/2, positions in m with 4 decimals), the loads and the
// ends of the beam in words. One place, so that the paper says what the window says.
#include "core/calc/Eurocode.h"
#include "core/calc/Traegereinheiten.h"
#include "core/calc/Traegerrechnung.h"

#include <QString>

namespace Traegertexte {

// A position x (mm) in the window's length unit, without the unit.
QString stelle(double x, Traegereinheiten::System s);
// A value in the window's unit with two decimals, written out up to twelve digits: a moment
// of a long beam in N·mm reads "-13005940,12", not "-1,300594E+07".
QString zahl(double programmwert, Traegereinheiten::System s, Traegereinheiten::Groesse g);
// A value with its unit: "12,50 kN".
QString betrag(double programmwert, Traegereinheiten::System s, Traegereinheiten::Groesse g);
// "12,50 kN·m bei x = 2,1000 m".
// `vorStelle` stands between the value and "bei x = …": the window breaks the line there, so that
// a long value in N·mm keeps its unit on its line.
QString extrem(const Traegerrechnung::Extremwert& e, Traegereinheiten::System s, Traegereinheiten::Groesse g,
    const QString& vorStelle = QStringLiteral(" "));

QString lagerart(Traegerrechnung::Lager l);
QString lastart(Traegerrechnung::Lastart a);
// The self-weight g (N/m; 0 for none) as the verdicts and the report say it: "berücksichtigt
// (g = 0,26 kN/m)" or "nicht berücksichtigt".
QString eigengewicht(double g, Traegereinheiten::System s);
// "G ständig" or "Q veränderlich".
QString einwirkung(Traegerrechnung::Einwirkung e);
// The values of a load: "F = 12,00 kN bei x = 1,5000 m", "q = 3,00 kN/m von 0,0000 m bis 7,8000 m".
QString lastwerte(const Traegerrechnung::Last& l, Traegereinheiten::System s);

// "Lager 3": a support as the window's table of reactions names it (`lager` from 0).
QString lagername(std::size_t lager);
// The supports that lift off, as one verdict line: "Abheben am Lager 3: min. -0,47 kN —
// Verankerung nachweisen" (several: "am Lager 1: min. …, am Lager 3: min. …"); empty without.
QString abheben(const std::vector<Traegerrechnung::Abheben>& abheben, Traegereinheiten::System s);

// The verdict with partial factors as a line beside the classic ones: "Nachweis nach
// DIN EN 1993-1-1: η = 0,29 ≤ 1 erfüllt, maßgebend 1,35·G + 1,5·Q Kat. A – Biegedrillknicken
// nicht untersucht: …" (with what it did not check), or what is missing (neutral).
Nachweis::Urteil eurocode(const Eurocode::Urteil& u);

} // namespace Traegertexte
