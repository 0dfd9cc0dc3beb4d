// Cross-sections: the section formulas of the standard shapes, the profile selection, the
// section calculator and the typed-in section.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/platform/Fehler.h"
#include "core/sections/Formbilder.h"
#include "core/sections/Querschnittswerte.h"
#include "gui/Main.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/sections/U_e_prof.h"
#include "gui/sections/U_p_rec.h"
#include "gui/sections/U_profil.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

using namespace Unit1;
using Testumgebung::zahl;
using Form = Unit1::TAkt_Profil;
Q_DECLARE_METATYPE(Unit1::TAkt_Profil)

namespace {

// Relative comparison for computed section values.
bool nahe(double ist, double soll) { return std::abs(ist - soll) <= 1e-6 * std::max(1.0, std::abs(soll)); }

Querschnittswerte::Werte werteAus(Form form, const QList<double>& mm)
{
    namespace Q = Querschnittswerte;
    QList<double> cm;
    for (double m : mm)
        cm << Q::inZentimeter(m);
    switch (form) {
    case Form::Rundstahl:
        return Q::Rundstahl(cm[0]);
    case Form::Rohr:
        return Q::Rohr(cm[0], cm[1]);
    case Form::Vierkant:
        return Q::Vierkant(cm[0], cm[1]);
    case Form::Formrohr:
        return Q::Formrohr(cm[0], cm[1], cm[2]);
    }
    return {};
}

void profil(
    int familie, int nr, const QString& art, const QString& name, double wmax, double wmin, double imax, double imin, double a)
{
    Profildat[familie][nr] = TProfilrecord {art, name, wmax, wmin, imax, imin, a};
}

// Two small families: flat bars (exact values from b·h²/6, b·h³/12) and two IPE beams.
void bibliothek()
{
    profil(0, 0, "Flachstahl", "100x10", 16.6667, 1.6667, 83.3333, 0.8333, 1000);
    profil(0, 1, "Flachstahl", "80x10", 10.6667, 1.3333, 42.6667, 0.6667, 800);
    profil(1, 0, "IPE", "IPE 80", 20.0, 3.69, 80.1, 8.49, 764);
    profil(1, 1, "IPE", "IPE 100", 34.2, 5.79, 171, 15.9, 1030);
}

// The shared section as it stands, for comparisons.
struct Auswahl {
    double W, I, A, Masse;
    QString Art, Name;
    bool operator==(const Auswahl&) const = default;
};
Auswahl auswahl() { return {W, I, A, Masse, ProfilArt, ProfilName}; }
char* toString(const Auswahl& a)
{
    return qstrdup(qPrintable(
        QStringLiteral("W=%1 I=%2 A=%3 Masse=%4 '%5' '%6'").arg(a.W).arg(a.I).arg(a.A).arg(a.Masse).arg(a.Art, a.Name)));
}
void setzen(const Auswahl& a)
{
    W = a.W;
    I = a.I;
    A = a.A;
    Masse = a.Masse;
    ProfilArt = a.Art;
    ProfilName = a.Name;
}

QStringList eintraege(const QListWidget* liste)
{
    QStringList t;
    for (int k = 0; k < liste->count(); ++k)
        t << liste->item(k)->text();
    return t;
}

// Runs `bedienen` while `dialog` is shown modally; the dialog is then closed the way the title
// bar does it, should `bedienen` have left it open (also after a failed check).
void modal(QDialog* dialog, const std::function<void()>& bedienen)
{
    QTimer::singleShot(0, dialog, [dialog, bedienen] {
        Plattform::aktivieren(dialog); // the offscreen platform need not activate by itself
        bedienen();
        if (dialog->isVisible())
            dialog->close();
    });
}

} // namespace

class TestSections : public QObject {
    Q_OBJECT

    std::unique_ptr<Testumgebung::Programmlauf> m_lauf;
    TDLG_Profil* profilDlg() { return U_profil::DLG_Profil; }
    TDLG_Profil_Rechnen* rechnen() { return U_p_rec::DLG_Profil_Rechnen; }
    TDlg_Eigenes_Profil* eigen() { return U_e_prof::Dlg_Eigenes_Profil; }

    static void bilderLiefern(const Testumgebung::Programmverzeichnis& v)
    {
        for (Form f : {Form::Rundstahl, Form::Rohr, Form::Vierkant, Form::Formrohr}) {
            QFile bild(Testumgebung::gelieferteDaten() + Formbilder::Dateiname(f));
            QVERIFY2(bild.open(QIODevice::ReadOnly), qPrintable(bild.fileName()));
            v.schreiben(Formbilder::Dateiname(f), bild.readAll());
        }
    }

