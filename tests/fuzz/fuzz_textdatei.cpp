// Text decoding, line splitting and number reading as every data file and Style.INI meet them.
#include "core/app/U_Dallg.h"
#include "core/app/Unit1.h"
#include "core/platform/Textdatei.h"
#include "core/platform/Zahlen.h"

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
    // What is written reads back as the same lines. Broken input (a lone UTF-16 surrogate) is
    // mended on the first save, so the check starts from what one save-and-read gives.
    const auto rundreise
        = [](const QStringList& z) { return Textdatei::inZeilen(Textdatei::dekodieren(Textdatei::kodieren(z))); };
    const QStringList einmalGespeichert = rundreise(zeilen);
    if (rundreise(einmalGespeichert) != einmalGespeichert)
        __builtin_trap();
    return 0;
}
