// The material database editor and the profile editor: validation boxes in their order, saving
// in the locale's notation, conversion, the row buttons, creating a family, and the questions
// before unsaved edits would be lost.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/platform/Textdatei.h"
#include "core/platform/Zahlen.h"
#include "gui/Main.h"
#include "core/data/U_Einwirkungen.h"
#include "gui/data/Tab_Einwirkungen.h"
#include "gui/data/Tab_Profileditor.h"
#include "gui/data/Tab_Werkstoffauswahl.h"
#include "gui/data/Tab_Werkstoffdatenbank.h"
#include "gui/grid/SGcomp_Ansicht.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <optional>

using Testumgebung::cp1252;
using Testumgebung::zahl;

using Testumgebung::Antworten;

namespace {

const QString MaterialKopf = QStringLiteral("Name;E [N/mm²];SigmaB [N/mm²];SigmaP [N/mm²];Tetmajer a;Tetmajer b;Gamma "
                                            "[kg/dm³];Art;SigmaD [N/mm²];SigmaZ [N/mm²];SigmaS [N/mm²]");

// Three materials in the test locale's notation; entry 0 is wood, so that its kind, its
// specific weight and the wood divisor show whether it became the chosen material completely.
QByteArray materialdatei()
{
    return cp1252(MaterialKopf + "\r\n" + "Fichte C24;11000;24;0;0;0;" + zahl("0.5") + ";Holz;21;14;4\r\n"
        + "S235;210000;360;190;310;" + zahl("1.14") + ";" + zahl("7.85") + ";Metall;0;0;0\r\n" + "PVC;3000;50;0;0;0;"
        + zahl("1.4") + ";Kunststoff;0;0;0\r\n");
}

const QByteArray Alte_Materialdatei = "Name;E;SigmaB;SigmaP;a;b;Gamma\r\nS235;210000;360;190;310;1;7\r\n";
const QByteArray Heb = "Art;Name;Wmax;Wmin;Imax;Imin;A\r\nHEB;HEB 100;89;33;450;167;26\r\nHEB;HEB 120;144;52;864;318;34\r\n";
const QByteArray Ipe = "Art;Name;Wmax;Wmin;Imax;Imin;A\r\nIPE;IPE 80;20;3;80;8;7\r\n";

TTab_Werkstoffdatenbank* werkstoffdb() { return Main::Mainform->TS_Werkstoffdatenbank; }
TTab_Profileditor* profileditor() { return Main::Mainform->TS_Profileditor; }
TTab_Werkstoffauswahl* werkstoffauswahl() { return Main::Mainform->TS_Werkstoffauswahl; }

QStringList felder(const QByteArray& datei, int zeile)
{
    return Textdatei::dekodieren(datei).split("\r\n").value(zeile).split(';');
}

} // namespace

class TestEditoren : public QObject {
    Q_OBJECT

    std::optional<Testumgebung::Programmverzeichnis> m_verzeichnis;
    std::optional<Testumgebung::Programm> m_programm;

    const Testumgebung::Programmverzeichnis& verzeichnis() { return *m_verzeichnis; }
    void starten(int version = 2)
    {
        m_programm.reset();
        m_programm.emplace(*m_verzeichnis);
        Main::Materialdatenbankversion = version;
    }

private slots:
    void init()
    {
        m_programm.reset();
        m_verzeichnis.reset();
        m_verzeichnis.emplace();
        verzeichnis().schreiben(QStringLiteral("Material.csv"), materialdatei());
        verzeichnis().schreiben(QStringLiteral("Profile.csv"), "HEB.CSV\r\nIPE.CSV\r\n");
        verzeichnis().schreiben(QStringLiteral("HEB.CSV"), Heb);
        verzeichnis().schreiben(QStringLiteral("IPE.CSV"), Ipe);
        starten();
    }
    void cleanup()
    {
        m_programm.reset();
        m_verzeichnis.reset();
    }

    // ---- Material database editor -------------------------------------------------------

    void startLaedtBeideRaster()
    {
        // The categories of actions sort before the families; the editor opens on a family.
        verzeichnis().schreiben(QStringLiteral("Einwirkungen.csv"), QByteArray());
        starten();
        TEStringGrid* sg = werkstoffdb()->SG_Werkstoff;
        QCOMPARE(sg->ColCount(), 12); // with the column of fy, which the file has not yet
        QCOMPARE(sg->Cells(11, 0), QStringLiteral("fy [N/mm²]"));
        QCOMPARE(sg->RowCount(), 4);
        QCOMPARE(sg->Cells(0, 1), QStringLiteral("Fichte C24"));
        QVERIFY(!sg->Geaendert());
        QCOMPARE(profileditor()->LB_Profil->currentItem()->text(), QStringLiteral("HEB.CSV"));
        QCOMPARE(profileditor()->SG_Profil->Cells(1, 2), QStringLiteral("HEB 120"));
        QCOMPARE(profileditor()->SG_Profil->ColWidths(0), 180);
        QCOMPARE(profileditor()->SG_Profil->ColWidths(1), 100);
        QCOMPARE(profileditor()->SG_Profil->ColWidths(2), 110);
        QCOMPARE(sg->ColWidths(3), 145);
    }

