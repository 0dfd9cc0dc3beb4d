// The shear, moment and deflection lines of the thirteen bending cases against the test's own
// numerical beam model, the support conditions, and the values the dialogs report.
#include "Beispielbalken.h"
#include "Lastfallmodelle.h"
#include "Kernumgebung.h"
#include "core/calc/Biegeformeln.h"
#include "core/calc/Biegelinien.h"
#include "core/calc/Biegerechnung.h"
#include "core/calc/Rechenweg.h"
#include "core/platform/Fehler.h"

#include <cmath>

using Biegelinien::Eingaben;
using Biegelinien::Fall_Linien;
using Biegelinien::Linien;

namespace {

using namespace Beispielbalken;

// One row per case: the load F as typed and the distance a (cases 4, 8, 9, 12).
void faelle()
{
    QTest::addColumn<int>("fall");
    QTest::addColumn<double>("F");
    QTest::addColumn<double>("a");
    QTest::newRow("1 Kragträger, Einzellast") << 1 << 4000.0 << 0.0;
    QTest::newRow("2 Kragträger, Streckenlast") << 2 << 2500.0 << 0.0;
    QTest::newRow("3 Einzellast Mitte") << 3 << 4000.0 << 0.0;
    QTest::newRow("4 Einzellast bei a = 0,2 L") << 4 << 5000.0 << 600.0;
    QTest::newRow("4 Einzellast bei a = 0,7 L") << 4 << 5000.0 << 2100.0;
    QTest::newRow("5 Streckenlast") << 5 << 2500.0 << 0.0;
    QTest::newRow("6 steigende Last") << 6 << 9000.0 << 0.0;
    QTest::newRow("7 Dreieckslast") << 7 << 9000.0 << 0.0;
    QTest::newRow("8 Kragarme a = 0,1 L") << 8 << 3000.0 << 300.0;
    QTest::newRow("8 Kragarme a = 0,25 L") << 8 << 3000.0 << 750.0;
    QTest::newRow("9 Kragarme a = 0,2 L") << 9 << 6000.0 << 600.0;
    QTest::newRow("9 Kragarme a = 0,3 L") << 9 << 6000.0 << 900.0;
    QTest::newRow("10 eingespannt, Einzellast") << 10 << 4000.0 << 0.0;
    QTest::newRow("11 eingespannt, Streckenlast") << 11 << 2500.0 << 0.0;
    QTest::newRow("12 Einzellast a = 0,25 L") << 12 << 5000.0 << 750.0;
    QTest::newRow("12 Einzellast a = 0,75 L") << 12 << 5000.0 << 2250.0;
    QTest::newRow("13 eingespannt und gelenkig") << 13 << 2500.0 << 0.0;
}

Linien linien(int fall, double F, double a) { return Fall_Linien(fall, Eingaben {F, Lspan, a, Emod, Icm4}); }

} // namespace

class TestBiegelinien : public QObject {
    Q_OBJECT
private slots:
    void wieDasBalkenmodell_data() { faelle(); }
    void wieDasBalkenmodell()
    {
        QFETCH(int, fall);
        QFETCH(double, F);
        QFETCH(double, a);
        const Linien l = linien(fall, F, a);
        const auto modell = Balkenmodell::loesen(Lastfallmodelle::modell(fall, F, Lspan, a));
        const double laenge = l.traeger().laenge;
        QCOMPARE(laenge, modell.h * double(modell.M.size() - 1));
        const double Mbezug = modell.maxBetragM(), wbezug = modell.maxBetragW() / EI;
        const std::vector<double> knicke = l.Knickstellen();
        double Vbezug = 0;
        for (double x : knicke)
            Vbezug = std::max({Vbezug, std::abs(l.V(x)), std::abs(l.V_links(x))});
        for (std::size_t k = 0; k < modell.M.size(); k += 40) {
            const double x = k * modell.h;
            NAHE(l.M(x), modell.M[k], 1e-6, Mbezug);
            NAHE(l.w(x), modell.w[k] / EI, 1e-5, wbezug);
            // The shear is the slope of the model's moment, away from jumps.
            if (k > 0 && k + 1 < modell.M.size()
                && std::none_of(knicke.begin(), knicke.end(), [&](double s) { return std::abs(s - x) < 2 * modell.h; })) {
                const double V = (modell.M[k + 1] - modell.M[k - 1]) / (2 * modell.h);
                NAHE(l.V(x), V, 1e-5, Vbezug);
            }
        }
        // The extremes found on the lines are the extremes of the model's lines.
        NAHE(std::abs(l.M_Extreme().massgebend().wert), Mbezug, 1e-6, Mbezug);
        NAHE(std::abs(l.w_Extreme().massgebend().wert), wbezug, 1e-5, wbezug);
    }

