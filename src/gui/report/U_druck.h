#pragma once
// The printed one-page reports of the four calculation dialogs, and the title block every
// report page starts with.
//
// Printer and set-up dialogs: the program has one printer, U_Printgr::Printer(). Each
// calculation dialog creates its set-up dialog on it,
//     Drucksetupdlg = new QPrintDialog(&U_Printgr::Printer(), this);
// so that a printer or PDF file chosen in one dialog holds for all reports. A report prints
// on the printer of the set-up dialog it is given; with a null dialog it shows none and
// prints on U_Printgr::Printer() as it is set up (the tests print to PDF that way).
//
// Each report shows the set-up dialog (confirmed or cancelled, it goes on with the printer
// then selected), refuses while a job is in progress on that printer (the buckling report
// with the error box "Fehler beim Drucken", the others with a beep), and prints the page
// from the numbers of the calculation (`werte`, Berichtsinhalt.h) and the texts handed in:
// Titel is the dialog's current caption, the other texts are the current texts of its labels. A failure (a missing
// load-case picture, a printer that cannot begin or finish the job) throws
// Plattform::Fehler for the general error report; no job is left open then. The picture is
// read before the job begins, so a missing picture prints nothing at all.
//
// The set-up dialog proposes a PDF file named after the calculation, e.g. "Biegung_Fall5.pdf",
// "Knickung_Fall2.pdf" or "Scherung.pdf" (see Druckdatei).
#include "core/report/Berichtsinhalt.h"
#include "gui/report/Zusatzseiten.h"

#include <QImage>
#include <optional>

class QPrintDialog;
class QPrinter;

namespace U_druck {

extern int ypos; // y of the line being printed, in 0.01 mm
extern int x1; // label column (14 mm)
extern int x2; // value column of the bending and shear reports (60 mm)

// The program's name, heading every page and naming every print job (the PDF's title).
extern const QString Programmname;
// The fixed notice line of the title block.
extern const QString Hinweiszeile;

// Date, page number, program name and notice on the current page of the job in progress, in
// plain type whatever the page before left. Leaves the font at 9 points, plain; does not
// touch ypos.
void Titelzeile_Drucken();

// The PDF file proposed for the report `name` (without ".pdf"): in the folder of the last PDF
// printed on `drucker`, else in the user's documents folder, else in the home folder.
QString Druckdatei(const QString& name, const QPrinter& drucker);

// Shows the set-up dialog for the report `name`: the PDF file proposed (Druckdatei), modal for
// the active window, and its closing no return to that window. True when the user confirmed.
bool Einrichten(QPrintDialog* Drucksetupdlg, const QString& name);

// A report ready to print on a job in progress, as one of many (the project's report) or
// alone: page 1 as plain data with its load-case picture, and the pages after it.
struct Bericht {
    Berichtsinhalt::Inhalt seite;
    QImage bild;
    std::optional<Zusatzseiten::Inhalt> zusatz;
};

// The report of each dialog from the numbers of its calculation and the texts handed in, as its
// "Drucken" prints it. The picture is read here: a missing one throws before any job begins.
Bericht Biegung1_Bericht(const QString& Titel, const Berichtsinhalt::Werte& werte, const Zusatzseiten::Inhalt* zusatz = nullptr);
Bericht Biegung2_Bericht(const QString& Titel, const Berichtsinhalt::Werte& werte, const QString& Hinweis_W,
    const QString& Hinweis_f, const Zusatzseiten::Inhalt* zusatz = nullptr);
Bericht Knickung_Bericht(const QString& Titel, const Berichtsinhalt::Werte& werte, const QString& Formel,
    const Zusatzseiten::Inhalt* zusatz = nullptr);
Bericht Scherung_Bericht(const QString& Titel, const Berichtsinhalt::Werte& werte, const Zusatzseiten::Inhalt* zusatz = nullptr);

// Pages the report takes on the job in progress (its steps are laid out in the job's font).
int Seitenzahl(const Bericht& bericht);
// Prints them on the job in progress, the first on a new page when `ersteNeu`.
void Seiten_Drucken(const Bericht& bericht, bool ersteNeu);

// The reports of the dialogs' "Drucken", each a job of its own.
// `zusatz`: the pages after the first (diagrams and steps, Zusatzseiten.h); none: one page.
// With them, page 1 also carries their head (where filled in) and the verdict lines of their
// part Berichtsinhalt::Nachweisteil, whether the self-weight was included first.
void Biegung1_Drucken(QPrintDialog* Drucksetupdlg, const QString& Titel, const Berichtsinhalt::Werte& werte,
    const Zusatzseiten::Inhalt* zusatz = nullptr);
void Biegung2_Drucken(QPrintDialog* Drucksetupdlg, const QString& Titel, const Berichtsinhalt::Werte& werte,
    const QString& Hinweis_W, const QString& Hinweis_f, const Zusatzseiten::Inhalt* zusatz = nullptr);
void Knickung_Drucken(QPrintDialog* Drucksetupdlg, const QString& Titel, const Berichtsinhalt::Werte& werte,
    const QString& Formel, const Zusatzseiten::Inhalt* zusatz = nullptr);
void Scherung_Drucken(QPrintDialog* Drucksetupdlg, const QString& Titel, const Berichtsinhalt::Werte& werte,
    const Zusatzseiten::Inhalt* zusatz = nullptr);

} // namespace U_druck
