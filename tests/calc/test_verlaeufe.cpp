// The windows beside the calculation dialogs: what a calculation hands over, the diagrams and
// the steps they show, and the report pages that print them.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/platform/Zahlen.h"
#include "gui/Main.h"
#include "gui/calc/U_bieg1.h"
#include "gui/calc/U_bieg2.h"
#include "gui/calc/U_knick.h"
#include "gui/calc/U_verlauf.h"
#include "gui/data/Tab_Werkstoffauswahl.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/report/U_Printgr.h"
#include "gui/report/U_druck.h"
#include "gui/report/Zusatzseiten.h"

#include <QAbstractSeries>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Unit1;
using Testumgebung::zahl;
using Zahlen::fixiert;

namespace {

TDLG_Verlaeufe* fenster(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return qobject_cast<TDLG_Verlaeufe*>(w);
    return nullptr;
}

QStringList seriennamen(QChartView* ansicht)
{
    QStringList namen;
    for (QAbstractSeries* s : ansicht->chart()->series())
        namen << s->name();
    return namen;
}

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The leftmost column that is neither white nor the chart's background over 40 pixels below
// `oben`, left of the middle: the value axis of the diagram at that height.
int linkeGitterkante(const QImage& bild, int oben)
{
    for (int x = 0; x < bild.width() / 2; ++x) {
        bool linie = true;
        for (int y = oben; y < oben + 40 && linie; ++y)
            linie = qGray(bild.pixel(x, y)) < 250;
        if (linie)
            return x;
    }
    return -1;
}

} // namespace

class TestVerlaeufe : public QObject {
    Q_OBJECT

    std::unique_ptr<Testumgebung::Programmverzeichnis> m_verzeichnis;
    std::unique_ptr<Plattform::Meldungsrekorder> m_rekorder;
    std::unique_ptr<Testumgebung::Programm> m_programm;

    TDLG_Biegung1* d1() const { return U_bieg1::DLG_Biegung1; }

    // Case 5, q = 5000 N/m, L = 4000 mm, σ = 120, x = 1000, IPE 200 of S235.
    void fall5Rechnen(const char* last = "5000")
    {
        Akt_Belastungsfall = 5;
        Plattform::aktivieren(d1());
        d1()->Felder.E_Last->setText(zahl(QString::fromLatin1(last)));
        d1()->Felder.E_Laenge->setText(QStringLiteral("4000"));
        d1()->Felder.E_SigmaZul->setText(QStringLiteral("120"));
        d1()->Felder.E_x->setText(QStringLiteral("1000"));
        d1()->Felder.B_Berechnen_W->click();
        d1()->Felder.B_Berechnung_f->click();
    }

private slots:
    void init()
    {
        m_verzeichnis = std::make_unique<Testumgebung::Programmverzeichnis>();
        QImage bild(64, 32, QImage::Format_RGB32);
        bild.fill(Qt::cyan);
        for (const QString& n : {QStringLiteral("B_Bieg5.BMP"), QStringLiteral("B_Bieg9.BMP"), QStringLiteral("B_Knick1.BMP")})
            QVERIFY(bild.save(m_verzeichnis->daten() + n, "BMP"));
        m_rekorder = std::make_unique<Plattform::Meldungsrekorder>();
        m_programm = std::make_unique<Testumgebung::Programm>(*m_verzeichnis);
        Sorte = QStringLiteral("S235JR");
        E = 210000;
        Sigma_Zul = 120;
        W = 194.3;
        I = 1943;
        A = 2848;
        ProfilArt = QStringLiteral("IPE");
        ProfilName = QStringLiteral("IPE 200");
        m_rekorder->leeren();
    }
    void cleanup()
    {
        m_programm.reset();
        m_rekorder.reset();
        m_verzeichnis.reset();
    }

