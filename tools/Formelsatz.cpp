#include "Formelsatz.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace Formelsatz {

QString schriftart()
{
    // A book face: Century Schoolbook where installed, else a serif the system has.
    const QStringList vorhanden = QFontDatabase::families();
    for (const char* name : {"C059", "TeX Gyre Schola", "Century Schoolbook L", "DejaVu Serif"})
        for (const QString& familie : vorhanden)
            if (familie == QLatin1String(name) || familie.startsWith(QLatin1String(name) + QLatin1String(" [")))
                return QString::fromLatin1(name);
    return QStringLiteral("serif");
}

QFont schrift(double groesse, bool kursiv, bool fett)
{
    QFont f(schriftart());
    f.setPixelSize(std::max(1, int(groesse + 0.5)));
    f.setItalic(kursiv);
    f.setBold(fett);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

namespace {

constexpr double Ueber = 0.70, Unter = 0.22; // letter height above and below the baseline, per size

Kasten leer(double breite)
{
    return Kasten {breite, 0, 0, [](QPainter&, QPointF) {}};
}

Kasten zeichen(const QString& text, double g, bool kursiv)
{
    const QFont f = schrift(g, kursiv);
    const double b = QFontMetricsF(f).horizontalAdvance(text) + (kursiv ? 0.06 * g : 0);
    return Kasten {b, Ueber * g, Unter * g, [=](QPainter& p, QPointF o) {
                       p.setFont(f);
                       p.drawText(o, text);
                   }};
}

Kasten reihe(std::vector<Kasten> teile)
{
    Kasten k;
    for (const Kasten& t : teile) {
        k.breite += t.breite;
        k.ueber = std::max(k.ueber, t.ueber);
        k.unter = std::max(k.unter, t.unter);
    }
    k.malen = [teile](QPainter& p, QPointF o) {
        for (const Kasten& t : teile) {
            t.malen(p, o);
            o.rx() += t.breite;
        }
    };
    return k;
}

Kasten bruch(const Kasten& z, const Kasten& n, double g)
{
    const double achse = 0.27 * g, dicke = std::max(1.0, 0.05 * g), luft = 0.16 * g, rand = 0.12 * g;
    const double b = std::max(z.breite, n.breite) + 2 * rand;
    const double zy = -(achse + dicke / 2 + luft + z.unter);
    const double ny = -achse + dicke / 2 + luft + n.ueber;
    Kasten k {b + 0.16 * g, -zy + z.ueber, ny + n.unter, {}};
    k.malen = [=](QPainter& p, QPointF o) {
        o.rx() += 0.08 * g;
        z.malen(p, QPointF(o.x() + (b - z.breite) / 2, o.y() + zy));
        n.malen(p, QPointF(o.x() + (b - n.breite) / 2, o.y() + ny));
        p.fillRect(QRectF(o.x(), o.y() - achse - dicke / 2, b, dicke), p.pen().color());
    };
    return k;
}

Kasten wurzel(const Kasten& c, double g)
{
    const double oben = c.ueber + 0.14 * g, unten = c.unter + 0.04 * g, zeichenB = 0.55 * g, luft = 0.08 * g;
    const double dicke = std::max(1.0, 0.05 * g);
    Kasten k {zeichenB + c.breite + 2 * luft, oben + dicke, unten, {}};
    k.malen = [=](QPainter& p, QPointF o) {
        const double mitte = o.y() + unten - 0.42 * (oben + unten);
        QPainterPath pfad;
        pfad.moveTo(o.x() + 0.02 * g, mitte + 0.05 * g);
        pfad.lineTo(o.x() + 0.14 * g, mitte - 0.03 * g);
        pfad.lineTo(o.x() + 0.3 * g, o.y() + unten);
        pfad.lineTo(o.x() + zeichenB, o.y() - oben);
        pfad.lineTo(o.x() + zeichenB + c.breite + 2 * luft, o.y() - oben);
        p.save();
        p.setPen(QPen(p.pen().color(), dicke, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPath(pfad);
        p.restore();
        c.malen(p, QPointF(o.x() + zeichenB + luft, o.y()));
    };
    return k;
}

// Parentheses or bars around c; tall content gets drawn brackets of its height.
Kasten klammer(const Kasten& c, double g, QChar art)
{
    const bool flach = c.ueber <= 0.8 * g && c.unter <= 0.4 * g;
    if (flach && art == u'(')
        return reihe({zeichen(QStringLiteral("("), g, false), c, zeichen(QStringLiteral(")"), g, false)});
    const double oben = std::max(c.ueber, Ueber * g) + 0.1 * g, unten = std::max(c.unter, Unter * g) + 0.08 * g;
    const double b = art == u'(' ? 0.36 * g : 0.22 * g;
    Kasten k {2 * b + c.breite, oben, unten, {}};
    k.malen = [=](QPainter& p, QPointF o) {
        const QColor farbe = p.pen().color();
        const double dick = 0.09 * g, duenn = 0.025 * g;
        for (int seite = 0; seite < 2; ++seite) {
            const double x = seite == 0 ? o.x() : o.x() + b + c.breite;
            const double s = seite == 0 ? 1 : -1; // opening direction
            if (art == u'(') {
                const double aussen = seite == 0 ? x + 0.06 * g : x + b - 0.06 * g;
                const double spitze = seite == 0 ? x + b - 0.04 * g : x + 0.04 * g;
                QPainterPath pfad;
                pfad.moveTo(spitze, o.y() - oben);
                pfad.quadTo(aussen - s * 0.02 * g, o.y() + (unten - oben) / 2, spitze, o.y() + unten);
                pfad.lineTo(spitze + s * duenn, o.y() + unten);
                pfad.quadTo(aussen + s * 2 * dick, o.y() + (unten - oben) / 2, spitze + s * duenn, o.y() - oben);
                pfad.closeSubpath();
                p.fillPath(pfad, farbe);
            } else {
                p.fillRect(QRectF(x + b / 2 - 0.03 * g, o.y() - oben, 0.06 * g, oben + unten), farbe);
            }
        }
        c.malen(p, QPointF(o.x() + b, o.y()));
    };
    return k;
}

Kasten skripte(const Kasten& basis, const Kasten* hoch, const Kasten* tief, double g)
{
    double hebung = 0, senkung = 0, breite = 0;
    if (hoch) {
        hebung = std::max(0.42 * g, basis.ueber - 0.55 * hoch->ueber);
        breite = hoch->breite;
    }
    if (tief) {
        senkung = std::max(0.2 * g, basis.unter - 0.3 * tief->ueber);
        breite = std::max(breite, tief->breite);
    }
    Kasten k {basis.breite + breite + 0.04 * g, basis.ueber, basis.unter, {}};
    if (hoch)
        k.ueber = std::max(k.ueber, hebung + hoch->ueber);
    if (tief)
        k.unter = std::max(k.unter, senkung + tief->unter);
    const Kasten h = hoch ? *hoch : leer(0), t = tief ? *tief : leer(0);
    k.malen = [=](QPainter& p, QPointF o) {
        basis.malen(p, o);
        const double x = o.x() + basis.breite + 0.02 * g;
        h.malen(p, QPointF(x, o.y() - hebung));
        t.malen(p, QPointF(x, o.y() + senkung));
    };
    return k;
}

bool istOperator(QChar c) { return QStringLiteral("=+-−·<>≤≥≈⇒→×").contains(c); }

class Leser {
public:
    Leser(const QString& text, double basis)
        : s(text)
        , basis(basis)
    {
    }

    Kasten reiheBis(QChar ende, double g, bool aufrecht)
    {
        std::vector<Kasten> teile;
        bool operand = false; // a binary operator needs an operand before it
        while (i < s.size() && s[i] != ende) {
            const QChar c = s[i];
            if (c == u' ') {
                ++i;
                continue;
            }
            if (istOperator(c)) {
                ++i;
                const QString zeichenText = c == u'-' ? QStringLiteral("−") : QString(c);
                // Units keep their dots tight ("N·mm"); formulas get the spacing of binary operators.
                const double luft = !operand ? 0.04 * g : aufrecht ? 0.05 * g : g < 0.9 * basis ? 0.14 * g : 0.26 * g;
                teile.push_back(reihe({leer(luft), zeichen(zeichenText, g, false), leer(luft)}));
                operand = false;
                continue;
            }
            if (c == u',') {
                ++i;
                const bool zahl = i >= 2 && s[i - 2].isDigit() && i < s.size() && s[i].isDigit();
                teile.push_back(reihe({zeichen(QStringLiteral(","), g, false), leer(zahl ? 0 : 0.25 * g)}));
                continue;
            }
            Kasten k = element(g, aufrecht);
            // Exponents and indices bind to the element before them.
            std::unique_ptr<Kasten> hoch, tief;
            while (i < s.size() && (s[i] == u'^' || s[i] == u'_')) {
                const bool oben = s[i] == u'^';
                ++i;
                auto skript = std::make_unique<Kasten>(argument(0.7 * g, aufrecht || !oben));
                (oben ? hoch : tief) = std::move(skript);
            }
            if (hoch || tief)
                k = skripte(k, hoch.get(), tief.get(), g);
            teile.push_back(k);
            operand = true;
        }
        return reihe(teile);
    }

private:
    const QString& s;
    const double basis; // letter size of the formula; scripts are smaller
    int i = 0;

    // A braced group or a single character.
    Kasten argument(double g, bool aufrecht)
    {
        if (i < s.size() && s[i] == u'{') {
            ++i;
            Kasten k = reiheBis(u'}', g, aufrecht);
            ++i;
            return k;
        }
        return element(g, aufrecht);
    }

    QString befehl()
    {
        const int anfang = i;
        while (i < s.size() && s[i].isLetter())
            ++i;
        return s.mid(anfang, i - anfang);
    }

    QString rohGruppe()
    {
        if (i >= s.size() || s[i] != u'{')
            return {};
        const int anfang = ++i;
        while (i < s.size() && s[i] != u'}')
            ++i;
        return s.mid(anfang, i++ - anfang);
    }

    Kasten element(double g, bool aufrecht)
    {
        const QChar c = s[i];
        if (c == u'{') {
            ++i;
            Kasten k = reiheBis(u'}', g, aufrecht);
            ++i;
            return k;
        }
        if (c == u'(') {
            ++i;
            Kasten k = reiheBis(u')', g, aufrecht);
            ++i;
            return klammer(k, g, u'(');
        }
        if (c == u'~') {
            ++i;
            return leer(0.17 * g);
        }
        if (c == u'\\') {
            ++i;
            const QString name = befehl();
            if (name == QLatin1String("frac")) {
                const Kasten z = argument(g, aufrecht);
                const Kasten n = argument(g, aufrecht);
                return bruch(z, n, g);
            }
            if (name == QLatin1String("sqrt"))
                return wurzel(argument(g, aufrecht), g);
            if (name == QLatin1String("abs"))
                return klammer(argument(g, aufrecht), g, u'|');
            if (name == QLatin1String("text"))
                return zeichen(rohGruppe(), g, false);
            if (name == QLatin1String("rm"))
                return argument(g, true);
            if (name == QLatin1String("quad"))
                return leer(g);
            if (name == QLatin1String("qquad"))
                return leer(2 * g);
            return zeichen(name, g, false); // \min, \max and other words
        }
        if (c.isDigit() || c == u'.') {
            const int anfang = i;
            while (i < s.size()
                && (s[i].isDigit() || (s[i] == u',' && i + 1 < s.size() && s[i + 1].isDigit() && s[i - 1].isDigit())))
                ++i;
            return zeichen(s.mid(anfang, i - anfang), g, false);
        }
        if (c.isLetter()) {
            const int anfang = i;
            while (i < s.size() && s[i].isLetter())
                ++i;
            const QString wort = s.mid(anfang, i - anfang);
            const bool variable = !aufrecht && wort.size() == 1 && wort != QStringLiteral("π");
            return zeichen(wort, g, variable);
        }
        ++i;
        return zeichen(QString(c), g, false);
    }
};

} // namespace

Kasten setzen(const QString& markup, double groesse)
{
    Leser leser(markup, groesse);
    return leser.reiheBis(QChar(0), groesse, false);
}

} // namespace Formelsatz
