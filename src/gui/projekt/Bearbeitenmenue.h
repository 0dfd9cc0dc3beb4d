#pragma once
// The menu "Bearbeiten" of the main window: undo and redo of the open project's edits (the
// positions and the head), each entry naming the step it takes back or does again
// ("Rückgängig: Position 3 löschen").
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class TProjektstand;

class TBearbeitenmenue : public QObject {
    Q_OBJECT
public:
    // Adds the menu to `leiste`, after the menus there.
    TBearbeitenmenue(QMenuBar* leiste, TProjektstand* projekt);

    QMenu* M_Bearbeiten;
    QAction* A_Rueckgaengig; // Ctrl+Z
    QAction* A_Wiederholen; // Ctrl+Shift+Z

private:
    void Texte_Zeigen();

    TProjektstand* m_projekt;
};
