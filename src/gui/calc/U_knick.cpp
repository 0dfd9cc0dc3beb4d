#include "gui/calc/U_knick.h"

#include "core/app/Lastfaelle.h"
#include "core/app/Programmzustand.h"
#include "core/app/Unit1.h"
#include "core/calc/Knickrechnung.h"
#include "core/platform/Fehler.h"
#include "core/platform/Fliesskomma.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Zahlen.h"
#include "core/projekt/Positionszustand.h"
#include "core/sections/Querschnittswerte.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/calc/U_passend.h"
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
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <exception>

namespace U_knick {

Plattform::Einmalfenster<TDLG_Knickung> DLG_Knickung;

namespace {

// The calculations of this dialog answer a failure with a message instead of the beep, naming
// the input or value that caused it.
void Berechnungsfehler(const QString& ursache)
{
    Plattform::fehler(QStringLiteral("Es ist ein Fehler in der Berechnung aufgetreten.\n%1").arg(ursache));
}

bool mitFehlermeldung(const std::function<void()>& rechnung)
{
    try {
        rechnung();
        return true;
    } catch (const Rechendialog::Eingabefehler& f) {
        Berechnungsfehler(f.text()); // names the field as the other calculation dialogs do
        return false;
    } catch (const std::exception&) {
        Plattform::fehler(QStringLiteral("Es ist ein Fehler in der Berechnung aufgetreten."));
        return false;
    }
}

// The material selected in the main window's list, or that of the opened position; its σP and
// Tetmajer line are read here.
const Unit1::Matrecord& gewaehltesMaterial()
{
    const TTab_Werkstoffauswahl* tab = Tab_Werkstoffauswahl::TS_Werkstoffauswahl;
    const int k = tab ? tab->Gewaehlter_Eintrag() : -1;
    if (const Unit1::Matrecord* m = Positionszustand::Werkstoffeintrag(k))
        return *m;
    throw Plattform::Fehler::listenindex(k);
}

} // namespace
} // namespace U_knick

using namespace Unit1;
using Plattform::handler;
using Rechendialog::Wert;
using Zahlen::fixiert;