    void zeigtDieRechnungDesDialogs()
    {
        fall5Rechnen();
        QCOMPARE(d1()->Felder.L_Werf->text(), fixiert(83.33333, 2));
        d1()->findChild<QPushButton*>(QStringLiteral("B_Verlaeufe"))->click();
        TDLG_Verlaeufe* v = fenster("DLG_Verlaeufe");
        QVERIFY(v && v->isVisible());
        // The marked extremes are the dialog's: M = Werf·σ·1000 N·mm = 10 000 N·m, f = fd.
        QVERIFY(seriennamen(v->CV_Moment)
                    .contains(QStringLiteral("max M = %1 N·m (x = %2 mm)").arg(fixiert(10000, 2), fixiert(2000, 1))));
        QVERIFY(seriennamen(v->CV_Durchbiegung)
                    .contains(QStringLiteral("max f = %1 mm (x = %2 mm)").arg(d1()->Felder.L_f->text(), fixiert(2000, 1))));
        QVERIFY(
            seriennamen(v->CV_Moment).contains(QStringLiteral("x = %1 mm: M = %2 N·m").arg(fixiert(1000, 1), fixiert(7500, 2))));
        // The steps end in the values the dialog stored.
        const QString text = v->M_Rechenweg->toPlainText();
        QVERIFY(text.contains(Rechenweg::wert(Werf, QStringLiteral("cm³"))));
        QVERIFY(text.contains(Rechenweg::wert(fd, QStringLiteral("mm"))));
        QVERIFY(text.contains(QStringLiteral("q = F / 1000")));
        // The verdicts the dialog shows lead the steps, as on the report.
        QVERIFY(d1()->Felder.L_Nachweis_W->text().startsWith(QStringLiteral("Nachweis Biegung: ")));
        QVERIFY2(text.startsWith(d1()->windowTitle() + QStringLiteral("\n\nNachweis\n1. ") + d1()->Felder.L_Nachweis_W->text()
                     + QStringLiteral("\n2. ") + d1()->Felder.L_Nachweis_f->text()),
            qPrintable(text));

        // One window, brought up to date by the next calculation.
        fall5Rechnen("10000");
        QCOMPARE(fenster("DLG_Verlaeufe"), v);
        QVERIFY(seriennamen(v->CV_Moment)
                    .contains(QStringLiteral("max M = %1 N·m (x = %2 mm)").arg(fixiert(20000, 2), fixiert(2000, 1))));
    }

    // On a laptop's screen (1366 × 720 less the frame) every label, axis title and legend entry of
    // the diagrams shows whole: none is shortened; what does not fit scrolls.
    void achsenLesbarAufDemLaptop()
    {
        fall5Rechnen();
        U_verlauf::Zeigen(U_verlauf::Art::Biegung, d1());
        TDLG_Verlaeufe* v = fenster("DLG_Verlaeufe");
        v->resize(1358, 688);
        QVERIFY(QTest::qWaitForWindowExposed(v));
        for (QChartView* a : {v->CV_Querkraft, v->CV_Moment, v->CV_Durchbiegung}) {
            QTRY_VERIFY(a->chart()->plotArea().height() > 0);
            QStringList texte;
            for (const QGraphicsItem* i : a->scene()->items())
                if (const auto* t = dynamic_cast<const QGraphicsTextItem*>(i); t && t->isVisible())
                    texte << t->toPlainText();
            QVERIFY(texte.size() > 8); // title, legend, labels and titles of both axes
            for (const QString& t : texte) // the charts shorten with three dots
                QVERIFY2(!t.contains(QStringLiteral("...")) && !t.contains(u'…'),
                    qPrintable(a->objectName() + QStringLiteral(": ") + t));
        }
    }

