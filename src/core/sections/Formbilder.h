#pragma once
// The sketches of the four standard shapes: the section with its dimensions D, s, B and H
// marked as the section calculator asks for them. One drawing serves the delivered pictures
// (written by the generator in tools/) and the shape buttons of the profile selection.
#include "core/app/Unit1.h"

#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace Formbilder {

// Picture file of the shape in the data directory: "Kreis.JPG", "Rohr.JPG", "Quader.JPG",
// "Formrohr.JPG".
QString Dateiname(Unit1::TAkt_Profil form);

// Draws the sketch into the square `feld` (any size; laid out for 65 × 65 pixels and up).
void zeichnen(QPainter& maler, Unit1::TAkt_Profil form, const QRectF& feld);

// The sketch on white, kantenlaenge × kantenlaenge pixels.
QImage bild(Unit1::TAkt_Profil form, int kantenlaenge);

} // namespace Formbilder
