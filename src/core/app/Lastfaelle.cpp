#include "core/app/Lastfaelle.h"

#include <array>

namespace Lastfaelle {

namespace {

using enum Familie;
using enum Lastart;
using F = Lastfallbild::Fall;

constexpr QStringView Kraft = u"Kraft [N]";
constexpr QStringView Strecke = u"Streckenlast [N/m] "; // with its trailing blank
constexpr QStringView Einheiten_Kraft = u"Einheiten1.JPG";
constexpr QStringView Einheiten_Strecke = u"Einheiten2.JPG";
constexpr QStringView Einheiten_Gesamt = u"Einheiten3.JPG";

// familie, nr, dialog, name, titel, formeltitel, skizze, bild, berichtsbild, last, lastBericht, art, xZeile,
// abstand, fUnterLast, formel, formelbild, einheitenbild
constexpr std::array<Lastfall, 18> Tabelle {{
    {Biegung, 1, Dialog::Biegung1, u"Einseitig eingespannter Träger mit Einzellast am Ende",
        u"Biegung - Einseitig eingespannter Träger mit Einzellast am Ende",
        u"Biegung - Einseitig eingespannter Träger mit Einzellast am Ende", F::Biegung1, u"B_Bieg1.BMP", u"B_Bieg1.BMP",
        u"Kraft        [N]", Kraft, Einzellast, true, false, false, 1, u"Formel1.JPG", Einheiten_Kraft},
    {Biegung, 2, Dialog::Biegung1, u"Einseitig eingespannter Träger mit Gleichlast",
        u"Biegung - Einseitig eingespannter Träger mit Gleichlast", u"Biegung - Einseitig eingespannter Träger mit Gleichlast",
        F::Biegung2, u"B_Bieg2.BMP", u"B_Bieg2.BMP", Strecke, Strecke, Streckenlast, true, false, false, 2, u"Formel2.JPG",
        Einheiten_Strecke},
    {Biegung, 3, Dialog::Biegung1, u"Aufgelegter Träger mit Einzellast in der Mitte",
        u"Biegung - Aufgelegter Träger mit Einzellast in der Mitte", u"Biegung - Aufgelegter Träger mit Einzellast in der Mitte",
        F::Biegung3, u"B_Bieg3.BMP", u"B_Bieg3.BMP", u"Kraft        [N]", Kraft, Einzellast, true, false, false, 3,
        u"Formel3.JPG", Einheiten_Kraft},
    {Biegung, 4, Dialog::Biegung2, u"Beidseitig aufgelegter Träger mit nichtmittiger Einzellast",
        u"Biegung - Beidseitig aufgelegter Träger mit nichtmittiger Einzellast",
        u"Biegung - Beidseitig aufgelegter Träger mit nichtmittiger Einzellast", F::Biegung4, u"B_Bieg4.BMP", u"B_Bieg4.bmp",
        Kraft, Kraft, Einzellast, true, true, true, 4, u"Formel4.JPG", Einheiten_Kraft},
    {Biegung, 5, Dialog::Biegung1, u"Aufgelegter Träger mit Gleichlast", u"Biegung - Aufgelegter Träger mit Gleichlast",
        u"Biegung - Aufgelegter Träger mit Gleichlast", F::Biegung5, u"B_Bieg5.BMP", u"B_Bieg5.BMP", Strecke, Strecke,
        Streckenlast, true, false, false, 5, u"Formel5.JPG", Einheiten_Strecke},
    {Biegung, 6, Dialog::Biegung1, u"Aufgelegter Träger mit nach rechts zunehmender Last",
        u"Biegung - Aufgelegter Träger mit nach rechts zunehmender Last",
        u"Biegung - Aufgelegter Träger mit nach rechts zunehmender Last", F::Biegung6, u"B_Bieg6.BMP", u"B_Bieg6.BMP",
        u"Gesamtlast  [N]", u"Gesamtlast [N]", Gesamtlast, true, false, false, 6, u"Formel6.JPG", Einheiten_Gesamt},
    {Biegung, 7, Dialog::Biegung1, u"Aufgelegter Träger mit dreiecksförmiger Last",
        u"Biegung - Aufgelegter Träger mit dreiecksförmiger Last", u"Biegung - Aufgelegter Träger mit dreiecksförmiger Last",
        F::Biegung7, u"B_Bieg7.BMP", u"B_Bieg7.BMP", u"Gesamtlast [N]", u"Gesamtlast [N]", Gesamtlast, true, false, false, 7,
        u"Formel7.JPG", Einheiten_Gesamt},
    {Biegung, 8, Dialog::Biegung2,
        u"Beidseitig aufgelegter Träger mit zwei gleichen Einzellasten an den Enden, Auflager nicht am Rand",
        u"Biegung - Beids. aufgel. Träger mit zwei gleichen Einzellasten an den Enden, Auflager nicht am Rand",
        u"Biegung - Beidseitig aufgelegter Träger mit zwei gleichen Einzellasten an den Enden, Auflager nicht am Rand",
        F::Biegung8, u"B_Bieg8.BMP", u"B_Bieg8.bmp", Kraft, Kraft, Einzellast, false, true, false, 8, u"Formel8.JPG",
        Einheiten_Kraft},
    {Biegung, 9, Dialog::Biegung2, u"Beidseitig aufgelegter Träger mit Gleichlast, Auflager nicht am Rand",
        u"Biegung - Beidseitig aufgelegter Träger mit Gleichlast, Auflager nicht am Rand",
        u"Biegung - Beidseitig aufgelegter Träger mit Gleichlast, Auflager nicht am Rand", F::Biegung9, u"B_Bieg9.BMP",
        u"B_Bieg9.bmp", Strecke, Strecke, Streckenlast, true, true, false, 9, u"Formel9.JPG", Einheiten_Strecke},
    {Biegung, 10, Dialog::Biegung1, u"Beidseitig eingespannter Träger mit Einzellast in der Mitte",
        u"Biegung - Beidseitig eingespannter Träger mit Einzellast in der Mitte",
        u"Biegung - Beidseitig eingespannter Träger mit Einzellast in der Mitte", F::Biegung10, u"B_Bieg10.BMP", u"B_Bieg10.BMP",
        Kraft, Kraft, Einzellast, true, false, false, 10, u"Formel10.JPG", Einheiten_Kraft},
    {Biegung, 11, Dialog::Biegung1, u"Beidseitig eingespannter Träger mit Gleichlast",
        u"Biegung - Beidseitig eingespannter Träger mit Gleichlast", u"Biegung - Beidseitig eingespannter Träger mit Gleichlast",
        F::Biegung11, u"B_Bieg11.BMP", u"B_Bieg11.BMP", Strecke, Strecke, Streckenlast, true, false, false, 11, u"Formel11.JPG",
        Einheiten_Strecke},
    {Biegung, 12, Dialog::Biegung2, u"Einseitig aufgelegter, einseitig eingespannter Träger mit nichtmittiger Einzellast",
        u"Biegung - Einseitig aufgelegter, einseitig eingespannter Träger mit nichtmittiger Einzellast",
        u"Biegung - Einseitig aufgelegter, einseitig eingespannter Träger mit nichtmittiger Einzellast", F::Biegung12,
        u"B_Bieg12.BMP", u"B_Bieg12.bmp", Kraft, Kraft, Einzellast, false, true, true, 12, u"Formel12.JPG", Einheiten_Kraft},
    {Biegung, 13, Dialog::Biegung1, u"Einseitig aufgelegter, einseitig eingespannter Träger mit Gleichlast",
        u"Biegung - Einseitig aufgelegter, einseitig eingespannter Träger mit Gleichlast",
        u"Biegung - Einseitig aufgelegter, einseitig eingespannter Träger mit Gleichlast", F::Biegung13, u"B_Bieg13.BMP",
        u"B_Bieg13.BMP", Strecke, Strecke, Streckenlast, true, false, false, 13, u"Formel13.JPG", Einheiten_Strecke},

    // Euler's cases: the dialog keeps its own load caption; one formula page serves all four.
    {Knickung, 1, Dialog::Knickung, u"Zweiseitig geführter Träger - Knicklänge = L",
        u"Knickung - Zweiseitig geführter Träger - Knicklänge = L", u"Knickung - Zweiseitig geführter Träger - Knicklänge = L",
        F::Knick1, u"B_Knick1.BMP", u"B_Knick1.bmp", {}, u"F [N]", Einzellast, false, false, false, 31, u"Formel30.JPG",
        u"Einheiten30.JPG"},
    {Knickung, 2, Dialog::Knickung, u"Einseitig eingespannter Träger mit freiem Ende - Knicklänge = 2 x L",
        u"Knickung - Einseitig eingespannter Träger mit freiem Ende - Knicklänge = 2 x L",
        u"Knickung - Einseitig eingespannter Träger mit freiem Ende - Knicklänge = 2 x L", F::Knick2, u"B_Knick2.BMP",
        u"B_Knick2.bmp", {}, u"F [N]", Einzellast, false, false, false, 32, u"Formel30.JPG", u"Einheiten30.JPG"},
    {Knickung, 3, Dialog::Knickung, u"Einseitig eingespannter , auf der anderen Seite geführter Träger Knicklänge = 0,7 x L",
        u"Knickung - Einseitig eingespannter , auf der anderen Seite geführter Träger Knicklänge = 0,7 x L",
        u"Knickung - Einseitig eingespannter , auf der anderen Seite geführter Träger Knicklänge = 0,7 x L", F::Knick3,
        u"B_Knick3.BMP", u"B_Knick3.bmp", {}, u"F [N]", Einzellast, false, false, false, 33, u"Formel30.JPG", u"Einheiten30.JPG"},
    {Knickung, 4, Dialog::Knickung, u"Zweiseitig eingespannter Träger Knicklänge = 0,5 x L",
        u"Knickung - Zweiseitig eingespannter Träger Knicklänge = 0,5 x L",
        u"Knickung - Zweiseitig eingespannter Träger Knicklänge = 0,5 x L", F::Knick4, u"B_Knick4.BMP", u"B_Knick4.bmp", {},
        u"F [N]", Einzellast, false, false, false, 34, u"Formel30.JPG", u"Einheiten30.JPG"},

    {Scherung, 0, Dialog::Scherung, u"Berechnung auf Abscherung", u"Berechnung auf Abscherung", u"Berechnung auf Abscherung",
        F::Scherung, u"B_Scher.BMP", u"B_Scher.bmp", u"Last [N]", u"F [N]", Einzellast, false, false, false, 20, u"Formel20.JPG",
        u"Einheiten20.JPG"},
}};

template <typename Passt> const Lastfall* suchen(Passt passt)
{
    for (const Lastfall& f : Tabelle)
        if (passt(f))
            return &f;
    return nullptr;
}

} // namespace

std::span<const Lastfall> alle() { return Tabelle; }

const Lastfall* lastfall(Familie familie, int nr)
{
    return suchen([&](const Lastfall& f) { return f.familie == familie && f.nr == nr; });
}

bool biegefall(int nr, bool Lastfall::*spalte)
{
    const Lastfall* f = lastfall(Biegung, nr);
    return f && f->*spalte;
}

const Lastfall* vonDialog(Dialog dialog, int nr)
{
    return suchen([&](const Lastfall& f) { return f.dialog == dialog && f.nr == nr; });
}

const Lastfall* vonFormel(int formel)
{
    return suchen([&](const Lastfall& f) { return f.formel == formel; });
}

QString tooltip(const Lastfall& fall)
{
    switch (fall.familie) {
    case Biegung:
        return QStringLiteral("Fall %1: %2").arg(fall.nr).arg(fall.name);
    case Knickung:
        return knickfalltext(fall.nr);
    case Scherung:
        break;
    }
    return fall.name.toString();
}

QString knickfalltext(int nr)
{
    static const char16_t* const lagerung[4] = {u"beide Enden gelenkig, s_k = L", u"unten eingespannt, oben frei, s_k = 2·L",
        u"unten eingespannt, oben gelenkig, s_k = 0,7·L", u"beide Enden eingespannt, s_k = 0,5·L"};
    if (nr < 1 || nr > 4)
        return QString();
    return QStringLiteral("Knickfall %1: %2").arg(nr).arg(QString::fromUtf16(lagerung[nr - 1]));
}

} // namespace Lastfaelle
