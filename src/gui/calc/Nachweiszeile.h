#pragma once
// The verdict line of a calculation dialog and the choice of the deflection limit: the text of
// a Nachweis on green ("erfüllt") or red ("nicht erfüllt"), neutral grey otherwise. Beside it
// the verdict of the check with partial factors, and the choice of the load's action it reads.
#include "core/calc/Eurocode.h"
#include "core/calc/Nachweis.h"
#include "core/calc/Rechenweg.h"
#include "core/report/Berichtsinhalt.h"

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

// The texts of the verdicts, which the reports print alike.
using Berichtsinhalt::Eigengewicht;
using Berichtsinhalt::Elastischer_Widerstand;
using Berichtsinhalt::Eurocodeteil;
using Berichtsinhalt::Eurocodetext;
using Berichtsinhalt::OhneEigengewicht;
using Berichtsinhalt::Protokollieren;
// The verdict line with partial factors (Eurocodetext) on green or red; neutral grey where the
// check is not possible.
void Eurocode_Zeigen(QLabel* zeile, const Eurocode::Urteil& urteil);
// The verdict lines shown (the empty ones left out), after the lines `vorweg`, as the first
// part "Nachweis" of the steps that the report prints on its further pages: the paper says
// what the window says.
void Protokollieren(Rechenweg::Protokoll& protokoll, Rechenweg::Schritte vorweg, std::initializer_list<const QLabel*> zeilen);

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
