// The two bending dialogs as the user works them: entry routine, calculations, failures, notes.
#include "Testumgebung.h"
#include "calc/U_bieg1.h"
#include "calc/U_bieg2.h"
#include "core/Main.h"
#include "core/Unit1.h"
#include "explain/U_Formel.h"
#include "explain/U_Hilfe.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahlen.h"
#include "sections/U_profil.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <memory>

using namespace Unit1;
using Plattform::Meldungsart;
using Testumgebung::zahl;
using Zahlen::fixiert;

class TestBiegedialoge : public QObject {
    Q_OBJECT

    std::unique_ptr<Testumgebung::Programmverzeichnis> m_verzeichnis;
    std::unique_ptr<Plattform::Meldungsrekorder> m_rekorder;
    std::unique_ptr<Testumgebung::Programm> m_programm;

    TDLG_Biegung1* d1() const { return U_bieg1::DLG_Biegung1; }
    TDLG_Biegung2* d2() const { return U_bieg2::DLG_Biegung2; }

    // Chosen material and profile as the material list and the profile selection leave them.
    static void materialUndProfil()
    {
        Sorte = QStringLiteral("S235JR");
        E = 210000;
        Sigma_Zul = 120;
        W = 194;
        I = 1940;
        A = 2850;
        Masse = 22.4;
        ProfilArt = QStringLiteral("IPE");
        ProfilName = QStringLiteral("IPE 200");
    }

    void oeffnen(QWidget* dialog, int fall)
    {
        Akt_Belastungsfall = fall;
        Plattform::aktivieren(dialog);
    }

    void berechne(TDLG_Biegung1* d, const char* last, const char* laenge, const char* sigma, const char* x)
    {
        d->Felder.E_Last->setText(zahl(QString::fromLatin1(last)));
        d->Felder.E_Laenge->setText(zahl(QString::fromLatin1(laenge)));
        d->Felder.E_SigmaZul->setText(zahl(QString::fromLatin1(sigma)));
        d->Felder.E_x->setText(zahl(QString::fromLatin1(x)));
        d->Felder.B_Berechnen_W->click();
    }

    void berechne(TDLG_Biegung2* d, const char* last, const char* laenge, const char* a, const char* x)
    {
        d->Felder.E_Last->setText(zahl(QString::fromLatin1(last)));
        d->Felder.E_Laenge->setText(zahl(QString::fromLatin1(laenge)));
        d->E_Abstand->setText(zahl(QString::fromLatin1(a)));
        d->Felder.E_x->setText(zahl(QString::fromLatin1(x)));
        d->Felder.B_Berechnen_W->click();
    }

private slots:
    void init()
    {
        m_verzeichnis = std::make_unique<Testumgebung::Programmverzeichnis>();
        // Sketches in lower case: the names are matched without regard to case.
        QImage bild(64, 32, QImage::Format_RGB32);
        bild.fill(Qt::cyan);
        for (int f = 1; f <= 13; ++f)
            QVERIFY(bild.save(m_verzeichnis->daten() + QStringLiteral("b_bieg%1.bmp").arg(f), "BMP"));
        m_rekorder = std::make_unique<Plattform::Meldungsrekorder>();
        m_programm = std::make_unique<Testumgebung::Programm>(*m_verzeichnis);
        materialUndProfil();
        m_rekorder->leeren();
    }
    void cleanup()
    {
        m_programm.reset();
        m_rekorder.reset();
        m_verzeichnis.reset();
    }

    void hauptfensterZeigtDenFallImRichtigenDialog()
    {
        Main::Mainform->B_Biegung[4]->click(); // case 5
        QCOMPARE(Akt_Belastungsfall, 5);
        QVERIFY(d1()->isVisible());
        Main::Mainform->B_Biegung[8]->click(); // case 9
        QCOMPARE(Akt_Belastungsfall, 9);
        QVERIFY(d2()->isVisible());
    }

