// The formula viewer (title and pictures per formula number, fitting into the boxes, failure
// of a missing picture) and the help viewer (topic choice, loading, saving, discarding).
#include "Testumgebung.h"

#include "core/explain/Formeltafel.h"
#include "core/explain/Rtf.h"
#include "core/platform/Textdatei.h"
#include "gui/Main.h"
#include "gui/explain/U_Formel.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Oberflaeche.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace {

// A picture file whose size tells which file was shown.
QByteArray bild(const QSize& groesse, const char* art, QColor farbe = Qt::darkGreen)
{
    QImage b(groesse, QImage::Format_RGB32);
    b.fill(farbe);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    b.save(&puffer, art);
    return daten;
}

QSize gezeigt(const QLabel* label) { return label->pixmap().size(); }

QByteArray rtfMit(const QString& text)
{
    QTextDocument dokument;
    dokument.setPlainText(text);
    return Rtf::schreiben(dokument);
}

} // namespace

class TestErklaerung : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formeltafel_data();
    void formeltafel();
    void angezeigteGroesse_data();
    void angezeigteGroesse();

    void formelviewerZeigtDenFall();
    void knickfaelleHabenGleicheFormelbilder();
    void indexAusserhalbLaesstAllesStehen();
    void grossesBildWirdVerkleinert();
    void fehlendesBildBleibtLeer();
    void abbrechenSchliesst();

    void hilfeOhneAuswahlNimmtErstesThema();
    void hilfeZeigtThemaDesKnopfs();
    void hilfeknoepfeDesHauptfensters_data();
    void hilfeknoepfeDesHauptfensters();
    void gespeicherteHilfeErscheintWieder();
    void themenwechselVerwirftAenderung();
    void fehlendeHilfedateiBehaeltText();
    void speichernOhneGeladenesThema();
    void misslungenesSpeichernBehaeltText();
    void tastaturWaehltThema();
    void gelieferteHilfetexte();

private:
    std::unique_ptr<Testumgebung::Programmlauf> m_lauf;

    void formelbilderSchreiben();
    void zeigeFormel(int index)
    {
        Main::Formelindex = index;
        Plattform::aktivieren(U_Formel::DLG_Formel);
    }
    void zeigeHilfe(int index)
    {
        Main::Hilfeindex = index;
        Plattform::aktivieren(U_Hilfe::DLG_Hilfe);
    }
    QString hilfetext() const { return U_Hilfe::DLG_Hilfe->E_Hilfe->toPlainText(); }
};

void TestErklaerung::init()
{
    Testumgebung::zustandZuruecksetzen();
    m_lauf = std::make_unique<Testumgebung::Programmlauf>();
}

void TestErklaerung::cleanup() { m_lauf.reset(); }

// Every picture of the table, each with a size of its own; file names in mixed case as an
// installation may have them.
void TestErklaerung::formelbilderSchreiben()
{
    for (int fall = 1; fall <= 13; ++fall) {
        m_lauf->verzeichnis.schreiben(QStringLiteral("B_Bieg%1.BMP").arg(fall), bild(QSize(200 + fall, 100), "BMP"));
        m_lauf->verzeichnis.schreiben(QStringLiteral("Formel%1.JPG").arg(fall), bild(QSize(300 + fall, 400), "JPEG"));
    }
    for (int fall = 1; fall <= 4; ++fall)
        m_lauf->verzeichnis.schreiben(QStringLiteral("b_knick%1.bmp").arg(fall), bild(QSize(120, 200 + fall), "BMP"));
    m_lauf->verzeichnis.schreiben(QStringLiteral("B_Scher.BMP"), bild(QSize(250, 120), "BMP"));
    for (int k : {20, 30}) {
        m_lauf->verzeichnis.schreiben(QStringLiteral("Formel%1.JPG").arg(k), bild(QSize(300 + k, 500), "JPEG"));
        m_lauf->verzeichnis.schreiben(QStringLiteral("Einheiten%1.JPG").arg(k), bild(QSize(400 + k, 500), "JPEG"));
    }
    for (int k = 1; k <= 3; ++k)
        m_lauf->verzeichnis.schreiben(QStringLiteral("Einheiten%1.JPG").arg(k), bild(QSize(400 + k, 600), "JPEG"));
}

