#include "data/U_Material.h"

#include "core/U_Dallg.h"

namespace U_Material {

int Version_Bestimmen(const QString& kopfzeile) { return U_Dallg::Anz_CSV_Spalten(kopfzeile) == 7 ? 1 : 2; }

void Material_Einlesen() {}

} // namespace U_Material