    void randbedingungen_data() { faelle(); }
    void randbedingungen()
    {
        QFETCH(int, fall);
        QFETCH(double, F);
        QFETCH(double, a);
        const Linien l = linien(fall, F, a);
        const auto& t = l.traeger();
        const double M0 = std::abs(l.M_Extreme().massgebend().wert);
        const double w0 = std::abs(l.w_Extreme().massgebend().wert);
        const double theta0 = w0 / t.laenge;
        using Biegelinien::Rand;
        auto ende = [&](Rand rand, double x) {
            if (rand != Rand::Eingespannt)
                QVERIFY2(std::abs(l.M(x)) <= 1e-9 * M0, qPrintable(QStringLiteral("M(%1) = %2").arg(x).arg(l.M(x))));
            if (rand != Rand::Frei)
                QVERIFY2(std::abs(l.w(x)) <= 1e-9 * w0, qPrintable(QStringLiteral("w(%1) = %2").arg(x).arg(l.w(x))));
            if (rand == Rand::Eingespannt)
                QVERIFY2(std::abs(l.Neigung(x)) <= 1e-9 * theta0, qPrintable(QStringLiteral("w'(%1)").arg(x)));
        };
        ende(t.links, 0.0);
        ende(t.rechts, t.laenge);
        for (double s : t.stuetzen)
            QVERIFY2(std::abs(l.w(s)) <= 1e-9 * w0, qPrintable(QStringLiteral("w(%1) = %2").arg(s).arg(l.w(s))));
        // Nothing acts left of the beam; a free right end carries no shear once its force is in.
        QCOMPARE(l.V_links(0.0), 0.0);
        const double Vmax = std::abs(l.V_Extreme().massgebend().wert);
        if (t.rechts == Rand::Frei)
            QVERIFY(std::abs(l.V(t.laenge)) <= 1e-9 * Vmax);
        // Under each force the shear drops by the force.
        for (const auto& k : l.kraefte())
            if (k.x > 0 && std::find(t.stuetzen.begin(), t.stuetzen.end(), k.x) == t.stuetzen.end())
                NAHE(l.V_links(k.x) - l.V(k.x), k.F, 1e-9, k.F);
    }

    void wieDieDialoge_data() { faelle(); }
    void wieDieDialoge()
    {
        QFETCH(int, fall);
        QFETCH(double, F);
        QFETCH(double, a);
        using namespace Biegeformeln;
        const Linien l = linien(fall, F, a);
        const double Mmax = std::abs(l.M_Extreme().massgebend().wert);
        const double wmax = l.w_Extreme().massgebend().wert;
        const double Werf_linien = Mmax / Sigma / 1000;
        switch (fall) {
        case 4:
            NAHE(Werf4(F, Lspan, a, Sigma), Werf_linien, 1e-9, Werf_linien);
            NAHE(fd4(F, Lspan, a, Emod, Icm4), l.w(a), 1e-9, wmax);
            QVERIFY(wmax >= l.w(a)); // the dialog's value is not the greatest
            for (double x : {300.0, 1500.0, 2700.0})
                NAHE(Wxerf4(F, Lspan, a, x, Sigma), std::abs(l.M(x)) / Sigma / 1000, 1e-9, Werf_linien);
            break;
        case 8: {
            NAHE(Werf8(F, a, Sigma), Werf_linien, 1e-9, Werf_linien);
            const auto f = fd8(F, Lspan, a, Emod, Icm4);
            NAHE(f.wert, f.erstes ? -l.w(a + Lspan / 2) : l.w(0), 1e-9, f.wert);
            break;
        }
        case 9: {
            const auto w = Werf9(F, Lspan, a, Sigma);
            NAHE(w.wert, Werf_linien, 1e-9, Werf_linien);
            QCOMPARE(w.erstes, std::abs(l.M(a)) >= std::abs(l.M(Lspan / 2)));
            const auto f = fd9(F, Lspan, a, Emod, Icm4);
            NAHE(f.wert, f.erstes ? l.w(Lspan / 2) : l.w(0), 1e-9, std::abs(wmax));
            for (double x : {300.0, 1400.0, 2900.0})
                NAHE(Wxerf9(F, Lspan, a, x, Sigma), std::abs(l.M(x)) / Sigma / 1000, 1e-9, Werf_linien);
            break;
        }
        case 12: {
            const auto w = Werf12(F, Lspan, a, Sigma);
            NAHE(w.wert, Werf_linien, 1e-9, Werf_linien);
            QCOMPARE(w.erstes, std::abs(l.M(a)) >= std::abs(l.M(Lspan)));
            NAHE(fd12(F, Lspan, a, Emod, Icm4), l.w(a), 1e-9, wmax);
            QVERIFY(wmax >= l.w(a));
            break;
        }
        default: {
            // Rounded coefficients of the dialogs: case 6 (0.12830006, 0.01304), case 13 (1/185).
            const double toleranzW = fall == 6 ? 1e-8 : 1e-12;
            const double toleranzF = fall == 6 ? 5e-4 : fall == 13 ? 3e-3 : 1e-12;
            NAHE(std::abs(Werf(fall, F, Lspan, Sigma)), Werf_linien, toleranzW, Werf_linien);
            NAHE(fd(fall, F, Lspan, Emod, Icm4), std::abs(wmax), toleranzF, wmax);
            for (double x : {300.0, 1000.0, 1500.0, 2400.0, 3000.0})
                NAHE(Wxerf(fall, F, Lspan, x, Sigma), std::abs(l.M(x)) / Sigma / 1000, 1e-12, Werf_linien);
        }
        }
    }

