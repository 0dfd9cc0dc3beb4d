// Writes the load-case sketches of the data directory: lastfallbilder <Daten-Ordner>
#include "core/app/Lastfallbild.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication anwendung(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: lastfallbilder <Daten-Ordner>\n");
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    int fehler = 0;
    for (int f = int(Lastfallbild::Fall::Biegung1); f <= int(Lastfallbild::Fall::Knick4); ++f) {
        const auto fall = static_cast<Lastfallbild::Fall>(f);
        // 24-bit bitmaps, as every picture viewer and the printed reports read them.
        const QImage bild = Lastfallbild::bild(fall, Lastfallbild::dateigroesse(fall)).convertToFormat(QImage::Format_RGB888);
        const QString pfad = ziel.filePath(Lastfallbild::dateiname(fall));
        QImageWriter schreiber(pfad, "bmp");
        if (!schreiber.write(bild)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(pfad), qPrintable(schreiber.errorString()));
            ++fehler;
        }
    }
    return fehler == 0 ? 0 : 1;
}
