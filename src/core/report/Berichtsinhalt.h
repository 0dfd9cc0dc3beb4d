#pragma once
// What the four calculation reports print below the title block, as plain data: every line
// with its y, its style and its texts, taken from the shared calculation state. The printing
// code only draws these lines; the rules about which rows appear live here.
#include <QList>
#include <QRect>
#include <QString>
#include <optional>

namespace Berichtsinhalt {

// Layout in 0.01 mm from the top-left corner of the printable area.
constexpr int x1 = 1400; // label column
constexpr int x2 = 6000; // value column of the bending and shear reports
constexpr int x2_Knickung = 6500; // the buckling report's own value column
constexpr int Erste_Zeile = 10500;
constexpr int Zeilenabstand = 500;
constexpr int Abschnittsabstand = 1000; // before a heading and from a heading to its first row
constexpr QRect Bildrechteck {7500, 5000, 5000, 4000}; // 50 mm × 40 mm
// Where a picture of `groesse` goes: as large as fits the rectangle with its proportions kept,
// centred in it. The sketches are 2:1 (beams) and 1:2 (columns); stretched to 5:4 they would
// print squashed.
QRect Bildflaeche(const QSize& groesse);
constexpr double Schrift_mm = 4; // size of everything below the title block

enum class Art {
    Titel, // caption line (and the buckling formula line): bold, underlined
    Ueberschrift, // section heading: bold, underlined
    Zeile, // label at x1, value in the value column: bold
    Hinweis // one text at x1: bold
};

struct Zeile {
    Art art;
    int y;
    QString text;
    QString wert; // only rows carry a value
};

struct Inhalt {
    QString bild; // load-case picture in the data directory; empty: none
    std::optional<int> wertspalte; // a value column of its own, else x2
    QList<Zeile> zeilen;
};

// Titel is the dialog's current caption, the other texts its label texts.
Inhalt Biegung1(const QString& Titel);
Inhalt Biegung2(const QString& Titel, const QString& Hinweis_W, const QString& Hinweis_f);
Inhalt Knickung(const QString& Titel, const QString& Formel);
Inhalt Scherung(const QString& Titel);

} // namespace Berichtsinhalt