    void eintrittsroutine()
    {
        Werf = 5;
        Wxerf = 6;
        fd = 7;
        oeffnen(d1(), 5);
        QCOMPARE(d1()->windowTitle(), QStringLiteral("Biegung - Aufgelegter Träger mit Gleichlast"));
        QCOMPARE(d1()->Felder.L_Last->text(), QStringLiteral("Streckenlast [N/m] "));
        QVERIFY(!d1()->Image1->pixmap().isNull());
        QCOMPARE(d1()->Profil.L_Material->text(), QStringLiteral("S235JR"));
        QCOMPARE(d1()->Profil.L_Profil->text(), QStringLiteral("IPE 200"));
        QCOMPARE(d1()->Profil.L_Waus->text(), fixiert(194, 2));
        QCOMPARE(d1()->Felder.E_SigmaZul->text(), fixiert(120, 2));
        QCOMPARE(d1()->Felder.E_E_Modul->text(), fixiert(210000, 2));
        QCOMPARE(d1()->Felder.E_I->text(), fixiert(1940, 2));
        QCOMPARE(d1()->Felder.L_Werf->text(), zahl("0.00"));
        QCOMPARE(d1()->Felder.L_f->text(), zahl("0.0000"));
        QCOMPARE(Werf + Wxerf + fd, 0.0);
        QVERIFY(m_rekorder->meldungen.isEmpty());
    }

    void fehlendesBildMeldetEinmalUndRichtetDenRestEin()
    {
        oeffnen(d1(), 5);
        QFile::remove(m_verzeichnis->daten() + QStringLiteral("b_bieg3.bmp"));
        Werf = 5;
        oeffnen(d1(), 3);
        // The box hands the activation back to the dialog; that is no new activation.
        QCOMPARE(m_rekorder->meldungen.size(), 1);
        QCOMPARE(m_rekorder->meldungen[0].art, Meldungsart::Bericht);
        QVERIFY(m_rekorder->meldungen[0].text.contains(QStringLiteral("B_Bieg3.BMP")));
        QCOMPARE(d1()->windowTitle(), QStringLiteral("Biegung - Aufgelegter Träger mit Einzellast in der Mitte"));
        QVERIFY(d1()->Image1->pixmap().isNull());
        QCOMPARE(d1()->Felder.L_Last->text(), QStringLiteral("Kraft        [N]"));
        QCOMPARE(Werf, 0.0);
        // The window works on.
        berechne(d1(), "1000", "2000", "100", "0");
        QCOMPARE(Werf, 1000.0 * 2000 / 4 / 100 / 1000);
        QCOMPARE(m_rekorder->meldungen.size(), 1);
    }

    void widerstandsmomentUndDurchbiegung()
    {
        oeffnen(d1(), 5);
        berechne(d1(), "2500", "3000", "120", "750");
        // q = 2.5 N/mm: M = q·L²/8 = 2 812 500 N·mm; at x = 750: q·x·(L − x)/2 = 2 109 375 N·mm.
        QCOMPARE(Werf, 2812500.0 / 120 / 1000);
        QCOMPARE(d1()->Felder.L_Werf->text(), fixiert(23.4375, 2));
        QCOMPARE(d1()->Felder.L_Wxerf->text(), fixiert(17.578125, 2));
        QCOMPARE(Lx, 750.0);
        d1()->Felder.B_Berechnung_f->click();
        const double f = 5 * 2.5 * 3000.0 * 3000 * 3000 * 3000 / 384 / (210000.0 * 1940 * 10000);
        QVERIFY(qAbs(fd - f) < 1e-12);
        QCOMPARE(d1()->Felder.L_f->text(), fixiert(f, 4));
        QCOMPARE(d1()->Felder.L_L_durch_f->text(), fixiert(3000 / f, 2));
        QCOMPARE(m_rekorder->pieptoene, 0);
    }

    void zuKleinesProfilZeigtKeineDurchbiegung()
    {
        oeffnen(d1(), 3);
        berechne(d1(), "100000", "3000", "120", "0"); // Werf = 625 cm³ > W = 194
        d1()->Felder.L_f->setText(QStringLiteral("alt"));
        d1()->Felder.B_Berechnung_f->click();
        QCOMPARE(m_rekorder->texte(), QStringList {QStringLiteral("Der Widerstandswert des Profiles ist zu klein")});
        QCOMPARE(m_rekorder->meldungen[0].art, Meldungsart::Information);
        QCOMPARE(d1()->Felder.L_f->text(), QStringLiteral("alt"));
        QVERIFY(fd > 0); // computed all the same
        // Closing the box does not reset Werf: the profile is refused again.
        d1()->Felder.B_Berechnung_f->click();
        QCOMPARE(m_rekorder->meldungen.size(), 2);
        QCOMPARE(Werf, 625.0);
        QCOMPARE(d1()->Felder.L_Werf->text(), fixiert(625, 2));
        QCOMPARE(d1()->Felder.L_f->text(), QStringLiteral("alt"));
    }

