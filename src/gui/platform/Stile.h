#pragma once
// Visual styles: the toolkit's styles plus "Luna", a light blue look of the program's own.
#include <QString>
#include <QStringList>

namespace Stile {

QStringList namen();
// Switches to the style `name` (compared without regard to case). An unknown name shows a
// German message and keeps the previous style; returns whether the switch happened.
bool setzen(const QString& name);
// The name of the active style as listed by namen().
QString aktiv();

} // namespace Stile