void TestErklaerung::formeltafel_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QStringList>("dateien");

    QTest::newRow("1 kragtraeger einzellast")
        << 1 << QStringLiteral("Biegung - Einseitig eingespannter Träger mit Einzellast am Ende")
        << QStringList {"B_Bieg1.BMP", "Formel1.JPG", "Einheiten1.JPG"};
    QTest::newRow("5 gleichlast") << 5 << QStringLiteral("Biegung - Aufgelegter Träger mit Gleichlast")
                                  << QStringList {"B_Bieg5.BMP", "Formel5.JPG", "Einheiten2.JPG"};
    QTest::newRow("7 dreieckslast") << 7 << QStringLiteral("Biegung - Aufgelegter Träger mit dreiecksförmiger Last")
                                    << QStringList {"B_Bieg7.BMP", "Formel7.JPG", "Einheiten3.JPG"};
    QTest::newRow("8 ausgeschriebener titel")
        << 8
        << QStringLiteral(
               "Biegung - Beidseitig aufgelegter Träger mit zwei gleichen Einzellasten an den Enden, Auflager nicht am Rand")
        << QStringList {"B_Bieg8.BMP", "Formel8.JPG", "Einheiten1.JPG"};
    QTest::newRow("13 letzter biegefall") << 13
                                          << QStringLiteral(
                                                 "Biegung - Einseitig aufgelegter, einseitig eingespannter Träger mit Gleichlast")
                                          << QStringList {"B_Bieg13.BMP", "Formel13.JPG", "Einheiten2.JPG"};
    QTest::newRow("20 abscherung") << 20 << QStringLiteral("Berechnung auf Abscherung")
                                   << QStringList {"B_Scher.BMP", "Formel20.JPG", "Einheiten20.JPG"};
    QTest::newRow("31 euler 1") << 31 << QStringLiteral("Knickung - Zweiseitig geführter Träger - Knicklänge = L")
                                << QStringList {"B_Knick1.BMP", "Formel30.JPG", "Einheiten30.JPG"};
    QTest::newRow("33 euler 3")
        << 33
        << QStringLiteral("Knickung - Einseitig eingespannter , auf der anderen Seite geführter Träger Knicklänge = 0,7 x L")
        << QStringList {"B_Knick3.BMP", "Formel30.JPG", "Einheiten30.JPG"};
    QTest::newRow("34 euler 4") << 34 << QStringLiteral("Knickung - Zweiseitig eingespannter Träger Knicklänge = 0,5 x L")
                                << QStringList {"B_Knick4.BMP", "Formel30.JPG", "Einheiten30.JPG"};
    for (int ausserhalb : {-1, 0, 14, 19, 21, 30, 35, 1000})
        QTest::addRow("%d nicht in der tafel", ausserhalb) << ausserhalb << QString() << QStringList();
}

void TestErklaerung::formeltafel()
{
    QFETCH(int, index);
    QFETCH(QString, titel);
    QFETCH(QStringList, dateien);
    const auto eintrag = Formeltafel::eintrag(index);
    QCOMPARE(eintrag.has_value(), !titel.isEmpty());
    if (!eintrag)
        return;
    QCOMPARE(eintrag->titel, titel);
    QCOMPARE((QStringList {eintrag->skizze, eintrag->formel, eintrag->einheiten}), dateien);
}

void TestErklaerung::angezeigteGroesse_data()
{
    QTest::addColumn<QSize>("bild");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("erwartet");
    QTest::newRow("passt: eigene groesse") << QSize(300, 200) << QSize(657, 681) << QSize(300, 200);
    QTest::newRow("genau so gross") << QSize(657, 681) << QSize(657, 681) << QSize(657, 681);
    QTest::newRow("doppelt so gross") << QSize(1314, 1362) << QSize(657, 681) << QSize(657, 681);
    QTest::newRow("zu breit") << QSize(1971, 300) << QSize(657, 681) << QSize(657, 100);
    QTest::newRow("zu hoch") << QSize(100, 1362) << QSize(553, 681) << QSize(50, 681);
    QTest::newRow("haarduenn") << QSize(100000, 10) << QSize(553, 681) << QSize(553, 1);
}

