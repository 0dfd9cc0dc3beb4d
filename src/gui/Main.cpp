#include "gui/Main.h"

#include "core/app/Datenordner.h"
#include "core/app/Lastfaelle.h"
#include "core/app/Lastfallbild.h"
#include "core/app/Programmsymbol.h"
#include "core/calc/Traegerskizze.h"
#include "core/app/Unit1.h"
#include "core/data/U_Einwirkungen.h"
#include "core/data/U_Profile.h"
#include "core/platform/Sprache.h"
#include "core/platform/Textdatei.h"
#include "gui/calc/U_bieg1.h"
#include "gui/calc/U_bieg2.h"
#include "gui/calc/U_knick.h"
#include "gui/calc/U_passend.h"
#include "gui/calc/U_scher.h"
#include "gui/calc/U_traeger.h"
#include "gui/data/Tab_Einwirkungen.h"
#include "gui/data/Tab_Profileditor.h"
#include "gui/data/Tab_Werkstoffauswahl.h"
#include "gui/data/Tab_Werkstoffdatenbank.h"
#include "gui/explain/U_Formel.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/platform/Stile.h"
#include "gui/projekt/Bearbeitenmenue.h"
#include "gui/projekt/Dateimenue.h"
#include "gui/projekt/Positionsknopf.h"
#include "gui/projekt/Projektstand.h"
#include "gui/projekt/Tab_Positionen.h"
#include "gui/sections/U_e_prof.h"
#include "gui/sections/U_p_rec.h"
#include "gui/sections/U_profil.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

namespace Main {

TMainform* Mainform = nullptr;

namespace {

// Every dialog is built as a child of the main window the first time anything uses it, so that
// the start shows the main window without waiting for windows the user may never open.
void Dialoge_Vorsehen(QWidget* eltern)
{
    U_profil::DLG_Profil.vorsehen(eltern);
    U_p_rec::DLG_Profil_Rechnen.vorsehen(eltern);
    U_bieg2::DLG_Biegung2.vorsehen(eltern);
    U_bieg1::DLG_Biegung1.vorsehen(eltern);
    U_e_prof::Dlg_Eigenes_Profil.vorsehen(eltern);
    U_scher::DLG_Scherung.vorsehen(eltern);
    U_knick::DLG_Knickung.vorsehen(eltern);
    U_Hilfe::DLG_Hilfe.vorsehen(eltern);
    U_Formel::DLG_Formel.vorsehen(eltern);
    U_passend::DLG_Passendes_Profil.vorsehen(eltern);
    U_traeger::DLG_Traeger.vorsehen(eltern);
}

} // namespace

void Programmstart()
{
    Sprache::Zahlen_Deutsch_ohne_Sprachwahl();
    Sprache::Qt_Texte_Laden();
    Stile::setzen(QStringLiteral("Luna"));
    QGuiApplication::setApplicationDisplayName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("Trabex")); // also names the user's data folder
    // The desktop matches the windows to the menu entry; the window icon is the menu's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.trabex.Trabex"));
    QIcon symbol;
    for (int kante : {16, 32, 48, 256})
        symbol.addPixmap(QPixmap::fromImage(Programmsymbol::bild(kante)));
    QGuiApplication::setWindowIcon(symbol);
    Mainform = new TMainform; // runs FormCreate before any dialog exists
    Dialoge_Vorsehen(Mainform);
}

void Programmende()
{
    delete Mainform; // the dialogs are its children
    Mainform = nullptr;
    Dialoge_Vorsehen(nullptr);
    Positionsknopf::setzeHauptfenster({});
}

QWidget* Dialog(Lastfaelle::Dialog dialog)
{
    switch (dialog) {
    case Lastfaelle::Dialog::Biegung1:
        return U_bieg1::DLG_Biegung1;
    case Lastfaelle::Dialog::Biegung2:
        return U_bieg2::DLG_Biegung2;
    case Lastfaelle::Dialog::Knickung:
        return U_knick::DLG_Knickung;
    case Lastfaelle::Dialog::Traeger:
        return U_traeger::DLG_Traeger;
    case Lastfaelle::Dialog::Scherung:
        break;
    }
    return U_scher::DLG_Scherung;
}

void Dialog_Zeigen(QWidget* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void Projekt_Oeffnen(const QString& pfad) { Mainform->Dateimenue->Oeffnen(pfad, false); }

} // namespace Main

