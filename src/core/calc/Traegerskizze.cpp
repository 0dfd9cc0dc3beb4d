#include "core/calc/Traegerskizze.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace Traegerskizze {

namespace {

using Traegereinheiten::Groesse;
using Traegereinheiten::System;
using Traegerrechnung::Eingabe;
using Traegerrechnung::Last;
using Traegerrechnung::Lastart;

const QColor Grund(0, 255, 255);
const QColor Rahmen(0, 0, 255);
const QColor Kraftfarbe(139, 0, 0);
const QColor Lastfarbe(235, 30, 30);
const QColor Veraenderlich(230, 130, 0);
const QColor Wandgrau(150, 150, 150);

// A value as the sketch writes it: four significant digits in the window's unit.
QString kurz(double programmwert, System s, Groesse g)
{
    const double w = Traegereinheiten::anzeigen(programmwert, s, g);
    if (w == 0 || !std::isfinite(w))
        return Traegereinheiten::zahl(0);
    const double stelle = std::pow(10.0, std::floor(std::log10(std::fabs(w))) - 3);
    return Traegereinheiten::zahl(std::round(w / stelle) * stelle);
}

bool zeichenbar(const Eingabe& e)
{
    if (e.felder.empty() || int(e.felder.size()) > Traegerrechnung::MaxFelder)
        return false;
    for (double f : e.felder)
        if (!std::isfinite(f) || !(f > 0))
            return false;
    for (double k : {e.kragarm_links, e.kragarm_rechts})
        if (!std::isfinite(k) || k < 0)
            return false;
    return std::isfinite(Traegerrechnung::Gesamtlaenge(e));
}

bool verteilt(const Last& l) { return l.art == Lastart::Streckenlast || l.art == Lastart::Trapezlast; }

// The distributed loads in bands, loads that do not overlap sharing one: band number per load
// (-1 for the others) and the number of bands.
std::pair<std::vector<int>, int> baender(const Eingabe& e)
{
    std::vector<int> band(e.lasten.size(), -1);
    std::vector<std::size_t> reihe;
    for (std::size_t i = 0; i < e.lasten.size(); ++i)
        if (verteilt(e.lasten[i]))
            reihe.push_back(i);
    std::stable_sort(reihe.begin(), reihe.end(), [&](std::size_t a, std::size_t b) { return e.lasten[a].von < e.lasten[b].von; });
    std::vector<double> ende; // right end of the last load in each band
    for (std::size_t i : reihe) {
        const Last& l = e.lasten[i];
        auto frei = std::find_if(ende.begin(), ende.end(), [&](double x) { return x <= l.von; });
        if (frei == ende.end()) {
            ende.push_back(l.bis);
            band[i] = int(ende.size()) - 1;
        } else {
            *frei = l.bis;
            band[i] = int(frei - ende.begin());
        }
    }
    return {band, int(ende.size())};
}

// Where a load is drawn: a band between its base line and the height of its values, an arrow
// or the circle of a moment.
struct Lastlage {
    QRectF umriss;
    double basis = 0; // a band's base line
    double hoehe = 0; // the height of the band's greatest value over all bands
};

class Zeichnung {
public:
    Zeichnung(QPainter* p, const QRectF& r, const Eingabe& e, System s, Stil stil)
        : p(p)
        , r(r)
        , e(e)
        , s(s)
        , voll(stil == Stil::Voll)
    {
        rand = std::max(6.0, r.width() * (voll ? 0.05 : 0.08));
        const double Lg = Traegerrechnung::Gesamtlaenge(e);
        massstab = (r.width() - 2 * rand) / Lg;
        balkenY = r.top() + r.height() * (voll ? 0.56 : 0.58);
        dicke = std::max(2.5, r.height() * 0.025);
        lagerH = std::clamp(r.height() * 0.09, 6.0, 18.0);
        schrift = std::clamp(r.height() * 0.055, 8.0, 13.0);
        lagenBestimmen();
        if (voll)
            werteSetzen();
    }

