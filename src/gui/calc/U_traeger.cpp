#include "gui/calc/U_traeger.h"

#include "core/app/Unit1.h"
#include "core/calc/Traegerskizze.h"
#include "core/calc/Traegersuche.h"
#include "core/data/U_Einwirkungen.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Zahlen.h"
#include "core/projekt/Positionszustand.h"
#include "core/sections/Querschnittswerte.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/calc/Traegertexte.h"
#include "gui/calc/U_passend.h"
#include "gui/calc/U_verlauf.h"
#include "gui/explain/U_Formel.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/projekt/Positionsknopf.h"
#include "gui/report/Traegerbericht.h"
#include "gui/sections/U_profil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <tuple>

namespace U_traeger {

Plattform::Einmalfenster<TDLG_Traeger> DLG_Traeger;

} // namespace U_traeger

namespace {

using namespace U_traeger;
using Traegereinheiten::Groesse;
using Traegereinheiten::System;
using Traegerrechnung::Eingabe;
using Traegerrechnung::Eingabefehler;
using Traegerrechnung::Last;
using Traegerrechnung::Lastart;
using Zahlen::fixiert;

const QColor Fehlerfarbe(0xFF, 0xB0, 0xB0);
const QColor Ungenutzt(0xD8, 0xD8, 0xD8);

const QStringList Lastarten {Traegertexte::lastart(Lastart::Einzellast), Traegertexte::lastart(Lastart::Streckenlast),
    Traegertexte::lastart(Lastart::Trapezlast), Traegertexte::lastart(Lastart::Moment)};
const QStringList Einwirkungen {Traegertexte::einwirkung(Traegerrechnung::Einwirkung::Staendig),
    Traegertexte::einwirkung(Traegerrechnung::Einwirkung::Veraenderlich)};
const QStringList Lagerarten {
    Traegertexte::lagerart(Traegerrechnung::Lager::Gelenkig), Traegertexte::lagerart(Traegerrechnung::Lager::Eingespannt)};

bool punktlast(Lastart a) { return a == Lastart::Einzellast || a == Lastart::Moment; }

// The name of the value in a cell of the load table for a load of kind `a`, as the check of the
// input names it; empty where the kind has no value in that column.
QString feldname(Lastart a, int spalte)
{
    switch (spalte) {
    case Spalte_Wert:
        return a == Lastart::Einzellast  ? QStringLiteral("F")
            : a == Lastart::Streckenlast ? QStringLiteral("q")
            : a == Lastart::Trapezlast   ? QStringLiteral("q1")
                                         : QStringLiteral("M");
    case Spalte_q2:
        return a == Lastart::Trapezlast ? QStringLiteral("q2") : QString();
    case Spalte_x:
        return punktlast(a) ? QStringLiteral("x") : QStringLiteral("von");
    case Spalte_bis:
        return punktlast(a) ? QString() : QStringLiteral("bis");
    }
    return {};
}

int lastspalte(const QString& feld)
{
    for (int spalte : {Spalte_Wert, Spalte_q2, Spalte_x, Spalte_bis})
        for (Lastart a : {Lastart::Einzellast, Lastart::Streckenlast, Lastart::Trapezlast, Lastart::Moment})
            if (feldname(a, spalte) == feld)
                return spalte;
    return -1;
}

Groesse wertgroesse(Lastart a)
{
    return a == Lastart::Einzellast ? Groesse::Kraft : a == Lastart::Moment ? Groesse::Moment : Groesse::Streckenlast;
}

// The value of a load in its value columns.
double& wert(Last& l, int spalte)
{
    if (spalte == Spalte_q2)
        return l.q2;
    switch (l.art) {
    case Lastart::Einzellast:
        return l.F;
    case Lastart::Streckenlast:
        return l.q;
    case Lastart::Trapezlast:
        return l.q1;
    case Lastart::Moment:
        break;
    }
    return l.M;
}

double& stelle(Last& l, int spalte)
{
    if (spalte == Spalte_bis)
        return l.bis;
    return punktlast(l.art) ? l.x : l.von;
}

// The message of a cell that is no number, in the words of the input check.
Eingabefehler keineZahl(const QString& tabelle, int zeile, const QString& feld, const QString& text)
{
    const QString ort = tabelle == QStringLiteral("Felder") && zeile > 0 ? QStringLiteral("Feld %1, %2").arg(zeile).arg(feld)
        : zeile > 0                                                      ? QStringLiteral("Last %1, %2").arg(zeile).arg(feld)
                                                                         : feld;
    const QString was
        = text.trimmed().isEmpty() ? QStringLiteral("keine Zahl eingegeben") : QStringLiteral("'%1' ist keine Zahl").arg(text);
    return {tabelle, zeile, feld, ort + QStringLiteral(": ") + was, was};
}

QString zelltext(const QTableWidget* t, int zeile, int spalte)
{
    const QTableWidgetItem* z = t->item(zeile, spalte);
    return z ? z->text() : QString();
}

QComboBox* auswahl(QWidget* eltern, const QString& name, const QStringList& eintraege)
{
    auto* c = new QComboBox(eltern);
    c->setObjectName(name);
    c->addItems(eintraege);
    QFont f = c->font(); // "eingespannt" in the narrow columns
    f.setBold(false);
    f.setPixelSize(13);
    c->setFont(f);
    return c;
}

QTableWidget* tabelle(QWidget* eltern, const QString& name, const QStringList& spalten, int x, int y, int breite, int hoehe)
{
    auto* t = new QTableWidget(0, int(spalten.size()), eltern);
    t->setObjectName(name);
    t->setGeometry(x, y, breite, hoehe);
    t->setHorizontalHeaderLabels(spalten);
    t->verticalHeader()->setDefaultSectionSize(26);
    // The dialog's large bold font leaves no room for the columns' captions.
    QFont f = t->font();
    f.setBold(false);
    f.setPixelSize(13);
    t->setFont(f);
    t->horizontalHeader()->setFont(f);
    t->verticalHeader()->setFont(f);
    return t;
}

QTableWidgetItem* ausgabezelle(const QString& text)
{
    auto* z = new QTableWidgetItem(text);
    z->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    z->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return z;
}

// A verdict of a table row in one word, on green or red where it judges; a dash for none.
void urteilszelle(QTableWidget* t, int zeile, int spalte, const Nachweis::Urteil* u)
{
    t->setItem(zeile, spalte,
        ausgabezelle(!u                                     ? QStringLiteral("–")
                : u->zustand == Nachweis::Zustand::Erfuellt ? QStringLiteral("erfüllt")
                : u->zustand == Nachweis::Zustand::Offen    ? QStringLiteral("keine Grenze")
                                                            : QStringLiteral("nicht erfüllt")));
    if (u && u->zustand != Nachweis::Zustand::Offen)
        t->item(zeile, spalte)->setBackground(u->zustand == Nachweis::Zustand::Erfuellt ? Nachweiszeile::Gruen : Bausteine::Rot);
}

// A drop-down list of the categories of variable actions, their descriptions as tooltips,
// showing `kuerzel`; a key the table does not know (a position from elsewhere) is kept as an
// entry of its own, so that the check can name it.
QComboBox* kategorienwahl(QWidget* eltern, const QString& kuerzel)
{
    QComboBox* c = auswahl(eltern, QString(), {});
    for (const Eurocode::Kategorie& k : U_Einwirkungen::Kategorien) {
        c->addItem(k.kuerzel);
        c->setItemData(c->count() - 1, QStringLiteral("%1: %2").arg(k.zeichen, k.bezeichnung), Qt::ToolTipRole);
    }
    if (c->findText(kuerzel) < 0)
        c->addItem(kuerzel);
    c->setCurrentIndex(c->findText(kuerzel));
    return c;
}

} // namespace

