#include "core/calc/Knickrechnung.h"

#include "core/calc/Pruefung.h"
#include "core/platform/Fehler.h"
#include "core/platform/Fliesskomma.h"

namespace Knickrechnung {

namespace {

using Pruefung::Eingabe;
using Pruefung::positiv;

// The buckling length of the case; a case outside 1..4 has none.
double Knicklaenge(const Aufgabe& a)
{
    const auto Lk = Knickformeln::Knicklaenge(a.fall, a.L);
    if (!Lk)
        throw Plattform::Fehler(Plattform::Fehler::Art::Allgemein, QStringLiteral("Es gibt keinen Eulerfall %1.").arg(a.fall));
    return *Lk;
}

// A failure of the computation in words that name its input; any other is an arithmetic one.
QString Fehlertext(const Plattform::Fehler& f)
{
    if (dynamic_cast<const Pruefung::Ungueltig*>(&f) || f.art() == Plattform::Fehler::Art::Allgemein)
        return f.text();
    return QStringLiteral("Rechenfehler: %1").arg(f.text());
}

void abbrechen(Ergebnis& e, Fehlerart art)
{
    e.fehlerart = art;
    e.fehler = Fehlertext(art);
    Rechenweg::notieren(QStringLiteral("Abbruch"), e.fehler, QString(), QString());
}

// The check itself; notes its steps in the recording around it.
void pruefen(const Aufgabe& a, Ergebnis& e)
{
    e.Lk = Knicklaenge(a);
    for (const auto& [eingabe, wert] : {std::pair {Eingabe::F, a.F}, {Eingabe::L, a.L}, {Eingabe::S, a.Sk_gewuenscht},
             {Eingabe::E, a.E}, {Eingabe::I, a.I}, {Eingabe::A, a.A}})
        positiv(eingabe, wert);
    e.Sigma_K = Knickformeln::Sigma_K_Euler(a.E, a.I, e.Lk, a.A);
    e.Sk = Knickformeln::Sicherheit(e.Sigma_K, a.Sigma_P, a.F, a.A);
    e.Schlankheitsgrad = Knickformeln::Schlankheitsgrad(e.Lk, a.I, a.A);
    e.i = Knickformeln::Traegheitsradius(a.I, a.A);

    const QString vergleich
        = QStringLiteral("λ = %1, λ0 = %2").arg(Rechenweg::zahl(e.Schlankheitsgrad), Rechenweg::zahl(a.GrenzSchlankheit));
    if (a.GrenzSchlankheit > e.Schlankheitsgrad) { // below the limit slenderness: Tetmajer's line
        Rechenweg::notieren(
            QStringLiteral("Bereich"), vergleich + QStringLiteral(": λ < λ0, es gilt die Tetmajer-Gerade"), QString(), QString());
        if (a.Tetmaier1 == 0 || a.Tetmaier2 == 0)
            return abbrechen(e, Fehlerart::KeineTetmajerformel);
        e.formel = Formel::Tetmajer;
        e.Sigma_K = Knickformeln::Sigma_K_Tetmajer(a.Tetmaier1, a.Tetmaier2, e.Schlankheitsgrad);
        e.Sk = Knickformeln::Sicherheit(e.Sigma_K, a.Sigma_P, a.F, a.A);
    } else {
        Rechenweg::notieren(QStringLiteral("Bereich"), vergleich + QStringLiteral(": λ ≥ λ0, die Formel nach Euler ist gültig"),
            QString(), QString());
    }
    e.Sigma_vorh = Fliesskomma::teile(a.F, a.A);
    e.mitSigmaP = Knickformeln::mitSigmaP(e.Sigma_K, a.Sigma_P);
    e.urteil = Knickformeln::Knickurteil(e.Sk, a.Sk_gewuenscht);
    const QString urteil = e.urteilstext();
    Rechenweg::notieren(QStringLiteral("Urteil"),
        QStringLiteral("Sk = %1 gegen die gewünschte Sicherheit %2: %3")
            .arg(Rechenweg::zahl(e.Sk), Rechenweg::zahl(a.Sk_gewuenscht),
                urteil.isEmpty() ? QStringLiteral("gleich, kein Hinweis") : urteil),
        QString(), QString());
}

} // namespace

QString Fehlertext(Fehlerart art)
{
    switch (art) {
    case Fehlerart::KeineProportionalitaetsgrenze:
        return QStringLiteral("Es ist keine Proportionalitätsgrenze in der Datenbank.");
    case Fehlerart::KeineTetmajerformel:
        return QStringLiteral("Es ist keine Tetmajer-Formel in der Datenbank.");
    case Fehlerart::Keiner:
    case Fehlerart::Rechenfehler:
        break;
    }
    return QString();
}

QString Ergebnis::formelname() const { return formel == Formel::Tetmajer ? QStringLiteral("Tetmajer") : QStringLiteral("Euler"); }

QString Ergebnis::formeltext() const
{
    const QString text = formel == Formel::Tetmajer ? QStringLiteral("Es wird mit der Tetmajer-Formel gerechnet")
                                                    : QStringLiteral("Die Formel nach Euler ist gültig");
    return mitSigmaP ? text + QStringLiteral("; die Sicherheit mit σP, da σK > σP") : text;
}

QString Ergebnis::urteilstext() const
{
    switch (urteil) {
    case Knickformeln::Urteil::Versagen:
        return QStringLiteral("Achtung: Der Träger wird versagen");
    case Knickformeln::Urteil::NichtErreicht:
        return QStringLiteral("Achtung: Die gewünschte Knicksicherheit wurde nicht erreicht");
    case Knickformeln::Urteil::Erreicht:
        return QStringLiteral("Die gewünschte Knicksicherheit wurde erreicht");
    case Knickformeln::Urteil::Keins:
        break;
    }
    return QString();
}

Knickspannungslinie::Daten Linie(const Aufgabe& a, const Ergebnis* e)
{
    Knickspannungslinie::Daten d {a.material, a.E, a.Sigma_P, a.GrenzSchlankheit, a.Tetmaier1, a.Tetmaier2, a.Sk_gewuenscht};
    if (e && e->gelungen()) {
        d.mitStuetze = true;
        d.Lambda = e->Schlankheitsgrad;
        d.Sigma_K = e->Sigma_K;
        d.Sigma_vorh = e->Sigma_vorh;
    }
    return d;
}

bool ohneProportionalitaetsgrenze(const Aufgabe& a) { return a.Sigma_P == 0; }

Traegheit Ierf(const Aufgabe& a)
{
    Traegheit t;
    t.schritte = Rechenweg::aufzeichnen([&] {
        try {
            t.Lk = Knicklaenge(a);
            for (const auto& [eingabe, wert] :
                {std::pair {Eingabe::F, a.F}, {Eingabe::L, a.L}, {Eingabe::S, a.Sk_gewuenscht}, {Eingabe::E, a.E}})
                positiv(eingabe, wert);
            t.Ierf = Knickformeln::Ierf(a.Sk_gewuenscht, a.F, t.Lk, a.E);
            t.gelungen = true;
        } catch (const Plattform::Fehler& f) {
            t.fehler = Fehlertext(f);
            Rechenweg::notieren(QStringLiteral("Abbruch"), t.fehler, QString(), QString());
        }
    });
    return t;
}

Ergebnis Sicherheit(const Aufgabe& a)
{
    Ergebnis e;
    e.Sk_gewuenscht = a.Sk_gewuenscht;
    e.schritte = Rechenweg::aufzeichnen([&] {
        if (ohneProportionalitaetsgrenze(a))
            return abbrechen(e, Fehlerart::KeineProportionalitaetsgrenze);
        try {
            pruefen(a, e);
        } catch (const Plattform::Fehler& f) {
            e.fehlerart = Fehlerart::Rechenfehler;
            e.fehler = Fehlertext(f);
            Rechenweg::notieren(QStringLiteral("Abbruch"), e.fehler, QString(), QString());
        }
    });
    return e;
}

} // namespace Knickrechnung