    // The calculator opened for `form` with the given texts typed, then "Berechnen".
    void berechnen(Form form, const QStringList& texte)
    {
        Akt_Profil = form;
        rechnen()->FormActivate();
        QLineEdit* felder[] = {rechnen()->E_E1, rechnen()->E_E2, rechnen()->E_E3};
        for (int k = 0; k < 3; ++k)
            felder[k]->setText(texte.value(k));
        rechnen()->B_Berechnen->click();
    }

    // A round bar of 20 mm computed in the calculator opened from the shape button, closed
    // with OK or "Abbrechen".
    void rundstahlRechnen(bool ok)
    {
        modal(rechnen(), [this, ok] {
            rechnen()->E_E1->setText("20");
            rechnen()->B_Berechnen->click();
            (ok ? rechnen()->OKBtn : rechnen()->CancelBtn)->click();
        });
        profilDlg()->B_Rundstahl->click();
    }

private slots:
    void initTestCase()
    {
        m_lauf
            = std::make_unique<Testumgebung::Programmlauf>([](const Testumgebung::Programmverzeichnis& v) { bilderLiefern(v); });
    }
    void cleanupTestCase() { m_lauf.reset(); }
    void init()
    {
        Testumgebung::zustandZuruecksetzen();
        Programminit();
        Gamma = 7.85;
        profilDlg()->Ausrichtung_Setzen(false);
    }

    // ---- section formulas ------------------------------------------------------------------