using Plattform::handler;

TDLG_Traeger::TDLG_Traeger(QWidget* eltern)
    : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Traeger"), QStringLiteral("Träger mit beliebigen Lasten"), 1180, 930);
    Aufbauen();
    Feldzeile_Anlegen(0, QStringLiteral("0"));
    Skizze_Zeigen();
    Ergebnisse_Leeren();
    OKBtn->setFocus();
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Traeger::Aufbauen()
{
    using namespace Bausteine;
    using namespace Rechendialog;
    Image1 = label(this, QStringLiteral("Image1"), QString(), 8, 8, 560, 170);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::Box);

    Profil = Profilbox_Bauen(this,
        {QStringLiteral("L_Material"), QStringLiteral("Daten des ausgewählten Profiles"), QStringLiteral("Aktueller Profiltyp:"),
            QStringLiteral("Aktuelles Profil:"), QStringLiteral("W [cm3]"), QStringLiteral("I [cm4]"), QStringLiteral("A [mm2]"),
            QStringLiteral("Label12"), Bausteine::Rot, true},
        580, 4, 592);

    const QList<QPushButton*> knoepfe = Knopfspalte(this,
        {{QStringLiteral("B_Formel"), QStringLiteral("Formel ansehen")},
            {QStringLiteral("B_Profil_suchen"), QStringLiteral("Profil aussuchen")},
            {QStringLiteral("B_Drucken"), QStringLiteral("Drucken")}, {QStringLiteral("B_Verlaeufe"), QStringLiteral("Verläufe")},
            {QStringLiteral("B_Passendes_Profil"), QStringLiteral("Passendes Profil")},
            {QStringLiteral("B_Position"), Positionsknopf::Uebernehmen},
            {QStringLiteral("BitBtn1"), QStringLiteral("&Hilfe"), Symbol::Hilfe},
            {QStringLiteral("HelpBtn"), QStringLiteral("Abbrechen"), Symbol::Abbrechen},
            {QStringLiteral("OKBtn"), QStringLiteral("OK"), Symbol::OK}},
        8, 186, 170, 48, 56);
    B_Formel = knoepfe[0];
    B_Profil_suchen = knoepfe[1];
    B_Drucken = knoepfe[2];
    B_Verlaeufe = knoepfe[3];
    B_Passendes_Profil = knoepfe[4];
    B_Position = knoepfe[5];
    BitBtn1 = knoepfe[6];
    HelpBtn = knoepfe[7];
    OKBtn = knoepfe[8];
    // What "Passendes Profil" searches by, below the buttons: a caption above the narrow list.
    label(this, QStringLiteral("L_Suchkriterium"), QStringLiteral("Suche nach:"), 8, 690, 170, 22);
    const QStringList kriterien {QStringLiteral("klassisch (σ zul)"), QStringLiteral("DIN EN 1993-1-1")};
    CB_Suchkriterium = auswahl(this, QStringLiteral("CB_Suchkriterium"), kriterien);
    CB_Suchkriterium->setGeometry(8, 714, 170, 32);
    CB_Suchkriterium->setToolTip(QStringLiteral("Nachweis, den „Passendes Profil“ für jedes Profil führt"));
    schriftEinpassen(CB_Suchkriterium, kriterien);

    Eingaben_Bauen(186, 186);
    Lasten_Bauen(522, 186);
    Rechnung_Bauen(186, 484);
    Ergebnisse_Bauen(522, 484);
    L_Fehler = Fehlerzeile(this, 186, 780, 986, 32);
    // The verdict lines, with the uplift of a support last: four lines in the panel that held three.
    QFrame* p = panel(this, QStringLiteral("Panel5"), 186, 818, 986, 104);
    L_Nachweis_W = Nachweiszeile::Bauen(p, QStringLiteral("L_Nachweis_W"), 10, 4, 966, 24);
    L_Nachweis_f = Nachweiszeile::Bauen(p, QStringLiteral("L_Nachweis_f"), 10, 29, 966, 24);
    L_Eurocode = Nachweiszeile::Bauen(p, QStringLiteral("L_Eurocode"), 10, 54, 966, 24);
    L_Abheben = Nachweiszeile::Bauen(p, QStringLiteral("L_Abheben"), 10, 79, 966, 24);
    Kopfzeilen_Zeigen();
    Verbinden();
}

void TDLG_Traeger::Eingaben_Bauen(int x, int y)
{
    using namespace Bausteine;
    QFrame* p = panel(this, QStringLiteral("Panel1"), x, y, 330, 290);
    ueberschrift(p, QStringLiteral("Label1"), QStringLiteral("Träger"), 10, 6);
    label(p, QStringLiteral("L_Einheiten"), QStringLiteral("Einheiten"), 120, 8);
    CB_Einheiten = auswahl(
        p, QStringLiteral("CB_Einheiten"), {Traegereinheiten::text(System::N_mm), Traegereinheiten::text(System::kN_m)});
    CB_Einheiten->setGeometry(200, 4, 120, 28);
    SG_Felder = tabelle(p, QStringLiteral("SG_Felder"), {QString()}, 10, 40, 160, 146);
    SG_Felder->horizontalHeader()->setStretchLastSection(true);
    B_Feld_Neu = knopf(p, QStringLiteral("B_Feld_Neu"), QStringLiteral("Feld hinzufügen"), 178, 40, 142, 40);
    B_Feld_Loeschen = knopf(p, QStringLiteral("B_Feld_Loeschen"), QStringLiteral("Feld löschen"), 178, 86, 142, 40);
    label(p, QStringLiteral("L_Links"), QStringLiteral("links"), 120, 192);
    label(p, QStringLiteral("L_Rechts"), QStringLiteral("rechts"), 222, 192);
    label(p, QStringLiteral("L_Kragarm"), QStringLiteral("Kragarm [mm]"), 10, 218, 108, 24);
    E_Kragarm_Links = feld(p, QStringLiteral("E_Kragarm_Links"), QStringLiteral("0"), 120, 214, 96, 28);
    E_Kragarm_Rechts = feld(p, QStringLiteral("E_Kragarm_Rechts"), QStringLiteral("0"), 222, 214, 96, 28);
    label(p, QStringLiteral("L_Lager"), QStringLiteral("Lager"), 10, 254);
    CB_Lager_Links = auswahl(p, QStringLiteral("CB_Lager_Links"), Lagerarten);
    CB_Lager_Links->setGeometry(120, 250, 96, 28);
    CB_Lager_Rechts = auswahl(p, QStringLiteral("CB_Lager_Rechts"), Lagerarten);
    CB_Lager_Rechts->setGeometry(222, 250, 96, 28);
}

