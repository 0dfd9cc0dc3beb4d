// The load-case sketches: every case draws at every size, the cases are told apart, and the
// delivered picture files are there in the sizes the dialogs and the formula viewer expect.
// The general beam's sketch writes the value of each load where it can be read.
#include "Kernumgebung.h"
#include "core/app/Lastfallbild.h"
#include "core/calc/Traegerskizze.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <algorithm>

using Lastfallbild::Fall;

namespace {

QList<Fall> alleFaelle()
{
    QList<Fall> faelle;
    for (int f = int(Fall::Biegung1); f <= int(Fall::Knick4); ++f)
        faelle << static_cast<Fall>(f);
    return faelle;
}

// Share of the pixels inside the frame that are not the cyan ground.
double gezeichnet(const QImage& bild)
{
    const int rand = std::min(bild.width(), bild.height()) / 64 + 3;
    const QRect innen = bild.rect().adjusted(rand, rand, -rand, -rand);
    if (innen.isEmpty())
        return 0;
    int anders = 0;
    for (int y = innen.top(); y <= innen.bottom(); ++y)
        for (int x = innen.left(); x <= innen.right(); ++x)
            anders += bild.pixel(x, y) != qRgb(0, 255, 255);
    return double(anders) / (innen.width() * innen.height());
}

using Traegerrechnung::Last;
using Traegerrechnung::Lastart;

Last streckenlast(double q, double von, double bis, Traegerrechnung::Einwirkung e = Traegerrechnung::Einwirkung::Staendig)
{
    Last l {Lastart::Streckenlast, e};
    l.q = q;
    l.von = von;
    l.bis = bis;
    return l;
}

Last punkt(Lastart art, double wert, double x)
{
    Last l {art, Traegerrechnung::Einwirkung::Staendig};
    (art == Lastart::Moment ? l.M : l.F) = wert;
    l.x = x;
    return l;
}

// Beams whose loads crowd their sketch.
Traegerrechnung::Eingabe traeger(int nr)
{
    using enum Traegerrechnung::Einwirkung;
    Traegerrechnung::Eingabe e;
    switch (nr) {
    case 0: { // line loads over each other: the value of each under the band of the next
        e.felder = {4000, 3000};
        e.kragarm_rechts = 800;
        Last t {Lastart::Trapezlast, Staendig};
        t.q2 = 2000;
        t.von = 4000;
        t.bis = 7000;
        e.lasten = {punkt(Lastart::Einzellast, 12000, 1500), streckenlast(3000, 0, 7800, Veraenderlich), t,
            streckenlast(1500, 1000, 3000), punkt(Lastart::Moment, 500000, 7800)};
        break;
    }
    case 1: // short loads side by side and point loads close to each other
        e.felder = {6000};
        e.lasten = {streckenlast(1250.5, 0, 400), streckenlast(2250.5, 400, 800), streckenlast(3250.5, 800, 1200),
            punkt(Lastart::Einzellast, 10000, 500), punkt(Lastart::Einzellast, 20000, 600), punkt(Lastart::Moment, -300000, 650)};
        break;
    default: // five line loads over the whole beam
        e.felder = {5000, 5000};
        for (int i = 1; i <= 5; ++i)
            e.lasten.push_back(streckenlast(1000 * i, 0, 10000, i % 2 ? Staendig : Veraenderlich));
    }
    return e;
}

} // namespace

