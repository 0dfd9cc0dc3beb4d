#include "core/platform/Textdatei.h"

#include "core/platform/Fehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace Textdatei {

namespace {

QString g_schreibschutz; // absolute, cleaned; empty: none

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; undefined codes map to themselves.
constexpr char16_t cp1252Hoch[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString ausCp1252(const QByteArray& daten)
{
    QString text(daten.size(), Qt::Uninitialized);
    QChar* z = text.data();
    for (const char c : daten) {
        const auto b = static_cast<unsigned char>(c);
        *z++ = (b >= 0x80 && b < 0xA0) ? QChar(cp1252Hoch[b - 0x80]) : QChar(b);
    }
    return text;
}

// Returns false when a character has no Windows-1252 code.
bool inCp1252(const QString& text, QByteArray& aus)
{
    aus.reserve(aus.size() + text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            aus += char(u);
            continue;
        }
        int code = -1;
        for (int k = 0; k < 32; ++k)
            if (cp1252Hoch[k] == u) {
                code = 0x80 + k;
                break;
            }
        if (code < 0)
            return false;
        aus += char(code);
    }
    return true;
}

// Windows-1252 bytes that look like a byte-order mark or like valid UTF-8 would be read back
// as something else ("Ã©" as "é"); such texts are written as UTF-8 instead.
bool liestSichAlsCp1252(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return false;
    const bool nurAscii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (nurAscii)
        return true;
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString probe = utf8.decode(bytes);
    return utf8.hasError();
}

QString grund(const QFileDevice& datei)
{
    switch (datei.error()) {
    case QFileDevice::OpenError:
        return QFileInfo::exists(datei.fileName()) ? QStringLiteral("Zugriff verweigert.")
                                                   : QStringLiteral("Das System kann die angegebene Datei nicht finden.");
    case QFileDevice::PermissionsError:
        return QStringLiteral("Zugriff verweigert.");
    case QFileDevice::ResourceError:
        return QStringLiteral("Nicht genügend Speicherplatz auf dem Datenträger.");
    case QFileDevice::ReadError:
        return QStringLiteral("Lesefehler.");
    case QFileDevice::WriteError:
        return QStringLiteral("Schreibfehler.");
    default:
        return QStringLiteral("E/A-Fehler: %1").arg(datei.errorString());
    }
}

// The file's bytes, but no more than `grenze`. QIODevice::read(n) sets n bytes aside before it
// reads, so one read of the largest size allowed took half a gigabyte for every small file; the
// file's size is read first, then in steps whatever a growing file or one without a size
// (/proc) holds beyond it.
QByteArray bisHoechstens(QFile& datei, qint64 grenze)
{
    constexpr qint64 schritt = 1 << 20;
    QByteArray daten;
    qint64 naechstes = datei.size() + 1;
    while (daten.size() < grenze) {
        const QByteArray teil = datei.read(qMin(naechstes, grenze - daten.size()));
        if (teil.isEmpty())
            break;
        daten += teil;
        naechstes = schritt;
    }
    return daten;
}

} // namespace

QString dekodieren(const QByteArray& daten)
{
    // The mark is taken off here; a second one belongs to the text and is kept.
    constexpr auto behalten = QStringConverter::Flag::ConvertInitialBom;
    if (daten.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder utf8(QStringConverter::Utf8, behalten);
        return utf8.decode(daten.mid(3));
    }
    if (daten.startsWith("\xFF\xFE") || daten.startsWith("\xFE\xFF")) {
        auto enc = daten.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
        QStringDecoder dekoder(enc, behalten);
        return dekoder.decode(daten.mid(2));
    }
    QStringDecoder utf8(QStringConverter::Utf8, behalten);
    const QString text = utf8.decode(daten);
    if (!utf8.hasError())
        return text;
    return ausCp1252(daten);
}

QStringList inZeilen(const QString& text)
{
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        zeilen.append(text.mid(anfang, i - anfang));
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        anfang = i + 1;
    }
    if (anfang < n)
        zeilen.append(text.mid(anfang));
    return zeilen;
}

QByteArray kodieren(const QStringList& zeilen)
{
    QString ganz;
    for (const QString& z : zeilen) {
        ganz += z;
        ganz += QLatin1String("\r\n");
    }
    QByteArray aus;
    if (inCp1252(ganz, aus) && liestSichAlsCp1252(aus))
        return aus;
    return QByteArray("\xEF\xBB\xBF") + ganz.toUtf8();
}

QByteArray lesenRoh(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw Plattform::Fehler::datei(pfad, grund(datei));
    if (datei.size() > maxGroesse)
        throw Plattform::Fehler::datei(pfad, QStringLiteral("Die Datei ist zu groß."));
    const QByteArray daten = bisHoechstens(datei, maxGroesse + 1);
    if (datei.error() != QFileDevice::NoError)
        throw Plattform::Fehler::datei(pfad, grund(datei));
    if (daten.size() > maxGroesse)
        throw Plattform::Fehler::datei(pfad, QStringLiteral("Die Datei ist zu groß."));
    return daten;
}

QString lesenGanz(const QString& pfad) { return dekodieren(lesenRoh(pfad)); }

QString ersteZeile(const QString& pfad, qint64 maxBytes)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw Plattform::Fehler::datei(pfad, grund(datei));
    const QStringList zeilen = inZeilen(dekodieren(datei.read(maxBytes)));
    return zeilen.isEmpty() ? QString() : zeilen.first();
}

QStringList lesen(const QString& pfad) { return inZeilen(lesenGanz(pfad)); }

void schreibschutzSetzen(const QString& verzeichnis)
{
    g_schreibschutz = verzeichnis.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(verzeichnis).absoluteFilePath());
}

bool schreibgeschuetzt(const QString& pfad)
{
    if (g_schreibschutz.isEmpty())
        return false;
    const QString ordner = QDir::cleanPath(QFileInfo(pfad).absolutePath());
    return ordner == g_schreibschutz || ordner.startsWith(g_schreibschutz + QLatin1Char('/'));
}

void schreibenRoh(const QString& pfad, const QByteArray& daten)
{
    if (schreibgeschuetzt(pfad))
        throw Plattform::Fehler::datei(
            pfad, QStringLiteral("Die installierten Daten sind schreibgeschützt; es gibt keinen beschreibbaren Datenordner."));
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        throw Plattform::Fehler::datei(pfad, grund(datei));
    if (datei.write(daten) != daten.size()) {
        const QString g = grund(datei);
        datei.cancelWriting();
        throw Plattform::Fehler::datei(pfad, g);
    }
    if (!datei.commit())
        throw Plattform::Fehler::datei(pfad, grund(datei));
}

void schreiben(const QString& pfad, const QStringList& zeilen) { schreibenRoh(pfad, kodieren(zeilen)); }

QString finden(const QString& verzeichnis, const QString& name)
{
    QString basis = verzeichnis;
    if (!basis.isEmpty() && !basis.endsWith(QLatin1Char('/')))
        basis += QLatin1Char('/');
    if (QFileInfo::exists(basis + name))
        return basis + name;
    const QDir dir(verzeichnis);
    const QStringList eintraege = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& e : eintraege)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return basis + e;
    return basis + name;
}

bool existiert(const QString& verzeichnis, const QString& name) { return QFileInfo(finden(verzeichnis, name)).isFile(); }

} // namespace Textdatei
