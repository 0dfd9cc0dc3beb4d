#include "core/projekt/Projektdatei.h"

#include "core/calc/Biegeformeln.h"
#include "core/calc/Eurocode.h"
#include "core/platform/Fehler.h"
#include "core/platform/Textdatei.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <optional>

namespace Projektdatei {

using Plattform::Fehler;
using namespace Projekt;

namespace {

const QString Format = QStringLiteral("trabex");

[[noreturn]] void ablehnen(const QString& text) { throw Fehler(Fehler::Art::Allgemein, text); }

// Reads the fields of one JSON object; every fault names where it is ("Position 2 „Stütze“")
// and the field with its path ("werkstoff.E").
class Feldleser {
public:
    Feldleser(QJsonObject objekt, QString ort, QString pfad = {})
        : m_objekt(std::move(objekt))
        , m_ort(std::move(ort))
        , m_pfad(std::move(pfad))
    {
    }

    [[noreturn]] void fehler(const QString& feld, const QString& was) const
    {
        ablehnen(QStringLiteral("%1, Feld „%2“: %3").arg(m_ort, m_pfad + feld, was));
    }

    bool hat(const QString& feld) const { return m_objekt.contains(feld) && !m_objekt.value(feld).isNull(); }

    std::optional<double> zahlOffen(const QString& feld) const
    {
        if (!hat(feld))
            return std::nullopt;
        const QJsonValue v = m_objekt.value(feld);
        if (!v.isDouble())
            fehler(feld, QStringLiteral("ist keine Zahl"));
        const double d = v.toDouble();
        if (!std::isfinite(d))
            fehler(feld, QStringLiteral("ist keine endliche Zahl"));
        return d;
    }

    double zahl(const QString& feld) const
    {
        const auto d = zahlOffen(feld);
        if (!d)
            fehler(feld, QStringLiteral("fehlt"));
        return *d;
    }

    double positiv(const QString& feld) const { return ueber0(feld, zahl(feld)); }

    // An optional value ≥ 0; 0 when it is left out.
    double nichtNegativ(const QString& feld) const
    {
        const double d = zahlOffen(feld).value_or(0.0);
        if (d < 0)
            fehler(feld, QStringLiteral("darf nicht negativ sein"));
        return d;
    }

    double ueber0(const QString& feld, double d) const
    {
        if (!(d > 0))
            fehler(feld, QStringLiteral("muss größer als 0 sein"));
        return d;
    }

    int ganzzahl(const QString& feld, int von, int bis) const
    {
        const double d = zahl(feld);
        if (d != std::floor(d) || d < von || d > bis)
            fehler(feld, QStringLiteral("muss eine ganze Zahl von %1 bis %2 sein").arg(von).arg(bis));
        return static_cast<int>(d);
    }

    QString text(const QString& feld) const
    {
        if (!hat(feld))
            return {};
        const QJsonValue v = m_objekt.value(feld);
        if (!v.isString())
            fehler(feld, QStringLiteral("ist kein Text"));
        return v.toString();
    }

    bool wahrheitswert(const QString& feld) const
    {
        if (!hat(feld))
            return false;
        const QJsonValue v = m_objekt.value(feld);
        if (!v.isBool())
            fehler(feld, QStringLiteral("ist weder true noch false"));
        return v.toBool();
    }

    // The list in `feld`; a missing one is a fault.
    QJsonArray liste(const QString& feld) const
    {
        if (!hat(feld))
            fehler(feld, QStringLiteral("fehlt"));
        const QJsonValue v = m_objekt.value(feld);
        if (!v.isArray())
            fehler(feld, QStringLiteral("ist keine Liste"));
        return v.toArray();
    }

    const QString& ort() const { return m_ort; }

