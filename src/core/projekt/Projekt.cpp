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
        return QStringLiteral("scherung");
    case Art::Traeger:
        break;
    }
    return QStringLiteral("traeger");
}

QString Artname(Art art, int fall)
{
    switch (art) {
    case Art::Biegung:
        return QStringLiteral("Biegung Fall %1").arg(fall);
    case Art::Knickung:
        return QStringLiteral("Knickung Fall %1").arg(fall);
    case Art::Scherung:
        return QStringLiteral("Scherung");
    case Art::Traeger:
        break;
    }
    return QStringLiteral("Träger");
}

QString Artname(const Position& p)
{
    if (p.art != Art::Traeger)
        return Artname(p.art, p.fall);
    const auto n = p.traeger.felder.size();
    return n == 1 ? QStringLiteral("Träger, 1 Feld") : QStringLiteral("Träger, %1 Felder").arg(n);
}

Traegerrechnung::Eingabe Traegereingabe(const Position& p)
{
    Traegerrechnung::Eingabe e;
    e.felder = p.traeger.felder;
    e.kragarm_links = p.traeger.kragarm_links;
    e.kragarm_rechts = p.traeger.kragarm_rechts;
    e.lager_links = p.traeger.lager_links;
    e.lager_rechts = p.traeger.lager_rechts;
    e.lasten = p.traeger.lasten;
    e.Sigma_Zul = p.sigma_zul;
    e.grenze = p.grenze;
    e.E = p.werkstoff.E;
    if (p.mitProfil) {
        e.W = p.profil.W;
        e.I = p.profil.I;
        e.Masse = p.profil.masse;
    }
    e.eigengewicht = p.eigengewicht;
    return e;
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
