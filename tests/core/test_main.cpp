// Program start-up, the main window, its load-case buttons and the visual style.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/data/U_Einwirkungen.h"
#include "gui/Main.h"
#include "gui/calc/U_bieg1.h"
#include "gui/calc/U_bieg2.h"
#include "gui/calc/U_knick.h"
#include "gui/calc/U_passend.h"
#include "gui/calc/U_scher.h"
#include "gui/calc/U_traeger.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/platform/Stile.h"
#include "gui/report/U_Printgr.h"
#include "gui/sections/U_profil.h"

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyleOption>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

using Plattform::Meldungsart;

namespace {

// A minimal installation: no families, a material file with a header only.
void minimaleDaten(const Testumgebung::Programmverzeichnis& dir)
{
    dir.schreiben(QStringLiteral("Profile.csv"), QByteArray());
    dir.schreiben(QStringLiteral("Material.csv"),
        Testumgebung::cp1252(
            QStringLiteral("Sorte;E;SigmaB;SigmaP;T1;T2;Gamma;Art;SigmaD [N/mm²];SigmaZ [N/mm²];SigmaS [N/mm²]\r\n")));
}

template <class T = QWidget> T* control(const char* name)
{
    T* w = Main::Mainform->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        qWarning("missing control %s", name);
    return w;
}

QStringList warnungen(const Plattform::Meldungsrekorder& r)
{
    QStringList t;
    for (const auto& m : r.meldungen)
        if (m.art != Meldungsart::Information)
            t << m.text;
    return t;
}

// The width a caption takes in its control's font, against the room the style leaves it: a
// button's contents beside its icon, a drop-down list's edit field.
int breite(const QWidget* w, const QString& text) { return w->fontMetrics().horizontalAdvance(QString(text).remove(u'&')); }

int raum(const QPushButton* k)
{
    QStyleOptionButton o;
    o.initFrom(k);
    o.icon = k->icon();
    o.iconSize = k->iconSize();
    const int innen = k->style()->subElementRect(QStyle::SE_PushButtonContents, &o, k).width();
    return k->icon().isNull() ? innen : innen - k->iconSize().width() - 4;
}

int raum(const QComboBox* c)
{
    QStyleOptionComboBox o;
    o.initFrom(c);
    o.frame = c->hasFrame();
    return c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c).width() - 2;
}

QStringList eintraege(const QComboBox* c)
{
    QStringList t;
    for (int i = 0; i < c->count(); ++i)
        t << c->itemText(i);
    return t;
}

} // namespace

class TestMain : public QObject {
    Q_OBJECT
private slots:
    void init() { Stile::setzen(QStringLiteral("Fusion")); }