    // The reader of a nested object, or none when it is left out.
    std::optional<Feldleser> objekt(const QString& feld) const
    {
        if (!hat(feld))
            return std::nullopt;
        const QJsonValue v = m_objekt.value(feld);
        if (!v.isObject())
            fehler(feld, QStringLiteral("ist kein Objekt"));
        return Feldleser(v.toObject(), m_ort, m_pfad + feld + QLatin1Char('.'));
    }

private:
    QJsonObject m_objekt;
    QString m_ort;
    QString m_pfad;
};

// The number of a position: a text, or a whole number written as a number.
QString nummer(const Feldleser& f, const QJsonObject& o)
{
    const QJsonValue v = o.value(QStringLiteral("nr"));
    QString nr;
    if (v.isDouble() && v.toDouble() == std::floor(v.toDouble()) && std::fabs(v.toDouble()) < 1e15)
        nr = QString::number(static_cast<long long>(v.toDouble()));
    else
        nr = f.text(QStringLiteral("nr")).trimmed();
    if (nr.isEmpty())
        f.fehler(QStringLiteral("nr"), QStringLiteral("fehlt"));
    return nr;
}

Art art(const Feldleser& f)
{
    const QString schluessel = f.text(QStringLiteral("art"));
    for (Art a : {Art::Biegung, Art::Knickung, Art::Scherung, Art::Traeger})
        if (schluessel == Artschluessel(a))
            return a;
    if (schluessel.isEmpty())
        f.fehler(QStringLiteral("art"), QStringLiteral("fehlt"));
    f.fehler(QStringLiteral("art"),
        QStringLiteral("unbekannte Art „%1“ (bekannt sind biegung, knickung, scherung und traeger)").arg(schluessel));
}

Werkstoff werkstoff(const Feldleser& position, bool knickung)
{
    const auto f = position.objekt(QStringLiteral("werkstoff"));
    if (!f)
        position.fehler(QStringLiteral("werkstoff"), QStringLiteral("fehlt"));
    Werkstoff w;
    w.name = f->text(QStringLiteral("name"));
    w.E = f->positiv(QStringLiteral("E"));
    if (const auto fy = f->zahlOffen(QStringLiteral("fy")))
        w.fy = f->ueber0(QStringLiteral("fy"), *fy);
    if (knickung) {
        w.sigma_p = f->nichtNegativ(QStringLiteral("sigma_p"));
        w.lambda_0 = f->nichtNegativ(QStringLiteral("lambda_0"));
        w.tetmajer_a = f->nichtNegativ(QStringLiteral("tetmajer_a"));
        w.tetmajer_b = f->nichtNegativ(QStringLiteral("tetmajer_b"));
    }
    return w;
}

// The profile's values; those the kind computes with must be above 0.
void profil(const Feldleser& position, Position& p)
{
    const auto f = position.objekt(QStringLiteral("profil"));
    p.mitProfil = f.has_value();
    if (!f)
        return;
    Profil& pr = p.profil;
    pr.name = f->text(QStringLiteral("name"));
    pr.W = f->nichtNegativ(QStringLiteral("W"));
    pr.I = f->nichtNegativ(QStringLiteral("I"));
    pr.A = f->nichtNegativ(QStringLiteral("A"));
    pr.masse = f->nichtNegativ(QStringLiteral("masse"));
    pr.knicklinie = f->text(QStringLiteral("knicklinie"));
    if (!pr.knicklinie.isEmpty() && !Eurocode::Imperfektionsbeiwert(pr.knicklinie))
        f->fehler(QStringLiteral("knicklinie"), QStringLiteral("muss „a0“, „a“, „b“, „c“ oder „d“ sein"));
    const QString ausrichtung = f->text(QStringLiteral("ausrichtung"));
    // Without one, a column stands about its weak axis, as the buckling dialog chooses it.
    if (ausrichtung == QStringLiteral("quer") || (ausrichtung.isEmpty() && p.art == Art::Knickung))
        pr.ausrichtung = Ausrichtung::Quer;
    else if (!ausrichtung.isEmpty() && ausrichtung != QStringLiteral("optimal"))
        f->fehler(QStringLiteral("ausrichtung"), QStringLiteral("muss „optimal“ oder „quer“ sein"));
    const bool biegt = p.art == Art::Biegung || p.art == Art::Traeger;
    const QStringList noetig = biegt ? QStringList {QStringLiteral("W"), QStringLiteral("I")}
        : p.art == Art::Knickung     ? QStringList {QStringLiteral("I"), QStringLiteral("A")}
                                     : QStringList {QStringLiteral("A")};
    for (const QString& feld : noetig)
        f->positiv(feld);
}

// The fields both beam kinds share after the profile: the self-weight and the deflection limit.
void eigengewichtUndGrenze(const Feldleser& f, Position& p)
{
    p.eigengewicht = f.wahrheitswert(QStringLiteral("eigengewicht"));
    if (p.eigengewicht && !(p.mitProfil && p.profil.masse > 0))
        f.fehler(QStringLiteral("eigengewicht"), QStringLiteral("verlangt ein Profil mit einer Masse über 0 (profil.masse)"));
    p.grenze = f.hat(QStringLiteral("grenze")) ? f.ganzzahl(QStringLiteral("grenze"), 0, 100000) : 0;
}

// --- The general beam ---------------------------------------------------------------------------

using Traegerrechnung::Einwirkung;
using Traegerrechnung::Lager;
using Traegerrechnung::Last;
using Traegerrechnung::Lastart;

const QString Felder = QStringLiteral("felder");
const QString Lasten = QStringLiteral("lasten");

struct Lastschluessel {
    Lastart art;
    const char* schluessel;
};
constexpr Lastschluessel Lastarten[] = {{Lastart::Einzellast, "einzellast"}, {Lastart::Streckenlast, "streckenlast"},
    {Lastart::Trapezlast, "trapezlast"}, {Lastart::Moment, "moment"}};

QString lastartSchluessel(Lastart art)
{
    for (const auto& l : Lastarten)
        if (l.art == art)
            return QLatin1String(l.schluessel);
    return {};
}

QString lagerSchluessel(Lager l) { return l == Lager::Eingespannt ? QStringLiteral("eingespannt") : QStringLiteral("gelenkig"); }

QString einheitenSchluessel(Traegereinheiten::System s)
{
    return s == Traegereinheiten::System::kN_m ? QStringLiteral("kN") : QStringLiteral("N");
}

// The units the window shows the beam in and the report prints it in: "N" (N, mm, N/m, also
// when missing) or "kN"; the values stay in N and mm whatever they are.
Traegereinheiten::System einheiten(const Feldleser& f)
{
    const QString feld = QStringLiteral("einheiten");
    const QString s = f.text(feld);
    if (s.isEmpty() && !f.hat(feld))
        return Traegereinheiten::System::N_mm;
    for (auto e : {Traegereinheiten::System::N_mm, Traegereinheiten::System::kN_m})
        if (s == einheitenSchluessel(e))
            return e;
    f.fehler(feld, QStringLiteral("muss „N“ (N, mm, N/m) oder „kN“ (kN, m, kN/m) sein"));
}

// The reader of a load, which names it in messages: "Position 4 „Deckenträger“, Last 3".
Feldleser lastleser(const Feldleser& position, const QJsonObject& o, int zeile)
{
    return Feldleser(o, position.ort() + QStringLiteral(", Last %1").arg(zeile));
}

Lager lager(const Feldleser& f, const QString& feld)
{
    const QString s = f.text(feld);
    for (Lager l : {Lager::Gelenkig, Lager::Eingespannt})
        if (s == lagerSchluessel(l))
            return l;
    f.fehler(feld, s.isEmpty() ? QStringLiteral("fehlt") : QStringLiteral("muss „gelenkig“ oder „eingespannt“ sein"));
}

std::vector<double> spannweiten(const Feldleser& f)
{
    std::vector<double> felder;
    const QJsonArray liste = f.liste(Felder);
    for (qsizetype i = 0; i < liste.size(); ++i) {
        if (!liste.at(i).isDouble())
            f.fehler(Felder, QStringLiteral("Feld %1 ist keine Zahl").arg(i + 1));
        felder.push_back(liste.at(i).toDouble());
    }
    return felder;
}

Lastart lastart(const Feldleser& f)
{
    const QString art = f.text(QStringLiteral("art"));
    for (const auto& l : Lastarten)
        if (art == QLatin1String(l.schluessel))
            return l.art;
    f.fehler(QStringLiteral("art"),
        art.isEmpty()
            ? QStringLiteral("fehlt")
            : QStringLiteral("unbekannte Lastart „%1“ (bekannt sind einzellast, streckenlast, trapezlast und moment)").arg(art));
}

// The action "G" or "Q"; a load of the general beam must say it, a classic load is "Q" without.
Einwirkung einwirkung(const Feldleser& f, std::optional<Einwirkung> ohne = std::nullopt)
{
    const QString e = f.text(QStringLiteral("einwirkung"));
    if (e == QStringLiteral("G"))
        return Einwirkung::Staendig;
    if (e == QStringLiteral("Q"))
        return Einwirkung::Veraenderlich;
    if (e.isEmpty() && ohne)
        return *ohne;
    f.fehler(QStringLiteral("einwirkung"),
        e.isEmpty() ? QStringLiteral("fehlt") : QStringLiteral("muss „G“ (ständig) oder „Q“ (veränderlich) sein"));
}

const QStringList Kategorieschluessel = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
    QStringLiteral("E"), QStringLiteral("Schnee"), QStringLiteral("Wind")};

// The category of a variable action; "A" without.
QString kategorie(const Feldleser& f)
{
    const QString k = f.text(QStringLiteral("kategorie"));
    if (k.isEmpty())
        return QStringLiteral("A");
    if (!Kategorieschluessel.contains(k))
        f.fehler(QStringLiteral("kategorie"),
            QStringLiteral("unbekannte Kategorie „%1“ (bekannt sind %2)").arg(k, Kategorieschluessel.join(QStringLiteral(", "))));
    return k;
}

QString einwirkungSchluessel(Einwirkung e) { return e == Einwirkung::Staendig ? QStringLiteral("G") : QStringLiteral("Q"); }

// A load with the fields of its kind; those of other kinds are not read.
Last last(const Feldleser& f)
{
    Last l;
    l.art = lastart(f);
    l.einwirkung = einwirkung(f);
    l.kategorie = kategorie(f);
    switch (l.art) {
    case Lastart::Einzellast:
        l.F = f.zahl(QStringLiteral("F"));
        l.x = f.zahl(QStringLiteral("x"));
        break;
    case Lastart::Moment:
        l.M = f.zahl(QStringLiteral("M"));
        l.x = f.zahl(QStringLiteral("x"));
        break;
    case Lastart::Streckenlast:
        l.q = f.zahl(QStringLiteral("q"));
        l.von = f.zahl(QStringLiteral("von"));
        l.bis = f.zahl(QStringLiteral("bis"));
        break;
    case Lastart::Trapezlast:
        l.q1 = f.zahl(QStringLiteral("q1"));
        l.q2 = f.zahl(QStringLiteral("q2"));
        l.von = f.zahl(QStringLiteral("von"));
        l.bis = f.zahl(QStringLiteral("bis"));
        break;
    }
    return l;
}

std::vector<Last> lasten(const Feldleser& f)
{
    std::vector<Last> lasten;
    const QJsonArray liste = f.liste(Lasten);
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const int zeile = int(i) + 1;
        if (!liste.at(i).isObject())
            ablehnen(QStringLiteral("%1, Last %2: ist kein Objekt").arg(f.ort()).arg(zeile));
        lasten.push_back(last(lastleser(f, liste.at(i).toObject(), zeile)));
    }
    return lasten;
}