using namespace Main;
using Plattform::handler;

TMainform::TMainform()
{
    setObjectName(QStringLiteral("Mainform"));
    setWindowTitle(QStringLiteral("Trabex"));
    Bausteine::programmschrift(this);
    // The project first: the tab "Positionen", the menu and the dialogs' position buttons use it.
    Projekt = new TProjektstand(this);
    Projektstand::Projekt = Projekt;
    Dateimenue = new TDateimenue(this, Projekt);
    Bearbeitenmenue = new TBearbeitenmenue(Dateimenue->MM_Menue, Projekt);
    // The menu bar above the tabs, which keep their client area of 1008 × 661.
    const int menuehoehe = Dateimenue->MM_Menue->sizeHint().height();
    Dateimenue->MM_Menue->setGeometry(0, 0, 1008, menuehoehe);
    setFixedSize(1008, 661 + menuehoehe);
    Bausteine::aufBildschirm(this, size()); // centred with its frame inside the available area

    PC_1 = new QTabWidget(this);
    PC_1->setObjectName(QStringLiteral("PC_1"));
    PC_1->setGeometry(0, menuehoehe, 1008, 661);
    TS_Berechnungen = new QWidget;
    TS_Berechnungen->setObjectName(QStringLiteral("TS_Berechnungen"));
    TS_Werkstoffauswahl = new TTab_Werkstoffauswahl;
    TS_Werkstoffdatenbank = new TTab_Werkstoffdatenbank;
    TS_Profileditor = new TTab_Profileditor;
    PC_1->addTab(TS_Berechnungen, QStringLiteral("Berechnungen"));
    PC_1->addTab(TS_Werkstoffauswahl, QStringLiteral("Werkstoffauswahl"));
    PC_1->addTab(TS_Werkstoffdatenbank, QStringLiteral("Werkstoffdatenbank"));
    PC_1->addTab(TS_Profileditor, QStringLiteral("Profileditor"));
    TS_Einwirkungen = new TTab_Einwirkungen;
    PC_1->addTab(TS_Einwirkungen, QStringLiteral("Einwirkungen"));
    TS_Positionen = new TTab_Positionen(Projekt);
    PC_1->addTab(TS_Positionen, QStringLiteral("Positionen"));
    Berechnungen_Aufbauen();
    connect(TS_Werkstoffauswahl, &TTab_Werkstoffauswahl::Sorte_Gezeigt, L_Mat, &QLabel::setText);
    // A position opened from the tab "Positionen" chooses its material and case as this window does.
    Positionsknopf::setzeHauptfenster({&Main::Dialog, [this](const QString& sorte) { L_Mat->setText(sorte); },
        [this](int fall, QWidget* dialog) { Belastungsfall_Waehlen(fall, dialog); }, &Main::Dialog_Zeigen});
    // Both editor tabs can show the material file: a save in one reloads what the other shows,
    // so that no later save there silently overwrites it.

    FormCreate();
}

