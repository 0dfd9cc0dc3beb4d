// The tab "Werkstoffauswahl" inside the running program: start-up display, list, choice.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "gui/Main.h"
#include "gui/data/Tab_Werkstoffauswahl.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

using Plattform::Meldungsart;

namespace {

const QByteArray Kopf11 = "Werkstoff;E;SigmaB;SigmaP;T1;T2;Gamma;Art;SigmaD;SigmaZ;SigmaS";

// Writes Material.csv (lines in point notation, stored in the test locale's notation) and an
// empty family index, so that the start-up has everything it reads.
void datenSchreiben(const Testumgebung::Programmverzeichnis& dir, const QByteArray& kopf, const QStringList& zeilen)
{
    QByteArray inhalt = kopf + "\r\n";
    for (const QString& z : zeilen)
        inhalt += Testumgebung::cp1252(Testumgebung::zahl(z)) + "\r\n";
    dir.schreiben(QStringLiteral("Material.csv"), inhalt);
    dir.schreiben(QStringLiteral("Profile.csv"), QByteArray());
}

TTab_Werkstoffauswahl* tab() { return Main::Mainform->TS_Werkstoffauswahl; }

void waehlen(int zeile)
{
    QListWidget* liste = tab()->LB_Material;
    const QRect feld = liste->visualItemRect(liste->item(zeile));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, feld.center());
}

QStringList eintraege(const QListWidget* liste)
{
    QStringList t;
    for (int k = 0; k < liste->count(); ++k)
        t << liste->item(k)->text();
    return t;
}

QString z(const char* punktnotation) { return Testumgebung::zahl(QString::fromLatin1(punktnotation)); }

} // namespace

class TestWerkstoffauswahl : public QObject {
    Q_OBJECT
private slots:
    void init() { Testumgebung::zustandZuruecksetzen(); }