// The file's key of a value that the beam's check names by its symbol.
QString schluessel(const QString& feld)
{
    static const std::pair<QString, QString> namen[] = {{QStringLiteral("σzul"), QStringLiteral("sigma_zul")},
        {QStringLiteral("E"), QStringLiteral("werkstoff.E")}, {QStringLiteral("I"), QStringLiteral("profil.I")},
        {QStringLiteral("W"), QStringLiteral("profil.W")}, {QStringLiteral("Masse"), QStringLiteral("profil.masse")},
        {QStringLiteral("L/f"), QStringLiteral("grenze")}, {QStringLiteral("Kragarm links"), QStringLiteral("kragarm_links")},
        {QStringLiteral("Kragarm rechts"), QStringLiteral("kragarm_rechts")}};
    for (const auto& [kern, datei] : namen)
        if (feld == kern)
            return datei;
    return feld.isEmpty() ? Felder : feld;
}

// The window's own check of the beam (spans, loads on the beam, von < bis, some load), so that
// nothing is ever computed from a bad beam; its fault named in the file's terms.
void traegerPruefen(const Feldleser& f, const Position& p)
{
    const auto fehler = Traegerrechnung::pruefen(Traegereingabe(p));
    if (!fehler)
        return;
    if (fehler->tabelle == QStringLiteral("Lasten")) {
        if (fehler->zeile > 0)
            lastleser(f, {}, fehler->zeile).fehler(fehler->feld, fehler->grund);
        f.fehler(Lasten, fehler->grund);
    }
    if (fehler->tabelle == QStringLiteral("Felder") && fehler->zeile > 0 && !fehler->feld.isEmpty())
        f.fehler(Felder, QStringLiteral("Feld %1: %2").arg(fehler->zeile).arg(fehler->grund));
    f.fehler(schluessel(fehler->feld), fehler->grund);
}