    void werte_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QList<double>>("mm");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("i");
        QTest::addColumn<double>("a");
        // π/4 = 0.785398163; round bar 20 mm: W = π·2³/32, I = π·2⁴/64, A = π·20²/4 mm².
        QTest::newRow("Rundstahl 20") << Form::Rundstahl << QList<double> {20} << 0.7853981634 << 0.7853981634 << 314.1592654;
        // Tube 60 × 5 by hand: 6⁴ − 5⁴ = 671 cm⁴; I = 671·π/64, W = I/(D/2), A = (6² − 5²)·π/4 cm².
        QTest::newRow("Rohr 60 x 5") << Form::Rohr << QList<double> {60, 5} << 10.979207 << 32.937621 << 863.937980;
        QTest::newRow("Rohr Wand 0") << Form::Rohr << QList<double> {20, 0} << 0.0 << 0.0 << 0.0;
        // b·h²/6 and b·h³/12: 1·5²/6, 1·5³/12.
        QTest::newRow("Rechteck 10 x 50") << Form::Vierkant << QList<double> {10, 50} << 4.1666667 << 10.4166667 << 500.0;
        QTest::newRow("Rechteck 50 x 10") << Form::Vierkant << QList<double> {50, 10} << 0.8333333 << 0.4166667 << 500.0;
        QTest::newRow("Rechteck Breite 0") << Form::Vierkant << QList<double> {0, 50} << 0.0 << 0.0 << 0.0;
        // Rectangular tube 40 × 60 × 4 by hand: I = (6³·4 − 5.2³·3.2)/12 = 414.0544/12, W = I/(H/2),
        // A = 2·s·(B + H) − 4·s² = 800 − 64 mm².
        QTest::newRow("Formrohr 40 x 60 x 4") << Form::Formrohr << QList<double> {40, 60, 4} << 11.501511 << 34.504533 << 736.0;
        // Walls that meet across the width leave the solid bar 20 × 40.
        QTest::newRow("Formrohr Wand = halbe Breite")
            << Form::Formrohr << QList<double> {20, 40, 10} << 5.3333333 << 10.6666667 << 800.0;
    }
    void werte()
    {
        QFETCH(Form, form);
        QFETCH(QList<double>, mm);
        QFETCH(double, w);
        QFETCH(double, i);
        QFETCH(double, a);
        const auto ist = werteAus(form, mm);
        QVERIFY2(nahe(ist.W, w), qPrintable(QString::number(ist.W, 'g', 12)));
        QVERIFY2(nahe(ist.I, i), qPrintable(QString::number(ist.I, 'g', 12)));
        QVERIFY2(nahe(ist.A, a), qPrintable(QString::number(ist.A, 'g', 12)));
    }

    void unmoeglicheMasse_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QList<double>>("mm");
        QTest::newRow("Rundstahl Durchmesser 0") << Form::Rundstahl << QList<double> {0};
        QTest::newRow("Rundstahl negativ") << Form::Rundstahl << QList<double> {-20};
        QTest::newRow("Rundstahl riesig") << Form::Rundstahl << QList<double> {1e100};
        QTest::newRow("Rohr Wand = halber Durchmesser") << Form::Rohr << QList<double> {20, 10};
        QTest::newRow("Rohr Wand > halber Durchmesser") << Form::Rohr << QList<double> {20, 12};
        QTest::newRow("Rohr Wand negativ") << Form::Rohr << QList<double> {20, -2};
        QTest::newRow("Rechteck Höhe 0") << Form::Vierkant << QList<double> {10, 0};
        QTest::newRow("Rechteck Höhe negativ") << Form::Vierkant << QList<double> {10, -50};
        QTest::newRow("Rechteck Breite negativ") << Form::Vierkant << QList<double> {-10, 50};
        QTest::newRow("Rechteck überläuft") << Form::Vierkant << QList<double> {1e300, 1e300};
        QTest::newRow("Formrohr Wand = halbe Höhe") << Form::Formrohr << QList<double> {80, 40, 20};
        QTest::newRow("Formrohr Wand > halbe Breite") << Form::Formrohr << QList<double> {20, 40, 15};
        QTest::newRow("Formrohr Wand negativ") << Form::Formrohr << QList<double> {40, 60, -4};
    }
    void unmoeglicheMasse()
    {
        QFETCH(Form, form);
        QFETCH(QList<double>, mm);
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, werteAus(form, mm));
    }

    void masse()
    {
        QCOMPARE(Querschnittswerte::Masse(1000, 7.85), 7.85);
        QCOMPARE(Querschnittswerte::Masse(12800, 0.6), 7.68);
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, Querschnittswerte::Masse(1e308, 1e5));
    }

    // ---- profile selection -----------------------------------------------------------------

    void oeffnenNimmtErstesProfil()
    {
        bibliothek();
        auto* d = profilDlg();
        d->FormActivate();
        QCOMPARE(eintraege(d->LB_Profilart), (QStringList {"Flachstahl", "IPE"}));
        QCOMPARE(eintraege(d->LB_Profil), (QStringList {"100x10", "80x10"}));
        QCOMPARE(auswahl(), (Auswahl {16.6667, 83.3333, 1000, 7.85, "Flachstahl", "100x10"}));
        QCOMPARE(d->L_Masse->text(), zahl("7.85"));
        QCOMPARE(d->L_W->text(), zahl("16.67"));
        QCOMPARE(d->L_Profilname->text(), QStringLiteral("100x10"));

        d->LB_Profilart->setCurrentRow(1); // as the arrow key does
        QCOMPARE(eintraege(d->LB_Profil), (QStringList {"IPE 80", "IPE 100"}));
        QCOMPARE(auswahl(), (Auswahl {20.0, 80.1, 764, 764 * 7.85 / 1000, "IPE", "IPE 80"}));
        d->LB_Profil->setCurrentRow(1);
        QCOMPARE(auswahl(), (Auswahl {34.2, 171, 1030, 1030 * 7.85 / 1000, "IPE", "IPE 100"}));
        QCOMPARE(d->L_A->text(), zahl("1030.00"));
    }

    void abbrechenStelltAnfangswerteHer()
    {
        bibliothek();
        const Auswahl vorher = auswahl(); // "Keines gewählt" / "Keiner gewählt" and zeros
        QCOMPARE(vorher.Art, QStringLiteral("Keines gewählt"));
        modal(profilDlg(), [this] {
            profilDlg()->LB_Profilart->setCurrentRow(1);
            QCOMPARE(ProfilName, QStringLiteral("IPE 80"));
            profilDlg()->CancelBtn->click();
        });
        profilDlg()->exec();
        QCOMPARE(auswahl(), vorher);
        QCOMPARE(Profilachse, TProfilachse::Keine);

        modal(profilDlg(), [this] { QTest::keyClick(profilDlg(), Qt::Key_Escape); });
        profilDlg()->exec();
        QCOMPARE(auswahl(), vorher);

        modal(profilDlg(), [this] { profilDlg()->OKBtn->click(); });
        profilDlg()->exec();
        QCOMPARE(ProfilName, QStringLiteral("100x10"));
        // Closing by the title bar keeps what was taken, as OK does.
        modal(profilDlg(), [this] { profilDlg()->LB_Profilart->setCurrentRow(1); });
        profilDlg()->exec();
        QCOMPARE(ProfilName, QStringLiteral("IPE 80"));
    }

    // Choosing an orientation takes the selected profile in it: the panel shows exactly what
    // the caller receives (a flat bar 100 × 10 across has I = 0,83 cm⁴, not 83,33).
    void ausrichtung()
    {
        bibliothek();
        auto* d = profilDlg();
        d->FormActivate();
        QCOMPARE(Profilachse, TProfilachse::Imax);
        d->RB_Quer->setChecked(true);
        QCOMPARE(d->L_W->text(), zahl("1.67"));
        QCOMPARE(d->L_I->text(), zahl("0.83"));
        QCOMPARE(auswahl(), (Auswahl {1.6667, 0.8333, 1000, 7.85, "Flachstahl", "100x10"}));
        QCOMPARE(Profilachse, TProfilachse::Imin);
        d->RB_Optimal->setChecked(true);
        QCOMPARE(d->L_I->text(), zahl("83.33"));
        QCOMPARE(auswahl(), (Auswahl {16.6667, 83.3333, 1000, 7.85, "Flachstahl", "100x10"}));
        QCOMPARE(Profilachse, TProfilachse::Imax);
        d->RB_Quer->setChecked(true);
        d->LB_Profil->setCurrentRow(1);
        QCOMPARE(auswahl(), (Auswahl {1.3333, 0.6667, 800, 800 * 7.85 / 1000, "Flachstahl", "80x10"}));
        // The choice is kept for the next opening.
        d->FormActivate();
        QVERIFY(d->RB_Quer->isChecked());
        QCOMPARE(W, 1.6667);
        QCOMPARE(I, 0.8333);

        // Setting the orientation for a caller takes nothing; the opening takes it.
        setzen({1, 2, 3, 4, "IPE", "IPE 80"});
        d->Ausrichtung_Setzen(false);
        QVERIFY(!d->Quer());
        QCOMPARE(auswahl(), (Auswahl {1, 2, 3, 4, "IPE", "IPE 80"}));
    }

    void leereBibliothek()
    {
        auto* d = profilDlg();
        d->FormActivate();
        QCOMPARE(eintraege(d->LB_Profilart), QStringList {"LEER"});
        QCOMPARE(eintraege(d->LB_Profil), QStringList {"LEER"});
        QCOMPARE(auswahl(), (Auswahl {0, 0, 0, 0, "LEER", "LEER"}));
        QCOMPARE(d->L_W->text(), zahl("0.00"));
    }

    void listenGrenzen()
    {
        for (int f = 0; f <= Max_Familie; ++f)
            profil(f, 0, QStringLiteral("Familie %1").arg(f), "P0", 1, 1, 1, 1, 1);
        for (int p = 0; p <= Max_Profil; ++p)
            profil(0, p, "Familie 0", QStringLiteral("P%1").arg(p), 1, 1, 1, 1, 1);
        auto* d = profilDlg();
        d->FormActivate();
        QCOMPARE(d->LB_Profilart->count(), 40);
        QCOMPARE(d->LB_Profilart->item(39)->text(), QStringLiteral("Familie 39"));
        QCOMPARE(d->LB_Profil->count(), 150);
        QCOMPARE(d->LB_Profil->item(149)->text(), QStringLiteral("P149"));
        // A free entry ends the list by its family text, and family 1 ends after one profile.
        Profildat[0][3].Art = "LEER";
        d->FormActivate();
        QCOMPARE(d->LB_Profil->count(), 3);
        d->LB_Profilart->setCurrentRow(1);
        QCOMPARE(eintraege(d->LB_Profil), QStringList {"P0"});
    }

    // The calculator opened from a shape button: its section is shown and kept, its cancel
    // leaves the section chosen before.
    void formknopf()
    {
        bibliothek();
        auto* d = profilDlg();
        modal(d, [this, d] {
            rundstahlRechnen(false);
            QCOMPARE(Akt_Profil, Form::Rundstahl);
            QCOMPARE(ProfilName, QStringLiteral("100x10"));
            QCOMPARE(d->L_Profilname->text(), QStringLiteral("100x10"));

            rundstahlRechnen(true);
            QCOMPARE(ProfilArt, QStringLiteral("Rundstahl"));
            QCOMPARE(d->L_Profilart->text(), QStringLiteral("Rundstahl"));
            QCOMPARE(d->L_Profilname->text(), QStringLiteral("Dm 20"));
            QCOMPARE(d->L_W->text(), zahl("0.79"));
            QCOMPARE(d->L_Masse->text(), zahl("2.47"));

            QCOMPARE(Profilachse, TProfilachse::Keine);
            d->OKBtn->click();
        });
        d->exec();
        QCOMPARE(ProfilName, QStringLiteral("Dm 20"));
        QVERIFY(nahe(Masse, 314.1592654 * 7.85 / 1000));

        // After a computed section, choosing an orientation takes the list profile in it, and
        // the panel shows that.
        modal(d, [this, d] {
            rundstahlRechnen(true);
            d->RB_Quer->setChecked(true);
            QCOMPARE(d->L_Profilname->text(), QStringLiteral("100x10"));
            QCOMPARE(d->L_I->text(), zahl("0.83"));
            d->OKBtn->click();
        });
        d->exec();
        QCOMPARE(auswahl(), (Auswahl {1.6667, 0.8333, 1000, 7.85, "Flachstahl", "100x10"}));
    }

    void eigenesProfilKnopf()
    {
        bibliothek();
        auto* d = profilDlg();
        modal(d, [this, d] {
            modal(eigen(), [this] {
                eigen()->E_Profilart->setText("Holz");
                eigen()->E_Profilname->setText("80x160");
                eigen()->E_W->setText(zahl("341.33"));
                eigen()->E_I->setText(zahl("2730.67"));
                eigen()->E_A->setText("12800");
                eigen()->OKBtn->click();
            });
            d->B_Profil_Definieren->click();
            QCOMPARE(d->L_Profilart->text(), QStringLiteral("Holz"));
            QCOMPARE(d->L_I->text(), zahl("2730.67"));
            QCOMPARE(d->L_Masse->text(), zahl("100.48"));
            d->CancelBtn->click();
        });
        d->exec();
        QCOMPARE(ProfilArt, QStringLiteral("Keines gewählt"));
    }

    // ---- section calculator ----------------------------------------------------------------

    void eingabenJeForm_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QStringList>("beschriftungen");
        QTest::newRow("Rundstahl") << Form::Rundstahl << QStringList {"Durchmesser [mm]"};
        QTest::newRow("Rohr") << Form::Rohr << QStringList {"Durchmesser [mm]", "Wanddicke [mm]"};
        QTest::newRow("Vierkant") << Form::Vierkant << QStringList {"Breite [mm]", "Höhe [mm]"};
        QTest::newRow("Formrohr") << Form::Formrohr << QStringList {"Breite [mm]", "Höhe [mm]", "Wanddicke [mm]"};
    }
    void eingabenJeForm()
    {
        QFETCH(Form, form);
        QFETCH(QStringList, beschriftungen);
        Akt_Profil = form;
        auto* r = rechnen();
        r->FormActivate();
        const QLabel* labels[] = {r->L_E1, r->L_E2, r->L_E3};
        const QLineEdit* felder[] = {r->E_E1, r->E_E2, r->E_E3};
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(!labels[k]->isHidden(), k < beschriftungen.size());
            QCOMPARE(!felder[k]->isHidden(), k < beschriftungen.size());
            if (k < beschriftungen.size())
                QCOMPARE(labels[k]->text(), beschriftungen[k]);
        }
        QCOMPARE(r->Bild->pixmap().size(), QSize(65, 65));
    }

    void berechnenNimmtQuerschnitt_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("anzeige"); // W, I, A, Masse
        QTest::newRow("Rundstahl 20") << Form::Rundstahl << QStringList {"20"} << "Rundstahl"
                                      << "Dm 20" << QStringList {"0.79", "0.79", "314.16", "2.45"};
        QTest::newRow("Rohr 60 x 5") << Form::Rohr << QStringList {"60", "5"} << "Rohr"
                                     << "Dm 60 x 5" << QStringList {"10.98", "32.94", "863.94", "6.74"};
        QTest::newRow("Rechteck 10 x 50") << Form::Vierkant << QStringList {"10", "50"} << "Rechteckprofil"
                                          << "10 x 50" << QStringList {"4.17", "10.42", "500.00", "3.90"};
        QTest::newRow("Formrohr 40 x 60 x 4 (Komma)") << Form::Formrohr << QStringList {"40", "60", "4.0"} << "Formrohr"
                                                      << "40 x 60 x 4.0" << QStringList {"11.50", "34.50", "736.00", "5.74"};
    }
    void berechnenNimmtQuerschnitt()
    {
        QFETCH(Form, form);
        QFETCH(QStringList, texte);
        QFETCH(QString, art);
        QFETCH(QString, name);
        QFETCH(QStringList, anzeige);
        for (QString& t : texte)
            t = zahl(t);
        Gamma = 7.8;
        Plattform::Meldungsrekorder rekorder;
        berechnen(form, texte);
        QCOMPARE(rekorder.pieptoene, 0);
        QCOMPARE(ProfilArt, art);
        QCOMPARE(ProfilName, zahl(name));
        QVERIFY(nahe(Masse, A * 7.8 / 1000));
        auto* r = rechnen();
        const QStringList ist {r->L_Waus->text(), r->L_Iaus->text(), r->L_Aaus->text(), r->L_Masse->text()};
        for (QString& t : anzeige)
            t = zahl(t);
        QCOMPARE(ist, anzeige);
    }

    void berechnenScheitert_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QStringList>("texte");
        QTest::newRow("leer") << Form::Rundstahl << QStringList {""};
        QTest::newRow("kein Zahl") << Form::Rundstahl << QStringList {"zwanzig"};
        QTest::newRow("Durchmesser 0") << Form::Rundstahl << QStringList {"0"};
        QTest::newRow("riesig") << Form::Rundstahl << QStringList {"1e200"};
        QTest::newRow("Rohr Wand = halber Durchmesser") << Form::Rohr << QStringList {"20", "10"};
        QTest::newRow("Rohr Wand > halber Durchmesser") << Form::Rohr << QStringList {"20", "11"};
        QTest::newRow("Rohr Wand leer") << Form::Rohr << QStringList {"20", ""};
        QTest::newRow("Rechteck Höhe 0") << Form::Vierkant << QStringList {"10", "0"};
        QTest::newRow("Rechteck Breite negativ") << Form::Vierkant << QStringList {"-10", "50"};
        QTest::newRow("Formrohr Wand = halbe Höhe") << Form::Formrohr << QStringList {"80", "40", "20"};
        QTest::newRow("Formrohr Wand > halbe Breite") << Form::Formrohr << QStringList {"20", "40", "15"};
    }
    // A failed calculation after a successful one: beep, "0" in W and I, A and mass as shown
    // before, the shared section that of the successful calculation.
    void berechnenScheitert()
    {
        QFETCH(Form, form);
        QFETCH(QStringList, texte);
        berechnen(Form::Vierkant, {"10", "50"});
        const Auswahl erfolg = auswahl();
        const QString masseErfolg = rechnen()->L_Masse->text();
        Plattform::Meldungsrekorder rekorder;
        berechnen(form, texte);
        QCOMPARE(rekorder.pieptoene, 1);
        QVERIFY(rekorder.meldungen.isEmpty());
        QCOMPARE(auswahl(), erfolg);
        auto* r = rechnen();
        QCOMPARE(r->L_Waus->text(), QStringLiteral("0"));
        QCOMPARE(r->L_Iaus->text(), QStringLiteral("0"));
        QCOMPARE(r->L_Aaus->text(), zahl("500.00"));
        QCOMPARE(r->L_Masse->text(), masseErfolg);
    }

    void abbrechenNachZweiBerechnungen()
    {
        setzen({1, 2, 3, 4, "IPE", "IPE 80"});
        const Auswahl vorher = auswahl();
        Akt_Profil = Form::Rohr;
        auto* r = rechnen();
        modal(r, [r] {
            r->E_E1->setText("60");
            r->E_E2->setText("5");
            r->B_Berechnen->click();
            QCOMPARE(ProfilArt, QStringLiteral("Rohr"));
            r->E_E1->setText("80");
            r->B_Berechnen->click();
            QCOMPARE(ProfilName, QStringLiteral("Dm 80 x 5"));
            // The help viewer closing activates the calculator again; that is no new opening.
            QTimer::singleShot(0, U_Hilfe::DLG_Hilfe, [] { U_Hilfe::DLG_Hilfe->close(); });
            r->HelpBtn->click();
            QCOMPARE(Main::Hilfeindex, int(U_Hilfe::Thema_Profil_rechnen));
            Plattform::aktivieren(r);
            r->CancelBtn->click();
        });
        r->exec();
        QCOMPARE(auswahl(), vorher);

        // OK without "Berechnen" (Enter in a field is OK) keeps the section; the title bar keeps
        // a calculated one.
        modal(r, [r] {
            r->E_E1->setText("100");
            QTest::keyClick(r->E_E1, Qt::Key_Return);
        });
        r->exec();
        QCOMPARE(r->result(), int(QDialog::Accepted));
        QCOMPARE(auswahl(), vorher);
        modal(r, [r] { r->B_Berechnen->click(); });
        r->exec();
        QCOMPARE(ProfilName, QStringLiteral("Dm 100 x 5"));
    }

    void fehlendesBildLaesstEingabenStimmen()
    {
        Akt_Profil = Form::Rundstahl;
        rechnen()->FormActivate();
        QVERIFY(QFile::remove(m_lauf->verzeichnis.daten() + "Quader.JPG"));
        m_lauf->verzeichnis.schreiben("quader.jpg", "kein Bild");
        Akt_Profil = Form::Vierkant;
        Plattform::Meldungsrekorder rekorder;
        modal(rechnen(), [this] { rechnen()->OKBtn->click(); });
        rechnen()->exec();
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Plattform::Meldungsart::Bericht);
        QVERIFY2(rekorder.meldungen[0].text.contains("quader.jpg"), qPrintable(rekorder.meldungen[0].text));
        QCOMPARE(rechnen()->L_E1->text(), QStringLiteral("Breite [mm]"));
        QVERIFY(!rechnen()->E_E2->isHidden());
        QVERIFY(rechnen()->Bild->pixmap().isNull());
        QFile::remove(m_lauf->verzeichnis.daten() + "quader.jpg");
        bilderLiefern(m_lauf->verzeichnis);
    }

    void memo()
    {
        const QStringList zeilen = rechnen()->Memo1->toPlainText().split('\n');
        QCOMPARE(zeilen.size(), 13);
        QCOMPARE(zeilen[0], QStringLiteral("Achtung bei unsymmetrischen Profilen:"));
        QCOMPARE(zeilen[1], QString());
        QCOMPARE(zeilen[7], QStringLiteral("10mm H= 50mm das höhere "));
        QCOMPARE(zeilen[8], QStringLiteral("Widerstandsmoment ergibt."));
        QCOMPARE(zeilen[12], QStringLiteral("Trägheitsmoment zu wählen ist "));
    }

    void ueberschriftDerAuswahl()
    {
        QCOMPARE(
            profilDlg()->findChild<QLabel*>(QStringLiteral("Label7"))->text(), QStringLiteral("Auswahl eines Standardprofiles"));
    }

    // ---- typed-in section ------------------------------------------------------------------

    void eigenesProfilBeispiel()
    {
        Gamma = 0.6;
        auto* e = eigen();
        e->FormActivate();
        e->E_Profilart->setText("Holz");
        e->E_Profilname->setText("80x160");
        e->E_W->setText(zahl("341.33"));
        e->E_I->setText(zahl("2730.67"));
        e->E_A->setText("12800");
        Plattform::Meldungsrekorder rekorder;
        e->OKBtn->click();
        QVERIFY(rekorder.meldungen.isEmpty());
        QCOMPARE(auswahl(), (Auswahl {341.33, 2730.67, 12800, 7.68, "Holz", "80x160"}));
        QCOMPARE(Profilachse, TProfilachse::Keine);

        // The texts are offered again at the next opening.
        e->FormActivate();
        QCOMPARE(e->E_Profilname->text(), QStringLiteral("80x160"));
    }

    // A bad field stores nothing (not even the texts or the fields before it) and keeps the
    // dialog open with what was typed, the bad field focused.
    void eigenesProfilFehlerhaft_data()
    {
        QTest::addColumn<QString>("w");
        QTest::addColumn<QString>("i");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("falsch"); // the field that is focused
        QTest::newRow("W leer") << ""
                                << "2730.67"
                                << "12800"
                                << "E_W";
        QTest::newRow("I leer") << "341.33"
                                << ""
                                << "12800"
                                << "E_I";
        QTest::newRow("A kein Zahl") << "341.33"
                                     << "2730.67"
                                     << "viel"
                                     << "E_A";
        QTest::newRow("I negativ") << "341.33"
                                   << "-2730.67"
                                   << "12800"
                                   << "E_I";
    }
    void eigenesProfilFehlerhaft()
    {
        QFETCH(QString, w);
        QFETCH(QString, i);
        QFETCH(QString, a);
        QFETCH(QString, falsch);
        setzen({1, 2, 3, 4, "IPE", "IPE 80"});
        Gamma = 0.6;
        auto* e = eigen();
        e->E_Profilart->setText("Holz");
        e->E_Profilname->setText("");
        e->E_W->setText(zahl(w));
        e->E_I->setText(zahl(i));
        e->E_A->setText(zahl(a));
        Plattform::Meldungsrekorder rekorder;
        bool offen = false;
        QString fokus;
        modal(e, [e, &offen, &fokus] {
            e->OKBtn->click();
            offen = e->isVisible();
            fokus = e->focusWidget() ? e->focusWidget()->objectName() : QString();
        });
        e->exec();
        QVERIFY(offen);
        QCOMPARE(fokus, falsch);
        QCOMPARE(rekorder.pieptoene, 1);
        QCOMPARE(rekorder.texte(), QStringList {"Die eingegebenen Werte sind fehlerhaft!"});
        QCOMPARE(rekorder.meldungen[0].art, Plattform::Meldungsart::Information);
        QCOMPARE(auswahl(), (Auswahl {1, 2, 3, 4, "IPE", "IPE 80"}));
        QCOMPARE(e->E_I->text(), zahl(i));
    }

    void masseKnopfUndAbbrechen()
    {
        setzen({1, 2, 3, 4, "IPE", "IPE 80"});
        auto* e = eigen();
        e->L_Masse->setText("alt");
        Plattform::Meldungsrekorder rekorder;
        modal(e, [e] {
            e->E_A->setText("-5");
            e->B_Berechnen->click();
            QCOMPARE(A, 3.0);
            QCOMPARE(e->L_Masse->text(), QStringLiteral("alt"));
            e->E_A->setText("1000");
            e->B_Berechnen->click();
            QCOMPARE(A, 1000.0);
            QCOMPARE(Masse, 7.85);
            QCOMPARE(e->L_Masse->text(), zahl("7.85"));
            e->CancelBtn->click();
        });
        e->exec();
        QCOMPARE(rekorder.pieptoene, 1);
        QCOMPARE(auswahl(), (Auswahl {1, 2, 3, 4, "IPE", "IPE 80"}));
    }

    // The three dialogs end alike: "Abbrechen" and Esc put back the section found at the opening,
    // the title bar's close box keeps what the dialog wrote meanwhile.
    void endeJeDialog_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("ende");
        QTest::addColumn<bool>("zurueck");
        for (const char* dialog : {"DLG_Profil", "DLG_Profil_Rechnen", "Dlg_Eigenes_Profil"}) {
            QTest::addRow("%s Abbrechen", dialog) << dialog << "Abbrechen" << true;
            QTest::addRow("%s Esc", dialog) << dialog << "Esc" << true;
            QTest::addRow("%s Titelleiste", dialog) << dialog << "Titelleiste" << false;
        }
    }
    void endeJeDialog()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, ende);
        QFETCH(bool, zurueck);
        QDialog* d = nullptr;
        for (QDialog* k : std::initializer_list<QDialog*> {profilDlg(), rechnen(), eigen()})
            if (k->objectName() == dialog)
                d = k;
        QVERIFY(d);
        bibliothek();
        setzen({1, 2, 3, 4, "IPE", "IPE 80"});
        const Auswahl vorher = auswahl();
        const Auswahl geschrieben {5, 6, 7, 8, "Eigen", "E 1"};
        modal(d, [&] {
            setzen(geschrieben); // what the dialog wrote meanwhile
            if (ende == QStringLiteral("Abbrechen"))
                d->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
            else if (ende == QStringLiteral("Esc"))
                QTest::keyClick(d, Qt::Key_Escape);
        }); // else closed by the title bar
        d->exec();
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(auswahl(), zurueck ? vorher : geschrieben);
    }

    void hilfeKnoepfe()
    {
        const struct {
            QPushButton* knopf;
            int thema;
        } faelle[] = {{profilDlg()->B_Hilfe, U_Hilfe::Thema_Profil_aussuchen},
            {rechnen()->HelpBtn, U_Hilfe::Thema_Profil_rechnen}, {eigen()->B_Hilfe, U_Hilfe::Thema_Eigenes_Profil}};
        for (const auto& f : faelle) {
            Main::Hilfeindex = -1;
            QTimer::singleShot(0, U_Hilfe::DLG_Hilfe, [] { U_Hilfe::DLG_Hilfe->close(); });
            f.knopf->click();
            QCOMPARE(Main::Hilfeindex, f.thema);
        }
    }
};

TRABEX_TEST_MAIN(TestSections)
#include "test_sections.moc"
