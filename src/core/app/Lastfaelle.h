#pragma once
// Every load case of the program in one table: which dialog serves it, what its windows,
// formula viewer and report show for it, and which sketch it has. Dialogs, viewer, report and
// main window read a case from here instead of spelling it out themselves. Texts are held
// exactly as the windows show them, quirks included ("Beids. aufgel.", "Gesamtlast  [N]").
#include "core/app/Lastfallbild.h"

#include <QString>
#include <QStringView>
#include <span>

namespace Lastfaelle {

// Unit1::Akt_Belastungsfall alone does not name a case: bending case 1 and Euler case 1 share
// the number. The family tells them apart.
enum class Familie { Biegung, Knickung, Scherung };

// The calculation dialog that serves a case.
enum class Dialog { Biegung1, Biegung2, Knickung, Scherung, Traeger }; // Traeger: the general beam, no case

// How the load is given: a force in N, a line load in N/m, or a total load in N spread over
// the beam.
enum class Lastart { Einzellast, Streckenlast, Gesamtlast };

struct Lastfall {
    Familie familie;
    int nr; // the value of Unit1::Akt_Belastungsfall: 1..13 bending, 1..4 Euler, 0 shear
    Dialog dialog;
    QStringView name; // what the case is, without the family (tooltip of its button)
    QStringView titel; // the dialog's window title
    QStringView formeltitel; // the formula viewer's window title
    Lastfallbild::Fall skizze;
    QStringView bild; // sketch file in the data directory, as the dialogs and the viewer name it
    QStringView berichtsbild; // the same file as the report names it (matched without regard to case)
    QStringView last; // the dialog's caption of the load field; empty: the dialog keeps its own
    QStringView lastBericht; // the report's label of the load row
    Lastart art;
    bool xZeile; // the dialog shows and reads the row "x" (W erf. at a point x)
    bool abstand; // the load or the supports lie at the distance a the dialog reads
    bool fUnterLast; // the deflection formula gives the deflection under the load at a, not the greatest
    int formel; // formula number of the viewer: 1..13 bending, 20 shear, 31..34 Euler
    QStringView formelbild;
    QStringView einheitenbild;
};

// All rows: the thirteen bending cases, the four Euler cases, shear.
std::span<const Lastfall> alle();

// The case of a family by its number; none for a number the family does not have.
const Lastfall* lastfall(Familie familie, int nr);
// A yes/no column of bending case `nr`, e.g. `Lastfall::abstand`; false for a number without a
// bending case.
bool biegefall(int nr, bool Lastfall::*spalte);
// The case that `dialog` serves under the number; none when the number is a case of another
// dialog (another dialog changed the shared case since).
const Lastfall* vonDialog(Dialog dialog, int nr);
// The case of a formula number; none for a number without formula.
const Lastfall* vonFormel(int formel);

// Tooltip of the case's button in the main window, e.g. "Fall 5: Aufgelegter Träger mit
// Gleichlast": the buttons show only the sketch, and cases 5 and 9 look alike.
QString tooltip(const Lastfall& fall);

// The supports of Euler case `nr` (1..4) in words, with its buckling length, e.g. "Knickfall 1:
// beide Enden gelenkig, s_k = L". Textbooks number the four cases differently (many call the
// cantilever case I), so the number alone is not enough to say which column is meant. Empty
// for a number without a case.
QString knickfalltext(int nr);

} // namespace Lastfaelle
