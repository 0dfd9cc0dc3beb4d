#pragma once
// The printed one-page reports of the four calculation dialogs. Each shows the dialog's printer
// set-up dialog and prints from the shared calculation state and the texts handed in.
class QPrintDialog;
class QString;

namespace U_druck {

void Biegung1_Drucken(QPrintDialog* Drucksetupdlg, const QString& Titel);
void Biegung2_Drucken(QPrintDialog* Drucksetupdlg, const QString& Titel, const QString& Hinweis_W, const QString& Hinweis_f);
void Knickung_Drucken(QPrintDialog* Drucksetupdlg, const QString& Titel, const QString& Formel);
void Scherung_Drucken(QPrintDialog* Drucksetupdlg, const QString& Titel);

} // namespace U_druck
