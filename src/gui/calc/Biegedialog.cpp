#include "gui/calc/Biegedialog.h"

#include "core/app/Unit1.h"
#include "core/calc/Biegerechnung.h"
#include "core/calc/Rechenweg.h"
#include "core/platform/Fliesskomma.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Zahlen.h"
#include "core/projekt/Positionszustand.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/calc/U_passend.h"
#include "gui/calc/U_verlauf.h"
#include "gui/explain/U_Formel.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/projekt/Positionsknopf.h"
#include "gui/sections/U_profil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace Biegedialog {

using Zahlen::fixiert;

QFrame* Durchbiegungspanel_Bauen(QWidget* dialog, Felder& f, const QString& eModulText, int x, int y, int breite, int hoehe)
{
    using namespace Rechendialog;
    QFrame* p = Bausteine::panel(dialog, QStringLiteral("Panel2"), x, y, breite, hoehe);
    Bausteine::ueberschrift(p, QStringLiteral("Label8"), QStringLiteral("Berechnung der Durchbiegung"), 10, 8);
    const int feldX = 220, feldbreite = breite - feldX - 12;
    f.E_E_Modul = Eingabezeile(p, QStringLiteral("E_Modul"), eModulText, QStringLiteral("E_E_Modul"), 44, feldX, feldbreite);
    Nur_Anzeige(f.E_E_Modul); // the modulus is always the chosen material's
    f.E_I = Eingabezeile(
        p, QStringLiteral("Label4"), QStringLiteral("Trägheitsmoment [cm4]"), QStringLiteral("E_I"), 80, feldX, feldbreite);
    f.L_f = Ausgabezeile(
        p, QStringLiteral("Label3"), QStringLiteral("Durchbiegung [mm]"), QStringLiteral("L_f"), 116, feldX, feldbreite);
    f.L_L_durch_f = Ausgabezeile(
        p, QStringLiteral("Label7"), QStringLiteral("L/f ="), QStringLiteral("L_L_durch_f"), 152, feldX, feldbreite);
    f.B_Berechnung_f
        = Bausteine::knopf(p, QStringLiteral("B_Berechnung_f"), QStringLiteral("Berechnen"), 10, hoehe - 54, breite - 20, 42);
    Bausteine::label(p, QStringLiteral("L_Grenze"), QStringLiteral("Grenze L/f ≥"), 10, hoehe - 94);
    f.CB_Grenze = Nachweiszeile::Grenzenwahl(p, QStringLiteral("CB_Grenze"), feldX, hoehe - 97, feldbreite, 28);
    // A new limit judges the deflection shown again. The fields live in the dialog: the verdict
    // line is built after this panel, so it is looked up when the limit changes.
    QObject::connect(f.CB_Grenze, &QComboBox::currentIndexChanged, p, [felder = &f] {
        Positionsrechnung::Bericht& r = *felder->rechnung;
        if (r.nachweis_f) {
            r.nachweis_f = Nachweis::Durchbiegung(r.werte.L, r.werte.fd, Nachweis::Durchbiegungsgrenze);
            Nachweiszeile::Zeigen(felder->L_Nachweis_f, *r.nachweis_f);
        }
    });
    return p;
}

QFrame* Nachweispanel_Bauen(QWidget* dialog, Felder& f, int x, int y, int breite)
{
    QFrame* p = Bausteine::panel(dialog, QStringLiteral("Panel4"), x, y, breite, Nachweishoehe);
    f.ChB_Eigengewicht = new QCheckBox(QStringLiteral("Eigengewicht berücksichtigen"), p);
    f.ChB_Eigengewicht->setObjectName(QStringLiteral("ChB_Eigengewicht"));
    f.ChB_Eigengewicht->setGeometry(10, 6, 320, 26);
    f.L_Eigengewicht = Bausteine::wertlabel(p, QStringLiteral("L_Eigengewicht"), QString(), 340, 6, 220, 26);
    // A new action judges the section modulus shown again.
    f.einwirkung = Nachweiszeile::Einwirkungswahl_Bauen(p, 10, 38, breite - 20, [dialog, felder = &f] {
        if (felder->rechnung->nachweis)
            W_Nachweis_Zeigen(dialog, *felder);
    });
    f.L_Nachweis_W = Nachweiszeile::Bauen(p, QStringLiteral("L_Nachweis_W"), 10, 72, breite - 20, 26);
    f.L_Nachweis_f = Nachweiszeile::Bauen(p, QStringLiteral("L_Nachweis_f"), 10, 102, breite - 20, 26);
    f.L_Eurocode = Nachweiszeile::Bauen(p, QStringLiteral("L_Eurocode"), 10, 132, breite - 20, 40);
    return p;
}

