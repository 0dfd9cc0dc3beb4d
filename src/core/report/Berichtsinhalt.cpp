#include "core/report/Berichtsinhalt.h"

#include "core/app/Lastfaelle.h"
#include "core/app/Unit1.h"
#include "core/calc/Biegerechnung.h"
#include "core/platform/Fliesskomma.h"
#include "core/platform/Zahlen.h"
#include "core/sections/Querschnittswerte.h"

#include <algorithm>
#include <cmath>

namespace Berichtsinhalt {

QRect Bildflaeche(const QSize& groesse, const QRect& rechteck)
{
    if (groesse.isEmpty())
        return rechteck;
    const QSize passend = groesse.scaled(rechteck.size(), Qt::KeepAspectRatio);
    const QPoint ecke
        = rechteck.topLeft() + QPoint((rechteck.width() - passend.width()) / 2, (rechteck.height() - passend.height()) / 2);
    return QRect(ecke, passend);
}

namespace {

QString zahl(double wert) { return Zahlen::fixiert(wert, 2); }

const QString Fehlertext = QStringLiteral("Fehler");

// Collects the lines and keeps the vertical position: a heading 10 mm below the line before,
// its first row 10 mm below it, every further row 5 mm further down.
class Aufbau {
public:
    // The verdict lines come first, under the picture, then the caption.
    Aufbau(const QString& titel, const Angaben& angaben)
        : m_kopf(angaben.kopf)
    {
        const int n = int(angaben.nachweise.size());
        int y = std::max(std::min(Erste_Nachweiszeile, Erste_Zeile - Titelabstand - n * Nachweisabstand),
            Bildrechteck.top() + Kleinstes_Bild + Bildabstand);
        m_bild.setBottom(y - Bildabstand - 1);
        for (const QString& nachweis : angaben.nachweise) {
            m_zeilen.append({Art::Nachweis, y, nachweis, {}});
            y += Nachweisabstand;
        }
        m_y = std::max(Erste_Zeile, y + Titelabstand);
        m_zeilen.append({Art::Titel, m_y, titel, {}});
    }

    void titelzeile(const QString& text)
    {
        m_y += Zeilenabstand;
        m_zeilen.append({Art::Titel, m_y, text, {}});
    }
    void abschnitt(const QString& ueberschrift)
    {
        m_y += Abschnittsabstand;
        m_zeilen.append({Art::Ueberschrift, m_y, ueberschrift, {}});
        m_ersteZeile = true;
    }
    void zeile(const QString& bezeichnung, const QString& wert) { weiter(Art::Zeile, bezeichnung, wert); }
    void zeile(const QString& bezeichnung, double wert) { zeile(bezeichnung, zahl(wert)); }
    void hinweis(const QString& text) { weiter(Art::Hinweis, text, {}); }

    Inhalt inhalt(const QString& bild, std::optional<int> wertspalte = std::nullopt) const
    {
        return {bild, m_bild, wertspalte, m_zeilen, m_kopf};
    }

private:
    void weiter(Art art, const QString& text, const QString& wert)
    {
        m_y += m_ersteZeile ? Abschnittsabstand : Zeilenabstand;
        m_ersteZeile = false;
        m_zeilen.append({art, m_y, text, wert});
    }

