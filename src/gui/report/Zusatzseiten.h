#pragma once
// The pages a report prints after its first: the head with "Projekt", "Position" and
// "Bearbeiter", the diagrams of the calculation window and the calculation step by step,
// continued on as many pages as the steps need. Every page starts with the title block, whose
// page number then reads "Seite n von m". The calculation windows print the same pages on
// their own (PDF and printer), so the paper shows what the window shows.
#include "core/calc/Rechenweg.h"
#include "core/report/Berichtsinhalt.h"

#include <QString>
#include <functional>
#include <optional>

class QPainter;
class QPrinter;
class QRectF;
class QWidget;

namespace Zusatzseiten {

// The head of the report, remembered between runs in "Bericht.INI" of the data directory.
using Kopf = Berichtsinhalt::Kopf;
Kopf& kopf();
void Kopf_Laden();
void Kopf_Speichern();
// Lets the user fill in the head before a report is printed; false when cancelled.
bool Kopf_Abfragen(QWidget* eltern);
// Draws the head with its rule under the title block of the current page (page 1 of a report
// too, where it is filled in).
void Kopf_Drucken(const Kopf& kopf);

struct Inhalt {
    QString titel; // the dialog's caption
    // The head on the first of these pages and on page 1 of the report; none: the one the user
    // filled in (kopf()). The project's report gives each position's own, on every page.
    std::optional<Kopf> kopf;
    bool kopfAufJederSeite = false;
    // Draws the diagrams into the rectangle; empty: no diagram block (shear).
    std::function<void(QPainter&, const QRectF&)> block;
    double blockhoehe = 0; // 0.01 mm
    Rechenweg::Protokoll protokoll;
};

// The first of these pages is a page of its own (`ab` 0) or goes on on the page in progress
// from `ab` (0.01 mm from the top) down, under what that page holds, with its title, diagrams
// and steps moved down alike.
//
// Pages that `inhalt` needs on the job in progress (after U_Printgr::BeginDocEx); going on from
// `ab`, the page in progress counts as the first.
int Seitenzahl(const Inhalt& inhalt, int ab = 0);
// Whether the first page's title, diagrams and the start of the steps fit from `ab` down.
bool Passt_ab(const Inhalt& inhalt, int ab);
// The head `inhalt` prints.
const Kopf& Kopf_von(const Inhalt& inhalt);
// Prints those pages on the job in progress, each starting with a new page unless
// `ersteNeu` is false for the first, or the first going on from `ab`.
void Drucken(const Inhalt& inhalt, bool ersteNeu, int ab = 0);
// The pages as a job of their own (a window's "Drucken" and "Als PDF speichern").
void Allein_Drucken(QPrinter& drucker, const Inhalt& inhalt);

} // namespace Zusatzseiten