void TestErklaerung::angezeigteGroesse()
{
    QFETCH(QSize, bild);
    QFETCH(QSize, box);
    QFETCH(QSize, erwartet);
    QCOMPARE(Formeltafel::angezeigt(bild, box), erwartet);
}

void TestErklaerung::formelviewerZeigtDenFall()
{
    formelbilderSchreiben();
    TDLG_Formel* dlg = U_Formel::DLG_Formel;
    QCOMPARE(dlg->windowTitle(), QStringLiteral("DLG_Formel"));
    // 1517 × 714 where the screen has room, else no larger than the screen: the surface keeps
    // its layout and scrolls in the window, which is taller by the scroll bar along its foot
    // where the screen allows, so that it need not scroll down as well.
    const QSize platz = dlg->screen()->availableGeometry().size();
    const QSize innen = platz - QSize(8, 32); // less the frame assumed before the window is framed
    const int leiste = dlg->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize erwartet(1517, 714);
    if (erwartet.width() > innen.width())
        erwartet.rheight() += leiste;
    if (erwartet.height() > innen.height())
        erwartet.rwidth() += leiste;
    QCOMPARE(dlg->size(), erwartet.boundedTo(innen));
    QVERIFY(dlg->width() <= platz.width() && dlg->height() <= platz.height());
    QCOMPARE(dlg->W_Flaeche->size(), QSize(1517, 714));
    QCOMPARE(dlg->B_Abbruch->parentWidget(), dlg->W_Flaeche);
    QVERIFY(qobject_cast<QScrollArea*>(dlg->W_Flaeche->parentWidget()->parentWidget()));
    QCOMPARE(dlg->Image2->geometry(), QRect(288, 16, 657, 681));
    QCOMPARE(dlg->Image3->geometry(), QRect(952, 16, 553, 681));

    zeigeFormel(5);
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Biegung - Aufgelegter Träger mit Gleichlast"));
    QCOMPARE(gezeigt(dlg->Image1), QSize(205, 100));
    QCOMPARE(dlg->Image1->size(), QSize(205, 100));
    QCOMPARE(gezeigt(dlg->Image2), QSize(305, 400));
    QCOMPARE(gezeigt(dlg->Image3), QSize(402, 600));
    QVERIFY(dlg->Image2->alignment() & Qt::AlignTop);
    QVERIFY(dlg->Image2->alignment() & Qt::AlignLeft);

    zeigeFormel(20);
    QCOMPARE(dlg->windowTitle(), QStringLiteral("Berechnung auf Abscherung"));
    QCOMPARE(gezeigt(dlg->Image1), QSize(250, 120));
    QCOMPARE(gezeigt(dlg->Image2), QSize(320, 500));
    QCOMPARE(gezeigt(dlg->Image3), QSize(420, 500));
    QVERIFY(m_lauf->rekorder.meldungen.isEmpty());
}

void TestErklaerung::knickfaelleHabenGleicheFormelbilder()
{
    formelbilderSchreiben();
    TDLG_Formel* dlg = U_Formel::DLG_Formel;
    QList<QSize> skizzen;
    for (int index = 31; index <= 34; ++index) {
        zeigeFormel(index);
        QVERIFY(dlg->windowTitle().startsWith(QStringLiteral("Knickung - ")));
        skizzen.append(gezeigt(dlg->Image1));
        QCOMPARE(gezeigt(dlg->Image2), QSize(330, 500));
        QCOMPARE(gezeigt(dlg->Image3), QSize(430, 500));
    }
    QCOMPARE(skizzen, (QList<QSize> {{120, 201}, {120, 202}, {120, 203}, {120, 204}}));
    QVERIFY(m_lauf->rekorder.meldungen.isEmpty());
}