    const std::vector<Lastlage>& lagen() const { return m_lagen; }
    const std::vector<Beschriftung>& werte() const { return m_werte; }

    double X(double x) const { return r.left() + rand + x * massstab; }

    void balken()
    {
        const double Lg = Traegerrechnung::Gesamtlaenge(e);
        p->fillRect(QRectF(X(0), balkenY, Lg * massstab, dicke), Qt::black);
    }

    void lager()
    {
        const std::vector<double> st = Traegerrechnung::Stuetzen(e);
        for (std::size_t i = 0; i < st.size(); ++i) {
            const bool links = i == 0, rechts = i + 1 == st.size();
            if ((links && e.lager_links == Traegerrechnung::Lager::Eingespannt)
                || (rechts && e.lager_rechts == Traegerrechnung::Lager::Eingespannt))
                einspannung(st[i], links);
            else
                dreieck(X(st[i]), i > 0);
        }
    }

    // Band, arrow and arc of every load; the bands first, so that the arrows stay on top.
    void lasten()
    {
        for (std::size_t i = 0; i < e.lasten.size(); ++i)
            if (verteilt(e.lasten[i]))
                flaeche(e.lasten[i], m_lagen[i]);
        for (std::size_t i = 0; i < e.lasten.size(); ++i) {
            if (e.lasten[i].art == Lastart::Einzellast)
                kraft(e.lasten[i], m_lagen[i]);
            else if (e.lasten[i].art == Lastart::Moment)
                moment(e.lasten[i], m_lagen[i]);
        }
    }

    // The values of the loads, last, on a light ground: nothing covers them.
    void werteSchreiben()
    {
        for (std::size_t i = 0; i < m_werte.size(); ++i) {
            const Last& l = e.lasten[i];
            const Beschriftung& w = m_werte[i];
            p->fillRect(w.lage, QColor(255, 255, 255, 210));
            text(w.lage, w.text, verteilt(l) ? farbe(l).darker(130) : farbe(l), Qt::AlignCenter, wertgroesse(l));
        }
    }

    void masse()
    {
        const double y = balkenY + dicke + lagerH + r.height() * 0.12;
        p->setPen(QPen(Qt::black, 1));
        for (const Traegerrechnung::Abschnitt& a : Traegerrechnung::Abschnitte(e)) {
            const double x0 = X(a.von), x1 = X(a.bis);
            p->drawLine(QPointF(x0, y), QPointF(x1, y));
            for (double x : {x0, x1})
                p->drawLine(QPointF(x, y - 4), QPointF(x, y + 4));
            text(QRectF(x0, y + 2, x1 - x0, schrift * 1.6), kurz(a.bis - a.von, s, Groesse::Laenge), Qt::black,
                Qt::AlignHCenter | Qt::AlignTop);
        }
        text(QRectF(r.left() + 4, r.bottom() - schrift * 1.5, r.width() - 8, schrift * 1.4),
            QStringLiteral("Längen in %1; G ständig (voll), Q veränderlich (schraffiert); Momente im Uhrzeigersinn positiv")
                .arg(Traegereinheiten::name(s, Groesse::Laenge)),
            Qt::black, Qt::AlignLeft | Qt::AlignVCenter, 0.8);
    }

private:
    QPainter* p; // none while only the places are worked out
    QRectF r;
    const Eingabe& e;
    System s;
    bool voll;
    double rand, massstab, balkenY, dicke, lagerH, schrift;
    double qmax = 0; // the greatest line load, which fills a band's height
    std::vector<Lastlage> m_lagen;
    std::vector<Beschriftung> m_werte;

    double bandhoehe(const Lastlage& lage, double q) const { return qmax > 0 ? lage.hoehe * std::fabs(q) / qmax : 0.0; }
    double q1(const Last& l) const { return l.art == Lastart::Trapezlast ? l.q1 : l.q; }
    double q2(const Last& l) const { return l.art == Lastart::Trapezlast ? l.q2 : l.q; }

