// The profile index and family readers on arbitrary bytes: names stay within their short
// texts, the index within the 40 families listed, a family within its 150 profiles, and nothing
// crashes or hangs.
#include "core/app/Unit1.h"
#include "core/data/U_Profile.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"

#include <QLocale>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    static Plattform::Meldungsrekorder stumm;
    stumm.leeren();
    if (groesse == 0)
        return 0;
    QLocale::setDefault(daten[0] & 1 ? QLocale(QLocale::German) : QLocale(QLocale::English));
    const QByteArray inhalt(reinterpret_cast<const char*>(daten + 1), qsizetype(groesse - 1));
    Unit1::Programminit();
    Unit1::Memo = Textdatei::inZeilen(Textdatei::dekodieren(inhalt));

    int letzte = -2;
    U_Profile::Profildateinamen_Lesen(Unit1::Profildateinamenarray, letzte);
    if (letzte < -1 || letzte >= Unit1::Max_Familie || !Unit1::Profildateinamenarray[Unit1::Max_Familie].isEmpty())
        std::abort();

    const int nr = daten[0] % (Unit1::Max_Familie + 1);
    try {
        U_Profile::Profil_Einlesen(nr);
    } catch (const Plattform::Fehler&) {
    }
    for (const Unit1::TProfilrecord& p : Unit1::Profildat[nr])
        if (p.Art.size() > 30 || p.Name.size() > 15)
            std::abort();
    if (Unit1::Profildat[nr][Unit1::Max_Profil].Art != QStringLiteral("LEER"))
        std::abort(); // the end marker of the profile list stays free
    return 0;
}
