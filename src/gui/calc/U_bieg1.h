#pragma once
// Bending cases 1, 2, 3, 5, 6, 7, 10, 11 and 13.
#include "gui/calc/Biegedialog.h"
#include "gui/platform/Einmalfenster.h"

class QLabel;
class QPrintDialog;
class QPushButton;

class TDLG_Biegung1 : public TBiegedialog {
    Q_OBJECT
public:
    explicit TDLG_Biegung1(QWidget* eltern = nullptr);

    void FormActivate() override;
    void B_Berechnen_WClick() override;
    void B_Berechnung_fClick() override;
    void E_LastChange() override;
    void E_E_ModulChange() override;
    void B_Profil_suchenClick();
    void B_DruckenClick() override;
    Projekt::Position Position_Lesen() override;

    QLabel* L_Sigma_Zul = nullptr;
    QPushButton* B_Profil_suchen = nullptr;
    QPrintDialog* Drucksetupdlg = nullptr;

private:
    void Aufbauen();
};

namespace U_bieg1 {

extern Plattform::Einmalfenster<TDLG_Biegung1> DLG_Biegung1;

} // namespace U_bieg1
