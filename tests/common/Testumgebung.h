#pragma once
// What every test program shares: the locale chosen by the test run, the program state reset
// between tests, a temporary program directory with its data folder, and a recorder for the
// message boxes and beeps.
#include "core/platform/Meldungen.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

namespace Testumgebung {

// Sets the default locale from TRABEX_TEST_LOCALE ("de" or "en"); called by the test main.
void start();
bool deutsch();
// A number in the test locale's notation, e.g. zahl("2.5") gives "2,5" under German.
QString zahl(const QString& punktnotation);

// All shared program state back to its start values (tables free, globals 0 or empty).
void zustandZuruecksetzen();

// The delivered data folder of the source tree (for the tests that check it).
QString gelieferteDaten();

// A temporary program directory with an empty "Daten/" folder; the program looks there.
class Programmverzeichnis {
public:
    Programmverzeichnis();
    ~Programmverzeichnis();
    QString pfad() const; // with trailing '/'
    QString daten() const; // pfad() + "Daten/"
    // Writes a file into the data folder.
    void schreiben(const QString& name, const QByteArray& inhalt) const;
    QByteArray lesen(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// Starts the whole program (all windows) in `verzeichnis`; Programmende() on destruction.
class Programm {
public:
    explicit Programm(const Programmverzeichnis& verzeichnis);
    ~Programm();
};

// The program running for a test: the program directory, a message recorder and the program,
// made in this order and destroyed in the reverse one. `daten` writes the fixture files into
// the data folder before the program starts. The messages of the start-up are kept in
// `startmeldungen`; the recorder then starts empty.
class Programmlauf {
public:
    explicit Programmlauf(const std::function<void(const Programmverzeichnis&)>& daten = {});

    Programmverzeichnis verzeichnis;
    Plattform::Meldungsrekorder rekorder;
    QStringList startmeldungen;

private:
    Programm m_programm; // last: it starts after the others exist and ends before them
};

// What a user does in a window, on controls found by object name: select everything in a line
// edit and type `text` over it; click a button with the mouse.
void tippen(QWidget* fenster, const char* feld, const QString& text);
void klicken(QWidget* fenster, const char* knopf);

// Windows-1252 bytes of a text, for fixtures written the way existing installations do.
QByteArray cp1252(const QString& text);

} // namespace Testumgebung

#define TRABEX_TEST_MAIN(Klasse)                                                                                                 \
    int main(int argc, char* argv[])                                                                                             \
    {                                                                                                                            \
        QApplication anwendung(argc, argv);                                                                                      \
        Testumgebung::start();                                                                                                   \
        Klasse test;                                                                                                             \
        return QTest::qExec(&test, argc, argv);                                                                                  \
    }
