// Grid files from outside: whatever bytes a file holds, loading it either gives a grid that
// saves back to the same cells or refuses it with a German error; it never crashes. The sorts
// then run over the loaded cells.
#include "core/grid/SGcomp.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"

#include <QLocale>
#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    static Plattform::Meldungsrekorder stumm;
    static const bool gesetzt = [] {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        return true;
    }();
    (void)gesetzt;
    stumm.leeren();

    const QStringList zeilen
        = Textdatei::inZeilen(Textdatei::dekodieren(QByteArray(reinterpret_cast<const char*>(daten), qsizetype(groesse))));
    SGcomp::TRaster raster;
    try {
        raster.Zeilen_Uebernehmen(zeilen);
    } catch (const Plattform::Fehler& f) {
        if (f.text().isEmpty())
            std::abort();
        return 0;
    }
    // An empty file is one empty row, as an empty grid is saved.
    if (raster.RowCount() != std::max<qsizetype>(zeilen.size(), 1) || raster.ColCount() > SGcomp::Max_Kopffelder)
        std::abort();
    // What was loaded saves to lines that load to the same grid (cells beyond 51 fields and
    // beyond the header's count are dropped on the first load only).
    SGcomp::TRaster wieder;
    wieder.Zeilen_Uebernehmen(raster.Zeilen());
    if (wieder.Zeilen() != raster.Zeilen())
        std::abort();
    if (raster.Text(raster.ColCount() - 1, raster.RowCount() - 1) != raster.Zeilen().join(QStringLiteral("\r\n")))
        std::abort();
    raster.setFixedRows(1);
    try {
        raster.sort(QStringLiteral("STRING"), 0);
        raster.sort(QStringLiteral("ZAHL"), raster.ColCount() - 1);
        raster.sort_2(QStringLiteral("DATUM"), 0, raster.ColCount() - 1);
    } catch (const Plattform::Fehler&) {
        // a date after 5982 overflows the key: reported, not a crash
    }
    return 0;
}
