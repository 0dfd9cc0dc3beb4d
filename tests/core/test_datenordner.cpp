// Where the data lives: "Daten/" beside the program, else the user's folder filled from the
// installed copy, else the installed copy read-only; and the write protection of that copy.
#include "Kernumgebung.h"
#include "core/app/Datenordner.h"
#include "core/platform/Fehler.h"
#include "core/platform/Textdatei.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

namespace {

void schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
}

// A prefix laid out as installed: bin/ and share/trabex/Daten/ with the given files.
struct Prefix {
    QTemporaryDir dir;
    QString bin() const { return dir.path() + QStringLiteral("/bin/"); }
    QString daten() const { return dir.path() + QStringLiteral("/share/trabex/Daten/"); }
    Prefix(std::initializer_list<const char*> dateien)
    {
        QDir().mkpath(bin());
        QDir().mkpath(daten());
        for (const char* name : dateien)
            schreiben(daten() + QString::fromLatin1(name), QByteArray("geliefert ") + name);
    }
};

// The user's data folder under a temporary XDG_DATA_HOME.
struct Benutzer {
    QTemporaryDir dir;
    QByteArray vorher = qgetenv("XDG_DATA_HOME");
    Benutzer() { qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit()); }
    ~Benutzer() { qputenv("XDG_DATA_HOME", vorher); }
    QString daten() const { return dir.path() + QStringLiteral("/Trabex/Daten/"); }
};

} // namespace

class TestDatenordner : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Trabex")); }

    void installierteDatenLiegenNebenBin()
    {
        QCOMPARE(Datenordner::installiert(QStringLiteral("/opt/x/bin/")), QStringLiteral("/opt/x/share/trabex/Daten/"));
    }

    // The build tree and portable copies: "Daten/" beside the program wins, nothing is copied.
    void datenNebenDemProgrammGewinnen()
    {
        Prefix prefix {"Material.csv"};
        QVERIFY(QDir().mkpath(prefix.bin() + QStringLiteral("Daten")));
        Benutzer benutzer;
        const Datenordner::Wahl wahl = Datenordner::waehlen(prefix.bin());
        QCOMPARE(wahl.verzeichnis, prefix.bin() + QStringLiteral("Daten/"));
        QVERIFY(!wahl.schreibgeschuetzt);
        QVERIFY(wahl.meldung.isEmpty());
        QVERIFY(!QDir(benutzer.daten()).exists());
        QVERIFY(!QFile::exists(prefix.bin() + QStringLiteral("Daten/Material.csv")));
    }

    // Only files the user lacks are copied, names compared without regard to case; a file
    // delivered read-only becomes the user's editable copy.
    void benutzerordnerWirdErgaenzt()
    {
        Prefix prefix {"Material.csv", "Profile.csv", "HEB.CSV"};
        QFile::setPermissions(prefix.daten() + QStringLiteral("HEB.CSV"), QFile::ReadOwner | QFile::ReadOther);
        Benutzer benutzer;
        QVERIFY(QDir().mkpath(benutzer.daten()));
        schreiben(benutzer.daten() + QStringLiteral("MATERIAL.CSV"), "eigen");
        const Datenordner::Wahl wahl = Datenordner::waehlen(prefix.bin());
        QCOMPARE(wahl.verzeichnis, benutzer.daten());
        QVERIFY(!wahl.schreibgeschuetzt);
        QVERIFY(wahl.meldung.isEmpty());
        QCOMPARE(QDir(benutzer.daten()).entryList(QDir::Files), QStringList({"HEB.CSV", "MATERIAL.CSV", "Profile.csv"}));
        QCOMPARE(lesen(benutzer.daten() + QStringLiteral("MATERIAL.CSV")), QByteArray("eigen"));
        QCOMPARE(lesen(benutzer.daten() + QStringLiteral("Profile.csv")), QByteArray("geliefert Profile.csv"));
        QVERIFY(QFileInfo(benutzer.daten() + QStringLiteral("HEB.CSV")).permissions() & QFile::WriteOwner);
        // A second start copies nothing more.
        QCOMPARE(Datenordner::ergaenzen(prefix.daten(), benutzer.daten()), QStringList());
    }

    void ohneInstallierteDatenBleibtDerOrdnerLeer()
    {
        QTemporaryDir bin;
        Benutzer benutzer;
        const Datenordner::Wahl wahl = Datenordner::waehlen(bin.path() + QStringLiteral("/"));
        QCOMPARE(wahl.verzeichnis, benutzer.daten());
        QVERIFY(QDir(benutzer.daten()).isEmpty());
    }

    // The user's folder cannot be made: the installed copy, read-only, with a message that
    // names both folders.
    void ohneBenutzerordnerNurLesen()
    {
        Prefix prefix {"Material.csv"};
        Benutzer benutzer;
        const QString sperre = benutzer.dir.filePath(QStringLiteral("datei"));
        schreiben(sperre, "keine Ordner hier");
        qputenv("XDG_DATA_HOME", sperre.toLocal8Bit());
        const Datenordner::Wahl wahl = Datenordner::waehlen(prefix.bin());
        QCOMPARE(wahl.verzeichnis, prefix.daten());
        QVERIFY(wahl.schreibgeschuetzt);
        QVERIFY2(wahl.meldung.contains(sperre + QStringLiteral("/Trabex/Daten/")), qPrintable(wahl.meldung));
        QVERIFY2(wahl.meldung.contains(prefix.daten()), qPrintable(wahl.meldung));
    }

    // A protected folder is never written, even by a user the file system would let through.
    void schreibschutz()
    {
        QTemporaryDir dir;
        const QString ordner = dir.path() + QStringLiteral("/Daten/");
        QVERIFY(QDir().mkpath(ordner));
        const auto aufheben = qScopeGuard([] { Textdatei::schreibschutzSetzen(QString()); });
        Textdatei::schreibschutzSetzen(ordner);
        QVERIFY(Textdatei::schreibgeschuetzt(ordner + QStringLiteral("Style.INI")));
        QVERIFY(!Textdatei::schreibgeschuetzt(dir.path() + QStringLiteral("/Daten2/Style.INI")));
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, Textdatei::schreiben(ordner + QStringLiteral("Material.csv"), {"x"}));
        QVERIFY(!QFile::exists(ordner + QStringLiteral("Material.csv")));
        Textdatei::schreibschutzSetzen(QString());
        Textdatei::schreiben(ordner + QStringLiteral("Material.csv"), {QStringLiteral("x")});
        QVERIFY(QFile::exists(ordner + QStringLiteral("Material.csv")));
    }
};

TRABEX_TEST_MAIN(TestDatenordner)
#include "test_datenordner.moc"
