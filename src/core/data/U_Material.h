#pragma once
// The material database "Material.csv": version detection and reading into Matdat.
#include "core/app/Programmzustand.h"

#include <QString>

namespace U_Material {

// The file name used in messages; the file is opened without regard to case.
inline const QString Dateiname = QStringLiteral("Material.csv");

// The column of fy (0-based) and its title as the program writes it.
inline constexpr int Spalte_fy = 11;
inline const QString Titel_fy = QStringLiteral("fy [N/mm²]");

// Layout of the file from its header line: 1 = the old 7-column layout, 2 = any other count
// (the 11-column layout, which may carry the yield strength fy as column 12).
int Version_Bestimmen(const QString& kopfzeile);

// Why a value of column `spalte` cannot be physical ("der E-Modul muss größer als 0 sein"), or
// empty when it can: E must be above 0; σB, σP, the specific weight and σD, σZ, σS must not be
// negative (a negative E or σP would silently give λ0 = 0); fy, where given, must be above 0.
// The Tetmajer constants are free.
QString Wertfehler(int spalte, double wert);

// Reads the file of `datendir` into Unit1::Memo and its layout into Main::Materialdatenbankversion,
// ready for Material_Einlesen; the file error when it cannot be read.
void Materialdatei_Lesen(const QString& datendir);

// Reads the data lines of Unit1::Memo (line 1 is the header) into Matdat in the given layout.
// Matdat is first set free, so rows deleted from the file do not linger in the list. An empty or
// missing fy (column 12; old files have none) means the material has none. Blank lines
// carry no record; rows beyond the 200 that fit are left out with one warning. A number that
// does not convert or cannot be physical (Wertfehler) stops the reading at its line with an
// error naming file, line and column; the entries before it are filled.
void Material_Einlesen(int version);

// The same with the layout of Main::Materialdatenbankversion (start-up and the editor's save).
inline void Material_Einlesen() { Material_Einlesen(Main::Materialdatenbankversion); }

} // namespace U_Material
