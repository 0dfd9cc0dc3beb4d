#include "sections/U_e_prof.h"

#include "core/Main.h"
#include "platform/Bausteine.h"
#include "platform/Oberflaeche.h"

namespace U_e_prof {

TDlg_Eigenes_Profil* Dlg_Eigenes_Profil = nullptr;

} // namespace U_e_prof

TDlg_Eigenes_Profil::TDlg_Eigenes_Profil(QWidget* eltern) : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("Dlg_Eigenes_Profil"), QStringLiteral("Eigenes Profil eingeben"), 560, 420);
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDlg_Eigenes_Profil::FormActivate() {}
