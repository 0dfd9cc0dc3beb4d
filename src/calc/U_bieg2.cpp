#include "calc/U_bieg2.h"

#include "core/Main.h"
#include "platform/Bausteine.h"
#include "platform/Oberflaeche.h"

namespace U_bieg2 {

TDLG_Biegung2* DLG_Biegung2 = nullptr;

} // namespace U_bieg2

TDLG_Biegung2::TDLG_Biegung2(QWidget* eltern) : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Biegung2"), QStringLiteral("Biegung - einseitig eingespannter Träger"), 992, 619);
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Biegung2::FormActivate() {}
