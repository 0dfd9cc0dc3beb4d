// The verdicts, the self-weight and the profile finder. The self-weight is checked against the
// test's own beam model with the two loads; the finder against a brute-force search written
// here over the delivered library.
#include "Kernumgebung.h"
#include "Lastfallmodelle.h"
#include "core/calc/Biegeformeln.h"
#include "core/calc/Biegerechnung.h"
#include "core/calc/Eurocode.h"
#include "core/calc/Nachweis.h"
#include "core/calc/Profilsuche.h"
#include "core/data/U_Profile.h"
#include "core/platform/Zahlen.h"

#include <cmath>
#include <map>

using Biegerechnung::Aufgabe;

namespace {

constexpr double E = 210000.0; // N/mm²
constexpr double Sigma = 160.0; // N/mm²

Aufgabe aufgabe(int fall, double F, double L, double a, double I, double Masse, bool eigengewicht)
{
    Aufgabe r;
    r.fall = fall;
    r.e = {F, L, a, E, I};
    r.Sigma_Zul = Sigma;
    r.Masse = Masse;
    r.eigengewicht = eigengewicht;
    return r;
}

// |a − b| within `rel` of the reference.
bool nahe(double a, double b, double rel) { return std::abs(a - b) <= rel * std::max(std::abs(b), 1e-12); }

} // namespace

