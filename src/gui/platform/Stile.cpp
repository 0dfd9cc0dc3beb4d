#include "gui/platform/Stile.h"

#include "core/platform/Meldungen.h"

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>

namespace Stile {

namespace {

const QString luna = QStringLiteral("Luna");

// A name from a settings file may hold anything; the message shows it short and printable.
QString lesbar(const QString& name)
{
    QString t = name.left(60);
    for (QChar& c : t)
        if (!c.isPrint())
            c = QLatin1Char('?');
    return name.size() > 60 ? t + QStringLiteral("…") : t;
}
QString g_aktiv;

// Fusion with a light blue palette, in the manner of the classic blue desktop theme.
class LunaStil : public QProxyStyle {
public:
    LunaStil()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    QPalette standardPalette() const override
    {
        QPalette p(QColor(0xEC, 0xE9, 0xD8));
        p.setColor(QPalette::Window, QColor(0xEC, 0xE9, 0xD8));
        p.setColor(QPalette::Button, QColor(0xDD, 0xE8, 0xFA));
        p.setColor(QPalette::ButtonText, QColor(0x00, 0x00, 0x00));
        p.setColor(QPalette::Highlight, QColor(0x31, 0x6A, 0xC5));
        p.setColor(QPalette::HighlightedText, Qt::white);
        p.setColor(QPalette::Base, Qt::white);
        p.setColor(QPalette::AlternateBase, QColor(0xE8, 0xEF, 0xFB));
        p.setColor(QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
        p.setColor(QPalette::Mid, QColor(0x7F, 0x9D, 0xB9));
        p.setColor(QPalette::Dark, QColor(0x00, 0x3C, 0x74));
        return p;
    }
    void polish(QPalette& p) override { p = standardPalette(); }
    using QProxyStyle::polish;
};

} // namespace

QStringList namen()
{
    QStringList n = QStyleFactory::keys();
    n.append(luna);
    n.sort(Qt::CaseInsensitive);
    return n;
}

bool setzen(const QString& name)
{
    QString gefunden;
    for (const QString& n : namen())
        if (n.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            gefunden = n;
    if (gefunden.isEmpty()) {
        Plattform::warnung(
            QStringLiteral("Der Stil \"%1\" ist nicht verfügbar. Der bisherige Stil bleibt eingestellt.").arg(lesbar(name)));
        return false;
    }
    QStyle* stil = gefunden == luna ? new LunaStil : QStyleFactory::create(gefunden);
    if (!stil)
        return false;
    QApplication::setStyle(stil);
    QApplication::setPalette(stil->standardPalette());
    g_aktiv = gefunden;
    return true;
}

QString aktiv()
{
    if (g_aktiv.isEmpty() && QApplication::style())
        return QApplication::style()->name();
    return g_aktiv;
}

} // namespace Stile