void TDLG_Traeger::Lasten_Bauen(int x, int y)
{
    using namespace Bausteine;
    QFrame* p = panel(this, QStringLiteral("Panel2"), x, y, 650, 290);
    ueberschrift(p, QStringLiteral("Label2"), QStringLiteral("Lasten (x vom linken Trägerende)"), 10, 6);
    SG_Lasten = tabelle(p, QStringLiteral("SG_Lasten"), QStringList(Lastspalten, QString()), 10, 38, 630, 200);
    B_Last_Neu = knopf(p, QStringLiteral("B_Last_Neu"), QStringLiteral("Last hinzufügen"), 10, 244, 150, 40);
    B_Last_Loeschen = knopf(p, QStringLiteral("B_Last_Loeschen"), QStringLiteral("Last löschen"), 168, 244, 150, 40);
    L_Momenthinweis = label(p, QStringLiteral("L_Momenthinweis"),
        QStringLiteral("F, q nach unten positiv;\nein Moment M im Uhrzeigersinn positiv"), 330, 244, 310, 40);
    QFont f = L_Momenthinweis->font();
    f.setBold(false);
    L_Momenthinweis->setFont(f);
}

void TDLG_Traeger::Rechnung_Bauen(int x, int y)
{
    using namespace Bausteine;
    using namespace Rechendialog;
    QFrame* p = panel(this, QStringLiteral("Panel3"), x, y, 330, 290);
    ueberschrift(p, QStringLiteral("Label3"), QStringLiteral("Profil und Grenzen"), 10, 6);
    E_SigmaZul = Eingabezeile(
        p, QStringLiteral("L_Sigma_Zul"), QStringLiteral("Sigma zul. [N/mm2]"), QStringLiteral("E_SigmaZul"), 40, 190, 128);
    label(p, QStringLiteral("L_Grenze"), QStringLiteral("Grenze L/f ≥"), 10, 79);
    CB_Grenze = Nachweiszeile::Grenzenwahl(p, QStringLiteral("CB_Grenze"), 190, 76, 128, 28);
    E_E_Modul = Eingabezeile(
        p, QStringLiteral("E_Modul"), QStringLiteral("E Modul [N/mm2]"), QStringLiteral("E_E_Modul"), 112, 190, 128);
    Nur_Anzeige(E_E_Modul); // the modulus is always the chosen material's
    ChB_Eigengewicht = new QCheckBox(QStringLiteral("Eigengewicht berücksichtigen"), p);
    ChB_Eigengewicht->setObjectName(QStringLiteral("ChB_Eigengewicht"));
    ChB_Eigengewicht->setGeometry(10, 148, 310, 26);
    L_Eigengewicht = wertlabel(p, QStringLiteral("L_Eigengewicht"), QString(), 10, 178, 308, 26);
    B_Berechnen = knopf(p, QStringLiteral("B_Berechnen"), QStringLiteral("Berechnen"), 10, 232, 310, 48);
}

void TDLG_Traeger::Ergebnisse_Bauen(int x, int y)
{
    using namespace Bausteine;
    QFrame* p = panel(this, QStringLiteral("Panel4"), x, y, 650, 290);
    ueberschrift(p, QStringLiteral("Label4"), QStringLiteral("Ergebnisse (Hüllkurven)"), 10, 6);
    int zeile = 0;
    // Value and place of an extreme in two lines, in a smaller font: both always readable, the
    // value with its unit whole on the first.
    auto ausgabe = [&](const QString& name, const QString& text) {
        const int py = 34 + 32 * zeile++;
        label(p, QStringLiteral("Label_") + name, text, 10, py + 5);
        QLabel* wert = wertlabel(p, name, QString(), 84, py, 212, 30);
        QFont f = wert->font();
        f.setPixelSize(12);
        wert->setFont(f);
        wert->setWordWrap(true);
        return wert;
    };
    L_M_max = ausgabe(QStringLiteral("L_M_max"), QStringLiteral("max M"));
    L_M_min = ausgabe(QStringLiteral("L_M_min"), QStringLiteral("min M"));
    L_V_max = ausgabe(QStringLiteral("L_V_max"), QStringLiteral("max |V|"));
    L_Werf = ausgabe(QStringLiteral("L_Werf"), QStringLiteral("W erf."));
    SG_Lager = tabelle(p, QStringLiteral("SG_Lager"), QStringList(5, QString()), 300, 36, 340, 124);
    SG_Abschnitte = tabelle(p, QStringLiteral("SG_Abschnitte"), QStringList(8, QString()), 10, 168, 630, 114);
    for (QTableWidget* t : {SG_Lager, SG_Abschnitte})
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Long numbers (N·mm) widen their columns rather than be cut; the table scrolls then.
    SG_Lager->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    SG_Abschnitte->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void TDLG_Traeger::Verbinden()
{
    connect(B_Berechnen, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::B_BerechnenClick));
    for (QTableWidget* t : {SG_Felder, SG_Lasten})
        connect(t, &QTableWidget::itemChanged, this, handler(this, &TDLG_Traeger::EingabeChange));
    for (QLineEdit* e : {E_Kragarm_Links, E_Kragarm_Rechts, E_SigmaZul})
        connect(e, &QLineEdit::textChanged, this, handler(this, &TDLG_Traeger::EingabeChange));
    for (QComboBox* c : {CB_Lager_Links, CB_Lager_Rechts})
        connect(c, &QComboBox::currentIndexChanged, this, handler(this, &TDLG_Traeger::EingabeChange));
    connect(ChB_Eigengewicht, &QCheckBox::toggled, this, handler(this, &TDLG_Traeger::EingabeChange));
    connect(CB_Einheiten, &QComboBox::currentIndexChanged, this, handler(this, &TDLG_Traeger::CB_EinheitenChange));
    connect(CB_Grenze, &QComboBox::currentIndexChanged, this, handler(this, &TDLG_Traeger::CB_GrenzeChange));
    connect(B_Feld_Neu, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::B_Feld_NeuClick));
    connect(B_Feld_Loeschen, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::B_Feld_LoeschenClick));
    connect(B_Last_Neu, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::B_Last_NeuClick));
    connect(B_Last_Loeschen, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::B_Last_LoeschenClick));
    connect(B_Profil_suchen, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::B_Profil_suchenClick));
    connect(B_Passendes_Profil, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::B_Passendes_ProfilClick));
    connect(B_Verlaeufe, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::B_VerlaeufeClick));
    connect(B_Drucken, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::B_DruckenClick));
    connect(B_Formel, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::B_FormelClick));
    connect(BitBtn1, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::BitBtn1Click));
    connect(OKBtn, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::OKBtnClick));
    connect(HelpBtn, &QPushButton::clicked, this, handler(this, &TDLG_Traeger::HelpBtnClick));
    Positionsknopf::Anmelden({this, B_Position, Lastfaelle::Dialog::Traeger, [this] { return Position_Lesen(); },
        [this](const Projekt::Position& p) { Position_Zeigen(p); }, [this] { Eingaben_Leeren(); }});
}

