#include "report/U_druck.h"

#include <QString>

namespace U_druck {

void Biegung1_Drucken(QPrintDialog*, const QString&) {}
void Biegung2_Drucken(QPrintDialog*, const QString&, const QString&, const QString&) {}
void Knickung_Drucken(QPrintDialog*, const QString&, const QString&) {}
void Scherung_Drucken(QPrintDialog*, const QString&) {}

} // namespace U_druck
