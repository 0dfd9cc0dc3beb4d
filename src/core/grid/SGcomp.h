#pragma once
// The editable string grid's data and operations on plain rows, apart from any widget: the
// cells, the counts, the fixed rows and columns, the current row, the row and column
// operations, the searches, the sorts and the grid file format (one line per row, cells
// separated by ';'). The view (TEStringGrid, SGcomp_Ansicht.h) shows a TRaster and forwards
// every operation to it.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace SGcomp {

// Line 0 of a grid file may have at most this many fields.
constexpr int Max_Kopffelder = 100;

// Told before and after every change of the grid, so that a view can follow.
class Beobachter {
public:
    virtual ~Beobachter() = default;
    virtual void vorAenderung() = 0; // the layout or many cells change
    virtual void nachAenderung() = 0;
    virtual void zelleGeaendert(int spalte, int zeile) = 0; // one cell outside such a change
    virtual void zeileGewaehlt(int zeile) = 0; // the current row was set
};

class TRaster {
public:
    TRaster(int spalten = 5, int zeilen = 5);

    // The base grid: counts of at least 1; a count set to or below the number of fixed
    // columns or rows reduces that number to the count - 1.
    int ColCount() const { return m_spalten; }
    int RowCount() const { return int(m_zeilen.size()); }
    void setColCount(int n);
    void setRowCount(int n);
    int FixedCols() const { return m_fixSpalten; }
    int FixedRows() const { return m_fixZeilen; }
    void setFixedCols(int n);
    void setFixedRows(int n);
    // The current cell's row; the view keeps it in step with its selection.
    int Row() const { return m_row; }
    void setRow(int r);

    // Cells outside the grid read as empty text; writing one throws the list-index error.
    const QString& Cells(int spalte, int zeile) const;
    void setCells(int spalte, int zeile, const QString& text);

    // Unsaved changes: set by every change, cleared by a load and a successful save.
    bool Geaendert() const { return m_geaendert; }
    void setGeaendert(bool g) { m_geaendert = g; }

    void Clear();
    void DeleteHeadline();
    void DeleteColumm(int ColummNr);
    void sort(const QString& Art, int Spalte);
    void sort_Teil(const QString& Art, int Spalte, int Zeile1, int Zeile2);
    void sort_2(const QString& Art, int Spalte1, int Spalte2);
    int searchInCol(const QString& Eingabestr, int Column) const;
    int searchINRow(const QString& Eingabestr, int Row) const;
    void ChangeLine(int LineNr1, int LineNr2);
    void InsertLine(int LineNr);
    void DeleteLine(int LineNr);
    // Refuses (file error, nothing written, grid unchanged) a cell holding ';' or a line
    // break; else cuts the grid to its last non-empty row and column and writes it atomically.
    void SaveToFile(const QString& Filename);
    // A missing file changes nothing. A file that cannot become a grid (no line, more than
    // Max_Kopffelder fields in line 0) throws a German error and leaves the grid as it was.
    void LoadFromFile(const QString& Filename);

    // The file's lines of the grid as it stands (no trimming), and the grid from file lines;
    // LoadFromFile and SaveToFile are these plus the file access.
    QStringList Zeilen() const;
    // Rows 0..letzteZeile, columns 0..letzteSpalte joined as in the file, without the last
    // line end; throws for a cell holding ';' or a line break.
    QString Text(int letzteSpalte, int letzteZeile) const;
    void Zeilen_Uebernehmen(const QStringList& zeilen);
    // The last column and row holding a non-empty cell (0, 0 when all are empty), and the
    // cut to them (step one of a save).
    std::pair<int, int> Letzte_Gefuellte_Zelle() const;
    void Zuschneiden();

