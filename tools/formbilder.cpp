// Writes the sketches of the standard shapes as the section calculator shows them (65 × 65
// pixels) into the data folder given as the only argument.
#include "core/sections/Formbilder.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication anwendung(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: formbilder <Datenverzeichnis>\n");
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    if (!ziel.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s kann nicht angelegt werden\n", argv[1]);
        return 1;
    }
    using Unit1::TAkt_Profil;
    for (TAkt_Profil form : {TAkt_Profil::Rundstahl, TAkt_Profil::Rohr, TAkt_Profil::Vierkant, TAkt_Profil::Formrohr}) {
        QImageWriter schreiber(ziel.filePath(Formbilder::Dateiname(form)), "jpeg");
        schreiber.setQuality(100); // thin lines and small letters suffer first from compression
        if (!schreiber.write(Formbilder::bild(form, 65))) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(schreiber.fileName()), qPrintable(schreiber.errorString()));
            return 1;
        }
    }
    return 0;
}
