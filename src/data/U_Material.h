#pragma once
// The material database "Material.csv": version detection and reading into Matdat.
#include <QStringList>

namespace U_Material {

// Layout of the file from its header line: 1 = the old 7-column layout, 2 = 11 columns.
int Version_Bestimmen(const QString& kopfzeile);

// Reads the data lines of Unit1::Memo (line 1 is the header) into Matdat with the layout of
// Main::Materialdatenbankversion.
void Material_Einlesen();

} // namespace U_Material
