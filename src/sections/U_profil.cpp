#include "sections/U_profil.h"

#include "core/Main.h"
#include "platform/Bausteine.h"
#include "platform/Oberflaeche.h"

namespace U_profil {

TDLG_Profil* DLG_Profil = nullptr;

} // namespace U_profil

TDLG_Profil::TDLG_Profil(QWidget* eltern) : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Profil"), QStringLiteral("Profil aussuchen"), 992, 619);
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Profil::FormActivate() {}
