// Writes the formula and units pictures of the formula viewer: formelbilder <Daten-Ordner>
//
// Every formula shown is the one the calculation dialogs compute, with their unit
// conversions: moments in N·mm, stresses in N/mm², section moduli divided by 10³ to cm³,
// moments of inertia typed in cm⁴ and multiplied by 10⁴ to mm⁴, line loads typed in N/m and
// divided by 1000 to N/mm.
#include "Formelsatz.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QTextLayout>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using Formelsatz::Kasten;

const QColor Tinte(20, 20, 20);
const QColor Grau(90, 90, 90);
const QColor Linie(170, 170, 170);

struct Eintrag {
    enum Art { Titel, Abschnitt, Formel, Text, Zeile, Kopf } art;
    QString a, b, c; // formula and note; or symbol, meaning and unit of a units row
};

using Seite = std::vector<Eintrag>;

Eintrag titel(const QString& t) { return {Eintrag::Titel, t, {}, {}}; }
Eintrag abschnitt(const QString& t) { return {Eintrag::Abschnitt, t, {}, {}}; }
Eintrag formel(const QString& f, const QString& notiz = {}) { return {Eintrag::Formel, f, notiz, {}}; }
Eintrag text(const QString& t) { return {Eintrag::Text, t, {}, {}}; }
Eintrag zeile(const QString& symbol, const QString& bedeutung, const QString& einheit)
{
    return {Eintrag::Zeile, symbol, bedeutung, einheit};
}

// Text with indices marked as in the formulas ("σ_S", "W_{x,erf}") as plain text with
// subscript ranges.
QTextLayout* mitIndizes(const QString& t, const QFont& f)
{
    QString klar;
    QList<QTextLayout::FormatRange> bereiche;
    for (int i = 0; i < t.size(); ++i) {
        if (t[i] != u'_' || i + 1 >= t.size()) {
            klar += t[i];
            continue;
        }
        QString index;
        if (t[i + 1] == u'{') {
            const int ende = t.indexOf(u'}', i + 2);
            index = t.mid(i + 2, ende - i - 2);
            i = ende;
        } else {
            index = t[++i];
        }
        QTextCharFormat format;
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        format.setFontItalic(false);
        bereiche.append({int(klar.size()), int(index.size()), format});
        klar += index;
    }
    auto* satz = new QTextLayout(klar, f);
    satz->setFormats(bereiche);
    return satz;
}

// Word-wrapped text; returns its height. Draws only when `p` is given.
double absatz(QPainter* p, const QString& t, const QFont& f, double x, double y, double breite, const QColor& farbe)
{
    std::unique_ptr<QTextLayout> zeiger(mitIndizes(t, f));
    QTextLayout& satz = *zeiger;
    satz.beginLayout();
    double h = 0;
    for (QTextLine z = satz.createLine(); z.isValid(); z = satz.createLine()) {
        z.setLineWidth(breite);
        z.setPosition(QPointF(0, h));
        h += z.height();
    }
    satz.endLayout();
    if (p) {
        p->setPen(farbe);
        satz.draw(p, QPointF(x, y));
    }
    return h;
}

