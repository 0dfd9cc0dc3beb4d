#pragma once
// The units the window of the general beam shows: the program's own (N, mm, N/m, N·mm) or kN, m,
// kN/m, kN·m. The input record always holds the program's units; the window converts what it
// reads and what it shows, and its diagrams and its report follow the same choice. Deflections
// stay in mm and section moduli in cm³ in both.
#include <QLocale>
#include <QString>

namespace Traegereinheiten {

enum class System { N_mm, kN_m };
enum class Groesse { Laenge, Kraft, Streckenlast, Moment };

// A shown value times this factor is the value in the program's unit.
inline double faktor(System s, Groesse g)
{
    if (s == System::N_mm)
        return 1.0;
    switch (g) {
    case Groesse::Laenge: // m → mm
    case Groesse::Kraft: // kN → N
    case Groesse::Streckenlast: // kN/m → N/m
        return 1000.0;
    case Groesse::Moment: // kN·m → N·mm
        return 1.0e6;
    }
    return 1.0;
}

inline QString name(System s, Groesse g)
{
    const bool kN = s == System::kN_m;
    switch (g) {
    case Groesse::Laenge:
        return kN ? QStringLiteral("m") : QStringLiteral("mm");
    case Groesse::Kraft:
        return kN ? QStringLiteral("kN") : QStringLiteral("N");
    case Groesse::Streckenlast:
        return kN ? QStringLiteral("kN/m") : QStringLiteral("N/m");
    case Groesse::Moment:
        return kN ? QStringLiteral("kN·m") : QStringLiteral("N·mm");
    }
    return {};
}

// The entries of the window's choice, in the order of System.
inline QString text(System s) { return s == System::N_mm ? QStringLiteral("N, mm, N/m") : QStringLiteral("kN, m, kN/m"); }

inline double anzeigen(double programmwert, System s, Groesse g) { return programmwert / faktor(s, g); }
inline double speichern(double angezeigt, System s, Groesse g) { return angezeigt * faktor(s, g); }

// A number as the user would type it into a cell: the locale's decimal separator, no thousands
// separators, up to nine decimals without trailing zeros, so that a converted value reads back
// as the same number.
inline QString zahl(double wert)
{
    QString t = QString::number(wert, 'f', 9);
    while (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    if (t == QStringLiteral("-0"))
        t = QStringLiteral("0");
    return t.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

} // namespace Traegereinheiten