void TestErklaerung::indexAusserhalbLaesstAllesStehen()
{
    formelbilderSchreiben();
    TDLG_Formel* dlg = U_Formel::DLG_Formel;
    zeigeFormel(14); // before any showing: the first title and the stored sketch
    QCOMPARE(dlg->windowTitle(), QStringLiteral("DLG_Formel"));
    QCOMPARE(gezeigt(dlg->Image1), QSize(256, 128));
    QVERIFY(dlg->Image2->pixmap().isNull());

    zeigeFormel(3);
    const QString titel = dlg->windowTitle();
    for (int index : {14, 0, -5, 30, 35}) {
        zeigeFormel(index);
        QCOMPARE(dlg->windowTitle(), titel);
        QCOMPARE(gezeigt(dlg->Image1), QSize(203, 100));
        QCOMPARE(gezeigt(dlg->Image2), QSize(303, 400));
        QCOMPARE(gezeigt(dlg->Image3), QSize(401, 600));
    }
    QVERIFY(m_lauf->rekorder.meldungen.isEmpty());
}

void TestErklaerung::grossesBildWirdVerkleinert()
{
    formelbilderSchreiben();
    m_lauf->verzeichnis.schreiben(QStringLiteral("Formel9.JPG"), bild(QSize(1314, 1000), "JPEG"));
    m_lauf->verzeichnis.schreiben(QStringLiteral("Einheiten2.JPG"), bild(QSize(553, 2043), "JPEG"));
    zeigeFormel(9);
    QCOMPARE(gezeigt(U_Formel::DLG_Formel->Image2), QSize(657, 500));
    QCOMPARE(gezeigt(U_Formel::DLG_Formel->Image3), QSize(184, 681));
    QCOMPARE(U_Formel::DLG_Formel->Image2->size(), QSize(657, 681)); // the box keeps its size
}

void TestErklaerung::fehlendesBildBleibtLeer()
{
    formelbilderSchreiben();
    TDLG_Formel* dlg = U_Formel::DLG_Formel;
    zeigeFormel(1);
    QFile::remove(m_lauf->verzeichnis.daten() + QStringLiteral("Formel4.JPG"));
    zeigeFormel(4);
    // The missing picture stays empty, the others are those of case 4; one report.
    QCOMPARE(dlg->windowTitle(), Formeltafel::eintrag(4)->titel);
    QCOMPARE(gezeigt(dlg->Image1), QSize(204, 100));
    QVERIFY(dlg->Image2->pixmap().isNull());
    QCOMPARE(gezeigt(dlg->Image3), QSize(401, 600));
    QCOMPARE(m_lauf->rekorder.meldungen.size(), 1);
    QCOMPARE(m_lauf->rekorder.meldungen[0].art, Plattform::Meldungsart::Bericht);
    QVERIFY(m_lauf->rekorder.meldungen[0].text.contains(QStringLiteral("Formel4.JPG")));
    QVERIFY(m_lauf->rekorder.meldungen[0].text.contains(QStringLiteral("kann nicht geöffnet werden")));

    // A file that is there but is no picture fails the same way.
    m_lauf->verzeichnis.schreiben(QStringLiteral("Einheiten1.JPG"), "kein Bild");
    m_lauf->rekorder.leeren();
    zeigeFormel(3);
    QCOMPARE(m_lauf->rekorder.meldungen.size(), 1);
    QVERIFY(m_lauf->rekorder.meldungen[0].text.contains(QStringLiteral("Einheiten1.JPG")));
    // A file that is there but is no picture fails the same way; two failures, one report.
    m_lauf->verzeichnis.schreiben(QStringLiteral("Einheiten1.JPG"), "kein Bild");
    QFile::remove(m_lauf->verzeichnis.daten() + QStringLiteral("B_Bieg3.BMP"));
    m_lauf->rekorder.leeren();
    zeigeFormel(3);
    QCOMPARE(m_lauf->rekorder.meldungen.size(), 1);
    QVERIFY(m_lauf->rekorder.meldungen[0].text.contains(QStringLiteral("B_Bieg3.BMP")));
    QVERIFY(m_lauf->rekorder.meldungen[0].text.contains(QStringLiteral("Einheiten1.JPG")));
    QVERIFY(dlg->Image1->pixmap().isNull());
    QCOMPARE(gezeigt(dlg->Image2), QSize(303, 400));
    QVERIFY(dlg->Image3->pixmap().isNull());
}

