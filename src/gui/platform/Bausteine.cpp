#include "gui/platform/Bausteine.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace Bausteine {

void programmschrift(QWidget* w)
{
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(16);
    schrift.setBold(true);
    w->setFont(schrift);
}

void hintergrund(QWidget* w, const QColor& farbe)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, farbe);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void dialograhmen(QDialog* dialog, const QString& name, const QString& titel, int breite, int hoehe)
{
    dialog->setObjectName(name);
    dialog->setWindowTitle(titel);
    dialog->setFixedSize(breite, hoehe);
    programmschrift(dialog);
    hintergrund(dialog, Teal);
}

void aufBildschirm(QWidget* fenster, QSize groesse)
{
    const QScreen* schirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!schirm) {
        fenster->resize(groesse);
        return;
    }
    // Before the window is mapped its frame is unknown: a title bar and thin borders assumed.
    const QSize rahmen = fenster->isVisible() ? fenster->frameGeometry().size() - fenster->size() : QSize(8, 32);
    const QRect platz = schirm->availableGeometry();
    fenster->resize(groesse.boundedTo(platz.size() - rahmen));
    QRect lage(QPoint(), fenster->size() + rahmen);
    lage.moveCenter(platz.center());
    fenster->move(std::max(lage.left(), platz.left()), std::max(lage.top(), platz.top()));
}

namespace {
void platzieren(QWidget* w, const QString& name, int x, int y, int breite, int hoehe)
{
    w->setObjectName(name);
    if (breite < 0 || hoehe < 0) {
        w->adjustSize();
        w->move(x, y);
        if (breite >= 0)
            w->resize(breite, w->height());
        if (hoehe >= 0)
            w->resize(w->width(), hoehe);
    } else {
        w->setGeometry(x, y, breite, hoehe);
    }
}
} // namespace

QLabel* label(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite, int hoehe)
{
    auto* l = new QLabel(text, eltern);
    platzieren(l, name, x, y, breite, hoehe);
    return l;
}

QLabel* wertlabel(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite, int hoehe)
{
    QLabel* l = label(eltern, name, text, x, y, breite, hoehe);
    hintergrund(l, Rot);
    return l;
}

QLabel* ueberschrift(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite, int hoehe)
{
    QLabel* l = label(eltern, name, text, x, y, breite, hoehe);
    hintergrund(l, Gelb);
    return l;
}

QLineEdit* feld(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite, int hoehe)
{
    auto* e = new QLineEdit(text, eltern);
    platzieren(e, name, x, y, breite, hoehe);
    return e;
}

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, int x, int y, int breite, int hoehe)
{
    auto* k = new QPushButton(text, eltern);
    platzieren(k, name, x, y, breite, hoehe);
    return k;
}

namespace {
// The button pictures are drawn, not taken from the style: the style decodes its pictures from
// PNG files in several sizes at every request, which cost more start-up time than all the
// program's windows together. Drawn once per kind and kept.
QIcon standardbild(Symbol symbol)
{
    static QHash<int, QIcon> bilder;
    if (const auto it = bilder.constFind(int(symbol)); it != bilder.constEnd())
        return *it;
    QPixmap bild(40, 40); // drawn at twice the size shown, so that it stays sharp when scaled
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    const auto stift = [&](const QColor& farbe) { maler.setPen(QPen(farbe, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)); };
    switch (symbol) {
    case Symbol::OK:
        stift(QColor(0x1E, 0x8C, 0x2A));
        maler.drawPolyline(QPolygonF({QPointF(8, 21), QPointF(17, 30), QPointF(33, 10)}));
        break;
    case Symbol::Abbrechen:
    case Symbol::Schliessen:
        stift(QColor(0xC8, 0x1E, 0x1E));
        maler.drawLine(QPointF(10, 10), QPointF(30, 30));
        maler.drawLine(QPointF(30, 10), QPointF(10, 30));
        break;
    case Symbol::Hilfe: {
        maler.setPen(Qt::NoPen);
        maler.setBrush(QColor(0x1F, 0x5F, 0xBF));
        maler.drawEllipse(QRectF(3, 3, 34, 34));
        QFont schrift(QStringLiteral("Arial"));
        schrift.setPixelSize(28);
        schrift.setBold(true);
        maler.setFont(schrift);
        maler.setPen(Qt::white);
        maler.drawText(QRectF(3, 3, 34, 34), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Symbol::Speichern:
        maler.setPen(QPen(QColor(0x20, 0x30, 0x60), 3));
        maler.setBrush(QColor(0x3A, 0x5F, 0xA8));
        maler.drawRoundedRect(QRectF(5, 5, 30, 30), 3, 3);
        maler.setBrush(Qt::white);
        maler.drawRect(QRectF(11, 7, 18, 11));
        break;
    case Symbol::Keins:
        break;
    }
    maler.end();
    return *bilder.insert(int(symbol), QIcon(bild));
}
} // namespace

QPushButton* symbolknopf(
    QWidget* eltern, const QString& name, const QString& text, Symbol symbol, int x, int y, int breite, int hoehe)
{
    QPushButton* k = knopf(eltern, name, text, x, y, breite, hoehe);
    if (symbol != Symbol::Keins)
        k->setIcon(standardbild(symbol));
    return k;
}

QFrame* panel(QWidget* eltern, const QString& name, int x, int y, int breite, int hoehe)
{
    auto* p = new QFrame(eltern);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(2);
    platzieren(p, name, x, y, breite, hoehe);
    return p;
}

} // namespace Bausteine
