#pragma once
// Tab "Werkstoffdatenbank" of the main window: the material database editor.
#include <QWidget>

class QPushButton;

class TTab_Werkstoffdatenbank : public QWidget {
    Q_OBJECT
public:
    TTab_Werkstoffdatenbank();

    // Start-up step: loads the grid from "Material.csv" (a missing file leaves it unchanged).
    void Grid_Laden();
    // Asked before the program closes; false keeps it open.
    bool Schliessen_Erlaubt();

    QPushButton* B_Hilfe = nullptr;
    QPushButton* B_Ende = nullptr;
};
