#pragma once
// What the four calculation reports print on page 1 below the title block, as plain data:
// every line with its y, its style and its texts, taken from the numbers of the calculation
// (its result record), the verdicts the dialog shows and the head of the report. The printing
// code only draws these lines; the rules about which rows appear live here. Also the texts of
// the verdicts and notes that a dialog shows and its report prints alike.
#include "core/calc/Biegerechnung.h"
#include "core/calc/Eurocode.h"
#include "core/calc/Rechenweg.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace Berichtsinhalt {

// Layout in 0.01 mm from the top-left corner of the printable area.
constexpr int x1 = 1400; // label column
constexpr int x2 = 6000; // value column of the bending and shear reports
constexpr int x2_Knickung = 6500; // the buckling report's own value column
constexpr int Erste_Zeile = 10500;
constexpr int Zeilenabstand = 500;
constexpr int Abschnittsabstand = 1000; // before a heading and from a heading to its first row
// 50 mm × 40 mm, between the head (under the title block, ending above 45 mm) and the verdicts.
constexpr QRect Bildrechteck {7500, 4600, 5000, 4000};
// Where a picture of `groesse` goes: as large as fits the rectangle with its proportions kept,
// centred in it. The sketches are 2:1 (beams) and 1:2 (columns); stretched to 5:4 they would
// print squashed.
QRect Bildflaeche(const QSize& groesse, const QRect& rechteck = Bildrechteck);
constexpr double Schrift_mm = 4; // size of everything below the title block
// The verdict lines stand between the picture and the caption, in a smaller font, so that the
// verdict is read first and the fullest page (bending case 9 with both notes) still ends
// inside the printable area of an A4 page. Up to three lines start here; more (bending with a
// profile has five) start higher and take their room from the picture's, so that they end a
// line's gap above the caption and never run into it.
constexpr int Erste_Nachweiszeile = 8900;
constexpr int Nachweisabstand = 400;
constexpr double Nachweisschrift_mm = 3;
constexpr int Bildabstand = 300; // from the picture's foot to the first verdict line
constexpr int Titelabstand = 300; // from the last verdict line's foot to the caption
constexpr int Kleinstes_Bild = 2000; // the picture's least height; beyond that the caption moves down

enum class Art {
    Titel, // caption line (and the buckling formula line): bold, underlined
    Ueberschrift, // section heading: bold, underlined
    Zeile, // label at x1, value in the value column: bold
    Hinweis, // one text at x1: bold
    Nachweis // a verdict line at x1, in the smaller font: bold
};

struct Zeile {
    Art art;
    int y;
    QString text;
    QString wert; // only rows carry a value
};

// The head of a report, as the user filled it in before printing.
struct Kopf {
    QString Projekt, Position, Bearbeiter;
    bool leer() const { return Projekt.isEmpty() && Position.isEmpty() && Bearbeiter.isEmpty(); }
};

// What page 1 carries besides the shared state: the head, and the verdict lines as the dialog
// shows them, "Eigengewicht: …" first.
struct Angaben {
    Kopf kopf;
    QStringList nachweise;
};

// The numbers page 1 prints: the material, the section, the inputs and the results, as the
// calculation read and gave them. Units as the dialogs show them.
struct Werte {
    int fall = 0; // the load case whose label and picture the page carries; 0: none of its dialog
    QString sorte;
    double sigma_b = 0, sigma_zul = 0, E = 0;
    bool mitWerkstoff = true; // false: a pin of an older file, which keeps no material: its rows say so
    double grenzschlankheit = 0; // λ0 of the material
    QString profilart, profilname;
    double W = 0, I = 0, A = 0;
    QString achse; // the axis of W and I of a library profile; empty for a section of its own
    double F = 0, L = 0, a = 0, x = 0;
    double sk_gewuenscht = 0;
    double Werf = 0, Wxerf = 0, fd = 0; // bending
    double Ierf = 0, sigma_k = 0, schlankheit = 0, sk = 0; // buckling
    double Aerf = 0; // shear

