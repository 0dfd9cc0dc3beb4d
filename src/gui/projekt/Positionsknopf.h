#pragma once
// The button "Als Position übernehmen" (B_Position) of the calculation dialogs, and the way
// back: a dialog's inputs stored as a position of the open project, and a position opened in its
// dialog, filled with its inputs and computed anew. A dialog opened from a position, or whose
// inputs were just stored as one, is tied to that position: its button reads "Position
// aktualisieren" and writes the changed inputs back, until the dialog is opened for a case from
// the main window or the position is gone. Its OK keeps what it shows: changed inputs are written
// back to the position; closing it otherwise (its close box, another project, the program's end)
// asks first. Its "Abbrechen" discards them.
#include "core/app/Lastfaelle.h"
#include "core/projekt/Projekt.h"
#include "gui/projekt/Projektstand.h"

#include <QString>
#include <functional>
#include <optional>

class QPushButton;
class QWidget;

namespace Positionsknopf {

inline const QString Uebernehmen = QStringLiteral("Als Position übernehmen");
inline const QString Aktualisieren = QStringLiteral("Position aktualisieren");

// What a dialog contributes. `lesen`: its inputs as a position (fields, shared material and
// profile; number and title are set here); a field that is no number throws
// Rechendialog::Eingabefehler. `zeigen`: the dialog set up for the position already put into
// the shared state, its fields filled with the position's inputs and its calculation run.
struct Dialogteil {
    QWidget* dialog = nullptr;
    QPushButton* knopf = nullptr;
    Lastfaelle::Dialog art {};
    std::function<Projekt::Position()> lesen;
    std::function<void(const Projekt::Position&)> zeigen;
    // The dialog's inputs back to those of a new calculation (fields 0; σzul, material and
    // profile as chosen), its results cleared: "Neu" on the tab "Positionen".
    std::function<void()> leeren;
};

// A dialog's `lesen` while it serves none of its cases (another family's button was pressed
// last): throws the message that says so.
[[noreturn]] void Kein_Fall();

// Ties the button to the dialog; each of the four dialogs once, when it is built.
void Anmelden(const Dialogteil& teil);

// What opening a position asks of the main window, which the positions do not know: set by the
// main window when it is built and emptied when it goes; what is empty is left undone.
struct Hauptfenster {
    // The dialog that serves a kind of case, built when first needed (its Anmelden then runs).
    std::function<QWidget*(Lastfaelle::Dialog)> dialog;
    // The position's material is the chosen one now: the window names it.
    std::function<void(const QString& sorte)> werkstoffGewaehlt;
    // The case chosen and its dialog shown, as the case's load-case button does.
    std::function<void(int fall, QWidget* dialog)> fallWaehlen;
    // A dialog shown, or brought to the front when it is open already.
    std::function<void(QWidget* dialog)> zeigen;
};
void setzeHauptfenster(Hauptfenster hauptfenster);

// Number and title of a new position, asked with `vorschlag` filled in; none when cancelled.
struct Kennung {
    QString nr;
    QString titel;
};
using Abfrage = std::function<std::optional<Kennung>(const Kennung& vorschlag)>;
// Tests answer instead of the dialog (an empty one means the dialog); returns the one before.
Abfrage setzeAbfrage(Abfrage abfrage);

// Opens the position of `schluessel` in its dialog: the position in the shared state, the
// dialog's fields and its calculation, then the dialog shown. Where the profile library now has
// other values for the position's profile, a message says so; the position keeps its own.
void Oeffnen(TProjektstand::Schluessel schluessel);
// A new position of the kind and case (1–13 bending, 1–4 buckling; none for shear and the
// general beam): its dialog opened empty for the case, as a load-case button opens it, tied to
// no position, so that "Als Position übernehmen" adds it.
void Neu(Projekt::Art art, int fall);
// The dialog is opened for a case of its own (a load-case button): no position is tied to it.
void Loesen(QWidget* dialog);
// OK of a dialog: true when it may close. A dialog tied to a position writes inputs that differ
// from what the position showed back to it first (a step of the project's history, the project
// marked unsaved); inputs that cannot be read keep the dialog open with a message naming the field.
bool OK(QWidget* dialog);
// Before a visible dialog tied to a position closes other than by OK or "Abbrechen": where its
// inputs differ from the position, asks whether to write them back ("Übernehmen"), discard them
// or keep the dialog open; false for the last. Every dialog with the event filter of Anmelden
// asks when its close box is pressed.
bool Schliessen_Klaeren(QWidget* dialog);
// The same for every visible dialog, before the open project is replaced or the program ends.
bool Alle_Klaeren();
// The position tied to the dialog, while it exists.
std::optional<TProjektstand::Schluessel> Gebunden(QWidget* dialog);

} // namespace Positionsknopf
