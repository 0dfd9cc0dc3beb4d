#pragma once
// The text of a printed PDF, read back with poppler's pdftotext and pdfinfo, page by page and
// as words, for tests that check what a report says rather than where.
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtTest>

namespace Pdftext {

inline QString ausfuehren(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(programm), p.readAllStandardError().constData());
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int seitenzahl(const QString& pdf)
{
    const QRegularExpressionMatch m
        = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(ausfuehren(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of every page laid out as printed (a row's cells on one line), one entry per page.
// The ligatures of the PDF are undone ("ﬁ" in "Profildaten").
inline QStringList seiten(const QString& pdf)
{
    QString text = ausfuehren(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.replace(QChar(0xFB00), QStringLiteral("ff"))
        .replace(QChar(0xFB01), QStringLiteral("fi"))
        .replace(QChar(0xFB02), QStringLiteral("fl"));
    QStringList s = text.split(QLatin1Char('\f'));
    if (!s.isEmpty() && s.last().trimmed().isEmpty())
        s.removeLast();
    return s;
}

// "label   value" on one line of a page laid out by `seiten`.
inline bool zeile(const QString& seite, const QString& links, const QString& rechts)
{
    return QRegularExpression(QRegularExpression::escape(links) + QStringLiteral(R"(\s+)") + QRegularExpression::escape(rechts)
            + QStringLiteral(R"((\s|$))"),
        QRegularExpression::MultilineOption)
        .match(seite)
        .hasMatch();
}

inline QStringList woerter(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral(R"(\s+)")), Qt::SkipEmptyParts);
}

// A word of a page and its box in points from the page's top-left corner.
struct Wort {
    QString text;
    QRectF box;
};

inline QList<Wort> woerter(const QString& pdf, int seite)
{
    const QString html = ausfuehren(QStringLiteral("pdftotext"),
        {QStringLiteral("-f"), QString::number(seite), QStringLiteral("-l"), QString::number(seite), QStringLiteral("-bbox"), pdf,
            QStringLiteral("-")});
    static const QRegularExpression muster(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Wort> liste;
    for (const QRegularExpressionMatch& m : muster.globalMatch(html))
        liste.append({m.captured(5),
            QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    return liste;
}

} // namespace Pdftext