    void fehlerPiepenUndBehaltenDasGespeicherte()
    {
        oeffnen(d1(), 5);
        berechne(d1(), "2500", "3000", "120", "0");
        const QString vorher = d1()->Felder.L_Werf->text();
        d1()->Felder.E_SigmaZul->setText(QStringLiteral("abc"));
        d1()->Felder.E_Last->setText(zahl("1000"));
        d1()->Felder.E_Laenge->setText(zahl("2000"));
        d1()->Felder.L_Werf->setText(vorher);
        d1()->Felder.B_Berechnen_W->click();
        QCOMPARE(m_rekorder->pieptoene, 1);
        QVERIFY(m_rekorder->meldungen.isEmpty());
        QCOMPARE(F, 1000.0); // read before the failing field
        QCOMPARE(L, 2000.0);
        QCOMPARE(d1()->Felder.L_Werf->text(), vorher);

        // The other decimal separator is no number either.
        d1()->Felder.E_SigmaZul->setText(Testumgebung::deutsch() ? QStringLiteral("1.5") : QStringLiteral("1,5"));
        d1()->Felder.B_Berechnen_W->click();
        QCOMPARE(m_rekorder->pieptoene, 2);
    }

    void nurDerXTeilScheitert()
    {
        oeffnen(d1(), 2);
        berechne(d1(), "1000", "2000", "100", "-10"); // potenz of a negative x
        QCOMPARE(m_rekorder->pieptoene, 1);
        QCOMPARE(Werf, 1.0 * 2000 * 2000 / 2 / 100 / 1000); // already stored
        QCOMPARE(d1()->Felder.L_Werf->text(), QStringLiteral("0")); // not refreshed
    }

    void durchbiegungsfehler()
    {
        oeffnen(d1(), 1);
        E = 0; // no material chosen
        berechne(d1(), "1000", "2000", "100", "0");
        d1()->Felder.B_Berechnung_f->click();
        QCOMPARE(m_rekorder->pieptoene, 1);
        QCOMPARE(d1()->Felder.E_E_Modul->text(), fixiert(0, 2)); // the used E is written back

        // A deflection of 0: L/f fails after the guard with the general error report.
        E = 210000;
        d1()->Felder.E_Last->setText(QStringLiteral("0"));
        d1()->Felder.E_E_Modul->setText(fixiert(210000, 2));
        d1()->Felder.L_L_durch_f->setText(QStringLiteral("alt"));
        d1()->Felder.B_Berechnung_f->click();
        QCOMPARE(m_rekorder->meldungen.size(), 1);
        QCOMPARE(m_rekorder->meldungen[0].art, Meldungsart::Bericht);
        QCOMPARE(m_rekorder->meldungen[0].text, QStringLiteral("Gleitkommadivision durch Null"));
        QCOMPARE(d1()->Felder.L_f->text(), zahl("0.0000"));
        QCOMPARE(d1()->Felder.L_L_durch_f->text(), QStringLiteral("alt"));
    }

    void aenderungenSetzenErgebnisseZurueck()
    {
        oeffnen(d1(), 1);
        berechne(d1(), "1000", "2000", "100", "500");
        d1()->Felder.B_Berechnung_f->click();
        d1()->Felder.E_I->setText(zahl("100"));
        QCOMPARE(d1()->Felder.L_f->text(), QStringLiteral("0"));
        QCOMPARE(d1()->Felder.L_L_durch_f->text(), QStringLiteral("0"));
        QCOMPARE(d1()->Felder.L_Werf->text(), fixiert(20, 2));
        d1()->Felder.E_x->setText(zahl("600"));
        QCOMPARE(d1()->Felder.L_Werf->text(), QStringLiteral("0"));
        QCOMPARE(d1()->Felder.L_Wxerf->text(), QStringLiteral("0"));
        // The typed modulus is replaced by the material's on the next deflection.
        d1()->Felder.E_E_Modul->setText(QStringLiteral("1"));
        d1()->Felder.B_Berechnung_f->click();
        QCOMPARE(d1()->Felder.E_E_Modul->text(), fixiert(210000, 2));
        QCOMPARE(fd, 1000.0 * 2000 * 2000 * 2000 / 3 / (210000.0 * 100 * 10000));
    }

