#include "gui/calc/U_scher.h"

#include "core/app/Lastfaelle.h"
#include "core/app/Programmzustand.h"
#include "core/app/Unit1.h"
#include "core/calc/Scherrechnung.h"
#include "core/platform/Zahlen.h"
#include "core/projekt/Positionszustand.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/calc/U_verlauf.h"
#include "gui/data/Tab_Werkstoffauswahl.h"
#include "gui/explain/U_Formel.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/projekt/Positionsknopf.h"
#include "gui/report/U_druck.h"
#include "gui/sections/U_profil.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace U_scher {

Plattform::Einmalfenster<TDLG_Scherung> DLG_Scherung;

namespace {

// Another dialog may have changed the shared case since this one was shown.
bool eigenerFall() { return Lastfaelle::vonDialog(Lastfaelle::Dialog::Scherung, Unit1::Akt_Belastungsfall) != nullptr; }

// Wood is measured against half its shear strength as the main window shows it; every other
// material keeps the allowable stress of the material choice or of the last calculation.
void Sigma_Zul_Vorgeben()
{
    const TTab_Werkstoffauswahl* tab = Tab_Werkstoffauswahl::TS_Werkstoffauswahl;
    if (tab && tab->Gezeigte_Art() == QStringLiteral("Holz"))
        Unit1::Sigma_Zul = Zahlen::lesen(tab->Gezeigtes_SigmaS()) / 2;
}

} // namespace
} // namespace U_scher

using namespace Unit1;
using Plattform::handler;
using Rechendialog::Wert;
using Zahlen::fixiert;

TDLG_Scherung::TDLG_Scherung(QWidget* eltern)
    : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Scherung"), QStringLiteral("Berechnung auf Abscherung"), 992, 619);
    Aufbauen();
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Scherung::Aufbauen()
{
    using namespace Bausteine;
    using namespace Rechendialog;
    Image1 = label(this, QStringLiteral("Image1"), QString(), 8, 8, 257, 129);
    Image1->setAlignment(Qt::AlignCenter);

    Profil = Profilbox_Bauen(this,
        {QStringLiteral("L_Sorte"), QStringLiteral("Daten des gewählten Profiles:"), QStringLiteral("Aktueller Profiltyp:"),
            QStringLiteral("Aktuelles Profil:"), QStringLiteral("W [cm3]"), QStringLiteral("I [cm4]"),
            QStringLiteral("Querschnitt [mm2]"), QStringLiteral("Label2")},
        280, 8, 704);
    B_Profil_suchen = knopf(this, QStringLiteral("B_Profil_suchen"), QStringLiteral("Profil aussuchen"), 280, 206, 220, 44);

    const QList<QPushButton*> knoepfe = Knopfspalte(this,
        {{QStringLiteral("B_Formel"), QStringLiteral("Formel ansehen")},
            {QStringLiteral("BitBtn1"), QStringLiteral("&Hilfe"), Symbol::Hilfe},
            {QStringLiteral("B_Drucken"), QStringLiteral("Drucken")},
            {QStringLiteral("B_Rechenweg"), QStringLiteral("Rechenweg")},
            {QStringLiteral("HelpBtn"), QStringLiteral("Abbrechen"), Symbol::Abbrechen},
            {QStringLiteral("OKBtn"), QStringLiteral("OK"), Symbol::OK},
            {QStringLiteral("B_Position"), Positionsknopf::Uebernehmen}},
        8, 150, 170, 54, 66);
    B_Formel = knoepfe[0];
    BitBtn1 = knoepfe[1];
    B_Drucken = knoepfe[2];
    B_Rechenweg = knoepfe[3];
    HelpBtn = knoepfe[4];
    OKBtn = knoepfe[5];
    B_Position = knoepfe[6];

    Panel1 = panel(this, QStringLiteral("Panel1"), 280, 270, 460, 230);
    ueberschrift(Panel1, QStringLiteral("Label10"), QStringLiteral("Berechnung des erf. Querschnitts"), 10, 8);
    E_Last = Eingabezeile(
        Panel1, QStringLiteral("L_Last"), QStringLiteral("Kraft [N]"), QStringLiteral("E_Last"), 44, 220, 228, &L_Last);
    E_SigmaZul = Eingabezeile(
        Panel1, QStringLiteral("L_Sigma_Zul"), QStringLiteral("Sigma zul. [N/mm2]"), QStringLiteral("E_SigmaZul"), 80, 220, 228);
    L_Aerf
        = Ausgabezeile(Panel1, QStringLiteral("label1"), QStringLiteral("A erf. [mm2]"), QStringLiteral("L_Aerf"), 116, 220, 228);
    B_Berechnung_Flaeche = knopf(Panel1, QStringLiteral("B_Berechnung_Flaeche"), QStringLiteral("Berechnung"), 10, 172, 438, 42);
    L_Nachweis_A = Nachweiszeile::Bauen(this, QStringLiteral("L_Nachweis_A"), 280, 510, 704, 50);
    L_Fehler = Fehlerzeile(this, 280, 566, 704, 46);

    connect(B_Berechnung_Flaeche, &QPushButton::clicked, this, handler(this, &TDLG_Scherung::B_Berechnung_FlaecheClick));
    for (QLineEdit* e : {E_Last, E_SigmaZul})
        connect(e, &QLineEdit::textChanged, this, handler(this, &TDLG_Scherung::E_LastChange));
    connect(B_Profil_suchen, &QPushButton::clicked, this, handler(this, &TDLG_Scherung::B_Profil_suchenClick));
    connect(B_Formel, &QPushButton::clicked, this, handler(this, &TDLG_Scherung::B_FormelClick));
    connect(BitBtn1, &QPushButton::clicked, this, handler(this, &TDLG_Scherung::BitBtn1Click));
    connect(B_Drucken, &QPushButton::clicked, this, handler(this, &TDLG_Scherung::B_DruckenClick));
    connect(B_Rechenweg, &QPushButton::clicked, this, handler(this, &TDLG_Scherung::B_RechenwegClick));
    connect(OKBtn, &QPushButton::clicked, this, handler(this, &TDLG_Scherung::OKBtnClick));
    connect(HelpBtn, &QPushButton::clicked, this, handler(this, &TDLG_Scherung::HelpBtnClick));
    Positionsknopf::Anmelden({this, B_Position, Lastfaelle::Dialog::Scherung, [this] { return Position_Lesen(); },
        [this](const Projekt::Position& p) { Position_Zeigen(p); }, [this] { Eingaben_Leeren(); }});
}

