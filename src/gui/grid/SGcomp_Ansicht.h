#pragma once
// TEStringGrid: the editable string grid on screen, a table view over a model that shows a
// SGcomp::TRaster. Row 0, the fixed title row, is shown as the column header (aqua, not
// scrolled); cells are edited in place, and the editor takes no ';' and no line break, which
// the file could not carry. Every operation is the raster's; the view follows its changes.
#include "core/grid/SGcomp.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <algorithm>
#include <functional>
#include <map>

namespace SGcomp {

class TRastermodell : public QAbstractTableModel, public Beobachter {
    Q_OBJECT
public:
    explicit TRastermodell(TRaster& raster, QObject* eltern = nullptr);

    // Model row m shows grid row m + titelzeilen(): row 0 goes into the header when fixed.
    int titelzeilen() const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

    void vorAenderung() override;
    void nachAenderung() override;
    void zelleGeaendert(int spalte, int zeile) override;
    void zeileGewaehlt(int zeile) override;

    std::function<void()> nachUmbau; // the view restores its current cell and column widths
    std::function<void(int zeile)> zeigeZeile; // the view moves its current cell to the row

private:
    TRaster& m_raster;
};

// What the user wants done with unsaved edits before they would be lost.
enum class Antwort { Speichern, Verwerfen, Bleiben };
using Rueckfrage = std::function<Antwort(const QString& text)>;
// Asks in a box with the buttons "Speichern", "Verwerfen" and "Abbrechen" (= stay); without
// `speichernAnbieten` only "Verwerfen" and "Abbrechen". `speichernText` names the first button
// where keeping the edits is not a save ("Übernehmen"). Tests install their own answer (an
// empty one means the box); setzeRueckfrage returns the one installed before.
Antwort Nachfragen(
    const QString& text, bool speichernAnbieten = true, const QString& speichernText = QStringLiteral("Speichern"));
Rueckfrage setzeRueckfrage(Rueckfrage frage);

// Before unsaved edits would be lost: true when the caller may go on (nothing unsaved, the
// edits discarded, or saved by `speichern`, which returns whether the save succeeded).
bool Aenderungen_Klaeren(bool geaendert, const QString& frage, const std::function<bool()>& speichern);

} // namespace SGcomp

class TEStringGrid : public QTableView {
    Q_OBJECT
public:
    TEStringGrid(int spalten, int zeilen, QWidget* eltern = nullptr);
    ~TEStringGrid() override;

    SGcomp::TRaster& Daten() { return m_raster; }
    const SGcomp::TRaster& Daten() const { return m_raster; }

    int ColCount() const { return m_raster.ColCount(); }
    int RowCount() const { return m_raster.RowCount(); }
    void setColCount(int n) { m_raster.setColCount(n); }
    void setRowCount(int n) { m_raster.setRowCount(n); }
    void setFixedRows(int n) { m_raster.setFixedRows(n); }
    int FixedRows() const { return m_raster.FixedRows(); }
    // The row of the current cell (grid numbering, title row 0).
    int Row() const { return m_raster.Row(); }
    void setRow(int r) { m_raster.setRow(r); }
    QString Cells(int spalte, int zeile) const { return m_raster.Cells(spalte, zeile); }
    void setCells(int spalte, int zeile, const QString& text) { m_raster.setCells(spalte, zeile, text); }
    bool Geaendert() const { return m_raster.Geaendert(); }

    void setDefaultColWidth(int breite);
    void setColWidths(int spalte, int breite);
    int ColWidths(int spalte) const;

    void Clear() { m_raster.Clear(); }
    void DeleteHeadline() { m_raster.DeleteHeadline(); }
    void DeleteColumm(int ColummNr) { m_raster.DeleteColumm(ColummNr); }
    void sort(const QString& Art, int Spalte) { m_raster.sort(Art, Spalte); }
    void sort_Teil(const QString& Art, int Spalte, int Zeile1, int Zeile2) { m_raster.sort_Teil(Art, Spalte, Zeile1, Zeile2); }
    void sort_2(const QString& Art, int Spalte1, int Spalte2) { m_raster.sort_2(Art, Spalte1, Spalte2); }
    int searchInCol(const QString& Eingabestr, int Column) const { return m_raster.searchInCol(Eingabestr, Column); }
    int searchINRow(const QString& Eingabestr, int Row) const { return m_raster.searchINRow(Eingabestr, Row); }
    void ChangeLine(int LineNr1, int LineNr2) { m_raster.ChangeLine(LineNr1, LineNr2); }
    void InsertLine(int LineNr) { m_raster.InsertLine(LineNr); }
    void DeleteLine(int LineNr) { m_raster.DeleteLine(LineNr); }
    void SaveToFile(const QString& Filename) { m_raster.SaveToFile(Filename); }
    void LoadFromFile(const QString& Filename) { m_raster.LoadFromFile(Filename); }

    // The editors' grids keep row 0 as their title row whenever they hold a data row, also
    // after a file of the title line alone took the fixed row away.
    void Titelzeile_Halten();
    // The row the row buttons act on: the current row, never the title row.
    int Datenzeile() const { return std::max(1, Row()); }
    // Row r's first n cells as a list (cells the grid does not have give empty texts), and
    // the list written into row r as far as the grid has columns.
    QStringList Zeile_Lesen(int zeile, int n) const;
    void Zeile_Schreiben(int zeile, const QStringList& zellen);

private:
    void Umbau_Folgen();
    void Zeile_Zeigen(int zeile);

    SGcomp::TRaster m_raster;
    SGcomp::TRastermodell* m_modell;
    std::map<int, int> m_breiten; // widths set for single columns; kept across changes
};
