#pragma once
// What the two bending dialogs share: the controls that both have, the deflection panel, the
// entry routine's refresh of inputs and results, the profile check before a deflection is shown
// and the profile selection.
#include "calc/Rechendialog.h"

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
};

// The deflection panel (Panel2) with its heading, E, I, deflection, L/f and its button.
QFrame* Durchbiegungspanel_Bauen(QWidget* dialog, Felder& f, const QString& eModulText, int x, int y, int breite, int hoehe);

// Entry routine: the allowable stress, E and I from the shared state (fixed 7/2).
void Eingaben_Auffrischen(const Felder& f);
// Entry routine: Werf, Wxerf and fd back to 0 and shown as zeros.
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
