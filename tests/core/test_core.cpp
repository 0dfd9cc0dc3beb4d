// Shared state, line splitting and the number conventions.
#include "Kernumgebung.h"
#include "core/app/U_Dallg.h"
#include "core/app/Unit1.h"
#include "core/platform/Fehler.h"
#include "core/platform/Zahlen.h"

using namespace Unit1;

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void init() { Testumgebung::zustandZuruecksetzen(); }

    void zeileZerlegen_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<int>("max");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("drei Felder, Rest leer")
            << "Stahl;210000;360" << 7 << QStringList {"Stahl", "210000", "360", "", "", "", ""};
        QTest::newRow("Semikolon am Ende") << "a;b;" << 7 << QStringList {"a", "b", "", "", "", "", ""};
        QTest::newRow("leeres Feld") << "a;;b" << 3 << QStringList {"a", "", "b"};
        QTest::newRow("leere Zeile") << "" << 7 << QStringList {"", "", "", "", "", "", ""};
    }
    void zeileZerlegen()
    {
        QFETCH(QString, zeile);
        QFETCH(int, max);
        QFETCH(QStringList, erwartet);
        TStr_Liste liste;
        liste.fill(QStringLiteral("alt"));
        Zeile_Zerlegen(zeile, liste, max);
        for (int k = 0; k < erwartet.size(); ++k)
            QCOMPARE(liste[k], erwartet[k]);
        for (int k = max; k <= Max_Str_Liste; ++k)
            QCOMPARE(liste[k], QStringLiteral("alt"));
    }

    void zeileZerlegenHaengtUeberzaehligeFelderAn()
    {
        TStr_Liste liste;
        liste.fill(QStringLiteral("x"));
        Zeile_Zerlegen(QStringLiteral("0;1;2;3;4;5;6;7;8;9;10;11;12"), liste, 7);
        QCOMPARE(liste[6], QStringLiteral("6"));
        QCOMPARE(liste[7], QStringLiteral("x7"));
        QCOMPARE(liste[11], QStringLiteral("x11"));
        Zeile_Zerlegen(QStringLiteral("0;1;2;3;4;5;6;7;8;9;10;11;12"), liste, 12);
        QCOMPARE(liste[11], QStringLiteral("11")); // field 12 has no slot
    }

    void zahl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("erwartet");
        for (const char* ja : {"12", "12.", ".5", "-3.25E2", "1.5", " 1.5", "+7e-3"})
            QTest::newRow(ja) << QString::fromLatin1(ja) << true;
        for (const char* nein : {"1,5", "1.5 ", "12 ", "1e", "", "-", ".", "e5", "1.2.3"})
            QTest::newRow(qPrintable(QStringLiteral("nein '%1'").arg(QString::fromLatin1(nein))))
                << QString::fromLatin1(nein) << false;
    }
    void zahl()
    {
        QFETCH(QString, text);
        QFETCH(bool, erwartet);
        QCOMPARE(Zahl(text), erwartet);
    }

    void csvStringtrennung()
    {
        U_Dallg::TStringarray1 felder;
        U_Dallg::CSV_Stringtrennung(QStringLiteral("a;b;c"), 2, felder);
        QCOMPARE(felder[0], QStringLiteral("a"));
        QCOMPARE(felder[1], QStringLiteral("b"));
        QCOMPARE(felder[2], QString());
        U_Dallg::CSV_Stringtrennung(QStringLiteral("a"), 5, felder);
        QCOMPARE(felder[0], QStringLiteral("a"));
        QCOMPARE(felder[4], QString());
        QStringList sechzig;
        for (int k = 0; k < 60; ++k)
            sechzig << QString::number(k);
        U_Dallg::CSV_Stringtrennung(sechzig.join(QLatin1Char(';')), 60, felder);
        QCOMPARE(felder[50], QStringLiteral("50"));
        QCOMPARE(felder[51], QString());
        QCOMPARE(U_Dallg::Anz_CSV_Spalten(QString()), 1);
        QCOMPARE(U_Dallg::Anz_CSV_Spalten(QStringLiteral("Art;Name;Wmax;Wmin;Imax;Imin;A")), 7);
        QCOMPARE(U_Dallg::Anz_CSV_Spalten(QStringLiteral("a;b;")), 3);
    }
};

TRABEX_TEST_MAIN(TestCore)
#include "test_core.moc"
