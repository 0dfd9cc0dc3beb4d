#include "platform/Oberflaeche.h"

#include <QEvent>
#include <QMessageBox>

namespace Plattform {

void Nachrichtenfenster::zeigen(const Meldung& meldung)
{
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    switch (meldung.art) {
    case Meldungsart::Fehler:
    case Meldungsart::Bericht:
        symbol = QMessageBox::Critical;
        break;
    case Meldungsart::Information:
        symbol = QMessageBox::Information;
        break;
    case Meldungsart::Warnung:
        symbol = QMessageBox::Warning;
        break;
    case Meldungsart::Schlicht:
        break;
    }
    QMessageBox box(symbol, meldung.titel, meldung.text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("Meldung"));
    box.exec();
}

void Nachrichtenfenster::piepen() { QApplication::beep(); }

namespace {
class Aktivierungsfilter : public QObject {
public:
    Aktivierungsfilter(QObject* eltern, std::function<void()> routine)
        : QObject(eltern)
        , m_routine(std::move(routine))
    {
    }
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (objekt == parent() && ereignis->type() == QEvent::WindowActivate)
            geschuetzt(m_routine);
        return false;
    }

private:
    std::function<void()> m_routine;
};
} // namespace

void beiAktivierung(QWidget* fenster, std::function<void()> routine)
{
    fenster->installEventFilter(new Aktivierungsfilter(fenster, std::move(routine)));
}

void aktivieren(QWidget* fenster)
{
    QEvent ereignis(QEvent::WindowActivate);
    QApplication::sendEvent(fenster, &ereignis);
}

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis)
{
    bool ergebnis = false;
    geschuetzt([&] { ergebnis = QApplication::notify(empfaenger, ereignis); });
    return ergebnis;
}

} // namespace Plattform
