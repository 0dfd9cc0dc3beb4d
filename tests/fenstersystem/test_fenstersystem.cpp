// The windows on a real X server with a window manager: real message boxes, and activation and
// focus as the window manager hands them out. Where the focus goes after a box or a modal window
// closes is the window manager's doing, which Qt's offscreen platform does not imitate.
// scripts/fenstersystem.sh starts Xvfb and openbox for this suite.
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/platform/Zahlen.h"
#include "gui/Main.h"
#include "gui/calc/Rechendialog.h"
#include "gui/calc/U_bieg1.h"
#include "gui/calc/U_bieg2.h"
#include "gui/calc/U_knick.h"
#include "gui/calc/U_passend.h"
#include "gui/calc/U_scher.h"
#include "gui/calc/U_traeger.h"
#include "gui/calc/U_verlauf.h"
#include "gui/explain/U_Formel.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/projekt/Dateimenue.h"
#include "gui/projekt/Projektkopf.h"
#include "gui/projekt/Projektstand.h"
#include "gui/report/Zusatzseiten.h"
#include "gui/sections/U_e_prof.h"
#include "gui/sections/U_p_rec.h"
#include "gui/sections/U_profil.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

using Testumgebung::zahl;

namespace {

// How long the window manager may take to hand out the focus, and how long a box that would
// come again (the fault this suite guards against) is given to appear.
constexpr int Geduld_ms = 5000;
constexpr int Nachklang_ms = 400;

bool wirdAktiv(QWidget* fenster)
{
    return QTest::qWaitFor([fenster] { return QApplication::activeWindow() == fenster; }, Geduld_ms);
}

void ausklingen() { QTest::qWait(Nachklang_ms); }

// Shows every box as the program does and closes it as a user would, once the window manager
// has made it the active window. Counts what it showed.
class Boxschliesser : public Plattform::Ausgabe {
public:
    void zeigen(const Plattform::Meldung& meldung) override
    {
        texte.append(meldung.text);
        auto* waechter = new QTimer;
        int gewartet = 0;
        QObject::connect(waechter, &QTimer::timeout, waechter, [this, waechter, gewartet]() mutable {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            gewartet += waechter->interval();
            if (!box->isActiveWindow() && gewartet < Geduld_ms)
                return;
            if (!box->isActiveWindow())
                ++nichtAktiv;
            waechter->stop();
            waechter->deleteLater();
            box->accept();
        });
        waechter->start(50);
        m_fenster.zeigen(meldung);
    }
    void piepen() override { ++pieptoene; }

