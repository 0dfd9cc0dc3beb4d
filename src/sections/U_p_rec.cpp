#include "sections/U_p_rec.h"

#include "core/Main.h"
#include "platform/Bausteine.h"
#include "platform/Oberflaeche.h"

namespace U_p_rec {

TDLG_Profil_Rechnen* DLG_Profil_Rechnen = nullptr;

} // namespace U_p_rec

TDLG_Profil_Rechnen::TDLG_Profil_Rechnen(QWidget* eltern) : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Profil_Rechnen"), QStringLiteral("Profil berechnen"), 988, 619);
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Profil_Rechnen::FormActivate() {}
