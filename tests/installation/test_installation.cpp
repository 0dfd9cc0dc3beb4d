// The program as installed by `cmake --install` into a temporary prefix (TRABEX_PREFIX): with
// no "Daten/" beside it, it keeps its data in the user's folder, filled from the installed
// read-only copy, and never writes that copy.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/platform/Textdatei.h"
#include "gui/Main.h"
#include "gui/data/Tab_Werkstoffdatenbank.h"
#include "gui/grid/SGcomp_Ansicht.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QScopeGuard>
#include <optional>

using Plattform::Meldungsart;

namespace {

QMap<QString, QByteArray> pruefsummen(const QString& ordner)
{
    QMap<QString, QByteArray> summen;
    QDirIterator it(ordner, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        QFile datei(pfad);
        if (datei.open(QIODevice::ReadOnly))
            summen.insert(
                QDir(ordner).relativeFilePath(pfad), QCryptographicHash::hash(datei.readAll(), QCryptographicHash::Sha1));
    }
    return summen;
}

QByteArray inhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// The whole program, started from the installed bin/ folder.
struct Installiert {
    Installiert()
    {
        Testumgebung::zustandZuruecksetzen();
        Main::Programmstart();
    }
    ~Installiert() { Main::Programmende(); }
};

TTab_Werkstoffdatenbank* werkstoffdb() { return Main::Mainform->TS_Werkstoffdatenbank; }

} // namespace

class TestInstallation : public QObject {
    Q_OBJECT

    QString m_prefix;
    QMap<QString, QByteArray> m_geliefert;
    std::optional<QTemporaryDir> m_benutzer;

    QString installiert() const { return m_prefix + QStringLiteral("/share/trabex/Daten/"); }
    QString eigene() const { return m_benutzer->path() + QStringLiteral("/Trabex/Daten/"); }

private slots:
    void initTestCase()
    {
        m_prefix = QString::fromLocal8Bit(qgetenv("TRABEX_PREFIX"));
        QVERIFY2(QFileInfo(m_prefix + QStringLiteral("/bin/trabex")).isExecutable(), qPrintable(m_prefix));
        Main::Programmverzeichnis_Setzen(m_prefix + QStringLiteral("/bin/"));
        m_geliefert = pruefsummen(installiert());
        QVERIFY(m_geliefert.contains(QStringLiteral("Material.csv")));
    }

    void init()
    {
        m_benutzer.emplace();
        qputenv("XDG_DATA_HOME", m_benutzer->path().toLocal8Bit());
    }

    // Whatever a case did, the installed copy is as installed.
    void cleanup()
    {
        QCOMPARE(pruefsummen(installiert()), m_geliefert);
        m_benutzer.reset();
    }

    void ersterStartFuelltDenBenutzerordner()
    {
        Plattform::Meldungsrekorder rekorder;
        Installiert programm;
        QCOMPARE(Main::Datendir, eigene());
        QCOMPARE(pruefsummen(eigene()), m_geliefert);
        QCOMPARE(rekorder.texte(), QStringList());
        QVERIFY(Unit1::Matdat[0].Sorte != QStringLiteral("LEER"));
        QVERIFY(!Unit1::Profildateinamenarray[0].isEmpty());
        QVERIFY(!Unit1::Profildat[0][0].Name.isEmpty());
        QVERIFY(!Unit1::Profildat[0][0].Name.startsWith(QStringLiteral("LEER")));
    }