    void steuerelementeAnIhremPlatz()
    {
        Testumgebung::Programmverzeichnis dir;
        datenSchreiben(dir, Kopf11, {});
        Testumgebung::Programm programm(dir);
        const struct {
            const char* name;
            QRect ort;
        } erwartet[] = {
            {"LB_Material", {8, 40, 257, 574}},
            {"L_Name", {580, 69, 150, 22}},
            {"L_SigmaBA", {580, 111, 150, 22}},
            {"L_SigmaPA", {580, 154, 150, 22}},
            {"L_EA", {580, 196, 150, 22}},
            {"L_Grenzschlankheit", {580, 238, 150, 22}},
            {"L_Gamma", {580, 281, 150, 22}},
            {"L_Art", {580, 333, 150, 22}},
            {"L_SigmaD", {580, 373, 150, 22}},
            {"L_SigmaZ", {580, 413, 150, 22}},
            {"L_SigmaS", {580, 453, 150, 22}},
            {"Memo1", {328, 488, 409, 137}},
        };
        for (const auto& e : erwartet) {
            const auto* w = tab()->findChild<QWidget*>(QString::fromLatin1(e.name));
            QVERIFY2(w, e.name);
            QCOMPARE(w->geometry(), e.ort);
            if (const auto* l = qobject_cast<const QLabel*>(w)) {
                QVERIFY2(l->autoFillBackground() && l->palette().color(QPalette::Window) == Bausteine::Rot, e.name);
            }
        }
        const struct {
            const char* name;
            QPoint ort;
            const char* text;
        } beschriftungen[] = {
            {"Label5", {12, 10}, "Materialauswahl:"},
            {"Label6", {328, 10}, "Akt Material:"},
            {"Label7", {328, 74}, "Name :"},
            {"L_SigmaB", {330, 109}, "SigmaB"},
            {"L_SigmaP", {330, 151}, "SigmaP"},
            {"L_E", {330, 193}, "E - Modul [N/mm2] :"},
            {"Label11", {330, 236}, "Grenzschlankheitsgrad"},
            {"Label4", {322, 278}, "Spez. Gewicht [kg/dm³]"},
            {"Label16", {328, 330}, "Art :"},
            {"Label30", {328, 370}, "SigmaD :"},
            {"Label29", {328, 410}, "SigmaZ :"},
            {"Label31", {328, 450}, "SigmaS :"},
        };
        for (const auto& b : beschriftungen) {
            const auto* l = tab()->findChild<QLabel*>(QString::fromLatin1(b.name));
            QVERIFY2(l, b.name);
            QCOMPARE(l->pos(), b.ort);
            QCOMPARE(l->text(), QString::fromUtf8(b.text));
            QVERIFY2(l->width() >= l->sizeHint().width(), b.name); // the caption is not cut
        }
        QCOMPARE(tab()->B_Beenden->pos(), QPoint(832, 493));
        QCOMPARE(tab()->B_Hilfe_Mat->pos(), QPoint(833, 554));
        // The note's sentences as paragraphs that wrap to the box, not as the pieces of a line
        // or a word that an old, narrower box cut them into.
        const QStringList notiz = tab()->Memo1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(notiz,
            QStringList({QStringLiteral("Achtung:"),
                QStringLiteral("Die Werte SigmaD, SigmaZ und SigmaS sind nur für den Werkstoff Holz gedacht da Holz anders als "
                               "bei Stahl nicht soviel Druck, Zug und Schubbelastung aushält als bei Biegung!"),
                QStringLiteral("Die Werte für Holz gelten ausserdem nur in Faserrichtung!!"),
                QStringLiteral("Quer zur Faserrichtung sollte man Holz nicht belasten da es dann nur sehr wenig aushält.")}));
        QCOMPARE(tab()->Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    void startAnzeigeListeUndWahl()
    {
        Testumgebung::Programmverzeichnis dir;
        datenSchreiben(dir, Kopf11,
            {"Baustahl S235JR mit Zeugnis;210000;360;200;310;1.14;7.85;Metall;0;0;0",
                "Fichte C24;10000;45;9.87;29.3;0.194;0.45;Holz;21;14;4", "Kunststoff;3000;50;0;0;0;1.4;Kunststoff;0;0;0",
                "LEER;1;1;1;1;1;1;Metall;0;0;0", "nach dem Ende;1;1;1;1;1;1;Metall;0;0;0"});
        Plattform::Meldungsrekorder rekorder;
        Testumgebung::Programm programm(dir);
        QCOMPARE(rekorder.texte(), QStringList());
        QCOMPARE(Main::Materialdatenbankversion, 2);

        // Entry 0 is shown and chosen before the list exists.
        QCOMPARE(tab()->L_Name->text(), QStringLiteral("Baustahl S235JR mit "));
        QCOMPARE(Main::Mainform->L_Mat->text(), QStringLiteral("Baustahl S235JR mit "));
        QCOMPARE(tab()->L_SigmaBA->text(), z("360.00"));
        QCOMPARE(tab()->L_EA->text(), z("210000.00"));
        QCOMPARE(tab()->L_Grenzschlankheit->text(), z("101.80")); // π·√(210000/200)
        QCOMPARE(tab()->L_Art->text(), QStringLiteral("Metall"));
        QCOMPARE(tab()->L_SigmaB->text(), QStringLiteral("SigmaB"));
        QCOMPARE(Unit1::Sigma_Zul, 120.0);
        QCOMPARE(tab()->LB_Material->count(), 0);

        Main::Mainform->show();
        Plattform::aktivieren(Main::Mainform);
        Plattform::aktivieren(Main::Mainform); // only the first activation fills the list
        QCOMPARE(eintraege(tab()->LB_Material), (QStringList {"Baustahl S235JR mit ", "Fichte C24", "Kunststoff"}));
        QCOMPARE(tab()->LB_Material->currentRow(), 0);

        waehlen(1);
        QCOMPARE(Unit1::Sorte, QStringLiteral("Fichte C24"));
        QCOMPARE(Unit1::E, 10000.0);
        QCOMPARE(Unit1::Sigma_B, 45.0);
        QCOMPARE(Unit1::Sigma_P, 9.87);
        QCOMPARE(Unit1::Gamma, 0.45);
        QVERIFY(std::abs(Unit1::GrenzSchlankheit - 100.0) < 0.01);
        QCOMPARE(Unit1::Sigma_Zul, 45 / 1.625);
        QCOMPARE(tab()->L_Art->text(), QStringLiteral("Holz"));
        QCOMPARE(tab()->L_SigmaD->text(), z("21.00"));
        QCOMPARE(tab()->L_SigmaZ->text(), z("14.00"));
        QCOMPARE(tab()->L_SigmaS->text(), z("4.00"));
        QCOMPARE(tab()->L_Gamma->text(), z("0.45"));
        QCOMPARE(Main::Mainform->L_Mat->text(), QStringLiteral("Fichte C24"));

        waehlen(2);
        QCOMPARE(tab()->L_Grenzschlankheit->text(), z("0.00"));
        QCOMPARE(tab()->L_SigmaPA->text(), z("0.00"));
        QCOMPARE(Unit1::Sigma_Zul, 50 / 3.0);

        // Arrow keys choose as well.
        QTest::keyClick(tab()->LB_Material, Qt::Key_Up);
        QCOMPARE(Unit1::Sorte, QStringLiteral("Fichte C24"));
        QCOMPARE(rekorder.texte(), QStringList());
    }

    void altesFormatMitHinweis()
    {
        Testumgebung::Programmverzeichnis dir;
        datenSchreiben(dir, "Werkstoff;E;SigmaB;SigmaP;T1;T2;Gamma",
            {"Stahl;210000;360;200;310;1.14;7.85", "Holz;10000;45;9.87;29.3;0.194;0.45"});
        Plattform::Meldungsrekorder rekorder;
        Testumgebung::Programm programm(dir);
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Meldungsart::Information);
        QCOMPARE(rekorder.meldungen[0].text,
            QStringLiteral("Sie haben noch eine alte Materialdatenbank, Sie können sie im Reiter Werkstoffdatenbank "
                           "mit dem Button Konvertieren in die neue Version umwandeln "));
        QCOMPARE(Main::Materialdatenbankversion, 1);
        Main::Mainform->show();
        Plattform::aktivieren(Main::Mainform);
        waehlen(1);
        for (const QLabel* l : {tab()->L_Art, tab()->L_SigmaD, tab()->L_SigmaZ, tab()->L_SigmaS})
            QCOMPARE(l->text(), QString());
        QCOMPARE(Unit1::Sigma_Zul, 15.0); // the metal divisor, as the kind is unknown
    }

    void nurKopfzeileListetLEER()
    {
        Testumgebung::Programmverzeichnis dir;
        datenSchreiben(dir, Kopf11, {});
        Testumgebung::Programm programm(dir);
        tab()->PC_1Enter();
        QCOMPARE(eintraege(tab()->LB_Material), QStringList {"LEER"});
        QCOMPARE(tab()->L_Name->text(), QStringLiteral("LEER"));
        QCOMPARE(tab()->L_EA->text(), z("0.00"));
        QCOMPARE(tab()->L_Art->text(), QStringLiteral("Leer"));
        QCOMPARE(Unit1::Sigma_Zul, 0.0);
    }

    // A failing start-up step is reported; the window still opens with what was loaded.
    void fehlerBeimStartWirdGemeldet_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("anfang");
        QTest::newRow("fehlende Datei") << QByteArray() << "Datei ";
        QTest::newRow("falsche Zahl") << Kopf11 + "\r\nA;1;2;0;0;0;1;Metall;0;0;0\r\nB;zwei;2;0;0;0;1;Metall;0;0;0\r\n"
                                      << "'zwei' ist kein gültiger Gleitkommawert (Datei Material.csv, Zeile 3, Spalte 2)";
        QTest::newRow("binärer Müll") << QByteArray("\x00\xff\x01;\x00\r\n\x80\x81;;;\xfe", 13) << "'";
    }
    void fehlerBeimStartWirdGemeldet()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, anfang);
        Testumgebung::Programmverzeichnis dir;
        dir.schreiben(QStringLiteral("Profile.csv"), QByteArray());
        if (!inhalt.isEmpty())
            dir.schreiben(QStringLiteral("Material.csv"), inhalt);
        Plattform::Meldungsrekorder rekorder;
        Testumgebung::Programm programm(dir);
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Meldungsart::Bericht);
        QVERIFY2(rekorder.meldungen[0].text.startsWith(anfang), qPrintable(rekorder.meldungen[0].text));
        QCOMPARE(tab()->L_Name->text(), QString()); // the display of entry 0 was skipped
        Plattform::aktivieren(Main::Mainform);
        QVERIFY(tab()->LB_Material->count() >= 1);
    }
};

TRABEX_TEST_MAIN(TestWerkstoffauswahl)
#include "test_werkstoffauswahl.moc"
