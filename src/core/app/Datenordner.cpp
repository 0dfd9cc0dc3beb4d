#include "core/app/Datenordner.h"

#include "core/platform/Fehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#ifndef TRABEX_DATEN_RELATIV
#define TRABEX_DATEN_RELATIV "../share/trabex/Daten"
#endif

namespace Datenordner {

namespace {

QString mitTrenner(QString pfad)
{
    if (!pfad.endsWith(QLatin1Char('/')))
        pfad += QLatin1Char('/');
    return pfad;
}

// The copy gets the user's usual rights: an installation may deliver its files read-only,
// and the user's own copy must stay editable.
constexpr QFile::Permissions Rechte
    = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther;

void kopieren(const QString& von, const QString& nach)
{
    QFile quelle(von);
    if (!quelle.copy(nach))
        throw Plattform::Fehler::datei(nach, quelle.errorString());
    QFile::setPermissions(nach, Rechte);
}

QString ordnerFehler(const QString& ordner, const QString& grund = QString())
{
    const QString satz = QStringLiteral("Der Datenordner %1 kann nicht angelegt oder beschrieben werden.").arg(ordner);
    return grund.isEmpty() ? satz : satz + QLatin1Char(' ') + grund;
}

} // namespace

QString installiert(const QString& programmdir)
{
    return mitTrenner(QDir::cleanPath(programmdir + QStringLiteral(TRABEX_DATEN_RELATIV)));
}

QString benutzer()
{
    const QString ort = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return ort.isEmpty() ? QString() : mitTrenner(ort) + QStringLiteral("Daten/");
}

QStringList ergaenzen(const QString& quelle, const QString& ziel)
{
    const QDir von(quelle);
    const QDir nach(ziel);
    QSet<QString> vorhanden;
    for (const QString& name : nach.entryList(QDir::Files | QDir::Hidden))
        vorhanden.insert(name.toLower());
    QStringList kopiert;
    if (!von.exists())
        return kopiert;
    for (const QString& name : von.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (vorhanden.contains(name.toLower()))
            continue;
        kopieren(von.filePath(name), nach.filePath(name));
        kopiert << name;
    }
    return kopiert;
}

Wahl waehlen(const QString& programmdir)
{
    const QString nebenan = mitTrenner(programmdir) + QStringLiteral("Daten/");
    if (QFileInfo(nebenan).isDir())
        return {nebenan, false, QString()};

    const QString eigen = benutzer();
    const QString geliefert = installiert(programmdir);
    QString warum;
    if (eigen.isEmpty())
        warum = QStringLiteral("Das System nennt keinen Ordner für die Daten des Benutzers.");
    else if (!QDir().mkpath(eigen) || !QFileInfo(eigen).isWritable())
        warum = ordnerFehler(eigen);
    else {
        try {
            ergaenzen(geliefert, eigen);
            return {eigen, false, QString()};
        } catch (const Plattform::Fehler& f) {
            warum = ordnerFehler(eigen, f.text());
        }
    }
    return {geliefert, true,
        warum
            + QStringLiteral(
                "\n\nTrabex arbeitet mit den installierten Daten aus %1; Änderungen können nicht gespeichert werden.")
                  .arg(geliefert)};
}

} // namespace Datenordner
