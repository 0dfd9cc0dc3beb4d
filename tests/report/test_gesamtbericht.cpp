// The report of a whole project: each position's pages say word for word what its dialog prints
// when the user works it by hand; the cover lists every position with the page it starts on,
// every page is headed with the project and its position and numbered over the whole
// document; a position that cannot be computed gets a page that says why and the rest is
// printed; the user's calculation state is left as it was.
#include "Pdftext.h"
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/platform/Zahlen.h"
#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Positionszustand.h"
#include "core/projekt/Projektdatei.h"
#include "gui/Main.h"
#include "gui/calc/Traegertexte.h"
#include "gui/calc/U_bieg1.h"
#include "gui/calc/U_bieg2.h"
#include "gui/calc/U_knick.h"
#include "gui/calc/U_scher.h"
#include "gui/calc/U_traeger.h"
#include "gui/data/Tab_Werkstoffauswahl.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/projekt/Dateimenue.h"
#include "gui/projekt/Projektstand.h"
#include "gui/report/Gesamtbericht.h"
#include "gui/report/U_Printgr.h"
#include "gui/report/U_druck.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDate>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <memory>

using namespace Unit1;
using Testumgebung::klicken;
using Testumgebung::tippen;

namespace {

QString zahl(double v) { return Testumgebung::zahl(QString::number(v, 'g', 17)); }

QByteArray bmp()
{
    QImage bild(40, 20, QImage::Format_RGB32);
    bild.fill(Qt::gray);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "BMP");
    return daten;
}

void aufPdf(QPrinter& drucker, const QString& datei)
{
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setResolution(1200);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
    drucker.setOutputFileName(datei);
}

QString kopfzeile(const Projekt::Position& p) { return QStringLiteral("Position: %1 %2").arg(p.nr, p.titel); }

// The words of pages without the title block (date, page number, program, notice) and the
// head, which differ between a report alone and in the project's report by design.
QStringList inhalt(const QStringList& seiten, const QStringList& kopf)
{
    QStringList w;
    for (QString s : seiten) {
        s.remove(QRegularExpression(QStringLiteral(R"(Seite\s*\d+(\s+von\s+\d+)?)")));
        s.remove(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        s.remove(QStringLiteral("Trabex für Windows"));
        s.remove(U_druck::Hinweiszeile);
        for (const QString& k : kopf)
            s.remove(k);
        w += Pdftext::woerter(s);
    }
    return w;
}

} // namespace

class TestGesamtbericht : public QObject {
    Q_OBJECT

    std::unique_ptr<Testumgebung::Programmlauf> m_lauf;
    Projekt::Daten m_projekt;
    QString m_dialogPdf, m_projektPdf;

    // The position in the shared state as opening it leaves it, then the case's dialog shown.
    void oeffnen(const Projekt::Position& p, QWidget* dialog)
    {
        Positionszustand::einsetzen(p);
        Plattform::aktivieren(dialog);
    }

    // The dialog's "Drucken" with the head filled in as the project's report has it; the
    // printer set-up is cancelled, which prints on the program's printer.
    QStringList dialogDrucken(QWidget* dialog, const Projekt::Position& p)
    {
        QTimer antworten;
        QObject::connect(&antworten, &QTimer::timeout, dialog, [&] {
            QWidget* offen = QApplication::activeModalWidget();
            if (offen && offen->objectName() == QStringLiteral("DLG_Berichtskopf")) {
                offen->findChild<QLineEdit*>(QStringLiteral("E_Projekt"))->setText(m_projekt.kopf.bezeichnung);
                offen->findChild<QLineEdit*>(QStringLiteral("E_Position"))->setText(p.nr + QLatin1Char(' ') + p.titel);
                offen->findChild<QLineEdit*>(QStringLiteral("E_Bearbeiter"))->setText(m_projekt.kopf.bearbeiter);
                static_cast<QDialog*>(offen)->accept();
            } else if (auto* setup = qobject_cast<QPrintDialog*>(offen)) {
                setup->reject();
            }
        });
        antworten.start(0);
        klicken(dialog, "B_Drucken");
        antworten.stop();
        return Pdftext::seiten(m_dialogPdf);
    }