Traegereinheiten::System TDLG_Traeger::Einheiten() const { return m_einheiten; }

// The headers name the units of the window.
void TDLG_Traeger::Kopfzeilen_Zeigen()
{
    const System s = m_einheiten;
    const QString laenge = Traegereinheiten::name(s, Groesse::Laenge);
    SG_Felder->setHorizontalHeaderLabels({QStringLiteral("Länge [%1]").arg(laenge)});
    SG_Lasten->setHorizontalHeaderLabels({QStringLiteral("Art"), QStringLiteral("Einwirkung"), QStringLiteral("Kategorie"),
        QStringLiteral("F, q, q1, M"), QStringLiteral("q2"), QStringLiteral("x, von [%1]").arg(laenge),
        QStringLiteral("bis [%1]").arg(laenge), QStringLiteral("Einheit")});
    findChild<QLabel*>(QStringLiteral("L_Kragarm"))->setText(QStringLiteral("Kragarm [%1]").arg(laenge));
    const QString kraft = Traegereinheiten::name(s, Groesse::Kraft);
    SG_Lager->setHorizontalHeaderLabels(
        {QStringLiteral("x [%1]").arg(laenge), QStringLiteral("min [%1]").arg(kraft), QStringLiteral("max [%1]").arg(kraft),
            QStringLiteral("M min [%1]").arg(Traegereinheiten::name(s, Groesse::Moment)), QStringLiteral("M max")});
    SG_Abschnitte->setHorizontalHeaderLabels(
        {QStringLiteral("Abschnitt"), QStringLiteral("f [mm]"), QStringLiteral("x [%1]").arg(laenge), QStringLiteral("L/f"),
            QStringLiteral("Ausnutzung"), QStringLiteral("Nachweis"), QStringLiteral("f char. [mm]"), QStringLiteral("EN 1990")});
    SG_Abschnitte->horizontalHeaderItem(7)->setToolTip(
        QStringLiteral("Durchbiegung unter der charakteristischen Kombination nach DIN EN 1990"));
    for (int z = 0; z < SG_Lasten->rowCount(); ++z)
        Lastart_Zeigen(z);
    Lastspalten_Einpassen();
}

void TDLG_Traeger::changeEvent(QEvent* ereignis)
{
    QDialog::changeEvent(ereignis);
    if (ereignis->type() == QEvent::StyleChange)
        Lastspalten_Einpassen();
}

// Each column of the load table as wide as its caption and its drop-down lists need, so that
// no caption is cut; the value columns keep room for a number of five digits.
void TDLG_Traeger::Lastspalten_Einpassen()
{
    // A drop-down list just wide enough for its longest entry: the text and the style's frame
    // and arrow around it.
    const auto liste = [this](const QStringList& eintraege) {
        const std::unique_ptr<QComboBox> c(auswahl(nullptr, QString(), eintraege));
        c->setFont(SG_Lasten->font()); // as in a cell of the table
        c->resize(200, SG_Lasten->verticalHeader()->defaultSectionSize());
        int text = 0;
        for (const QString& e : eintraege)
            text = std::max(text, c->fontMetrics().horizontalAdvance(e));
        const int gitter = SG_Lasten->showGrid() ? 1 : 0; // a cell's widget leaves the grid line free
        return text + c->width() - Bausteine::textraum(c.get()) + gitter;
    };
    QStringList kategorien;
    for (const Eurocode::Kategorie& k : U_Einwirkungen::Kategorien)
        kategorien.append(k.kuerzel);
    const QFontMetrics m = SG_Lasten->fontMetrics();
    int einheit = 0;
    for (System s : {System::N_mm, System::kN_m})
        for (Groesse g : {Groesse::Kraft, Groesse::Streckenlast, Groesse::Moment})
            einheit = std::max(einheit, m.horizontalAdvance(Traegereinheiten::name(s, g)) + 8);
    const int zahl = m.horizontalAdvance(QStringLiteral("00000")) + 8;
    const int inhalt[Lastspalten] = {liste(Lastarten), liste(Einwirkungen), liste(kategorien), zahl, zahl, zahl, zahl, einheit};
    for (int spalte = 0; spalte < Lastspalten; ++spalte)
        SG_Lasten->setColumnWidth(spalte, std::max(inhalt[spalte], SG_Lasten->horizontalHeader()->sectionSizeHint(spalte)));
}

void TDLG_Traeger::Feldzeile_Anlegen(int zeile, const QString& text)
{
    const QSignalBlocker stumm(SG_Felder);
    SG_Felder->insertRow(zeile);
    SG_Felder->setItem(zeile, 0, new QTableWidgetItem(text));
    for (int z = 0; z < SG_Felder->rowCount(); ++z)
        SG_Felder->setVerticalHeaderItem(z, new QTableWidgetItem(QStringLiteral("Feld %1").arg(z + 1)));
    B_Feld_Neu->setEnabled(SG_Felder->rowCount() < Traegerrechnung::MaxFelder);
    B_Feld_Loeschen->setEnabled(SG_Felder->rowCount() > 1);
}

void TDLG_Traeger::Lastzeile_Anlegen(int zeile, const Last& last)
{
    {
        const QSignalBlocker stumm(SG_Lasten);
        SG_Lasten->insertRow(zeile);
        QComboBox* art = auswahl(SG_Lasten, QString(), Lastarten);
        art->setCurrentIndex(int(last.art));
        QComboBox* einwirkung = auswahl(SG_Lasten, QString(), Einwirkungen);
        einwirkung->setCurrentIndex(int(last.einwirkung));
        SG_Lasten->setCellWidget(zeile, Spalte_Art, art);
        SG_Lasten->setCellWidget(zeile, Spalte_Einwirkung, einwirkung);
        // A permanent load has no category: its choice is kept but greyed.
        QComboBox* kategorie = kategorienwahl(SG_Lasten, last.kategorie);
        kategorie->setEnabled(last.einwirkung == Traegerrechnung::Einwirkung::Veraenderlich);
        SG_Lasten->setCellWidget(zeile, Spalte_Kategorie, kategorie);
        connect(einwirkung, &QComboBox::currentIndexChanged, kategorie, [kategorie](int i) {
            kategorie->setEnabled(Traegerrechnung::Einwirkung(i) == Traegerrechnung::Einwirkung::Veraenderlich);
        });
        Last l = last;
        for (int spalte : {Spalte_Wert, Spalte_q2, Spalte_x, Spalte_bis}) {
            const bool position = spalte >= Spalte_x;
            const double v = position ? stelle(l, spalte) : wert(l, spalte);
            const Groesse g = position ? Groesse::Laenge : wertgroesse(l.art);
            SG_Lasten->setItem(
                zeile, spalte, new QTableWidgetItem(Traegereinheiten::zahl(Traegereinheiten::anzeigen(v, m_einheiten, g))));
        }
        SG_Lasten->setItem(zeile, Spalte_Einheit, ausgabezelle(QString()));
        Lastart_Zeigen(zeile);
        // The row of a combo box is looked up when it changes: rows above may have gone.
        for (QComboBox* c : {art, einwirkung, kategorie})
            connect(c, &QComboBox::currentIndexChanged, this, [this, c] {
                Plattform::geschuetzt([&] {
                    for (int z = 0; z < SG_Lasten->rowCount(); ++z)
                        if (SG_Lasten->cellWidget(z, Spalte_Art) == c) {
                            const QSignalBlocker stumm(SG_Lasten);
                            Lastart_Zeigen(z);
                        }
                    EingabeChange();
                });
            });
    }
    EingabeChange();
}

