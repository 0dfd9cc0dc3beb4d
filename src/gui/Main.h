#pragma once
// The program entry's windows and the main window: a coordinator that runs the start-up
// sequence, launches the calculation dialogs and stores the visual style at close. Each tab's
// own logic lives in its module (data/).
#include "core/app/Programmzustand.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class TTab_Werkstoffauswahl;
class TTab_Werkstoffdatenbank;
class TTab_Profileditor;
class TTab_Einwirkungen;
class TTab_Positionen;
class TProjektstand;
class TDateimenue;
class TBearbeitenmenue;
class TMainform;
namespace Lastfaelle {
enum class Dialog;
}

namespace Main {

extern TMainform* Mainform;

// Program entry after the application object exists: style "Luna", title "Trabex", then the
// main window; every other window is built once, the first time anything uses it (see
// Plattform::Einmalfenster). Programmende() destroys them again (tests).
void Programmstart();
void Programmende();

// The window that serves the load cases of `dialog`, built now if it was not yet.
QWidget* Dialog(Lastfaelle::Dialog dialog);

// Shows a modeless calculation dialog, or brings it to the front when it is open already.
void Dialog_Zeigen(QWidget* dialog);

// Opens a project file in the window (the command line's file); a file that cannot be read is
// named in a message and the window keeps its empty project.
void Projekt_Oeffnen(const QString& pfad);

} // namespace Main

class TMainform : public QWidget {
    Q_OBJECT
public:
    TMainform();

    void FormCreate();
    void FormClose();

    QTabWidget* PC_1; // the tab bar of the window
    QWidget* TS_Berechnungen;
    TTab_Werkstoffauswahl* TS_Werkstoffauswahl;
    TTab_Werkstoffdatenbank* TS_Werkstoffdatenbank;
    TTab_Profileditor* TS_Profileditor;
    TTab_Einwirkungen* TS_Einwirkungen; // the categories of variable actions
    TTab_Positionen* TS_Positionen;
    TProjektstand* Projekt; // the open project, which the tab "Positionen" shows
    TDateimenue* Dateimenue; // the menu bar with "Datei"
    TBearbeitenmenue* Bearbeitenmenue; // "Bearbeiten": undo and redo of the project's edits

    // Tab "Berechnungen".
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label13;
    QLabel* Label32;
    QLabel* Label33;
    QLabel* L_Mat;
    QLabel* L_Style;
    QComboBox* CB_Style;
    QPushButton* B_Hilfe_Auswahl;
    QPushButton* B_Beenden2;
    QPushButton* B_Scherung;
    QPushButton* B_Traeger; // the general beam
    QPushButton* B_Knick[4];
    QPushButton* B_Biegung[13]; // B_Biegung1 … B_Biegung8, B_Bieg9 … B_Bieg13

    void CB_StyleChange();
    // A load-case button: sets Akt_Belastungsfall and shows the dialog of the case.
    void Belastungsfall_Waehlen(int fall, QWidget* dialog);

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool event(QEvent* ereignis) override;

private:
    void Berechnungen_Aufbauen();
    void Datenordner_Waehlen();
    void Stil_Laden();
    bool m_listeGefuellt = false;
};
