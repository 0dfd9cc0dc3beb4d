#include "gui/calc/U_bieg2.h"

#include "core/app/Lastfaelle.h"
#include "core/app/Programmzustand.h"
#include "core/app/Unit1.h"
#include "core/calc/Biegeformeln.h"
#include "core/calc/Biegerechnung.h"
#include "core/platform/Zahlen.h"
#include "core/sections/Querschnittswerte.h"
#include "gui/calc/U_verlauf.h"
#include "gui/explain/U_Formel.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/projekt/Positionsknopf.h"
#include "gui/report/U_druck.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace U_bieg2 {

Plattform::Einmalfenster<TDLG_Biegung2> DLG_Biegung2;

namespace {

// The case of the shared number when this window serves it.
const Lastfaelle::Lastfall* eigenerFall()
{
    return Lastfaelle::vonDialog(Lastfaelle::Dialog::Biegung2, Unit1::Akt_Belastungsfall);
}

const QString Mitte_f = QStringLiteral("Die max Durchbiegung ist in Trägermitte!");
const QString Rand_f = QStringLiteral("Die max Durchbiegung ist an den Trägerrändern!");

} // namespace

QString Hinweis_W(int fall, const Biegerechnung::Wert& w)
{
    if (fall == 9)
        return w.erstes ? QStringLiteral("Der gefährdete Querschnitt ist beim Auflager!")
                        : QStringLiteral("Der gefährdete Querschnitt ist in Trägermitte!");
    if (fall == 12)
        return w.erstes ? QStringLiteral("Der gefährdete Querschnitt ist unter F!")
                        : QStringLiteral("Der gefährdete Querschnitt ist im Festlager!");
    return {};
}

// The note on the deflection: the governing place in cases 8 and 9; in cases 4 and 12 that the
// formula gives the deflection under the load, or with the self-weight where the greatest
// deflection of the combined line lies.
QString Hinweis_f(const Biegerechnung::Aufgabe& a, const Biegerechnung::Wert& f)
{
    if (a.fall == 8 || a.fall == 9)
        return f.erstes ? Mitte_f : Rand_f;
    if (!Lastfaelle::biegefall(a.fall, &Lastfaelle::Lastfall::fUnterLast))
        return {};
    if (a.eigengewicht)
        return QStringLiteral("Größte Durchbiegung aus Last und Eigengewicht bei x = %1 mm").arg(Zahlen::fixiert(f.x, 2));
    return a.fall == 4 ? QStringLiteral("Berechnete Durchbiegung ist nicht die maximale!")
                       : QStringLiteral("Berechnete Durchbiegung ist nicht die Maximale!");
}

} // namespace U_bieg2

using namespace Unit1;
using Plattform::handler;
using Rechendialog::Wert;