    bool operator==(const Werte&) const = default;
};

// The headings of the steps of each calculation, as a dialog's button and a report name them.
inline const QString Teil_W = QStringLiteral("Erforderliches Widerstandsmoment");
inline const QString Teil_f = QStringLiteral("Durchbiegung");
inline const QString Teil_Ierf = QStringLiteral("Erforderliches Trägheitsmoment");
inline const QString Teil_Knicksicherheit = QStringLiteral("Knicksicherheit");
inline const QString Teil_Aerf = QStringLiteral("Erforderliche Querschnittsfläche");

// The part of the steps that holds the verdicts, one step per line ("Nachweis Biegung" and
// its statement); the further pages print it first.
inline const QString Nachweisteil = QStringLiteral("Nachweis");
// The lines of that part, "was: statement", as page 1 prints them.
QStringList Nachweiszeilen(const Rechenweg::Protokoll& protokoll);

struct Inhalt {
    QString bild; // load-case picture in the data directory; empty: none
    QRect bildrechteck = Bildrechteck; // where it goes, above the verdict lines
    std::optional<int> wertspalte; // a value column of its own, else x2
    QList<Zeile> zeilen;
    Kopf kopf; // printed where it is not empty
};

// The steps of the check with partial factors, after those of the classic calculations.
inline const QString Eurocodeteil = QStringLiteral("Nachweis nach DIN EN 1993-1-1 (Teilsicherheitsbeiwerte)");
// The line of a bending report that says which resistance the check with partial factors uses.
inline const QString Elastischer_Widerstand
    = QStringLiteral("Biegewiderstand nach DIN EN 1993-1-1: elastisch, M c,Rd = W el · fy / γM0 (ohne plastische Reserven)");
// The verdict with partial factors with its governing combination and what it did not check:
// "Nachweis nach DIN EN 1993-1-1: η = 0,87 ≤ 1 erfüllt (maßgebend: 1,5·Q Kat. A) –
// Biegedrillknicken nicht untersucht: …", or the line that says why there is none.
QString Eurocodetext(const Eurocode::Urteil& urteil);
// The same as lines of a report: the verdict, then each thing it did not check on a line of its
// own, so that no line grows too long for the page.
QStringList Eurocodezeilen(const Eurocode::Urteil& urteil);
// The verdict lines (the empty ones left out), after the lines `vorweg`, as the first part
// "Nachweis" of the steps that the report prints on its further pages: the paper says what the
// window says. The steps with partial factors move behind the classic ones.
void Protokollieren(Rechenweg::Protokoll& protokoll, Rechenweg::Schritte vorweg, const QStringList& zeilen);
// The line of the verdicts that says whether the self-weight was included: "berücksichtigt
// (g = … N/m)" for a line load g above 0, else "nicht berücksichtigt" ...
Rechenweg::Schritt Eigengewicht(double g);
// ... which the calculations that never include it (buckling, shear) say.
Rechenweg::Schritt OhneEigengewicht();

// The notes of the second bending dialog beside its results: where the endangered section lies
// (cases 9 and 12) and what the deflection shown is; empty where the case has none.
QString Hinweis_W(int fall, const Biegerechnung::Wert& w);
QString Hinweis_f(const Biegerechnung::Aufgabe& a, const Biegerechnung::Wert& f);

// Titel is the dialog's current caption, the other texts its label texts.
Inhalt Biegung1(const QString& Titel, const Werte& werte, const Angaben& angaben = {});
Inhalt Biegung2(
    const QString& Titel, const Werte& werte, const QString& Hinweis_W, const QString& Hinweis_f, const Angaben& angaben = {});
Inhalt Knickung(const QString& Titel, const Werte& werte, const QString& Formel, const Angaben& angaben = {});
Inhalt Scherung(const QString& Titel, const Werte& werte, const Angaben& angaben = {});

} // namespace Berichtsinhalt
