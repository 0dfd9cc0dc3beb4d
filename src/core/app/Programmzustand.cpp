#include "core/app/Programmzustand.h"

#include <QCoreApplication>

namespace Main {

int Hilfeindex = 0;
int Formelindex = 0;
int Materialdatenbankversion = 0;
QString Programmdir;
QString Datendir;

namespace {
QString g_programmverzeichnis;
}

QString Programmverzeichnis()
{
    QString v = g_programmverzeichnis.isEmpty() ? QCoreApplication::applicationDirPath() : g_programmverzeichnis;
    if (!v.endsWith(QLatin1Char('/')))
        v += QLatin1Char('/');
    return v;
}

void Programmverzeichnis_Setzen(const QString& verzeichnis) { g_programmverzeichnis = verzeichnis; }

} // namespace Main