    void fensterUndSteuerelemente()
    {
        Plattform::Meldungsrekorder rekorder;
        Testumgebung::Programmverzeichnis dir;
        minimaleDaten(dir);
        Testumgebung::Programm programm(dir);
        TMainform* m = Main::Mainform;
        QCOMPARE(m->windowTitle(), QStringLiteral("Trabex – Unbenannt[*]"));
        QVERIFY(!m->isWindowModified());
        QCOMPARE(control<QTabWidget>("PC_1")->size(), QSize(1008, 661)); // under the menu bar
        QCOMPARE(m->size(), QSize(1008, 661 + control<QWidget>("MM_Menue")->height()));
        QCOMPARE(Main::Programmdir, dir.pfad());
        QCOMPARE(Main::Datendir, dir.daten());
        QTabWidget* pc = control<QTabWidget>("PC_1");
        QVERIFY(pc);
        const QStringList reiter {
            "Berechnungen", "Werkstoffauswahl", "Werkstoffdatenbank", "Profileditor", "Einwirkungen", "Positionen"};
        const QStringList namen {"TS_Berechnungen", "TS_Werkstoffauswahl", "TS_Werkstoffdatenbank", "TS_Profileditor",
            "TS_Einwirkungen", "TS_Positionen"};
        QCOMPARE(pc->count(), reiter.size());
        for (int k = 0; k < reiter.size(); ++k) {
            QCOMPARE(pc->tabText(k), reiter[k]);
            QCOMPARE(pc->widget(k)->objectName(), namen[k]);
        }
        QCOMPARE(pc->currentIndex(), 0);
        for (const char* name : {"Label1", "Label2", "Label3", "Label13", "Label32", "Label33", "L_Mat", "L_Style", "CB_Style",
                 "B_Hilfe_Auswahl", "B_Beenden2", "B_Scherung", "B_Knick1", "B_Knick2", "B_Knick3", "B_Knick4", "B_Biegung1",
                 "B_Biegung2", "B_Biegung3", "B_Biegung4", "B_Biegung5", "B_Biegung6", "B_Biegung7", "B_Biegung8", "B_Bieg9",
                 "B_Bieg10", "B_Bieg11", "B_Bieg12", "B_Bieg13", "B_Beenden", "B_Ende", "BitBtn10", "B_Hilfe_Mat", "B_Hilfe",
                 "B_Hilfe_Profil"})
            QVERIFY2(control(name), name);
        QCOMPARE(control<QLabel>("Label13")->text(),
            QStringLiteral("Hinweis: Das Eigengewicht des Trägers rechnen die Biegedialoge nur mit, wenn „Eigengewicht "
                           "berücksichtigen“ angekreuzt ist."));
        {
            // The whole note fits within its tab.
            const QLabel* hinweis = control<QLabel>("Label13");
            QVERIFY(hinweis->geometry().right() < control("PC_1")->width());
            QVERIFY(hinweis->heightForWidth(hinweis->width()) <= hinweis->height());
        }
        QCOMPARE(control("B_Bieg10")->geometry(), QRect(220, 498, 128, 64));
        QCOMPARE(control("B_Knick4")->geometry(), QRect(790, 224, 128, 128));
        QVERIFY(control<QPushButton>("B_Biegung1")->text().isEmpty());
        QVERIFY(!control<QPushButton>("B_Biegung1")->icon().isNull());
        // Cases 5 and 9 look alike on their buttons; the tooltips tell them apart.
        QCOMPARE(control("B_Biegung5")->toolTip(), QStringLiteral("Fall 5: Aufgelegter Träger mit Gleichlast"));
        QCOMPARE(control("B_Bieg9")->toolTip(),
            QStringLiteral("Fall 9: Beidseitig aufgelegter Träger mit Gleichlast, Auflager nicht am Rand"));
        QCOMPARE(control("B_Knick1")->toolTip(), QStringLiteral("Knickfall 1: beide Enden gelenkig, s_k = L"));
        QCOMPARE(control("B_Scherung")->toolTip(), QStringLiteral("Berechnung auf Abscherung"));
        // Profildat and the calculation state start free.
        QCOMPARE(Unit1::ProfilArt, QStringLiteral("Keines gewählt"));
        QCOMPARE(Unit1::Profildat[0][0].Art, QStringLiteral("LEER"));
        QCOMPARE(Main::Hilfeindex, 0);
        QCOMPARE(warnungen(rekorder), QStringList());
    }

    void lastfallKnoepfe()
    {
        Plattform::Meldungsrekorder rekorder;
        Testumgebung::Programmverzeichnis dir;
        minimaleDaten(dir);
        Testumgebung::Programm programm(dir);
        // A dialog is built when its first button is pressed, as the one child of the window.
        QVERIFY(!U_bieg2::DLG_Biegung2.gebaut());
        control<QPushButton>("B_Biegung4")->click();
        QCOMPARE(Unit1::Akt_Belastungsfall, 4);
        QVERIFY(U_bieg2::DLG_Biegung2->isVisible());
        QCOMPARE(Main::Mainform->findChildren<TDLG_Biegung2*>(), QList<TDLG_Biegung2*> {U_bieg2::DLG_Biegung2});
        control<QPushButton>("B_Biegung3")->click();
        QCOMPARE(Unit1::Akt_Belastungsfall, 3);
        QVERIFY(U_bieg1::DLG_Biegung1->isVisible());
        QVERIFY(U_bieg2::DLG_Biegung2->isVisible());
        const QList<QPair<const char*, int>> zweiter {{"B_Biegung8", 8}, {"B_Bieg9", 9}, {"B_Bieg12", 12}};
        for (const auto& [name, fall] : zweiter) {
            U_bieg2::DLG_Biegung2->hide();
            control<QPushButton>(name)->click();
            QCOMPARE(Unit1::Akt_Belastungsfall, fall);
            QVERIFY(U_bieg2::DLG_Biegung2->isVisible());
        }
        control<QPushButton>("B_Scherung")->click();
        QCOMPARE(Unit1::Akt_Belastungsfall, 0);
        QVERIFY(U_scher::DLG_Scherung->isVisible());
        for (int f = 1; f <= 4; ++f) {
            control<QPushButton>(qPrintable(QStringLiteral("B_Knick%1").arg(f)))->click();
            QCOMPARE(Unit1::Akt_Belastungsfall, f);
        }
        QVERIFY(U_knick::DLG_Knickung->isVisible());
    }

