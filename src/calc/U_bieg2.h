#pragma once
// Bending cases 4, 8, 9 and 12, which need a distance a.
#include <QDialog>

class TDLG_Biegung2 : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Biegung2(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
};

namespace U_bieg2 {

extern TDLG_Biegung2* DLG_Biegung2;

} // namespace U_bieg2
