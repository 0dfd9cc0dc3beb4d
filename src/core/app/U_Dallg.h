#pragma once
// Line splitting for the editable grid and the version check of the material file.
#include <QString>
#include <array>

namespace U_Dallg {

using TStringarray1 = std::array<QString, 101>; // the splitter uses slots 0..50

// 1 + the number of semicolons.
int Anz_CSV_Spalten(const QString& Eingabe);

// Splits into at most min(Anzahl, 51) fields; fields beyond are ignored, missing ones empty.
void CSV_Stringtrennung(const QString& Gesammtstring, int Anzahl, TStringarray1& Stringarray);

} // namespace U_Dallg