    Kopf m_kopf;
    QRect m_bild = Bildrechteck;
    int m_y = Erste_Zeile;
    bool m_ersteZeile = false;
    QList<Zeile> m_zeilen;
};

// The case of the shared number when the report's dialog serves it; none when another dialog
// changed the case since.
const Lastfaelle::Lastfall* eigenerFall(Lastfaelle::Dialog dialog)
{
    return Lastfaelle::vonDialog(dialog, Unit1::Akt_Belastungsfall);
}

// Picture of the load case as the report names it; none for a case the report does not serve.
QString bild(const Lastfaelle::Lastfall* fall) { return fall ? fall->berichtsbild.toString() : QString(); }

// The material; the allowable stress only where the check uses it (the buckling check judges
// by the safety against buckling, not by σzul).
enum class MitSigmaZul { Ja, Nein };
void materialdaten(Aufbau& a, MitSigmaZul sigmaZul = MitSigmaZul::Ja)
{
    a.abschnitt(QStringLiteral("Materialdaten:"));
    a.zeile(QStringLiteral("Materialbezeichnung : "), Unit1::Sorte);
    a.zeile(QStringLiteral("SigmaB [N/mm2]"), Unit1::Sigma_B);
    if (sigmaZul == MitSigmaZul::Ja)
        a.zeile(QStringLiteral("SigmaZul [N/mm2]"), Unit1::Sigma_Zul);
    a.zeile(QStringLiteral("E - Modul [N/mm2]"), Unit1::E);
}

void profilbezeichnung(Aufbau& a)
{
    a.abschnitt(QStringLiteral("Profildaten:"));
    a.zeile(QStringLiteral("Profiltyp :"), Unit1::ProfilArt);
    a.zeile(QStringLiteral("Profilname :"), Unit1::ProfilName);
}

// The axis of W and I, for a library profile: a column and a beam read it about different axes.
void achse(Aufbau& a)
{
    if (Unit1::Profilachse != Unit1::TProfilachse::Keine)
        a.zeile(QStringLiteral("Achse"), Querschnittswerte::Achsentext(Unit1::Profilachse));
}

void profildaten_W_I_A(Aufbau& a)
{
    profilbezeichnung(a);
    a.zeile(QStringLiteral("W [cm3]"), Unit1::W);
    a.zeile(QStringLiteral("I [cm4]"), Unit1::I);
    achse(a);
    a.zeile(QStringLiteral("A [mm2]"), Unit1::A);
}

// The load row; its label depends on the load case, and a case the report does not serve
// (another dialog changed the shared case since) prints the value alone.
void last(Aufbau& a, const Lastfaelle::Lastfall* fall)
{
    a.abschnitt(QStringLiteral("Eingaben:"));
    a.zeile(fall ? fall->lastBericht.toString() : QString(), Unit1::F);
}

// L/f, guarded against a deflection too small to divide by; an upward deflection counts by
// its magnitude, as the dialog shows it.
QString L_durch_f()
{
    if (std::fabs(Unit1::fd) < 0.05)
        return Fehlertext;
    return zahl(Biegerechnung::L_durch_f(Unit1::L, Unit1::fd));
}

} // namespace

QStringList Nachweiszeilen(const Rechenweg::Protokoll& protokoll)
{
    QStringList zeilen;
    for (const auto& [ueberschrift, schritte] : protokoll.teile)
        if (ueberschrift == Nachweisteil)
            for (const Rechenweg::Schritt& s : schritte)
                zeilen.append(s.was + QStringLiteral(": ") + s.formel);
    return zeilen;
}

Inhalt Biegung1(const QString& Titel, const Angaben& angaben)
{
    const Lastfaelle::Lastfall* fall = eigenerFall(Lastfaelle::Dialog::Biegung1);
    // Case 4, a case of the second dialog, has always printed its x here as well.
    const bool mit_x = (fall && fall->xZeile) || Unit1::Akt_Belastungsfall == 4;
    Aufbau a(Titel, angaben);
    materialdaten(a);
    profildaten_W_I_A(a);
    last(a, fall);
    a.zeile(QStringLiteral("L [mm]"), Unit1::L);
    if (mit_x)
        a.zeile(QStringLiteral("x [mm]"), Unit1::Lx);
    a.abschnitt(QStringLiteral("Ausgaben:"));
    a.zeile(QStringLiteral("Werf [cm3]"), Unit1::Werf);
    if (mit_x)
        a.zeile(QStringLiteral("Werf bei x [cm3]"), Unit1::Wxerf);
    a.zeile(QStringLiteral("f [mm]"), Biegerechnung::Durchbiegung_Text(Unit1::fd, 2));
    a.zeile(QStringLiteral("L/f"), L_durch_f());
    return a.inhalt(bild(fall));
}

Inhalt Biegung2(const QString& Titel, const QString& Hinweis_W, const QString& Hinweis_f, const Angaben& angaben)
{
    const Lastfaelle::Lastfall* fall = eigenerFall(Lastfaelle::Dialog::Biegung2);
    const bool mit_x = fall && fall->xZeile;
    Aufbau a(Titel, angaben);
    materialdaten(a);
    profildaten_W_I_A(a);
    last(a, fall);
    a.zeile(QStringLiteral("L [mm]"), Unit1::L);
    a.zeile(QStringLiteral("a [mm]"), Unit1::Abstand_a);
    if (mit_x)
        a.zeile(QStringLiteral("x [mm]"), Unit1::Lx);
    a.abschnitt(QStringLiteral("Ausgaben:"));
    a.zeile(QStringLiteral("Werf [cm3]"), Unit1::Werf);
    if (mit_x)
        a.zeile(QStringLiteral("Werf bei x[cm3]"), Unit1::Wxerf);
    // A note of one blank still takes its line: only an empty label is left out.
    if (!Hinweis_W.isEmpty())
        a.hinweis(Hinweis_W);
    a.zeile(QStringLiteral("f [mm]"), Biegerechnung::Durchbiegung_Text(Unit1::fd, 2));
    if (!Hinweis_f.isEmpty())
        a.hinweis(Hinweis_f);
    a.zeile(QStringLiteral("L/f"), L_durch_f());
    return a.inhalt(bild(fall));
}

Inhalt Knickung(const QString& Titel, const QString& Formel, const Angaben& angaben)
{
    const Lastfaelle::Lastfall* fall = eigenerFall(Lastfaelle::Dialog::Knickung);
    Aufbau a(Titel, angaben);
    a.titelzeile(Formel);
    materialdaten(a, MitSigmaZul::Nein);
    a.zeile(QStringLiteral("Grenzschlankheitsgrad"), Unit1::GrenzSchlankheit);
    profilbezeichnung(a);
    a.zeile(QStringLiteral("Grenzschlankheit"), Unit1::GrenzSchlankheit);
    a.zeile(QStringLiteral("I [cm4]"), Unit1::I);
    achse(a);
    a.zeile(QStringLiteral("A [mm2]"), Unit1::A);
    last(a, fall);
    a.zeile(QStringLiteral("L [mm]"), Unit1::L);
    a.zeile(QStringLiteral("Gewünschte Sicherheit"), Unit1::Sk_gewuenscht);
    a.abschnitt(QStringLiteral("Ausgaben:"));
    a.zeile(QStringLiteral("Ierf [cm4]"), Unit1::Ierf);
    a.zeile(QStringLiteral("Knickspannung [N/mm2]"), Unit1::Sigma_K);
    // Actual stress, guarded against an area too small to divide by.
    a.zeile(
        QStringLiteral("vorh. Spannung [N/mm2]"), Unit1::A < 0.005 ? Fehlertext : zahl(Fliesskomma::teile(Unit1::F, Unit1::A)));
    a.zeile(QStringLiteral("Schlankheitsgrad"), Unit1::Schlankheitsgrad);
    a.zeile(QStringLiteral("Tatsächliche Sicherheit"), Unit1::Sk);
    return a.inhalt(bild(fall), x2_Knickung);
}

Inhalt Scherung(const QString& Titel, const Angaben& angaben)
{
    const Lastfaelle::Lastfall* fall = eigenerFall(Lastfaelle::Dialog::Scherung);
    Aufbau a(Titel, angaben);
    materialdaten(a);
    profildaten_W_I_A(a);
    last(a, fall);
    a.abschnitt(QStringLiteral("Ausgaben:"));
    a.zeile(QStringLiteral("Aerf [mm2]"), Unit1::Aerf);
    return a.inhalt(bild(fall));
}

} // namespace Berichtsinhalt
