// Positions in the windows: a dialog's inputs stored with "Als Position übernehmen", saved,
// opened again from the tab "Positionen" in a fresh project and computed to the same bits, and
// written back with "Position aktualisieren" or OK; the close box that asks before an edit is
// lost; the tab's buttons, "Neu" and the undo history; the file menu's unsaved mark, its
// question before changes are lost, a file that cannot be read, and the last files.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/calc/Nachweis.h"
#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Positionszustand.h"
#include "core/projekt/Projektdatei.h"
#include "gui/Main.h"
#include "gui/calc/U_bieg1.h"
#include "gui/calc/U_bieg2.h"
#include "gui/calc/U_knick.h"
#include "gui/calc/U_scher.h"
#include "gui/calc/U_traeger.h"
#include "gui/grid/SGcomp_Ansicht.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/projekt/Bearbeitenmenue.h"
#include "gui/projekt/Dateimenue.h"
#include "gui/projekt/Neue_Position.h"
#include "gui/projekt/Positionsknopf.h"
#include "gui/projekt/Projektstand.h"
#include "gui/projekt/Tab_Positionen.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoStack>
#include <memory>

using namespace Unit1;
using Projekt::Position;
using Testumgebung::Antworten;
using Testumgebung::klicken;
using Testumgebung::tippen;

Q_DECLARE_METATYPE(Projekt::Position)