void Eigengewicht_Auffrischen(const Felder& f)
{
    const bool moeglich = Unit1::Masse > 0;
    if (!moeglich)
        f.ChB_Eigengewicht->setChecked(false);
    f.ChB_Eigengewicht->setEnabled(moeglich);
    f.ChB_Eigengewicht->setToolTip(moeglich
            ? QStringLiteral("Rechnet das Eigengewicht des gewählten Profils als Streckenlast über den ganzen Träger mit. "
                             "Gilt für diesen Dialog anstelle des Hinweises im Hauptfenster, dass es nicht berücksichtigt wird.")
            : QStringLiteral("Kein Profil mit Masse gewählt: ohne Masse gibt es kein Eigengewicht."));
    f.L_Eigengewicht->setText(QStringLiteral("g = %1 N/m").arg(fixiert(Biegerechnung::Eigengewicht(Unit1::Masse), 2)));
}

bool mitEigengewicht(const Felder& f) { return f.ChB_Eigengewicht->isEnabled() && f.ChB_Eigengewicht->isChecked(); }

Projekt::Position Position_Bauen(const Felder& f, int fall, const Eingaben& e)
{
    Projekt::Position p;
    p.art = Projekt::Art::Biegung;
    p.fall = fall;
    p.last = e.F;
    p.laenge = e.L;
    p.abstand = e.a;
    p.x = e.x;
    p.sigma_zul = e.sigma_zul;
    p.eigengewicht = mitEigengewicht(f);
    return Positionszustand::aufnehmen(p, nullptr);
}

Projekt::Position Aufgabe(const Felder& f, int fall)
{
    using namespace Unit1;
    Projekt::Position p = Position_Bauen(f, fall, {F, L, Abstand_a, Lx, Sigma_Zul});
    p.profil.I = I;
    return p;
}

namespace {

// Runs a calculation of a bending dialog while its formulas record their steps, and hands steps
// and inputs to the "Verläufe" window. With the self-weight switched on, the diagrams show the
// lines of load and weight together.
bool aufgezeichnet(QWidget* dialog, const Felder& f, const QString& teil, const std::function<bool()>& rechnen)
{
    U_verlauf::Aufnahme aufnahme(U_verlauf::Art::Biegung, dialog, teil);
    if (mitEigengewicht(f))
        aufnahme.eigengewicht = Biegerechnung::Eigengewicht(Unit1::Masse);
    aufnahme.gelungen = rechnen();
    f.stand->aufnehmen();
    return aufnahme.gelungen;
}

} // namespace

bool W_Rechnen(QWidget* dialog, const Felder& f, const std::function<Laengen()>& laengen, const std::function<void()>& rechnung)
{
    return aufgezeichnet(dialog, f, Teil_W, [&] {
        return Rechendialog::mitPiep(
            f.L_Fehler, {f.L_Werf, f.L_Wxerf},
            [&] {
                return Rechendialog::Ursachen {{{Rechendialog::Feldname(f.E_SigmaZul), Unit1::Sigma_Zul}}, laengen()};
            },
            rechnung);
    });
}

bool f_Rechnen(QWidget* dialog, const Felder& f, const std::function<Laengen()>& laengen, const std::function<void()>& rechnung)
{
    return aufgezeichnet(dialog, f, Teil_f, [&] {
        return Rechendialog::mitPiep(
            f.L_Fehler, {f.L_f, f.L_L_durch_f},
            [&] {
                return Rechendialog::Ursachen {
                    {{Rechendialog::Feldname(f.E_E_Modul), Unit1::E}, {Rechendialog::Feldname(f.E_I), Unit1::I}}, laengen()};
            },
            rechnung);
    });
}

void Markierung_Loeschen(const Felder& f) { Rechendialog::Markierung_Loeschen(f.L_Fehler); }

