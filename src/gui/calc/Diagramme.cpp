#include "gui/calc/Diagramme.h"

#include "core/app/Lastfaelle.h"
#include "core/app/Lastfallbild.h"
#include "core/calc/Traegerskizze.h"
#include "core/platform/Fehler.h"
#include "core/platform/Zahlen.h"

#include <QAreaSeries>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <tuple>

namespace Diagramme {

namespace {

using Biegelinien::Linien;
using Zahlen::fixiert;

// Scene units of the drawn block: the charts are laid out at this width and scaled to the
// target, so a PDF, a PNG and the window show the same proportions.
constexpr double Blockbreite = 1000;
constexpr double Skizzenhoehe = 150;
constexpr double Diagrammhoehe = 300;
constexpr double Hinweishoehe = 28;
constexpr int Punkte_je_Abschnitt = 60; // the lines are polynomials of at most fifth degree

const QColor Linienfarbe(0x00, 0x4c, 0x99);
const QColor Markenfarbe(0xc0, 0x10, 0x10);
const QColor Stellenfarbe(0x00, 0x80, 0x00);

QString titel(Groesse g)
{
    switch (g) {
    case Groesse::Querkraft:
        return QStringLiteral("Querkraft V [N]");
    case Groesse::Moment:
        return QStringLiteral("Biegemoment M [N·m]");
    case Groesse::Durchbiegung:
        return QStringLiteral("Durchbiegung f [mm]");
    }
    return {};
}

QString symbol(Groesse g)
{
    switch (g) {
    case Groesse::Querkraft:
        return QStringLiteral("V");
    case Groesse::Moment:
        return QStringLiteral("M");
    case Groesse::Durchbiegung:
        return QStringLiteral("f");
    }
    return {};
}

int nachkomma(Groesse g) { return g == Groesse::Durchbiegung ? 4 : 2; }

QString betrag(Groesse g, double v) { return fixiert(v, nachkomma(g)) + QLatin1Char(' ') + einheit(g); }

QString stelle(double x) { return fixiert(x, 1) + QStringLiteral(" mm"); }

const QMargins Rand(4, 2, 4, 2);

void schrift(QChart* c)
{
    QFont titelschrift = c->titleFont();
    titelschrift.setPixelSize(17);
    titelschrift.setBold(true);
    c->setTitleFont(titelschrift);
    QFont legende = c->legend()->font();
    legende.setPixelSize(13);
    c->legend()->setFont(legende);
    c->legend()->setAlignment(Qt::AlignBottom);
    c->setMargins(Rand);
    c->setBackgroundRoundness(0);
}

// Tick spacing of 1, 2 or 5 times a power of ten that gives about four intervals.
double teilung(double spanne)
{
    if (!(spanne > 0))
        return 1.0;
    const double roh = spanne / 4.0;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (double f : {1.0, 2.0, 5.0})
        if (f * zehner >= roh)
            return f * zehner;
    return 10.0 * zehner;
}

QValueAxis* achse(const QString& titeltext, double von, double bis, bool umgekehrt)
{
    auto* a = new QValueAxis;
    a->setTitleText(titeltext);
    a->setRange(von, bis);
    a->setReverse(umgekehrt);
    a->setLabelFormat(QStringLiteral("%.6g"));
    // Ticks at round values anchored at 0, so that the zero line always carries a label.
    a->setTickType(QValueAxis::TicksDynamic);
    a->setTickAnchor(0);
    a->setTickInterval(teilung(bis - von));
    QFont f = a->labelsFont();
    f.setPixelSize(12);
    a->setLabelsFont(f);
    QFont t = a->titleFont();
    t.setPixelSize(13);
    a->setTitleFont(t);
    return a;
}

void anAchsen(QChart* c, QAbstractSeries* s, QValueAxis* ax, QValueAxis* ay)
{
    c->addSeries(s);
    s->attachAxis(ax);
    s->attachAxis(ay);
}

void ohneLegende(QChart* c, QAbstractSeries* s)
{
    for (QLegendMarker* m : c->legend()->markers(s))
        m->setVisible(false);
}

QScatterSeries* marke(const QString& name, QPointF p, const QColor& farbe, QScatterSeries::MarkerShape form)
{
    auto* s = new QScatterSeries;
    s->setName(name);
    s->setMarkerShape(form);
    s->setMarkerSize(11);
    s->setColor(farbe);
    s->setBorderColor(Qt::black);
    s->append(p);
    return s;
}

// A vertical line from y0 to y1 at x.
QLineSeries* senkrechte(const QString& name, double x, double y0, double y1, const QColor& farbe, Qt::PenStyle stil)
{
    auto* s = new QLineSeries;
    s->setName(name);
    s->append(x, y0);
    s->append(x, y1);
    QPen stift(farbe, 1.6, stil);
    s->setPen(stift);
    return s;
}

// Value range with room above and below; a line that is 0 everywhere gets ±1.
std::pair<double, double> bereich(double kleinster, double groesster)
{
    double von = std::min(0.0, kleinster), bis = std::max(0.0, groesster);
    const double spanne = bis - von;
    if (spanne <= 0)
        return {-1, 1};
    return {von - 0.12 * spanne, bis + 0.12 * spanne};
}

QString extremname(Groesse g, bool groesster, const Biegelinien::Extremwert& e)
{
    return QStringLiteral("%1 %2 = %3 (x = %4)")
        .arg(groesster ? QStringLiteral("max") : QStringLiteral("min"), symbol(g), betrag(g, e.wert), stelle(e.x));
}

} // namespace

Biegelinien_oder_Grund linienBerechnen(const Biegedaten& d)
{
    try {
        const Linien l = Biegelinien::Fall_Linien(d.fall, d.eingaben);
        return {d.eigengewicht > 0 ? l.mitGleichlast(d.eigengewicht / 1000.0) : l, QString()};
    } catch (const Plattform::Fehler& f) {
        return {std::nullopt, f.text()};
    }
}

double anzeigewert(const Linien& l, Groesse g, double x)
{
    switch (g) {
    case Groesse::Querkraft:
        return l.V(x);
    case Groesse::Moment:
        return l.M(x) / 1000.0; // N·mm → N·m
    case Groesse::Durchbiegung:
        return l.w(x);
    }
    return 0;
}

QString einheit(Groesse g)
{
    switch (g) {
    case Groesse::Querkraft:
        return QStringLiteral("N");
    case Groesse::Moment:
        return QStringLiteral("N·m");
    case Groesse::Durchbiegung:
        return QStringLiteral("mm");
    }
    return {};
}

QString wertezeile(const Linien& l, double x)
{
    QString t = QStringLiteral("x = %1:  V = %2,  M = %3")
                    .arg(stelle(x), betrag(Groesse::Querkraft, anzeigewert(l, Groesse::Querkraft, x)),
                        betrag(Groesse::Moment, anzeigewert(l, Groesse::Moment, x)));
    if (l.hatDurchbiegung())
        t += QStringLiteral(",  f = ") + betrag(Groesse::Durchbiegung, l.w(x));
    return t;
}

QString vorzeichenhinweis()
{
    return QStringLiteral("Vorzeichen: V Querkraft von links (V = dM/dx), M positiv bei Zug unten, f nach unten positiv und nach "
                          "unten gezeichnet.");
}

QString ohneDurchbiegungHinweis()
{
    return QStringLiteral("Keine Durchbiegungslinie: Elastizitätsmodul E oder Trägheitsmoment I ist 0.");
}

namespace {

// The parts of a bending chart, found again by their object names when the chart is refilled.
template <class T> T* teil(QChart* c, const char* name)
{
    for (QAbstractSeries* s : c->series())
        if (s->objectName() == QLatin1String(name))
            return static_cast<T*>(s);
    return nullptr;
}

// A new range with its tick spacing. The spacing is first made as wide as the range, so that
// the old spacing never meets the new range (4 mm ticks over a 4 m beam are 1000 labels).
void bereichSetzen(QValueAxis* a, double von, double bis)
{
    a->setTickInterval(std::max({bis - von, a->max() - a->min(), 1e-300}));
    a->setRange(von, bis);
    a->setTickInterval(teilung(bis - von));
}

void punktSetzen(QChart* c, const char* name, bool zeigen, const QString& text, QPointF p)
{
    auto* s = teil<QScatterSeries>(c, name);
    if (zeigen) {
        s->replace(QList<QPointF> {p});
        s->setName(text);
    }
    s->setVisible(zeigen);
}

} // namespace

QChart* Biegediagramm_Leer()
{
    auto* c = new QChart;
    schrift(c);
    auto* ax = achse(QStringLiteral("x [mm]"), 0, 1, false);
    auto* ay = achse(QString(), -1, 1, false);
    c->addAxis(ax, Qt::AlignBottom);
    c->addAxis(ay, Qt::AlignLeft);
    auto* linie = new QLineSeries(c);
    auto* null = new QLineSeries(c);
    auto* flaeche = new QAreaSeries(linie, null);
    flaeche->setObjectName(QStringLiteral("flaeche"));
    flaeche->setPen(QPen(Linienfarbe, 2));
    QColor fuellung = Linienfarbe;
    fuellung.setAlpha(45);
    flaeche->setBrush(fuellung);
    anAchsen(c, flaeche, ax, ay);
    ohneLegende(c, flaeche);
    auto punkt = [&](const char* name, const QColor& farbe, QScatterSeries::MarkerShape form) {
        QScatterSeries* s = marke(QString(), {}, farbe, form);
        s->setObjectName(QString::fromLatin1(name));
        s->clear();
        anAchsen(c, s, ax, ay);
    };
    punkt("max", Markenfarbe, QScatterSeries::MarkerShapeCircle);
    punkt("min", Markenfarbe.darker(140), QScatterSeries::MarkerShapeRectangle);
    punkt("unterF", Stellenfarbe, QScatterSeries::MarkerShapeRectangle);
    QLineSeries* stelle = senkrechte(QString(), 0, 0, 0, Stellenfarbe, Qt::DashLine);
    stelle->setObjectName(QStringLiteral("stelle"));
    anAchsen(c, stelle, ax, ay);
    return c;
}

void Biegediagramm_Fuellen(QChart* c, const Biegedaten& d, const Linien& l, Groesse g)
{
    // With the self-weight the lines are the sum of the case's load and the weight.
    c->setTitle(d.eigengewicht > 0
            ? QStringLiteral("%1 – aus Last und Eigengewicht g = %2 N/m").arg(titel(g), Zahlen::fixiert(d.eigengewicht, 2))
            : titel(g));
    const double laenge = l.traeger().laenge;

    // The line, both sides of every jump of V at a force or support.
    QList<QPointF> punkte;
    const std::vector<double> knicke = l.Knickstellen();
    for (std::size_t s = 0; s + 1 < knicke.size(); ++s) {
        const double a = knicke[s], b = knicke[s + 1];
        if (g == Groesse::Querkraft)
            punkte.append({a, l.V_links(a)}); // from the left limit up or down to the right one
        for (int i = 0; i <= Punkte_je_Abschnitt; ++i) {
            const double x = i == Punkte_je_Abschnitt ? b : a + (b - a) * i / Punkte_je_Abschnitt;
            const double y = g == Groesse::Querkraft && i == Punkte_je_Abschnitt ? l.V_links(b) : anzeigewert(l, g, x);
            punkte.append({x, y});
        }
    }
    if (g == Groesse::Querkraft)
        punkte.append({laenge, 0.0}); // the last reaction or force closes the diagram
    auto* flaeche = teil<QAreaSeries>(c, "flaeche");
    flaeche->upperSeries()->replace(punkte);
    flaeche->lowerSeries()->replace(QList<QPointF> {{0, 0}, {laenge, 0}});
    flaeche->setName(titel(g));

    const Biegelinien::Extremwerte e = g == Groesse::Querkraft ? l.V_Extreme()
        : g == Groesse::Moment                                 ? l.M_Extreme()
                                                               : l.w_Extreme();
    const double faktor = g == Groesse::Moment ? 1.0 / 1000.0 : 1.0;
    const Biegelinien::Extremwert groesster {e.groesster.x, e.groesster.wert * faktor};
    const Biegelinien::Extremwert kleinster {e.kleinster.x, e.kleinster.wert * faktor};
    const auto [von, bis] = bereich(kleinster.wert, groesster.wert);

    auto* ax = static_cast<QValueAxis*>(c->axes(Qt::Horizontal).first());
    bereichSetzen(ax, 0, laenge); // the beam exactly
    ax->setReverse(Biegelinien::xVonRechts(d.fall));
    auto* ay = static_cast<QValueAxis*>(c->axes(Qt::Vertical).first());
    ay->setTitleText(symbol(g) + QStringLiteral(" [") + einheit(g) + QLatin1Char(']'));
    bereichSetzen(ay, von, bis);
    ay->setReverse(g == Groesse::Durchbiegung); // downwards positive, drawn downwards
    ay->setLabelFormat(QStringLiteral("%.10g")); // moments in N·mm: "-10000000", not "-1e+07"

    // The greatest values with value and position; a value of 0 is no extreme worth marking.
    const double schwelle = 1e-9 * std::max(std::abs(groesster.wert), std::abs(kleinster.wert));
    punktSetzen(c, "max", groesster.wert > schwelle, extremname(g, true, groesster), {groesster.x, groesster.wert});
    punktSetzen(c, "min", kleinster.wert < -schwelle, extremname(g, false, kleinster), {kleinster.x, kleinster.wert});
    // Where the dialog reports the deflection under the load, which is not the greatest one.
    const bool unterF = g == Groesse::Durchbiegung && Lastfaelle::biegefall(d.fall, &Lastfaelle::Lastfall::fUnterLast);
    const double a = d.eingaben.a;
    punktSetzen(c, "unterF", unterF,
        unterF ? QStringLiteral("unter F (Dialog): f = %1 (x = %2)").arg(betrag(g, l.w(a)), stelle(a)) : QString(),
        {a, unterF ? l.w(a) : 0.0});
    auto* stelleX = teil<QLineSeries>(c, "stelle");
    if (d.x) {
        const double wert = anzeigewert(l, g, *d.x);
        stelleX->replace(QList<QPointF> {{*d.x, von}, {*d.x, bis}});
        stelleX->setName(QStringLiteral("x = %1: %2 = %3").arg(stelle(*d.x), symbol(g), betrag(g, wert)));
    }
    stelleX->setVisible(d.x.has_value());
}

QChart* Biegediagramm(const Biegedaten& d, const Linien& l, Groesse g)
{
    QChart* c = Biegediagramm_Leer();
    Biegediagramm_Fuellen(c, d, l, g);
    return c;
}

QChart* Knickdiagramm(const Knickspannungslinie::Daten& d)
{
    using namespace Knickspannungslinie;
    auto* c = new QChart;
    c->setTitle(QStringLiteral("Knickspannungslinie σK(λ) – %1").arg(d.material));
    schrift(c);
    c->legend()->setAlignment(Qt::AlignRight); // long entries: one per line beside the curve
    const double lmax = LambdaMax(d);
    const bool tetmajer = hatTetmajer(d);
    double ymax
        = std::max({d.Sigma_P, tetmajer ? d.Tetmaier1 : 0.0, d.mitStuetze ? d.Sigma_K : 0.0, d.mitStuetze ? d.Sigma_vorh : 0.0});
    if (ymax <= 0)
        ymax = Euler(d.E, std::max(1.0, d.Lambda0));
    ymax *= 1.15;
    auto* ax = achse(QStringLiteral("Schlankheitsgrad λ"), 0, lmax, false);
    ax->setRange(0, lmax);
    auto* ay = achse(QStringLiteral("Spannung [N/mm²]"), 0, ymax, false);
    ay->setRange(0, ymax);
    c->addAxis(ax, Qt::AlignBottom);
    c->addAxis(ay, Qt::AlignLeft);

    // Euler's hyperbola where it lies inside the picture; solid where it is valid (λ ≥ λ0).
    const double lambdaStart = std::sqrt(std::numbers::pi * std::numbers::pi * d.E / ymax);
    auto* eulerGanz = new QLineSeries;
    eulerGanz->setName(QStringLiteral("Euler σK = π²·E/λ² (ungültig unter λ0)"));
    eulerGanz->setPen(QPen(QColor(0x80, 0x80, 0xff), 1.4, Qt::DashLine));
    auto* kurve = new QLineSeries;
    kurve->setName(tetmajer ? QStringLiteral("σK: Tetmajer bis λ0, Euler ab λ0") : QStringLiteral("σK nach Euler"));
    kurve->setPen(QPen(Linienfarbe, 2.4));
    auto* zulaessig = new QLineSeries;
    // The allowable stress by the dialog's own safety rule (min(σK, σP) / σ vorh ≥ S): a column
    // whose σ vorh lies on or below this line reaches the desired safety.
    zulaessig->setName(QStringLiteral("zulässig min(σK, σP)/S, S = %1").arg(fixiert(d.S, 2)));
    zulaessig->setPen(QPen(QColor(0xe0, 0x80, 0x00), 1.8));
    const int n = 400;
    for (int i = 0; i <= n; ++i) {
        const double lambda = lmax * i / n;
        if (lambda >= lambdaStart && lambda > 0)
            eulerGanz->append(lambda, Euler(d.E, lambda));
        const bool sichtbar = tetmajer ? (lambda < d.Lambda0 || lambda >= lambdaStart) : lambda >= lambdaStart;
        if (sichtbar && lambda > 0) {
            kurve->append(lambda, SigmaK(d, lambda));
            if (d.S > 0)
                zulaessig->append(lambda, std::min(SigmaK(d, lambda), d.Sigma_P) / d.S);
        }
    }
    if (tetmajer) {
        anAchsen(c, eulerGanz, ax, ay);
    } else {
        delete eulerGanz;
    }
    anAchsen(c, kurve, ax, ay);
    if (d.S > 0)
        anAchsen(c, zulaessig, ax, ay);
    else
        delete zulaessig;
    auto* sigmaP = new QLineSeries;
    sigmaP->setName(QStringLiteral("σP = %1 N/mm²").arg(fixiert(d.Sigma_P, 2)));
    sigmaP->append(0, d.Sigma_P);
    sigmaP->append(lmax, d.Sigma_P);
    sigmaP->setPen(QPen(QColor(0x60, 0x60, 0x60), 1.4, Qt::DotLine));
    anAchsen(c, sigmaP, ax, ay);
    anAchsen(c,
        senkrechte(
            QStringLiteral("λ0 = %1").arg(fixiert(d.Lambda0, 2)), d.Lambda0, 0, ymax, QColor(0x60, 0x60, 0x60), Qt::DashDotLine),
        ax, ay);
    if (d.mitStuetze) {
        anAchsen(c,
            marke(QStringLiteral("Stütze: λ = %1, σK = %2 N/mm²").arg(fixiert(d.Lambda, 2), fixiert(d.Sigma_K, 2)),
                {d.Lambda, d.Sigma_K}, Markenfarbe, QScatterSeries::MarkerShapeCircle),
            ax, ay);
        anAchsen(c,
            marke(QStringLiteral("σ vorh. = %1 N/mm²").arg(fixiert(d.Sigma_vorh, 2)), {d.Lambda, d.Sigma_vorh}, Stellenfarbe,
                QScatterSeries::MarkerShapeRectangle),
            ax, ay);
    }
    return c;
}

void buendig(const QList<QChart*>& charts)
{
    // A chart's own label column: the left edge of its plot area less its extra margin, both of
    // the same layout (a change of margins lays the chart out later unless asked now).
    const auto labelspalte = [](QChart* c) {
        c->layout()->activate();
        return c->plotArea().left() - c->margins().left();
    };
    qreal breiteste = 0;
    for (QChart* c : charts)
        breiteste = std::max(breiteste, labelspalte(c));
    for (QChart* c : charts) {
        QMargins m = c->margins();
        m.setLeft(Rand.left() + qRound(breiteste - labelspalte(c)));
        if (m != c->margins()) {
            c->setMargins(m);
            c->layout()->activate();
        }
    }
}

namespace {

// The part of `ziel` that a block of Blockbreite × hoehe scene units fills, proportions kept,
// centred horizontally and at the top.
QRectF eingepasst(const QRectF& ziel, double hoehe)
{
    const double s = std::min(ziel.width() / Blockbreite, ziel.height() / hoehe);
    return QRectF(ziel.left() + (ziel.width() - Blockbreite * s) / 2, ziel.top(), Blockbreite * s, hoehe * s);
}

// Lays the charts out in a scene of Blockbreite and draws the scene into `r`.
void szeneZeichnen(QPainter& maler, const QRectF& r, const std::vector<std::pair<QChart*, QRectF>>& charts, double hoehe)
{
    QGraphicsScene szene;
    QList<QChart*> liste;
    for (const auto& [chart, lage] : charts) {
        szene.addItem(chart); // the scene owns and deletes it
        chart->setGeometry(lage);
        liste.push_back(chart);
    }
    buendig(liste);
    szene.setSceneRect(0, 0, Blockbreite, hoehe);
    szene.render(&maler, r, szene.sceneRect(), Qt::IgnoreAspectRatio);
}

// Text in scene units, scaled like the charts.
void text(QPainter& maler, const QRectF& r, const QRectF& lage, const QString& t, int pixel, bool fett)
{
    const double s = r.width() / Blockbreite;
    maler.save();
    maler.translate(r.topLeft());
    maler.scale(s, s);
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixel);
    f.setBold(fett);
    maler.setFont(f);
    maler.setPen(Qt::black);
    maler.drawText(lage, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, t);
    maler.restore();
}

} // namespace