TDLG_Knickung::TDLG_Knickung(QWidget* eltern)
    : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Knickung"), QStringLiteral("Knickung"), 992, 697);
    Aufbauen();
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Knickung::Aufbauen()
{
    using namespace Bausteine;
    using namespace Rechendialog;
    Image1 = label(this, QStringLiteral("Image1"), QString(), 8, 8, 128, 256);
    Image1->setAlignment(Qt::AlignCenter);

    Profil = Profilbox_Bauen(this,
        {QStringLiteral("L_Sorte"), QStringLiteral("Daten des gewählten Profiles:"), QStringLiteral("Profiltyp:"),
            QStringLiteral("Profil:"), QString(), QStringLiteral("I [cm4]"), QStringLiteral("A [mm2]"), QStringLiteral("Label18"),
            Grau, true},
        150, 8, 834);
    hintergrund(findChild<QLabel*>(QStringLiteral("Label11")), Gelb);
    // The fourth place of the box's two columns.
    QLabel* l1 = label(this, QStringLiteral("l1"), QStringLiteral("Grenz- schlankheitsgrad:"), 150 + 417, 168, 140, 40);
    l1->setWordWrap(true);
    l1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    L_Grenzschlankheit = label(this, QStringLiteral("L_Grenzschlankheit"), QStringLiteral("0"), 150 + 417 + 150, 166, 252, 24);
    hintergrund(L_Grenzschlankheit, Grau);
    // Beside the heading of the profile's data, where the box has room.
    L_Knickfall = label(this, QStringLiteral("L_Knickfall"), QString(), 150 + 417, 8 + 34, 417, 24);
    L_Knickfall->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const QList<QPushButton*> knoepfe = Knopfspalte(this,
        {{QStringLiteral("B_Formel"), QStringLiteral("Formel ansehen")},
            {QStringLiteral("B_Profil"), QStringLiteral("Profil aussuchen")},
            {QStringLiteral("BitBtn1"), QStringLiteral("&Hilfe"), Symbol::Hilfe},
            {QStringLiteral("B_Drucken"), QStringLiteral("Drucken")},
            {QStringLiteral("B_Knicklinie"), QStringLiteral("Knickspannungslinie")},
            {QStringLiteral("HelpBtn"), QStringLiteral("Abbrechen"), Symbol::Abbrechen},
            {QStringLiteral("OKBtn"), QStringLiteral("OK"), Symbol::OK},
            {QStringLiteral("B_Position"), Positionsknopf::Uebernehmen}},
        6, 272, 156, 38, 42);
    B_Formel = knoepfe[0];
    B_Profil = knoepfe[1];
    BitBtn1 = knoepfe[2];
    B_Drucken = knoepfe[3];
    B_Knicklinie = knoepfe[4];
    QFont klein = B_Knicklinie->font(); // the longest caption of the column
    klein.setPixelSize(13);
    B_Knicklinie->setFont(klein);
    HelpBtn = knoepfe[5];
    OKBtn = knoepfe[6];
    B_Position = knoepfe[7];

    // Required moment of inertia.
    Panel1 = panel(this, QStringLiteral("Panel1"), 168, 212, 392, 358);
    ueberschrift(Panel1, QStringLiteral("Label15"), QStringLiteral("Trägheitsmoment"), 10, 8);
    E_Last = Eingabezeile(Panel1, QStringLiteral("Label13"), QStringLiteral("Last [N]:"), QStringLiteral("E_Last"), 44, 244, 136);
    E_Laenge = Eingabezeile(
        Panel1, QStringLiteral("Label2"), QStringLiteral("Länge L [mm]:"), QStringLiteral("E_Laenge"), 80, 244, 136);
    E_Sicherheit = Eingabezeile(Panel1, QStringLiteral("Label12"), QStringLiteral("gewünschte Sicherheit:"),
        QStringLiteral("E_Sicherheit"), 116, 244, 136);
    L_Ierf = Ausgabezeile(Panel1, QStringLiteral("label1"), QStringLiteral("erf. Trägheitsmoment [cm4]:"),
        QStringLiteral("L_Ierf"), 152, 244, 136, Grau);
    L_Formel = label(Panel1, QStringLiteral("L_Formel"), QString(), 10, 192, 372, 72);
    L_Formel->setWordWrap(true);
    B_Berechnung_I = knopf(Panel1, QStringLiteral("B_Berechnung_I"), QStringLiteral("Berechnung"), 10, 304, 372, 42);
    B_Passendes_Profil
        = knopf(Panel1, QStringLiteral("B_Passendes_Profil"), QStringLiteral("Passendes Profil"), 10, 266, 372, 34);

    // Buckling safety of the chosen profile.
    Panel3 = panel(this, QStringLiteral("Panel3"), 566, 212, 418, 358);
    ueberschrift(Panel3, QStringLiteral("Label16"), QStringLiteral("Knicksicherheit"), 10, 8);
    const int feldX = 298, breite = 108;
    E_I = Eingabezeile(Panel3, QStringLiteral("Label7"), QStringLiteral("gewähltes Trägheitsmoment [cm4]:"),
        QStringLiteral("E_I"), 44, feldX, breite);
    E_E_Modul = Eingabezeile(Panel3, QStringLiteral("Label4"), QStringLiteral("Elastizitätsmodul [N/mm2]:"),
        QStringLiteral("E_E_Modul"), 80, feldX, breite);
    Nur_Anzeige(E_I);
    Nur_Anzeige(E_E_Modul);
    L_Sigma_K = Ausgabezeile(Panel3, QStringLiteral("Label14"), QStringLiteral("Knickspannung [N/mm2]:"),
        QStringLiteral("L_Sigma_K"), 116, feldX, breite, Grau);
    L_Sigma_vorh = Ausgabezeile(Panel3, QStringLiteral("Label10"), QStringLiteral("Tatsächliche Spannung [N/mm2]:"),
        QStringLiteral("L_Sigma_vorh"), 152, feldX, breite, Grau);
    L_SK = Ausgabezeile(Panel3, QStringLiteral("Label3"), QStringLiteral("Tatsächliche Knicksicherheit"), QStringLiteral("L_SK"),
        188, feldX, breite, Grau);
    L_Schlankheitsgrad = Ausgabezeile(Panel3, QStringLiteral("Label8"), QStringLiteral("Schlankheitsgrad"),
        QStringLiteral("L_Schlankheitsgrad"), 224, feldX, breite, Grau);
    B_Berechnung_Knicksicherheit
        = knopf(Panel3, QStringLiteral("B_Berechnung_Knicksicherheit"), QStringLiteral("Berechnung"), 10, 304, 398, 42);

    L_Warnung = label(this, QStringLiteral("L_Warnung"), QStringLiteral("."), 168, 580, 816, 30);
    L_Warnung->setIndent(4);
    // A new action judges the column shown again.
    Einwirkung = Nachweiszeile::Einwirkungswahl_Bauen(this, 168, 616, 816, [this] {
        if (!L_Eurocode->text().isEmpty())
            Eurocode_Rechnen();
    });
    L_Eurocode = Nachweiszeile::Bauen(this, QStringLiteral("L_Eurocode"), 168, 650, 816, 40);

    connect(B_Berechnung_I, &QPushButton::clicked, this, handler(this, &TDLG_Knickung::B_Berechnung_IClick));
    connect(B_Berechnung_Knicksicherheit, &QPushButton::clicked, this,
        handler(this, &TDLG_Knickung::B_Berechnung_KnicksicherheitClick));
    for (QLineEdit* e : {E_Last, E_Laenge, E_Sicherheit, E_I, E_E_Modul})
        connect(e, &QLineEdit::textChanged, this, handler(this, &TDLG_Knickung::E_LastChange));
    connect(B_Profil, &QPushButton::clicked, this, handler(this, &TDLG_Knickung::B_ProfilClick));
    connect(B_Passendes_Profil, &QPushButton::clicked, this, handler(this, &TDLG_Knickung::B_Passendes_ProfilClick));
    connect(B_Formel, &QPushButton::clicked, this, handler(this, &TDLG_Knickung::B_FormelClick));
    connect(BitBtn1, &QPushButton::clicked, this, handler(this, &TDLG_Knickung::BitBtn1Click));
    connect(B_Drucken, &QPushButton::clicked, this, handler(this, &TDLG_Knickung::B_DruckenClick));
    connect(B_Knicklinie, &QPushButton::clicked, this, handler(this, &TDLG_Knickung::B_KnicklinieClick));
    connect(OKBtn, &QPushButton::clicked, this, handler(this, &TDLG_Knickung::OKBtnClick));
    connect(HelpBtn, &QPushButton::clicked, this, handler(this, &TDLG_Knickung::HelpBtnClick));
    Positionsknopf::Anmelden({this, B_Position, Lastfaelle::Dialog::Knickung, [this] { return Position_Lesen(); },
        [this](const Projekt::Position& p) { Position_Zeigen(p); }, [this] { Eingaben_Leeren(); }});
}

