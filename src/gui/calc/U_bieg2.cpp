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
#include <QScopeGuard>

namespace U_bieg2 {

Plattform::Einmalfenster<TDLG_Biegung2> DLG_Biegung2;

} // namespace U_bieg2

using namespace Unit1;
using Plattform::handler;
using Rechendialog::Wert;

TDLG_Biegung2::TDLG_Biegung2(QWidget* eltern)
    : TBiegedialog(eltern, Lastfaelle::Dialog::Biegung2)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Biegung2"), QStringLiteral("Biegung - einseitig eingespannter Träger"), 992,
        Biegedialog::Hoehe);
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

    Verbinden({Felder.E_Last, Felder.E_SigmaZul, Felder.E_Laenge, E_Abstand, Felder.E_x});
    connect(Profil_aussuchen, &QPushButton::clicked, this, handler(this, &TDLG_Biegung2::Profil_aussuchenClick));
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
    if (const auto* fall = eigenerFall()) {
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
    const Lastfaelle::Lastfall* lastfall = eigenerFall();
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
        // W erf. and its note also where W erf. at x fails.
        const auto speichern = qScopeGuard([this] {
            Werf = Rechnung.werte.Werf;
            L_Hinweis_W->setText(Rechnung.hinweis_W);
        });
        Positionsrechnung::Biegung_W(Biegedialog::Aufgabe(Felder, fall), Rechnung);
        if (Biegerechnung::hatStelle(fall))
            Wxerf = Rechnung.werte.Wxerf;
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
    if (eigenerFall()) {
        const bool gelungen = Biegedialog::f_Rechnen(
            this, Felder, [&] { return Durchbiegungslaengen(fall); },
            [&] {
                F = Wert(Felder.E_Last);
                L = Wert(Felder.E_Laenge);
                Abstand_a = Wert(E_Abstand);
                I = Wert(Felder.E_I);
                Biegedialog::E_Modul_Zeigen(Felder);
                Positionsrechnung::Biegung_f(Biegedialog::Aufgabe(Felder, fall), Rechnung);
                fd = Rechnung.werte.fd;
                L_Hinweis_f->setText(Rechnung.hinweis_f);
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

void TDLG_Biegung2::Profil_aussuchenClick() { Biegedialog::Profil_Aussuchen(Profil, Felder); }

void TDLG_Biegung2::B_DruckenClick()
{
    if (const auto zusatz = Biegedialog::Berichtsseiten(Felder, this))
        U_druck::Biegung2_Drucken(Rechendialog::Drucksetup(Drucksetupdlg2, this, QStringLiteral("Drucksetupdlg2")), windowTitle(),
            Biegedialog::Seitenwerte(Felder), L_Hinweis_W->text(), L_Hinweis_f->text(), &*zusatz);
}

Projekt::Position TDLG_Biegung2::Position_Lesen()
{
    const auto* fall = eigenerFall();
    if (!fall)
        Positionsknopf::Kein_Fall();
    return Biegedialog::Position_Lesen(Felder, fall->nr, fall->xZeile, E_Abstand);
}