    QStringList haendisch(int i)
    {
        const Projekt::Position& p = m_projekt.positionen.at(i);
        switch (p.art) {
        case Projekt::Art::Biegung: {
            const bool mitAbstand = QList<int> {4, 8, 9, 12}.contains(p.fall);
            QWidget* d = mitAbstand ? static_cast<QWidget*>(U_bieg2::DLG_Biegung2) : U_bieg1::DLG_Biegung1;
            oeffnen(p, d);
            tippen(d, "E_Last", zahl(p.last));
            tippen(d, "E_Laenge", zahl(p.laenge));
            tippen(d, "E_SigmaZul", zahl(p.sigma_zul));
            if (mitAbstand)
                tippen(d, "E_Abstand", zahl(p.abstand));
            if (p.fall != 8 && p.fall != 12)
                tippen(d, "E_x", zahl(p.x));
            d->findChild<QCheckBox*>(QStringLiteral("ChB_Eigengewicht"))->setChecked(p.eigengewicht);
            klicken(d, "B_Berechnen_W");
            klicken(d, "B_Berechnung_f");
            return dialogDrucken(d, p);
        }
        case Projekt::Art::Knickung: {
            Matrecord& m = Matdat[0];
            m.Sorte = p.werkstoff.name;
            m.E = p.werkstoff.E;
            m.SigmaP = p.werkstoff.sigma_p;
            m.Tetmaier1 = p.werkstoff.tetmajer_a;
            m.Tetmaier2 = p.werkstoff.tetmajer_b;
            QListWidget* liste = Main::Mainform->TS_Werkstoffauswahl->LB_Material;
            liste->clear();
            liste->addItem(m.Sorte);
            liste->setCurrentRow(0);
            TDLG_Knickung* d = U_knick::DLG_Knickung;
            oeffnen(p, d);
            tippen(d, "E_Last", zahl(p.last));
            tippen(d, "E_Laenge", zahl(p.laenge));
            tippen(d, "E_Sicherheit", zahl(p.sicherheit));
            klicken(d, "B_Berechnung_I");
            klicken(d, "B_Berechnung_Knicksicherheit");
            return dialogDrucken(d, p);
        }
        case Projekt::Art::Scherung: {
            TDLG_Scherung* d = U_scher::DLG_Scherung;
            oeffnen(p, d);
            tippen(d, "E_Last", zahl(p.last));
            tippen(d, "E_SigmaZul", zahl(p.sigma_zul));
            klicken(d, "B_Berechnung_Flaeche");
            return dialogDrucken(d, p);
        }
        case Projekt::Art::Traeger: {
            TDLG_Traeger* d = U_traeger::DLG_Traeger;
            Positionszustand::einsetzen(p); // as opening the position from the list does
            d->Position_Zeigen(p);
            return dialogDrucken(d, p);
        }
        }
        return {};
    }

    void projektDrucken(const Projekt::Daten& projekt)
    {
        QPrinter drucker(QPrinter::HighResolution);
        aufPdf(drucker, m_projektPdf);
        Gesamtbericht::Drucken(drucker, projekt);
    }

private slots:
    void init()
    {
        m_lauf = std::make_unique<Testumgebung::Programmlauf>([](const Testumgebung::Programmverzeichnis& v) {
            for (const char* name : {"B_Bieg5.BMP", "B_Bieg9.bmp", "B_Knick1.bmp", "B_Scher.bmp"})
                v.schreiben(QString::fromLatin1(name), bmp());
        });
        m_projekt = Projektdatei::laden(QStringLiteral(PROJEKT_FIXTURES "/beispiel.trabex"));
        m_dialogPdf = m_lauf->verzeichnis.pfad() + QStringLiteral("dialog.pdf");
        m_projektPdf = m_lauf->verzeichnis.pfad() + QStringLiteral("projekt.pdf");
        aufPdf(U_Printgr::Printer(), m_dialogPdf);
    }
    void cleanup() { m_lauf.reset(); }

