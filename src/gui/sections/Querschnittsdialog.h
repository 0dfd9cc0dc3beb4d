#pragma once
// What the three cross-section dialogs share as windows: when an activation counts as an
// opening, the button row along the bottom, and the snapshot of the shared section that
// "Abbrechen" puts back.
#include "core/sections/Querschnittswerte.h"

#include <QObject>
#include <QString>
#include <functional>

class QDialog;
class QPushButton;

namespace Querschnittsdialog {

// The shared section (W, I, A, Masse, ProfilArt, ProfilName with the axis and the library
// profile) as it was when the dialog opened. "Abbrechen" and Esc put it back, then close the
// dialog; OK and the title bar's close box close it keeping what the dialog wrote.
class Schnappschuss : public QObject {
public:
    explicit Schnappschuss(QDialog* dialog); // a child of the dialog, watching its Esc key

    // The first step of the dialog's opening routine.
    void aufnehmen();
    // "Abbrechen": the snapshot back into the shared state, then the dialog closed as rejected.
    void abbrechen();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QDialog* m_dialog;
    Querschnittswerte::Gewaehltes_Profil m_alt;
};

// What a dialog hands to the frame: its opening routine and the handlers of "Hilfe" and "OK".
struct Handler {
    std::function<void()> oeffnen;
    std::function<void()> hilfe;
    std::function<void()> ok;
};

struct Knopfleiste {
    QPushButton* Hilfe; // named `hilfename`
    QPushButton* Abbrechen; // "CancelBtn", tied to the snapshot
    QPushButton* OK; // "OKBtn", the default button
    Schnappschuss* Alt; // Walt, Ialt, Aalt, Masse_alt and the two names
};

// The frame every cross-section dialog shares, set up last in its constructor:
// - the dialog centred on the screen each time it is shown, and `oeffnen` run (guarded) at the
//   first activation after that. A nested dialog, the help viewer or a message box closing
//   activates the dialog again, but that is no opening: the snapshot for "Abbrechen" and the
//   lists must stay as they are;
// - "Hilfe", "Abbrechen", "OK" left to right at the bottom right, each running its handler
//   guarded, "Abbrechen" that of the snapshot.
Knopfleiste einrichten(QDialog* dialog, const QString& hilfename, Handler handler);

} // namespace Querschnittsdialog
