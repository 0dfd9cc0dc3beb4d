// The RTF reader and writer: every format survives writing and reading again, what word
// processors write is read with its text and formats, and hostile files neither crash nor
// hang the reader.
#include "Kernumgebung.h"

#include "core/explain/Rtf.h"
#include "core/platform/Fehler.h"
#include "core/platform/Textdatei.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <functional>

namespace {

QTextDocument* gelesen(const QByteArray& rtf, QObject* eltern)
{
    auto* dokument = new QTextDocument(eltern);
    Rtf::lesen(rtf, *dokument);
    return dokument;
}

// The libreoffice_*.rtf fixtures were converted once from fixtures/quellen/*.html with
//   soffice --headless --infilter="HTML (StarWriter)" --convert-to rtf <name>.html
QByteArray fixture(const QString& name)
{
    QFile datei(QStringLiteral(RTF_FIXTURES "/") + name);
    if (!datei.open(QIODevice::ReadOnly))
        qFatal("fixture %s missing", qPrintable(name));
    return datei.readAll();
}

// The character format of the fragment that is `text`, else of the first that holds it.
QTextCharFormat formatVon(const QTextDocument& dokument, const QString& text)
{
    for (QTextBlock b = dokument.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text() == text)
                return it.fragment().charFormat();
    for (QTextBlock b = dokument.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat();
    qWarning("no fragment with %s", qPrintable(text));
    return {};
}

QTextBlock blockMit(const QTextDocument& dokument, const QString& text)
{
    for (QTextBlock b = dokument.begin(); b.isValid(); b = b.next())
        if (b.text().contains(text))
            return b;
    qWarning("no block with %s", qPrintable(text));
    return {};
}

// The text with line separators and non-breaking spaces as they are, paragraphs as '\n'.
QString text(const QTextDocument& dokument) { return dokument.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')); }

QByteArray bildDaten(const QImage& bild, const char* art)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, art);
    return daten;
}

QImage probebild()
{
    QImage bild(6, 4, QImage::Format_RGB32);
    bild.fill(Qt::red);
    for (int y = 0; y < 4; ++y)
        bild.setPixel(5, y, qRgb(0, 0, 255));
    return bild;
}

using Formatierer = std::function<void(QTextCharFormat&)>;
using Absatzformatierer = std::function<void(QTextBlockFormat&)>;

} // namespace

Q_DECLARE_METATYPE(Formatierer)
Q_DECLARE_METATYPE(Absatzformatierer)

class TestRtf : public QObject {
    Q_OBJECT

private slots:
    void zeichenformatUeberstehtSchreibenUndLesen_data();
    void zeichenformatUeberstehtSchreibenUndLesen();
    void absatzformatUeberstehtSchreibenUndLesen_data();
    void absatzformatUeberstehtSchreibenUndLesen();
    void absatzformatVererbtSichNichtAufLaeufe();
    void textUeberstehtSchreibenUndLesen_data();
    void textUeberstehtSchreibenUndLesen();
    void listenUeberstehenSchreibenUndLesen();
    void bildUebersteht();
    void geschriebenesRtfIstReinesAscii();

    void leserText_data();
    void leserText();
    void bilderJederArt_data();
    void bilderJederArt();
    void wordpadAufzaehlung();
    void wordListeMitListtext();
    void libreofficeFormate();
    void libreofficeListen();
    void libreofficeBild();

    void feindlicheDateien_data();
    void feindlicheDateien();
    void zuGrosseDateienWerdenAbgelehnt();
    void klartextUndTabellenBegrenzt();
    void fundeDesFuzzers();
    void dateiLadenUndSpeichern();
};

void TestRtf::zeichenformatUeberstehtSchreibenUndLesen_data()
{
    QTest::addColumn<Formatierer>("formatieren");
    QTest::addColumn<QList<int>>("eigenschaften");

    QTest::newRow("fett") << Formatierer([](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); })
                          << QList<int> {QTextFormat::FontWeight};
    QTest::newRow("kursiv") << Formatierer([](QTextCharFormat& f) { f.setFontItalic(true); })
                            << QList<int> {QTextFormat::FontItalic};
    QTest::newRow("unterstrichen") << Formatierer([](QTextCharFormat& f) { f.setFontUnderline(true); })
                                   << QList<int> {QTextFormat::TextUnderlineStyle};
    QTest::newRow("durchgestrichen") << Formatierer([](QTextCharFormat& f) { f.setFontStrikeOut(true); })
                                     << QList<int> {QTextFormat::FontStrikeOut};
    QTest::newRow("hochgestellt") << Formatierer([](QTextCharFormat& f) {
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    }) << QList<int> {QTextFormat::TextVerticalAlignment};
    QTest::newRow("tiefgestellt") << Formatierer([](QTextCharFormat& f) {
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    }) << QList<int> {QTextFormat::TextVerticalAlignment};
    QTest::newRow("groesse 17,5 pt") << Formatierer([](QTextCharFormat& f) { f.setFontPointSize(17.5); })
                                     << QList<int> {QTextFormat::FontPointSize};
    QTest::newRow("schrift mit umlaut") << Formatierer([](QTextCharFormat& f) {
        f.setFontFamilies({QStringLiteral("Schrift Größe")});
    }) << QList<int> {QTextFormat::FontFamilies};
    QTest::newRow("farbe") << Formatierer([](QTextCharFormat& f) { f.setForeground(QColor(12, 34, 200)); })
                           << QList<int> {QTextFormat::ForegroundBrush};
    QTest::newRow("hervorhebung") << Formatierer([](QTextCharFormat& f) { f.setBackground(QColor(255, 255, 0)); })
                                  << QList<int> {QTextFormat::BackgroundBrush};
    QTest::newRow("alles zusammen") << Formatierer([](QTextCharFormat& f) {
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setFontStrikeOut(true);
        f.setFontPointSize(9);
        f.setForeground(QColor(255, 0, 0));
        f.setBackground(QColor(0, 255, 0));
    })
                                    << QList<int> {QTextFormat::FontWeight, QTextFormat::FontItalic,
                                           QTextFormat::TextUnderlineStyle, QTextFormat::FontStrikeOut,
                                           QTextFormat::FontPointSize, QTextFormat::ForegroundBrush,
                                           QTextFormat::BackgroundBrush};
}

