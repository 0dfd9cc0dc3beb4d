#pragma once
// What every test program shares, the core's test programs included: the locale chosen by the
// test run, the program state reset between tests, and a temporary program directory with its
// data folder. It links trabex_core alone, so a test program built on it proves that the core
// needs no widget. The window fixture (Testumgebung.h) adds the running program.
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

// Windows-1252 bytes of a text, for fixtures written the way existing installations do.
QByteArray cp1252(const QString& text);

} // namespace Testumgebung

// The test main on the given application class: QGuiApplication for the core, QApplication
// where there are windows.
#define TRABEX_TEST_MAIN_MIT(Anwendung, Klasse)                                                                                  \
    int main(int argc, char* argv[])                                                                                             \
    {                                                                                                                            \
        Anwendung anwendung(argc, argv);                                                                                         \
        Testumgebung::start();                                                                                                   \
        Klasse test;                                                                                                             \
        return QTest::qExec(&test, argc, argv);                                                                                  \
    }

#define TRABEX_TEST_MAIN(Klasse) TRABEX_TEST_MAIN_MIT(QGuiApplication, Klasse)