void TDLG_Scherung::FormActivate()
{
    // A missing sketch stays empty, a shear strength that is no number keeps the allowable
    // stress; the rest is set up either way.
    Plattform::Teilschritte schritte;
    Programmdir = Main::Programmdir;
    Datendir = Main::Datendir;
    if (const auto* fall = Lastfaelle::vonDialog(Lastfaelle::Dialog::Scherung, Akt_Belastungsfall))
        Rechendialog::Fall_Zeigen(this, Image1, Datendir, *fall, schritte, L_Last);
    Rechendialog::Profilbox_Anzeigen(Profil);
    // Results that stay keep the allowable stress they were computed with.
    const bool behalten = Stand.behalten();
    if (!behalten)
        schritte.ausfuehren(U_scher::Sigma_Zul_Vorgeben); // wood: a caption that is no number keeps Sigma_Zul
    Rechendialog::Feld_Auffrischen(E_SigmaZul, Sigma_Zul);
    if (!behalten) {
        Rechnung = {};
        Aerf = 0;
        L_Aerf->setText(fixiert(Aerf, 2));
        Nachweiszeile::Leeren(L_Nachweis_A);
        Rechendialog::Markierung_Loeschen(L_Fehler);
        U_verlauf::Leeren(U_verlauf::Art::Scherung, this);
    }
    schritte.berichten();
}

// The required area against the chosen profile's, once an area has been computed.
void TDLG_Scherung::Nachweis_Zeigen()
{
    Positionsrechnung::Scherung_Urteilen(A, Rechnung);
    Nachweiszeile::Zeigen(L_Nachweis_A, *Rechnung.nachweis);
    U_verlauf::Nachweise_Zeigen(U_verlauf::Art::Scherung, Positionsrechnung::Nachweiszeilen(Projekt::Art::Scherung, Rechnung));
}