void TestErklaerung::abbrechenSchliesst()
{
    formelbilderSchreiben();
    bool warOffen = false;
    QTimer::singleShot(0, [&] {
        warOffen = U_Formel::DLG_Formel->isVisible();
        U_Formel::DLG_Formel->B_Abbruch->click();
    });
    U_Formel::Formel_Zeigen(2);
    QVERIFY(warOffen);
    QVERIFY(!U_Formel::DLG_Formel->isVisible());
    QCOMPARE(Main::Formelindex, 2);
}

void TestErklaerung::hilfeOhneAuswahlNimmtErstesThema()
{
    TDLG_Hilfe* dlg = U_Hilfe::DLG_Hilfe;
    QCOMPARE(dlg->LB_Themen->count(), 11);
    QCOMPARE(dlg->LB_Themen->item(0)->text(), QStringLiteral("Allgemeine Informationen"));
    QCOMPARE(dlg->LB_Themen->item(9)->text(), QStringLiteral("Dialog Profildatei bearbeiten"));
    m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe0.RTF"), rtfMit(QStringLiteral("Allgemeines")));
    m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe4.RTF"), rtfMit(QStringLiteral("Knickung")));
    zeigeHilfe(4);
    for (int index : {-1, 11, 99}) {
        zeigeHilfe(index);
        QCOMPARE(dlg->LB_Themen->currentRow(), 0);
        QCOMPARE(hilfetext(), QStringLiteral("Allgemeines"));
    }
    QVERIFY(m_lauf->rekorder.meldungen.isEmpty());
}

void TestErklaerung::hilfeZeigtThemaDesKnopfs()
{
    for (int k = 0; k < 10; ++k)
        m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe%1.RTF").arg(k), rtfMit(QStringLiteral("Thema %1").arg(k)));
    // Modal as every "Hilfe" button opens it; "Abbrechen" closes it.
    QTimer::singleShot(0, [] { U_Hilfe::DLG_Hilfe->B_Ende->click(); });
    U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Eigenes_Profil);
    QCOMPARE(Main::Hilfeindex, 7);
    QCOMPARE(U_Hilfe::DLG_Hilfe->LB_Themen->currentRow(), 7);
    QCOMPARE(hilfetext(), QStringLiteral("Thema 7"));
    QVERIFY(!U_Hilfe::DLG_Hilfe->isVisible());
}

void TestErklaerung::hilfeknoepfeDesHauptfensters_data()
{
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<int>("thema");
    QTest::newRow("berechnungen") << QStringLiteral("B_Hilfe_Auswahl") << 0;
    QTest::newRow("werkstoffauswahl") << QStringLiteral("B_Hilfe_Mat") << 1;
    QTest::newRow("werkstoffdatenbank") << QStringLiteral("B_Hilfe") << 8;
    QTest::newRow("profileditor") << QStringLiteral("B_Hilfe_Profil") << 9;
}

void TestErklaerung::hilfeknoepfeDesHauptfensters()
{
    QFETCH(QString, knopf);
    QFETCH(int, thema);
    for (int k = 0; k < 10; ++k)
        m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe%1.RTF").arg(k), rtfMit(QStringLiteral("Thema %1").arg(k)));
    auto* hilfeknopf = Main::Mainform->findChild<QPushButton*>(knopf);
    QVERIFY(hilfeknopf);
    QTimer::singleShot(0, [] { U_Hilfe::DLG_Hilfe->B_Ende->click(); });
    hilfeknopf->click();
    QCOMPARE(U_Hilfe::DLG_Hilfe->LB_Themen->currentRow(), thema);
    QCOMPARE(hilfetext(), QStringLiteral("Thema %1").arg(thema));
}