void TDLG_Knickung::FormActivate()
{
    Plattform::Teilschritte schritte; // a missing sketch stays empty and the rest is set up
    Programmdir = Main::Programmdir;
    Datendir = Main::Datendir;
    if (const auto* fall = Lastfaelle::vonDialog(Lastfaelle::Dialog::Knickung, Akt_Belastungsfall))
        Rechendialog::Fall_Zeigen(this, Image1, Datendir, *fall, schritte);
    L_Knickfall->setText(Lastfaelle::knickfalltext(Akt_Belastungsfall));
    Querschnittswerte::Ausrichten(Knickachse);
    const bool behalten = Stand.behalten();
    Profil.L_I->setText(QStringLiteral("I [cm4]"));
    Profil.L_A->setText(QStringLiteral("A [mm2]"));
    Rechendialog::Profilbox_Anzeigen(Profil);
    L_Grenzschlankheit->setText(fixiert(GrenzSchlankheit, 2));
    E_E_Modul->setText(fixiert(E, 2));
    E_I->setText(fixiert(I, 2));
    if (Nachweiszeile::Einwirkungswahl_Auffrischen(Einwirkung)) // judged with another action
        Eurocode_Leeren();
    if (!behalten)
        Ergebnisse_Leeren();
    schritte.berichten();
}

