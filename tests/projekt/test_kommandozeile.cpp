// The program on the command line, run as a user runs it, without a display: the example file
// computes to the numbers of the core functions the dialogs call, one line per position, the
// results file, and the exit status for holding and failing verdicts and for bad files.
#include "Pdftext.h"
#include "core/calc/Traegerrechnung.h"
#include "core/platform/Sprache.h"
#include "core/platform/Zahlen.h"
#include "core/projekt/Kommandozeile.h"
#include "core/projekt/Positionsrechnung.h"
#include "core/projekt/Projektdatei.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

const QString Beispiel = QStringLiteral(PROJEKT_FIXTURES "/beispiel.trabex");
const QString MitTraeger = QStringLiteral(PROJEKT_FIXTURES "/traeger.trabex"); // the example and a general beam

struct Ausgang {
    int status = -1;
    QString aus;
    QString fehler;
};

Ausgang trabex(const QStringList& argumente)
{
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        umgebung.remove(QString::fromLatin1(name));
    umgebung.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // no language set: numbers as the window shows them
    prozess.setProcessEnvironment(umgebung);
    prozess.start(QStringLiteral(TRABEX_PROGRAMM), argumente);
    if (!prozess.waitForFinished(120000) || prozess.exitStatus() != QProcess::NormalExit)
        return {};
    return {prozess.exitCode(), QString::fromUtf8(prozess.readAllStandardOutput()),
        QString::fromUtf8(prozess.readAllStandardError())};
}

QString schreiben(const QTemporaryDir& ordner, const QString& name, const QByteArray& inhalt)
{
    const QString pfad = ordner.filePath(name);
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size())
        qFatal("cannot write the fixture");
    return pfad;
}

QByteArray beispiel()
{
    QFile datei(Beispiel);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

} // namespace

class TestKommandozeile : public QObject {
    Q_OBJECT

private slots:
    // The numbers the program prints, written here as it writes them.
    // The library the program falls back on, from the data folder beside it, loaded here too.
    void initTestCase()
    {
        Sprache::Zahlen_Deutsch_ohne_Sprachwahl();
        QString meldungen;
        QTextStream fehler(&meldungen);
        Kommandozeile::Bibliothek_Laden(QFileInfo(QStringLiteral(TRABEX_PROGRAMM)).absolutePath(), fehler);
        QVERIFY2(meldungen.isEmpty(), qPrintable(meldungen));
    }

    void beispielOhneAnzeige()
    {
        QTemporaryDir ordner;
        const QString json = ordner.filePath(QStringLiteral("ergebnis.json"));
        const Ausgang a = trabex({QStringLiteral("--berechnen"), Beispiel, QStringLiteral("--json"), json});
        QVERIFY2(a.status == Kommandozeile::Erfuellt, qPrintable(a.fehler));
        QCOMPARE(a.aus.count(QLatin1Char('\n')), 3);
        QVERIFY2(a.aus.startsWith(
                     QStringLiteral("Pos. 1 Sturz | Biegung Fall 5 | W erf. = 64,44 cm³ | erfüllt | EC3: η = 0,60 erfüllt\n")),
            qPrintable(a.aus));

        // The same numbers, to the last bit, as the core functions give in this process.
        const Projekt::Daten projekt = Projektdatei::laden(Beispiel);
        const auto ergebnisse = Positionsrechnung::rechnen(projekt);
        QFile datei(json);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(QJsonDocument::fromJson(datei.readAll()),
            QJsonDocument::fromJson(Positionsrechnung::Ergebnisdatei(projekt, ergebnisse)));
        const QJsonArray liste = QJsonDocument::fromJson(Positionsrechnung::Ergebnisdatei(projekt, ergebnisse))
                                     .object()
                                     .value(QStringLiteral("positionen"))
                                     .toArray();
        QCOMPARE(qRound(liste[0].toObject().value(QStringLiteral("W_erf")).toDouble() * 100), 6444); // 64,44 cm³
        QCOMPARE(qRound(liste[1].toObject().value(QStringLiteral("sicherheit")).toDouble() * 100), 328);
        QCOMPARE(liste[2].toObject().value(QStringLiteral("A_erf")).toDouble(), 250.0);
    }