void Biegeblock_Zeichnen(QPainter& maler, const QRectF& ziel, const Biegedaten& d)
{
    const double hoehe = Skizzenhoehe + 3 * Diagrammhoehe + Hinweishoehe;
    const QRectF r = eingepasst(ziel, hoehe);
    const double s = r.width() / Blockbreite;
    // The sketch of the case, centred above the diagrams.
    if (d.fall >= 1 && d.fall <= 13) {
        const double b = Skizzenhoehe * 2 * s, h = Skizzenhoehe * s;
        Lastfallbild::zeichnen(maler, QRectF(r.left() + (r.width() - b) / 2, r.top(), b, h), Lastfallbild::biegung(d.fall));
    }
    const auto ergebnis = linienBerechnen(d);
    if (!ergebnis.linien) {
        text(maler, r, QRectF(20, Skizzenhoehe + 20, Blockbreite - 40, 60), QStringLiteral("Keine Verläufe: ") + ergebnis.grund,
            16, true);
        return;
    }
    const Linien& l = *ergebnis.linien;
    std::vector<std::pair<QChart*, QRectF>> charts;
    double y = Skizzenhoehe;
    for (Groesse g : {Groesse::Querkraft, Groesse::Moment, Groesse::Durchbiegung}) {
        if (g == Groesse::Durchbiegung && !l.hatDurchbiegung())
            break;
        charts.push_back({Biegediagramm(d, l, g), QRectF(0, y, Blockbreite, Diagrammhoehe)});
        y += Diagrammhoehe;
    }
    szeneZeichnen(maler, r, charts, hoehe);
    if (!l.hatDurchbiegung())
        text(maler, r, QRectF(20, y + 20, Blockbreite - 40, 60), ohneDurchbiegungHinweis(), 15, true);
    text(maler, r, QRectF(0, hoehe - Hinweishoehe, Blockbreite, Hinweishoehe), vorzeichenhinweis(), 12, false);
}

