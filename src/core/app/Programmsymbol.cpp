#include "core/app/Programmsymbol.h"

#include "core/app/Lastfallbild.h"

#include <QPainter>
#include <QPainterPath>

namespace Programmsymbol {

void zeichnen(QPainter& maler, double kante)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.scale(kante / 256, kante / 256);
    // The tile: the blue of the sketches' frame, with rounded corners as desktop icons have.
    QPainterPath kachel;
    kachel.addRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    maler.fillPath(kachel, QColor(0, 40, 170));
    // The sketch in the design of the buttons (about 80 x 60 logical units), which stays
    // readable down to the smallest icon sizes, scaled up to the tile.
    const QRectF skizze(0, 0, 80, 60);
    const double massstab = 216.0 / skizze.width();
    maler.translate(20, 128 - skizze.height() * massstab / 2);
    maler.scale(massstab, massstab);
    Lastfallbild::zeichnen(maler, skizze, Lastfallbild::biegung(5));
    maler.restore();
}

QImage bild(int kante)
{
    QImage b(kante, kante, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter maler(&b);
    zeichnen(maler, kante);
    return b;
}

} // namespace Programmsymbol
