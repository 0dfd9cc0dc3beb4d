// The report of a whole project: each position's pages say word for word what its dialog prints
// when the user works it by hand; the cover lists every position with the page it starts on,
// every page is headed with the project and its position and numbered over the whole
// document; a position that cannot be computed gets a page that says why and the rest is
// printed; the user's calculation state is left as it was.
#include "Pdftext.h"
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/calc/Nachweis.h"
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
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
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

// The shared values the dialogs compute with, to see that the project's report writes none.
auto gemeinsameWerte()
{
    using namespace Unit1;
    return std::make_tuple(Akt_Belastungsfall, Sorte, Sigma_Zul, Sigma_B, Sigma_P, E, GrenzSchlankheit, Gamma, Sigma_K,
        Schlankheitsgrad, W, I, A, Masse, ProfilArt, ProfilName, Profilachse, F, L, Lk, Sk, Sk_gewuenscht, Abstand_a, Abstand_b,
        Lx, fd, Werf, Wxerf, Ierf, Aerf, Nachweis::Durchbiegungsgrenze, Last_Staendig, Last_Kategorie);
}

// The pages of position `p` in a project's report.
QStringList seitenVon(const QStringList& seiten, const Projekt::Position& p)
{
    QStringList eigene;
    for (const QString& s : seiten)
        if (s.contains(kopfzeile(p)))
            eigene.append(s);
    return eigene;
}

// No two words of the page share ink: a line printed over another overlaps its words' boxes
// (they are a font's height tall, the lines of a report further apart).
void keinWortUeberEinemAnderen(const QString& pdf, int seite)
{
    const QList<Pdftext::Wort> w = Pdftext::woerter(pdf, seite);
    for (qsizetype i = 0; i < w.size(); ++i)
        for (qsizetype k = i + 1; k < w.size(); ++k) {
            const QRectF schnitt = w[i].box.intersected(w[k].box);
            QVERIFY2(schnitt.width() < 0.5 || schnitt.height() < 0.5,
                qPrintable(QStringLiteral("Seite %1: „%2“ über „%3“").arg(seite).arg(w[i].text, w[k].text)));
        }
}