    // Bands stacked above the beam, each with a row above it for its value in the full sketch;
    // arrows from above onto the beam; moments as circles around it.
    void lagenBestimmen()
    {
        const auto [band, anzahl] = baender(e);
        for (const Last& l : e.lasten)
            if (verteilt(l))
                qmax = std::max({qmax, std::fabs(l.q), std::fabs(l.q1), std::fabs(l.q2)});
        const double oben = r.top() + r.height() * (voll ? 0.16 : 0.1);
        const double bandH = anzahl > 0 ? std::min(r.height() * (voll ? 0.16 : 0.24), (balkenY - 3 - oben) / anzahl) : 0;
        const double fuellung = voll ? std::max(bandH - zeile(0.9) - 1, bandH * 0.45) : bandH * 0.85;
        m_lagen.assign(e.lasten.size(), {});
        for (std::size_t i = 0; i < e.lasten.size(); ++i) {
            const Last& l = e.lasten[i];
            Lastlage& lage = m_lagen[i];
            const double x = X(l.x);
            if (band[i] >= 0) {
                lage.basis = balkenY - 2 - band[i] * bandH;
                lage.hoehe = fuellung;
            } else if (l.art == Lastart::Einzellast) {
                const double laenge = r.height() * (voll ? 0.3 : 0.42);
                lage.umriss = QRectF(x - 4, balkenY - 1 - laenge, 8, laenge);
            } else if (l.art == Lastart::Moment) {
                const double rr = kreisradius();
                lage.umriss = QRectF(x - rr, balkenY + dicke / 2 - rr, 2 * rr, 2 * rr);
            }
        }
        for (std::size_t i = 0; i < e.lasten.size(); ++i)
            if (band[i] >= 0) {
                const Last& l = e.lasten[i];
                const double h = std::max(bandhoehe(m_lagen[i], q1(l)), bandhoehe(m_lagen[i], q2(l)));
                m_lagen[i].umriss = QRectF(QPointF(X(l.von), m_lagen[i].basis - h), QPointF(X(l.bis), m_lagen[i].basis));
            }
    }

    double kreisradius() const { return std::clamp(r.height() * 0.1, 6.0, 22.0); }
    // The values are a little smaller on the bands than at arrows and moments.
    double wertgroesse(const Last& l) const { return verteilt(l) ? 0.9 : 1.0; }
    QFont wertschrift(double groesse) const
    {
        QFont f(QStringLiteral("Arial"));
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(std::max(7, int(schrift * groesse)));
        return f;
    }
    double zeile(double groesse) const { return std::max(7, int(schrift * groesse)) * 1.3; }

    QString werttext(const Last& l) const
    {
        switch (l.art) {
        case Lastart::Einzellast:
            return QStringLiteral("F = %1").arg(kurz(l.F, s, Groesse::Kraft));
        case Lastart::Moment:
            return QStringLiteral("M = %1").arg(kurz(l.M, s, Groesse::Moment));
        case Lastart::Streckenlast:
            return QStringLiteral("q = %1").arg(kurz(l.q, s, Groesse::Streckenlast));
        case Lastart::Trapezlast:
            break;
        }
        return QStringLiteral("q = %1 → %2").arg(kurz(l.q1, s, Groesse::Streckenlast), kurz(l.q2, s, Groesse::Streckenlast));
    }

