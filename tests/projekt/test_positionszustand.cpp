// A position put into the shared state leaves it as the material list, the profile selection and
// its dialog would, and the position taken back from that state is the position again; a library
// profile stays a library profile only while it has the position's very values.
#include "Kernumgebung.h"
#include "core/app/Unit1.h"
#include "core/calc/Eurocode.h"
#include "core/calc/Nachweis.h"
#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Positionszustand.h"
#include "core/projekt/Projektdatei.h"
#include "core/sections/Querschnittswerte.h"

using namespace Projekt;
using Unit1::TProfilachse;

Q_DECLARE_METATYPE(Projekt::Position)
Q_DECLARE_METATYPE(Unit1::TProfilachse)

namespace {

Position beispiel(int i) { return Projektdatei::laden(QStringLiteral(PROJEKT_FIXTURES "/beispiel.trabex")).positionen.at(i); }

// A library with IPE 160 (values of the example) and IPE 200 as the delivered tables give them.
Unit1::TProfilbibliothek bibliothek()
{
    Unit1::TProfilbibliothek b;
    for (auto& familie : b)
        familie.fill(Unit1::Freies_Profil());
    b[0][0] = {QStringLiteral("I-Träger IPE"), QStringLiteral("IPE 160"), 108.7, 16.7, 869.3, 68.3, 2009};
    b[0][1] = {QStringLiteral("I-Träger IPE"), QStringLiteral("IPE 200"), 194.3, 28.5, 1943, 142.4, 2848};
    return b;
}

Unit1::TMatdat werkstoffe()
{
    Unit1::TMatdat m;
    m.fill(Unit1::Freies_Material());
    m[0] = {QStringLiteral("EN AW-6060"), 70000, 215, 160, 65.7, 0, 0, 2.7, QStringLiteral("Metall"), 0, 0, 0};
    m[1] = {QStringLiteral("S235JR (St37-2)"), 210000, 360, 200, 101.8, 300, 1.0, 7.85, QStringLiteral("Metall"), 0, 0, 0};
    return m;
}

// What a dialog knows of its own: number, title, kind, case and its fields.
Position eingaben(const Position& p)
{
    Position e = p;
    e.werkstoff = {};
    e.mitProfil = false;
    e.profil = {};
    e.grenze = 0;
    return e;
}

} // namespace

class TestPositionszustand : public QObject {
    Q_OBJECT

private slots:
    void init() { Testumgebung::zustandZuruecksetzen(); }

    void hinUndZurueck_data()
    {
        QTest::addColumn<Position>("p");
        QTest::addColumn<TProfilachse>("achse");
        QTest::addColumn<QString>("profilart");

        const Position biegung = beispiel(0), knickung = beispiel(1), scherung = beispiel(2);
        QTest::newRow("Biegung, Bibliotheksprofil") << biegung << TProfilachse::Imax << QStringLiteral("I-Träger IPE");
        Position quer = knickung;
        quer.profil.ausrichtung = Ausrichtung::Quer; // IPE 200 about its weak axis, with its W
        quer.profil.W = 28.5;
        QTest::newRow("Knickung, Bibliotheksprofil quer") << quer << TProfilachse::Imin << QStringLiteral("I-Träger IPE");
        // Imin of IPE 200 named optimal: not the library's values, so a section of its own.
        Position anders = knickung;
        anders.profil.ausrichtung = Ausrichtung::Optimal;
        QTest::newRow("Knickung, andere Werte") << anders << TProfilachse::Keine << QStringLiteral("I-Träger IPE");
        Position eigenes = biegung;
        eigenes.profil = {QStringLiteral("Dm 40"), 6.28, 12.57, 1256.6, 9.86, Ausrichtung::Optimal};
        QTest::newRow("Biegung, eigenes Profil") << eigenes << TProfilachse::Keine << QStringLiteral("Eigenes Profil");
        // Quer with values the library does not have: the orientation has no axis to live in.
        Position eigenesQuer = biegung;
        eigenesQuer.profil.ausrichtung = Ausrichtung::Quer;
        eigenesQuer.profil.W = 17.0;
        QTest::newRow("Biegung, andere Werte quer") << eigenesQuer << TProfilachse::Keine << QStringLiteral("I-Träger IPE");
        QTest::newRow("Scherung ohne Profil") << scherung << TProfilachse::Keine << QStringLiteral("Keines gewählt");
        Position fall8 = biegung;
        fall8.fall = 8;
        fall8.abstand = 1500;
        fall8.x = 1000;
        fall8.grenze = 0;
        fall8.eigengewicht = false;
        QTest::newRow("Biegung Fall 8 mit a und x") << fall8 << TProfilachse::Imax << QStringLiteral("I-Träger IPE");
    }