void TestRtf::zeichenformatUeberstehtSchreibenUndLesen()
{
    QFETCH(Formatierer, formatieren);
    QFETCH(QList<int>, eigenschaften);

    QTextDocument dokument;
    QTextCursor cursor(&dokument);
    QTextCharFormat schlicht;
    schlicht.setFontPointSize(12);
    cursor.insertText(QStringLiteral("vorher "), schlicht);
    QTextCharFormat format = schlicht;
    formatieren(format);
    cursor.insertText(QStringLiteral("Probe"), format);
    cursor.insertText(QStringLiteral(" nachher"), schlicht);

    auto* wieder = gelesen(Rtf::schreiben(dokument), this);
    QCOMPARE(text(*wieder), text(dokument));
    const QTextCharFormat gelesenesFormat = formatVon(*wieder, QStringLiteral("Probe"));
    for (int eigenschaft : eigenschaften)
        QCOMPARE(gelesenesFormat.property(eigenschaft), format.property(eigenschaft));
    // The neighbours keep the plain format.
    const QTextCharFormat nachbar = formatVon(*wieder, QStringLiteral("nachher"));
    QCOMPARE(nachbar.fontWeight(), int(QFont::Normal));
    QVERIFY(!nachbar.fontItalic());
    QCOMPARE(nachbar.underlineStyle(), QTextCharFormat::NoUnderline);
    QVERIFY(!nachbar.hasProperty(QTextFormat::ForegroundBrush));
}

void TestRtf::absatzformatUeberstehtSchreibenUndLesen_data()
{
    QTest::addColumn<Absatzformatierer>("formatieren");
    QTest::addColumn<QList<int>>("eigenschaften");

    QTest::newRow("zentriert") << Absatzformatierer([](QTextBlockFormat& f) { f.setAlignment(Qt::AlignHCenter); })
                               << QList<int> {QTextFormat::BlockAlignment};
    QTest::newRow("rechts") << Absatzformatierer([](QTextBlockFormat& f) { f.setAlignment(Qt::AlignRight); })
                            << QList<int> {QTextFormat::BlockAlignment};
    QTest::newRow("blocksatz") << Absatzformatierer([](QTextBlockFormat& f) { f.setAlignment(Qt::AlignJustify); })
                               << QList<int> {QTextFormat::BlockAlignment};
    QTest::newRow("einzuege") << Absatzformatierer([](QTextBlockFormat& f) {
        f.setLeftMargin(48);
        f.setRightMargin(24);
        f.setTextIndent(-12);
    }) << QList<int> {QTextFormat::BlockLeftMargin, QTextFormat::BlockRightMargin, QTextFormat::TextIndent};
    QTest::newRow("abstaende") << Absatzformatierer([](QTextBlockFormat& f) {
        f.setTopMargin(8);
        f.setBottomMargin(16);
    }) << QList<int> {QTextFormat::BlockTopMargin, QTextFormat::BlockBottomMargin};
    QTest::newRow("zeilenabstand 150 %") << Absatzformatierer([](QTextBlockFormat& f) {
        f.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    }) << QList<int> {QTextFormat::LineHeight, QTextFormat::LineHeightType};
    QTest::newRow("zeilenabstand genau") << Absatzformatierer([](QTextBlockFormat& f) {
        f.setLineHeight(20, QTextBlockFormat::FixedHeight);
    }) << QList<int> {QTextFormat::LineHeight, QTextFormat::LineHeightType};
    QTest::newRow("zeilenabstand mindestens")
        << Absatzformatierer([](QTextBlockFormat& f) { f.setLineHeight(18, QTextBlockFormat::MinimumHeight); })
        << QList<int> {QTextFormat::LineHeight, QTextFormat::LineHeightType};
}

