// Writes the delivered help texts as RTF. Their sources are plain UTF-8 files with a small
// markup, so that the texts can be reviewed and changed as text:
//   "# Titel"        topic heading          "## Abschnitt"   section heading
//   "- Punkt"        bullet                 "1. Schritt"     numbered step
//   "> Hinweis"      note (italic)          "**fett**"       bold inside a line
// Consecutive plain lines form one paragraph; an empty line ends it.
#include "core/explain/Rtf.h"
#include "core/platform/Textdatei.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <cstdio>

namespace {

const QString Schrift = QStringLiteral("Arial");

QTextCharFormat zeichen(double punkte, bool fett = false, bool kursiv = false, QColor farbe = Qt::black)
{
    QTextCharFormat f;
    f.setFontFamilies({Schrift});
    f.setFontPointSize(punkte);
    f.setFontWeight(fett ? QFont::Bold : QFont::Normal);
    f.setFontItalic(kursiv);
    f.setForeground(farbe);
    return f;
}

class Aufbau {
public:
    explicit Aufbau(QTextDocument& dokument)
        : m_cursor(&dokument)
    {
    }

    void zeile(const QString& roh)
    {
        const QString z = roh.trimmed();
        static const QRegularExpression nummer(QStringLiteral("^\\d+\\.\\s+(.*)$"));
        if (z.isEmpty()) {
            absatzEnde();
        } else if (z.startsWith(QLatin1String("## "))) {
            einzeln(z.mid(3), zeichen(11, true, false, QColor(0, 96, 96)), 10, 3);
        } else if (z.startsWith(QLatin1String("# "))) {
            einzeln(z.mid(2), zeichen(15, true, false, QColor(0, 96, 96)), 0, 6);
        } else if (z.startsWith(QLatin1String("- "))) {
            listenpunkt(z.mid(2), QTextListFormat::ListDisc);
        } else if (const auto treffer = nummer.match(z); treffer.hasMatch()) {
            listenpunkt(treffer.captured(1), QTextListFormat::ListDecimal);
        } else if (z.startsWith(QLatin1String("> "))) {
            einzeln(z.mid(2), zeichen(10, false, true, QColor(128, 0, 0)), 3, 3);
        } else {
            if (!m_offen.isEmpty())
                m_offen += QLatin1Char(' ');
            m_offen += z;
        }
    }

    void absatzEnde()
    {
        if (m_offen.isEmpty())
            return;
        neuerAbsatz(0, 4);
        text(m_offen, zeichen(10));
        m_offen.clear();
        m_liste = nullptr;
    }

private:
    // `zeichenformat` is the paragraph's own format, which also sets its list marker.
    void neuerAbsatz(double vor, double nach, const QTextCharFormat& zeichenformat = zeichen(10))
    {
        QTextBlockFormat f;
        f.setTopMargin(vor);
        f.setBottomMargin(nach);
        if (m_erster) {
            m_cursor.setBlockFormat(f);
            m_cursor.setBlockCharFormat(zeichenformat);
            m_erster = false;
        } else {
            m_cursor.insertBlock(f, zeichenformat);
        }
    }

    void einzeln(const QString& inhalt, const QTextCharFormat& format, double vor, double nach)
    {
        absatzEnde();
        m_liste = nullptr;
        neuerAbsatz(vor, nach, format);
        text(inhalt, format);
    }

    void listenpunkt(const QString& inhalt, QTextListFormat::Style stil)
    {
        absatzEnde();
        neuerAbsatz(0, 2);
        if (m_liste && m_liste->format().style() == stil) {
            m_liste->add(m_cursor.block());
        } else {
            QTextListFormat f;
            f.setStyle(stil);
            f.setIndent(1);
            m_liste = m_cursor.createList(f);
        }
        text(inhalt, zeichen(10));
    }

    // "**" switches bold on and off inside a line.
    void text(const QString& inhalt, const QTextCharFormat& grund)
    {
        const QStringList teile = inhalt.split(QStringLiteral("**"));
        for (qsizetype k = 0; k < teile.size(); ++k) {
            QTextCharFormat f = grund;
            if (k % 2 == 1)
                f.setFontWeight(QFont::Bold);
            if (!teile[k].isEmpty())
                m_cursor.insertText(teile[k], f);
        }
    }

    QTextCursor m_cursor;
    QString m_offen;
    QTextList* m_liste = nullptr;
    bool m_erster = true;
};

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication anwendung(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: hilfe_texte <Quellordner> <Datenordner>\n");
        return 2;
    }
    const QDir quelle(QString::fromLocal8Bit(argv[1]));
    const QDir ziel(QString::fromLocal8Bit(argv[2]));
    try {
        // Every source there is, Hilfe0.txt upwards: one topic each.
        for (int thema = 0; QFileInfo::exists(quelle.filePath(QStringLiteral("Hilfe%1.txt").arg(thema))); ++thema) {
            const QString name = QStringLiteral("Hilfe%1").arg(thema);
            QTextDocument dokument;
            dokument.setDefaultFont(QFont(Schrift, 10));
            Aufbau aufbau(dokument);
            for (const QString& z : Textdatei::lesen(quelle.filePath(name + QStringLiteral(".txt"))))
                aufbau.zeile(z);
            aufbau.absatzEnde();
            const QString pfad = ziel.filePath(name + QStringLiteral(".RTF"));
            Rtf::speichern(pfad, dokument);
            // What was written must read back to the same text.
            QTextDocument wieder;
            Rtf::laden(pfad, wieder);
            if (wieder.toPlainText() != dokument.toPlainText()) {
                std::fprintf(stderr, "%s liest sich anders zurück\n", qPrintable(pfad));
                return 1;
            }
            std::printf("%s\n", qPrintable(pfad));
        }
    } catch (const std::exception& f) {
        std::fprintf(stderr, "%s\n", f.what());
        return 1;
    }
    return 0;
}
