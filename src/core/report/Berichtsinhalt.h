#pragma once
// What the four calculation reports print on page 1 below the title block, as plain data:
// every line with its y, its style and its texts, taken from the shared calculation state, the
// verdicts the dialog shows and the head of the report. The printing code only draws these
// lines; the rules about which rows appear live here.
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

// Titel is the dialog's current caption, the other texts its label texts.
Inhalt Biegung1(const QString& Titel, const Angaben& angaben = {});
Inhalt Biegung2(const QString& Titel, const QString& Hinweis_W, const QString& Hinweis_f, const Angaben& angaben = {});
Inhalt Knickung(const QString& Titel, const QString& Formel, const Angaben& angaben = {});
Inhalt Scherung(const QString& Titel, const Angaben& angaben = {});

} // namespace Berichtsinhalt