void traeger(const Feldleser& f, Position& p)
{
    Traeger& t = p.traeger;
    t.felder = spannweiten(f);
    t.kragarm_links = f.nichtNegativ(QStringLiteral("kragarm_links"));
    t.kragarm_rechts = f.nichtNegativ(QStringLiteral("kragarm_rechts"));
    t.lager_links = lager(f, QStringLiteral("lager_links"));
    t.lager_rechts = lager(f, QStringLiteral("lager_rechts"));
    t.lasten = lasten(f);
    t.einheiten = einheiten(f);
    p.sigma_zul = f.positiv(QStringLiteral("sigma_zul"));
    p.werkstoff = werkstoff(f, false);
    profil(f, p);
    eigengewichtUndGrenze(f, p);
    traegerPruefen(f, p);
}

// The classic load as an action: "einwirkung" and "kategorie", Q of category A without.
void lastAlsEinwirkung(const Feldleser& f, Position& p)
{
    p.einwirkung = einwirkung(f, Einwirkung::Veraenderlich);
    p.kategorie = kategorie(f);
}

void biegung(const Feldleser& f, Position& p)
{
    p.fall = f.ganzzahl(QStringLiteral("fall"), 1, 13);
    p.last = f.zahl(QStringLiteral("last"));
    p.laenge = f.positiv(QStringLiteral("laenge"));
    if (Biegeformeln::hatAbstand(p.fall)) {
        p.abstand = f.zahl(QStringLiteral("abstand"));
        if (p.abstand < 0)
            f.fehler(QStringLiteral("abstand"), QStringLiteral("darf nicht negativ sein"));
    }
    p.x = f.nichtNegativ(QStringLiteral("x"));
    p.sigma_zul = f.positiv(QStringLiteral("sigma_zul"));
    p.werkstoff = werkstoff(f, false);
    profil(f, p);
    eigengewichtUndGrenze(f, p);
    lastAlsEinwirkung(f, p);
}

