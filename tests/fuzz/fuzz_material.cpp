// The material database reader on arbitrary bytes: it may refuse a file with the conversion
// error, but never crash, hang or leave the table without its free end marker.
#include "core/Unit1.h"
#include "data/U_Material.h"
#include "platform/Fehler.h"
#include "platform/Meldungen.h"
#include "platform/Textdatei.h"

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
    for (const Unit1::Matrecord& m : Unit1::Matdat)
        if (m.Sorte.size() > 20)
            std::abort();
    return 0;
}
