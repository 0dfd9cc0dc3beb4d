#pragma once
// The project file ".trabex": UTF-8 JSON with a format name and version, the project head and
// the positions (docs/PROJEKTDATEI.md describes it key by key). Reading is all or nothing: a
// file with any fault is refused with one German message that names the position and the
// field, and the caller keeps what it had. Unknown keys are ignored; a newer version is refused.
// Writing goes through QSaveFile, so a failed save leaves the previous file whole.
#include "core/projekt/Projekt.h"

#include <QByteArray>

namespace Projektdatei {

inline constexpr int Version = 1;

// The project in `inhalt`; throws Plattform::Fehler (Art::Allgemein) with the message.
Projekt::Daten lesen(const QByteArray& inhalt);
// The project in the file `pfad`; the message of a fault names the file.
Projekt::Daten laden(const QString& pfad);

QByteArray schreiben(const Projekt::Daten& projekt);
// Throws Plattform::Fehler::datei when the file cannot be written.
void speichern(const Projekt::Daten& projekt, const QString& pfad);

} // namespace Projektdatei
