#include "core/explain/Formeltafel.h"

#include "core/app/Lastfaelle.h"

namespace Formeltafel {

std::optional<Eintrag> eintrag(int formelindex)
{
    if (formelindex == Traegerformel)
        return Eintrag {QStringLiteral("Träger mit beliebigen Lasten – Dreimomentensatz"), QStringLiteral("B_Traeger.BMP"),
            QStringLiteral("Formel40.JPG"), QStringLiteral("Einheiten40.JPG")};
    const Lastfaelle::Lastfall* fall = Lastfaelle::vonFormel(formelindex);
    if (!fall)
        return std::nullopt;
    return Eintrag {
        fall->formeltitel.toString(), fall->bild.toString(), fall->formelbild.toString(), fall->einheitenbild.toString()};
}

QSize angezeigt(const QSize& bild, const QSize& box)
{
    if (bild.width() <= box.width() && bild.height() <= box.height())
        return bild;
    const QSize kleiner = bild.scaled(box, Qt::KeepAspectRatio);
    return kleiner.expandedTo(QSize(1, 1)); // a hair-thin picture keeps one pixel
}

} // namespace Formeltafel
