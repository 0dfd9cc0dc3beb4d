#include "core/report/Berichtsinhalt.h"

#include "core/app/Lastfaelle.h"
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
const QString Ohne = QStringLiteral("–");

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

// The case of the page when the report's dialog serves it; none when another dialog changed the
// case since.
const Lastfaelle::Lastfall* eigenerFall(Lastfaelle::Dialog dialog, const Werte& w)
{
    return Lastfaelle::vonDialog(dialog, w.fall);
}

// Picture of the load case as the report names it; none for a case the report does not serve.
QString bild(const Lastfaelle::Lastfall* fall) { return fall ? fall->berichtsbild.toString() : QString(); }

// The material; the allowable stress only where the check uses it (the buckling check judges
// by the safety against buckling, not by σzul).
enum class MitSigmaZul { Ja, Nein };
void materialdaten(Aufbau& a, const Werte& w, MitSigmaZul sigmaZul = MitSigmaZul::Ja)
{
    // Without a material kept there is no value to print, not a value of 0.
    const auto wert = [&w](double x) { return w.mitWerkstoff ? zahl(x) : Ohne; };
    a.abschnitt(QStringLiteral("Materialdaten:"));
    a.zeile(QStringLiteral("Materialbezeichnung : "), w.mitWerkstoff ? w.sorte : QStringLiteral("nicht gespeichert"));
    a.zeile(QStringLiteral("SigmaB [N/mm2]"), wert(w.sigma_b));
    if (sigmaZul == MitSigmaZul::Ja)
        a.zeile(QStringLiteral("SigmaZul [N/mm2]"), w.sigma_zul);
    a.zeile(QStringLiteral("E - Modul [N/mm2]"), wert(w.E));
}

void profilbezeichnung(Aufbau& a, const Werte& w)
{
    a.abschnitt(QStringLiteral("Profildaten:"));
    a.zeile(QStringLiteral("Profiltyp :"), w.profilart);
    a.zeile(QStringLiteral("Profilname :"), w.profilname);
}

// The axis of W and I, for a library profile: a column and a beam read it about different axes.
void achse(Aufbau& a, const Werte& w)
{
    if (!w.achse.isEmpty())
        a.zeile(QStringLiteral("Achse"), w.achse);
}

void profildaten_W_I_A(Aufbau& a, const Werte& w)
{
    profilbezeichnung(a, w);
    a.zeile(QStringLiteral("W [cm3]"), w.W);
    a.zeile(QStringLiteral("I [cm4]"), w.I);
    achse(a, w);
    a.zeile(QStringLiteral("A [mm2]"), w.A);
}

// The load row; its label depends on the load case, and a case the report does not serve
// (another dialog changed the shared case since) prints the value alone.
void last(Aufbau& a, const Lastfaelle::Lastfall* fall, const Werte& w)
{
    a.abschnitt(QStringLiteral("Eingaben:"));
    a.zeile(fall ? fall->lastBericht.toString() : QString(), w.F);
}

// L/f, guarded against a deflection too small to divide by; an upward deflection counts by
// its magnitude, as the dialog shows it.
QString L_durch_f(const Werte& w)
{
    if (std::fabs(w.fd) < 0.05)
        return Fehlertext;
    return zahl(Biegerechnung::L_durch_f(w.L, w.fd));
}

const QString Mitte_f = QStringLiteral("Die max Durchbiegung ist in Trägermitte!");
const QString Rand_f = QStringLiteral("Die max Durchbiegung ist an den Trägerrändern!");

} // namespace

QStringList Eurocodezeilen(const Eurocode::Urteil& urteil)
{
    if (!urteil.moeglich || urteil.kombination.isEmpty())
        return QStringList {urteil.text} + urteil.nichtUntersucht;
    return QStringList {QStringLiteral("%1 (maßgebend: %2)").arg(urteil.text, urteil.kombination)} + urteil.nichtUntersucht;
}

QString Eurocodetext(const Eurocode::Urteil& urteil) { return Eurocodezeilen(urteil).join(QStringLiteral(" – ")); }

void Protokollieren(Rechenweg::Protokoll& protokoll, Rechenweg::Schritte vorweg, const QStringList& zeilen)
{
    for (const QString& text : zeilen) {
        const qsizetype doppelpunkt = text.indexOf(QStringLiteral(": "));
        if (doppelpunkt > 0) // "Nachweis Biegung: …" is the step's name and its statement
            vorweg.append({text.left(doppelpunkt), text.mid(doppelpunkt + 2), QString(), QString()});
    }
    // First, so that the verdicts stand on the second page right under the diagrams; the
    // verdicts of an earlier state go. Page 1 prints the same part.
    protokoll.teile.removeIf([](const auto& teil) { return teil.first == Nachweisteil; });
    if (!vorweg.isEmpty())
        protokoll.teile.prepend({Nachweisteil, vorweg});
    // The steps with partial factors come after the classic calculations, whichever ran last.
    std::stable_partition(
        protokoll.teile.begin(), protokoll.teile.end(), [](const auto& teil) { return teil.first != Eurocodeteil; });
}

Rechenweg::Schritt Eigengewicht(double g)
{
    return {QStringLiteral("Eigengewicht"),
        g > 0 ? QStringLiteral("berücksichtigt (g = %1 N/m)").arg(Zahlen::fixiert(g, 2)) : QStringLiteral("nicht berücksichtigt"),
        {}, {}};
}

