#pragma once
// The main window module's globals that every part of the program reads: the program and data
// folders and the help, formula and material database state. They live in the core, under the
// main window's namespace, so that calculations, loaders and dialogs need not know the window.
#include <QString>

namespace Main {

extern int Hilfeindex; // topic the help viewer shows next
extern int Formelindex; // formula number the formula viewer shows next
extern int Materialdatenbankversion; // layout of "Material.csv": 1 old, 2 with kind and wood strengths
extern QString Programmdir; // with trailing separator
extern QString Datendir; // "Daten/" beside the program, else the user's own (core/Datenordner.h)

// The folder of the program file, with trailing separator. Tests point it elsewhere.
QString Programmverzeichnis();
void Programmverzeichnis_Setzen(const QString& verzeichnis);

} // namespace Main
