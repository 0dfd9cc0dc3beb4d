#pragma once
// The help texts: read, edit and save.
#include <QDialog>

class TDLG_Hilfe : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Hilfe(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active.
    void FormActivate();
};

namespace U_Hilfe {

extern TDLG_Hilfe* DLG_Hilfe;

enum Thema {
    Thema_Allgemein = 0,
    Thema_Werkstoffauswahl = 1,
    Thema_Biegung = 2,
    Thema_Scherung = 3,
    Thema_Knickung = 4,
    Thema_Profil_aussuchen = 5,
    Thema_Profil_rechnen = 6,
    Thema_Eigenes_Profil = 7,
    Thema_Werkstoffdatei = 8,
    Thema_Profildatei = 9
};

// Every "Hilfe" button: Hilfeindex := thema, then the viewer modally.
void Hilfe_Zeigen(int thema);

} // namespace U_Hilfe
