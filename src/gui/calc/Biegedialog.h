#pragma once
// What the two bending dialogs share: the controls that both have, the deflection panel, the
// entry routine's refresh of inputs and results, the profile check before a deflection is shown
// and the profile selection; the self-weight switch, the verdicts and the profile finder.
#include "core/calc/Biegerechnung.h"
#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Projekt.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/calc/Rechendialog.h"
#include "gui/report/Zusatzseiten.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPrintDialog;
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
    // The load's action and the verdict with partial factors it reads.
    Nachweiszeile::Einwirkungswahl einwirkung;
    QLabel* L_Eurocode = nullptr;
    QPushButton* B_Passendes_Profil = nullptr;
    QLabel* L_Fehler = nullptr; // why the last calculation failed, under both panels
    Rechendialog::Rechenstand* stand = nullptr; // the dialog's: taken after each calculation
    Positionsrechnung::Bericht* rechnung = nullptr; // the dialog's record of its last calculations
};

// The bending dialogs are taller than the other calculation dialogs by the strip of verdicts.
inline constexpr int Nachweishoehe = 178;
inline constexpr int Hoehe = 619 + 8 + Nachweishoehe;

// Values that must be above 0 for a calculation, with the names the failure line gives them.
using Laengen = QList<std::pair<QString, double>>;

// The deflection panel (Panel2) with its heading, E, I, deflection, L/f and its button.
QFrame* Durchbiegungspanel_Bauen(QWidget* dialog, Felder& f, const QString& eModulText, int x, int y, int breite, int hoehe);

// The strip under the failure line (Panel4): the self-weight check box with its line load, the
// load's action, the verdict lines of bending and deflection and that with partial factors.
QFrame* Nachweispanel_Bauen(QWidget* dialog, Felder& f, int x, int y, int breite);

// The two calculations of a bending dialog, as the steps are headed in the "Rechenweg".
using Berichtsinhalt::Teil_f;
using Berichtsinhalt::Teil_W;
// The section-modulus calculation and the deflection under the failure marking: a failure
// frames their result labels and names the cause, with σ (or E and I) as divisors and
// `laengen`, taken once the calculation has failed, as the values that must be above 0. Their
// formulas record their steps meanwhile, which go with the inputs to the "Verläufe" window.
// Return false when the calculation failed.
bool W_Rechnen(QWidget* dialog, const Felder& f, const std::function<Laengen()>& laengen, const std::function<void()>& rechnung);
bool f_Rechnen(QWidget* dialog, const Felder& f, const std::function<Laengen()>& laengen, const std::function<void()>& rechnung);
// Any edit: the marking of a failed calculation goes.
void Markierung_Loeschen(const Felder& f);

// Entry routine: the allowable stress, E and I from the shared state (fixed 7/2).
void Eingaben_Auffrischen(const Felder& f);
// Entry routine and after a profile change: the self-weight of the chosen profile; the box is
// disabled (and off) while no profile with a mass is chosen.
void Eigengewicht_Auffrischen(const Felder& f);
// The self-weight box is on (and usable).
bool mitEigengewicht(const Felder& f);
// The dialog's inputs of a position; the moment of inertia comes apart (see below).
struct Eingaben {
    double F = 0, L = 0, a = 0, x = 0, sigma_zul = 0;
};
// The position of `fall` with these inputs, the chosen material and profile, the self-weight box,
// the deflection limit and the load's action.
Projekt::Position Position_Bauen(const Felder& f, int fall, const Eingaben& e);
// The position a calculation of `fall` computes: the inputs as the calculation last read them
// into the shared state, with I as the deflection last read it from E_I (with or without a
// profile).
Projekt::Position Aufgabe(const Felder& f, int fall);

