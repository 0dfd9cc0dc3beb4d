#pragma once
// The button "Als Position übernehmen" (B_Position) of the calculation dialogs, and the way
// back: a dialog's inputs stored as a position of the open project, and a position opened in its
// dialog, filled with its inputs and computed anew. A dialog opened from a position, or whose
// inputs were just stored as one, is tied to that position: its button reads "Position
// aktualisieren" and writes the changed inputs back, until the dialog is opened for a case from
// the main window or the position is gone.
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
};

// A dialog's `lesen` while it serves none of its cases (another family's button was pressed
// last): throws the message that says so.
[[noreturn]] void Kein_Fall();

// Ties the button to the dialog; each of the four dialogs once, when it is built.
void Anmelden(const Dialogteil& teil);

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
// The dialog is opened for a case of its own (a load-case button): no position is tied to it.
void Loesen(QWidget* dialog);
// The position tied to the dialog, while it exists.
std::optional<TProjektstand::Schluessel> Gebunden(QWidget* dialog);

} // namespace Positionsknopf