void TestErklaerung::gespeicherteHilfeErscheintWieder()
{
    m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe2.RTF"), rtfMit(QStringLiteral("Biegung")));
    zeigeHilfe(2);
    auto* edit = U_Hilfe::DLG_Hilfe->E_Hilfe;
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat fett;
    fett.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral(" – ergänzt"), fett);
    U_Hilfe::DLG_Hilfe->BitBtn1->click();
    QVERIFY(m_lauf->rekorder.meldungen.isEmpty());

    edit->clear();
    zeigeHilfe(2);
    QCOMPARE(hilfetext(), QStringLiteral("Biegung – ergänzt"));
    QTextCursor pruefer(edit->document());
    pruefer.movePosition(QTextCursor::End);
    QCOMPARE(pruefer.charFormat().fontWeight(), int(QFont::Bold));
    QVERIFY(Rtf::istRtf(m_lauf->verzeichnis.lesen(QStringLiteral("Hilfe2.RTF"))));
}

void TestErklaerung::themenwechselVerwirftAenderung()
{
    m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe1.RTF"), rtfMit(QStringLiteral("Werkstoffe")));
    m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe3.RTF"), rtfMit(QStringLiteral("Scherung")));
    zeigeHilfe(1);
    TDLG_Hilfe* dlg = U_Hilfe::DLG_Hilfe;
    dlg->E_Hilfe->setPlainText(QStringLiteral("geändert"));

    auto klick = [dlg](int zeile) {
        const QRect feld = dlg->LB_Themen->visualItemRect(dlg->LB_Themen->item(zeile));
        QTest::mouseClick(dlg->LB_Themen->viewport(), Qt::LeftButton, {}, feld.center());
    };
    klick(3);
    QCOMPARE(hilfetext(), QStringLiteral("Scherung"));
    klick(1);
    QCOMPARE(hilfetext(), QStringLiteral("Werkstoffe"));
    // A click on the topic shown discards the edit too.
    dlg->E_Hilfe->setPlainText(QStringLiteral("geändert"));
    klick(1);
    QCOMPARE(hilfetext(), QStringLiteral("Werkstoffe"));

    // Showing the viewer again also reloads.
    dlg->E_Hilfe->setPlainText(QStringLiteral("geändert"));
    zeigeHilfe(1);
    QCOMPARE(hilfetext(), QStringLiteral("Werkstoffe"));
    QCOMPARE(m_lauf->verzeichnis.lesen(QStringLiteral("Hilfe1.RTF")), rtfMit(QStringLiteral("Werkstoffe")));
}

void TestErklaerung::fehlendeHilfedateiBehaeltText()
{
    m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe5.RTF"), rtfMit(QStringLiteral("Profile")));
    zeigeHilfe(5);
    zeigeHilfe(6);
    QCOMPARE(hilfetext(), QStringLiteral("Profile"));
    QCOMPARE(m_lauf->rekorder.meldungen.size(), 1);
    QCOMPARE(m_lauf->rekorder.meldungen[0].art, Plattform::Meldungsart::Bericht);
    QVERIFY(m_lauf->rekorder.meldungen[0].text.contains(QStringLiteral("Hilfe6.RTF")));
    // The list shows the topic of the text, so saving cannot write it into another file.
    QCOMPARE(U_Hilfe::DLG_Hilfe->LB_Themen->currentRow(), 5);
    U_Hilfe::DLG_Hilfe->BitBtn1->click();
    QVERIFY(!QFile::exists(m_lauf->verzeichnis.daten() + QStringLiteral("Hilfe6.RTF")));
}