// What the last calculation read has changed: the results go with their formula line, verdict
// and buckling curve.
void TDLG_Knickung::Ergebnisse_Leeren()
{
    L_Formel->clear();
    L_Warnung->setText(QStringLiteral(" "));
    Eurocode_Leeren();
    Rechnung = {};
    Ierf = 0;
    Sigma_K = 0;
    Sk = 0;
    Schlankheitsgrad = 0;
    L_Ierf->setText(fixiert(Ierf, 2));
    L_Sigma_K->setText(fixiert(Sigma_K, 4));
    L_Sigma_vorh->setText(fixiert(0, 4));
    L_SK->setText(fixiert(Sk, 4));
    L_Schlankheitsgrad->setText(fixiert(Schlankheitsgrad, 4));
    U_verlauf::Leeren(U_verlauf::Art::Knickung, this);
}

void TDLG_Knickung::B_Berechnung_IClick()
{
    const auto nachher = qScopeGuard([this] { Stand.aufnehmen(); });
    U_verlauf::Aufnahme aufnahme(U_verlauf::Art::Knickung, this, QStringLiteral("Erforderliches Trägheitsmoment"));
    const bool gelesen = U_knick::mitFehlermeldung([&] {
        L = Wert(E_Laenge);
        Warnung_Leeren();
        F = Wert(E_Last);
        Sk_gewuenscht = Wert(E_Sicherheit);
    });
    if (!gelesen)
        return;
    const Knickrechnung::Traegheit t = Positionsrechnung::Knickung_Ierf(Aufgabe(Sk_gewuenscht, nullptr), Rechnung);
    if (t.Lk > 0)
        Lk = t.Lk;
    if (!t.gelungen) {
        U_knick::Berechnungsfehler(t.fehler);
        return;
    }
    Ierf = Rechnung.werte.Ierf;
    aufnahme.gelungen = true;
    L_Ierf->setText(fixiert(Ierf, 2));
    L_Formel->setText(Rechnung.formel);
}

// The classic safety, then the check with partial factors of the same inputs.
void TDLG_Knickung::B_Berechnung_KnicksicherheitClick()
{
    if (Knicksicherheit_Rechnen())
        Eurocode_Rechnen();
}

// False where the inputs could not be read (the check with partial factors has none then).
bool TDLG_Knickung::Knicksicherheit_Rechnen()
{
    const Matrecord& material = U_knick::gewaehltesMaterial(); // no selection: range error
    const auto nachher = qScopeGuard([this] { Stand.aufnehmen(); });
    U_verlauf::Aufnahme aufnahme(U_verlauf::Art::Knickung, this, QStringLiteral("Knicksicherheit"));
    if (material.SigmaP == 0) { // refused before any field is read
        // Its steps say so too.
        Plattform::fehler(Knickrechnung::Sicherheit(Positionsrechnung::Knickaufgabe(Aufgabe(0, &material))).fehler);
        L_Formel->setText(QStringLiteral("Rechnung nicht möglich"));
        return false;
    }
    double sicherheit = 0;
    const bool gelesen = U_knick::mitFehlermeldung([&] {
        F = Wert(E_Last);
        L = Wert(E_Laenge);
        Warnung_Leeren();
        sicherheit = Wert(E_Sicherheit);
    });
    if (!gelesen)
        return false;
    const Knickrechnung::Ergebnis e = Positionsrechnung::Knickung_Sicherheit(Aufgabe(sicherheit, &material), Rechnung);
    if (e.Lk > 0)
        Lk = e.Lk;
    switch (e.fehlerart) {
    case Knickrechnung::Fehlerart::Keiner:
        break;
    case Knickrechnung::Fehlerart::KeineTetmajerformel:
        // Euler's values stay stored, the labels keep their text.
        Ergebnisse_Speichern();
        Plattform::fehler(e.fehler);
        L_Formel->setText(QStringLiteral("Es wurde keine Tetmajer-Formel gefunden"));
        return true;
    case Knickrechnung::Fehlerart::KeineProportionalitaetsgrenze:
    case Knickrechnung::Fehlerart::Rechenfehler:
        U_knick::Berechnungsfehler(e.fehler);
        return true;
    }
    Ergebnisse_Speichern();
    Sk_gewuenscht = Rechnung.werte.sk_gewuenscht; // the report prints the safety this check used
    L_Formel->setText(Rechnung.formel);
    Urteil_Zeigen();
    aufnahme.knickung = Rechnung.knicklinie;
    aufnahme.gelungen = true;
    Ergebnisse_Anzeigen(e);
    return true;
}