    void hinUndZurueck()
    {
        QFETCH(Position, p);
        QFETCH(TProfilachse, achse);
        QFETCH(QString, profilart);
        Unit1::Werf = Unit1::Ierf = Unit1::Aerf = Unit1::Sk = 1; // results of something else

        Positionszustand::einsetzen(p, werkstoffe(), bibliothek());
        // The dialog's activation turns a library profile to the axis it reads it about.
        Querschnittswerte::Ausrichten(p.art == Art::Knickung ? Unit1::Knickachse : Unit1::Biegeachse);

        QCOMPARE(Unit1::Profilachse, achse);
        QCOMPARE(Unit1::ProfilArt, profilart);
        QCOMPARE(Unit1::Akt_Belastungsfall, p.art == Art::Scherung ? 0 : p.fall);
        // Bit for bit what the position computes with.
        QVERIFY(Unit1::F == p.last && Unit1::L == p.laenge && Unit1::Abstand_a == p.abstand && Unit1::Lx == p.x);
        QVERIFY(Unit1::Abstand_b == p.laenge - p.abstand);
        // A column keeps no σzul: the metal's σB / 3, as the material list sets it.
        const double sigmaZul = p.art == Art::Knickung && p.sigma_zul == 0 ? Unit1::Sigma_B / 3 : p.sigma_zul;
        QVERIFY(Unit1::Sigma_Zul == sigmaZul && Unit1::Sk_gewuenscht == p.sicherheit);
        QVERIFY(Unit1::E == p.werkstoff.E);
        QVERIFY(Unit1::W == p.profil.W && Unit1::I == p.profil.I && Unit1::A == p.profil.A && Unit1::Masse == p.profil.masse);
        QCOMPARE(Unit1::Werf + Unit1::Ierf + Unit1::Aerf + Unit1::Sk, 0.0);
        if (p.art == Art::Biegung)
            QCOMPARE(Nachweis::Durchbiegungsgrenze, p.grenze);

        const Unit1::Matrecord* gelesen = Positionszustand::Werkstoffeintrag(1); // the list shows another entry
        QVERIFY(gelesen);
        QCOMPARE(Positionszustand::aufnehmen(eingaben(p), gelesen), p);
    }

    // The checks with partial factors read the action of the load, fy and the buckling curve about
    // the axis the section was taken with: the position's own where it gives them, else the
    // library's; and the position taken back keeps them, so that it computes the same elsewhere.
    void eurocodeAusDemZustand_data()
    {
        QTest::addColumn<Position>("p");
        QTest::addColumn<double>("fy");
        QTest::addColumn<QString>("knicklinie");
        Position stuetze = beispiel(1);
        stuetze.profil.ausrichtung = Ausrichtung::Quer;
        stuetze.profil.W = 28.5;
        stuetze.einwirkung = Traegerrechnung::Einwirkung::Staendig;
        QTest::newRow("aus der Bibliothek") << stuetze << 235.0 << QStringLiteral("b");
        stuetze.werkstoff.fy = 355;
        stuetze.profil.knicklinie = QStringLiteral("c");
        stuetze.kategorie = QStringLiteral("Schnee");
        stuetze.einwirkung = Traegerrechnung::Einwirkung::Veraenderlich;
        QTest::newRow("eigene Werte") << stuetze << 355.0 << QStringLiteral("c");
        Position eigenes = beispiel(0);
        eigenes.profil = {QStringLiteral("Dm 40"), 6.28, 12.57, 1256.6, 9.86, Ausrichtung::Optimal, QStringLiteral("c")};
        QTest::newRow("eigener Querschnitt") << eigenes << 235.0 << QStringLiteral("c");
    }