void TMainform::Berechnungen_Aufbauen()
{
    using namespace Bausteine;
    QWidget* t = TS_Berechnungen;
    Label1 = label(t, QStringLiteral("Label1"), QStringLiteral("Biegung"), 226, 14);
    Label2 = label(t, QStringLiteral("Label2"), QStringLiteral("Scherung"), 402, 462);
    Label3 = label(t, QStringLiteral("Label3"), QStringLiteral("Knickung"), 682, 16);

    struct Knopf {
        const char* name;
        int x, y;
    };
    static constexpr Knopf biegung[13]
        = {{"B_Biegung1", 62, 50}, {"B_Biegung2", 62, 162}, {"B_Biegung3", 62, 274}, {"B_Biegung4", 62, 386},
            {"B_Biegung5", 62, 498}, {"B_Biegung6", 224, 50}, {"B_Biegung7", 224, 162}, {"B_Biegung8", 220, 274},
            {"B_Bieg9", 220, 386}, {"B_Bieg10", 220, 498}, {"B_Bieg11", 384, 50}, {"B_Bieg12", 384, 162}, {"B_Bieg13", 384, 274}};
    // A load-case button shows the sketch of its case and names the case in its tooltip.
    auto fallknopf = [this, t](const char* name, int x, int y, int h, Lastfaelle::Familie familie, int nr) {
        const Lastfaelle::Lastfall* fall = Lastfaelle::lastfall(familie, nr);
        QPushButton* k = knopf(t, QString::fromLatin1(name), QString(), x, y, 128, h);
        k->setIcon(QPixmap::fromImage(Lastfallbild::bild(fall->skizze, QSize(120, h - 8))));
        k->setIconSize(QSize(120, h - 8));
        k->setToolTip(Lastfaelle::tooltip(*fall));
        connect(k, &QPushButton::clicked, this,
            [this, fall] { Plattform::geschuetzt([&] { Belastungsfall_Waehlen(fall->nr, Main::Dialog(fall->dialog)); }); });
        return k;
    };
    for (int f = 1; f <= 13; ++f) {
        const Knopf& b = biegung[f - 1];
        B_Biegung[f - 1] = fallknopf(b.name, b.x, b.y, 64, Lastfaelle::Familie::Biegung, f);
    }
    B_Scherung = fallknopf("B_Scherung", 384, 498, 64, Lastfaelle::Familie::Scherung, 0);
    // The general beam, in the free cell above shear: its sketch drawn from a sample beam.
    B_Traeger = knopf(t, QStringLiteral("B_Traeger"), QString(), 384, 386, 128, 64);
    B_Traeger->setIcon(QPixmap::fromImage(Traegerskizze::bild(
        Traegerskizze::Knopfbeispiel(), QSize(120, 56), Traegereinheiten::System::N_mm, Traegerskizze::Stil::Knopf)));
    B_Traeger->setIconSize(QSize(120, 56));
    B_Traeger->setToolTip(QStringLiteral("Träger mit beliebigen Lasten"));
    connect(B_Traeger, &QPushButton::clicked, this,
        [] { Plattform::geschuetzt([] { Main::Dialog_Zeigen(U_traeger::DLG_Traeger); }); });
    static constexpr Knopf knick[4]
        = {{"B_Knick1", 622, 50}, {"B_Knick2", 792, 50}, {"B_Knick3", 620, 224}, {"B_Knick4", 790, 224}};
    for (int f = 1; f <= 4; ++f)
        B_Knick[f - 1] = fallknopf(knick[f - 1].name, knick[f - 1].x, knick[f - 1].y, 128, Lastfaelle::Familie::Knickung, f);

    Label33 = label(t, QStringLiteral("Label33"), QStringLiteral("Gewählter Werkstoff:"), 556, 406);
    L_Mat = wertlabel(t, QStringLiteral("L_Mat"), QString(), 746, 406, 220, 22);
    Label32 = label(t, QStringLiteral("Label32"), QStringLiteral("Darstellung:"), 792, 451);
    CB_Style = new QComboBox(t);
    CB_Style->setObjectName(QStringLiteral("CB_Style"));
    CB_Style->setGeometry(560, 451, 215, 26);
    L_Style = label(t, QStringLiteral("L_Style"), QString(), 795, 482, 170, 22);
    B_Hilfe_Auswahl
        = symbolknopf(t, QStringLiteral("B_Hilfe_Auswahl"), QStringLiteral("&Hilfe"), Symbol::Hilfe, 556, 523, 219, 47);
    B_Beenden2
        = symbolknopf(t, QStringLiteral("B_Beenden2"), QStringLiteral("Programmende"), Symbol::Abbrechen, 792, 524, 173, 45);
    Label13 = label(t, QStringLiteral("Label13"),
        QStringLiteral("Hinweis: Das Eigengewicht des Trägers rechnen die Biegedialoge nur mit, wenn „Eigengewicht "
                       "berücksichtigen“ angekreuzt ist."),
        146, 596);
    // Wrapped within the tab, so that the whole sentence shows with any font.
    Label13->setWordWrap(true);
    Label13->resize(830, 2 * Label13->fontMetrics().lineSpacing() + 4);

    connect(CB_Style, &QComboBox::textActivated, this, handler(this, &TMainform::CB_StyleChange));
    connect(B_Hilfe_Auswahl, &QPushButton::clicked, this,
        [] { Plattform::geschuetzt([] { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Allgemein); }); });
    connect(B_Beenden2, &QPushButton::clicked, this, &QWidget::close);
}

void TMainform::Belastungsfall_Waehlen(int fall, QWidget* dialog)
{
    Unit1::Akt_Belastungsfall = fall;
    Positionsknopf::Loesen(dialog); // a case of its own, no position's
    Main::Dialog_Zeigen(dialog);
}

