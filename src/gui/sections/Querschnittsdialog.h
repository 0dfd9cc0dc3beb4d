#pragma once
// What the three cross-section dialogs share as windows: when an activation counts as an
// opening, and the button row along the bottom.
#include <QString>
#include <functional>

class QDialog;
class QPushButton;

namespace Querschnittsdialog {

// Centres the dialog on the screen each time it is shown and runs `oeffnen` (guarded) at the
// first activation after that. A nested dialog, the help viewer or a message box closing
// activates the dialog again, but that is no opening: the snapshot for "Abbrechen" and the
// lists must stay as they are.
void beiOeffnung(QDialog* dialog, std::function<void()> oeffnen);

struct Knopfleiste {
    QPushButton* Hilfe;
    QPushButton* Abbrechen; // "CancelBtn"
    QPushButton* OK; // "OKBtn", the default button
};

// "Hilfe", "Abbrechen", "OK" left to right at the bottom right of the dialog.
Knopfleiste knopfleiste(QDialog* dialog, const QString& hilfename);

} // namespace Querschnittsdialog
