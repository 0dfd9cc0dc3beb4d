#pragma once
// Message boxes, the default beep and the general error report, reached through one output
// that the GUI installs (QMessageBox, QApplication::beep) and the tests replace by a recorder,
// so that every box and beep can be asserted and nothing blocks. The core library uses these
// without knowing about widgets.
#include "platform/Fehler.h"

#include <QList>
#include <QString>
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
};

// Installs the output; returns the one installed before. nullptr means "stderr only".
Ausgabe* setzeAusgabe(Ausgabe* ausgabe);

void fehler(const QString& text); // title "Fehler"
void information(const QString& text); // title "Trabex"
void warnung(const QString& text); // title "Trabex"
void hinweis(const QString& text); // plain box, title "Trabex"
void piep(); // the system's default beep
void fehlerbericht(const QString& text);

// Runs f; an exception that leaves it is shown in the general error report. What f changed
// before the exception stays changed. Returns false when f failed.
bool geschuetzt(const std::function<void()>& f) noexcept;

// Wraps a member handler so that it runs inside geschuetzt(); for connect().
template <class Objekt, class Methode> auto handler(Objekt* objekt, Methode methode)
{
    return [objekt, methode](auto&&...) { geschuetzt([&] { (objekt->*methode)(); }); };
}

// Records boxes and beeps instead of showing them, for as long as it lives.
class Meldungsrekorder : public Ausgabe {
public:
    Meldungsrekorder();
    ~Meldungsrekorder() override;
    void zeigen(const Meldung& meldung) override { meldungen.append(meldung); }
    void piepen() override { ++pieptoene; }
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