TDLG_Biegung2::TDLG_Biegung2(QWidget* eltern)
    : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Biegung2"), QStringLiteral("Biegung - einseitig eingespannter Träger"), 992,
        Biegedialog::Hoehe);
    Felder.stand = &Stand;
    Aufbauen();
    Profil_aussuchen->setFocus();
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Biegung2::Aufbauen()
{
    using namespace Bausteine;
    using namespace Rechendialog;
    Image1 = label(this, QStringLiteral("Image1"), QString(), 8, 8, 257, 129);
    Image1->setAlignment(Qt::AlignCenter);

    Profil = Profilbox_Bauen(this,
        {QStringLiteral("L_Sorte"), QStringLiteral("Daten des gewählten Profiles"), QStringLiteral("Aktueller Profiltyp:"),
            QStringLiteral("Aktuelles Profil:"), QStringLiteral("W [cm3]"), QStringLiteral("I [cm4]"),
            QStringLiteral("Fläche [mm2]"), QStringLiteral("Label13"), Bausteine::Rot, true},
        280, 8, 704);

    const QList<QPushButton*> knoepfe = Knopfspalte(this,
        {{QStringLiteral("B_Formel"), QStringLiteral("Formel ansehen")},
            {QStringLiteral("Profil_aussuchen"), QStringLiteral("Profil aussuchen")},
            {QStringLiteral("BitBtn1"), QStringLiteral("&Hilfe"), Symbol::Hilfe},
            {QStringLiteral("B_Drucken"), QStringLiteral("Drucken")}, {QStringLiteral("B_Verlaeufe"), QStringLiteral("Verläufe")},
            {QStringLiteral("HelpBtn"), QStringLiteral("Abbrechen"), Symbol::Abbrechen},
            {QStringLiteral("OKBtn"), QStringLiteral("OK"), Symbol::OK},
            {QStringLiteral("B_Passendes_Profil"), QStringLiteral("Passendes Profil")},
            {QStringLiteral("B_Position"), Positionsknopf::Uebernehmen}},
        8, 150, 170, 54, 62);
    B_Formel = knoepfe[0];
    Profil_aussuchen = knoepfe[1];
    BitBtn1 = knoepfe[2];
    B_Drucken = knoepfe[3];
    B_Verlaeufe = knoepfe[4];
    HelpBtn = knoepfe[5];
    OKBtn = knoepfe[6];
    Felder.B_Passendes_Profil = knoepfe[7];
    B_Position = knoepfe[8];

    // Section modulus.
    Panel1 = panel(this, QStringLiteral("Panel1"), 190, 200, 394, 380);
    ueberschrift(Panel1, QStringLiteral("Label10"), QStringLiteral("Berechnung des erf. Widerstandsmoments"), 10, 8);
    // Rows 34 pixels apart, so that the failure line fits under the panels.
    const int feldX = 220, feldbreite = 162;
    Felder.E_Last = Eingabezeile(Panel1, QStringLiteral("L_Last"), QStringLiteral("Last [N/mm]"), QStringLiteral("E_Last"), 44,
        feldX, feldbreite, &Felder.L_Last);
    Felder.E_Laenge = Eingabezeile(
        Panel1, QStringLiteral("Label2"), QStringLiteral("Länge L [mm]"), QStringLiteral("E_Laenge"), 78, feldX, feldbreite);
    E_Abstand = Eingabezeile(
        Panel1, QStringLiteral("Label12"), QStringLiteral("Länge a [mm]"), QStringLiteral("E_Abstand"), 112, feldX, feldbreite);
    Felder.E_SigmaZul = Eingabezeile(Panel1, QStringLiteral("L_Sigma_Zul"), QStringLiteral("Sigma zul. [N/mm2]"),
        QStringLiteral("E_SigmaZul"), 146, feldX, feldbreite);
    Felder.L_Werf = Ausgabezeile(
        Panel1, QStringLiteral("label1"), QStringLiteral("W erf. [cm³]"), QStringLiteral("L_Werf"), 180, feldX, feldbreite);
    L_Hinweis_W = label(Panel1, QStringLiteral("L_Hinweis_W"), QStringLiteral(".."), 10, 212, 374, 40);
    L_Hinweis_W->setWordWrap(true);
    QFrame* trenner = panel(Panel1, QStringLiteral("Panel3"), 6, 256, 382, 4);
    trenner->setLineWidth(1);
    Felder.E_x = Eingabezeile(Panel1, QStringLiteral("Label14"), QStringLiteral("Länge x [mm]"), QStringLiteral("E_x"), 264,
        feldX, feldbreite, &Label14);
    Felder.L_Wxerf = Ausgabezeile(Panel1, QStringLiteral("Label15"), QStringLiteral("Werf. bei x [cm³]"),
        QStringLiteral("L_Wxerf"), 298, feldX, feldbreite, Bausteine::Rot, &Label15);
    Felder.B_Berechnen_W = knopf(Panel1, QStringLiteral("B_Berechnen_W"), QStringLiteral("Berechnen"), 10, 332, 374, 42);

    // Deflection.
    Panel2 = Biegedialog::Durchbiegungspanel_Bauen(this, Felder, QStringLiteral("E Modul [N/mm2]"), 590, 200, 394, 380);
    Felder.L_Fehler = Fehlerzeile(this, 190, 584, 794, 32);
    L_Hinweis_f = label(Panel2, QStringLiteral("L_Hinweis_f"), QStringLiteral(".."), 10, 192, 374, 44);
    L_Hinweis_f->setWordWrap(true);
    Panel4 = Biegedialog::Nachweispanel_Bauen(this, Felder, 190, 620, 794);

    connect(Felder.B_Berechnen_W, &QPushButton::clicked, this, handler(this, &TDLG_Biegung2::B_Berechnen_WClick));
    connect(Felder.B_Berechnung_f, &QPushButton::clicked, this, handler(this, &TDLG_Biegung2::B_Berechnung_fClick));
    for (QLineEdit* e : {Felder.E_Last, Felder.E_SigmaZul, Felder.E_Laenge, E_Abstand, Felder.E_x})
        connect(e, &QLineEdit::textChanged, this, handler(this, &TDLG_Biegung2::E_LastChange));
    for (QLineEdit* e : {Felder.E_E_Modul, Felder.E_I})
        connect(e, &QLineEdit::textChanged, this, handler(this, &TDLG_Biegung2::E_E_ModulChange));
    connect(Profil_aussuchen, &QPushButton::clicked, this, handler(this, &TDLG_Biegung2::Profil_aussuchenClick));
    connect(Felder.B_Passendes_Profil, &QPushButton::clicked, this, handler(this, &TDLG_Biegung2::B_Passendes_ProfilClick));
    connect(Felder.ChB_Eigengewicht, &QCheckBox::toggled, this, handler(this, &TDLG_Biegung2::ChB_EigengewichtClick));
    connect(B_Formel, &QPushButton::clicked, this, handler(this, &TDLG_Biegung2::B_FormelClick));
    connect(BitBtn1, &QPushButton::clicked, this, handler(this, &TDLG_Biegung2::BitBtn1Click));
    connect(B_Drucken, &QPushButton::clicked, this, handler(this, &TDLG_Biegung2::B_DruckenClick));
    connect(B_Verlaeufe, &QPushButton::clicked, this, handler(this, &TDLG_Biegung2::B_VerlaeufeClick));
    connect(OKBtn, &QPushButton::clicked, this, handler(this, &TDLG_Biegung2::OKBtnClick));
    connect(HelpBtn, &QPushButton::clicked, this, handler(this, &TDLG_Biegung2::HelpBtnClick));
    Positionsknopf::Anmelden({this, B_Position, Lastfaelle::Dialog::Biegung2, [this] { return Position_Lesen(); },
        [this](const Projekt::Position& p) { Position_Zeigen(p); }, [this] { Eingaben_Leeren(); }});
}

