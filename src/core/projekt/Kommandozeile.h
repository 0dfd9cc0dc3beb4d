#pragma once
// Computing a project file without a window: every position with the core calculations, one
// line per position on `aus`, the messages on `fehler`, the results file where one is asked for.
#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Projekt.h"

#include <QStringList>
#include <QTextStream>

namespace Plattform {
class Fehler;
}

namespace Kommandozeile {

// What the program is asked to do by its arguments (without the program name).
struct Aufruf {
    enum class Was { Fenster, Berechnen, Hilfe, Version, Falsch };
    Was was = Was::Fenster;
    QString projekt; // --berechnen DATEI, or the file the window opens
    QString json; // --json DATEI
    QString pdf; // --pdf DATEI: the whole report, which the program prints with widgets
    QString fehler; // why the arguments are refused (Was::Falsch)
};

Aufruf auswerten(const QStringList& argumente);

// Whether the arguments ask for no window, so that the program needs no display.
bool ohneFenster(const Aufruf& aufruf);

// The text of --help.
QString Hilfetext();

// The exit status of the program.
enum Status {
    Erfuellt = 0, // every position computed, every verdict holds
    NichtErfuellt = 1, // every position computed, some verdict fails
    Fehler = 2 // the file could not be read or written, or some position could not be computed
};

struct Lauf {
    Status status = Fehler;
    bool gelesen = false; // the project file was read
    Projekt::Daten projekt;
    QList<Positionsrechnung::Ergebnis> ergebnisse;
};

// The command line's own words for a file it cannot read or write, with what the file system
// shows to be wrong with the path: "Datei /a/b.trabex kann nicht geöffnet werden: Die Datei
// gibt es nicht." and "PDF /a/b.pdf kann nicht geschrieben werden: Den Ordner /a gibt es nicht."
// (`was`: "PDF", "Ergebnisdatei").
QString Lesefehler(const QString& pfad);
QString Schreibfehler(const QString& was, const QString& pfad);
// A failure of the run in those words where it is a file's: a file error of the platform names
// its file, whose state is read again; any other failure keeps its text.
QString Fehlertext(const Plattform::Fehler& f);

// The library the checks with partial factors fall back on where a position gives no value of
// its own (a material's fy and kind, a profile's buckling curve) and the factors of the
// actions, from the data folder the program window uses, which also becomes the data folder
// of the reports (Main::Datendir, with the load-case pictures). What cannot be read is said on
// `fehler` and stays empty; the checks that need it then say what is missing.
void Bibliothek_Laden(const QString& programmdir, QTextStream& fehler);

// Reads `projektpfad`, computes it, prints the lines and writes the results to `jsonpfad`
// unless it is empty. A file that cannot be read leaves the run empty with Status::Fehler.
// `umfang`: Bericht where the run's results go on into the whole report.
Lauf berechnen(const QString& projektpfad, const QString& jsonpfad, QTextStream& aus, QTextStream& fehler,
    Positionsrechnung::Umfang umfang = Positionsrechnung::Umfang::Ergebnisse);

} // namespace Kommandozeile
