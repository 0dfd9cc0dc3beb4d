#include "platform/Bausteine.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

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

QPushButton* symbolknopf(
    QWidget* eltern, const QString& name, const QString& text, Symbol symbol, int x, int y, int breite, int hoehe)
{
    QPushButton* k = knopf(eltern, name, text, x, y, breite, hoehe);
    QStyle::StandardPixmap bild = QStyle::SP_CustomBase;
    switch (symbol) {
    case Symbol::Hilfe:
        bild = QStyle::SP_DialogHelpButton;
        break;
    case Symbol::Abbrechen:
        bild = QStyle::SP_DialogCancelButton;
        break;
    case Symbol::OK:
        bild = QStyle::SP_DialogOkButton;
        break;
    case Symbol::Schliessen:
        bild = QStyle::SP_DialogCloseButton;
        break;
    case Symbol::Speichern:
        bild = QStyle::SP_DialogSaveButton;
        break;
    case Symbol::Keins:
        break;
    }
    if (bild != QStyle::SP_CustomBase)
        k->setIcon(QApplication::style()->standardIcon(bild));
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
