#include "core/projekt/Kommandozeile.h"

#include "core/app/Datenordner.h"
#include "core/app/Programmzustand.h"
#include "core/app/Unit1.h"
#include "core/data/U_Einwirkungen.h"
#include "core/data/U_Material.h"
#include "core/data/U_Profile.h"
#include "core/platform/Fehler.h"
#include "core/platform/Textdatei.h"
#include "core/projekt/Projektdatei.h"

#include <QDir>
#include <QFileInfo>
#include <functional>

namespace Kommandozeile {

namespace {

Status status(const QList<Positionsrechnung::Ergebnis>& ergebnisse)
{
    Status s = Erfuellt;
    for (const auto& e : ergebnisse) {
        if (!e.fehler.isEmpty())
            return Fehler;
        if (!e.erfuellt || (e.ec3 && e.ec3->moeglich && !e.ec3->erfuellt))
            s = NichtErfuellt;
    }
    return s;
}

// The value of an option that takes one: "--json x" or "--json=x".
bool wert(const QStringList& argumente, qsizetype& i, const QString& name, QString& ziel, Aufruf& aufruf)
{
    const QString& a = argumente.at(i);
    if (a.startsWith(name + QLatin1Char('='))) {
        ziel = a.mid(name.size() + 1);
    } else if (a == name) {
        if (i + 1 >= argumente.size()) {
            aufruf.fehler = QStringLiteral("Nach %1 fehlt der Dateiname.").arg(name);
            return true;
        }
        ziel = argumente.at(++i);
    } else {
        return false;
    }
    if (ziel.isEmpty())
        aufruf.fehler = QStringLiteral("Nach %1 fehlt der Dateiname.").arg(name);
    return true;
}

Aufruf nur(Aufruf::Was was)
{
    Aufruf aufruf;
    aufruf.was = was;
    return aufruf;
}

QString ordner(const QString& pfad) { return QDir::toNativeSeparators(QFileInfo(pfad).absolutePath()); }

// What the file system shows to keep `pfad` from being read; empty when it shows nothing.
QString lesegrund(const QString& pfad)
{
    const QFileInfo datei(pfad);
    if (!datei.exists())
        return QFileInfo(datei.absolutePath()).isDir() ? QStringLiteral("Die Datei gibt es nicht.")
                                                       : QStringLiteral("Den Ordner %1 gibt es nicht.").arg(ordner(pfad));
    if (datei.isDir())
        return QStringLiteral("Das ist ein Ordner, keine Datei.");
    if (!datei.isReadable())
        return QStringLiteral("Es fehlt die Berechtigung, sie zu lesen.");
    if (datei.size() > Textdatei::maxGroesse)
        return QStringLiteral("Sie ist größer als %1 MB.").arg(Textdatei::maxGroesse / (1024 * 1024));
    return {};
}

QString lesefehler(const QString& pfad, const QString& sonst)
{
    const QString grund = lesegrund(pfad);
    return QStringLiteral("Datei %1 kann nicht geöffnet werden: %2")
        .arg(QDir::toNativeSeparators(pfad), grund.isEmpty() ? sonst : grund);
}

// What keeps `pfad` from being written.
QString schreibgrund(const QString& pfad)
{
    const QFileInfo datei(pfad);
    const QFileInfo verzeichnis(datei.absolutePath());
    if (datei.isDir())
        return QStringLiteral("Das ist ein Ordner, keine Datei.");
    if (!verzeichnis.exists())
        return QStringLiteral("Den Ordner %1 gibt es nicht.").arg(ordner(pfad));
    if (!verzeichnis.isDir())
        return QStringLiteral("%1 ist kein Ordner.").arg(ordner(pfad));
    if (datei.exists() && !datei.isWritable())
        return QStringLiteral("Die Datei ist schreibgeschützt.");
    if (!verzeichnis.isWritable())
        return QStringLiteral("Es fehlt die Berechtigung, in den Ordner %1 zu schreiben.").arg(ordner(pfad));
    return QStringLiteral("Das Dateisystem lässt dort keine Datei anlegen.");
}

} // namespace

QString Lesefehler(const QString& pfad) { return lesefehler(pfad, QStringLiteral("Sie lässt sich nicht lesen.")); }

QString Schreibfehler(const QString& was, const QString& pfad)
{
    return QStringLiteral("%1 %2 kann nicht geschrieben werden: %3").arg(was, QDir::toNativeSeparators(pfad), schreibgrund(pfad));
}

QString Fehlertext(const Plattform::Fehler& f)
{
    // What the file system shows is said in the command line's words; where it shows nothing
    // wrong, the reason the reader found (a picture that is none, a read that broke off).
    return f.art() == Plattform::Fehler::Art::Datei && !f.dateiname().isEmpty() ? lesefehler(f.dateiname(), f.grund()) : f.text();
}

Aufruf auswerten(const QStringList& argumente)
{
    Aufruf aufruf;
    bool berechnen = false;
    QString datei; // a project to open in the window
    for (qsizetype i = 0; i < argumente.size() && aufruf.fehler.isEmpty(); ++i) {
        const QString& a = argumente.at(i);
        if (a == QStringLiteral("--help") || a == QStringLiteral("-h"))
            return nur(Aufruf::Was::Hilfe);
        if (a == QStringLiteral("--version") || a == QStringLiteral("-v"))
            return nur(Aufruf::Was::Version);
        if (wert(argumente, i, QStringLiteral("--berechnen"), aufruf.projekt, aufruf)) {
            berechnen = true;
        } else if (wert(argumente, i, QStringLiteral("--json"), aufruf.json, aufruf)) {
        } else if (wert(argumente, i, QStringLiteral("--pdf"), aufruf.pdf, aufruf)) {
        } else if (a.startsWith(QLatin1Char('-'))) {
            aufruf.fehler = QStringLiteral("Unbekannte Option „%1“.").arg(a);
        } else if (datei.isEmpty()) {
            datei = a;
        } else {
            aufruf.fehler = QStringLiteral("Es kann nur eine Projektdatei geöffnet werden („%1“ und „%2“).").arg(datei, a);
        }
    }
    if (aufruf.fehler.isEmpty() && !aufruf.json.isEmpty() && !berechnen)
        aufruf.fehler = QStringLiteral("--json gilt nur mit --berechnen.");
    if (aufruf.fehler.isEmpty() && !aufruf.pdf.isEmpty() && !berechnen)
        aufruf.fehler = QStringLiteral("--pdf gilt nur mit --berechnen.");
    if (aufruf.fehler.isEmpty() && berechnen && !datei.isEmpty())
        aufruf.fehler = QStringLiteral("Nach --berechnen %1 ist „%2“ zu viel.").arg(aufruf.projekt, datei);
    if (!berechnen)
        aufruf.projekt = datei;
    aufruf.was = !aufruf.fehler.isEmpty() ? Aufruf::Was::Falsch : berechnen ? Aufruf::Was::Berechnen : Aufruf::Was::Fenster;
    return aufruf;
}

bool ohneFenster(const Aufruf& aufruf) { return aufruf.was != Aufruf::Was::Fenster; }

QString Hilfetext()
{
    return QStringLiteral("Aufruf:\n"
                          "  trabex                                   öffnet das Programmfenster\n"
                          "  trabex DATEI.trabex                      öffnet die Projektdatei im Programmfenster\n"
                          "  trabex --berechnen DATEI.trabex [--json ERGEBNIS.json] [--pdf BERICHT.pdf]\n"
                          "                                           rechnet alle Positionen der Projektdatei ohne Fenster\n"
                          "                                           und schreibt eine Zeile je Position; mit --json auch\n"
                          "                                           die Ergebnisdatei, mit --pdf den Gesamtbericht\n"
                          "  trabex --help                            zeigt diese Hilfe\n"
                          "  trabex --version                         zeigt die Version\n"
                          "\n"
                          "Rückgabewert von --berechnen: 0 alle Nachweise erfüllt, 1 ein Nachweis nicht erfüllt,\n"
                          "2 die Datei ist nicht lesbar oder eine Position nicht rechenbar (Meldung auf stderr).\n");
}

void Bibliothek_Laden(const QString& programmdir, QTextStream& fehler)
{
    Unit1::Programminit();
    const Datenordner::Wahl wahl = Datenordner::waehlen(programmdir);
    Main::Programmdir = programmdir.endsWith(QLatin1Char('/')) ? programmdir : programmdir + QLatin1Char('/');
    Main::Datendir = wahl.verzeichnis;
    const auto laden = [&](const std::function<void()>& schritt) {
        try {
            schritt();
        } catch (const Plattform::Fehler& f) {
            fehler << Fehlertext(f) << Qt::endl;
        }
    };
    laden([&] {
        U_Material::Materialdatei_Lesen(wahl.verzeichnis);
        U_Material::Material_Einlesen();
    });
    laden([&] { U_Profile::Profilbibliothek_Lesen(wahl.verzeichnis); });
    laden([&] { U_Einwirkungen::Kategorien_Laden(wahl.verzeichnis); });
}

namespace {
bool ergebnisdateiSchreiben(const QString& pfad, const QByteArray& inhalt, QTextStream& fehler)
{
    try {
        Textdatei::schreibenRoh(pfad, inhalt);
        return true;
    } catch (const Plattform::Fehler&) {
        fehler << Schreibfehler(QStringLiteral("Ergebnisdatei"), pfad) << Qt::endl;
        return false;
    }
}
} // namespace

Lauf berechnen(
    const QString& projektpfad, const QString& jsonpfad, QTextStream& aus, QTextStream& fehler, Positionsrechnung::Umfang umfang)
{
    Lauf lauf;
    try {
        lauf.projekt = Projektdatei::laden(projektpfad);
        lauf.gelesen = true;
    } catch (const Plattform::Fehler& f) {
        fehler << Fehlertext(f) << Qt::endl;
        if (!jsonpfad.isEmpty())
            ergebnisdateiSchreiben(jsonpfad, Positionsrechnung::Ablehnungsdatei(Fehlertext(f)), fehler);
        return lauf;
    }
    lauf.ergebnisse = Positionsrechnung::rechnen(lauf.projekt, umfang);
    for (qsizetype i = 0; i < lauf.ergebnisse.size(); ++i) {
        const Projekt::Position& p = lauf.projekt.positionen.at(i);
        const auto& e = lauf.ergebnisse.at(i);
        aus << Positionsrechnung::Zeile(p, e) << '\n';
        if (!e.fehler.isEmpty())
            fehler << QStringLiteral("Pos. %1 %2: %3").arg(p.nr, p.titel, e.fehler) << '\n';
    }
    aus.flush();
    fehler.flush();
    lauf.status = status(lauf.ergebnisse);
    if (!jsonpfad.isEmpty()
        && !ergebnisdateiSchreiben(jsonpfad, Positionsrechnung::Ergebnisdatei(lauf.projekt, lauf.ergebnisse), fehler))
        lauf.status = Fehler;
    return lauf;
}

} // namespace Kommandozeile
