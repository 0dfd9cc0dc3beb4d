#pragma once
// A position and the shared calculation state. A position put into the state leaves it as the
// material list, the profile selection and the position's dialog would, so that the dialog, its
// report and the position's own calculation give the same numbers; and a position taken from
// the state and a dialog's own inputs.
#include "core/app/Unit1.h"
#include "core/calc/Eurocode.h"
#include "core/data/U_Einwirkungen.h"
#include "core/projekt/Projekt.h"
#include "core/sections/Querschnittswerte.h"

#include <optional>

namespace Positionszustand {

// Writes the case, the inputs, the material and the profile of `p` into the shared state and
// clears the results; a shear position of an older file, which keeps no material, leaves the
// chosen one. The
// material's further values (σB, γ, kind, wood strengths, and a column's σzul from σB as the
// material list sets it) come from the
// table entry of that name where there is one; the values the position keeps win. A library
// profile whose values in the position's orientation are the position's becomes the chosen
// library profile about that axis, as the selection leaves it; any other profile (a computed or
// typed-in one, or one the library now holds with other values) is a section of its own with the
// position's values.
void einsetzen(const Projekt::Position& p, const Unit1::TMatdat& matdat = Unit1::Matdat,
    const Unit1::TProfilbibliothek& bibliothek = Unit1::Profildat);

// The section of `p` as the profile selection leaves it for the position's dialog (see einsetzen):
// its values, type and name, and the axis of a library profile.
Querschnittswerte::Gewaehltes_Profil Querschnitt(
    const Projekt::Position& p, const Unit1::TProfilbibliothek& bibliothek = Unit1::Profildat);

// The material record a calculation reads besides the shared values (σP and Tetmajer's line):
// that of the position put into the state last, else the table entry selected in the material
// list, none while nothing is selected. The position's material stands for the list's choice
// until a material is chosen there (Werkstoff_Vergessen).
const Unit1::Matrecord* Werkstoffeintrag(int gewaehlterEintrag, const Unit1::TMatdat& matdat = Unit1::Matdat);
void Werkstoff_Vergessen();

// `eingaben` (number, title, kind, case and the dialog's own inputs: load, lengths, x, σzul,
// desired safety, self-weight) completed from the shared state as the dialog computes with it:
// the material with its fy and, for buckling, the values of `werkstoff` (see Werkstoffeintrag),
// the profile with its orientation and buckling curve, for bending the deflection limit, and
// for bending and buckling the action of the load.
Projekt::Position aufnehmen(const Projekt::Position& eingaben, const Unit1::Matrecord* werkstoff);

// The material table's entry of that name as the material list shows the table, or none.
const Unit1::Matrecord* Materialeintrag(const QString& name, const Unit1::TMatdat& matdat = Unit1::Matdat);

// The buckling curve of the chosen section about the axis it was taken with: the library
// profile's, or the one a position gave its section of its own; empty for none.
QString Knicklinie();

// fy and kind of `werkstoff` as the checks with partial factors read them; none: those of the
// position's material put into the state last, else of the table entry of the chosen name.
Eurocode::Werkstoff Eurocode_Werkstoff(const Unit1::Matrecord* werkstoff);

// The action of a classic load with its category's factors from `kategorien`; an unknown
// category keeps its key and no factors, which the check names.
Eurocode::Last Eurocode_Last(bool staendig, const QString& kategorie, const std::vector<Eurocode::Kategorie>& kategorien);

} // namespace Positionszustand
