// The material database reader on arbitrary bytes: it may refuse a file with the conversion
// error or a value that cannot be physical, but never crash, hang, keep such a value or leave
// the table without its free end marker.
#include "core/app/Unit1.h"
#include "core/data/U_Material.h"
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
    // The first byte picks the locale, so both decimal separators are tried.
    QLocale::setDefault(daten[0] & 1 ? QLocale(QLocale::German) : QLocale(QLocale::English));
    const QByteArray inhalt(reinterpret_cast<const char*>(daten + 1), qsizetype(groesse - 1));
    Unit1::Programminit();
    Unit1::Memo = Textdatei::inZeilen(Textdatei::dekodieren(inhalt));
    try {
        U_Material::Material_Einlesen(U_Material::Version_Bestimmen(Unit1::Memo.value(0)));
    } catch (const Plattform::Fehler&) {
    }
    if (Unit1::Matdat[Unit1::Max_Material].Sorte != QStringLiteral("LEER"))
        std::abort();
    // What was read can be physical: E above 0, no negative strength or weight (λ0 then is
    // never the 0 that a negative E or σP gave).
    for (const Unit1::Matrecord& m : Unit1::Matdat) {
        if (m.Sorte.size() > 20)
            std::abort();
        if (m.Sorte == QStringLiteral("LEER") && m.E == 0)
            continue;
        if (!(m.E > 0) || m.SigmaB < 0 || m.SigmaP < 0 || m.Gamma < 0 || m.SigmaD < 0 || m.SigmaZ < 0 || m.SigmaS < 0)
            std::abort();
    }
    return 0;
}
