#pragma once
// What the formula viewer shows for each formula number: the window title and the three
// picture files (sketch of the case, formulas, units), and how a picture fits its box.
#include <QSize>
#include <QString>
#include <optional>

namespace Formeltafel {

struct Eintrag {
    QString titel;
    QString skizze; // Image1
    QString formel; // Image2
    QString einheiten; // Image3
};

// The formula number of the general beam: the three-moment equation.
inline constexpr int Traegerformel = 40;

// The entry of a formula number: 1..13 bending, 20 shear, 31..34 buckling, 40 the general
// beam; none otherwise.
std::optional<Eintrag> eintrag(int formelindex);

// The size a picture is shown at in a box: its own size when it fits, else scaled down
// keeping its proportions until it fits; never enlarged.
QSize angezeigt(const QSize& bild, const QSize& box);

} // namespace Formeltafel
