#include "core/projekt/Projekt.h"

namespace Projekt {

QString Artschluessel(Art art)
{
    switch (art) {
    case Art::Biegung:
        return QStringLiteral("biegung");
    case Art::Knickung:
        return QStringLiteral("knickung");
    case Art::Scherung:
        break;
    }
    return QStringLiteral("scherung");
}

QString Artname(Art art, int fall)
{
    switch (art) {
    case Art::Biegung:
        return QStringLiteral("Biegung Fall %1").arg(fall);
    case Art::Knickung:
        return QStringLiteral("Knickung Fall %1").arg(fall);
    case Art::Scherung:
        break;
    }
    return QStringLiteral("Scherung");
}

QString NaechsteNummer(const Daten& projekt)
{
    long long hoechste = 0;
    for (const Position& p : projekt.positionen) {
        bool zahl = false;
        const long long n = p.nr.trimmed().toLongLong(&zahl);
        if (zahl && n > hoechste)
            hoechste = n;
    }
    return QString::number(hoechste + 1);
}

} // namespace Projekt