// A help file beyond the limits (plain text of nothing but line breaks) is refused; with no
// topic loaded, "Speichern" says so and writes nothing, so the refused file stays as it was.
void TestErklaerung::speichernOhneGeladenesThema()
{
    const QByteArray zuViele(Rtf::maxStuecke + 1, '\n');
    m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe6.RTF"), zuViele);
    zeigeHilfe(6);
    QCOMPARE(m_lauf->rekorder.meldungen.size(), 1);
    QVERIFY(m_lauf->rekorder.meldungen[0].text.contains(QStringLiteral("Hilfe6.RTF")));
    QVERIFY(m_lauf->rekorder.meldungen[0].text.contains(QStringLiteral("zu viele Absätze")));
    QVERIFY(hilfetext().isEmpty());

    TDLG_Hilfe* dlg = U_Hilfe::DLG_Hilfe;
    dlg->E_Hilfe->setPlainText(QStringLiteral("getippt"));
    m_lauf->rekorder.leeren();
    dlg->BitBtn1->click();
    QCOMPARE(m_lauf->rekorder.meldungen.size(), 1);
    QCOMPARE(m_lauf->rekorder.meldungen[0].art, Plattform::Meldungsart::Fehler);
    QVERIFY(m_lauf->rekorder.meldungen[0].text.startsWith(QStringLiteral("Es ist kein Hilfethema geladen")));
    QCOMPARE(m_lauf->verzeichnis.lesen(QStringLiteral("Hilfe6.RTF")), zuViele);
    QCOMPARE(QDir(m_lauf->verzeichnis.daten()).entryList(QDir::Files), QStringList {"Hilfe6.RTF"});
}

void TestErklaerung::misslungenesSpeichernBehaeltText()
{
    m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe2.RTF"), rtfMit(QStringLiteral("Biegung")));
    zeigeHilfe(2);
    U_Hilfe::DLG_Hilfe->E_Hilfe->setPlainText(QStringLiteral("Eigene Notiz"));
    // A directory where the file should be: the save cannot replace it, nor can a reload read it.
    QVERIFY(QFile::remove(m_lauf->verzeichnis.daten() + QStringLiteral("Hilfe2.RTF")));
    QVERIFY(QDir(m_lauf->verzeichnis.daten()).mkdir(QStringLiteral("Hilfe2.RTF")));
    U_Hilfe::DLG_Hilfe->BitBtn1->click();
    QCOMPARE(m_lauf->rekorder.meldungen.size(), 1);
    QCOMPARE(m_lauf->rekorder.meldungen[0].art, Plattform::Meldungsart::Bericht);
    QCOMPARE(hilfetext(), QStringLiteral("Eigene Notiz"));
    QCOMPARE(U_Hilfe::DLG_Hilfe->LB_Themen->currentRow(), 2);
    QVERIFY(QFileInfo(m_lauf->verzeichnis.daten() + QStringLiteral("Hilfe2.RTF")).isDir());
}

void TestErklaerung::tastaturWaehltThema()
{
    m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe0.RTF"), rtfMit(QStringLiteral("Allgemeines")));
    m_lauf->verzeichnis.schreiben(QStringLiteral("Hilfe1.RTF"), rtfMit(QStringLiteral("Werkstoffe")));
    zeigeHilfe(0);
    auto* liste = U_Hilfe::DLG_Hilfe->LB_Themen;
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_Down);
    QCOMPARE(liste->currentRow(), 1);
    QCOMPARE(hilfetext(), QStringLiteral("Werkstoffe"));
    QVERIFY(m_lauf->rekorder.meldungen.isEmpty());
}

void TestErklaerung::gelieferteHilfetexte()
{
    // Every topic has its text, and it reads back as RTF with the topic named at the top.
    const QString daten = Testumgebung::gelieferteDaten();
    for (int k = 0; k < U_Hilfe::Themen().size(); ++k) {
        const QString name = QStringLiteral("Hilfe%1.RTF").arg(k);
        QVERIFY2(Textdatei::existiert(daten, name), qPrintable(name));
        const QByteArray rtf = Textdatei::lesenRoh(Textdatei::finden(daten, name));
        QVERIFY(Rtf::istRtf(rtf));
        QTextDocument dokument;
        Rtf::lesen(rtf, dokument);
        QVERIFY2(dokument.toPlainText().size() > 800, qPrintable(name));
        QVERIFY2(dokument.begin().text().contains(U_Hilfe::Themen()[k].section(QLatin1Char(' '), -1)), qPrintable(name));
    }
}

TRABEX_TEST_MAIN(TestErklaerung)
#include "test_explain.moc"