void TDLG_Biegung2::Hinweise_Leeren()
{
    L_Hinweis_W->clear();
    L_Hinweis_f->clear();
}

void TDLG_Biegung2::FormActivate()
{
    Plattform::Teilschritte schritte; // a missing sketch stays empty and the rest is set up
    Programmdir = Main::Programmdir;
    Datendir = Main::Datendir;
    if (const auto* fall = U_bieg2::eigenerFall()) {
        Rechendialog::Fall_Zeigen(this, Image1, Datendir, *fall, schritte, Felder.L_Last);
        for (QWidget* w : {static_cast<QWidget*>(Label14), static_cast<QWidget*>(Felder.E_x), static_cast<QWidget*>(Label15),
                 static_cast<QWidget*>(Felder.L_Wxerf)})
            w->setVisible(fall->xZeile);
    }
    Querschnittswerte::Ausrichten(Biegeachse);
    const bool behalten = Stand.behalten(); // before the fields show the shared inputs
    Rechendialog::Profilbox_Anzeigen(Profil);
    Biegedialog::Eingaben_Auffrischen(Felder);
    if (!behalten) {
        Biegedialog::Ergebnisse_Nullen(this, Felder);
        Hinweise_Leeren();
    }
    schritte.berichten();
}

void TDLG_Biegung2::B_Berechnen_WClick()
{
    Hinweise_Leeren();
    const Lastfaelle::Lastfall* lastfall = U_bieg2::eigenerFall();
    if (!lastfall) { // a case of the other dialog: nothing to compute
        Biegedialog::W_Anzeigen(Felder);
        return;
    }
    const int fall = lastfall->nr;
    // Each input is stored as soon as it is read, so that a later failure leaves it stored.
    const bool mitX = lastfall->xZeile;
    const auto laengen = [&] {
        Biegedialog::Laengen l {{Rechendialog::Feldname(Felder.E_Laenge), L}, {Rechendialog::Feldname(E_Abstand), Abstand_a}};
        if (mitX && Lx != 0) // 0 means no x
            l.append({Rechendialog::Feldname(Felder.E_x), Lx});
        return l;
    };
    const bool gelungen = Biegedialog::W_Rechnen(this, Felder, laengen, [&] {
        F = Wert(Felder.E_Last);
        L = Wert(Felder.E_Laenge);
        if (mitX)
            Lx = Wert(Felder.E_x);
        Abstand_a = Wert(E_Abstand);
        Sigma_Zul = Wert(Felder.E_SigmaZul);
        if (fall == 4)
            Abstand_b = L - Abstand_a;
        const Biegerechnung::Aufgabe aufgabe = Biegedialog::Aufgabe(Felder, fall);
        const Biegerechnung::Wert w = Biegerechnung::Werf(aufgabe);
        Werf = w.wert;
        L_Hinweis_W->setText(U_bieg2::Hinweis_W(fall, w));
        if (Biegerechnung::hatStelle(fall))
            Wxerf = Biegerechnung::Wxerf(aufgabe, Lx);
    });
    if (gelungen) {
        Biegedialog::W_Anzeigen(Felder);
        Biegedialog::W_Nachweis_Zeigen(this, Felder);
    }
}

