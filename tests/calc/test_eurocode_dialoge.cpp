// The verdict with partial factors in the classic dialogs: the choice of the load's action, the
// second verdict line against the core check of the same numbers, its steps and its round trip
// through a position.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/calc/Eurocode.h"
#include "core/data/U_Einwirkungen.h"
#include "core/projekt/Positionszustand.h"
#include "gui/Main.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/calc/U_bieg1.h"
#include "gui/calc/U_knick.h"
#include "gui/calc/U_verlauf.h"
#include "gui/data/Tab_Werkstoffauswahl.h"
#include "gui/platform/Oberflaeche.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <memory>

using namespace Unit1;
using Testumgebung::zahl;

namespace {

const Eurocode::Kategorie KatA {
    QStringLiteral("A"), QStringLiteral("Q Kat. A"), QStringLiteral("Nutzlast Kategorie A"), 0.7, 0.5, 0.3};
const Eurocode::Kategorie KatB {
    QStringLiteral("B"), QStringLiteral("Q Kat. B"), QStringLiteral("Nutzlast Kategorie B"), 0.7, 0.5, 0.3};

// IPE 200 of the library: W, I about both axes, A, and its buckling curves.
TProfilrecord ipe200()
{
    return {
        QStringLiteral("IPE"), QStringLiteral("IPE 200"), 194, 28.5, 1940, 142, 2850, QStringLiteral("a"), QStringLiteral("b")};
}

// The action as the test row gives it: "G", or the key of a variable load's category.
Eurocode::Last last(const QString& einwirkung)
{
    if (einwirkung == QStringLiteral("G"))
        return {Eurocode::Einwirkung::Staendig, {}};
    return {Eurocode::Einwirkung::Veraenderlich, einwirkung == QStringLiteral("B") ? KatB : KatA};
}

} // namespace

class TestEurocodeDialoge : public QObject {
    Q_OBJECT

    std::unique_ptr<Testumgebung::Programmlauf> m_lauf;

    TDLG_Knickung* k() const { return U_knick::DLG_Knickung; }
    TDLG_Biegung1* b() const { return U_bieg1::DLG_Biegung1; }

    // The material chosen in the main window's list: a steel with fy, or a wood without.
    static void materialWaehlen(const QString& art, double fy)
    {
        Matrecord& m = Matdat[0];
        m.Sorte = art == QStringLiteral("Holz") ? QStringLiteral("C24") : QStringLiteral("S235");
        m.E = art == QStringLiteral("Holz") ? 11000 : 210000;
        m.SigmaB = 360;
        m.SigmaP = 190;
        m.Tetmaier1 = 310;
        m.Tetmaier2 = 1.14;
        m.Art = art;
        m.fy = fy;
        TTab_Werkstoffauswahl* tab = Main::Mainform->TS_Werkstoffauswahl;
        tab->LB_Material->clear();
        tab->LB_Material->addItem(m.Sorte);
        tab->LB_Material->setCurrentRow(0);
        Sorte = m.Sorte;
        E = m.E;
        Sigma_P = m.SigmaP;
        GrenzSchlankheit = 104.44;
        Gamma = 7.85;
    }

    // IPE 200 of the library taken about `achse` for both kinds of dialog.
    static void profilWaehlen(TProfilachse achse)
    {
        Bibliotheksprofil = Profildat[0][0] = ipe200(); // in the library, as a position finds it again
        Profilachse = Knickachse = Biegeachse = achse;
        ProfilArt = QStringLiteral("IPE");
        ProfilName = QStringLiteral("IPE 200");
        Masse = 22.4;
        A = 2850;
    }

    static Eurocode::Werkstoff werkstoff() { return {Matdat[0].Sorte, Matdat[0].Art, Matdat[0].fy}; }

    // The action chosen in a dialog's boxes, as the user picks it.
    static void einwirkungWaehlen(QWidget* d, const QString& einwirkung)
    {
        auto* cbE = d->findChild<QComboBox*>(QStringLiteral("CB_Einwirkung"));
        auto* cbK = d->findChild<QComboBox*>(QStringLiteral("CB_Kategorie"));
        QVERIFY(cbE && cbK);
        cbE->setCurrentIndex(einwirkung == QStringLiteral("G") ? 0 : 1);
        if (einwirkung != QStringLiteral("G"))
            cbK->setCurrentIndex(cbK->findData(einwirkung));
        QCOMPARE(cbK->isEnabled(), einwirkung != QStringLiteral("G"));
    }

