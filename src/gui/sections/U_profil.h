#pragma once
// Cross-section choice: a profile of the library, a computed standard shape or a typed-in section.
// The only output is the chosen section in the shared state (Unit1::W, I, A, Masse, ProfilArt,
// ProfilName); the caller reads it once the dialog has closed.
#include "core/app/Unit1.h"
#include "gui/platform/Einmalfenster.h"

#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace Querschnittsdialog {
class Schnappschuss;
}

class TDLG_Profil : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Profil(QWidget* eltern = nullptr);

    // Opening routine: snapshot, both lists filled, first profile of the first family taken.
    void FormActivate();
    void LB_ProfilartClick();
    void LB_ProfilClick();
    // Shows the list selection in the chosen orientation (and its mass); run after the profile
    // click, which has taken that selection into the shared values.
    void Dlg_Schreiben();
    // Shows the shared values, after the calculator or the typed-in section has closed.
    void Dlg_Schreiben2();
    void B_FormrohrClick();
    void B_VierkantClick();
    void B_RundstahlClick();
    void B_RohrClick();
    void B_Profil_DefinierenClick();
    void OKBtnClick();
    void B_HilfeClick();

    // The beam orientation: across (Wmin, Imin) or optimal (Wmax, Imax). Setting it takes no
    // profile; it is for a caller that wants another start before the dialog opens, whose
    // opening then takes the first profile in it.
    bool Quer() const;
    void Ausrichtung_Setzen(bool quer);

    QFrame* Panel1;
    QFrame* Panel2;
    QFrame* Panel3;
    QLabel* Label7;
    QListWidget* LB_Profilart;
    QListWidget* LB_Profil;
    QGroupBox* GroupBox1;
    QRadioButton* RB_Optimal;
    QRadioButton* RB_Quer;
    QLabel* Label11;
    QLabel* Label9;
    QPushButton* B_Formrohr;
    QPushButton* B_Vierkant;
    QPushButton* B_Rundstahl;
    QPushButton* B_Rohr;
    QPushButton* B_Profil_Definieren;
    QLabel* Label8;
    QLabel* Label5;
    QLabel* L_Profilart;
    QLabel* Label3;
    QLabel* L_Profilname;
    QLabel* Label1;
    QLabel* L_W;
    QLabel* Label10;
    QLabel* L_A;
    QLabel* Label2;
    QLabel* L_I;
    QLabel* Label6;
    QLabel* L_Masse;
    QPushButton* B_Hilfe;
    QPushButton* CancelBtn;
    QPushButton* OKBtn;

private:
    void Listenauswahl_Bauen();
    void Gewaehlt_Bauen();
    QPushButton* Formknopf(const QString& name, Unit1::TAkt_Profil form, int x, int y);
    void Form_Berechnen(Unit1::TAkt_Profil form);
    // Entry (x, y) of Profildat: x the selected family, y the selected profile.
    const Unit1::TProfilrecord& Eintrag() const;

    Querschnittsdialog::Schnappschuss* Alt = nullptr; // Walt, Ialt, Aalt, Masse_alt and the names, for "Abbrechen"
};

namespace U_profil {

extern Plattform::Einmalfenster<TDLG_Profil> DLG_Profil;

// The selection for a dialog that reads the library profile about `achse`: it opens in that
// orientation, and the orientation of a library profile chosen there (OK or the title bar)
// becomes the dialog's; "Abbrechen" and a computed or typed-in section leave `achse` as it was.
void Aussuchen(Unit1::TProfilachse& achse);

} // namespace U_profil
