#include "core/explain/Rtf.h"

#include "core/platform/Fehler.h"
#include "core/platform/Textdatei.h"

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QList>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <array>
#include <climits>
#include <optional>

namespace Rtf {

namespace {

// Lengths in RTF are twips (1/1440 inch); QTextDocument works in pixels at 96 dpi.
constexpr double twipsJePixel = 15.0;
// Indents beyond 22 inches are nonsense and only slow the layout down.
constexpr int maxTwips = 31680;
// The indent QTextDocument gives each list level (QTextDocument::indentWidth default).
constexpr double listeneinzugPixel = 40.0;

int begrenzt(int wert, int unten, int oben) { return std::clamp(wert, unten, oben); }

// ---------------------------------------------------------------------------------------------
// Reading: the file becomes a list of paragraphs first; only a complete read touches the
// document, so that a refused file leaves it as it was.

enum class Ziel {
    Text, // document text
    Ueberspringen, // ignored destination
    Schrifttabelle, // \fonttbl
    Farbtabelle, // \colortbl
    Bild, // \pict
    Listenmarke, // \listtext, \pntext: the bullet or number as the writer rendered it
    Aufzaehlung // {\*\pn ...}: bullet or numbering of the old kind
};

struct Zeichen {
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    bool durchgestrichen = false;
    int hochtief = 0; // 1 superscript, -1 subscript
    int halbpunkte = 24;
    int schrift = -1; // font table number, -1 = \deff
    int farbe = 0; // colour table index, 0 = automatic
    int hervorhebung = 0;
};

struct Absatzformat {
    Qt::Alignment ausrichtung = Qt::AlignLeft;
    int links = 0, rechts = 0, erste = 0, vor = 0, nach = 0; // twips
    int zeilenabstand = 0;
    bool zeilenMehrfach = false;
    int listennummer = 0; // \ls
    int ebene = 0; // \ilvl
    std::optional<QTextListFormat::Style> pnStil; // from {\*\pn ...}
};

struct Zustand {
    Ziel ziel = Ziel::Text;
    Zeichen zeichen;
    Absatzformat absatz;
    int uc = 1;
};

struct Lauf {
    QString text;
    QTextCharFormat format;
    QImage bild; // a picture instead of text when not null
    QSizeF bildgroesse; // shown size in pixels
};

struct Absatz {
    QTextBlockFormat format;
    QTextCharFormat absatzzeichen; // character format at the paragraph mark
    QList<Lauf> laeufe;
    bool istListe = false;
    QTextListFormat::Style listenstil = QTextListFormat::ListDisc;
    int ebene = 0;
};

struct Schrift {
    QString name;
    int zeichensatz = -1; // \fcharset, -1 = none given
};

// Font names are never this long; what follows is dropped.
constexpr int maxSchriftname = 256;

Plattform::Fehler tabelleZuGross(const QString& tabelle)
{
    return Plattform::Fehler(Plattform::Fehler::Art::Allgemein,
        QStringLiteral("Die RTF-Datei hat eine zu große %1 (mehr als %2 Einträge).").arg(tabelle).arg(maxTabelle));
}

Plattform::Fehler zuVieleStuecke()
{
    return Plattform::Fehler(Plattform::Fehler::Art::Allgemein,
        QStringLiteral("Der Text hat zu viele Absätze und Textstücke (mehr als %1).").arg(maxStuecke));
}

// Paragraphs and runs of one read, against maxStuecke; plain text counts the same way.
class Stueckzaehler {
public:
    void neu()
    {
        if (++m_anzahl > maxStuecke)
            throw zuVieleStuecke();
    }

private:
    qint64 m_anzahl = 0;
};

struct Bilddaten {
    enum class Art { Keine, Png, Jpeg, Dib } art = Art::Keine;
    QByteArray daten;
    int halbesByte = -1;
    int picw = 0, pich = 0, goalw = 0, goalh = 0, skalaX = 100, skalaY = 100;
};

// Windows code page of an RTF character set.
int codepageVonZeichensatz(int zeichensatz, int ansicpg)
{
    switch (zeichensatz) {
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return ansicpg;
    }
}

QString codepageName(int codepage)
{
    switch (codepage) {
    case 932:
        return QStringLiteral("Shift_JIS");
    case 936:
        return QStringLiteral("GBK");
    case 949:
        return QStringLiteral("EUC-KR");
    case 950:
        return QStringLiteral("Big5");
    case 874:
        return QStringLiteral("windows-874");
    case 10000:
        return QStringLiteral("macintosh");
    case 437:
        return QStringLiteral("IBM437");
    case 850:
        return QStringLiteral("IBM850");
    default:
        if (codepage >= 1250 && codepage <= 1258)
            return QStringLiteral("windows-%1").arg(codepage);
        return QStringLiteral("windows-1252");
    }
}

// The Symbol font's bullet; the rest of that font is left as Latin-1.
QString symbolText(const QByteArray& bytes)
{
    QString text = QString::fromLatin1(bytes);
    text.replace(QChar(0xB7), QChar(0x2022));
    return text;
}

// Characters that QTextDocument treats as structure, and control characters, must not reach
// it as text: a hostile \u could otherwise open frames or split blocks.
QString bereinigt(const QString& roh)
{
    QString text;
    text.reserve(roh.size());
    for (qsizetype i = 0; i < roh.size(); ++i) {
        const char16_t c = roh[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < roh.size() && QChar::isLowSurrogate(roh[i + 1].unicode())) {
            text += roh[i];
            text += roh[++i];
        } else if (QChar::isSurrogate(c) || c == 0xFFFE || c == 0xFFFF || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC
            || c == 0x2029) {
            text += QChar(0xFFFD);
        } else if (c == u'\t' || c == 0x2028 || c >= 0x20) {
            text += QChar(c);
        }
        // other control characters (CR, LF, NUL, ...) are dropped
    }
    return text;
}

int hexwert(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Leser {
public:
    explicit Leser(const QByteArray& daten)
        : m_daten(daten)
    {
    }

    QList<Absatz> lesen();

private:
    // tokens
    void steuerfolge();
    void steuerwort(const QByteArray& wort, bool hatParameter, int parameter);
    void steuersymbol(char c);
    void zeichen(char c);
    void gruppeAuf();
    void gruppeZu();
    void binaer(qint64 laenge);

    // text
    void byteAnhaengen(char b);
    void textAnhaengen(const QString& text);
    void bytesLeeren();
    void laufAbschliessen();
    void absatzEnde();
    void neuesStueck();
    void schriftnameAnhaengen(QChar c);
    void schriftEintragen();
    bool ueberspringeErsatz();

    // formats
    QTextCharFormat zeichenformat(const Zeichen& z) const;
    QTextBlockFormat absatzformat(const Absatzformat& a, bool liste, int ebene) const;
    bool zeichenwort(const QByteArray& w, bool hat, int p);
    bool absatzwort(const QByteArray& w, bool hat, int p);
    bool zielwort(const QByteArray& w);
    void tabellenwort(const QByteArray& w, bool hat, int p);
    void bildwort(const QByteArray& w, int p);
    void aufzaehlungswort(const QByteArray& w);
    void bildFertig();
    void codepageSetzen(int codepage);
    void schriftGewaehlt();

    const QByteArray& m_daten;
    qsizetype m_pos = 0;

    QList<Zustand> m_stapel;
    Zustand m_z;
    bool m_sternFolgt = false;
    int m_ersatzRest = 0; // \uc fallback characters still to skip
    bool m_ende = false;

    int m_ansicpg = 1252;
    int m_deff = 0;
    int m_codepage = 1252;
    QStringDecoder m_dekoder {"windows-1252"};
    bool m_symbol = false;

    QHash<int, Schrift> m_schriften;
    int m_schriftNummer = 0;
    QString m_schriftName;
    int m_schriftZeichensatz = -1;
    bool m_schriftOffen = false;

    QList<QColor> m_farben;
    int m_rot = 0, m_gruen = 0, m_blau = 0;
    bool m_farbeGesetzt = false;

    Bilddaten m_bild;
    qint64 m_bildpunkteFrei = maxBildpunkte;
    Stueckzaehler m_stuecke;
    QString m_marke;
    bool m_markeGesehen = false;

    QByteArray m_bytes;
    QString m_text;
    QList<Absatz> m_absaetze;
    Absatz m_absatz;
};

QList<Absatz> Leser::lesen()
{
    const qsizetype n = m_daten.size();
    while (m_pos < n && !m_ende) {
        const char c = m_daten[m_pos++];
        if (c == '{')
            gruppeAuf();
        else if (c == '}')
            gruppeZu();
        else if (c == '\\')
            steuerfolge();
        else if (c != '\r' && c != '\n') // line ends of the file are not text
            zeichen(c);
    }
    // An unterminated file ends its open paragraph like a closed one.
    laufAbschliessen();
    if (!m_absatz.laeufe.isEmpty())
        absatzEnde();
    return m_absaetze;
}

// After a backslash: a control word with its optional parameter and delimiting blank, or a
// control symbol.
void Leser::steuerfolge()
{
    const qsizetype n = m_daten.size();
    if (m_pos >= n)
        return;
    auto buchstabe = [&](qsizetype k) { return k < n && isalpha(static_cast<unsigned char>(m_daten[k])); };
    auto ziffer = [&](qsizetype k) { return k < n && isdigit(static_cast<unsigned char>(m_daten[k])); };
    if (!buchstabe(m_pos)) {
        steuersymbol(m_daten[m_pos++]);
        return;
    }
    const qsizetype anfang = m_pos;
    while (buchstabe(m_pos))
        ++m_pos;
    // An over-long word is read to its end but matches no known word.
    const QByteArray wort = m_pos - anfang <= maxWortlaenge ? m_daten.mid(anfang, m_pos - anfang) : QByteArray("?");
    const bool negativ = m_pos < n && m_daten[m_pos] == '-' && ziffer(m_pos + 1);
    if (negativ)
        ++m_pos;
    bool hat = false;
    qint64 wert = 0;
    for (; ziffer(m_pos); ++m_pos) {
        hat = true;
        wert = std::min<qint64>(wert * 10 + (m_daten[m_pos] - '0'), 10'000'000'000LL);
    }
    if (m_pos < n && m_daten[m_pos] == ' ')
        ++m_pos;
    const qint64 mitVorzeichen = negativ ? -wert : wert;
    if (wort == "bin")
        binaer(hat ? mitVorzeichen : 0);
    else
        steuerwort(wort, hat, static_cast<int>(std::clamp<qint64>(mitVorzeichen, INT_MIN, INT_MAX)));
}

void Leser::gruppeAuf()
{
    if (m_stapel.size() >= maxTiefe)
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein,
            QStringLiteral("Die RTF-Datei ist zu tief verschachtelt (mehr als %1 Gruppen).").arg(maxTiefe));
    laufAbschliessen();
    m_ersatzRest = 0;
    m_stapel.append(m_z);
    m_sternFolgt = false;
}

void Leser::gruppeZu()
{
    laufAbschliessen();
    m_ersatzRest = 0;
    m_sternFolgt = false;
    if (m_stapel.isEmpty()) {
        m_ende = true; // the outermost group is closed: the document ends here
        return;
    }
    const Ziel verlassen = m_z.ziel;
    const Zustand innen = m_z;
    m_z = m_stapel.takeLast();
    if (verlassen == Ziel::Schrifttabelle && m_schriftOffen) {
        schriftEintragen();
    }
    if (verlassen == Ziel::Bild && m_z.ziel != Ziel::Bild)
        bildFertig();
    if (verlassen == Ziel::Aufzaehlung && m_z.ziel != Ziel::Aufzaehlung) {
        // {\*\pn ...} describes the paragraph it stands in
        m_z.absatz.pnStil = innen.absatz.pnStil;
    }
    if (innen.zeichen.schrift != m_z.zeichen.schrift)
        schriftGewaehlt();
}

void Leser::binaer(qint64 laenge)
{
    // Never trust the length: take at most what the file holds.
    const qint64 verfuegbar = m_daten.size() - m_pos;
    const qint64 n = std::clamp<qint64>(laenge, 0, verfuegbar);
    if (m_z.ziel == Ziel::Bild)
        m_bild.daten += m_daten.mid(m_pos, n);
    m_pos += n;
    if (m_ersatzRest > 0)
        --m_ersatzRest;
}

bool Leser::ueberspringeErsatz()
{
    if (m_ersatzRest <= 0)
        return false;
    --m_ersatzRest;
    return true;
}

void Leser::zeichen(char c)
{
    if (ueberspringeErsatz())
        return;
    switch (m_z.ziel) {
    case Ziel::Text:
    case Ziel::Listenmarke:
        byteAnhaengen(c);
        break;
    case Ziel::Schrifttabelle:
        if (c == ';') {
            schriftEintragen();
            m_schriftName.clear();
            m_schriftZeichensatz = -1;
        } else {
            schriftnameAnhaengen(QChar::fromLatin1(c));
        }
        break;
    case Ziel::Farbtabelle:
        if (c == ';') {
            if (m_farben.size() >= maxTabelle)
                throw tabelleZuGross(QStringLiteral("Farbtabelle"));
            m_farben.append(m_farbeGesetzt ? QColor(m_rot, m_gruen, m_blau) : QColor());
            m_rot = m_gruen = m_blau = 0;
            m_farbeGesetzt = false;
        }
        break;
    case Ziel::Bild: {
        const int wert = hexwert(c);
        if (wert < 0)
            break; // blanks and line ends between the digits
        if (m_bild.halbesByte < 0) {
            m_bild.halbesByte = wert;
        } else {
            m_bild.daten += char(m_bild.halbesByte * 16 + wert);
            m_bild.halbesByte = -1;
        }
        break;
    }
    case Ziel::Ueberspringen:
    case Ziel::Aufzaehlung:
        break;
    }
}

void Leser::byteAnhaengen(char b) { m_bytes += b; }

void Leser::bytesLeeren()
{
    if (m_bytes.isEmpty())
        return;
    QString text;
    if (m_symbol)
        text = symbolText(m_bytes);
    else if (m_dekoder.isValid())
        text = m_dekoder.decode(m_bytes);
    else
        text = QString::fromLatin1(m_bytes);
    m_bytes.clear();
    textAnhaengen(text);
}

void Leser::textAnhaengen(const QString& text)
{
    if (m_z.ziel == Ziel::Listenmarke) {
        m_marke += text;
        m_markeGesehen = true;
    } else if (m_z.ziel == Ziel::Text) {
        m_text += text;
    }
}

void Leser::laufAbschliessen()
{
    bytesLeeren();
    if (m_text.isEmpty())
        return;
    const QString text = bereinigt(m_text);
    m_text.clear();
    if (text.isEmpty())
        return;
    const QTextCharFormat format = zeichenformat(m_z.zeichen);
    if (!m_absatz.laeufe.isEmpty() && m_absatz.laeufe.last().bild.isNull() && m_absatz.laeufe.last().format == format) {
        m_absatz.laeufe.last().text += text;
    } else {
        neuesStueck();
        m_absatz.laeufe.append({text, format, {}, {}});
    }
}

void Leser::neuesStueck() { m_stuecke.neu(); }

void Leser::schriftnameAnhaengen(QChar c)
{
    if (m_schriftName.size() < maxSchriftname)
        m_schriftName += c;
    m_schriftOffen = true;
}

void Leser::schriftEintragen()
{
    if (m_schriften.size() >= maxTabelle && !m_schriften.contains(m_schriftNummer))
        throw tabelleZuGross(QStringLiteral("Schrifttabelle"));
    m_schriften.insert(m_schriftNummer, {m_schriftName.trimmed(), m_schriftZeichensatz});
    m_schriftOffen = false;
}

void Leser::absatzEnde()
{
    laufAbschliessen();
    neuesStueck();
    const Absatzformat& a = m_z.absatz;
    Absatz& absatz = m_absatz;
    absatz.istListe = a.listennummer > 0 || a.pnStil.has_value() || m_markeGesehen;
    absatz.ebene = begrenzt(a.ebene, 0, 8);
    if (absatz.istListe) {
        const QString marke = m_marke.trimmed();
        // The old \pn kind names its style; the newer \ls kind is recognised by the marker its
        // writer rendered.
        if (a.pnStil) {
            absatz.listenstil = *a.pnStil;
        } else if (!marke.isEmpty() && marke[0].isDigit()) {
            absatz.listenstil = QTextListFormat::ListDecimal;
        } else if (marke.size() >= 2 && marke[0].isLetter() && (marke[1] == u'.' || marke[1] == u')')) {
            absatz.listenstil = marke[0].isUpper() ? QTextListFormat::ListUpperAlpha : QTextListFormat::ListLowerAlpha;
        } else {
            absatz.listenstil = QTextListFormat::ListDisc;
        }
    }
    absatz.format = absatzformat(a, absatz.istListe, absatz.ebene);
    absatz.absatzzeichen = zeichenformat(m_z.zeichen);
    m_absaetze.append(absatz);
    m_absatz = Absatz();
    m_marke.clear();
    m_markeGesehen = false;
}

QTextCharFormat Leser::zeichenformat(const Zeichen& z) const
{
    QTextCharFormat f;
    f.setFontWeight(z.fett ? QFont::Bold : QFont::Normal);
    f.setFontItalic(z.kursiv);
    f.setFontUnderline(z.unterstrichen);
    f.setFontStrikeOut(z.durchgestrichen);
    f.setFontPointSize(z.halbpunkte / 2.0);
    if (z.hochtief != 0)
        f.setVerticalAlignment(z.hochtief > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    const int nummer = z.schrift >= 0 ? z.schrift : m_deff;
    const auto schrift = m_schriften.constFind(nummer);
    if (schrift != m_schriften.cend() && !schrift->name.isEmpty())
        f.setFontFamilies({schrift->name});
    if (z.farbe > 0 && z.farbe < m_farben.size() && m_farben[z.farbe].isValid())
        f.setForeground(m_farben[z.farbe]);
    if (z.hervorhebung > 0 && z.hervorhebung < m_farben.size() && m_farben[z.hervorhebung].isValid())
        f.setBackground(m_farben[z.hervorhebung]);
    return f;
}

QTextBlockFormat Leser::absatzformat(const Absatzformat& a, bool liste, int ebene) const
{
    QTextBlockFormat f;
    f.setAlignment(a.ausrichtung);
    double links = a.links / twipsJePixel;
    if (liste) {
        // The list brings its own indent per level; the first-line indent is the bullet's hang.
        links = std::max(0.0, links - (ebene + 1) * listeneinzugPixel);
    } else {
        f.setTextIndent(a.erste / twipsJePixel);
    }
    f.setLeftMargin(links);
    f.setRightMargin(a.rechts / twipsJePixel);
    f.setTopMargin(a.vor / twipsJePixel);
    f.setBottomMargin(a.nach / twipsJePixel);
    if (a.zeilenabstand != 0) {
        if (a.zeilenMehrfach && a.zeilenabstand > 0)
            f.setLineHeight(a.zeilenabstand * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        else if (a.zeilenabstand > 0)
            f.setLineHeight(a.zeilenabstand / twipsJePixel, QTextBlockFormat::MinimumHeight);
        else
            f.setLineHeight(-a.zeilenabstand / twipsJePixel, QTextBlockFormat::FixedHeight);
    }
    return f;
}

void Leser::codepageSetzen(int codepage)
{
    if (codepage == m_codepage)
        return;
    m_codepage = codepage;
    m_dekoder = QStringDecoder(codepageName(codepage).toLatin1().constData());
}

// The font decides the code page of \'hh (its \fcharset) and whether it is the Symbol font.
void Leser::schriftGewaehlt()
{
    bytesLeeren();
    const int nummer = m_z.zeichen.schrift >= 0 ? m_z.zeichen.schrift : m_deff;
    const auto schrift = m_schriften.constFind(nummer);
    const int zeichensatz = schrift != m_schriften.cend() ? schrift->zeichensatz : -1;
    m_symbol = zeichensatz == 2;
    codepageSetzen(codepageVonZeichensatz(zeichensatz, m_ansicpg));
}

void Leser::steuersymbol(char c)
{
    if (c == '\'') {
        // \'hh: one byte in the current code page
        int wert = 0;
        int ziffern = 0;
        while (ziffern < 2 && m_pos < m_daten.size()) {
            const int w = hexwert(m_daten[m_pos]);
            if (w < 0)
                break;
            wert = wert * 16 + w;
            ++ziffern;
            ++m_pos;
        }
        if (ziffern == 0 || ueberspringeErsatz())
            return;
        if (m_z.ziel == Ziel::Schrifttabelle) {
            schriftnameAnhaengen(QChar(wert)); // font names: Latin-1 is good enough
        } else if (m_z.ziel == Ziel::Text || m_z.ziel == Ziel::Listenmarke) {
            byteAnhaengen(char(wert));
        }
        return;
    }
    if (c == '*') {
        m_sternFolgt = true;
        return;
    }
    if (c == '{' || c == '}' || c == '\\') {
        zeichen(c);
        return;
    }
    bytesLeeren();
    if (ueberspringeErsatz())
        return;
    switch (c) {
    case '~':
        textAnhaengen(QString(QChar(0x00A0)));
        break;
    case '-':
        textAnhaengen(QString(QChar(0x00AD)));
        break;
    case '_':
        textAnhaengen(QString(QChar(0x2011)));
        break;
    case '\r':
    case '\n':
        if (m_z.ziel == Ziel::Text)
            absatzEnde();
        break;
    case '\t':
        textAnhaengen(QStringLiteral("\t"));
        break;
    default:
        break; // \| \: and unknown symbols
    }
}

void Leser::steuerwort(const QByteArray& w, bool hat, int p)
{
    // A run ends where the format may change. \'hh of one run stay together, for the multi-byte
    // code pages, and so do \u, for the two halves of a surrogate pair.
    if (w == "u")
        bytesLeeren();
    else
        laufAbschliessen();
    const bool stern = m_sternFolgt;
    m_sternFolgt = false;

    if (w == "u") {
        // A signed 16-bit value; negative values stand for the upper half.
        const int einheit = ((p % 65536) + 65536) % 65536;
        if (m_z.ziel == Ziel::Text || m_z.ziel == Ziel::Listenmarke) {
            textAnhaengen(QString(QChar(char16_t(einheit))));
        }
        m_ersatzRest = std::max(0, m_z.uc);
        return;
    }
    if (ueberspringeErsatz())
        return;
    if (w == "uc") {
        m_z.uc = begrenzt(p, 0, 10);
        return;
    }
    if (m_z.ziel == Ziel::Ueberspringen)
        return;
    if (stern) {
        // {\* ...}: an optional destination; the few that carry something we show are kept.
        if (w == "pn" && m_z.ziel == Ziel::Text) {
            m_z.ziel = Ziel::Aufzaehlung;
            m_z.absatz.pnStil = QTextListFormat::ListDisc;
        } else if (w != "shppict" || m_z.ziel != Ziel::Text) {
            m_z.ziel = Ziel::Ueberspringen;
        }
        return;
    }
    if (zielwort(w))
        return;
    switch (m_z.ziel) {
    case Ziel::Schrifttabelle:
    case Ziel::Farbtabelle:
        tabellenwort(w, hat, p);
        return;
    case Ziel::Bild:
        bildwort(w, p);
        return;
    case Ziel::Aufzaehlung:
        aufzaehlungswort(w);
        return;
    default:
        break;
    }
    if (w == "rtf" || w == "ansi")
        return;
    if (w == "ansicpg") {
        m_ansicpg = (p > 0 && p < 100000) ? p : 1252;
        schriftGewaehlt();
        return;
    }
    if (w == "deff") {
        m_deff = p;
        schriftGewaehlt();
        return;
    }
    if (zeichenwort(w, hat, p) || absatzwort(w, hat, p))
        return;
    if (m_z.ziel == Ziel::Text && (w == "par" || w == "page" || w == "sect" || w == "row")) {
        absatzEnde();
        return;
    }
    static const std::pair<const char*, char16_t> zeichenworte[] = {{"line", 0x2028}, {"tab", u'\t'}, {"cell", u'\t'},
        {"bullet", 0x2022}, {"emdash", 0x2014}, {"endash", 0x2013}, {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}};
    for (const auto& [name, zeichen] : zeichenworte)
        if (w == name) {
            textAnhaengen(QString(QChar(zeichen)));
            return;
        }
    // every other word is ignored
}

// Destination words: the group they open goes elsewhere than the text.
bool Leser::zielwort(const QByteArray& w)
{
    static const std::array ignorierte = {"stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer", "footerl",
        "footerr", "footerf", "footnote", "nonshppict", "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl",
        "template", "userprops", "docvar", "xe", "tc", "txe", "rxe", "annotation", "atnid", "atnauthor", "objdata", "pgdsctbl",
        "mmathPr", "latentstyles", "themedata", "colorschememapping", "datastore", "fldinst", "private"};
    if (w == "fonttbl" || w == "colortbl" || w == "pict" || w == "listtext" || w == "pntext"
        || std::find(ignorierte.begin(), ignorierte.end(), w) != ignorierte.end()) {
        if (m_z.ziel != Ziel::Text) {
            // inside another destination everything stays there (a picture in a bullet, ...)
            if (m_z.ziel != Ziel::Bild && m_z.ziel != Ziel::Schrifttabelle && m_z.ziel != Ziel::Farbtabelle)
                m_z.ziel = Ziel::Ueberspringen;
            return m_z.ziel == Ziel::Ueberspringen;
        }
        if (w == "fonttbl") {
            m_z.ziel = Ziel::Schrifttabelle;
            m_schriftName.clear();
            m_schriftZeichensatz = -1;
            m_schriftOffen = false;
        } else if (w == "colortbl") {
            m_z.ziel = Ziel::Farbtabelle;
            m_farben.clear();
            m_farbeGesetzt = false;
            m_rot = m_gruen = m_blau = 0;
        } else if (w == "pict") {
            laufAbschliessen();
            m_z.ziel = Ziel::Bild;
            m_bild = Bilddaten();
        } else if (w == "listtext" || w == "pntext") {
            laufAbschliessen();
            m_z.ziel = Ziel::Listenmarke;
            m_marke.clear();
        } else {
            m_z.ziel = Ziel::Ueberspringen;
        }
        return true;
    }
    return false;
}

void Leser::tabellenwort(const QByteArray& w, bool hat, int p)
{
    if (m_z.ziel == Ziel::Farbtabelle) {
        const int wert = begrenzt(p, 0, 255);
        if (w == "red")
            m_rot = wert;
        else if (w == "green")
            m_gruen = wert;
        else if (w == "blue")
            m_blau = wert;
        else
            return;
        m_farbeGesetzt = true;
        return;
    }
    if (w == "f" && hat) {
        m_schriftNummer = p;
        m_schriftName.clear();
        m_schriftZeichensatz = -1;
        m_schriftOffen = true;
    } else if (w == "fcharset") {
        m_schriftZeichensatz = p;
    }
}

void Leser::bildwort(const QByteArray& w, int p)
{
    if (w == "pngblip")
        m_bild.art = Bilddaten::Art::Png;
    else if (w == "jpegblip")
        m_bild.art = Bilddaten::Art::Jpeg;
    else if (w == "dibitmap")
        m_bild.art = Bilddaten::Art::Dib;
    else if (w == "wmetafile" || w == "emfblip" || w == "macpict" || w == "wbitmap" || w == "pmmetafile")
        m_bild.art = Bilddaten::Art::Keine;
    else if (w == "picw")
        m_bild.picw = begrenzt(p, 0, 100000);
    else if (w == "pich")
        m_bild.pich = begrenzt(p, 0, 100000);
    else if (w == "picwgoal")
        m_bild.goalw = begrenzt(p, 0, 1'000'000);
    else if (w == "pichgoal")
        m_bild.goalh = begrenzt(p, 0, 1'000'000);
    else if (w == "picscalex")
        m_bild.skalaX = begrenzt(p, 1, 1000);
    else if (w == "picscaley")
        m_bild.skalaY = begrenzt(p, 1, 1000);
}

void Leser::aufzaehlungswort(const QByteArray& w)
{
    Absatzformat& a = m_z.absatz;
    if (w == "pnlvlblt")
        a.pnStil = QTextListFormat::ListDisc;
    else if (w == "pndec")
        a.pnStil = QTextListFormat::ListDecimal;
    else if (w == "pnlcltr")
        a.pnStil = QTextListFormat::ListLowerAlpha;
    else if (w == "pnucltr")
        a.pnStil = QTextListFormat::ListUpperAlpha;
    else if (w == "pnlcrm")
        a.pnStil = QTextListFormat::ListLowerRoman;
    else if (w == "pnucrm")
        a.pnStil = QTextListFormat::ListUpperRoman;
}

// A DIB in RTF lacks the file header of a .BMP file; it is put in front so that the BMP reader
// takes it. Every length is checked against the data.
QByteArray bmpAusDib(const QByteArray& dib)
{
    if (dib.size() < 40)
        return {};
    auto le32 = [&](int o) {
        return quint32(quint8(dib[o])) | quint32(quint8(dib[o + 1])) << 8 | quint32(quint8(dib[o + 2])) << 16
            | quint32(quint8(dib[o + 3])) << 24;
    };
    auto le16 = [&](int o) { return quint32(quint8(dib[o])) | quint32(quint8(dib[o + 1])) << 8; };
    const quint32 kopf = le32(0);
    if (kopf < 40 || kopf > quint32(dib.size()))
        return {};
    const quint32 bits = le16(14);
    const quint32 kompression = le32(16);
    quint32 farben = le32(32);
    if (farben == 0 && bits <= 8)
        farben = 1u << bits;
    if (farben > 256)
        return {};
    quint32 versatz = 14 + kopf + farben * 4;
    if (kopf == 40 && kompression == 3)
        versatz += 12; // BI_BITFIELDS masks
    QByteArray bmp("BM");
    const quint32 groesse = 14 + quint32(dib.size());
    for (quint32 wert : {groesse, 0u, versatz})
        for (int k = 0; k < 4; ++k)
            bmp += char((wert >> (8 * k)) & 0xFF);
    bmp += dib;
    return bmp;
}

// Decodes a picture unless it would take the pixel budget beyond its limit.
QImage bildLesen(const QByteArray& daten, const char* art, qint64& bildpunkteFrei)
{
    QBuffer puffer;
    puffer.setData(daten);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer, art);
    const QSize groesse = leser.size();
    const qint64 punkte = qint64(groesse.width()) * groesse.height();
    if (!groesse.isValid() || punkte > bildpunkteFrei)
        return {};
    bildpunkteFrei -= punkte;
    return leser.read();
}

void Leser::bildFertig()
{
    QImage bild;
    switch (m_bild.art) {
    case Bilddaten::Art::Png:
        bild = bildLesen(m_bild.daten, "PNG", m_bildpunkteFrei);
        break;
    case Bilddaten::Art::Jpeg:
        bild = bildLesen(m_bild.daten, "JPEG", m_bildpunkteFrei);
        break;
    case Bilddaten::Art::Dib:
        bild = bildLesen(bmpAusDib(m_bild.daten), "BMP", m_bildpunkteFrei);
        break;
    case Bilddaten::Art::Keine:
        break;
    }
    m_bild.daten.clear();
    if (bild.isNull() || m_z.ziel != Ziel::Text)
        return;
    double breite = m_bild.goalw > 0 ? m_bild.goalw / twipsJePixel : bild.width();
    double hoehe = m_bild.goalh > 0 ? m_bild.goalh / twipsJePixel : bild.height();
    breite = std::clamp(breite * m_bild.skalaX / 100.0, 1.0, 10000.0);
    hoehe = std::clamp(hoehe * m_bild.skalaY / 100.0, 1.0, 10000.0);
    laufAbschliessen();
    neuesStueck();
    m_absatz.laeufe.append({QString(), zeichenformat(m_z.zeichen), bild, QSizeF(breite, hoehe)});
}

bool Leser::zeichenwort(const QByteArray& w, bool hat, int p)
{
    Zeichen& z = m_z.zeichen;
    const bool an = !hat || p != 0;
    if (w == "plain") {
        z = Zeichen();
        schriftGewaehlt();
    } else if (w == "b") {
        z.fett = an;
    } else if (w == "i") {
        z.kursiv = an;
    } else if (w == "ul" || w == "uld" || w == "uldb" || w == "uldash" || w == "uldashd" || w == "uldashdd" || w == "ulw"
        || w == "ulth" || w == "ulwave" || w == "ulhwave" || w == "uldbwave" || w == "ulthd" || w == "ulthdash" || w == "ulldash"
        || w == "ulthldash") {
        z.unterstrichen = an;
    } else if (w == "ulnone") {
        z.unterstrichen = false;
    } else if (w == "strike" || w == "striked") {
        z.durchgestrichen = an;
    } else if (w == "super") {
        z.hochtief = an ? 1 : 0;
    } else if (w == "sub") {
        z.hochtief = an ? -1 : 0;
    } else if (w == "up") {
        z.hochtief = (!hat || p > 0) ? 1 : 0; // raised by half-points: shown as superscript
    } else if (w == "dn") {
        z.hochtief = (!hat || p > 0) ? -1 : 0;
    } else if (w == "nosupersub") {
        z.hochtief = 0;
    } else if (w == "fs") {
        z.halbpunkte = p > 0 ? begrenzt(p, 2, 3276) : 24;
    } else if (w == "f") {
        z.schrift = p;
        schriftGewaehlt();
    } else if (w == "cf") {
        z.farbe = begrenzt(p, 0, 100000);
    } else if (w == "highlight" || w == "cb" || w == "chcbpat") {
        z.hervorhebung = begrenzt(p, 0, 100000);
    } else {
        return false;
    }
    return true;
}

bool Leser::absatzwort(const QByteArray& w, bool hat, int p)
{
    Q_UNUSED(hat);
    Absatzformat& a = m_z.absatz;
    const int twips = begrenzt(p, -maxTwips, maxTwips);
    if (w == "pard") {
        a = Absatzformat();
    } else if (w == "ql") {
        a.ausrichtung = Qt::AlignLeft;
    } else if (w == "qr") {
        a.ausrichtung = Qt::AlignRight;
    } else if (w == "qc") {
        a.ausrichtung = Qt::AlignHCenter;
    } else if (w == "qj") {
        a.ausrichtung = Qt::AlignJustify;
    } else if (w == "li") {
        a.links = twips;
    } else if (w == "ri") {
        a.rechts = twips;
    } else if (w == "fi") {
        a.erste = twips;
    } else if (w == "sb") {
        a.vor = std::max(0, twips);
    } else if (w == "sa") {
        a.nach = std::max(0, twips);
    } else if (w == "sl") {
        a.zeilenabstand = twips;
    } else if (w == "slmult") {
        a.zeilenMehrfach = p != 0;
    } else if (w == "ls") {
        a.listennummer = std::max(0, p);
    } else if (w == "ilvl") {
        a.ebene = begrenzt(p, 0, 8);
    } else {
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Building the document from the paragraphs read.

void dokumentAufbauen(const QList<Absatz>& absaetze, QTextDocument& dokument)
{
    const bool rueckgaengig = dokument.isUndoRedoEnabled();
    dokument.setUndoRedoEnabled(false);
    dokument.clear();
    QTextCursor cursor(&dokument);
    std::array<QTextList*, 9> listen {};
    int bildnummer = 0;
    bool erster = true;
    for (const Absatz& absatz : absaetze) {
        // The paragraph mark's format, as word processors use it for the list marker and for
        // typing into an empty paragraph.
        const QTextCharFormat& blockzeichen = absatz.absatzzeichen;
        if (erster) {
            cursor.setBlockFormat(absatz.format);
            cursor.setBlockCharFormat(blockzeichen);
            erster = false;
        } else {
            cursor.insertBlock(absatz.format, blockzeichen);
        }
        if (absatz.istListe) {
            QTextList*& liste = listen[absatz.ebene];
            if (liste && liste->format().style() == absatz.listenstil) {
                liste->add(cursor.block());
            } else {
                QTextListFormat format;
                format.setStyle(absatz.listenstil);
                format.setIndent(absatz.ebene + 1);
                liste = cursor.createList(format);
            }
            std::fill(listen.begin() + absatz.ebene + 1, listen.end(), nullptr);
        } else {
            listen.fill(nullptr);
        }
        for (const Lauf& lauf : absatz.laeufe) {
            if (lauf.bild.isNull()) {
                cursor.insertText(lauf.text, lauf.format);
                continue;
            }
            const QString name = QStringLiteral("rtfbild:%1").arg(++bildnummer);
            dokument.addResource(QTextDocument::ImageResource, QUrl(name), lauf.bild);
            QTextImageFormat bildformat;
            bildformat.merge(lauf.format);
            bildformat.setName(name);
            bildformat.setWidth(lauf.bildgroesse.width());
            bildformat.setHeight(lauf.bildgroesse.height());
            cursor.insertImage(bildformat);
        }
    }
    dokument.setUndoRedoEnabled(rueckgaengig);
    dokument.setModified(false);
}

// Plain text: one paragraph a line, under the limits of RTF. The line ends are counted before
// the lines are split, so that a file of nothing but line breaks is refused at once.
void klartextAufbauen(const QByteArray& daten, QTextDocument& dokument)
{
    const QString ganz = Textdatei::dekodieren(daten);
    qint64 zeilenenden = 0;
    for (qsizetype k = 0; k < ganz.size(); ++k)
        if (ganz[k] == QLatin1Char('\n')
            || (ganz[k] == QLatin1Char('\r') && (k + 1 == ganz.size() || ganz[k + 1] != QLatin1Char('\n'))))
            ++zeilenenden;
    if (zeilenenden > maxStuecke)
        throw zuVieleStuecke();
    Stueckzaehler stuecke;
    QList<Absatz> absaetze;
    for (const QString& zeile : Textdatei::inZeilen(ganz)) {
        Absatz absatz;
        stuecke.neu();
        const QString text = bereinigt(zeile);
        if (!text.isEmpty()) {
            stuecke.neu();
            absatz.laeufe.append({text, QTextCharFormat(), {}, {}});
        }
        absaetze.append(absatz);
    }
    dokumentAufbauen(absaetze, dokument);
}

// ---------------------------------------------------------------------------------------------
// Writing.

class Schreiber {
public:
    explicit Schreiber(const QTextDocument& dokument)
        : m_dokument(dokument)
    {
        schriftnummer(standardFamilie());
    }

    QByteArray schreiben();

private:
    void absatz(const QTextBlock& block);
    void listenmarke(const QTextBlock& block, const QTextList& liste);
    void lauf(const QTextFragment& fragment);
    void bild(const QTextImageFormat& format);
    QByteArray zeichenworte(const QTextCharFormat& format);
    QByteArray schriftworte(const QTextCharFormat& format);
    QByteArray text(const QString& text) const;
    int schriftnummer(const QString& familie);
    int farbnummer(const QColor& farbe);
    QString standardFamilie() const;

    const QTextDocument& m_dokument;
    QStringList m_schriften;
    QList<QColor> m_farben;
    int m_symbolschrift = -1;
    QByteArray m_rumpf;
};

QString Schreiber::standardFamilie() const
{
    const QString familie = m_dokument.defaultFont().family();
    return familie.isEmpty() ? QStringLiteral("Arial") : familie;
}

int Schreiber::schriftnummer(const QString& familie)
{
    QString name = familie;
    name.remove(u';'); // the table's separator cannot be escaped
    for (qsizetype k = 0; k < m_schriften.size(); ++k)
        if (k != m_symbolschrift && m_schriften[k] == name)
            return int(k);
    m_schriften.append(name);
    return int(m_schriften.size() - 1);
}

int Schreiber::farbnummer(const QColor& farbe)
{
    const QColor rgb = farbe.toRgb();
    for (qsizetype k = 0; k < m_farben.size(); ++k)
        if (m_farben[k].rgb() == rgb.rgb())
            return int(k + 1); // entry 0 of the table is "automatic"
    m_farben.append(rgb);
    return int(m_farben.size());
}

// Text escaped for RTF: ASCII as it is, Windows-1252 as \'hh, the rest as \uN with '?' for
// readers that do not know \u.
QByteArray Schreiber::text(const QString& text) const
{
    static QStringEncoder kodierer("windows-1252", QStringConverter::Flag::Stateless);
    static QStringDecoder pruefer("windows-1252", QStringConverter::Flag::Stateless);
    QByteArray aus;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            aus += '\\';
            aus += char(u);
        } else if (u == u'\t') {
            aus += "\\tab ";
        } else if (u == 0x2028) {
            aus += "\\line ";
        } else if (u == 0x00A0) {
            aus += "\\~";
        } else if (u == 0x00AD) {
            aus += "\\-";
        } else if (u >= 0x20 && u < 0x80) {
            aus += char(u);
        } else if (u < 0x20) {
            continue;
        } else if (QChar::isSurrogate(u)) {
            aus += "\\u" + QByteArray::number(qint16(u)) + '?'; // each half of a pair, as Word does
        } else {
            const QByteArray byte = kodierer.encode(QString(c));
            if (byte.size() == 1 && quint8(byte[0]) >= 0x80 && pruefer.decode(byte) == QString(c)) {
                aus += QByteArray("\\'") + byte.toHex();
            } else {
                aus += "\\u" + QByteArray::number(qint16(u)) + '?';
            }
        }
    }
    return aus;
}

// Font and size only.
QByteArray Schreiber::schriftworte(const QTextCharFormat& format)
{
    const QFont standard = m_dokument.defaultFont();
    const QStringList familien = format.fontFamilies().toStringList();
    const QString familie = !familien.isEmpty() && !familien.first().isEmpty() ? familien.first() : standardFamilie();
    double punkte = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : standard.pointSizeF();
    if (punkte <= 0)
        punkte = standard.pixelSize() > 0 ? standard.pixelSize() * 0.75 : 12.0;
    return "\\f" + QByteArray::number(schriftnummer(familie)) + "\\fs" + QByteArray::number(qRound(punkte * 2));
}

QByteArray Schreiber::zeichenworte(const QTextCharFormat& format)
{
    const QFont standard = m_dokument.defaultFont();
    QByteArray w = schriftworte(format);
    const bool fett = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() >= QFont::DemiBold : standard.bold();
    const bool kursiv = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : standard.italic();
    if (fett)
        w += "\\b";
    if (kursiv)
        w += "\\i";
    if (format.underlineStyle() != QTextCharFormat::NoUnderline
        && format.underlineStyle() != QTextCharFormat::SpellCheckUnderline)
        w += "\\ul";
    if (format.fontStrikeOut())
        w += "\\strike";
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        w += "\\super";
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        w += "\\sub";
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        w += "\\cf" + QByteArray::number(farbnummer(format.foreground().color()));
    if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush)
        w += "\\highlight" + QByteArray::number(farbnummer(format.background().color()));
    return w;
}

void Schreiber::lauf(const QTextFragment& fragment)
{
    const QTextCharFormat format = fragment.charFormat();
    if (format.isImageFormat()) {
        for (int k = 0; k < fragment.length(); ++k)
            bild(format.toImageFormat());
        return;
    }
    const QByteArray inhalt = text(fragment.text());
    if (inhalt.isEmpty())
        return;
    // \plain first: the run must not inherit the paragraph's own format written before it.
    m_rumpf += "{\\plain" + zeichenworte(format) + ' ' + inhalt + '}';
}

void Schreiber::bild(const QTextImageFormat& format)
{
    const QVariant quelle = m_dokument.resource(QTextDocument::ImageResource, QUrl(format.name()));
    const QImage bild = quelle.value<QImage>();
    if (bild.isNull())
        return;
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "PNG");
    if (!schreiber.write(bild))
        return;
    const double breite = format.width() > 0 ? format.width() : bild.width();
    const double hoehe = format.height() > 0 ? format.height() : bild.height();
    m_rumpf += "{\\pict\\pngblip\\picw" + QByteArray::number(bild.width()) + "\\pich" + QByteArray::number(bild.height())
        + "\\picwgoal" + QByteArray::number(qRound(breite * twipsJePixel)) + "\\pichgoal"
        + QByteArray::number(qRound(hoehe * twipsJePixel)) + "\r\n";
    const QByteArray hex = png.toHex();
    for (qsizetype k = 0; k < hex.size(); k += 128)
        m_rumpf += hex.mid(k, 128) + "\r\n";
    m_rumpf += '}';
}

void Schreiber::listenmarke(const QTextBlock& block, const QTextList& liste)
{
    const QTextListFormat format = liste.format();
    const auto stil = format.style();
    if (stil == QTextListFormat::ListDisc || stil == QTextListFormat::ListCircle || stil == QTextListFormat::ListSquare
        || stil == QTextListFormat::ListStyleUndefined) {
        if (m_symbolschrift < 0) {
            // An entry of its own: text set in "Symbol" must keep its ordinary code page.
            m_schriften.append(QStringLiteral("Symbol"));
            m_symbolschrift = int(m_schriften.size() - 1);
        }
        const QByteArray f = QByteArray::number(m_symbolschrift);
        m_rumpf += "{\\pntext\\f" + f + "\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf" + f + "\\pnindent0{\\pntxtb\\'b7}}";
        return;
    }
    QByteArray art = "\\pndec";
    if (stil == QTextListFormat::ListLowerAlpha)
        art = "\\pnlcltr";
    else if (stil == QTextListFormat::ListUpperAlpha)
        art = "\\pnucltr";
    else if (stil == QTextListFormat::ListLowerRoman)
        art = "\\pnlcrm";
    else if (stil == QTextListFormat::ListUpperRoman)
        art = "\\pnucrm";
    const QString marke = liste.itemText(block);
    m_rumpf += "{\\pntext\\f0 " + text(marke) + "\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1" + art + "{\\pntxta"
        + text(marke.right(1)) + "}}";
}

void Schreiber::absatz(const QTextBlock& block)
{
    const QTextBlockFormat f = block.blockFormat();
    QByteArray w = "\\pard\\plain";
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
        w += "\\qc";
    else if (a & Qt::AlignJustify)
        w += "\\qj";
    else if (a & Qt::AlignRight)
        w += "\\qr";
    const QTextList* liste = block.textList();
    const int ebene = liste ? std::max(0, liste->format().indent() - 1) : 0;
    auto tw = [](double px) { return QByteArray::number(begrenzt(qRound(px * twipsJePixel), -maxTwips, maxTwips)); };
    double links = f.leftMargin() + f.indent() * listeneinzugPixel;
    if (liste) {
        links += (ebene + 1) * listeneinzugPixel;
        w += "\\fi-360\\li" + tw(links);
        if (ebene > 0)
            w += "\\ilvl" + QByteArray::number(ebene);
    } else {
        if (f.textIndent() != 0)
            w += "\\fi" + tw(f.textIndent());
        if (links != 0)
            w += "\\li" + tw(links);
    }
    if (f.rightMargin() != 0)
        w += "\\ri" + tw(f.rightMargin());
    if (f.topMargin() != 0)
        w += "\\sb" + tw(f.topMargin());
    if (f.bottomMargin() != 0)
        w += "\\sa" + tw(f.bottomMargin());
    switch (f.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        w += "\\sl" + QByteArray::number(qRound(f.lineHeight() * 240.0 / 100.0)) + "\\slmult1";
        break;
    case QTextBlockFormat::MinimumHeight:
        w += "\\sl" + tw(f.lineHeight()) + "\\slmult0";
        break;
    case QTextBlockFormat::FixedHeight:
        w += "\\sl-" + tw(f.lineHeight()) + "\\slmult0";
        break;
    default:
        break;
    }
    // Font and size of the paragraph mark stand outside the runs' groups, where they also set
    // the list marker. Nothing more: LibreOffice joins a paragraph whose mark is raised
    // (\super) with the next one.
    m_rumpf += w + schriftworte(block.charFormat());
    if (liste)
        listenmarke(block, *liste);
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().isValid())
            lauf(it.fragment());
    m_rumpf += "\\par\r\n";
}

QByteArray Schreiber::schreiben()
{
    for (QTextBlock block = m_dokument.begin(); block.isValid(); block = block.next())
        absatz(block);
    QByteArray aus = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (qsizetype k = 0; k < m_schriften.size(); ++k) {
        const QByteArray zeichensatz = qsizetype(m_symbolschrift) == k ? "2" : "0";
        aus += "{\\f" + QByteArray::number(k) + "\\fnil\\fcharset" + zeichensatz + ' ' + text(m_schriften[k]) + ";}";
    }
    aus += "}\r\n";
    if (!m_farben.isEmpty()) {
        aus += "{\\colortbl ;";
        for (const QColor& c : m_farben)
            aus += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue"
                + QByteArray::number(c.blue()) + ';';
        aus += "}\r\n";
    }
    aus += "{\\*\\generator Trabex;}\\viewkind4\r\n";
    aus += m_rumpf;
    aus += "}\r\n";
    return aus;
}

} // namespace