    void extremeMitStelle()
    {
        // Case 5: V ±q·L/2 at the supports, M q·L²/8 at mid-span, w 5·q·L⁴/(384·E·I) there.
        const Linien l = linien(5, 2000, 0); // q = 2 N/mm
        QCOMPARE(l.V_Extreme().groesster.x, 0.0);
        NAHE(l.V_Extreme().groesster.wert, 3000.0, 1e-12, 3000.0);
        QCOMPARE(l.V_Extreme().kleinster.x, Lspan);
        NAHE(l.V_Extreme().kleinster.wert, -3000.0, 1e-12, 3000.0);
        NAHE(l.M_Extreme().groesster.x, 1500.0, 1e-6, 1500.0);
        NAHE(l.M_Extreme().groesster.wert, 2.0 * Lspan * Lspan / 8, 1e-12, 2.25e6);
        NAHE(l.w_Extreme().groesster.x, 1500.0, 1e-6, 1500.0);
        // Case 1: the cantilever hogs, M = −F·L at the wall; the free end deflects F·L³/(3·E·I).
        const Linien k = linien(1, 1000, 0);
        QCOMPARE(k.M_Extreme().kleinster.x, Lspan);
        NAHE(k.M_Extreme().massgebend().wert, -1000 * Lspan, 1e-12, 3e6);
        QCOMPARE(k.w_Extreme().groesster.x, 0.0);
        NAHE(k.w_Extreme().groesster.wert, 1000 * std::pow(Lspan, 3) / 3 / EI, 1e-12, 1.0);
        // Case 4 with a = 0.2 L: the greatest deflection lies in the longer part, √((L² − a²)/3)
        // from the far support.
        const double a = 600, xMax = Lspan - std::sqrt((Lspan * Lspan - a * a) / 3);
        const Linien v = linien(4, 5000, a);
        NAHE(v.w_Extreme().groesster.x, xMax, 1e-6, Lspan);
    }