namespace {

Projekt::Daten beispiel() { return Projektdatei::laden(QStringLiteral(PROJEKT_FIXTURES "/beispiel.trabex")); }
Position beispieltraeger() { return Projektdatei::laden(QStringLiteral(PROJEKT_FIXTURES "/traeger.trabex")).positionen.at(3); }

QString zahl(double v) { return Testumgebung::zahl(QString::number(v, 'g', 17)); }

TProjektstand& projekt() { return *Main::Mainform->Projekt; }
TDateimenue& menue() { return *Main::Mainform->Dateimenue; }
TTab_Positionen& tab() { return *Main::Mainform->TS_Positionen; }

QWidget* dialogVon(const Position& p)
{
    switch (p.art) {
    case Projekt::Art::Biegung:
        return p.fall == 4 || p.fall == 8 || p.fall == 9 || p.fall == 12 ? static_cast<QWidget*>(U_bieg2::DLG_Biegung2)
                                                                         : U_bieg1::DLG_Biegung1;
    case Projekt::Art::Knickung:
        return U_knick::DLG_Knickung;
    case Projekt::Art::Traeger:
        return U_traeger::DLG_Traeger;
    case Projekt::Art::Scherung:
        break;
    }
    return U_scher::DLG_Scherung;
}

// The user types the position's inputs into its dialog, the material and profile chosen before.
// The general beam's tables are filled as the window fills them.
void eintippen(QWidget* d, const Position& p)
{
    if (p.art == Projekt::Art::Traeger) {
        U_traeger::DLG_Traeger->Position_Setzen({Projekt::Traegereingabe(p), p.werkstoff.name, p.profil.name});
        return;
    }
    tippen(d, "E_Last", zahl(p.last));
    switch (p.art) {
    case Projekt::Art::Biegung:
        tippen(d, "E_Laenge", zahl(p.laenge));
        tippen(d, "E_SigmaZul", zahl(p.sigma_zul));
        tippen(d, "E_x", zahl(p.x));
        if (d == U_bieg2::DLG_Biegung2)
            tippen(d, "E_Abstand", zahl(p.abstand));
        d->findChild<QCheckBox*>(QStringLiteral("ChB_Eigengewicht"))->setChecked(p.eigengewicht);
        break;
    case Projekt::Art::Knickung:
        tippen(d, "E_Laenge", zahl(p.laenge));
        tippen(d, "E_Sicherheit", zahl(p.sicherheit));
        break;
    case Projekt::Art::Scherung:
        tippen(d, "E_SigmaZul", zahl(p.sigma_zul));
        break;
    case Projekt::Art::Traeger:
        break;
    }
}

void gleich(const Traegerrechnung::Extremwert& a, const Traegerrechnung::Extremwert& b)
{
    QVERIFY(a.wert == b.wert && a.x == b.x);
}

// The general beam's window against the position's own calculation, bit for bit.
void traegerVergleichen(const Traegerrechnung::Ergebnis& e)
{
    const auto& fenster = U_traeger::DLG_Traeger->Ergebnis();
    QVERIFY(fenster);
    QVERIFY(fenster->W_erf == e.W_erf && fenster->ausnutzung == e.ausnutzung && fenster->erfuellt == e.erfuellt);
    gleich(fenster->M_max, e.M_max);
    gleich(fenster->M_min, e.M_min);
    gleich(fenster->V_betrag_max, e.V_betrag_max);
    QCOMPARE(fenster->lager.size(), e.lager.size());
    for (std::size_t i = 0; i < e.lager.size(); ++i)
        QVERIFY(fenster->lager[i].min == e.lager[i].min && fenster->lager[i].max == e.lager[i].max);
    QCOMPARE(fenster->abschnitte.size(), e.abschnitte.size());
    for (std::size_t i = 0; i < e.abschnitte.size(); ++i)
        QVERIFY(fenster->abschnitte[i].f == e.abschnitte[i].f && fenster->abschnitte[i].L_f == e.abschnitte[i].L_f);
}

// The dialog's results, as it keeps them in the shared state, against the position's own.
void vergleichen(const Position& p)
{
    const Positionsrechnung::Ergebnis e = Positionsrechnung::rechnen(p);
    QVERIFY2(e.fehler.isEmpty(), qPrintable(e.fehler));
    switch (p.art) {
    case Projekt::Art::Biegung:
        QVERIFY(Werf == e.W_erf); // bit for bit
        if (p.mitProfil)
            QVERIFY(fd == *e.f);
        break;
    case Projekt::Art::Knickung:
        QVERIFY(Ierf == e.I_erf);
        if (p.mitProfil)
            QVERIFY(Sk == *e.sicherheit && Sigma_K == *e.sigma_k && Schlankheitsgrad == *e.lambda);
        break;
    case Projekt::Art::Scherung:
        QVERIFY(Aerf == e.A_erf);
        break;
    case Projekt::Art::Traeger:
        QVERIFY(e.traeger);
        traegerVergleichen(*e.traeger);
        break;
    }
}

// Answers "Als Position übernehmen" with a number and title, and records the proposals.
class Kennungen {
public:
    explicit Kennungen(std::optional<Positionsknopf::Kennung> antwort)
        : m_vorher(Positionsknopf::setzeAbfrage([this, antwort](const Positionsknopf::Kennung& v) {
            vorschlaege.append(v.nr + QLatin1Char('|') + v.titel);
            return antwort;
        }))
    {
    }
    ~Kennungen() { Positionsknopf::setzeAbfrage(m_vorher); }
    QStringList vorschlaege;

private:
    Positionsknopf::Abfrage m_vorher;
};

class Dateiwahl {
public:
    explicit Dateiwahl(const QString& pfad)
        : m_vorher(TDateimenue::setzeDateiwahl([pfad](bool, const QString&) { return pfad; }))
    {
    }
    ~Dateiwahl() { TDateimenue::setzeDateiwahl(m_vorher); }

private:
    TDateimenue::Dateiwahl m_vorher;
};

// The positions of the open project as the file writes them, which names every field that differs.
QString alsText(const QList<Position>& positionen)
{
    Projekt::Daten d;
    d.positionen = positionen;
    return QString::fromUtf8(Projektdatei::schreiben(d));
}

QStringList nummern()
{
    QStringList n;
    for (const Position& p : projekt().daten().positionen)
        n << p.nr;
    return n;
}

// What the dialogs said, without the sketches that the test's data folder does not hold.
QStringList ohneSkizzen(const Plattform::Meldungsrekorder& rekorder)
{
    QStringList texte = rekorder.texte();
    texte.removeIf([](const QString& t) { return t.contains(QStringLiteral(".BMP kann nicht")); });
    return texte;
}

TBearbeitenmenue& bearbeiten() { return *Main::Mainform->Bearbeitenmenue; }

// The project of one file opened in the window.
void oeffnenMit(const QString& pfad, const QList<Position>& positionen)
{
    Projekt::Daten d;
    d.positionen = positionen;
    Projektdatei::speichern(d, pfad);
    QVERIFY(menue().Oeffnen(pfad));
}

// The row opened from the tab in its dialog, as the user does it.
void ausTabOeffnen(int zeile, QWidget* d)
{
    tab().Zeile_Waehlen(zeile);
    klicken(&tab(), "B_Oeffnen");
    QVERIFY(d->isVisible());
    Plattform::aktivieren(d);
}

// The field a test changes in a position's dialog, and the value of the position it holds.
const char* feldVon(const Position& p) { return p.art == Projekt::Art::Traeger ? "E_SigmaZul" : "E_Last"; }
double& wertVon(Position& p) { return p.art == Projekt::Art::Traeger ? p.sigma_zul : p.last; }

// Answers "Neu" on the tab with a kind and case.
class Neuwahl {
public:
    explicit Neuwahl(Projekt::Art art, int fall)
        : m_vorher(Neue_Position::setzeAbfrage([art, fall] {
            return std::optional<Neue_Position::Wahl>({art, fall});
        }))
    {
    }
    ~Neuwahl() { Neue_Position::setzeAbfrage(m_vorher); }

private:
    Neue_Position::Abfrage m_vorher;
};

bool schliessen()
{
    QCloseEvent ereignis;
    QApplication::sendEvent(Main::Mainform, &ereignis);
    return ereignis.isAccepted();
}

} // namespace

