#pragma once
// What the tests of the bending formulas and lines share: the example beam and the comparison
// with a tolerance relative to a reference value (the greatest value of the line, usually).
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace Beispielbalken {

constexpr double Lspan = 3000; // mm
constexpr double Sigma = 120; // N/mm²
constexpr double Emod = 210000; // N/mm²
constexpr double Icm4 = 800; // cm⁴
constexpr double EI = Emod * Icm4 * 10000; // N·mm²

inline bool nahe(double ist, double soll, double relativ, double bezug)
{
    return std::abs(ist - soll) <= relativ * std::max(std::abs(bezug), 1e-12);
}

} // namespace Beispielbalken

#define NAHE(ist, soll, relativ, bezug)                                                                                          \
    QVERIFY2(Beispielbalken::nahe(ist, soll, relativ, bezug),                                                                    \
        qPrintable(QStringLiteral("%1 = %2, erwartet %3").arg(#ist).arg(ist, 0, 'g', 12).arg(soll, 0, 'g', 12)))
