#include "core/platform/Meldungen.h"

#include <cstdio>
#include <exception>
#include <new>

namespace Plattform {

namespace {
Ausgabe* g_ausgabe = nullptr;
Boxrahmen g_boxrahmen = nullptr;

void melden(Meldungsart art, const QString& titel, const QString& text)
{
    if (!g_ausgabe) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(titel), qPrintable(text));
        return;
    }
    Ausgabe* ausgabe = g_ausgabe;
    const Meldung meldung {art, titel, text};
    if (g_boxrahmen)
        g_boxrahmen([&] { ausgabe->zeigen(meldung); }, ausgabe->nachgeahmt());
    else
        ausgabe->zeigen(meldung);
}

// The text of the exception being handled, for the general error report.
QString fehlertext()
{
    try {
        throw;
    } catch (const Fehler& e) {
        return e.text();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Zu wenig Arbeitsspeicher");
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Unbekannter Fehler");
    }
}
} // namespace

Ausgabe* setzeAusgabe(Ausgabe* ausgabe)
{
    Ausgabe* vorher = g_ausgabe;
    g_ausgabe = ausgabe;
    return vorher;
}

void setzeBoxrahmen(Boxrahmen rahmen) { g_boxrahmen = rahmen; }

void fehler(const QString& text) { melden(Meldungsart::Fehler, QStringLiteral("Fehler"), text); }
void information(const QString& text) { melden(Meldungsart::Information, QStringLiteral("Trabex"), text); }
void warnung(const QString& text) { melden(Meldungsart::Warnung, QStringLiteral("Trabex"), text); }
void hinweis(const QString& text) { melden(Meldungsart::Schlicht, QStringLiteral("Trabex"), text); }
void fehlerbericht(const QString& text) { melden(Meldungsart::Bericht, QStringLiteral("Trabex"), text); }

void piep()
{
    if (g_ausgabe)
        g_ausgabe->piepen();
}

bool geschuetzt(const std::function<void()>& f) noexcept
{
    try {
        f();
        return true;
    } catch (...) {
        fehlerbericht(fehlertext());
    }
    return false;
}

bool Teilschritte::ausfuehren(const std::function<void()>& schritt)
{
    try {
        schritt();
        return true;
    } catch (...) {
        m_fehler.append(fehlertext());
    }
    return false;
}

void Teilschritte::berichten()
{
    if (m_fehler.isEmpty())
        return;
    const QString text = m_fehler.join(QLatin1Char('\n'));
    m_fehler.clear();
    fehlerbericht(text);
}

Meldungsrekorder::Meldungsrekorder()
    : m_vorher(setzeAusgabe(this))
{
}

Meldungsrekorder::~Meldungsrekorder() { setzeAusgabe(m_vorher); }

QStringList Meldungsrekorder::texte() const
{
    QStringList t;
    for (const Meldung& m : meldungen)
        t << m.text;
    return t;
}

} // namespace Plattform
