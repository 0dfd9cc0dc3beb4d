#pragma once
// The head of the project (Bezeichnung, Adresse/Bauwerk, Bearbeiter, Datum), edited in a small
// dialog; the report heads print it.
#include "core/projekt/Projekt.h"

#include <QDialog>

class QLineEdit;

class TDLG_Projektkopf : public QDialog {
    Q_OBJECT
public:
    explicit TDLG_Projektkopf(QWidget* eltern = nullptr);

    void Zeigen(const Projekt::Kopf& kopf);
    Projekt::Kopf Kopf() const;

    QLineEdit* E_Bezeichnung;
    QLineEdit* E_Adresse;
    QLineEdit* E_Bearbeiter;
    QLineEdit* E_Datum;
};

namespace Projektkopf {
// Edits the head of the open project; true when the user took the changes.
bool Bearbeiten(QWidget* eltern);
// "Garage Muster · Musterstraße 1 · A. Beispiel · 2026-12-10", the parts that are given.
QString Zeile(const Projekt::Kopf& kopf);
} // namespace Projektkopf
