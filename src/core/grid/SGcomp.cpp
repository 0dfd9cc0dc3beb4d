#include "core/grid/SGcomp.h"

#include "core/app/U_Dallg.h"
#include "core/app/Unit1.h"
#include "core/grid/U_Zeit.h"
#include "core/platform/Fehler.h"
#include "core/platform/Meldungen.h"
#include "core/platform/Textdatei.h"
#include "core/platform/Zahlen.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace SGcomp {

// Brackets a change: the observer hears the outermost one only, and the grid counts as edited.
class Aenderung {
public:
    explicit Aenderung(TRaster& r)
        : m_r(r)
    {
        m_r.begin();
    }
    ~Aenderung() { m_r.ende(); }
    Aenderung(const Aenderung&) = delete;
    Aenderung& operator=(const Aenderung&) = delete;

private:
    TRaster& m_r;
};

namespace {

const QString leer;

void bereichPruefen(long long wert, long long von, long long bis)
{
    if (wert < von || wert > bis)
        throw Plattform::Fehler::listenindex(wert);
}

bool hatTrennzeichen(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u <= u';' && (u == u';' || u == u'\n' || u == u'\r'))
            return true;
    }
    return false;
}

// The path of `pfad`'s file in its folder, matched without regard to case.
QString dateiImVerzeichnis(const QString& pfad)
{
    const QFileInfo info(pfad);
    return Textdatei::finden(info.path(), info.fileName());
}

} // namespace

TRaster::TRaster(int spalten, int zeilen)
{
    m_spalten = std::max(1, spalten);
    m_zeilen.assign(std::max(1, zeilen), std::vector<QString>(m_spalten));
}

void TRaster::begin()
{
    if (m_tiefe++ == 0 && m_beobachter)
        m_beobachter->vorAenderung();
}

void TRaster::ende()
{
    m_geaendert = true;
    if (--m_tiefe == 0 && m_beobachter)
        m_beobachter->nachAenderung();
}

void TRaster::setColCount(int n)
{
    Aenderung a(*this);
    n = std::max(1, n);
    for (auto& zeile : m_zeilen)
        zeile.resize(n);
    m_spalten = n;
    if (n <= m_fixSpalten)
        m_fixSpalten = n - 1;
}

void TRaster::setRowCount(int n)
{
    Aenderung a(*this);
    n = std::max(1, n);
    m_zeilen.resize(n, std::vector<QString>(m_spalten));
    if (n <= m_fixZeilen)
        m_fixZeilen = n - 1;
    m_row = std::clamp(m_row, m_fixZeilen, n - 1);
}

// Fixing rows or columns changes how the grid is shown, not what it holds: no unsaved edit.
void TRaster::setFixedCols(int n)
{
    const bool geaendert = m_geaendert;
    {
        Aenderung a(*this);
        m_fixSpalten = std::clamp(n, 0, m_spalten - 1);
    }
    m_geaendert = geaendert;
}

void TRaster::setFixedRows(int n)
{
    const bool geaendert = m_geaendert;
    {
        Aenderung a(*this);
        m_fixZeilen = std::clamp(n, 0, RowCount() - 1);
        m_row = std::clamp(m_row, m_fixZeilen, RowCount() - 1);
    }
    m_geaendert = geaendert;
}

void TRaster::setRow(int r)
{
    m_row = std::clamp(r, 0, RowCount() - 1);
    if (m_tiefe == 0 && m_beobachter)
        m_beobachter->zeileGewaehlt(m_row);
}

const QString& TRaster::Cells(int spalte, int zeile) const
{
    if (spalte < 0 || spalte >= m_spalten || zeile < 0 || zeile >= RowCount())
        return leer;
    return m_zeilen[zeile][spalte];
}

void TRaster::setCells(int spalte, int zeile, const QString& text)
{
    bereichPruefen(spalte, 0, m_spalten - 1);
    bereichPruefen(zeile, 0, RowCount() - 1);
    m_zeilen[zeile][spalte] = text;
    m_geaendert = true;
    if (m_tiefe == 0 && m_beobachter) // inside a larger change the observer hears of it at its end
        m_beobachter->zelleGeaendert(spalte, zeile);
}