// Lays out (and with a painter draws) a page at letter size g; returns the height used.
double setzeSeite(QPainter* p, const Seite& seite, double breite, double g)
{
    const double rand = 18, einzug = 26;
    const double nutzbar = breite - 2 * rand;
    double y = rand - 4;
    const QFont titelschrift = Formelsatz::schrift(g * 0.98, false, true);
    const QFont kopf = Formelsatz::schrift(g * 0.8, false, true);
    const QFont klein = Formelsatz::schrift(g * 0.76, true);
    const QFont tabelle = Formelsatz::schrift(g * 0.72);
    const double spalteSymbol = 78, spalteEinheit = 96;
    for (const Eintrag& e : seite) {
        switch (e.art) {
        case Eintrag::Titel: {
            y += absatz(p, e.a, titelschrift, rand, y, nutzbar, Tinte);
            y += g * 0.2;
            if (p) {
                p->fillRect(QRectF(rand, y, nutzbar, 1.5), Tinte);
            }
            y += g * 0.3;
            break;
        }
        case Eintrag::Abschnitt:
            y += g * 0.35;
            y += absatz(p, e.a, kopf, rand, y, nutzbar, Tinte);
            y += g * 0.1;
            break;
        case Eintrag::Formel: {
            const Kasten k = Formelsatz::setzen(e.a, g);
            const double notizX = einzug + rand + k.breite + g;
            const QFontMetricsF fm(klein);
            const double notizB = breite - rand - notizX;
            const bool daneben = !e.b.isEmpty() && absatz(nullptr, e.b, klein, 0, 0, notizB, Grau) < fm.height() * 1.5;
            if (p) {
                p->setPen(Tinte);
                k.malen(*p, QPointF(rand + einzug, y + k.ueber));
                if (daneben)
                    absatz(p, e.b, klein, notizX, y + k.ueber - fm.ascent(), notizB, Grau);
            }
            y += k.ueber + k.unter + g * 0.25;
            if (!e.b.isEmpty() && !daneben)
                y += absatz(p, e.b, klein, rand + einzug + g, y - g * 0.1, nutzbar - einzug - g, Grau) + g * 0.15;
            break;
        }
        case Eintrag::Text:
            y += g * 0.15;
            y += absatz(p, e.a, klein, rand, y, nutzbar, Grau) + g * 0.1;
            break;
        case Eintrag::Kopf: {
            const QFont fett = Formelsatz::schrift(g * 0.72, false, true);
            const double h = QFontMetricsF(fett).height() + g * 0.3;
            if (p) {
                const double oben = y + g * 0.15;
                absatz(p, QStringLiteral("Zeichen"), fett, rand + 4, oben, spalteSymbol, Tinte);
                absatz(p, QStringLiteral("Bedeutung"), fett, rand + spalteSymbol, oben, nutzbar, Tinte);
                absatz(p, QStringLiteral("Einheit"), fett, breite - rand - spalteEinheit + 6, oben, spalteEinheit, Tinte);
                p->fillRect(QRectF(rand, y + h, nutzbar, 1.2), Tinte);
            }
            y += h;
            break;
        }
        case Eintrag::Zeile: {
            const Kasten sym = Formelsatz::setzen(e.a, g * 0.9);
            const Kasten einheit = Formelsatz::setzen(QStringLiteral("\\rm{%1}").arg(e.c), g * 0.8);
            const double textB = nutzbar - spalteSymbol - spalteEinheit;
            const double textH = absatz(nullptr, e.b, tabelle, 0, 0, textB - 8, Tinte);
            const double h = std::max({sym.ueber + sym.unter, einheit.ueber + einheit.unter, textH}) + g * 0.3;
            if (p) {
                p->setPen(Tinte);
                const double grund = y + g * 0.15 + std::max(sym.ueber, QFontMetricsF(tabelle).ascent());
                sym.malen(*p, QPointF(rand + 4, grund));
                absatz(p, e.b, tabelle, rand + spalteSymbol, y + g * 0.15, textB - 8, Tinte);
                p->setPen(Tinte);
                einheit.malen(*p, QPointF(breite - rand - spalteEinheit + 6, grund));
                p->fillRect(QRectF(rand, y + h, nutzbar, 0.8), Linie);
            }
            y += h;
            break;
        }
        }
    }
    return y + rand;
}

