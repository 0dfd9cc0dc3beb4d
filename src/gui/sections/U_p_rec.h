#pragma once
// Section values of round bar, tube, rectangular bar and rectangular tube from their dimensions.
// Opened by the profile selection after it has set Unit1::Akt_Profil; every successful
// calculation writes the section into the shared state at once, "Abbrechen" puts back what was
// there when the dialog opened.

#include "gui/platform/Einmalfenster.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace Querschnittsdialog {
class Schnappschuss;
}

class TDLG_Profil_Rechnen : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Profil_Rechnen(QWidget* eltern = nullptr);

    // Opening routine: snapshot, inputs and picture for Akt_Profil.
    void FormActivate();
    void B_BerechnenClick();
    void OKBtnClick();
    void HelpBtnClick();

    QFrame* Panel4;
    QLabel* L_E1;
    QLineEdit* E_E1;
    QLabel* L_E2;
    QLineEdit* E_E2;
    QLabel* L_E3;
    QLineEdit* E_E3;
    QLabel* Bild;
    QFrame* Panel3;
    QLabel* L_W;
    QLabel* L_Waus;
    QLabel* L_I;
    QLabel* L_Iaus;
    QLabel* L_A;
    QLabel* L_Aaus;
    QLabel* Label2;
    QLabel* L_Masse;
    QToolButton* B_Berechnen;
    QPlainTextEdit* Memo1; // a fixed note on unsymmetric profiles, not the loaders' Unit1::Memo
    QPushButton* HelpBtn;
    QPushButton* CancelBtn;
    QPushButton* OKBtn;

private:
    void Eingaben_Bauen();
    void Ergebnisse_Bauen();
    void Eingaben_Einrichten();
    void Bild_Laden();
    // Steps of one calculation; a failure leaves by exception.
    void Berechnen();

    // Dimensions of the last calculation [cm].
    double D = 0;
    double H = 0;
    double B = 0;
    double s = 0;
    Querschnittsdialog::Schnappschuss* Alt = nullptr; // Walt, Ialt, Aalt, Masse_alt and the names, for "Abbrechen"
};

namespace U_p_rec {

extern Plattform::Einmalfenster<TDLG_Profil_Rechnen> DLG_Profil_Rechnen;

} // namespace U_p_rec
