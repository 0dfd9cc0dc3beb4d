#pragma once
// The required area for shear.
#include <QDialog>

class TDLG_Scherung : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Scherung(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
};

namespace U_scher {

extern TDLG_Scherung* DLG_Scherung;

} // namespace U_scher
