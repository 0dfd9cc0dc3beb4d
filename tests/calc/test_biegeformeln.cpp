// The bending formulas of all thirteen load cases against an independent beam calculation.
#include "Beispielbalken.h"
#include "Lastfallmodelle.h"
#include "Kernumgebung.h"
#include "core/calc/Biegeformeln.h"
#include "core/platform/Fehler.h"

#include <cmath>
#include <functional>

// Rows of the failure table carry the calculation to run.
Q_DECLARE_METATYPE(std::function<double()>)

using namespace Biegeformeln;
using Balkenmodell::Balken;
using Balkenmodell::Lager;
using Plattform::Fehler;

namespace {

using namespace Beispielbalken;

// The load F as the user types it: a force in N, or a line load in N/m for cases 2, 5, 9, 11, 13.
double q_aus(double F) { return F / 1000.0; }

Balken modell(int fall, double F, double L) { return Lastfallmodelle::modell(fall, F, L); }

} // namespace

class TestBiegeformeln : public QObject {
    Q_OBJECT
private slots:
    void modellStimmtMitBekanntenWertenUeberein()
    {
        // The checker itself against the textbook values of a simply supported beam.
        Balken b;
        b.laenge = 2000;
        b.q = [](double) { return 3.0; };
        const auto v = Balkenmodell::loesen(b);
        NAHE(v.M_bei(1000), 3.0 * 2000 * 2000 / 8, 1e-9, 1.5e6);
        NAHE(v.w_bei(1000), 5 * 3.0 * std::pow(2000.0, 4) / 384, 1e-6, 6.25e12);
    }