void knickung(const Feldleser& f, Position& p)
{
    p.fall = f.ganzzahl(QStringLiteral("fall"), 1, 4);
    p.last = f.positiv(QStringLiteral("last"));
    p.laenge = f.positiv(QStringLiteral("laenge"));
    p.sicherheit = f.positiv(QStringLiteral("sicherheit"));
    p.werkstoff = werkstoff(f, true);
    profil(f, p);
    lastAlsEinwirkung(f, p);
}

void scherung(const Feldleser& f, Position& p)
{
    p.last = f.positiv(QStringLiteral("last"));
    p.sigma_zul = f.positiv(QStringLiteral("sigma_zul"));
    // The shear calculation reads no material value; a pin keeps the material for its report.
    if (f.objekt(QStringLiteral("werkstoff")))
        p.werkstoff = werkstoff(f, false);
    profil(f, p);
}

QString ortDerPosition(const QJsonObject& o, int stelle)
{
    const QJsonValue nr = o.value(QStringLiteral("nr"));
    const QString titel = o.value(QStringLiteral("titel")).toString();
    QString ort = nr.isString() && !nr.toString().trimmed().isEmpty() ? QStringLiteral("Position %1").arg(nr.toString().trimmed())
        : nr.isDouble()                                               ? QStringLiteral("Position %1").arg(nr.toDouble())
                                                                      : QStringLiteral("Position an Stelle %1").arg(stelle);
    if (!titel.isEmpty())
        ort += QStringLiteral(" „%1“").arg(titel);
    return ort;
}

