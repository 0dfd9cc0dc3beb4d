#pragma once
// What the test programs of the windows share besides the core fixture: the whole program
// started in a temporary program directory, a recorder for the message boxes and beeps, and
// the user's typing and clicking on controls found by object name.
#include "Kernumgebung.h"
#include "gui/grid/SGcomp_Ansicht.h"

#include <QApplication>

class QWidget;

namespace Testumgebung {

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

// Looks at another window from dialog `d` and closes it again, as a user who only looks does:
// "Verläufe" (the window `verlaufsfenster` that `verlaufsknopf` opens), "Formel", "Hilfe" or
// "Profilwahl abgebrochen" (the selection that `profilknopf` opens, cancelled). False for any
// other name, which the caller then handles itself.
bool woandersHinsehen(
    QWidget* d, const QString& fenster, const char* verlaufsknopf, const QString& verlaufsfenster, const char* profilknopf);

// Answers the question before unsaved edits are lost with `antwort`, and records its texts;
// the answer installed before comes back on destruction.
class Antworten {
public:
    explicit Antworten(SGcomp::Antwort antwort)
        : m_vorher(SGcomp::setzeRueckfrage([this, antwort](const QString& text) {
            fragen.append(text);
            return antwort;
        }))
    {
    }
    ~Antworten() { SGcomp::setzeRueckfrage(m_vorher); }
    QStringList fragen;

private:
    SGcomp::Rueckfrage m_vorher;
};

} // namespace Testumgebung

#undef TRABEX_TEST_MAIN
#define TRABEX_TEST_MAIN(Klasse) TRABEX_TEST_MAIN_MIT(QApplication, Klasse)
