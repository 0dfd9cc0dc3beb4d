#include "platform/Meldungen.h"

#include <cstdio>

namespace Plattform {

namespace {
Ausgabe* g_ausgabe = nullptr;

void melden(Meldungsart art, const QString& titel, const QString& text)
{
    if (g_ausgabe)
        g_ausgabe->zeigen({art, titel, text});
    else
        std::fprintf(stderr, "%s: %s\n", qPrintable(titel), qPrintable(text));
}
} // namespace

Ausgabe* setzeAusgabe(Ausgabe* ausgabe)
{
    Ausgabe* vorher = g_ausgabe;
    g_ausgabe = ausgabe;
    return vorher;
}

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
    } catch (const Fehler& e) {
        fehlerbericht(e.text());
    } catch (const std::bad_alloc&) {
        fehlerbericht(QStringLiteral("Zu wenig Arbeitsspeicher"));
    } catch (const std::exception& e) {
        fehlerbericht(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        fehlerbericht(QStringLiteral("Unbekannter Fehler"));
    }
    return false;
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