    QStringList texte;
    int pieptoene = 0;
    int nichtAktiv = 0; // boxes the window manager never activated

private:
    Plattform::Nachrichtenfenster m_fenster;
};

// A calculation dialog as the suite drives it: how it is opened, its sketch, the inputs of a
// calculation that succeeds, the button and the label of its result.
struct Rechenfall {
    const char* name;
    std::function<QDialog*()> dialog;
    std::function<QPushButton*()> hauptknopf;
    const char* bild;
    QList<QPair<const char*, const char*>> eingaben;
    const char* rechenknopf;
    const char* ergebnis;
    const char* erwartet; // in point notation
    const char* profilknopf;
    std::function<QPrintDialog*()> drucksetup;
};

const QList<Rechenfall>& rechenfaelle()
{
    using namespace Rechendialog;
    static const QList<Rechenfall> faelle = {
        {"Biegung1", [] { return static_cast<QDialog*>(U_bieg1::DLG_Biegung1); }, [] { return Main::Mainform->B_Biegung[4]; },
            "B_Bieg5.BMP", {{"E_Last", "1000"}, {"E_Laenge", "2000"}, {"E_SigmaZul", "100"}, {"E_x", "0"}}, "B_Berechnen_W",
            "L_Werf", "5.00", "B_Profil_suchen",
            [] {
                return Drucksetup(U_bieg1::DLG_Biegung1->Drucksetupdlg, U_bieg1::DLG_Biegung1, QStringLiteral("Drucksetupdlg"));
            }},
        {"Biegung2", [] { return static_cast<QDialog*>(U_bieg2::DLG_Biegung2); }, [] { return Main::Mainform->B_Biegung[8]; },
            "B_Bieg9.BMP",
            {{"E_Last", "4000"}, {"E_Laenge", "4000"}, {"E_Abstand", "1000"}, {"E_x", "2000"}, {"E_SigmaZul", "100"}},
            "B_Berechnen_W", "L_Werf", "20.00", "Profil_aussuchen",
            [] {
                return Drucksetup(U_bieg2::DLG_Biegung2->Drucksetupdlg2, U_bieg2::DLG_Biegung2, QStringLiteral("Drucksetupdlg2"));
            }},
        {"Knickung", [] { return static_cast<QDialog*>(U_knick::DLG_Knickung); }, [] { return Main::Mainform->B_Knick[1]; },
            "B_Knick2.BMP", {{"E_Last", "10000"}, {"E_Laenge", "1000"}, {"E_Sicherheit", "3"}}, "B_Berechnung_I", "L_Ierf",
            "5.79", "B_Profil",
            [] {
                return Drucksetup(U_knick::DLG_Knickung->Drucksetupdlg3, U_knick::DLG_Knickung, QStringLiteral("Drucksetupdlg3"));
            }},
        {"Scherung", [] { return static_cast<QDialog*>(U_scher::DLG_Scherung); }, [] { return Main::Mainform->B_Scherung; },
            "B_Scher.BMP", {{"E_Last", "12000"}, {"E_SigmaZul", "80"}}, "B_Berechnung_Flaeche", "L_Aerf", "150.00",
            "B_Profil_suchen",
            [] {
                return Drucksetup(U_scher::DLG_Scherung->Drucksetupdlg4, U_scher::DLG_Scherung, QStringLiteral("Drucksetupdlg4"));
            }},
    };
    return faelle;
}

template <class T> T* kind(QWidget* fenster, const char* name)
{
    T* w = fenster->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        qFatal("%s has no %s", qPrintable(fenster->objectName()), name);
    return w;
}

// Runs `schritt` as soon as the modal window that the next click opens is running.
void imModalen(std::function<void()> schritt) { QTimer::singleShot(0, std::move(schritt)); }

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The screen of a small laptop less a desktop panel, which scripts/fenstersystem.sh sets up.
const QRect Laptop(0, 0, 1366, 720);

// A top-level window as the user meets it: `oeffnen` opens it and hands it to `pruefen` while
// it is shown (a modal one from inside its own loop), then closes it. `erreichbar`: the
// controls the user must get at; `ganz`: its design fits the laptop's screen, so it shows at its
// design size, not resizable, as designed.
struct Fenster {
    const char* name;
    std::function<void(const std::function<void(QWidget*)>& pruefen)> oeffnen;
    QStringList erreichbar;
    bool ganz;
};

// Shows a window of the program that is not modal for this test, and closes it again.
std::function<void(const std::function<void(QWidget*)>&)> gezeigt(std::function<QWidget*()> fenster)
{
    return [fenster](const std::function<void(QWidget*)>& pruefen) {
        QWidget* w = fenster();
        w->show();
        w->raise();
        w->activateWindow();
        pruefen(w);
        w->hide();
    };
}

// Runs `ausloesen`, which opens a modal window, and checks that window from inside its loop;
// `vorher` prepares what the modal window opens from.
std::function<void(const std::function<void(QWidget*)>&)> modal(
    std::function<void()> ausloesen, std::function<void()> vorher = [] {})
{
    return [ausloesen, vorher](const std::function<void(QWidget*)>& pruefen) {
        vorher();
        bool geprueft = false;
        imModalen([&] {
            auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!w)
                return;
            pruefen(w);
            geprueft = true;
            w->reject();
        });
        ausloesen();
        QVERIFY(geprueft);
    };
}

// Scrolls every scroll area between the window and the control to the control; true when the
// control then shows in the part of the window that is shown: whole, or as much of it as that
// part can hold (a picture larger than the window).
bool inReichweite(QWidget* fenster, QWidget* steuerelement)
{
    if (!steuerelement->isVisibleTo(fenster))
        return false;
    QRect sichtbar = fenster->rect();
    for (QWidget* w = steuerelement->parentWidget(); w && w != fenster; w = w->parentWidget())
        if (auto* rollen = qobject_cast<QScrollArea*>(w)) {
            // As a user scrolls: down or right until its end shows, then back until its start
            // does (ensureWidgetVisible goes by a chart view's input focus, which it has not).
            const QRect lage(steuerelement->mapTo(rollen->widget(), QPoint()), steuerelement->size());
            for (auto [leiste, von, bis, sicht] :
                {std::tuple {rollen->horizontalScrollBar(), lage.left(), lage.right(), rollen->viewport()->width()},
                    std::tuple {rollen->verticalScrollBar(), lage.top(), lage.bottom(), rollen->viewport()->height()}}) {
                if (bis >= leiste->value() + sicht)
                    leiste->setValue(bis - sicht + 1);
                if (von < leiste->value())
                    leiste->setValue(von);
            }
            QCoreApplication::processEvents();
            sichtbar &= QRect(rollen->viewport()->mapTo(fenster, QPoint()), rollen->viewport()->size());
        }
    const QRect lage(steuerelement->mapTo(fenster, QPoint()), steuerelement->size());
    const QRect gezeigt = sichtbar & lage;
    return gezeigt.width() >= std::min(lage.width(), sichtbar.width())
        && gezeigt.height() >= std::min(lage.height(), sichtbar.height());
}

} // namespace

class TestFenstersystem : public QObject {
    Q_OBJECT