void TestRtf::absatzformatUeberstehtSchreibenUndLesen()
{
    QFETCH(Absatzformatierer, formatieren);
    QFETCH(QList<int>, eigenschaften);

    QTextDocument dokument;
    QTextCursor cursor(&dokument);
    cursor.insertText(QStringLiteral("erster Absatz"));
    QTextBlockFormat format;
    formatieren(format);
    cursor.insertBlock(format);
    cursor.insertText(QStringLiteral("Probe"));
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(QStringLiteral("letzter Absatz"));

    auto* wieder = gelesen(Rtf::schreiben(dokument), this);
    QCOMPARE(wieder->blockCount(), 3);
    const QTextBlockFormat gelesenesFormat = blockMit(*wieder, QStringLiteral("Probe")).blockFormat();
    for (int eigenschaft : eigenschaften) {
        if (eigenschaft == QTextFormat::BlockAlignment)
            QCOMPARE(gelesenesFormat.alignment() & Qt::AlignHorizontal_Mask, format.alignment());
        else
            QCOMPARE(gelesenesFormat.property(eigenschaft).toDouble(), format.property(eigenschaft).toDouble());
    }
    // \pard: the next paragraph starts plain again.
    const QTextBlockFormat danach = blockMit(*wieder, QStringLiteral("letzter")).blockFormat();
    QCOMPARE(danach.leftMargin(), 0.0);
    QCOMPARE(danach.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

void TestRtf::absatzformatVererbtSichNichtAufLaeufe()
{
    // The paragraph mark may carry a format of its own (QTextEdit leaves the last one typed
    // there); the runs must keep theirs.
    QTextDocument dokument;
    QTextCursor cursor(&dokument);
    QTextCharFormat absatzmarke;
    absatzmarke.setFontWeight(QFont::Bold);
    absatzmarke.setFontItalic(true);
    absatzmarke.setFontUnderline(true);
    absatzmarke.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    absatzmarke.setForeground(Qt::red);
    absatzmarke.setFontPointSize(15);
    cursor.setBlockCharFormat(absatzmarke);
    QTextCharFormat schlicht;
    schlicht.setFontPointSize(12);
    cursor.insertText(QStringLiteral("schlicht"), schlicht);

    auto* wieder = gelesen(Rtf::schreiben(dokument), this);
    const QTextCharFormat f = formatVon(*wieder, QStringLiteral("schlicht"));
    QCOMPARE(f.fontWeight(), int(QFont::Normal));
    QVERIFY(!f.fontItalic());
    QVERIFY(!f.fontUnderline());
    QCOMPARE(f.verticalAlignment(), QTextCharFormat::AlignNormal);
    QVERIFY(!f.hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(wieder->begin().charFormat().fontPointSize(), 15.0);
}

void TestRtf::textUeberstehtSchreibenUndLesen_data()
{
    QTest::addColumn<QString>("inhalt");
    QTest::newRow("umlaute und euro") << QStringLiteral("Größe Übermaß 5 € „Zitat“ – fertig");
    QTest::newRow("griechisch und hochzahlen") << QStringLiteral("σ = F / A in N/mm², λ₀, π·√(E/σP)");
    QTest::newRow("ausserhalb der grundebene") << QStringLiteral("Träger \U0001F3D7 fertig");
    QTest::newRow("rtf-zeichen") << QStringLiteral("a\\b {c} \\par d");
    QTest::newRow("tab und zeilenumbruch") << QStringLiteral("Spalte\tSpalte") + QChar(0x2028) + QStringLiteral("neue Zeile");
    QTest::newRow("geschuetzte zeichen") << QStringLiteral("100") + QChar(0x00A0) + QStringLiteral("mm Trenn") + QChar(0x00AD)
            + QStringLiteral("stelle");
    QTest::newRow("mehrere absaetze mit leerem") << QStringLiteral("eins\n\nzwei\n");
}

void TestRtf::textUeberstehtSchreibenUndLesen()
{
    QFETCH(QString, inhalt);
    QTextDocument dokument;
    dokument.setPlainText(inhalt);
    auto* wieder = gelesen(Rtf::schreiben(dokument), this);
    QCOMPARE(text(*wieder), text(dokument));
    QCOMPARE(wieder->blockCount(), dokument.blockCount());
}

void TestRtf::listenUeberstehenSchreibenUndLesen()
{
    QTextDocument dokument;
    QTextCursor cursor(&dokument);
    cursor.insertText(QStringLiteral("Einleitung"));
    cursor.insertBlock();
    QTextListFormat punkte;
    punkte.setStyle(QTextListFormat::ListDisc);
    punkte.setIndent(1);
    cursor.insertList(punkte);
    cursor.insertText(QStringLiteral("Punkt eins"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Punkt zwei"));
    cursor.insertBlock(QTextBlockFormat());
    QTextListFormat zahlen;
    zahlen.setStyle(QTextListFormat::ListDecimal);
    zahlen.setIndent(2);
    cursor.insertList(zahlen);
    cursor.insertText(QStringLiteral("Schritt eins"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Schritt zwei"));
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(QStringLiteral("Schluss"));
    for (QTextBlock b = dokument.begin(); b.isValid(); b = b.next())
        if (b.text() == QStringLiteral("Schluss") || b.text() == QStringLiteral("Einleitung"))
            QVERIFY(!b.textList());

    auto* wieder = gelesen(Rtf::schreiben(dokument), this);
    QCOMPARE(text(*wieder), text(dokument));
    const QTextList* p1 = blockMit(*wieder, QStringLiteral("Punkt eins")).textList();
    const QTextList* p2 = blockMit(*wieder, QStringLiteral("Punkt zwei")).textList();
    QVERIFY(p1);
    QCOMPARE(p1, p2);
    QCOMPARE(p1->format().style(), QTextListFormat::ListDisc);
    const QTextList* s2 = blockMit(*wieder, QStringLiteral("Schritt zwei")).textList();
    QVERIFY(s2);
    QCOMPARE(s2->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(s2->format().indent(), 2);
    QCOMPARE(s2->count(), 2);
    QCOMPARE(s2->itemText(blockMit(*wieder, QStringLiteral("Schritt zwei"))), QStringLiteral("2."));
    QVERIFY(!blockMit(*wieder, QStringLiteral("Schluss")).textList());
    QVERIFY(!blockMit(*wieder, QStringLiteral("Einleitung")).textList());
}

void TestRtf::bildUebersteht()
{
    QTextDocument dokument;
    dokument.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("probe:bild")), probebild());
    QTextCursor cursor(&dokument);
    cursor.insertText(QStringLiteral("vor "));
    QTextImageFormat bildformat;
    bildformat.setName(QStringLiteral("probe:bild"));
    bildformat.setWidth(30);
    bildformat.setHeight(20);
    cursor.insertImage(bildformat);
    cursor.insertText(QStringLiteral(" nach"));

    auto* wieder = gelesen(Rtf::schreiben(dokument), this);
    QCOMPARE(text(*wieder), text(dokument));
    const QTextCharFormat f = formatVon(*wieder, QString(QChar::ObjectReplacementCharacter));
    QVERIFY(f.isImageFormat());
    QCOMPARE(f.toImageFormat().width(), 30.0);
    QCOMPARE(f.toImageFormat().height(), 20.0);
    const QImage bild = wieder->resource(QTextDocument::ImageResource, QUrl(f.toImageFormat().name())).value<QImage>();
    QCOMPARE(bild.convertToFormat(QImage::Format_RGB32), probebild());
}

void TestRtf::geschriebenesRtfIstReinesAscii()
{
    // What other programs must open: one outer group with balanced braces, a code page, a font
    // table, and not a byte outside ASCII (everything else escaped).
    QTextDocument dokument;
    QTextCursor cursor(&dokument);
    QTextCharFormat fett;
    fett.setFontWeight(QFont::Bold);
    fett.setForeground(Qt::red);
    cursor.insertText(QStringLiteral("Größe σ {x} € \\ ok"), fett);
    const QByteArray rtf = Rtf::schreiben(dokument);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(rtf.contains("{\\fonttbl{\\f0"));
    QVERIFY(rtf.contains("{\\colortbl ;\\red255\\green0\\blue0;}"));
    QVERIFY(rtf.contains("Gr\\'f6\\'dfe \\u963?"));
    int tiefe = 0;
    bool wiederOffen = false;
    for (qsizetype k = 0; k < rtf.size(); ++k) {
        QVERIFY2(quint8(rtf[k]) < 0x80, "byte outside ASCII");
        if (rtf[k] == '\\') {
            ++k; // escaped brace or backslash
            continue;
        }
        if (rtf[k] == '{') {
            wiederOffen = wiederOffen || (tiefe == 0 && k > 0);
            ++tiefe;
        } else if (rtf[k] == '}') {
            --tiefe;
            QVERIFY(tiefe >= 0);
        }
    }
    QCOMPARE(tiefe, 0);
    QVERIFY(!wiederOffen);
}

void TestRtf::leserText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("hex in 1252") << QByteArray("{\\rtf1\\ansi\\ansicpg1252 Gr\\'f6\\'dfe \\'80 \\'84x\\'93}")
                                 << QStringLiteral("Größe € „x“");
    QTest::newRow("hex in 1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'c1\\'e0\\'eb\\'ea\\'e0}")
                                 << QStringLiteral("Балка");
    QTest::newRow("zeichensatz der schrift")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset161 Arial Greek;}}\\f1 \\'f3\\f0 \\'f3}")
        << QStringLiteral("σó");
    QTest::newRow("symbol-punkt") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}{\\f1\\'b7} x}")
                                  << QStringLiteral("• x");
    QTest::newRow("unicode mit ersatz") << QByteArray("{\\rtf1 \\u963?\\u8364\\'80 x}") << QStringLiteral("σ€ x");
    QTest::newRow("uc0 ohne ersatz") << QByteArray("{\\rtf1\\uc0 \\u963 ab}") << QStringLiteral("σab");
    QTest::newRow("uc2 ueberspringt zwei") << QByteArray("{\\rtf1\\uc2 \\u963\\'73\\'73ab}") << QStringLiteral("σab");
    QTest::newRow("uc gilt in der gruppe") << QByteArray("{\\rtf1{\\uc2 \\u963 xxa}\\u963 xb}") << QStringLiteral("σaσb");
    QTest::newRow("negatives u") << QByteArray("{\\rtf1 \\u-3913?}") << QString(QChar(0xF0B7));
    QTest::newRow("ersatzpaar") << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QStringLiteral("\U0001F600");
    QTest::newRow("einzelnes ersatzzeichen") << QByteArray("{\\rtf1 a\\u-10179?b}") << QStringLiteral("a\uFFFDb");
    QTest::newRow("u-1") << QByteArray("{\\rtf1 a\\u-1?b}") << QStringLiteral("a\uFFFDb");
    QTest::newRow("rahmenzeichen von qt") << QByteArray("{\\rtf1 a\\u-560?\\u-559?\\u-4?b}")
                                          << QStringLiteral("a\uFFFD\uFFFD\uFFFDb");
    QTest::newRow("steuerzeichen") << QByteArray("{\\rtf1 a\\'00\\'0a\\u13?b}") << QStringLiteral("ab");
    QTest::newRow("absaetze und zeilen") << QByteArray("{\\rtf1 eins\\par zwei\\line drei\\tab vier\\par}")
                                         << QStringLiteral("eins\nzwei\u2028drei\tvier");
    QTest::newRow("zeilenumbruch im quelltext")
        << QByteArray("{\\rtf1 ein\r\nwort\\\r\nzwei}") << QStringLiteral("einwort\nzwei");
    QTest::newRow("steuersymbole") << QByteArray("{\\rtf1 a\\~b\\-c\\_d\\{\\}\\\\}")
                                   << QStringLiteral("a\u00A0b\u00ADc\u2011d{}\\");
    QTest::newRow("benannte zeichen") << QByteArray("{\\rtf1 \\bullet\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote}")
                                      << QStringLiteral("•—–‘’“”");
    QTest::newRow("unbekanntes wort") << QByteArray("{\\rtf1 a\\gibtesnicht42 b\\xyz  c}") << QStringLiteral("ab c");
    QTest::newRow("sternziel") << QByteArray("{\\rtf1 a{\\*\\gibtesnicht geheim{\\b mehr}}b}") << QStringLiteral("ab");
    QTest::newRow("tabellen und infos") << QByteArray(
        "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title "
        "T}{\\author A}}{\\header Kopf}Text}")
                                        << QStringLiteral("Text");
    QTest::newRow("feld zeigt ergebnis") << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt Verweis}}}")
                                         << QStringLiteral("Verweis");
    QTest::newRow("metafile uebersprungen") << QByteArray(
        "{\\rtf1 a{\\pict\\wmetafile8 0102ff}{\\nonshppict{\\pict\\wmetafile8 00}}b}")
                                            << QStringLiteral("ab");
    QTest::newRow("tabellenzellen") << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row c}")
                                    << QStringLiteral("a\tb\t\nc");
    QTest::newRow("ohne rtf kopf ist klartext")
        << QByteArray("Nur Text\r\nzweite Zeile") << QStringLiteral("Nur Text\nzweite Zeile");
    QTest::newRow("bom vor rtf") << QByteArray("\xEF\xBB\xBF{\\rtf1 x}") << QStringLiteral("x");
    QTest::newRow("leer") << QByteArray() << QString();
}