    // The shear labels (±10 000) are wider than the deflection's (0…10): the plot areas still
    // line up, on screen and in the PNG, so that one x is one column through all three.
    void diagrammeBuendigUndAlsPng()
    {
        fall5Rechnen();
        U_verlauf::Zeigen(U_verlauf::Art::Biegung, d1());
        TDLG_Verlaeufe* v = fenster("DLG_Verlaeufe");
        QVERIFY(QTest::qWaitForWindowExposed(v));
        const auto links = [v](QChartView* a) {
            return a->mapTo(v, a->mapFromScene(a->chart()->mapToScene(a->chart()->plotArea().topLeft()))).x();
        };
        QTRY_COMPARE(links(v->CV_Durchbiegung), links(v->CV_Querkraft));
        QTRY_COMPARE(links(v->CV_Moment), links(v->CV_Querkraft));

        const QString png = m_verzeichnis->pfad() + QStringLiteral("verlaeufe.png");
        v->Als_PNG_Speichern(png);
        const QImage bild(png);
        QCOMPARE(bild.width(), 1600);
        // The left edge of each plot area is the leftmost column of its grid (light grey lines
        // running down the whole plot); one column for all three diagrams.
        QList<int> kanten;
        for (int oben : {bild.height() * 30 / 100, bild.height() * 55 / 100, bild.height() * 80 / 100})
            kanten << linkeGitterkante(bild, oben);
        QVERIFY2(kanten[0] > 0 && kanten[0] == kanten[1] && kanten[1] == kanten[2],
            qPrintable(QStringLiteral("%1 %2 %3").arg(kanten[0]).arg(kanten[1]).arg(kanten[2])));
    }

