// Writes the load-case sketches of the data directory: lastfallbilder <Daten-Ordner>
// (and the sketch of the general beam that its formula picture shows).
#include "core/app/Lastfallbild.h"
#include "core/calc/Traegerskizze.h"

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
    // 24-bit bitmaps, as every picture viewer and the printed reports read them.
    const auto schreiben = [&](const QImage& bild, const QString& name) {
        const QString pfad = ziel.filePath(name);
        QImageWriter schreiber(pfad, "bmp");
        if (!schreiber.write(bild.convertToFormat(QImage::Format_RGB888))) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(pfad), qPrintable(schreiber.errorString()));
            ++fehler;
        }
    };
    for (int f = int(Lastfallbild::Fall::Biegung1); f <= int(Lastfallbild::Fall::Knick4); ++f) {
        const auto fall = static_cast<Lastfallbild::Fall>(f);
        schreiben(Lastfallbild::bild(fall, Lastfallbild::dateigroesse(fall)), Lastfallbild::dateiname(fall));
    }
    schreiben(Traegerskizze::bild(Traegerskizze::Knopfbeispiel(), QSize(256, 128)), QStringLiteral("B_Traeger.BMP"));
    return fehler == 0 ? 0 : 1;
}
