#include "gui/sections/U_e_prof.h"

#include "core/app/Unit1.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Zahlen.h"
#include "core/sections/Querschnittswerte.h"
#include "gui/explain/U_Hilfe.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/sections/Querschnittsdialog.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace U_e_prof {

Plattform::Einmalfenster<TDlg_Eigenes_Profil> Dlg_Eigenes_Profil;

} // namespace U_e_prof

namespace {

// A typed section value. A negative one describes no section and is refused like a text that
// is no number; 0 stays allowed.
double wert(const QLineEdit* feld)
{
    const double v = Zahlen::lesen(feld->text());
    if (v < 0.0)
        throw Plattform::Fehler::ungueltigeOperation();
    return v;
}

} // namespace

TDlg_Eigenes_Profil::TDlg_Eigenes_Profil(QWidget* eltern)
    : QDialog(eltern)
{
    using namespace Bausteine;
    dialograhmen(this, QStringLiteral("Dlg_Eigenes_Profil"), QStringLiteral("Eigenes Profil eingeben"), 500, 619);
    Panel1 = panel(this, QStringLiteral("Panel1"), 8, 8, 484, 444);
    constexpr int xFeld = 204, breite = 264, hoehe = 32, zeile = 70, y0 = 30;
    const auto zeilenlabel = [&](const char* name, const char* text, int k) {
        return label(Panel1, QString::fromLatin1(name), QString::fromUtf8(text), 16, y0 + k * zeile, 184, hoehe);
    };
    const auto zeilenfeld = [&](const char* name, int k) {
        return feld(Panel1, QString::fromLatin1(name), QString(), xFeld, y0 + k * zeile, breite, hoehe);
    };
    Label3 = zeilenlabel("Label3", "Profilart", 0);
    E_Profilart = zeilenfeld("E_Profilart", 0);
    Label1 = zeilenlabel("Label1", "Profilname", 1);
    E_Profilname = zeilenfeld("E_Profilname", 1);
    L_W = zeilenlabel("L_W", "W [cm3]", 2);
    E_W = zeilenfeld("E_W", 2);
    L_I = zeilenlabel("L_I", "I [cm4]", 3);
    E_I = zeilenfeld("E_I", 3);
    L_A = zeilenlabel("L_A", "Querschnitt [mm2]", 4);
    E_A = zeilenfeld("E_A", 4);
    Label2 = zeilenlabel("Label2", "Masse [Kg/m]", 5);
    L_Masse = wertlabel(Panel1, QStringLiteral("L_Masse"), QString(), xFeld, y0 + 5 * zeile, breite, hoehe);
    L_Masse->setIndent(6);

    B_Berechnen = knopf(this, QStringLiteral("B_Berechnen"), QStringLiteral("Berechnen der Masse je Meter"), 8, 466, 484, 45);
    connect(B_Berechnen, &QPushButton::clicked, this, Plattform::handler(this, &TDlg_Eigenes_Profil::B_BerechnenClick));

    const auto knoepfe = Querschnittsdialog::einrichten(
        this, QStringLiteral("B_Hilfe"), {[this] { FormActivate(); }, [this] { B_HilfeClick(); }, [this] { OKBtnClick(); }});
    B_Hilfe = knoepfe.Hilfe;
    CancelBtn = knoepfe.Abbrechen;
    OKBtn = knoepfe.OK;
    Alt = knoepfe.Alt;
}

void TDlg_Eigenes_Profil::FormActivate()
{
    Alt->aufnehmen();
    OKBtn->setFocus();
}

void TDlg_Eigenes_Profil::Flaeche_Uebernehmen()
{
    const double a = wert(E_A);
    const double masse = Querschnittswerte::Masse(a, Unit1::Gamma);
    Unit1::A = a;
    Unit1::Masse = masse;
}

void TDlg_Eigenes_Profil::B_BerechnenClick()
{
    try {
        Flaeche_Uebernehmen();
        L_Masse->setText(Zahlen::fixiert(Unit1::Masse, 2));
    } catch (const Plattform::Fehler&) {
        Plattform::piep();
    }
}

void TDlg_Eigenes_Profil::OKBtnClick()
{
    // Every field is read before anything is taken: a section of which only some values were
    // taken never existed, and the caller would compute with it.
    Querschnittswerte::Gewaehltes_Profil neu;
    QLineEdit* gelesen = nullptr;
    try {
        for (auto [feld, wertNeu] : {std::pair {E_W, &neu.W}, std::pair {E_I, &neu.I}, std::pair {E_A, &neu.A}}) {
            gelesen = feld;
            *wertNeu = wert(feld);
        }
        neu.Masse = Querschnittswerte::Masse(neu.A, Unit1::Gamma);
    } catch (const Plattform::Fehler&) {
        Plattform::piep();
        Plattform::information(QStringLiteral("Die eingegebenen Werte sind fehlerhaft!"));
        gelesen->setFocus(); // the dialog stays open with the typed texts
        gelesen->selectAll();
        return;
    }
    neu.ProfilArt = E_Profilart->text();
    neu.ProfilName = E_Profilname->text();
    neu.Profilachse = Unit1::TProfilachse::Keine;
    neu.wiederherstellen();
    done(QDialog::Accepted);
}

void TDlg_Eigenes_Profil::B_HilfeClick() { U_Hilfe::Hilfe_Zeigen(U_Hilfe::Thema_Eigenes_Profil); }
