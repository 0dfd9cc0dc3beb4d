#include "explain/Formeltafel.h"

namespace Formeltafel {

namespace {

// Units pictures by kind of load: point forces, line loads, total loads.
const QString Einzellast = QStringLiteral("Einheiten1.JPG");
const QString Gleichlast = QStringLiteral("Einheiten2.JPG");
const QString Gesamtlast = QStringLiteral("Einheiten3.JPG");

struct Biegefall {
    const char16_t* titel;
    const QString* einheiten;
};

const Biegefall biegefaelle[13] = {
    {u"Einseitig eingespannter Träger mit Einzellast am Ende", &Einzellast},
    {u"Einseitig eingespannter Träger mit Gleichlast", &Gleichlast},
    {u"Aufgelegter Träger mit Einzellast in der Mitte", &Einzellast},
    {u"Beidseitig aufgelegter Träger mit nichtmittiger Einzellast", &Einzellast},
    {u"Aufgelegter Träger mit Gleichlast", &Gleichlast},
    {u"Aufgelegter Träger mit nach rechts zunehmender Last", &Gesamtlast},
    {u"Aufgelegter Träger mit dreiecksförmiger Last", &Gesamtlast},
    {u"Beidseitig aufgelegter Träger mit zwei gleichen Einzellasten an den Enden, Auflager nicht am Rand", &Einzellast},
    {u"Beidseitig aufgelegter Träger mit Gleichlast, Auflager nicht am Rand", &Gleichlast},
    {u"Beidseitig eingespannter Träger mit Einzellast in der Mitte", &Einzellast},
    {u"Beidseitig eingespannter Träger mit Gleichlast", &Gleichlast},
    {u"Einseitig aufgelegter, einseitig eingespannter Träger mit nichtmittiger Einzellast", &Einzellast},
    {u"Einseitig eingespannter, Einseitig eingespannter Träger mit Gleichlast", &Gleichlast},
};

const char16_t* const knickfaelle[4] = {
    u"Knickung - Zweiseitig geführter Träger - Knicklänge = L",
    u"Knickung - Einseitig eingespannter Träger mit freiem Ende - Knicklänge = 2 x L",
    u"Knickung - Einseitig eingespannter , auf der anderen Seite geführter Träger Knicklänge = 0,7 x L",
    u"Knickung - Zweiseitig eingespannter Träger Knicklänge = 0,5 x L",
};

} // namespace

std::optional<Eintrag> eintrag(int formelindex)
{
    if (formelindex >= 1 && formelindex <= 13) {
        const Biegefall& fall = biegefaelle[formelindex - 1];
        return Eintrag {QStringLiteral("Biegung - ") + QString::fromUtf16(fall.titel),
            QStringLiteral("B_Bieg%1.BMP").arg(formelindex), QStringLiteral("Formel%1.JPG").arg(formelindex), *fall.einheiten};
    }
    if (formelindex == 20)
        return Eintrag {QStringLiteral("Berechnung auf Abscherung"), QStringLiteral("B_Scher.BMP"),
            QStringLiteral("Formel20.JPG"), QStringLiteral("Einheiten20.JPG")};
    if (formelindex >= 31 && formelindex <= 34)
        return Eintrag {QString::fromUtf16(knickfaelle[formelindex - 31]), QStringLiteral("B_Knick%1.BMP").arg(formelindex - 30),
            QStringLiteral("Formel30.JPG"), QStringLiteral("Einheiten30.JPG")};
    return std::nullopt;
}

QSize angezeigt(const QSize& bild, const QSize& box)
{
    if (bild.width() <= box.width() && bild.height() <= box.height())
        return bild;
    const QSize kleiner = bild.scaled(box, Qt::KeepAspectRatio);
    return kleiner.expandedTo(QSize(1, 1)); // a hair-thin picture keeps one pixel
}

} // namespace Formeltafel
