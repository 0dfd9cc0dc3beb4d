#pragma once
// Tab "Positionen" of the main window: the positions of the open project in a table, a new one
// begun in its dialog, opened in their dialogs, deleted, duplicated, moved and renumbered (each
// edit undone in the menu "Bearbeiten"); the project head; and where the
// profile library now has other values for a position's profile, a note and the button that
// takes them.
#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;
class TProjektstand;

class TTab_Positionen : public QWidget {
    Q_OBJECT
public:
    explicit TTab_Positionen(TProjektstand* projekt);

    // The row selected in the table, -1 when none.
    int Gewaehlte_Zeile() const;
    void Zeile_Waehlen(int zeile);

    void B_NeuClick();
    void B_OeffnenClick();
    void B_LoeschenClick();
    void B_DuplizierenClick();
    void B_Nach_obenClick();
    void B_Nach_untenClick();
    void B_Neu_nummerierenClick();
    void B_BibliothekswerteClick();
    void B_ProjektkopfClick();

    QTableView* SG_Positionen = nullptr;
    QLabel* L_Kopf = nullptr;
    QLabel* L_Abgleich = nullptr;
    QPushButton* B_Neu = nullptr;
    QPushButton* B_Oeffnen = nullptr;
    QPushButton* B_Loeschen = nullptr;
    QPushButton* B_Duplizieren = nullptr;
    QPushButton* B_Nach_oben = nullptr;
    QPushButton* B_Nach_unten = nullptr;
    QPushButton* B_Neu_nummerieren = nullptr;
    QPushButton* B_Bibliothekswerte = nullptr;
    QPushButton* B_Projektkopf = nullptr;

private:
    void Aufbauen();
    void Verschieben(int richtung);
    // The buttons that need a selected row, the library note and the head line.
    void Auffrischen();

    TProjektstand* m_projekt;
};