void TDLG_Scherung::B_Berechnung_FlaecheClick()
{
    if (!U_scher::eigenerFall())
        return;
    U_verlauf::Aufnahme aufnahme(U_verlauf::Art::Scherung, this, QStringLiteral("Erforderliche Querschnittsfläche"));
    const auto ursachen = [&] { return Rechendialog::Ursachen {{{Rechendialog::Feldname(E_SigmaZul), Sigma_Zul}}, {}}; };
    const bool gelungen = Rechendialog::mitPiep(L_Fehler, {L_Aerf}, ursachen, [&] {
        F = Wert(E_Last);
        Sigma_Zul = Wert(E_SigmaZul);
        Positionsrechnung::Scherung_Aerf(Position_Bauen(F, Sigma_Zul), Rechnung);
        Aerf = Rechnung.werte.Aerf;
    });
    aufnahme.gelungen = gelungen;
    Stand.aufnehmen();
    if (gelungen) {
        L_Aerf->setText(fixiert(Aerf, 2, 18)); // large areas keep their decimals
        Nachweis_Zeigen();
    }
}

void TDLG_Scherung::E_LastChange()
{
    L_Aerf->setText(QStringLiteral("0"));
    Nachweiszeile::Leeren(L_Nachweis_A);
    Rechnung.nachweis.reset();
    Rechendialog::Markierung_Loeschen(L_Fehler);
}

void TDLG_Scherung::B_Profil_suchenClick()
{
    Plattform::modal(U_profil::DLG_Profil);
    Rechendialog::Profilbox_Anzeigen(Profil);
    if (Rechnung.nachweis) // the area shown stays: judged against the new profile
        Nachweis_Zeigen();
    Stand.profilAufnehmen();
}

void TDLG_Scherung::B_FormelClick() { U_Formel::Formel_Zeigen(20); }

void TDLG_Scherung::BitBtn1Click() { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Scherung); }

void TDLG_Scherung::B_DruckenClick()
{
    auto zusatz = U_verlauf::Berichtsseiten(U_verlauf::Art::Scherung, this);
    if (!zusatz)
        return;
    Positionsrechnung::Nachweise_Eintragen(Projekt::Art::Scherung, Rechnung, zusatz->protokoll);
    U_druck::Scherung_Drucken(Rechendialog::Drucksetup(Drucksetupdlg4, this, QStringLiteral("Drucksetupdlg4")), windowTitle(),
        Rechendialog::Seitenwerte(Rechnung.werte), &*zusatz);
}

void TDLG_Scherung::B_RechenwegClick() { U_verlauf::Zeigen(U_verlauf::Art::Scherung, this); }

Projekt::Position TDLG_Scherung::Position_Lesen()
{
    if (!U_scher::eigenerFall())
        Positionsknopf::Kein_Fall();
    const double last = Wert(E_Last);
    return Position_Bauen(last, Wert(E_SigmaZul));
}

Projekt::Position TDLG_Scherung::Position_Bauen(double last, double sigmaZul) const
{
    Projekt::Position p;
    p.art = Projekt::Art::Scherung;
    p.last = last;
    p.sigma_zul = sigmaZul;
    return Positionszustand::aufnehmen(p, nullptr);
}

void TDLG_Scherung::Position_Zeigen(const Projekt::Position& p)
{
    FormActivate();
    Rechendialog::Eingabe_Setzen(E_Last, p.last);
    Rechendialog::Eingabe_Setzen(E_SigmaZul, p.sigma_zul);
    B_Berechnung_FlaecheClick();
}

void TDLG_Scherung::Eingaben_Leeren()
{
    E_Last->setText(QStringLiteral("0"));
    E_LastChange();
}

void TDLG_Scherung::OKBtnClick()
{
    if (Positionsknopf::OK(this))
        hide();
}

void TDLG_Scherung::HelpBtnClick() { hide(); }
