#include "gui/platform/Oberflaeche.h"

#include <QEvent>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QWindow>

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

// Which window is active, which windows run a set-up routine when they become active, and which
// activations only give a window back what a box or the printer set-up took from it. One
// instance watches the events of the whole application.
class Aktivierungen : public QObject {
public:
    static Aktivierungen& instanz()
    {
        static QPointer<Aktivierungen> einzige;
        if (!einzige) {
            einzige = new Aktivierungen(qApp);
            qApp->installEventFilter(einzige);
            setzeBoxrahmen(&Aktivierungen::boxrahmen);
        }
        return *einzige;
    }

    void anmelden(QWidget* fenster, std::function<void()> routine, bool nurOeffnung)
    {
        m_fenster.insert(fenster, {std::move(routine), nurOeffnung, false});
        connect(fenster, &QObject::destroyed, this, [this, fenster] { m_fenster.remove(fenster); });
    }

    QWidget* aktiv() const { return m_aktiv ? m_aktiv.data() : QApplication::activeWindow(); }

    // While `zeigen` runs, the active window stands behind a box: it and every window that
    // loses the activation meanwhile are marked, and each mark swallows that window's next
    // activation. With `nachahmen` the two activation changes of a real box are sent by hand.
    void zwischen(const std::function<void()>& zeigen, bool nachahmen)
    {
        const QPointer<QWidget> dahinter = aktiv();
        markieren(dahinter);
        ++m_zwischen;
        {
            const auto ende = qScopeGuard([this] { --m_zwischen; });
            if (nachahmen && dahinter)
                senden(dahinter, QEvent::WindowDeactivate);
            zeigen();
        }
        if (nachahmen && dahinter)
            senden(dahinter, QEvent::WindowActivate);
    }

    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        const QEvent::Type art = ereignis->type();
        if (art != QEvent::WindowActivate && art != QEvent::WindowDeactivate && art != QEvent::Show)
            return false;
        if (!objekt->isWidgetType() || !static_cast<QWidget*>(objekt)->isWindow())
            return false;
        QWidget* fenster = static_cast<QWidget*>(objekt);
        if (art == QEvent::Show && !ereignis->spontaneous())
            gezeigt(fenster);
        else if (art == QEvent::WindowActivate)
            aktiviert(fenster);
        else if (art == QEvent::WindowDeactivate)
            deaktiviert(fenster);
        return false;
    }

private:
    struct Eintrag {
        std::function<void()> routine;
        bool nurOeffnung;
        bool frisch; // shown, not yet activated since
    };

    using QObject::QObject;

    static void boxrahmen(const std::function<void()>& box, bool nachahmen)
    {
        if (qApp)
            instanz().zwischen(box, nachahmen);
        else
            box(); // after the application has gone there are no windows to mind
    }

    static void senden(QWidget* fenster, QEvent::Type art)
    {
        QEvent ereignis(art);
        QApplication::sendEvent(fenster, &ereignis);
    }

    void markieren(QWidget* fenster)
    {
        if (fenster && !m_unterbrochen.contains(fenster))
            m_unterbrochen.append(fenster);
    }

    // A freshly shown window starts anew: its first activation always counts.
    void gezeigt(QWidget* fenster)
    {
        m_unterbrochen.removeAll(fenster);
        if (const auto eintrag = m_fenster.find(fenster); eintrag != m_fenster.end())
            eintrag->frisch = true;
    }

    void deaktiviert(QWidget* fenster)
    {
        if (m_zwischen > 0)
            markieren(fenster);
        if (m_aktiv == fenster)
            m_aktiv = nullptr;
    }

    void aktiviert(QWidget* fenster)
    {
        m_aktiv = fenster;
        const bool zurueck = m_unterbrochen.removeAll(fenster) > 0;
        // Another window taking the activation after the box closed means the user has moved
        // on: a later return to a marked window is a real one.
        if (!zurueck && m_zwischen == 0)
            m_unterbrochen.clear();
        const auto eintrag = m_fenster.find(fenster);
        if (zurueck || eintrag == m_fenster.end())
            return;
        if (eintrag->nurOeffnung) {
            if (!eintrag->frisch)
                return;
            eintrag->frisch = false;
        }
        const std::function<void()> routine = eintrag->routine; // the routine may show boxes
        geschuetzt(routine);
    }

    QHash<QWidget*, Eintrag> m_fenster;
    QList<QPointer<QWidget>> m_unterbrochen;
    QPointer<QWidget> m_aktiv;
    int m_zwischen = 0;
};

// The window a dialog opened now belongs to: the active one, else the one it was created for.
QWindow* besitzer(QDialog* dialog)
{
    for (QWidget* kandidat : {Aktivierungen::instanz().aktiv(), dialog->parentWidget()}) {
        if (!kandidat || kandidat->window() == dialog)
            continue;
        if (QWindow* fenster = kandidat->window()->windowHandle())
            return fenster;
    }
    return nullptr;
}

} // namespace

void beiAktivierung(QWidget* fenster, std::function<void()> routine)
{
    Aktivierungen::instanz().anmelden(fenster, std::move(routine), false);
}

void beiOeffnung(QWidget* fenster, std::function<void()> routine)
{
    Aktivierungen::instanz().anmelden(fenster, std::move(routine), true);
}

void zwischenfenster(const std::function<void()>& zeigen) { Aktivierungen::instanz().zwischen(zeigen, false); }

int modal(QDialog* dialog)
{
    QWindow* eltern = besitzer(dialog);
    dialog->winId(); // the native window must exist to take its owner
    dialog->windowHandle()->setTransientParent(eltern);
    return dialog->exec();
}

int modalDazwischen(QDialog* dialog)
{
    int antwort = QDialog::Rejected;
    zwischenfenster([&] { antwort = modal(dialog); });
    return antwort;
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