// The cells a load of the row's kind uses are editable; the others are grey and empty.
void TDLG_Traeger::Lastart_Zeigen(int zeile)
{
    const auto* art = qobject_cast<QComboBox*>(SG_Lasten->cellWidget(zeile, Spalte_Art));
    const Lastart a = Lastart(art ? art->currentIndex() : 0);
    for (int spalte : {Spalte_Wert, Spalte_q2, Spalte_x, Spalte_bis}) {
        QTableWidgetItem* z = SG_Lasten->item(zeile, spalte);
        if (!z)
            continue;
        const bool genutzt = !feldname(a, spalte).isEmpty();
        z->setFlags(genutzt ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::NoItemFlags);
        z->setBackground(genutzt ? QBrush() : QBrush(Ungenutzt));
        if (!genutzt)
            z->setText(QString());
        z->setToolTip(genutzt ? feldname(a, spalte) : QString());
    }
    if (QTableWidgetItem* einheit = SG_Lasten->item(zeile, Spalte_Einheit))
        einheit->setText(Traegereinheiten::name(m_einheiten, wertgroesse(a)));
}

std::optional<Eingabefehler> TDLG_Traeger::Lesen(Eingabe& e, bool nachsichtig) const
{
    constexpr double Fehlt = std::numeric_limits<double>::quiet_NaN();
    using Traegereinheiten::speichern;
    const QString Felder = QStringLiteral("Felder"), Lasten = QStringLiteral("Lasten");
    const System s = m_einheiten;
    e.felder.clear();
    for (int z = 0; z < SG_Felder->rowCount(); ++z) {
        const QString text = zelltext(SG_Felder, z, 0);
        const auto v = Zahlen::versuchen(text);
        if (!v && !nachsichtig)
            return keineZahl(Felder, z + 1, QStringLiteral("Länge"), text);
        e.felder.push_back(v ? speichern(*v, s, Groesse::Laenge) : Fehlt);
    }
    for (const auto& [feld, ziel, name] : {std::tuple {E_Kragarm_Links, &e.kragarm_links, QStringLiteral("Kragarm links")},
             std::tuple {E_Kragarm_Rechts, &e.kragarm_rechts, QStringLiteral("Kragarm rechts")}}) {
        const auto v = Zahlen::versuchen(feld->text());
        if (!v && !nachsichtig)
            return keineZahl(Felder, 0, name, feld->text());
        *ziel = v ? speichern(*v, s, Groesse::Laenge) : Fehlt;
    }
    e.lager_links = Traegerrechnung::Lager(CB_Lager_Links->currentIndex());
    e.lager_rechts = Traegerrechnung::Lager(CB_Lager_Rechts->currentIndex());
    e.lasten.clear();
    for (int z = 0; z < SG_Lasten->rowCount(); ++z) {
        Last l;
        bool vollstaendig = true;
        l.art = Lastart(qobject_cast<QComboBox*>(SG_Lasten->cellWidget(z, Spalte_Art))->currentIndex());
        l.einwirkung
            = Traegerrechnung::Einwirkung(qobject_cast<QComboBox*>(SG_Lasten->cellWidget(z, Spalte_Einwirkung))->currentIndex());
        l.kategorie = qobject_cast<QComboBox*>(SG_Lasten->cellWidget(z, Spalte_Kategorie))->currentText();
        for (int spalte : {Spalte_Wert, Spalte_q2, Spalte_x, Spalte_bis}) {
            const QString name = feldname(l.art, spalte);
            if (name.isEmpty())
                continue;
            const QString text = zelltext(SG_Lasten, z, spalte);
            const auto v = Zahlen::versuchen(text);
            if (!v && !nachsichtig)
                return keineZahl(Lasten, z + 1, name, text);
            vollstaendig = vollstaendig && v;
            if (!v)
                continue;
            const bool position = spalte >= Spalte_x;
            (position ? stelle(l, spalte) : wert(l, spalte)) = speichern(*v, s, position ? Groesse::Laenge : wertgroesse(l.art));
        }
        if (vollstaendig)
            e.lasten.push_back(l);
    }
    const auto sigma = Zahlen::versuchen(E_SigmaZul->text());
    if (!sigma && !nachsichtig)
        return keineZahl(QString(), 0, QStringLiteral("σzul"), E_SigmaZul->text());
    e.Sigma_Zul = sigma.value_or(0);
    e.grenze = Nachweis::Durchbiegungsgrenze;
    e.E = Unit1::E;
    e.I = Unit1::I;
    e.W = Unit1::W;
    e.Masse = Unit1::Masse;
    e.eigengewicht = Biegedialog::mitEigengewicht(Eigengewichtsfelder());
    return std::nullopt;
}

Traegerposition TDLG_Traeger::Position() const
{
    Traegerposition p;
    if (const auto fehler = Lesen(p.eingabe))
        throw Plattform::Fehler(Plattform::Fehler::Art::Konvertierung, fehler->text);
    p.werkstoff = Unit1::Sorte;
    p.profil = Unit1::ProfilName;
    return p;
}