    // The whole report, written with no display: a cover listing the positions with their
    // first pages, then each position's pages with the numbers its dialog prints, "Seite n von
    // N" on every page. Text that can be read back proves that fonts were found offscreen.
    void berichtOhneAnzeige_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::newRow("Beispiel") << Beispiel;
        QTest::newRow("mit allgemeinem Träger") << MitTraeger;
    }
    void berichtOhneAnzeige()
    {
        QFETCH(QString, datei);
        QTemporaryDir ordner;
        const QString pdf = ordner.filePath(QStringLiteral("bericht.pdf"));
        const Ausgang a = trabex({QStringLiteral("--berechnen"), datei, QStringLiteral("--pdf"), pdf});
        QVERIFY2(a.status == Kommandozeile::Erfuellt, qPrintable(a.fehler));
        QVERIFY2(a.fehler.isEmpty(), qPrintable(a.fehler)); // nothing of Qt's own on the way

        const QStringList seiten = Pdftext::seiten(pdf);
        const int n = Pdftext::seitenzahl(pdf);
        QVERIFY(n >= 4);
        QCOMPARE(seiten.size(), n);
        for (int s = 1; s <= n; ++s)
            QVERIFY2(seiten[s - 1].contains(QStringLiteral("Seite %1 von %2").arg(s).arg(n)), qPrintable(QString::number(s)));

        const Projekt::Daten projekt = Projektdatei::laden(datei);
        QCOMPARE(a.aus.count(QLatin1Char('\n')), projekt.positionen.size());
        const auto ergebnisse = Positionsrechnung::rechnen(projekt);
        using Zahlen::fixiert;
        // What page 1 of each dialog's report prints as its main numbers (German, as the
        // window shows them).
        const QList<QStringList> hauptzahlen {
            {QStringLiteral("Werf [cm3]"), fixiert(ergebnisse[0].W_erf, 2), QStringLiteral("f [mm]"),
                fixiert(*ergebnisse[0].f, 2), QStringLiteral("L/f"), fixiert(*ergebnisse[0].L_f, 2)},
            {QStringLiteral("Ierf [cm4]"), fixiert(ergebnisse[1].I_erf, 2), QStringLiteral("Tatsächliche Sicherheit"),
                fixiert(*ergebnisse[1].sicherheit, 2)},
            {QStringLiteral("Aerf [mm2]"), fixiert(ergebnisse[2].A_erf, 2)},
            {QStringLiteral("Werf [cm3]"), fixiert(ergebnisse.value(3).W_erf, 2)}}; // the general beam, where the project has one
        for (int i = 0; i < projekt.positionen.size(); ++i) {
            const Projekt::Position& p = projekt.positionen[i];
            const QRegularExpression zeile(
                QStringLiteral(R"(^\s*%1\s+%2\s+%3\s+%4\s+erfüllt\s+(\d+)$)")
                    .arg(p.nr, p.titel, Projekt::Artname(p),
                        QRegularExpression::escape(Positionsrechnung::Hauptergebnis(p, ergebnisse[i]))),
                QRegularExpression::MultilineOption);
            const QRegularExpressionMatch m = zeile.match(seiten[0]);
            QVERIFY2(m.hasMatch(), qPrintable(seiten[0]));
            const QString& erste = seiten[m.captured(1).toInt() - 1];
            QVERIFY2(erste.contains(QStringLiteral("Position: %1 %2").arg(p.nr, p.titel)), qPrintable(erste));
            // The general beam's rows run on to the next page where page 1 is full.
            const QString zeilen = p.art == Projekt::Art::Traeger ? erste + seiten.value(m.captured(1).toInt()) : erste;
            for (qsizetype k = 0; k < hauptzahlen[i].size(); k += 2)
                QVERIFY2(Pdftext::zeile(zeilen, hauptzahlen[i][k], hauptzahlen[i][k + 1]),
                    qPrintable(hauptzahlen[i][k] + QStringLiteral("\n") + zeilen));
            if (p.art == Projekt::Art::Traeger) { // its support reactions, and its diagrams and steps after page 1
                const Traegerrechnung::Lagerkraft& l = ergebnisse[i].traeger->lager.front();
                const QString danach = seiten.mid(m.captured(1).toInt()).join(QLatin1Char('\n'));
                QVERIFY2(
                    (erste + danach).contains(QStringLiteral("min %1 N, max %2 N").arg(fixiert(l.min, 2), fixiert(l.max, 2))),
                    qPrintable(erste));
                QVERIFY(danach.contains(QStringLiteral("Biegemoment M")));
                QVERIFY(danach.contains(QStringLiteral("Berechnung des Trägers")));
            }
        }
    }

    // A file that cannot be read or written: the command line's own German message naming the
    // file and what is wrong with it, nothing else on standard error (none of Qt's warnings),
    // and the status for failure. "%1" stands for a temporary folder.
    void dateifehler_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<bool>("nurFuerBenutzer"); // a folder's write protection does not hold for root
        const QString b = QStringLiteral("--berechnen");
        QTest::newRow("Projektdatei fehlt") << QStringList {b, "%1/fehlt.trabex"}
                                            << "Datei %1/fehlt.trabex kann nicht geöffnet werden: Die Datei gibt es nicht."
                                            << false;
        QTest::newRow("ihr Ordner fehlt") << QStringList {b,
            "%1/nicht/da.trabex"} << "Datei %1/nicht/da.trabex kann nicht geöffnet werden: Den Ordner %1/nicht gibt es nicht."
                                          << false;
        QTest::newRow("ein Ordner statt der Datei")
            << QStringList {b, "%1"} << "Datei %1 kann nicht geöffnet werden: Das ist ein Ordner, keine Datei." << false;
        QTest::newRow("PDF in einem Ordner, den es nicht gibt")
            << QStringList {b, Beispiel, "--pdf", "%1/nicht/b.pdf"}
            << "PDF %1/nicht/b.pdf kann nicht geschrieben werden: Den Ordner %1/nicht gibt es nicht." << false;
        QTest::newRow("PDF auf einen Ordner")
            << QStringList {b, Beispiel, "--pdf", "%1"}
            << "PDF %1 kann nicht geschrieben werden: Das ist ein Ordner, keine Datei." << false;
        QTest::newRow("PDF in einem schreibgeschützten Ordner")
            << QStringList {b, Beispiel, "--pdf", "%1/geschuetzt/b.pdf"}
            << "PDF %1/geschuetzt/b.pdf kann nicht geschrieben werden: Es fehlt die Berechtigung, in den Ordner %1/geschuetzt zu "
               "schreiben."
            << true;
        QTest::newRow("Ergebnisdatei in einem Ordner, den es nicht gibt")
            << QStringList {b, Beispiel, "--json", "%1/nicht/e.json"}
            << "Ergebnisdatei %1/nicht/e.json kann nicht geschrieben werden: Den Ordner %1/nicht gibt es nicht." << false;
    }

    void dateifehler()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        QFETCH(bool, nurFuerBenutzer);
        if (nurFuerBenutzer && geteuid() == 0)
            QSKIP("root writes into a write-protected folder");
        QTemporaryDir ordner;
        QDir(ordner.path()).mkdir(QStringLiteral("geschuetzt"));
        QFile::setPermissions(ordner.filePath(QStringLiteral("geschuetzt")), QFile::ReadOwner | QFile::ExeOwner);
        for (QString& a : argumente)
            a.replace(QStringLiteral("%1"), ordner.path());
        const Ausgang a = trabex(argumente);
        QCOMPARE(a.status, int(Kommandozeile::Fehler));
        QCOMPARE(a.fehler, meldung.arg(ordner.path()) + QLatin1Char('\n'));
        QVERIFY(!QFileInfo::exists(ordner.filePath(QStringLiteral("geschuetzt/b.pdf"))));
    }

    // A file system that takes no file: said so, whoever runs the program.
    void pdfNichtAngenommen()
    {
        const Ausgang a
            = trabex({QStringLiteral("--berechnen"), Beispiel, QStringLiteral("--pdf"), QStringLiteral("/proc/b.pdf")});
        QCOMPARE(a.status, int(Kommandozeile::Fehler));
        QVERIFY2(a.fehler.startsWith(QStringLiteral("PDF /proc/b.pdf kann nicht geschrieben werden: ")), qPrintable(a.fehler));
        QCOMPARE(a.fehler.count(QLatin1Char('\n')), 1);
    }

    // The general beam of position 4 computes from the command line to the numbers of the
    // window's calculation for the same beam typed in by hand.
    void traegerOhneAnzeige()
    {
        QTemporaryDir ordner;
        const QString json = ordner.filePath(QStringLiteral("ergebnis.json"));
        const Ausgang a = trabex({QStringLiteral("--berechnen"), MitTraeger, QStringLiteral("--json"), json});
        QVERIFY2(a.fehler.isEmpty(), qPrintable(a.fehler));

        Traegerrechnung::Eingabe e;
        e.felder = {4000, 3000};
        e.kragarm_rechts = 800;
        e.lager_links = Traegerrechnung::Lager::Eingespannt;
        e.lasten.resize(4);
        e.lasten[0].F = 12000;
        e.lasten[0].x = 1500;
        e.lasten[1] = {Traegerrechnung::Lastart::Streckenlast, Traegerrechnung::Einwirkung::Veraenderlich};
        e.lasten[1].q = 3000;
        e.lasten[1].bis = 7800;
        e.lasten[2].art = Traegerrechnung::Lastart::Trapezlast;
        e.lasten[2].q2 = 2000;
        e.lasten[2].von = 4000;
        e.lasten[2].bis = 7000;
        e.lasten[3].art = Traegerrechnung::Lastart::Moment;
        e.lasten[3].M = 500000;
        e.lasten[3].x = 7800;
        e.Sigma_Zul = 160;
        e.grenze = 300;
        e.E = 210000;
        e.I = 1943;
        e.W = 194.3;
        const auto soll = Traegerrechnung::berechnen(e, Traegerrechnung::Umfang::OhneRechenweg);
        QCOMPARE(a.status, soll.erfuellt ? int(Kommandozeile::Erfuellt) : int(Kommandozeile::NichtErfuellt));
        const QStringList zeilen = a.aus.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 4);
        QVERIFY2(zeilen[3].startsWith(QStringLiteral("Pos. 4 Deckenträger | Träger, 2 Felder | W erf. = %1 cm³ | %2 | EC3: η = ")
                                          .arg(QString::number(soll.W_erf, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')),
                                              soll.erfuellt ? QStringLiteral("erfüllt") : QStringLiteral("nicht erfüllt"))),
            qPrintable(zeilen[3]));

        QFile datei(json);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QJsonObject traeger
            = QJsonDocument::fromJson(datei.readAll()).object().value(QStringLiteral("positionen")).toArray()[3].toObject();
        QCOMPARE(traeger.value(QStringLiteral("W_erf")).toDouble(), soll.W_erf);
        QCOMPARE(traeger.value(QStringLiteral("M_min")).toObject().value(QStringLiteral("wert")).toDouble(), soll.M_min.wert);
        const QJsonArray lager = traeger.value(QStringLiteral("lager")).toArray();
        QCOMPARE(lager.size(), 3);
        for (qsizetype i = 0; i < lager.size(); ++i)
            QCOMPARE(lager[i].toObject().value(QStringLiteral("max")).toDouble(), soll.lager[std::size_t(i)].max);
        const QJsonArray felder = traeger.value(QStringLiteral("felder")).toArray();
        QCOMPARE(felder.size(), 3);
        QCOMPARE(felder[2].toObject().value(QStringLiteral("f")).toDouble(), soll.abschnitte[2].f);
    }

    void status_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        const QByteArray b = beispiel();
        QTest::newRow("Nachweis nicht erfüllt")
            << QByteArray(b).replace("\"last\": 100000", "\"last\": 400000") << int(Kommandozeile::NichtErfuellt) << QString();
        QTest::newRow("Position nicht rechenbar")
            << QByteArray(b).replace("\"sigma_p\": 192", "\"sigma_p\": 0") << int(Kommandozeile::Fehler)
            << QStringLiteral("Pos. 2 Stütze: Es ist keine Proportionalitätsgrenze");
        QTest::newRow("Datei fehlerhaft") << QByteArray(b).replace("\"laenge\": 3000", "\"laenge\": \"3 m\"")
                                          << int(Kommandozeile::Fehler)
                                          << QStringLiteral("projekt.trabex: Position 2 „Stütze“, Feld „laenge“: ist keine Zahl");
    }

    void status()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        QTemporaryDir ordner;
        const Ausgang a = trabex({QStringLiteral("--berechnen"), schreiben(ordner, QStringLiteral("projekt.trabex"), inhalt)});
        QCOMPARE(a.status, status);
        QVERIFY2(a.fehler.contains(meldung), qPrintable(a.fehler));
    }

    // A refused project file replaces an older results file of the same name by its refusal, so
    // that a script that ignores the exit status never reads the results of an earlier run.
    void abgelehnteDateiErsetztAlteErgebnisse()
    {
        QTemporaryDir ordner;
        const QString json = schreiben(ordner, QStringLiteral("e.json"), "{\"format\": \"trabex-ergebnisse\", \"alt\": true}");
        const QByteArray kaputt = beispiel().replace("\"laenge\": 3000", "\"laenge\": \"3 m\"");
        const Ausgang a = trabex({QStringLiteral("--berechnen"), schreiben(ordner, QStringLiteral("projekt.trabex"), kaputt),
            QStringLiteral("--json"), json});
        QCOMPARE(a.status, int(Kommandozeile::Fehler));
        QFile datei(json);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QJsonObject o = QJsonDocument::fromJson(datei.readAll()).object();
        QCOMPARE(o.value(QStringLiteral("format")).toString(), QStringLiteral("trabex-ergebnisse"));
        QVERIFY(!o.contains(QStringLiteral("alt")));
        QCOMPARE(o.value(QStringLiteral("positionen")).toArray().size(), 0);
        const QString grund = o.value(QStringLiteral("fehler")).toString();
        QVERIFY2(grund.contains(QStringLiteral("Feld „laenge“: ist keine Zahl")), qPrintable(grund));
        QVERIFY2(a.fehler.contains(grund), qPrintable(a.fehler));
    }

    void hilfeUndVersion()
    {
        const Ausgang hilfe = trabex({QStringLiteral("--help")});
        QCOMPARE(hilfe.status, 0);
        QVERIFY(hilfe.aus.contains(QStringLiteral("--berechnen")));
        QVERIFY(hilfe.aus.contains(QStringLiteral("--pdf BERICHT.pdf")));
        const Ausgang version = trabex({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QVERIFY(version.aus.startsWith(QStringLiteral("Trabex ")));
    }

    void auswerten_data()
    {
        using W = Kommandozeile::Aufruf::Was;
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("was");
        QTest::addColumn<QString>("projekt");
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("pdf");
        QTest::newRow("nichts") << QStringList() << int(W::Fenster) << QString() << QString() << QString();
        QTest::newRow("berechnen") << QStringList {"--berechnen", "a.trabex"} << int(W::Berechnen) << "a.trabex" << QString()
                                   << QString();
        QTest::newRow("mit json") << QStringList {"--json=e.json", "--berechnen", "a.trabex"} << int(W::Berechnen) << "a.trabex"
                                  << "e.json" << QString();
        QTest::newRow("Hilfe gewinnt") << QStringList {"--berechnen", "a.trabex", "-h"} << int(W::Hilfe) << QString() << QString()
                                       << QString();
        QTest::newRow("Datei fehlt") << QStringList {"--berechnen"} << int(W::Falsch) << QString() << QString() << QString();
        QTest::newRow("leerer Name") << QStringList {"--json=", "--berechnen", "a"} << int(W::Falsch) << QString() << QString()
                                     << QString();
        QTest::newRow("json allein") << QStringList {"--json", "e.json"} << int(W::Falsch) << QString() << QString() << QString();
        QTest::newRow("mit pdf") << QStringList {"--berechnen", "a.trabex", "--pdf", "b.pdf"} << int(W::Berechnen) << "a.trabex"
                                 << QString() << "b.pdf";
        QTest::newRow("pdf allein") << QStringList {"--pdf", "b.pdf"} << int(W::Falsch) << QString() << QString() << QString();
        QTest::newRow("unbekannt") << QStringList {"--bericht", "b.pdf"} << int(W::Falsch) << QString() << QString() << QString();
        QTest::newRow("Datei im Fenster") << QStringList {"Garage.trabex"} << int(W::Fenster) << "Garage.trabex" << QString()
                                          << QString();
        QTest::newRow("zwei Dateien") << QStringList {"a.trabex", "b.trabex"} << int(W::Falsch) << QString() << QString()
                                      << QString();
        QTest::newRow("berechnen und Datei")
            << QStringList {"--berechnen", "a.trabex", "b.trabex"} << int(W::Falsch) << QString() << QString() << QString();
    }

    void auswerten()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, was);
        QFETCH(QString, projekt);
        QFETCH(QString, json);
        QFETCH(QString, pdf);
        const Kommandozeile::Aufruf a = Kommandozeile::auswerten(argumente);
        QCOMPARE(int(a.was), was);
        QCOMPARE(a.fehler.isEmpty(), a.was != Kommandozeile::Aufruf::Was::Falsch);
        if (a.was == Kommandozeile::Aufruf::Was::Fenster)
            QCOMPARE(a.projekt, projekt);
        if (a.was == Kommandozeile::Aufruf::Was::Berechnen) {
            QCOMPARE(a.projekt, projekt);
            QCOMPARE(a.json, json);
            QCOMPARE(a.pdf, pdf);
        }
    }
};

QTEST_GUILESS_MAIN(TestKommandozeile)
#include "test_kommandozeile.moc"
