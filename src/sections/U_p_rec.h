#pragma once
// Section values of round bar, tube, rectangular bar and rectangular tube from their dimensions.
#include <QDialog>

class TDLG_Profil_Rechnen : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Profil_Rechnen(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
};

namespace U_p_rec {

extern TDLG_Profil_Rechnen* DLG_Profil_Rechnen;

} // namespace U_p_rec
