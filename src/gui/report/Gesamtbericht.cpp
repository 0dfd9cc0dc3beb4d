#include "gui/report/Gesamtbericht.h"

#include "core/app/Lastfaelle.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "core/projekt/Positionsrechnung.h"
#include "gui/calc/Diagramme.h"
#include "gui/report/Traegerbericht.h"
#include "gui/report/U_Printgr.h"
#include "gui/report/U_druck.h"
#include "gui/report/Zusatzseiten.h"

#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <variant>

namespace Gesamtbericht {

namespace {

using Positionsrechnung::Ergebnis;
using Projekt::Position;

// ---- a position's pages, as its dialog prints them --------------------------------------------

// The steps and verdicts of the position for the pages after the first, headed like every page,
// with the diagram its dialog draws.
Zusatzseiten::Inhalt zusatz(const Positionsrechnung::Bericht& b, const Berichtsinhalt::Kopf& kopf)
{
    Zusatzseiten::Inhalt z;
    z.titel = b.rechenweg.titel;
    z.protokoll = b.rechenweg;
    z.kopf = kopf;
    z.kopfAufJederSeite = true;
    if (const auto& d = b.biegelinie) {
        z.block = [d = *d](QPainter& m, const QRectF& r) { Diagramme::Biegeblock_Zeichnen(m, r, d); };
        z.blockhoehe = 15000;
    } else if (const auto& linie = b.knicklinie) {
        z.block = [linie = *linie](QPainter& m, const QRectF& r) { Diagramme::Knickblock_Zeichnen(m, r, linie); };
        z.blockhoehe = 10500;
    }
    return z;
}

// The pages of a classic position from its report record.
U_druck::Bericht klassisch(const Position& p, const Positionsrechnung::Bericht& b, const Berichtsinhalt::Kopf& kopf)
{
    const Zusatzseiten::Inhalt z = zusatz(b, kopf);
    const QString& t = b.rechenweg.titel;
    switch (p.art) {
    case Projekt::Art::Biegung:
        if (Lastfaelle::vonDialog(Lastfaelle::Dialog::Biegung2, p.fall))
            return U_druck::Biegung2_Bericht(t, b.werte, b.hinweis_W, b.hinweis_f, &z);
        return U_druck::Biegung1_Bericht(t, b.werte, &z);
    case Projekt::Art::Knickung:
        return U_druck::Knickung_Bericht(t, b.werte, b.formel, &z);
    case Projekt::Art::Scherung:
    case Projekt::Art::Traeger:
        break;
    }
    return U_druck::Scherung_Bericht(t, b.werte, &z);
}

// The general beam's pages as its window prints them, in the units it was entered in.
Traegerbericht::Bericht traeger(const Position& p, const Ergebnis& e, const Berichtsinhalt::Kopf& kopf)
{
    const Traegerbericht::Daten d {QStringLiteral("Träger mit beliebigen Lasten"),
        {Projekt::Traegereingabe(p), *e.traeger, p.traeger.einheiten, *e.ec3_traeger}, e.bericht->werte};
    return Traegerbericht::Bericht_Erstellen(d, kopf);
}

// A position's pages: those of a classic dialog or of the general beam.
using Seiten = std::variant<U_druck::Bericht, Traegerbericht::Bericht>;

int seitenzahl(const Seiten& s)
{
    return std::visit([](const auto& b) { return Seitenzahl(b); }, s);
}

void seitenDrucken(const Seiten& s)
{
    std::visit([](const auto& b) { Seiten_Drucken(b, true); }, s);
}

Seiten positionsbericht(const Position& p, const Ergebnis& e, const Berichtsinhalt::Kopf& kopf)
{
    if (p.art == Projekt::Art::Traeger)
        return traeger(p, e, kopf);
    return klassisch(p, *e.bericht, kopf);
}

// ---- layout --------------------------------------------------------------------------------

// In 0.01 mm from the top-left corner of the printable area, under the title block (which ends
// at about 33 mm) and the head (45 mm).
constexpr int Bezeichnung_y = 4400;
constexpr int Bezeichnung_Zeilen = 4; // the cover prints the project's name whole up to these
constexpr int Angaben_y = 5600; // the first row under a name of one line
constexpr int Angabenabstand = 600;
constexpr int Angaben_Zeilen = 3; // lines of a row's value at most
constexpr int Wertspalte = 5800; // x of the head's values, right of "Adresse / Bauwerk:"
constexpr int Liste_y = 8000; // heading "Positionen" on the first cover page, lower under a longer head
constexpr int Folgeliste_y = 5000; // the list's heading on a further cover page
constexpr int Listenabstand = 550;
constexpr int Unterer_Rand = 1500;
constexpr double Listenschrift_mm = 3.5;

// The columns of the list as parts of the text width: Nr., Titel, Art, Ergebnis, Nachweis, Seite.
constexpr double Spaltenanteile[] = {0.08, 0.24, 0.19, 0.27, 0.14, 0.08};
const QStringList Spaltentitel {QStringLiteral("Nr."), QStringLiteral("Titel"), QStringLiteral("Art"), QStringLiteral("Ergebnis"),
    QStringLiteral("Nachweis"), QStringLiteral("Seite")};

int textbreite() { return U_Printgr::PgWidth - 2 * U_druck::x1; }

// Rows of the list under its heading and column titles on a cover page.
int zeilenJeSeite(int listeY)
{
    const int erste = listeY + 2 * Listenabstand + 300;
    return std::max(1, (U_Printgr::PgHeight - Unterer_Rand - erste) / Listenabstand);
}

// Text cut after a whole word with "…" where it would run into the next column.
void zelle(int x, int y, int breite, const QString& text) { U_Printgr::TextOut(x, y, U_Printgr::Passend(text, breite - 150)); }

void zelleRechts(int x, int y, int breite, const QString& text)
{
    U_Printgr::TextOut(x + breite - 150 - U_Printgr::TextWidth(text), y, text);
}

QString datumText(const QString& datum)
{
    const QDate d = QDate::fromString(datum, Qt::ISODate);
    return d.isValid() ? QLocale().toString(d, QLocale::ShortFormat) : datum;
}

// ---- the report ----------------------------------------------------------------------------

struct Eintrag {
    const Position* position = nullptr;
    Positionsrechnung::Ergebnis ergebnis;
    Berichtsinhalt::Kopf kopf;
    std::optional<Seiten> bericht; // none: the page that says why it cannot be computed
    int erste_seite = 0;
    int seiten = 1;
};

struct Plan {
    const Projekt::Daten* projekt = nullptr;
    QList<Eintrag> eintraege;
    QList<int> deckblattanfaenge; // the first entry of each cover page
};

QString positionsname(const Position& p) { return QStringLiteral("%1 %2").arg(p.nr, p.titel).trimmed(); }

// Each position's pages gathered from its result, before the job begins: a picture that cannot
// be read stops the report before anything is printed.
QList<Eintrag> sammeln(const Projekt::Daten& projekt, const QList<Ergebnis>& ergebnisse)
{
    if (ergebnisse.size() != projekt.positionen.size())
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein, QStringLiteral("Die Ergebnisse gehören nicht zum Projekt."));
    QList<Eintrag> eintraege;
    for (qsizetype i = 0; i < projekt.positionen.size(); ++i) {
        const Position& p = projekt.positionen.at(i);
        Eintrag e;
        e.position = &p;
        e.ergebnis = ergebnisse.at(i);
        e.kopf = {projekt.kopf.bezeichnung, positionsname(p), projekt.kopf.bearbeiter};
        if (e.ergebnis.fehler.isEmpty())
            e.bericht = positionsbericht(p, e.ergebnis, e.kopf);
        eintraege.append(std::move(e));
    }
    return eintraege;
}

// The project's head on the first cover page: its name in large type, its address, the one who
// computes and the date, each wrapped rather than cut; drawn when `zeichnen`. Returns where the
// list of positions starts below it.
int projektkopf(const Projekt::Kopf& kopf, bool zeichnen)
{
    // Lines at `y` in the current font; the space they take beyond their first.
    const auto zeilen = [zeichnen](int x, int y, const QStringList& texte) {
        const int abstand = U_Printgr::Canvas().fontMetrics().lineSpacing();
        for (qsizetype i = 0; zeichnen && i < texte.size(); ++i)
            U_Printgr::TextOut(x, y + int(i) * abstand, texte[i]);
        return int(texte.size() - 1) * abstand;
    };
    U_Printgr::SetFontSize_mm(6);
    U_Printgr::SetFontStyle(true, false);
    // What the head is taller than one of a name and values of one line each moves what follows.
    int mehr = zeilen(U_druck::x1, Bezeichnung_y, U_Printgr::Zeilen(kopf.bezeichnung, textbreite(), Bezeichnung_Zeilen));
    U_Printgr::SetFontSize_mm(4);
    const QList<QPair<QString, QString>> angaben {{QStringLiteral("Adresse / Bauwerk:"), kopf.adresse},
        {QStringLiteral("Bearbeiter:"), kopf.bearbeiter}, {QStringLiteral("Datum:"), datumText(kopf.datum)}};
    int y = Angaben_y;
    for (const auto& [name, wert] : angaben) {
        U_Printgr::SetFontStyle(true, false);
        zeilen(U_druck::x1, y + mehr, {name});
        U_Printgr::SetFontStyle(false, false);
        mehr += zeilen(
            Wertspalte, y + mehr, U_Printgr::Zeilen(wert, U_Printgr::PgWidth - U_druck::x1 - Wertspalte, Angaben_Zeilen));
        y += Angabenabstand;
    }
    return Liste_y + mehr;
}

QList<int> deckblattanfaenge(int anzahl, int listeY)
{
    QList<int> anfaenge {0};
    int platz = zeilenJeSeite(listeY);
    for (int i = 0; i < anzahl; ++i) {
        if (platz == 0) {
            anfaenge.append(i);
            platz = zeilenJeSeite(Folgeliste_y);
        }
        --platz;
    }
    return anfaenge;
}

// Page counts and first pages, laid out in the font of the job in progress.
void seitenPlanen(Plan& plan)
{
    plan.deckblattanfaenge = deckblattanfaenge(int(plan.eintraege.size()), projektkopf(plan.projekt->kopf, false));
    int seite = int(plan.deckblattanfaenge.size()) + 1;
    for (Eintrag& e : plan.eintraege) {
        e.erste_seite = seite;
        e.seiten = e.bericht ? seitenzahl(*e.bericht) : 1;
        seite += e.seiten;
    }
    U_Printgr::SetPageCount(seite - 1);
}

QStringList listenzeile(const Eintrag& e)
{
    const Position& p = *e.position;
    return {p.nr, p.titel, Projekt::Artname(p), Positionsrechnung::Hauptergebnis(p, e.ergebnis),
        Positionsrechnung::Verdikt(e.ergebnis), QString::number(e.erste_seite)};
}

void listenzeileDrucken(int y, const QStringList& texte)
{
    int x = U_druck::x1;
    for (qsizetype s = 0; s < texte.size(); ++s) {
        const int breite = int(Spaltenanteile[s] * textbreite());
        if (s + 1 == texte.size())
            zelleRechts(x, y, breite, texte[s]);
        else
            zelle(x, y, breite, texte[s]);
        x += breite;
    }
}

void listeDrucken(const Plan& plan, int von, int bis, int y)
{
    U_Printgr::SetFontSize_mm(4);
    U_Printgr::SetFontStyle(true, true);
    U_Printgr::TextOut(U_druck::x1, y, von == 0 ? QStringLiteral("Positionen") : QStringLiteral("Positionen (Fortsetzung)"));
    y += Listenabstand + 300;
    U_Printgr::SetFontSize_mm(Listenschrift_mm);
    U_Printgr::SetFontStyle(true, false);
    listenzeileDrucken(y, Spaltentitel);
    QPainter& m = U_Printgr::Canvas();
    m.save();
    m.setPen(QPen(Qt::black, 10));
    m.drawLine(U_druck::x1, y + Listenabstand - 80, U_Printgr::PgWidth - U_druck::x1, y + Listenabstand - 80);
    m.restore();
    U_Printgr::SetFontStyle(false, false);
    if (plan.eintraege.isEmpty())
        U_Printgr::TextOut(U_druck::x1, y + Listenabstand, QStringLiteral("Das Projekt hat keine Positionen."));
    for (int i = von; i < bis; ++i) {
        y += Listenabstand;
        listenzeileDrucken(y, listenzeile(plan.eintraege[i]));
    }
}

void deckblattDrucken(const Plan& plan)
{
    const Projekt::Kopf& kopf = plan.projekt->kopf;
    const QList<int>& anfaenge = plan.deckblattanfaenge;
    for (qsizetype s = 0; s < anfaenge.size(); ++s) {
        if (s > 0)
            U_Printgr::NewPage();
        U_druck::Titelzeile_Drucken();
        const int bis = s + 1 < anfaenge.size() ? anfaenge[s + 1] : int(plan.eintraege.size());
        if (s == 0) {
            listeDrucken(plan, anfaenge[s], bis, projektkopf(kopf, true));
        } else {
            Zusatzseiten::Kopf_Drucken({kopf.bezeichnung, QStringLiteral("Übersicht"), kopf.bearbeiter});
            listeDrucken(plan, anfaenge[s], bis, Folgeliste_y);
        }
    }
}

// The page of a position that cannot be computed: why, under the position's head.
void fehlerseiteDrucken(const Eintrag& e)
{
    const Position& p = *e.position;
    U_druck::Titelzeile_Drucken();
    Zusatzseiten::Kopf_Drucken(e.kopf);
    U_Printgr::SetFontSize_mm(4);
    U_Printgr::SetFontStyle(true, true);
    zelle(U_druck::x1, 5000, textbreite(), QStringLiteral("Pos. %1 – %2").arg(positionsname(p), Projekt::Artname(p)));
    U_Printgr::SetFontStyle(true, false);
    U_Printgr::TextOut(U_druck::x1, 6000, QStringLiteral("Diese Position kann nicht berechnet werden:"));
    U_Printgr::SetFontStyle(false, false);
    U_Printgr::Canvas().drawText(
        QRect(U_druck::x1, 6700, textbreite(), U_Printgr::PgHeight - Unterer_Rand - 6700), Qt::TextWordWrap, e.ergebnis.fehler);
}

void positionenDrucken(const Plan& plan)
{
    for (const Eintrag& e : plan.eintraege) {
        if (e.bericht) {
            seitenDrucken(*e.bericht);
        } else {
            U_Printgr::NewPage();
            fehlerseiteDrucken(e);
        }
    }
}

// The margins the report is laid out in on every side, whatever the printer set-up proposed:
// the page breaks follow from the printable area, so the window's print and the command line's
// PDF are one document, page for page, only when both print on the same one.
const QMarginsF Seitenraender {36, 36, 36, 36}; // points

// The report's margins on `drucker` for one job; the printer's own come back afterwards, so
// that the dialogs' reports keep theirs.
class Seiteneinrichtung {
public:
    explicit Seiteneinrichtung(QPrinter& drucker)
        : m_drucker(drucker)
        , m_vorher(drucker.pageLayout())
    {
        // A printer that cannot print that close to the edge keeps its least margins.
        m_drucker.setPageMargins(Seitenraender, QPageLayout::Point);
    }
    ~Seiteneinrichtung() { m_drucker.setPageLayout(m_vorher); }
    Seiteneinrichtung(const Seiteneinrichtung&) = delete;
    Seiteneinrichtung& operator=(const Seiteneinrichtung&) = delete;

private:
    QPrinter& m_drucker;
    QPageLayout m_vorher;
};

// The job's name, which a PDF keeps as its title: the program and the project.
QString auftragsname(const Projekt::Kopf& kopf)
{
    const QString bezeichnung = kopf.bezeichnung.simplified();
    return bezeichnung.isEmpty() ? U_druck::Programmname : QStringLiteral("%1 – %2").arg(U_druck::Programmname, bezeichnung);
}

} // namespace