void Knickblock_Zeichnen(QPainter& maler, const QRectF& ziel, const Knickspannungslinie::Daten& d)
{
    const double diagramm = 560, hoehe = diagramm + 2 * Hinweishoehe;
    const QRectF r = eingepasst(ziel, hoehe);
    szeneZeichnen(maler, r, {{Knickdiagramm(d), QRectF(0, 0, Blockbreite, diagramm)}}, hoehe);
    text(maler, r, QRectF(0, diagramm, Blockbreite, 2 * Hinweishoehe), Knickhinweis(d), 13, true);
}

QString Knickhinweis(const Knickspannungslinie::Daten& d)
{
    QString zeile = Knickspannungslinie::Bereich(d);
    if (!Knickspannungslinie::hatTetmajer(d))
        zeile += QStringLiteral(" – Für diesen Werkstoff sind keine Tetmajer-Beiwerte gespeichert: nur die Euler-Hyperbel.");
    return zeile;
}

// --- The general beam: envelopes over all patterns of the variable loads --------------------

namespace {

using Einheit = Traegereinheiten::Groesse;

double laenge(const Traegerdaten& d, double x) { return Traegereinheiten::anzeigen(x, d.einheiten, Einheit::Laenge); }

// The smallest and greatest value of a line at a station, in the window's unit.
std::pair<double, double> huelle(const Traegerdaten& d, const Traegerrechnung::Station& s, Groesse g)
{
    switch (g) {
    case Groesse::Querkraft: {
        const double k = Traegereinheiten::faktor(d.einheiten, Einheit::Kraft);
        return {s.V_min / k, s.V_max / k};
    }
    case Groesse::Moment: {
        const double k = Traegereinheiten::faktor(d.einheiten, Einheit::Moment);
        return {s.M_min / k, s.M_max / k};
    }
    case Groesse::Durchbiegung:
        return {s.w_min, s.w_max};
    }
    return {0, 0};
}

QString traegerbetrag(const Traegerdaten& d, Groesse g, double v)
{
    // Written out up to twelve digits as the window's tables: a moment of a long beam in N·mm
    // reads "-13005937,50", not "-1,300594E+07".
    return fixiert(v, nachkomma(g), 12) + QLatin1Char(' ') + traegereinheit(d, g);
}

QString traegerstelle(const Traegerdaten& d, double x)
{
    const auto s = d.einheiten;
    return fixiert(laenge(d, x), s == Traegereinheiten::System::N_mm ? 1 : 3) + QLatin1Char(' ')
        + Traegereinheiten::name(s, Einheit::Laenge);
}

} // namespace

