// Page geometry, the content of the four reports, and the printed pages themselves: each
// report is printed to PDF and read back with pdftotext (positions) and pdftoppm (picture).
#include "Testumgebung.h"
#include "core/app/Unit1.h"
#include "core/calc/Nachweis.h"
#include "core/platform/Fehler.h"
#include "core/platform/Sprache.h"
#include "core/report/Berichtsinhalt.h"
#include "core/report/Seitengeometrie.h"
#include "gui/Main.h"
#include "gui/calc/Nachweiszeile.h"
#include "gui/calc/Rechendialog.h"
#include "gui/calc/U_bieg1.h"
#include "gui/calc/U_bieg2.h"
#include "gui/calc/U_knick.h"
#include "gui/calc/U_scher.h"
#include "gui/platform/Oberflaeche.h"
#include "gui/report/U_Printgr.h"
#include "gui/report/U_druck.h"
#include "gui/report/Zusatzseiten.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <functional>

using Berichtsinhalt::Art;
using Berichtsinhalt::Inhalt;

namespace {

using Testumgebung::zahl;

// The numbers of page 1 as the shared state holds them, where each test sets them: the inputs
// and results, with the case, material and section as a dialog adds them.
Berichtsinhalt::Werte zustand()
{
    using namespace Unit1;
    Berichtsinhalt::Werte w;
    w.F = F;
    w.L = L;
    w.a = Abstand_a;
    w.x = Lx;
    w.sk_gewuenscht = Sk_gewuenscht;
    w.Werf = Werf;
    w.Wxerf = Wxerf;
    w.fd = fd;
    w.Ierf = Ierf;
    w.sigma_k = Sigma_K;
    w.schlankheit = Schlankheitsgrad;
    w.sk = Sk;
    w.Aerf = Aerf;
    return Rechendialog::Seitenwerte(w);
}

enum class Bericht { Biegung1, Biegung2, Knickung, Scherung };

// The texts a dialog hands in.
struct Dialogtexte {
    QString titel = QStringLiteral("Titel");
    QString formel_oder_hinweis_W;
    QString hinweis_f;
};

Inhalt inhalt(Bericht bericht, const Dialogtexte& t = {}, const Berichtsinhalt::Angaben& angaben = {})
{
    switch (bericht) {
    case Bericht::Biegung1:
        return Berichtsinhalt::Biegung1(t.titel, zustand(), angaben);
    case Bericht::Biegung2:
        return Berichtsinhalt::Biegung2(t.titel, zustand(), t.formel_oder_hinweis_W, t.hinweis_f, angaben);
    case Bericht::Knickung:
        return Berichtsinhalt::Knickung(t.titel, zustand(), t.formel_oder_hinweis_W, angaben);
    case Bericht::Scherung:
        return Berichtsinhalt::Scherung(t.titel, zustand(), angaben);
    }
    return {};
}

void drucken(
    Bericht bericht, const Dialogtexte& t = {}, QPrintDialog* dialog = nullptr, const Zusatzseiten::Inhalt* zusatz = nullptr)
{
    switch (bericht) {
    case Bericht::Biegung1:
        U_druck::Biegung1_Drucken(dialog, t.titel, zustand(), zusatz);
        break;
    case Bericht::Biegung2:
        U_druck::Biegung2_Drucken(dialog, t.titel, zustand(), t.formel_oder_hinweis_W, t.hinweis_f, zusatz);
        break;
    case Bericht::Knickung:
        U_druck::Knickung_Drucken(dialog, t.titel, zustand(), t.formel_oder_hinweis_W, zusatz);
        break;
    case Bericht::Scherung:
        U_druck::Scherung_Drucken(dialog, t.titel, zustand(), zusatz);
        break;
    }
}

// One line per printed line, in mm: "125 Materialbezeichnung : = S235", headings in [],
// caption lines in <>, notes after "!", verdict lines after "*".
QStringList zeilen(const Inhalt& inhalt)
{
    QStringList liste;
    for (const Berichtsinhalt::Zeile& z : inhalt.zeilen) {
        const QString y = QString::number(z.y / 100.0);
        switch (z.art) {
        case Art::Titel:
            liste << QStringLiteral("%1 <%2>").arg(y, z.text);
            break;
        case Art::Ueberschrift:
            liste << QStringLiteral("%1 [%2]").arg(y, z.text);
            break;
        case Art::Zeile:
            liste << QStringLiteral("%1 %2 = %3").arg(y, z.text, z.wert);
            break;
        case Art::Hinweis:
            liste << QStringLiteral("%1 ! %2").arg(y, z.text);
            break;
        case Art::Nachweis:
            liste << QStringLiteral("%1 * %2").arg(y, z.text);
            break;
        }
    }
    return liste;
}

// Numbers in the test locale: z("1234.50").
QString z(const char* punktnotation) { return zahl(QString::fromLatin1(punktnotation)); }

// A calculation state with a distinct value everywhere.
void beispielzustand(int fall)
{
    using namespace Unit1;
    Akt_Belastungsfall = fall;
    Sorte = QStringLiteral("S235 JR");
    Sigma_B = 360;
    Sigma_Zul = 120;
    E = 210000;
    GrenzSchlankheit = 104.72;
    ProfilArt = QStringLiteral("IPE");
    ProfilName = QStringLiteral("IPE 200");
    W = 194.3;
    I = 1943;
    A = 2848;
    F = 5000;
    L = 4000;
    Abstand_a = 1500;
    Lx = 1000;
    Werf = 41.67;
    Wxerf = 31.25;
    fd = 9.81;
    Sk_gewuenscht = 3.5;
    Ierf = 123.45;
    Sigma_K = 129.56;
    Schlankheitsgrad = 98.7;
    Sk = 4.25;
    Aerf = 41.67;
}

// A solid picture, written as BMP the way the data directory holds them.
QByteArray bmp(const QColor& farbe)
{
    QImage bild(40, 20, QImage::Format_RGB32);
    bild.fill(farbe);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "BMP");
    return daten;
}

// ---- reading the printed page back -------------------------------------------------------

constexpr double Rand_mm = 12.7; // page margins of the test printer: 36 pt

struct Wort {
    QString text;
    double x0, y0, x1, y1; // 0.01 mm from the top-left corner of the printable area
};

QString ausfuehren(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(programm), p.readAllStandardError().constData());
    return QString::fromUtf8(p.readAllStandardOutput());
}

double inEinheiten(const QString& pt) { return pt.toDouble() * 2540.0 / 72.0 - Rand_mm * 100; }