void TMainform::CB_StyleChange()
{
    Stile::setzen(CB_Style->currentText());
    L_Style->setText(Stile::aktiv());
}

void TMainform::Stil_Laden()
{
    CB_Style->clear();
    CB_Style->addItems(Stile::namen());
    QString name = QStringLiteral("Windows");
    if (Textdatei::existiert(Datendir, QStringLiteral("Style.INI")))
        name = Textdatei::ersteZeile(Textdatei::finden(Datendir, QStringLiteral("Style.INI")));
    Stile::setzen(name);
    L_Style->setText(name);
    CB_Style->setCurrentIndex(CB_Style->findText(Stile::aktiv()));
}

// The start-up sequence. A step that fails is reported and the later steps still run, so that
// for instance a missing profile family does not keep the materials from loading.
void TMainform::FormCreate()
{
    using Plattform::geschuetzt;
    Programmdir = Programmverzeichnis();
    Datenordner_Waehlen();
    geschuetzt([&] { TS_Profileditor->Verzeichnis_Setzen(Datendir); });
    geschuetzt([&] { TS_Werkstoffdatenbank->Grid_Laden(); });
    geschuetzt([&] { Stil_Laden(); });
    Unit1::Programminit();
    Unit1::Memo.clear();
    Hilfeindex = 0;
    geschuetzt([&] { U_Profile::Profilbibliothek_Lesen(); });
    geschuetzt([&] { TS_Werkstoffauswahl->Materialdatenbank_Lesen(); });
    geschuetzt([&] { U_Einwirkungen::Kategorien_Laden(Datendir); });
    geschuetzt([&] { TS_Einwirkungen->Grid_Laden(); });
    geschuetzt([&] { TS_Profileditor->Erste_Datei_Laden(); });
    geschuetzt([&] { Dateimenue->Zuletzt_Laden(); });
}

// "Daten/" beside the program, else the user's own folder filled from the installed copy; when
// no folder can be written, the installed copy read-only, with one message saying so.
void TMainform::Datenordner_Waehlen()
{
    const Datenordner::Wahl wahl = Datenordner::waehlen(Programmdir);
    Datendir = wahl.verzeichnis;
    Textdatei::schreibschutzSetzen(wahl.schreibgeschuetzt ? Datendir : QString());
    if (!wahl.meldung.isEmpty())
        Plattform::warnung(wahl.meldung);
}

void TMainform::FormClose()
{
    QDir verzeichnis(Datendir);
    if (!verzeichnis.exists()) {
        Plattform::hinweis(QStringLiteral("Das Verzeichnis %1 existiert nicht, es wird erzeugt!").arg(Datendir));
        if (!QDir().mkpath(Datendir))
            throw Plattform::Fehler::datei(Datendir, QStringLiteral("Das Verzeichnis kann nicht erzeugt werden."));
    }
    // On the read-only installed data the style is not kept; the user was told at start.
    const QString stil = Textdatei::finden(Datendir, QStringLiteral("Style.INI"));
    if (!Textdatei::schreibgeschuetzt(stil))
        Textdatei::schreiben(stil, {Stile::aktiv()});
    Unit1::Memo.clear();
}

void TMainform::closeEvent(QCloseEvent* ereignis)
{
    bool weiter = false;
    Plattform::geschuetzt([&] { weiter = Dateimenue->Aenderungen_Klaeren(); });
    if (!weiter) {
        ereignis->ignore();
        return;
    }
    if (!TS_Werkstoffdatenbank->Schliessen_Erlaubt() || !TS_Profileditor->Schliessen_Erlaubt()
        || !TS_Einwirkungen->Schliessen_Erlaubt()) {
        ereignis->ignore();
        return;
    }
    Plattform::geschuetzt([this] { FormClose(); });
    ereignis->accept();
    QCoreApplication::quit();
}

bool TMainform::event(QEvent* ereignis)
{
    // The material list is filled when the window first takes the focus after start-up.
    if (ereignis->type() == QEvent::WindowActivate && !m_listeGefuellt) {
        m_listeGefuellt = true;
        Plattform::geschuetzt([this] { TS_Werkstoffauswahl->PC_1Enter(); });
    }
    return QWidget::event(ereignis);
}
