#pragma once
// Tab "Profileditor" of the main window: creates and edits profile family files.
#include <QWidget>

class QPushButton;

class TTab_Profileditor : public QWidget {
    Q_OBJECT
public:
    TTab_Profileditor();

    // Start-up steps: the file list shows the data directory; its first file is loaded.
    void Verzeichnis_Setzen(const QString& verzeichnis);
    void Erste_Datei_Laden();
    // Asked before the program closes; false keeps it open.
    bool Schliessen_Erlaubt();

    QPushButton* B_Hilfe_Profil = nullptr;
    QPushButton* BitBtn10 = nullptr;
};
