#include "gui/calc/U_bieg1.h"

#include "core/app/Lastfaelle.h"
#include "core/app/Programmzustand.h"
#include "core/app/Unit1.h"
#include "core/calc/Biegeformeln.h"
#include "core/calc/Biegerechnung.h"
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

namespace U_bieg1 {

Plattform::Einmalfenster<TDLG_Biegung1> DLG_Biegung1;

} // namespace U_bieg1

using namespace Unit1;
using Plattform::handler;
using Rechendialog::Wert;

TDLG_Biegung1::TDLG_Biegung1(QWidget* eltern)
    : TBiegedialog(eltern, Lastfaelle::Dialog::Biegung1)
{
    Bausteine::dialograhmen(
        this, QStringLiteral("DLG_Biegung1"), QStringLiteral("Biegung - Eingabe von  F und L"), 992, Biegedialog::Hoehe);
    Aufbauen();
    OKBtn->setFocus();
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Biegung1::Aufbauen()
{
    using namespace Bausteine;
    using namespace Rechendialog;
    Image1 = label(this, QStringLiteral("Image1"), QString(), 8, 8, 343, 163);
    Image1->setAlignment(Qt::AlignCenter);

    Profil = Profilbox_Bauen(this,
        {QStringLiteral("L_Material"), QStringLiteral("Daten des ausgewählten Profiles"), QStringLiteral("Aktueller Profiltyp:"),
            QStringLiteral("Aktuelles Profil:"), QStringLiteral("W [cm3]"), QStringLiteral("I [cm4]"), QStringLiteral("A [mm2]"),
            QStringLiteral("Label12"), Bausteine::Rot, true},
        364, 8, 620);

    const QList<QPushButton*> knoepfe = Knopfspalte(this,
        {{QStringLiteral("B_Formel"), QStringLiteral("Formel ansehen")},
            {QStringLiteral("B_Profil_suchen"), QStringLiteral("Profil aussuchen")},
            {QStringLiteral("B_Drucken"), QStringLiteral("Drucken")}, {QStringLiteral("B_Verlaeufe"), QStringLiteral("Verläufe")},
            {QStringLiteral("BitBtn1"), QStringLiteral("&Hilfe"), Symbol::Hilfe},
            {QStringLiteral("HelpBtn"), QStringLiteral("Abbrechen"), Symbol::Abbrechen},
            {QStringLiteral("OKBtn"), QStringLiteral("OK"), Symbol::OK},
            {QStringLiteral("B_Passendes_Profil"), QStringLiteral("Passendes Profil")},
            {QStringLiteral("B_Position"), Positionsknopf::Uebernehmen}},
        8, 190, 170, 52, 58);
    B_Formel = knoepfe[0];
    B_Profil_suchen = knoepfe[1];
    B_Drucken = knoepfe[2];
    B_Verlaeufe = knoepfe[3];
    BitBtn1 = knoepfe[4];
    HelpBtn = knoepfe[5];
    OKBtn = knoepfe[6];
    Felder.B_Passendes_Profil = knoepfe[7];
    B_Position = knoepfe[8];

    // Section modulus.
    Panel1 = panel(this, QStringLiteral("Panel1"), 190, 200, 394, 376);
    ueberschrift(Panel1, QStringLiteral("Label10"), QStringLiteral("Berechnung des erf. Widerstandsmoments"), 10, 8);
    const int feldX = 220, feldbreite = 162;
    Felder.E_Last = Eingabezeile(Panel1, QStringLiteral("L_Last"), QStringLiteral("Kraft [N]"), QStringLiteral("E_Last"), 44,
        feldX, feldbreite, &Felder.L_Last);
    Felder.E_Laenge = Eingabezeile(
        Panel1, QStringLiteral("Label2"), QStringLiteral("Länge L [mm]"), QStringLiteral("E_Laenge"), 80, feldX, feldbreite);
    Felder.E_SigmaZul = Eingabezeile(Panel1, QStringLiteral("L_Sigma_Zul"), QStringLiteral("Sigma zul. [N/mm2]"),
        QStringLiteral("E_SigmaZul"), 116, feldX, feldbreite, &L_Sigma_Zul);
    Felder.L_Werf = Ausgabezeile(
        Panel1, QStringLiteral("label1"), QStringLiteral("W erf. [cm³]"), QStringLiteral("L_Werf"), 152, feldX, feldbreite);
    QFrame* trenner = panel(Panel1, QStringLiteral("Panel3"), 6, 198, 382, 4);
    trenner->setLineWidth(1);
    Felder.E_x = Eingabezeile(
        Panel1, QStringLiteral("Label13"), QStringLiteral("x [mm]"), QStringLiteral("E_x"), 214, feldX, feldbreite);
    Felder.L_Wxerf = Ausgabezeile(Panel1, QStringLiteral("Label14"), QStringLiteral("W erf. bei x [cm³]"),
        QStringLiteral("L_Wxerf"), 250, feldX, feldbreite);
    Felder.B_Berechnen_W = knopf(Panel1, QStringLiteral("B_Berechnen_W"), QStringLiteral("Berechnen"), 10, 322, 374, 42);

    // Deflection.
    Panel2 = Biegedialog::Durchbiegungspanel_Bauen(this, Felder, QStringLiteral("E Modul"), 590, 200, 394, 376);
    Felder.L_Fehler = Fehlerzeile(this, 190, 582, 794, 32);
    Panel4 = Biegedialog::Nachweispanel_Bauen(this, Felder, 190, 620, 794);

    Verbinden({Felder.E_Last, Felder.E_Laenge, Felder.E_SigmaZul, Felder.E_x});
    connect(B_Profil_suchen, &QPushButton::clicked, this, handler(this, &TDLG_Biegung1::B_Profil_suchenClick));
}

void TDLG_Biegung1::FormActivate()
{
    Plattform::Teilschritte schritte; // a missing sketch stays empty and the rest is set up
    Programmdir = Main::Programmdir;
    Datendir = Main::Datendir;
    if (const auto* fall = eigenerFall())
        Rechendialog::Fall_Zeigen(this, Image1, Datendir, *fall, schritte, Felder.L_Last);
    L_Sigma_Zul->setText(QStringLiteral("Sigma zul. [N/mm2]"));
    Profil.L_W->setText(QStringLiteral("W [cm3]"));
    Profil.L_I->setText(QStringLiteral("I [cm4]"));
    Profil.L_A->setText(QStringLiteral("A [mm2]"));
    Querschnittswerte::Ausrichten(Biegeachse);
    const bool behalten = Stand.behalten(); // before the fields show the shared inputs
    Rechendialog::Profilbox_Anzeigen(Profil);
    Biegedialog::Eingaben_Auffrischen(Felder);
    if (!behalten)
        Biegedialog::Ergebnisse_Nullen(this, Felder);
    schritte.berichten();
}

void TDLG_Biegung1::B_Berechnen_WClick()
{
    const int fall = Akt_Belastungsfall;
    if (!eigenerFall()) { // a case of the other dialog: nothing to compute
        Biegedialog::W_Anzeigen(Felder);
        return;
    }
    // Each input is stored as soon as it is read, so that a later failure leaves it stored.
    const auto laengen = [&] {
        Biegedialog::Laengen l {{Rechendialog::Feldname(Felder.E_Laenge), L}};
        if (Lx != 0) // 0 means no x
            l.append({Rechendialog::Feldname(Felder.E_x), Lx});
        return l;
    };
    const bool gelungen = Biegedialog::W_Rechnen(this, Felder, laengen, [&] {
        F = Wert(Felder.E_Last);
        L = Wert(Felder.E_Laenge);
        if (fall == 7) {
            Sigma_Zul = Wert(Felder.E_SigmaZul);
            Lx = Wert(Felder.E_x);
        } else {
            Lx = Wert(Felder.E_x);
            Sigma_Zul = Wert(Felder.E_SigmaZul);
        }
        const auto speichern = qScopeGuard([this] { Werf = Rechnung.werte.Werf; }); // also where W erf. at x fails
        Positionsrechnung::Biegung_W(Biegedialog::Aufgabe(Felder, fall), Rechnung);
        Wxerf = Rechnung.werte.Wxerf;
    });
    if (gelungen) {
        Biegedialog::W_Anzeigen(Felder);
        Biegedialog::W_Nachweis_Zeigen(this, Felder);
    }
}

void TDLG_Biegung1::B_Berechnung_fClick()
{
    const int fall = Akt_Belastungsfall;
    if (eigenerFall()) {
        const auto laengen = [&] { return Biegedialog::Laengen {{Rechendialog::Feldname(Felder.E_Laenge), L}}; };
        const bool gelungen = Biegedialog::f_Rechnen(this, Felder, laengen, [&] {
            F = Wert(Felder.E_Last);
            L = Wert(Felder.E_Laenge);
            I = Wert(Felder.E_I);
            Biegedialog::E_Modul_Zeigen(Felder);
            Positionsrechnung::Biegung_f(Biegedialog::Aufgabe(Felder, fall), Rechnung);
            fd = Rechnung.werte.fd;
        });
        if (!gelungen)
            return;
    }
    Biegedialog::Durchbiegung_Anzeigen(Felder);
}

void TDLG_Biegung1::E_LastChange()
{
    for (QLabel* l : {Felder.L_Werf, Felder.L_Wxerf, Felder.L_f, Felder.L_L_durch_f})
        l->setText(QStringLiteral("0"));
    Biegedialog::Nachweise_Leeren(Felder);
    Biegedialog::Markierung_Loeschen(Felder);
}

void TDLG_Biegung1::E_E_ModulChange() { Biegedialog::Durchbiegung_Leeren(Felder); }

void TDLG_Biegung1::B_Profil_suchenClick() { Biegedialog::Profil_Aussuchen(Profil, Felder); }

void TDLG_Biegung1::B_DruckenClick()
{
    if (const auto zusatz = Biegedialog::Berichtsseiten(Felder, this))
        U_druck::Biegung1_Drucken(Rechendialog::Drucksetup(Drucksetupdlg, this, QStringLiteral("Drucksetupdlg")), windowTitle(),
            Biegedialog::Seitenwerte(Felder), &*zusatz);
}

Projekt::Position TDLG_Biegung1::Position_Lesen()
{
    const auto* fall = eigenerFall();
    if (!fall)
        Positionsknopf::Kein_Fall();
    return Biegedialog::Position_Lesen(Felder, fall->nr, true);
}