// The lengths of a case's deflection formula, which must be above 0 (their powers need it).
Biegedialog::Laengen TDLG_Biegung2::Durchbiegungslaengen(int fall) const
{
    Biegedialog::Laengen l {{Rechendialog::Feldname(Felder.E_Laenge), L}, {Rechendialog::Feldname(E_Abstand), Abstand_a}};
    if (Lastfaelle::biegefall(fall, &Lastfaelle::Lastfall::fUnterLast)) // the load at a lies in the span
        l.append({QStringLiteral("L − a"), L - Abstand_a});
    else if (fall == 9)
        l.append({QStringLiteral("L − 2·a"), L - 2 * Abstand_a});
    return l;
}

void TDLG_Biegung2::B_Berechnung_fClick()
{
    L_Hinweis_f->clear();
    const int fall = Akt_Belastungsfall;
    if (U_bieg2::eigenerFall()) {
        const bool gelungen = Biegedialog::f_Rechnen(
            this, Felder, [&] { return Durchbiegungslaengen(fall); },
            [&] {
                F = Wert(Felder.E_Last);
                L = Wert(Felder.E_Laenge);
                Abstand_a = Wert(E_Abstand);
                I = Wert(Felder.E_I);
                Biegedialog::E_Modul_Zeigen(Felder);
                const Biegerechnung::Aufgabe aufgabe = Biegedialog::Aufgabe(Felder, fall);
                const Biegerechnung::Wert f = Biegerechnung::fd(aufgabe);
                fd = f.wert;
                L_Hinweis_f->setText(U_bieg2::Hinweis_f(aufgabe, f));
            });
        if (!gelungen)
            return;
    }
    Biegedialog::Durchbiegung_Anzeigen(Felder);
}

void TDLG_Biegung2::E_LastChange()
{
    for (QLabel* l : {Felder.L_Werf, Felder.L_Wxerf, Felder.L_f, Felder.L_L_durch_f})
        l->setText(QStringLiteral("0"));
    Hinweise_Leeren();
    Biegedialog::Nachweise_Leeren(Felder);
    Biegedialog::Markierung_Loeschen(Felder);
}

void TDLG_Biegung2::E_E_ModulChange()
{
    Biegedialog::Durchbiegung_Leeren(Felder);
    L_Hinweis_f->clear();
}

// Self-weight on or off changes every result: they are cleared as for a changed input.
void TDLG_Biegung2::ChB_EigengewichtClick() { E_LastChange(); }

void TDLG_Biegung2::B_Passendes_ProfilClick()
{
    Biegedialog::Passendes_Profil(Profil, Felder, Akt_Belastungsfall, [this] {
        B_Berechnen_WClick();
        B_Berechnung_fClick();
    });
}

void TDLG_Biegung2::Profil_aussuchenClick() { Biegedialog::Profil_Aussuchen(Profil, Felder); }

void TDLG_Biegung2::B_FormelClick() { U_Formel::Formel_Zeigen(Akt_Belastungsfall); }

void TDLG_Biegung2::BitBtn1Click() { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Biegung); }

void TDLG_Biegung2::B_DruckenClick()
{
    if (const auto zusatz = Biegedialog::Berichtsseiten(Felder, this))
        U_druck::Biegung2_Drucken(Rechendialog::Drucksetup(Drucksetupdlg2, this, QStringLiteral("Drucksetupdlg2")), windowTitle(),
            L_Hinweis_W->text(), L_Hinweis_f->text(), &*zusatz);
}

void TDLG_Biegung2::B_VerlaeufeClick() { U_verlauf::Zeigen(U_verlauf::Art::Biegung, this); }

Projekt::Position TDLG_Biegung2::Position_Lesen()
{
    const auto* fall = U_bieg2::eigenerFall();
    if (!fall)
        Positionsknopf::Kein_Fall();
    return Biegedialog::Position_Lesen(Felder, fall->nr, fall->xZeile, E_Abstand);
}

void TDLG_Biegung2::Position_Zeigen(const Projekt::Position& p)
{
    FormActivate();
    Biegedialog::Position_Eintragen(Felder, p, E_Abstand);
    B_Berechnen_WClick();
    if (p.mitProfil)
        B_Berechnung_fClick();
}

void TDLG_Biegung2::Eingaben_Leeren()
{
    Biegedialog::Eingaben_Leeren(Felder, E_Abstand);
    E_LastChange(); // also where a field held 0 already
}

void TDLG_Biegung2::OKBtnClick()
{
    if (Positionsknopf::OK(this))
        hide();
}

void TDLG_Biegung2::HelpBtnClick() { hide(); }
