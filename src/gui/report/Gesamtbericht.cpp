#include "gui/report/Gesamtbericht.h"

#include "core/app/Lastfaelle.h"
#include "core/app/Unit1.h"
#include "core/calc/Biegerechnung.h"
#include "core/calc/Knickrechnung.h"
#include "core/calc/Nachweis.h"
#include "core/calc/Rechenweg.h"
#include "core/calc/Scherrechnung.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Positionszustand.h"
#include "gui/calc/Biegedialog.h"
#include "gui/calc/Diagramme.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/calc/U_bieg2.h"
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
#include <cmath>
#include <tuple>
#include <variant>

namespace Gesamtbericht {

namespace {

using Projekt::Position;

// ---- the shared calculation state ------------------------------------------------------------

// What a position's report writes into the shared state, as one tuple of references.
auto globale()
{
    using namespace Unit1;
    return std::tie(Akt_Belastungsfall, Akt_Profil, Sorte, Sigma_Zul, Sigma_B, Sigma_P, E, GrenzSchlankheit, Gamma, Sigma_K,
        Schlankheitsgrad, W, I, A, Masse, ProfilArt, ProfilName, Profilachse, Bibliotheksprofil, Biegeachse, Knickachse, F, L, Lk,
        Sk, Sk_gewuenscht, Abstand_a, Abstand_b, Lx, fd, Werf, Wxerf, Ierf, Aerf, Nachweis::Durchbiegungsgrenze);
}

template <class T> struct Werte_von;
template <class... T> struct Werte_von<std::tuple<T&...>> {
    using typ = std::tuple<T...>;
};

// The shared state put back when the report is done: the user's dialogs go on with their own
// inputs and results.
class Zustandssicherung {
public:
    Zustandssicherung()
        : m_werte(globale())
        , m_werkstoff(Positionszustand::Werkstoff_Merken())
    {
    }
    ~Zustandssicherung()
    {
        globale() = m_werte;
        Positionszustand::Werkstoff_Zuruecksetzen(m_werkstoff);
    }
    Zustandssicherung(const Zustandssicherung&) = delete;
    Zustandssicherung& operator=(const Zustandssicherung&) = delete;

private:
    Werte_von<decltype(globale())>::typ m_werte;
    std::optional<Unit1::Matrecord> m_werkstoff;
};

// ---- a position's pages, as its dialog prints them --------------------------------------------

QString titel(Lastfaelle::Familie familie, int fall)
{
    const Lastfaelle::Lastfall* lf = Lastfaelle::lastfall(familie, fall);
    if (!lf)
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein, QStringLiteral("Den Lastfall %1 gibt es nicht.").arg(fall));
    return lf->titel.toString();
}

// The steps and verdicts of the position for the pages after the first, headed like every page.
Zusatzseiten::Inhalt zusatz(const QString& titel, const Berichtsinhalt::Kopf& kopf)
{
    Zusatzseiten::Inhalt z;
    z.titel = titel;
    z.protokoll.titel = titel;
    z.kopf = kopf;
    z.kopfAufJederSeite = true;
    return z;
}

// The check with partial factors as the dialog shows it: its steps as their own part, its line
// after the classic verdicts.
template <typename Ergebnis> QString eurocode(Zusatzseiten::Inhalt& z, const Ergebnis& e)
{
    z.protokoll.setzen(Nachweiszeile::Eurocodeteil, e.schritte);
    return Nachweiszeile::Eurocodetext(e.urteil);
}

// The bending dialogs' two calculations: W erf. (with W erf. at x where the case has x) and,
// with a profile, the deflection, each recorded as its own part of the steps.
U_druck::Bericht biegung(const Position& p, const Berichtsinhalt::Kopf& kopf)
{
    using namespace Unit1;
    const int fall = Akt_Belastungsfall;
    const Lastfaelle::Lastfall* lf = Lastfaelle::lastfall(Lastfaelle::Familie::Biegung, fall);
    const QString t = titel(Lastfaelle::Familie::Biegung, fall);
    Biegerechnung::Aufgabe a;
    a.fall = fall;
    a.e = {F, L, Abstand_a, E, I};
    a.Sigma_Zul = Sigma_Zul;
    a.Masse = Masse;
    a.eigengewicht = p.eigengewicht && Masse > 0; // the dialog's box is off without a mass
    const double g = a.eigengewicht ? Biegerechnung::Eigengewicht(Masse) : 0.0;

    Zusatzseiten::Inhalt z = zusatz(t, kopf);
    Biegerechnung::Wert w;
    z.protokoll.setzen(Biegedialog::Teil_W, Rechenweg::aufzeichnen([&] {
        w = Biegerechnung::Werf(a);
        Werf = w.wert;
        Wxerf = Biegerechnung::hatStelle(fall) ? Biegerechnung::Wxerf(a, Lx) : 0.0;
    }));
    QStringList nachweise {Nachweis::Biegung(Werf, W).text};
    QString hinweis_f;
    fd = 0;
    if (p.mitProfil) {
        Biegerechnung::Wert f;
        z.protokoll.setzen(Biegedialog::Teil_f, Rechenweg::aufzeichnen([&] {
            f = Biegerechnung::fd(a);
            fd = f.wert;
        }));
        hinweis_f = U_bieg2::Hinweis_f(a, f);
        // The dialog shows no deflection, and so no verdict on it, for a profile too weak to carry.
        if (std::fabs(Werf) <= W)
            nachweise.append(Nachweis::Durchbiegung(L, fd, Nachweis::Durchbiegungsgrenze).text);
    }
    nachweise.append(eurocode(
        z, Eurocode::Biegung(Positionszustand::Eurocode_Biegeaufgabe(Positionszustand::Werkstoffeintrag(-1), a.eigengewicht))));
    nachweise.append(Nachweiszeile::Elastischer_Widerstand);
    Nachweiszeile::Protokollieren(z.protokoll, {Nachweiszeile::Eigengewicht(g)}, nachweise);

    Diagramme::Biegedaten d;
    d.fall = fall;
    d.eingaben = a.e;
    if (Biegerechnung::hatStelle(fall) && Lx > 0 && Lx <= L)
        d.x = Lx;
    d.eigengewicht = g;
    z.block = [d](QPainter& m, const QRectF& r) { Diagramme::Biegeblock_Zeichnen(m, r, d); };
    z.blockhoehe = 15000;

    if (lf && lf->dialog == Lastfaelle::Dialog::Biegung2)
        return U_druck::Biegung2_Bericht(t, U_bieg2::Hinweis_W(fall, w), hinweis_f, &z);
    return U_druck::Biegung1_Bericht(t, &z);
}

// The buckling dialog's two calculations: I erf. by Euler and, with a profile, the safety with
// the buckling curve.
U_druck::Bericht knickung(const Position& p, const Berichtsinhalt::Kopf& kopf)
{
    using namespace Unit1;
    const QString t = titel(Lastfaelle::Familie::Knickung, Akt_Belastungsfall);
    // σP and Tetmajer's line from the material record the dialog reads: the position's.
    Knickrechnung::Aufgabe a = Positionszustand::Knickaufgabe(Positionszustand::Werkstoffeintrag(-1));
    a.F = F;
    a.L = L;
    a.Sk_gewuenscht = Sk_gewuenscht;

    Zusatzseiten::Inhalt z = zusatz(t, kopf);
    const Knickrechnung::Traegheit tr = Knickrechnung::Ierf(a);
    z.protokoll.setzen(QStringLiteral("Erforderliches Trägheitsmoment"), tr.schritte);
    if (!tr.gelungen)
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein, tr.fehler);
    Ierf = tr.Ierf;
    Lk = tr.Lk;
    Sigma_K = Sk = Schlankheitsgrad = 0;
    QString formel = QStringLiteral("Die Berechnung von Ierf erfolgt nach Euler");
    Rechenweg::Schritte nachweis {Nachweiszeile::OhneEigengewicht()};
    if (p.mitProfil) {
        const Knickrechnung::Ergebnis e = Knickrechnung::Sicherheit(a);
        z.protokoll.setzen(QStringLiteral("Knicksicherheit"), e.schritte);
        if (!e.gelungen())
            throw Plattform::Fehler(
                Plattform::Fehler::Art::Allgemein, e.fehler.isEmpty() ? Knickrechnung::Fehlertext(e.fehlerart) : e.fehler);
        Sigma_K = e.Sigma_K;
        Sk = e.Sk;
        Schlankheitsgrad = e.Schlankheitsgrad;
        Sk_gewuenscht = e.Sk_gewuenscht;
        Lk = e.Lk;
        formel = e.formeltext();
        if (!e.urteilstext().isEmpty())
            nachweis.append({QStringLiteral("Nachweis Knicksicherheit"), e.urteilstext(), {}, {}});
        const Knickspannungslinie::Daten linie = Knickrechnung::Linie(a, &e);
        z.block = [linie](QPainter& m, const QRectF& r) { Diagramme::Knickblock_Zeichnen(m, r, linie); };
        z.blockhoehe = 10500;
    }
    QStringList ec;
    if (p.mitProfil)
        ec.append(
            eurocode(z, Eurocode::Knicken(Positionszustand::Eurocode_Knickaufgabe(Positionszustand::Werkstoffeintrag(-1)))));
    Nachweiszeile::Protokollieren(z.protokoll, nachweis, ec);
    return U_druck::Knickung_Bericht(t, formel, &z);
}

