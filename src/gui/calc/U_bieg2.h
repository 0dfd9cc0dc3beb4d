#pragma once
// Bending cases 4, 8, 9 and 12, which need a distance a.
#include "gui/calc/Biegedialog.h"
#include "gui/platform/Einmalfenster.h"

class QLabel;
class QPrintDialog;
class QPushButton;

class TDLG_Biegung2 : public TBiegedialog {
    Q_OBJECT
public:
    explicit TDLG_Biegung2(QWidget* eltern = nullptr);

    void FormActivate() override;
    void B_Berechnen_WClick() override;
    void B_Berechnung_fClick() override;
    void E_LastChange() override;
    void E_E_ModulChange() override;
    void Profil_aussuchenClick();
    void B_DruckenClick() override;
    Projekt::Position Position_Lesen() override;

    QLabel* L_Hinweis_W = nullptr;
    QLabel* L_Hinweis_f = nullptr;
    QLabel* Label14 = nullptr; // the x row: Label14, E_x, Label15, L_Wxerf
    QLabel* Label15 = nullptr;
    QPushButton* Profil_aussuchen = nullptr;
    QPrintDialog* Drucksetupdlg2 = nullptr;

private:
    void Aufbauen();
    void Hinweise_Leeren();
    Biegedialog::Laengen Durchbiegungslaengen(int fall) const;
};

namespace U_bieg2 {

extern Plattform::Einmalfenster<TDLG_Biegung2> DLG_Biegung2;

} // namespace U_bieg2