// The words of every page, or of page `seite` alone.
QList<Wort> woerter(const QString& pdf, int seite = 0)
{
    QStringList argumente {QStringLiteral("-bbox"), pdf, QStringLiteral("-")};
    if (seite > 0)
        argumente = QStringList {QStringLiteral("-f"), QString::number(seite), QStringLiteral("-l"), QString::number(seite)}
            + argumente;
    const QString html = ausfuehren(QStringLiteral("pdftotext"), argumente);
    static const QRegularExpression muster(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Wort> liste;
    for (const QRegularExpressionMatch& m : muster.globalMatch(html)) {
        // Compatibility forms undo the ligatures of the PDF ("ﬁ" in "Profildaten").
        QString text = m.captured(5).normalized(QString::NormalizationForm_KC);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        liste.append({text, inEinheiten(m.captured(1)), inEinheiten(m.captured(2)), inEinheiten(m.captured(3)),
            inEinheiten(m.captured(4))});
    }
    return liste;
}

int seitenzahl(const QString& pdf)
{
    const QString info = ausfuehren(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(R"re(Pages:\s+(\d+))re")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The page as a picture at 127 dpi: 5 pixels per millimetre.
QImage seitenbild(const QString& pdf)
{
    const QString ziel = pdf + QStringLiteral(".bild");
    ausfuehren(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("127"), QStringLiteral("-singlefile"), pdf, ziel});
    return QImage(ziel + QStringLiteral(".png"));
}

QColor pixel(const QImage& seite, double x, double y)
{
    return seite.pixelColor(int((x / 100 + Rand_mm) * 5), int((y / 100 + Rand_mm) * 5));
}

// The words of the page that stand on the line whose top is at y (within 0.3 mm) and start
// in [von, bis). Taken words are removed, so that what is left at the end is unexpected.
QString nimm(QList<Wort>& woerter, int y, double von, double bis, double* start = nullptr)
{
    QStringList texte;
    double links = 1e9;
    for (qsizetype k = 0; k < woerter.size();) {
        const Wort& w = woerter[k];
        if (std::abs(w.y0 - y) < 30 && w.x0 >= von && w.x0 < bis) {
            texte << w.text;
            links = std::min(links, w.x0);
            woerter.removeAt(k);
        } else {
            ++k;
        }
    }
    if (start)
        *start = links;
    return texte.join(QLatin1Char(' '));
}

} // namespace

// A home folder of the test's own (HOME, and XDG_CONFIG_HOME so that no user-dirs.dirs of the
// real user is read), put back afterwards.
class Heimordner {
public:
    Heimordner()
        : m_home(qgetenv("HOME"))
        , m_config(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", m_dir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("/.config")).toLocal8Bit());
    }
    ~Heimordner()
    {
        qputenv("HOME", m_home);
        if (m_config.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_config);
    }
    QString pfad() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_home, m_config;
};

class TestReport : public QObject {
    Q_OBJECT

    Testumgebung::Programmverzeichnis* m_verzeichnis = nullptr;
    QString m_pdf;

    void druckerAufPdf(int dpi = 1200)
    {
        QPrinter& drucker = U_Printgr::Printer();
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setResolution(dpi);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
        drucker.setOutputFileName(m_pdf);
    }

private slots:
    void init()
    {
        Testumgebung::zustandZuruecksetzen();
        m_verzeichnis = new Testumgebung::Programmverzeichnis;
        Main::Datendir = m_verzeichnis->daten();
        for (const char* name : {"B_Bieg1.BMP", "B_Bieg9.bmp", "B_Knick2.bmp", "B_Scher.bmp"})
            m_verzeichnis->schreiben(QString::fromLatin1(name), bmp(QColor(200, 30, 30)));
        m_pdf = m_verzeichnis->pfad() + QStringLiteral("bericht.pdf");
        druckerAufPdf();
        Zusatzseiten::kopf() = {};
    }
    void cleanup()
    {
        QVERIFY(!U_Printgr::Printing(U_Printgr::Printer()));
        delete m_verzeichnis;
        m_verzeichnis = nullptr;
    }

    // ---- page arithmetic ----

    void seitenbreite_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("punkte");
        QTest::addColumn<int>("breite");
        QTest::newRow("600 dpi, 4800 Punkte") << 600 << 4800 << 20315; // 4799 × 2540 div 600
        QTest::newRow("300 dpi, 2400 Punkte") << 300 << 2400 << 20311; // 20311.5 truncated
        QTest::newRow("1200 dpi, 1 Punkt") << 1200 << 1 << 0;
    }
    void seitenbreite()
    {
        QFETCH(int, dpi);
        QFETCH(int, punkte);
        QFETCH(int, breite);
        QCOMPARE(Seitengeometrie::Seitenbreite(punkte, dpi), breite);
    }

    void abbildungIstHundertstelMillimeter_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("fenster");
        QTest::newRow("300 dpi") << 300 << 9144.0;
        QTest::newRow("600 dpi") << 600 << 4572.0;
        QTest::newRow("1200 dpi") << 1200 << 2286.0;
        QTest::newRow("96 dpi, teilt 10800 nicht") << 96 << 28575.0;
        QTest::newRow("2400 dpi, teilt 10800 nicht") << 2400 << 1143.0;
    }
    void abbildungIstHundertstelMillimeter()
    {
        QFETCH(int, dpi);
        QFETCH(double, fenster);
        QCOMPARE(Seitengeometrie::Fensterausdehnung(dpi), fenster);
        // One inch (2540 units) is dpi dots on either axis, whatever the other axis has.
        const QPointF zoll = Seitengeometrie::Abbildung(dpi, 600).map(QPointF(2540, 2540));
        QCOMPARE(zoll.x(), double(dpi));
        QCOMPARE(zoll.y(), 600.0);
    }

    void schriftgroessen_data()
    {
        QTest::addColumn<int>("punkte");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("nenn");
        QTest::newRow("9 pt, 600 dpi") << 9 << 600 << 38;
        QTest::newRow("9 pt, 300 dpi") << 9 << 300 << 76;
        QTest::newRow("-9 pt wie 9 pt") << -9 << 600 << 38;
        QTest::newRow("11 pt, 1200 dpi") << 11 << 1200 << 23;
    }
    void schriftgroessen()
    {
        QFETCH(int, punkte);
        QFETCH(int, dpi);
        QFETCH(int, nenn);
        QCOMPARE(Seitengeometrie::Nenngroesse(punkte, dpi), nenn);
        // On paper the em height is within what the truncation drops of the point size.
        const double soll = std::abs(punkte) * 2540.0 / 72;
        const int hoehe = Seitengeometrie::Schrifthoehe(nenn, dpi);
        QVERIFY2(hoehe <= soll + 0.5 && hoehe > soll - dpi / 72.0, qPrintable(QString::number(hoehe)));
    }

    void millimeterInPunkte()
    {
        QCOMPARE(Seitengeometrie::Punkte_aus_mm(3), 9); // 8.50… → 9
        QCOMPARE(Seitengeometrie::Punkte_aus_mm(4), 11); // 11.34
        QCOMPARE(Seitengeometrie::Punkte_aus_mm(8), 23); // 22.68
    }

    void aufloesungNullIstFehler()
    {
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, Seitengeometrie::Seitenbreite(4800, 0));
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, Seitengeometrie::Nenngroesse(9, 0));
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, Seitengeometrie::Abbildung(600, 0));
    }

    // ---- content of the reports ----

    void biegung1AlleZeilen()
    {
        beispielzustand(1);
        Unit1::fd = 8; // L/f = 500
        const Inhalt b = Berichtsinhalt::Biegung1(QStringLiteral("Biegung Fall 1"), zustand());
        QCOMPARE(b.bild, QStringLiteral("B_Bieg1.BMP"));
        QVERIFY(!b.wertspalte);
        const QStringList erwartet {
            "105 <Biegung Fall 1>",
            "115 [Materialdaten:]",
            "125 Materialbezeichnung :  = S235 JR",
            "130 SigmaB [N/mm2] = " + z("360.00"),
            "135 SigmaZul [N/mm2] = " + z("120.00"),
            "140 E - Modul [N/mm2] = " + z("210000.00"),
            "150 [Profildaten:]",
            "160 Profiltyp : = IPE",
            "165 Profilname : = IPE 200",
            "170 W [cm3] = " + z("194.30"),
            "175 I [cm4] = " + z("1943.00"),
            "180 A [mm2] = " + z("2848.00"),
            "190 [Eingaben:]",
            "200 Kraft [N] = " + z("5000.00"),
            "205 L [mm] = " + z("4000.00"),
            "210 x [mm] = " + z("1000.00"),
            "220 [Ausgaben:]",
            "230 Werf [cm3] = " + z("41.67"),
            "235 Werf bei x [cm3] = " + z("31.25"),
            "240 f [mm] = " + z("8.00"),
            "245 L/f = " + z("500.00"),
        };
        QCOMPARE(zeilen(b), erwartet);
    }

    void biegung1FremderLastfall()
    {
        // Case 8 belongs to the other bending dialog: no picture, no load label, no x rows.
        beispielzustand(8);
        const QStringList z8 = zeilen(Berichtsinhalt::Biegung1(QStringLiteral("T"), zustand()));
        QCOMPARE(z8.mid(13),
            (QStringList {"200  = " + z("5000.00"), "205 L [mm] = " + z("4000.00"), "215 [Ausgaben:]",
                "225 Werf [cm3] = " + z("41.67"), "230 f [mm] = " + z("9.81"), "235 L/f = " + z("407.75")}));
        QVERIFY(Berichtsinhalt::Biegung1(QStringLiteral("T"), zustand()).bild.isEmpty());
    }

    void biegung2MitHinweisen()
    {
        beispielzustand(9);
        const Inhalt b = Berichtsinhalt::Biegung2(QStringLiteral("Biegung Fall 9"), zustand(),
            QStringLiteral("Der gefährdete Querschnitt ist unter F!"),
            QStringLiteral("Die max Durchbiegung ist in Trägermitte!"));
        QCOMPARE(b.bild, QStringLiteral("B_Bieg9.bmp"));
        QCOMPARE(zeilen(b).mid(12),
            (QStringList {
                "190 [Eingaben:]",
                "200 Streckenlast [N/m]  = " + z("5000.00"),
                "205 L [mm] = " + z("4000.00"),
                "210 a [mm] = " + z("1500.00"),
                "215 x [mm] = " + z("1000.00"),
                "225 [Ausgaben:]",
                "235 Werf [cm3] = " + z("41.67"),
                "240 Werf bei x[cm3] = " + z("31.25"),
                "245 ! Der gefährdete Querschnitt ist unter F!",
                "250 f [mm] = " + z("9.81"),
                "255 ! Die max Durchbiegung ist in Trägermitte!",
                "260 L/f = " + z("407.75"),
            }));
    }

    void biegung2Hinweiszeilen_data()
    {
        QTest::addColumn<QString>("hinweis_W");
        QTest::addColumn<QString>("hinweis_f");
        QTest::addColumn<QStringList>("ausgaben");
        const QString werf = "230 Werf [cm3] = " + z("41.67"), f = "235 f [mm] = " + z("9.81");
        QTest::newRow("leer: keine Zeile") << QString() << QString() << QStringList {werf, f, "240 L/f = " + z("407.75")};
        QTest::newRow("ein Leerzeichen: leere Zeile") << QStringLiteral(
            " ") << QString() << QStringList {werf, "235 !  ", "240 f [mm] = " + z("9.81"), "245 L/f = " + z("407.75")};
        QTest::newRow("nur Hinweis f") << QString() << QStringLiteral("Hf")
                                       << QStringList {werf, f, "240 ! Hf", "245 L/f = " + z("407.75")};
    }
    void biegung2Hinweiszeilen()
    {
        QFETCH(QString, hinweis_W);
        QFETCH(QString, hinweis_f);
        QFETCH(QStringList, ausgaben);
        beispielzustand(8); // a case without x rows
        const QStringList alle = zeilen(Berichtsinhalt::Biegung2(QStringLiteral("T"), zustand(), hinweis_W, hinweis_f));
        QCOMPARE(alle.mid(alle.indexOf(QStringLiteral("220 [Ausgaben:]")) + 1), ausgaben);
    }

    void knickungAlleZeilen()
    {
        beispielzustand(2);
        const Inhalt b = Berichtsinhalt::Knickung(
            QStringLiteral("Knickung Eulerfall 2"), zustand(), QStringLiteral("Die Formel nach Euler ist gültig"));
        QCOMPARE(b.bild, QStringLiteral("B_Knick2.bmp"));
        QCOMPARE(b.wertspalte, std::optional<int>(6500));
        const QStringList erwartet {
            "105 <Knickung Eulerfall 2>",
            "110 <Die Formel nach Euler ist gültig>",
            "120 [Materialdaten:]",
            "130 Materialbezeichnung :  = S235 JR",
            "135 SigmaB [N/mm2] = " + z("360.00"),
            // no σzul: the buckling check does not use it
            "140 E - Modul [N/mm2] = " + z("210000.00"),
            "145 Grenzschlankheitsgrad = " + z("104.72"),
            "155 [Profildaten:]",
            "165 Profiltyp : = IPE",
            "170 Profilname : = IPE 200",
            "175 Grenzschlankheit = " + z("104.72"),
            "180 I [cm4] = " + z("1943.00"),
            "185 A [mm2] = " + z("2848.00"),
            "195 [Eingaben:]",
            "205 F [N] = " + z("5000.00"),
            "210 L [mm] = " + z("4000.00"),
            "215 Gewünschte Sicherheit = " + z("3.50"),
            "225 [Ausgaben:]",
            "235 Ierf [cm4] = " + z("123.45"),
            "240 Knickspannung [N/mm2] = " + z("129.56"),
            "245 vorh. Spannung [N/mm2] = " + z("1.76"), // 5000 / 2848 = 1.7556
            "250 Schlankheitsgrad = " + z("98.70"),
            "255 Tatsächliche Sicherheit = " + z("4.25"),
        };
        QCOMPARE(zeilen(b), erwartet);
    }

    void scherungAlleZeilen()
    {
        beispielzustand(0);
        const Inhalt b = Berichtsinhalt::Scherung(QStringLiteral("Berechnung auf Abscherung"), zustand());
        QCOMPARE(b.bild, QStringLiteral("B_Scher.bmp"));
        const QStringList erwartet {
            "105 <Berechnung auf Abscherung>",
            "115 [Materialdaten:]",
            "125 Materialbezeichnung :  = S235 JR",
            "130 SigmaB [N/mm2] = " + z("360.00"),
            "135 SigmaZul [N/mm2] = " + z("120.00"),
            "140 E - Modul [N/mm2] = " + z("210000.00"),
            "150 [Profildaten:]",
            "160 Profiltyp : = IPE",
            "165 Profilname : = IPE 200",
            "170 W [cm3] = " + z("194.30"),
            "175 I [cm4] = " + z("1943.00"),
            "180 A [mm2] = " + z("2848.00"),
            "190 [Eingaben:]",
            "200 F [N] = " + z("5000.00"),
            "210 [Ausgaben:]",
            "220 Aerf [mm2] = " + z("41.67"),
        };
        QCOMPARE(zeilen(b), erwartet);
    }

    void lastbezeichnungUndBild_data()
    {
        QTest::addColumn<int>("bericht");
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("bild");
        const auto b1 = int(Bericht::Biegung1), b2 = int(Bericht::Biegung2), k = int(Bericht::Knickung),
                   s = int(Bericht::Scherung);
        const QString kraft = QStringLiteral("Kraft [N]"), strecke = QStringLiteral("Streckenlast [N/m] "),
                      gesamt = QStringLiteral("Gesamtlast [N]"), fn = QStringLiteral("F [N]");
        for (int f : {1, 3, 10})
            QTest::addRow("Biegung1 Fall %d", f) << b1 << f << kraft << QStringLiteral("B_Bieg%1.BMP").arg(f);
        for (int f : {2, 5, 11, 13})
            QTest::addRow("Biegung1 Fall %d", f) << b1 << f << strecke << QStringLiteral("B_Bieg%1.BMP").arg(f);
        for (int f : {6, 7})
            QTest::addRow("Biegung1 Fall %d", f) << b1 << f << gesamt << QStringLiteral("B_Bieg%1.BMP").arg(f);
        for (int f : {0, 4, 8, 9, 12, 14})
            QTest::addRow("Biegung1 fremder Fall %d", f) << b1 << f << QString() << QString();
        for (int f : {4, 8, 12})
            QTest::addRow("Biegung2 Fall %d", f) << b2 << f << kraft << QStringLiteral("B_Bieg%1.bmp").arg(f);
        QTest::newRow("Biegung2 Fall 9") << b2 << 9 << strecke << QStringLiteral("B_Bieg9.bmp");
        for (int f : {1, 13})
            QTest::addRow("Biegung2 fremder Fall %d", f) << b2 << f << QString() << QString();
        for (int f : {1, 2, 3, 4})
            QTest::addRow("Knickung Fall %d", f) << k << f << fn << QStringLiteral("B_Knick%1.bmp").arg(f);
        for (int f : {0, 5})
            QTest::addRow("Knickung fremder Fall %d", f) << k << f << QString() << QString();
        QTest::newRow("Scherung Fall 0") << s << 0 << fn << QStringLiteral("B_Scher.bmp");
        QTest::newRow("Scherung fremder Fall 1") << s << 1 << QString() << QString();
    }
    void lastbezeichnungUndBild()
    {
        QFETCH(int, bericht);
        QFETCH(int, fall);
        QFETCH(QString, last);
        QFETCH(QString, bild);
        beispielzustand(fall);
        const Inhalt b = inhalt(Bericht(bericht));
        QCOMPARE(b.bild, bild);
        int k = 0;
        while (b.zeilen[k].text != QStringLiteral("Eingaben:"))
            ++k;
        QCOMPARE(b.zeilen[k + 1].text, last);
        QCOMPARE(b.zeilen[k + 1].wert, z("5000.00"));
    }

    void divisionswaechter_data()
    {
        QTest::addColumn<int>("bericht");
        QTest::addColumn<QString>("bezeichnung");
        QTest::addColumn<double>("fd");
        QTest::addColumn<double>("A");
        QTest::addColumn<QString>("wert");
        const auto b1 = int(Bericht::Biegung1), b2 = int(Bericht::Biegung2), k = int(Bericht::Knickung);
        const QString lf = QStringLiteral("L/f"), sp = QStringLiteral("vorh. Spannung [N/mm2]");
        const QString fehler = QStringLiteral("Fehler");
        QTest::newRow("f = 0,05 wird geteilt") << b1 << lf << 0.05 << 1.0 << z("80000.00");
        QTest::newRow("f = 0,0499 ist Fehler") << b1 << lf << 0.0499 << 1.0 << fehler;
        QTest::newRow("f = 0 ist Fehler") << b2 << lf << 0.0 << 1.0 << fehler;
        // An upward deflection (uplift) divides by its magnitude; only a tiny one is an error.
        QTest::newRow("f nach oben wird mit dem Betrag geteilt") << b2 << lf << -2.0 << 1.0 << z("2000.00");
        QTest::newRow("f = -0,0499 ist Fehler") << b2 << lf << -0.0499 << 1.0 << fehler;
        QTest::newRow("Biegung2 f = 0,05") << b2 << lf << 0.05 << 1.0 << z("80000.00");
        QTest::newRow("A = 0,005 wird geteilt") << k << sp << 1.0 << 0.005 << z("1000000.00");
        QTest::newRow("A = 0,00499 ist Fehler") << k << sp << 1.0 << 0.00499 << fehler;
        QTest::newRow("A = 0 ist Fehler") << k << sp << 1.0 << 0.0 << fehler;
        QTest::newRow("A negativ ist Fehler") << k << sp << 1.0 << -5.0 << fehler;
    }
    void divisionswaechter()
    {
        QFETCH(int, bericht);
        QFETCH(QString, bezeichnung);
        QFETCH(double, fd);
        QFETCH(double, A);
        QFETCH(QString, wert);
        beispielzustand(bericht == int(Bericht::Biegung2) ? 4 : 1);
        Unit1::fd = fd;
        Unit1::A = A;
        int gefunden = 0;
        for (const Berichtsinhalt::Zeile& zeile : inhalt(Bericht(bericht)).zeilen)
            if (zeile.text == bezeichnung) {
                QCOMPARE(zeile.wert, wert);
                ++gefunden;
            }
        QCOMPARE(gefunden, 1);
    }

    void nachDemStartStehenNullen()
    {
        // Right after the dialog opened: results 0.00, texts of the start state.
        Unit1::Programminit();
        Unit1::Akt_Belastungsfall = 1;
        const QStringList k = zeilen(Berichtsinhalt::Knickung(QStringLiteral("T"), zustand(), QString()));
        QVERIFY(k.contains(QStringLiteral("165 Profiltyp : = Keines gewählt")));
        QVERIFY(k.contains("235 Ierf [cm4] = " + z("0.00")));
        QVERIFY(k.contains(QStringLiteral("245 vorh. Spannung [N/mm2] = Fehler")));
        QVERIFY(k.contains("255 Tatsächliche Sicherheit = " + z("0.00")));
    }

    void seiteEinsMitNachweisen()
    {
        // The verdict lines stand under the picture, 4 mm apart, before the caption; every other
        // line stays where it stands without them, and the head goes with the content.
        const Berichtsinhalt::Angaben angaben {{QStringLiteral("Halle 3"), QStringLiteral("12"), QStringLiteral("K. M.")},
            {QStringLiteral("Eigengewicht: nicht berücksichtigt"), QStringLiteral("Nachweis X: erfüllt"),
                QStringLiteral("Nachweis Y: nicht erfüllt")}};
        for (const auto& [bericht, fall] : {std::pair {Bericht::Biegung1, 1}, std::pair {Bericht::Biegung2, 9},
                 std::pair {Bericht::Knickung, 2}, std::pair {Bericht::Scherung, 0}}) {
            beispielzustand(fall);
            const Inhalt ohne = inhalt(bericht), mit = inhalt(bericht, {}, angaben);
            QCOMPARE(zeilen(mit),
                QStringList({QStringLiteral("89 * Eigengewicht: nicht berücksichtigt"),
                    QStringLiteral("93 * Nachweis X: erfüllt"), QStringLiteral("97 * Nachweis Y: nicht erfüllt")})
                    + zeilen(ohne));
            QCOMPARE(mit.kopf.Bearbeiter, QStringLiteral("K. M."));
            QVERIFY(ohne.kopf.leer());
        }
    }

    // ---- printed pages ----

    void seite_data()
    {
        QTest::addColumn<int>("bericht");
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("texte"); // titel|formel or hinweis W|hinweis f
        QTest::addColumn<double>("fd");
        QTest::addColumn<double>("A");
        QTest::addColumn<int>("wertspalte");
        QTest::addColumn<bool>("mitBild");
        QTest::newRow("Biegung1 Fall 1") << int(Bericht::Biegung1) << 1 << "Biegung - Fall 1" << 9.81 << 2848.0 << 6000 << true;
        QTest::newRow("Biegung1 fremder Fall 8, f zu klein")
            << int(Bericht::Biegung1) << 8 << "Biegung - Fall 8" << 0.0499 << 2848.0 << 6000 << false;
        QTest::newRow("Biegung2 Fall 9 mit Hinweisen")
            << int(Bericht::Biegung2) << 9
            << "Biegung - Eingabe von F, L und a|Der gefährdete Querschnitt ist beim Auflager!|Berechnete "
               "Durchbiegung ist nicht die Maximale!"
            << 9.81 << 2848.0 << 6000 << true;
        QTest::newRow("Knickung Fall 2, A zu klein")
            << int(Bericht::Knickung) << 2 << "Knickung Eulerfall 2|Es wird mit der Tetmajer-Formel gerechnet" << 9.81 << 0.004
            << 6500 << true;
        QTest::newRow("Scherung") << int(Bericht::Scherung) << 0 << "Berechnung auf Abscherung" << 9.81 << 2848.0 << 6000 << true;
    }
    void seite()
    {
        QFETCH(int, bericht);
        QFETCH(int, fall);
        QFETCH(QString, texte);
        QFETCH(double, fd);
        QFETCH(double, A);
        QFETCH(int, wertspalte);
        QFETCH(bool, mitBild);
        beispielzustand(fall);
        Unit1::fd = fd;
        Unit1::A = A;
        const QStringList t = texte.split(QLatin1Char('|'));
        const Dialogtexte dialog {t.value(0), t.value(1), t.value(2)};
        Plattform::Meldungsrekorder rekorder;
        drucken(Bericht(bericht), dialog);
        QVERIFY(rekorder.meldungen.isEmpty());
        QCOMPARE(rekorder.pieptoene, 0);
        QCOMPARE(seitenzahl(m_pdf), 1);

        QList<Wort> rest = woerter(m_pdf);
        const int breite = U_Printgr::PgWidth;
        QCOMPARE(breite, Seitengeometrie::Seitenbreite(U_Printgr::Printer().width(), 1200));

        // Title block.
        double x = 0;
        QCOMPARE(nimm(rest, 800, 0, 5000, &x), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(std::abs(x - 1000) < 30);
        QCOMPARE(nimm(rest, 800, 5000, 1e9, &x), QStringLiteral("Seite1"));
        QVERIFY2(std::abs(x - (breite - 2000)) < 30, qPrintable(QString::number(x)));
        for (const auto& [y, text] : {std::pair {2000, QStringLiteral("Trabex")}, std::pair {3000, U_druck::Hinweiszeile}}) {
            double links = 1e9, rechts = -1e9;
            for (const Wort& w : rest)
                if (std::abs(w.y0 - y) < 150) {
                    links = std::min(links, w.x0);
                    rechts = std::max(rechts, w.x1);
                }
            QCOMPARE(nimm(rest, y, 0, 1e9), text);
            QVERIFY2(std::abs((links + rechts) / 2 - breite / 2) < 60, qPrintable(text));
        }

        // Every line of the report at its y, labels at x1, values in the report's column.
        const Inhalt soll = inhalt(Bericht(bericht), dialog);
        for (const Berichtsinhalt::Zeile& z : soll.zeilen) {
            if (z.art == Art::Zeile) {
                QCOMPARE(nimm(rest, z.y, wertspalte - 30, 1e9, &x), z.wert.simplified());
                QVERIFY2(std::abs(x - wertspalte) < 30, qPrintable(z.text));
                QCOMPARE(nimm(rest, z.y, 0, wertspalte - 30, &x), z.text.simplified());
            } else {
                QCOMPARE(nimm(rest, z.y, 0, 1e9, &x), z.text.simplified());
            }
            if (!z.text.trimmed().isEmpty())
                QVERIFY2(std::abs(x - 1400) < 30, qPrintable(z.text));
        }
        for (const Wort& w : rest)
            qWarning() << "unerwartet:" << w.text << w.x0 << w.y0;
        QVERIFY(rest.isEmpty());

        // The 2:1 picture fills the width of its rectangle (50 mm × 40 mm at 75 mm, 46 mm) and
        // 25 mm of its height, centred; white around it.
        const QImage seite = seitenbild(m_pdf);
        const QColor rot(200, 30, 30), weiss(Qt::white);
        const auto farbe = [&](double px, double py) { return pixel(seite, px, py); };
        const auto nahe = [](const QColor& a, const QColor& b) {
            return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 40;
        };
        const QPointF mitte = QRectF(Berichtsinhalt::Bildrechteck).center();
        QCOMPARE(mitte, QPointF(10000, 6600));
        for (const QPointF& innen : {QPointF(-2400, -1150), QPointF(2400, 1150), QPointF(0, 0)})
            QVERIFY(nahe(farbe(mitte.x() + innen.x(), mitte.y() + innen.y()), mitBild ? rot : weiss));
        for (const QPointF& aussen : {QPointF(-2600, 0), QPointF(2600, 0), QPointF(0, -1350), QPointF(0, 1350)})
            QVERIFY(nahe(farbe(mitte.x() + aussen.x(), mitte.y() + aussen.y()), weiss));
    }

    // Page 1 of a report printed with its further pages says what the dialog's verdict lines say,
    // whether the self-weight was included and the head where it is filled in; the steps of the
    // calculation stay on the further pages. On the fullest page (case 9 with both notes and the
    // axis row) as on the others, no line runs past the printable area, into the caption or
    // the picture; a verdict too wide for the smaller font is printed smaller, never cut.
    void seiteEinsSagtDasUrteil_data()
    {
        QTest::addColumn<int>("bericht");
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("g");
        QTest::addColumn<QStringList>("urteile"); // the verdict labels of the dialog
        QTest::addColumn<bool>("mitKopf");
        QTest::newRow("Biegung1 Fall 4, erfüllt")
            << int(Bericht::Biegung1) << 4 << "Biegung - Fall 4" << 0.0
            << QStringList {Nachweis::Biegung(41.67, 194.3).text, Nachweis::Durchbiegung(4000, 9.81, 300).text} << true;
        QTest::newRow("Biegung2 Fall 9, voll, mit Eigengewicht, breit")
            << int(Bericht::Biegung2) << 9
            << "Biegung - Eingabe von F, L und a|Der gefährdete Querschnitt ist beim Auflager!|Berechnete "
               "Durchbiegung ist nicht die Maximale!"
            << 223.6 << QStringList {Nachweis::Biegung(-1234567.89, 194.3).text, Nachweis::Durchbiegung(4000, -1234.56, 500).text}
            << true;
        QTest::newRow("Knickung Fall 2") << int(Bericht::Knickung) << 2 << "Knickung Eulerfall 2|Die Formel nach Euler ist gültig"
                                         << 0.0
                                         << QStringList {QStringLiteral(
                                                "Nachweis Knicksicherheit: Die gewünschte Knicksicherheit wurde erreicht")}
                                         << true;
        QTest::newRow("Scherung") << int(Bericht::Scherung) << 0 << "Berechnung auf Abscherung" << 0.0
                                  << QStringList {Nachweis::Abscherung(41.67, 2848).text} << true;
        QTest::newRow("Scherung ohne Kopf, ohne Rechnung")
            << int(Bericht::Scherung) << 0 << "Berechnung auf Abscherung" << 0.0 << QStringList {} << false;
    }
    void seiteEinsSagtDasUrteil()
    {
        QFETCH(int, bericht);
        QFETCH(int, fall);
        QFETCH(QString, texte);
        QFETCH(double, g);
        QFETCH(QStringList, urteile);
        QFETCH(bool, mitKopf);
        beispielzustand(fall);
        Unit1::Profilachse = Unit1::TProfilachse::Imin;
        if (mitKopf)
            Zusatzseiten::kopf() = {QStringLiteral("Halle 3"), QStringLiteral("12"), QStringLiteral("K. Muster")};
        Zusatzseiten::Inhalt zusatz;
        zusatz.titel = QStringLiteral("Titel");
        zusatz.protokoll.setzen(QStringLiteral("Rechnung"), {{QStringLiteral("Schritt"), QStringLiteral("a = b"), {}, {}}});
        const QLabel w(urteile.value(0)), f(urteile.value(1));
        Nachweiszeile::Protokollieren(zusatz.protokoll, {Nachweiszeile::Eigengewicht(g)}, {&w, &f});
        const QStringList t = texte.split(QLatin1Char('|'));
        drucken(Bericht(bericht), {t.value(0), t.value(1), t.value(2)}, nullptr, &zusatz);
        QVERIFY(seitenzahl(m_pdf) >= 2);

        QList<Wort> seite1 = woerter(m_pdf, 1);
        const QList<Wort> alle = seite1;
        const QString eigengewicht = g > 0 ? QStringLiteral("Eigengewicht: berücksichtigt (g = %1 N/m)").arg(z("223.60"))
                                           : QStringLiteral("Eigengewicht: nicht berücksichtigt");
        const QStringList soll = QStringList {eigengewicht} + urteile;
        int y = Berichtsinhalt::Erste_Nachweiszeile;
        for (const QString& zeile : soll) {
            double x = 0;
            QCOMPARE(nimm(seite1, y, 0, 1e9, &x), zeile.normalized(QString::NormalizationForm_KC));
            QVERIFY2(std::abs(x - 1400) < 30, qPrintable(zeile));
            y += Berichtsinhalt::Nachweisabstand;
        }
        // The head in two lines: the project, then the position and the one who computes.
        QCOMPARE(nimm(seite1, 3650, 0, 1e9), mitKopf ? QStringLiteral("Projekt: Halle 3") : QString());
        const auto position
            = std::find_if(seite1.begin(), seite1.end(), [](const Wort& w) { return w.text == QStringLiteral("Position:"); });
        QCOMPARE(position != seite1.end(), mitKopf);
        if (mitKopf) {
            QVERIFY(position->y0 > 3800 && position->y1 < Berichtsinhalt::Bildrechteck.top());
            QCOMPARE(nimm(seite1, int(position->y0), 0, 1e9), QStringLiteral("Position: 12 Bearbeiter: K. Muster"));
        }
        QVERIFY(nimm(seite1, 10500, 0, 1e9).startsWith(t.value(0).section(QLatin1Char(' '), 0, 0)));
        QVERIFY(!nimm(seite1, 0, 0, 1e9).contains(QStringLiteral("Schritt")));

        QVERIFY(U_Printgr::PgHeight > 27000); // A4 less 12.7 mm margins: 271.6 mm
        for (const Wort& w : alle) {
            QVERIFY2(w.y1 <= U_Printgr::PgHeight, qPrintable(w.text));
            if (w.y0 > 3500) // below the title block, whose page number stands further right
                QVERIFY2(w.x1 <= U_Printgr::PgWidth - 1400 + 30, qPrintable(w.text));
            if (w.y0 > 3500 && w.y0 < Berichtsinhalt::Bildrechteck.top()) // the head above the picture
                QVERIFY2(w.y1 < Berichtsinhalt::Bildrechteck.top(), qPrintable(w.text));
            if (w.y0 >= Berichtsinhalt::Erste_Nachweiszeile - 30 && w.y0 < Berichtsinhalt::Erste_Zeile - 30) // verdicts
                QVERIFY2(w.y0 > Berichtsinhalt::Bildrechteck.bottom() && w.y1 < Berichtsinhalt::Erste_Zeile, qPrintable(w.text));
        }
    }

    void schriftgroessenAufDemPapier()
    {
        // Heights of the printed words relative to their point sizes: title 23 pt, date 9 pt,
        // report lines 11 pt.
        beispielzustand(0);
        U_druck::Scherung_Drucken(nullptr, QStringLiteral("Abscherung"), zustand());
        const QList<Wort> w = woerter(m_pdf);
        const auto hoehe = [&](const QString& text) {
            for (const Wort& x : w)
                if (x.text == text)
                    return x.y1 - x.y0;
            return 0.0;
        };
        const double je_punkt = hoehe(QStringLiteral("Materialdaten:")) / 11;
        QVERIFY2(je_punkt > 2540.0 / 72 && je_punkt < 1.5 * 2540 / 72, qPrintable(QString::number(je_punkt)));
        QVERIFY(std::abs(hoehe(QStringLiteral("Trabex")) / je_punkt - 23) < 0.5);
        QVERIFY(std::abs(hoehe(QStringLiteral("Seite1")) / je_punkt - 9) < 0.5);
    }

    void druckeraufloesung_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("breite");
        QTest::addColumn<int>("nenn");
        QTest::newRow("300 dpi") << 300 << 20311 << 76;
        QTest::newRow("600 dpi") << 600 << 20315 << 38;
    }
    void druckeraufloesung()
    {
        // A printable width of 8 inches: 2400 or 4800 dots.
        QFETCH(int, dpi);
        QFETCH(int, breite);
        QFETCH(int, nenn);
        QPrinter& drucker = U_Printgr::Printer();
        drucker.setResolution(dpi);
        drucker.setPageSize(QPageSize(QSizeF(8.5, 11), QPageSize::Inch));
        drucker.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
        QCOMPARE(drucker.width(), 8 * dpi);
        U_Printgr::BeginDocEx(QStringLiteral("Trabex"));
        QCOMPARE(U_Printgr::PgWidth, breite);
        QCOMPARE(U_Printgr::PgMiddle, breite / 2);
        U_Printgr::SetFontSize(9);
        QCOMPARE(U_Printgr::FontSize(), nenn);
        U_Printgr::SetFontSize(-9);
        QCOMPARE(U_Printgr::FontSize(), nenn);
        U_druck::Titelzeile_Drucken();
        QCOMPARE(U_Printgr::FontSize(), nenn);
        U_Printgr::EndDoc();
        // "Seite1" 20 mm left of the right edge of the printable area (6.35 mm margins here).
        bool gefunden = false;
        for (const Wort& w : woerter(m_pdf))
            if (w.text == QStringLiteral("Seite1")) {
                gefunden = true;
                QVERIFY2(std::abs(w.x0 + Rand_mm * 100 - 635 - (breite - 2000)) < 30, qPrintable(QString::number(w.x0)));
            }
        QVERIFY(gefunden);
    }

    // The title block looks the same whatever style the page before left (a page that follows
    // an underlined heading of the steps printed its program name bold and underlined).
    void titelblockImmerGerade()
    {
        QImage bilder[2];
        for (const bool unterstrichen : {false, true}) {
            U_Printgr::BeginDocEx(U_druck::Programmname);
            U_Printgr::SetFontStyle(unterstrichen, unterstrichen);
            U_druck::Titelzeile_Drucken();
            U_Printgr::EndDoc();
            bilder[unterstrichen] = seitenbild(m_pdf);
        }
        QVERIFY(!bilder[0].isNull());
        QVERIFY(bilder[0] == bilder[1]);
    }

    // A part of the steps never starts at the foot of a page with its heading alone: the heading
    // goes on to the next page with its first step.
    void ueberschriftNieAllein_data()
    {
        QTest::addColumn<int>("schritte");
        for (int n = 1; n <= 4; ++n) // parts of 2 to 5 lines: some page break falls after a heading
            QTest::addRow("%d Schritte je Teil", n) << n;
    }
    void ueberschriftNieAllein()
    {
        QFETCH(int, schritte);
        Zusatzseiten::Inhalt z;
        z.titel = QStringLiteral("Rechnung");
        for (int t = 1; t <= 50; ++t)
            z.protokoll.setzen(QStringLiteral("Teil %1").arg(t),
                Rechenweg::Schritte(schritte, {QStringLiteral("Schritt"), QStringLiteral("a = b"), {}, {}}));
        Zusatzseiten::Allein_Drucken(U_Printgr::Printer(), z);
        const QStringList seiten
            = ausfuehren(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), m_pdf, QStringLiteral("-")})
                  .split(QLatin1Char('\f'));
        QVERIFY(seiten.size() > 3);
        const QRegularExpression ueberschrift(QStringLiteral(R"(^\s*Teil \d+\s*$)"));
        for (qsizetype s = 0; s + 1 < seiten.size(); ++s) {
            const QStringList zeilen = seiten[s].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QVERIFY2(zeilen.isEmpty() || !ueberschrift.match(zeilen.last()).hasMatch(), qPrintable(seiten[s]));
        }
    }

    // ---- job handling ----

    void besetzterDrucker()
    {
        beispielzustand(1);
        U_Printgr::BeginDocEx(QStringLiteral("fremder Auftrag"));
        Plattform::Meldungsrekorder rekorder;
        for (Bericht b : {Bericht::Biegung1, Bericht::Biegung2, Bericht::Scherung})
            drucken(b);
        QCOMPARE(rekorder.pieptoene, 3);
        QVERIFY(rekorder.meldungen.isEmpty());
        drucken(Bericht::Knickung);
        QCOMPARE(rekorder.pieptoene, 3);
        QCOMPARE(rekorder.meldungen.size(), 1);
        QCOMPARE(rekorder.meldungen[0].art, Plattform::Meldungsart::Fehler);
        QCOMPARE(rekorder.meldungen[0].text, QStringLiteral("Fehler beim Drucken"));
        U_Printgr::EndDoc();
        QVERIFY(woerter(m_pdf).isEmpty()); // nothing of the reports came out
    }

    void fehlendesBildDrucktNichts()
    {
        beispielzustand(2); // B_Bieg2.BMP is not in the data directory
        try {
            U_druck::Biegung1_Drucken(nullptr, QStringLiteral("T"), zustand());
            QFAIL("kein Fehler");
        } catch (const Plattform::Fehler& f) {
            QCOMPARE(f.art(), Plattform::Fehler::Art::Datei);
            QVERIFY2(f.text().contains(QStringLiteral("B_Bieg2.BMP")), qPrintable(f.text()));
        }
        QVERIFY(!U_Printgr::Printing(U_Printgr::Printer()));
        QVERIFY(!QFile::exists(m_pdf));

        m_verzeichnis->schreiben(QStringLiteral("b_bieg2.bmp"), "kein Bild");
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, U_druck::Biegung1_Drucken(nullptr, QStringLiteral("T"), zustand()));
        QVERIFY(!QFile::exists(m_pdf));

        // The next report prints as usual.
        beispielzustand(1);
        U_druck::Biegung1_Drucken(nullptr, QStringLiteral("T"), zustand());
        QCOMPARE(seitenzahl(m_pdf), 1);
    }

    void fehlerBeimZeichnenBeendetDenAuftrag()
    {
        U_Printgr::BeginDocEx(QStringLiteral("T"));
        U_Printgr::TextOut(1000, 1000, QStringLiteral("halb"));
        U_Printgr::Abort();
        QVERIFY(!U_Printgr::Printing(U_Printgr::Printer()));
        QVERIFY(!QFile::exists(m_pdf)); // no half page passes for a report
        QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, U_Printgr::TextOut(0, 0, QStringLiteral("x")));
    }

    void auftragKannNichtBeginnen_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("keine Datei gewählt") << QString() << QStringLiteral("keine Datei gewählt");
        QTest::newRow("Verzeichnis fehlt") << QStringLiteral("fehlt/bericht.pdf")
                                           << QStringLiteral("kann nicht geschrieben werden");
    }
    void auftragKannNichtBeginnen()
    {
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        beispielzustand(0);
        U_Printgr::Printer().setOutputFileName(datei.isEmpty() ? datei : m_verzeichnis->pfad() + datei);
        try {
            U_druck::Scherung_Drucken(nullptr, QStringLiteral("T"), zustand());
            QFAIL("kein Fehler");
        } catch (const Plattform::Fehler& f) {
            QVERIFY2(f.text().contains(meldung), qPrintable(f.text()));
        }
        QVERIFY(!U_Printgr::Printing(U_Printgr::Printer()));
        // Choosing a file afterwards prints.
        U_Printgr::Printer().setOutputFileName(m_pdf);
        U_druck::Scherung_Drucken(nullptr, QStringLiteral("T"), zustand());
        QCOMPARE(seitenzahl(m_pdf), 1);
    }

    // The printer set-up proposes a PDF in the user's documents folder named after the
    // calculation, and the report lands there when the user confirms.
    void pdfDateiHeisstNachDerBerechnung_data()
    {
        QTest::addColumn<int>("bericht");
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("datei");
        QTest::newRow("Biegung, erster Dialog") << int(Bericht::Biegung1) << 1 << QStringLiteral("Biegung_Fall1.pdf");
        QTest::newRow("Biegung, zweiter Dialog") << int(Bericht::Biegung2) << 9 << QStringLiteral("Biegung_Fall9.pdf");
        QTest::newRow("Knickung") << int(Bericht::Knickung) << 2 << QStringLiteral("Knickung_Fall2.pdf");
        QTest::newRow("Scherung") << int(Bericht::Scherung) << 0 << QStringLiteral("Scherung.pdf");
    }
    void pdfDateiHeisstNachDerBerechnung()
    {
        QFETCH(int, bericht);
        QFETCH(int, fall);
        QFETCH(QString, datei);
        const Heimordner heim;
        QVERIFY(QDir(heim.pfad()).mkdir(QStringLiteral("Documents")));
        U_Printgr::Printer().setOutputFileName(QString()); // nothing printed to a file yet
        beispielzustand(fall);
        QPrintDialog dialog(&U_Printgr::Printer());
        QString vorgeschlagen;
        QTimer::singleShot(0, &dialog, [&] {
            if (const auto* feld = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))
                vorgeschlagen = feld->text();
            dialog.accept();
        });
        drucken(Bericht(bericht), {}, &dialog);
        const QString erwartet = heim.pfad() + QStringLiteral("/Documents/") + datei;
        QCOMPARE(vorgeschlagen, erwartet);
        QCOMPARE(U_Printgr::Printer().outputFileName(), erwartet);
        QCOMPARE(seitenzahl(erwartet), 1);
    }

    // The folder of the last PDF wins over the documents folder; without either, the home.
    void pdfOrdner()
    {
        const Heimordner heim;
        QPrinter drucker;
        drucker.setOutputFileName(QString());
        QCOMPARE(U_druck::Druckdatei(QStringLiteral("Scherung"), drucker), heim.pfad() + QStringLiteral("/Scherung.pdf"));
        QVERIFY(QDir(heim.pfad()).mkdir(QStringLiteral("Documents")));
        QCOMPARE(
            U_druck::Druckdatei(QStringLiteral("Scherung"), drucker), heim.pfad() + QStringLiteral("/Documents/Scherung.pdf"));
        drucker.setOutputFileName(m_pdf);
        QCOMPARE(U_druck::Druckdatei(QStringLiteral("Biegung_Fall3"), drucker),
            m_verzeichnis->pfad() + QStringLiteral("Biegung_Fall3.pdf"));
    }

    // Qt's own dialogs speak German once the program has started.
    void qtDialogeDeutsch()
    {
        QVERIFY(Sprache::Qt_Texte_Laden());
        QCOMPARE(QPrintDialog(&U_Printgr::Printer()).windowTitle(), QStringLiteral("Drucken"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    void abgebrochenerDruckdialogDrucktTrotzdem()
    {
        beispielzustand(2);
        QPrintDialog dialog(&U_Printgr::Printer());
        bool gezeigt = false;
        QTimer::singleShot(0, &dialog, [&] {
            gezeigt = dialog.isVisible();
            dialog.reject();
        });
        U_druck::Knickung_Drucken(&dialog, QStringLiteral("Knickung"), zustand(), QStringLiteral("Formel"));
        QVERIFY(gezeigt);
        QList<Wort> w = woerter(m_pdf);
        QCOMPARE(nimm(w, 10500, 0, 1e9), QStringLiteral("Knickung"));
    }

    // "Drucken" in each calculation dialog of the running program: its printer set-up dialog
    // is built on the printer the reports share, so what the user chooses there is what the
    // report (and the next one of any dialog) prints on. Cancelled, it still prints.
    void druckenImRechendialog()
    {
        Plattform::Meldungsrekorder rekorder; // the start-up finds no data files
        Testumgebung::Programm programm(*m_verzeichnis);
        const struct {
            QWidget* dialog;
            QPushButton* drucken;
            int fall;
        } dialoge[] = {{U_bieg1::DLG_Biegung1, U_bieg1::DLG_Biegung1->B_Drucken, 1},
            {U_bieg2::DLG_Biegung2, U_bieg2::DLG_Biegung2->B_Drucken, 9},
            {U_knick::DLG_Knickung, U_knick::DLG_Knickung->B_Drucken, 2},
            {U_scher::DLG_Scherung, U_scher::DLG_Scherung->B_Drucken, 0}};
        for (const auto& d : dialoge) {
            Unit1::Akt_Belastungsfall = d.fall;
            Main::Dialog_Zeigen(d.dialog);
            Plattform::aktivieren(d.dialog); // as the user's click in it does
            QFile::remove(m_pdf);
            const QPrinter* gezeigt = nullptr;
            // The head of the further pages is asked first and taken as it stands; then the
            // printer set-up, which is cancelled.
            QTimer antworten;
            QObject::connect(&antworten, &QTimer::timeout, d.dialog, [&] {
                QWidget* offen = QApplication::activeModalWidget();
                if (offen && offen->objectName() == QStringLiteral("DLG_Berichtskopf"))
                    static_cast<QDialog*>(offen)->accept();
                else if (auto* setup = qobject_cast<QPrintDialog*>(offen)) {
                    gezeigt = setup->printer();
                    setup->reject();
                }
            });
            antworten.start(0);
            QTest::mouseClick(d.drucken, Qt::LeftButton);
            antworten.stop();
            QCOMPARE(gezeigt, &U_Printgr::Printer());
            QList<Wort> w = woerter(m_pdf, 1);
            QCOMPARE(nimm(w, 10500, 0, 1e9), d.dialog->windowTitle().simplified());
            // Nothing computed yet: page 1 says only that the self-weight was not included.
            QCOMPARE(nimm(w, Berichtsinhalt::Erste_Nachweiszeile, 0, 1e9), QStringLiteral("Eigengewicht: nicht berücksichtigt"));
            d.dialog->hide();
        }
    }
};

TRABEX_TEST_MAIN(TestReport)
#include "test_report.moc"
