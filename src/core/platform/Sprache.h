#pragma once
// The toolkit's own texts in German. The program speaks German whatever the locale; the
// buttons of message boxes and the printer set-up and file dialogs come from Qt and would
// otherwise be English. Debian ships Qt's translations in qt6-translations-l10n.
namespace Sprache {

// Installs Qt's German translation on the application, once per run. False when the
// translation files are not installed (the dialogs then stay English).
bool Qt_Texte_Laden();

// A machine without language settings runs in the C locale, whose decimal point would make
// every German number of the data files unreadable. The program then works as a German one,
// as its users and its delivered data do; a locale the user chose is kept. The window and the
// command line both start with this.
void Zahlen_Deutsch_ohne_Sprachwahl();

} // namespace Sprache
