// The example project computed by its positions (as `trabex --berechnen` does) gives the same
// numbers, to the last bit, as the dialogs worked by hand with the same inputs once the position
// is put into the shared state: bending case 5 with the self-weight, buckling case 1 (whose σP
// and Tetmajer line are the position's, not those of a material in the list) and shear.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/platform/Zahlen.h"
#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Positionszustand.h"
#include "core/projekt/Projektdatei.h"
#include "gui/calc/U_bieg1.h"
#include "gui/calc/U_knick.h"
#include "gui/calc/U_scher.h"
#include "gui/platform/Oberflaeche.h"

#include <QCheckBox>
#include <QLabel>
#include <memory>

using namespace Unit1;
using Testumgebung::klicken;
using Testumgebung::tippen;
using Zahlen::fixiert;

namespace {

QString zahl(double v) { return Testumgebung::zahl(QString::number(v, 'g', 17)); }

} // namespace

class TestPositionenDialoge : public QObject {
    Q_OBJECT

    std::unique_ptr<Testumgebung::Programmlauf> m_lauf;
    Projekt::Daten m_projekt;
    QList<Positionsrechnung::Ergebnis> m_ergebnisse;

    const Projekt::Position& position(int i) const { return m_projekt.positionen.at(i); }

    // The position in the shared state, then its case's dialog opened.
    void oeffnen(const Projekt::Position& p, QWidget* dialog)
    {
        Positionszustand::einsetzen(p);
        Plattform::aktivieren(dialog);
    }

private slots:
    void initTestCase()
    {
        m_projekt = Projektdatei::laden(QStringLiteral(PROJEKT_FIXTURES "/beispiel.trabex"));
        m_ergebnisse = Positionsrechnung::rechnen(m_projekt);
    }

    void init() { m_lauf = std::make_unique<Testumgebung::Programmlauf>(); }
    void cleanup() { m_lauf.reset(); }

    void biegung()
    {
        const Projekt::Position& p = position(0);
        const Positionsrechnung::Ergebnis& e = m_ergebnisse.at(0);
        TDLG_Biegung1* d = U_bieg1::DLG_Biegung1;
        oeffnen(p, d);
        tippen(d, "E_Last", zahl(p.last));
        tippen(d, "E_Laenge", zahl(p.laenge));
        tippen(d, "E_SigmaZul", zahl(p.sigma_zul));
        tippen(d, "E_x", zahl(p.x));
        d->Felder.ChB_Eigengewicht->setChecked(p.eigengewicht);
        klicken(d, "B_Berechnen_W");
        klicken(d, "B_Berechnung_f");
        QVERIFY(Werf == e.W_erf); // bit for bit
        QVERIFY(fd == *e.f);
        QCOMPARE(d->Felder.L_Werf->text(), fixiert(e.W_erf, 2));
        QCOMPARE(d->Felder.L_f->text(), fixiert(*e.f, 4));
        QCOMPARE(d->Felder.L_L_durch_f->text(), fixiert(*e.L_f, 2));
    }

    void knickung()
    {
        const Projekt::Position& p = position(1);
        const Positionsrechnung::Ergebnis& e = m_ergebnisse.at(1);
        TDLG_Knickung* d = U_knick::DLG_Knickung;
        oeffnen(p, d);
        tippen(d, "E_Last", zahl(p.last));
        tippen(d, "E_Laenge", zahl(p.laenge));
        tippen(d, "E_Sicherheit", zahl(p.sicherheit));
        klicken(d, "B_Berechnung_I");
        klicken(d, "B_Berechnung_Knicksicherheit");
        QVERIFY(Ierf == e.I_erf);
        QVERIFY(Schlankheitsgrad == *e.lambda);
        QVERIFY(Sigma_K == *e.sigma_k);
        QVERIFY(Sk == *e.sicherheit);
        QCOMPARE(d->L_Formel->text().contains(QStringLiteral("Euler")), e.formel == QStringLiteral("Euler"));
        QCOMPARE(d->L_Warnung->text(), QStringLiteral("Die gewünschte Knicksicherheit wurde erreicht"));
        QVERIFY(e.erfuellt);
    }

    void scherung()
    {
        const Projekt::Position& p = position(2);
        TDLG_Scherung* d = U_scher::DLG_Scherung;
        oeffnen(p, d);
        tippen(d, "E_Last", zahl(p.last));
        tippen(d, "E_SigmaZul", zahl(p.sigma_zul));
        klicken(d, "B_Berechnung_Flaeche");
        QVERIFY(Aerf == m_ergebnisse.at(2).A_erf);
        QCOMPARE(d->L_Aerf->text(), fixiert(Aerf, 2));
    }
};

TRABEX_TEST_MAIN(TestPositionenDialoge)
#include "test_positionen_dialoge.moc"