    void eurocodeAusDemZustand()
    {
        QFETCH(Position, p);
        QFETCH(double, fy);
        QFETCH(QString, knicklinie);
        Unit1::TMatdat m = werkstoffe();
        m[1].fy = 235;
        Unit1::Matdat = m;
        Unit1::TProfilbibliothek b = bibliothek();
        b[0][1].Knicklinie_max = QStringLiteral("a");
        b[0][1].Knicklinie_min = QStringLiteral("b");
        Positionszustand::einsetzen(p, m, b);
        Querschnittswerte::Ausrichten(p.art == Art::Knickung ? Unit1::Knickachse : Unit1::Biegeachse);

        const std::vector<Eurocode::Kategorie> kategorien {{QStringLiteral("Schnee"), QStringLiteral("S")}};
        const Unit1::Matrecord* werkstoff = Positionszustand::Werkstoffeintrag(-1);
        const Position gelesen = Positionszustand::aufnehmen(eingaben(p), werkstoff);
        // The checks decide from the position read back what the state decided.
        const Eurocode::Knickaufgabe k = Positionsrechnung::Eurocode_Knickaufgabe(gelesen, m, b, kategorien);
        QCOMPARE(k.werkstoff.fy, fy);
        QCOMPARE(k.werkstoff.art, QStringLiteral("Metall"));
        QCOMPARE(k.knicklinie, knicklinie);
        QCOMPARE(k.last.einwirkung, p.einwirkung);
        QCOMPARE(k.last.kategorie.zeichen, p.kategorie == QStringLiteral("Schnee") ? QStringLiteral("S") : QString());
        QVERIFY(k.F == p.last && k.L == p.laenge && k.I == p.profil.I && k.A == p.profil.A && k.E == p.werkstoff.E);
        Position mitGewicht = gelesen;
        mitGewicht.eigengewicht = true;
        const Eurocode::Biegeaufgabe g = Positionsrechnung::Eurocode_Biegeaufgabe(mitGewicht, m, b, kategorien);
        QVERIFY(g.W == p.profil.W && g.Masse == p.profil.masse && g.eigengewicht == (p.profil.masse > 0) && g.werkstoff.fy == fy);

        Position soll = p;
        soll.werkstoff.fy = fy;
        soll.profil.knicklinie = knicklinie;
        QCOMPARE(gelesen, soll);
    }

    // The table entry of the name gives what the position does not keep (σB, γ, a column's σzul
    // as the material list sets it); the column's σP, λ0 and Tetmajer line are the position's.
    void werkstoffAusDerTabelle()
    {
        const Position stuetze = beispiel(1);
        Positionszustand::einsetzen(stuetze, werkstoffe(), bibliothek());
        QCOMPARE(Unit1::Sorte, stuetze.werkstoff.name);
        QCOMPARE(Unit1::Gamma, 7.85);
        QCOMPARE(Unit1::Sigma_B, 360.0);
        QCOMPARE(Unit1::Sigma_Zul, 120.0);
        QCOMPARE(Unit1::Sigma_P, 192.0);
        QCOMPARE(Unit1::GrenzSchlankheit, 104.0);
        const Unit1::Matrecord* m = Positionszustand::Werkstoffeintrag(-1); // nothing selected
        QVERIFY(m);
        QCOMPARE(m->SigmaP, 192.0);
        QCOMPARE(m->Tetmaier1, 310.0);
        QCOMPARE(m->Tetmaier2, 1.14);

        // A beam keeps only E: the table's σP stays for a column computed next.
        Positionszustand::einsetzen(beispiel(0), werkstoffe(), bibliothek());
        QCOMPARE(Unit1::Sigma_Zul, 160.0); // a beam's own
        QCOMPARE(Unit1::Sigma_P, 200.0);
        QCOMPARE(Positionszustand::Werkstoffeintrag(-1)->Tetmaier1, 300.0);

        // A pin keeps no material: the one chosen before stays.
        Positionszustand::einsetzen(beispiel(2), werkstoffe(), bibliothek());
        QCOMPARE(Unit1::Sorte, stuetze.werkstoff.name);
        QCOMPARE(Unit1::E, 210000.0);

        // A material this machine does not have: the position's values, nothing else.
        Position fremd = stuetze;
        fremd.werkstoff.name = QStringLiteral("Sonderstahl");
        Positionszustand::einsetzen(fremd, werkstoffe(), bibliothek());
        QCOMPARE(Unit1::Gamma, 0.0);
        QCOMPARE(Unit1::Sigma_Zul, 0.0);
        QCOMPARE(Positionszustand::Werkstoffeintrag(-1)->Tetmaier1, 310.0);

        // Wood: σB over 1.625, as the list sets it.
        Unit1::TMatdat holz = werkstoffe();
        holz[1].Art = QStringLiteral("Holz");
        Positionszustand::einsetzen(stuetze, holz, bibliothek());
        QCOMPARE(Unit1::Sigma_Zul, 360.0 / 1.625);
    }

    // Without an opened position the list's selection is read, and nothing without one.
    void werkstoffeintragOhnePosition()
    {
        Unit1::Matdat = werkstoffe();
        QCOMPARE(Positionszustand::Werkstoffeintrag(1), &Unit1::Matdat[1]);
        QCOMPARE(Positionszustand::Werkstoffeintrag(-1), nullptr);
        QCOMPARE(Positionszustand::Werkstoffeintrag(Unit1::Max_Material + 1), nullptr);
    }
};

TRABEX_TEST_MAIN(TestPositionszustand)
#include "test_positionszustand.moc"
