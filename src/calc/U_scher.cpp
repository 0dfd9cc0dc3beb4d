#include "calc/U_scher.h"

#include "core/Main.h"
#include "platform/Bausteine.h"
#include "platform/Oberflaeche.h"

namespace U_scher {

TDLG_Scherung* DLG_Scherung = nullptr;

} // namespace U_scher

TDLG_Scherung::TDLG_Scherung(QWidget* eltern) : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Scherung"), QStringLiteral("Berechnung auf Abscherung"), 992, 619);
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Scherung::FormActivate() {}