QString traegereinheit(const Traegerdaten& d, Groesse g)
{
    switch (g) {
    case Groesse::Querkraft:
        return Traegereinheiten::name(d.einheiten, Einheit::Kraft);
    case Groesse::Moment:
        return Traegereinheiten::name(d.einheiten, Einheit::Moment);
    case Groesse::Durchbiegung:
        return QStringLiteral("mm");
    }
    return {};
}

QChart* Traegerdiagramm_Leer()
{
    auto* c = new QChart;
    schrift(c);
    auto* ax = achse(QStringLiteral("x"), 0, 1, false);
    auto* ay = achse(QString(), -1, 1, false);
    c->addAxis(ax, Qt::AlignBottom);
    c->addAxis(ay, Qt::AlignLeft);
    auto* groesster = new QLineSeries(c);
    auto* kleinster = new QLineSeries(c);
    auto* band = new QAreaSeries(groesster, kleinster);
    band->setObjectName(QStringLiteral("huelle"));
    band->setPen(QPen(Linienfarbe, 2));
    QColor fuellung = Linienfarbe;
    fuellung.setAlpha(45);
    band->setBrush(fuellung);
    anAchsen(c, band, ax, ay);
    ohneLegende(c, band);
    auto* null = new QLineSeries;
    null->setObjectName(QStringLiteral("null"));
    null->setPen(QPen(Qt::black, 1));
    anAchsen(c, null, ax, ay);
    ohneLegende(c, null);
    for (const auto& [name, farbe, form] : {std::tuple {"max", Markenfarbe, QScatterSeries::MarkerShapeCircle},
             std::tuple {"min", Markenfarbe.darker(140), QScatterSeries::MarkerShapeRectangle}}) {
        QScatterSeries* s = marke(QString(), {}, farbe, form);
        s->setObjectName(QString::fromLatin1(name));
        s->clear();
        anAchsen(c, s, ax, ay);
    }
    return c;
}

