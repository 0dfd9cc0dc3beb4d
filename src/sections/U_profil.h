#pragma once
// Cross-section choice: a profile of the library, a computed standard shape or a typed-in section.
#include <QDialog>

class TDLG_Profil : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Profil(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
};

namespace U_profil {

extern TDLG_Profil* DLG_Profil;

} // namespace U_profil