// Renders at the largest letter size (up to 22 px) at which the page fits its box.
QImage seitenbild(const Seite& seite, const QSize& box)
{
    double g = 22;
    while (g > 12 && setzeSeite(nullptr, seite, box.width(), g) > box.height())
        g -= 0.5;
    QImage bild(box, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double hoehe = setzeSeite(&p, seite, box.width(), g);
    p.end();
    std::printf("  Schriftgröße %.1f px, Höhe %.0f von %d\n", g, hoehe, box.height());
    return bild;
}

// ------------------------------------------------------------------------------------------
// Bending

QString fallTitel(int fall, const QString& text) { return QStringLiteral("Lastfall %1: %2").arg(fall).arg(text); }

const QString Werf = QStringLiteral("W_{erf} = \\frac{M_{max}}{σ_{zul}·10^3}");
const QString WerfNotiz = QStringLiteral("in cm³ (N·mm / N/mm² = mm³; 1 cm³ = 10³ mm³)");
const QString Wxerf = QStringLiteral("W_{x,erf} = \\frac{\\abs{M(x)}}{σ_{zul}·10^3}");
const QString WxNotiz = QStringLiteral("in cm³; für x = 0 oder x > L ist W_{x,erf} = 0");
const QString LdurchF = QStringLiteral("\\frac{L}{f}");
const QString fNotiz = QStringLiteral("in mm (I in cm⁴, ·10⁴ ergibt mm⁴)");
const QString qZeile = QStringLiteral("q = \\frac{G}{1000}");
const QString qNotiz = QStringLiteral("Streckenlast G in N/m eingegeben, q in N/mm");

Seite biegung(int fall)
{
    const auto mmax = [](const QString& f, const QString& wo) { return formel(QStringLiteral("M_{max} = ") + f, wo); };
    const auto mx = [](const QString& f, const QString& bereich) { return formel(QStringLiteral("M(x) = ") + f, bereich); };
    const auto durchbiegung = [](const QString& f, const QString& wo) {
        return std::vector<Eintrag> {abschnitt(QStringLiteral("Durchbiegung ") + wo), formel(QStringLiteral("f = ") + f, fNotiz),
            formel(LdurchF, QStringLiteral("Verhältnis Stützweite zu Durchbiegung"))};
    };
    Seite s;
    const auto dazu = [&s](const std::vector<Eintrag>& teile) { s.insert(s.end(), teile.begin(), teile.end()); };
    const Eintrag kopfM = abschnitt(QStringLiteral("Größtes Biegemoment (in N·mm)"));
    const Eintrag kopfW = abschnitt(QStringLiteral("Erforderliches Widerstandsmoment"));
    const Eintrag kopfMx = abschnitt(QStringLiteral("Biegemoment und Widerstandsmoment an der Stelle x"));
    const QString symmetrisch = QStringLiteral("für L/2 < x ≤ L (symmetrisch)");

    switch (fall) {
    case 1:
        dazu({titel(fallTitel(1, QStringLiteral("Einseitig eingespannter Träger mit Einzellast am Ende"))), kopfM,
            mmax(QStringLiteral("F·L"), QStringLiteral("an der Einspannstelle")), kopfW, formel(Werf, WerfNotiz), kopfMx,
            mx(QStringLiteral("F·x"), QStringLiteral("x vom freien Ende, 0 < x ≤ L")), formel(Wxerf, WxNotiz)});
        dazu(durchbiegung(QStringLiteral("\\frac{F·L^3}{3·E·I·10^4}"), QStringLiteral("am freien Ende")));
        break;
    case 2:
        dazu({titel(fallTitel(2, QStringLiteral("Einseitig eingespannter Träger mit Gleichlast"))), formel(qZeile, qNotiz), kopfM,
            mmax(QStringLiteral("\\frac{q·L^2}{2}"), QStringLiteral("an der Einspannstelle")), kopfW, formel(Werf, WerfNotiz),
            kopfMx, mx(QStringLiteral("\\frac{q·x^2}{2}"), QStringLiteral("x vom freien Ende, 0 < x ≤ L")),
            formel(Wxerf, WxNotiz)});
        dazu(durchbiegung(QStringLiteral("\\frac{q·L^4}{8·E·I·10^4}"), QStringLiteral("am freien Ende")));
        break;
    case 3:
        dazu({titel(fallTitel(3, QStringLiteral("Aufgelegter Träger mit Einzellast in der Mitte"))), kopfM,
            mmax(QStringLiteral("\\frac{F·L}{4}"), QStringLiteral("in Trägermitte")), kopfW, formel(Werf, WerfNotiz), kopfMx,
            mx(QStringLiteral("\\frac{F·x}{2}"), QStringLiteral("für 0 < x ≤ L/2")),
            mx(QStringLiteral("\\frac{F·(L − x)}{2}"), symmetrisch), formel(Wxerf, WxNotiz)});
        dazu(durchbiegung(QStringLiteral("\\frac{F·L^3}{48·E·I·10^4}"), QStringLiteral("in Trägermitte")));
        break;
    case 4:
        dazu({titel(fallTitel(4, QStringLiteral("Beidseitig aufgelegter Träger mit nichtmittiger Einzellast"))),
            formel(QStringLiteral("b = L − a"), QStringLiteral("a: Abstand der Last vom linken Auflager")), kopfM,
            mmax(QStringLiteral("\\frac{F·a·b}{L}"), QStringLiteral("unter der Last")), kopfW, formel(Werf, WerfNotiz), kopfMx,
            mx(QStringLiteral("\\frac{F·b·x}{L}"), QStringLiteral("für 0 < x ≤ a")),
            mx(QStringLiteral("\\frac{F·a·(L − x)}{L}"), QStringLiteral("für a < x ≤ L")), formel(Wxerf, WxNotiz)});
        dazu(durchbiegung(QStringLiteral("\\frac{F·a^2·b^2}{3·E·I·L·10^4}"), QStringLiteral("unter der Last")));
        s.push_back(text(QStringLiteral("Für a ≠ b ist das nicht die größte Durchbiegung; diese liegt zwischen Last und "
                                        "Trägermitte.")));
        break;
    case 5:
        dazu({titel(fallTitel(5, QStringLiteral("Aufgelegter Träger mit Gleichlast"))), formel(qZeile, qNotiz), kopfM,
            mmax(QStringLiteral("\\frac{q·L^2}{8}"), QStringLiteral("in Trägermitte")), kopfW, formel(Werf, WerfNotiz), kopfMx,
            mx(QStringLiteral("\\frac{q·L·x}{2}·(1 − \\frac{x}{L})"), QStringLiteral("für 0 < x ≤ L")), formel(Wxerf, WxNotiz)});
        dazu(durchbiegung(QStringLiteral("\\frac{5·q·L^4}{384·E·I·10^4}"), QStringLiteral("in Trägermitte")));
        break;
    case 6:
        dazu({titel(fallTitel(6, QStringLiteral("Aufgelegter Träger mit nach rechts zunehmender Last"))),
            formel(QStringLiteral("F = GL"), QStringLiteral("Gesamtlast der Dreieckslast in N")), kopfM,
            mmax(QStringLiteral("\\frac{2}{9·\\sqrt{3}}·F·L ≈ 0,1283·F·L"), QStringLiteral("bei x = L/√3 ≈ 0,577·L")), kopfW,
            formel(Werf, WerfNotiz), kopfMx,
            mx(QStringLiteral("\\frac{F·x}{3}·(1 − \\frac{x^2}{L^2})"), QStringLiteral("für 0 < x ≤ L, x vom lastfreien Ende")),
            formel(Wxerf, WxNotiz)});
        dazu(durchbiegung(QStringLiteral("\\frac{0,01304·F·L^3}{E·I·10^4}"), QStringLiteral("(größter Wert)")));
        break;
    case 7:
        dazu({titel(fallTitel(7, QStringLiteral("Aufgelegter Träger mit dreiecksförmiger Last"))),
            formel(QStringLiteral("F = GL"), QStringLiteral("Gesamtlast der Dreieckslast in N")), kopfM,
            mmax(QStringLiteral("\\frac{F·L}{6}"), QStringLiteral("in Trägermitte")), kopfW, formel(Werf, WerfNotiz), kopfMx,
            mx(QStringLiteral("F·x·(\\frac{1}{2} − \\frac{2·x^2}{3·L^2})"), QStringLiteral("für 0 < x ≤ L/2")),
            mx(QStringLiteral("F·(L − x)·(\\frac{1}{2} − \\frac{2·(L − x)^2}{3·L^2})"), symmetrisch), formel(Wxerf, WxNotiz)});
        dazu(durchbiegung(QStringLiteral("\\frac{F·L^3}{60·E·I·10^4}"), QStringLiteral("in Trägermitte")));
        break;
    case 8:
        dazu({titel(fallTitel(8,
                  QStringLiteral("Beidseitig aufgelegter Träger mit zwei gleichen Einzellasten an den Enden, "
                                 "Auflager nicht am Rand"))),
            text(QStringLiteral("L: Abstand der Auflager, a: Länge jedes Kragarms, F an beiden freien Enden")), kopfM,
            mmax(QStringLiteral("F·a"), QStringLiteral("zwischen den Auflagern konstant")), kopfW,
            formel(QStringLiteral("W_{erf} = \\frac{\\abs{F·a}}{σ_{zul}·10^3}"), WerfNotiz),
            abschnitt(QStringLiteral("Durchbiegung")),
            formel(QStringLiteral("f_{Rand} = \\frac{F·a^2}{3·E·I·10^4}·(\\frac{3·L}{2} + a)"),
                QStringLiteral("an den freien Enden")),
            formel(QStringLiteral("f_{Mitte} = \\frac{F·a·L^2}{8·E·I·10^4}"), QStringLiteral("in Trägermitte (nach oben)")),
            formel(QStringLiteral("f = \\max(f_{Rand}, f_{Mitte})"), fNotiz),
            formel(LdurchF, QStringLiteral("Verhältnis Auflagerabstand zu Durchbiegung"))});
        break;
    case 9:
        dazu({titel(fallTitel(9, QStringLiteral("Beidseitig aufgelegter Träger mit Gleichlast, Auflager nicht am Rand"))),
            formel(qZeile + QStringLiteral(" \\qquad l = L − 2·a"), QStringLiteral("G in N/m, q in N/mm; l: Stützweite")),
            abschnitt(QStringLiteral("Biegemomente (in N·mm) und erforderliches Widerstandsmoment")),
            formel(QStringLiteral("M_{Mitte} = \\frac{q·L}{2}·(\\frac{L}{4} − a) \\qquad M_{Auflager} = \\frac{q·a^2}{2}"),
                QStringLiteral("in der Mitte, über den Auflagern")),
            formel(QStringLiteral("W_{erf} = \\frac{\\max(M_{Mitte}, M_{Auflager})}{σ_{zul}·10^3}"), QStringLiteral("in cm³")),
            abschnitt(QStringLiteral("Biegemoment an der Stelle x (x vom Trägerende)")),
            mx(QStringLiteral("\\frac{q·x^2}{2}"), QStringLiteral("für 0 < x ≤ a")),
            mx(QStringLiteral("\\frac{q·L·x}{2}·(1 − \\frac{a}{x} − \\frac{x}{L})"), QStringLiteral("für a < x < L − a")),
            mx(QStringLiteral("\\frac{q·(L − x)^2}{2}"), QStringLiteral("für L − a ≤ x ≤ L")),
            formel(Wxerf, QStringLiteral("in cm³")), abschnitt(QStringLiteral("Durchbiegung")),
            formel(QStringLiteral("f_{Mitte} = \\frac{q·l^2·(5·l^2 − 24·a^2)}{384·E·I·10^4}"), QStringLiteral("in Trägermitte")),
            formel(QStringLiteral("f_{Rand} = \\frac{q·a·(3·a^3 + 6·a^2·l − l^3)}{24·E·I·10^4}"), QStringLiteral("an den Enden")),
            formel(QStringLiteral("f = \\max(f_{Mitte}, f_{Rand}) \\qquad \\frac{L}{f}"),
                QStringLiteral("in mm, nach unten positiv; I in cm⁴, ·10⁴ ergibt mm⁴"))});
        break;
    case 10:
        dazu({titel(fallTitel(10, QStringLiteral("Beidseitig eingespannter Träger mit Einzellast in der Mitte"))), kopfM,
            mmax(QStringLiteral("\\frac{F·L}{8}"), QStringLiteral("an den Einspannstellen und in der Mitte")), kopfW,
            formel(Werf, WerfNotiz), kopfMx,
            mx(QStringLiteral("\\frac{F·L}{2}·(\\frac{x}{L} − \\frac{1}{4})"), QStringLiteral("für 0 < x ≤ L/2")),
            mx(QStringLiteral("\\frac{F·L}{2}·(\\frac{L − x}{L} − \\frac{1}{4})"), symmetrisch), formel(Wxerf, WxNotiz)});
        dazu(durchbiegung(QStringLiteral("\\frac{F·L^3}{192·E·I·10^4}"), QStringLiteral("in Trägermitte")));
        break;
    case 11:
        dazu({titel(fallTitel(11, QStringLiteral("Beidseitig eingespannter Träger mit Gleichlast"))), formel(qZeile, qNotiz),
            kopfM, mmax(QStringLiteral("\\frac{q·L^2}{12}"), QStringLiteral("an den Einspannstellen")), kopfW,
            formel(Werf, WerfNotiz), kopfMx,
            mx(QStringLiteral("\\frac{q·L^2}{2}·(\\frac{x^2}{L^2} − \\frac{x}{L} + \\frac{1}{6})"),
                QStringLiteral("für 0 < x ≤ L")),
            formel(Wxerf, WxNotiz)});
        dazu(durchbiegung(QStringLiteral("\\frac{q·L^4}{384·E·I·10^4}"), QStringLiteral("in Trägermitte")));
        break;
    case 12:
        dazu({titel(fallTitel(12,
                  QStringLiteral("Einseitig aufgelegter, einseitig eingespannter Träger mit nichtmittiger "
                                 "Einzellast"))),
            formel(QStringLiteral("b = L − a"), QStringLiteral("a: Abstand der Last vom Auflager")),
            abschnitt(QStringLiteral("Biegemomente (in N·mm) und erforderliches Widerstandsmoment")),
            formel(QStringLiteral("M_{Einsp} = \\frac{F·a·(L^2 − a^2)}{2·L^2}"), QStringLiteral("an der Einspannstelle")),
            formel(QStringLiteral("M_{F} = \\frac{F·a}{2}·(\\frac{a^3}{L^3} + 2 − \\frac{3·a}{L})"),
                QStringLiteral("unter der Last")),
            formel(QStringLiteral("W_{erf} = \\frac{\\abs{\\max(M_{Einsp}, M_{F})}}{σ_{zul}·10^3}"), QStringLiteral("in cm³")),
            abschnitt(QStringLiteral("Durchbiegung unter der Last")),
            formel(QStringLiteral("f = \\frac{F·a^2·b^3·(4·L − b)}{12·E·I·L^3·10^4}"), fNotiz),
            formel(LdurchF, QStringLiteral("Verhältnis Stützweite zu Durchbiegung")),
            text(QStringLiteral("Das ist nicht die größte Durchbiegung des Trägers."))});
        break;
    case 13:
        dazu({titel(fallTitel(13, QStringLiteral("Einseitig aufgelegter, einseitig eingespannter Träger mit Gleichlast"))),
            formel(qZeile, qNotiz), kopfM, mmax(QStringLiteral("\\frac{q·L^2}{8}"), QStringLiteral("an der Einspannstelle")),
            kopfW, formel(Werf, WerfNotiz), kopfMx,
            mx(QStringLiteral("\\frac{q·x}{8}·(3·L − 4·x)"), QStringLiteral("x vom Auflager, 0 < x ≤ L")),
            formel(Wxerf, WxNotiz)});
        dazu(durchbiegung(QStringLiteral("\\frac{q·L^4}{185·E·I·10^4}"), QStringLiteral("(größter Wert)")));
        break;
    }
    return s;
}

Seite scherung()
{
    return {titel(QStringLiteral("Berechnung auf Abscherung")), abschnitt(QStringLiteral("Erforderlicher Querschnitt")),
        formel(QStringLiteral("A_{erf} = \\frac{F}{σ_{zul}}"), QStringLiteral("in mm² (N / N/mm²)")),
        abschnitt(QStringLiteral("Zulässige Spannung (Vorgabe)")),
        formel(QStringLiteral("σ_{zul} = \\frac{σ_{S}}{2}"), QStringLiteral("für Holz; σ_S wie im Hauptfenster angezeigt")),
        formel(QStringLiteral("σ_{zul} = \\frac{σ_{B}}{3}"), QStringLiteral("sonst, bei der Werkstoffwahl gesetzt")),
        text(QStringLiteral("Für andere Werkstoffe gilt der zuletzt verwendete Wert, solange kein anderer Werkstoff "
                            "gewählt wird. Die Vorgabe kann im Eingabefeld überschrieben werden.")),
        abschnitt(QStringLiteral("Vergleich mit dem gewählten Profil")),
        formel(QStringLiteral("A ≥ A_{erf}"), QStringLiteral("Querschnitt des Profils in mm²"))};
}

Seite knickung()
{
    return {titel(QStringLiteral("Knickung nach Euler und Tetmajer")), abschnitt(QStringLiteral("Knicklänge")),
        formel(QStringLiteral("L_{k} = L \\qquad L_{k} = 2·L \\qquad L_{k} = 0,7·L \\qquad L_{k} = 0,5·L"),
            QStringLiteral("Fall 1, 2, 3, 4")),
        abschnitt(QStringLiteral("Erforderliches Trägheitsmoment (Euler)")),
        formel(QStringLiteral("I_{erf} = \\frac{ν_{gew}·F·L_{k}^2}{π^2·E·10^4}"), QStringLiteral("in cm⁴")),
        abschnitt(QStringLiteral("Schlankheitsgrad")),
        formel(QStringLiteral("λ = \\frac{L_{k}}{i} \\qquad i = \\sqrt{\\frac{I·10^4}{A}}"), QStringLiteral("i in mm")),
        formel(QStringLiteral("λ_{0} = π·\\sqrt{\\frac{E}{σ_{P}}}"), QStringLiteral("Grenzschlankheitsgrad")),
        abschnitt(QStringLiteral("Knickspannung")),
        formel(QStringLiteral("σ_{K} = \\frac{π^2·E}{λ^2}"), QStringLiteral("Euler, für λ ≥ λ₀")),
        formel(QStringLiteral("σ_{K} = a − b·λ"), QStringLiteral("Tetmajer, für λ < λ₀")),
        abschnitt(QStringLiteral("Vorhandene Spannung und Knicksicherheit")), formel(QStringLiteral("σ = \\frac{F}{A}")),
        formel(QStringLiteral("ν_{K} = \\frac{\\min(σ_{K}, σ_{P})}{σ}"), QStringLiteral("mit der kleineren von σ_K und σ_P")),
        text(QStringLiteral("Im Tetmajer-Bereich ist σ_K größer als σ_P; die Sicherheit wird dann mit der "
                            "Proportionalitätsgrenze σ_P gerechnet (auf der sicheren Seite).")),
        text(QStringLiteral("ν_K < 1: der Träger versagt; ν_K < ν_{gew}: gewünschte Knicksicherheit nicht erreicht."))};
}

// ------------------------------------------------------------------------------------------
// The general beam: the three-moment equation, by which its support moments can be checked by
// hand (the program itself solves the whole beam exactly).

Seite traeger()
{
    return {titel(QStringLiteral("Träger mit beliebigen Lasten – Dreimomentensatz")),
        abschnitt(QStringLiteral("Stützmomente (E·I in allen Feldern gleich)")),
        formel(QStringLiteral("M_{i−1}·l_i + 2·M_i·(l_i + l_{i+1}) + M_{i+1}·l_{i+1} = −6·(\\frac{A_i·a_i}{l_i} + "
                              "\\frac{A_{i+1}·b_{i+1}}{l_{i+1}})"),
            QStringLiteral("für jede Innenstütze i")),
        text(QStringLiteral("A_i: Fläche der Momentenlinie des Feldes i als Einfeldträger; a_i: Abstand ihres Schwerpunkts vom "
                            "linken Ende des Feldes i, b_{i+1}: vom rechten Ende des Feldes i+1.")),
        abschnitt(QStringLiteral("Belastungsglieder 6·A·a/l (linke Seite) und 6·A·b/l (rechte Seite)")),
        formel(QStringLiteral("\\frac{q·l^3}{4}"), QStringLiteral("Streckenlast q über das ganze Feld, beide Glieder")),
        formel(QStringLiteral("\\frac{F·a·b·(l + a)}{l}"),
            QStringLiteral("Einzellast F, a vom linken Feldende, b = l − a: 6·A·a/l")),
        formel(QStringLiteral("\\frac{F·a·b·(l + b)}{l}"), QStringLiteral("dieselbe Last: 6·A·b/l")),
        abschnitt(QStringLiteral("Ränder")),
        text(QStringLiteral("Gelenkiges Ende: M = 0. Eingespanntes Ende: ein gedachtes Feld der Länge 0 davor, also "
                            "2·M_0·l_1 + M_1·l_1 = −6·A_1·b_1/l_1. Kragarm der Länge k: das Stützmoment folgt aus seinen "
                            "Lasten allein, z. B. M = −q·k²/2.")),
        abschnitt(QStringLiteral("Schnittgrößen, Bemessung, Durchbiegung")),
        formel(QStringLiteral("M(x) = M_0(x) + M_{i−1}·(1 − \\frac{x}{l_i}) + M_i·\\frac{x}{l_i}"),
            QStringLiteral("M_0: Moment des Einfeldträgers")),
        formel(QStringLiteral("W_{erf} = \\frac{max~\\abs{M}}{σ_{zul}·10^3}"), QStringLiteral("in cm³")),
        formel(QStringLiteral("\\frac{L}{f} ≥ n"), QStringLiteral("je Feld L = l_i, je Kragarm L = 2·k")),
        text(QStringLiteral("Veränderliche Lasten (Q) feldweise ungünstig: jede Belastung der Felder und Kragarme wird "
                            "gerechnet, gezeigt werden die Hüllkurven. Das Programm rechnet exakt über die Biegelinie des "
                            "ganzen Trägers und prüft das Gleichgewicht; der Dreimomentensatz dient der Kontrolle von Hand."))};
}

// ------------------------------------------------------------------------------------------
// Units

std::vector<Eintrag> kopfzeile() { return {{Eintrag::Kopf, {}, {}, {}}}; }

Seite einheiten(int art)
{
    Seite s;
    const auto dazu = [&s](const std::vector<Eintrag>& teile) { s.insert(s.end(), teile.begin(), teile.end()); };
    const std::vector<Eintrag> biegungGemeinsam = {
        zeile(QStringLiteral("L"), QStringLiteral("Länge bzw. Stützweite des Trägers"), QStringLiteral("mm")),
        zeile(QStringLiteral("x"), QStringLiteral("Stelle, an der das Widerstandsmoment berechnet wird"), QStringLiteral("mm")),
        zeile(QStringLiteral("M_{max}"), QStringLiteral("größtes Biegemoment"), QStringLiteral("N·mm")),
        zeile(QStringLiteral("M(x)"), QStringLiteral("Biegemoment an der Stelle x"), QStringLiteral("N·mm")),
        zeile(QStringLiteral("σ_{zul}"), QStringLiteral("zulässige Biegespannung"), QStringLiteral("N/mm^2")),
        zeile(QStringLiteral("W_{erf}"), QStringLiteral("erforderliches Widerstandsmoment"), QStringLiteral("cm^3")),
        zeile(QStringLiteral("W_{x,erf}"), QStringLiteral("erforderliches Widerstandsmoment an der Stelle x"),
            QStringLiteral("cm^3")),
        zeile(QStringLiteral("E"), QStringLiteral("Elastizitätsmodul des Werkstoffs"), QStringLiteral("N/mm^2")),
        zeile(QStringLiteral("I"), QStringLiteral("Flächenträgheitsmoment des Profils"), QStringLiteral("cm^4")),
        zeile(QStringLiteral("f"), QStringLiteral("Durchbiegung"), QStringLiteral("mm")),
        zeile(QStringLiteral("L/f"), QStringLiteral("Verhältnis Länge zu Durchbiegung"), QStringLiteral("–"))};
    const Eintrag umrechnung = text(QStringLiteral("Umrechnungen in den Formeln: 1 cm³ = 10³ mm³ (Widerstandsmoment), "
                                                   "1 cm⁴ = 10⁴ mm⁴ (Trägheitsmoment)."));
    switch (art) {
    case 1:
        dazu({titel(QStringLiteral("Einheiten – Lastfälle mit Einzellasten")), kopfzeile()[0],
            zeile(QStringLiteral("F"), QStringLiteral("Einzellast (Kraft)"), QStringLiteral("N")),
            zeile(QStringLiteral("a"), QStringLiteral("Abstand der Last vom Auflager bzw. Länge des Kragarms (Fälle 4, 8, 12)"),
                QStringLiteral("mm")),
            zeile(QStringLiteral("b"), QStringLiteral("b = L − a (Fälle 4, 12)"), QStringLiteral("mm"))});
        dazu(biegungGemeinsam);
        s.push_back(umrechnung);
        break;
    case 2:
        dazu({titel(QStringLiteral("Einheiten – Lastfälle mit Streckenlast")), kopfzeile()[0],
            zeile(QStringLiteral("G"), QStringLiteral("Streckenlast (Gleichlast), wie eingegeben"), QStringLiteral("N/m")),
            zeile(QStringLiteral("q"), QStringLiteral("Streckenlast in den Formeln: q = G / 1000"), QStringLiteral("N/mm")),
            zeile(QStringLiteral("a"), QStringLiteral("Länge der Kragarme (Fall 9)"), QStringLiteral("mm")),
            zeile(QStringLiteral("l"), QStringLiteral("Stützweite zwischen den Auflagern, l = L − 2·a (Fall 9)"),
                QStringLiteral("mm"))});
        dazu(biegungGemeinsam);
        s.push_back(umrechnung);
        break;
    case 3:
        dazu({titel(QStringLiteral("Einheiten – Lastfälle mit Gesamtlast")), kopfzeile()[0],
            zeile(QStringLiteral("F"), QStringLiteral("Gesamtlast GL: Summe der dreieckförmig verteilten Last"),
                QStringLiteral("N"))});
        dazu(biegungGemeinsam);
        s.push_back(umrechnung);
        break;
    case 20:
        dazu({titel(QStringLiteral("Einheiten – Abscherung")), kopfzeile()[0],
            zeile(QStringLiteral("F"), QStringLiteral("Scherkraft (Last quer zum Bolzen)"), QStringLiteral("N")),
            zeile(QStringLiteral("σ_{zul}"), QStringLiteral("zulässige Scherspannung"), QStringLiteral("N/mm^2")),
            zeile(QStringLiteral("σ_{S}"), QStringLiteral("Scherfestigkeit des Werkstoffs (Werkstoffdatenbank)"),
                QStringLiteral("N/mm^2")),
            zeile(QStringLiteral("σ_{B}"), QStringLiteral("Zugfestigkeit des Werkstoffs"), QStringLiteral("N/mm^2")),
            zeile(QStringLiteral("A_{erf}"), QStringLiteral("erforderliche Querschnittsfläche"), QStringLiteral("mm^2")),
            zeile(QStringLiteral("A"), QStringLiteral("Querschnittsfläche des gewählten Profils"), QStringLiteral("mm^2"))});
        break;
    case 30:
        dazu({titel(QStringLiteral("Einheiten – Knickung")), kopfzeile()[0],
            zeile(QStringLiteral("F"), QStringLiteral("Druckkraft in Stabachse"), QStringLiteral("N")),
            zeile(QStringLiteral("L"), QStringLiteral("Länge des Stabes"), QStringLiteral("mm")),
            zeile(QStringLiteral("L_{k}"), QStringLiteral("Knicklänge (nach Lagerungsfall)"), QStringLiteral("mm")),
            zeile(QStringLiteral("E"), QStringLiteral("Elastizitätsmodul"), QStringLiteral("N/mm^2")),
            zeile(QStringLiteral("I"), QStringLiteral("Flächenträgheitsmoment des Profils"), QStringLiteral("cm^4")),
            zeile(QStringLiteral("I_{erf}"), QStringLiteral("erforderliches Trägheitsmoment"), QStringLiteral("cm^4")),
            zeile(QStringLiteral("A"), QStringLiteral("Querschnittsfläche des Profils"), QStringLiteral("mm^2")),
            zeile(QStringLiteral("i"), QStringLiteral("Trägheitsradius"), QStringLiteral("mm")),
            zeile(QStringLiteral("λ"), QStringLiteral("Schlankheitsgrad"), QStringLiteral("–")),
            zeile(QStringLiteral("λ_{0}"), QStringLiteral("Grenzschlankheitsgrad des Werkstoffs"), QStringLiteral("–")),
            zeile(QStringLiteral("σ_{P}"), QStringLiteral("Proportionalitätsgrenze"), QStringLiteral("N/mm^2")),
            zeile(QStringLiteral("σ_{K}"), QStringLiteral("Knickspannung"), QStringLiteral("N/mm^2")),
            zeile(QStringLiteral("σ"), QStringLiteral("vorhandene Druckspannung"), QStringLiteral("N/mm^2")),
            zeile(QStringLiteral("a, b"), QStringLiteral("Werte der Tetmajer-Geraden (Werkstoffdatenbank)"),
                QStringLiteral("N/mm^2")),
            zeile(QStringLiteral("ν_{gew}"), QStringLiteral("gewünschte Knicksicherheit"), QStringLiteral("–")),
            zeile(QStringLiteral("ν_{K}"), QStringLiteral("vorhandene Knicksicherheit"), QStringLiteral("–"))});
        s.push_back(text(QStringLiteral("1 cm⁴ = 10⁴ mm⁴.")));
        break;
    case 40:
        dazu({titel(QStringLiteral("Einheiten – Träger mit beliebigen Lasten")), kopfzeile()[0],
            zeile(QStringLiteral("l_i"), QStringLiteral("Stützweite des Feldes i"), QStringLiteral("mm")),
            zeile(QStringLiteral("k"), QStringLiteral("Länge eines Kragarms"), QStringLiteral("mm")),
            zeile(QStringLiteral("M_i"), QStringLiteral("Stützmoment an der Stütze i"), QStringLiteral("N·mm")),
            zeile(QStringLiteral("F"), QStringLiteral("Einzellast, nach unten positiv"), QStringLiteral("N")),
            zeile(QStringLiteral("q"), QStringLiteral("Streckenlast; eingegeben in N/m, in den Formeln q/1000"),
                QStringLiteral("N/mm")),
            zeile(QStringLiteral("M"), QStringLiteral("Moment als Last, im Uhrzeigersinn positiv"), QStringLiteral("N·mm")),
            zeile(QStringLiteral("A_i"), QStringLiteral("Fläche der Momentenlinie des Einfeldträgers"), QStringLiteral("N·mm^2")),
            zeile(QStringLiteral("a, b"), QStringLiteral("Abstände im Feld"), QStringLiteral("mm")),
            zeile(QStringLiteral("x"), QStringLiteral("Stelle im Feld"), QStringLiteral("mm")),
            zeile(QStringLiteral("σ_{zul}"), QStringLiteral("zulässige Biegespannung"), QStringLiteral("N/mm^2")),
            zeile(QStringLiteral("W_{erf}"), QStringLiteral("erforderliches Widerstandsmoment"), QStringLiteral("cm^3")),
            zeile(QStringLiteral("E"), QStringLiteral("Elastizitätsmodul des Werkstoffs"), QStringLiteral("N/mm^2")),
            zeile(QStringLiteral("I"), QStringLiteral("Flächenträgheitsmoment des Profils"), QStringLiteral("cm^4")),
            zeile(QStringLiteral("f"), QStringLiteral("Durchbiegung"), QStringLiteral("mm")),
            zeile(QStringLiteral("n"), QStringLiteral("Grenze L/f (L/200 … L/500)"), QStringLiteral("–"))});
        s.push_back(text(QStringLiteral("Im Fenster wahlweise kN, m, kN/m und kN·m; gerechnet wird in N, mm, N/mm und N·mm.")));
        break;
    }
    return s;
}

bool schreiben(const QImage& bild, const QString& pfad)
{
    std::printf("%s\n", qPrintable(pfad));
    QImageWriter schreiber(pfad, "jpeg");
    schreiber.setQuality(95);
    if (schreiber.write(bild))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(pfad), qPrintable(schreiber.errorString()));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication anwendung(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: formelbilder <Daten-Ordner>\n");
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    const QSize formelBox(657, 681), einheitenBox(553, 681);
    bool gut = true;
    for (int fall = 1; fall <= 13; ++fall)
        gut &= schreiben(seitenbild(biegung(fall), formelBox), ziel.filePath(QStringLiteral("Formel%1.JPG").arg(fall)));
    gut &= schreiben(seitenbild(scherung(), formelBox), ziel.filePath(QStringLiteral("Formel20.JPG")));
    gut &= schreiben(seitenbild(knickung(), formelBox), ziel.filePath(QStringLiteral("Formel30.JPG")));
    gut &= schreiben(seitenbild(traeger(), formelBox), ziel.filePath(QStringLiteral("Formel40.JPG")));
    for (int art : {1, 2, 3, 20, 30, 40})
        gut &= schreiben(seitenbild(einheiten(art), einheitenBox), ziel.filePath(QStringLiteral("Einheiten%1.JPG").arg(art)));
    return gut ? 0 : 1;
}