    std::unique_ptr<Testumgebung::Programmverzeichnis> m_verzeichnis;
    std::unique_ptr<Testumgebung::Programm> m_programm;
    std::unique_ptr<Boxschliesser> m_boxen;

    const Rechenfall& fall() const { return rechenfaelle()[QTest::currentDataTag() ? indexVon(QTest::currentDataTag()) : 0]; }
    static int indexVon(const char* name)
    {
        for (int i = 0; i < rechenfaelle().size(); ++i)
            if (qstrcmp(rechenfaelle()[i].name, name) == 0)
                return i;
        return 0;
    }

    static void faelleAlsDaten()
    {
        QTest::addColumn<int>("unbenutzt");
        for (const Rechenfall& f : rechenfaelle())
            QTest::newRow(f.name) << 0;
    }

    void datenSchreiben()
    {
        QImage bild(64, 32, QImage::Format_RGB32);
        bild.fill(Qt::cyan);
        QStringList bilder = {QStringLiteral("B_Scher.BMP")};
        for (int k = 1; k <= 13; ++k)
            bilder << QStringLiteral("B_Bieg%1.BMP").arg(k);
        for (int k = 1; k <= 4; ++k)
            bilder << QStringLiteral("B_Knick%1.BMP").arg(k);
        for (const QString& name : bilder)
            QVERIFY(bild.save(m_verzeichnis->daten() + name, "BMP"));
        for (const char* name : {"Formel5.JPG", "Einheiten2.JPG", "Formel20.JPG", "Einheiten20.JPG", "Kreis.JPG", "Rohr.JPG",
                 "Quader.JPG", "Formrohr.JPG"})
            QVERIFY(bild.save(m_verzeichnis->daten() + QString::fromLatin1(name), "JPG"));
        for (int k = 0; k < 10; ++k)
            m_verzeichnis->schreiben(
                QStringLiteral("Hilfe%1.RTF").arg(k), QStringLiteral("{\\rtf1\\ansi Thema %1\\par}").arg(k).toLatin1());
    }

    // Opens the dialog of `f` from the main window and waits until it is the active window.
    QDialog* oeffnen(const Rechenfall& f)
    {
        f.hauptknopf()->click();
        QDialog* d = f.dialog();
        if (!wirdAktiv(d))
            qWarning("%s did not become active", f.name);
        ausklingen();
        return d;
    }

    void rechnen(const Rechenfall& f, QDialog* d)
    {
        for (const auto& [name, wert] : f.eingaben)
            kind<QLineEdit>(d, name)->setText(zahl(QString::fromLatin1(wert)));
        kind<QPushButton>(d, f.rechenknopf)->click();
    }

    QString ergebnis(const Rechenfall& f, QDialog* d) const { return kind<QLabel>(d, f.ergebnis)->text(); }

