#pragma once
// The calculation written out step by step: each step is what is computed, its formula, the
// formula with the user's numbers and units, and the result. The steps are recorded by the
// formulas themselves while a dialog computes (one source of the numbers): a dialog opens a
// recording around its calculation, and every formula that runs inside it notes its step.
// Outside a recording the formulas note nothing.
#include <QList>
#include <QString>
#include <functional>

namespace Rechenweg {

// A symbol of a formula (one character, or a name such as σzul) with its value and unit. The
// number is written only when a step is noted, so that formulas cost nothing extra outside a
// recording.
struct Groesse {
    QString symbol;
    double zahl = 0;
    QString einheit;
};
using Groessen = QList<Groesse>;

// The arithmetic behind a step's printed numbers, so that the step can be checked by
// recomputing it: an expression in the symbols of its values (the formula's right side, or the
// sum a worded formula describes) and the result it gave.
struct Rechnung {
    QString ausdruck; // e.g. "q · L² / 8"; empty for a plain statement
    Groessen werte;
    double ergebnis = 0;
};

struct Schritt {
    QString was; // e.g. "Größtes Biegemoment"
    QString formel; // e.g. "M max = q · L² / 8"
    QString eingesetzt; // e.g. "= 2,5 N/mm · (3000 mm)² / 8"; empty for a plain statement
    QString ergebnis; // e.g. "2812500 N·mm"
    Rechnung rechnung {}; // none for a plain statement
};

using Schritte = QList<Schritt>;

// The steps of the last calculation of a dialog, one part per calculation button.
struct Protokoll {
    QString titel; // the dialog's caption at the time of the calculation
    QList<QPair<QString, Schritte>> teile; // heading of the part, its steps

    // Replaces (or appends) the part with this heading.
    void setzen(const QString& ueberschrift, const Schritte& schritte);
    bool leer() const { return teile.isEmpty(); }
    // Plain text for copying and printing, one step per line block.
    QString text() const;
};

// Records every step noted while it lives; recordings do not nest.
void notieren(const Schritt& schritt);

class Aufzeichnung {
public:
    Aufzeichnung();
    ~Aufzeichnung();
    Aufzeichnung(const Aufzeichnung&) = delete;
    Aufzeichnung& operator=(const Aufzeichnung&) = delete;
    const Schritte& schritte() const { return m_schritte; }

private:
    friend void notieren(const Schritt& schritt);
    Schritte m_schritte;
    Aufzeichnung* m_vorher;
};

bool aktiv();

// Runs a calculation in a recording of its own and returns its steps, so that a result record
// can carry them; a recording in progress around it gets the same steps. An exception passes
// on after the steps noted so far have been handed on.
Schritte aufzeichnen(const std::function<void()>& rechnung);
// Notes a step in the recording in progress.
void notieren(const QString& was, const QString& formel, const QString& eingesetzt, const QString& ergebnis);
// Notes a step whose formula is worded, with the arithmetic it prints; the result is printed
// with its unit.
void notieren(
    const QString& was, const QString& formel, const QString& eingesetzt, const Rechnung& rechnung, const QString& einheit);
void notieren(const Schritt& schritt);

// A number as the steps show it: up to 7 significant digits, the locale's separator; from
// 10⁷ to 10¹⁵ as a whole number rounded to those digits, not in exponent form.
QString zahl(double wert);
// "<zahl> <einheit>".
QString wert(double wert, const QString& einheit);

// The formula with each symbol replaced by its value and unit. A value followed by a power sign
// (², ³, ⁴) or starting with a minus sign is put in brackets.
QString einsetzen(const QString& formel, const Groessen& werte);

// Notes "was: formel = formel with numbers = ergebnis einheit" while a recording is in progress;
// the right side of the formula (after its first " = ") gets the numbers.
void schritt(const QString& was, const QString& formel, const Groessen& werte, double ergebnis, const QString& einheit);

} // namespace Rechenweg