    // Each position's pages (found by their head) carry the words its dialog prints, in order:
    // the example, and a beam of the second bending dialog with its notes and an x.
    void seitenWieImDialog()
    {
        Projekt::Position traeger = m_projekt.positionen.at(0);
        traeger.nr = QStringLiteral("4");
        traeger.titel = QStringLiteral("Unterzug");
        traeger.fall = 9;
        traeger.abstand = 1000;
        traeger.x = 1500;
        traeger.eigengewicht = false;
        traeger.grenze = 200;
        m_projekt.positionen.append(traeger);
        projektDrucken(m_projekt);
        const QStringList projektseiten = Pdftext::seiten(m_projektPdf);
        const Projekt::Kopf& k = m_projekt.kopf;
        for (int i = 0; i < m_projekt.positionen.size(); ++i) {
            const Projekt::Position& p = m_projekt.positionen.at(i);
            const QStringList kopf {
                QStringLiteral("Projekt: ") + k.bezeichnung, kopfzeile(p), QStringLiteral("Bearbeiter: ") + k.bearbeiter};
            QStringList eigene;
            for (const QString& s : projektseiten)
                if (s.contains(kopfzeile(p)))
                    eigene.append(s);
            QVERIFY2(!eigene.isEmpty(), qPrintable(p.titel));
            const QStringList dialog = haendisch(i);
            if (p.fall == 9) // the notes of the second dialog are on the page
                QVERIFY(dialog.join(QString()).contains(QStringLiteral("Der gefährdete Querschnitt ist")));
            QCOMPARE(inhalt(eigene, kopf), inhalt(dialog, kopf));
        }
    }

    // 40 positions: the list runs onto a second cover page; one position cannot be computed.
    // Every page is numbered over the whole document and each position starts on the page the
    // cover gives; the user's state is untouched.
    void deckblattUndSeitenzahlen()
    {
        Projekt::Daten projekt;
        projekt.kopf = {QStringLiteral("Lagerhalle Nord"), QStringLiteral("Hafenstraße 3"), QStringLiteral("K. Muster"),
            QStringLiteral("2026-12-10")};
        for (int i = 1; i <= 40; ++i) {
            Projekt::Position p;
            p.nr = QString::number(i);
            p.titel = QStringLiteral("Bolzen %1").arg(i);
            p.art = Projekt::Art::Scherung;
            p.last = 1000.0 * i;
            p.sigma_zul = i == 7 ? 0 : 80;
            projekt.positionen.append(p);
        }
        F = 123;
        Sorte = QStringLiteral("Eiche");
        Akt_Belastungsfall = 9;
        Werf = 4.5;
        Positionszustand::Werkstoff_Vergessen(); // the material list's choice holds

        projektDrucken(projekt);

        QVERIFY(!Positionszustand::Werkstoffeintrag(-1));
        QCOMPARE(F, 123.0);
        QCOMPARE(Sorte, QStringLiteral("Eiche"));
        QCOMPARE(Akt_Belastungsfall, 9);
        QCOMPARE(Werf, 4.5);

        const QStringList seiten = Pdftext::seiten(m_projektPdf);
        const int n = Pdftext::seitenzahl(m_projektPdf);
        QCOMPARE(seiten.size(), n);
        for (int s = 1; s <= n; ++s)
            QVERIFY2(seiten[s - 1].contains(QStringLiteral("Seite %1 von %2").arg(s).arg(n)), qPrintable(QString::number(s)));
        QVERIFY(seiten[0].contains(QStringLiteral("Lagerhalle Nord")));
        QVERIFY(seiten[0].contains(QStringLiteral("Hafenstraße 3")));
        QVERIFY(seiten[0].contains(QLocale().toString(QDate(2026, 12, 10), QLocale::ShortFormat)));
        QVERIFY(seiten[1].contains(QStringLiteral("Positionen (Fortsetzung)")));

        // The cover's rows: "<nr> <titel> Scherung <result> <verdict> <page>", across both pages.
        const QString deckblatt = seiten[0] + QLatin1Char('\n') + seiten[1];
        int vorige = 2;
        for (const Projekt::Position& p : projekt.positionen) {
            const QRegularExpression zeile(
                QStringLiteral(R"(^\s*%1\s+%2\s+Scherung\s+(.*\S)\s+(erfüllt|Fehler)\s+(\d+)$)").arg(p.nr, p.titel),
                QRegularExpression::MultilineOption);
            const QRegularExpressionMatch m = zeile.match(deckblatt);
            QVERIFY2(m.hasMatch(), qPrintable(p.titel));
            const int erste = m.captured(3).toInt();
            QVERIFY2(erste > vorige, qPrintable(p.titel));
            vorige = erste;
            const QRegularExpression kopf(QStringLiteral(R"(Position: %1 %2(?!\d))").arg(p.nr, p.titel));
            QVERIFY2(seiten[erste - 1].contains(kopf), qPrintable(p.titel));
            QVERIFY2(!seiten[erste - 2].contains(kopf), qPrintable(p.titel));
            if (p.nr == QStringLiteral("7")) {
                QCOMPARE(m.captured(2), QStringLiteral("Fehler"));
                QVERIFY(seiten[erste - 1].contains(QStringLiteral("Diese Position kann nicht berechnet werden:")));
                QVERIFY(seiten[erste - 1].contains(QStringLiteral("σ")));
            } else {
                QCOMPARE(m.captured(1), QStringLiteral("A erf. = %1 mm²").arg(Zahlen::fixiert(1000.0 * p.nr.toInt() / 80, 2)));
            }
        }
    }

