#pragma once
// The report of the general beam: page 1 with the title block, the head, the sketch to scale,
// the verdict lines, the material and profile, the beam and its loads and the results; rows
// that do not fit run on to further pages, each starting with the title block. The pages of
// the diagrams and steps (Zusatzseiten) follow. Everything is built from the beam's record and
// result in the units it is reported in: the window prints its last calculation in its own
// units, the project's report a position in the units it was entered in (its `einheiten`), both
// without any open window.
#include "core/calc/Rechenweg.h"
#include "core/report/Berichtsinhalt.h"
#include "gui/calc/Diagramme.h"
#include "gui/report/Zusatzseiten.h"

#include <QList>
#include <QString>
#include <optional>

class QPrintDialog;

namespace Traegerbericht {

struct Daten {
    QString titel; // the window's caption
    Diagramme::Traegerdaten traeger;
    Berichtsinhalt::Werte auswahl; // the material and the section it was computed with, as page 1 names them
};

// The verdict lines the window shows, after the line on the self-weight: bending, the deflection
// of each span and cantilever, the check with partial factors and the supports that lift off.
Rechenweg::Schritte Nachweisschritte(const Diagramme::Traegerdaten& d);
// The steps of the calculation headed with the verdicts ("Nachweis"), as the window "Verläufe"
// shows them and the report prints them.
Rechenweg::Protokoll Protokoll(const Daten& d);
// The pages after the first: the sketch and the envelopes drawn from `d`, and the steps.
// `kopf`: the head of a project's position on every page; none: the one the user filled in.
Zusatzseiten::Inhalt Zusatzinhalt(const Daten& d, const std::optional<Zusatzseiten::Kopf>& kopf = std::nullopt);

// The rows of page 1 and its continuation, without their y: caption, headings, rows with a
// value, and the verdict lines first.
struct Zeile {
    enum class Art { Titel, Ueberschrift, Zeile, Nachweis } art;
    QString text;
    QString wert;
};
QList<Zeile> Zeilen(const Daten& d, const QStringList& nachweise);

// The report ready to print on a job in progress, alone or as one of a project's: its rows
// are written when it is built, so it prints the same later.
struct Bericht {
    Daten daten;
    QList<Zeile> zeilen;
    Zusatzseiten::Inhalt zusatz;
};
Bericht Bericht_Erstellen(const Daten& d, const std::optional<Zusatzseiten::Kopf>& kopf = std::nullopt);
// Pages the report takes on the job in progress.
int Seitenzahl(const Bericht& bericht);
// Prints them on the job in progress, the first on a new page when `ersteNeu`.
void Seiten_Drucken(const Bericht& bericht, bool ersteNeu);

// The window's "Drucken": shows the set-up dialog (cancelled or not, it prints on the printer
// then selected), refuses with a beep while a job is in progress, and prints as a job of its
// own. A failure throws Plattform::Fehler; no job is left open then.
void Drucken(QPrintDialog* Drucksetupdlg, const Daten& d);

} // namespace Traegerbericht