    // The windows of fensterPassenAufDenLaptop. The calculation dialogs open from the main
    // window; the diagram windows after a calculation, so that they show their diagrams.
    const QList<Fenster>& fensterliste()
    {
        const auto dialog = [this](const char* name) {
            return [this, name] { return static_cast<QWidget*>(oeffnen(rechenfaelle()[indexVon(name)])); };
        };
        const auto verlaeufe = [this](const char* fall, const char* knopf, const char* name) {
            return [this, fall, knopf, name]() -> QWidget* {
                const Rechenfall& f = rechenfaelle()[indexVon(fall)];
                QDialog* d = oeffnen(f);
                rechnen(f, d);
                kind<QPushButton>(d, knopf)->click();
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (w->objectName() == QLatin1String(name))
                        return w;
                qFatal("%s did not open", name);
            };
        };
        static const QList<Fenster> liste = {
            {"Hauptfenster", gezeigt([] { return static_cast<QWidget*>(Main::Mainform); }),
                {"B_Biegung1", "B_Traeger", "B_Knick4", "B_Beenden2"}, true},
            {"Biegung1", gezeigt(dialog("Biegung1")),
                {"L_Eurocode", "CB_Kategorie", "B_Berechnen_W", "B_Berechnung_f", "B_Position", "OKBtn"}, false},
            {"Biegung2", gezeigt(dialog("Biegung2")),
                {"L_Eurocode", "CB_Kategorie", "B_Berechnen_W", "B_Berechnung_f", "B_Position", "OKBtn"}, false},
            {"Knickung", gezeigt(dialog("Knickung")),
                {"L_Eurocode", "B_Berechnung_I", "B_Berechnung_Knicksicherheit", "B_Position", "OKBtn"}, false},
            {"Scherung", gezeigt(dialog("Scherung")), {"L_Nachweis_A", "B_Berechnung_Flaeche", "B_Position", "OKBtn"}, true},
            {"Traeger", gezeigt([] {
                 Main::Mainform->B_Traeger->click();
                 return static_cast<QWidget*>(U_traeger::DLG_Traeger);
             }),
                {"L_Eurocode", "B_Berechnen", "CB_Einheiten", "SG_Abschnitte", "CB_Suchkriterium", "B_Position", "OKBtn"}, false},
            {"Verlaeufe", gezeigt(verlaeufe("Biegung1", "B_Verlaeufe", "DLG_Verlaeufe")),
                {"CV_Querkraft", "CV_Moment", "CV_Durchbiegung", "B_Drucken", "B_Schliessen"}, true},
            {"Knicklinie", gezeigt(verlaeufe("Knickung", "B_Knicklinie", "DLG_Knicklinie")), {"CV_Knicklinie", "B_Schliessen"},
                true},
            {"Rechenweg", gezeigt(verlaeufe("Scherung", "B_Rechenweg", "DLG_Rechenweg")), {"M_Rechenweg", "B_Schliessen"}, true},
            {"PassendesProfil", gezeigt([] { return static_cast<QWidget*>(U_passend::DLG_Passendes_Profil); }),
                {"CB_Kriterium", "SG_Profile", "B_Uebernehmen", "B_Schliessen"}, true},
            {"Profilauswahl", gezeigt([] { return static_cast<QWidget*>(U_profil::DLG_Profil); }), {"OKBtn", "CancelBtn"}, true},
            {"Querschnittsrechner", gezeigt([] { return static_cast<QWidget*>(U_p_rec::DLG_Profil_Rechnen); }),
                {"OKBtn", "CancelBtn"}, true},
            {"EigenesProfil", gezeigt([] { return static_cast<QWidget*>(U_e_prof::Dlg_Eigenes_Profil); }),
                {"B_Berechnen", "OKBtn"}, true},
            {"Formel", gezeigt([] { return static_cast<QWidget*>(U_Formel::DLG_Formel); }), {"Image2", "B_Abbruch"}, false},
            {"Hilfe", gezeigt([] { return static_cast<QWidget*>(U_Hilfe::DLG_Hilfe); }), {"E_Hilfe", "B_Ende"}, true},
            {"Projektkopf", gezeigt([] { return static_cast<QWidget*>(new TDLG_Projektkopf(Main::Mainform)); }), {"E_Datum"},
                true},
            {"Berichtskopf", modal([] { (void)Zusatzseiten::Kopf_Abfragen(Main::Mainform); }), {}, true},
            {"Position",
                modal([] { kind<QPushButton>(U_scher::DLG_Scherung, "B_Position")->click(); },
                    [this] { oeffnen(rechenfaelle()[indexVon("Scherung")]); }),
                {"E_Titel"}, true},
        };
        return liste;
    }

    // What the calculations here need of the chosen material and profile.
    static void materialUndProfil()
    {
        Unit1::E = 210000;
        Unit1::W = 194;
        Unit1::I = 1940;
        Unit1::ProfilName = QStringLiteral("IPE 200");
    }

private slots:
    void init()
    {
        m_verzeichnis = std::make_unique<Testumgebung::Programmverzeichnis>();
        datenSchreiben();
        {
            // Start-up reports the missing databases; that is not what this suite looks at.
            Plattform::Meldungsrekorder start;
            m_programm = std::make_unique<Testumgebung::Programm>(*m_verzeichnis);
        }
        materialUndProfil();
        m_boxen = std::make_unique<Boxschliesser>();
        Plattform::setzeAusgabe(m_boxen.get());
        Main::Mainform->show();
        QVERIFY(wirdAktiv(Main::Mainform));
    }
    void cleanup()
    {
        QCOMPARE(m_boxen->nichtAktiv, 0);
        Plattform::setzeAusgabe(nullptr);
        m_programm.reset();
        m_boxen.reset();
        m_verzeichnis.reset();
    }