void Traegerdiagramm_Fuellen(QChart* c, const Traegerdaten& d, Groesse g)
{
    const QString titelText = titel(g).section(QLatin1Char('['), 0, 0)
        + QStringLiteral("[%1] – Hüllkurven aus ständigen und "
                         "feldweise veränderlichen Lasten")
              .arg(traegereinheit(d, g));
    c->setTitle(titelText);
    QList<QPointF> oben, unten;
    Traegerrechnung::Extremwert groesster {0, -std::numeric_limits<double>::infinity()};
    Traegerrechnung::Extremwert kleinster {0, std::numeric_limits<double>::infinity()};
    for (const Traegerrechnung::Station& s : d.ergebnis.stationen) {
        const auto [min, max] = huelle(d, s, g);
        oben.append({laenge(d, s.x), max});
        unten.append({laenge(d, s.x), min});
        if (max > groesster.wert)
            groesster = {s.x, max};
        if (min < kleinster.wert)
            kleinster = {s.x, min};
    }
    if (g == Groesse::Durchbiegung) // each span's exact greatest deflection, which may lie between stations
        for (const Traegerrechnung::Abschnitt& a : d.ergebnis.abschnitte) {
            if (a.f > groesster.wert)
                groesster = {a.x, a.f};
            if (a.f < kleinster.wert)
                kleinster = {a.x, a.f};
        }
    if (g == Groesse::Moment) { // the exact extremes, which may lie between stations
        const double k = Traegereinheiten::faktor(d.einheiten, Einheit::Moment);
        groesster = {d.ergebnis.M_max.x, d.ergebnis.M_max.wert / k};
        kleinster = {d.ergebnis.M_min.x, d.ergebnis.M_min.wert / k};
    }
    if (oben.isEmpty())
        groesster = kleinster = {0, 0};
    auto* band = teil<QAreaSeries>(c, "huelle");
    band->upperSeries()->replace(oben);
    band->lowerSeries()->replace(unten);
    const double Lg = laenge(d, Traegerrechnung::Gesamtlaenge(d.eingabe));
    teil<QLineSeries>(c, "null")->replace(QList<QPointF> {{0, 0}, {Lg, 0}});

    const auto [von, bis] = bereich(kleinster.wert, groesster.wert);
    auto* ax = static_cast<QValueAxis*>(c->axes(Qt::Horizontal).first());
    ax->setTitleText(QStringLiteral("x [%1]").arg(Traegereinheiten::name(d.einheiten, Einheit::Laenge)));
    bereichSetzen(ax, 0, Lg);
    auto* ay = static_cast<QValueAxis*>(c->axes(Qt::Vertical).first());
    ay->setTitleText(symbol(g) + QStringLiteral(" [") + traegereinheit(d, g) + QLatin1Char(']'));
    bereichSetzen(ay, von, bis);
    ay->setReverse(g == Groesse::Durchbiegung); // downwards positive, drawn downwards
    ay->setLabelFormat(QStringLiteral("%.10g")); // moments in N·mm: "-10000000", not "-1e+07"

    const double schwelle = 1e-9 * std::max(std::abs(groesster.wert), std::abs(kleinster.wert));
    const auto name = [&](bool max, const Traegerrechnung::Extremwert& e) {
        return QStringLiteral("%1 %2 = %3 (x = %4)")
            .arg(max ? QStringLiteral("max") : QStringLiteral("min"), symbol(g), traegerbetrag(d, g, e.wert),
                traegerstelle(d, e.x));
    };
    punktSetzen(c, "max", groesster.wert > schwelle, name(true, groesster), {laenge(d, groesster.x), groesster.wert});
    punktSetzen(c, "min", kleinster.wert < -schwelle, name(false, kleinster), {laenge(d, kleinster.x), kleinster.wert});
}