class TestPositionenFenster : public QObject {
    Q_OBJECT

    std::unique_ptr<Testumgebung::Programmlauf> m_lauf;

    QString pfad(const QString& name) const { return m_lauf->verzeichnis.pfad() + name; }

private slots:
    void init() { m_lauf = std::make_unique<Testumgebung::Programmlauf>(); }
    void cleanup() { m_lauf.reset(); }

    void rundreise_data()
    {
        QTest::addColumn<Position>("p");
        const Projekt::Daten d = beispiel();
        QTest::newRow("Biegung Fall 5") << d.positionen.at(0);
        Position fall12 = d.positionen.at(0);
        fall12.fall = 12;
        fall12.abstand = 1500;
        fall12.x = 0; // the case reads no x
        fall12.grenze = 250;
        fall12.profil.I = 1234.5678; // typed over the profile's
        QTest::newRow("Biegung Fall 12") << fall12;
        QTest::newRow("Knickung Fall 1") << d.positionen.at(1);
        Position bolzen = d.positionen.at(2); // keeps its material, as the dialog now writes it
        bolzen.werkstoff = {QStringLiteral("S235JR (St37-2)"), 210000};
        QTest::newRow("Scherung") << bolzen;
        QTest::newRow("Träger") << beispieltraeger();
    }

