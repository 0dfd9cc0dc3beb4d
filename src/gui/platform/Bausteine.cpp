#include "gui/platform/Bausteine.h"

#include <QApplication>
#include <QComboBox>
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
#include <QScrollArea>
#include <QStyle>
#include <QStyleOption>
#include <QVBoxLayout>
#include <QWindow>
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

namespace {

// The smallest a dialog that does not fit its screen can be made.
constexpr QSize Kleinste(400, 300);

// The frame the window manager puts around a window; before the window is framed, a title bar
// and thin borders are assumed.
QMargins rahmen(const QWidget* fenster)
{
    if (const QWindow* w = fenster->windowHandle(); w && fenster->isVisible() && !w->frameMargins().isNull())
        return w->frameMargins();
    return {4, 28, 4, 4};
}

QSize aussen(QMargins m) { return {m.left() + m.right(), m.top() + m.bottom()}; }

QRect verfuegbar(const QWidget* fenster)
{
    const QScreen* schirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    return schirm ? schirm->availableGeometry() : QRect();
}

// Moves a window whose frame reaches past the available area back inside it, as far as it fits.
void hineinschieben(QWidget* fenster, const QRect& platz, QMargins m)
{
    const QSize groesse = fenster->size() + aussen(m);
    const int x = std::max(platz.left(), std::min(fenster->x(), platz.right() + 1 - groesse.width()));
    const int y = std::max(platz.top(), std::min(fenster->y(), platz.bottom() + 1 - groesse.height()));
    if (QPoint(x, y) != fenster->pos())
        fenster->move(x, y);
}

// What a dialog of dialograhmen keeps: its design size and, once made, its surface. Fits the
// dialog to its screen each time it is shown.
class Passform : public QObject {
public:
    Passform(QDialog* dialog, QSize design)
        : QObject(dialog)
        , design(design)
    {
        setObjectName(QStringLiteral("Passform"));
        dialog->installEventFilter(this);
    }

    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        // The surface is made before the dialog shows its controls, the size fitted as it shows.
        if (objekt == parent() && ereignis->type() == QEvent::Polish)
            Bausteine::flaeche(static_cast<QDialog*>(objekt));
        else if (objekt == parent() && ereignis->type() == QEvent::Show)
            einpassen(static_cast<QDialog*>(objekt));
        return false;
    }

    const QSize design;
    QScrollArea* rollen = nullptr;
    QWidget* flaeche = nullptr;
};

Passform& passform(QDialog* dialog)
{
    auto* p = dynamic_cast<Passform*>(dialog->findChild<QObject*>(QStringLiteral("Passform"), Qt::FindDirectChildrenOnly));
    if (!p) // a dialog built without dialograhmen: its present size is its design
        p = new Passform(dialog, dialog->size());
    return *p;
}

} // namespace

void dialograhmen(QDialog* dialog, const QString& name, const QString& titel, int breite, int hoehe)
{
    dialog->setObjectName(name);
    dialog->setWindowTitle(titel);
    dialog->setFixedSize(breite, hoehe);
    programmschrift(dialog);
    hintergrund(dialog, Teal);
    new Passform(dialog, QSize(breite, hoehe));
}

QWidget* flaeche(QDialog* dialog)
{
    Passform& p = passform(dialog);
    QWidget* fokus = dialog->focusWidget();
    if (!p.flaeche) {
        p.flaeche = new QWidget;
        p.flaeche->setObjectName(QStringLiteral("W_Flaeche"));
        p.flaeche->setFixedSize(p.design);
        p.rollen = new QScrollArea(dialog);
        p.rollen->setObjectName(QStringLiteral("SB_Flaeche"));
        p.rollen->setFrameShape(QFrame::NoFrame);
        p.rollen->viewport()->setAutoFillBackground(false); // the dialog's teal around the surface
        p.rollen->setWidget(p.flaeche);
        auto* layout = new QVBoxLayout(dialog);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSizeConstraint(QLayout::SetNoConstraint); // the sizes are einpassen's
        layout->addWidget(p.rollen);
    }
    // Every control placed on the dialog, in its order so that they stack as before; a hidden
    // one stays hidden, the others show with the surface.
    for (QWidget* kind : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (kind->isWindow() || kind == p.rollen)
            continue;
        const bool versteckt = kind->isHidden() && kind->testAttribute(Qt::WA_WState_ExplicitShowHide);
        kind->setParent(p.flaeche);
        kind->setVisible(!versteckt);
    }
    if (fokus && dialog->focusWidget() != fokus)
        fokus->setFocus();
    return p.flaeche;
}