void Eingaben_Auffrischen(const Felder& f)
{
    Rechendialog::Feld_Auffrischen(f.E_SigmaZul, Unit1::Sigma_Zul);
    Rechendialog::Feld_Auffrischen(f.E_E_Modul, Unit1::E);
    Rechendialog::Feld_Auffrischen(f.E_I, Unit1::I);
    Eigengewicht_Auffrischen(f);
    Nachweiszeile::Grenzenwahl_Auffrischen(f.CB_Grenze);
    if (Nachweiszeile::Einwirkungswahl_Auffrischen(f.einwirkung)) { // judged with another action
        Nachweiszeile::Leeren(f.L_Eurocode);
        f.rechnung->eurocode.reset();
    }
}

void Ergebnisse_Nullen(QWidget* dialog, const Felder& f)
{
    *f.rechnung = {};
    Unit1::Werf = 0;
    Unit1::Wxerf = 0;
    Unit1::fd = 0;
    Markierung_Loeschen(f);
    W_Anzeigen(f);
    f.L_f->setText(fixiert(Unit1::fd, 4));
    f.L_L_durch_f->setText(fixiert(0, 2));
    Nachweise_Leeren(f);
    U_verlauf::Leeren(U_verlauf::Art::Biegung, dialog);
}

namespace {

// The check with partial factors of the inputs last computed, with its steps under their own
// heading.
void Eurocode_Rechnen(QWidget* dialog, const Felder& f)
{
    U_verlauf::Aufnahme aufnahme(U_verlauf::Art::Biegung, dialog, Nachweiszeile::Eurocodeteil);
    Positionsrechnung::Biegung_Eurocode(Aufgabe(f, Unit1::Akt_Belastungsfall), *f.rechnung);
    aufnahme.eigengewicht = f.rechnung->eigengewicht;
    Nachweiszeile::Eurocode_Zeigen(f.L_Eurocode, *f.rechnung->eurocode);
    aufnahme.gelungen = true; // a check that is not possible says so in its steps
}

void Nachweise_Protokollieren(const Felder& f)
{
    U_verlauf::Nachweise_Zeigen(U_verlauf::Art::Biegung, Positionsrechnung::Nachweiszeilen(Projekt::Art::Biegung, *f.rechnung));
}

} // namespace

void W_Nachweis_Zeigen(QWidget* dialog, const Felder& f)
{
    Nachweiszeile::Zeigen(f.L_Nachweis_W, *f.rechnung->nachweis);
    Eurocode_Rechnen(dialog, f);
    Nachweise_Protokollieren(f);
    f.B_Passendes_Profil->setEnabled(true);
}

void Nachweise_Leeren(const Felder& f)
{
    Nachweiszeile::Leeren(f.L_Nachweis_W);
    Nachweiszeile::Leeren(f.L_Eurocode);
    f.rechnung->nachweis.reset();
    f.rechnung->eurocode.reset();
    f_Nachweis_Leeren(f);
    f.B_Passendes_Profil->setEnabled(false);
}

void f_Nachweis_Leeren(const Felder& f)
{
    Nachweiszeile::Leeren(f.L_Nachweis_f);
    f.rechnung->nachweis_f.reset();
}

void Durchbiegung_Leeren(const Felder& f)
{
    Markierung_Loeschen(f);
    f.L_f->setText(QStringLiteral("0"));
    f.L_L_durch_f->setText(QStringLiteral("0"));
    f_Nachweis_Leeren(f);
}

void W_Anzeigen(const Felder& f)
{
    f.L_Werf->setText(fixiert(Unit1::Werf, 2));
    f.L_Wxerf->setText(fixiert(Unit1::Wxerf, 2));
}

void E_Modul_Zeigen(const Felder& f) { f.E_E_Modul->setText(fixiert(Unit1::E, 2)); }

void Durchbiegung_Anzeigen(const Felder& f)
{
    // A negative load gives a negative Werf; the profile must carry its magnitude.
    if (std::fabs(Unit1::Werf) > Unit1::W) {
        Plattform::information(QStringLiteral("Der Widerstandswert des Profiles ist zu klein"));
        return;
    }
    f.L_f->setText(Biegerechnung::Durchbiegung_Text(Unit1::fd, 4));
    f.L_L_durch_f->setText(fixiert(Biegerechnung::L_durch_f(Unit1::L, Unit1::fd), 2));
    if (const auto& urteil = f.rechnung->nachweis_f)
        Nachweiszeile::Zeigen(f.L_Nachweis_f, *urteil);
    Nachweise_Protokollieren(f);
}

