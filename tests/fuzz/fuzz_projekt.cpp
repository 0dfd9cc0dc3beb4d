// The project file reader on arbitrary bytes: it may refuse a file with a message, but never
// crash or hang, and what it accepts it writes so that it reads back the same, and every
// accepted position computes to a result or a message without throwing.
#include "core/platform/Fehler.h"
#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Projektdatei.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QByteArray inhalt(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    Projekt::Daten projekt;
    try {
        projekt = Projektdatei::lesen(inhalt);
    } catch (const Plattform::Fehler& f) {
        if (f.text().isEmpty())
            std::abort();
        return 0;
    }
    if (!(Projektdatei::lesen(Projektdatei::schreiben(projekt)) == projekt))
        std::abort();
    const auto ergebnisse = Positionsrechnung::rechnen(projekt);
    Positionsrechnung::Ergebnisdatei(projekt, ergebnisse);
    return 0;
}