Position position(const QJsonValue& wert, int stelle)
{
    if (!wert.isObject())
        ablehnen(QStringLiteral("Position an Stelle %1: ist kein Objekt").arg(stelle));
    const QJsonObject o = wert.toObject();
    const Feldleser f(o, ortDerPosition(o, stelle));
    Position p;
    p.nr = nummer(f, o);
    p.titel = f.text(QStringLiteral("titel"));
    p.art = art(f);
    switch (p.art) {
    case Art::Biegung:
        biegung(f, p);
        break;
    case Art::Knickung:
        knickung(f, p);
        break;
    case Art::Scherung:
        scherung(f, p);
        break;
    case Art::Traeger:
        traeger(f, p);
        break;
    }
    return p;
}

void kopfUndVersion(const QJsonObject& wurzel, Daten& d)
{
    const Feldleser f(wurzel, QStringLiteral("Projektdatei"));
    if (f.text(QStringLiteral("format")) != Format)
        ablehnen(QStringLiteral("Die Datei ist keine Trabex-Projektdatei (das Feld „format“ ist nicht „trabex“)."));
    const int version = f.ganzzahl(QStringLiteral("version"), 1, 1000000);
    if (version > Version)
        ablehnen(QStringLiteral("Die Projektdatei hat die Version %1, dieses Programm liest nur bis Version %2. "
                                "Bitte eine neuere Version von Trabex verwenden.")
                     .arg(version)
                     .arg(Version));
    if (const auto kopf = f.objekt(QStringLiteral("projekt"))) {
        d.kopf.bezeichnung = kopf->text(QStringLiteral("bezeichnung"));
        d.kopf.adresse = kopf->text(QStringLiteral("adresse"));
        d.kopf.bearbeiter = kopf->text(QStringLiteral("bearbeiter"));
        d.kopf.datum = kopf->text(QStringLiteral("datum"));
    }
}

QJsonObject werkstoffJson(const Position& p)
{
    const Werkstoff& w = p.werkstoff;
    QJsonObject o {{QStringLiteral("name"), w.name}, {QStringLiteral("E"), w.E}};
    if (p.art == Art::Knickung) {
        o.insert(QStringLiteral("sigma_p"), w.sigma_p);
        o.insert(QStringLiteral("lambda_0"), w.lambda_0);
        o.insert(QStringLiteral("tetmajer_a"), w.tetmajer_a);
        o.insert(QStringLiteral("tetmajer_b"), w.tetmajer_b);
    }
    if (w.fy > 0)
        o.insert(QStringLiteral("fy"), w.fy);
    return o;
}