    static QString eurocodezeile(QWidget* d) { return d->findChild<QLabel*>(QStringLiteral("L_Eurocode"))->text(); }

    void oeffnen(QWidget* dialog, int fall)
    {
        Akt_Belastungsfall = fall;
        Plattform::aktivieren(dialog);
    }

    void knicken(const char* last, const char* laenge)
    {
        Testumgebung::tippen(k(), "E_Last", zahl(QString::fromLatin1(last)));
        Testumgebung::tippen(k(), "E_Laenge", zahl(QString::fromLatin1(laenge)));
        Testumgebung::tippen(k(), "E_Sicherheit", zahl(QStringLiteral("3")));
        Testumgebung::klicken(k(), "B_Berechnung_Knicksicherheit");
    }

    void biegen(const char* last, const char* laenge)
    {
        Testumgebung::tippen(b(), "E_Last", zahl(QString::fromLatin1(last)));
        Testumgebung::tippen(b(), "E_Laenge", zahl(QString::fromLatin1(laenge)));
        Testumgebung::tippen(b(), "E_SigmaZul", zahl(QStringLiteral("120")));
        Testumgebung::tippen(b(), "E_x", zahl(QStringLiteral("0")));
        Testumgebung::klicken(b(), "B_Berechnen_W");
    }

    // The heading of the last part of the steps, and whether a step of that part is named `was`.
    static bool eurocodeschritteZuletzt(U_verlauf::Art art, const QString& was)
    {
        const auto& teile = U_verlauf::stand(art).protokoll.teile;
        if (teile.isEmpty() || teile.last().first != Nachweiszeile::Eurocodeteil)
            return false;
        for (const Rechenweg::Schritt& s : teile.last().second)
            if (s.was == was)
                return true;
        return false;
    }

private slots:
    void init()
    {
        m_lauf = std::make_unique<Testumgebung::Programmlauf>([](const Testumgebung::Programmverzeichnis& v) {
            QImage bild(16, 32, QImage::Format_RGB32);
            bild.fill(Qt::cyan);
            for (int f = 1; f <= 4; ++f)
                QVERIFY(bild.save(v.daten() + QStringLiteral("B_KNICK%1.bmp").arg(f), "BMP"));
            for (int f = 1; f <= 13; ++f)
                QVERIFY(bild.save(v.daten() + QStringLiteral("b_bieg%1.bmp").arg(f), "BMP"));
        });
        U_Einwirkungen::Kategorien = {KatA, KatB};
        m_lauf->rekorder.leeren();
    }
    void cleanup() { m_lauf.reset(); }

