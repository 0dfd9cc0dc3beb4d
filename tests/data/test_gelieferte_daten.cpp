// The data a new installation delivers: it loads without a message, and its values agree with
// the standards and textbooks they come from.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/data/U_Einwirkungen.h"
#include "gui/Main.h"
#include "gui/data/Tab_Werkstoffauswahl.h"
#include "gui/platform/Oberflaeche.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <cmath>
#include <memory>
#include <tuple>

using namespace Unit1;

namespace {

const Matrecord* material(const QString& name)
{
    for (const Matrecord& m : Matdat)
        if (m.Sorte == name)
            return &m;
    return nullptr;
}

const TProfilrecord* profil(const QString& name)
{
    for (const TProfildat& familie : Profildat)
        for (const TProfilrecord& p : familie)
            if (p.Name == name)
                return &p;
    return nullptr;
}

bool nahe(double wert, double soll, double toleranz) { return std::abs(wert - soll) <= toleranz * std::abs(soll); }

} // namespace

class TestGelieferteDaten : public QObject {
    Q_OBJECT

    std::unique_ptr<Testumgebung::Programmlauf> m_lauf;

private slots:
    // The delivered files are written with German decimal commas; they load under the test
    // run's locale, German or English, without a message.
    void initTestCase()
    {
        m_lauf = std::make_unique<Testumgebung::Programmlauf>([](const Testumgebung::Programmverzeichnis& v) {
            const QDir quelle(Testumgebung::gelieferteDaten());
            for (const QString& name : quelle.entryList({QStringLiteral("*.csv"), QStringLiteral("*.CSV")}, QDir::Files))
                QVERIFY(QFile::copy(quelle.filePath(name), v.daten() + name));
        });
    }
    void cleanupTestCase() { m_lauf.reset(); }

    void ladenOhneMeldung() { QCOMPARE(m_lauf->startmeldungen, QStringList()); }

    void werkstoffeVollstaendig()
    {
        QCOMPARE(Main::Materialdatenbankversion, 2);
        int anzahl = 0;
        while (Matdat[anzahl].Sorte != QStringLiteral("LEER"))
            ++anzahl;
        QVERIFY2(anzahl >= 40, qPrintable(QString::number(anzahl)));
        for (int k = 0; k < anzahl; ++k) {
            const Matrecord& m = Matdat[k];
            QVERIFY2(m.E > 0 && m.SigmaB > 0 && m.Gamma > 0, qPrintable(m.Sorte));
            QVERIFY2(QStringList({"Holz", "Metall", "Kunststoff"}).contains(m.Art), qPrintable(m.Sorte));
            QVERIFY2((m.Art == QStringLiteral("Holz")) == (m.SigmaD > 0 && m.SigmaZ > 0 && m.SigmaS > 0), qPrintable(m.Sorte));
            if (m.SigmaP > 0)
                QVERIFY2(m.SigmaP < m.SigmaB, qPrintable(m.Sorte));
        }
        for (const char* name : {"S235JR (St37-2)", "S275JR (St44-2)", "S355J2 (St52-3)", "E295 (St50-2)", "E335 (St60-2)",
                 "E360 (St70-2)", "C45E vergütet", "42CrMo4 vergütet", "Edelstahl 1.4301", "Edelstahl 1.4571", "GJL-250 (GG-25)",
                 "GJS-400-15 (GGG-40)", "EN AW-6060 T6", "EN AW-6082 T6", "EN AW-5754 H111", "EN AW-7075 T6",
                 "Kupfer Cu-DHP R240", "Messing CuZn37 R370", "Bronze CuSn8 R390", "Nadelholz C24", "Nadelholz C30", "BSH GL24h",
                 "Eiche D30", "Buche D35", "Sperrholz Birke", "PVC-U", "PE-HD", "PP", "PA 6 trocken", "POM", "PMMA", "PC", "PTFE",
                 "GFK-Profil E23"})
            QVERIFY2(material(QString::fromUtf8(name)), name);
    }