void Profil_Aussuchen(const Rechendialog::Profilbox& box, const Felder& f)
{
    U_profil::Aussuchen(Unit1::Biegeachse);
    Rechendialog::Profilbox_Anzeigen(box);
    f.E_I->setText(fixiert(Unit1::I, 2));
    if (f.stand->unveraendert()) // cancelled, or the profile of the last calculation again
        return;
    f.L_f->setText(QStringLiteral("0"));
    f.L_L_durch_f->setText(QStringLiteral("0"));
    Eigengewicht_Auffrischen(f);
    if (mitEigengewicht(f)) // computed with the weight of the previous profile
        for (QLabel* l : {f.L_Werf, f.L_Wxerf})
            l->setText(QStringLiteral("0"));
    Nachweise_Leeren(f);
    f.stand->profilAufnehmen(); // what stays is right for the new profile
}

std::optional<Zusatzseiten::Inhalt> Berichtsseiten(const Felder& f, QWidget* dialog)
{
    auto z = U_verlauf::Berichtsseiten(U_verlauf::Art::Biegung, dialog);
    if (!z)
        return z;
    // The verdicts shown and what the last calculation included, not what the box shows now.
    Positionsrechnung::Nachweise_Eintragen(Projekt::Art::Biegung, *f.rechnung, z->protokoll);
    return z;
}

Berichtsinhalt::Werte Seitenwerte(const Felder& f) { return Rechendialog::Seitenwerte(f.rechnung->werte); }

Projekt::Position Position_Lesen(const Felder& f, int fall, bool mitX, QLineEdit* E_Abstand)
{
    using Rechendialog::Wert;
    Eingaben e;
    e.F = Wert(f.E_Last);
    e.L = Wert(f.E_Laenge);
    e.sigma_zul = Wert(f.E_SigmaZul);
    e.x = mitX ? Wert(f.E_x) : 0.0;
    e.a = E_Abstand ? Wert(E_Abstand) : 0.0;
    Projekt::Position p = Position_Bauen(f, fall, e);
    if (p.mitProfil) // the deflection reads I from its field, which the user may have changed
        p.profil.I = Wert(f.E_I);
    return p;
}

void Eingaben_Leeren(const Felder& f, QLineEdit* E_Abstand)
{
    for (QLineEdit* e : {f.E_Last, f.E_Laenge, f.E_x, E_Abstand})
        if (e)
            e->setText(QStringLiteral("0"));
    f.ChB_Eigengewicht->setChecked(false);
}

void Position_Eintragen(const Felder& f, const Projekt::Position& p, QLineEdit* E_Abstand)
{
    using Rechendialog::Eingabe_Setzen;
    Eingabe_Setzen(f.E_Last, p.last);
    Eingabe_Setzen(f.E_Laenge, p.laenge);
    Eingabe_Setzen(f.E_SigmaZul, p.sigma_zul);
    Eingabe_Setzen(f.E_x, p.x);
    if (E_Abstand)
        Eingabe_Setzen(E_Abstand, p.abstand);
    Eingabe_Setzen(f.E_I, Unit1::I); // to the last digit, not as the set-up rounds it
    f.ChB_Eigengewicht->setChecked(p.eigengewicht && f.ChB_Eigengewicht->isEnabled());
}

void Passendes_Profil(const Rechendialog::Profilbox& box, const Felder& f, int fall, const std::function<void()>& neuRechnen)
{
    const Projekt::Position p = Aufgabe(f, fall);
    Profilsuche::Biegeaufgabe aufgabe;
    aufgabe.rechnung = Positionsrechnung::Biegeaufgabe(p);
    aufgabe.grenze = Nachweis::Durchbiegungsgrenze;
    aufgabe.Gamma = Unit1::Gamma;
    if (!U_passend::Biegung(aufgabe, Positionsrechnung::Eurocode_Biegeaufgabe(p)))
        return;
    Rechendialog::Profilbox_Anzeigen(box);
    f.E_I->setText(fixiert(Unit1::I, 2));
    Eigengewicht_Auffrischen(f);
    Nachweiszeile::Grenzenwahl_Auffrischen(f.CB_Grenze);
    neuRechnen();
}

} // namespace Biegedialog

