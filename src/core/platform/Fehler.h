#pragma once
// Errors of the program as exceptions carrying the German texts the user sees. A handler that
// does not catch one ends at once; the wrapper of Meldungen.h shows the text in the general
// error report.
#include <QString>
#include <exception>

namespace Plattform {

class Fehler : public std::exception {
public:
    enum class Art {
        Konvertierung, // a text that is not a number
        Datei, // a file that cannot be opened, read or written
        DivisionDurchNull, // x / 0
        UngueltigeOperation, // 0 / 0, square root or logarithm of a negative number
        Ueberlauf, // result too large for a double
        Bereich, // an index outside a table or list
        Allgemein
    };

    Fehler(Art art, QString text);
    Art art() const { return m_art; }
    const QString& text() const { return m_text; }
    // The file a file error names and why (empty for the others), for a caller that says it in
    // its own words.
    const QString& dateiname() const { return m_dateiname; }
    const QString& grund() const { return m_grund; }
    const char* what() const noexcept override { return m_utf8.constData(); }

    // "'%s' ist kein gültiger Gleitkommawert"
    static Fehler konvertierung(const QString& eingabe);
    // "Datei %s kann nicht geöffnet werden. %s"
    static Fehler datei(const QString& dateiname, const QString& grund);
    static Fehler divisionDurchNull();
    static Fehler ungueltigeOperation();
    static Fehler ueberlauf();
    static Fehler listenindex(long long index);

private:
    Art m_art;
    QString m_text;
    QByteArray m_utf8;
    QString m_dateiname;
    QString m_grund;
};

} // namespace Plattform