U_druck::Bericht scherung(const Position&, const Berichtsinhalt::Kopf& kopf)
{
    using namespace Unit1;
    const QString t = titel(Lastfaelle::Familie::Scherung, 0);
    Zusatzseiten::Inhalt z = zusatz(t, kopf);
    z.protokoll.setzen(QStringLiteral("Erforderliche Querschnittsfläche"), Rechenweg::aufzeichnen([&] {
        Aerf = Scherrechnung::Aerf({F, Sigma_Zul, A});
    }));
    Nachweiszeile::Protokollieren(
        z.protokoll, {Nachweiszeile::OhneEigengewicht()}, QStringList {Nachweis::Abscherung(Aerf, A).text});
    return U_druck::Scherung_Bericht(t, &z);
}

// The general beam's pages as its window prints them, in the units it was entered in.
Traegerbericht::Bericht traeger(const Position& p, const Berichtsinhalt::Kopf& kopf)
{
    const Traegerrechnung::Eingabe e = Projekt::Traegereingabe(p);
    const Traegerbericht::Daten d {QStringLiteral("Träger mit beliebigen Lasten"),
        {e, Traegerrechnung::berechnen(e), p.traeger.einheiten, Positionsrechnung::Eurocode_Traeger(p)}};
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

// The one place that knows which dialog prints which kind of position.
Seiten positionsbericht(const Position& p, const Berichtsinhalt::Kopf& kopf)
{
    Positionszustand::einsetzen(p);
    switch (p.art) {
    case Projekt::Art::Biegung:
        return biegung(p, kopf);
    case Projekt::Art::Knickung:
        return knickung(p, kopf);
    case Projekt::Art::Scherung:
        return scherung(p, kopf);
    case Projekt::Art::Traeger:
        return traeger(p, kopf);
    }
    throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein, QStringLiteral("Unbekannte Art der Position."));
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

// Each position computed and its pages gathered, before the job begins: a picture that cannot
// be read stops the report before anything is printed.
QList<Eintrag> sammeln(const Projekt::Daten& projekt)
{
    const Zustandssicherung sicherung;
    QList<Eintrag> eintraege;
    for (const Position& p : projekt.positionen) {
        Eintrag e;
        e.position = &p;
        e.ergebnis = Positionsrechnung::rechnen(p);
        e.kopf = {projekt.kopf.bezeichnung, positionsname(p), projekt.kopf.bearbeiter};
        if (e.ergebnis.fehler.isEmpty()) {
            try {
                e.bericht = positionsbericht(p, e.kopf);
            } catch (const Plattform::Fehler& f) {
                if (f.art() == Plattform::Fehler::Art::Datei)
                    throw; // a missing picture is the installation's fault, not the position's
                e.ergebnis.fehler = f.text();
            }
        }
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

void Drucken(QPrinter& drucker, const Projekt::Daten& projekt)
{
    Plan plan;
    plan.projekt = &projekt;
    plan.eintraege = sammeln(projekt);
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

bool Drucken(QWidget* eltern, const Projekt::Daten& projekt)
{
    QPrintDialog dialog(&U_Printgr::Printer(), eltern);
    dialog.setObjectName(QStringLiteral("Drucksetupdlg_Gesamtbericht"));
    if (!U_druck::Einrichten(&dialog, Dateiname(projekt)))
        return false;
    if (U_Printgr::Printing(*dialog.printer())) {
        Plattform::fehler(QStringLiteral("Fehler beim Drucken"));
        return false;
    }
    Drucken(*dialog.printer(), projekt);
    return true;
}

void Als_PDF(const QString& datei, const Projekt::Daten& projekt)
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
    Drucken(drucker, projekt);
    Textdatei::schreibenRoh(datei, Textdatei::lesenRoh(drucker.outputFileName()));
}

Kommandozeile::Status Als_PDF(const QString& datei, const Kommandozeile::Lauf& lauf, QTextStream& fehler)
{
    // The report is printed before the file is written: a failure of the printing (a load-case
    // picture that cannot be read) is told as what it is, one of the file as the PDF's.
    try {
        Als_PDF(datei, lauf.projekt);
    } catch (const Plattform::Fehler& f) {
        const bool zielDatei = f.art() == Plattform::Fehler::Art::Datei && f.dateiname() == datei;
        fehler << (zielDatei ? Kommandozeile::Schreibfehler(QStringLiteral("PDF"), datei) : Kommandozeile::Fehlertext(f))
               << Qt::endl;
        return Kommandozeile::Fehler;
    }
    return lauf.status;
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
