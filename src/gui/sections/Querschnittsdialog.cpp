#include "gui/sections/Querschnittsdialog.h"

#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"

#include <QDialog>
#include <QEvent>
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

void beiOeffnung(QDialog* dialog, std::function<void()> oeffnen)
{
    dialog->installEventFilter(new Zeigefilter(dialog));
    Plattform::beiOeffnung(dialog, std::move(oeffnen));
}

Knopfleiste knopfleiste(QDialog* dialog, const QString& hilfename)
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
    return k;
}

} // namespace Querschnittsdialog
