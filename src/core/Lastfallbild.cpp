#include "core/Lastfallbild.h"

#include <QPainter>

namespace Lastfallbild {

Fall biegung(int fall) { return static_cast<Fall>(int(Fall::Biegung1) + fall - 1); }

Fall knickung(int fall) { return static_cast<Fall>(int(Fall::Knick1) + fall - 1); }

QString dateiname(Fall fall)
{
    const int f = int(fall);
    if (fall <= Fall::Biegung13)
        return QStringLiteral("B_Bieg%1.BMP").arg(f + 1);
    if (fall == Fall::Scherung)
        return QStringLiteral("B_Scher.BMP");
    return QStringLiteral("B_Knick%1.BMP").arg(f - int(Fall::Knick1) + 1);
}

void zeichnen(QPainter& maler, const QRectF& rechteck, Fall fall)
{
    maler.save();
    maler.fillRect(rechteck, Qt::cyan);
    maler.setPen(QPen(Qt::blue, 2));
    maler.drawRect(rechteck.adjusted(1, 1, -1, -1));
    maler.setPen(Qt::black);
    maler.drawText(rechteck, Qt::AlignCenter, dateiname(fall));
    maler.restore();
}

QImage bild(Fall fall, const QSize& groesse)
{
    QImage b(groesse, QImage::Format_RGB32);
    QPainter maler(&b);
    maler.setRenderHint(QPainter::Antialiasing);
    zeichnen(maler, QRectF(QPointF(0, 0), groesse), fall);
    return b;
}

} // namespace Lastfallbild
