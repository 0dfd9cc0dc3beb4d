#pragma once
// Message boxes, the default beep and the general error report, reached through one output
// that the GUI installs (QMessageBox, QApplication::beep) and the tests replace by a recorder,
// so that every box and beep can be asserted and nothing blocks. The core library uses these
// without knowing about widgets.
#include "core/platform/Fehler.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace Plattform {

enum class Meldungsart {
    Fehler, // error icon, title "Fehler"
    Information, // information icon
    Warnung, // warning icon
    Schlicht, // plain box without icon
    Bericht // the general error report: error icon, title "Trabex"
};

struct Meldung {
    Meldungsart art;
    QString titel;
    QString text;
};

class Ausgabe {
public:
    virtual ~Ausgabe() = default;
    virtual void zeigen(const Meldung& meldung) = 0;
    virtual void piepen() = 0;
    // True where a box is only recorded, not shown: what a window system does around a box
    // is then imitated (see Boxrahmen).
    virtual bool nachgeahmt() const { return false; }
};

// Installs the output; returns the one installed before. nullptr means "stderr only".
Ausgabe* setzeAusgabe(Ausgabe* ausgabe);

// What the windows do around a box, installed by the GUI layer: `box` runs while the box stands
// between the active window and the user, so that the activation the window gets back when the
// box closes does not count as the user returning to it. With `nachahmen` the box was only
// recorded and the activation changes a real one causes are sent by hand. Without windows
// (core tests, fuzz targets) there is none.
using Boxrahmen = void (*)(const std::function<void()>& box, bool nachahmen);
void setzeBoxrahmen(Boxrahmen rahmen);

void fehler(const QString& text); // title "Fehler"
void information(const QString& text); // title "Trabex"
void warnung(const QString& text); // title "Trabex"
void hinweis(const QString& text); // plain box, title "Trabex"
void piep(); // the system's default beep
void fehlerbericht(const QString& text);

// Runs f; an exception that leaves it is shown in the general error report. What f changed
// before the exception stays changed. Returns false when f failed.
bool geschuetzt(const std::function<void()>& f) noexcept;

// The steps of a set-up routine that may fail on their own (a picture that cannot be read): a
// failing step is left out and the routine goes on, and the failures of the whole routine come
// in one general error report at its end.
class Teilschritte {
public:
    bool ausfuehren(const std::function<void()>& schritt); // false when the step failed
    void berichten(); // one report with the collected failures, if any

private:
    QStringList m_fehler;
};

// Wraps a member handler so that it runs inside geschuetzt(); for connect().
template <class Objekt, class Methode> auto handler(Objekt* objekt, Methode methode)
{
    return [objekt, methode](auto&&...) { geschuetzt([&] { (objekt->*methode)(); }); };
}

// Records boxes and beeps instead of showing them, for as long as it lives. Where there are
// windows, each recorded box takes the activation from the active window and gives it back, as
// a window system does when a real box opens and closes.
class Meldungsrekorder : public Ausgabe {
public:
    Meldungsrekorder();
    ~Meldungsrekorder() override;
    void zeigen(const Meldung& meldung) override { meldungen.append(meldung); }
    void piepen() override { ++pieptoene; }
    bool nachgeahmt() const override { return true; }
    void leeren()
    {
        meldungen.clear();
        pieptoene = 0;
    }
    QStringList texte() const;

    QList<Meldung> meldungen;
    int pieptoene = 0;

private:
    Ausgabe* m_vorher;
};

} // namespace Plattform
