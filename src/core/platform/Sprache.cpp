#include "core/platform/Sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace Sprache {

bool Qt_Texte_Laden()
{
    static QPointer<QTranslator> geladen; // goes with the application object
    if (geladen)
        return true;
    auto* uebersetzung = new QTranslator(QCoreApplication::instance());
    if (!uebersetzung->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    QCoreApplication::installTranslator(uebersetzung);
    geladen = uebersetzung;
    return true;
}

void Zahlen_Deutsch_ohne_Sprachwahl()
{
    if (QLocale().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

} // namespace Sprache