    // A project with the classic positions and a general beam: the beam's pages come last, in
    // the window's words and numbers, its support reactions those of the core calculation, and
    // every page numbered over the whole document.
    void traegerSeiten()
    {
        m_projekt = Projektdatei::laden(QStringLiteral(PROJEKT_FIXTURES "/traeger.trabex"));
        projektDrucken(m_projekt);
        const QStringList seiten = Pdftext::seiten(m_projektPdf);
        const int n = Pdftext::seitenzahl(m_projektPdf);
        QCOMPARE(seiten.size(), n);
        for (int s = 1; s <= n; ++s)
            QVERIFY2(seiten[s - 1].contains(QStringLiteral("Seite %1 von %2").arg(s).arg(n)), qPrintable(QString::number(s)));

        const Projekt::Position& p = m_projekt.positionen.constLast();
        QCOMPARE(p.art, Projekt::Art::Traeger);
        const QRegularExpressionMatch eintrag
            = QRegularExpression(QStringLiteral(R"(^\s*4\s+Deckenträger\s.*\s(\d+)$)"), QRegularExpression::MultilineOption)
                  .match(seiten[0]);
        QVERIFY2(eintrag.hasMatch(), qPrintable(seiten[0]));
        const qsizetype erste = eintrag.captured(1).toInt();
        const QStringList eigene = seiten.mid(erste - 1);
        QVERIFY(eigene.size() >= 3); // page 1, diagrams, steps
        for (const QString& s : eigene)
            QVERIFY2(s.contains(kopfzeile(p)), qPrintable(s));
        QVERIFY(!seiten[erste - 2].contains(kopfzeile(p)));

        const QString text = eigene.join(QLatin1Char('\n'));
        for (const QString& wort : {QStringLiteral("Träger mit beliebigen Lasten"), QStringLiteral("Einspannmoment"),
                 QStringLiteral("Biegemoment M"), QStringLiteral("Durchbiegung f"), QStringLiteral("Berechnung des Trägers")})
            QVERIFY2(text.contains(wort), qPrintable(wort));
        const Positionsrechnung::Ergebnis r = Positionsrechnung::rechnen(p);
        QVERIFY(r.traeger);
        using Traegereinheiten::Groesse;
        const auto s = Traegereinheiten::System::N_mm;
        QCOMPARE(r.traeger->lager.size(), std::size_t(3));
        for (std::size_t i = 0; i < r.traeger->lager.size(); ++i) {
            const Traegerrechnung::Lagerkraft& l = r.traeger->lager[i];
            const QString name = QStringLiteral("Lager %1 (x = %2 mm)").arg(i + 1).arg(Traegertexte::stelle(l.x, s));
            const QString wert
                = QStringLiteral("min %1, max %2")
                      .arg(Traegertexte::betrag(l.min, s, Groesse::Kraft), Traegertexte::betrag(l.max, s, Groesse::Kraft));
            QVERIFY2(Pdftext::zeile(text, name, wert), qPrintable(name + QLatin1Char(' ') + wert + QLatin1Char('\n') + text));
        }
        QVERIFY(Pdftext::zeile(text, QStringLiteral("Werf [cm3]"), Zahlen::fixiert(r.W_erf, 2)));
        // The diagram's marks write the extremes out as page 1 does.
        QVERIFY2(text.contains(QStringLiteral("min M = ") + Traegertexte::betrag(r.traeger->M_min.wert, s, Groesse::Moment)),
            qPrintable(text));

        // The window's own report of the same beam says the same, word for word.
        const Projekt::Kopf& k = m_projekt.kopf;
        const QStringList kopf {
            QStringLiteral("Projekt: ") + k.bezeichnung, kopfzeile(p), QStringLiteral("Bearbeiter: ") + k.bearbeiter};
        const QStringList fenster = haendisch(int(m_projekt.positionen.size()) - 1);
        QCOMPARE(inhalt(eigene, kopf), inhalt(fenster, kopf));
    }