    void werkstoffPruefung_data()
    {
        QTest::addColumn<QStringList>("eingaben"); // "column|row|text"
        QTest::addColumn<QStringList>("meldungen");
        using E = QStringList;
        QTest::newRow("leere Zahl") << E {"2|1|"} << QStringList {"Der Wert  ist falsch"};
        QTest::newRow("Komma und Punkt gehen") << E {"6|1|7,85", "6|2|7.85"} << QStringList {};
        QTest::newRow("7,8,5") << E {"6|1|7,8,5"} << QStringList {"Der Wert 7.8.5 ist falsch"};
        QTest::newRow("unlesbar grosser Exponent") << E {"1|2|1e999"} << QStringList {"Der Wert 1e999 ist falsch"};
        QTest::newRow("holz klein")
            << E {"7|1|holz"}
            << QStringList {"Die Werkstoffart holz ist nicht zulässig, zulässige Eingaben sind Holz, Metall oder Kunststoff"};
        QTest::newRow("Spalte fuer Spalte, von oben nach unten")
            << E {"3|2|x", "1|3|y", "1|1|z", "7|2|Stahl"}
            << QStringList {"Der Wert z ist falsch", "Der Wert y ist falsch", "Der Wert x ist falsch",
                   "Die Werkstoffart Stahl ist nicht zulässig, zulässige Eingaben sind Holz, Metall oder Kunststoff"};
        QTest::newRow("negatives SigmaP") << E {"3|2|-190"}
                                          << QStringList {"Der Wert -190 ist nicht zulässig, SigmaP darf nicht negativ sein"};
        QTest::newRow("E null") << E {"1|1|0,0"}
                                << QStringList {"Der Wert 0.0 ist nicht zulässig, der E-Modul muss größer als 0 sein"};
        QTest::newRow("negatives Tetmajer b geht") << E {"5|2|-1.14"} << QStringList {};
        QTest::newRow("fy geht, leer auch") << E {"11|2|235", "11|3|"} << QStringList {};
        QTest::newRow("fy null") << E {"11|2|0"}
                                 << QStringList {"Der Wert 0 ist nicht zulässig, die Streckgrenze fy muss größer als 0 sein"};
        QTest::newRow("fy Text") << E {"11|2|S235"} << QStringList {"Der Wert S235 ist falsch"};
        QTest::newRow("Name wird nicht geprueft") << E {"0|1|"} << QStringList {};
        QTest::newRow("Semikolon im Namen")
            << E {"0|2|S;235"}
            << QStringList {"Die Zelle in Zeile 2, Spalte 1 (\u201EName\u201C) enthält ein Semikolon oder einen Zeilenumbruch. "
                            "Diese Zeichen trennen in der Datei die Felder und Zeilen; bitte entfernen Sie sie."};
    }
    void werkstoffPruefung()
    {
        QFETCH(QStringList, eingaben);
        QFETCH(QStringList, meldungen);
        TEStringGrid* sg = werkstoffdb()->SG_Werkstoff;
        for (const QString& eingabe : eingaben)
            sg->setCells(eingabe.section('|', 0, 0).toInt(), eingabe.section('|', 1, 1).toInt(), eingabe.section('|', 2));
        Plattform::Meldungsrekorder rekorder;
        werkstoffdb()->B_Speichern->click();
        if (!meldungen.isEmpty()) {
            QCOMPARE(rekorder.texte(), meldungen);
            for (const auto& m : rekorder.meldungen)
                QCOMPARE(m.art, Plattform::Meldungsart::Fehler);
            QCOMPARE(verzeichnis().lesen(QStringLiteral("Material.csv")), materialdatei());
            QVERIFY(sg->Geaendert());
        } else {
            QVERIFY2(!rekorder.texte().contains(QStringLiteral("ist falsch")), qPrintable(rekorder.texte().join('|')));
            QVERIFY(!sg->Geaendert());
        }
    }

    void altesFormatHatKeineArtpruefung()
    {
        verzeichnis().schreiben(QStringLiteral("Material.csv"), Alte_Materialdatei);
        starten(1);
        werkstoffdb()->SG_Werkstoff->setCells(6, 1, QStringLiteral("abc"));
        Plattform::Meldungsrekorder rekorder;
        QVERIFY(!werkstoffdb()->Speichern());
        QCOMPARE(rekorder.texte(), QStringList {"Der Wert abc ist falsch"});
    }

    // Whatever separator was typed, the file holds the locale's, so every number reads back.
    void speichernSchreibtZahlenInLandesnotation()
    {
        TEStringGrid* sg = werkstoffdb()->SG_Werkstoff;
        sg->setCells(6, 1, QStringLiteral("7.85"));
        sg->setCells(6, 2, QStringLiteral("7,85"));
        sg->setCells(4, 3, QStringLiteral(" -1.5E2")); // Tetmajer a may be negative
        Plattform::Meldungsrekorder rekorder;
        QVERIFY(werkstoffdb()->Speichern());
        const QByteArray datei = verzeichnis().lesen(QStringLiteral("Material.csv"));
        QCOMPARE(felder(datei, 1)[6], zahl("7.85"));
        QCOMPARE(felder(datei, 2)[6], zahl("7.85"));
        QCOMPARE(felder(datei, 3)[4], zahl(" -1.5E2"));
        for (int zeile = 1; zeile <= 3; ++zeile)
            for (int c : {1, 2, 3, 4, 5, 6, 8, 9, 10})
                QVERIFY2(Zahlen::versuchen(felder(datei, zeile)[c]), qPrintable(felder(datei, zeile)[c]));
        QCOMPARE(sg->Cells(6, 1), zahl("7.85")); // the grid shows what the file holds
        QCOMPARE(felder(datei, 0).join(';'), MaterialKopf + QStringLiteral(";fy [N/mm²]"));
    }