void TDLG_Traeger::Position_Setzen(const Traegerposition& position)
{
    const Eingabe& e = position.eingabe;
    m_fuellen = true;
    {
        const QSignalBlocker stumm(SG_Felder);
        SG_Felder->setRowCount(0);
    }
    for (std::size_t i = 0; i < e.felder.size() && int(i) < Traegerrechnung::MaxFelder; ++i)
        Feldzeile_Anlegen(int(i), Traegereinheiten::zahl(Traegereinheiten::anzeigen(e.felder[i], m_einheiten, Groesse::Laenge)));
    E_Kragarm_Links->setText(Traegereinheiten::zahl(Traegereinheiten::anzeigen(e.kragarm_links, m_einheiten, Groesse::Laenge)));
    E_Kragarm_Rechts->setText(Traegereinheiten::zahl(Traegereinheiten::anzeigen(e.kragarm_rechts, m_einheiten, Groesse::Laenge)));
    CB_Lager_Links->setCurrentIndex(int(e.lager_links));
    CB_Lager_Rechts->setCurrentIndex(int(e.lager_rechts));
    {
        const QSignalBlocker stumm(SG_Lasten);
        SG_Lasten->setRowCount(0);
    }
    for (std::size_t i = 0; i < e.lasten.size(); ++i)
        Lastzeile_Anlegen(int(i), e.lasten[i]);
    E_SigmaZul->setText(fixiert(e.Sigma_Zul, 2));
    Nachweis::Durchbiegungsgrenze = e.grenze;
    Nachweiszeile::Grenzenwahl_Auffrischen(CB_Grenze);
    ChB_Eigengewicht->setChecked(e.eigengewicht && ChB_Eigengewicht->isEnabled());
    m_fuellen = false;
    EingabeChange();
}

Projekt::Position TDLG_Traeger::Position_Lesen() const
{
    const Eingabe e = Position().eingabe;
    Projekt::Position p;
    p.art = Projekt::Art::Traeger;
    p.traeger = {e.felder, e.kragarm_links, e.kragarm_rechts, e.lager_links, e.lager_rechts, e.lasten, m_einheiten};
    p.sigma_zul = e.Sigma_Zul;
    p.eigengewicht = e.eigengewicht;
    return Positionszustand::aufnehmen(p, nullptr); // material, profile and limit as computed with
}

void TDLG_Traeger::Position_Zeigen(const Projekt::Position& p)
{
    FormActivate();
    CB_Einheiten->setCurrentIndex(int(p.traeger.einheiten)); // the units it was taken in
    Position_Setzen({Projekt::Traegereingabe(p), p.werkstoff.name, p.profil.name});
    B_BerechnenClick();
}

void TDLG_Traeger::Eingaben_Leeren()
{
    Traegerposition leer;
    leer.eingabe.felder = {0.0};
    leer.eingabe.Sigma_Zul = Unit1::Sigma_Zul;
    leer.eingabe.grenze = Nachweis::Durchbiegungsgrenze;
    Position_Setzen(leer);
}

Biegedialog::Felder TDLG_Traeger::Eigengewichtsfelder() const
{
    Biegedialog::Felder f;
    f.ChB_Eigengewicht = ChB_Eigengewicht;
    f.L_Eigengewicht = L_Eigengewicht;
    return f;
}

void TDLG_Traeger::FormActivate()
{
    Querschnittswerte::Ausrichten(Unit1::Biegeachse);
    const bool behalten = m_stand.behalten(); // before the fields show the shared inputs
    Rechendialog::Profilbox_Anzeigen(Profil);
    Rechendialog::Feld_Auffrischen(E_SigmaZul, Unit1::Sigma_Zul);
    E_E_Modul->setText(fixiert(Unit1::E, 2));
    Biegedialog::Eigengewicht_Auffrischen(Eigengewichtsfelder());
    Nachweiszeile::Grenzenwahl_Auffrischen(CB_Grenze);
    if (!behalten)
        Ergebnisse_Leeren();
    else if (m_ergebnis && m_gerechnet.grenze != Nachweis::Durchbiegungsgrenze)
        Rechnen(m_gerechnet); // another window chose another limit: judged again
    Skizze_Zeigen();
}

void TDLG_Traeger::EingabeChange()
{
    if (m_fuellen)
        return;
    Markierung_Loeschen();
    Ergebnisse_Leeren();
    Skizze_Zeigen();
}

std::optional<Eingabe> TDLG_Traeger::Geprueft_Lesen()
{
    Eingabe e;
    std::optional<Eingabefehler> fehler = Lesen(e);
    if (!fehler)
        fehler = Traegerrechnung::pruefen(e);
    if (fehler) {
        Plattform::piep();
        Markieren(*fehler);
        return std::nullopt;
    }
    return e;
}

void TDLG_Traeger::B_BerechnenClick()
{
    Markierung_Loeschen();
    Ergebnisse_Leeren();
    const std::optional<Eingabe> gelesen = Geprueft_Lesen();
    if (!gelesen)
        return;
    const Eingabe& e = *gelesen;
    Unit1::Sigma_Zul = e.Sigma_Zul; // as every calculation dialog, for the report and the set-up
    Rechnen(e);
}

void TDLG_Traeger::Rechnen(const Eingabe& e)
{
    const bool gelungen = Rechendialog::mitPiep(
        L_Fehler, {L_M_max, L_M_min, L_V_max, L_Werf}, [] { return Rechendialog::Ursachen {}; },
        [&] {
            m_ergebnis = Traegerrechnung::berechnen(e);
            m_eurocode = Eurocode::Traeger({e, U_Einwirkungen::Kategorien, Positionszustand::Eurocode_Werkstoff(nullptr)});
        });
    m_stand.aufnehmen();
    if (!gelungen) {
        m_ergebnis.reset();
        m_eurocode.reset();
        return;
    }
    m_gerechnet = e;
    m_auswahl = Rechendialog::Seitenwerte({});
    Ergebnisse_Zeigen();
    Verlauf_Melden();
}

// The diagrams and the steps of the result shown go to the window of the lines and the report.
void TDLG_Traeger::Verlauf_Melden()
{
    U_verlauf::Traeger_Gerechnet(this, windowTitle(), {m_gerechnet, *m_ergebnis, m_einheiten, m_eurocode});
}

void TDLG_Traeger::Markieren(const Eingabefehler& fehler)
{
    QWidget* feld = nullptr;
    QTableWidget* t = nullptr;
    int spalte = -1;
    if (fehler.tabelle == QStringLiteral("Felder")) {
        feld = fehler.feld == QStringLiteral("Kragarm links") ? E_Kragarm_Links
            : fehler.feld == QStringLiteral("Kragarm rechts") ? E_Kragarm_Rechts
                                                              : static_cast<QWidget*>(SG_Felder);
        if (feld == SG_Felder) {
            t = SG_Felder;
            spalte = 0;
        }
    } else if (fehler.tabelle == QStringLiteral("Lasten")) {
        feld = t = SG_Lasten;
        spalte = lastspalte(fehler.feld);
    } else if (fehler.feld == QStringLiteral("σzul")) {
        feld = E_SigmaZul;
    } else {
        feld = fehler.feld == QStringLiteral("W")    ? Profil.L_Waus
            : fehler.feld == QStringLiteral("Masse") ? Profil.L_Maus
            : fehler.feld == QStringLiteral("E")     ? static_cast<QWidget*>(E_E_Modul)
                                                     : Profil.L_Iaus;
    }
    if (t && fehler.zeile >= 1 && fehler.zeile <= t->rowCount() && spalte >= 0) {
        const QSignalBlocker stumm(t);
        if (QTableWidgetItem* z = t->item(fehler.zeile - 1, spalte)) {
            z->setBackground(Fehlerfarbe);
            z->setData(Qt::UserRole, true);
        }
        t->setCurrentCell(fehler.zeile - 1, spalte);
        t->scrollToItem(t->item(fehler.zeile - 1, spalte));
    }
    Rechendialog::Fehler_Markieren(L_Fehler, feld, fehler.text);
}

