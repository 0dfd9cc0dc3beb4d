#include "calc/Biegedialog.h"

#include "core/Unit1.h"
#include "platform/Fliesskomma.h"
#include "platform/Meldungen.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahlen.h"
#include "sections/U_profil.h"

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
    return p;
}

bool W_Rechnen(const Felder& f, const std::function<Laengen()>& laengen, const std::function<void()>& rechnung)
{
    return Rechendialog::mitPiep(
        f.L_Fehler, {f.L_Werf, f.L_Wxerf},
        [&] {
            return Rechendialog::Ursachen {{{Rechendialog::Feldname(f.E_SigmaZul), Unit1::Sigma_Zul}}, laengen()};
        },
        rechnung);
}

bool f_Rechnen(const Felder& f, const std::function<Laengen()>& laengen, const std::function<void()>& rechnung)
{
    return Rechendialog::mitPiep(
        f.L_Fehler, {f.L_f, f.L_L_durch_f},
        [&] {
            return Rechendialog::Ursachen {
                {{Rechendialog::Feldname(f.E_E_Modul), Unit1::E}, {Rechendialog::Feldname(f.E_I), Unit1::I}}, laengen()};
        },
        rechnung);
}

void Markierung_Loeschen(const Felder& f) { Rechendialog::Markierung_Loeschen(f.L_Fehler); }

void Eingaben_Auffrischen(const Felder& f)
{
    f.E_SigmaZul->setText(fixiert(Unit1::Sigma_Zul, 2));
    f.E_E_Modul->setText(fixiert(Unit1::E, 2));
    f.E_I->setText(fixiert(Unit1::I, 2));
}

void Ergebnisse_Nullen(const Felder& f)
{
    Unit1::Werf = 0;
    Unit1::Wxerf = 0;
    Unit1::fd = 0;
    Markierung_Loeschen(f);
    W_Anzeigen(f);
    f.L_f->setText(fixiert(Unit1::fd, 4));
    f.L_L_durch_f->setText(fixiert(0, 2));
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
    f.L_f->setText(fixiert(Unit1::fd, 4));
    f.L_L_durch_f->setText(fixiert(Fliesskomma::teile(Unit1::L, Unit1::fd), 2));
}

void Profil_Aussuchen(const Rechendialog::Profilbox& box, const Felder& f)
{
    Plattform::modal(U_profil::DLG_Profil);
    Rechendialog::Profilbox_Anzeigen(box);
    f.E_I->setText(fixiert(Unit1::I, 2));
    f.L_f->setText(QStringLiteral("0"));
    f.L_L_durch_f->setText(QStringLiteral("0"));
}

} // namespace Biegedialog
