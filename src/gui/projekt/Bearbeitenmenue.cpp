#include "gui/projekt/Bearbeitenmenue.h"

#include "gui/platform/Oberflaeche.h"
#include "gui/projekt/Projektstand.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace {

// "Rückgängig: Position 3 löschen", or the bare word while there is nothing to take back.
QString eintrag(const QString& wort, const QString& schritt)
{
    return schritt.isEmpty() ? wort : QStringLiteral("%1: %2").arg(wort, schritt);
}

} // namespace

TBearbeitenmenue::TBearbeitenmenue(QMenuBar* leiste, TProjektstand* projekt)
    : QObject(leiste)
    , m_projekt(projekt)
{
    M_Bearbeiten = leiste->addMenu(QStringLiteral("&Bearbeiten"));
    M_Bearbeiten->setObjectName(QStringLiteral("M_Bearbeiten"));
    A_Rueckgaengig = M_Bearbeiten->addAction(QString());
    A_Rueckgaengig->setObjectName(QStringLiteral("A_Rueckgaengig"));
    A_Rueckgaengig->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    A_Wiederholen = M_Bearbeiten->addAction(QString());
    A_Wiederholen->setObjectName(QStringLiteral("A_Wiederholen"));
    // Ctrl+Y as well, which Windows users press for the same.
    A_Wiederholen->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* a : {A_Rueckgaengig, A_Wiederholen})
        a->setShortcutContext(Qt::WindowShortcut);

    QUndoStack* verlauf = m_projekt->verlauf();
    connect(A_Rueckgaengig, &QAction::triggered, this, [verlauf] { Plattform::geschuetzt([verlauf] { verlauf->undo(); }); });
    connect(A_Wiederholen, &QAction::triggered, this, [verlauf] { Plattform::geschuetzt([verlauf] { verlauf->redo(); }); });
    connect(verlauf, &QUndoStack::indexChanged, this, &TBearbeitenmenue::Texte_Zeigen);
    connect(verlauf, &QUndoStack::cleanChanged, this, &TBearbeitenmenue::Texte_Zeigen); // a cleared history
    Texte_Zeigen();
}

void TBearbeitenmenue::Texte_Zeigen()
{
    const QUndoStack* verlauf = m_projekt->verlauf();
    A_Rueckgaengig->setText(eintrag(QStringLiteral("&Rückgängig"), verlauf->undoText()));
    A_Rueckgaengig->setEnabled(verlauf->canUndo());
    A_Wiederholen->setText(eintrag(QStringLiteral("&Wiederholen"), verlauf->redoText()));
    A_Wiederholen->setEnabled(verlauf->canRedo());
}
