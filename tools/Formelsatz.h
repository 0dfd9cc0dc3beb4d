#pragma once
// A small formula typesetter for the formula pictures: fractions with bars, exponents and
// indices, roots, parentheses that grow with their content, italic variables and upright
// numbers, units and words, set on a QPainter.
//
// Markup: \frac{Z}{N}, \sqrt{X}, X^{..} and X_{..} (or one character), ( ) grow with their
// content, \abs{X}, \text{Wörter} and \rm{Einheit} upright, ~ a thin space, \quad and \qquad wide ones.
// A single Latin or Greek letter is a variable (italic); runs of letters are words (upright).
#include <QFont>
#include <QPainter>
#include <QString>

#include <functional>
#include <memory>

namespace Formelsatz {

struct Kasten {
    double breite = 0, ueber = 0, unter = 0; // width, height above and depth below the baseline
    std::function<void(QPainter&, QPointF)> malen; // draws with the baseline's left end at the point
};

// The font family of formulas and text.
QString schriftart();
QFont schrift(double groesse, bool kursiv = false, bool fett = false);

// Sets `markup` at letter size `groesse` (pixels).
Kasten setzen(const QString& markup, double groesse);

} // namespace Formelsatz
