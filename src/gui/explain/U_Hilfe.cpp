#include "gui/explain/U_Hilfe.h"

#include "core/app/Programmzustand.h"
#include "core/explain/Rtf.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "gui/platform/Bausteine.h"
#include "gui/platform/Oberflaeche.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextEdit>

namespace U_Hilfe {

Plattform::Einmalfenster<TDLG_Hilfe> DLG_Hilfe;

const QStringList& Themen()
{
    static const QStringList themen = {
        QStringLiteral("Allgemeine Informationen"),
        QStringLiteral("Werkstoffauswahl"),
        QStringLiteral("Berechnungsdialog Biegung"),
        QStringLiteral("Berechnungsdialog Scherung"),
        QStringLiteral("Berechnungsdialog Knickung"),
        QStringLiteral("Dialog Profil aussuchen"),
        QStringLiteral("Dialog Profil rechnen"),
        QStringLiteral("Dialog Eigenes Profil eingeben"),
        QStringLiteral("Dialog Werkstoffdatei bearbeiten"),
        QStringLiteral("Dialog Profildatei bearbeiten"),
        QStringLiteral("Berechnungsdialog Träger mit beliebigen Lasten"),
    };
    return themen;
}

QString Hilfedatei(int thema) { return Textdatei::finden(Main::Datendir, QStringLiteral("Hilfe%1.RTF").arg(thema)); }

void Hilfe_Zeigen(int thema)
{
    Main::Hilfeindex = thema;
    Plattform::modal(DLG_Hilfe);
}

} // namespace U_Hilfe

TDLG_Hilfe::TDLG_Hilfe(QWidget* eltern)
    : QDialog(eltern)
{
    Bausteine::dialograhmen(this, QStringLiteral("DLG_Hilfe"), QStringLiteral("Hilfe"), 984, 611);

    LB_Themen = new QListWidget(this);
    LB_Themen->setObjectName(QStringLiteral("LB_Themen"));
    LB_Themen->setGeometry(16, 16, 295, 217);
    LB_Themen->addItems(U_Hilfe::Themen());

    E_Hilfe = new QTextEdit(this);
    E_Hilfe->setObjectName(QStringLiteral("E_Hilfe"));
    E_Hilfe->setGeometry(368, 24, 599, 569);
    E_Hilfe->setAcceptRichText(true);
    // The text carries its own fonts; the dialog's bold font must not leak into plain runs.
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(10);
    E_Hilfe->setFont(schrift);
    E_Hilfe->document()->setDefaultFont(schrift);

    BitBtn1 = Bausteine::symbolknopf(
        this, QStringLiteral("BitBtn1"), QStringLiteral("Speichern"), Bausteine::Symbol::Speichern, 16, 480, 209, 49);
    B_Ende = Bausteine::symbolknopf(
        this, QStringLiteral("B_Ende"), QStringLiteral("Abbrechen"), Bausteine::Symbol::Abbrechen, 16, 544, 209, 49);

    // Choosing a topic by keyboard loads it like a click, so that the list and the text always
    // agree and "Speichern" never writes one topic's text into another's file. A click on the
    // topic already shown reloads it.
    connect(LB_Themen, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile != m_geladen)
            Plattform::geschuetzt([this] { LB_ThemenClick(); });
    });
    connect(LB_Themen, &QListWidget::itemClicked, this, [this](QListWidgetItem* eintrag) {
        if (LB_Themen->row(eintrag) == m_geladen)
            Plattform::geschuetzt([this] { LB_ThemenClick(); });
    });
    connect(BitBtn1, &QPushButton::clicked, this, Plattform::handler(this, &TDLG_Hilfe::BitBtn1Click));
    connect(B_Ende, &QPushButton::clicked, this, &QDialog::reject);
    Plattform::beiAktivierung(this, [this] { FormActivate(); });
}

void TDLG_Hilfe::FormActivate()
{
    const int k = Main::Hilfeindex;
    {
        const QSignalBlocker still(LB_Themen);
        LB_Themen->setCurrentRow(k >= 0 && k < LB_Themen->count() ? k : -1);
    }
    LB_ThemenClick();
}

void TDLG_Hilfe::LB_ThemenClick()
{
    const QSignalBlocker still(LB_Themen);
    int k = LB_Themen->currentRow();
    if (k < 0) {
        k = 0;
        LB_Themen->setCurrentRow(0);
    }
    try {
        // The reader leaves the document as it was when the file fails, so the shown text stays.
        Rtf::laden(U_Hilfe::Hilfedatei(k), *E_Hilfe->document());
    } catch (...) {
        // ... and the selection goes back to the topic whose text is shown.
        LB_Themen->setCurrentRow(m_geladen);
        throw;
    }
    m_geladen = k;
}

// The text is saved to the topic it was loaded from. With none loaded (its file could not be
// read) there is nothing to save to: writing the empty view would replace that file.
void TDLG_Hilfe::BitBtn1Click()
{
    if (m_geladen < 0) {
        Plattform::fehler(QStringLiteral("Es ist kein Hilfethema geladen; es wurde nichts gespeichert. Bitte wählen Sie links "
                                         "ein Thema, dessen Text Sie bearbeiten möchten."));
        return;
    }
    Rtf::speichern(U_Hilfe::Hilfedatei(m_geladen), *E_Hilfe->document());
    E_Hilfe->document()->setModified(false);
}