    // The textbook Tetmajer lines, and σP chosen so that λ0 = π·√(E/σP) meets them.
    void tetmajerGeradenUndGrenzschlankheit_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("lambda0");
        QTest::newRow("S235") << "S235JR (St37-2)" << 310.0 << 1.14 << 104.0;
        QTest::newRow("S355") << "S355J2 (St52-3)" << 335.0 << 0.62 << 89.0;
        QTest::newRow("E335") << "E335 (St60-2)" << 335.0 << 0.62 << 89.0;
        QTest::newRow("Nadelholz C24") << "Nadelholz C24" << 29.3 << 0.194 << 100.0;
        QTest::newRow("Grauguss: keine Gerade") << "GJL-250 (GG-25)" << 0.0 << 0.0 << 80.0;
    }
    void tetmajerGeradenUndGrenzschlankheit()
    {
        QFETCH(QString, name);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, lambda0);
        const Matrecord* m = material(name);
        QVERIFY(m);
        QCOMPARE(m->Tetmaier1, a);
        QCOMPARE(m->Tetmaier2, b);
        QVERIFY2(std::abs(m->GrenzSchlankheit - lambda0) < 0.5, qPrintable(QString::number(m->GrenzSchlankheit)));
    }

    // fy for t ≤ 40 mm of the structural steels; none for every other material.
    void streckgrenzen()
    {
        const std::pair<const char*, double> stahl[]
            = {{"S235JR (St37-2)", 235}, {"S275JR (St44-2)", 275}, {"S355J2 (St52-3)", 355}, {"S460N", 460}};
        for (const auto& [name, fy] : stahl) {
            QVERIFY2(material(QString::fromUtf8(name)), name);
            QCOMPARE(material(QString::fromUtf8(name))->fy, fy);
        }
        int mitFy = 0;
        for (const Matrecord& m : Matdat)
            mitFy += m.fy > 0;
        QCOMPARE(mitFy, 4);
    }

    // The buckling curves of table 6.2 per profile: rolled I sections by h/b (HEA 360 h/b ≤ 1,2,
    // HEA 400 above), hot-finished hollow sections a, angles b, U, T and solid sections c.
    void knicklinien_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("max");
        QTest::addColumn<QString>("min");
        QTest::newRow("IPE 500") << "IPE 500"
                                 << "a"
                                 << "b";
        QTest::newRow("IPN 200") << "IPN 200"
                                 << "a"
                                 << "b";
        QTest::newRow("HEA 360") << "HEA 360"
                                 << "b"
                                 << "c";
        QTest::newRow("HEA 400") << "HEA 400"
                                 << "a"
                                 << "b";
        QTest::newRow("HEB 360") << "HEB 360"
                                 << "b"
                                 << "c";
        QTest::newRow("HEM 320") << "HEM 320"
                                 << "b"
                                 << "c";
        QTest::newRow("HEM 340") << "HEM 340"
                                 << "a"
                                 << "b";
        QTest::newRow("UPN 200") << "UPN 200"
                                 << "c"
                                 << "c";
        QTest::newRow("Winkel") << "L 100x100x10"
                                << "b"
                                << "b";
        QTest::newRow("T-Stahl") << "T 100"
                                 << "c"
                                 << "c";
        QTest::newRow("Quadratrohr") << "100x100x5"
                                     << "a"
                                     << "a";
        QTest::newRow("Rundrohr") << "114,3x5"
                                  << "a"
                                  << "a";
        QTest::newRow("Rundstahl") << "RD 50"
                                   << "c"
                                   << "c";
    }
    void knicklinien()
    {
        QFETCH(QString, name);
        QFETCH(QString, max);
        QFETCH(QString, min);
        const TProfilrecord* p = profil(name);
        QVERIFY2(p, qPrintable(name));
        QCOMPARE(p->Knicklinie_max, max);
        QCOMPARE(p->Knicklinie_min, min);
    }

    // The factors of the German annex, loaded at start-up.
    void kombinationsbeiwerte()
    {
        const std::tuple<const char*, const char*, double, double, double> soll[] = {{"A", "Q Kat. A", 0.7, 0.5, 0.3},
            {"B", "Q Kat. B", 0.7, 0.5, 0.3}, {"C", "Q Kat. C", 0.7, 0.7, 0.6}, {"D", "Q Kat. D", 0.7, 0.7, 0.6},
            {"E", "Q Kat. E", 1.0, 0.9, 0.8}, {"Schnee", "S", 0.5, 0.2, 0.0}, {"Wind", "W", 0.6, 0.2, 0.0}};
        QCOMPARE(U_Einwirkungen::Kategorien.size(), std::size(soll));
        for (const auto& [kuerzel, zeichen, psi0, psi1, psi2] : soll) {
            const auto k = Eurocode::Kategorie_Finden(U_Einwirkungen::Kategorien, QString::fromLatin1(kuerzel));
            QVERIFY2(k, kuerzel);
            QCOMPARE(k->zeichen, QString::fromLatin1(zeichen));
            QCOMPARE(k->psi0, psi0);
            QCOMPARE(k->psi1, psi1);
            QCOMPARE(k->psi2, psi2);
        }
    }

    void familienUndDateinamen()
    {
        const QStringList arten = {"IPE", "IPN", "HEA", "HEB", "HEM", "UPN", "UPE", "Winkel gleichschenklig",
            "Winkel ungleichschenklig", "T-Stahl", "Quadratrohr", "Rechteckrohr", "Rundrohr", "Flachstahl", "Rundstahl"};
        for (int k = 0; k < arten.size(); ++k) {
            const QString& datei = Profildateinamenarray[k];
            QVERIFY2(datei.endsWith(QStringLiteral(".CSV")) && datei.size() <= 12, qPrintable(datei));
            const TProfildat& familie = Profildat[k];
            QVERIFY2(familie[0].Art.startsWith(arten[k]), qPrintable(familie[0].Art));
            for (const TProfilrecord& p : familie) {
                if (p.Name == QStringLiteral("LEER"))
                    break;
                QCOMPARE(p.Art, familie[0].Art);
                QVERIFY2(p.Wmin > 0 && p.Wmin <= p.Wmax * 1.0001 && p.Imin > 0 && p.Imin <= p.Imax * 1.0001 && p.A > 0,
                    qPrintable(p.Name));
            }
        }
        QCOMPARE(Profildat[arten.size()][0].Art, QStringLiteral("LEER"));
    }

    // Published section values; the file holds A in cm², the program mm².
    void querschnittswerteWieVeroeffentlicht_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("imax");
        QTest::addColumn<double>("wmax");
        QTest::addColumn<double>("imin");
        QTest::addColumn<double>("wmin");
        QTest::newRow("IPE 100") << "IPE 100" << 10.3 << 171.0 << 34.2 << 15.9 << 5.79;
        QTest::newRow("IPE 200") << "IPE 200" << 28.5 << 1943.0 << 194.0 << 142.0 << 28.5;
        QTest::newRow("IPE 300") << "IPE 300" << 53.8 << 8356.0 << 557.0 << 604.0 << 80.5;
        QTest::newRow("HEA 200") << "HEA 200" << 53.8 << 3692.0 << 389.0 << 1336.0 << 134.0;
        QTest::newRow("HEB 200") << "HEB 200" << 78.1 << 5696.0 << 570.0 << 2003.0 << 200.0;
        QTest::newRow("HEB 300") << "HEB 300" << 149.0 << 25170.0 << 1680.0 << 8563.0 << 571.0;
        QTest::newRow("HEM 200") << "HEM 200" << 131.0 << 10640.0 << 967.0 << 3651.0 << 354.0;
        QTest::newRow("UPN 100") << "UPN 100" << 13.5 << 206.0 << 41.2 << 29.3 << 8.49;
        QTest::newRow("UPN 200") << "UPN 200" << 32.2 << 1910.0 << 191.0 << 148.0 << 27.0;
        QTest::newRow("IPN 200") << "IPN 200" << 33.4 << 2140.0 << 214.0 << 117.0 << 26.0;
        QTest::newRow("L 100x100x10 (Hauptachsen)") << "L 100x100x10" << 19.2 << 280.0 << 39.6 << 73.0 << 18.3;
        QTest::newRow("Rechteckrohr 200x100x8") << "200x100x8" << 44.8 << 2234.0 << 223.0 << 739.0 << 148.0;
        QTest::newRow("Quadratrohr 100x100x5") << "100x100x5" << 18.7 << 279.0 << 55.9 << 279.0 << 55.9;
        QTest::newRow("Rundrohr 168,3x5") << "168,3x5" << 25.7 << 856.0 << 102.0 << 856.0 << 102.0;
        QTest::newRow("Rundstahl 20") << "RD 20" << 3.14 << 0.785 << 0.785 << 0.785 << 0.785;
    }
    void querschnittswerteWieVeroeffentlicht()
    {
        QFETCH(QString, name);
        QFETCH(double, a);
        QFETCH(double, imax);
        QFETCH(double, wmax);
        QFETCH(double, imin);
        QFETCH(double, wmin);
        const TProfilrecord* p = profil(name);
        QVERIFY(p);
        const struct {
            const char* wert;
            double ist, soll;
        } vergleich[] = {{"A", p->A / 100, a}, {"Imax", p->Imax, imax}, {"Wmax", p->Wmax, wmax}, {"Imin", p->Imin, imin},
            {"Wmin", p->Wmin, wmin}};
        for (const auto& v : vergleich)
            QVERIFY2(nahe(v.ist, v.soll, 0.01),
                qPrintable(QStringLiteral("%1: %2 statt %3").arg(QString::fromLatin1(v.wert)).arg(v.ist).arg(v.soll)));
    }

    void ersterWerkstoffGewaehlt()
    {
        Plattform::aktivieren(Main::Mainform);
        auto* tab = Main::Mainform->TS_Werkstoffauswahl;
        QCOMPARE(tab->LB_Material->item(0)->text(), Matdat[0].Sorte);
        QCOMPARE(Sorte, Matdat[0].Sorte);
        QCOMPARE(Sigma_Zul, Matdat[0].SigmaB / 3);
    }
};

TRABEX_TEST_MAIN(TestGelieferteDaten)
#include "test_gelieferte_daten.moc"