class TestLastfallbild : public QObject {
    Q_OBJECT
private slots:
    void dateinamen_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("Biegung 1") << int(Lastfallbild::biegung(1)) << "B_Bieg1.BMP" << QSize(256, 128);
        QTest::newRow("Biegung 13") << int(Lastfallbild::biegung(13)) << "B_Bieg13.BMP" << QSize(256, 128);
        QTest::newRow("Scherung") << int(Fall::Scherung) << "B_Scher.BMP" << QSize(256, 128);
        QTest::newRow("Knickung 1") << int(Lastfallbild::knickung(1)) << "B_Knick1.BMP" << QSize(128, 256);
        QTest::newRow("Knickung 4") << int(Lastfallbild::knickung(4)) << "B_Knick4.BMP" << QSize(128, 256);
    }
    void dateinamen()
    {
        QFETCH(int, fall);
        QFETCH(QString, name);
        QFETCH(QSize, groesse);
        QCOMPARE(Lastfallbild::dateiname(Fall(fall)), name);
        QCOMPARE(Lastfallbild::dateigroesse(Fall(fall)), groesse);
    }

    // Button sizes, file sizes, the dialogs' picture boxes, a printed size and degenerate ones.
    void jederFallInJederGroesse_data()
    {
        QTest::addColumn<QSize>("groesse");
        for (const QSize g : {QSize(120, 56), QSize(120, 120), QSize(256, 128), QSize(128, 256), QSize(343, 163),
                 QSize(1200, 600), QSize(64, 32), QSize(500, 40)})
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(g.width()).arg(g.height()))) << g;
    }
    void jederFallInJederGroesse()
    {
        QFETCH(QSize, groesse);
        for (Fall fall : alleFaelle()) {
            const QImage bild = Lastfallbild::bild(fall, groesse);
            QCOMPARE(bild.size(), groesse);
            const double anteil = gezeichnet(bild);
            QVERIFY2(anteil > 0.02 && anteil < 0.6,
                qPrintable(QStringLiteral("%1: %2").arg(Lastfallbild::dateiname(fall)).arg(anteil)));
        }
    }

    void leereGroessenZeichnenNichts()
    {
        QVERIFY(Lastfallbild::bild(Fall::Biegung1, QSize(0, 0)).isNull());
        QImage bild(10, 10, QImage::Format_RGB32);
        bild.fill(qRgb(0, 255, 255));
        QPainter maler(&bild);
        Lastfallbild::zeichnen(maler, QRectF(3, 3, 0, 2), Fall::Knick2);
        maler.end();
        QCOMPARE(gezeichnet(bild), 0.0);
    }

    // Each case is its own sketch, on the buttons as in the files.
    void faelleUnterscheidenSich()
    {
        for (const QSize groesse : {QSize(120, 56), QSize(256, 128), QSize(120, 120)}) {
            QSet<QByteArray> gesehen;
            for (Fall fall : alleFaelle()) {
                const QImage bild = Lastfallbild::bild(fall, groesse);
                const QByteArray daten(reinterpret_cast<const char*>(bild.constBits()), bild.sizeInBytes());
                QVERIFY2(!gesehen.contains(daten), qPrintable(Lastfallbild::dateiname(fall)));
                gesehen.insert(daten);
            }
        }
    }

    // Each value of a beam's load has a place of its own on the canvas: over no other value and
    // no band, arrow or moment; in the beam window, the diagram window and the report's block.
    void traegerwerteUeberdeckenNichts_data()
    {
        QTest::addColumn<int>("nr");
        QTest::addColumn<QSizeF>("groesse");
        for (const auto& [name, nr] : {std::pair {"übereinander", 0}, {"nebeneinander", 1}, {"fünf Bänder", 2}})
            for (const QSizeF g : {QSizeF(556, 166), QSizeF(880, 124), QSizeF(100000, 15000)})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2x%3").arg(QString::fromUtf8(name)).arg(g.width()).arg(g.height())))
                    << nr << g;
    }
    void traegerwerteUeberdeckenNichts()
    {
        QFETCH(int, nr);
        QFETCH(QSizeF, groesse);
        const Traegerrechnung::Eingabe e = traeger(nr);
        const Traegerskizze::Anordnung a = Traegerskizze::anordnen(e, groesse);
        QCOMPARE(a.werte.size(), e.lasten.size());
        QCOMPARE(a.lasten.size(), e.lasten.size());
        const QRectF leinwand(QPointF(0, 0), a.leinwand);
        for (std::size_t i = 0; i < a.werte.size(); ++i) {
            const Traegerskizze::Beschriftung& w = a.werte[i];
            QVERIFY2(!w.text.isEmpty() && leinwand.contains(w.lage), qPrintable(w.text));
            for (std::size_t j = 0; j < a.werte.size(); ++j)
                QVERIFY2(i == j || !w.lage.intersects(a.werte[j].lage), qPrintable(w.text + " / " + a.werte[j].text));
            for (std::size_t j = 0; j < a.lasten.size(); ++j)
                QVERIFY2(!w.lage.intersects(a.lasten[j]), qPrintable(QStringLiteral("%1 über Last %2").arg(w.text).arg(j + 1)));
        }
    }

    // What the dialogs and the formula viewer load from the delivered data folder.
    void gelieferteBilder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("hoechstens");
        QTest::addColumn<bool>("genau");
        for (Fall fall : alleFaelle())
            QTest::newRow(qPrintable(Lastfallbild::dateiname(fall)))
                << Lastfallbild::dateiname(fall) << Lastfallbild::dateigroesse(fall) << true;
        QTest::newRow("B_Traeger.BMP") << QStringLiteral("B_Traeger.BMP") << QSize(256, 128) << true;
        QStringList formeln;
        for (int k = 1; k <= 13; ++k)
            formeln << QStringLiteral("Formel%1.JPG").arg(k);
        formeln << QStringLiteral("Formel20.JPG") << QStringLiteral("Formel30.JPG") << QStringLiteral("Formel40.JPG");
        for (const QString& name : formeln)
            QTest::newRow(qPrintable(name)) << name << QSize(657, 681) << false;
        for (const char* name :
            {"Einheiten1.JPG", "Einheiten2.JPG", "Einheiten3.JPG", "Einheiten20.JPG", "Einheiten30.JPG", "Einheiten40.JPG"})
            QTest::newRow(name) << QString::fromLatin1(name) << QSize(553, 681) << false;
    }
    void gelieferteBilder()
    {
        QFETCH(QString, name);
        QFETCH(QSize, hoechstens);
        QFETCH(bool, genau);
        QImageReader leser(QDir(Testumgebung::gelieferteDaten()).filePath(name));
        const QImage bild = leser.read();
        QVERIFY2(!bild.isNull(), qPrintable(name + QStringLiteral(": ") + leser.errorString()));
        if (genau) {
            QCOMPARE(bild.size(), hoechstens);
            // A 24-bit Windows bitmap: "BM", bits per pixel at byte 28.
            QFile datei(leser.fileName());
            QVERIFY(datei.open(QIODevice::ReadOnly));
            const QByteArray kopf = datei.read(30);
            QVERIFY(kopf.startsWith("BM"));
            QCOMPARE(quint8(kopf[28]) | quint8(kopf[29]) << 8, 24);
        } else {
            QVERIFY(bild.width() <= hoechstens.width() && bild.height() <= hoechstens.height());
            // Scaled down in the viewer by less than a third, so that the text stays sharp.
            QVERIFY(bild.width() * 3 >= hoechstens.width() * 2);
        }
    }
};

TRABEX_TEST_MAIN(TestLastfallbild)
#include "test_lastfallbild.moc"
