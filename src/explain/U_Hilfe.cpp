#include "explain/U_Hilfe.h"

#include "core/Main.h"
#include "platform/Bausteine.h"
#include "platform/Oberflaeche.h"

namespace U_Hilfe {

TDLG_Hilfe* DLG_Hilfe = nullptr;

void Hilfe_Zeigen(int thema)
{
    Main::Hilfeindex = thema;
    DLG_Hilfe->exec();
}

} // namespace U_Hilfe

TDLG_Hilfe::TDLG_Hilfe(QWidget* eltern) : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Hilfe"), QStringLiteral("Hilfe"), 984, 611);
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Hilfe::FormActivate() {}
