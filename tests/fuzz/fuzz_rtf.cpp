// The RTF reader on arbitrary bytes: it must neither crash nor hang, and what it read must
// survive the writer and a second read with the same text.
#include "core/explain/Rtf.h"
#include "core/platform/Fehler.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>

// Qt's font database keeps fontconfig's fallback lists until exit; not a leak of the reader.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication anwendung(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QByteArray eingabe(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    QTextDocument dokument;
    try {
        Rtf::lesen(eingabe, dokument);
    } catch (const Plattform::Fehler&) {
        return 0; // refused with a message: fine
    }
    dokument.documentLayout()->documentSize(); // lays the text out: huge indents must not hang
    QTextDocument wieder;
    Rtf::lesen(Rtf::schreiben(dokument), wieder);
    if (wieder.toRawText() != dokument.toRawText()) {
        std::fprintf(stderr, "Text changed by writing and reading again\n");
        std::abort();
    }
    return 0;
}