bool istRtf(const QByteArray& daten)
{
    qsizetype k = daten.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (k < daten.size() && (daten[k] == ' ' || daten[k] == '\r' || daten[k] == '\n' || daten[k] == '\t'))
        ++k;
    return daten.mid(k, 5) == "{\\rtf";
}

void lesen(const QByteArray& daten, QTextDocument& dokument)
{
    if (daten.size() > Textdatei::maxGroesse)
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein, QStringLiteral("Die Datei ist zu groß."));
    if (!istRtf(daten)) {
        klartextAufbauen(daten, dokument);
        return;
    }
    const qsizetype anfang = daten.indexOf('{');
    const QByteArray rumpf = daten.mid(anfang + 1); // the outermost group is the reader's root
    Leser leser(rumpf);
    const QList<Absatz> absaetze = leser.lesen();
    dokumentAufbauen(absaetze, dokument);
}

QByteArray schreiben(const QTextDocument& dokument) { return Schreiber(dokument).schreiben(); }

void laden(const QString& pfad, QTextDocument& dokument)
{
    const QByteArray daten = Textdatei::lesenRoh(pfad);
    try {
        lesen(daten, dokument);
    } catch (const Plattform::Fehler& f) {
        throw Plattform::Fehler::datei(pfad, f.text());
    }
}

void speichern(const QString& pfad, const QTextDocument& dokument) { Textdatei::schreibenRoh(pfad, schreiben(dokument)); }

} // namespace Rtf