    void hilfeKnoepfeSetzenThema()
    {
        Plattform::Meldungsrekorder rekorder;
        Testumgebung::Programmverzeichnis dir;
        minimaleDaten(dir);
        Testumgebung::Programm programm(dir);
        const QList<QPair<const char*, int>> knoepfe {
            {"B_Hilfe_Auswahl", 0}, {"B_Hilfe_Mat", 1}, {"B_Hilfe", 8}, {"B_Hilfe_Profil", 9}};
        for (const auto& [name, thema] : knoepfe) {
            Main::Hilfeindex = -5;
            bool modal = false;
            QTimer::singleShot(0, [&] {
                modal = QApplication::activeModalWidget() == U_Hilfe::DLG_Hilfe;
                U_Hilfe::DLG_Hilfe->reject();
            });
            control<QPushButton>(name)->click();
            QCOMPARE(Main::Hilfeindex, thema);
            QVERIFY2(modal, name);
        }
    }

    void stilOhneStyleIni()
    {
        Plattform::Meldungsrekorder rekorder;
        Testumgebung::Programmverzeichnis dir;
        minimaleDaten(dir);
        {
            Testumgebung::Programm programm(dir);
            QCOMPARE(control<QLabel>("L_Style")->text(), QStringLiteral("Windows"));
            QCOMPARE(Stile::aktiv(), QStringLiteral("Windows"));
            auto* cb = control<QComboBox>("CB_Style");
            QCOMPARE(cb->currentText(), QStringLiteral("Windows"));
            cb->setCurrentIndex(cb->findText(QStringLiteral("Fusion")));
            Main::Mainform->CB_StyleChange();
            QCOMPARE(control<QLabel>("L_Style")->text(), QStringLiteral("Fusion"));
            Main::Mainform->close();
        }
        QCOMPARE(dir.lesen(QStringLiteral("Style.INI")), QByteArray("Fusion\r\n"));
        QCOMPARE(warnungen(rekorder), QStringList());
    }

