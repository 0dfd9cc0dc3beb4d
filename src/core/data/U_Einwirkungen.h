#pragma once
// The categories of variable actions with their combination factors ψ0, ψ1, ψ2, from the data
// file "Einwirkungen.csv" that an installation delivers and the user may edit: one category a
// line, "Kategorie;Zeichen;Bezeichnung;psi0;psi1;psi2" (the key a load stores, how a
// combination names it, the description, the three factors between 0 and 1).
#include "core/calc/Eurocode.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace U_Einwirkungen {

inline const QString Dateiname = QStringLiteral("Einwirkungen.csv");
inline const QString Kopfzeile = QStringLiteral("Kategorie;Zeichen;Bezeichnung;psi0;psi1;psi2");
inline constexpr int Spalten = 6;
inline constexpr int Max_Kategorien = 40;

// The categories of the data folder, read at start-up; empty when the folder has no file.
extern std::vector<Eurocode::Kategorie> Kategorien;

// Why a cell of column `spalte` cannot be read, or empty when it can: the key and the symbol
// must not be empty, the factors (columns 3 to 5) must be numbers from 0 to 1.
QString Zellenfehler(int spalte, const QString& zelle);

// The categories of the file's lines (line 1 is the header). Blank lines carry none; lines
// beyond the 40 that fit are left out with one warning. A cell that cannot be read (Zellenfehler)
// or a key given twice refuses the whole file with an error naming file, line and column, so
// that no check runs with a half-read table.
std::vector<Eurocode::Kategorie> Kategorien_Lesen(const QStringList& zeilen);

// Start-up step: Kategorien from the file of `datendir`. A missing file leaves the table empty
// (the checks then say which category has no factors); an unreadable one throws its error and
// also leaves it empty.
void Kategorien_Laden(const QString& datendir);

} // namespace U_Einwirkungen