    // Dialog → position → file → a fresh project → opened from the tab: the same numbers.
    void rundreise()
    {
        QFETCH(Position, p);
        QWidget* d = dialogVon(p);
        // The field changed before reopening and then written back.
        const bool traeger = p.art == Projekt::Art::Traeger;
        const char* feld = traeger ? "E_SigmaZul" : "E_Last";
        Positionszustand::einsetzen(p); // the user chose material, profile and case
        Plattform::aktivieren(d);
        eintippen(d, p);
        if (p.art == Projekt::Art::Biegung)
            tippen(d, "E_I", zahl(p.profil.I));
        {
            Kennungen kennung(Positionsknopf::Kennung {QStringLiteral(" 7 "), QStringLiteral("Sturz")});
            klicken(d, "B_Position");
            QCOMPARE(kennung.vorschlaege, QStringList {QStringLiteral("1|") + Projekt::Artname(p.art, p.fall)});
        }
        QCOMPARE(ohneSkizzen(m_lauf->rekorder), QStringList());
        Position erwartet = p;
        erwartet.nr = QStringLiteral("7");
        erwartet.titel = QStringLiteral("Sturz");
        QCOMPARE(alsText(projekt().daten().positionen), alsText({erwartet}));
        QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("B_Position"))->text(), Positionsknopf::Aktualisieren);

        {
            Dateiwahl wahl(pfad(QStringLiteral("Garage")));
            menue().A_Speichern->trigger();
        }
        QCOMPARE(projekt().pfad(), pfad(QStringLiteral("Garage.trabex")));
        QVERIFY(!Main::Mainform->isWindowModified());
        menue().A_Neu->trigger();
        QCOMPARE(projekt().daten().positionen.size(), 0);
        QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("B_Position"))->text(), Positionsknopf::Uebernehmen);
        // Something else in the shared state and the fields meanwhile.
        Positionszustand::einsetzen(beispiel().positionen.at(p.art == Projekt::Art::Scherung ? 0 : 2));
        tippen(d, feld, QStringLiteral("1"));
        Werf = Ierf = Aerf = fd = Sk = 0;

        QVERIFY(menue().Oeffnen(pfad(QStringLiteral("Garage.trabex"))));
        tab().Zeile_Waehlen(0);
        klicken(&tab(), "B_Oeffnen");
        Plattform::aktivieren(d); // the window system's activation keeps what was computed
        vergleichen(erwartet);
        QCOMPARE(Main::Mainform->L_Mat->text(), p.werkstoff.name);
        if (p.art == Projekt::Art::Biegung || traeger)
            QCOMPARE(Nachweis::Durchbiegungsgrenze, p.grenze);
        QVERIFY(!Main::Mainform->isWindowModified());

        // A changed input written back to its position, number and title kept.
        double& geaendert = traeger ? erwartet.sigma_zul : erwartet.last;
        geaendert *= 2;
        tippen(d, feld, zahl(geaendert));
        klicken(d, "B_Position");
        QCOMPARE(alsText(projekt().daten().positionen), alsText({erwartet}));
        QVERIFY(Main::Mainform->isWindowModified());
    }

    // OK keeps what the window shows, in every dialog a position opens in: unchanged inputs
    // leave the project as it was, a changed one is written back (number and title kept, the
    // project marked unsaved, a step of the history), and a field that is no number keeps the
    // window open with a message instead of dropping the edit.
    void okBehaeltAenderung_data() { rundreise_data(); }
    void okBehaeltAenderung()
    {
        QFETCH(Position, p);
        p.nr = QStringLiteral("3");
        p.titel = QStringLiteral("Sturz");
        oeffnenMit(pfad(QStringLiteral("a.trabex")), {p});
        QWidget* d = dialogVon(p);
        ausTabOeffnen(0, d);
        klicken(d, "OKBtn");
        QVERIFY(!d->isVisible());
        QVERIFY(!Main::Mainform->isWindowModified()); // reading a position back is no edit
        QVERIFY(!projekt().verlauf()->canUndo());

        ausTabOeffnen(0, d);
        Position erwartet = projekt().daten().positionen.at(0);
        wertVon(erwartet) *= 2;
        tippen(d, feldVon(p), zahl(wertVon(erwartet)));
        klicken(d, "OKBtn");
        QVERIFY(!d->isVisible());
        QCOMPARE(alsText(projekt().daten().positionen), alsText({erwartet}));
        QVERIFY(Main::Mainform->isWindowModified());
        QCOMPARE(bearbeiten().A_Rueckgaengig->text(), QStringLiteral("&Rückgängig: Position 3 ändern"));

        ausTabOeffnen(0, d);
        tippen(d, feldVon(p), QStringLiteral("abc"));
        m_lauf->rekorder.leeren();
        klicken(d, "OKBtn");
        QVERIFY(d->isVisible());
        QCOMPARE(alsText(projekt().daten().positionen), alsText({erwartet}));
        const QStringList meldungen = ohneSkizzen(m_lauf->rekorder);
        QCOMPARE(meldungen.size(), 1);
        QVERIFY2(meldungen.at(0).startsWith(QStringLiteral("Die Eingaben können nicht in Pos. 3 „Sturz“ übernommen werden.\n")),
            qPrintable(meldungen.at(0)));
        QVERIFY(meldungen.at(0).contains(QStringLiteral("'abc' ist keine Zahl")));
        klicken(d, "HelpBtn"); // "Abbrechen" discards the edit
        QVERIFY(!d->isVisible());
        QCOMPARE(alsText(projekt().daten().positionen), alsText({erwartet}));
    }

    // The close box of a dialog with an edit of its position asks; so does the end of the
    // program with such a dialog open. "Übernehmen" writes the edit back, "Verwerfen" drops
    // it, "Abbrechen" keeps the window (and the program) open.
    void schliessfeldFragt_data()
    {
        QTest::addColumn<bool>("programmende");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("uebernommen");
        QTest::addColumn<bool>("offen");
        QTest::newRow("Übernehmen") << false << int(SGcomp::Antwort::Speichern) << true << false;
        QTest::newRow("Verwerfen") << false << int(SGcomp::Antwort::Verwerfen) << false << false;
        QTest::newRow("Abbrechen") << false << int(SGcomp::Antwort::Bleiben) << false << true;
        QTest::newRow("Programmende, Abbrechen") << true << int(SGcomp::Antwort::Bleiben) << false << true;
    }
    void schliessfeldFragt()
    {
        QFETCH(bool, programmende);
        QFETCH(int, antwort);
        QFETCH(bool, uebernommen);
        QFETCH(bool, offen);
        const Projekt::Daten b = beispiel();
        oeffnenMit(pfad(QStringLiteral("a.trabex")), b.positionen);
        TDLG_Knickung* d = U_knick::DLG_Knickung;
        ausTabOeffnen(1, d);
        {
            Antworten keine(SGcomp::Antwort::Bleiben);
            QVERIFY(d->close()); // nothing changed: no question
            QCOMPARE(keine.fragen, QStringList());
        }
        ausTabOeffnen(1, d);
        tippen(d, "E_Last", zahl(123456));
        Antworten frage {SGcomp::Antwort(antwort)};
        QCOMPARE(programmende ? schliessen() : d->close(), !offen);
        QCOMPARE(frage.fragen.size(), 1);
        QCOMPARE(frage.fragen.at(0),
            QStringLiteral("Die Eingaben im Fenster „%1“ weichen von Pos. 2 „Stütze“ ab. Sollen sie in die Position "
                           "übernommen werden?")
                .arg(d->windowTitle()));
        QCOMPARE(d->isVisible(), offen);
        QCOMPARE(projekt().daten().positionen.at(1).last, uebernommen ? 123456.0 : b.positionen.at(1).last);
        QCOMPARE(Main::Mainform->isWindowModified(), uebernommen);
    }

    // A position opens in its dialog, and "Neu" opens an empty one, also where that dialog has not
    // been used in this run yet: it is built then.
    void dialogErstBeimOeffnenGebaut()
    {
        const Projekt::Daten b = beispiel();
        oeffnenMit(pfad(QStringLiteral("a.trabex")), b.positionen);
        QVERIFY(!U_knick::DLG_Knickung.gebaut());
        tab().Zeile_Waehlen(1);
        klicken(&tab(), "B_Oeffnen");
        QVERIFY(U_knick::DLG_Knickung.gebaut());
        QVERIFY(U_knick::DLG_Knickung->isVisible());
        QCOMPARE(U_knick::DLG_Knickung->B_Position->text(), Positionsknopf::Aktualisieren);
        QCOMPARE(Main::Mainform->L_Mat->text(), b.positionen.at(1).werkstoff.name);

        QVERIFY(!U_scher::DLG_Scherung.gebaut());
        Positionsknopf::Neu(Projekt::Art::Scherung, 0);
        QVERIFY(U_scher::DLG_Scherung->isVisible());
        QCOMPARE(U_scher::DLG_Scherung->B_Position->text(), Positionsknopf::Uebernehmen);
    }

    // Deleting is undone with the position's number, place and ties: its dialog updates it again.
    // Redo deletes it again; the unsaved mark follows the history back to the state opened.
    void loeschenRueckgaengig()
    {
        const Projekt::Daten b = beispiel();
        oeffnenMit(pfad(QStringLiteral("a.trabex")), b.positionen);
        TDLG_Knickung* d = U_knick::DLG_Knickung;
        ausTabOeffnen(1, d);
        QCOMPARE(bearbeiten().A_Rueckgaengig->text(), QStringLiteral("&Rückgängig"));
        QVERIFY(!bearbeiten().A_Rueckgaengig->isEnabled());
        klicken(&tab(), "B_Loeschen");
        QCOMPARE(nummern(), (QStringList {"1", "3"}));
        QCOMPARE(d->B_Position->text(), Positionsknopf::Uebernehmen);
        QCOMPARE(bearbeiten().A_Rueckgaengig->text(), QStringLiteral("&Rückgängig: Position 2 löschen"));
        QVERIFY(Main::Mainform->isWindowModified());

        bearbeiten().A_Rueckgaengig->trigger();
        QCOMPARE(projekt().daten().positionen, b.positionen);
        QCOMPARE(tab().Gewaehlte_Zeile(), 1);
        QCOMPARE(d->B_Position->text(), Positionsknopf::Aktualisieren);
        QVERIFY(!Main::Mainform->isWindowModified());
        QCOMPARE(bearbeiten().A_Wiederholen->text(), QStringLiteral("&Wiederholen: Position 2 löschen"));

        bearbeiten().A_Wiederholen->trigger();
        QCOMPARE(nummern(), (QStringList {"1", "3"}));
        QVERIFY(Main::Mainform->isWindowModified());
        QCOMPARE(d->B_Position->text(), Positionsknopf::Uebernehmen);
        Antworten verwerfen(SGcomp::Antwort::Verwerfen);
        menue().A_Neu->trigger(); // another project: its history starts empty
        QVERIFY(!bearbeiten().A_Rueckgaengig->isEnabled());
        QVERIFY(!bearbeiten().A_Wiederholen->isEnabled());
    }

    // Every edit of the project is a step: undone one after the other, the project goes back
    // through each state it had, redone forwards again. Saving marks the state saved, and the
    // mark follows the history to it and away from it.
    void verlaufAllerSchritte()
    {
        oeffnenMit(pfad(QStringLiteral("a.trabex")), beispiel().positionen);
        QList<Projekt::Daten> staende {projekt().daten()};
        QStringList texte;
        const auto schritt = [&](const QString& text, const std::function<void()>& tun) {
            tun();
            staende.append(projekt().daten());
            texte.append(text);
            QCOMPARE(bearbeiten().A_Rueckgaengig->text(), QStringLiteral("&Rückgängig: ") + text);
        };
        schritt(QStringLiteral("Position 1 nach unten schieben"), [] {
            tab().Zeile_Waehlen(0);
            klicken(&tab(), "B_Nach_unten");
        });
        schritt(QStringLiteral("Position 3 duplizieren"), [] {
            tab().Zeile_Waehlen(2);
            klicken(&tab(), "B_Duplizieren");
        });
        schritt(QStringLiteral("Positionen neu nummerieren"), [] { klicken(&tab(), "B_Neu_nummerieren"); });
        schritt(QStringLiteral("Projektkopf ändern"), [] { projekt().kopfSetzen({QStringLiteral("Garage"), {}, {}, {}}); });
        {
            Dateiwahl wahl(pfad(QStringLiteral("b.trabex")));
            menue().A_Speichern_unter->trigger();
        }
        QVERIFY(!Main::Mainform->isWindowModified());
        schritt(QStringLiteral("Position 2 ändern"), [] { // the Sturz, numbered 2 by now
            ausTabOeffnen(1, U_bieg1::DLG_Biegung1);
            tippen(U_bieg1::DLG_Biegung1, "E_Last", zahl(7000));
            klicken(U_bieg1::DLG_Biegung1, "OKBtn");
        });
        QCOMPARE(projekt().daten().positionen.at(1).last, 7000.0);
        QCOMPARE(tab().L_Kopf->text(), QStringLiteral("Garage"));

        for (qsizetype i = texte.size(); i > 0; --i) {
            QCOMPARE(bearbeiten().A_Rueckgaengig->text(), QStringLiteral("&Rückgängig: ") + texte.at(i - 1));
            bearbeiten().A_Rueckgaengig->trigger();
            QCOMPARE(alsText(projekt().daten().positionen), alsText(staende.at(i - 1).positionen));
            QCOMPARE(projekt().daten().kopf, staende.at(i - 1).kopf);
            QCOMPARE(Main::Mainform->isWindowModified(), i - 1 != 4); // saved after the fourth step
        }
        QVERIFY(!bearbeiten().A_Rueckgaengig->isEnabled());
        QCOMPARE(tab().L_Kopf->text(), QStringLiteral("Projektkopf nicht ausgefüllt"));
        for (qsizetype i = 1; i <= texte.size(); ++i) {
            bearbeiten().A_Wiederholen->trigger();
            QCOMPARE(projekt().daten(), staende.at(i));
        }
        QVERIFY(!bearbeiten().A_Wiederholen->isEnabled());
    }

    // "Neu": the dialog of the chosen kind and case opened empty, whatever it held and whichever
    // position it was tied to, and its inputs added as a new position.
    void neuePosition_data() { rundreise_data(); }
    void neuePosition()
    {
        QFETCH(Position, p);
        QWidget* d = dialogVon(p);
        oeffnenMit(pfad(QStringLiteral("a.trabex")), {p}); // the dialog tied to a position first
        ausTabOeffnen(0, d);
        QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("B_Position"))->text(), Positionsknopf::Aktualisieren);
        Akt_Belastungsfall = 0;
        {
            Neuwahl wahl(p.art, p.art == Projekt::Art::Biegung || p.art == Projekt::Art::Knickung ? p.fall : 0);
            klicken(&tab(), "B_Neu");
        }
        QVERIFY(d->isVisible());
        Plattform::aktivieren(d);
        QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("B_Position"))->text(), Positionsknopf::Uebernehmen);
        if (p.art == Projekt::Art::Traeger) {
            QCOMPARE(U_traeger::DLG_Traeger->SG_Lasten->rowCount(), 0);
            QCOMPARE(U_traeger::DLG_Traeger->SG_Felder->rowCount(), 1);
            QCOMPARE(U_traeger::DLG_Traeger->SG_Felder->item(0, 0)->text(), QStringLiteral("0"));
            QVERIFY(!U_traeger::DLG_Traeger->Ergebnis());
        } else {
            QCOMPARE(Akt_Belastungsfall, p.art == Projekt::Art::Scherung ? 0 : p.fall);
            QCOMPARE(d->findChild<QLineEdit*>(QStringLiteral("E_Last"))->text(), QStringLiteral("0"));
        }

        eintippen(d, p);
        if (p.art == Projekt::Art::Biegung)
            tippen(d, "E_I", zahl(p.profil.I));
        Kennungen kennung(Positionsknopf::Kennung {QStringLiteral("2"), QStringLiteral("Neu")});
        klicken(d, "B_Position");
        Position erwartet = p;
        erwartet.nr = QStringLiteral("2");
        erwartet.titel = QStringLiteral("Neu");
        QCOMPARE(projekt().daten().positionen.size(), 2);
        QCOMPARE(alsText({projekt().daten().positionen.at(1)}), alsText({erwartet}));
        QCOMPARE(bearbeiten().A_Rueckgaengig->text(), QStringLiteral("&Rückgängig: Position 2 hinzufügen"));
    }

    // The small dialog of "Neu": the cases of the kind chosen, none for shear and the beam.
    void neuWahl()
    {
        TDLG_Neue_Position w;
        w.Zeigen({Projekt::Art::Knickung, 3});
        QCOMPARE(w.CB_Fall->count(), 4);
        QCOMPARE(w.Gewaehlt().art, Projekt::Art::Knickung);
        QCOMPARE(w.Gewaehlt().fall, 3);
        QVERIFY(!w.Image1->pixmap().isNull());
        w.CB_Art->setCurrentIndex(0);
        QCOMPARE(w.CB_Fall->count(), 13);
        QVERIFY(w.CB_Fall->itemText(4).startsWith(QStringLiteral("Fall 5: ")));
        w.CB_Art->setCurrentIndex(3);
        QVERIFY(!w.CB_Fall->isEnabled());
        QCOMPARE(w.Gewaehlt().art, Projekt::Art::Traeger);
        QCOMPARE(w.Gewaehlt().fall, 0);
    }

    // A field that is no number: named, nothing stored, no question asked.
    void ungueltigeEingabe()
    {
        Positionszustand::einsetzen(beispiel().positionen.at(2));
        TDLG_Scherung* d = U_scher::DLG_Scherung;
        Plattform::aktivieren(d);
        tippen(d, "E_Last", QStringLiteral("abc"));
        Kennungen kennung(Positionsknopf::Kennung {QStringLiteral("1"), QStringLiteral("x")});
        klicken(d, "B_Position");
        QCOMPARE(kennung.vorschlaege, QStringList());
        QCOMPARE(projekt().daten().positionen.size(), 0);
        QCOMPARE(ohneSkizzen(m_lauf->rekorder),
            QStringList {
                QStringLiteral("Die Eingaben können nicht als Position gespeichert werden.\nLast: 'abc' ist keine Zahl")});
    }

    void tabKnoepfe_data()
    {
        QTest::addColumn<QStringList>("vorher");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QStringList>("nachher");
        QTest::addColumn<int>("gewaehlt");
        const QStringList abc {"1", "2", "3"};
        QTest::newRow("Löschen") << abc << 1 << "B_Loeschen" << QStringList {"1", "3"} << 1;
        QTest::newRow("Löschen der letzten") << abc << 2 << "B_Loeschen" << QStringList {"1", "2"} << 1;
        QTest::newRow("Duplizieren") << abc << 0 << "B_Duplizieren" << QStringList {"1", "4", "2", "3"} << 1;
        QTest::newRow("Nach oben") << abc << 2 << "B_Nach_oben" << QStringList {"1", "3", "2"} << 1;
        QTest::newRow("Nach oben am Anfang") << abc << 0 << "B_Nach_oben" << abc << 0;
        QTest::newRow("Nach unten") << abc << 0 << "B_Nach_unten" << QStringList {"2", "1", "3"} << 1;
        QTest::newRow("Nach unten am Ende") << abc << 2 << "B_Nach_unten" << abc << 2;
        QTest::newRow("Neu nummerieren") << QStringList {"10", "2a", "7"} << 1 << "B_Neu_nummerieren" << abc << 1;
    }

    void tabKnoepfe()
    {
        QFETCH(QStringList, vorher);
        QFETCH(int, zeile);
        QFETCH(QString, knopf);
        QFETCH(QStringList, nachher);
        QFETCH(int, gewaehlt);
        Projekt::Daten d = beispiel();
        for (int i = 0; i < 3; ++i)
            d.positionen[i].nr = vorher.at(i);
        Projektdatei::speichern(d, pfad(QStringLiteral("a.trabex")));
        QVERIFY(menue().Oeffnen(pfad(QStringLiteral("a.trabex"))));
        tab().Zeile_Waehlen(zeile);
        QPushButton* k = tab().findChild<QPushButton*>(knopf);
        QVERIFY(k);
        const bool moeglich = k->isEnabled();
        klicken(&tab(), qPrintable(knopf));
        QCOMPARE(nummern(), nachher);
        QCOMPARE(tab().Gewaehlte_Zeile(), gewaehlt);
        QCOMPARE(Main::Mainform->isWindowModified(), moeglich);
        QCOMPARE(moeglich, nachher != vorher);
    }

    // Unsaved changes: the title marks them, and Neu, Öffnen and closing ask first; an answer
    // "Abbrechen" keeps everything, a save that fails keeps the mark and the window open.
    void ungespeicherteAenderungen()
    {
        Projektdatei::speichern(beispiel(), pfad(QStringLiteral("Garage.trabex")));
        QVERIFY(menue().Oeffnen(pfad(QStringLiteral("Garage.trabex"))));
        QCOMPARE(Main::Mainform->windowTitle(), QStringLiteral("Trabex – Garage.trabex[*]"));
        QVERIFY(!Main::Mainform->isWindowModified());
        tab().Zeile_Waehlen(0);
        klicken(&tab(), "B_Loeschen");
        QVERIFY(Main::Mainform->isWindowModified());
        {
            Antworten abbrechen(SGcomp::Antwort::Bleiben);
            menue().A_Neu->trigger();
            QVERIFY(!schliessen());
            QCOMPARE(abbrechen.fragen.size(), 2);
            QVERIFY(abbrechen.fragen.at(0).contains(QStringLiteral("„Garage.trabex“")));
        }
        QCOMPARE(projekt().daten().positionen.size(), 2);
        QVERIFY(Main::Mainform->isWindowModified());
        {
            Antworten speichern(SGcomp::Antwort::Speichern);
            QFile::remove(pfad(QStringLiteral("Garage.trabex")));
            QDir().mkdir(pfad(QStringLiteral("Garage.trabex"))); // cannot be written
            QVERIFY(!schliessen());
            QCOMPARE(m_lauf->rekorder.meldungen.size(), 1);
            QVERIFY(m_lauf->rekorder.meldungen.at(0).text.startsWith(QStringLiteral("Das Projekt wurde nicht gespeichert.")));
            QVERIFY(Main::Mainform->isWindowModified());
            QDir().rmdir(pfad(QStringLiteral("Garage.trabex")));
            QVERIFY(schliessen());
        }
        QCOMPARE(Projektdatei::laden(pfad(QStringLiteral("Garage.trabex"))).positionen.size(), 2);
        QVERIFY(!Main::Mainform->isWindowModified());
        tab().Zeile_Waehlen(0);
        klicken(&tab(), "B_Loeschen");
        Antworten verwerfen(SGcomp::Antwort::Verwerfen);
        menue().A_Neu->trigger();
        QCOMPARE(projekt().daten().positionen.size(), 0);
        QCOMPARE(projekt().daten().kopf, Projekt::Kopf {});
        QCOMPARE(Main::Mainform->windowTitle(), QStringLiteral("Trabex – Unbenannt[*]"));
        QCOMPARE(Projektdatei::laden(pfad(QStringLiteral("Garage.trabex"))).positionen.size(), 2); // nothing written
    }

    // A file that cannot be read: its message, and the open project as it was.
    void unlesbareDatei()
    {
        Projektdatei::speichern(beispiel(), pfad(QStringLiteral("gut.trabex")));
        QVERIFY(menue().Oeffnen(pfad(QStringLiteral("gut.trabex"))));
        QFile schlecht(pfad(QStringLiteral("schlecht.trabex")));
        QVERIFY(schlecht.open(QIODevice::WriteOnly));
        schlecht.write(R"({"format": "trabex", "version": 1, "positionen": [{"nr": "1", "art": "biegung", "fall": 99}]})");
        schlecht.close();
        QVERIFY(!menue().Oeffnen(pfad(QStringLiteral("schlecht.trabex"))));
        QCOMPARE(m_lauf->rekorder.meldungen.size(), 1);
        QCOMPARE(m_lauf->rekorder.meldungen.at(0).art, Plattform::Meldungsart::Fehler);
        QVERIFY(m_lauf->rekorder.meldungen.at(0).text.contains(QStringLiteral("schlecht.trabex")));
        QCOMPARE(projekt().daten(), beispiel());
        QCOMPARE(projekt().pfad(), pfad(QStringLiteral("gut.trabex")));
        QCOMPARE(menue().Zuletzt(), QStringList {pfad(QStringLiteral("gut.trabex"))});
    }

    // The last five files, newest first, kept for the next run; a missing one leaves the list
    // with a message when chosen.
    void letzteDateien()
    {
        for (int i = 1; i <= 6; ++i) {
            Projektdatei::speichern(beispiel(), pfad(QStringLiteral("p%1.trabex").arg(i)));
            QVERIFY(menue().Oeffnen(pfad(QStringLiteral("p%1.trabex").arg(i))));
        }
        const QStringList erwartet {
            pfad("p6.trabex"), pfad("p5.trabex"), pfad("p4.trabex"), pfad("p3.trabex"), pfad("p2.trabex")};
        QCOMPARE(menue().Zuletzt(), erwartet);
        QCOMPARE(menue().A_Zuletzt.size(), 5);
        QCOMPARE(menue().A_Zuletzt.at(0)->text(), QStringLiteral("&1 p6.trabex"));
        menue().Zuletzt_Laden(); // as at the next start
        QCOMPARE(menue().Zuletzt(), erwartet);

        QFile::remove(pfad("p5.trabex"));
        menue().A_Zuletzt.at(1)->trigger();
        QCOMPARE(m_lauf->rekorder.meldungen.size(), 1);
        QVERIFY(m_lauf->rekorder.meldungen.at(0).text.contains(QStringLiteral("p5.trabex")));
        QCOMPARE(menue().Zuletzt().size(), 4);
        QCOMPARE(projekt().pfad(), pfad("p6.trabex"));
        menue().A_Zuletzt.at(2)->trigger(); // p3
        QCOMPARE(projekt().pfad(), pfad("p3.trabex"));
        QCOMPARE(menue().Zuletzt().first(), pfad("p3.trabex"));
    }
};

TRABEX_TEST_MAIN(TestPositionenFenster)
#include "test_positionen_fenster.moc"
