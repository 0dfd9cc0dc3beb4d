#pragma once
// The printed report of a whole project: a cover page with the project head and the list of
// positions (number, title, kind, main result, verdict and the page each starts on), then each
// position's pages exactly as its calculation dialog prints them, every page headed with the
// project and the position and numbered "Seite n von m" over the whole document.
//
// The report prints the positions' results (Positionsrechnung::rechnen with the beam's steps),
// computes nothing itself and leaves the shared calculation state alone. A position that cannot
// be computed gets a page that says so with the message, and the cover marks it; the other
// positions are printed.
#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Projekt.h"

#include <QList>
#include <QString>

class QPrinter;
class QWidget;

namespace Gesamtbericht {

// Prints the report as one job on `drucker`, with the report's own margins for the job (the
// printer's come back afterwards), so that the window's print and the command line's PDF are
// one document, page for page, on the same paper. Throws Plattform::Fehler when the job cannot
// begin or end, or a load-case picture cannot be read (then nothing is printed; a PDF begun
// is removed). `ergebnisse` belong to the project's positions in their order.
void Drucken(QPrinter& drucker, const Projekt::Daten& projekt, const QList<Positionsrechnung::Ergebnis>& ergebnisse);

// "Gesamtbericht drucken…": the program's printer set-up dialog, proposing the PDF file
// "<Bezeichnung>.pdf", then the report. False when the user cancelled (nothing printed).
bool Drucken(QWidget* eltern, const Projekt::Daten& projekt, const QList<Positionsrechnung::Ergebnis>& ergebnisse);

// The report as a PDF file in A4 (the command line's --pdf), written in one piece: a failure
// leaves a file that was there whole.
void Als_PDF(const QString& datei, const Projekt::Daten& projekt, const QList<Positionsrechnung::Ergebnis>& ergebnisse);

// The file name proposed for the project's report, without ".pdf": its Bezeichnung with the
// characters no file name may hold replaced, "Gesamtbericht" when that leaves nothing.
QString Dateiname(const Projekt::Daten& projekt);

} // namespace Gesamtbericht
