// Number conventions, checked floating point, text files, the error report and when a
// window's set-up routine runs.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/platform/Fehler.h"
#include "core/platform/Fliesskomma.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "core/platform/Zahlen.h"
#include "gui/platform/Oberflaeche.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QWindow>
#include <clocale>
#include <cmath>
#include <limits>

using Plattform::Fehler;

namespace {
// Runs f and returns the kind of error it threw, or Art::Allgemein when it threw none.
template <class F> Fehler::Art fehlerArt(F f)
{
    try {
        f();
    } catch (const Fehler& e) {
        return e.art();
    }
    return Fehler::Art::Allgemein;
}
} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    // Written in point notation; the test turns them into the locale's notation.
    void lesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert");
        QTest::newRow("ganze Zahl") << "210000" << 210000.0;
        QTest::newRow("Dezimalzahl") << "2.5" << 2.5;
        QTest::newRow("Blanks ringsum") << "  7.85  " << 7.85;
        QTest::newRow("Vorzeichen") << "-0.5" << -0.5;
        QTest::newRow("Exponent") << "1.5E3" << 1500.0;
        QTest::newRow("Exponent klein negativ") << "+2e-2" << 0.02;
        QTest::newRow("nur Nachkomma") << ".5" << 0.5;
    }
    void lesen()
    {
        QFETCH(QString, text);
        QFETCH(double, wert);
        QCOMPARE(Zahlen::lesen(Testumgebung::zahl(text)), wert);
    }

    // The C library's number functions follow LC_NUMERIC, which the application object takes
    // from the environment: under a German system locale they expect a comma. The program's
    // reading must not depend on it.
    void lesenUnabhaengigVomCGebietsschema()
    {
        const QByteArray vorher = setlocale(LC_NUMERIC, nullptr);
        for (const char* gebiet : {"de_DE.UTF-8", "en_US.UTF-8"}) {
            QVERIFY2(setlocale(LC_NUMERIC, gebiet), "locale missing: scripts/einrichten.sh generates it");
            QCOMPARE(Zahlen::lesen(Testumgebung::zahl("20.03")), 20.03);
            QCOMPARE(Zahlen::versuchenDatei(QStringLiteral("20,03")), std::optional<double>(20.03));
            QCOMPARE(Zahlen::versuchenDatei(QStringLiteral("20.03")), std::optional<double>(20.03));
        }
        setlocale(LC_NUMERIC, vorher.constData());
    }

    void lesenLehntAb_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("leer") << "";
        QTest::newRow("Blank") << " ";
        QTest::newRow("Wort") << "abc";
        QTest::newRow("Tausendertrenner") << (Testumgebung::deutsch() ? "1.000,5" : "1,000.5");
        QTest::newRow("fremdes Dezimalzeichen") << (Testumgebung::deutsch() ? "2.5" : "2,5");
        QTest::newRow("Exponent ohne Ziffer") << "1e";
        QTest::newRow("unendlich") << "inf";
        QTest::newRow("zu gross") << "1e400";
        QTest::newRow("Hex") << "0x10";
        QTest::newRow("zwei Zahlen") << "1 2";
    }
    void lesenLehntAb()
    {
        QFETCH(QString, text);
        try {
            Zahlen::lesen(text);
            QFAIL("no conversion error");
        } catch (const Fehler& e) {
            QCOMPARE(e.art(), Fehler::Art::Konvertierung);
            QCOMPARE(e.text(), QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
        }
    }

    // Expected texts in point notation; the locale's separator replaces the point.
    void fixiert_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<int>("nachkomma");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("7.85") << 7.85 << 2 << "7.85";
        QTest::newRow("2.1 mit zwei Stellen") << 2.1 << 2 << "2.10";
        QTest::newRow("Null") << 0.0 << 2 << "0.00";
        QTest::newRow("Null vier Stellen") << 0.0 << 4 << "0.0000";
        QTest::newRow("gerundet") << 101.8219 << 2 << "101.82";
        QTest::newRow("aufgerundet") << 0.999 << 2 << "1.00";
        QTest::newRow("sechs Vorkommastellen") << 123456.789 << 2 << "123456.80";
        QTest::newRow("sieben Vorkommastellen") << 1234567.891 << 2 << "1234568.00";
        QTest::newRow("vier Nachkomma") << 1.23456789 << 4 << "1.2346";
        QTest::newRow("vier Nachkomma gross") << 12345.6789 << 4 << "12345.6800";
        QTest::newRow("negativ") << -120.0 << 2 << "-120.00";
        QTest::newRow("negativ gegen Null") << -0.001 << 2 << "0.00";
        QTest::newRow("acht Vorkommastellen") << 123456789.0 << 2 << "1.234568E+08";
        QTest::newRow("Rundung auf acht Stellen") << 9999999.6 << 2 << "1.000000E+07";
        QTest::newRow("klein") << 0.004 << 2 << "0.00";
        // Halves as the user reads them, although the double lies just below them.
        QTest::newRow("Haelfte 3.925") << 500 * 7.85 / 1000 << 2 << "3.93";
        QTest::newRow("Haelfte 2.675") << 2.675 << 2 << "2.68";
        QTest::newRow("Haelfte an der letzten Stelle") << 0.005 << 2 << "0.01";
        QTest::newRow("Haelfte negativ") << -0.005 << 2 << "-0.01";
        QTest::newRow("Uebertrag") << 9.999 << 2 << "10.00";
        QTest::newRow("Uebertrag vier Stellen") << 99.99995 << 4 << "100.0000";
    }
    void fixiert()
    {
        QFETCH(double, wert);
        QFETCH(int, nachkomma);
        QFETCH(QString, erwartet);
        QCOMPARE(Zahlen::fixiert(wert, nachkomma), Testumgebung::zahl(erwartet));
    }

    void fixiertMitAchtzehnStellen() { QCOMPARE(Zahlen::fixiert(98765431.28 / 80.0, 2, 18), Testumgebung::zahl("1234567.89")); }

    void fliesskomma()
    {
        QCOMPARE(fehlerArt([] { Fliesskomma::teile(1, 0); }), Fehler::Art::DivisionDurchNull);
        QCOMPARE(fehlerArt([] { Fliesskomma::teile(0, 0); }), Fehler::Art::UngueltigeOperation);
        QCOMPARE(fehlerArt([] { Fliesskomma::teile(1e300, 1e-300); }), Fehler::Art::Ueberlauf);
        QCOMPARE(fehlerArt([] { Fliesskomma::wurzel(-1); }), Fehler::Art::UngueltigeOperation);
        QCOMPARE(
            fehlerArt([] { Fliesskomma::pruefe(std::numeric_limits<double>::quiet_NaN()); }), Fehler::Art::UngueltigeOperation);
        QCOMPARE(Fliesskomma::teile(1, 4), 0.25);
        QCOMPARE(Fehler::divisionDurchNull().text(), QStringLiteral("Gleitkommadivision durch Null"));
        QCOMPARE(Fehler::ungueltigeOperation().text(), QStringLiteral("Ungültige Gleitkommaoperation"));
        QCOMPARE(Fehler::ueberlauf().text(), QStringLiteral("Gleitkommaüberlauf"));
    }

    void potenz()
    {
        QVERIFY(std::abs(Fliesskomma::potenz(2, 3) - 8) < 1e-12);
        QVERIFY(std::abs(Fliesskomma::potenz(9, 0.5) - 3) < 1e-12);
        QCOMPARE(fehlerArt([] { Fliesskomma::potenz(0, 4); }), Fehler::Art::DivisionDurchNull);
        QCOMPARE(fehlerArt([] { Fliesskomma::potenz(-2, 2); }), Fehler::Art::UngueltigeOperation);
        QCOMPARE(fehlerArt([] { Fliesskomma::potenz(1e200, 4); }), Fehler::Art::Ueberlauf);
    }

    void programminit()
    {
        Testumgebung::zustandZuruecksetzen();
        Unit1::W = 5;
        Unit1::Programminit();
        QCOMPARE(Unit1::ProfilArt, QStringLiteral("Keines gewählt"));
        QCOMPARE(Unit1::ProfilName, QStringLiteral("Keiner gewählt"));
        QCOMPARE(Unit1::W, 0.0);
        QCOMPARE(Unit1::Matdat[0].Sorte, QStringLiteral("LEER"));
        QCOMPARE(Unit1::Matdat[200].Art, QStringLiteral("Leer"));
        QCOMPARE(Unit1::Matdat[17].E, 0.0);
        QCOMPARE(Unit1::Profildat[40][150].Art, QStringLiteral("LEER"));
        QCOMPARE(Unit1::Profildat[0][0].Name, QStringLiteral("LEER"));
        QCOMPARE(Unit1::kurz(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 20), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    }

    void dekodieren_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QStringList>("zeilen");
        const QStringList stahl {QStringLiteral("Stahl;7,85"), QStringLiteral("Größe ²")};
        QTest::newRow("Windows-1252 CR LF") << QByteArray("Stahl;7,85\r\nGr\xF6\xDF"
                                                          "e \xB2\r\n")
                                            << stahl;
        QTest::newRow("UTF-8 LF") << QByteArray("Stahl;7,85\nGr\xC3\xB6\xC3\x9F"
                                                "e \xC2\xB2")
                                  << stahl;
        QTest::newRow("UTF-8 mit BOM, CR") << QByteArray("\xEF\xBB\xBFStahl;7,85\rGr\xC3\xB6\xC3\x9F"
                                                         "e \xC2\xB2\r")
                                           << stahl;
        QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE")
                + QByteArray(reinterpret_cast<const char*>(u"Stahl;7,85\r\nGrö\u00DFe \u00B2"), 2 * 19)
                                  << stahl;
        QTest::newRow("leer") << QByteArray() << QStringList();
        QTest::newRow("Leerzeile bleibt") << QByteArray("a\r\n\r\nb") << QStringList {"a", "", "b"};
        QTest::newRow("Euro in 1252") << QByteArray("\x80") << QStringList {QStringLiteral("€")};
    }
    void dekodieren()
    {
        QFETCH(QByteArray, daten);
        QFETCH(QStringList, zeilen);
        QCOMPARE(Textdatei::inZeilen(Textdatei::dekodieren(daten)), zeilen);
    }

    void kodierenBehaeltJedesZeichen()
    {
        QCOMPARE(Textdatei::kodieren({QStringLiteral("Größe €"), QStringLiteral("x")}),
            QByteArray("Gr\xF6\xDF"
                       "e \x80\r\nx\r\n"));
        // Windows-1252 bytes that would read back as UTF-8 or as a byte-order mark.
        for (const QString& tuecke : {QStringLiteral("Ã©"), QStringLiteral("ÿþx"), QStringLiteral("ï»¿x")}) {
            const QByteArray b = Textdatei::kodieren({tuecke});
            QCOMPARE(Textdatei::inZeilen(Textdatei::dekodieren(b)), QStringList {tuecke});
        }
        const QStringList fremd {QStringLiteral("σ = F/A"), QStringLiteral("λ")};
        const QByteArray utf8 = Textdatei::kodieren(fremd);
        QVERIFY(utf8.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(Textdatei::inZeilen(Textdatei::dekodieren(utf8)), fremd);
    }

    void dateiLesenUndSchreiben()
    {
        Testumgebung::Programmverzeichnis dir;
        const QString pfad = dir.daten() + QStringLiteral("Material.csv");
        Textdatei::schreiben(pfad, {QStringLiteral("a;b"), QStringLiteral("ü")});
        QCOMPARE(dir.lesen(QStringLiteral("Material.csv")), QByteArray("a;b\r\n\xFC\r\n"));
        QCOMPARE(Textdatei::finden(dir.daten(), QStringLiteral("MATERIAL.CSV")), pfad);
        QVERIFY(Textdatei::existiert(dir.daten(), QStringLiteral("material.Csv")));
        QVERIFY(!Textdatei::existiert(dir.daten(), QStringLiteral("Profile.csv")));
        QCOMPARE(Textdatei::lesen(Textdatei::finden(dir.daten(), QStringLiteral("material.csv"))),
            (QStringList {QStringLiteral("a;b"), QStringLiteral("ü")}));
        try {
            Textdatei::lesen(dir.daten() + QStringLiteral("fehlt.csv"));
            QFAIL("no file error");
        } catch (const Fehler& e) {
            QCOMPARE(e.art(), Fehler::Art::Datei);
            QVERIFY(e.text().startsWith(QStringLiteral("Datei %1fehlt.csv kann nicht geöffnet werden. ").arg(dir.daten())));
        }
    }

    void misslungenesSchreibenLaesstDateiGanz()
    {
        Testumgebung::Programmverzeichnis dir;
        const QString pfad = dir.daten() + QStringLiteral("Style.INI");
        Textdatei::schreiben(pfad, {QStringLiteral("Luna")});
        QFile::setPermissions(dir.daten(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(dir.daten()).isWritable())
            QSKIP("running as a user who may write anywhere");
        QCOMPARE(fehlerArt([&] { Textdatei::schreiben(pfad, {QStringLiteral("Fusion")}); }), Fehler::Art::Datei);
        QFile::setPermissions(dir.daten(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(Textdatei::lesen(pfad), QStringList {QStringLiteral("Luna")});
    }

    void geschuetztMeldetUndBehaeltAenderungen()
    {
        Plattform::Meldungsrekorder rekorder;
        int schritte = 0;
        const bool ok = Plattform::geschuetzt([&] {
            ++schritte;
            Zahlen::lesen(QStringLiteral("x"));
            ++schritte;
        });
        QVERIFY(!ok);
        QCOMPARE(schritte, 1);
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Plattform::Meldungsart::Bericht);
        QCOMPARE(rekorder.meldungen[0].titel, QStringLiteral("Trabex"));
        QCOMPARE(rekorder.meldungen[0].text, QStringLiteral("'x' ist kein gültiger Gleitkommawert"));
    }

    void teilschritteMeldenZusammen()
    {
        Plattform::Meldungsrekorder rekorder;
        Plattform::Teilschritte schritte;
        bool weiter = false;
        QVERIFY(!schritte.ausfuehren([] { throw Fehler::datei(QStringLiteral("a.bmp"), QStringLiteral("fehlt")); }));
        QVERIFY(!schritte.ausfuehren([] { Zahlen::lesen(QStringLiteral("x")); }));
        QVERIFY(schritte.ausfuehren([&] { weiter = true; }));
        QVERIFY(weiter);
        QVERIFY(rekorder.meldungen.isEmpty());
        schritte.berichten();
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Plattform::Meldungsart::Bericht);
        QVERIFY(rekorder.meldungen[0].text.contains(QStringLiteral("a.bmp")));
        QVERIFY(rekorder.meldungen[0].text.contains(QStringLiteral("'x' ist kein gültiger Gleitkommawert")));
        schritte.berichten(); // reported once
        QCOMPARE(rekorder.meldungen.size(), 1);
    }

    // The recorder gives the window that was active a deactivation and an activation around
    // each box, as a window system does; the set-up routine must not run for that.
    void meldungLoestKeineAktivierungAus()
    {
        Plattform::Meldungsrekorder rekorder;
        QWidget fenster, anderes;
        int laeufe = 0;
        Plattform::beiAktivierung(&fenster, [&] { ++laeufe; });
        Plattform::aktivieren(&fenster);
        QCOMPARE(laeufe, 1);
        Plattform::information(QStringLiteral("zu klein"));
        Plattform::fehler(QStringLiteral("Fehler"));
        Plattform::zwischenfenster([&] { Plattform::aktivieren(&anderes); }); // the printer set-up
        Plattform::aktivieren(&fenster);
        QCOMPARE(laeufe, 1);
        // Coming back from another window is a real activation.
        Plattform::piep();
        Plattform::aktivieren(&anderes);
        Plattform::aktivieren(&fenster);
        QCOMPARE(laeufe, 2);
        Plattform::hinweis(QStringLiteral("Hinweis"));
        Plattform::aktivieren(&anderes);
        Plattform::aktivieren(&fenster);
        QCOMPARE(laeufe, 3);
    }

    // A routine that fails with a box is not run again by the box closing: one box, no loop.
    void scheiternderEintrittMeldetEinmal()
    {
        Plattform::Meldungsrekorder rekorder;
        QWidget fenster;
        int laeufe = 0;
        Plattform::beiAktivierung(&fenster, [&] {
            ++laeufe;
            throw Fehler::datei(QStringLiteral("B_Bieg1.BMP"), QStringLiteral("fehlt"));
        });
        Plattform::aktivieren(&fenster);
        QCOMPARE(laeufe, 1);
        QCOMPARE(rekorder.meldungen.size(), 1);
    }

    void oeffnungNurNachDemZeigen()
    {
        QWidget fenster;
        int laeufe = 0;
        Plattform::beiOeffnung(&fenster, [&] { ++laeufe; });
        Plattform::aktivieren(&fenster);
        QCOMPARE(laeufe, 0);
        for (int mal = 1; mal <= 2; ++mal) {
            fenster.show();
            Plattform::aktivieren(&fenster);
            Plattform::aktivieren(&fenster); // a nested dialog closed
            QCOMPARE(laeufe, mal);
            fenster.hide();
        }
    }

    void modalGehoertDemAktivenFenster()
    {
        QWidget hauptfenster, aufrufer;
        QDialog dialog(&hauptfenster);
        for (QWidget* w : {&hauptfenster, &aufrufer})
            w->winId();
        Plattform::aktivieren(&aufrufer);
        QWindow* eigner = nullptr;
        QTimer::singleShot(0, &dialog, [&] {
            eigner = dialog.windowHandle()->transientParent();
            dialog.reject();
        });
        Plattform::modal(&dialog);
        QCOMPARE(eigner, aufrufer.windowHandle());
    }
};

TRABEX_TEST_MAIN(TestPlatform)
#include "test_platform.moc"
