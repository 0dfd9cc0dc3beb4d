// The table of load cases: every row against the texts the windows show, and the rules that
// tie its columns to the sketches, the formula viewer and the look-ups.
#include "Kernumgebung.h"
#include "core/app/Lastfaelle.h"
#include "core/calc/Biegelinien.h"
#include "core/calc/Biegerechnung.h"

#include <QSet>

#include <cmath>

using Lastfaelle::Dialog;
using Lastfaelle::Familie;
using Lastfaelle::Lastart;
using Lastfaelle::Lastfall;

Q_DECLARE_METATYPE(Familie)
Q_DECLARE_METATYPE(Dialog)
Q_DECLARE_METATYPE(Lastart)

class TestLastfaelle : public QObject {
    Q_OBJECT
private slots:
    void zeile_data()
    {
        QTest::addColumn<Familie>("familie");
        QTest::addColumn<int>("nr");
        QTest::addColumn<Dialog>("dialog");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("lastBericht");
        QTest::addColumn<Lastart>("art");
        QTest::addColumn<bool>("xZeile");
        QTest::addColumn<int>("formel");
        QTest::addColumn<QString>("einheiten");
        const auto B1 = Dialog::Biegung1, B2 = Dialog::Biegung2;
        const auto E = Lastart::Einzellast, S = Lastart::Streckenlast, G = Lastart::Gesamtlast;
        const QString kraft = "Kraft [N]", kraft8 = "Kraft        [N]", strecke = "Streckenlast [N/m] ";
        auto biegung = [&](int nr, Dialog d, const char* titel, const QString& last, const QString& bericht, Lastart art, bool x,
                           const char* einheiten) {
            QTest::addRow("Biegung %d", nr) << Familie::Biegung << nr << d << QString::fromUtf8(titel) << last << bericht << art
                                            << x << nr << QString::fromLatin1(einheiten);
        };
        biegung(
            1, B1, "Biegung - Einseitig eingespannter Träger mit Einzellast am Ende", kraft8, kraft, E, true, "Einheiten1.JPG");
        biegung(2, B1, "Biegung - Einseitig eingespannter Träger mit Gleichlast", strecke, strecke, S, true, "Einheiten2.JPG");
        biegung(3, B1, "Biegung - Aufgelegter Träger mit Einzellast in der Mitte", kraft8, kraft, E, true, "Einheiten1.JPG");
        biegung(4, B2, "Biegung - Beidseitig aufgelegter Träger mit nichtmittiger Einzellast", kraft, kraft, E, true,
            "Einheiten1.JPG");
        biegung(5, B1, "Biegung - Aufgelegter Träger mit Gleichlast", strecke, strecke, S, true, "Einheiten2.JPG");
        biegung(6, B1, "Biegung - Aufgelegter Träger mit nach rechts zunehmender Last", "Gesamtlast  [N]", "Gesamtlast [N]", G,
            true, "Einheiten3.JPG");
        biegung(7, B1, "Biegung - Aufgelegter Träger mit dreiecksförmiger Last", "Gesamtlast [N]", "Gesamtlast [N]", G, true,
            "Einheiten3.JPG");
        biegung(8, B2, "Biegung - Beids. aufgel. Träger mit zwei gleichen Einzellasten an den Enden, Auflager nicht am Rand",
            kraft, kraft, E, false, "Einheiten1.JPG");
        biegung(9, B2, "Biegung - Beidseitig aufgelegter Träger mit Gleichlast, Auflager nicht am Rand", strecke, strecke, S,
            true, "Einheiten2.JPG");
        biegung(10, B1, "Biegung - Beidseitig eingespannter Träger mit Einzellast in der Mitte", kraft, kraft, E, true,
            "Einheiten1.JPG");
        biegung(11, B1, "Biegung - Beidseitig eingespannter Träger mit Gleichlast", strecke, strecke, S, true, "Einheiten2.JPG");
        biegung(12, B2, "Biegung - Einseitig aufgelegter, einseitig eingespannter Träger mit nichtmittiger Einzellast", kraft,
            kraft, E, false, "Einheiten1.JPG");
        biegung(13, B1, "Biegung - Einseitig aufgelegter, einseitig eingespannter Träger mit Gleichlast", strecke, strecke, S,
            true, "Einheiten2.JPG");
        const char* knick[4] = {"Knickung - Zweiseitig geführter Träger - Knicklänge = L",
            "Knickung - Einseitig eingespannter Träger mit freiem Ende - Knicklänge = 2 x L",
            "Knickung - Einseitig eingespannter , auf der anderen Seite geführter Träger Knicklänge = 0,7 x L",
            "Knickung - Zweiseitig eingespannter Träger Knicklänge = 0,5 x L"};
        for (int nr = 1; nr <= 4; ++nr)
            QTest::addRow("Knickung %d", nr) << Familie::Knickung << nr << Dialog::Knickung << QString::fromUtf8(knick[nr - 1])
                                             << QString() << "F [N]" << E << false << 30 + nr << "Einheiten30.JPG";
        QTest::newRow("Scherung") << Familie::Scherung << 0 << Dialog::Scherung << "Berechnung auf Abscherung"
                                  << "Last [N]"
                                  << "F [N]" << E << false << 20 << "Einheiten20.JPG";
    }
    void zeile()
    {
        QFETCH(Familie, familie);
        QFETCH(int, nr);
        const Lastfall* fall = Lastfaelle::lastfall(familie, nr);
        QVERIFY(fall);
        QFETCH(Dialog, dialog);
        QFETCH(QString, titel);
        QFETCH(QString, last);
        QFETCH(QString, lastBericht);
        QFETCH(Lastart, art);
        QFETCH(bool, xZeile);
        QFETCH(int, formel);
        QFETCH(QString, einheiten);
        QCOMPARE(fall->nr, nr);
        QCOMPARE(fall->dialog, dialog);
        QCOMPARE(fall->titel, titel);
        QCOMPARE(fall->last, last);
        QCOMPARE(fall->lastBericht, lastBericht);
        QCOMPARE(fall->art, art);
        QCOMPARE(fall->xZeile, xZeile);
        QCOMPARE(fall->formel, formel);
        QCOMPARE(fall->einheitenbild, einheiten);

        // The sketch file is the one the drawing code writes; the report names the same file.
        QCOMPARE(fall->bild, Lastfallbild::dateiname(fall->skizze));
        QCOMPARE(fall->berichtsbild.compare(fall->bild, Qt::CaseInsensitive), 0);
        // Only case 8 abbreviates its dialog title; the viewer spells it out.
        if (familie == Familie::Biegung && nr == 8)
            QCOMPARE(fall->formeltitel,
                QStringLiteral("Biegung - Beidseitig aufgelegter Träger mit zwei gleichen Einzellasten an den Enden, Auflager "
                               "nicht am Rand"));
        else
            QCOMPARE(fall->formeltitel, fall->titel);
        QVERIFY(fall->formeltitel.endsWith(fall->name));
        QCOMPARE(fall->formelbild,
            familie == Familie::Knickung ? QStringLiteral("Formel30.JPG") : QStringLiteral("Formel%1.JPG").arg(formel));

        // Each look-up finds the same row.
        QCOMPARE(Lastfaelle::vonDialog(dialog, nr), fall);
        QCOMPARE(Lastfaelle::vonFormel(formel), fall);
    }

