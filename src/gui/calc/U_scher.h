#pragma once
// The required area for shear.
#include "gui/calc/Rechendialog.h"

#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Projekt.h"
#include "gui/platform/Einmalfenster.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPrintDialog;
class QPushButton;

class TDLG_Scherung : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Scherung(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
    void B_Berechnung_FlaecheClick();
    void E_LastChange();
    void B_Profil_suchenClick();
    void B_FormelClick();
    void BitBtn1Click();
    void B_DruckenClick();
    void B_RechenwegClick();
    void OKBtnClick();
    // The inputs as a position, and a position put into the shared state shown and computed
    // (the button "Als Position übernehmen" and the tab "Positionen").
    Projekt::Position Position_Lesen();
    void Position_Zeigen(const Projekt::Position& p);
    // "Neu" on the tab "Positionen": the inputs of a new calculation, no results.
    void Eingaben_Leeren();
    void HelpBtnClick();

    QLabel* Image1;
    Rechendialog::Profilbox Profil; // L_Sorte, L_Profilart, L_Profil, L_Waus, L_Iaus, L_Aaus, L_Maus
    QPushButton* B_Profil_suchen;
    QFrame* Panel1;
    QLabel* L_Last;
    QLineEdit* E_Last;
    QLineEdit* E_SigmaZul;
    QLabel* L_Aerf;
    QLabel* L_Nachweis_A;
    QLabel* L_Fehler; // why the last calculation failed
    QPushButton* B_Berechnung_Flaeche;
    QPushButton* B_Formel;
    QPushButton* BitBtn1; // "Hilfe"
    QPushButton* B_Drucken;
    QPushButton* B_Rechenweg;
    QPushButton* HelpBtn; // "Abbrechen", not help: hides the dialog like OK
    QPushButton* OKBtn;
    QPushButton* B_Position;
    QPrintDialog* Drucksetupdlg4 = nullptr;
    Rechendialog::Rechenstand Stand; // reads no W or I, so no axis
    Positionsrechnung::Bericht Rechnung; // the record of the last calculation, which the report prints

    QString Programmdir;
    QString Datendir;

private:
    void Aufbauen();
    void Nachweis_Zeigen();
    // The position of these inputs with the chosen material and profile.
    Projekt::Position Position_Bauen(double last, double sigmaZul) const;
};

namespace U_scher {

extern Plattform::Einmalfenster<TDLG_Scherung> DLG_Scherung;

} // namespace U_scher
