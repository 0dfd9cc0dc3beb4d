#include "calc/U_bieg1.h"

#include "core/Main.h"
#include "platform/Bausteine.h"
#include "platform/Oberflaeche.h"

namespace U_bieg1 {

TDLG_Biegung1* DLG_Biegung1 = nullptr;

} // namespace U_bieg1

TDLG_Biegung1::TDLG_Biegung1(QWidget* eltern) : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Biegung1"), QStringLiteral("Biegung"), 992, 619);
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Biegung1::FormActivate() {}