    // A name typed without an extension gets the one of the format; one with an extension is
    // written as typed.
    void speichernMitEndung_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("geschrieben");
        QTest::newRow("PDF ohne Endung") << true << "Träger"
                                         << "Träger.pdf";
        QTest::newRow("PDF mit Endung") << true << "bericht.pdf"
                                        << "bericht.pdf";
        QTest::newRow("PDF mit Punkt am Ende") << true << "bericht."
                                               << "bericht.pdf";
        QTest::newRow("PNG ohne Endung") << false << "verlaeufe"
                                         << "verlaeufe.png";
        QTest::newRow("PNG mit großer Endung") << false << "verlaeufe.PNG"
                                               << "verlaeufe.PNG";
    }
    void speichernMitEndung()
    {
        QFETCH(bool, pdf);
        QFETCH(QString, eingabe);
        QFETCH(QString, geschrieben);
        fall5Rechnen();
        U_verlauf::Zeigen(U_verlauf::Art::Biegung, d1());
        TDLG_Verlaeufe* v = fenster("DLG_Verlaeufe");
        const QString ordner = m_verzeichnis->pfad();
        const QString datei = pdf ? v->Als_PDF_Speichern(ordner + eingabe) : v->Als_PNG_Speichern(ordner + eingabe);
        QCOMPARE(datei, ordner + geschrieben);
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(4) == (pdf ? QByteArray("%PDF") : QByteArray("\x89PNG")));
        QVERIFY(eingabe == geschrieben || !QFile::exists(ordner + eingabe));
    }

    void ohneSteifigkeitKeineDurchbiegungslinie()
    {
        fall5Rechnen();
        E = 0; // no material chosen: the deflection fails, the lines of forces stay
        d1()->Felder.B_Berechnen_W->click();
        U_verlauf::Zeigen(U_verlauf::Art::Biegung, d1());
        TDLG_Verlaeufe* v = fenster("DLG_Verlaeufe");
        QVERIFY(!v->CV_Durchbiegung->isVisibleTo(v));
        QCOMPARE(
            v->L_Hinweis->text(), QStringLiteral("Keine Durchbiegungslinie: Elastizitätsmodul E oder Trägheitsmoment I ist 0."));
        QVERIFY(!seriennamen(v->CV_Moment).isEmpty());
    }

    void fehlgeschlageneRechnungSagtEs()
    {
        Akt_Belastungsfall = 9;
        Plattform::aktivieren(U_bieg2::DLG_Biegung2);
        TDLG_Biegung2* d = U_bieg2::DLG_Biegung2;
        d->Felder.E_Last->setText(QStringLiteral("5000"));
        d->Felder.E_Laenge->setText(QStringLiteral("4000"));
        d->E_Abstand->setText(QStringLiteral("0")); // a = 0: the beep
        d->Felder.B_Berechnen_W->click();
        QCOMPARE(m_rekorder->pieptoene, 1);
        const auto& teile = U_verlauf::stand(U_verlauf::Art::Biegung).protokoll.teile;
        QCOMPARE(teile.size(), 1);
        QCOMPARE(teile[0].second.last().was, QStringLiteral("Abbruch"));
        U_verlauf::Zeigen(U_verlauf::Art::Biegung, d);
        // No diagrams of a calculation the dialog refused.
        QVERIFY(fenster("DLG_Verlaeufe")->L_Hinweis->text().startsWith(QStringLiteral("Keine Verläufe: ")));
    }

    void knicklinieMitDerStuetze()
    {
        Akt_Belastungsfall = 1;
        Matdat[0]
            = Matrecord {QStringLiteral("S235JR"), 210000, 360, 192, 103.9, 310, 1.14, 7.85, QStringLiteral("Stahl"), 0, 0, 0};
        Main::Mainform->TS_Werkstoffauswahl->LB_Material->addItem(Matdat[0].Sorte);
        Main::Mainform->TS_Werkstoffauswahl->LB_Material->setCurrentRow(0);
        Sigma_P = 192;
        GrenzSchlankheit = 103.9;
        TDLG_Knickung* d = U_knick::DLG_Knickung;
        Plattform::aktivieren(d);
        d->E_Last->setText(QStringLiteral("100000"));
        d->E_Laenge->setText(QStringLiteral("4000"));
        d->E_Sicherheit->setText(QStringLiteral("3"));
        d->B_Berechnung_Knicksicherheit->click();
        d->findChild<QPushButton*>(QStringLiteral("B_Knicklinie"))->click();
        TDLG_Verlaeufe* v = fenster("DLG_Knicklinie");
        QVERIFY(v && v->isVisible());
        QVERIFY(seriennamen(v->CV_Knicklinie)
                    .contains(
                        QStringLiteral("Stütze: λ = %1, σK = %2 N/mm²").arg(fixiert(Schlankheitsgrad, 2), fixiert(Sigma_K, 2))));
        QCOMPARE(v->L_Hinweis->text(), QStringLiteral("Tetmajer-Bereich: λ < λ0, unelastisches Knicken"));
        QVERIFY(v->M_Rechenweg->toPlainText().contains(QStringLiteral("λ < λ0, es gilt die Tetmajer-Gerade")));
    }

    void berichtMitZweiterSeite()
    {
        fall5Rechnen();
        Zusatzseiten::kopf() = {QStringLiteral("Hallenneubau"), QStringLiteral("Pos. 12"), QStringLiteral("M. Muster")};
        const QString pdf = m_verzeichnis->pfad() + QStringLiteral("bericht.pdf");
        QPrinter& drucker = U_Printgr::Printer();
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        const Zusatzseiten::Inhalt zusatz = U_verlauf::Zusatzinhalt(U_verlauf::Art::Biegung);
        U_druck::Biegung1_Drucken(nullptr, d1()->windowTitle(), Biegedialog::Seitenwerte(d1()->Felder), &zusatz);
        const QString text = pdfText(pdf);
        QVERIFY2(
            text.contains(QStringLiteral("Seite 1 von 2")) || text.contains(QStringLiteral("Seite 1 von 3")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Projekt: Hallenneubau")));
        QVERIFY(text.contains(QStringLiteral("Bearbeiter: M. Muster")));
        QVERIFY(text.contains(QStringLiteral("Rechenweg")));
        QVERIFY(text.contains(Rechenweg::zahl(Werf)));
        // The first page is the one-page report as before.
        QVERIFY(text.contains(QStringLiteral("Werf [cm3]")));
    }
};

TRABEX_TEST_MAIN(TestVerlaeufe)
#include "test_verlaeufe.moc"
