#include "gui/projekt/Projektkopf.h"

#include "gui/platform/Oberflaeche.h"
#include "gui/projekt/Projektstand.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* zeile(QDialog* dialog, QFormLayout* form, const QString& name, const QString& text)
{
    auto* e = new QLineEdit(dialog);
    e->setObjectName(name);
    e->setMinimumWidth(380);
    form->addRow(text, e);
    return e;
}

} // namespace

TDLG_Projektkopf::TDLG_Projektkopf(QWidget* eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("DLG_Projektkopf"));
    setWindowTitle(QStringLiteral("Projektkopf"));
    auto* form = new QFormLayout(this);
    E_Bezeichnung = zeile(this, form, QStringLiteral("E_Bezeichnung"), QStringLiteral("Bezeichnung:"));
    E_Adresse = zeile(this, form, QStringLiteral("E_Adresse"), QStringLiteral("Adresse / Bauwerk:"));
    E_Bearbeiter = zeile(this, form, QStringLiteral("E_Bearbeiter"), QStringLiteral("Bearbeiter:"));
    E_Datum = zeile(this, form, QStringLiteral("E_Datum"), QStringLiteral("Datum:"));
    E_Datum->setPlaceholderText(QDate::currentDate().toString(Qt::ISODate));
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(knoepfe);
}

void TDLG_Projektkopf::Zeigen(const Projekt::Kopf& kopf)
{
    E_Bezeichnung->setText(kopf.bezeichnung);
    E_Adresse->setText(kopf.adresse);
    E_Bearbeiter->setText(kopf.bearbeiter);
    E_Datum->setText(kopf.datum);
}

Projekt::Kopf TDLG_Projektkopf::Kopf() const
{
    return {
        E_Bezeichnung->text().trimmed(), E_Adresse->text().trimmed(), E_Bearbeiter->text().trimmed(), E_Datum->text().trimmed()};
}

namespace Projektkopf {

bool Bearbeiten(QWidget* eltern)
{
    TProjektstand* projekt = Projektstand::Projekt;
    if (!projekt)
        return false;
    TDLG_Projektkopf dialog(eltern);
    dialog.Zeigen(projekt->daten().kopf);
    if (Plattform::modal(&dialog) != QDialog::Accepted)
        return false;
    projekt->kopfSetzen(dialog.Kopf());
    return true;
}

QString Zeile(const Projekt::Kopf& kopf)
{
    QStringList teile;
    for (const QString& t : {kopf.bezeichnung, kopf.adresse, kopf.bearbeiter, kopf.datum})
        if (!t.isEmpty())
            teile << t;
    return teile.isEmpty() ? QStringLiteral("Projektkopf nicht ausgefüllt") : teile.join(QStringLiteral(" · "));
}

} // namespace Projektkopf