    void alleZeilenVerschieden()
    {
        QSet<QString> titel, tooltips;
        QSet<int> formeln;
        for (const Lastfall& f : Lastfaelle::alle()) {
            titel << f.titel.toString();
            tooltips << Lastfaelle::tooltip(f);
            formeln << f.formel;
        }
        QCOMPARE(Lastfaelle::alle().size(), std::size_t(18));
        QCOMPARE(titel.size(), 18);
        QCOMPARE(tooltips.size(), 18);
        QCOMPARE(formeln.size(), 18);
    }

    void unbekannteNummern()
    {
        QVERIFY(!Lastfaelle::lastfall(Familie::Biegung, 0));
        QVERIFY(!Lastfaelle::lastfall(Familie::Biegung, 14));
        QVERIFY(!Lastfaelle::lastfall(Familie::Knickung, 5));
        QVERIFY(!Lastfaelle::lastfall(Familie::Scherung, 1));
        // A case of the other bending dialog is not this dialog's.
        QVERIFY(!Lastfaelle::vonDialog(Dialog::Biegung1, 4));
        QVERIFY(!Lastfaelle::vonDialog(Dialog::Biegung2, 5));
        QVERIFY(!Lastfaelle::vonDialog(Dialog::Knickung, 0));
        QVERIFY(!Lastfaelle::vonFormel(30));
        QVERIFY(!Lastfaelle::vonFormel(0));
    }

