#pragma once
// Tab "Werkstoffdatenbank" of the main window: the material database editor. The grid shows
// "Material.csv" line by line (row 0 the title line); a save validates every cell, writes the
// file, reads it back into Matdat and makes the first material the chosen one.
#include <QWidget>

class QPushButton;
class TEStringGrid;

class TTab_Werkstoffdatenbank : public QWidget {
    Q_OBJECT
public:
    TTab_Werkstoffdatenbank();

    // Start-up step: loads the grid from "Material.csv" (a missing file leaves it unchanged).
    void Grid_Laden();
    // Asked before the program closes; false keeps it open.
    bool Schliessen_Erlaubt();

    void B_Neue_ZeileClick();
    void B_EinfuegenClick();
    void B_Zeile_LoeschenClick();
    void B_Kopierte_Zeile_einfuegenClick();
    void B_Zeile_KopierenClick();
    void B_SpeichernClick();
    void B_KonvertierenClick();
    void B_AbbruchClick();

    // Validates, writes and reads back; true when the file was written.
    bool Speichern();

    TEStringGrid* SG_Werkstoff = nullptr;
    QPushButton* B_Neue_Zeile = nullptr;
    QPushButton* B_Einfuegen = nullptr;
    QPushButton* B_Zeile_Loeschen = nullptr;
    QPushButton* B_Kopierte_Zeile_einfuegen = nullptr;
    QPushButton* B_Zeile_Kopieren = nullptr;
    QPushButton* B_Speichern = nullptr;
    QPushButton* B_Konvertieren = nullptr;
    QPushButton* B_Abbruch = nullptr;
    QPushButton* B_Hilfe = nullptr;
    QPushButton* B_Ende = nullptr;

private:
    bool Zellen_Gueltig();
    void Materialien_Neu_Lesen();
    void Ersten_Werkstoff_Waehlen();
};