class TestNachweis : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Testumgebung::zustandZuruecksetzen(); }

    // --- Verdicts ------------------------------------------------------------------------

    void urteile_data()
    {
        QTest::addColumn<int>("art"); // 0 bending, 1 deflection, 2 shear
        QTest::addColumn<double>("erf");
        QTest::addColumn<double>("vorh");
        QTest::addColumn<int>("grenze");
        QTest::addColumn<int>("zustand");
        QTest::addColumn<QString>("text");
        using Z = Nachweis::Zustand;
        QTest::newRow("biegung haelt") << 0 << 29.3 << 34.2 << 0 << int(Z::Erfuellt)
                                       << "Nachweis Biegung: |W erf.| = 29~30 cm³ ≤ W = 34~20 cm³, Ausnutzung 85~7 % – erfüllt";
        QTest::newRow("biegung genau voll")
            << 0 << 34.2 << 34.2 << 0 << int(Z::Erfuellt)
            << "Nachweis Biegung: |W erf.| = 34~20 cm³ ≤ W = 34~20 cm³, Ausnutzung 100~0 % – erfüllt";
        QTest::newRow("biegung negativ zu gross")
            << 0 << -40.0 << 34.2 << 0 << int(Z::NichtErfuellt)
            << "Nachweis Biegung: |W erf.| = 40~00 cm³ > W = 34~20 cm³, Ausnutzung 117~0 % – nicht erfüllt";
        QTest::newRow("biegung ohne profil")
            << 0 << 29.3 << 0.0 << 0 << int(Z::KeinProfil) << "Nachweis Biegung: kein Profil gewählt";
        // L = 4000: f = 13.3333 is L/300 exactly.
        QTest::newRow("f genau L/300") << 1 << 4000.0 / 300.0 << 4000.0 << 300 << int(Z::Erfuellt)
                                       << "Nachweis Durchbiegung: L/f = 300~00 ≥ 300 (f = 13~33 mm ≤ L/300 = 13~33 mm) – erfüllt";
        QTest::newRow("f zu gross")
            << 1 << 20.0 << 4000.0 << 250 << int(Z::NichtErfuellt)
            << "Nachweis Durchbiegung: L/f = 200~00 < 250 (f = 20~00 mm > L/250 = 16~00 mm) – nicht erfüllt";
        QTest::newRow("f ohne grenze") << 1 << 20.0 << 4000.0 << 0 << int(Z::Offen)
                                       << "Nachweis Durchbiegung: keine Grenze gewählt";
        QTest::newRow("scherung haelt")
            << 2 << 150.0 << 1030.0 << 0 << int(Z::Erfuellt)
            << "Nachweis Abscherung: A erf. = 150~00 mm² ≤ A = 1030~00 mm², Ausnutzung 14~6 % – erfüllt";
        QTest::newRow("scherung ohne profil")
            << 2 << 150.0 << 0.0 << 0 << int(Z::KeinProfil) << "Nachweis Abscherung: kein Profil gewählt";
    }
    void urteile()
    {
        QFETCH(int, art);
        QFETCH(double, erf);
        QFETCH(double, vorh);
        QFETCH(int, grenze);
        QFETCH(int, zustand);
        QFETCH(QString, text);
        const Nachweis::Urteil u = art == 0 ? Nachweis::Biegung(erf, vorh)
            : art == 1                      ? Nachweis::Durchbiegung(vorh, erf, grenze)
                                            : Nachweis::Abscherung(erf, vorh);
        QCOMPARE(int(u.zustand), zustand);
        // "~" in the expected text is the locale's decimal separator.
        QString erwartet = text;
        erwartet.replace(QLatin1Char('~'), QLocale().decimalPoint());
        QCOMPARE(u.text, erwartet);
    }

    // --- Self-weight -----------------------------------------------------------------------

    // Box off: exactly the values of the case formulas, in every case.
    void ohneEigengewichtWieDieFormeln()
    {
        const double F = 7000, L = 3000, a = 800, I = 1940, x = 1200;
        for (int fall = 1; fall <= 13; ++fall) {
            const Aufgabe r = aufgabe(fall, F, L, a, I, 22.4, false);
            double Werf = 0, fd = 0, Wx = 0;
            switch (fall) {
            case 4:
                Werf = Biegeformeln::Werf4(F, L, a, Sigma);
                Wx = Biegeformeln::Wxerf4(F, L, a, x, Sigma);
                fd = Biegeformeln::fd4(F, L, a, E, I);
                break;
            case 8:
                Werf = Biegeformeln::Werf8(F, a, Sigma);
                fd = Biegeformeln::fd8(F, L, a, E, I).wert;
                break;
            case 9:
                Werf = Biegeformeln::Werf9(F, L, a, Sigma).wert;
                Wx = Biegeformeln::Wxerf9(F, L, a, x, Sigma);
                fd = Biegeformeln::fd9(F, L, a, E, I).wert;
                break;
            case 12:
                Werf = Biegeformeln::Werf12(F, L, a, Sigma).wert;
                fd = Biegeformeln::fd12(F, L, a, E, I);
                break;
            default:
                Werf = Biegeformeln::Werf(fall, F, L, Sigma);
                Wx = Biegeformeln::Wxerf(fall, F, L, x, Sigma);
                fd = Biegeformeln::fd(fall, F, L, E, I);
            }
            QCOMPARE(Biegerechnung::Werf(r).wert, Werf);
            QCOMPARE(Biegerechnung::fd(r).wert, fd);
            if (Biegerechnung::hatStelle(fall))
                QCOMPARE(Biegerechnung::Wxerf(r, x), Wx);
        }
    }

    // Two loads, the case's and the self-weight over the whole beam, against the beam model:
    // a cantilever, a simply supported, an overhanging and a fixed beam.
    void eigengewichtWieDasBalkenmodell_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<double>("F");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("Masse");
        QTest::newRow("kragarm, einzellast") << 1 << 2000.0 << 0.0 << 42.2;
        QTest::newRow("aufgelegt, einzellast aussermittig") << 4 << 9000.0 << 700.0 << 30.7;
        QTest::newRow("aufgelegt, gleichlast") << 5 << 5000.0 << 0.0 << 12.9;
        QTest::newRow("kragarme, gleichlast") << 9 << 3000.0 << 900.0 << 88.3;
        QTest::newRow("kragarme, endlasten") << 8 << 1500.0 << 600.0 << 60.0;
        QTest::newRow("eingespannt, einzellast") << 10 << 12000.0 << 0.0 << 61.3;
        QTest::newRow("eingespannt und aufgelegt, einzellast") << 12 << 8000.0 << 1000.0 << 200.0;
        QTest::newRow("last nach oben, eigengewicht nach unten") << 3 << -300.0 << 0.0 << 42.2;
    }
    void eigengewichtWieDasBalkenmodell()
    {
        QFETCH(int, fall);
        QFETCH(double, F);
        QFETCH(double, a);
        QFETCH(double, Masse);
        const double L = 4000, I = 2770, x = 1000;
        const double q = Masse * 9.81 / 1000.0; // N/mm
        Balkenmodell::Balken b = Lastfallmodelle::modell(fall, F, L, a);
        const auto lastq = b.q;
        b.q = [lastq, q](double s) { return q + (lastq ? lastq(s) : 0.0); };
        const Balkenmodell::Verlauf v = Balkenmodell::loesen(b, int(b.laenge)); // a 1 mm grid
        const double EI = E * I * 10000.0;

        const Aufgabe r = aufgabe(fall, F, L, a, I, Masse, true);
        QVERIFY(nahe(Biegerechnung::Werf(r).wert, v.maxBetragM() / Sigma / 1000.0, 1e-5));
        QVERIFY(nahe(Biegerechnung::fd(r).wert, v.maxBetragW() / EI, 1e-4));
        if (Biegerechnung::hatStelle(fall))
            QVERIFY(nahe(Biegerechnung::Wxerf(r, x), std::abs(v.M_bei(x)) / Sigma / 1000.0, 1e-5));
        // More weight, more demand than the load alone (both act downwards here), except for
        // the uplift row, where the weight relieves the beam.
        const double ohne = std::abs(Biegerechnung::Werf(aufgabe(fall, F, L, a, I, Masse, false)).wert);
        if (F > 0)
            QVERIFY(Biegerechnung::Werf(r).wert > ohne);
    }

    // The governing notes follow the combined lines.
    void massgebendeStellenMitEigengewicht()
    {
        // Case 9: short overhangs (a = L/6), mid-span governs; long ones (a = L/3), the supports.
        const double L = 4000, I = 2770;
        QVERIFY(!Biegerechnung::Werf(aufgabe(9, 3000, L, L / 6, I, 50, true)).erstes);
        QVERIFY(Biegerechnung::Werf(aufgabe(9, 3000, L, L / 3, I, 50, true)).erstes);
        // Case 12: a load near the simply supported end governs under F on a light beam; on a
        // heavy beam with a small load the fixed end governs.
        QVERIFY(Biegerechnung::Werf(aufgabe(12, 5000, L, 800, I, 1, true)).erstes);
        QVERIFY(!Biegerechnung::Werf(aufgabe(12, 50, L, 200, I, 300, true)).erstes);
        // Case 8: short overhangs, heavy beam: mid-span sags most.
        QVERIFY(Biegerechnung::fd(aufgabe(8, 100, L, 200, I, 200, true)).erstes);
        QVERIFY(!Biegerechnung::fd(aufgabe(8, 5000, L, 1500, I, 10, true)).erstes);
    }

    void eigengewichtOhneSteifigkeitIstEinFehler()
    {
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, Biegerechnung::fd(aufgabe(5, 5000, 4000, 0, 0, 12.9, true)));
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, Biegerechnung::Wxerf(aufgabe(5, 5000, 4000, 0, 100, 12.9, true), -5));
        QCOMPARE(Biegerechnung::Wxerf(aufgabe(5, 5000, 4000, 0, 100, 12.9, true), 4001), 0.0);
    }

    // --- Profile finder ----------------------------------------------------------------------

    void finderWieDieVolleSuche_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<double>("F");
        QTest::addColumn<double>("L");
        QTest::addColumn<double>("a");
        QTest::addColumn<int>("grenze");
        QTest::addColumn<bool>("eigengewicht");
        QTest::addColumn<bool>("quer");
        QTest::newRow("fall 5, L/300") << 5 << 5000.0 << 4000.0 << 0.0 << 300 << false << false;
        QTest::newRow("fall 5, L/300, eigengewicht") << 5 << 5000.0 << 4000.0 << 0.0 << 300 << true << false;
        QTest::newRow("fall 1 quer, ohne grenze, eigengewicht") << 1 << 3000.0 << 2500.0 << 0.0 << 0 << true << true;
        QTest::newRow("fall 10, L/500, eigengewicht") << 10 << 20000.0 << 6000.0 << 0.0 << 500 << true << false;
    }
    void finderWieDieVolleSuche()
    {
        QFETCH(int, fall);
        QFETCH(double, F);
        QFETCH(double, L);
        QFETCH(double, a);
        QFETCH(int, grenze);
        QFETCH(bool, eigengewicht);
        QFETCH(bool, quer);
        bibliothekLaden();
        const double gamma = 7.85;
        Profilsuche::Biegeaufgabe aufgabe;
        aufgabe.rechnung = ::aufgabe(fall, F, L, a, 0, 0, eigengewicht);
        aufgabe.grenze = grenze;
        aufgabe.Gamma = gamma;
        aufgabe.ausrichtung = quer ? Profilsuche::Ausrichtung::Quer : Profilsuche::Ausrichtung::Optimal;
        const Profilsuche::Ergebnis ergebnis = Profilsuche::Biegung(Unit1::Profildat, aufgabe, false);

        // Brute force: every profile of every family, with the closed forms of the combined load.
        struct Treffer {
            double A;
            QString name;
            double ausnutzung; // the governing one: bending or, with a limit, deflection
        };
        std::map<QString, Treffer> leichteste; // family → its lightest
        for (const auto& familie : Unit1::Profildat) {
            for (const auto& p : familie) {
                if (p.Art == QStringLiteral("LEER"))
                    break;
                const double W = quer ? p.Wmin : p.Wmax, I = quer ? p.Imin : p.Imax;
                const double g = eigengewicht ? p.A * gamma / 1000.0 * 9.81 / 1000.0 : 0.0; // N/mm
                const double EI = E * I * 10000.0;
                double M = 0, f = 0;
                if (fall == 5) {
                    const double q = F / 1000.0 + g;
                    M = q * L * L / 8;
                    f = 5 * q * L * L * L * L / 384 / EI;
                } else if (fall == 1) {
                    M = F * L + g * L * L / 2;
                    f = F * L * L * L / 3 / EI + g * L * L * L * L / 8 / EI;
                } else { // fixed at both ends, force at mid-span: the ends govern, mid-span sags most
                    M = F * L / 8 + g * L * L / 12;
                    f = F * L * L * L / 192 / EI + g * L * L * L * L / 384 / EI;
                }
                if (!(W > 0) || M / Sigma / 1000.0 > W || (grenze > 0 && !(I > 0)))
                    continue;
                if (grenze > 0 && f * grenze > L)
                    continue;
                const double ausnutzung = std::max(M / Sigma / 1000.0 / W, grenze > 0 ? f * grenze / L : 0.0);
                auto it = leichteste.find(p.Art);
                if (it == leichteste.end() || p.A < it->second.A)
                    leichteste[p.Art] = {p.A, p.Name, ausnutzung};
            }
        }
        std::map<QString, Profilsuche::Kandidat> gefunden;
        for (const auto& k : ergebnis.leichteste())
            gefunden[k.art] = k;
        QCOMPARE(gefunden.size(), leichteste.size());
        for (const auto& [art, wert] : leichteste) {
            QCOMPARE(gefunden[art].name, wert.name);
            QVERIFY2(std::abs(gefunden[art].Ausnutzung - wert.ausnutzung) < 1e-9,
                qPrintable(QStringLiteral("%1: %2 statt %3").arg(wert.name).arg(gefunden[art].Ausnutzung).arg(wert.ausnutzung)));
        }
        // Sorted by mass, and every family searched appears once: with a profile or without.
        const auto liste = ergebnis.leichteste();
        for (std::size_t i = 1; i < liste.size(); ++i)
            QVERIFY(liste[i - 1].Masse <= liste[i].Masse);
        QCOMPARE(qsizetype(liste.size()) + ergebnis.ohneTreffer().size(), ergebnis.familiennamen.size());
        // "All" holds the lightest and more, never one that fails.
        const auto alle = Profilsuche::Biegung(Unit1::Profildat, aufgabe, true).alle();
        QVERIFY(alle.size() >= liste.size());
        for (const auto& k : alle)
            QVERIFY(std::abs(k.Werf) <= k.W);
    }

    // Buckling: the lightest per family whose safety reaches the desired one, by Euler or
    // Tetmajer with Imin, against a search written here.
    void knickfinderWieDieVolleSuche()
    {
        bibliothekLaden();
        Profilsuche::Knickaufgabe a;
        a.fall = 2;
        a.F = 100000;
        a.L = 3000;
        a.Sk_gewuenscht = 3;
        a.E = E;
        a.Sigma_P = 192;
        a.GrenzSchlankheit = 103.9;
        a.Tetmaier1 = 310;
        a.Tetmaier2 = 1.14;
        a.Gamma = 7.85;
        std::map<QString, std::pair<double, QString>> leichteste;
        for (const auto& familie : Unit1::Profildat) {
            for (const auto& p : familie) {
                if (p.Art == QStringLiteral("LEER"))
                    break;
                if (!(p.Imin > 0 && p.A > 0))
                    continue;
                const double Lk = 2 * a.L;
                const double i = std::sqrt(p.Imin * 10000.0 / p.A); // mm
                const double lambda = Lk / i;
                const double sigmaK
                    = lambda < a.GrenzSchlankheit ? a.Tetmaier1 - a.Tetmaier2 * lambda : M_PI * M_PI * E / (lambda * lambda);
                const double Sk = std::min(sigmaK, a.Sigma_P) / (a.F / p.A);
                if (Sk < a.Sk_gewuenscht)
                    continue;
                auto it = leichteste.find(p.Art);
                if (it == leichteste.end() || p.A < it->second.first)
                    leichteste[p.Art] = {p.A, p.Name};
            }
        }
        const auto liste = Profilsuche::Knickung(Unit1::Profildat, a, false).leichteste();
        QVERIFY(!liste.empty());
        QCOMPARE(liste.size(), leichteste.size());
        for (const auto& k : liste) {
            QCOMPARE(k.name, leichteste[k.art].second);
            QCOMPARE(k.I, Unit1::Profildat[k.familie][k.nr].Imin);
        }
    }

    // The finder by the checks with partial factors finds the lightest profile that a
    // brute-force walk of the checks over the delivered library finds.
    void finderNachEurocode_data()
    {
        QTest::addColumn<bool>("knicken");
        QTest::addColumn<int>("fall");
        QTest::addColumn<double>("F");
        QTest::addColumn<double>("L");
        QTest::addColumn<bool>("staendig");
        QTest::addColumn<bool>("eigengewicht");
        QTest::newRow("Biegung Fall 1, Q") << false << 1 << 20000.0 << 3000.0 << false << false;
        QTest::newRow("Biegung Fall 5, G mit Eigengewicht") << false << 5 << 8000.0 << 6000.0 << true << true;
        QTest::newRow("Knicken Fall 1, Q") << true << 1 << 300000.0 << 3750.0 << false << false;
        QTest::newRow("Knicken Fall 2, G") << true << 2 << 100000.0 << 2500.0 << true << false;
    }
    void finderNachEurocode()
    {
        QFETCH(bool, knicken);
        QFETCH(int, fall);
        QFETCH(double, F);
        QFETCH(double, L);
        QFETCH(bool, staendig);
        QFETCH(bool, eigengewicht);
        bibliothekLaden();
        const double gamma = 7.85;
        Eurocode::Last last;
        if (staendig)
            last.einwirkung = Eurocode::Einwirkung::Staendig;
        else
            last.kategorie = {QStringLiteral("A"), QStringLiteral("Q Kat. A"), QStringLiteral("Nutzlast A"), 0.7, 0.5, 0.3};
        const Eurocode::Werkstoff stahl {QStringLiteral("S235"), QStringLiteral("Metall"), 235};
        Eurocode::Knickaufgabe k;
        k.fall = fall;
        k.F = F;
        k.L = L;
        k.E = E;
        k.last = last;
        k.werkstoff = stahl;
        Eurocode::Biegeaufgabe b;
        b.fall = fall;
        b.e = {F, L, 0, E, 0};
        b.eigengewicht = eigengewicht;
        b.last = last;
        b.werkstoff = stahl;
        const auto gefunden = knicken
            ? Profilsuche::Eurocode_Knickung(Unit1::Profildat, k, gamma, false).leichteste()
            : Profilsuche::Eurocode_Biegung(Unit1::Profildat, b, Profilsuche::Ausrichtung::Optimal, gamma, false).leichteste();

        // Brute force: every profile, checked with the values of its record.
        double leichteste = 0;
        QString name;
        for (const Unit1::TProfildat& familie : Unit1::Profildat)
            for (const Unit1::TProfilrecord& p : familie) {
                if (p.Art == QStringLiteral("LEER") || p.Art.isEmpty())
                    break;
                const double masse = p.A * gamma / 1000.0;
                Eurocode::Urteil u;
                if (knicken) {
                    Eurocode::Knickaufgabe a = k;
                    a.I = p.Imin;
                    a.A = p.A;
                    a.knicklinie = p.Knicklinie_min;
                    u = Eurocode::Knicken(a).urteil;
                } else {
                    Eurocode::Biegeaufgabe a = b;
                    a.W = p.Wmax;
                    a.Masse = masse;
                    u = Eurocode::Biegung(a).urteil;
                }
                if (u.moeglich && u.erfuellt && (name.isEmpty() || masse < leichteste)) {
                    leichteste = masse;
                    name = p.Name;
                }
            }
        QVERIFY(!name.isEmpty());
        QVERIFY(!gefunden.empty());
        QVERIFY(nahe(gefunden.front().Masse, leichteste, 1e-9));
        QVERIFY(gefunden.front().Ausnutzung <= 1.0);
    }

private:
    // The delivered files are written with German decimal commas, for German installations.
    static void bibliothekLaden()
    {
        Testumgebung::zustandZuruecksetzen();
        const QLocale vorher;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        U_Profile::Profilbibliothek_Lesen(Testumgebung::gelieferteDaten());
        QLocale::setDefault(vorher);
        QVERIFY(Unit1::Profildat[0][0].Art != QStringLiteral("LEER"));
    }
};

TRABEX_TEST_MAIN(TestNachweis)
#include "test_nachweis.moc"
