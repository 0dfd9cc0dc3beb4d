#include "calc/U_knick.h"

#include "core/Main.h"
#include "platform/Bausteine.h"
#include "platform/Oberflaeche.h"

namespace U_knick {

TDLG_Knickung* DLG_Knickung = nullptr;

} // namespace U_knick

TDLG_Knickung::TDLG_Knickung(QWidget* eltern) : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Knickung"), QStringLiteral("Knickung"), 992, 619);
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Knickung::FormActivate() {}