Rechenweg::Schritt OhneEigengewicht() { return Eigengewicht(0); }

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

QStringList Nachweiszeilen(const Rechenweg::Protokoll& protokoll)
{
    QStringList zeilen;
    for (const auto& [ueberschrift, schritte] : protokoll.teile)
        if (ueberschrift == Nachweisteil)
            for (const Rechenweg::Schritt& s : schritte)
                zeilen.append(s.was + QStringLiteral(": ") + s.formel);
    return zeilen;
}

Inhalt Biegung1(const QString& Titel, const Werte& w, const Angaben& angaben)
{
    const Lastfaelle::Lastfall* fall = eigenerFall(Lastfaelle::Dialog::Biegung1, w);
    // Case 4, a case of the second dialog, has always printed its x here as well.
    const bool mit_x = (fall && fall->xZeile) || w.fall == 4;
    Aufbau a(Titel, angaben);
    materialdaten(a, w);
    profildaten_W_I_A(a, w);
    last(a, fall, w);
    a.zeile(QStringLiteral("L [mm]"), w.L);
    if (mit_x)
        a.zeile(QStringLiteral("x [mm]"), w.x);
    a.abschnitt(QStringLiteral("Ausgaben:"));
    a.zeile(QStringLiteral("Werf [cm3]"), w.Werf);
    if (mit_x)
        a.zeile(QStringLiteral("Werf bei x [cm3]"), w.Wxerf);
    a.zeile(QStringLiteral("f [mm]"), Biegerechnung::Durchbiegung_Text(w.fd, 2));
    a.zeile(QStringLiteral("L/f"), L_durch_f(w));
    return a.inhalt(bild(fall));
}

Inhalt Biegung2(const QString& Titel, const Werte& w, const QString& Hinweis_W, const QString& Hinweis_f, const Angaben& angaben)
{
    const Lastfaelle::Lastfall* fall = eigenerFall(Lastfaelle::Dialog::Biegung2, w);
    const bool mit_x = fall && fall->xZeile;
    Aufbau a(Titel, angaben);
    materialdaten(a, w);
    profildaten_W_I_A(a, w);
    last(a, fall, w);
    a.zeile(QStringLiteral("L [mm]"), w.L);
    a.zeile(QStringLiteral("a [mm]"), w.a);
    if (mit_x)
        a.zeile(QStringLiteral("x [mm]"), w.x);
    a.abschnitt(QStringLiteral("Ausgaben:"));
    a.zeile(QStringLiteral("Werf [cm3]"), w.Werf);
    if (mit_x)
        a.zeile(QStringLiteral("Werf bei x[cm3]"), w.Wxerf);
    // A note of one blank still takes its line: only an empty label is left out.
    if (!Hinweis_W.isEmpty())
        a.hinweis(Hinweis_W);
    a.zeile(QStringLiteral("f [mm]"), Biegerechnung::Durchbiegung_Text(w.fd, 2));
    if (!Hinweis_f.isEmpty())
        a.hinweis(Hinweis_f);
    a.zeile(QStringLiteral("L/f"), L_durch_f(w));
    return a.inhalt(bild(fall));
}

Inhalt Knickung(const QString& Titel, const Werte& w, const QString& Formel, const Angaben& angaben)
{
    const Lastfaelle::Lastfall* fall = eigenerFall(Lastfaelle::Dialog::Knickung, w);
    Aufbau a(Titel, angaben);
    a.titelzeile(Formel);
    materialdaten(a, w, MitSigmaZul::Nein);
    a.zeile(QStringLiteral("Grenzschlankheitsgrad"), w.grenzschlankheit);
    profilbezeichnung(a, w);
    a.zeile(QStringLiteral("Grenzschlankheit"), w.grenzschlankheit);
    a.zeile(QStringLiteral("I [cm4]"), w.I);
    achse(a, w);
    a.zeile(QStringLiteral("A [mm2]"), w.A);
    last(a, fall, w);
    a.zeile(QStringLiteral("L [mm]"), w.L);
    a.zeile(QStringLiteral("Gewünschte Sicherheit"), w.sk_gewuenscht);
    a.abschnitt(QStringLiteral("Ausgaben:"));
    a.zeile(QStringLiteral("Ierf [cm4]"), w.Ierf);
    a.zeile(QStringLiteral("Knickspannung [N/mm2]"), w.sigma_k);
    // Actual stress, guarded against an area too small to divide by.
    a.zeile(QStringLiteral("vorh. Spannung [N/mm2]"), w.A < 0.005 ? Fehlertext : zahl(Fliesskomma::teile(w.F, w.A)));
    a.zeile(QStringLiteral("Schlankheitsgrad"), w.schlankheit);
    a.zeile(QStringLiteral("Tatsächliche Sicherheit"), w.sk);
    return a.inhalt(bild(fall), x2_Knickung);
}

Inhalt Scherung(const QString& Titel, const Werte& w, const Angaben& angaben)
{
    const Lastfaelle::Lastfall* fall = eigenerFall(Lastfaelle::Dialog::Scherung, w);
    Aufbau a(Titel, angaben);
    materialdaten(a, w);
    profildaten_W_I_A(a, w);
    last(a, fall, w);
    a.abschnitt(QStringLiteral("Ausgaben:"));
    a.zeile(QStringLiteral("Aerf [mm2]"), w.Aerf);
    return a.inhalt(bild(fall));
}

} // namespace Berichtsinhalt