    void fallDesAnderenDialogsWirdNichtBerechnet()
    {
        oeffnen(d1(), 5);
        const QString titel = d1()->windowTitle();
        d1()->Felder.E_Last->setText(zahl("999"));
        oeffnen(d1(), 4);
        QCOMPARE(d1()->windowTitle(), titel);
        F = 7;
        Werf = 3.5;
        d1()->Felder.B_Berechnen_W->click();
        QCOMPARE(F, 7.0); // nothing read
        QCOMPARE(d1()->Felder.L_Werf->text(), fixiert(3.5, 2));
        Werf = 0;
        fd = 2;
        L = 1000;
        d1()->Felder.B_Berechnung_f->click(); // straight to the check and the display
        QCOMPARE(d1()->Felder.L_f->text(), fixiert(2, 4));
        QCOMPARE(d1()->Felder.L_L_durch_f->text(), fixiert(500, 2));

        Akt_Belastungsfall = 5;
        F = 7;
        d2()->Felder.L_Werf->setText(QStringLiteral("x"));
        d2()->L_Hinweis_W->setText(QStringLiteral("alt"));
        d2()->Felder.B_Berechnen_W->click();
        QCOMPARE(F, 7.0);
        QCOMPARE(d2()->Felder.L_Werf->text(), fixiert(0, 2));
        QCOMPARE(d2()->L_Hinweis_W->text(), QString());
        QCOMPARE(m_rekorder->pieptoene, 0);
    }

    void profilAussuchenFrischtAuf()
    {
        oeffnen(d1(), 1);
        berechne(d1(), "1000", "2000", "100", "0");
        d1()->Felder.B_Berechnung_f->click();
        W = 557;
        I = 5790;
        ProfilName = QStringLiteral("IPE 300");
        QTimer::singleShot(0, U_profil::DLG_Profil, [] {
            Plattform::aktivieren(U_profil::DLG_Profil); // offscreen windows are not activated by themselves
            U_profil::DLG_Profil->CancelBtn->click();
        });
        d1()->B_Profil_suchen->click();
        QCOMPARE(d1()->Profil.L_Profil->text(), QStringLiteral("IPE 300"));
        QCOMPARE(d1()->Profil.L_Waus->text(), fixiert(557, 2));
        QCOMPARE(d1()->Felder.E_I->text(), fixiert(5790, 2));
        QCOMPARE(d1()->Felder.L_f->text(), QStringLiteral("0"));
        QCOMPARE(d1()->Felder.L_L_durch_f->text(), QStringLiteral("0"));
    }

    void formelHilfeUndSchliessen()
    {
        for (QDialog* d : {static_cast<QDialog*>(d1()), static_cast<QDialog*>(d2())}) {
            const int fall = d == d1() ? 11 : 12;
            Main::Dialog_Zeigen(d);
            oeffnen(d, fall);
            QTimer::singleShot(0, U_Formel::DLG_Formel, &QDialog::reject);
            d->findChild<QPushButton*>(QStringLiteral("B_Formel"))->click();
            QCOMPARE(Main::Formelindex, fall);
            QTimer::singleShot(0, U_Hilfe::DLG_Hilfe, &QDialog::reject);
            d->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
            QCOMPARE(Main::Hilfeindex, int(U_Hilfe::Thema_Biegung));
            d->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
            QVERIFY(!d->isVisible());
        }
    }

