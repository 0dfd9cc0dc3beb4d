#pragma once
// A position keeps its own profile values, so a project computes the same on every machine.
// Where the profile library of this machine has a profile of that name with other values (a
// corrected table, another edition), the position says so and keeps its own values until the
// user takes the new ones.
#include "core/app/Unit1.h"
#include "core/projekt/Projekt.h"

#include <optional>

namespace Profilabgleich {

// The library's entry of that name (blanks around it ignored), or none.
const Unit1::TProfilrecord* Bibliothekseintrag(const QString& name, const Unit1::TProfilbibliothek& bibliothek);

// The library's values of the position's profile in its orientation, or none where the library
// has no profile of that name.
std::optional<Projekt::Profil> ausBibliothek(const Projekt::Position& p, const Unit1::TProfilbibliothek& bibliothek);

// "Die Profilbibliothek hat für IPE 160 andere Werte: W = 109,00 cm³ (Position 108,70 cm³). …",
// or "" where the library agrees or has no profile of that name. W, I and A are compared.
QString Abweichung(const Projekt::Position& p, const Unit1::TProfilbibliothek& bibliothek);

} // namespace Profilabgleich
