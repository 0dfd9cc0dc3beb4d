#pragma once
// Platform services that need widgets: message boxes, the activation hook every window's
// set-up routine hangs on, and the application object that keeps exceptions out of the
// event loop.
#include "platform/Meldungen.h"

#include <QApplication>
#include <QWidget>
#include <functional>

namespace Plattform {

// Shows messages in QMessageBox and beeps with QApplication::beep().
class Nachrichtenfenster : public Ausgabe {
public:
    void zeigen(const Meldung& meldung) override;
    void piepen() override;
};

// Runs `routine` (inside geschuetzt) each time `fenster` becomes the active window, including
// when a modal dialog opened from it closes.
void beiAktivierung(QWidget* fenster, std::function<void()> routine);

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