    // A beam of ten spans: the rows too long for the page run on below themselves, so that
    // every span's length is printed inside the right margin (36 pt of the A4 page's 595).
    void langeZeilenBleibenImRand()
    {
        Projekt::Daten projekt = Projektdatei::laden(QStringLiteral(PROJEKT_FIXTURES "/traeger.trabex"));
        Projekt::Position p = projekt.positionen.constLast();
        p.traeger.felder.clear();
        for (int i = 0; i < 10; ++i)
            p.traeger.felder.push_back(1001 + i);
        p.traeger.lasten.resize(2);
        projekt.positionen = {p};
        projektDrucken(projekt);
        const QString innen = Pdftext::ausfuehren(QStringLiteral("pdftotext"),
            {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("2"), QStringLiteral("-r"),
                QStringLiteral("72"), QStringLiteral("-x"), QStringLiteral("0"), QStringLiteral("-y"), QStringLiteral("0"),
                QStringLiteral("-W"), QStringLiteral("559"), QStringLiteral("-H"), QStringLiteral("842"), m_projektPdf,
                QStringLiteral("-")});
        for (int i = 0; i < 10; ++i)
            QVERIFY2(innen.contains(Traegertexte::stelle(1001 + i, Traegereinheiten::System::N_mm)), qPrintable(innen));
        QVERIFY(innen.contains(QStringLiteral("rechts 800")));
    }

    void dateiname_data()
    {
        QTest::addColumn<QString>("bezeichnung");
        QTest::addColumn<QString>("datei");
        QTest::newRow("wie sie ist") << QStringLiteral("Garage Muster") << QStringLiteral("Garage Muster");
        QTest::newRow("Zeichen, die kein Dateiname hält")
            << QStringLiteral("Halle 3/4: Süd?") << QStringLiteral("Halle 3_4_ Süd_");
        QTest::newRow("versteckt") << QStringLiteral(" ..Lager ") << QStringLiteral("Lager");
        QTest::newRow("leer") << QString() << QStringLiteral("Gesamtbericht");
    }
    void dateiname()
    {
        QFETCH(QString, bezeichnung);
        QFETCH(QString, datei);
        Projekt::Daten projekt;
        projekt.kopf.bezeichnung = bezeichnung;
        QCOMPARE(Gesamtbericht::Dateiname(projekt), datei);
    }

    // The set-up dialog proposes the project's PDF; cancelling it prints nothing, confirming
    // prints the report. The menu's "Gesamtbericht drucken …" prints the main window's project.
    void einrichtenSchlaegtDieDateiVor()
    {
        Main::Mainform->Projekt->laden(QStringLiteral(PROJEKT_FIXTURES "/beispiel.trabex"));
        for (const bool bestaetigen : {false, true}) {
            QString vorgeschlagen;
            QTimer antworten;
            QObject::connect(&antworten, &QTimer::timeout, &antworten, [&] {
                auto* setup = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
                if (!setup)
                    return;
                QLineEdit* feld = setup->findChild<QLineEdit*>(QStringLiteral("filename"));
                vorgeschlagen = feld->text();
                feld->setText(m_projektPdf); // the test's file, not the user's documents folder
                bestaetigen ? setup->accept() : setup->reject();
            });
            antworten.start(0);
            if (bestaetigen)
                Main::Mainform->Dateimenue->A_Gesamtbericht->trigger();
            else
                QVERIFY(!Gesamtbericht::Drucken(Main::Mainform, m_projekt));
            antworten.stop();
            QVERIFY(vorgeschlagen.endsWith(QStringLiteral("/Garage Muster.pdf")));
            QCOMPARE(QFile::exists(m_projektPdf), bestaetigen);
        }
        QVERIFY(Pdftext::seiten(m_projektPdf).value(0).contains(QStringLiteral("Garage Muster")));
    }
};

TRABEX_TEST_MAIN(TestGesamtbericht)
#include "test_gesamtbericht.moc"
