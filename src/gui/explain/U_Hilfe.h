#pragma once
// The help texts: read, edit and save.
#include "gui/platform/Einmalfenster.h"

#include <QDialog>
#include <QString>

class QListWidget;
class QPushButton;
class QTextEdit;

class TDLG_Hilfe : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Hilfe(QWidget* eltern = nullptr);

    // Set-up routine, run each time the window becomes active: the topic of Main::Hilfeindex
    // is selected and loaded, so unsaved edits are dropped.
    void FormActivate();
    // Loads the selected topic (the first one when none is selected).
    void LB_ThemenClick();
    // Saves the shown text to the selected topic's file.
    void BitBtn1Click();

    QListWidget* LB_Themen;
    QTextEdit* E_Hilfe;
    QPushButton* BitBtn1; // "Speichern"
    QPushButton* B_Ende;

private:
    int m_geladen = -1; // the topic whose text E_Hilfe shows
};

namespace U_Hilfe {

extern Plattform::Einmalfenster<TDLG_Hilfe> DLG_Hilfe;

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
    Thema_Profildatei = 9,
    Thema_Traeger = 10
};

// The list texts of the topics, in list order.
const QStringList& Themen();
// "Hilfe<k>.RTF" in the data directory.
QString Hilfedatei(int thema);

// Every "Hilfe" button: Hilfeindex := thema, then the viewer modally.
void Hilfe_Zeigen(int thema);

} // namespace U_Hilfe
