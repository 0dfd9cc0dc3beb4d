#pragma once
// What the two bending dialogs share: the controls that both have, the deflection panel, the
// entry routine's refresh of inputs and results, the profile check before a deflection is shown
// and the profile selection.
#include "calc/Rechendialog.h"

#include <QList>
#include <QString>
#include <functional>
#include <utility>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace Biegedialog {

struct Felder {
    QLabel* L_Last = nullptr;
    QLineEdit* E_Last = nullptr;
    QLineEdit* E_Laenge = nullptr;
    QLineEdit* E_SigmaZul = nullptr;
    QLineEdit* E_x = nullptr;
    QLabel* L_Werf = nullptr;
    QLabel* L_Wxerf = nullptr;
    QLineEdit* E_E_Modul = nullptr;
    QLineEdit* E_I = nullptr;
    QLabel* L_f = nullptr;
    QLabel* L_L_durch_f = nullptr;
    QPushButton* B_Berechnen_W = nullptr;
    QPushButton* B_Berechnung_f = nullptr;
    QLabel* L_Fehler = nullptr; // why the last calculation failed, under both panels
};

// Values that must be above 0 for a calculation, with the names the failure line gives them.
using Laengen = QList<std::pair<QString, double>>;

// The deflection panel (Panel2) with its heading, E, I, deflection, L/f and its button.
QFrame* Durchbiegungspanel_Bauen(QWidget* dialog, Felder& f, const QString& eModulText, int x, int y, int breite, int hoehe);

// The section-modulus calculation and the deflection under the failure marking: a failure
// frames their result labels and names the cause, with σ (or E and I) as divisors and
// `laengen`, taken once the calculation has failed, as the values that must be above 0.
bool W_Rechnen(const Felder& f, const std::function<Laengen()>& laengen, const std::function<void()>& rechnung);
bool f_Rechnen(const Felder& f, const std::function<Laengen()>& laengen, const std::function<void()>& rechnung);
// Any edit: the marking of a failed calculation goes.
void Markierung_Loeschen(const Felder& f);

// Entry routine: the allowable stress, E and I from the shared state (fixed 7/2).
void Eingaben_Auffrischen(const Felder& f);
// Entry routine: Werf, Wxerf and fd back to 0 and shown as zeros, no failure marked.
void Ergebnisse_Nullen(const Felder& f);
// L_Werf and L_Wxerf from the shared values (fixed 7/2).
void W_Anzeigen(const Felder& f);
// Writes the modulus of the chosen material into E_E_Modul: the one that is used.
void E_Modul_Zeigen(const Felder& f);
// After a deflection: refuses a profile whose W is below |Werf|, else shows fd and L/f. L/f of a
// deflection of 0 throws the division by zero, which the handler's wrapper reports.
void Durchbiegung_Anzeigen(const Felder& f);
// "Profil aussuchen": the profile selection, then the box and E_I from the shared state.
void Profil_Aussuchen(const Rechendialog::Profilbox& box, const Felder& f);

} // namespace Biegedialog