    // Each value right above its load (a band's at its left end), else the nearest free place
    // higher up or beside what is in the way; where the sketch has no free place left, at least
    // apart from the other values.
    void werteSetzen()
    {
        std::vector<std::size_t> folge(e.lasten.size());
        for (std::size_t i = 0; i < folge.size(); ++i)
            folge[i] = i;
        // The bands from the beam upwards, then arrows and moments, which have more room.
        std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
            const bool va = verteilt(e.lasten[a]), vb = verteilt(e.lasten[b]);
            if (va != vb)
                return va;
            return va && m_lagen[a].basis > m_lagen[b].basis;
        });
        m_werte.assign(e.lasten.size(), {});
        std::vector<QRectF> gesetzt;
        for (std::size_t i : folge) {
            const Last& l = e.lasten[i];
            const QString t = werttext(l);
            const double breite = QFontMetricsF(wertschrift(wertgroesse(l))).horizontalAdvance(t) + 4;
            const double hoehe = zeile(wertgroesse(l));
            const QRectF& um = m_lagen[i].umriss;
            const double x = verteilt(l) ? um.left() : um.center().x() - breite / 2;
            const QRectF wunsch(x, um.top() - hoehe - 1, breite, hoehe);
            std::optional<QRectF> platz = freierPlatz(wunsch, i, gesetzt, true);
            if (!platz)
                platz = freierPlatz(wunsch, i, gesetzt, false);
            m_werte[i] = {t, platz.value_or(wunsch)};
            gesetzt.push_back(m_werte[i].lage);
        }
    }

    std::optional<QRectF> freierPlatz(
        const QRectF& wunsch, std::size_t eigene, const std::vector<QRectF>& gesetzt, bool lastenMeiden) const
    {
        const auto frei = [&](const QRectF& k) {
            if (k.left() < r.left() || k.right() > r.right() || k.top() < r.top() || k.bottom() > balkenY)
                return false;
            for (const QRectF& g : gesetzt)
                if (k.intersects(g))
                    return false;
            if (lastenMeiden)
                for (std::size_t j = 0; j < m_lagen.size(); ++j)
                    if (j != eigene && k.intersects(m_lagen[j].umriss))
                        return false;
            return true;
        };
        const double links = r.left() + 1, rechts = r.right() - 1 - wunsch.width();
        for (double dy = 0; wunsch.top() - dy >= r.top(); dy += wunsch.height() / 2) {
            QRectF k = wunsch.translated(0, -dy);
            // The wished x first, then beside each thing in this row, nearest first.
            std::vector<double> xs {wunsch.left()};
            const auto daneben = [&](const QRectF& anderes) {
                if (anderes.top() < k.bottom() && anderes.bottom() > k.top()) {
                    xs.push_back(anderes.right() + 1);
                    xs.push_back(anderes.left() - 1 - k.width());
                }
            };
            for (const QRectF& g : gesetzt)
                daneben(g);
            if (lastenMeiden)
                for (const Lastlage& lage : m_lagen)
                    daneben(lage.umriss);
            std::stable_sort(xs.begin() + 1, xs.end(),
                [&](double a, double b) { return std::fabs(a - wunsch.left()) < std::fabs(b - wunsch.left()); });
            for (double x : xs) {
                k.moveLeft(std::clamp(x, links, std::max(links, rechts)));
                if (frei(k))
                    return k;
            }
        }
        return std::nullopt;
    }

    QColor farbe(const Last& l) const
    {
        return l.einwirkung == Traegerrechnung::Einwirkung::Staendig ? (verteilt(l) ? Lastfarbe : Kraftfarbe) : Veraenderlich;
    }

    void text(const QRectF& lage, const QString& t, const QColor& farbe, int ausrichtung, double groesse = 1.0)
    {
        if (!voll)
            return;
        p->setFont(wertschrift(groesse));
        p->setPen(farbe);
        p->drawText(lage, ausrichtung | Qt::TextDontClip, t);
    }

    // The one letter of a load on the main window's button, as its other buttons carry.
    void knopftext(const QPointF& mitte, const QString& t, const QColor& farbe)
    {
        if (voll)
            return;
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(int(schrift));
        f.setBold(true);
        p->setFont(f);
        p->setPen(farbe);
        p->drawText(QRectF(mitte.x() - 20, mitte.y() - schrift, 40, 2 * schrift), Qt::AlignCenter, t);
    }

    void boden(double x0, double x1, double y)
    {
        p->setPen(QPen(Qt::black, 1.2));
        p->drawLine(QPointF(x0, y), QPointF(x1, y));
        p->setPen(QPen(Qt::black, 0.8));
        for (double x = x0; x < x1; x += 3.5)
            p->drawLine(QPointF(x + 3, y), QPointF(x, y + 3));
    }

    void dreieck(double x, bool verschieblich)
    {
        const double y = balkenY + dicke, b = lagerH * 0.65;
        p->setPen(QPen(Qt::black, 1.2));
        p->setBrush(Qt::white);
        p->drawPolygon(QPolygonF {{x, y}, {x - b, y + lagerH}, {x + b, y + lagerH}});
        p->setBrush(Qt::NoBrush);
        double grund = y + lagerH;
        if (verschieblich) {
            grund += 3;
            p->drawLine(QPointF(x - b, grund - 1.5), QPointF(x + b, grund - 1.5));
        }
        boden(x - b - 2, x + b + 2, grund);
    }

    // A fixed end: a wall beside the end of the beam, or a clamp around it where a cantilever
    // runs on beyond the support.
    void einspannung(double x, bool links)
    {
        const bool kragarm = links ? e.kragarm_links > 0 : e.kragarm_rechts > 0;
        const double b = std::max(5.0, lagerH * 0.55), h = lagerH * 2.6;
        QRectF wand(kragarm ? X(x) - b / 2 : (links ? X(x) - b : X(x)), balkenY + dicke / 2 - h / 2, b, h);
        p->fillRect(wand, Wandgrau);
        p->save();
        p->setClipRect(wand);
        p->setPen(QPen(Qt::black, 0.8));
        for (double y = wand.top() - wand.width(); y < wand.bottom(); y += 3.5)
            p->drawLine(QPointF(wand.left(), y + wand.width()), QPointF(wand.right(), y));
        p->restore();
        p->setPen(QPen(Qt::black, 1.2));
        p->drawRect(wand);
        if (!kragarm)
            p->fillRect(QRectF(X(x) - (links ? 0 : 1), balkenY, 1, dicke), Qt::black);
    }

    void pfeil(const QPointF& von, const QPointF& bis, const QColor& farbe, double breite)
    {
        p->setPen(QPen(farbe, breite));
        p->drawLine(von, bis);
        const QPointF d = bis - von;
        const double n = std::hypot(d.x(), d.y());
        if (n <= 0)
            return;
        const QPointF e1(d.x() / n, d.y() / n), q(-e1.y(), e1.x());
        const double l = std::max(5.0, lagerH * 0.6), b = l * 0.45;
        p->setPen(Qt::NoPen);
        p->setBrush(farbe);
        p->drawPolygon(QPolygonF {bis, bis - e1 * l + q * b, bis - e1 * l - q * b});
        p->setBrush(Qt::NoBrush);
    }

    void kraft(const Last& l, const Lastlage& lage)
    {
        const double x = lage.umriss.center().x(), oben = lage.umriss.top();
        const bool abwaerts = l.F >= 0;
        pfeil(abwaerts ? QPointF(x, oben) : QPointF(x, balkenY - 1), abwaerts ? QPointF(x, balkenY - 1) : QPointF(x, oben),
            farbe(l), voll ? 2.2 : 1.8);
    }

    void moment(const Last& l, const Lastlage& lage)
    {
        const QRectF& kreis = lage.umriss;
        const QPointF m = kreis.center();
        const double rr = kreis.width() / 2;
        p->setPen(QPen(farbe(l), voll ? 2.0 : 1.6));
        // From the left over the top to the right: clockwise on the paper for a positive moment.
        p->drawArc(kreis, 200 * 16, -220 * 16);
        // The head at the end the moment turns to: clockwise at the right, else at the left.
        const bool rechtsdrehend = l.M >= 0;
        const double winkel = (rechtsdrehend ? -20.0 : 200.0) * std::numbers::pi / 180.0;
        const QPointF ende(m.x() + rr * std::cos(winkel), m.y() - rr * std::sin(winkel));
        const double sinus = std::sin(winkel), kosinus = std::cos(winkel);
        const QPointF tangente = rechtsdrehend ? QPointF(sinus, kosinus) : QPointF(-sinus, -kosinus);
        pfeil(ende - tangente, ende + tangente, farbe(l), 1.0);
    }

    void flaeche(const Last& l, const Lastlage& lage)
    {
        const double x0 = X(l.von), x1 = X(l.bis), basis = lage.basis;
        const double h1 = bandhoehe(lage, q1(l)), h2 = bandhoehe(lage, q2(l));
        const QPolygonF umriss {{x0, basis}, {x0, basis - h1}, {x1, basis - h2}, {x1, basis}};
        QColor fuellung = farbe(l);
        fuellung.setAlpha(voll ? 110 : 255);
        p->setPen(QPen(farbe(l), 1.2));
        p->setBrush(fuellung);
        p->drawPolygon(umriss);
        if (l.einwirkung == Traegerrechnung::Einwirkung::Veraenderlich) {
            p->setBrush(QBrush(farbe(l).darker(150), Qt::BDiagPattern));
            p->drawPolygon(umriss);
        }
        p->setBrush(Qt::NoBrush);
        knopftext(QPointF((x0 + x1) / 2, basis - std::max(h1, h2) - schrift * 0.6), QStringLiteral("G"), farbe(l).darker(130));
    }
};

} // namespace