void TRaster::Clear()
{
    Aenderung a(*this);
    m_zeilen.resize(1);
    setRowCount(2);
}

void TRaster::DeleteHeadline()
{
    if (RowCount() < 3) {
        Plattform::information(QStringLiteral("Es müssen mindestens 2 Zeilen vorhanden sein"));
        return;
    }
    Aenderung a(*this);
    m_zeilen.erase(m_zeilen.begin());
    m_row = std::clamp(m_row, m_fixZeilen, RowCount() - 1);
}

void TRaster::DeleteColumm(int ColummNr)
{
    if (ColummNr > m_spalten - 1) {
        Plattform::information(QStringLiteral("Die Spaltenanzahl ist zu hoch"));
        return;
    }
    bereichPruefen(ColummNr, 0, m_spalten - 1);
    Aenderung a(*this);
    for (auto& zeile : m_zeilen) {
        zeile.erase(zeile.begin() + ColummNr);
        zeile.emplace_back();
    }
    setColCount(m_spalten - 1);
}

void TRaster::ChangeLine(int LineNr1, int LineNr2)
{
    if (LineNr1 < 0 || LineNr1 >= RowCount() || LineNr2 < 0 || LineNr2 >= RowCount())
        return;
    Aenderung a(*this);
    zeilenTauschen(LineNr1, LineNr2);
}

void TRaster::InsertLine(int LineNr)
{
    bereichPruefen(LineNr, 0, RowCount());
    Aenderung a(*this);
    m_zeilen.insert(m_zeilen.begin() + LineNr, std::vector<QString>(m_spalten));
}

void TRaster::DeleteLine(int LineNr)
{
    if (LineNr < 1 || LineNr > RowCount() - 1)
        return;
    Aenderung a(*this);
    if (RowCount() > 2) {
        m_zeilen.erase(m_zeilen.begin() + LineNr);
        m_row = std::clamp(m_row, m_fixZeilen, RowCount() - 1);
    } else {
        m_zeilen[LineNr].assign(m_spalten, QString());
    }
}

int TRaster::searchInCol(const QString& Eingabestr, int Column) const
{
    if (Column < 0 || Column >= m_spalten)
        return -1;
    for (int r = 1; r < RowCount(); ++r)
        if (m_zeilen[r][Column] == Eingabestr)
            return r;
    return -1;
}

int TRaster::searchINRow(const QString& Eingabestr, int Row) const
{
    if (Row < 0 || Row >= RowCount())
        return -1;
    for (int c = 0; c < m_spalten; ++c)
        if (m_zeilen[Row][c] == Eingabestr)
            return c;
    return -1;
}

// ---- Sorting -------------------------------------------------------------------------------

std::optional<TRaster::Art> TRaster::artLesen(const QString& text)
{
    if (text.compare(QLatin1String("STRING"), Qt::CaseInsensitive) == 0)
        return Art::String;
    if (text.compare(QLatin1String("ZAHL"), Qt::CaseInsensitive) == 0)
        return Art::Zahl;
    if (text.compare(QLatin1String("DATUM"), Qt::CaseInsensitive) == 0)
        return Art::Datum;
    return std::nullopt;
}

TRaster::Art TRaster::sortierart(const QString& text)
{
    const auto art = artLesen(text);
    if (!art)
        Plattform::information(QStringLiteral("Unzulässiger Parameter für Sortierart"));
    return art.value_or(Art::String);
}

