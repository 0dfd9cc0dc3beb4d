#pragma once
// Rich text files (RTF) to and from QTextDocument, for the help texts. The reader accepts what
// common word processors write: groups, control words and symbols, \'hh in the document's code
// page, \uN with \ucN fallback skipping, font and colour tables, character formats (bold,
// italic, underline, strike, super/subscript, size, font, colour, highlight), paragraph formats
// (alignment, indents, spacing before, after and between lines), bullets and numbering in both
// the old \pn and the newer \ls/\listtext style, and PNG, JPEG and DIB pictures. Everything else
// is ignored: unknown control words, {\*...} destinations, style sheets, document information,
// headers and footers, metafiles.
//
// Files come from outside and may be hostile, so the reader has limits (nesting depth, control
// word and number length, picture size, paragraphs, font and colour tables, the size of the
// file) and never trusts a length it reads: \binN takes at most what the file holds. A file
// beyond the limits is refused with a German message; a file that does not start with "{\rtf"
// is read as plain text, under the same limits.
//
// The writer emits plain RTF 1.x (ANSI, code page 1252, Unicode escapes with a '?' fallback,
// old-style \pn bullets, PNG pictures) that WordPad, Word and LibreOffice open unchanged.
#include <QByteArray>
#include <QString>

class QTextDocument;

namespace Rtf {

// Deeper nesting of groups is refused.
constexpr int maxTiefe = 256;
// Control words longer than this are read to their end and ignored.
constexpr int maxWortlaenge = 32;
// Pictures beyond this many pixels (together) are skipped instead of decoded.
constexpr qint64 maxBildpunkte = 40'000'000;
// More paragraphs and runs than this would exhaust the memory of the text view: refused, for
// plain text (one paragraph a line) as for RTF.
constexpr qint64 maxStuecke = 100'000;
// Font and colour tables with more entries than this are refused.
constexpr qsizetype maxTabelle = 10'000;

bool istRtf(const QByteArray& daten);

// Replaces the content of `dokument` with the text of `daten`. Throws Plattform::Fehler (with a
// German text) for a file beyond the limits; `dokument` is then left as it was.
void lesen(const QByteArray& daten, QTextDocument& dokument);

QByteArray schreiben(const QTextDocument& dokument);

// Whole files. Errors carry the file name; saving is atomic (the old file stays whole when the
// new one cannot be written).
void laden(const QString& pfad, QTextDocument& dokument);
void speichern(const QString& pfad, const QTextDocument& dokument);

} // namespace Rtf