void TestRtf::leserText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, erwartet);
    auto* dokument = gelesen(rtf, this);
    QCOMPARE(text(*dokument), erwartet);
}

void TestRtf::bilderJederArt_data()
{
    QTest::addColumn<QByteArray>("bildgruppe");
    QTest::addColumn<QSize>("groesse");

    const QByteArray png = bildDaten(probebild(), "PNG").toHex();
    const QByteArray jpeg = bildDaten(probebild(), "JPEG").toHex();
    const QByteArray dib = bildDaten(probebild(), "BMP").mid(14).toHex(); // without the file header
    QTest::newRow("png") << "{\\pict\\pngblip\\picw6\\pich4 " + png + "}" << QSize(6, 4);
    QTest::newRow("png mit zielgroesse") << "{\\pict\\pngblip\\picwgoal1500\\pichgoal600 " + png + "}" << QSize(100, 40);
    QTest::newRow("png skaliert") << "{\\pict\\picscalex50\\picscaley200\\pngblip\\picwgoal300\\pichgoal300 " + png + "}"
                                  << QSize(10, 40);
    QTest::newRow("jpeg") << "{\\pict\\jpegblip " + jpeg + "}" << QSize(6, 4);
    QTest::newRow("dib") << "{\\pict\\dibitmap0\\picw6\\pich4 " + dib + "}" << QSize(6, 4);
    QTest::newRow("png in shppict") << "{\\*\\shppict{\\pict\\pngblip " + png + "}}{\\nonshppict{\\pict\\wmetafile8 0000}}"
                                    << QSize(6, 4);
    QTest::newRow("png als bin") << "{\\pict\\pngblip\\bin" + QByteArray::number(png.size() / 2) + " " + QByteArray::fromHex(png)
            + "}" << QSize(6, 4);
}

