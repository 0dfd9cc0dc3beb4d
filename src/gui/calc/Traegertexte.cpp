#include "gui/calc/Traegertexte.h"

#include "core/platform/Zahlen.h"

namespace Traegertexte {

using Traegereinheiten::Groesse;
using Traegereinheiten::System;
using Traegerrechnung::Lastart;
using Zahlen::fixiert;

QString stelle(double x, System s)
{
    return fixiert(Traegereinheiten::anzeigen(x, s, Groesse::Laenge), s == System::N_mm ? 2 : 4);
}

QString zahl(double programmwert, System s, Groesse g) { return fixiert(Traegereinheiten::anzeigen(programmwert, s, g), 2, 12); }

QString betrag(double programmwert, System s, Groesse g)
{
    return zahl(programmwert, s, g) + QLatin1Char(' ') + Traegereinheiten::name(s, g);
}

QString extrem(const Traegerrechnung::Extremwert& e, System s, Groesse g, const QString& vorStelle)
{
    return QStringLiteral("%1%2bei x = %3 %4")
        .arg(betrag(e.wert, s, g), vorStelle, stelle(e.x, s), Traegereinheiten::name(s, Groesse::Laenge));
}

QString lagerart(Traegerrechnung::Lager l)
{
    return l == Traegerrechnung::Lager::Eingespannt ? QStringLiteral("eingespannt") : QStringLiteral("gelenkig");
}

QString lastart(Lastart a)
{
    switch (a) {
    case Lastart::Einzellast:
        return QStringLiteral("Einzellast");
    case Lastart::Streckenlast:
        return QStringLiteral("Streckenlast");
    case Lastart::Trapezlast:
        return QStringLiteral("Trapezlast");
    case Lastart::Moment:
        return QStringLiteral("Moment");
    }
    return {};
}

QString eigengewicht(double g, System s)
{
    return g > 0 ? QStringLiteral("berücksichtigt (g = %1)").arg(betrag(g, s, Groesse::Streckenlast))
                 : QStringLiteral("nicht berücksichtigt");
}

QString einwirkung(Traegerrechnung::Einwirkung e)
{
    return e == Traegerrechnung::Einwirkung::Staendig ? QStringLiteral("G ständig") : QStringLiteral("Q veränderlich");
}

QString lastwerte(const Traegerrechnung::Last& l, System s)
{
    const QString m = Traegereinheiten::name(s, Groesse::Laenge);
    const QString bei = QStringLiteral("bei x = %1 %2");
    const QString bereich = QStringLiteral("von %1 %3 bis %2 %3").arg(stelle(l.von, s), stelle(l.bis, s), m);
    switch (l.art) {
    case Lastart::Einzellast:
        return QStringLiteral("F = %1 ").arg(betrag(l.F, s, Groesse::Kraft)) + bei.arg(stelle(l.x, s), m);
    case Lastart::Streckenlast:
        return QStringLiteral("q = %1 ").arg(betrag(l.q, s, Groesse::Streckenlast)) + bereich;
    case Lastart::Trapezlast:
        return QStringLiteral("q1 = %1, q2 = %2 ")
                   .arg(betrag(l.q1, s, Groesse::Streckenlast), betrag(l.q2, s, Groesse::Streckenlast))
            + bereich;
    case Lastart::Moment:
        return QStringLiteral("M = %1 ").arg(betrag(l.M, s, Groesse::Moment)) + bei.arg(stelle(l.x, s), m);
    }
    return {};
}

QString lagername(std::size_t lager) { return QStringLiteral("Lager %1").arg(lager + 1); }

QString abheben(const std::vector<Traegerrechnung::Abheben>& abheben, System s)
{
    QStringList lager;
    for (const Traegerrechnung::Abheben& a : abheben)
        lager += QStringLiteral("am %1: min. %2").arg(lagername(a.lager), betrag(a.min, s, Groesse::Kraft));
    if (lager.isEmpty())
        return {};
    return QStringLiteral("Abheben %1 — Verankerung nachweisen").arg(lager.join(QStringLiteral(", ")));
}

Nachweis::Urteil eurocode(const Eurocode::Urteil& u)
{
    if (!u.moeglich)
        return {Nachweis::Zustand::Offen, u.text};
    const QString text = u.kombination.isEmpty() ? u.text : QStringLiteral("%1, maßgebend %2").arg(u.text, u.kombination);
    return {u.erfuellt ? Nachweis::Zustand::Erfuellt : Nachweis::Zustand::NichtErfuellt,
        (QStringList {text} + u.nichtUntersucht).join(QStringLiteral(" – "))};
}

} // namespace Traegertexte
