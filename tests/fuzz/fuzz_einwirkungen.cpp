// The reader of the action categories on arbitrary bytes: it may refuse a file with an error
// naming the place, but never crash, hang or keep a category without key or symbol, a key
// twice, or a factor outside 0 to 1.
#include "core/data/U_Einwirkungen.h"
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
    std::vector<Eurocode::Kategorie> k;
    try {
        k = U_Einwirkungen::Kategorien_Lesen(Textdatei::inZeilen(Textdatei::dekodieren(inhalt)));
    } catch (const Plattform::Fehler&) {
        return 0;
    }
    if (int(k.size()) > U_Einwirkungen::Max_Kategorien)
        std::abort();
    for (std::size_t i = 0; i < k.size(); ++i) {
        if (k[i].kuerzel.isEmpty() || k[i].zeichen.isEmpty())
            std::abort();
        for (const double psi : {k[i].psi0, k[i].psi1, k[i].psi2})
            if (!(psi >= 0 && psi <= 1))
                std::abort();
        for (std::size_t j = 0; j < i; ++j)
            if (k[j].kuerzel == k[i].kuerzel)
                std::abort();
    }
    return 0;
}