    void knickdialog_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<double>("fy");
        QTest::addColumn<QString>("einwirkung");
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("moeglich");
        QTest::newRow("Stahl, Q Kat. B, Knicklinie b") << "Metall" << 235.0 << "B"
                                                       << "100000" << true;
        QTest::newRow("Stahl, G, nicht erfüllt") << "Metall" << 235.0 << "G"
                                                 << "300000" << true;
        QTest::newRow("Holz: nicht möglich") << "Holz" << 0.0 << "A"
                                             << "10000" << false;
    }
    void knickdialog()
    {
        QFETCH(QString, art);
        QFETCH(double, fy);
        QFETCH(QString, einwirkung);
        QFETCH(QString, last);
        QFETCH(bool, moeglich);
        materialWaehlen(art, fy);
        profilWaehlen(TProfilachse::Imin);
        oeffnen(k(), 1);
        einwirkungWaehlen(k(), einwirkung);
        knicken(last.toLatin1().constData(), "2000");

        Eurocode::Knickaufgabe a;
        a.fall = 1;
        a.F = last.toDouble();
        a.L = 2000;
        a.E = Matdat[0].E;
        a.I = 142; // about the weak axis the column was taken with
        a.A = 2850;
        a.last = ::last(einwirkung);
        a.werkstoff = werkstoff();
        a.knicklinie = QStringLiteral("b");
        const Eurocode::Knickergebnis soll = Eurocode::Knicken(a);
        QCOMPARE(soll.urteil.moeglich, moeglich);
        QCOMPARE(eurocodezeile(k()), Nachweiszeile::Eurocodetext(soll.urteil));
        QVERIFY(eurocodezeile(k()).startsWith(QStringLiteral("Nachweis nach DIN EN 1993-1-1")));
        if (moeglich)
            QVERIFY(eurocodeschritteZuletzt(U_verlauf::Art::Knickung, QStringLiteral("Abminderungsbeiwert")));
    }

    void biegedialog_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<double>("fy");
        QTest::addColumn<QString>("einwirkung");
        QTest::addColumn<bool>("moeglich");
        QTest::newRow("Stahl, Q Kat. B") << "Metall" << 235.0 << "B" << true;
        QTest::newRow("Stahl, G") << "Metall" << 235.0 << "G" << true;
        QTest::newRow("Holz: nicht möglich") << "Holz" << 0.0 << "A" << false;
    }
    void biegedialog()
    {
        QFETCH(QString, art);
        QFETCH(double, fy);
        QFETCH(QString, einwirkung);
        QFETCH(bool, moeglich);
        materialWaehlen(art, fy);
        profilWaehlen(TProfilachse::Imax);
        oeffnen(b(), 1);
        einwirkungWaehlen(b(), einwirkung);
        biegen("5000", "2000");

        Eurocode::Biegeaufgabe a;
        a.fall = 1;
        a.e = {5000, 2000, Abstand_a, Matdat[0].E, 1940};
        a.Masse = 22.4;
        a.W = 194;
        a.last = last(einwirkung);
        a.werkstoff = werkstoff();
        const Eurocode::Biegeergebnis soll = Eurocode::Biegung(a);
        QCOMPARE(soll.urteil.moeglich, moeglich);
        QCOMPARE(eurocodezeile(b()), Nachweiszeile::Eurocodetext(soll.urteil));
        if (moeglich)
            QVERIFY(eurocodeschritteZuletzt(U_verlauf::Art::Biegung, QStringLiteral("Ausnutzung")));

        // Another action judges the result shown again, without a new click.
        einwirkungWaehlen(b(), einwirkung == QStringLiteral("G") ? QStringLiteral("A") : QStringLiteral("G"));
        a.last = last(einwirkung == QStringLiteral("G") ? QStringLiteral("A") : QStringLiteral("G"));
        QCOMPARE(eurocodezeile(b()), Nachweiszeile::Eurocodetext(Eurocode::Biegung(a).urteil));
    }

    // The choice goes into a position and comes back with it, in both kinds of dialog.
    void positionBehaeltDieEinwirkung()
    {
        materialWaehlen(QStringLiteral("Metall"), 235);
        profilWaehlen(TProfilachse::Imin);
        oeffnen(k(), 1);
        einwirkungWaehlen(k(), QStringLiteral("G"));
        knicken("100000", "2000");
        const QString gerechnet = eurocodezeile(k());
        const Projekt::Position knick = k()->Position_Lesen();
        QCOMPARE(knick.einwirkung, Traegerrechnung::Einwirkung::Staendig);

        profilWaehlen(TProfilachse::Imax);
        oeffnen(b(), 1);
        einwirkungWaehlen(b(), QStringLiteral("B"));
        biegen("5000", "2000");
        const Projekt::Position biege = b()->Position_Lesen();
        QCOMPARE(biege.einwirkung, Traegerrechnung::Einwirkung::Veraenderlich);
        QCOMPARE(biege.kategorie, QStringLiteral("B"));

        Positionszustand::einsetzen(knick);
        k()->Position_Zeigen(knick);
        QCOMPARE(k()->findChild<QComboBox*>(QStringLiteral("CB_Einwirkung"))->currentIndex(), 0);
        QCOMPARE(eurocodezeile(k()), gerechnet);

        Positionszustand::einsetzen(biege);
        b()->Position_Zeigen(biege);
        QCOMPARE(b()->findChild<QComboBox*>(QStringLiteral("CB_Einwirkung"))->currentIndex(), 1);
        QCOMPARE(b()->findChild<QComboBox*>(QStringLiteral("CB_Kategorie"))->currentData().toString(), QStringLiteral("B"));
        QVERIFY(eurocodezeile(b()).contains(QStringLiteral("Q Kat. B")));
    }
};

QTEST_MAIN(TestEurocodeDialoge)
#include "test_eurocode_dialoge.moc"