// σK, the safety and the slenderness of the record into the shared state.
void TDLG_Knickung::Ergebnisse_Speichern()
{
    Sigma_K = Rechnung.werte.sigma_k;
    Sk = Rechnung.werte.sk;
    Schlankheitsgrad = Rechnung.werte.schlankheit;
}

Projekt::Position TDLG_Knickung::Position_Bauen(double last, double laenge, double sicherheit, const Matrecord* werkstoff) const
{
    Projekt::Position p;
    p.art = Projekt::Art::Knickung;
    p.fall = Akt_Belastungsfall;
    p.last = last;
    p.laenge = laenge;
    p.sicherheit = sicherheit;
    return Positionszustand::aufnehmen(p, werkstoff);
}

Projekt::Position TDLG_Knickung::Aufgabe(double sicherheit, const Matrecord* werkstoff) const
{
    return Position_Bauen(F, L, sicherheit, werkstoff);
}

void TDLG_Knickung::Eurocode_Rechnen()
{
    U_verlauf::Aufnahme aufnahme(U_verlauf::Art::Knickung, this, Nachweiszeile::Eurocodeteil);
    Positionsrechnung::Knickung_Eurocode(Aufgabe(Sk_gewuenscht, Rechendialog::Gewaehlter_Werkstoff()), Rechnung);
    Nachweiszeile::Eurocode_Zeigen(L_Eurocode, *Rechnung.eurocode);
    aufnahme.gelungen = true; // a check that is not possible says so in its steps
}

void TDLG_Knickung::Ergebnisse_Anzeigen(const Knickrechnung::Ergebnis& e)
{
    L_Sigma_K->setText(fixiert(e.Sigma_K, 4));
    L_Sigma_vorh->setText(fixiert(e.Sigma_vorh, 4));
    L_SK->setText(fixiert(e.Sk, 4));
    L_Schlankheitsgrad->setText(fixiert(e.Schlankheitsgrad, 4));
}

// The verdict coloured by its meaning, like the verdict lines of the bending dialogs; equal
// safeties give no verdict and leave the line blank.
void TDLG_Knickung::Urteil_Zeigen()
{
    if (const auto& urteil = Rechnung.nachweis_knicken)
        Nachweiszeile::Zeigen(L_Warnung, *urteil);
}

void TDLG_Knickung::Eurocode_Leeren()
{
    Nachweiszeile::Leeren(L_Eurocode);
    Rechnung.eurocode.reset();
}

// No verdict, no colour: a blank line, not an empty red bar.
void TDLG_Knickung::Warnung_Leeren()
{
    Rechnung.nachweis_knicken.reset();
    L_Warnung->setText(QStringLiteral(" "));
    L_Warnung->setAutoFillBackground(false);
}

void TDLG_Knickung::E_LastChange()
{
    for (QLabel* l : {L_Ierf, L_Sigma_K, L_Sigma_vorh, L_SK, L_Schlankheitsgrad})
        l->setText(QStringLiteral("0"));
    L_Formel->setText(QStringLiteral(" "));
    Warnung_Leeren();
    Eurocode_Leeren();
}

void TDLG_Knickung::B_ProfilClick()
{
    // An unbraced column buckles about its weak axis: the selection starts at Imin unless the
    // strong axis was chosen here before.
    U_profil::Aussuchen(Knickachse);
    if (!Stand.unveraendert()) {
        Profil_Zeigen();
        return;
    }
    // Cancelled, or the profile of the last calculation again: the results stay.
    Rechendialog::Profilbox_Anzeigen(Profil);
    E_I->setText(fixiert(I, 2));
}

// After a profile change: the box and E_I from the shared state, the safety results cleared.
void TDLG_Knickung::Profil_Zeigen()
{
    Rechendialog::Profilbox_Anzeigen(Profil);
    E_I->setText(fixiert(I, 2));
    L_Formel->setText(QStringLiteral(" "));
    Warnung_Leeren();
    Eurocode_Leeren();
    for (QLabel* l : {L_Sigma_K, L_Sigma_vorh, L_SK, L_Schlankheitsgrad})
        l->setText(QStringLiteral("0"));
    Stand.profilAufnehmen(); // I erf. stays: it does not depend on the profile
}