    // A Style.INI from outside may name nothing usable: the program starts, says so once and
    // keeps the style that was active.
    void unbrauchbareStyleIni_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("gezeigt");
        QTest::newRow("unbekannter Name") << QByteArray("Aqua\r\nFusion\r\n") << "Aqua";
        QTest::newRow("leer") << QByteArray() << "";
        QTest::newRow("binaer") << QByteArray("\x00\x01\xFF\xFE\x7F", 5) << QString();
        QTest::newRow("sehr gross") << QByteArray(8 * 1024 * 1024, 'A') << QString();
    }
    void unbrauchbareStyleIni()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, gezeigt);
        Plattform::Meldungsrekorder rekorder;
        Testumgebung::Programmverzeichnis dir;
        minimaleDaten(dir);
        dir.schreiben(QStringLiteral("STYLE.ini"), inhalt);
        Testumgebung::Programm programm(dir);
        QCOMPARE(Stile::aktiv(), QStringLiteral("Luna"));
        if (!gezeigt.isNull())
            QCOMPARE(control<QLabel>("L_Style")->text(), gezeigt);
        QVERIFY(control<QLabel>("L_Style")->text().size() <= 4096);
        QCOMPARE(warnungen(rekorder).size(), 1);
        QVERIFY(warnungen(rekorder).first().startsWith(QStringLiteral("Der Stil")));
        QCOMPARE(rekorder.meldungen.first().art, Meldungsart::Warnung);
    }

    void schliessenErzeugtFehlendesVerzeichnis()
    {
        Plattform::Meldungsrekorder rekorder;
        Testumgebung::Programmverzeichnis dir;
        minimaleDaten(dir);
        Testumgebung::Programm programm(dir);
        QVERIFY(QDir(dir.daten()).removeRecursively());
        rekorder.leeren();
        Main::Mainform->close();
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Meldungsart::Schlicht);
        QCOMPARE(
            rekorder.meldungen[0].text, QStringLiteral("Das Verzeichnis %1 existiert nicht, es wird erzeugt!").arg(dir.daten()));
        QCOMPARE(dir.lesen(QStringLiteral("Style.INI")), QByteArray("Windows\r\n"));
    }

    void startOhneDatenverzeichnis()
    {
        Plattform::Meldungsrekorder rekorder;
        Testumgebung::Programmverzeichnis dir;
        QVERIFY(QDir(dir.daten()).removeRecursively());
        Testumgebung::Programm programm(dir);
        QVERIFY(Main::Mainform);
        QCOMPARE(Unit1::Matdat[0].Sorte, QStringLiteral("LEER"));
        QCOMPARE(Unit1::ProfilName, QStringLiteral("Keiner gewählt"));
        // The data folder (the user's own, nothing beside the program) holds neither the index
        // nor the material file: each went to the general report, and nothing else was shown.
        QCOMPARE(rekorder.meldungen.size(), 2);
        for (const auto& m : rekorder.meldungen)
            QCOMPARE(m.art, Meldungsart::Bericht);
        const QStringList texte = rekorder.texte();
        QVERIFY2(texte[0].startsWith(QStringLiteral("Datei %1Profile.csv kann nicht geöffnet werden. ").arg(Main::Datendir)),
            qPrintable(texte[0]));
        QVERIFY2(texte[1].startsWith(QStringLiteral("Datei %1Material.CSV kann nicht geöffnet werden. ").arg(Main::Datendir)),
            qPrintable(texte[1]));
    }

    // One family file that is missing, one with a bad number and one without a profile: the
    // first two are reported once each and left out, the empty one is listed with the single
    // entry "LEER", and every family after them is offered.
    void beschaedigteFamilienVerbergenKeineAnderen()
    {
        Plattform::Meldungsrekorder rekorder;
        Testumgebung::Programmverzeichnis dir;
        minimaleDaten(dir);
        const QByteArray kopf = "Art;Name;Wmax;Wmin;Imax;Imin;A\r\n";
        dir.schreiben(QStringLiteral("Profile.csv"), "IPE.CSV\r\nFEHLT.CSV\r\nKAPUTT.CSV\r\nNEU.CSV\r\nHEB.CSV\r\n");
        dir.schreiben(QStringLiteral("IPE.CSV"), kopf + "IPE;IPE 80;20;3;80;8;7\r\n");
        dir.schreiben(QStringLiteral("KAPUTT.CSV"), kopf + "K;K 1;1;1;1;1;eins\r\n");
        dir.schreiben(QStringLiteral("NEU.CSV"), kopf);
        dir.schreiben(QStringLiteral("HEB.CSV"), kopf + "HEB;HEB 100;89;33;450;167;26\r\n");
        Testumgebung::Programm programm(dir);
        QCOMPARE(rekorder.meldungen.size(), 2);
        QVERIFY(rekorder.texte()[0].contains(QStringLiteral("FEHLT.CSV kann nicht geöffnet werden.")));
        QVERIFY(rekorder.texte()[1].contains(QStringLiteral("(Datei KAPUTT.CSV, Zeile 2, Spalte 7)")));
        TDLG_Profil* d = U_profil::DLG_Profil;
        d->FormActivate();
        QStringList familien;
        for (int k = 0; k < d->LB_Profilart->count(); ++k)
            familien << d->LB_Profilart->item(k)->text();
        QCOMPARE(familien, (QStringList {"IPE", "NEU", "HEB"}));
        d->LB_Profilart->setCurrentRow(1);
        QCOMPARE(d->LB_Profil->count(), 1);
        QCOMPARE(d->LB_Profil->item(0)->text(), QStringLiteral("LEER"));
        QCOMPARE(Unit1::W, 0.0);
        d->LB_Profilart->setCurrentRow(2);
        QCOMPARE(Unit1::ProfilName, QStringLiteral("HEB 100"));
    }

    void ausnahmeImHandlerErreichtBericht()
    {
        Plattform::Meldungsrekorder rekorder;
        QPushButton knopf;
        struct Ziel {
            int aufrufe = 0;
            void wirft()
            {
                ++aufrufe;
                throw Plattform::Fehler::listenindex(-1);
            }
        } ziel;
        QObject::connect(&knopf, &QPushButton::clicked, &knopf, Plattform::handler(&ziel, &Ziel::wirft));
        knopf.click();
        knopf.click();
        QCOMPARE(ziel.aufrufe, 2);
        QCOMPARE(rekorder.meldungen.size(), 2);
        QCOMPARE(rekorder.meldungen[0].art, Meldungsart::Bericht);
        QCOMPARE(rekorder.meldungen[0].text, QStringLiteral("Listenindex überschreitet das Maximum (-1)"));
    }
    // Each calculation dialog prints through a printer set-up dialog of its own, found by the
    // name its dialog gives it.
    void druckeinrichtungJeDialog()
    {
        Testumgebung::Programmlauf lauf(minimaleDaten);
        U_Printgr::Printer().setOutputFileName(lauf.verzeichnis.pfad() + QStringLiteral("bericht.pdf"));
        const struct {
            QWidget* dialog;
            QPushButton* drucken;
            int fall;
        } dialoge[] = {{U_bieg1::DLG_Biegung1, U_bieg1::DLG_Biegung1->B_Drucken, 1},
            {U_bieg2::DLG_Biegung2, U_bieg2::DLG_Biegung2->B_Drucken, 9},
            {U_knick::DLG_Knickung, U_knick::DLG_Knickung->B_Drucken, 2},
            {U_scher::DLG_Scherung, U_scher::DLG_Scherung->B_Drucken, 0}};
        QStringList namen;
        for (const auto& d : dialoge) {
            Unit1::Akt_Belastungsfall = d.fall;
            Main::Dialog_Zeigen(d.dialog);
            Plattform::aktivieren(d.dialog);
            QTimer antworten;
            QObject::connect(&antworten, &QTimer::timeout, d.dialog, [&] {
                QWidget* offen = QApplication::activeModalWidget();
                if (offen && offen->objectName() == QStringLiteral("DLG_Berichtskopf"))
                    static_cast<QDialog*>(offen)->accept();
                else if (auto* setup = qobject_cast<QPrintDialog*>(offen)) {
                    namen << setup->objectName();
                    QCOMPARE(setup->parentWidget(), d.dialog);
                    setup->reject();
                }
            });
            antworten.start(0);
            QTest::mouseClick(d.drucken, Qt::LeftButton);
            antworten.stop();
            d.dialog->hide();
        }
        U_Printgr::Printer().setOutputFileName(QString());
        QCOMPARE(namen,
            QStringList({QStringLiteral("Drucksetupdlg"), QStringLiteral("Drucksetupdlg2"), QStringLiteral("Drucksetupdlg3"),
                QStringLiteral("Drucksetupdlg4")}));
    }

    // The captions that were cut on a laptop show whole, in every style the program offers: the
    // position button in the narrowest button column, the criteria of the finders, the longest
    // category, and the load table's headings in both units and the lists in its cells, with all
    // its columns in view.
    void beschriftungenPassen()
    {
        Testumgebung::Programmlauf lauf;
        U_Einwirkungen::Kategorien = {{QStringLiteral("A"), QStringLiteral("Q Kat. A"),
                                          QStringLiteral("Nutzlast Kategorie A: Wohn- und Aufenthaltsräume"), 0.7, 0.5, 0.3},
            {QStringLiteral("Schnee"), QStringLiteral("S"), QStringLiteral("Schneelast, Orte bis NN +1000 m"), 0.5, 0.2, 0}};
        Unit1::Akt_Belastungsfall = 5;
        Plattform::aktivieren(U_bieg1::DLG_Biegung1); // the categories as the table has them now
        TDLG_Traeger* t = U_traeger::DLG_Traeger;
        t->show();
        for (int i = 0; i < 10; ++i) { // more rows than the table shows: with its scroll bar
            t->B_Last_Neu->click();
            // Every kind, action and category of load once.
            for (int spalte : {U_traeger::Spalte_Art, U_traeger::Spalte_Einwirkung, U_traeger::Spalte_Kategorie}) {
                auto* c = qobject_cast<QComboBox*>(t->SG_Lasten->cellWidget(i, spalte));
                c->setCurrentIndex(i % c->count());
            }
        }
        for (const QString& stil : Stile::namen()) {
            QVERIFY(Stile::setzen(stil));
            QList<QPushButton*> knoepfe;
            for (QWidget* d : std::initializer_list<QWidget*> {
                     U_bieg1::DLG_Biegung1, U_bieg2::DLG_Biegung2, U_knick::DLG_Knickung, U_scher::DLG_Scherung, t})
                knoepfe << d->findChild<QPushButton*>(QStringLiteral("B_Position"));
            for (QPushButton* k : knoepfe)
                for (const QString& text : {QStringLiteral("Als Position übernehmen"), QStringLiteral("Position aktualisieren")})
                    QVERIFY2(breite(k, text) <= raum(k),
                        qPrintable(QStringLiteral("%1, %2: %3 > %4")
                                       .arg(stil, k->window()->objectName())
                                       .arg(breite(k, text))
                                       .arg(raum(k))));
            QList<QComboBox*> listen {U_passend::DLG_Passendes_Profil->CB_Kriterium, t->CB_Suchkriterium};
            QCoreApplication::processEvents(); // the table places its lists in their cells
            for (int zeile = 0; zeile < t->SG_Lasten->rowCount(); ++zeile)
                for (int spalte : {U_traeger::Spalte_Art, U_traeger::Spalte_Einwirkung, U_traeger::Spalte_Kategorie}) {
                    auto* c = qobject_cast<QComboBox*>(t->SG_Lasten->cellWidget(zeile, spalte));
                    QVERIFY2(breite(c, c->currentText()) <= raum(c),
                        qPrintable(QStringLiteral("%1: „%2“: %3 > %4")
                                       .arg(stil, c->currentText())
                                       .arg(breite(c, c->currentText()))
                                       .arg(raum(c))));
                }
            for (QWidget* d : std::initializer_list<QWidget*> {U_bieg1::DLG_Biegung1, U_bieg2::DLG_Biegung2})
                listen << d->findChild<QComboBox*>(QStringLiteral("CB_Kategorie"))
                       << d->findChild<QComboBox*>(QStringLiteral("CB_Einwirkung"));
            for (QComboBox* c : listen)
                for (const QString& text : eintraege(c))
                    QVERIFY2(
                        breite(c, text) <= raum(c), qPrintable(QStringLiteral("%1, %2: „%3“").arg(stil, c->objectName(), text)));
            QVERIFY(eintraege(listen[2]).contains(QStringLiteral("Nutzlast Kategorie A: Wohn- und Aufenthaltsräume")));

            for (int einheiten : {1, 0}) {
                t->CB_Einheiten->setCurrentIndex(einheiten);
                QHeaderView* kopf = t->SG_Lasten->horizontalHeader();
                const int rand = 2 * kopf->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, kopf);
                for (int spalte = 0; spalte < t->SG_Lasten->columnCount(); ++spalte) {
                    const QString text = t->SG_Lasten->horizontalHeaderItem(spalte)->text();
                    QVERIFY2(
                        breite(kopf, text) + rand <= kopf->sectionSize(spalte), qPrintable(stil + QStringLiteral(": ") + text));
                }
                // All columns in view: the table does not scroll sideways.
                QCoreApplication::processEvents();
                QVERIFY2(kopf->length() <= t->SG_Lasten->viewport()->width(),
                    qPrintable(
                        QStringLiteral("%1: %2 > %3").arg(stil).arg(kopf->length()).arg(t->SG_Lasten->viewport()->width())));
            }
        }
    }
};

TRABEX_TEST_MAIN(TestMain)
#include "test_main.moc"