void TestRtf::bilderJederArt()
{
    QFETCH(QByteArray, bildgruppe);
    QFETCH(QSize, groesse);
    auto* dokument = gelesen("{\\rtf1 a" + bildgruppe + "b}", this);
    QCOMPARE(text(*dokument), QStringLiteral("a") + QChar::ObjectReplacementCharacter + QStringLiteral("b"));
    const QTextImageFormat f = formatVon(*dokument, QString(QChar::ObjectReplacementCharacter)).toImageFormat();
    QCOMPARE(QSizeF(f.width(), f.height()), QSizeF(groesse));
    const QImage bild = dokument->resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
    QCOMPARE(bild.size(), QSize(6, 4));
    QCOMPARE(QColor(bild.pixel(0, 0)).red() > 200, true);
}

void TestRtf::wordpadAufzaehlung()
{
    // As WordPad writes bullets: the rendered bullet in \pntext, the list in {\*\pn}.
    const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1031{\\fonttbl{\\f0\\fnil\\fcharset0 "
                           "Calibri;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
                           "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                           "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang7 Vorher\\par\r\n"
                           "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-"
                           "360\\li720\\sa200\\sl276\\slmult1 Erster\\par\r\n"
                           "{\\pntext\\f1\\'B7\\tab}Zweiter\\par\r\n"
                           "\\pard\\sa200\\sl276\\slmult1 Nachher\\par\r\n}\r\n";
    auto* dokument = gelesen(rtf, this);
    QCOMPARE(text(*dokument), QStringLiteral("Vorher\nErster\nZweiter\nNachher"));
    const QTextList* liste = blockMit(*dokument, QStringLiteral("Erster")).textList();
    QVERIFY(liste);
    QCOMPARE(liste->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(blockMit(*dokument, QStringLiteral("Zweiter")).textList(), liste);
    QVERIFY(!blockMit(*dokument, QStringLiteral("Nachher")).textList());
    QCOMPARE(formatVon(*dokument, QStringLiteral("Erster")).fontPointSize(), 11.0);
    QCOMPARE(
        formatVon(*dokument, QStringLiteral("Erster")).fontFamilies().toStringList(), QStringList {QStringLiteral("Calibri")});
    QCOMPARE(
        blockMit(*dokument, QStringLiteral("Vorher")).blockFormat().lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
}

void TestRtf::wordListeMitListtext()
{
    // As Word writes lists: \ls with the rendered marker in {\listtext}, the list table skipped.
    const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f3\\fbidi "
                           "\\froman\\fcharset2 Symbol;}}"
                           "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 "
                           "?;}{\\levelnumbers;}\\f3}\\listid1}}"
                           "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}"
                           "\\pard\\plain\\ltrpar Text\\par"
                           "{\\listtext\\pard\\plain\\f3\\fs24 \\loch\\af3\\hich\\af3\\dbch\\af0 "
                           "\\'b7\\tab}\\pard\\plain\\fi-360\\li720\\ls1\\ilvl0 Apfel\\par"
                           "{\\listtext\\pard\\plain\\f3\\fs24 \\'b7\\tab}Birne\\par"
                           "{\\listtext\\pard\\plain 1.\\tab}\\pard\\plain\\fi-360\\li1440\\ls2\\ilvl1 Unterpunkt\\par"
                           "\\pard\\plain Ende\\par}";
    auto* dokument = gelesen(rtf, this);
    QCOMPARE(text(*dokument), QStringLiteral("Text\nApfel\nBirne\nUnterpunkt\nEnde"));
    const QTextList* liste = blockMit(*dokument, QStringLiteral("Apfel")).textList();
    QVERIFY(liste);
    QCOMPARE(liste->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(liste->count(), 2);
    const QTextList* unter = blockMit(*dokument, QStringLiteral("Unterpunkt")).textList();
    QVERIFY(unter && unter != liste);
    QCOMPARE(unter->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(unter->format().indent(), 2);
    QVERIFY(!blockMit(*dokument, QStringLiteral("Ende")).textList());
}

void TestRtf::libreofficeFormate()
{
    auto* dokument = gelesen(fixture(QStringLiteral("libreoffice_formate.rtf")), this);
    QVERIFY(text(*dokument).startsWith(QStringLiteral("Normaler Text mit fett, kursiv, unterstrichen und durchgestrichen.")));
    QCOMPARE(formatVon(*dokument, QStringLiteral("fett")).fontWeight(), int(QFont::Bold));
    QVERIFY(formatVon(*dokument, QStringLiteral("kursiv")).fontItalic());
    QVERIFY(formatVon(*dokument, QStringLiteral("unterstrichen")).fontUnderline());
    QVERIFY(formatVon(*dokument, QStringLiteral("durchgestrichen")).fontStrikeOut());
    QCOMPARE(formatVon(*dokument, QStringLiteral("Normaler")).fontWeight(), int(QFont::Normal));
    QCOMPARE(
        formatVon(*dokument, QStringLiteral("Normaler")).fontFamilies().toStringList(), QStringList {QStringLiteral("Arial")});

    const QTextCharFormat rot = formatVon(*dokument, QStringLiteral("Rot"));
    QCOMPARE(rot.foreground().color(), QColor(255, 0, 0));
    QCOMPARE(rot.fontPointSize(), 16.0);
    QCOMPARE(rot.fontFamilies().toStringList(), QStringList {QStringLiteral("Times New Roman")});
    QCOMPARE(formatVon(*dokument, QStringLiteral("gelb hinterlegt")).background().color(), QColor(255, 255, 0));

    QVERIFY(text(*dokument).contains(QStringLiteral("Größe σ in N/mm² – 5 €")));
    QCOMPARE(
        blockMit(*dokument, QStringLiteral("Zentriert")).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(
        blockMit(*dokument, QStringLiteral("Rechtsbündig")).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(blockMit(*dokument, QStringLiteral("Eingerückt")).blockFormat().leftMargin(), 1134 / 15.0); // 2 cm
    QCOMPARE(formatVon(*dokument, QStringLiteral("2")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatVon(*dokument, QStringLiteral("erf")).verticalAlignment(), QTextCharFormat::AlignSubScript);
}

void TestRtf::libreofficeListen()
{
    auto* dokument = gelesen(fixture(QStringLiteral("libreoffice_listen.rtf")), this);
    QCOMPARE(text(*dokument), QStringLiteral("Aufzählung:\nErster Punkt\nZweiter Punkt\nNummeriert:\nEins\nZwei\nDrei\nEnde"));
    const QTextList* punkte = blockMit(*dokument, QStringLiteral("Erster Punkt")).textList();
    QVERIFY(punkte);
    QCOMPARE(punkte->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(punkte->count(), 2);
    const QTextList* zahlen = blockMit(*dokument, QStringLiteral("Drei")).textList();
    QVERIFY(zahlen);
    QCOMPARE(zahlen->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(zahlen->itemText(blockMit(*dokument, QStringLiteral("Drei"))), QStringLiteral("3."));
    QVERIFY(!blockMit(*dokument, QStringLiteral("Nummeriert")).textList());
}

void TestRtf::libreofficeBild()
{
    auto* dokument = gelesen(fixture(QStringLiteral("libreoffice_bild.rtf")), this);
    QCOMPARE(
        text(*dokument), QStringLiteral("Vor dem Bild ") + QChar::ObjectReplacementCharacter + QStringLiteral(" nach dem Bild"));
    const QTextImageFormat f = formatVon(*dokument, QString(QChar::ObjectReplacementCharacter)).toImageFormat();
    QCOMPARE(QSizeF(f.width(), f.height()), QSizeF(40, 20));
    const QImage bild = dokument->resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
    QCOMPARE(bild.size(), QSize(4, 2));
    QCOMPARE(QColor(bild.pixel(0, 0)), QColor(255, 0, 0));
    QCOMPARE(QColor(bild.pixel(3, 1)), QColor(0, 0, 255));
}

void TestRtf::feindlicheDateien_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("bin laenger als die datei")
        << QByteArray("{\\rtf1 a{\\pict\\pngblip\\bin999999999999 xyz}b}") << QStringLiteral("a");
    QTest::newRow("bin negativ") << QByteArray("{\\rtf1 a\\bin-5 b}") << QStringLiteral("ab");
    QTest::newRow("bin ausserhalb eines bildes") << QByteArray("{\\rtf1 a\\bin3 {}\\b}") << QStringLiteral("ab");
    QTest::newRow("offene gruppen") << QByteArray("{\\rtf1 a{\\b b{\\i c") << QStringLiteral("abc");
    QTest::newRow("ueberzaehlige klammern") << QByteArray("{\\rtf1 a}}} b}") << QStringLiteral("a");
    QTest::newRow("klammer zu mitten drin") << QByteArray("{\\rtf1 {a}}b}") << QStringLiteral("a");
    QTest::newRow("ueberlanges steuerwort") << QByteArray("{\\rtf1 a\\") + QByteArray(100000, 'b') + QByteArray(" c}")
                                            << QStringLiteral("ac");
    QTest::newRow("ueberlanger parameter") << QByteArray("{\\rtf1\\fs") + QByteArray(5000, '9') + QByteArray(" a\\li-")
            + QByteArray(50, '9')
            + QByteArray(" b}") << QStringLiteral("ab");
    QTest::newRow("riesiger u-wert") << QByteArray("{\\rtf1 \\u99999999999?a}") << QStringLiteral("\uFFFDa");
    QTest::newRow("uc riesig") << QByteArray("{\\rtf1\\uc99999 \\u65 bcdefghijklmnop}") << QStringLiteral("Almnop");
    QTest::newRow("backslash am ende") << QByteArray("{\\rtf1 a\\") << QStringLiteral("a");
    QTest::newRow("halbes hex am ende") << QByteArray("{\\rtf1 a\\'4") << QStringLiteral("a");
    QTest::newRow("hex ohne ziffern") << QByteArray("{\\rtf1 a\\'zz}") << QStringLiteral("azz");
    QTest::newRow("kaputtes png") << QByteArray("{\\rtf1 a{\\pict\\pngblip 89504e470d0a1a0aff}b}") << QStringLiteral("ab");
    QTest::newRow("kaputtes dib") << QByteArray("{\\rtf1 a{\\pict\\dibitmap0 28000000ffffff7fffffff7f0100ff00}b}")
                                  << QStringLiteral("ab");
    QTest::newRow("bild im bild und in der marke")
        << QByteArray("{\\rtf1 a{\\pict{\\pict 00}}{\\listtext{\\pict\\pngblip 00}}b}") << QStringLiteral("ab");
    QTest::newRow("farbindex ausserhalb") << QByteArray("{\\rtf1{\\colortbl;}\\cf2000000000\\highlight-5 a}")
                                          << QStringLiteral("a");
    QTest::newRow("riesige einzuege") << QByteArray("{\\rtf1\\li2147483647\\fi-2147483647\\sb999999999 a\\par}")
                                      << QStringLiteral("a");
}

void TestRtf::feindlicheDateien()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, erwartet);
    auto* dokument = gelesen(rtf, this);
    QCOMPARE(text(*dokument), erwartet);
    dokument->documentLayout()->documentSize(); // laying it out must not hang
    // What was read can be written and read again unchanged.
    auto* wieder = gelesen(Rtf::schreiben(*dokument), this);
    QCOMPARE(text(*wieder), erwartet);
}

void TestRtf::zuGrosseDateienWerdenAbgelehnt()
{
    QTextDocument dokument;
    dokument.setPlainText(QStringLiteral("bisher"));
    const QByteArray erlaubt
        = "{\\rtf1 " + QByteArray(Rtf::maxTiefe - 1, '{') + "tief" + QByteArray(Rtf::maxTiefe - 1, '}') + "}";
    Rtf::lesen(erlaubt, dokument);
    QCOMPARE(text(dokument), QStringLiteral("tief"));

    // As many paragraphs as the limit allow are read, one more is refused.
    QByteArray absaetze = "{\\rtf1 ";
    for (qint64 k = 0; k < Rtf::maxStuecke; ++k)
        absaetze += "\\par ";
    Rtf::lesen(absaetze + "}", dokument);
    QCOMPARE(dokument.blockCount(), int(Rtf::maxStuecke));
    QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, Rtf::lesen(absaetze + "x\\par}", dokument));
    QCOMPARE(dokument.blockCount(), int(Rtf::maxStuecke));

    dokument.setPlainText(QStringLiteral("bisher"));
    const QByteArray zuTief = "{\\rtf1 " + QByteArray(1'000'000, '{') + "x}";
    try {
        Rtf::lesen(zuTief, dokument);
        QFAIL("deep nesting was accepted");
    } catch (const Plattform::Fehler& f) {
        QVERIFY(f.text().contains(QStringLiteral("verschachtelt")));
    }
    QCOMPARE(text(dokument), QStringLiteral("bisher"));
}

// The paragraph limit holds for plain text too (one paragraph a line), and the font and colour
// tables are bounded; a refused text leaves the document as it was.
void TestRtf::klartextUndTabellenBegrenzt()
{
    QTextDocument dokument;
    const auto abgelehnt = [&](const QByteArray& daten, const QString& grund) {
        dokument.setPlainText(QStringLiteral("bisher"));
        try {
            Rtf::lesen(daten, dokument);
        } catch (const Plattform::Fehler& f) {
            QVERIFY2(f.text().contains(grund), qPrintable(f.text()));
            QCOMPARE(text(dokument), QStringLiteral("bisher"));
            return;
        }
        QFAIL("accepted");
    };

    Rtf::lesen(QByteArray(Rtf::maxStuecke, '\n'), dokument);
    QCOMPARE(dokument.blockCount(), int(Rtf::maxStuecke));
    abgelehnt(QByteArray(Rtf::maxStuecke + 1, '\n'), QStringLiteral("zu viele Absätze"));
    abgelehnt(QByteArray(Rtf::maxStuecke / 2 + 1, 'x').replace("x", "x\r\n"), QStringLiteral("zu viele Absätze"));

    const auto farben = [](qsizetype n) { return "{\\rtf1{\\colortbl" + QByteArray(n, ';') + "}a}"; };
    Rtf::lesen(farben(Rtf::maxTabelle), dokument);
    QCOMPARE(text(dokument), QStringLiteral("a"));
    abgelehnt(farben(Rtf::maxTabelle + 1), QStringLiteral("Farbtabelle"));

    const auto schriften = [](qsizetype n) {
        QByteArray rtf = "{\\rtf1{\\fonttbl";
        for (qsizetype k = 0; k < n; ++k)
            rtf += "{\\f" + QByteArray::number(k) + " Arial;}";
        return rtf + "}\\f7 a}";
    };
    Rtf::lesen(schriften(Rtf::maxTabelle), dokument);
    QCOMPARE(text(dokument), QStringLiteral("a"));
    abgelehnt(schriften(Rtf::maxTabelle + 1), QStringLiteral("Schrifttabelle"));
    // A font defined again takes no new entry.
    Rtf::lesen("{\\rtf1{\\fonttbl" + QByteArray("{\\f1 A;}").repeated(Rtf::maxTabelle + 1) + "}a}", dokument);
    QCOMPARE(text(dokument), QStringLiteral("a"));
}

void TestRtf::fundeDesFuzzers()
{
    // Inputs that once broke the reader or the writer: what is read must write and read back
    // to the same text.
    const QStringList funde = QDir(QStringLiteral(RTF_FIXTURES)).entryList({QStringLiteral("fuzz_*.rtf")});
    QVERIFY(!funde.isEmpty());
    for (const QString& fund : funde) {
        auto* dokument = gelesen(fixture(fund), this);
        auto* wieder = gelesen(Rtf::schreiben(*dokument), this);
        QVERIFY2(text(*wieder) == text(*dokument), qPrintable(fund));
    }
}

void TestRtf::dateiLadenUndSpeichern()
{
    Testumgebung::Programmverzeichnis verzeichnis;
    const QString pfad = verzeichnis.daten() + QStringLiteral("Hilfe3.RTF");
    QTextDocument dokument;
    QTextCursor cursor(&dokument);
    QTextCharFormat fett;
    fett.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Überschrift"), fett);
    Rtf::speichern(pfad, dokument);
    QVERIFY(Rtf::istRtf(verzeichnis.lesen(QStringLiteral("Hilfe3.RTF"))));

    QTextDocument geladen;
    Rtf::laden(pfad, geladen);
    QCOMPARE(text(geladen), QStringLiteral("Überschrift"));
    QCOMPARE(formatVon(geladen, QStringLiteral("Über")).fontWeight(), int(QFont::Bold));

    // A refused file names itself in the message and leaves the document alone.
    verzeichnis.schreiben(QStringLiteral("tief.rtf"), "{\\rtf1 " + QByteArray(Rtf::maxTiefe + 1, '{'));
    try {
        Rtf::laden(verzeichnis.daten() + QStringLiteral("tief.rtf"), geladen);
        QFAIL("deep nesting was accepted");
    } catch (const Plattform::Fehler& f) {
        QCOMPARE(f.art(), Plattform::Fehler::Art::Datei);
        QVERIFY(f.text().contains(QStringLiteral("tief.rtf")));
    }
    QCOMPARE(text(geladen), QStringLiteral("Überschrift"));
    QVERIFY_THROWS_EXCEPTION(Plattform::Fehler, Rtf::laden(verzeichnis.daten() + QStringLiteral("fehlt.rtf"), geladen));
}

TRABEX_TEST_MAIN(TestRtf)
#include "test_rtf.moc"