// The finder for the desired safety with the inputs as typed; a profile taken there is checked
// at once, so that its safety and verdict are shown.
void TDLG_Knickung::B_Passendes_ProfilClick()
{
    const Matrecord& material = U_knick::gewaehltesMaterial(); // no selection: range error
    if (material.SigmaP == 0) {
        Plattform::fehler(QStringLiteral("Es ist keine Proportionalitätsgrenze in der Datenbank."));
        return;
    }
    Profilsuche::Knickaufgabe aufgabe;
    const bool gelesen = U_knick::mitFehlermeldung([&] {
        aufgabe.F = Wert(E_Last);
        aufgabe.L = Wert(E_Laenge);
        aufgabe.Sk_gewuenscht = Wert(E_Sicherheit);
    });
    if (!gelesen)
        return;
    aufgabe.fall = Akt_Belastungsfall;
    aufgabe.E = E;
    aufgabe.Sigma_P = Sigma_P;
    aufgabe.GrenzSchlankheit = GrenzSchlankheit;
    aufgabe.Tetmaier1 = material.Tetmaier1;
    aufgabe.Tetmaier2 = material.Tetmaier2;
    aufgabe.Gamma = Gamma;
    const Projekt::Position p = Position_Bauen(aufgabe.F, aufgabe.L, aufgabe.Sk_gewuenscht, &material);
    if (!U_passend::Knickung(aufgabe, Positionsrechnung::Eurocode_Knickaufgabe(p)))
        return;
    Profil_Zeigen();
    B_Berechnung_KnicksicherheitClick();
}

void TDLG_Knickung::B_FormelClick() { U_Formel::Formel_Zeigen(Akt_Belastungsfall + 30); }

void TDLG_Knickung::BitBtn1Click() { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Knickung); }

void TDLG_Knickung::B_DruckenClick()
{
    auto zusatz = U_verlauf::Berichtsseiten(U_verlauf::Art::Knickung, this);
    if (!zusatz)
        return;
    // The verdicts as the dialog shows them, for page 1 and the steps.
    Positionsrechnung::Nachweise_Eintragen(Projekt::Art::Knickung, Rechnung, zusatz->protokoll);
    U_druck::Knickung_Drucken(Rechendialog::Drucksetup(Drucksetupdlg3, this, QStringLiteral("Drucksetupdlg3")), windowTitle(),
        Rechendialog::Seitenwerte(Rechnung.werte), L_Formel->text(), &*zusatz);
}

void TDLG_Knickung::B_KnicklinieClick() { U_verlauf::Zeigen(U_verlauf::Art::Knickung, this); }

Projekt::Position TDLG_Knickung::Position_Lesen()
{
    if (!Lastfaelle::vonDialog(Lastfaelle::Dialog::Knickung, Akt_Belastungsfall))
        Positionsknopf::Kein_Fall();
    const double last = Wert(E_Last);
    const double laenge = Wert(E_Laenge);
    const double sicherheit = Wert(E_Sicherheit);
    return Position_Bauen(last, laenge, sicherheit, Rechendialog::Gewaehlter_Werkstoff());
}

void TDLG_Knickung::Position_Zeigen(const Projekt::Position& p)
{
    FormActivate();
    Rechendialog::Eingabe_Setzen(E_Last, p.last);
    Rechendialog::Eingabe_Setzen(E_Laenge, p.laenge);
    Rechendialog::Eingabe_Setzen(E_Sicherheit, p.sicherheit);
    B_Berechnung_IClick();
    if (p.mitProfil)
        B_Berechnung_KnicksicherheitClick();
}

void TDLG_Knickung::Eingaben_Leeren()
{
    for (QLineEdit* e : {E_Last, E_Laenge, E_Sicherheit})
        e->setText(QStringLiteral("0"));
    Ergebnisse_Leeren();
}

void TDLG_Knickung::OKBtnClick()
{
    if (Positionsknopf::OK(this))
        hide();
}

void TDLG_Knickung::HelpBtnClick() { hide(); }
