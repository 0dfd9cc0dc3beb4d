// The calculations as plain records, without a window: buckling, shear and bending give the
// dialogs' numbers, refuse inputs without meaning by name, and carry what a report needs.
#include "Testumgebung.h"
#include "core/calc/Biegerechnung.h"
#include "core/calc/Knickrechnung.h"
#include "core/calc/Profilsuche.h"
#include "core/calc/Scherrechnung.h"

#include <cmath>

Q_DECLARE_METATYPE(Knickrechnung::Aufgabe)
Q_DECLARE_METATYPE(Biegerechnung::Aufgabe)

namespace {

// Steel with a Tetmajer line, a section of I = 100 cm⁴ and A = 1000 mm² (i = 31,62 mm).
Knickrechnung::Aufgabe stuetze(double F, double L, double S)
{
    Knickrechnung::Aufgabe a;
    a.fall = 1;
    a.F = F;
    a.L = L;
    a.Sk_gewuenscht = S;
    a.E = 210000;
    a.I = 100;
    a.A = 1000;
    a.material = QStringLiteral("S235");
    a.Sigma_P = 190;
    a.GrenzSchlankheit = 104.44;
    a.Tetmaier1 = 310;
    a.Tetmaier2 = 1.14;
    return a;
}

Biegerechnung::Aufgabe traeger(int fall, double F, double L, double Sigma_Zul)
{
    Biegerechnung::Aufgabe a;
    a.fall = fall;
    a.e = {F, L, 500, 210000, 1000};
    a.Sigma_Zul = Sigma_Zul;
    return a;
}

bool nahe(double a, double b, double rel = 1e-6) { return std::fabs(a - b) <= rel * std::max(1.0, std::fabs(b)); }

} // namespace

class TestRechnungen : public QObject {
    Q_OBJECT
private slots:

    // Both sides of the limit slenderness, with everything a report prints.
    void knicksicherheit()
    {
        const auto t = Knickrechnung::Sicherheit(stuetze(20000, 3000, 3));
        QVERIFY(t.gelungen());
        QCOMPARE(t.formel, Knickrechnung::Formel::Tetmajer);
        QCOMPARE(t.formelname(), QStringLiteral("Tetmajer"));
        QVERIFY(nahe(t.Lk, 3000));
        QVERIFY(nahe(t.i, 31.6227766));
        QVERIFY(nahe(t.Schlankheitsgrad, 94.8683298));
        QVERIFY(nahe(t.Sigma_K, 201.8501, 1e-6));
        QVERIFY(nahe(t.Sigma_vorh, 20));
        QVERIFY(t.mitSigmaP);
        QVERIFY(nahe(t.Sk, 9.5));
        QCOMPARE(t.Sk_gewuenscht, 3.0);
        QCOMPARE(t.urteil, Knickformeln::Urteil::Erreicht);
        QCOMPARE(t.formeltext(), QStringLiteral("Es wird mit der Tetmayerformel gerechnet; die Sicherheit mit σP, da σK > σP"));
        // The steps print i in mm, and λ = Lk / i with that i adds up.
        const auto schritt = [&t](const QString& formel) {
            for (const auto& s : t.schritte)
                if (s.formel == formel)
                    return s;
            return Rechenweg::Schritt {};
        };
        QCOMPARE(schritt(QStringLiteral("i = √(I / A)")).ergebnis, Rechenweg::wert(t.i, QStringLiteral("mm")));
        QCOMPARE(schritt(QStringLiteral("λ = Lk / i")).eingesetzt,
            QStringLiteral("= %1 / %2")
                .arg(Rechenweg::wert(3000, QStringLiteral("mm")), Rechenweg::wert(t.i, QStringLiteral("mm"))));

        const auto e = Knickrechnung::Sicherheit(stuetze(20000, 6000, 3));
        QVERIFY(e.gelungen());
        QCOMPARE(e.formel, Knickrechnung::Formel::Euler);
        QVERIFY(std::fabs(e.Sigma_K - 57.5727) < 5e-5);
        QVERIFY(std::fabs(e.Sk - 2.8786) < 5e-5);
        QCOMPARE(e.urteilstext(), QStringLiteral("Achtung: Die gewünschte Knicksicherheit wurde nicht erreicht"));
        QCOMPARE(e.formeltext(), QStringLiteral("Die Formel nach Euler ist gültig"));
        const auto linie = Knickrechnung::Linie(stuetze(20000, 6000, 3), &e);
        QVERIFY(linie.mitStuetze);
        QCOMPARE(linie.S, 3.0);
        QCOMPARE(linie.Lambda, e.Schlankheitsgrad);

        const auto ohne = [] {
            auto a = stuetze(20000, 3000, 3);
            a.Tetmaier2 = 0;
            return Knickrechnung::Sicherheit(a);
        }();
        QCOMPARE(ohne.fehlerart, Knickrechnung::Fehlerart::KeineTetmajerformel);
        QCOMPARE(ohne.fehler, QStringLiteral("Es ist keine Tetmayerformel in der Datenbank."));
        QVERIFY(nahe(ohne.Sigma_K, 230.2908, 1e-6)); // Euler's value stays
    }

