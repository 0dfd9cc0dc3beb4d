#pragma once
// What the loaders of the data files share: which lines carry no record, numbers read with the
// file and line named in the error, and the one note about rows the fixed tables cannot hold.
#include <QString>

namespace U_Lesen {

// A line of nothing but blanks and tabs carries no record.
bool Leerzeile(const QString& zeile);

// Reads a number of a data file, with ',' or '.' as its decimal separator whatever the locale
// (Zahlen::versuchenDatei). On failure throws the conversion error
// "'%s' ist kein gültiger Gleitkommawert", followed by the file, the line (counting from 1, the
// header included) and the column (counting from 1), so that the user finds the bad cell.
double Zahl_Lesen(const QString& feld, const QString& datei, int zeile, int spalte);

// Why a number that reads cannot be physical, with the same place named:
// "'-210000' ist kein zulässiger Wert, der E-Modul muss größer als 0 sein (Datei …)".
QString Wertfehlertext(const QString& feld, const QString& grund, const QString& datei, int zeile, int spalte);
// Refuses such a number: throws that text.
[[noreturn]] void Wert_Ablehnen(const QString& feld, const QString& grund, const QString& datei, int zeile, int spalte);

// Warns once that `ausgelassen` lines of `datei` found no room in a table of `platz` entries.
// `was` names the entries in the plural ("Werkstoffe", "Profile", "Profilfamilien").
void Ueberzaehlige_Melden(const QString& datei, int ausgelassen, const QString& was, int platz);

} // namespace U_Lesen
