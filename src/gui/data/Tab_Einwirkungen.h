#pragma once
// Tab "Einwirkungen" of the main window: the categories of variable actions with their
// combination factors ψ0, ψ1, ψ2 ("Einwirkungen.csv" of the data directory) in a grid. A save
// validates every cell, writes the file and reads it back, so that the dialogs offer the new
// table the next time they become active.
#include <QWidget>

class QLabel;
class QPushButton;
class TEStringGrid;

class TTab_Einwirkungen : public QWidget {
    Q_OBJECT
public:
    TTab_Einwirkungen();

    // Start-up step: loads the grid from the file (a missing file shows only the title line).
    void Grid_Laden();
    // Asked before the program closes; false keeps it open.
    bool Schliessen_Erlaubt();

    void B_Neue_ZeileClick();
    void B_Zeile_LoeschenClick();
    void B_SpeichernClick();
    void B_ZuruecksetzenClick();

    // Validates, writes and reads back; true when the file was written.
    bool Speichern();

    QLabel* L_Einwirkungen = nullptr;
    TEStringGrid* SG_Einwirkungen = nullptr;
    QPushButton* B_Neue_Zeile = nullptr;
    QPushButton* B_Zeile_Loeschen = nullptr;
    QPushButton* B_Speichern = nullptr;
    QPushButton* B_Zuruecksetzen = nullptr;

private:
    bool Zellen_Gueltig();
};
