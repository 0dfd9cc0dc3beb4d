#pragma once
// The formula and units pictures of a load case.
#include "core/explain/Formeltafel.h"
#include "gui/platform/Einmalfenster.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TDLG_Formel : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Formel(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active: title and pictures of
    // Main::Formelindex; an index outside the table leaves everything as it was.
    void FormActivate();
    void B_AbbruchClick();

    QWidget* W_Flaeche; // the controls at their places, scrolled in a smaller window
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QPushButton* B_Abbruch;
};

namespace U_Formel {

extern Plattform::Einmalfenster<TDLG_Formel> DLG_Formel;

// Every "Formel ansehen" button: Formelindex := index, then the viewer modally.
void Formel_Zeigen(int index);

} // namespace U_Formel