QJsonObject profilJson(const Profil& pr)
{
    QJsonObject o {{QStringLiteral("name"), pr.name}, {QStringLiteral("W"), pr.W}, {QStringLiteral("I"), pr.I},
        {QStringLiteral("A"), pr.A}, {QStringLiteral("masse"), pr.masse},
        {QStringLiteral("ausrichtung"),
            pr.ausrichtung == Ausrichtung::Quer ? QStringLiteral("quer") : QStringLiteral("optimal")}};
    if (!pr.knicklinie.isEmpty())
        o.insert(QStringLiteral("knicklinie"), pr.knicklinie);
    return o;
}

QJsonObject lastJson(const Last& l)
{
    QJsonObject o {{QStringLiteral("art"), lastartSchluessel(l.art)},
        {QStringLiteral("einwirkung"), einwirkungSchluessel(l.einwirkung)}, {QStringLiteral("kategorie"), l.kategorie}};
    switch (l.art) {
    case Lastart::Einzellast:
        o.insert(QStringLiteral("F"), l.F);
        o.insert(QStringLiteral("x"), l.x);
        break;
    case Lastart::Moment:
        o.insert(QStringLiteral("M"), l.M);
        o.insert(QStringLiteral("x"), l.x);
        break;
    case Lastart::Streckenlast:
        o.insert(QStringLiteral("q"), l.q);
        o.insert(QStringLiteral("von"), l.von);
        o.insert(QStringLiteral("bis"), l.bis);
        break;
    case Lastart::Trapezlast:
        o.insert(QStringLiteral("q1"), l.q1);
        o.insert(QStringLiteral("q2"), l.q2);
        o.insert(QStringLiteral("von"), l.von);
        o.insert(QStringLiteral("bis"), l.bis);
        break;
    }
    return o;
}

void traegerJson(const Traeger& t, QJsonObject& o)
{
    QJsonArray felder, lasten;
    for (double f : t.felder)
        felder.append(f);
    for (const Last& l : t.lasten)
        lasten.append(lastJson(l));
    o.insert(Felder, felder);
    o.insert(QStringLiteral("kragarm_links"), t.kragarm_links);
    o.insert(QStringLiteral("kragarm_rechts"), t.kragarm_rechts);
    o.insert(QStringLiteral("lager_links"), lagerSchluessel(t.lager_links));
    o.insert(QStringLiteral("lager_rechts"), lagerSchluessel(t.lager_rechts));
    o.insert(Lasten, lasten);
    o.insert(QStringLiteral("einheiten"), einheitenSchluessel(t.einheiten));
}

void einwirkungJson(const Position& p, QJsonObject& o)
{
    o.insert(QStringLiteral("einwirkung"), einwirkungSchluessel(p.einwirkung));
    o.insert(QStringLiteral("kategorie"), p.kategorie);
}