void TDLG_Traeger::Markierung_Loeschen()
{
    Rechendialog::Markierung_Loeschen(L_Fehler);
    for (QTableWidget* t : {SG_Felder, SG_Lasten}) {
        const QSignalBlocker stumm(t);
        for (int z = 0; z < t->rowCount(); ++z)
            for (int s = 0; s < t->columnCount(); ++s)
                if (QTableWidgetItem* item = t->item(z, s); item && item->data(Qt::UserRole).toBool()) {
                    item->setData(Qt::UserRole, QVariant());
                    item->setBackground(QBrush());
                }
    }
}

// The sketch follows every edit; a load with a cell that is no number yet is left out until it
// is one, and a span or cantilever without a length leaves the beam out.
void TDLG_Traeger::Skizze_Zeigen()
{
    Eingabe e;
    Lesen(e, true);
    Image1->setPixmap(QPixmap::fromImage(Traegerskizze::bild(e, Image1->size() - QSize(4, 4), m_einheiten)));
}

void TDLG_Traeger::Ergebnisse_Leeren()
{
    m_ergebnis.reset();
    m_eurocode.reset();
    for (QLabel* l : {L_M_max, L_M_min, L_V_max, L_Werf})
        l->setText(QStringLiteral("–"));
    SG_Lager->setRowCount(0);
    SG_Abschnitte->setRowCount(0);
    Nachweiszeile::Leeren(L_Nachweis_W);
    Nachweiszeile::Leeren(L_Nachweis_f);
    Nachweiszeile::Leeren(L_Eurocode);
    Nachweiszeile::Leeren(L_Abheben);
    U_verlauf::Leeren(U_verlauf::Art::Traeger, this);
}

void TDLG_Traeger::Ergebnisse_Zeigen()
{
    const Traegerrechnung::Ergebnis& r = *m_ergebnis;
    const System s = m_einheiten;
    const auto x = [s](double mm) { return Traegertexte::stelle(mm, s); };
    const QString zeilenwechsel(QLatin1Char('\n')); // the value on the first line, its place on the second
    L_M_max->setText(Traegertexte::extrem(r.M_max, s, Groesse::Moment, zeilenwechsel));
    L_M_min->setText(Traegertexte::extrem(r.M_min, s, Groesse::Moment, zeilenwechsel));
    L_V_max->setText(Traegertexte::extrem({r.V_betrag_max.x, std::fabs(r.V_betrag_max.wert)}, s, Groesse::Kraft, zeilenwechsel));
    L_Werf->setText(fixiert(r.W_erf, 2) + QStringLiteral(" cm³"));

    const auto kraft = [s](double v) { return Traegertexte::zahl(v, s, Groesse::Kraft); };
    const auto moment = [s](double v) { return Traegertexte::zahl(v, s, Groesse::Moment); };
    SG_Lager->setRowCount(int(r.lager.size()));
    for (int z = 0; z < int(r.lager.size()); ++z) {
        const Traegerrechnung::Lagerkraft& l = r.lager[std::size_t(z)];
        SG_Lager->setVerticalHeaderItem(z, new QTableWidgetItem(Traegertexte::lagername(std::size_t(z))));
        const QStringList texte {x(l.x), kraft(l.min), kraft(l.max), l.eingespannt ? moment(l.M_min) : QStringLiteral("–"),
            l.eingespannt ? moment(l.M_max) : QStringLiteral("–")};
        for (int sp = 0; sp < texte.size(); ++sp)
            SG_Lager->setItem(z, sp, ausgabezelle(texte[sp]));
    }
    SG_Abschnitte->setRowCount(int(r.abschnitte.size()));
    for (int z = 0; z < int(r.abschnitte.size()); ++z) {
        const Traegerrechnung::Abschnitt& a = r.abschnitte[std::size_t(z)];
        const bool mitF = r.mitDurchbiegung;
        const Nachweis::Urteil* u = mitF && std::size_t(z) + 1 < r.urteile.size() ? &r.urteile[std::size_t(z) + 1] : nullptr;
        const QString strich = QStringLiteral("–");
        const QStringList texte {a.name, mitF ? fixiert(a.f, 4) : strich, mitF ? x(a.x) : strich,
            mitF && a.f != 0 ? fixiert(a.L_f, 2) : strich,
            mitF && m_gerechnet.grenze > 0 ? fixiert(a.ausnutzung * 100.0, 1) + QStringLiteral(" %") : strich};
        for (int sp = 0; sp < texte.size(); ++sp)
            SG_Abschnitte->setItem(z, sp, ausgabezelle(texte[sp]));
        urteilszelle(SG_Abschnitte, z, 5, u);
        Abschnitt_Charakteristisch_Zeigen(z);
    }
    Nachweiszeile::Zeigen(L_Eurocode, Traegertexte::eurocode(m_eurocode->biegung.urteil));
    Nachweiszeile::Hinweis_Zeigen(L_Abheben, Traegertexte::abheben(r.abheben, s));
    Nachweiszeile::Zeigen(L_Nachweis_W, r.urteile.front());
    // The deflection line shows the span or cantilever nearest its limit.
    if (r.mitDurchbiegung && r.urteile.size() > 1) {
        std::size_t massgebend = 0;
        for (std::size_t i = 1; i < r.abschnitte.size(); ++i)
            if (r.abschnitte[i].ausnutzung > r.abschnitte[massgebend].ausnutzung)
                massgebend = i;
        Nachweiszeile::Zeigen(L_Nachweis_f, r.urteile[massgebend + 1]);
    } else {
        Nachweiszeile::Zeigen(
            L_Nachweis_f, {Nachweis::Zustand::Offen, QStringLiteral("Nachweis Durchbiegung: ohne E und I keine Durchbiegung")});
    }
}

// The deflection of span or cantilever `z` under the characteristic combinations and its
// verdict, the governing combination as the tooltip; dashes without E and I.
void TDLG_Traeger::Abschnitt_Charakteristisch_Zeigen(int z)
{
    const Eurocode::Traegerergebnis& ec = *m_eurocode;
    const auto i = std::size_t(z);
    const bool da = i < ec.abschnitte.size() && i < ec.durchbiegung.size();
    const Nachweis::Urteil* u = da ? &ec.durchbiegung[i] : nullptr;
    const QString strich = QStringLiteral("–");
    SG_Abschnitte->setItem(z, 6, ausgabezelle(da ? fixiert(ec.abschnitte[i].f, 4) : strich));
    urteilszelle(SG_Abschnitte, z, 7, u);
    if (u)
        for (int sp : {6, 7})
            SG_Abschnitte->item(z, sp)->setToolTip(u->text);
}

