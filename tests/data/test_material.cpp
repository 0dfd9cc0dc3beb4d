// Reading the material database and the profile library into their fixed tables, and the
// categories of actions with their factors.
#include "Kernumgebung.h"
#include "core/app/Unit1.h"
#include "core/data/U_Einwirkungen.h"
#include "core/data/U_Material.h"
#include "core/data/U_Profile.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"

#include <QFile>
#include <cmath>

using namespace Unit1;
using Plattform::Fehler;

namespace {

const QString Kopf7 = QStringLiteral("Sorte;E;SigmaB;SigmaP;T1;T2;Gamma");
const QString Kopf11 = Kopf7 + QStringLiteral(";Art;SigmaD;SigmaZ;SigmaS");

// A data line in the test locale's number notation.
QString zeile(const QString& punktnotation) { return Testumgebung::zahl(punktnotation); }

QString materialzeilen(int anzahl)
{
    QStringList z;
    for (int k = 0; k < anzahl; ++k)
        z << QStringLiteral("M%1;210000;360;200;0;0;7.85;Metall;0;0;0").arg(k);
    return z.join(QLatin1Char('\n'));
}

// Runs f and returns the text of the program error it throws ("" when none).
template <class F> QString fehlertext(F f)
{
    try {
        f();
    } catch (const Fehler& e) {
        return e.text();
    }
    return QString();
}

} // namespace

