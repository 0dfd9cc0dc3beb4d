#pragma once
// Platform services that need widgets: message boxes, the activation hook every window's
// set-up routine hangs on, modal windows with the right owner, and the application object that
// keeps exceptions out of the event loop.
#include "core/platform/Meldungen.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>
#include <functional>

namespace Plattform {

// Shows messages in QMessageBox and beeps with QApplication::beep().
class Nachrichtenfenster : public Ausgabe {
public:
    void zeigen(const Meldung& meldung) override;
    void piepen() override;
};

// Runs `routine` (inside geschuetzt) each time `fenster` becomes the active window by the
// user's doing: shown, returned to from another window, or when a modal window opened from it
// closes. Not when one of the program's message boxes or the printer set-up closes (see
// zwischenfenster): the window keeps its results, notes and typed text then.
void beiAktivierung(QWidget* fenster, std::function<void()> routine);

// As beiAktivierung, but only the first activation after each showing counts: a dialog that
// takes its snapshot when it opens, which a nested dialog closing must not retake.
void beiOeffnung(QWidget* fenster, std::function<void()> routine);

// Runs `zeigen`, which shows a window that stands between the active window and the user
// without leaving it (a message box, the printer set-up). The window system gives the active
// window the activation back when it closes; that runs no set-up routine.
void zwischenfenster(const std::function<void()>& zeigen);

// Shows `dialog` modally for the window active now, which becomes its transient parent, so
// that on closing the window manager gives the focus back to that window and not to the main
// window. Returns the dialog's result.
int modal(QDialog* dialog);
// As modal, for a dialog that stands between the active window and the user (see
// zwischenfenster): its closing runs no set-up routine of that window.
int modalDazwischen(QDialog* dialog);

// Sends the activation event by hand; tests and hidden windows use it.
void aktivieren(QWidget* fenster);

// A last net under the handlers: an exception thrown in any event reaches the general error
// report instead of crossing the event loop.
class Anwendung : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* empfaenger, QEvent* ereignis) override;
};

} // namespace Plattform