    void fall9HinweiseUndMitte()
    {
        oeffnen(d2(), 9);
        QCOMPARE(d2()->Felder.L_Last->text(), QStringLiteral("Streckenlast [N/m] "));
        d2()->Felder.E_SigmaZul->setText(zahl("100"));
        berechne(d2(), "4000", "4000", "1000", "2000"); // a = L/4
        QCOMPARE(d2()->L_Hinweis_W->text(), QStringLiteral("Der gefährdete Querschnitt ist beim Auflager!"));
        QCOMPARE(Werf, 4.0 * 1000 * 1000 / 2 / 100 / 1000);
        QCOMPARE(Wxerf, 0.0); // mid-span moment vanishes at a = L/4
        d2()->Felder.E_I->setText(zahl("1000"));
        d2()->Felder.B_Berechnung_f->click();
        QCOMPARE(d2()->L_Hinweis_f->text(), QStringLiteral("Die max Durchbiegung ist an den Trägerrändern!"));
        QCOMPARE(d2()->L_Hinweis_W->text(), QStringLiteral("Der gefährdete Querschnitt ist beim Auflager!"));

        berechne(d2(), "4000", "4000", "400", "2000"); // a = L/10
        QCOMPARE(d2()->L_Hinweis_W->text(), QStringLiteral("Der gefährdete Querschnitt ist in Trägermitte!"));
        d2()->Felder.B_Berechnung_f->click();
        QCOMPARE(d2()->L_Hinweis_f->text(), QStringLiteral("Die max Durchbiegung ist in Trägermitte!"));
        // Mid-span: q·l²·(5·l² − 24·a²)/384 with q = 4 N/mm, l = 3200, a = 400.
        const double l = 3200, a = 400;
        QVERIFY(qAbs(fd - 4 * l * l * (5 * l * l - 24 * a * a) / 384 / (210000.0 * 1000 * 10000)) < 1e-12);

        // A failure after the note was set keeps the note; L_Werf keeps its text.
        berechne(d2(), "4000", "4000", "400", "-50");
        QCOMPARE(m_rekorder->pieptoene, 1);
        QCOMPARE(d2()->L_Hinweis_W->text(), QStringLiteral("Der gefährdete Querschnitt ist in Trägermitte!"));
        QCOMPARE(d2()->Felder.L_Werf->text(), QStringLiteral("0")); // cleared by the typing, not refreshed
    }

    void fall12Und4UndDieXZeile()
    {
        oeffnen(d2(), 12);
        QVERIFY(d2()->Felder.E_x->isHidden());
        QVERIFY(d2()->Label15->isHidden());
        d2()->Felder.E_SigmaZul->setText(zahl("100"));
        berechne(d2(), "1000", "2000", "1000", "0"); // a = L/2
        QCOMPARE(d2()->L_Hinweis_W->text(), QStringLiteral("Der gefährdete Querschnitt ist im Festlager!"));
        QCOMPARE(Werf, 3.0 * 1000 * 2000 / 16 / 100 / 1000);
        QCOMPARE(d2()->Felder.L_Wxerf->text(), fixiert(0, 2));
        d2()->Felder.B_Berechnung_f->click();
        QCOMPARE(d2()->L_Hinweis_f->text(), QStringLiteral("Berechnete Durchbiegung ist nicht die Maximale!"));

        oeffnen(d2(), 4);
        QVERIFY(!d2()->Felder.E_x->isHidden());
        QCOMPARE(d2()->L_Hinweis_W->text(), QString());
        d2()->Felder.E_SigmaZul->setText(zahl("100"));
        berechne(d2(), "1000", "2000", "500", "2000");
        QCOMPARE(Abstand_b, 1500.0);
        QCOMPARE(Wxerf, 0.0); // x = L: the far support
        d2()->Felder.B_Berechnung_f->click();
        QCOMPARE(d2()->L_Hinweis_f->text(), QStringLiteral("Berechnete Durchbiegung ist nicht die maximale!"));

        // Typing empties both notes; E and I only the deflection note.
        d2()->L_Hinweis_W->setText(QStringLiteral("W"));
        d2()->Felder.E_I->setText(zahl("5"));
        QCOMPARE(d2()->L_Hinweis_f->text(), QString());
        QCOMPARE(d2()->L_Hinweis_W->text(), QStringLiteral("W"));
        d2()->E_Abstand->setText(zahl("600"));
        QCOMPARE(d2()->L_Hinweis_W->text(), QString());
    }
};

TRABEX_TEST_MAIN(TestBiegedialoge)
#include "test_biegedialoge.moc"