TBiegedialog::TBiegedialog(QWidget* eltern, Lastfaelle::Dialog dialog)
    : QDialog(eltern)
    , m_dialog(dialog)
{
    Felder.stand = &Stand;
    Felder.rechnung = &Rechnung;
}

const Lastfaelle::Lastfall* TBiegedialog::eigenerFall() const
{
    return Lastfaelle::vonDialog(m_dialog, Unit1::Akt_Belastungsfall);
}

void TBiegedialog::Verbinden(const QList<QLineEdit*>& eingaben)
{
    using Plattform::handler;
    connect(Felder.B_Berechnen_W, &QPushButton::clicked, this, handler(this, &TBiegedialog::B_Berechnen_WClick));
    connect(Felder.B_Berechnung_f, &QPushButton::clicked, this, handler(this, &TBiegedialog::B_Berechnung_fClick));
    for (QLineEdit* e : eingaben)
        connect(e, &QLineEdit::textChanged, this, handler(this, &TBiegedialog::E_LastChange));
    for (QLineEdit* e : {Felder.E_E_Modul, Felder.E_I})
        connect(e, &QLineEdit::textChanged, this, handler(this, &TBiegedialog::E_E_ModulChange));
    connect(Felder.B_Passendes_Profil, &QPushButton::clicked, this, handler(this, &TBiegedialog::B_Passendes_ProfilClick));
    connect(Felder.ChB_Eigengewicht, &QCheckBox::toggled, this, handler(this, &TBiegedialog::ChB_EigengewichtClick));
    connect(B_Formel, &QPushButton::clicked, this, handler(this, &TBiegedialog::B_FormelClick));
    connect(BitBtn1, &QPushButton::clicked, this, handler(this, &TBiegedialog::BitBtn1Click));
    connect(B_Drucken, &QPushButton::clicked, this, handler(this, &TBiegedialog::B_DruckenClick));
    connect(B_Verlaeufe, &QPushButton::clicked, this, handler(this, &TBiegedialog::B_VerlaeufeClick));
    connect(OKBtn, &QPushButton::clicked, this, handler(this, &TBiegedialog::OKBtnClick));
    connect(HelpBtn, &QPushButton::clicked, this, handler(this, &TBiegedialog::HelpBtnClick));
    Positionsknopf::Anmelden({this, B_Position, m_dialog, [this] { return Position_Lesen(); },
        [this](const Projekt::Position& p) { Position_Zeigen(p); }, [this] { Eingaben_Leeren(); }});
}

// Self-weight on or off changes every result: they are cleared as for a changed input.
void TBiegedialog::ChB_EigengewichtClick() { E_LastChange(); }

void TBiegedialog::B_Passendes_ProfilClick()
{
    Biegedialog::Passendes_Profil(Profil, Felder, Unit1::Akt_Belastungsfall, [this] {
        B_Berechnen_WClick();
        B_Berechnung_fClick();
    });
}

void TBiegedialog::B_FormelClick() { U_Formel::Formel_Zeigen(Unit1::Akt_Belastungsfall); }

void TBiegedialog::BitBtn1Click() { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Biegung); }

void TBiegedialog::B_VerlaeufeClick() { U_verlauf::Zeigen(U_verlauf::Art::Biegung, this); }

void TBiegedialog::Position_Zeigen(const Projekt::Position& p)
{
    FormActivate();
    Biegedialog::Position_Eintragen(Felder, p, E_Abstand);
    B_Berechnen_WClick();
    if (p.mitProfil)
        B_Berechnung_fClick();
}

void TBiegedialog::Eingaben_Leeren()
{
    Biegedialog::Eingaben_Leeren(Felder, E_Abstand);
    E_LastChange(); // also where a field held 0 already
}

void TBiegedialog::OKBtnClick()
{
    if (Positionsknopf::OK(this))
        hide();
}

void TBiegedialog::HelpBtnClick() { hide(); }
