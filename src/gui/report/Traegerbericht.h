#pragma once
// The report of the general beam: page 1 with the title block, the head, the sketch to scale,
// the verdict lines, the material and profile, the beam and its loads and the results; rows
// that do not fit run on to further pages, each starting with the title block. The pages of
// the diagrams and steps (Zusatzseiten) follow. It prints what the window shows: the record
// and result of its last calculation in the window's units.
#include "gui/calc/Diagramme.h"

#include <QList>
#include <QString>

class QPrintDialog;

namespace Zusatzseiten {
struct Inhalt;
}

namespace Traegerbericht {

struct Daten {
    QString titel; // the window's caption
    Diagramme::Traegerdaten traeger;
};

// The rows of page 1 and its continuation, without their y: caption, headings, rows with a
// value, and the verdict lines first.
struct Zeile {
    enum class Art { Titel, Ueberschrift, Zeile, Nachweis } art;
    QString text;
    QString wert;
};
QList<Zeile> Zeilen(const Daten& d, const QStringList& nachweise);

// Shows the set-up dialog (cancelled or not, it prints on the printer then selected), refuses
// with a beep while a job is in progress, and prints. A failure throws Plattform::Fehler; no
// job is left open then.
void Drucken(QPrintDialog* Drucksetupdlg, const Daten& d, const Zusatzseiten::Inhalt* zusatz);

} // namespace Traegerbericht