// Entry routine, where what the last calculation read has changed: Werf, Wxerf and fd back to 0
// and shown as zeros, no failure marked, no verdicts, no finder, no diagrams of this dialog.
void Ergebnisse_Nullen(QWidget* dialog, const Felder& f);
// L_Werf and L_Wxerf from the shared values (fixed 7/2).
void W_Anzeigen(const Felder& f);
// After a section-modulus calculation: the bending verdicts of the record, classic and with
// partial factors (computed here; its steps follow the classic ones); the finder can start.
void W_Nachweis_Zeigen(QWidget* dialog, const Felder& f);
// A changed input: no verdicts, no finder until W erf. is computed again.
void Nachweise_Leeren(const Felder& f);
void f_Nachweis_Leeren(const Felder& f);
// A changed E or I: the deflection and L/f shown as 0, its verdict and failure marks cleared.
void Durchbiegung_Leeren(const Felder& f);
// Writes the modulus of the chosen material into E_E_Modul: the one that is used.
void E_Modul_Zeigen(const Felder& f);
// After a deflection: refuses a profile whose W is below |Werf|, else shows fd, L/f and the
// verdict of the record. L/f of a deflection of 0 throws the division by zero, which the
// handler's wrapper reports.
void Durchbiegung_Anzeigen(const Felder& f);
// "Profil aussuchen": the profile selection, then the box and E_I from the shared state. Unless
// it is the profile of the last calculation, the deflection and the verdicts go; W erf. stays
// unless it includes the self-weight.
void Profil_Aussuchen(const Rechendialog::Profilbox& box, const Felder& f);
// Before a report: asks for the head of its further pages; those pages (the diagrams and steps of
// the last calculation, then whether it included the self-weight and the verdicts shown), or none
// when the user cancelled.
std::optional<Zusatzseiten::Inhalt> Berichtsseiten(const Felder& f, QWidget* dialog);
// The numbers of page 1 of the report: the record's, with the material and section chosen.
Berichtsinhalt::Werte Seitenwerte(const Felder& f);

// The dialog's inputs as a position of `fall` (the distance a from `E_Abstand` where the dialog
// has one, x where the case reads it), with the shared material and profile and the moment of
// inertia typed in E_I.
Projekt::Position Position_Lesen(const Felder& f, int fall, bool mitX, QLineEdit* E_Abstand = nullptr);
// The inputs of a new calculation: load, length, x and a (where the dialog has it) 0, no
// self-weight; σzul and the profile stay as chosen.
void Eingaben_Leeren(const Felder& f, QLineEdit* E_Abstand = nullptr);
// A position put into the shared state, in the fields of a dialog just set up for it.
void Position_Eintragen(const Felder& f, const Projekt::Position& p, QLineEdit* E_Abstand = nullptr);

// "Passendes Profil": the finder for the last W erf. of `fall`; a profile taken there becomes
// the chosen one, the box shows it and `neuRechnen` computes the results for it.
void Passendes_Profil(const Rechendialog::Profilbox& box, const Felder& f, int fall, const std::function<void()>& neuRechnen);

} // namespace Biegedialog

// What the two bending dialogs have alike: the controls and handlers of the same names, the
// record and the state of their last calculations, and the handlers that do the same in both.
// Each dialog builds its own panels, computes its own cases and prints its own report.
class TBiegedialog : public QDialog {
    Q_OBJECT
public:
    // Set-up routine, run each time the window becomes active.
    virtual void FormActivate() = 0;
    virtual void B_Berechnen_WClick() = 0;
    virtual void B_Berechnung_fClick() = 0;
    virtual void E_LastChange() = 0;
    virtual void E_E_ModulChange() = 0;
    virtual void B_DruckenClick() = 0;
    void B_FormelClick();
    void BitBtn1Click();
    void B_Passendes_ProfilClick();
    void ChB_EigengewichtClick();
    void B_VerlaeufeClick();
    void OKBtnClick();
    void HelpBtnClick(); // "Abbrechen", not help: hides the dialog like OK
    // The inputs as a position, and a position put into the shared state shown and computed
    // (the button "Als Position übernehmen" and the tab "Positionen").
    virtual Projekt::Position Position_Lesen() = 0;
    void Position_Zeigen(const Projekt::Position& p);
    // "Neu" on the tab "Positionen": the inputs of a new calculation, no results.
    void Eingaben_Leeren();

    QLabel* Image1 = nullptr;
    Rechendialog::Profilbox Profil;
    Biegedialog::Felder Felder;
    Positionsrechnung::Bericht Rechnung; // the record of the last calculations, which the report prints
    Rechendialog::Rechenstand Stand {&Unit1::Biegeachse};
    QLineEdit* E_Abstand = nullptr; // the distance a: the second dialog's only
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel4 = nullptr;
    QPushButton* B_Formel = nullptr;
    QPushButton* B_Drucken = nullptr;
    QPushButton* B_Verlaeufe = nullptr;
    QPushButton* BitBtn1 = nullptr; // "Hilfe"
    QPushButton* HelpBtn = nullptr; // "Abbrechen"
    QPushButton* OKBtn = nullptr;
    QPushButton* B_Position = nullptr;

    QString Programmdir;
    QString Datendir;

protected:
    TBiegedialog(QWidget* eltern, Lastfaelle::Dialog dialog);
    // The case of the shared number when this dialog serves it.
    const Lastfaelle::Lastfall* eigenerFall() const;
    // Once the controls are built: the handlers of those both dialogs have (`eingaben`: the
    // fields whose change clears the results) and the position button.
    void Verbinden(const QList<QLineEdit*>& eingaben);

private:
    Lastfaelle::Dialog m_dialog;
};
