#include "core/platform/Fehler.h"

namespace Plattform {

Fehler::Fehler(Art art, QString text)
    : m_art(art)
    , m_text(std::move(text))
    , m_utf8(m_text.toUtf8())
{
}

Fehler Fehler::konvertierung(const QString& eingabe)
{
    return Fehler(Art::Konvertierung, QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(eingabe));
}

Fehler Fehler::datei(const QString& dateiname, const QString& grund)
{
    Fehler f(Art::Datei, QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(dateiname, grund));
    f.m_dateiname = dateiname;
    f.m_grund = grund;
    return f;
}

Fehler Fehler::divisionDurchNull() { return Fehler(Art::DivisionDurchNull, QStringLiteral("Gleitkommadivision durch Null")); }

Fehler Fehler::ungueltigeOperation() { return Fehler(Art::UngueltigeOperation, QStringLiteral("Ungültige Gleitkommaoperation")); }

Fehler Fehler::ueberlauf() { return Fehler(Art::Ueberlauf, QStringLiteral("Gleitkommaüberlauf")); }

Fehler Fehler::listenindex(long long index)
{
    return Fehler(Art::Bereich, QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(index));
}

} // namespace Plattform