    // The facts of the bending cases against their beams: a case has the distance a when its
    // beam changes with a; its deflection formula gives the deflection under the load at a
    // where that is not the beam's greatest, else the greatest.
    void biegefakten()
    {
        const Biegelinien::Eingaben e {1000, 3000, 700, 210000, 1000};
        for (int nr = 1; nr <= 13; ++nr) {
            const Lastfall* fall = Lastfaelle::lastfall(Familie::Biegung, nr);
            auto anders = e;
            anders.a = 900;
            const auto linien = Biegelinien::Fall_Linien(nr, e);
            const auto andere = Biegelinien::Fall_Linien(nr, anders);
            const bool mitA = linien.w(1234) != andere.w(1234) || linien.M(1234) != andere.M(1234);
            QCOMPARE(fall->abstand, mitA);
            QCOMPARE(Lastfaelle::biegefall(nr, &Lastfall::abstand), mitA);

            Biegerechnung::Aufgabe a;
            a.fall = nr;
            a.e = e;
            const double f = std::fabs(Biegerechnung::fd(a).wert);
            const double groesste = std::fabs(linien.w_Extreme().massgebend().wert);
            const double unterLast = std::fabs(linien.w(e.a));
            QCOMPARE(fall->fUnterLast, std::fabs(f - groesste) > 0.01 * groesste);
            if (fall->fUnterLast)
                QVERIFY(std::fabs(f - unterLast) <= 1e-6 * unterLast);
        }
        QVERIFY(!Lastfaelle::biegefall(14, &Lastfall::abstand));
        QVERIFY(!Lastfaelle::biegefall(0, &Lastfall::fUnterLast));
    }

    // The supports in words, since textbooks number the Euler cases differently; the buckling
    // lengths agree with the factors β the buckling formulas use.
    void knickfaelleNennenIhreLagerung_data()
    {
        QTest::addColumn<int>("fall");
        QTest::addColumn<QString>("text");
        QTest::newRow("1 gelenkig") << 1 << "Knickfall 1: beide Enden gelenkig, s_k = L";
        QTest::newRow("2 Kragstuetze") << 2 << "Knickfall 2: unten eingespannt, oben frei, s_k = 2·L";
        QTest::newRow("3 eingespannt-gelenkig") << 3 << "Knickfall 3: unten eingespannt, oben gelenkig, s_k = 0,7·L";
        QTest::newRow("4 eingespannt") << 4 << "Knickfall 4: beide Enden eingespannt, s_k = 0,5·L";
        QTest::newRow("0 keiner") << 0 << "";
        QTest::newRow("5 keiner") << 5 << "";
    }
    void knickfaelleNennenIhreLagerung()
    {
        QFETCH(int, fall);
        QFETCH(QString, text);
        QCOMPARE(Lastfaelle::knickfalltext(fall), text);
    }

    void tooltipsUnterscheidenAehnlicheBilder()
    {
        QCOMPARE(Lastfaelle::tooltip(*Lastfaelle::lastfall(Familie::Biegung, 5)),
            QStringLiteral("Fall 5: Aufgelegter Träger mit Gleichlast"));
        QCOMPARE(Lastfaelle::tooltip(*Lastfaelle::lastfall(Familie::Biegung, 9)),
            QStringLiteral("Fall 9: Beidseitig aufgelegter Träger mit Gleichlast, Auflager nicht am Rand"));
        QCOMPARE(Lastfaelle::tooltip(*Lastfaelle::lastfall(Familie::Knickung, 2)),
            QStringLiteral("Knickfall 2: unten eingespannt, oben frei, s_k = 2·L"));
        QCOMPARE(Lastfaelle::tooltip(*Lastfaelle::lastfall(Familie::Scherung, 0)), QStringLiteral("Berechnung auf Abscherung"));
    }
};

TRABEX_TEST_MAIN(TestLastfaelle)
#include "test_lastfaelle.moc"
