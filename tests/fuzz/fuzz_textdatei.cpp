// Text decoding, line splitting and number reading as every data file and Style.INI meet them.
#include "core/U_Dallg.h"
#include "core/Unit1.h"
#include "platform/Textdatei.h"
#include "platform/Zahlen.h"

#include <QByteArray>
#include <QLocale>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    static const bool einmal = [] {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        return true;
    }();
    (void)einmal;
    const QByteArray roh(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const QStringList zeilen = Textdatei::inZeilen(Textdatei::dekodieren(roh));
    Unit1::TStr_Liste liste;
    U_Dallg::TStringarray1 felder;
    for (const QString& zeile : zeilen) {
        Unit1::Zeile_Zerlegen(zeile, liste, 11);
        U_Dallg::CSV_Stringtrennung(zeile, 60, felder);
        for (int k = 0; k <= 10; ++k) {
            Zahlen::versuchen(liste[k]);
            Unit1::Zahl(liste[k]);
        }
    }
    // What is written must read back as the same lines.
    if (Textdatei::inZeilen(Textdatei::dekodieren(Textdatei::kodieren(zeilen))) != zeilen)
        __builtin_trap();
    return 0;
}
