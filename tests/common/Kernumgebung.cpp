#include "Kernumgebung.h"

#include "core/app/Programmzustand.h"
#include "core/app/Unit1.h"
#include "core/calc/Nachweis.h"
#include "core/platform/Textdatei.h"
#include "core/projekt/Positionszustand.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <clocale>

namespace Testumgebung {

void start()
{
    // A program started without "Daten/" beside it keeps its data in the user's folder: each
    // test program gets a folder of its own, never the real one of the user running it.
    static QTemporaryDir benutzerdaten;
    qputenv("XDG_DATA_HOME", benutzerdaten.path().toLocal8Bit());
    const QByteArray sprache = qgetenv("TRABEX_TEST_LOCALE");
    QLocale::setDefault(
        sprache == "en" ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(QLocale::German, QLocale::Germany));
    // The C library's locale as a desktop of that language sets it (the application object takes
    // it from the environment), so that nothing may depend on the C library's decimal point.
    std::setlocale(LC_ALL, sprache == "en" ? "en_US.UTF-8" : "de_DE.UTF-8");
}

bool deutsch() { return QLocale().decimalPoint() == QStringLiteral(","); }

QString zahl(const QString& punktnotation)
{
    QString t = punktnotation;
    return deutsch() ? t.replace(QLatin1Char('.'), QLatin1Char(',')) : t;
}

void zustandZuruecksetzen()
{
    Unit1::Zustand_Zuruecksetzen();
    Main::Hilfeindex = 0;
    Main::Formelindex = 0;
    Main::Materialdatenbankversion = 0;
    Nachweis::Durchbiegungsgrenze = 0;
    Positionszustand::Werkstoff_Vergessen();
}

QString gelieferteDaten() { return QString::fromLocal8Bit(qgetenv("TRABEX_QUELLE")) + QStringLiteral("/Daten/"); }

Programmverzeichnis::Programmverzeichnis()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Daten"));
    Main::Programmverzeichnis_Setzen(pfad());
}

Programmverzeichnis::~Programmverzeichnis() { Main::Programmverzeichnis_Setzen(QString()); }

QString Programmverzeichnis::pfad() const { return m_dir.path() + QLatin1Char('/'); }

QString Programmverzeichnis::daten() const { return pfad() + QStringLiteral("Daten/"); }

void Programmverzeichnis::schreiben(const QString& name, const QByteArray& inhalt) const
{
    QFile datei(daten() + name);
    QVERIFY2(datei.open(QIODevice::WriteOnly), qPrintable(datei.fileName()));
    datei.write(inhalt);
}

QByteArray Programmverzeichnis::lesen(const QString& name) const
{
    QFile datei(daten() + name);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll();
}

QByteArray cp1252(const QString& text)
{
    QByteArray b = Textdatei::kodieren({text});
    b.chop(2); // without the line end
    return b;
}

} // namespace Testumgebung