    void lastenAddierenSich_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<int>("gleichlastfall"); // the case of a uniform load on the same beam
        QTest::addColumn<double>("a");
        QTest::newRow("Kragträger") << 1 << 2 << 0.0;
        QTest::newRow("Einfeldträger") << 4 << 5 << 900.0;
        QTest::newRow("Kragarme") << 9 << 9 << 600.0;
        QTest::newRow("beidseitig eingespannt") << 10 << 11 << 0.0;
        QTest::newRow("eingespannt und gelenkig") << 12 << 13 << 1200.0;
    }
    void lastenAddierenSich()
    {
        QFETCH(int, fall);
        QFETCH(int, gleichlastfall);
        QFETCH(double, a);
        const double q = 0.75; // N/mm
        const Linien l = linien(fall, 4000, a);
        const Linien summe = l.mitGleichlast(q);
        const Linien g = linien(gleichlastfall, q * 1000, a);
        for (double x = 0; x <= Lspan; x += 150) {
            NAHE(summe.M(x), l.M(x) + g.M(x), 1e-9, 1e7);
            NAHE(summe.V(x), l.V(x) + g.V(x), 1e-9, 1e4);
            NAHE(summe.w(x), l.w(x) + g.w(x), 1e-9, 10.0);
        }
        // The greatest value of the sum, not the sum of the greatest values.
        double Mmax = 0;
        for (double x = 0; x <= Lspan; x += 0.5)
            Mmax = std::max(Mmax, std::abs(l.M(x) + g.M(x)));
        NAHE(std::abs(summe.M_Extreme().massgebend().wert), Mmax, 1e-6, Mmax);
    }

    void ohneSteifigkeitKeineDurchbiegung()
    {
        const Linien l = Fall_Linien(5, Eingaben {1000, 2000, 0, 0, 500});
        QVERIFY(!l.hatDurchbiegung());
        QCOMPARE(l.w(1000), 0.0);
        QCOMPARE(l.w_Extreme().massgebend().wert, 0.0);
        NAHE(l.M(1000), 1.0 * 2000 * 2000 / 8, 1e-12, 5e5); // the forces do not need E·I
    }

    void eingabenOhneTraeger_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<double>("L");
        QTest::addColumn<double>("a");
        QTest::newRow("L = 0") << 5 << 0.0 << 0.0;
        QTest::newRow("L negativ") << 1 << -100.0 << 0.0;
        QTest::newRow("Fall 4, a > L") << 4 << 1000.0 << 1200.0;
        QTest::newRow("Fall 4, a negativ") << 4 << 1000.0 << -1.0;
        QTest::newRow("Fall 8, a negativ") << 8 << 1000.0 << -1.0;
        QTest::newRow("Fall 9, a = L/2") << 9 << 1000.0 << 500.0;
        QTest::newRow("Fall 12, a > L") << 12 << 1000.0 << 1001.0;
        QTest::newRow("Fall 14") << 14 << 1000.0 << 0.0;
        QTest::newRow("L keine Zahl") << 3 << std::nan("") << 0.0;
    }
    void eingabenOhneTraeger()
    {
        QFETCH(int, fall);
        QFETCH(double, L);
        QFETCH(double, a);
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, Fall_Linien(fall, Eingaben {1000, L, a, Emod, Icm4}));
    }

    void rechenwegAusDerRechnung()
    {
        // The steps carry the numbers the formulas computed, with the unit conversions.
        Rechenweg::Schritte schritte;
        double Werf = 0;
        {
            Rechenweg::Aufzeichnung aufzeichnung;
            Werf = Biegeformeln::Werf(5, 2500, 3000, 120);
            schritte = aufzeichnung.schritte();
        }
        QCOMPARE(schritte.size(), 4);
        QCOMPARE(schritte[1].formel, QStringLiteral("q = F / 1000"));
        QCOMPARE(schritte[1].eingesetzt, QStringLiteral("= %1 N/m / 1000").arg(Testumgebung::zahl("2500")));
        QCOMPARE(schritte[1].ergebnis, QStringLiteral("%1 N/mm").arg(Testumgebung::zahl("2.5")));
        QCOMPARE(schritte[2].eingesetzt, QStringLiteral("= %1 N/mm · 3000 mm · 3000 mm / 8").arg(Testumgebung::zahl("2.5")));
        QCOMPARE(schritte[3].ergebnis, Rechenweg::wert(Werf, QStringLiteral("cm³")));
        // Outside a recording nothing is noted, and a recording ends with its scope.
        QVERIFY(!Rechenweg::aktiv());

        // Case 9: both candidates and the governing one.
        Rechenweg::Aufzeichnung fall9;
        const auto w = Biegeformeln::Werf9(6000, 3000, 900, 120);
        const auto wahl = std::find_if(fall9.schritte().begin(), fall9.schritte().end(),
            [](const Rechenweg::Schritt& s) { return s.was == QStringLiteral("Maßgebender Querschnitt"); });
        QVERIFY(wahl != fall9.schritte().end());
        QVERIFY(w.erstes);
        QVERIFY(wahl->formel.endsWith(QStringLiteral("maßgebend ist W erf2 (Auflager)")));
        QCOMPARE(fall9.schritte().last().ergebnis, Rechenweg::wert(w.wert, QStringLiteral("cm³")));
    }

    // Numbers of the steps: seven significant digits, large ones written out in full.
    void rechenwegZahlen_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("Bruch") << 0.1547101 << "0.1547101";
        QTest::newRow("sieben Stellen") << 9999999.0 << "9999999";
        QTest::newRow("Moment in N·mm") << 10309420.2 << "10309420";
        QTest::newRow("genau 10⁷") << 1e7 << "10000000";
        QTest::newRow("negativ") << -123456789.0 << "-123456800";
        QTest::newRow("sehr groß") << 1e20 << "1E+20";
    }
    void rechenwegZahlen()
    {
        QFETCH(double, wert);
        QFETCH(QString, text);
        QCOMPARE(Rechenweg::zahl(wert), Testumgebung::zahl(text));
    }

    // With the self-weight the steps begin as without it, with the case's inputs, and show the
    // moment in plain digits.
    void rechenwegMitEigengewicht()
    {
        Biegerechnung::Aufgabe a;
        a.fall = 5;
        a.e = {5000, 4000, 0, 210000, 869.3};
        a.Sigma_Zul = 160;
        a.Masse = 15.77065;
        a.eigengewicht = true;
        Rechenweg::Schritte s, t;
        double Werf = 0;
        {
            Rechenweg::Aufzeichnung w;
            Werf = Biegerechnung::Werf(a).wert;
            s = w.schritte();
        }
        {
            Rechenweg::Aufzeichnung f;
            Biegerechnung::fd(a);
            t = f.schritte();
        }
        QCOMPARE(s[0].was, QStringLiteral("Eingaben"));
        QCOMPARE(s[0].formel,
            QStringLiteral("Streckenlast F = 5000 N/m, L = 4000 mm, σzul = %1 N/mm²").arg(Testumgebung::zahl("160")));
        QCOMPARE(s[1].formel, QStringLiteral("q = F / 1000"));
        // q = 5 + 0,1547101 N/mm: M max = q · L² / 8 = 10 309 420 N·mm, W erf = 64,43388 cm³.
        QCOMPARE(s[s.size() - 2].ergebnis, QStringLiteral("10309420 N·mm"));
        QCOMPARE(s.last().ergebnis, Rechenweg::wert(Werf, QStringLiteral("cm³")));
        QCOMPARE(s.last().ergebnis, QStringLiteral("%1 cm³").arg(Testumgebung::zahl("64.43388")));
        QCOMPARE(t[0].was, QStringLiteral("Eingaben"));
        QVERIFY(std::any_of(
            t.begin(), t.end(), [](const Rechenweg::Schritt& x) { return x.formel == QStringLiteral("E = 210000 N/mm²"); }));
    }

    void rechenwegWaehltNachDemBetrag()
    {
        // An uplift (negative load) makes both candidates negative: the one of larger magnitude
        // governs, with its sign, and the steps name that one.
        const auto wahlText = [](const Rechenweg::Schritte& schritte, const QString& was) {
            for (const Rechenweg::Schritt& s : schritte)
                if (s.was == was)
                    return s.formel;
            return QString();
        };
        {
            Rechenweg::Aufzeichnung aufzeichnung;
            // W erf1 = +11250 mm³ (mid-span), W erf2 = −20250 mm³ (supports).
            const auto w = Biegeformeln::Werf9(-6000, 3000, 900, 120);
            QVERIFY(w.erstes);
            QCOMPARE(w.wert, -20.25);
            QVERIFY(wahlText(aufzeichnung.schritte(), QStringLiteral("Maßgebender Querschnitt"))
                        .endsWith(QStringLiteral("maßgebend ist W erf2 (Auflager)")));
            QCOMPARE(aufzeichnung.schritte().last().ergebnis, Rechenweg::wert(w.wert, QStringLiteral("cm³")));
        }
        {
            Rechenweg::Aufzeichnung aufzeichnung;
            // f Rand is larger in magnitude than f Mitte; a signed comparison would take f Mitte.
            const auto f = Biegeformeln::fd8(-1000, 2000, 500, Emod, Icm4);
            QVERIFY(!f.erstes);
            QVERIFY(f.wert < 0);
            QVERIFY(wahlText(aufzeichnung.schritte(), QStringLiteral("Maßgebende Durchbiegung"))
                        .endsWith(QStringLiteral("maßgebend ist f Rand")));
        }
    }

    void lastAufDemAuflager()
    {
        // a = 0 puts the force on the support: no moment, no deflection, but the lines exist.
        for (int fall : {4, 8, 12}) {
            const Linien l = Fall_Linien(fall, Eingaben {1000, 2000, 0, Emod, Icm4});
            QCOMPARE(std::abs(l.M_Extreme().massgebend().wert) < 1e-6, true);
            QCOMPARE(std::abs(l.w_Extreme().massgebend().wert) < 1e-12, true);
        }
    }
};

TRABEX_TEST_MAIN(TestBiegelinien)
#include "test_biegelinien.moc"