// The words of pages without the title block (date, page number, program, notice) and the
// head, which differ between a report alone and in the project's report by design.
QStringList inhalt(const QStringList& seiten, const QStringList& kopf)
{
    QStringList w;
    for (QString s : seiten) {
        s.remove(QRegularExpression(QStringLiteral(R"(Seite\s*\d+(\s+von\s+\d+)?)")));
        s.remove(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        s.remove(QRegularExpression(QStringLiteral(R"(^\s*Trabex\s*$)"), QRegularExpression::MultilineOption));
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

    // The pages of position `i` in the project's report carry the words of its dialog's `dialog`
    // report, the heads apart.
    void wieImDialog(const QStringList& projektseiten, int i, const QStringList& dialog)
    {
        const Projekt::Kopf& k = m_projekt.kopf;
        const Projekt::Position& p = m_projekt.positionen.at(i);
        const QStringList kopf {QStringLiteral("Projekt: ") + k.bezeichnung, kopfzeile(p), QStringLiteral("Bearbeiter: ") + k.bearbeiter};
        QCOMPARE(inhalt(seitenVon(projektseiten, p), kopf), inhalt(dialog, kopf));
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
            d->CB_Einheiten->setCurrentIndex(int(p.traeger.einheiten)); // the units it was entered in
            return dialogDrucken(d, p);
        }
        }
        return {};
    }

    // The program started anew on the delivered data: its pictures, materials, profiles and
    // actions, which the command line reads beside itself.
    void mitGeliefertenDaten()
    {
        m_lauf.reset();
        m_lauf = std::make_unique<Testumgebung::Programmlauf>([](const Testumgebung::Programmverzeichnis& v) {
            const QDir geliefert(Testumgebung::gelieferteDaten());
            for (const QString& name : geliefert.entryList(QDir::Files))
                QFile::copy(geliefert.filePath(name), v.daten() + name);
        });
        m_projektPdf = m_lauf->verzeichnis.pfad() + QStringLiteral("projekt.pdf");
        m_dialogPdf = m_lauf->verzeichnis.pfad() + QStringLiteral("dialog.pdf");
        aufPdf(U_Printgr::Printer(), m_dialogPdf);
    }

    // "Gesamtbericht drucken …" of the main window into `pdf`, the set-up confirmed.
    void menueDrucken(const QString& pdf)
    {
        QTimer antworten;
        QObject::connect(&antworten, &QTimer::timeout, &antworten, [&] {
            auto* setup = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!setup)
                return;
            setup->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
            setup->accept();
        });
        antworten.start(0);
        Main::Mainform->Dateimenue->A_Gesamtbericht->trigger();
        antworten.stop();
        QVERIFY(QFile::exists(pdf));
    }

    void projektDrucken(const Projekt::Daten& projekt)
    {
        QPrinter drucker(QPrinter::HighResolution);
        aufPdf(drucker, m_projektPdf);
        Gesamtbericht::Drucken(drucker, projekt, Positionsrechnung::rechnen(projekt, Positionsrechnung::Umfang::Bericht));
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
        m_projekt.positionen[2].werkstoff = {QStringLiteral("S235JR (St37-2)"), 210000}; // a pin of a new file
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
        for (int i = 0; i < m_projekt.positionen.size(); ++i) {
            const Projekt::Position& p = m_projekt.positionen.at(i);
            QVERIFY2(!seitenVon(projektseiten, p).isEmpty(), qPrintable(p.titel));
            const QStringList dialog = haendisch(i);
            if (p.fall == 9) // the notes of the second dialog are on the page
                QVERIFY(dialog.join(QString()).contains(QStringLiteral("Der gefährdete Querschnitt ist")));
            wieImDialog(projektseiten, i, dialog);
        }
    }

    // One calculation per position: the report prints the results computed once (as the command
    // line hands them over), writes none of the shared values, and prints the numbers of the
    // results file and of each dialog's own report. A pin of an older file, which keeps no
    // material, names none rather than the position's before it.
    void eineRechnungJePosition()
    {
        mitGeliefertenDaten();
        m_projekt = Projektdatei::laden(QStringLiteral(PROJEKT_FIXTURES "/wohnhaus.trabex"));
        QCOMPARE(m_projekt.positionen.size(), 5); // beam, column, two bending cases, pin
        const auto ergebnisse = Positionsrechnung::rechnen(m_projekt, Positionsrechnung::Umfang::Bericht);
        const QJsonArray datei = QJsonDocument::fromJson(Positionsrechnung::Ergebnisdatei(m_projekt, ergebnisse))
                                     .object()
                                     .value(QStringLiteral("positionen"))
                                     .toArray();
        Unit1::Sorte = QStringLiteral("Vorher gewählt");
        Unit1::Werf = 4711;
        const auto vorher = gemeinsameWerte();
        {
            QPrinter drucker(QPrinter::HighResolution);
            aufPdf(drucker, m_projektPdf);
            Gesamtbericht::Drucken(drucker, m_projekt, ergebnisse);
        }
        QVERIFY(gemeinsameWerte() == vorher);

        const QStringList seiten = Pdftext::seiten(m_projektPdf);
        const auto wert = [](const QJsonObject& o, const char* schluessel) {
            return Zahlen::fixiert(o.value(QLatin1String(schluessel)).toDouble(), 2);
        };
        for (qsizetype i = 0; i < m_projekt.positionen.size(); ++i) {
            const Projekt::Position& p = m_projekt.positionen.at(i);
            const QJsonObject r = datei.at(i).toObject();
            const QString seite = seitenVon(seiten, p).join(QLatin1Char('\n'));
            QVERIFY2(!seite.isEmpty(), qPrintable(p.titel));
            QList<std::pair<QString, QString>> zeilen;
            switch (p.art) {
            case Projekt::Art::Traeger:
            case Projekt::Art::Biegung:
                zeilen = {{QStringLiteral("Werf [cm3]"), wert(r, "W_erf")}};
                if (p.art == Projekt::Art::Biegung)
                    zeilen += {{QStringLiteral("f [mm]"), wert(r, "f")}, {QStringLiteral("L/f"), wert(r, "L_f")}};
                break;
            case Projekt::Art::Knickung:
                zeilen = {{QStringLiteral("Ierf [cm4]"), wert(r, "I_erf")},
                    {QStringLiteral("Knickspannung [N/mm2]"), wert(r, "sigma_k")},
                    {QStringLiteral("Schlankheitsgrad"), wert(r, "lambda")},
                    {QStringLiteral("Tatsächliche Sicherheit"), wert(r, "sicherheit")}};
                break;
            case Projekt::Art::Scherung:
                zeilen = {{QStringLiteral("Aerf [mm2]"), wert(r, "A_erf")}};
                QVERIFY(!seite.contains(m_projekt.positionen.at(i - 1).werkstoff.name));
                QVERIFY(!seite.contains(Unit1::Sorte));
                QVERIFY(Pdftext::zeile(seite, QStringLiteral("Materialbezeichnung :"), QStringLiteral("nicht gespeichert")));
                QVERIFY(Pdftext::zeile(seite, QStringLiteral("E - Modul [N/mm2]"), QStringLiteral("–")));
                break;
            }
            for (const auto& [links, rechts] : zeilen)
                QVERIFY2(
                    Pdftext::zeile(seite, links, rechts), qPrintable(QStringLiteral("%1: %2 %3").arg(p.titel, links, rechts)));
            if (r.contains(QStringLiteral("ec3")))
                QVERIFY2(seite.contains(QStringLiteral("η = ") + wert(r.value(QStringLiteral("ec3")).toObject(), "eta")),
                    qPrintable(p.titel));
        }

        // Each dialog's own report of the same position, the pin with the material it now keeps.
        m_projekt.positionen[4].werkstoff = {QStringLiteral("S235JR (St37-2)"), 210000};
        projektDrucken(m_projekt);
        const QStringList mitWerkstoff = Pdftext::seiten(m_projektPdf);
        for (int i = 0; i < m_projekt.positionen.size(); ++i)
            wieImDialog(mitWerkstoff, i, haendisch(i));
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
    // the window's words and numbers and in the units the beam was entered in, its support
    // reactions those of the core calculation, and every page numbered over the whole document.
    void traegerSeiten_data()
    {
        QTest::addColumn<int>("einheiten");
        QTest::newRow("N, mm") << int(Traegereinheiten::System::N_mm);
        QTest::newRow("kN, m") << int(Traegereinheiten::System::kN_m);
    }
    void traegerSeiten()
    {
        QFETCH(int, einheiten);
        m_projekt = Projektdatei::laden(QStringLiteral(PROJEKT_FIXTURES "/traeger.trabex"));
        m_projekt.positionen.last().traeger.einheiten = Traegereinheiten::System(einheiten);
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
        const auto s = Traegereinheiten::System(einheiten);
        QCOMPARE(r.traeger->lager.size(), std::size_t(3));
        for (std::size_t i = 0; i < r.traeger->lager.size(); ++i) {
            const Traegerrechnung::Lagerkraft& l = r.traeger->lager[i];
            const QString name = QStringLiteral("Lager %1 (x = %2 %3)")
                                     .arg(i + 1)
                                     .arg(Traegertexte::stelle(l.x, s), Traegereinheiten::name(s, Groesse::Laenge));
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

    // The project of a house (a two-span floor beam entered in kN, the column on its middle
    // support, a lintel, a trimmer, a pin) printed from the menu on the program's printer as a
    // fresh set-up leaves it (Qt's 10 pt margins) and with "trabex --berechnen … --pdf": one
    // document, page for page and word for word, titled with the program and the project.
    void fensterUndKommandozeileEinDokument()
    {
        mitGeliefertenDaten();
        const QString datei = QStringLiteral(PROJEKT_FIXTURES "/wohnhaus.trabex");
        Main::Mainform->Projekt->laden(datei);
        U_Printgr::Printer().setPageLayout(QPrinter(QPrinter::HighResolution).pageLayout());
        menueDrucken(m_projektPdf);

        const QString pdf = m_lauf->verzeichnis.pfad() + QStringLiteral("kommandozeile.pdf");
        QProcess trabex;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(
            QStringLiteral("LC_ALL"), Testumgebung::deutsch() ? QStringLiteral("de_DE.UTF-8") : QStringLiteral("en_US.UTF-8"));
        trabex.setProcessEnvironment(umgebung);
        trabex.start(QStringLiteral(TRABEX_PROGRAMM), {QStringLiteral("--berechnen"), datei, QStringLiteral("--pdf"), pdf});
        QVERIFY(trabex.waitForFinished(120000));
        QCOMPARE(trabex.exitCode(), 0);

        const QStringList fenster = Pdftext::seiten(m_projektPdf), kommandozeile = Pdftext::seiten(pdf);
        QCOMPARE(Pdftext::seitenzahl(m_projektPdf), Pdftext::seitenzahl(pdf));
        QCOMPARE(fenster.size(), kommandozeile.size());
        for (qsizetype s = 0; s < fenster.size(); ++s)
            QVERIFY2(fenster[s] == kommandozeile[s],
                qPrintable(QStringLiteral("Seite %1:\n%2\n---\n%3").arg(s + 1).arg(fenster[s], kommandozeile[s])));
        const QString titel
            = QStringLiteral("Title:           Trabex – EFH Müller, Umbau Erdgeschoss und Anbau Wintergarten, Lindenweg 12\n");
        for (const QString& d : {m_projektPdf, pdf})
            QVERIFY(Pdftext::ausfuehren(QStringLiteral("pdfinfo"), {d}).contains(titel));
    }

    // What a checking engineer reads on the pages of that project: the program's name on every
    // page, the project's name whole on the cover and in every head, the beam in the units it was
    // entered in, no σzul where the buckling check does not use it, no word printed over
    // another on a position's first page, and no page with a line or two alone.
    void seitenFuerDenPruefer()
    {
        mitGeliefertenDaten();
        const Projekt::Daten projekt = Projektdatei::laden(QStringLiteral(PROJEKT_FIXTURES "/wohnhaus.trabex"));
        projektDrucken(projekt);
        const QStringList seiten = Pdftext::seiten(m_projektPdf);
        const QString name = projekt.kopf.bezeichnung;
        QVERIFY2(Pdftext::woerter(seiten[0]).join(QLatin1Char(' ')).contains(name), qPrintable(seiten[0]));
        const QRegularExpression programm(QStringLiteral(R"(^\s*Trabex\s*$)"), QRegularExpression::MultilineOption);
        for (qsizetype s = 0; s < seiten.size(); ++s) {
            const QString& seite = seiten[s];
            QVERIFY2(seite.contains(programm) && !seite.contains(QStringLiteral("Windows")), qPrintable(seite));
            if (s > 0)
                QVERIFY2(seite.contains(QStringLiteral("Projekt: ") + name), qPrintable(seite));
            // The title block has three lines and the head two: more than two lines besides.
            QVERIFY2(seite.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size() > 5 + 2, qPrintable(seite));
        }

        const auto seitenVon = [&](const Projekt::Position& p) {
            QStringList eigene;
            for (const QString& s : seiten)
                if (s.contains(kopfzeile(p)))
                    eigene.append(s);
            return eigene.join(QLatin1Char('\n'));
        };
        const Projekt::Position& traeger = projekt.positionen[0];
        QCOMPARE(traeger.traeger.einheiten, Traegereinheiten::System::kN_m);
        const Positionsrechnung::Ergebnis r = Positionsrechnung::rechnen(traeger);
        using Traegereinheiten::Groesse;
        const auto kN = Traegereinheiten::System::kN_m;
        const QString text = seitenVon(traeger);
        QVERIFY2(Pdftext::zeile(text, QStringLiteral("max M"), Traegertexte::extrem(r.traeger->M_max, kN, Groesse::Moment)),
            qPrintable(text));
        QVERIFY(Traegertexte::extrem(r.traeger->M_max, kN, Groesse::Moment)
                    .startsWith(Testumgebung::zahl(QStringLiteral("14.97")) + QStringLiteral(" kN·m")));
        QVERIFY(Pdftext::zeile(text, QStringLiteral("Eigengewicht"),
            QStringLiteral("berücksichtigt (g = %1 kN/m)").arg(Testumgebung::zahl(QStringLiteral("0.26")))));
        QVERIFY2(!text.left(text.indexOf(QStringLiteral("Rechenweg"))).contains(QStringLiteral("N·mm")), qPrintable(text));

        const Projekt::Position& stuetze = projekt.positionen[1];
        QCOMPARE(stuetze.art, Projekt::Art::Knickung);
        QVERIFY(!seitenVon(stuetze).contains(QStringLiteral("SigmaZul")));
        QVERIFY(seitenVon(projekt.positionen[2]).contains(QStringLiteral("SigmaZul")));

        for (int s = 1; s <= seiten.size(); ++s)
            if (seiten[s - 1].contains(QStringLiteral("Materialdaten:")))
                keinWortUeberEinemAnderen(m_projektPdf, s);
    }

    // A project's name longer than a line: whole on the cover, over several lines; in the head
    // of every page cut after a whole word, the position and the one who computes beside it.
    void langerProjektname()
    {
        Projekt::Daten projekt = Projektdatei::laden(QStringLiteral(PROJEKT_FIXTURES "/beispiel.trabex"));
        projekt.kopf.bezeichnung
            = QStringLiteral("Einfamilienhaus Müller, Umbau des Erdgeschosses, Anbau eines Wintergartens "
                             "und Erneuerung der Kellerdecke unter dem Wohnzimmer, Lindenweg 12, Musterstadt");
        projektDrucken(projekt);
        const QStringList seiten = Pdftext::seiten(m_projektPdf);
        const QString name = projekt.kopf.bezeichnung;
        QVERIFY2(Pdftext::woerter(seiten[0]).join(QLatin1Char(' ')).contains(name), qPrintable(seiten[0]));
        const QRegularExpression kopf(QStringLiteral(R"(Projekt: (.*\S) …\s*$)"), QRegularExpression::MultilineOption);
        for (qsizetype s = 1; s < seiten.size(); ++s) {
            const QRegularExpressionMatch m = kopf.match(seiten[s]);
            QVERIFY2(m.hasMatch(), qPrintable(seiten[s]));
            QVERIFY2(
                name.startsWith(m.captured(1)) && name.at(m.captured(1).size()) == QLatin1Char(' '), qPrintable(m.captured(1)));
            QVERIFY(m.captured(1).size() > 60);
            QVERIFY(seiten[s].contains(QRegularExpression(QStringLiteral(R"(Position: \d \S+\s+Bearbeiter: A\. Beispiel)"))));
        }
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
                QVERIFY(!Gesamtbericht::Drucken(Main::Mainform, m_projekt, Positionsrechnung::rechnen(m_projekt)));
            antworten.stop();
            QVERIFY(vorgeschlagen.endsWith(QStringLiteral("/Garage Muster.pdf")));
            QCOMPARE(QFile::exists(m_projektPdf), bestaetigen);
        }
        QVERIFY(Pdftext::seiten(m_projektPdf).value(0).contains(QStringLiteral("Garage Muster")));
    }
};

TRABEX_TEST_MAIN(TestGesamtbericht)
#include "test_gesamtbericht.moc"
