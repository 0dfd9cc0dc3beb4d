#pragma once
// Bending cases 1, 2, 3, 5, 6, 7, 10, 11 and 13.
#include "gui/calc/Biegedialog.h"
#include "gui/calc/Rechendialog.h"

#include "core/projekt/Projekt.h"
#include "gui/platform/Einmalfenster.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPrintDialog;
class QPushButton;

class TDLG_Biegung1 : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Biegung1(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
    void B_Berechnen_WClick();
    void B_Berechnung_fClick();
    void E_LastChange();
    void E_E_ModulChange();
    void B_Profil_suchenClick();
    void B_FormelClick();
    void BitBtn1Click();
    void B_DruckenClick();
    void B_Passendes_ProfilClick();
    void ChB_EigengewichtClick();
    void B_VerlaeufeClick();
    void OKBtnClick();
    // The inputs as a position, and a position put into the shared state shown and computed
    // (the button "Als Position übernehmen" and the tab "Positionen").
    Projekt::Position Position_Lesen();
    void Position_Zeigen(const Projekt::Position& p);
    // "Neu" on the tab "Positionen": the inputs of a new calculation, no results.
    void Eingaben_Leeren();
    void HelpBtnClick();

    QLabel* Image1;
    Rechendialog::Profilbox Profil;
    Biegedialog::Felder Felder;
    Rechendialog::Rechenstand Stand {&Unit1::Biegeachse};
    QLabel* L_Sigma_Zul;
    QFrame* Panel1;
    QFrame* Panel2;
    QFrame* Panel4;
    QPushButton* B_Formel;
    QPushButton* B_Profil_suchen;
    QPushButton* B_Drucken;
    QPushButton* B_Verlaeufe;
    QPushButton* BitBtn1; // "Hilfe"
    QPushButton* HelpBtn; // "Abbrechen", not help: hides the dialog like OK
    QPushButton* OKBtn;
    QPushButton* B_Position;
    QPrintDialog* Drucksetupdlg = nullptr;

    QString Programmdir;
    QString Datendir;

private:
    void Aufbauen();
};

namespace U_bieg1 {

extern Plattform::Einmalfenster<TDLG_Biegung1> DLG_Biegung1;

} // namespace U_bieg1
