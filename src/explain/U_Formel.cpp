#include "explain/U_Formel.h"

#include "core/Main.h"
#include "platform/Bausteine.h"
#include "platform/Oberflaeche.h"

namespace U_Formel {

TDLG_Formel* DLG_Formel = nullptr;

void Formel_Zeigen(int index)
{
    Main::Formelindex = index;
    DLG_Formel->exec();
}

} // namespace U_Formel

TDLG_Formel::TDLG_Formel(QWidget* eltern) : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Formel"), QStringLiteral("DLG_Formel"), 1517, 714);
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Formel::FormActivate() {}
