#pragma once
// The toolkit's own texts in German. The program speaks German whatever the locale; the
// buttons of message boxes and the printer set-up and file dialogs come from Qt and would
// otherwise be English. Debian ships Qt's translations in qt6-translations-l10n.
namespace Sprache {

// Installs Qt's German translation on the application, once per run. False when the
// translation files are not installed (the dialogs then stay English).
bool Qt_Texte_Laden();

} // namespace Sprache
