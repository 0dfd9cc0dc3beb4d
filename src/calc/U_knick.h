#pragma once
// The four Euler buckling cases with Tetmajer's line.
#include <QDialog>

class TDLG_Knickung : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Knickung(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
};

namespace U_knick {

extern TDLG_Knickung* DLG_Knickung;

} // namespace U_knick
