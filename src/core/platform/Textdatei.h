#pragma once
// Text files of the data directory. Files from existing installations are Windows-1252 with
// CR LF; hand-edited ones may be anything, so reading is lenient and never fails on content:
// a UTF-8 or UTF-16 byte-order mark wins, then valid UTF-8, else Windows-1252. Lines end in
// CR, LF or CR LF. Writing keeps Windows-1252 with CR LF when every character fits, else
// UTF-8 with a byte-order mark, and is atomic: a failed save leaves the old file whole.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Textdatei {

// Files larger than this are refused instead of filling the memory.
constexpr qint64 maxGroesse = 256LL * 1024 * 1024;

QString dekodieren(const QByteArray& daten);
QByteArray kodieren(const QStringList& zeilen);
QStringList inZeilen(const QString& text);

// Throws the file error "Datei %s kann nicht geöffnet werden. %s" when the file cannot be read.
QStringList lesen(const QString& pfad);
QString lesenGanz(const QString& pfad);
// The first line of a file, reading at most `maxBytes` (for one-line settings files, which a
// hand edit or a stray binary file must not turn into a large read).
QString ersteZeile(const QString& pfad, qint64 maxBytes = 4096);
QByteArray lesenRoh(const QString& pfad);
// Throws the file error when the file cannot be written; the previous file then stays whole.
void schreiben(const QString& pfad, const QStringList& zeilen);
void schreibenRoh(const QString& pfad, const QByteArray& daten);

// A folder whose files are never written (the installed data, when the program has to work on
// it); an empty name lifts the protection. A write into it throws the file error.
void schreibschutzSetzen(const QString& verzeichnis);
bool schreibgeschuetzt(const QString& pfad);

// The name of a file in `verzeichnis` matched without regard to case: the existing file's
// path when there is one, else verzeichnis + name as given.
QString finden(const QString& verzeichnis, const QString& name);
bool existiert(const QString& verzeichnis, const QString& name);

} // namespace Textdatei