    void traegheitsmoment()
    {
        auto a = stuetze(10000, 1000, 3);
        a.fall = 2;
        const auto t = Knickrechnung::Ierf(a);
        QVERIFY(t.gelungen);
        QCOMPARE(t.Lk, 2000.0);
        QVERIFY(std::fabs(t.Ierf - 5.79) < 0.005);
        QVERIFY(!t.schritte.isEmpty());
    }

    // A column load, length, safety, E, I or A of 0 or below has no meaning: refused, named.
    void knickungOhneSinn_data()
    {
        QTest::addColumn<Knickrechnung::Aufgabe>("aufgabe");
        QTest::addColumn<bool>("auchIerf");
        QTest::addColumn<QString>("fehler");
        const auto mit = [](auto feld, double wert) {
            auto a = stuetze(20000, 3000, 3);
            a.*feld = wert;
            return a;
        };
        using A = Knickrechnung::Aufgabe;
        QTest::newRow("Zuglast") << mit(&A::F, -20000) << true << "Last F muss größer als 0 sein (ist -20000)";
        QTest::newRow("Last 0") << mit(&A::F, 0) << true << "Last F muss größer als 0 sein (ist 0)";
        QTest::newRow("L 0") << mit(&A::L, 0) << true << "Länge L muss größer als 0 sein (ist 0)";
        QTest::newRow("Sicherheit 0") << mit(&A::Sk_gewuenscht, 0) << true
                                      << "Gewünschte Sicherheit muss größer als 0 sein (ist 0)";
        QTest::newRow("E negativ") << mit(&A::E, -1) << true << "Elastizitätsmodul E muss größer als 0 sein (ist -1)";
        QTest::newRow("I 0") << mit(&A::I, 0) << false << "Trägheitsmoment I muss größer als 0 sein (ist 0)";
        QTest::newRow("A 0") << mit(&A::A, 0) << false << "Querschnittsfläche A muss größer als 0 sein (ist 0)";
    }
    void knickungOhneSinn()
    {
        QFETCH(Knickrechnung::Aufgabe, aufgabe);
        QFETCH(bool, auchIerf);
        QFETCH(QString, fehler);
        const auto e = Knickrechnung::Sicherheit(aufgabe);
        QCOMPARE(e.fehlerart, Knickrechnung::Fehlerart::Rechenfehler);
        QCOMPARE(e.fehler, fehler);
        QCOMPARE(e.urteil, Knickformeln::Urteil::Keins);
        const auto t = Knickrechnung::Ierf(aufgabe);
        QCOMPARE(t.gelungen, !auchIerf);
        if (auchIerf)
            QCOMPARE(t.fehler, fehler);

        Profilsuche::Knickaufgabe suche;
        static_cast<Knickrechnung::Aufgabe&>(suche) = aufgabe;
        QCOMPARE(Profilsuche::Ablehnung(suche).isEmpty(), !auchIerf);
    }