std::optional<std::vector<double>> TRaster::spaltePruefen(Art art, int spalte)
{
    // The numbers read for the check are the keys of the sort: the same reading for both, so
    // the check passes exactly what the comparison can read.
    std::vector<double> zahlen;
    if (art == Art::Zahl)
        zahlen.reserve(RowCount() - m_fixZeilen);
    if (art == Art::String)
        return zahlen;
    for (int r = m_fixZeilen; r < RowCount(); ++r) {
        const QString& zelle = m_zeilen[r][spalte];
        bool gut = false;
        if (art == Art::Zahl) {
            const auto zahl = Zahlen::versuchen(zelle);
            gut = zahl.has_value();
            zahlen.push_back(zahl.value_or(0));
        } else {
            gut = U_Zeit::Datum_Lesen(zelle).has_value();
        }
        if (!gut) {
            Plattform::warnung(QStringLiteral("Formatfehler in Zeile: ") + QString::number(r));
            if (art == Art::Datum)
                setRow(r);
            return std::nullopt;
        }
    }
    return zahlen;
}

void TRaster::zeilenTauschen(int a, int b) { std::swap(m_zeilen[a], m_zeilen[b]); }

namespace {

// The partition sort of the grid: the middle row's key as pivot, rows exchanged as a whole.
// The keys are computed once per row and travel with their rows, which gives the order of
// comparing them anew each time, since a key depends on its text alone. The smaller part is
// sorted first by recursion and the larger by the loop, so the depth stays logarithmic; the
// two parts are disjoint, so the result is that of sorting lo..j before i..hi.
template <class Schluessel, class Tausch> void quicksort(std::vector<Schluessel>& k, int lo, int hi, const Tausch& tauschen)
{
    while (lo < hi) {
        int i = lo, j = hi;
        const Schluessel pivot = k[(lo + hi) / 2];
        do {
            while (k[i] < pivot)
                ++i;
            while (pivot < k[j])
                --j;
            if (i <= j) {
                std::swap(k[i], k[j]);
                tauschen(i, j);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - lo < hi - i) {
            if (j > lo)
                quicksort(k, lo, j, tauschen);
            lo = i;
        } else {
            if (i < hi)
                quicksort(k, i, hi, tauschen);
            hi = j;
        }
    }
}

template <class Schluessel, class Berechnung> std::vector<Schluessel> schluessel(int lo, int hi, const Berechnung& berechnen)
{
    std::vector<Schluessel> k;
    k.reserve(hi - lo + 1);
    for (int r = lo; r <= hi; ++r)
        k.push_back(berechnen(r));
    return k;
}

} // namespace

void TRaster::partitionssortierung(Art art, int spalte, int lo, int hi, const std::vector<double>& zahlen)
{
    if (lo >= hi)
        return;
    Aenderung a(*this);
    const auto tauschen = [&](int i, int j) { zeilenTauschen(lo + i, lo + j); };
    const int n = hi - lo;
    switch (art) {
    case Art::String: {
        const QLocale locale;
        auto k = schluessel<QString>(lo, hi, [&](int r) { return locale.toUpper(m_zeilen[r][spalte]); });
        quicksort(k, 0, n, tauschen);
        break;
    }
    case Art::Zahl: {
        auto k = schluessel<double>(lo, hi, [&](int r) { return zahlen[r - m_fixZeilen]; });
        quicksort(k, 0, n, tauschen);
        break;
    }
    case Art::Datum: {
        auto k = schluessel<qint32>(lo, hi, [&](int r) { return U_Zeit::Datumsschluessel(m_zeilen[r][spalte]); });
        quicksort(k, 0, n, tauschen);
        break;
    }
    }
}

void TRaster::sort(const QString& Art, int Spalte) { sort_Teil(Art, Spalte, m_fixZeilen, RowCount() - 1); }

void TRaster::sort_Teil(const QString& Art, int Spalte, int Zeile1, int Zeile2)
{
    if (Spalte < m_fixSpalten) {
        Plattform::hinweis(QStringLiteral("Fixierte Spalte kann nicht sortiert werden!"));
        return;
    }
    bereichPruefen(Spalte, 0, m_spalten - 1);
    Zeile1 = std::max(Zeile1, m_fixZeilen);
    Zeile2 = std::max(Zeile2, m_fixZeilen);
    Zeile2 = std::max(Zeile2, Zeile1);
    if (Zeile2 >= RowCount())
        Zeile2 = RowCount() - 1;
    const auto art = sortierart(Art);
    const auto zahlen = spaltePruefen(art, Spalte);
    if (!zahlen)
        return;
    partitionssortierung(art, Spalte, Zeile1, Zeile2, *zahlen);
}

void TRaster::sort_2(const QString& Art, int Spalte1, int Spalte2)
{
    sort(Art, Spalte1);
    if (Spalte1 < 0 || Spalte1 >= m_spalten)
        return;
    // The second column is checked once for all groups, not once per group: the groups only
    // reorder rows, so every group would fail or pass alike and repeat the same box.
    if (Spalte2 < m_fixSpalten) {
        Plattform::hinweis(QStringLiteral("Fixierte Spalte kann nicht sortiert werden!"));
        return;
    }
    bereichPruefen(Spalte2, 0, m_spalten - 1);
    const auto art = artLesen(Art).value_or(TRaster::Art::String); // an unknown kind was told by sort()
    // Sorting a group moves rows within it only, so the numbers read here stay right for the
    // rows of the groups after it.
    const auto zahlen = spaltePruefen(art, Spalte2);
    if (!zahlen)
        return;
    int start = 1;
    while (start <= RowCount() - 1) {
        int ende = start;
        while (ende + 1 <= RowCount() - 1 && m_zeilen[ende + 1][Spalte1] == m_zeilen[start][Spalte1])
            ++ende;
        if (ende - start + 1 > 1)
            partitionssortierung(art, Spalte2, std::max(start, m_fixZeilen), ende, *zahlen);
        start = ende + 1;
    }
}

// ---- File format ---------------------------------------------------------------------------

QStringList TRaster::Zeilen() const
{
    QStringList zeilen;
    zeilen.reserve(RowCount());
    for (const auto& zeile : m_zeilen) {
        QString text;
        for (int c = 0; c < m_spalten; ++c) {
            if (c > 0)
                text.append(QLatin1Char(';'));
            text.append(zeile[c]);
        }
        zeilen.append(std::move(text));
    }
    return zeilen;
}

// The whole file as one text, lines joined by CR LF, written as a single "line" to which the
// writer adds the last line end: the same bytes as Zeilen() without a string per row. The
// cells are checked for separators on the way, while they are in the cache: on a large grid
// every extra pass over the cells costs as much as building the text.
QString TRaster::Text(int letzteSpalte, int letzteZeile) const
{
    qsizetype laenge = 0;
    for (int r = 0; r <= letzteZeile; ++r)
        for (int c = 0; c <= letzteSpalte; ++c)
            laenge += m_zeilen[r][c].size() + 2;
    QString text;
    text.reserve(laenge);
    for (int r = 0; r <= letzteZeile; ++r) {
        if (r > 0)
            text.append(QLatin1String("\r\n"));
        for (int c = 0; c <= letzteSpalte; ++c) {
            const QString& zelle = m_zeilen[r][c];
            if (hatTrennzeichen(zelle))
                throw Plattform::Fehler(Plattform::Fehler::Art::Datei,
                    QStringLiteral("Die Zelle %1 enthält ein Semikolon oder einen Zeilenumbruch.").arg(Zellenname(*this, c, r)));
            if (c > 0)
                text.append(QLatin1Char(';'));
            text.append(zelle);
        }
    }
    return text;
}

std::pair<int, int> TRaster::Letzte_Gefuellte_Zelle() const
{
    int letzteSpalte = 0, letzteZeile = 0;
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < m_spalten; ++c)
            if (!m_zeilen[r][c].isEmpty()) {
                letzteZeile = r;
                letzteSpalte = std::max(letzteSpalte, c);
            }
    return {letzteSpalte, letzteZeile};
}

