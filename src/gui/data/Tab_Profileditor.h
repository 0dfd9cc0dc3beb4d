#pragma once
// Tab "Profileditor" of the main window: creates profile family files and edits the family files
// ("*.CSV" of the data directory but the materials, the index and the categories of actions) in a
// grid. What is saved enters the library at the next start.
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TEStringGrid;

class TTab_Profileditor : public QWidget {
    Q_OBJECT
public:
    TTab_Profileditor();

    // Start-up steps: the file list shows the data directory; its first file is loaded.
    void Verzeichnis_Setzen(const QString& verzeichnis);
    void Erste_Datei_Laden();
    // Asked before the program closes; false keeps it open.
    bool Schliessen_Erlaubt();

    void B_Profil_ErzeugenClick();
    void LB_ProfilClick();
    void B_Neue_Zeile2Click();
    void B_Leerzeile2Click();
    void B_Zeile_Loeschen2Click();
    void B_Kopierte_Zeile_Einfuegen2Click();
    void B_Zeile_Kopieren2Click();
    void B_Profil_SpeichernClick();
    void B_Profil_ZuruecksetzenClick();

    // Validates and writes the grid to the file it was loaded from; true when written.
    bool Speichern();
    // The file shown in the grid ("" before one was loaded).
    QString Geladene_Datei() const { return m_datei; }

    // A family name is 1 to 8 letters A-Z, digits, '_' or '-': the index keeps 12 characters
    // of "NAME.CSV", and nothing else is safe in a file name on every system.
    static bool Profilname_Gueltig(const QString& name);

    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* E_neuer_Profilname = nullptr;
    QLabel* Label12 = nullptr;
    QPushButton* B_Profil_Erzeugen = nullptr;
    QLabel* Label10 = nullptr;
    QListWidget* LB_Profil = nullptr;
    TEStringGrid* SG_Profil = nullptr;
    QPushButton* B_Neue_Zeile2 = nullptr;
    QPushButton* B_Leerzeile2 = nullptr;
    QPushButton* B_Zeile_Loeschen2 = nullptr;
    QPushButton* B_Kopierte_Zeile_Einfuegen2 = nullptr;
    QPushButton* B_Zeile_Kopieren2 = nullptr;
    QPushButton* B_Profil_Speichern = nullptr;
    QPushButton* B_Profil_Zuruecksetzen = nullptr;
    QPushButton* B_Hilfe_Profil = nullptr;
    QPushButton* BitBtn10 = nullptr; // "Programmende": closes the main window

private:
    void Liste_Lesen();
    void Auswaehlen(const QString& datei);
    void Datei_Laden(const QString& datei);
    bool Zellen_Gueltig();
    bool Familie_Anlegen(const QString& name);

    QString m_verzeichnis;
    QString m_datei;
    bool m_auswahlDurchProgramm = false;
};