    void fehlendesBildMeldetEinmal_data() { faelleAlsDaten(); }
    void fehlendesBildMeldetEinmal()
    {
        const Rechenfall& f = fall();
        QVERIFY(QFile::remove(m_verzeichnis->daten() + QString::fromLatin1(f.bild)));
        QDialog* d = oeffnen(f);
        QCOMPARE(m_boxen->texte.size(), 1);
        QVERIFY(m_boxen->texte[0].contains(QString::fromLatin1(f.bild)));
        QCOMPARE(QApplication::activeWindow(), d);
        QVERIFY(kind<QLabel>(d, "Image1")->pixmap().isNull());
        // The rest of the set-up is done, and the window calculates.
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("L_Profil"))->text(), QStringLiteral("IPE 200"));
        rechnen(f, d);
        ausklingen();
        QCOMPARE(ergebnis(f, d), zahl(QString::fromLatin1(f.erwartet)));
        QCOMPARE(m_boxen->texte.size(), 1);
    }

    void profilwarnungKommtWieder_data()
    {
        QTest::addColumn<int>("unbenutzt");
        QTest::newRow("Biegung1") << 0;
        QTest::newRow("Biegung2") << 0;
    }
    void profilwarnungKommtWieder()
    {
        const Rechenfall& f = fall();
        Unit1::W = 1; // far below the required section modulus
        QDialog* d = oeffnen(f);
        rechnen(f, d);
        auto* durchbiegung = kind<QPushButton>(d, "B_Berechnung_f");
        const QString f_vorher = kind<QLabel>(d, "L_f")->text();
        const QString warnung = QStringLiteral("Der Widerstandswert des Profiles ist zu klein");
        durchbiegung->click();
        ausklingen();
        durchbiegung->click();
        ausklingen();
        QCOMPARE(m_boxen->texte, QStringList({warnung, warnung}));
        QCOMPARE(ergebnis(f, d), zahl(QString::fromLatin1(f.erwartet)));
        QCOMPARE(kind<QLabel>(d, "L_f")->text(), f_vorher);
    }

    void knickungBehaeltHinweisNachFehler()
    {
        const Rechenfall& f = rechenfaelle()[indexVon("Knickung")];
        QDialog* d = oeffnen(f);
        rechnen(f, d);
        const QString hinweis = QStringLiteral("Die Berechnung von Ierf erfolgt nach Euler");
        QCOMPARE(kind<QLabel>(d, "L_Formel")->text(), hinweis);
        Unit1::E = 0; // refused by name: E must be above 0
        kind<QPushButton>(d, "B_Berechnung_I")->click();
        ausklingen();
        QCOMPARE(m_boxen->texte,
            QStringList {QStringLiteral("Es ist ein Fehler in der Berechnung aufgetreten.\nElastizitätsmodul E muss größer als 0 "
                                        "sein (ist 0)")});
        QCOMPARE(kind<QLabel>(d, "L_Formel")->text(), hinweis);
        QCOMPARE(ergebnis(f, d), zahl("5.79"));
    }

    void profilauswahlGibtDenFokusZurueck_data() { faelleAlsDaten(); }
    void profilauswahlGibtDenFokusZurueck()
    {
        const Rechenfall& f = fall();
        QDialog* d = oeffnen(f);
        bool auswahlAktiv = false;
        QWindow* besitzer = nullptr;
        imModalen([&] {
            auswahlAktiv = wirdAktiv(U_profil::DLG_Profil);
            besitzer = U_profil::DLG_Profil->windowHandle()->transientParent();
            U_profil::DLG_Profil->OKBtn->click();
        });
        kind<QPushButton>(d, f.profilknopf)->click();
        QVERIFY(auswahlAktiv);
        QCOMPARE(besitzer, d->windowHandle());
        QVERIFY(wirdAktiv(d));
        ausklingen();
        QCOMPARE(QApplication::activeWindow(), d);
        QVERIFY(m_boxen->texte.isEmpty());
    }

    void druckMitDruckerdialog_data() { faelleAlsDaten(); }
    void druckMitDruckerdialog()
    {
        const Rechenfall& f = fall();
        QDialog* d = oeffnen(f);
        rechnen(f, d);
        const QString wert = zahl(QString::fromLatin1(f.erwartet));
        QCOMPARE(ergebnis(f, d), wert);
        const QString pdf = m_verzeichnis->pfad() + QStringLiteral("bericht.pdf");
        QPrintDialog* einrichtung = f.drucksetup();
        einrichtung->printer()->setOutputFileName(pdf);
        bool gezeigt = false;
        // The head of the further pages is asked first and taken as it stands.
        QTimer antworten;
        QObject::connect(&antworten, &QTimer::timeout, d, [&] {
            QWidget* offen = QApplication::activeModalWidget();
            if (offen && offen->objectName() == QStringLiteral("DLG_Berichtskopf")) {
                static_cast<QDialog*>(offen)->accept();
            } else if (offen == einrichtung) {
                antworten.stop();
                gezeigt = wirdAktiv(einrichtung);
                // The file as a user types it: the dialog takes its own field over the printer's.
                if (auto* datei = einrichtung->findChild<QLineEdit*>(QStringLiteral("filename")))
                    datei->setText(pdf);
                einrichtung->accept();
            }
        });
        antworten.start(0);
        kind<QPushButton>(d, "B_Drucken")->click();
        antworten.stop();
        QVERIFY(gezeigt);
        QVERIFY(wirdAktiv(d));
        ausklingen();
        QCOMPARE(ergebnis(f, d), wert); // the set-up dialog closing is no return to the window
        QVERIFY(m_boxen->texte.isEmpty());
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(d->windowTitle()), qPrintable(text));
        QVERIFY2(text.contains(wert), qPrintable(text));
    }

    // The profile finder hands its profile to the dialog, which computes with it at once: its
    // closing is no return to the dialog that would clear those results again.
    void passendesProfilBehaeltDieRechnung()
    {
        Unit1::Profildat[0][0] = Unit1::TProfilrecord {"IPE", "IPE 140", 77.32, 12.31, 541.2, 44.92, 1643};
        Unit1::Profildat[0][1] = Unit1::TProfilrecord {"LEER", "LEER", 0, 0, 0, 0, 0};
        Unit1::Profildat[1][0] = Unit1::Profildat[0][1];
        Unit1::Gamma = 7.85;
        const Rechenfall& f = rechenfaelle()[indexVon("Biegung1")];
        QDialog* d = oeffnen(f);
        rechnen(f, d); // W erf. = 5,00 cm³
        bool gezeigt = false;
        imModalen([&] {
            QWidget* finder = QApplication::activeModalWidget();
            gezeigt = finder && finder->objectName() == QStringLiteral("DLG_Passendes_Profil") && wirdAktiv(finder);
            if (finder)
                kind<QPushButton>(finder, "B_Uebernehmen")->click();
        });
        kind<QPushButton>(d, "B_Passendes_Profil")->click();
        QVERIFY(gezeigt);
        QVERIFY(wirdAktiv(d));
        ausklingen();
        QCOMPARE(Unit1::ProfilName, QStringLiteral("IPE 140"));
        QCOMPARE(ergebnis(f, d), zahl(QStringLiteral("5.00")));
        QVERIFY2(kind<QLabel>(d, "L_Nachweis_W")->text().endsWith(QStringLiteral("– erfüllt")),
            qPrintable(kind<QLabel>(d, "L_Nachweis_W")->text()));
    }

    // A real window closing hands the activation back to the dialog: looking at the formula or
    // the diagrams keeps the results and their verdicts; a material changed meanwhile clears them.
    void ergebnisseBleibenNachDemHinsehen()
    {
        const Rechenfall& f = rechenfaelle()[indexVon("Biegung1")];
        QDialog* d = oeffnen(f);
        rechnen(f, d);
        auto* nachweis = kind<QLabel>(d, "L_Nachweis_W");
        const QString urteil = nachweis->text();
        QVERIFY(!urteil.isEmpty());
        const auto bleibt = [&] {
            QVERIFY(wirdAktiv(d));
            ausklingen();
            QCOMPARE(ergebnis(f, d), zahl(QString::fromLatin1(f.erwartet)));
            QCOMPARE(nachweis->text(), urteil);
            QVERIFY(kind<QPushButton>(d, "B_Passendes_Profil")->isEnabled());
        };

        bool formelGezeigt = false;
        imModalen([&] {
            formelGezeigt = wirdAktiv(U_Formel::DLG_Formel);
            U_Formel::DLG_Formel->reject();
        });
        kind<QPushButton>(d, "B_Formel")->click();
        QVERIFY(formelGezeigt);
        bleibt();

        kind<QPushButton>(d, "B_Verlaeufe")->click();
        QWidget* v = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("DLG_Verlaeufe"))
                v = w;
        QVERIFY(v && wirdAktiv(v));
        ausklingen();
        kind<QPushButton>(v, "B_Schliessen")->click();
        bleibt();

        Main::Mainform->activateWindow();
        QVERIFY(wirdAktiv(Main::Mainform));
        Unit1::Sorte = QStringLiteral("S355JR"); // another material chosen there
        Unit1::E = 200000;
        d->activateWindow();
        QVERIFY(wirdAktiv(d));
        ausklingen();
        QCOMPARE(ergebnis(f, d), zahl("0.00"));
        QVERIFY(nachweis->text().isEmpty());
        QVERIFY(!kind<QPushButton>(d, "B_Passendes_Profil")->isEnabled());
        QVERIFY(m_boxen->texte.isEmpty());
    }

    // The diagram window prints as the reports do: the set-up is modal for the window and
    // proposes a file named after it, and afterwards the window is the active one again.
    void verlaeufeDrucken()
    {
        const Rechenfall& f = rechenfaelle()[indexVon("Biegung1")];
        QDialog* d = oeffnen(f);
        rechnen(f, d);
        kind<QPushButton>(d, "B_Verlaeufe")->click();
        QWidget* v = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("DLG_Verlaeufe"))
                v = w;
        QVERIFY(v && wirdAktiv(v));
        ausklingen();
        const QString pdf = m_verzeichnis->pfad() + QStringLiteral("verlaeufe.pdf");
        QString vorgeschlagen;
        bool fuerDasFenster = false;
        imModalen([&] {
            auto* einrichtung = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!einrichtung || !wirdAktiv(einrichtung))
                return;
            fuerDasFenster = einrichtung->windowHandle()->transientParent() == v->windowHandle();
            auto* datei = einrichtung->findChild<QLineEdit*>(QStringLiteral("filename"));
            if (datei) {
                vorgeschlagen = datei->text();
                datei->setText(pdf);
            }
            einrichtung->accept();
        });
        kind<QPushButton>(v, "B_Drucken")->click();
        QVERIFY(fuerDasFenster);
        QVERIFY2(vorgeschlagen.endsWith(QStringLiteral("/Verläufe.pdf")), qPrintable(vorgeschlagen));
        QVERIFY(wirdAktiv(v));
        QVERIFY(m_boxen->texte.isEmpty());
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Rechenweg")), qPrintable(text));
        // q = 1 N/mm over 2000 mm: M max = q · L² / 8 = 500 N·m, marked in the moment diagram.
        QVERIFY2(text.contains(QStringLiteral("max M = %1 N·m").arg(Zahlen::fixiert(500, 2))), qPrintable(text));
        kind<QPushButton>(v, "B_Schliessen")->click();
    }

    void formelbildFehltEinmal()
    {
        const Rechenfall& f = rechenfaelle()[indexVon("Biegung1")];
        QVERIFY(QFile::remove(m_verzeichnis->daten() + QStringLiteral("Formel5.JPG")));
        QDialog* d = oeffnen(f);
        rechnen(f, d);
        int boxen = -1;
        bool skizze = false, einheiten = false, formel = true;
        imModalen([&] {
            TDLG_Formel* v = U_Formel::DLG_Formel;
            if (wirdAktiv(v))
                ausklingen();
            boxen = m_boxen->texte.size();
            skizze = !v->Image1->pixmap().isNull();
            formel = !v->Image2->pixmap().isNull();
            einheiten = !v->Image3->pixmap().isNull();
            v->B_Abbruch->click();
        });
        kind<QPushButton>(d, "B_Formel")->click();
        QCOMPARE(boxen, 1);
        QVERIFY(m_boxen->texte[0].contains(QStringLiteral("Formel5.JPG")));
        QVERIFY(skizze && einheiten && !formel);
        QVERIFY(wirdAktiv(d));
        ausklingen();
        QCOMPARE(m_boxen->texte.size(), 1);
    }

    void hilfedateiFehltEinmal()
    {
        const Rechenfall& f = rechenfaelle()[indexVon("Scherung")];
        QVERIFY(QFile::remove(m_verzeichnis->daten() + QStringLiteral("Hilfe3.RTF")));
        QDialog* d = oeffnen(f);
        int boxen = -1;
        QString anderesThema;
        imModalen([&] {
            TDLG_Hilfe* h = U_Hilfe::DLG_Hilfe;
            if (wirdAktiv(h))
                ausklingen();
            boxen = m_boxen->texte.size();
            h->LB_Themen->setCurrentRow(4); // the viewer still works
            anderesThema = h->E_Hilfe->toPlainText();
            h->B_Ende->click();
        });
        kind<QPushButton>(d, "BitBtn1")->click();
        QCOMPARE(boxen, 1);
        QCOMPARE(anderesThema, QStringLiteral("Thema 4"));
        QVERIFY(wirdAktiv(d));
    }

    // Every top-level window on the laptop's screen: its frame within the available area, the
    // controls that matter within reach (shown, or scrolled to), and a window whose design does
    // not fit scrolls and can be resized; one that fits keeps its designed size.
    void fensterPassenAufDenLaptop_data()
    {
        QTest::addColumn<int>("nr");
        for (int i = 0; i < fensterliste().size(); ++i)
            QTest::newRow(fensterliste()[i].name) << i;
    }
    void fensterPassenAufDenLaptop()
    {
        QFETCH(int, nr);
        const Fenster& f = fensterliste()[nr];
        bool geprueft = false;
        f.oeffnen([&](QWidget* w) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            // The frame is known once the window manager has framed the window (asked of the
            // window itself: the widget keeps what it learnt before).
            QWindow* fenster = w->windowHandle();
            QVERIFY(QTest::qWaitFor([fenster] { return !fenster->frameMargins().isNull(); }, Geduld_ms));
            ausklingen();
            const QRect platz = w->screen()->availableGeometry();
            QCOMPARE(platz, Laptop);
            const QRect rahmen = fenster->frameGeometry();
            QVERIFY2(platz.contains(rahmen),
                qPrintable(QStringLiteral("%1: Rahmen %2,%3 %4×%5")
                               .arg(w->objectName())
                               .arg(rahmen.x())
                               .arg(rahmen.y())
                               .arg(rahmen.width())
                               .arg(rahmen.height())));
            for (const QString& name : f.erreichbar) {
                auto* s = w->findChild<QWidget*>(name);
                QVERIFY2(s, qPrintable(name));
                QVERIFY2(inReichweite(w, s), qPrintable(name));
            }
            // A window of fixed design: its surface in the scroll area that fills it.
            if (auto* rollen = w->findChild<QScrollArea*>(QStringLiteral("SB_Flaeche"), Qt::FindDirectChildrenOnly)) {
                const QWidget* flaeche = rollen->widget();
                const QWidget* sicht = rollen->viewport();
                const bool ganz = sicht->width() >= flaeche->width() && sicht->height() >= flaeche->height();
                QCOMPARE(ganz, f.ganz);
                if (ganz) {
                    QCOMPARE(w->size(), flaeche->size());
                    QCOMPARE(w->minimumSize(), w->maximumSize());
                } else {
                    QVERIFY(w->minimumWidth() < w->width() || w->minimumHeight() < w->height());
                    QVERIFY(w->maximumWidth() >= flaeche->width() && w->maximumHeight() >= flaeche->height());
                }
            }
            geprueft = true;
        });
        QVERIFY(geprueft);
        QVERIFY(m_boxen->texte.isEmpty());
    }

    // Closing with unsaved changes asks in a real box; "Abbrechen" keeps the window open with
    // its changes, "Verwerfen" closes it.
    void schliessenFragtNachAenderungen()
    {
        Projekt::Position p;
        p.nr = QStringLiteral("1");
        p.art = Projekt::Art::Scherung;
        p.last = 1000;
        p.sigma_zul = 80;
        Main::Mainform->Projekt->hinzufuegen(p);
        QVERIFY(Main::Mainform->isWindowModified());
        for (const QString& antwort : {QStringLiteral("Abbrechen"), QStringLiteral("Verwerfen")}) {
            QStringList knoepfe;
            bool aktiv = false;
            imModalen([&] {
                (void)QTest::qWaitFor(
                    [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; }, Geduld_ms);
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box)
                    return;
                aktiv = QTest::qWaitFor([box] { return box->isActiveWindow(); }, Geduld_ms);
                for (QAbstractButton* k : box->buttons()) {
                    knoepfe << k->text();
                    if (k->text() == antwort)
                        k->click();
                }
            });
            Main::Mainform->close();
            QVERIFY(aktiv);
            knoepfe.sort();
            QCOMPARE(knoepfe, (QStringList {"Abbrechen", "Speichern", "Verwerfen"}));
            QCOMPARE(Main::Mainform->isVisible(), antwort == QStringLiteral("Abbrechen"));
        }
    }

    // The menu's standard keys on a real keyboard: Ctrl+S saves (asking for the file the first
    // time), Ctrl+N starts anew, Ctrl+O opens.
    void menuetasten()
    {
        const QString datei = m_verzeichnis->pfad() + QStringLiteral("Tasten.trabex");
        const auto vorher = TDateimenue::setzeDateiwahl([datei](bool, const QString&) { return datei; });
        Projekt::Position p;
        p.nr = QStringLiteral("1");
        p.art = Projekt::Art::Scherung;
        p.last = 1000;
        p.sigma_zul = 80;
        Main::Mainform->Projekt->hinzufuegen(p);
        const auto taste = [](const char* folge) {
            QVERIFY(wirdAktiv(Main::Mainform));
            QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(folge)});
            ausklingen();
        };
        taste("ctrl+s");
        QVERIFY(QFileInfo::exists(datei));
        QVERIFY(!Main::Mainform->isWindowModified());
        QCOMPARE(Main::Mainform->windowTitle(), QStringLiteral("Trabex – Tasten.trabex[*]"));
        taste("ctrl+n");
        QCOMPARE(Main::Mainform->Projekt->daten().positionen.size(), 0);
        taste("ctrl+o");
        QCOMPARE(Main::Mainform->Projekt->daten().positionen.size(), 1);
        QCOMPARE(Main::Mainform->Projekt->pfad(), datei);
        TDateimenue::setzeDateiwahl(vorher);
        QCOMPARE(m_boxen->texte, QStringList());
    }

    void misslungenesSpeichernBehaeltText()
    {
        const Rechenfall& f = rechenfaelle()[indexVon("Biegung1")];
        QDialog* d = oeffnen(f);
        QString danach;
        int boxen = -1;
        imModalen([&] {
            TDLG_Hilfe* h = U_Hilfe::DLG_Hilfe;
            if (wirdAktiv(h))
                ausklingen();
            h->E_Hilfe->setPlainText(QStringLiteral("Eigene Notiz"));
            // A directory where the file should be: the save cannot replace it.
            QFile::remove(m_verzeichnis->daten() + QStringLiteral("Hilfe2.RTF"));
            QDir(m_verzeichnis->daten()).mkdir(QStringLiteral("Hilfe2.RTF"));
            h->BitBtn1->click();
            if (wirdAktiv(h))
                ausklingen();
            boxen = m_boxen->texte.size();
            danach = h->E_Hilfe->toPlainText();
            h->B_Ende->click();
        });
        kind<QPushButton>(d, "BitBtn1")->click();
        QCOMPARE(boxen, 1);
        QCOMPARE(danach, QStringLiteral("Eigene Notiz"));
        QVERIFY(QFileInfo(m_verzeichnis->daten() + QStringLiteral("Hilfe2.RTF")).isDir());
    }
};

int main(int argc, char* argv[])
{
    // Without an X server there is nothing to test here; CTest counts the run as skipped.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return 77;
    QApplication anwendung(argc, argv);
    Testumgebung::start();
    TestFenstersystem test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fenstersystem.moc"
