#pragma once
// A cross-section whose values the user types in: family, name, W [cm³], I [cm⁴], A [mm²], with
// the mass per metre from the area and the current material.

#include "gui/platform/Einmalfenster.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Querschnittsdialog {
class Schnappschuss;
}

class TDlg_Eigenes_Profil : public QDialog {
    Q_OBJECT
public:
    explicit TDlg_Eigenes_Profil(QWidget* eltern = nullptr);

    // Opening routine: the snapshot for "Abbrechen". The fields keep the texts of the last use.
    void FormActivate();
    void B_BerechnenClick();
    void OKBtnClick();
    void B_HilfeClick();

    QFrame* Panel1;
    QLabel* Label3;
    QLineEdit* E_Profilart;
    QLabel* Label1;
    QLineEdit* E_Profilname;
    QLabel* L_W;
    QLineEdit* E_W;
    QLabel* L_I;
    QLineEdit* E_I;
    QLabel* L_A;
    QLineEdit* E_A;
    QLabel* Label2;
    QLabel* L_Masse;
    QPushButton* B_Berechnen;
    QPushButton* B_Hilfe;
    QPushButton* CancelBtn;
    QPushButton* OKBtn;

private:
    // Area and mass are taken together, so that the shared mass always belongs to the shared area.
    void Flaeche_Uebernehmen();

    Querschnittsdialog::Schnappschuss* Alt = nullptr; // Walt, Ialt, Aalt, Masse_alt and the names, for "Abbrechen"
};

namespace U_e_prof {

extern Plattform::Einmalfenster<TDlg_Eigenes_Profil> Dlg_Eigenes_Profil;

} // namespace U_e_prof
