#pragma once
// Bending cases 1, 2, 3, 5, 6, 7, 10, 11 and 13.
#include <QDialog>

class TDLG_Biegung1 : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Biegung1(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
};

namespace U_bieg1 {

extern TDLG_Biegung1* DLG_Biegung1;

} // namespace U_bieg1
