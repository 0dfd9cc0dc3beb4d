// Writes the program's icon as installed with the menu entry: programmsymbol <Ordner>
// gives Programmsymbol.svg and the PNG files Programmsymbol_48.png and Programmsymbol_256.png.
#include "core/app/Programmsymbol.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

bool svgSchreiben(const QString& pfad)
{
    QSvgGenerator svg;
    svg.setFileName(pfad);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Trabex"));
    svg.setDescription(QStringLiteral("Träger auf zwei Stützen mit Gleichlast"));
    QPainter maler;
    if (!maler.begin(&svg))
        return false;
    Programmsymbol::zeichnen(maler, 256);
    return maler.end();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication anwendung(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: programmsymbol <Ordner>\n");
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    int fehler = 0;
    const QString svg = ziel.filePath(QStringLiteral("Programmsymbol.svg"));
    if (!svgSchreiben(svg)) {
        std::fprintf(stderr, "%s: kann nicht geschrieben werden\n", qPrintable(svg));
        ++fehler;
    }
    for (int kante : {48, 256}) {
        const QString png = ziel.filePath(QStringLiteral("Programmsymbol_%1.png").arg(kante));
        if (!Programmsymbol::bild(kante).save(png, "png")) {
            std::fprintf(stderr, "%s: kann nicht geschrieben werden\n", qPrintable(png));
            ++fehler;
        }
    }
    return fehler == 0 ? 0 : 1;
}