void TRaster::Zuschneiden()
{
    const auto [letzteSpalte, letzteZeile] = Letzte_Gefuellte_Zelle();
    Aenderung a(*this);
    setColCount(letzteSpalte + 1);
    setRowCount(letzteZeile + 1);
}

void TRaster::Zeilen_Uebernehmen(const QStringList& dateizeilen)
{
    // An empty file reads as the single empty line that an empty grid is saved as, so that an
    // empty family index or a new empty file loads without a message.
    const QStringList zeilen = dateizeilen.isEmpty() ? QStringList {QString()} : dateizeilen;
    const int spalten = U_Dallg::Anz_CSV_Spalten(zeilen.first());
    if (spalten > Max_Kopffelder)
        throw Plattform::Fehler(Plattform::Fehler::Art::Bereich,
            QStringLiteral("Die erste Zeile der Datei hat %1 Felder; eine Tabelle kann höchstens %2 Spalten haben.")
                .arg(spalten)
                .arg(Max_Kopffelder));
    std::vector<std::vector<QString>> neu(zeilen.size(), std::vector<QString>(spalten));
    U_Dallg::TStringarray1 felder;
    const int genutzt = std::min(spalten, 51);
    for (qsizetype y = 0; y < zeilen.size(); ++y) {
        U_Dallg::CSV_Stringtrennung(zeilen[y], spalten, felder);
        for (int x = 0; x < genutzt; ++x)
            neu[y][x] = std::move(felder[x]);
    }
    Aenderung a(*this);
    m_zeilen = std::move(neu);
    m_spalten = spalten;
    if (RowCount() <= m_fixZeilen)
        m_fixZeilen = RowCount() - 1;
    if (m_spalten <= m_fixSpalten)
        m_fixSpalten = m_spalten - 1;
    m_row = std::clamp(m_fixZeilen, 0, RowCount() - 1);
}