    void scherung()
    {
        const auto r = Scherrechnung::rechnen({1200, 80, 20});
        QVERIFY(r.gelungen);
        QCOMPARE(r.Aerf, 15.0);
        QCOMPARE(r.Ausnutzung, 0.75);
        QCOMPARE(r.nachweis.zustand, Nachweis::Zustand::Erfuellt);
        QCOMPARE(r.schritte.size(), 1);
        const auto f = Scherrechnung::rechnen({1200, 0, 20});
        QVERIFY(!f.gelungen);
        QCOMPARE(f.fehler, QStringLiteral("σzul muss größer als 0 sein (ist 0)"));
    }

    // One record from the task: the values the separate functions give, the verdicts, the steps.
    void biegung()
    {
        auto a = traeger(1, 1000, 2000, 100);
        a.x = 500;
        a.W = 25;
        a.grenze = 300;
        const auto r = Biegerechnung::rechnen(a);
        QVERIFY(r.gelungen);
        QCOMPARE(r.Werf.wert, Biegerechnung::Werf(a).wert);
        QVERIFY(r.Wxerf);
        QCOMPARE(*r.Wxerf, Biegerechnung::Wxerf(a, 500));
        QVERIFY(r.f);
        QCOMPARE(r.f->wert, Biegerechnung::fd(a).wert);
        QCOMPARE(r.L_durch_f, 2000 / std::fabs(r.f->wert));
        QCOMPARE(r.Ausnutzung, std::fabs(r.Werf.wert) / 25);
        QCOMPARE(r.biegung.text, Nachweis::Biegung(r.Werf.wert, 25).text);
        QCOMPARE(r.durchbiegung.text, Nachweis::Durchbiegung(2000, r.f->wert, 300).text);
        QVERIFY(!r.schritte.isEmpty());

        // Case 8 has no x; without I no deflection, but W erf. all the same.
        auto b = traeger(8, 1000, 2000, 100);
        b.x = 500;
        b.e.I = 0;
        const auto s = Biegerechnung::rechnen(b);
        QVERIFY(s.gelungen);
        QVERIFY(!s.Wxerf);
        QVERIFY(!s.f);
        QCOMPARE(s.fehlerDurchbiegung, QStringLiteral("Trägheitsmoment I muss größer als 0 sein (ist 0)"));
    }

    // L or σzul of 0 or below: nothing computed, nothing searched; uplift stays valid.
    void biegungOhneSinn_data()
    {
        QTest::addColumn<Biegerechnung::Aufgabe>("aufgabe");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("L 0") << traeger(5, 1000, 0, 100) << "Länge L muss größer als 0 sein (ist 0)";
        QTest::newRow("L negativ") << traeger(12, 1000, -3000, 100) << "Länge L muss größer als 0 sein (ist -3000)";
        QTest::newRow("σzul 0") << traeger(1, 1000, 2000, 0) << "σzul muss größer als 0 sein (ist 0)";
        QTest::newRow("Abheben") << traeger(5, -1000, 2000, 100) << QString();
    }
    void biegungOhneSinn()
    {
        QFETCH(Biegerechnung::Aufgabe, aufgabe);
        QFETCH(QString, fehler);
        const auto r = Biegerechnung::rechnen(aufgabe);
        QCOMPARE(r.gelungen, fehler.isEmpty());
        QCOMPARE(r.fehler, fehler);
        Profilsuche::Biegeaufgabe suche;
        suche.rechnung = aufgabe;
        QCOMPARE(Profilsuche::Ablehnung(suche), fehler);
    }
};

TRABEX_TEST_MAIN(TestRechnungen)
#include "test_rechnungen.moc"
