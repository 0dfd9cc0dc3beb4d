#pragma once
// A cross-section whose values the user types in.
#include <QDialog>

class TDlg_Eigenes_Profil : public QDialog {
    Q_OBJECT
public:
    explicit TDlg_Eigenes_Profil(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
};

namespace U_e_prof {

extern TDlg_Eigenes_Profil* Dlg_Eigenes_Profil;

} // namespace U_e_prof