void Drucken(QPrinter& drucker, const Projekt::Daten& projekt, const QList<Positionsrechnung::Ergebnis>& ergebnisse)
{
    Plan plan;
    plan.projekt = &projekt;
    plan.eintraege = sammeln(projekt, ergebnisse);
    const Seiteneinrichtung einrichtung(drucker);
    U_Printgr::BeginDocEx(auftragsname(projekt.kopf), drucker);
    try {
        seitenPlanen(plan);
        deckblattDrucken(plan);
        positionenDrucken(plan);
    } catch (...) {
        U_Printgr::Abort();
        throw;
    }
    U_Printgr::EndDoc();
}

bool Drucken(QWidget* eltern, const Projekt::Daten& projekt, const QList<Positionsrechnung::Ergebnis>& ergebnisse)
{
    QPrintDialog dialog(&U_Printgr::Printer(), eltern);
    dialog.setObjectName(QStringLiteral("Drucksetupdlg_Gesamtbericht"));
    if (!U_druck::Einrichten(&dialog, Dateiname(projekt)))
        return false;
    if (U_Printgr::Printing(*dialog.printer())) {
        Plattform::fehler(QStringLiteral("Fehler beim Drucken"));
        return false;
    }
    Drucken(*dialog.printer(), projekt, ergebnisse);
    return true;
}

void Als_PDF(const QString& datei, const Projekt::Daten& projekt, const QList<Positionsrechnung::Ergebnis>& ergebnisse)
{
    // Printed aside first and then written in one piece, so that a failure leaves the file that
    // was there whole.
    const QTemporaryDir ablage;
    if (!ablage.isValid())
        throw Plattform::Fehler::datei(ablage.path(), QStringLiteral("Der Ordner für den Druck kann nicht angelegt werden."));
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, Seitenraender, QPageLayout::Point));
    drucker.setOutputFileName(ablage.filePath(QStringLiteral("Gesamtbericht.pdf")));
    Drucken(drucker, projekt, ergebnisse);
    Textdatei::schreibenRoh(datei, Textdatei::lesenRoh(drucker.outputFileName()));
}

QString Dateiname(const Projekt::Daten& projekt)
{
    static const QRegularExpression verboten(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])"));
    QString name = projekt.kopf.bezeichnung;
    name.replace(verboten, QStringLiteral("_"));
    name = name.trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("Gesamtbericht") : name;
}

} // namespace Gesamtbericht