    void nachDemSpeichernIstEintragNullGanzGewaehlt()
    {
        TTab_Werkstoffauswahl* auswahl = werkstoffauswahl();
        Plattform::Meldungsrekorder rekorder;
        auswahl->Liste_Fuellen();
        QCOMPARE(auswahl->LB_Material->count(), 3);
        auswahl->LB_Material->setCurrentRow(1);
        auswahl->LB_MaterialClick(); // S235 chosen: metal, 7.85 kg/dm³
        werkstoffdb()->SG_Werkstoff->setCells(2, 1, QStringLiteral("26"));
        QVERIFY(werkstoffdb()->Speichern());
        QCOMPARE(auswahl->LB_Material->currentRow(), 0);
        QCOMPARE(auswahl->LB_Material->count(), 3);
        QCOMPARE(Unit1::Sorte, QStringLiteral("Fichte C24"));
        QCOMPARE(Unit1::Sigma_B, 26.0);
        QCOMPARE(Unit1::Gamma, 0.5);
        QCOMPARE(Unit1::Sigma_Zul, 26.0 / 1.625);
        QCOMPARE(auswahl->L_Name->text(), QStringLiteral("Fichte C24"));
        QCOMPARE(auswahl->L_Gamma->text(), Zahlen::fixiert(0.5, 2));
        QCOMPARE(auswahl->L_Art->text(), QStringLiteral("Holz"));
        QCOMPARE(auswahl->L_SigmaS->text(), Zahlen::fixiert(4, 2));
        QCOMPARE(auswahl->L_SigmaP->text(), QStringLiteral("Sigma P [N/mm2] :"));
        QCOMPARE(auswahl->L_SigmaB->text(), QStringLiteral("SigmaB [N/mm2] :"));
    }

    // What was typed with either separator is read at the next start, also when that start
    // runs under the other locale.
    void gespeichertesLiestDerNaechsteStart_data()
    {
        QTest::addColumn<bool>("andereSprache");
        QTest::newRow("gleiche Sprache") << false;
        QTest::newRow("andere Sprache") << true;
    }
    void gespeichertesLiestDerNaechsteStart()
    {
        QFETCH(bool, andereSprache);
        werkstoffdb()->SG_Werkstoff->setCells(6, 2, QStringLiteral("7.87"));
        werkstoffdb()->SG_Werkstoff->setCells(2, 3, QStringLiteral("52,5"));
        profileditor()->SG_Profil->setCells(2, 1, QStringLiteral("89,9"));
        Plattform::Meldungsrekorder rekorder;
        QVERIFY(werkstoffdb()->Speichern());
        QVERIFY(profileditor()->Speichern());
        const QLocale vorher;
        if (andereSprache)
            QLocale::setDefault(Testumgebung::deutsch() ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                        : QLocale(QLocale::German, QLocale::Germany));
        rekorder.leeren();
        starten();
        QLocale::setDefault(vorher);
        QCOMPARE(rekorder.texte(), QStringList());
        QCOMPARE(Unit1::Matdat[1].Gamma, 7.87);
        QCOMPARE(Unit1::Matdat[2].SigmaB, 52.5);
        QCOMPARE(Unit1::Matdat[3].Sorte, QStringLiteral("LEER"));
        QCOMPARE(Unit1::Profildat[0][0].Wmax, 89.9);
    }

    void geloeschteZeileVerschwindetAusDerTabelle()
    {
        werkstoffdb()->SG_Werkstoff->setRow(3);
        werkstoffdb()->B_Zeile_Loeschen->click();
        Plattform::Meldungsrekorder rekorder;
        QVERIFY(werkstoffdb()->Speichern());
        QCOMPARE(Textdatei::dekodieren(verzeichnis().lesen(QStringLiteral("Material.csv"))).count(QStringLiteral("\r\n")), 3);
        QCOMPARE(Unit1::Matdat[2].Sorte, QStringLiteral("LEER")); // not the deleted PVC
    }

    // 200 materials fit; empty rows left at the end are not saved and do not count.
    void hoechstens200Werkstoffe_data()
    {
        QTest::addColumn<int>("gefuellt");
        QTest::addColumn<int>("leerDahinter");
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("200") << 200 << 0 << true;
        QTest::newRow("200 und leere Zeilen") << 200 << 5 << true;
        QTest::newRow("201") << 201 << 0 << false;
    }
    void hoechstens200Werkstoffe()
    {
        QFETCH(int, gefuellt);
        QFETCH(int, leerDahinter);
        QFETCH(bool, gespeichert);
        TEStringGrid* sg = werkstoffdb()->SG_Werkstoff;
        sg->setRowCount(gefuellt + 1 + leerDahinter);
        for (int r = 4; r <= gefuellt; ++r)
            sg->Zeile_Schreiben(r, sg->Zeile_Lesen(2, 11));
        Plattform::Meldungsrekorder rekorder;
        QCOMPARE(werkstoffdb()->Speichern(), gespeichert);
        if (gespeichert) {
            QCOMPARE(rekorder.texte(), QStringList());
            QCOMPARE(Unit1::Matdat[199].Sorte, QStringLiteral("S235"));
            return;
        }
        QCOMPARE(rekorder.texte(),
            QStringList {"Die Materialdatenbank kann höchstens 200 Werkstoffe aufnehmen, die Tabelle hat 201 Zeilen. Bitte "
                         "löschen Sie 1 Zeile; es wurde nichts gespeichert."});
        QCOMPARE(verzeichnis().lesen(QStringLiteral("Material.csv")), materialdatei());
    }