QJsonObject positionJson(const Position& p)
{
    QJsonObject o {
        {QStringLiteral("nr"), p.nr}, {QStringLiteral("titel"), p.titel}, {QStringLiteral("art"), Artschluessel(p.art)}};
    if (p.art != Art::Traeger)
        o.insert(QStringLiteral("last"), p.last);
    switch (p.art) {
    case Art::Biegung:
        o.insert(QStringLiteral("fall"), p.fall);
        o.insert(QStringLiteral("laenge"), p.laenge);
        o.insert(QStringLiteral("abstand"), p.abstand);
        o.insert(QStringLiteral("x"), p.x);
        o.insert(QStringLiteral("sigma_zul"), p.sigma_zul);
        o.insert(QStringLiteral("eigengewicht"), p.eigengewicht);
        o.insert(QStringLiteral("grenze"), p.grenze);
        o.insert(QStringLiteral("werkstoff"), werkstoffJson(p));
        einwirkungJson(p, o);
        break;
    case Art::Knickung:
        o.insert(QStringLiteral("fall"), p.fall);
        o.insert(QStringLiteral("laenge"), p.laenge);
        o.insert(QStringLiteral("sicherheit"), p.sicherheit);
        o.insert(QStringLiteral("werkstoff"), werkstoffJson(p));
        einwirkungJson(p, o);
        break;
    case Art::Scherung:
        o.insert(QStringLiteral("sigma_zul"), p.sigma_zul);
        if (!p.werkstoff.name.isEmpty() && p.werkstoff.E > 0) // as a file may hold it
            o.insert(QStringLiteral("werkstoff"), werkstoffJson(p));
        break;
    case Art::Traeger:
        traegerJson(p.traeger, o);
        o.insert(QStringLiteral("sigma_zul"), p.sigma_zul);
        o.insert(QStringLiteral("eigengewicht"), p.eigengewicht);
        o.insert(QStringLiteral("grenze"), p.grenze);
        o.insert(QStringLiteral("werkstoff"), werkstoffJson(p));
        break;
    }
    if (p.mitProfil)
        o.insert(QStringLiteral("profil"), profilJson(p.profil));
    return o;
}

} // namespace

Daten lesen(const QByteArray& inhalt)
{
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(inhalt, &fehler);
    if (fehler.error != QJsonParseError::NoError)
        ablehnen(QStringLiteral("Die Datei ist kein gültiges JSON (Fehler bei Zeichen %1).").arg(fehler.offset));
    if (!dokument.isObject())
        ablehnen(QStringLiteral("Die Datei ist keine Trabex-Projektdatei (kein JSON-Objekt)."));
    const QJsonObject wurzel = dokument.object();
    Daten d;
    kopfUndVersion(wurzel, d);
    const QJsonValue liste = wurzel.value(QStringLiteral("positionen"));
    if (!liste.isUndefined() && !liste.isNull() && !liste.isArray())
        ablehnen(QStringLiteral("Projektdatei, Feld „positionen“: ist keine Liste"));
    const QJsonArray positionen = liste.toArray();
    for (qsizetype i = 0; i < positionen.size(); ++i) {
        Position p = position(positionen.at(i), static_cast<int>(i + 1));
        for (const Position& vorige : std::as_const(d.positionen))
            if (vorige.nr == p.nr)
                ablehnen(QStringLiteral("Position %1: die Nummer kommt zweimal vor").arg(p.nr));
        d.positionen.append(std::move(p));
    }
    return d;
}

Daten laden(const QString& pfad)
{
    const QByteArray inhalt = Textdatei::lesenRoh(pfad);
    try {
        return lesen(inhalt);
    } catch (const Fehler& f) {
        ablehnen(QStringLiteral("%1: %2").arg(QFileInfo(pfad).fileName(), f.text()));
    }
}

QByteArray schreiben(const Daten& projekt)
{
    QJsonArray positionen;
    for (const Position& p : projekt.positionen)
        positionen.append(positionJson(p));
    const QJsonObject kopf {{QStringLiteral("bezeichnung"), projekt.kopf.bezeichnung},
        {QStringLiteral("adresse"), projekt.kopf.adresse}, {QStringLiteral("bearbeiter"), projekt.kopf.bearbeiter},
        {QStringLiteral("datum"), projekt.kopf.datum}};
    const QJsonObject wurzel {{QStringLiteral("format"), Format}, {QStringLiteral("version"), Version},
        {QStringLiteral("projekt"), kopf}, {QStringLiteral("positionen"), positionen}};
    return QJsonDocument(wurzel).toJson(QJsonDocument::Indented);
}

void speichern(const Daten& projekt, const QString& pfad) { Textdatei::schreibenRoh(pfad, schreiben(projekt)); }

} // namespace Projektdatei
