#include "core/data/U_Einwirkungen.h"

#include "core/app/Unit1.h"
#include "core/data/U_Lesen.h"
#include "core/platform/Fehler.h"
#include "core/platform/Textdatei.h"
#include "core/platform/Zahlen.h"

namespace U_Einwirkungen {

std::vector<Eurocode::Kategorie> Kategorien;

namespace {

// Texts longer than these are cut, as the other tables cut theirs.
constexpr int Max_Kuerzel = 20;
constexpr int Max_Zeichen = 20;
constexpr int Max_Bezeichnung = 100;

[[noreturn]] void ablehnen(const QString& feld, const QString& grund, int zeile, int spalte)
{
    U_Lesen::Wert_Ablehnen(feld, grund, Dateiname, zeile, spalte + 1);
}

Eurocode::Kategorie kategorieAusFeldern(const QStringList& felder, int zeile)
{
    for (int spalte = 0; spalte < Spalten; ++spalte) {
        const QString feld = felder.value(spalte);
        if (spalte >= 3)
            U_Lesen::Zahl_Lesen(feld, Dateiname, zeile, spalte + 1); // the conversion error first
        if (const QString grund = Zellenfehler(spalte, feld); !grund.isEmpty())
            ablehnen(feld, grund, zeile, spalte);
    }
    auto zahl = [&](int spalte) { return *Zahlen::versuchenDatei(felder[spalte]); };
    return {Unit1::kurz(felder[0].trimmed(), Max_Kuerzel), Unit1::kurz(felder[1].trimmed(), Max_Zeichen),
        Unit1::kurz(felder[2].trimmed(), Max_Bezeichnung), zahl(3), zahl(4), zahl(5)};
}

} // namespace

QString Zellenfehler(int spalte, const QString& zelle)
{
    switch (spalte) {
    case 0:
        return zelle.trimmed().isEmpty() ? QStringLiteral("die Kategorie darf nicht leer sein") : QString();
    case 1:
        return zelle.trimmed().isEmpty() ? QStringLiteral("das Zeichen der Kategorie darf nicht leer sein") : QString();
    case 3:
    case 4:
    case 5: {
        const auto wert = Zahlen::versuchenDatei(zelle);
        if (!wert)
            return QStringLiteral("ψ muss eine Zahl sein");
        return *wert >= 0 && *wert <= 1 ? QString() : QStringLiteral("ψ muss zwischen 0 und 1 liegen");
    }
    default:
        return {};
    }
}

std::vector<Eurocode::Kategorie> Kategorien_Lesen(const QStringList& zeilen)
{
    std::vector<Eurocode::Kategorie> k;
    int ausgelassen = 0;
    for (qsizetype x = 1; x < zeilen.size(); ++x) {
        if (U_Lesen::Leerzeile(zeilen[x]))
            continue;
        if (int(k.size()) >= Max_Kategorien) {
            ++ausgelassen;
            continue;
        }
        const QStringList felder = zeilen[x].split(QLatin1Char(';'));
        const auto kategorie = kategorieAusFeldern(felder, int(x + 1));
        if (Eurocode::Kategorie_Finden(k, kategorie.kuerzel))
            ablehnen(felder[0], QStringLiteral("die Kategorie ist schon weiter oben genannt"), int(x + 1), 0);
        k.push_back(kategorie);
    }
    U_Lesen::Ueberzaehlige_Melden(Dateiname, ausgelassen, QStringLiteral("Kategorien"), Max_Kategorien);
    return k;
}

void Kategorien_Laden(const QString& datendir)
{
    Kategorien.clear();
    if (!Textdatei::existiert(datendir, Dateiname))
        return;
    Kategorien = Kategorien_Lesen(Textdatei::lesen(Textdatei::finden(datendir, Dateiname)));
}

} // namespace U_Einwirkungen
