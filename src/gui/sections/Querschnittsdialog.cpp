#include "gui/sections/Querschnittsdialog.h"

#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace Querschnittsdialog {

namespace {

// Places the dialog in the middle of its screen, as every cross-section dialog opens.
void mittig(QWidget* dialog)
{
    const QScreen* bildschirm = dialog->screen();
    if (!bildschirm)
        return;
    QRect rahmen = dialog->frameGeometry();
    rahmen.moveCenter(bildschirm->availableGeometry().center());
    dialog->move(rahmen.topLeft());
}

// Centres a dialog each time before it appears.
class Zeigefilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (objekt == parent() && ereignis->type() == QEvent::Show && !ereignis->spontaneous())
            mittig(static_cast<QWidget*>(objekt));
        return false;
    }
};

} // namespace

Schnappschuss::Schnappschuss(QDialog* dialog)
    : QObject(dialog)
    , m_dialog(dialog)
{
    dialog->installEventFilter(this);
}

void Schnappschuss::aufnehmen() { m_alt = Querschnittswerte::Gewaehltes_Profil::aufnehmen(); }

void Schnappschuss::abbrechen()
{
    m_alt.wiederherstellen();
    m_dialog->done(QDialog::Rejected);
}

// QDialog answers both Esc and its close box with reject(), which only closes: Esc is taken
// here as "Abbrechen", while the close box keeps the shared section as the dialog wrote it.
bool Schnappschuss::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt != m_dialog || ereignis->type() != QEvent::KeyPress
        || !static_cast<QKeyEvent*>(ereignis)->matches(QKeySequence::Cancel))
        return false;
    Plattform::geschuetzt([this] { abbrechen(); });
    return true;
}

Knopfleiste einrichten(QDialog* dialog, const QString& hilfename, Handler handler)
{
    using namespace Bausteine;
    constexpr int breite = 150, hoehe = 45, abstand = 10, rand = 8;
    const int y = dialog->height() - hoehe - rand;
    const int xOK = dialog->width() - rand - breite;
    const int xAbbrechen = xOK - abstand - breite;
    const int xHilfe = xAbbrechen - abstand - breite;
    Knopfleiste k;
    k.Hilfe = symbolknopf(dialog, hilfename, QStringLiteral("&Hilfe"), Symbol::Hilfe, xHilfe, y, breite, hoehe);
    k.Abbrechen = symbolknopf(
        dialog, QStringLiteral("CancelBtn"), QStringLiteral("Abbrechen"), Symbol::Abbrechen, xAbbrechen, y, breite, hoehe);
    k.OK = symbolknopf(dialog, QStringLiteral("OKBtn"), QStringLiteral("OK"), Symbol::OK, xOK, y, breite, hoehe);
    k.OK->setDefault(true);
    k.Alt = new Schnappschuss(dialog);
    Schnappschuss* alt = k.Alt;
    const auto bewacht = [](std::function<void()> f) { return [f = std::move(f)] { Plattform::geschuetzt(f); }; };
    QObject::connect(k.Hilfe, &QPushButton::clicked, dialog, bewacht(std::move(handler.hilfe)));
    QObject::connect(k.Abbrechen, &QPushButton::clicked, alt, bewacht([alt] { alt->abbrechen(); }));
    QObject::connect(k.OK, &QPushButton::clicked, dialog, bewacht(std::move(handler.ok)));

    dialog->installEventFilter(new Zeigefilter(dialog));
    Plattform::beiOeffnung(dialog, std::move(handler.oeffnen));
    return k;
}

} // namespace Querschnittsdialog
