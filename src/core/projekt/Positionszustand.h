#pragma once
// A position and the shared calculation state. A position put into the state leaves it as the
// material list, the profile selection and the position's dialog would, so that the dialog, its
// report and the position's own calculation give the same numbers; and a position taken from
// the state and a dialog's own inputs.
#include "core/app/Unit1.h"
#include "core/calc/Eurocode.h"
#include "core/calc/Knickrechnung.h"
#include "core/projekt/Projekt.h"

#include <optional>

namespace Positionszustand {

// Writes the case, the inputs, the material and the profile of `p` into the shared state and
// clears the results; a shear position, which keeps no material, leaves the chosen one. The
// material's further values (σB, γ, kind, wood strengths, and a column's σzul from σB as the
// material list sets it) come from the
// table entry of that name where there is one; the values the position keeps win. A library
// profile whose values in the position's orientation are the position's becomes the chosen
// library profile about that axis, as the selection leaves it; any other profile (a computed or
// typed-in one, or one the library now holds with other values) is a section of its own with the
// position's values.
void einsetzen(const Projekt::Position& p, const Unit1::TMatdat& matdat = Unit1::Matdat,
    const Unit1::TProfilbibliothek& bibliothek = Unit1::Profildat);

// The material record a calculation reads besides the shared values (σP and Tetmajer's line):
// that of the position put into the state last, else the table entry selected in the material
// list, none while nothing is selected. The position's material stands for the list's choice
// until a material is chosen there (Werkstoff_Vergessen).
const Unit1::Matrecord* Werkstoffeintrag(int gewaehlterEintrag, const Unit1::TMatdat& matdat = Unit1::Matdat);
void Werkstoff_Vergessen();
// The position's material that stands for the list's choice, kept and put back around work that
// puts other positions into the state without the user's doing (the project's report).
std::optional<Unit1::Matrecord> Werkstoff_Merken();
void Werkstoff_Zuruecksetzen(const std::optional<Unit1::Matrecord>& werkstoff);

// `eingaben` (number, title, kind, case and the dialog's own inputs: load, lengths, x, σzul,
// desired safety, self-weight) completed from the shared state as the dialog computes with it:
// the material with the values of `werkstoff` (see Werkstoffeintrag) for buckling, the profile
// with its orientation, and for bending the deflection limit.
Projekt::Position aufnehmen(const Projekt::Position& eingaben, const Unit1::Matrecord* werkstoff);

// The buckling task from the shared state: case, section, material with σP and Tetmajer's line
// from `werkstoff` (none: without them); the typed inputs F, L and the desired safety are added
// by the calculation that reads them.
Knickrechnung::Aufgabe Knickaufgabe(const Unit1::Matrecord* werkstoff);

// --- The checks with partial factors from the shared state ---------------------------------
// The classic dialogs' one load as an action: permanent, or variable of the category of
// Unit1::Last_Kategorie from U_Einwirkungen::Kategorien (a key the table lacks keeps only its
// key, so that the check says which category has no factors); fy, kind and name of the material
// from `werkstoff` (none: no fy); the section as chosen, with the buckling curve of the library
// profile about the axis it was taken with (none for a section of its own). Case, F and L are
// those of the shared state: the dialog stores the typed inputs before it checks.
Eurocode::Knickaufgabe Eurocode_Knickaufgabe(const Unit1::Matrecord* werkstoff);
// Bending of the shared case with the chosen profile's W and mass; the self-weight counts only
// where the caller switches it on, as the dialog's box does.
Eurocode::Biegeaufgabe Eurocode_Biegeaufgabe(const Unit1::Matrecord* werkstoff);

} // namespace Positionszustand