    void setBeobachter(Beobachter* b) { m_beobachter = b; }

private:
    friend class Aenderung;
    enum class Art { String, Zahl, Datum };
    static std::optional<Art> artLesen(const QString& text);
    // The sort kind from its text; shows the message and falls back to "STRING" when unknown.
    static Art sortierart(const QString& text);
    // The numbers of a "ZAHL" column (rows from FixedRows on; empty for the other kinds), or
    // nothing after the message of the first cell that fails.
    std::optional<std::vector<double>> spaltePruefen(Art art, int spalte);
    void partitionssortierung(Art art, int spalte, int lo, int hi, const std::vector<double>& zahlen);
    void zeilenTauschen(int a, int b);
    void begin();
    void ende();

    std::vector<std::vector<QString>> m_zeilen; // each row holds m_spalten cells
    int m_spalten = 1;
    int m_fixSpalten = 0;
    int m_fixZeilen = 0;
    int m_row = 0;
    bool m_geaendert = false;
    int m_tiefe = 0; // nesting of changes; the observer hears only the outermost
    Beobachter* m_beobachter = nullptr;
};

// Where a cell of the grid holds ';' or a line break, which the file cannot carry: the first
// such cell (column, row) row by row, or {-1, -1}.
std::pair<int, int> Trennzeichen_Finden(const TRaster& raster);
// "Zeile r, Spalte c ("title")": a cell named for the user (rows as in the grid, title row 0,
// columns counted from 1 as seen).
QString Zellenname(const TRaster& raster, int spalte, int zeile);

// The editors' number cells. A cell passes when, read with a point for every comma, it is a
// number in point notation that the program can read back (finite). Lesbar_Machen writes such
// a cell with the locale's decimal separator, whichever separator was typed, so that the file
// reads back in the user's locale.
bool Zahlzelle_Gueltig(const QString& zelle);
QString Zahlzelle_Punktform(const QString& zelle);
QString Zahlzelle_Landesform(const QString& zelle);
// Writes the number cells (rows from 1, the columns `istZahlspalte` names) in the locale's
// notation; run after the check passed, before the save.
void Zahlzellen_Angleichen(TRaster& raster, const std::function<bool(int spalte)>& istZahlspalte);

// The editors' save check: first every cell that the file cannot carry, then for the columns
// from `ersteSpalte` on and the rows from 1 on, column by column and top to bottom, the text
// that `pruefen(spalte, zelle)` returns (empty: the cell is good). One error box per bad cell;
// returns the number of boxes. Trailing empty rows and columns are not checked: the save drops
// them, so an empty row left at the end does not block it.
int Zellen_Pruefen(
    const TRaster& raster, int ersteSpalte, const std::function<QString(int spalte, const QString& zelle)>& pruefen);
// The error text of a number cell that fails, else empty ("Der Wert 7.8.5 ist falsch").
QString Zahlfehler(const QString& zelle);
// The same, then whether the value can be physical: `grund` gives why not, or empty
// ("Der Wert -3 ist nicht zulässig, Wmax muss größer als 0 sein").
QString Wertzellenfehler(const QString& zelle, const std::function<QString(double wert)>& grund);
// "Der Wert x ist nicht zulässig, " + `grund`, or empty for an empty `grund`.
QString Unzulaessig(const QString& zelle, const QString& grund);

// Shows the columns of a newer file layout in a grid loaded from an older file: a grid of at
// least `erste` columns that lacks some of the columns from `erste` on gets them, with the
// titles `titel` in its title row and empty cells. Only what the file may hold is shown, so
// this is no unsaved edit; a save then writes the columns.
void Spalten_Ergaenzen(TRaster& raster, int erste, const QStringList& titel);

// The rows a save writes after the title row: trailing empty rows are dropped.
int Datenzeilen(const TRaster& raster);
// The editors' check of the row count: `zeilen` records against the `hoechstens` that `ziel`
// ("Die Datei IPE.CSV") can hold. The error text when there are more, else empty.
QString Zeilenzahlfehler(int zeilen, int hoechstens, const QString& ziel, const QString& was);

} // namespace SGcomp