void TRaster::LoadFromFile(const QString& Filename)
{
    const QString pfad = dateiImVerzeichnis(Filename);
    if (!QFileInfo(pfad).isFile())
        return;
    try {
        Zeilen_Uebernehmen(Textdatei::lesen(pfad));
    } catch (const Plattform::Fehler& f) {
        throw Plattform::Fehler(f.art(), QStringLiteral("%1: %2").arg(QFileInfo(pfad).fileName(), f.text()));
    }
    m_geaendert = false;
}

void TRaster::SaveToFile(const QString& Filename)
{
    // The text first: a cell the file cannot carry stops the save before the grid is cut.
    const auto [letzteSpalte, letzteZeile] = Letzte_Gefuellte_Zelle();
    QString text;
    try {
        text = Text(letzteSpalte, letzteZeile);
    } catch (const Plattform::Fehler& f) {
        throw Plattform::Fehler::datei(Filename, f.text());
    }
    const bool vorher = m_geaendert;
    Zuschneiden();
    m_geaendert = vorher;
    Textdatei::schreiben(dateiImVerzeichnis(Filename), {text});
    m_geaendert = false;
}

// ---- The editors' cell checks --------------------------------------------------------------

std::pair<int, int> Trennzeichen_Finden(const TRaster& raster)
{
    for (int r = 0; r < raster.RowCount(); ++r)
        for (int c = 0; c < raster.ColCount(); ++c)
            if (hatTrennzeichen(raster.Cells(c, r)))
                return {c, r};
    return {-1, -1};
}

QString Zellenname(const TRaster& raster, int spalte, int zeile)
{
    QString titel = raster.Cells(spalte, 0);
    if (titel.size() > 40)
        titel = titel.left(40) + QStringLiteral("…");
    if (zeile == 0 || titel.isEmpty() || hatTrennzeichen(titel))
        return QStringLiteral("in Zeile %1, Spalte %2").arg(zeile).arg(spalte + 1);
    return QStringLiteral("in Zeile %1, Spalte %2 (\u201E%3\u201C)").arg(zeile).arg(spalte + 1).arg(titel);
}

QString Zahlzelle_Punktform(const QString& zelle)
{
    QString t = zelle;
    return t.replace(QLatin1Char(','), QLatin1Char('.'));
}

QString Zahlzelle_Landesform(const QString& zelle)
{
    const QString dezimal = QLocale().decimalPoint();
    QString t = Zahlzelle_Punktform(zelle);
    return t.replace(QLatin1Char('.'), dezimal.isEmpty() ? QStringLiteral(".") : dezimal);
}