void einpassen(QDialog* dialog)
{
    const Passform& p = passform(dialog);
    flaeche(dialog);
    const QRect platz = verfuegbar(dialog);
    if (platz.isEmpty())
        return;
    const QMargins m = rahmen(dialog);
    const QSize innen = platz.size() - aussen(m);
    const QSize design = p.design;
    if (design.width() <= innen.width() && design.height() <= innen.height()) {
        dialog->setFixedSize(design);
    } else {
        // A scroll bar takes room from the other direction, which may then need one too.
        const int leiste = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, p.rollen);
        bool senkrecht = false, waagrecht = false;
        for (int runde = 0; runde < 2; ++runde) {
            waagrecht = design.width() + (senkrecht ? leiste : 0) > innen.width();
            senkrecht = design.height() + (waagrecht ? leiste : 0) > innen.height();
        }
        const QSize groesste = design + QSize(senkrecht ? leiste : 0, waagrecht ? leiste : 0);
        dialog->setMinimumSize(design.boundedTo(Kleinste));
        dialog->setMaximumSize(groesste);
        dialog->resize(groesste.boundedTo(innen));
    }
    hineinschieben(dialog, platz, m);
}

void aufBildschirm(QWidget* fenster, QSize groesse)
{
    const QRect platz = verfuegbar(fenster);
    if (platz.isEmpty()) {
        fenster->resize(groesse);
        return;
    }
    const QSize rand = aussen(rahmen(fenster));
    fenster->resize(groesse.boundedTo(platz.size() - rand));
    QRect lage(QPoint(), fenster->size() + rand);
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

int textraum(const QWidget* w)
{
    if (const auto* k = qobject_cast<const QPushButton*>(w)) {
        QStyleOptionButton o;
        o.initFrom(k);
        o.text = k->text();
        o.icon = k->icon();
        o.iconSize = k->iconSize();
        o.features = k->isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
        const int innen = k->style()->subElementRect(QStyle::SE_PushButtonContents, &o, k).width();
        // The icon stands left of the text with a gap of 4 pixels (the styles' button label).
        return k->icon().isNull() ? innen : innen - k->iconSize().width() - 4;
    }
    if (const auto* c = qobject_cast<const QComboBox*>(w)) {
        QStyleOptionComboBox o;
        o.initFrom(c);
        o.editable = c->isEditable();
        o.frame = c->hasFrame();
        // The styles draw the current text one pixel in from both sides of the edit field.
        return c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c).width() - 2;
    }
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        const int einzug = l->indent() > 0 ? l->indent() : l->frameWidth() > 0 ? l->fontMetrics().horizontalAdvance(u'x') / 2 : 0;
        return l->contentsRect().width() - 2 * l->margin() - einzug;
    }
    return w->contentsRect().width();
}

namespace {

int breitester(const QFont& schrift, const QStringList& texte)
{
    const QFontMetrics m(schrift);
    int breite = 0;
    for (const QString& t : texte)
        breite = std::max(breite, m.horizontalAdvance(QString(t).remove(u'&'))); // a mnemonic's & is not drawn
    return breite;
}

// Fits the font of a control to its texts now and whenever the style changes the room.
class Schriftpassung : public QObject {
public:
    Schriftpassung(QWidget* w, QStringList texte, int kleinste)
        : QObject(w)
        , m_texte(std::move(texte))
        , m_kleinste(kleinste)
        , m_schrift(w->font())
    {
        setObjectName(QStringLiteral("Schriftpassung"));
        w->installEventFilter(this);
        passen();
    }

    void setzen(QStringList texte)
    {
        m_texte = std::move(texte);
        passen();
    }

    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (objekt == parent() && ereignis->type() == QEvent::StyleChange)
            passen();
        return false;
    }

private:
    void passen()
    {
        auto* w = static_cast<QWidget*>(parent());
        QFont f = m_schrift; // from the designed size down, so that a roomier style gets it back
        w->setFont(f);
        const int raum = textraum(w);
        const int start = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
        for (int groesse = start; groesse > m_kleinste && breitester(f, m_texte) > raum; --groesse) {
            f.setPixelSize(groesse - 1);
        }
        if (f != w->font())
            w->setFont(f);
    }

    QStringList m_texte;
    int m_kleinste;
    QFont m_schrift;
};

} // namespace

void schriftEinpassen(QWidget* steuerelement, const QStringList& texte, int kleinste)
{
    auto* vorhanden = dynamic_cast<Schriftpassung*>(
        steuerelement->findChild<QObject*>(QStringLiteral("Schriftpassung"), Qt::FindDirectChildrenOnly));
    if (vorhanden)
        vorhanden->setzen(texte);
    else
        new Schriftpassung(steuerelement, texte, kleinste);
}

} // namespace Bausteine