namespace {

// Drawn on a canvas of screen-like size and scaled to the target, so that lines and letters
// keep their proportions on a printer page (0.01 mm units) as on a button.
QRectF leinwand(const QSizeF& ziel)
{
    const double hoehe = std::clamp(ziel.height(), 40.0, 200.0);
    return QRectF(0, 0, ziel.width() * hoehe / ziel.height(), hoehe);
}

} // namespace

Anordnung anordnen(const Eingabe& e, const QSizeF& groesse, System einheiten)
{
    const QRectF rechteck = leinwand(groesse);
    Anordnung a {rechteck.size(), {}, {}};
    if (!zeichenbar(e))
        return a;
    const Zeichnung z(nullptr, rechteck, e, einheiten, Stil::Voll);
    for (const Lastlage& lage : z.lagen())
        a.lasten.push_back(lage.umriss);
    a.werte = z.werte();
    return a;
}

void zeichnen(QPainter& maler, const QRectF& ziel, const Eingabe& e, System einheiten, Stil stil)
{
    const QRectF rechteck = leinwand(ziel.size());
    const double massstab = ziel.height() / rechteck.height();
    maler.save();
    maler.translate(ziel.topLeft());
    maler.scale(massstab, massstab);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setClipRect(rechteck);
    if (stil == Stil::Knopf) {
        maler.fillRect(rechteck, Grund);
        maler.setPen(QPen(Rahmen, 2));
        maler.drawRect(rechteck.adjusted(1, 1, -1, -1));
    } else {
        maler.fillRect(rechteck, Qt::white);
    }
    if (zeichenbar(e)) {
        Zeichnung z(&maler, rechteck, e, einheiten, stil);
        z.lasten();
        z.balken();
        z.lager();
        if (stil == Stil::Voll) {
            z.masse();
            z.werteSchreiben();
        }
    } else if (stil == Stil::Voll) {
        maler.setPen(Qt::darkGray);
        maler.drawText(rechteck, Qt::AlignCenter,
            QStringLiteral("Keine Skizze: die Felder und Kragarme brauchen Längen über 0 (höchstens %1 Felder).")
                .arg(Traegerrechnung::MaxFelder));
    }
    maler.restore();
}

QImage bild(const Eingabe& e, const QSize& groesse, System einheiten, Stil stil)
{
    QImage b(groesse, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::white);
    QPainter maler(&b);
    zeichnen(maler, QRectF(QPointF(0, 0), QSizeF(groesse)), e, einheiten, stil);
    return b;
}

Eingabe Knopfbeispiel()
{
    Eingabe e;
    e.felder = {3000, 3000};
    Last f;
    f.art = Lastart::Einzellast;
    f.F = 1000;
    f.x = 1400;
    Last q;
    q.art = Lastart::Streckenlast;
    q.q = 1000;
    q.von = 3400;
    q.bis = 5600;
    e.lasten = {f, q};
    return e;
}

} // namespace Traegerskizze