void Zahlzellen_Angleichen(TRaster& raster, const std::function<bool(int spalte)>& istZahlspalte)
{
    for (int r = 1; r < raster.RowCount(); ++r)
        for (int c = 0; c < raster.ColCount(); ++c) {
            if (!istZahlspalte(c))
                continue;
            const QString landesform = Zahlzelle_Landesform(raster.Cells(c, r));
            if (landesform != raster.Cells(c, r))
                raster.setCells(c, r, landesform);
        }
}

bool Zahlzelle_Gueltig(const QString& zelle)
{
    // Zahl alone lets through what the reader refuses (an exponent beyond the double range).
    return Unit1::Zahl(Zahlzelle_Punktform(zelle)) && Zahlen::versuchen(Zahlzelle_Landesform(zelle)).has_value();
}

QString Zahlfehler(const QString& zelle)
{
    if (Zahlzelle_Gueltig(zelle))
        return {};
    return QStringLiteral("Der Wert ") + Zahlzelle_Punktform(zelle) + QStringLiteral(" ist falsch");
}

QString Wertzellenfehler(const QString& zelle, const std::function<QString(double wert)>& grund)
{
    if (QString fehler = Zahlfehler(zelle); !fehler.isEmpty())
        return fehler;
    const auto wert = Zahlen::versuchenDatei(zelle);
    return Unzulaessig(Zahlzelle_Punktform(zelle), wert ? grund(*wert) : QString());
}

QString Unzulaessig(const QString& zelle, const QString& grund)
{
    return grund.isEmpty() ? grund : QStringLiteral("Der Wert ") + zelle + QStringLiteral(" ist nicht zulässig, ") + grund;
}

void Spalten_Ergaenzen(TRaster& raster, int erste, const QStringList& titel)
{
    const int vorher = raster.ColCount();
    const int soll = erste + int(titel.size());
    if (vorher < erste || vorher >= soll)
        return;
    const bool geaendert = raster.Geaendert();
    raster.setColCount(soll);
    for (int c = vorher; c < soll; ++c)
        raster.setCells(c, 0, titel[c - erste]);
    raster.setGeaendert(geaendert);
}

int Datenzeilen(const TRaster& raster) { return raster.Letzte_Gefuellte_Zelle().second; }

QString Zeilenzahlfehler(int zeilen, int hoechstens, const QString& ziel, const QString& was)
{
    if (zeilen <= hoechstens)
        return {};
    const int zuviel = zeilen - hoechstens;
    return QStringLiteral("%1 kann höchstens %2 %3 aufnehmen, die Tabelle hat %4 Zeilen. Bitte löschen Sie %5; es wurde "
                          "nichts gespeichert.")
        .arg(ziel)
        .arg(hoechstens)
        .arg(was)
        .arg(zeilen)
        .arg(zuviel == 1 ? QStringLiteral("1 Zeile") : QStringLiteral("%1 Zeilen").arg(zuviel));
}

int Zellen_Pruefen(
    const TRaster& raster, int ersteSpalte, const std::function<QString(int spalte, const QString& zelle)>& pruefen)
{
    int fehler = 0;
    for (int r = 0; r < raster.RowCount(); ++r)
        for (int c = 0; c < raster.ColCount(); ++c)
            if (hatTrennzeichen(raster.Cells(c, r))) {
                Plattform::fehler(
                    QStringLiteral("Die Zelle %1 enthält ein Semikolon oder einen Zeilenumbruch. "
                                   "Diese Zeichen trennen in der Datei die Felder und Zeilen; bitte entfernen Sie sie.")
                        .arg(Zellenname(raster, c, r)));
                ++fehler;
            }
    const auto [letzteSpalte, letzteZeile] = raster.Letzte_Gefuellte_Zelle();
    for (int c = ersteSpalte; c <= letzteSpalte; ++c)
        for (int r = 1; r <= letzteZeile; ++r) {
            const QString text = pruefen(c, raster.Cells(c, r));
            if (!text.isEmpty()) {
                Plattform::fehler(text);
                ++fehler;
            }
        }
    return fehler;
}

} // namespace SGcomp