    // An edit is saved in the user's folder and survives later starts; a file that a newer
    // installation brings is added beside it.
    void benutzerdateienBleibenNeueKommenHinzu()
    {
        Plattform::Meldungsrekorder rekorder;
        const QString sorte = QStringLiteral("Eigener Stahl");
        {
            Installiert programm;
            werkstoffdb()->SG_Werkstoff->setCells(0, 1, sorte);
            QVERIFY(werkstoffdb()->Speichern());
        }
        const QByteArray bearbeitet = inhalt(eigene() + QStringLiteral("Material.csv"));
        QVERIFY(Textdatei::dekodieren(bearbeitet).contains(sorte));

        const QString neu = installiert() + QStringLiteral("NEU.CSV");
        const auto entfernen = qScopeGuard([&] { QFile::remove(neu); });
        QFile neueDatei(neu);
        QVERIFY(neueDatei.open(QIODevice::WriteOnly));
        neueDatei.write("Art;Name;Wmax;Wmin;Imax;Imin;A\r\n");
        neueDatei.close();
        {
            Installiert programm;
            QCOMPARE(Unit1::Matdat[0].Sorte, sorte);
        }
        QCOMPARE(inhalt(eigene() + QStringLiteral("Material.csv")), bearbeitet);
        QCOMPARE(inhalt(eigene() + QStringLiteral("NEU.CSV")), inhalt(neu));
        QCOMPARE(rekorder.texte(), QStringList());
    }

    // A user's file whose name differs only in case is the user's: it is not replaced.
    void namenOhneGrossKlein()
    {
        QVERIFY(QDir().mkpath(eigene()));
        QFile eigen(eigene() + QStringLiteral("MATERIAL.CSV"));
        QVERIFY(eigen.open(QIODevice::WriteOnly));
        eigen.write(inhalt(installiert() + QStringLiteral("Material.csv")));
        eigen.close();
        Installiert programm;
        QVERIFY(!QFile::exists(eigene() + QStringLiteral("Material.csv")));
        QVERIFY(Unit1::Matdat[0].Sorte != QStringLiteral("LEER"));
    }

    // No user folder can be made (its parent is a file): one message names it, the program
    // runs on the installed copy, and a save says that it cannot write.
    void ohneBeschreibbarenOrdnerNurLesen()
    {
        QFile sperre(m_benutzer->filePath(QStringLiteral("datei")));
        QVERIFY(sperre.open(QIODevice::WriteOnly));
        sperre.close();
        qputenv("XDG_DATA_HOME", sperre.fileName().toLocal8Bit());
        Plattform::Meldungsrekorder rekorder;
        Installiert programm;
        QCOMPARE(Main::Datendir, installiert());
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Meldungsart::Warnung);
        QVERIFY(rekorder.meldungen[0].text.contains(sperre.fileName() + QStringLiteral("/Trabex/Daten/")));
        QVERIFY(rekorder.meldungen[0].text.contains(installiert()));
        QVERIFY(Unit1::Matdat[0].Sorte != QStringLiteral("LEER"));

        // Closing keeps no style (the installed copy stays as it is) and reports nothing.
        rekorder.leeren();
        Main::Mainform->close();
        QCOMPARE(rekorder.texte(), QStringList());

        werkstoffdb()->SG_Werkstoff->setCells(0, 1, QStringLiteral("Eigener Stahl"));
        QVERIFY(!werkstoffdb()->Speichern());
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Meldungsart::Fehler);
        QVERIFY(rekorder.meldungen[0].text.contains(QStringLiteral("schreibgeschützt")));
    }

    // The installed program itself finds its installed data from wherever the prefix is.
    void installiertesProgrammStartet()
    {
        QProcess trabex;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("HOME"), m_benutzer->path());
        umgebung.insert(QStringLiteral("XDG_DATA_HOME"), m_benutzer->path());
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        trabex.setProcessEnvironment(umgebung);
        trabex.setProgram(m_prefix + QStringLiteral("/bin/trabex"));
        trabex.start();
        QVERIFY(trabex.waitForStarted());
        const auto beenden = qScopeGuard([&] {
            trabex.kill();
            trabex.waitForFinished();
        });
        // Each file is copied whole or not at all, so equal sums mean the folder is filled.
        const bool gefuellt = QTest::qWaitFor(
            [&] { return trabex.state() != QProcess::Running || pruefsummen(eigene()) == m_geliefert; }, 120000);
        QVERIFY2(gefuellt, "the program did not fill its data folder");
        QCOMPARE(trabex.state(), QProcess::Running);
        QCOMPARE(pruefsummen(eigene()), m_geliefert);
    }
};

TRABEX_TEST_MAIN(TestInstallation)
#include "test_installation.moc"
