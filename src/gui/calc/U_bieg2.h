#pragma once
// Bending cases 4, 8, 9 and 12, which need a distance a.
#include "gui/calc/Biegedialog.h"
#include "gui/calc/Rechendialog.h"

#include "core/projekt/Projekt.h"
#include "gui/platform/Einmalfenster.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPrintDialog;
class QPushButton;

class TDLG_Biegung2 : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Biegung2(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
    void B_Berechnen_WClick();
    void B_Berechnung_fClick();
    void E_LastChange();
    void E_E_ModulChange();
    void Profil_aussuchenClick();
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
    QLineEdit* E_Abstand;
    QLabel* L_Hinweis_W;
    QLabel* L_Hinweis_f;
    QLabel* Label14; // the x row: Label14, E_x, Label15, L_Wxerf
    QLabel* Label15;
    QFrame* Panel1;
    QFrame* Panel2;
    QFrame* Panel4;
    QPushButton* B_Formel;
    QPushButton* Profil_aussuchen;
    QPushButton* BitBtn1; // "Hilfe"
    QPushButton* B_Drucken;
    QPushButton* B_Verlaeufe;
    QPushButton* HelpBtn; // "Abbrechen", not help: hides the dialog like OK
    QPushButton* OKBtn;
    QPushButton* B_Position;
    QPrintDialog* Drucksetupdlg2 = nullptr;

    QString Programmdir;
    QString Datendir;

private:
    void Aufbauen();
    void Hinweise_Leeren();
    Biegedialog::Laengen Durchbiegungslaengen(int fall) const;
};

namespace U_bieg2 {

extern Plattform::Einmalfenster<TDLG_Biegung2> DLG_Biegung2;

// The notes the dialog shows beside its results (L_Hinweis_W, L_Hinweis_f) and its report
// prints: where the endangered section lies (cases 9 and 12) and what the deflection shown is;
// empty where the case has none.
QString Hinweis_W(int fall, const Biegerechnung::Wert& w);
QString Hinweis_f(const Biegerechnung::Aufgabe& a, const Biegerechnung::Wert& f);

} // namespace U_bieg2
