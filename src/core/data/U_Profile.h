#pragma once
// The profile library: the family index "Profile.csv" and the family files, read into
// Profildat at start-up.
#include "core/app/Programmzustand.h"
#include "core/app/Unit1.h"

namespace U_Profile {

inline const QString Indexname = QStringLiteral("Profile.csv");

// The columns (0-based) of the buckling curves about the axis of Imax and of Imin, which a
// family file may carry after A (older files have none), and their titles.
inline constexpr int Spalte_Knicklinie_max = 7;
inline constexpr int Spalte_Knicklinie_min = 8;
inline const QStringList Titel_Knicklinien = {QStringLiteral("Knicklinie Imax"), QStringLiteral("Knicklinie Imin")};

// With the index file's lines in Unit1::Memo: stores the names of the family files, read
// whole, into Dateinamenarray[0..Letzte_Zeile]. Blank lines name no family; names beyond the
// 40 that the selection dialog lists are left out with one warning; slots after the last name
// are emptied. An index without names gives Letzte_Zeile = -1.
void Profildateinamen_Lesen(Unit1::TProfildateinamenarray& Dateinamenarray, int& Letzte_Zeile);

// Why a value of column `spalte` of a family file cannot be physical ("Wmax muss größer als 0
// sein"), or empty when it can: W, I and A (columns 2 to 6) must be above 0, since a zero or
// negative one would make every calculation with the profile divide by it or pass a wrong check.
QString Wertfehler(int spalte, double wert);
// Why a buckling curve cell cannot be read, or empty when it can (empty, or a curve's name).
QString Knicklinienfehler(const QString& feld);

// With a family file's lines in Unit1::Memo (line 1 is the header): fills family Profildat[Nr],
// which is first set free. Art is cut to 30 characters, Name to 15; A is stored in mm² (the
// file holds cm²). The buckling curves, where given, must be one of "a0", "a", "b", "c", "d";
// an empty or missing one means none. Blank lines carry no record; rows beyond the 150 that the selection dialog
// lists are left out with one warning. A family without a data line keeps its single free
// entry but is named after its file (Profildateinamenarray[Nr] without the extension), so that
// it is listed and does not end the family list. A number that does not convert stops the
// family at its line with the conversion error, naming the file, the line and the column. A row
// with a value that cannot be physical (Wertfehler) is left out, and the family's left-out rows
// come in one general error report naming file, line and column of each.
void Profil_Einlesen(int Nr);

// Loads the index from `datendir` and every family named in it. A family file that cannot be
// opened or read is reported once, naming it and why, and skipped: the families after it move
// up, so that the library has no gap. A missing or unreadable index throws the file error.
void Profilbibliothek_Lesen(const QString& datendir);

// Start-up step: the same from Main::Datendir.
inline void Profilbibliothek_Lesen() { Profilbibliothek_Lesen(Main::Datendir); }

} // namespace U_Profile
