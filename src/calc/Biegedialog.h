#pragma once
// What the two bending dialogs share: the controls that both have, the deflection panel, the
// entry routine's refresh of inputs and results, the profile check before a deflection is shown
// and the profile selection; the self-weight switch, the verdicts and the profile finder.
#include "calc/Biegerechnung.h"
#include "calc/Rechendialog.h"
#include "report/Zusatzseiten.h"

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
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
    // Self-weight, deflection limit, verdicts and the profile finder.
    QCheckBox* ChB_Eigengewicht = nullptr;
    QLabel* L_Eigengewicht = nullptr;
    QComboBox* CB_Grenze = nullptr;
    QLabel* L_Nachweis_W = nullptr;
    QLabel* L_Nachweis_f = nullptr;
    QPushButton* B_Passendes_Profil = nullptr;
};

// The bending dialogs are taller than the other calculation dialogs by the strip of verdicts.
inline constexpr int Hoehe = 619 + 108;

// The deflection panel (Panel2) with its heading, E, I, deflection, L/f and its button.
QFrame* Durchbiegungspanel_Bauen(QWidget* dialog, Felder& f, const QString& eModulText, int x, int y, int breite, int hoehe);

// The strip under both panels (Panel4): the self-weight check box with its line load and the
// verdict lines of bending and deflection.
QFrame* Nachweispanel_Bauen(QWidget* dialog, Felder& f, int x, int y, int breite);

// Entry routine: the allowable stress, E and I from the shared state (fixed 7/2).
void Eingaben_Auffrischen(const Felder& f);
// Entry routine and after a profile change: the self-weight of the chosen profile; the box is
// disabled (and off) while no profile with a mass is chosen.
void Eigengewicht_Auffrischen(const Felder& f);
// The self-weight box is on (and usable).
bool mitEigengewicht(const Felder& f);
// The calculation of `fall` as the shared state and the self-weight box give it.
Biegerechnung::Aufgabe Aufgabe(const Felder& f, int fall);

// Entry routine: Werf, Wxerf and fd back to 0 and shown as zeros.
void Ergebnisse_Nullen(const Felder& f);
// L_Werf and L_Wxerf from the shared values (fixed 7/2).
void W_Anzeigen(const Felder& f);
// After a section-modulus calculation: the bending verdict; the finder can start.
void W_Nachweis_Zeigen(const Felder& f);
// A changed input: no verdicts, no finder until W erf. is computed again.
void Nachweise_Leeren(const Felder& f);
void f_Nachweis_Leeren(const Felder& f);
// Writes the modulus of the chosen material into E_E_Modul: the one that is used.
void E_Modul_Zeigen(const Felder& f);
// After a deflection: refuses a profile whose W is below Werf, else shows fd and L/f. L/f of a
// deflection of 0 throws the division by zero, which the handler's wrapper reports.
void Durchbiegung_Anzeigen(const Felder& f);
// The two calculations of a bending dialog, as the steps are headed in the "Rechenweg".
inline const QString Teil_W = QStringLiteral("Erforderliches Widerstandsmoment");
inline const QString Teil_f = QStringLiteral("Durchbiegung");
// Runs a calculation with the beep guard (Rechendialog::mitPiep) while its formulas record
// their steps, and hands steps and inputs to the "Verläufe" window. Returns false when it failed.
// With the self-weight switched on, the diagrams show the lines of load and weight together.
bool mitRechenweg(QWidget* dialog, const Felder& f, const QString& teil, const std::function<void()>& rechnung);

// "Profil aussuchen": the profile selection, then the box and E_I from the shared state.
void Profil_Aussuchen(const Rechendialog::Profilbox& box, const Felder& f);
// Before a report: asks for the head of its further pages; those pages (the diagrams and steps of
// the last calculation, then whether it included the self-weight and the verdicts shown), or none
// when the user cancelled.
std::optional<Zusatzseiten::Inhalt> Berichtsseiten(const Felder& f, QWidget* dialog);

// "Passendes Profil": the finder for the last W erf. of `fall`; a profile taken there becomes
// the chosen one, the box shows it and `neuRechnen` computes the results for it.
void Passendes_Profil(const Rechendialog::Profilbox& box, const Felder& f, int fall, const std::function<void()>& neuRechnen);

} // namespace Biegedialog
