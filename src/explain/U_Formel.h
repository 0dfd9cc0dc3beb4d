#pragma once
// The formula and units pictures of a load case.
#include <QDialog>

class TDLG_Formel : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Formel(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
};

namespace U_Formel {

extern TDLG_Formel* DLG_Formel;

// Every "Formel ansehen" button: Formelindex := index, then the viewer modally.
void Formel_Zeigen(int index);

} // namespace U_Formel
