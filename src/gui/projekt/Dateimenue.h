#pragma once
// The menu "Datei" of the main window and what it does with the project file: new, open, save,
// save as, the last five files, the whole report, the project head and quitting; the question
// before unsaved changes would be lost, and the title bar that names the file and marks unsaved
// changes. The last files are kept in "Projekte.INI" in the data folder, one path a line, beside
// the program's other settings.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class TProjektstand;

class TDateimenue : public QObject {
    Q_OBJECT
public:
    // Builds the menu bar of `fenster`, whose title it keeps.
    TDateimenue(QWidget* fenster, TProjektstand* projekt);

    QMenuBar* MM_Menue;
    QMenu* M_Datei;
    QAction* A_Neu;
    QAction* A_Oeffnen;
    QAction* A_Speichern;
    QAction* A_Speichern_unter;
    QAction* A_Gesamtbericht;
    QAction* A_Projektkopf;
    QAction* A_Beenden;
    QList<QAction*> A_Zuletzt; // the last files, newest first

    void A_NeuClick();
    void A_OeffnenClick();
    // Saving; false when it failed or was cancelled (the unsaved mark stays).
    bool A_SpeichernClick();
    bool A_Speichern_unterClick();

    // Opens `pfad` in place of the open project, after the question about unsaved changes; a
    // file that cannot be read is named in a message and the open project stays.
    bool Oeffnen(const QString& pfad, bool fragen = true);
    // Before the project would be closed: true when the caller may go on (nothing unsaved,
    // the changes discarded, or saved). A dialog with an edit of its position asks first.
    bool Aenderungen_Klaeren();
    // The last files from the settings (start-up, after the data folder is known).
    void Zuletzt_Laden();
    QStringList Zuletzt() const { return m_zuletzt; }

    // The file dialog; tests answer instead (an empty answer is a cancel). `speichern` asks for
    // a file to write. Returns the one installed before.
    using Dateiwahl = std::function<QString(bool speichern, const QString& vorschlag)>;
    static Dateiwahl setzeDateiwahl(Dateiwahl wahl);

private:
    void A_GesamtberichtClick();
    void Titel_Zeigen();
    void Zuletzt_Merken(const QString& pfad);
    void Zuletzt_Zeigen();
    void Zuletzt_Speichern() const;
    void Zuletzt_Waehlen(const QString& pfad);
    bool Speichern_Nach(const QString& pfad);

    QWidget* m_fenster;
    TProjektstand* m_projekt;
    QAction* m_zuletztTrenner = nullptr;
    QStringList m_zuletzt;
};
