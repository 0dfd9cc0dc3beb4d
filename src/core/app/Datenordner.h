#pragma once
// Where the program keeps its data. A folder "Daten/" beside the program (the build tree, a
// portable copy) is the data folder, as it always was. An installed program has no writable
// folder beside it: it keeps its data in the user's application data folder, which is filled
// from the installed read-only copy with every file the user does not have yet, so that a
// later version adds its new files without touching what the user edited. When that folder
// cannot be written either, the program works on the installed copy, read-only.
#include <QString>
#include <QStringList>

namespace Datenordner {

// The installed read-only copy that belongs to a program in `programmdir` (<prefix>/bin/):
// <prefix>/share/trabex/Daten/, with trailing '/'.
QString installiert(const QString& programmdir);

// The per-user folder: the application data folder + "/Daten/"; empty when the system
// names no such folder (no home folder).
QString benutzer();

// Copies every file of `quelle` that `ziel` does not hold yet, names compared without regard
// to case as the program matches its data files; returns the names copied. A missing
// `quelle` copies nothing. Throws the file error when a copy cannot be made; the files
// copied before stay.
QStringList ergaenzen(const QString& quelle, const QString& ziel);

struct Wahl {
    QString verzeichnis; // the data folder, with trailing '/'
    bool schreibgeschuetzt = false; // the installed copy, because no folder can be written
    QString meldung; // what the user is told about it; empty when all is well
};

// The data folder of a program in `programmdir`, created and filled where it is the
// per-user folder.
Wahl waehlen(const QString& programmdir);

} // namespace Datenordner
