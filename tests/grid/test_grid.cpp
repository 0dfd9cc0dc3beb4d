// The editable grid: file format, row and column operations, searches, the three sort kinds
// with their messages, the date keys, and the view's model and cell editor.
#include "Testumgebung.h"
#include "core/grid/SGcomp.h"
#include "core/grid/U_Zeit.h"
#include "core/platform/Fehler.h"
#include "core/platform/Textdatei.h"
#include "gui/grid/SGcomp_Ansicht.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QValidator>

using Plattform::Meldungsart;
using SGcomp::TRaster;

namespace {

// A grid from rows of cells; row 0 is the fixed title row when there are two rows or more.
TRaster raster(const QList<QStringList>& zeilen)
{
    TRaster r(int(zeilen.value(0).size()), int(zeilen.size()));
    r.setFixedRows(1);
    for (int y = 0; y < zeilen.size(); ++y)
        for (int x = 0; x < zeilen[y].size(); ++x)
            r.setCells(x, y, zeilen[y][x]);
    return r;
}

QStringList spalte(const TRaster& r, int c)
{
    QStringList s;
    for (int y = 0; y < r.RowCount(); ++y)
        s.append(r.Cells(c, y));
    return s;
}

QList<QStringList> alleZeilen(const TRaster& r)
{
    QList<QStringList> z;
    for (int y = 0; y < r.RowCount(); ++y) {
        QStringList zeile;
        for (int x = 0; x < r.ColCount(); ++x)
            zeile.append(r.Cells(x, y));
        z.append(zeile);
    }
    return z;
}

// The partition sort written down plainly, one comparison per step and recursion into both
// parts, as the independent reference for the order in which equal keys end up.
void referenzsortierung(QList<std::pair<int, int>>& z, int lo, int hi)
{
    int i = lo, j = hi;
    const int pivot = z[(lo + hi) / 2].first;
    do {
        while (z[i].first < pivot)
            ++i;
        while (z[j].first > pivot)
            --j;
        if (i <= j) {
            std::swap(z[i], z[j]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (j > lo)
        referenzsortierung(z, lo, j);
    if (i < hi)
        referenzsortierung(z, i, hi);
}

} // namespace

class TestGrid : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString pfad(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }
    void schreiben(const QString& name, const QByteArray& inhalt)
    {
        QFile f(pfad(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QByteArray lesen(const QString& name)
    {
        QFile f(pfad(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() { Testumgebung::zustandZuruecksetzen(); }

    // ---- Loading ------------------------------------------------------------------------

    void laden_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QList<QStringList>>("erwartet");
        QTest::newRow("Kopfzeile a;b; gibt drei Spalten")
            << QByteArray("a;b;\r\n1;2;3\r\n") << QList<QStringList> {{"a", "b", ""}, {"1", "2", "3"}};
        QTest::newRow("ueberzaehlige Felder fallen weg, fehlende bleiben leer")
            << QByteArray("a;b\r\n1;2;3;4\r\n5\r\n") << QList<QStringList> {{"a", "b"}, {"1", "2"}, {"5", ""}};
        QTest::newRow("LF, CR und CRLF, leere Zeile innen ist leere Zeile")
            << QByteArray("a;b\n1;2\r\r\n3;4") << QList<QStringList> {{"a", "b"}, {"1", "2"}, {"", ""}, {"3", "4"}};
        QTest::newRow("Windows-1252") << Testumgebung::cp1252(QStringLiteral("Gamma [kg/dm³];Maß\r\n"))
                                      << QList<QStringList> {{"Gamma [kg/dm³]", "Maß"}};
        QTest::newRow("UTF-8 mit BOM") << QByteArray("\xEF\xBB\xBFX;\xC3\xA4\r\n") << QList<QStringList> {{"X", "ä"}};
        QTest::newRow("UTF-16LE mit BOM") << QByteArray("\xFF\xFE"
                                                        "a\0;\0\xE4\0\r\0\n\0",
            12) << QList<QStringList> {{"a", "ä"}};
        QTest::newRow("NUL-Bytes bleiben Zeichen")
            << QByteArray("a\0b;c\r\n", 7) << QList<QStringList> {{QString::fromLatin1("a\0b", 3), "c"}};
    }
    void laden()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QList<QStringList>, erwartet);
        schreiben(QStringLiteral("g.csv"), datei);
        TRaster r;
        r.LoadFromFile(pfad(QStringLiteral("g.csv")));
        QCOMPARE(alleZeilen(r), erwartet);
        QVERIFY(!r.Geaendert());
    }

    void ladenVonSechzigSpaltenNimmtEinundfuenfzigFelder()
    {
        QStringList felder;
        for (int k = 0; k < 60; ++k)
            felder.append(QString::number(k));
        schreiben(QStringLiteral("g.csv"), (felder.join(';') + "\r\n" + felder.join(';') + "\r\n").toLatin1());
        TRaster r;
        r.LoadFromFile(pfad(QStringLiteral("g.csv")));
        QCOMPARE(r.ColCount(), 60);
        QCOMPARE(r.Cells(50, 1), QStringLiteral("50"));
        for (int k = 51; k < 60; ++k)
            QVERIFY(r.Cells(k, 0).isEmpty() && r.Cells(k, 1).isEmpty());
    }

    void ladenEinerZeileNimmtDieFixierung()
    {
        schreiben(QStringLiteral("g.csv"), "Art;Name\r\n");
        TRaster r = raster({{"x", "y"}, {"1", "2"}});
        r.LoadFromFile(pfad(QStringLiteral("g.csv")));
        QCOMPARE(r.RowCount(), 1);
        QCOMPARE(r.FixedRows(), 0);
    }

    // Files that cannot become a grid leave the grid as it was and say why in German; a missing
    // file changes nothing and says nothing.
    void ladenUnbrauchbarerDateien_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("meldung"); // empty: no error
        QTest::newRow("101 Felder im Kopf") << QByteArray(100, ';') << "101 Felder";
        QTest::newRow("100 Felder im Kopf geht") << QByteArray(99, ';') << "";
        QTest::newRow("binaer") << QByteArray("\x00\xFF\xFE\x01\x02\x80\x81;\x9F", 9) << "";
    }
    void ladenUnbrauchbarerDateien()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, meldung);
        schreiben(QStringLiteral("g.csv"), datei);
        TRaster r = raster({{"alt", "x"}, {"1", "2"}});
        try {
            r.LoadFromFile(pfad(QStringLiteral("g.csv")));
            QVERIFY2(meldung.isEmpty(), "kein Fehler gemeldet");
        } catch (const Plattform::Fehler& f) {
            QVERIFY2(!meldung.isEmpty() && f.text().contains(meldung), qPrintable(f.text()));
            QVERIFY(f.text().contains(QStringLiteral("g.csv")));
            QCOMPARE(alleZeilen(r), (QList<QStringList> {{"alt", "x"}, {"1", "2"}}));
        }
    }

    void leereDateiIstEineLeereZeile()
    {
        Plattform::Meldungsrekorder rekorder;
        schreiben(QStringLiteral("leer.csv"), QByteArray());
        TRaster r = raster({{"alt", "x"}, {"1", "2"}});
        r.LoadFromFile(pfad(QStringLiteral("leer.csv")));
        QCOMPARE(alleZeilen(r), (QList<QStringList> {{""}}));
        QCOMPARE(rekorder.meldungen.size(), 0);
    }

    void ladenFehlenderDateiAendertNichts()
    {
        Plattform::Meldungsrekorder rekorder;
        TRaster r = raster({{"a"}, {"1"}});
        r.LoadFromFile(pfad(QStringLiteral("gibtsnicht.csv")));
        QCOMPARE(alleZeilen(r), (QList<QStringList> {{"a"}, {"1"}}));
        QVERIFY(rekorder.meldungen.isEmpty());
    }

    void ladenFindetDenNamenOhneGrossKlein()
    {
        schreiben(QStringLiteral("MATERIAL.CSV"), "a;b\r\n");
        TRaster r;
        r.LoadFromFile(pfad(QStringLiteral("Material.csv")));
        QCOMPARE(r.ColCount(), 2);
    }

    void ladenEinerZehnMegabyteZeile()
    {
        schreiben(QStringLiteral("g.csv"), QByteArray(10 * 1024 * 1024, 'x'));
        TRaster r;
        r.LoadFromFile(pfad(QStringLiteral("g.csv")));
        QCOMPARE(r.RowCount(), 1);
        QCOMPARE(r.Cells(0, 0).size(), 10 * 1024 * 1024);
    }

    // ---- Saving -------------------------------------------------------------------------

    void speichernSchneidetLeereZeilenUndSpaltenAb()
    {
        TRaster r = raster({{"a", "b", "", ""}, {"1", "", "", ""}, {"", "", "", ""}, {"2", " ", "", ""}, {"", "", "", ""},
            {"", "", "", ""}, {"", "", "", ""}});
        r.SaveToFile(pfad(QStringLiteral("s.csv")));
        QCOMPARE(lesen(QStringLiteral("s.csv")), QByteArray("a;b\r\n1;\r\n;\r\n2; \r\n"));
        QCOMPARE(r.ColCount(), 2);
        QCOMPARE(r.RowCount(), 4);
        QVERIFY(!r.Geaendert());
    }

    void speichernOhneDatenzeilenLaesstEineUnfixierteZeile()
    {
        TRaster r = raster({{"Art", "Name"}, {"", ""}, {"", ""}});
        r.SaveToFile(pfad(QStringLiteral("s.csv")));
        QCOMPARE(lesen(QStringLiteral("s.csv")), QByteArray("Art;Name\r\n"));
        QCOMPARE(r.RowCount(), 1);
        QCOMPARE(r.FixedRows(), 0);
        TRaster leer(3, 3);
        leer.SaveToFile(pfad(QStringLiteral("leer.csv")));
        QCOMPARE(lesen(QStringLiteral("leer.csv")), QByteArray("\r\n"));
    }

    void speichernSchreibtWindows1252UndSonstUtf8()
    {
        TRaster r = raster({{"Maß", "kg/dm³"}});
        r.SaveToFile(pfad(QStringLiteral("s.csv")));
        QCOMPARE(lesen(QStringLiteral("s.csv")), Testumgebung::cp1252(QStringLiteral("Maß;kg/dm³\r\n")));
        r.setCells(0, 0, QStringLiteral("σ"));
        r.SaveToFile(pfad(QStringLiteral("s.csv")));
        QCOMPARE(lesen(QStringLiteral("s.csv")), QByteArray("\xEF\xBB\xBF\xCF\x83;kg/dm\xC2\xB3\r\n"));
    }

    void speichernVerweigertTrennzeichenInZellen_data()
    {
        QTest::addColumn<QString>("zelle");
        QTest::newRow("Semikolon") << "7;85";
        QTest::newRow("Zeilenumbruch") << "7\n85";
        QTest::newRow("Wagenruecklauf") << "7\r85";
    }
    void speichernVerweigertTrennzeichenInZellen()
    {
        QFETCH(QString, zelle);
        schreiben(QStringLiteral("s.csv"), "alt\r\n");
        TRaster r = raster({{"Name", "Gamma"}, {"Stahl", "1"}, {"", ""}});
        r.setCells(1, 1, zelle);
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, r.SaveToFile(pfad(QStringLiteral("s.csv"))));
        try {
            r.SaveToFile(pfad(QStringLiteral("s.csv")));
        } catch (const Plattform::Fehler& f) {
            QVERIFY2(f.text().contains(QStringLiteral("Zeile 1, Spalte 2 (\u201EGamma\u201C)")), qPrintable(f.text()));
        }
        QCOMPARE(lesen(QStringLiteral("s.csv")), QByteArray("alt\r\n"));
        QCOMPARE(r.RowCount(), 3); // not even trimmed
    }

    void speichernInEinVerzeichnisScheitertOhneSchaden()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("ordner.csv"));
        TRaster r = raster({{"a"}, {"1"}});
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, r.SaveToFile(pfad(QStringLiteral("ordner.csv"))));
        QVERIFY(QFileInfo(pfad(QStringLiteral("ordner.csv"))).isDir());
        QCOMPARE(r.Cells(0, 1), QStringLiteral("1"));
    }

    void speichernUndLadenGebenDasGleicheRaster()
    {
        const QList<QStringList> zeilen {{"Art", "Name", "Wmax"}, {"HEB", "HEB 100", "89,9"}, {"", "", ""}, {"HEB", " ", "1e3"}};
        TRaster r = raster(zeilen);
        r.SaveToFile(pfad(QStringLiteral("r.csv")));
        TRaster gelesen;
        gelesen.LoadFromFile(pfad(QStringLiteral("r.csv")));
        QCOMPARE(alleZeilen(gelesen), zeilen);
    }

    // ---- Rows and columns ---------------------------------------------------------------

    void zeilenoperationen_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QStringList>("erwartet"); // column 0 afterwards
        QTest::addColumn<QString>("meldung");
        QTest::newRow("InsertLine(3) bei fuenf Zeilen") << "InsertLine 3" << 5 << QStringList {"0", "1", "2", "", "3", "4"} << "";
        QTest::newRow("InsertLine am Ende haengt an") << "InsertLine 3" << 3 << QStringList {"0", "1", "2", ""} << "";
        QTest::newRow("DeleteLine(1) bei zwei Zeilen leert") << "DeleteLine 1" << 2 << QStringList {"0", ""} << "";
        QTest::newRow("DeleteLine(0) tut nichts") << "DeleteLine 0" << 3 << QStringList {"0", "1", "2"} << "";
        QTest::newRow("DeleteLine hinter dem Ende tut nichts") << "DeleteLine 3" << 3 << QStringList {"0", "1", "2"} << "";
        QTest::newRow("DeleteLine(1) schiebt hoch") << "DeleteLine 1" << 4 << QStringList {"0", "2", "3"} << "";
        QTest::newRow("DeleteHeadline") << "DeleteHeadline 0" << 3 << QStringList {"1", "2"} << "";
        QTest::newRow("DeleteHeadline bei zwei Zeilen")
            << "DeleteHeadline 0" << 2 << QStringList {"0", "1"} << "Es müssen mindestens 2 Zeilen vorhanden sein";
        QTest::newRow("ChangeLine mit Zeile 0") << "ChangeLine 0 2" << 3 << QStringList {"2", "1", "0"} << "";
        QTest::newRow("ChangeLine ausserhalb tut nichts") << "ChangeLine 1 3" << 3 << QStringList {"0", "1", "2"} << "";
        QTest::newRow("Clear") << "Clear 0" << 4 << QStringList {"0", ""} << "";
    }
    void zeilenoperationen()
    {
        QFETCH(QString, operation);
        QFETCH(int, zeilen);
        QFETCH(QStringList, erwartet);
        QFETCH(QString, meldung);
        TRaster r(2, zeilen);
        for (int y = 0; y < zeilen; ++y) {
            r.setCells(0, y, QString::number(y));
            r.setCells(1, y, QStringLiteral("b%1").arg(y));
        }
        Plattform::Meldungsrekorder rekorder;
        const QStringList teile = operation.split(' ');
        const int a = teile.value(1).toInt(), b = teile.value(2).toInt();
        if (teile[0] == "InsertLine")
            r.InsertLine(a);
        else if (teile[0] == "DeleteLine")
            r.DeleteLine(a);
        else if (teile[0] == "DeleteHeadline")
            r.DeleteHeadline();
        else if (teile[0] == "ChangeLine")
            r.ChangeLine(a, b);
        else
            r.Clear();
        QCOMPARE(spalte(r, 0), erwartet);
        QCOMPARE(rekorder.texte(), meldung.isEmpty() ? QStringList() : QStringList {meldung});
        for (int y = 0; y < r.RowCount(); ++y) // rows move as a whole
            if (!r.Cells(0, y).isEmpty())
                QCOMPARE(r.Cells(1, y), QStringLiteral("b") + r.Cells(0, y));
    }

    void insertLineAusserhalbIstEinBereichsfehler()
    {
        TRaster r(2, 3);
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, r.InsertLine(4));
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, r.InsertLine(-1));
        QCOMPARE(r.RowCount(), 3);
    }

    void spaltenLoeschen()
    {
        Plattform::Meldungsrekorder rekorder;
        TRaster r = raster({{"a", "b", "c"}, {"1", "2", "3"}});
        r.DeleteColumm(3);
        QCOMPARE(rekorder.texte(), QStringList {"Die Spaltenanzahl ist zu hoch"});
        QCOMPARE(rekorder.meldungen[0].art, Meldungsart::Information);
        r.DeleteColumm(1);
        QCOMPARE(alleZeilen(r), (QList<QStringList> {{"a", "c"}, {"1", "3"}}));
        r.DeleteColumm(0);
        r.DeleteColumm(0);
        QCOMPARE(alleZeilen(r), (QList<QStringList> {{""}, {""}})); // one emptied column stays
    }

    void suchen()
    {
        TRaster r = raster({{"x", "Kopf"}, {"a", "x"}, {"b", "X"}, {"b", "x"}});
        QCOMPARE(r.searchInCol(QStringLiteral("Kopf"), 1), -1); // the title row is not searched
        QCOMPARE(r.searchInCol(QStringLiteral("b"), 0), 2);
        QCOMPARE(r.searchInCol(QStringLiteral("X"), 1), 2); // case counts
        QCOMPARE(r.searchInCol(QStringLiteral("a"), 2), -1);
        QCOMPARE(r.searchINRow(QStringLiteral("x"), 0), 0); // column 0 is searched
        QCOMPARE(r.searchINRow(QStringLiteral("x"), 4), -1);
        TRaster eine = raster({{"a"}});
        QCOMPARE(eine.searchInCol(QStringLiteral("a"), 0), -1);
    }

    // ---- Sorting ------------------------------------------------------------------------

    void sortieren_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QStringList>("werte"); // column 0 below the title row
        QTest::addColumn<QStringList>("erwartet");
        QTest::addColumn<QStringList>("meldungen");
        const QString z = Testumgebung::zahl("2.5");
        QTest::newRow("STRING ohne Gross/Klein, Umlaut nach Z")
            << "STRING" << QStringList {"b", "Ä", "c", "z"} << QStringList {"b", "c", "z", "Ä"} << QStringList {};
        QTest::newRow("STRING leere Zellen zuerst")
            << "STRING" << QStringList {"b", "", "a"} << QStringList {"", "a", "b"} << QStringList {};
        QTest::newRow("zahl klein geschrieben, Landesnotation")
            << "zahl" << QStringList {"10", z, "-1", "1e2", "3"} << QStringList {"-1", z, "3", "10", "1e2"} << QStringList {};
        QTest::newRow("TEXT wird STRING mit Meldung") << "TEXT" << QStringList {"10", "9"} << QStringList {"10", "9"}
                                                      << QStringList {"Unzulässiger Parameter für Sortierart"};
        QTest::newRow("ZAHL mit leerer Zelle")
            << "ZAHL" << QStringList {"2", "", "1"} << QStringList {"2", "", "1"} << QStringList {"Formatfehler in Zeile: 2"};
        QTest::newRow("ZAHL in fremder Notation")
            << "ZAHL" << QStringList {"2", Testumgebung::deutsch() ? "1.5" : "1,5"}
            << QStringList {"2", Testumgebung::deutsch() ? "1.5" : "1,5"} << QStringList {"Formatfehler in Zeile: 2"};
        QTest::newRow("DATUM drei Laengen") << "DATUM" << QStringList {"15.03.2019", "2019", "03.2019"}
                                            << QStringList {"2019", "03.2019", "15.03.2019"} << QStringList {};
        QTest::newRow("DATUM Jahreswechsel und Schalttag")
            << "datum" << QStringList {"01.03.2020", "01.01.2021", "29.02.2020", "31.12.2020", "28.02.2020"}
            << QStringList {"28.02.2020", "29.02.2020", "01.03.2020", "31.12.2020", "01.01.2021"} << QStringList {};
        QTest::newRow("DATUM vor 1900 und 1900")
            << "DATUM" << QStringList {"01.03.1900", "1899", "28.02.1900", "29.12.1899", "0001"}
            << QStringList {"0001", "1899", "29.12.1899", "28.02.1900", "01.03.1900"} << QStringList {};
        QTest::newRow("DATUM Laenge 8") << "DATUM" << QStringList {"2019", "1.3.2019"} << QStringList {"2019", "1.3.2019"}
                                        << QStringList {"Formatfehler in Zeile: 2"};
        QTest::newRow("DATUM 29.02.1900 gibt es nicht")
            << "DATUM" << QStringList {"29.02.1900"} << QStringList {"29.02.1900"} << QStringList {"Formatfehler in Zeile: 1"};
    }
    void sortieren()
    {
        QFETCH(QString, art);
        QFETCH(QStringList, werte);
        QFETCH(QStringList, erwartet);
        QFETCH(QStringList, meldungen);
        QList<QStringList> zeilen {{"Titel", "Nr"}};
        for (int k = 0; k < werte.size(); ++k)
            zeilen.append({werte[k], werte[k] + "#"});
        TRaster r = raster(zeilen);
        Plattform::Meldungsrekorder rekorder;
        r.sort(art, 0);
        QCOMPARE(spalte(r, 0).mid(1), erwartet);
        QCOMPARE(r.Cells(0, 0), QStringLiteral("Titel"));
        for (int y = 1; y < r.RowCount(); ++y)
            QCOMPARE(r.Cells(1, y), r.Cells(0, y) + "#");
        QCOMPARE(rekorder.texte(), meldungen);
        if (!meldungen.isEmpty() && meldungen[0].startsWith("Formatfehler")) {
            QCOMPARE(rekorder.meldungen[0].art, Meldungsart::Warnung);
            if (art.toUpper() == "DATUM")
                QCOMPARE(r.Row(), meldungen[0].section(' ', -1).toInt());
        }
    }

    void stringsortierungNimmtGrossUndKleinGleich()
    {
        TRaster r = raster({{"T"}, {"b"}, {"A"}, {"c"}, {"a"}});
        r.sort(QStringLiteral("STRING"), 0);
        const QStringList s = spalte(r, 0);
        QCOMPARE(QSet<QString>(s.begin() + 1, s.begin() + 3), (QSet<QString> {"A", "a"}));
        QCOMPARE(s.mid(3), (QStringList {"b", "c"}));
    }

    void fixierteSpalteWirdNichtSortiert()
    {
        TRaster r = raster({{"T", "U"}, {"b", "1"}, {"a", "2"}});
        r.setFixedCols(1);
        Plattform::Meldungsrekorder rekorder;
        r.sort(QStringLiteral("STRING"), 0);
        r.sort_Teil(QStringLiteral("STRING"), 0, 1, 2);
        QCOMPARE(rekorder.texte(), QStringList(2, "Fixierte Spalte kann nicht sortiert werden!"));
        QCOMPARE(rekorder.meldungen[0].art, Meldungsart::Schlicht);
        QCOMPARE(spalte(r, 0), (QStringList {"T", "b", "a"}));
    }

    void datumNach5982LaeuftUeber()
    {
        TRaster r = raster({{"T"}, {"24.12.5982"}, {"01.01.2000"}});
        r.sort(QStringLiteral("DATUM"), 0);
        QCOMPARE(spalte(r, 0), (QStringList {"T", "01.01.2000", "24.12.5982"}));
        r.setCells(0, 1, QStringLiteral("25.12.5982"));
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, r.sort(QStringLiteral("DATUM"), 0));
    }

    void teilsortierungPasstDenBereichAn_data()
    {
        QTest::addColumn<int>("zeile1");
        QTest::addColumn<int>("zeile2");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("Mitte") << 2 << 3 << QStringList {"T", "e", "c", "d", "b", "a"};
        QTest::newRow("Anfang unter den fixierten Zeilen") << -5 << 2 << QStringList {"T", "d", "e", "c", "b", "a"};
        QTest::newRow("Ende hinter der letzten Zeile") << 4 << 99 << QStringList {"T", "e", "d", "c", "a", "b"};
        QTest::newRow("Ende vor dem Anfang: eine Zeile") << 3 << 1 << QStringList {"T", "e", "d", "c", "b", "a"};
        QTest::newRow("Anfang hinter dem Ende: nichts") << 9 << 9 << QStringList {"T", "e", "d", "c", "b", "a"};
    }
    void teilsortierungPasstDenBereichAn()
    {
        QFETCH(int, zeile1);
        QFETCH(int, zeile2);
        QFETCH(QStringList, erwartet);
        TRaster r = raster({{"T"}, {"e"}, {"d"}, {"c"}, {"b"}, {"a"}});
        r.sort_Teil(QStringLiteral("STRING"), 0, zeile1, zeile2);
        QCOMPARE(spalte(r, 0), erwartet);
    }

    void teilsortierungPrueftDieGanzeSpalte()
    {
        TRaster r = raster({{"T"}, {"3"}, {"2"}, {"x"}});
        Plattform::Meldungsrekorder rekorder;
        r.sort_Teil(QStringLiteral("ZAHL"), 0, 1, 2);
        QCOMPARE(rekorder.texte(), QStringList {"Formatfehler in Zeile: 3"});
        QCOMPARE(spalte(r, 0), (QStringList {"T", "3", "2", "x"}));
    }

    // Groups are runs of exactly equal texts in the first column; each is sorted by the second.
    void sortierenNachZweiSpalten()
    {
        TRaster r
            = raster({{"Art", "Nr"}, {"IPE", "3"}, {"HEB", "20"}, {"ipe", "1"}, {"HEB", "100"}, {"IPE", "2"}, {"HEB", "3"}});
        Plattform::Meldungsrekorder rekorder;
        r.sort_2(QStringLiteral("ZAHL"), 0, 1);
        QCOMPARE(rekorder.texte(), QStringList {"Formatfehler in Zeile: 1"}); // column 0 holds no numbers ...
        r.sort_2(QStringLiteral("STRING"), 0, 1); // ... so sort it as text
        const QStringList arten = spalte(r, 0).mid(1);
        QCOMPARE(arten.mid(0, 3), QStringList(3, "HEB"));
        QCOMPARE(spalte(r, 1).mid(1, 3), (QStringList {"100", "20", "3"})); // text order within the group
        QCOMPARE(QSet<QString>(arten.begin() + 3, arten.end()), (QSet<QString> {"IPE", "ipe"}));
        int start = 4; // IPE and ipe form separate groups; each group is sorted
        while (start <= 6) {
            int ende = start;
            while (ende < 6 && r.Cells(0, ende + 1) == r.Cells(0, start))
                ++ende;
            for (int k = start; k < ende; ++k)
                QVERIFY(r.Cells(1, k) <= r.Cells(1, k + 1));
            start = ende + 1;
        }
    }

    void sortierungHaeltDieReihenfolgeDerPartitionssortierung()
    {
        QRandomGenerator zufall(4711);
        for (int lauf = 0; lauf < 20; ++lauf) {
            const int n = 1 + int(zufall.bounded(300));
            QList<std::pair<int, int>> referenz;
            TRaster r(2, n + 1);
            r.setFixedRows(1);
            for (int k = 0; k < n; ++k) {
                const int schluessel = int(zufall.bounded(lauf % 2 ? 5 : 1000)); // many equal keys every other run
                referenz.append({schluessel, k});
                r.setCells(0, k + 1, QString::number(schluessel));
                r.setCells(1, k + 1, QString::number(k));
            }
            referenzsortierung(referenz, 0, n - 1);
            r.sort(QStringLiteral("ZAHL"), 0);
            for (int k = 0; k < n; ++k)
                QCOMPARE(r.Cells(1, k + 1).toInt(), referenz[k].second);
        }
    }

    void sortierungGrosserSortierterDatenBleibtFlach()
    {
        // Already sorted and all-equal columns: the worst inputs for the stack of a naive sort.
        TRaster r(1, 200001);
        r.setFixedRows(1);
        for (int k = 1; k <= 200000; ++k)
            r.setCells(0, k, QString::number(k < 100000 ? 7 : k));
        r.sort(QStringLiteral("ZAHL"), 0);
        QCOMPARE(r.Cells(0, 200000), QStringLiteral("200000"));
    }

    // ---- Dates --------------------------------------------------------------------------

    void datumstexte_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<qint64>("schluessel"); // minutes, counted independently (every 4th year leap)
        QTest::newRow("Jahr") << "2019" << true << qint64(62589600);
        QTest::newRow("Monat/Jahr, beliebiger Trenner") << "03/2019" << true << qint64(62589600 + 59 * 1440);
        QTest::newRow("Tag.Monat.Jahr") << "15.03.2019" << true << qint64(62589600 + 73 * 1440);
        QTest::newRow("1900 als Schaltjahr gezaehlt") << "01.03.1900" << true << qint64(60 * 1440);
        QTest::newRow("31.12.2020") << "31.12.2020" << true << qint64(63640800);
        QTest::newRow("01.01.2021") << "01.01.2021" << true << qint64(63642240);
        QTest::newRow("letzter passender Tag") << "24.12.5982" << true << qint64(2147483520);
        QTest::newRow("Blanks und Vorzeichen") << " 1.+3.2019" << true << qint64(62589600 + 59 * 1440);
        QTest::newRow("29.02.2000") << "29.02.2000" << true << qint64(52680960); // (100·365 + 25 + 59) days
        QTest::newRow("29.02.2100 gibt es nicht") << "29.02.2100" << false << qint64(-1);
        QTest::newRow("Laenge 8") << "1.3.2019" << false << qint64(-1);
        QTest::newRow("Monat 13") << "13.2019" << false << qint64(-1);
        QTest::newRow("Jahr 0") << "0000" << false << qint64(-1);
        QTest::newRow("Buchstabe") << "2O19" << false << qint64(-1);
        QTest::newRow("nur Vorzeichen") << "15.+ .2019" << false << qint64(-1);
        QTest::newRow("31. April") << "31.04.2019" << false << qint64(-1);
    }
    void datumstexte()
    {
        QFETCH(QString, text);
        QFETCH(bool, gueltig);
        QFETCH(qint64, schluessel);
        QCOMPARE(U_Zeit::Datum_Lesen(text).has_value(), gueltig);
        QCOMPARE(qint64(U_Zeit::Datumsschluessel(text)), schluessel);
    }

    void tagesnummerZaehltAbDem30Dezember1899()
    {
        QCOMPARE(U_Zeit::Tagesnummer(QStringLiteral("30.12.1899")), 0);
        QCOMPARE(U_Zeit::Tagesnummer(QStringLiteral("01.01.1900")), 2);
        QCOMPARE(U_Zeit::Tagesnummer(QStringLiteral("01.01.2000")), 36526);
        QCOMPARE(U_Zeit::Tagesnummer(QStringLiteral("29.12.1899")), -1);
        QVERIFY(U_Zeit::Datum_Lesen(QStringLiteral("29.12.1899"))); // a date all the same
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, U_Zeit::Datumsschluessel(QStringLiteral("25.12.5982")));
    }

    // ---- The view -----------------------------------------------------------------------

    void ansichtZeigtTitelzeileAlsKopf()
    {
        TEStringGrid grid(2, 3);
        grid.setCells(0, 0, QStringLiteral("Art"));
        grid.setCells(0, 1, QStringLiteral("HEB"));
        QAbstractItemModel* m = grid.model();
        QCOMPARE(m->rowCount(), 2);
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Art"));
        QCOMPARE(m->data(m->index(0, 0)).toString(), QStringLiteral("HEB"));
        QVERIFY(m->flags(m->index(0, 0)) & Qt::ItemIsEditable);
        grid.setRowCount(1); // the title row alone is no longer fixed and is shown as a row
        QCOMPARE(m->rowCount(), 1);
        QCOMPARE(m->data(m->index(0, 0)).toString(), QStringLiteral("Art"));
        QVERIFY(grid.horizontalHeader()->isHidden());
    }

    void zelleneditorNimmtKeineTrennzeichen()
    {
        TEStringGrid grid(2, 3);
        grid.resize(400, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QModelIndex i = grid.model()->index(0, 1);
        grid.setCurrentIndex(i);
        grid.edit(i);
        auto* editor = grid.findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("7;85"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(grid.Cells(1, 1), QStringLiteral("785")); // committed through a queued call
        QVERIFY(grid.Geaendert());
        QCOMPARE(grid.Row(), 1);
        Plattform::Meldungsrekorder rekorder;
        QVERIFY(!grid.model()->setData(i, QStringLiteral("a\nb")));
        QCOMPARE(grid.Cells(1, 1), QStringLiteral("785"));
    }

    void ansichtFolgtZeilenoperationenUndBehaeltSpaltenbreiten()
    {
        TEStringGrid grid(3, 3);
        grid.setColWidths(0, 180);
        grid.InsertLine(1);
        grid.setRowCount(10);
        QCOMPARE(grid.model()->rowCount(), 9);
        QCOMPARE(grid.columnWidth(0), 180);
        grid.setRow(5);
        QCOMPARE(grid.currentIndex().row(), 4);
        grid.DeleteLine(9);
        QCOMPARE(grid.model()->rowCount(), 8);
    }

    void datumsfehlerWaehltDieZeileAuchAufDemSchirm()
    {
        TEStringGrid grid(1, 4);
        grid.setCells(0, 1, QStringLiteral("2019"));
        grid.setCells(0, 2, QStringLiteral("2020"));
        grid.setCells(0, 3, QStringLiteral("1.3.2019"));
        grid.setRow(1);
        Plattform::Meldungsrekorder rekorder;
        grid.sort(QStringLiteral("DATUM"), 0);
        QCOMPARE(grid.Row(), 3);
        QCOMPARE(grid.currentIndex().row(), 2);
    }

    void riesigeZelleWirdGekuerztAngezeigt()
    {
        TEStringGrid grid(1, 2);
        grid.setCells(0, 1, QString(100000, QLatin1Char('x')));
        const QString gezeigt = grid.model()->data(grid.model()->index(0, 0)).toString();
        QVERIFY(gezeigt.size() < 2000);
        QCOMPARE(grid.model()->data(grid.model()->index(0, 0), Qt::EditRole).toString().size(), 100000);
    }
};

TRABEX_TEST_MAIN(TestGrid)
#include "test_grid.moc"