QString traegerwertezeile(const Traegerdaten& d, double x)
{
    const auto& st = d.ergebnis.stationen;
    if (st.empty())
        return {};
    const auto naechste = std::min_element(
        st.begin(), st.end(), [x](const auto& a, const auto& b) { return std::abs(a.x - x) < std::abs(b.x - x); });
    auto spanne = [&](Groesse g) {
        const auto [min, max] = huelle(d, *naechste, g);
        return QStringLiteral("%1 = %2 … %3").arg(symbol(g), fixiert(min, nachkomma(g)), traegerbetrag(d, g, max));
    };
    QString t = QStringLiteral("x = %1:  %2,  %3")
                    .arg(traegerstelle(d, naechste->x), spanne(Groesse::Querkraft), spanne(Groesse::Moment));
    if (d.ergebnis.mitDurchbiegung)
        t += QStringLiteral(",  ") + spanne(Groesse::Durchbiegung);
    return t;
}

void Traegerblock_Zeichnen(QPainter& maler, const QRectF& ziel, const Traegerdaten& d)
{
    const double hoehe = Skizzenhoehe + 3 * Diagrammhoehe + Hinweishoehe;
    const QRectF r = eingepasst(ziel, hoehe);
    const double s = r.width() / Blockbreite;
    Traegerskizze::zeichnen(maler, QRectF(r.left(), r.top(), r.width(), Skizzenhoehe * s), d.eingabe, d.einheiten);
    std::vector<std::pair<QChart*, QRectF>> charts;
    double y = Skizzenhoehe;
    for (Groesse g : {Groesse::Querkraft, Groesse::Moment, Groesse::Durchbiegung}) {
        if (g == Groesse::Durchbiegung && !d.ergebnis.mitDurchbiegung)
            break;
        QChart* c = Traegerdiagramm_Leer();
        Traegerdiagramm_Fuellen(c, d, g);
        charts.push_back({c, QRectF(0, y, Blockbreite, Diagrammhoehe)});
        y += Diagrammhoehe;
    }
    szeneZeichnen(maler, r, charts, hoehe);
    if (!d.ergebnis.mitDurchbiegung)
        text(maler, r, QRectF(20, y + 20, Blockbreite - 40, 60), ohneDurchbiegungHinweis(), 15, true);
    text(maler, r, QRectF(0, hoehe - Hinweishoehe, Blockbreite, Hinweishoehe), vorzeichenhinweis(), 12, false);
}

} // namespace Diagramme