class TestMaterial : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Testumgebung::zustandZuruecksetzen();
        Programminit();
    }

    void versionAusKopfzeile_data()
    {
        QTest::addColumn<QString>("kopf");
        QTest::addColumn<int>("version");
        QTest::newRow("7 Felder: alt") << Kopf7 << 1;
        QTest::newRow("11 Felder") << Kopf11 << 2;
        QTest::newRow("8 Felder gilt als neu") << Kopf7 + QStringLiteral(";x") << 2;
        QTest::newRow("leere Datei") << QString() << 2;
    }
    void versionAusKopfzeile()
    {
        QFETCH(QString, kopf);
        QFETCH(int, version);
        QCOMPARE(U_Material::Version_Bestimmen(kopf), version);
    }

    void materialEinlesen_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("daten");
        QTest::addColumn<QString>("art");
        QTest::addColumn<double>("sigmaD");
        QTest::addColumn<double>("grenzschlankheit");
        const double stahl = M_PI * std::sqrt(1050.0); // ≈ 101.8
        QTest::newRow("neu, Holz") << 2 << "Fichte;10000;45;9.87;29.3;0.194;0.45;Holz;21;14;4"
                                   << "Holz" << 21.0 << M_PI * std::sqrt(10000 / 9.87);
        QTest::newRow("neu, Stahl") << 2 << "Stahl;210000;360;200;310;1.14;7.85;Metall;0;0;0"
                                    << "Metall" << 0.0 << stahl;
        QTest::newRow("neu, Art wie geschrieben") << 2 << "x;1;2;0;0;0;1;holz;1;2;3"
                                                  << "holz" << 1.0 << 0.0;
        QTest::newRow("alt: Art und Holzwerte bleiben frei") << 1 << "Stahl;210000;360;200;310;1.14;7.85"
                                                             << "Leer" << 0.0 << stahl;
        QTest::newRow("alt: Felder 8 bis 11 einer neuen Datei ungelesen") << 1 << "Stahl;210000;360;200;310;1.14;7.85;Holz;x;y;z"
                                                                          << "Leer" << 0.0 << stahl;
        QTest::newRow("SigmaP 0 gibt Grenzschlankheit 0") << 2 << "Kunststoff;3000;50;0;0;0;1.4;Kunststoff;0;0;0"
                                                          << "Kunststoff" << 0.0 << 0.0;
    }
    void materialEinlesen()
    {
        QFETCH(int, version);
        QFETCH(QString, daten);
        QFETCH(QString, art);
        QFETCH(double, sigmaD);
        QFETCH(double, grenzschlankheit);
        Memo = {Kopf11, zeile(daten)};
        U_Material::Material_Einlesen(version);
        const QStringList felder = daten.split(QLatin1Char(';'));
        QCOMPARE(Matdat[0].Sorte, felder[0]);
        QCOMPARE(Matdat[0].E, felder[1].toDouble());
        QCOMPARE(Matdat[0].SigmaB, felder[2].toDouble());
        QCOMPARE(Matdat[0].Tetmaier2, felder[5].toDouble());
        QCOMPARE(Matdat[0].Gamma, felder[6].toDouble());
        QCOMPARE(Matdat[0].Art, art);
        QCOMPARE(Matdat[0].SigmaD, sigmaD);
        QVERIFY(std::abs(Matdat[0].GrenzSchlankheit - grenzschlankheit) < 1e-9);
        QCOMPARE(Matdat[1].Sorte, QStringLiteral("LEER"));
    }

    // fy is the twelfth column; files from before it, and materials that have none, leave it
    // out or empty, which means no fy.
    void streckgrenze_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("daten");
        QTest::addColumn<double>("fy");
        QTest::newRow("mit fy") << 2 << "S235;210000;360;192;310;1.14;7.85;Metall;0;0;0;235" << 235.0;
        QTest::newRow("fy mit Komma") << 2 << "S;210000;360;192;0;0;7.85;Metall;0;0;0;235.5" << 235.5;
        QTest::newRow("11 Spalten: kein fy") << 2 << "S235;210000;360;192;310;1.14;7.85;Metall;0;0;0" << 0.0;
        QTest::newRow("leeres fy") << 2 << "C24;11000;24;10.86;29.3;0.194;0.42;Holz;21;14;4;" << 0.0;
        QTest::newRow("fy nur Leerzeichen") << 2 << "PP;1400;32;0;0;0;0.91;Kunststoff;0;0;0; " << 0.0;
        QTest::newRow("alte Datei liest kein fy") << 1 << "S235;210000;360;192;310;1.14;7.85;Metall;0;0;0;235" << 0.0;
    }
    void streckgrenze()
    {
        QFETCH(int, version);
        QFETCH(QString, daten);
        QFETCH(double, fy);
        Memo = {Kopf11 + QStringLiteral(";fy"), zeile(daten), zeile("B;1;2;0;0;0;1;Metall;0;0;0")};
        U_Material::Material_Einlesen(version);
        QCOMPARE(Matdat[0].fy, fy);
        QCOMPARE(Matdat[1].fy, 0.0);
    }

    void nameAuf20ZeichenGekuerzt()
    {
        Memo = {Kopf11, zeile("Baustahl mit sehr langem Namen;210000;360;0;0;0;7.85;Metall;0;0;0")};
        U_Material::Material_Einlesen(2);
        QCOMPARE(Matdat[0].Sorte, QStringLiteral("Baustahl mit sehr la"));
    }

    void leerzeilenTragenKeinenDatensatz()
    {
        Memo = {
            Kopf11, QString(), zeile("A;1;2;0;0;0;1;Metall;0;0;0"), QStringLiteral("  \t"), zeile("B;1;2;0;0;0;1;Metall;0;0;0")};
        U_Material::Material_Einlesen(2);
        QCOMPARE(Matdat[0].Sorte, QStringLiteral("A"));
        QCOMPARE(Matdat[1].Sorte, QStringLiteral("B"));
        QCOMPARE(Matdat[2].Sorte, QStringLiteral("LEER"));
    }

    // The error keeps its known text at the start and names file, line and column; reading
    // stops there with the entries before it filled and the bad one left free.
    void fehlerNenntDateiZeileUndSpalte_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("schlecht");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Text statt Zahl") << 2 << "X;abc;2;0;0;0;1;Metall;0;0;0"
                                         << "'abc' ist kein gültiger Gleitkommawert (Datei Material.csv, Zeile 3, Spalte 2)";
        QTest::newRow("zu wenige Felder") << 2 << "X;1;2;0;0;0;1;Metall"
                                          << "'' ist kein gültiger Gleitkommawert (Datei Material.csv, Zeile 3, Spalte 9)";
        QTest::newRow("leeres Feld") << 1 << "X;1;;0;0;0;1"
                                     << "'' ist kein gültiger Gleitkommawert (Datei Material.csv, Zeile 3, Spalte 3)";
        // Values that cannot be physical: a negative E or σP would give λ0 = 0 without a word.
        QTest::newRow("negatives E") << 2 << "X;-210000;360;200;0;0;7.85;Metall;0;0;0"
                                     << "'-210000' ist kein zulässiger Wert, der E-Modul muss größer als 0 sein "
                                        "(Datei Material.csv, Zeile 3, Spalte 2)";
        QTest::newRow("E null") << 1 << "X;0;360;200;0;0;7.85"
                                << "'0' ist kein zulässiger Wert, der E-Modul muss größer als 0 sein "
                                   "(Datei Material.csv, Zeile 3, Spalte 2)";
        QTest::newRow("negatives SigmaP") << 2 << "X;210000;360;-200;0;0;7.85;Metall;0;0;0"
                                          << "'-200' ist kein zulässiger Wert, SigmaP darf nicht negativ sein "
                                             "(Datei Material.csv, Zeile 3, Spalte 4)";
        QTest::newRow("negatives Gewicht") << 1 << "X;210000;360;200;0;0;-1"
                                           << "'-1' ist kein zulässiger Wert, das spezifische Gewicht darf nicht negativ "
                                              "sein (Datei Material.csv, Zeile 3, Spalte 7)";
        QTest::newRow("negatives SigmaS") << 2 << "X;11000;24;0;0;0;1;Holz;21;14;-4"
                                          << "'-4' ist kein zulässiger Wert, SigmaS darf nicht negativ sein "
                                             "(Datei Material.csv, Zeile 3, Spalte 11)";
        QTest::newRow("fy null") << 2 << "X;210000;360;200;0;0;7.85;Metall;0;0;0;0"
                                 << "'0' ist kein zulässiger Wert, die Streckgrenze fy muss größer als 0 sein "
                                    "(Datei Material.csv, Zeile 3, Spalte 12)";
        QTest::newRow("fy Text") << 2 << "X;210000;360;200;0;0;7.85;Metall;0;0;0;S235"
                                 << "'S235' ist kein gültiger Gleitkommawert (Datei Material.csv, Zeile 3, Spalte 12)";
    }
    void fehlerNenntDateiZeileUndSpalte()
    {
        QFETCH(int, version);
        QFETCH(QString, schlecht);
        QFETCH(QString, erwartet);
        Memo = {Kopf11, zeile("A;1;2;0;0;0;1;Metall;0;0;0"), schlecht, zeile("C;1;2;0;0;0;1;Metall;0;0;0")};
        QCOMPARE(fehlertext([&] { U_Material::Material_Einlesen(version); }), erwartet);
        QCOMPARE(Matdat[0].Sorte, QStringLiteral("A"));
        QCOMPARE(Matdat[1].Sorte, QStringLiteral("LEER"));
        QCOMPARE(Matdat[1].E, 0.0);
    }

    // Data files are read with either decimal separator under every locale, so that the
    // delivered German files and files saved under another locale load; never with a
    // thousands separator.
    void dezimalzeichenBeiderArt_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<double>("wert"); // NaN: refused
        const double abgelehnt = std::nan("");
        QTest::newRow("Komma") << "2,5" << 2.5;
        QTest::newRow("Punkt") << "2.5" << 2.5;
        QTest::newRow("Blanks, Vorzeichen, Exponent") << " -1,5E2 " << -150.0;
        QTest::newRow("deutscher Tausenderpunkt") << "1.000,5" << abgelehnt;
        QTest::newRow("englisches Tausenderkomma") << "1,000.5" << abgelehnt;
        QTest::newRow("zwei Kommas") << "1,000,5" << abgelehnt;
    }
    void dezimalzeichenBeiderArt()
    {
        QFETCH(QString, feld);
        QFETCH(double, wert);
        Memo = {Kopf7, QStringLiteral("X;1;1;0;%1;0;1").arg(feld)}; // Tetmajer a may be negative
        const QString fehler = fehlertext([] { U_Material::Material_Einlesen(1); });
        if (std::isnan(wert)) {
            QCOMPARE(fehler,
                QStringLiteral("'%1' ist kein gültiger Gleitkommawert (Datei Material.csv, Zeile 2, Spalte 5)").arg(feld));
        } else {
            QCOMPARE(fehler, QString());
            QCOMPARE(Matdat[0].Tetmaier1, wert);
        }
    }

    // A 10 MB field must neither crash nor end up whole in a message box.
    void riesigesFeldWirdGekuerztGemeldet()
    {
        Memo = {Kopf7, QStringLiteral("X;") + QString(10'000'000, QLatin1Char('9')) + QStringLiteral("x;1;0;0;0;1")};
        const QString text = fehlertext([] { U_Material::Material_Einlesen(1); });
        QVERIFY(text.startsWith(QStringLiteral("'9999")));
        QVERIFY(text.size() < 200);
        QVERIFY(text.endsWith(QStringLiteral("(Datei Material.csv, Zeile 2, Spalte 2)")));
    }

    void ueberfuellteTabelle_data()
    {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("200 passen") << 200 << QStringList();
        QTest::newRow("201: eine Zeile bleibt draußen")
            << 201
            << QStringList {"Die Datei Material.csv enthält mehr Werkstoffe, als das Programm aufnehmen kann (höchstens 200). 1 "
                            "Zeile wurde nicht gelesen."};
        QTest::newRow("250") << 250
                             << QStringList {"Die Datei Material.csv enthält mehr Werkstoffe, als das Programm aufnehmen kann "
                                             "(höchstens 200). 50 Zeilen wurden nicht gelesen."};
    }
    void ueberfuellteTabelle()
    {
        QFETCH(int, zeilen);
        QFETCH(QStringList, meldungen);
        Plattform::Meldungsrekorder rekorder;
        Memo = QStringList {Kopf11} + zeile(materialzeilen(zeilen)).split(QLatin1Char('\n'));
        U_Material::Material_Einlesen(2);
        QCOMPARE(rekorder.texte(), meldungen);
        QCOMPARE(Matdat[199].Sorte, QStringLiteral("M199"));
        QCOMPARE(Matdat[200].Sorte, QStringLiteral("LEER")); // the end marker stays free
    }

    // After the editor saved fewer rows, the deleted materials must not linger behind them.
    void erneutesEinlesenGibtAlteEintraegeFrei()
    {
        Memo = QStringList {Kopf11} + zeile(materialzeilen(5)).split(QLatin1Char('\n'));
        U_Material::Material_Einlesen(2);
        Memo = QStringList {Kopf11} + zeile(materialzeilen(2)).split(QLatin1Char('\n'));
        U_Material::Material_Einlesen(2);
        QCOMPARE(Matdat[1].Sorte, QStringLiteral("M1"));
        QCOMPARE(Matdat[2].Sorte, QStringLiteral("LEER"));
        QCOMPARE(Matdat[2].Art, QStringLiteral("Leer"));
    }

    // ---- profile library

    void beispielzeileDeutsch()
    {
        const QLocale vorher;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Profildateinamenarray[0] = QStringLiteral("IPE.CSV");
        Memo = {QStringLiteral("Art;Name;Wmax;Wmin;Imax;Imin;A"), QStringLiteral("IPE;IPE 100;34,2;5,79;171;15,9;10,3")};
        U_Profile::Profil_Einlesen(0);
        QLocale::setDefault(vorher);
        const TProfilrecord& p = Profildat[0][0];
        QCOMPARE(p.Art, QStringLiteral("IPE"));
        QCOMPARE(p.Name, QStringLiteral("IPE 100"));
        QCOMPARE(p.Wmax, 34.2);
        QCOMPARE(p.Wmin, 5.79);
        QCOMPARE(p.Imax, 171.0);
        QCOMPARE(p.Imin, 15.9);
        QCOMPARE(p.A, 1030.0);
        QCOMPARE(Profildat[0][1].Name, QStringLiteral("LEER"));
    }

    void profiltexteGekuerzt()
    {
        Memo = {QStringLiteral("Kopf"), zeile("Warmgewalzter I-Träger mit parallelen Flanschen;IPE 100 nach EN 10365;1;1;1;1;1")};
        U_Profile::Profil_Einlesen(3);
        QCOMPARE(Profildat[3][0].Art, QStringLiteral("Warmgewalzter I-Träger mit par"));
        QCOMPARE(Profildat[3][0].Art.size(), 30);
        QCOMPARE(Profildat[3][0].Name, QStringLiteral("IPE 100 nach EN"));
    }

    // An empty family keeps its single free entry but is named after its file, so that the
    // selection dialog lists it and the families after it.
    void leereFamilieTraegtDenDateinamen()
    {
        Profildateinamenarray[0] = QStringLiteral("NEU.CSV");
        Memo = {QStringLiteral("Kopf"), zeile("IPE;IPE 80;1;1;1;1;1")};
        U_Profile::Profil_Einlesen(0);
        Memo = {QStringLiteral("Art;Name;Wmax;Wmin;Imax;Imin;A"), QString()};
        U_Profile::Profil_Einlesen(0);
        QCOMPARE(Profildat[0][0].Art, QStringLiteral("NEU"));
        QCOMPARE(Profildat[0][0].Name, QStringLiteral("LEER"));
        QCOMPARE(Profildat[0][0].A, 0.0);
        QCOMPARE(Profildat[0][1].Art, QStringLiteral("LEER"));
    }

    // The selection dialog lists 150 profiles of a family: the loader keeps as many and says
    // how many lines it left out.
    void ueberfuellteFamilie()
    {
        Plattform::Meldungsrekorder rekorder;
        Profildateinamenarray[2] = QStringLiteral("GROSS.CSV");
        Memo = {QStringLiteral("Kopf")};
        for (int k = 0; k < 160; ++k)
            Memo << zeile(QStringLiteral("X;P%1;1;1;1;1;1.5").arg(k));
        U_Profile::Profil_Einlesen(2);
        QCOMPARE(Profildat[2][149].Name, QStringLiteral("P149"));
        QCOMPARE(Profildat[2][150].Name, QStringLiteral("LEER"));
        QCOMPARE(rekorder.texte(),
            QStringList {"Die Datei GROSS.CSV enthält mehr Profile, als das Programm aufnehmen kann (höchstens 150). 10 Zeilen "
                         "wurden nicht gelesen."});
    }

    void profilfehlerNenntDatei()
    {
        Profildateinamenarray[1] = QStringLiteral("HEB.CSV");
        Memo = {QStringLiteral("Kopf"), zeile("HEB;HEB 100;1;1;1;1;1"), zeile("HEB;HEB 120;1;1;1;1")};
        QCOMPARE(fehlertext([] { U_Profile::Profil_Einlesen(1); }),
            QStringLiteral("'' ist kein gültiger Gleitkommawert (Datei HEB.CSV, Zeile 3, Spalte 7)"));
        QCOMPARE(Profildat[1][0].Name, QStringLiteral("HEB 100"));
        QCOMPARE(Profildat[1][1].Name, QStringLiteral("LEER"));
        QVERIFY(!fehlertext([] { U_Profile::Profil_Einlesen(41); }).isEmpty());
    }

    // W, I or A of 0 or below cannot belong to a profile: the row is left out with one report
    // naming file, line and column; the rows around it load.
    void unmoeglicheProfilwerte_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Wmax 0") << "HEB;HEB 120;0;52;864;318;34"
                                << "'0' ist kein zulässiger Wert, Wmax muss größer als 0 sein "
                                   "(Datei HEB.CSV, Zeile 3, Spalte 3)";
        QTest::newRow("Wmin negativ") << "HEB;HEB 120;144;-52;864;318;34"
                                      << "'-52' ist kein zulässiger Wert, Wmin muss größer als 0 sein (Datei HEB.CSV, Zeile 3, "
                                         "Spalte 4)";
        QTest::newRow("Imax 0.0") << "HEB;HEB 120;144;52;0.0;318;34"
                                  << "'0.0' ist kein zulässiger Wert, Imax muss größer als 0 sein (Datei HEB.CSV, Zeile 3, "
                                     "Spalte 5)";
        QTest::newRow("Imin negativ") << "HEB;HEB 120;144;52;864;-0.5;34"
                                      << "'-0.5' ist kein zulässiger Wert, Imin muss größer als 0 sein (Datei HEB.CSV, Zeile "
                                         "3, Spalte 6)";
        QTest::newRow("A 0") << "HEB;HEB 120;144;52;864;318;0"
                             << "'0' ist kein zulässiger Wert, A muss größer als 0 sein "
                                "(Datei HEB.CSV, Zeile 3, Spalte 7)";
        QTest::newRow("Knicklinie e") << "HEB;HEB 120;144;52;864;318;34;e;c"
                                      << "'e' ist kein zulässiger Wert, die Knicklinie muss a0, a, b, c oder d sein "
                                         "(Datei HEB.CSV, Zeile 3, Spalte 8)";
        QTest::newRow("Knicklinie groß") << "HEB;HEB 120;144;52;864;318;34;b;C"
                                         << "'C' ist kein zulässiger Wert, die Knicklinie muss a0, a, b, c oder d sein "
                                            "(Datei HEB.CSV, Zeile 3, Spalte 9)";
    }
    void unmoeglicheProfilwerte()
    {
        QFETCH(QString, zeile);
        QFETCH(QString, meldung);
        Plattform::Meldungsrekorder rekorder;
        Profildateinamenarray[1] = QStringLiteral("HEB.CSV");
        Memo = {QStringLiteral("Kopf"), QStringLiteral("HEB;HEB 100;89;33;450;167;26"), zeile,
            QStringLiteral("HEB;HEB 140;215;78;1510;550;43")};
        QCOMPARE(fehlertext([] { U_Profile::Profil_Einlesen(1); }), QString());
        QCOMPARE(Profildat[1][0].Name, QStringLiteral("HEB 100"));
        QCOMPARE(Profildat[1][1].Name, QStringLiteral("HEB 140"));
        QCOMPARE(Profildat[1][1].A, 4300.0);
        QCOMPARE(Profildat[1][2].Name, QStringLiteral("LEER"));
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Plattform::Meldungsart::Bericht);
        QCOMPARE(rekorder.meldungen[0].text,
            meldung + QStringLiteral("\nDiese Zeile wird übersprungen; die übrigen Profile werden geladen."));
    }

    // The buckling curves about the axes of Imax and Imin follow A; a file from before them, or
    // an empty cell, gives a profile without a curve.
    void knicklinien_data()
    {
        QTest::addColumn<QString>("daten");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("min");
        QTest::newRow("beide") << "IPE;IPE 500;1928;214.2;48199;2142;115.5;a;b"
                               << "a"
                               << "b";
        QTest::newRow("a0 und d, mit Leerzeichen") << "X;X 1;1;1;1;1;1; a0 ;d"
                                                   << "a0"
                                                   << "d";
        QTest::newRow("alte Datei ohne Spalten") << "IPE;IPE 500;1928;214.2;48199;2142;115.5"
                                                 << ""
                                                 << "";
        QTest::newRow("nur um Imax") << "X;X 1;1;1;1;1;1;c"
                                     << "c"
                                     << "";
        QTest::newRow("leer") << "X;X 1;1;1;1;1;1;;"
                              << ""
                              << "";
    }
    void knicklinien()
    {
        QFETCH(QString, daten);
        QFETCH(QString, max);
        QFETCH(QString, min);
        Plattform::Meldungsrekorder rekorder;
        Profildateinamenarray[0] = QStringLiteral("IPE.CSV");
        Memo = {QStringLiteral("Art;Name;Wmax;Wmin;Imax;Imin;A"), zeile(daten), zeile("X;X 2;1;1;1;1;1")};
        U_Profile::Profil_Einlesen(0);
        QCOMPARE(rekorder.meldungen.size(), 0);
        QCOMPARE(Profildat[0][0].Knicklinie_max, max);
        QCOMPARE(Profildat[0][0].Knicklinie_min, min);
        QCOMPARE(Profildat[0][1].Knicklinie_max, QString());
    }

    // The categories of actions: read whole, or refused whole with the place of the fault.
    void kategorien()
    {
        // Either decimal separator, whatever the locale, as in every data file.
        const QStringList zeilen {U_Einwirkungen::Kopfzeile, QStringLiteral("A;Q Kat. A;Wohnräume;0,7;0,5;0,3"), QString(),
            QStringLiteral("Schnee; S ;Schnee bis 1000 m;0.5;0.2;0")};
        const auto k = U_Einwirkungen::Kategorien_Lesen(zeilen);
        QCOMPARE(k.size(), std::size_t(2));
        QCOMPARE(k[0].kuerzel, QStringLiteral("A"));
        QCOMPARE(k[0].zeichen, QStringLiteral("Q Kat. A"));
        QCOMPARE(k[0].psi0, 0.7);
        QCOMPARE(k[1].zeichen, QStringLiteral("S"));
        QCOMPARE(k[1].psi1, 0.2);
        QCOMPARE(k[1].psi2, 0.0);
    }
    void kategorienFehler_data()
    {
        QTest::addColumn<QString>("schlecht");
        QTest::addColumn<QString>("meldung");
        const QString ort = QStringLiteral(" (Datei Einwirkungen.csv, Zeile 3, Spalte %1)");
        QTest::newRow("psi über 1") << "B;Q Kat. B;Büros;1.5;0.5;0.3"
                                    << "'1.5' ist kein zulässiger Wert, ψ muss zwischen 0 und 1 liegen" + ort.arg(4);
        QTest::newRow("psi negativ") << "B;Q Kat. B;Büros;0.7;-0.5;0.3"
                                     << "'-0.5' ist kein zulässiger Wert, ψ muss zwischen 0 und 1 liegen" + ort.arg(5);
        QTest::newRow("psi fehlt") << "B;Q Kat. B;Büros;0.7;0.5"
                                   << "'' ist kein gültiger Gleitkommawert" + ort.arg(6);
        QTest::newRow("ohne Kategorie") << " ;Q;Büros;0.7;0.5;0.3"
                                        << "' ' ist kein zulässiger Wert, die Kategorie darf nicht leer sein" + ort.arg(1);
        QTest::newRow("ohne Zeichen") << "B;;Büros;0.7;0.5;0.3"
                                      << "'' ist kein zulässiger Wert, das Zeichen der Kategorie darf nicht leer sein"
                + ort.arg(2);
        QTest::newRow("doppelt") << "A;Q;Noch einmal A;0.7;0.5;0.3"
                                 << "'A' ist kein zulässiger Wert, die Kategorie ist schon weiter oben genannt" + ort.arg(1);
    }
    void kategorienFehler()
    {
        QFETCH(QString, schlecht);
        QFETCH(QString, meldung);
        const QStringList zeilen {U_Einwirkungen::Kopfzeile, QStringLiteral("A;Q Kat. A;Wohnräume;0.7;0.5;0.3"), schlecht,
            QStringLiteral("W;W;Wind;0.6;0.2;0")};
        QCOMPARE(fehlertext([&] { U_Einwirkungen::Kategorien_Lesen(zeilen); }), meldung);
    }
    // A data folder without the file (an older installation) gives no categories and no message;
    // a broken file is refused and leaves none either.
    void kategorienLaden()
    {
        Testumgebung::Programmverzeichnis dir;
        Plattform::Meldungsrekorder rekorder;
        U_Einwirkungen::Kategorien = {Eurocode::Kategorie {QStringLiteral("A")}};
        U_Einwirkungen::Kategorien_Laden(dir.daten());
        QVERIFY(U_Einwirkungen::Kategorien.empty());
        dir.schreiben(QStringLiteral("einwirkungen.CSV"), "Kopf\r\nA;Q Kat. A;x;0,7;0,5;0,3\r\n");
        U_Einwirkungen::Kategorien_Laden(dir.daten());
        QCOMPARE(U_Einwirkungen::Kategorien.size(), std::size_t(1));
        dir.schreiben(QStringLiteral("einwirkungen.CSV"), "Kopf\r\nA;Q Kat. A;x;7;0,5;0,3\r\n");
        QVERIFY(!fehlertext([&] { U_Einwirkungen::Kategorien_Laden(dir.daten()); }).isEmpty());
        QVERIFY(U_Einwirkungen::Kategorien.empty());
        QCOMPARE(rekorder.meldungen.size(), 0);
    }

    // A family of nothing but impossible rows gives one report, not one box per row, and is
    // listed under its file name like an empty one.
    void vieleUnmoeglicheProfilzeilen()
    {
        Plattform::Meldungsrekorder rekorder;
        Profildateinamenarray[1] = QStringLiteral("NULL.CSV");
        Memo = {QStringLiteral("Kopf")};
        for (int k = 0; k < 8; ++k)
            Memo << QStringLiteral("X;P%1;1;1;1;1;0").arg(k);
        U_Profile::Profil_Einlesen(1);
        QCOMPARE(Profildat[1][0].Art, QStringLiteral("NULL"));
        QCOMPARE(Profildat[1][0].Name, QStringLiteral("LEER"));
        QCOMPARE(rekorder.meldungen.size(), 1);
        const QStringList zeilen = rekorder.meldungen[0].text.split(QLatin1Char('\n'));
        QCOMPARE(zeilen.size(), 7);
        QVERIFY(zeilen[0].endsWith(QStringLiteral("(Datei NULL.CSV, Zeile 2, Spalte 7)")));
        QCOMPARE(zeilen[5], QStringLiteral("…"));
        QCOMPARE(zeilen[6], QStringLiteral("Diese 8 Zeilen werden übersprungen; die übrigen Profile werden geladen."));
    }

    void profilindex_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("leer") << QStringList() << QStringList() << 0;
        QTest::newRow("Leerzeilen nennen keine Familie")
            << QStringList {"IPE.CSV", "", "HEB.CSV", " "} << QStringList {"IPE.CSV", "HEB.CSV"} << 0;
        QTest::newRow("ganz gelesen") << QStringList {"LANGERNAME.CSV"} << QStringList {"LANGERNAME.CSV"} << 0;
        QStringList viele;
        for (int k = 0; k < 45; ++k)
            viele << QStringLiteral("F%1.CSV").arg(k);
        QTest::newRow("40 passen") << viele.mid(0, 40) << viele.mid(0, 40) << 0;
        QTest::newRow("45 Namen: 40 gelesen") << viele << viele.mid(0, 40) << 1;
    }
    void profilindex()
    {
        QFETCH(QStringList, zeilen);
        QFETCH(QStringList, namen);
        QFETCH(int, meldungen);
        Plattform::Meldungsrekorder rekorder;
        Profildateinamenarray.fill(QStringLiteral("alt"));
        Memo = zeilen;
        int letzte = 99;
        U_Profile::Profildateinamen_Lesen(Profildateinamenarray, letzte);
        QCOMPARE(letzte, int(namen.size()) - 1);
        for (int k = 0; k <= Max_Familie; ++k)
            QCOMPARE(Profildateinamenarray[k], namen.value(k));
        QCOMPARE(rekorder.meldungen.size(), meldungen);
    }

    // The whole library from a data directory: a family that cannot be read is reported once
    // and skipped, an empty one is kept, and the families after them all load without a gap.
    void bibliothekAusVerzeichnis()
    {
        Testumgebung::Programmverzeichnis dir;
        const QByteArray kopf = "Art;Name;Wmax;Wmin;Imax;Imin;A\r\n";
        dir.schreiben(QStringLiteral("profile.csv"), "ipe.csv\r\nFEHLT.CSV\r\nNEU.CSV\r\nKAPUTT.CSV\r\nHEB.CSV\r\n");
        dir.schreiben(QStringLiteral("IPE.CSV"), kopf + zeile("IPE;IPE 80;20;3.69;80.1;8.49;7.64").toLatin1());
        dir.schreiben(QStringLiteral("NEU.CSV"), kopf);
        dir.schreiben(QStringLiteral("KAPUTT.CSV"), kopf + "K;K 1;1;1;1;1;1\r\nK;K 2;x;1;1;1;1\r\n");
        dir.schreiben(QStringLiteral("HEB.CSV"), kopf + zeile("HEB;HEB 100;89.9;33.5;450;167;26").toLatin1());
        Plattform::Meldungsrekorder rekorder;
        QCOMPARE(fehlertext([&] { U_Profile::Profilbibliothek_Lesen(dir.daten()); }), QString());
        QCOMPARE(rekorder.meldungen.size(), 2);
        for (const auto& m : rekorder.meldungen) {
            QCOMPARE(m.art, Plattform::Meldungsart::Bericht);
            QVERIFY2(m.text.endsWith(QStringLiteral("Diese Profilfamilie wird übersprungen; die übrigen werden geladen.")),
                qPrintable(m.text));
        }
        QVERIFY(rekorder.texte()[0].startsWith(QStringLiteral("Datei ")));
        QVERIFY(rekorder.texte()[0].contains(QStringLiteral("FEHLT.CSV kann nicht geöffnet werden.")));
        QVERIFY(rekorder.texte()[1].startsWith(
            QStringLiteral("'x' ist kein gültiger Gleitkommawert (Datei KAPUTT.CSV, Zeile 3, Spalte 3)")));
        QCOMPARE(Profildateinamenarray[0], QStringLiteral("ipe.csv"));
        QCOMPARE(Profildateinamenarray[1], QStringLiteral("NEU.CSV"));
        QCOMPARE(Profildateinamenarray[2], QStringLiteral("HEB.CSV"));
        QCOMPARE(Profildateinamenarray[3], QString());
        QCOMPARE(Profildat[0][0].Name, QStringLiteral("IPE 80"));
        QCOMPARE(Profildat[1][0].Art, QStringLiteral("NEU"));
        QCOMPARE(Profildat[2][0].A, 2600.0);
        QCOMPARE(Profildat[3][0].Art, QStringLiteral("LEER")); // nothing of KAPUTT.CSV is left
        QCOMPARE(Profildat[3][1].Art, QStringLiteral("LEER"));

        rekorder.leeren();
        dir.schreiben(QStringLiteral("profile.csv"), "..\r\n");
        U_Profile::Profilbibliothek_Lesen(dir.daten());
        QCOMPARE(rekorder.meldungen.size(), 1);
        QVERIFY(rekorder.texte()[0].contains(QStringLiteral("Verzeichnis")));
        QCOMPARE(Profildat[0][0].Art, QStringLiteral("LEER"));

        QFile::remove(dir.daten() + QStringLiteral("profile.csv"));
        QVERIFY(fehlertext([&] {
            U_Profile::Profilbibliothek_Lesen(dir.daten());
        }).contains(QStringLiteral("kann nicht geöffnet werden")));
    }
};

TRABEX_TEST_MAIN(TestMaterial)
#include "test_material.moc"
