#pragma once
// The verdict line of a calculation dialog and the choice of the deflection limit: the text of
// a Nachweis on green ("erfüllt") or red ("nicht erfüllt"), neutral grey otherwise. Beside it
// the verdict of the check with partial factors, and the choice of the load's action it reads.
#include "core/calc/Eurocode.h"
#include "core/calc/Nachweis.h"
#include "core/calc/Rechenweg.h"

#include <functional>
#include <initializer_list>

#include <QColor>
#include <QStringList>

class QComboBox;
class QLabel;
class QWidget;

namespace Nachweiszeile {

inline const QColor Gruen(0x00, 0xFF, 0x00);
inline const QColor Neutral(0xC0, 0xC0, 0xC0);

QLabel* Bauen(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe);
void Zeigen(QLabel* zeile, const Nachweis::Urteil& urteil);
// No verdict (no result to judge).
void Leeren(QLabel* zeile);
// A line that asks for a check the program does not make (a support that lifts off needs its
// anchorage checked), on yellow; an empty text leaves the line empty.
inline const QColor Warnfarbe(0xFF, 0xD8, 0x40);
void Hinweis_Zeigen(QLabel* zeile, const QString& text);

// The verdict with partial factors with its governing combination:
// "Nachweis nach DIN EN 1993-1-1: η = 0,87 ≤ 1 erfüllt (maßgebend: 1,5·Q Kat. A)", or the line
// that says why there is none.
QString Eurocodetext(const Eurocode::Urteil& urteil);
// That line on green or red; neutral grey where the check is not possible.
void Eurocode_Zeigen(QLabel* zeile, const Eurocode::Urteil& urteil);
// The line of a bending report that says which resistance the check with partial factors uses.
inline const QString Elastischer_Widerstand
    = QStringLiteral("Biegewiderstand nach DIN EN 1993-1-1: elastisch, M c,Rd = W el · fy / γM0 (ohne plastische Reserven)");
// The heading of the steps of that check, after those of the classic calculations.
inline const QString Eurocodeteil = QStringLiteral("Nachweis nach DIN EN 1993-1-1 (Teilsicherheitsbeiwerte)");

// The verdict lines shown (the empty ones left out), after the lines `vorweg`, as the first
// part "Nachweis" of the steps that the report prints on its further pages: the paper says
// what the window says.
void Protokollieren(Rechenweg::Protokoll& protokoll, Rechenweg::Schritte vorweg, std::initializer_list<const QLabel*> zeilen);
// The same from the texts of the lines, as a report of a stored position has them.
void Protokollieren(Rechenweg::Protokoll& protokoll, Rechenweg::Schritte vorweg, const QStringList& zeilen);
// The line of the verdicts that says whether the self-weight was included: "berücksichtigt
// (g = … N/m)" for a line load g above 0, else "nicht berücksichtigt" ...
Rechenweg::Schritt Eigengewicht(double g);
// ... which the calculations that never include it (buckling, shear) say.
Rechenweg::Schritt OhneEigengewicht();

// The choice of the action of the one load of a classic dialog: "ständig (G)" or
// "veränderlich (Q)", and for Q the category (the entries of U_Einwirkungen::Kategorien by their
// description). Choosing writes Unit1::Last_Staendig and Unit1::Last_Kategorie and calls
// `geaendert`.
struct Einwirkungswahl {
    QComboBox* CB_Einwirkung = nullptr;
    QComboBox* CB_Kategorie = nullptr;
};
Einwirkungswahl Einwirkungswahl_Bauen(QWidget* eltern, int x, int y, int breite, const std::function<void()>& geaendert);
// Shows the action of the shared state (another window or a position may have changed it)
// without a change signal; true when it differs from what was shown.
bool Einwirkungswahl_Auffrischen(const Einwirkungswahl& wahl);

// A drop-down list of the limits ("keine", "L/200", … "L/500") showing the remembered one;
// choosing writes Nachweis::Durchbiegungsgrenze.
QComboBox* Grenzenwahl(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe);
// Shows the remembered limit (another window may have changed it) without a change signal.
void Grenzenwahl_Auffrischen(QComboBox* wahl);

} // namespace Nachweiszeile
