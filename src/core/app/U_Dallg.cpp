#include "core/app/U_Dallg.h"

#include <algorithm>

namespace U_Dallg {

int Anz_CSV_Spalten(const QString& Eingabe) { return int(std::min<qsizetype>(Eingabe.count(QLatin1Char(';')), 1 << 30)) + 1; }

void CSV_Stringtrennung(const QString& Gesammtstring, int Anzahl, TStringarray1& Stringarray)
{
    for (int k = 0; k <= 50; ++k)
        Stringarray[k].clear();
    const int grenze = std::min(Anzahl, 51);
    // The line is read as if a ';' were appended, so the last field ends like the others.
    const qsizetype n = Gesammtstring.size();
    qsizetype anfang = 0;
    int feld = 0;
    for (qsizetype i = 0; i <= n && feld < grenze; ++i) {
        if (i < n && Gesammtstring[i] != QLatin1Char(';'))
            continue;
        Stringarray[feld++] = Gesammtstring.mid(anfang, i - anfang);
        anfang = i + 1;
    }
}

} // namespace U_Dallg
