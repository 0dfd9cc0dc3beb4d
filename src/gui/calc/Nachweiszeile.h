#pragma once
// The verdict line of a calculation dialog and the choice of the deflection limit: the text of
// a Nachweis on green ("erfüllt") or red ("nicht erfüllt"), neutral grey otherwise.
#include "core/calc/Nachweis.h"
#include "core/calc/Rechenweg.h"

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

// A drop-down list of the limits ("keine", "L/200", … "L/500") showing the remembered one;
// choosing writes Nachweis::Durchbiegungsgrenze.
QComboBox* Grenzenwahl(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe);
// Shows the remembered limit (another window may have changed it) without a change signal.
void Grenzenwahl_Auffrischen(QComboBox* wahl);

} // namespace Nachweiszeile