    void ersterDialog_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<double>("F");
        QTest::addColumn<double>("toleranzF"); // relative tolerance of the deflection
        QTest::newRow("1 Kragträger, Einzellast") << 1 << 4000.0 << 1e-6;
        QTest::newRow("2 Kragträger, Streckenlast") << 2 << 2500.0 << 1e-6;
        QTest::newRow("3 Einfeldträger, Einzellast Mitte") << 3 << 4000.0 << 1e-6;
        QTest::newRow("5 Einfeldträger, Streckenlast") << 5 << 2500.0 << 1e-6;
        // 0.01304 and 0.12830006 are rounded coefficients (exact 0.0130444 and 0.1283000598).
        QTest::newRow("6 Dreieckslast steigend") << 6 << 9000.0 << 5e-4;
        QTest::newRow("7 Dreieckslast Spitze Mitte") << 7 << 9000.0 << 1e-6;
        QTest::newRow("10 beidseitig eingespannt, Einzellast") << 10 << 4000.0 << 1e-6;
        QTest::newRow("11 beidseitig eingespannt, Streckenlast") << 11 << 2500.0 << 1e-6;
        // 1/185 is the rounding of the exact 0.0054160 (difference 0.2 %).
        QTest::newRow("13 eingespannt und gelenkig, Streckenlast") << 13 << 2500.0 << 3e-3;
    }
    void ersterDialog()
    {
        QFETCH(int, fall);
        QFETCH(double, F);
        QFETCH(double, toleranzF);
        const auto v = Balkenmodell::loesen(modell(fall, F, Lspan));
        const double WerfSoll = v.maxBetragM() / Sigma / 1000;
        NAHE(std::abs(Werf(fall, F, Lspan, Sigma)), WerfSoll, 1e-6, WerfSoll);
        // Both sides of the middle and the far end: the moment there must not exceed the maximum.
        for (double anteil : {0.1, 0.25, 0.4, 0.5, 0.6, 0.75, 0.9, 1.0}) {
            const double x = anteil * Lspan;
            const double soll = std::abs(v.M_bei(x)) / Sigma / 1000;
            QVERIFY2(nahe(Wxerf(fall, F, Lspan, x, Sigma), soll, 1e-6, WerfSoll),
                qPrintable(QStringLiteral("x = %1: %2, erwartet %3").arg(x).arg(Wxerf(fall, F, Lspan, x, Sigma)).arg(soll)));
        }
        const double fSoll = v.maxBetragW() / EI;
        NAHE(fd(fall, F, Lspan, Emod, Icm4), fSoll, toleranzF, fSoll);
    }

    void mitteUndEndeDerGespiegeltenFaelle_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("erwartet"); // cm³ for F = 1200 N, L = 3000 mm, σ = 120
        QTest::newRow("3 am rechten Auflager") << 3 << Lspan << 0.0;
        QTest::newRow("3 bei 3/4 L wie bei 1/4 L") << 3 << 0.75 * Lspan << 1200 * 750 / 2.0 / 120 / 1000;
        QTest::newRow("7 am rechten Auflager") << 7 << Lspan << 0.0;
        QTest::newRow("7 Mitte gleich Werf") << 7 << 0.5 * Lspan << 1200 * Lspan / 6 / 120 / 1000;
        QTest::newRow("10 Nullpunkt bei L/4") << 10 << 0.25 * Lspan << 0.0;
        QTest::newRow("10 Nullpunkt bei 3/4 L") << 10 << 0.75 * Lspan << 0.0;
        // The fixed end carries F·L/8 as much as the middle.
        QTest::newRow("10 Einspannung rechts") << 10 << Lspan << 1200 * Lspan / 8 / 120 / 1000;
        QTest::newRow("1 x = L gleich Werf") << 1 << Lspan << 1200 * Lspan / 120 / 1000;
        QTest::newRow("x = 0") << 5 << 0.0 << 0.0;
        QTest::newRow("x > L") << 1 << Lspan + 1 << 0.0;
    }
    void mitteUndEndeDerGespiegeltenFaelle()
    {
        QFETCH(int, fall);
        QFETCH(double, x);
        QFETCH(double, erwartet);
        NAHE(Wxerf(fall, 1200, Lspan, x, 120), erwartet, 1e-12, 30.0);
    }

    void vorzeichen_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<bool>("negativ");
        for (int f : {1, 2, 3, 5, 6, 10, 11})
            QTest::newRow(qPrintable(QStringLiteral("Fall %1 behält das Vorzeichen").arg(f))) << f << true;
        for (int f : {7, 13})
            QTest::newRow(qPrintable(QStringLiteral("Fall %1 als Betrag").arg(f))) << f << false;
    }
    void vorzeichen()
    {
        QFETCH(int, fall);
        QFETCH(bool, negativ);
        QCOMPARE(Werf(fall, -1000, Lspan, Sigma) < 0, negativ);
        QVERIFY(Wxerf(fall, -1000, Lspan, 0.3 * Lspan, Sigma) > 0);
    }

    void negativesX_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<bool>("scheitert");
        for (int f : {1, 3, 5, 10, 13})
            QTest::newRow(qPrintable(QStringLiteral("Fall %1 rechnet").arg(f))) << f << false;
        for (int f : {2, 6, 7, 11})
            QTest::newRow(qPrintable(QStringLiteral("Fall %1 potenz").arg(f))) << f << true;
    }
    void negativesX()
    {
        QFETCH(int, fall);
        QFETCH(bool, scheitert);
        if (scheitert) {
            QVERIFY_THROWS_EXCEPTION(Fehler, Wxerf(fall, 1000, Lspan, -100, Sigma));
        } else {
            QVERIFY(Wxerf(fall, 1000, Lspan, -100, Sigma) > 0);
        }
    }

    void zweiterDialogFall4_data()
    {
        QTest::addColumn<double>("a");
        QTest::newRow("a = L/4") << 0.25 * Lspan;
        QTest::newRow("a = L/2") << 0.5 * Lspan;
        QTest::newRow("a = 0.7 L") << 0.7 * Lspan;
    }
    void zweiterDialogFall4()
    {
        QFETCH(double, a);
        const double F = 5000;
        Balken b;
        b.laenge = Lspan;
        b.kraefte = {{a, F}};
        const auto v = Balkenmodell::loesen(b);
        const double WerfSoll = v.maxBetragM() / Sigma / 1000;
        NAHE(Werf4(F, Lspan, a, Sigma), WerfSoll, 1e-9, WerfSoll);
        for (double anteil : {0.1, 0.25, 0.5, 0.6, 0.7, 0.9, 1.0}) {
            const double x = anteil * Lspan;
            NAHE(Wxerf4(F, Lspan, a, x, Sigma), std::abs(v.M_bei(x)) / Sigma / 1000, 1e-9, WerfSoll);
        }
        NAHE(fd4(F, Lspan, a, Emod, Icm4), v.w_bei(a) / EI, 1e-6, v.w_bei(a) / EI);
    }

    void zweiterDialogFall8_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<bool>("mitte"); // the mid-span deflection governs
        // L²·a/8 ≥ a²·(3·L/2 + a)/3 decides; the turn is at a = 0.218 L.
        QTest::newRow("a = L/10") << 0.1 * Lspan << true;
        QTest::newRow("a = L/4") << 0.25 * Lspan << false;
        QTest::newRow("a = L/2") << 0.5 * Lspan << false;
    }
    void zweiterDialogFall8()
    {
        QFETCH(double, a);
        QFETCH(bool, mitte);
        // A negative load (uplift) mirrors every value: the same point governs.
        for (const double F : {3000.0, -3000.0}) {
            Balken b;
            b.laenge = Lspan + 2 * a;
            b.links = b.rechts = Lager::Frei;
            b.stuetzen = {a, a + Lspan};
            b.kraefte = {{0.0, F}, {b.laenge, F}};
            const auto v = Balkenmodell::loesen(b);
            const double WerfSoll = v.maxBetragM() / Sigma / 1000;
            NAHE(Werf8(F, a, Sigma), WerfSoll, 1e-9, WerfSoll);
            const double fMitte = -v.w_bei(b.laenge / 2) / EI; // the span bows upwards
            const double fRand = v.w_bei(0) / EI;
            const auto f = fd8(F, Lspan, a, Emod, Icm4);
            QCOMPARE(f.erstes, mitte);
            NAHE(f.wert, mitte ? fMitte : fRand, 1e-6, fRand);
        }
    }

    void zweiterDialogFall9_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<bool>("auflager"); // the section at the supports governs
        QTest::addColumn<bool>("mitteGilt"); // the mid-span deflection governs
        QTest::newRow("a = L/10") << 0.1 * Lspan << false << true;
        QTest::newRow("a = L/5") << 0.2 * Lspan << false << true;
        QTest::newRow("a = L/4") << 0.25 * Lspan << true << false;
        QTest::newRow("a = 0.3 L") << 0.3 * Lspan << true << false;
    }
    void zweiterDialogFall9()
    {
        QFETCH(double, a);
        QFETCH(bool, auflager);
        QFETCH(bool, mitteGilt);
        // A negative load (uplift) mirrors every value: the same section and point govern.
        for (const double F : {6000.0, -6000.0}) { // N/m
            Balken b;
            b.laenge = Lspan;
            b.links = b.rechts = Lager::Frei;
            b.stuetzen = {a, Lspan - a};
            b.q = [F](double) { return q_aus(F); };
            const auto v = Balkenmodell::loesen(b);
            const double WerfSoll = v.maxBetragM() / Sigma / 1000;
            const auto w = Werf9(F, Lspan, a, Sigma);
            QCOMPARE(w.erstes, auflager);
            NAHE(std::abs(w.wert), WerfSoll, 1e-6, WerfSoll);
            // Left overhang, span, right overhang and the free right end.
            for (double anteil : {0.05, 0.1, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.75, 0.8, 0.9, 0.95, 1.0}) {
                const double x = anteil * Lspan;
                const double soll = std::abs(v.M_bei(x)) / Sigma / 1000;
                QVERIFY2(nahe(Wxerf9(F, Lspan, a, x, Sigma), soll, 1e-6, WerfSoll),
                    qPrintable(QStringLiteral("x = %1: %2, erwartet %3").arg(x).arg(Wxerf9(F, Lspan, a, x, Sigma)).arg(soll)));
            }
            const double fMitte = v.w_bei(Lspan / 2) / EI;
            const double fRand = v.w_bei(0) / EI;
            const auto f = fd9(F, Lspan, a, Emod, Icm4);
            QCOMPARE(f.erstes, mitteGilt);
            NAHE(f.wert, mitteGilt ? fMitte : fRand, 1e-6, std::max(std::abs(fMitte), std::abs(fRand)));
        }
    }

    void fall9MitteOhneUeberstandWieFall5()
    {
        // As the overhang vanishes the middle tends to 5·q·l⁴/384 of the simple span.
        const double a = 1e-6, q = 2.0;
        const double l = Lspan - 2 * a;
        const double soll = 5 * q * std::pow(l, 4) / 384 / EI;
        NAHE(fd9(q * 1000, Lspan, a, Emod, Icm4).wert, soll, 1e-9, soll);
    }

    void zweiterDialogFall12_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<bool>("unterF"); // the section under the load governs
        // The load governs up to a = (√2 − 1)·L, the fixed end beyond.
        QTest::newRow("a = L/4") << 0.25 * Lspan << true;
        QTest::newRow("a = 0.3 L") << 0.3 * Lspan << true;
        QTest::newRow("a = L/2") << 0.5 * Lspan << false;
        QTest::newRow("a = 0.75 L") << 0.75 * Lspan << false;
        QTest::newRow("a = 0.9 L") << 0.9 * Lspan << false;
    }
    void zweiterDialogFall12()
    {
        QFETCH(double, a);
        QFETCH(bool, unterF);
        // A negative load (uplift) mirrors every value: the same section governs.
        for (const double F : {5000.0, -5000.0}) {
            Balken b; // propped at x = 0, fixed at x = L, the load a from the prop
            b.laenge = Lspan;
            b.rechts = Lager::Eingespannt;
            b.kraefte = {{a, F}};
            const auto v = Balkenmodell::loesen(b);
            const double WerfSoll = v.maxBetragM() / Sigma / 1000;
            const auto w = Werf12(F, Lspan, a, Sigma);
            QCOMPARE(w.erstes, unterF);
            NAHE(w.wert, WerfSoll, 1e-6, WerfSoll);
            NAHE(fd12(F, Lspan, a, Emod, Icm4), v.w_bei(a) / EI, 1e-5, v.w_bei(a) / EI);
        }
    }

    void fall12HalbeSpannweite()
    {
        // a = L/2: fixed end 3·F·L/16, under the load 5·F·L/32.
        const auto w = Werf12(1000, 2000, 1000, 1);
        QVERIFY(!w.erstes);
        NAHE(w.wert, 3.0 * 1000 * 2000 / 16 / 1000, 1e-12, 375.0);
    }

    void fehler_data()
    {
        QTest::addColumn<std::function<double()>>("rechnung");
        QTest::addColumn<int>("art");
        using A = Fehler::Art;
        auto zeile = [](const char* name, std::function<double()> f, A art) { QTest::newRow(name) << f << int(art); };
        zeile(
            "Sigma 0", [] { return Werf(1, 1000, 1000, 0); }, A::DivisionDurchNull);
        zeile(
            "Last 0 durch Sigma 0", [] { return Werf(1, 0, 1000, 0); }, A::UngueltigeOperation);
        zeile(
            "E·I = 0", [] { return fd(3, 1000, 1000, 0, 100); }, A::DivisionDurchNull);
        zeile(
            "Fall 2, L = 0", [] { return Werf(2, 1000, 0, 100); }, A::DivisionDurchNull);
        zeile(
            "Fall 2, L negativ", [] { return Werf(2, 1000, -5, 100); }, A::UngueltigeOperation);
        zeile(
            "Durchbiegung mit L = 0", [] { return fd(1, 1000, 0, 210000, 100); }, A::DivisionDurchNull);
        zeile(
            "Überlauf", [] { return Werf(1, 1e300, 1e300, 100); }, A::Ueberlauf);
        zeile(
            "Überlauf der Potenz", [] { return fd(5, 1e6, 1e100, 210000, 100); }, A::Ueberlauf);
        zeile(
            "Fall 9, a = 0", [] { return Werf9(1000, 1000, 0, 100).wert; }, A::DivisionDurchNull);
        zeile(
            "Fall 9 Durchbiegung, a = 0", [] { return fd9(1000, 1000, 0, 210000, 100).wert; }, A::DivisionDurchNull);
        zeile(
            "Fall 9 Durchbiegung, a = L/2", [] { return fd9(1000, 1000, 500, 210000, 100).wert; }, A::DivisionDurchNull);
        zeile(
            "Fall 9 Durchbiegung, a > L/2", [] { return fd9(1000, 1000, 600, 210000, 100).wert; }, A::UngueltigeOperation);
        zeile(
            "Fall 9, negatives x bis a", [] { return Wxerf9(1000, 1000, 200, -50, 100); }, A::UngueltigeOperation);
        zeile(
            "Fall 12, a = 0", [] { return Werf12(1000, 1000, 0, 100).wert; }, A::DivisionDurchNull);
        zeile(
            "Fall 4, a > L biegt nicht", [] { return fd4(1000, 1000, 1200, 210000, 100); }, A::UngueltigeOperation);
        zeile(
            "Fall 4, a = 0 biegt nicht", [] { return fd4(1000, 1000, 0, 210000, 100); }, A::DivisionDurchNull);
        zeile(
            "Fall 8, a = 0 biegt nicht", [] { return fd8(1000, 1000, 0, 210000, 100).wert; }, A::DivisionDurchNull);
    }
    void fehler()
    {
        QFETCH(std::function<double()>, rechnung);
        QFETCH(int, art);
        try {
            rechnung();
            QFAIL("keine Ausnahme");
        } catch (const Fehler& f) {
            QCOMPARE(int(f.art()), art);
        }
    }

    void randfaelleOhneFehler()
    {
        QCOMPARE(Werf4(1000, 1000, 0, 100), 0.0);
        QCOMPARE(Werf8(1000, 0, 100), 0.0);
        QVERIFY(Werf4(1000, 1000, 1200, 100) < 0); // a beyond L: b < 0
        // Case 9 with a = L/4: the moment at mid-span vanishes, the supports govern.
        QVERIFY(Werf9(1000, 1000, 250, 100).erstes);
        // x = a takes the overhang formula q·a²/2, just above it the span.
        QCOMPARE(Wxerf9(1000, 1000, 200, 200, 100), 1.0 * 200 * 200 / 2 / 100 / 1000);
    }
};

TRABEX_TEST_MAIN(TestBiegeformeln)
#include "test_biegeformeln.moc"