void TDLG_Traeger::CB_EinheitenChange()
{
    const System alt = m_einheiten, neu = System(CB_Einheiten->currentIndex());
    if (alt == neu)
        return;
    // Every number shown is converted; a cell that is no number stays as typed.
    const auto umrechnen = [&](QString text, Groesse g) {
        const auto v = Zahlen::versuchen(text);
        return v ? Traegereinheiten::zahl(Traegereinheiten::anzeigen(Traegereinheiten::speichern(*v, alt, g), neu, g)) : text;
    };
    m_fuellen = true;
    for (int z = 0; z < SG_Felder->rowCount(); ++z)
        if (QTableWidgetItem* item = SG_Felder->item(z, 0))
            item->setText(umrechnen(item->text(), Groesse::Laenge));
    for (QLineEdit* e : {E_Kragarm_Links, E_Kragarm_Rechts})
        e->setText(umrechnen(e->text(), Groesse::Laenge));
    for (int z = 0; z < SG_Lasten->rowCount(); ++z) {
        const Lastart a = Lastart(qobject_cast<QComboBox*>(SG_Lasten->cellWidget(z, Spalte_Art))->currentIndex());
        for (int spalte : {Spalte_Wert, Spalte_q2, Spalte_x, Spalte_bis})
            if (QTableWidgetItem* item = SG_Lasten->item(z, spalte); item && !feldname(a, spalte).isEmpty())
                item->setText(umrechnen(item->text(), spalte >= Spalte_x ? Groesse::Laenge : wertgroesse(a)));
    }
    m_einheiten = neu;
    {
        const QSignalBlocker stumm(SG_Lasten);
        Kopfzeilen_Zeigen();
    }
    m_fuellen = false;
    // The record is the same: the results stay and are shown in the new units.
    Skizze_Zeigen();
    if (m_ergebnis) {
        Ergebnisse_Zeigen();
        Verlauf_Melden();
    }
}

void TDLG_Traeger::B_Feld_NeuClick()
{
    if (SG_Felder->rowCount() >= Traegerrechnung::MaxFelder)
        return;
    const int zeile = SG_Felder->rowCount();
    Feldzeile_Anlegen(zeile, zeile > 0 ? zelltext(SG_Felder, zeile - 1, 0) : QStringLiteral("0"));
    SG_Felder->setCurrentCell(zeile, 0);
    EingabeChange();
}

void TDLG_Traeger::B_Feld_LoeschenClick()
{
    if (SG_Felder->rowCount() <= 1)
        return;
    const int zeile = SG_Felder->currentRow() >= 0 ? SG_Felder->currentRow() : SG_Felder->rowCount() - 1;
    {
        const QSignalBlocker stumm(SG_Felder);
        SG_Felder->removeRow(zeile);
        for (int z = 0; z < SG_Felder->rowCount(); ++z)
            SG_Felder->setVerticalHeaderItem(z, new QTableWidgetItem(QStringLiteral("Feld %1").arg(z + 1)));
    }
    B_Feld_Neu->setEnabled(true);
    B_Feld_Loeschen->setEnabled(SG_Felder->rowCount() > 1);
    EingabeChange();
}

void TDLG_Traeger::B_Last_NeuClick()
{
    const int zeile = SG_Lasten->rowCount();
    Lastzeile_Anlegen(zeile, Last {});
    SG_Lasten->setCurrentCell(zeile, Spalte_Wert);
}

void TDLG_Traeger::B_Last_LoeschenClick()
{
    if (SG_Lasten->rowCount() == 0)
        return;
    const int zeile = SG_Lasten->currentRow() >= 0 ? SG_Lasten->currentRow() : SG_Lasten->rowCount() - 1;
    {
        const QSignalBlocker stumm(SG_Lasten);
        SG_Lasten->removeRow(zeile);
    }
    EingabeChange();
}

void TDLG_Traeger::B_Profil_suchenClick()
{
    U_profil::Aussuchen(Unit1::Biegeachse);
    Rechendialog::Profilbox_Anzeigen(Profil);
    E_E_Modul->setText(fixiert(Unit1::E, 2));
    Biegedialog::Eigengewicht_Auffrischen(Eigengewichtsfelder());
    if (!m_stand.unveraendert()) // I, W and the weight are read by the calculation
        Ergebnisse_Leeren();
}

void TDLG_Traeger::B_Passendes_ProfilClick()
{
    Markierung_Loeschen();
    const std::optional<Eingabe> gelesen = Geprueft_Lesen();
    if (!gelesen)
        return;
    const Eingabe& e = *gelesen;
    Traegersuche::Aufgabe aufgabe;
    aufgabe.traeger = e;
    aufgabe.ausrichtung
        = Unit1::Biegeachse == Unit1::TProfilachse::Imin ? Profilsuche::Ausrichtung::Quer : Profilsuche::Ausrichtung::Optimal;
    aufgabe.Gamma = Unit1::Gamma;
    aufgabe.kriterium = Traegersuche::Kriterium(CB_Suchkriterium->currentIndex());
    aufgabe.kategorien = U_Einwirkungen::Kategorien;
    aufgabe.werkstoff = Positionszustand::Eurocode_Werkstoff(nullptr);
    if (!U_passend::Traeger(aufgabe))
        return;
    Rechendialog::Profilbox_Anzeigen(Profil);
    E_E_Modul->setText(fixiert(Unit1::E, 2));
    Biegedialog::Eigengewicht_Auffrischen(Eigengewichtsfelder());
    Nachweiszeile::Grenzenwahl_Auffrischen(CB_Grenze);
    B_BerechnenClick();
}

void TDLG_Traeger::CB_GrenzeChange()
{
    if (m_ergebnis) { // only the verdicts change: judged again
        m_gerechnet.grenze = Nachweis::Durchbiegungsgrenze;
        Rechnen(m_gerechnet);
    }
}

void TDLG_Traeger::B_VerlaeufeClick() { U_verlauf::Zeigen(U_verlauf::Art::Traeger, this); }

void TDLG_Traeger::B_DruckenClick()
{
    if (!m_ergebnis) {
        Plattform::information(QStringLiteral("Es gibt noch kein Ergebnis zu drucken: bitte zuerst „Berechnen“."));
        return;
    }
    if (!Zusatzseiten::Kopf_Abfragen(this))
        return;
    Traegerbericht::Drucken(Rechendialog::Drucksetup(Drucksetupdlg, this, QStringLiteral("Drucksetupdlg5")),
        {windowTitle(), {m_gerechnet, *m_ergebnis, m_einheiten, m_eurocode}, m_auswahl});
}

void TDLG_Traeger::B_FormelClick() { U_Formel::Formel_Zeigen(Formeltafel::Traegerformel); }

void TDLG_Traeger::BitBtn1Click() { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Traeger); }

void TDLG_Traeger::OKBtnClick()
{
    if (Positionsknopf::OK(this))
        hide();
}

void TDLG_Traeger::HelpBtnClick() { hide(); }
