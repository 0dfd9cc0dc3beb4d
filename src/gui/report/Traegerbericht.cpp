#include "gui/report/Traegerbericht.h"

#include "core/calc/Biegerechnung.h"
#include "core/calc/Traegerskizze.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Zahlen.h"
#include "core/report/Berichtsinhalt.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/calc/Traegertexte.h"
#include "gui/report/U_Printgr.h"
#include "gui/report/U_druck.h"
#include "gui/report/Zusatzseiten.h"

#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <utility>

namespace Traegerbericht {

namespace {

using Traegereinheiten::Groesse;
using Zahlen::fixiert;

// Layout in 0.01 mm below the title block; the value column is wider than the classic
// reports' for the loads and spans written in words.
constexpr QRect Skizze {1400, 4600, 0, 4000}; // under the head, full width between the margins
constexpr int Start_y = 9000;
constexpr int Folgeseite_y = 4000;
constexpr int Folgeseite_mit_Kopf_y = 5000; // under the head and its rule
constexpr double Diagrammhoehe = 15000; // the sketch and the three envelopes on the further pages
constexpr int Unterer_Rand = 1500;
constexpr int Wertspalte = 6500;

// The self-weight as a line load in N/m; 0 where it is not included.
double eigengewicht(const Traegerrechnung::Eingabe& e) { return e.eigengewicht ? Biegerechnung::Eigengewicht(e.Masse) : 0.0; }

Zeile ueberschrift(const QString& t) { return {Zeile::Art::Ueberschrift, t, {}}; }
Zeile zeile(const QString& t, const QString& w) { return {Zeile::Art::Zeile, t, w}; }

// Material and profile in two rows, so that page 1 holds a beam of several spans and loads
// with all its results.
void materialUndProfil(QList<Zeile>& z, const Traegerrechnung::Eingabe& e, const Berichtsinhalt::Werte& w)
{
    z += ueberschrift(QStringLiteral("Werkstoff und Profil:"));
    z += zeile(QStringLiteral("Werkstoff"),
        QStringLiteral("%1; SigmaB %2, SigmaZul %3, E %4 N/mm2")
            .arg(w.sorte, fixiert(w.sigma_b, 2), fixiert(e.Sigma_Zul, 2), fixiert(e.E, 2)));
    // The library's names begin with their type: "IPE 200", not "IPE IPE 200".
    const bool mitArt = !w.profilname.startsWith(w.profilart + QLatin1Char(' '));
    z += zeile(QStringLiteral("Profil"), mitArt ? w.profilart + QLatin1Char(' ') + w.profilname : w.profilname);
    z += zeile(QStringLiteral("Querschnittswerte"),
        QStringLiteral("W %1 cm3, I %2 cm4, A %3 mm2, Masse %4 kg/m")
            .arg(fixiert(e.W, 2), fixiert(e.I, 2), fixiert(w.A, 2), fixiert(e.Masse, 2)));
}

void eingaben(QList<Zeile>& z, const Traegerrechnung::Eingabe& e, Traegereinheiten::System s)
{
    const QString m = Traegereinheiten::name(s, Groesse::Laenge);
    z += ueberschrift(QStringLiteral("Eingaben:"));
    QStringList felder;
    for (double f : e.felder)
        felder += Traegertexte::stelle(f, s);
    z += zeile(QStringLiteral("Träger [%1]").arg(m),
        QStringLiteral("Felder %1; Kragarme links %2, rechts %3")
            .arg(felder.join(QStringLiteral("; ")), Traegertexte::stelle(e.kragarm_links, s),
                Traegertexte::stelle(e.kragarm_rechts, s)));
    z += zeile(QStringLiteral("Lager der Enden"),
        QStringLiteral("links %1, rechts %2; Grenze L/f: %3")
            .arg(Traegertexte::lagerart(e.lager_links), Traegertexte::lagerart(e.lager_rechts), Nachweis::Grenzentext(e.grenze)));
    z += zeile(QStringLiteral("Eigengewicht"), Traegertexte::eigengewicht(eigengewicht(e), s));
    for (std::size_t i = 0; i < e.lasten.size(); ++i) {
        const Traegerrechnung::Last& l = e.lasten[i];
        z += zeile(QStringLiteral("Last %1: %2, %3")
                       .arg(i + 1)
                       .arg(Traegertexte::lastart(l.art), Traegertexte::einwirkung(l.einwirkung).left(1)),
            Traegertexte::lastwerte(l, s));
    }
}

void ausgaben(QList<Zeile>& z, const Diagramme::Traegerdaten& d)
{
    const Traegerrechnung::Ergebnis& r = d.ergebnis;
    const auto s = d.einheiten;
    const QString m = Traegereinheiten::name(s, Groesse::Laenge);
    z += ueberschrift(QStringLiteral("Ausgaben:"));
    z += zeile(QStringLiteral("max M"), Traegertexte::extrem(r.M_max, s, Groesse::Moment));
    z += zeile(QStringLiteral("min M"), Traegertexte::extrem(r.M_min, s, Groesse::Moment));
    z += zeile(
        QStringLiteral("max |V|"), Traegertexte::extrem({r.V_betrag_max.x, std::fabs(r.V_betrag_max.wert)}, s, Groesse::Kraft));
    z += zeile(QStringLiteral("Werf [cm3]"), fixiert(r.W_erf, 2));
    for (std::size_t i = 0; i < r.lager.size(); ++i) {
        const Traegerrechnung::Lagerkraft& l = r.lager[i];
        z += zeile(QStringLiteral("%1 (x = %2 %3)").arg(Traegertexte::lagername(i), Traegertexte::stelle(l.x, s), m),
            QStringLiteral("min %1, max %2")
                .arg(Traegertexte::betrag(l.min, s, Groesse::Kraft), Traegertexte::betrag(l.max, s, Groesse::Kraft)));
        if (l.eingespannt)
            z += zeile(QStringLiteral("Einspannmoment"),
                QStringLiteral("min %1, max %2")
                    .arg(Traegertexte::betrag(l.M_min, s, Groesse::Moment), Traegertexte::betrag(l.M_max, s, Groesse::Moment)));
    }
    for (const Traegerrechnung::Abschnitt& a : r.abschnitte) {
        const QString wert = !r.mitDurchbiegung
            ? QStringLiteral("keine Durchbiegung (E oder I ist 0)")
            : QStringLiteral("f = %1 mm bei x = %2 %3, L/f = %4")
                  .arg(fixiert(a.f, 4), Traegertexte::stelle(a.x, s), m, a.f != 0 ? fixiert(a.L_f, 2) : QStringLiteral("∞"));
        z += zeile(a.name, wert);
    }
    z += zeile(QStringLiteral("Gleichgewicht, rel. Rest"), QLocale().toString(r.gleichgewicht_rest, 'e', 2));
}

int seitenende() { return U_Printgr::PgHeight - Unterer_Rand; }

// Where the rows go on on a further page: under the head where every page carries it.
int folgeStart(const Zusatzseiten::Inhalt& zusatz) { return zusatz.kopfAufJederSeite ? Folgeseite_mit_Kopf_y : Folgeseite_y; }

void schriftSetzen(Zeile::Art art)
{
    U_Printgr::SetFontSize_mm(art == Zeile::Art::Nachweis ? Berichtsinhalt::Nachweisschrift_mm : Berichtsinhalt::Schrift_mm);
    U_Printgr::SetFontStyle(true, art == Zeile::Art::Titel || art == Zeile::Art::Ueberschrift);
}

int zeilenhoehe(Zeile::Art art)
{
    return art == Zeile::Art::Nachweis ? Berichtsinhalt::Nachweisabstand : Berichtsinhalt::Zeilenabstand;
}

// The pieces a text may break between: after its ", " and "; " ("E 210000,00 N/mm2" stays
// whole), a piece too wide for the line at its spaces.
QStringList stuecke(const QString& text, int breite)
{
    static const QRegularExpression trenner(QStringLiteral("(?<=[,;]) "));
    QStringList s;
    for (const QString& stueck : text.split(trenner, Qt::SkipEmptyParts))
        s += U_Printgr::TextWidth(stueck) > breite ? stueck.split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList {stueck};
    return s;
}

// The lines of a row in the job's font: a value (or a row's text where it has none) too wide
// for the page runs on below itself, so that no number runs past the margin.
QStringList umbrechen(const Zeile& z)
{
    schriftSetzen(z.art);
    const bool mitWert = z.art == Zeile::Art::Zeile;
    const int breite = U_Printgr::PgWidth - U_druck::x1 - (mitWert ? Wertspalte : U_druck::x1);
    QStringList zeilen;
    QString zeile;
    for (const QString& stueck : stuecke(mitWert ? z.wert : z.text, breite)) {
        const QString laenger = zeile.isEmpty() ? stueck : zeile + QLatin1Char(' ') + stueck;
        if (!zeile.isEmpty() && U_Printgr::TextWidth(laenger) > breite) {
            zeilen.append(zeile);
            zeile = stueck;
        } else {
            zeile = laenger;
        }
    }
    zeilen.append(zeile);
    return zeilen;
}

// The y and the lines of every row, and where a new page starts (the index of its first row);
// where the rows end on their last page.
struct Lage {
    QList<int> y;
    QList<QStringList> zeilen;
    QList<int> neueSeite;
    int ende = 0;
};

Lage setzen(const QList<Zeile>& zeilen, int folgeY)
{
    Lage lage;
    int y = Start_y;
    for (int i = 0; i < zeilen.size(); ++i) {
        const Zeile::Art art = zeilen[i].art;
        if (i > 0)
            y += art == Zeile::Art::Nachweis                                  ? Berichtsinhalt::Nachweisabstand
                : art == Zeile::Art::Ueberschrift || art == Zeile::Art::Titel ? Berichtsinhalt::Abschnittsabstand
                : zeilen[i - 1].art == Zeile::Art::Ueberschrift               ? Berichtsinhalt::Abschnittsabstand
                                                                              : Berichtsinhalt::Zeilenabstand;
        const QStringList umbrochen = umbrechen(zeilen[i]);
        const int weitere = int(umbrochen.size() - 1) * zeilenhoehe(art);
        // A heading never stands alone at the foot of a page, nor a row apart from its last line.
        const int bedarf = weitere + (art == Zeile::Art::Ueberschrift ? Berichtsinhalt::Abschnittsabstand : 0);
        if (y + bedarf > seitenende()) {
            lage.neueSeite.append(i);
            y = folgeY;
        }
        lage.y.append(y);
        lage.zeilen.append(umbrochen);
        y += weitere;
    }
    lage.ende = y + Berichtsinhalt::Zeilenabstand;
    return lage;
}

Lage setzen(const Bericht& b) { return setzen(b.zeilen, folgeStart(b.zusatz)); }

// Where the diagrams and steps start: on the page the rows run on to, under them, where they
// fit there (a page holding the last rows alone would be a page nearly empty); else on a page
// of their own (0).
int zusatzAb(const Bericht& b, const Lage& lage)
{
    const int ab = lage.ende + Berichtsinhalt::Abschnittsabstand;
    return !lage.neueSeite.isEmpty() && Zusatzseiten::Passt_ab(b.zusatz, ab) ? ab : 0;
}

void zeilenDrucken(const Bericht& b, const Lage& lage)
{
    U_druck::Titelzeile_Drucken();
    const Zusatzseiten::Kopf& kopf = Zusatzseiten::Kopf_von(b.zusatz);
    if (!kopf.leer())
        Zusatzseiten::Kopf_Drucken(kopf);
    const QRect skizze(Skizze.left(), Skizze.top(), U_Printgr::PgWidth - 2 * Skizze.left(), Skizze.height());
    Traegerskizze::zeichnen(U_Printgr::Canvas(), skizze, b.daten.traeger.eingabe, b.daten.traeger.einheiten);
    for (int i = 0; i < b.zeilen.size(); ++i) {
        if (lage.neueSeite.contains(i)) {
            U_Printgr::NewPage();
            U_druck::Titelzeile_Drucken();
            if (b.zusatz.kopfAufJederSeite)
                Zusatzseiten::Kopf_Drucken(kopf);
        }
        const Zeile& z = b.zeilen[i];
        schriftSetzen(z.art);
        const bool mitWert = z.art == Zeile::Art::Zeile;
        if (mitWert)
            U_Printgr::TextOut(U_druck::x1, lage.y[i], z.text);
        int y = lage.y[i];
        for (const QString& zeile : lage.zeilen[i]) {
            U_Printgr::TextOut(mitWert ? Wertspalte : U_druck::x1, y, zeile);
            y += zeilenhoehe(z.art);
        }
    }
}

} // namespace

Rechenweg::Schritte Nachweisschritte(const Diagramme::Traegerdaten& d)
{
    // The self-weight in the beam's units, as its loads.
    Rechenweg::Schritt g = Nachweiszeile::Eigengewicht(eigengewicht(d.eingabe));
    g.formel = Traegertexte::eigengewicht(eigengewicht(d.eingabe), d.einheiten);
    Rechenweg::Schritte s {g};
    const auto urteilsschritt = [&s](const QString& text) {
        const qsizetype doppelpunkt = text.indexOf(QStringLiteral(": "));
        if (doppelpunkt > 0)
            s.append({text.left(doppelpunkt), text.mid(doppelpunkt + 2), QString(), QString()});
    };
    for (const Nachweis::Urteil& u : d.ergebnis.urteile)
        urteilsschritt(u.text);
    if (d.eurocode) { // the check with partial factors after the classic ones; its steps are a part of their own
        // What it did not check on lines of their own, so that no line grows too long for the page.
        Eurocode::Urteil urteil = d.eurocode->biegung.urteil;
        const QStringList nichtUntersucht = std::exchange(urteil.nichtUntersucht, {});
        urteilsschritt(Traegertexte::eurocode(urteil).text);
        for (const QString& text : nichtUntersucht)
            urteilsschritt(text);
    }
    urteilsschritt(Traegertexte::abheben(d.ergebnis.abheben, d.einheiten)); // last, as in the window
    return s;
}

Rechenweg::Protokoll Protokoll(const Daten& d)
{
    Rechenweg::Protokoll p;
    p.titel = d.titel;
    p.setzen(QStringLiteral("Berechnung des Trägers"), d.traeger.ergebnis.schritte);
    if (d.traeger.eurocode)
        p.setzen(Nachweiszeile::Eurocodeteil, d.traeger.eurocode->biegung.schritte);
    Nachweiszeile::Protokollieren(p, Nachweisschritte(d.traeger), QStringList {});
    return p;
}

Zusatzseiten::Inhalt Zusatzinhalt(const Daten& d, const std::optional<Zusatzseiten::Kopf>& kopf)
{
    Zusatzseiten::Inhalt z;
    z.titel = d.titel;
    z.kopf = kopf;
    z.kopfAufJederSeite = kopf.has_value();
    z.protokoll = Protokoll(d);
    z.block = [traeger = d.traeger](QPainter& m, const QRectF& r) { Diagramme::Traegerblock_Zeichnen(m, r, traeger); };
    z.blockhoehe = Diagrammhoehe;
    return z;
}

QList<Zeile> Zeilen(const Daten& d, const QStringList& nachweise)
{
    QList<Zeile> z;
    for (const QString& n : nachweise)
        z += {Zeile::Art::Nachweis, n, {}};
    z += {Zeile::Art::Titel, d.titel, {}};
    materialUndProfil(z, d.traeger.eingabe, d.auswahl);
    eingaben(z, d.traeger.eingabe, d.traeger.einheiten);
    ausgaben(z, d.traeger);
    return z;
}

Bericht Bericht_Erstellen(const Daten& d, const std::optional<Zusatzseiten::Kopf>& kopf)
{
    Bericht b {d, {}, Zusatzinhalt(d, kopf)};
    b.zeilen = Zeilen(d, Berichtsinhalt::Nachweiszeilen(b.zusatz.protokoll));
    return b;
}

int Seitenzahl(const Bericht& bericht)
{
    const Lage lage = setzen(bericht);
    const int ab = zusatzAb(bericht, lage);
    return 1 + int(lage.neueSeite.size()) + Zusatzseiten::Seitenzahl(bericht.zusatz, ab) - (ab > 0 ? 1 : 0);
}

void Seiten_Drucken(const Bericht& bericht, bool ersteNeu)
{
    if (ersteNeu)
        U_Printgr::NewPage();
    const Lage lage = setzen(bericht);
    zeilenDrucken(bericht, lage);
    Zusatzseiten::Drucken(bericht.zusatz, true, zusatzAb(bericht, lage));
}

void Drucken(QPrintDialog* Drucksetupdlg, const Daten& d)
{
    if (Drucksetupdlg)
        U_druck::Einrichten(Drucksetupdlg, QStringLiteral("Traeger"));
    QPrinter& drucker = Drucksetupdlg ? *Drucksetupdlg->printer() : U_Printgr::Printer();
    if (U_Printgr::Printing(drucker)) {
        Plattform::piep();
        return;
    }
    const Bericht b = Bericht_Erstellen(d);
    U_Printgr::BeginDocEx(U_druck::Programmname, drucker);
    try {
        U_Printgr::SetPageCount(Seitenzahl(b));
        Seiten_Drucken(b, false);
    } catch (...) {
        U_Printgr::Abort();
        throw;
    }
    U_Printgr::EndDoc();
}

} // namespace Traegerbericht