    void misslungenesSpeichernBehaeltDieAenderungen()
    {
        QFile::remove(verzeichnis().daten() + "Material.csv");
        QDir(verzeichnis().daten()).mkdir(QStringLiteral("Material.csv")); // cannot be written as a file
        werkstoffdb()->SG_Werkstoff->setCells(1, 1, QStringLiteral("12000"));
        Plattform::Meldungsrekorder rekorder;
        QVERIFY(!werkstoffdb()->Speichern());
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Plattform::Meldungsart::Fehler);
        QVERIFY(rekorder.texte()[0].startsWith(QStringLiteral("Die Materialdatenbank wurde nicht gespeichert")));
        QVERIFY(rekorder.texte()[0].contains(QStringLiteral("Ihre Änderungen bleiben in der Tabelle")));
        QCOMPARE(werkstoffdb()->SG_Werkstoff->Cells(1, 1), QStringLiteral("12000"));
        QVERIFY(werkstoffdb()->SG_Werkstoff->Geaendert());
    }

    void konvertieren()
    {
        Plattform::Meldungsrekorder rekorder;
        werkstoffdb()->B_Konvertieren->click();
        QCOMPARE(rekorder.texte(), QStringList {"Die Datenbankversion ist bereits 2 "});
        QVERIFY(!werkstoffdb()->SG_Werkstoff->Geaendert());

        verzeichnis().schreiben(QStringLiteral("Material.csv"), Alte_Materialdatei);
        starten(1);
        rekorder.leeren();
        TEStringGrid* sg = werkstoffdb()->SG_Werkstoff;
        werkstoffdb()->B_Konvertieren->click();
        QCOMPARE(rekorder.meldungen.size(), 1);
        QVERIFY(rekorder.texte()[0].startsWith(QStringLiteral("Die Materialdatenbank wurde konvertiert")));
        QCOMPARE(sg->ColCount(), 12);
        QCOMPARE(sg->Zeile_Lesen(0, 12).mid(7),
            (QStringList {"Art", "SigmaD [N/mm²]", "SigmaZ [N/mm²]", "SigmaS [N/mm²]", "fy [N/mm²]"}));
        QCOMPARE(sg->Zeile_Lesen(1, 12).mid(5), (QStringList {"1", "7", "Metall", "0", "0", "0", ""}));
        QCOMPARE(Main::Materialdatenbankversion, 1);
        QCOMPARE(verzeichnis().lesen(QStringLiteral("Material.csv")), Alte_Materialdatei);
        werkstoffdb()->B_Neue_Zeile->click();
        QCOMPARE(sg->Zeile_Lesen(2, 12), QStringList(12, QString()));
        QVERIFY(sg->Geaendert());
    }

    void zeilenKnoepfe()
    {
        TEStringGrid* sg = werkstoffdb()->SG_Werkstoff;
        sg->setCells(0, 2, QStringLiteral("Ein Werkstoff mit 25 Zeichen"));
        sg->setRow(2);
        werkstoffdb()->B_Zeile_Kopieren->click();
        QCOMPARE(Unit1::Materialzeile.Sorte, QStringLiteral("Ein Werkstoff mit 25"));
        QCOMPARE(Unit1::Materialzeile.SigmaZ, QStringLiteral("0")); // column 10
        QCOMPARE(Unit1::Materialzeile.SigmaS, QString()); // no column 11
        sg->setRow(1);
        werkstoffdb()->B_Einfuegen->click(); // the current row moves down
        QCOMPARE(sg->RowCount(), 5);
        QCOMPARE(sg->Zeile_Lesen(1, 11), QStringList(11, QString()));
        QCOMPARE(sg->Cells(0, 2), QStringLiteral("Fichte C24"));
        werkstoffdb()->B_Kopierte_Zeile_einfuegen->click();
        QCOMPARE(sg->Cells(0, 1), QStringLiteral("Ein Werkstoff mit 25"));
        QCOMPARE(sg->Cells(7, 1), QStringLiteral("Metall"));
        sg->setRow(4);
        werkstoffdb()->B_Zeile_Loeschen->click();
        QCOMPARE(sg->RowCount(), 4);
        QCOMPARE(sg->Cells(0, 3), QStringLiteral("Ein Werkstoff mit 25 Zeichen"));
        werkstoffdb()->B_Neue_Zeile->click();
        QCOMPARE(sg->RowCount(), 5);
        werkstoffdb()->B_Abbruch->click();
        QCOMPARE(sg->RowCount(), 4);
        QCOMPARE(sg->Cells(0, 2), QStringLiteral("S235"));
        QVERIFY(!sg->Geaendert());
    }

    void einfuegenInEinSiebenspaltigesRaster()
    {
        verzeichnis().schreiben(QStringLiteral("Material.csv"), Alte_Materialdatei);
        starten(1);
        Unit1::Materialzeile = {"Neu", "1", "2", "3", "4", "5", "6", "7", "Holz", "8", "9", "10"};
        werkstoffdb()->SG_Werkstoff->setRow(1);
        werkstoffdb()->B_Kopierte_Zeile_einfuegen->click();
        QCOMPARE(werkstoffdb()->SG_Werkstoff->ColCount(), 7);
        QCOMPARE(werkstoffdb()->SG_Werkstoff->Zeile_Lesen(1, 7), (QStringList {"Neu", "1", "2", "3", "4", "5", "6"}));
    }

    // ---- Unsaved edits ------------------------------------------------------------------

    void schliessenMitUngespeichertenAenderungen_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("ungueltig");
        QTest::addColumn<bool>("erlaubt");
        QTest::addColumn<bool>("geschrieben");
        QTest::newRow("Bleiben") << int(SGcomp::Antwort::Bleiben) << false << false << false;
        QTest::newRow("Verwerfen") << int(SGcomp::Antwort::Verwerfen) << false << true << false;
        QTest::newRow("Speichern") << int(SGcomp::Antwort::Speichern) << false << true << true;
        QTest::newRow("Speichern scheitert an der Pruefung") << int(SGcomp::Antwort::Speichern) << true << false << false;
    }
    void schliessenMitUngespeichertenAenderungen()
    {
        QFETCH(int, antwort);
        QFETCH(bool, ungueltig);
        QFETCH(bool, erlaubt);
        QFETCH(bool, geschrieben);
        Plattform::Meldungsrekorder rekorder;
        {
            Antworten keine(SGcomp::Antwort::Bleiben);
            QVERIFY(werkstoffdb()->Schliessen_Erlaubt() && profileditor()->Schliessen_Erlaubt());
            QVERIFY(keine.fragen.isEmpty()); // nothing unsaved, nothing asked
        }
        Antworten antworten {SGcomp::Antwort(antwort)};
        werkstoffdb()->SG_Werkstoff->setCells(2, 1, ungueltig ? QStringLiteral("x") : QStringLiteral("30"));
        QCOMPARE(werkstoffdb()->Schliessen_Erlaubt(), erlaubt);
        QCOMPARE(antworten.fragen.size(), 1);
        QVERIFY(antworten.fragen[0].contains(QStringLiteral("Materialdatenbank")));
        QCOMPARE(verzeichnis().lesen(QStringLiteral("Material.csv")) != materialdatei(), geschrieben);

        profileditor()->SG_Profil->setCells(2, 1, ungueltig ? QStringLiteral("x") : QStringLiteral("90"));
        QCOMPARE(profileditor()->Schliessen_Erlaubt(), erlaubt);
        QVERIFY(antworten.fragen.last().contains(QStringLiteral("HEB.CSV")));
        QCOMPARE(verzeichnis().lesen(QStringLiteral("HEB.CSV")) != Heb, geschrieben);
    }

    void hauptfensterBleibtOffen()
    {
        Antworten bleiben(SGcomp::Antwort::Bleiben);
        Main::Mainform->show();
        profileditor()->SG_Profil->setCells(2, 1, QStringLiteral("90"));
        QVERIFY(!Main::Mainform->close());
        QVERIFY(Main::Mainform->isVisible());
        QCOMPARE(bleiben.fragen.size(), 1);
    }

    // ---- Profile editor -----------------------------------------------------------------

    void profilErzeugen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("meldung"); // start of the one box
        const QString unzulaessig = QStringLiteral("Der Profilname");
        QTest::newRow("vorhanden") << "HEB"
                                   << "Die Datei existiert bereits!";
        QTest::newRow("vorhanden, andere Schreibung") << "heb"
                                                      << "Die Datei existiert bereits!";
        QTest::newRow("leer") << "" << unzulaessig;
        QTest::newRow("neun Zeichen") << "ABCDEFGHI" << unzulaessig;
        QTest::newRow("Pfadtrenner") << "../X" << unzulaessig;
        QTest::newRow("Rueckstrich") << "A\\B" << unzulaessig;
        QTest::newRow("Semikolon") << "A;B" << unzulaessig;
        QTest::newRow("Leerzeichen") << "HE B" << unzulaessig;
        QTest::newRow("Punkt") << "A.B" << unzulaessig;
        QTest::newRow("Umlaut") << "Ä" << unzulaessig;
        QTest::newRow("acht Zeichen gehen") << "HEB_2-AB"
                                            << "Sie können die neue Datei nun mit Daten füllen. Bevor Sie sie "
                                               "verwenden, muss das Programm neu gestartet werden!";
    }
    void profilErzeugen()
    {
        QFETCH(QString, name);
        QFETCH(QString, meldung);
        TTab_Profileditor* pe = profileditor();
        const QStringList vorher = QDir(verzeichnis().daten()).entryList(QDir::Files);
        pe->SG_Profil->setCells(0, 1, QStringLiteral("geändert"));
        pe->E_neuer_Profilname->setText(name);
        Plattform::Meldungsrekorder rekorder;
        pe->B_Profil_Erzeugen->click();
        QCOMPARE(rekorder.meldungen.size(), 1);
        QVERIFY2(rekorder.texte()[0].startsWith(meldung), qPrintable(rekorder.texte()[0]));
        QCOMPARE(pe->SG_Profil->Cells(0, 1), QStringLiteral("geändert")); // the grid is not touched
        if (!meldung.startsWith(QStringLiteral("Sie können"))) {
            QCOMPARE(rekorder.meldungen[0].art, Plattform::Meldungsart::Fehler);
            QCOMPARE(QDir(verzeichnis().daten()).entryList(QDir::Files), vorher);
            QCOMPARE(verzeichnis().lesen(QStringLiteral("Profile.csv")), QByteArray("HEB.CSV\r\nIPE.CSV\r\n"));
            return;
        }
        QCOMPARE(
            verzeichnis().lesen(name + ".CSV"), QByteArray("Art;Name;Wmax;Wmin;Imax;Imin;A;Knicklinie Imax;Knicklinie Imin\r\n"));
        QCOMPARE(verzeichnis().lesen(QStringLiteral("Profile.csv")), "HEB.CSV\r\nIPE.CSV\r\n" + name.toLatin1() + ".CSV\r\n");
        QVERIFY(!pe->LB_Profil->findItems(name + ".CSV", Qt::MatchExactly).isEmpty());
        QCOMPARE(pe->LB_Profil->currentItem()->text(), QStringLiteral("HEB.CSV")); // still the shown file
    }

    // The selection dialog lists 40 families: the 40th can be made, a 41st is refused with only
    // its error, and nothing is written.
    void profilErzeugenBeiVollerListe_data()
    {
        QTest::addColumn<int>("vorhanden");
        QTest::addColumn<bool>("angelegt");
        QTest::newRow("39 vorhanden") << 39 << true;
        QTest::newRow("40 vorhanden") << 40 << false;
    }
    void profilErzeugenBeiVollerListe()
    {
        QFETCH(int, vorhanden);
        QFETCH(bool, angelegt);
        QByteArray index;
        for (int k = 0; k < vorhanden; ++k)
            index += "F" + QByteArray::number(k) + ".CSV\r\n";
        index += "\r\n"; // a blank line names no family
        verzeichnis().schreiben(QStringLiteral("Profile.csv"), index);
        profileditor()->E_neuer_Profilname->setText(QStringLiteral("NEU"));
        const int dateien = profileditor()->LB_Profil->count();
        Plattform::Meldungsrekorder rekorder;
        profileditor()->B_Profil_Erzeugen->click();
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(QFile::exists(verzeichnis().daten() + "NEU.CSV"), angelegt);
        QCOMPARE(profileditor()->LB_Profil->count(), dateien + (angelegt ? 1 : 0));
        if (angelegt)
            return;
        QCOMPARE(rekorder.meldungen[0].art, Plattform::Meldungsart::Fehler);
        QCOMPARE(rekorder.texte()[0],
            QStringLiteral("Die Profilliste Profile.csv ist voll: sie kann höchstens 40 Profildateien aufnehmen. Es wurde "
                           "nichts angelegt."));
        QCOMPARE(verzeichnis().lesen(QStringLiteral("Profile.csv")), index);
    }

    void profilErzeugenOhneIndexLegtNichtsAn()
    {
        QFile::remove(verzeichnis().daten() + "Profile.csv");
        profileditor()->E_neuer_Profilname->setText(QStringLiteral("NEU"));
        Plattform::Meldungsrekorder rekorder;
        profileditor()->B_Profil_Erzeugen->click();
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Plattform::Meldungsart::Bericht);
        QVERIFY(rekorder.texte()[0].contains(QStringLiteral("kann nicht geöffnet werden")));
        QVERIFY(!QFile::exists(verzeichnis().daten() + "NEU.CSV"));
    }

    void neueProfilzeile()
    {
        TTab_Profileditor* pe = profileditor();
        pe->B_Neue_Zeile2->click();
        QCOMPARE(pe->SG_Profil->RowCount(), 4);
        QCOMPARE(pe->SG_Profil->Zeile_Lesen(3, 7), (QStringList {"HEB", "", "", "", "", "", ""}));

        // A new family holds the title line alone: its first row starts empty, under a title row.
        pe->E_neuer_Profilname->setText(QStringLiteral("NEU"));
        Plattform::Meldungsrekorder rekorder;
        pe->B_Profil_Erzeugen->click();
        Antworten verwerfen(SGcomp::Antwort::Verwerfen);
        pe->LB_Profil->setCurrentRow(pe->LB_Profil->row(pe->LB_Profil->findItems("NEU.CSV", Qt::MatchExactly).first()));
        QCOMPARE(pe->SG_Profil->RowCount(), 1);
        pe->B_Neue_Zeile2->click();
        QCOMPARE(pe->SG_Profil->RowCount(), 2);
        QCOMPARE(pe->SG_Profil->FixedRows(), 1);
        QCOMPARE(pe->SG_Profil->Zeile_Lesen(1, 7), QStringList(7, QString()));
        QCOMPARE(pe->SG_Profil->Cells(0, 0), QStringLiteral("Art"));
    }

    // W, I and A of a profile must be above 0, as the library reads them: each such cell is
    // refused, column by column, and nothing is written.
    void profilwerteUeberNull()
    {
        TEStringGrid* sg = profileditor()->SG_Profil;
        sg->setCells(6, 2, QStringLiteral("-3"));
        sg->setCells(2, 1, zahl("0.0"));
        Plattform::Meldungsrekorder rekorder;
        profileditor()->B_Profil_Speichern->click();
        QCOMPARE(rekorder.texte(),
            QStringList({"Der Wert 0.0 ist nicht zulässig, Wmax muss größer als 0 sein",
                "Der Wert -3 ist nicht zulässig, A muss größer als 0 sein"}));
        QCOMPARE(verzeichnis().lesen(QStringLiteral("HEB.CSV")), Heb);
    }

    // A family file from before the buckling curves shows their columns; a curve is one of
    // a0 to d or empty, and what is saved is read back by the library.
    void profilKnicklinien()
    {
        TEStringGrid* sg = profileditor()->SG_Profil;
        QCOMPARE(sg->Zeile_Lesen(0, 9).mid(7), (QStringList {"Knicklinie Imax", "Knicklinie Imin"}));
        QVERIFY(!sg->Geaendert());
        sg->setCells(7, 1, QStringLiteral("a"));
        sg->setCells(8, 1, QStringLiteral("B"));
        sg->setCells(7, 2, QStringLiteral("b"));
        Plattform::Meldungsrekorder rekorder;
        profileditor()->B_Profil_Speichern->click();
        QCOMPARE(rekorder.texte(), QStringList {"Der Wert B ist nicht zulässig, die Knicklinie muss a0, a, b, c oder d sein"});
        QCOMPARE(verzeichnis().lesen(QStringLiteral("HEB.CSV")), Heb);
        sg->setCells(8, 1, QStringLiteral("b"));
        QVERIFY(profileditor()->Speichern());
        QCOMPARE(felder(verzeichnis().lesen(QStringLiteral("HEB.CSV")), 1).mid(6), (QStringList {"26", "a", "b"}));
        QCOMPARE(felder(verzeichnis().lesen(QStringLiteral("HEB.CSV")), 2).mid(6), (QStringList {"34", "b", ""}));
        starten();
        QCOMPARE(Unit1::Profildat[0][0].Knicklinie_max, QStringLiteral("a"));
        QCOMPARE(Unit1::Profildat[0][0].Knicklinie_min, QStringLiteral("b"));
        QCOMPARE(Unit1::Profildat[0][1].Knicklinie_min, QString());
    }

    void profilPruefung()
    {
        TEStringGrid* sg = profileditor()->SG_Profil;
        sg->setCells(1, 1, QStringLiteral("IPE 100"));
        sg->setCells(6, 2, QStringLiteral("x"));
        sg->setCells(0, 1, QStringLiteral(""));
        Plattform::Meldungsrekorder rekorder;
        profileditor()->B_Profil_Speichern->click();
        QCOMPARE(rekorder.texte(), QStringList {"Der Wert x ist falsch"});
        QCOMPARE(verzeichnis().lesen(QStringLiteral("HEB.CSV")), Heb);
    }

    void profilSpeichernInLandesnotation()
    {
        TEStringGrid* sg = profileditor()->SG_Profil;
        sg->setCells(2, 1, QStringLiteral("89.9"));
        sg->setCells(3, 1, QStringLiteral("33,5"));
        Plattform::Meldungsrekorder rekorder;
        profileditor()->B_Profil_Speichern->click();
        QCOMPARE(rekorder.texte(),
            QStringList {"Sie geänderten bzw neuen Daten stehen erst nach dem Neustart des Programms zur Verfügung!"});
        const QStringList zeile = felder(verzeichnis().lesen(QStringLiteral("HEB.CSV")), 1);
        QCOMPARE(zeile, (QStringList {"HEB", "HEB 100", zahl("89.9"), zahl("33.5"), "450", "167", "26", "", ""}));
        QCOMPARE(Zahlen::lesen(zeile[2]), 89.9);
    }

    // The user types into a cell and presses "Speichern" without leaving the cell first.
    void getipptesWirdBeimKlickAufSpeichernUebernommen()
    {
        Main::Mainform->show();
        Main::Mainform->PC_1->setCurrentWidget(profileditor());
        QVERIFY(QTest::qWaitForWindowExposed(Main::Mainform));
        TEStringGrid* sg = profileditor()->SG_Profil;
        const QModelIndex zelle = sg->model()->index(0, 2); // row 1, Wmax
        sg->setCurrentIndex(zelle);
        sg->edit(zelle);
        auto* editor = sg->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("90.5"));
        Plattform::Meldungsrekorder rekorder;
        QTest::mouseClick(profileditor()->B_Profil_Speichern, Qt::LeftButton);
        QCOMPARE(felder(verzeichnis().lesen(QStringLiteral("HEB.CSV")), 1)[2], zahl("90.5"));
        QVERIFY(!sg->Geaendert());
    }

    // A family holds 150 profiles.
    void profilZeilengrenze_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("zeilen"); // rows after the title row, all filled
        QTest::addColumn<QString>("meldung");
        QTest::newRow("150 Profile") << "HEB.CSV" << 150 << "";
        QTest::newRow("151 Profile") << "HEB.CSV" << 151
                                     << "Die Datei HEB.CSV kann höchstens 150 Profile aufnehmen, die Tabelle hat 151 Zeilen.";
    }
    void profilZeilengrenze()
    {
        QFETCH(QString, datei);
        QFETCH(int, zeilen);
        QFETCH(QString, meldung);
        verzeichnis().schreiben(datei, "Kopf;1;2\r\n");
        TTab_Profileditor* pe = profileditor();
        Antworten verwerfen(SGcomp::Antwort::Verwerfen);
        pe->LB_Profil->setCurrentRow(pe->LB_Profil->row(pe->LB_Profil->findItems(datei, Qt::MatchExactly).first()));
        pe->B_Profil_Zuruecksetzen->click(); // the file as just written
        pe->SG_Profil->setRowCount(zeilen + 3); // two empty rows at the end do not count
        for (int r = 1; r <= zeilen; ++r)
            pe->SG_Profil->Zeile_Schreiben(r, {"X", "1", "2", "3", "4", "5", "6"});
        const QByteArray vorher = verzeichnis().lesen(datei);
        Plattform::Meldungsrekorder rekorder;
        QCOMPARE(pe->Speichern(), meldung.isEmpty());
        if (meldung.isEmpty()) {
            QCOMPARE(rekorder.texte(), QStringList());
            return;
        }
        QCOMPARE(rekorder.meldungen.size(), 1);
        QVERIFY2(rekorder.texte()[0].startsWith(meldung), qPrintable(rekorder.texte()[0]));
        QCOMPARE(verzeichnis().lesen(datei), vorher);
    }

    void profilSpeichernOhneAenderungSchneidetNurAb()
    {
        verzeichnis().schreiben(QStringLiteral("HEB.CSV"), "Art;Name;Wmax;;\r\nHEB;HEB 100;89;;\r\n;;;;\r\n\r\n");
        Antworten verwerfen(SGcomp::Antwort::Verwerfen);
        profileditor()->B_Profil_Zuruecksetzen->click();
        Plattform::Meldungsrekorder rekorder;
        profileditor()->B_Profil_Speichern->click();
        QCOMPARE(verzeichnis().lesen(QStringLiteral("HEB.CSV")), QByteArray("Art;Name;Wmax\r\nHEB;HEB 100;89\r\n"));
    }

    void profilSpeichernOhneAuswahl()
    {
        TTab_Profileditor* pe = profileditor();
        pe->LB_Profil->setCurrentRow(-1);
        pe->SG_Profil->setCells(2, 1, QStringLiteral("1"));
        Plattform::Meldungsrekorder rekorder;
        pe->B_Profil_Speichern->click();
        QCOMPARE(rekorder.meldungen.size(), 1);
        QVERIFY(rekorder.texte()[0].startsWith(QStringLiteral("Es ist keine Profildatei ausgewählt")));
        QCOMPARE(verzeichnis().lesen(QStringLiteral("HEB.CSV")), Heb);
    }

    void andereDateiWaehlenMitUngespeichertenAenderungen_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QString>("gezeigt");
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("Bleiben") << int(SGcomp::Antwort::Bleiben) << "HEB.CSV" << false;
        QTest::newRow("Verwerfen") << int(SGcomp::Antwort::Verwerfen) << "IPE.CSV" << false;
        QTest::newRow("Speichern") << int(SGcomp::Antwort::Speichern) << "IPE.CSV" << true;
    }
    void andereDateiWaehlenMitUngespeichertenAenderungen()
    {
        QFETCH(int, antwort);
        QFETCH(QString, gezeigt);
        QFETCH(bool, gespeichert);
        TTab_Profileditor* pe = profileditor();
        pe->SG_Profil->setCells(2, 1, QStringLiteral("90"));
        Antworten antworten {SGcomp::Antwort(antwort)};
        Plattform::Meldungsrekorder rekorder;
        pe->LB_Profil->setCurrentRow(pe->LB_Profil->row(pe->LB_Profil->findItems("IPE.CSV", Qt::MatchExactly).first()));
        QCOMPARE(antworten.fragen.size(), 1);
        QCOMPARE(pe->Geladene_Datei(), gezeigt);
        QCOMPARE(pe->LB_Profil->currentItem()->text(), gezeigt);
        QCOMPARE(pe->SG_Profil->Cells(1, 1), gezeigt == "HEB.CSV" ? QStringLiteral("HEB 100") : QStringLiteral("IPE 80"));
        QCOMPARE(verzeichnis().lesen(QStringLiteral("HEB.CSV")) != Heb, gespeichert);
        QCOMPARE(pe->SG_Profil->Geaendert(), gezeigt == "HEB.CSV");
    }

    void unbrauchbareDateiWirdNichtGeladen()
    {
        verzeichnis().schreiben(QStringLiteral("BREIT.CSV"), QByteArray(100, ';'));
        TTab_Profileditor* pe = profileditor();
        pe->Verzeichnis_Setzen(Main::Datendir);
        Plattform::Meldungsrekorder rekorder;
        pe->LB_Profil->setCurrentRow(pe->LB_Profil->row(pe->LB_Profil->findItems("BREIT.CSV", Qt::MatchExactly).first()));
        QCOMPARE(pe->LB_Profil->currentItem()->text(), QStringLiteral("HEB.CSV"));
        QCOMPARE(pe->SG_Profil->Cells(1, 1), QStringLiteral("HEB 100"));
        QCOMPARE(rekorder.meldungen.size(), 1);
        QVERIFY(rekorder.texte()[0].contains(QStringLiteral("101 Felder")));
    }

    // An empty file is an empty table (what an empty grid is saved as), not an error.
    void leereDateiIstLeereTabelle()
    {
        verzeichnis().schreiben(QStringLiteral("LEER.CSV"), QByteArray());
        TTab_Profileditor* pe = profileditor();
        pe->Verzeichnis_Setzen(Main::Datendir);
        Plattform::Meldungsrekorder rekorder;
        pe->LB_Profil->setCurrentRow(pe->LB_Profil->row(pe->LB_Profil->findItems("LEER.CSV", Qt::MatchExactly).first()));
        QCOMPARE(pe->LB_Profil->currentItem()->text(), QStringLiteral("LEER.CSV"));
        QCOMPARE(pe->SG_Profil->RowCount(), 1);
        QCOMPARE(pe->SG_Profil->ColCount(), 1);
        QCOMPARE(pe->SG_Profil->Cells(0, 0), QString());
        QCOMPARE(rekorder.meldungen.size(), 0);
    }

    // The materials, the index of the families and the categories of actions have editors or
    // readers of their own; whatever else ends in ".CSV" is a family.
    void dateilisteZeigtNurProfilfamilien()
    {
        verzeichnis().schreiben(QStringLiteral("abc.csv"), "x\r\n");
        verzeichnis().schreiben(QStringLiteral("notiz.txt"), "x\r\n");
        verzeichnis().schreiben(QStringLiteral("EINWIRKUNGEN.CSV"), "x\r\n");
        profileditor()->Verzeichnis_Setzen(Main::Datendir);
        QStringList namen;
        for (int k = 0; k < profileditor()->LB_Profil->count(); ++k)
            namen.append(profileditor()->LB_Profil->item(k)->text());
        QCOMPARE(namen, (QStringList {"abc.csv", "HEB.CSV", "IPE.CSV"}));
    }

    // ---- Categories of actions ------------------------------------------------------------

    // The tab saves what it checked and the dialogs' table follows at once; a bad factor blocks
    // the save with one box and leaves the file as it was.
    void einwirkungenBearbeiten_data()
    {
        QTest::addColumn<QString>("psi0");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("gültig") << "0,8" << "";
        QTest::newRow("über 1") << "1,2" << "Der Wert %1 ist nicht zulässig";
        QTest::newRow("keine Zahl") << "x" << "Der Wert %1 ist falsch";
    }
    void einwirkungenBearbeiten()
    {
        QFETCH(QString, psi0);
        QFETCH(QString, meldung);
        const QByteArray datei = "Kategorie;Zeichen;Bezeichnung;psi0;psi1;psi2\r\nA;Q Kat. A;Wohnräume;0,7;0,5;0,3\r\n";
        verzeichnis().schreiben(QStringLiteral("Einwirkungen.csv"), datei);
        starten();
        TTab_Einwirkungen* tab = Main::Mainform->TS_Einwirkungen;
        QCOMPARE(tab->SG_Einwirkungen->Cells(2, 1), QStringLiteral("Wohnräume"));
        tab->B_Neue_Zeile->click();
        psi0.replace(',', QLocale().decimalPoint());
        tab->SG_Einwirkungen->Zeile_Schreiben(2, {"Schnee", "S", "Schnee", psi0, "0", "0"});
        Plattform::Meldungsrekorder rekorder;
        tab->B_Speichern->click();
        if (!meldung.isEmpty()) {
            QCOMPARE(rekorder.meldungen.size(), 1);
            QVERIFY2(rekorder.texte()[0].startsWith(meldung.arg(psi0)), qPrintable(rekorder.texte()[0]));
            QCOMPARE(verzeichnis().lesen(QStringLiteral("Einwirkungen.csv")), datei);
            QCOMPARE(U_Einwirkungen::Kategorien.size(), std::size_t(1));
            return;
        }
        QCOMPARE(rekorder.texte(), QStringList());
        QCOMPARE(U_Einwirkungen::Kategorien.size(), std::size_t(2));
        QCOMPARE(U_Einwirkungen::Kategorien[1].kuerzel, QStringLiteral("Schnee"));
        QCOMPARE(U_Einwirkungen::Kategorien[1].psi0, 0.8);
        QVERIFY(!tab->SG_Einwirkungen->Geaendert());
    }

    void einwirkungenOhneDateiZeigenDieKopfzeile()
    {
        TTab_Einwirkungen* tab = Main::Mainform->TS_Einwirkungen;
        QCOMPARE(tab->SG_Einwirkungen->Zeile_Lesen(0, 6), U_Einwirkungen::Kopfzeile.split(';'));
        QVERIFY(!tab->SG_Einwirkungen->Geaendert());
    }
};

TRABEX_TEST_MAIN(TestEditoren)
#include "test_editoren.moc"
