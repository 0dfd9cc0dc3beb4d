#include "gui/report/U_druck.h"

#include "core/app/Programmzustand.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "core/report/Berichtsinhalt.h"
#include "core/report/Seitengeometrie.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/report/U_Printgr.h"
#include "gui/report/Zusatzseiten.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <functional>

namespace U_druck {

int ypos = 0;
int x1 = Berichtsinhalt::x1;
int x2 = Berichtsinhalt::x2;

const QString Programmname = QStringLiteral("Trabex");

const QString Hinweiszeile
    = QStringLiteral("Die Ergebnisse ersetzen nicht den statischen Nachweis durch einen fachkundigen Ingenieur.");

namespace {

// What a report does when the printer is busy.
enum class Besetzt { Piep, Meldung };

QString Biegungsname(const Berichtsinhalt::Werte& w) { return QStringLiteral("Biegung_Fall%1").arg(w.fall); }

void zentriert(int y, const QString& text) { U_Printgr::TextOut(U_Printgr::PgMiddle - U_Printgr::TextWidth(text) / 2, y, text); }

// The load-case picture of the data directory, names matched without regard to case. A
// picture that is missing or unreadable is a file error.
QImage bildLaden(const QString& name)
{
    if (name.isEmpty())
        return {};
    const QString pfad = Textdatei::finden(Main::Datendir, name);
    const QImage bild = QImage::fromData(Textdatei::lesenRoh(pfad));
    if (bild.isNull())
        throw Plattform::Fehler::datei(pfad, QStringLiteral("Die Datei ist kein lesbares Bild."));
    return bild;
}

// The font of a verdict line: the smaller size, made smaller still (down to 6 points) where the
// line would run into the right margin (as wide as the left), for it is never cut.
void nachweisschrift(const QString& text)
{
    int punkte = Seitengeometrie::Punkte_aus_mm(Berichtsinhalt::Nachweisschrift_mm);
    U_Printgr::SetFontSize(punkte);
    while (punkte > 6 && x1 + U_Printgr::TextWidth(text) > U_Printgr::PgWidth - x1)
        U_Printgr::SetFontSize(--punkte);
}

void zeilenDrucken(const Berichtsinhalt::Inhalt& inhalt)
{
    using Berichtsinhalt::Art;
    const int wertspalte = inhalt.wertspalte.value_or(x2);
    for (const Berichtsinhalt::Zeile& zeile : inhalt.zeilen) {
        ypos = zeile.y;
        if (zeile.art == Art::Nachweis)
            nachweisschrift(zeile.text);
        else
            U_Printgr::SetFontSize_mm(Berichtsinhalt::Schrift_mm);
        // Caption and headings bold and underlined, everything else in the dialogs' bold.
        U_Printgr::SetFontStyle(true, zeile.art == Art::Titel || zeile.art == Art::Ueberschrift);
        U_Printgr::TextOut(x1, ypos, zeile.text);
        if (zeile.art == Art::Zeile)
            U_Printgr::TextOut(wertspalte, ypos, zeile.wert);
    }
}

void seiteDrucken(const Berichtsinhalt::Inhalt& inhalt, const QImage& bild)
{
    Titelzeile_Drucken();
    if (!inhalt.kopf.leer())
        Zusatzseiten::Kopf_Drucken(inhalt.kopf);
    if (!bild.isNull())
        U_Printgr::StretchDraw(Berichtsinhalt::Bildflaeche(bild.size(), inhalt.bildrechteck), bild);
    zeilenDrucken(inhalt);
}

// Page 1 of a report with further pages carries their head and the verdicts they list.
Berichtsinhalt::Angaben angaben(const Zusatzseiten::Inhalt* zusatz)
{
    if (!zusatz)
        return {};
    return {Zusatzseiten::Kopf_von(*zusatz), Berichtsinhalt::Nachweiszeilen(zusatz->protokoll)};
}

Bericht bericht(const Berichtsinhalt::Inhalt& seite, const Zusatzseiten::Inhalt* zusatz)
{
    Bericht b {seite, bildLaden(seite.bild), std::nullopt};
    if (zusatz)
        b.zusatz = *zusatz;
    return b;
}

// The steps every report of a dialog shares. The report is gathered and its picture read
// before the job begins; a failure after that aborts the job before it goes on.
void drucken(QPrintDialog* Drucksetupdlg, const QString& name, Besetzt besetzt, const std::function<Bericht()>& gather)
{
    // Cancelled or not, the report uses the printer now selected. The set-up dialog is no window
    // the user leaves the calculation for: its closing keeps the results on screen.
    if (Drucksetupdlg)
        Einrichten(Drucksetupdlg, name);
    QPrinter& drucker = Drucksetupdlg ? *Drucksetupdlg->printer() : U_Printgr::Printer();
    if (U_Printgr::Printing(drucker)) {
        if (besetzt == Besetzt::Meldung)
            Plattform::fehler(QStringLiteral("Fehler beim Drucken"));
        else
            Plattform::piep();
        return;
    }
    const Bericht b = gather();
    U_Printgr::BeginDocEx(Programmname, drucker);
    try {
        // The page count is known before page 1 carries it: the steps are laid out first. A
        // report of one page keeps its plain "Seite1".
        U_Printgr::SetPageCount(b.zusatz ? Seitenzahl(b) : 0);
        Seiten_Drucken(b, false);
    } catch (...) {
        U_Printgr::Abort();
        throw;
    }
    U_Printgr::EndDoc();
}

} // namespace

QString Druckdatei(const QString& name, const QPrinter& drucker)
{
    QString ordner;
    if (drucker.outputFormat() == QPrinter::PdfFormat && !drucker.outputFileName().isEmpty())
        ordner = QFileInfo(drucker.outputFileName()).absolutePath();
    if (ordner.isEmpty() || !QFileInfo(ordner).isDir())
        ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (ordner.isEmpty() || !QFileInfo(ordner).isDir())
        ordner = QDir::homePath();
    return QDir(ordner).filePath(name + QStringLiteral(".pdf"));
}

bool Einrichten(QPrintDialog* Drucksetupdlg, const QString& name)
{
    // Qt's printer set-up fills its PDF file field once, when the dialog is made, with
    // "print.pdf" in the home folder. The field ("filename" in Qt's dialog) is set before each
    // showing instead, so that it names the calculation about to be printed.
    if (auto* feld = Drucksetupdlg->findChild<QLineEdit*>(QStringLiteral("filename")))
        feld->setText(Druckdatei(name, *Drucksetupdlg->printer()));
    return Plattform::modalDazwischen(Drucksetupdlg) == QDialog::Accepted;
}

void Titelzeile_Drucken()
{
    // A page that follows an underlined heading would otherwise carry its style into its head.
    U_Printgr::SetFontStyle(false, false);
    U_Printgr::SetFontSize_mm(3);
    U_Printgr::TextOut(1000, 800, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    // A report of several pages says how many; the one-page report keeps its "Seite1".
    const QString seite = U_Printgr::PageCount() > 1
        ? QStringLiteral("Seite %1 von %2").arg(U_Printgr::PageNumber()).arg(U_Printgr::PageCount())
        : QStringLiteral("Seite%1").arg(U_Printgr::PageNumber());
    U_Printgr::TextOut(U_Printgr::PgWidth - 2000 - (U_Printgr::PageCount() > 1 ? 1000 : 0), 800, seite);
    U_Printgr::SetFontSize_mm(8);
    zentriert(2000, Programmname);
    U_Printgr::SetFontSize_mm(3);
    zentriert(3000, Hinweiszeile);
}

Bericht Biegung1_Bericht(const QString& Titel, const Berichtsinhalt::Werte& werte, const Zusatzseiten::Inhalt* zusatz)
{
    return bericht(Berichtsinhalt::Biegung1(Titel, werte, angaben(zusatz)), zusatz);
}

Bericht Biegung2_Bericht(const QString& Titel, const Berichtsinhalt::Werte& werte, const QString& Hinweis_W,
    const QString& Hinweis_f, const Zusatzseiten::Inhalt* zusatz)
{
    return bericht(Berichtsinhalt::Biegung2(Titel, werte, Hinweis_W, Hinweis_f, angaben(zusatz)), zusatz);
}

Bericht Knickung_Bericht(
    const QString& Titel, const Berichtsinhalt::Werte& werte, const QString& Formel, const Zusatzseiten::Inhalt* zusatz)
{
    return bericht(Berichtsinhalt::Knickung(Titel, werte, Formel, angaben(zusatz)), zusatz);
}

Bericht Scherung_Bericht(const QString& Titel, const Berichtsinhalt::Werte& werte, const Zusatzseiten::Inhalt* zusatz)
{
    return bericht(Berichtsinhalt::Scherung(Titel, werte, angaben(zusatz)), zusatz);
}

int Seitenzahl(const Bericht& bericht) { return 1 + (bericht.zusatz ? Zusatzseiten::Seitenzahl(*bericht.zusatz) : 0); }

void Seiten_Drucken(const Bericht& bericht, bool ersteNeu)
{
    if (ersteNeu)
        U_Printgr::NewPage();
    seiteDrucken(bericht.seite, bericht.bild);
    if (bericht.zusatz)
        Zusatzseiten::Drucken(*bericht.zusatz, true);
}

void Biegung1_Drucken(
    QPrintDialog* Drucksetupdlg, const QString& Titel, const Berichtsinhalt::Werte& werte, const Zusatzseiten::Inhalt* zusatz)
{
    drucken(Drucksetupdlg, Biegungsname(werte), Besetzt::Piep, [&] { return Biegung1_Bericht(Titel, werte, zusatz); });
}

void Biegung2_Drucken(QPrintDialog* Drucksetupdlg, const QString& Titel, const Berichtsinhalt::Werte& werte,
    const QString& Hinweis_W, const QString& Hinweis_f, const Zusatzseiten::Inhalt* zusatz)
{
    drucken(Drucksetupdlg, Biegungsname(werte), Besetzt::Piep,
        [&] { return Biegung2_Bericht(Titel, werte, Hinweis_W, Hinweis_f, zusatz); });
}

void Knickung_Drucken(QPrintDialog* Drucksetupdlg, const QString& Titel, const Berichtsinhalt::Werte& werte,
    const QString& Formel, const Zusatzseiten::Inhalt* zusatz)
{
    drucken(Drucksetupdlg, QStringLiteral("Knickung_Fall%1").arg(werte.fall), Besetzt::Meldung,
        [&] { return Knickung_Bericht(Titel, werte, Formel, zusatz); });
}

void Scherung_Drucken(
    QPrintDialog* Drucksetupdlg, const QString& Titel, const Berichtsinhalt::Werte& werte, const Zusatzseiten::Inhalt* zusatz)
{
    drucken(Drucksetupdlg, QStringLiteral("Scherung"), Besetzt::Piep, [&] { return Scherung_Bericht(Titel, werte, zusatz); });
}

} // namespace U_druck
