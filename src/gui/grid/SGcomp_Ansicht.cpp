#include "gui/grid/SGcomp_Ansicht.h"

#include "core/platform/Meldungen.h"
#include "gui/platform/Bausteine.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace SGcomp {

namespace {

// Far more than a column shows; a cell of megabytes (a file from outside) would otherwise be
// laid out in full on every paint.
constexpr qsizetype Max_Anzeige = 1000;

bool trennzeichenFrei(const QString& text)
{
    return !text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

// The in-place editor: a line edit that does not take what would split the record in the file.
class Zelleneditor : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* editor = new QLineEdit(eltern);
        editor->setFrame(false);
        static const QRegularExpression erlaubt(QStringLiteral("[^;\\r\\n]*"));
        editor->setValidator(new QRegularExpressionValidator(erlaubt, editor));
        return editor;
    }
};

Antwort fragenMitBox(const QString& text, bool speichernAnbieten, const QString& speichernText)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Trabex"), text);
    QPushButton* speichern = speichernAnbieten ? box.addButton(speichernText, QMessageBox::AcceptRole) : nullptr;
    QPushButton* verwerfen = box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    QPushButton* abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(speichern ? speichern : abbrechen);
    box.setEscapeButton(abbrechen);
    box.exec();
    if (speichern && box.clickedButton() == speichern)
        return Antwort::Speichern;
    if (box.clickedButton() == verwerfen)
        return Antwort::Verwerfen;
    return Antwort::Bleiben;
}

Rueckfrage& rueckfrage()
{
    static Rueckfrage frage; // empty: the box
    return frage;
}

} // namespace

Antwort Nachfragen(const QString& text, bool speichernAnbieten, const QString& speichernText)
{
    return rueckfrage() ? rueckfrage()(text) : fragenMitBox(text, speichernAnbieten, speichernText);
}

Rueckfrage setzeRueckfrage(Rueckfrage frage)
{
    Rueckfrage vorher = rueckfrage();
    rueckfrage() = std::move(frage);
    return vorher;
}

bool Aenderungen_Klaeren(bool geaendert, const QString& frage, const std::function<bool()>& speichern)
{
    if (!geaendert)
        return true;
    switch (Nachfragen(frage)) {
    case Antwort::Speichern:
        return speichern();
    case Antwort::Verwerfen:
        return true;
    case Antwort::Bleiben:
        break;
    }
    return false;
}

TRastermodell::TRastermodell(TRaster& raster, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_raster(raster)
{
    m_raster.setBeobachter(this);
}

int TRastermodell::titelzeilen() const { return m_raster.FixedRows() >= 1 ? 1 : 0; }

int TRastermodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : m_raster.RowCount() - titelzeilen();
}

int TRastermodell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : m_raster.ColCount(); }

QVariant TRastermodell::data(const QModelIndex& index, int rolle) const
{
    const int zeile = index.row() + titelzeilen();
    const int spalte = index.column();
    switch (rolle) {
    case Qt::DisplayRole: {
        const QString& text = m_raster.Cells(spalte, zeile);
        return text.size() > Max_Anzeige ? text.left(Max_Anzeige) + QStringLiteral("…") : text;
    }
    case Qt::EditRole:
        return m_raster.Cells(spalte, zeile);
    case Qt::BackgroundRole:
        if (zeile < m_raster.FixedRows() || spalte < m_raster.FixedCols())
            return Bausteine::Aqua;
        return QVariant();
    default:
        return QVariant();
    }
}

bool TRastermodell::setData(const QModelIndex& index, const QVariant& wert, int rolle)
{
    if (rolle != Qt::EditRole || !index.isValid())
        return false;
    const QString text = wert.toString();
    if (!trennzeichenFrei(text)) {
        Plattform::piep();
        return false;
    }
    const int zeile = index.row() + titelzeilen();
    if (m_raster.Cells(index.column(), zeile) != text)
        m_raster.setCells(index.column(), zeile, text);
    return true;
}

Qt::ItemFlags TRastermodell::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.row() + titelzeilen() >= m_raster.FixedRows() && index.column() >= m_raster.FixedCols())
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant TRastermodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || titelzeilen() == 0)
        return QVariant();
    if (rolle == Qt::DisplayRole) {
        const QString& text = m_raster.Cells(abschnitt, 0);
        return text.size() > Max_Anzeige ? text.left(Max_Anzeige) : text;
    }
    return QVariant();
}

void TRastermodell::vorAenderung() { beginResetModel(); }

void TRastermodell::nachAenderung()
{
    endResetModel();
    if (nachUmbau)
        nachUmbau();
}

void TRastermodell::zeileGewaehlt(int zeile)
{
    if (zeigeZeile)
        zeigeZeile(zeile);
}

void TRastermodell::zelleGeaendert(int spalte, int zeile)
{
    const int m = zeile - titelzeilen();
    if (m < 0) {
        emit headerDataChanged(Qt::Horizontal, spalte, spalte);
        return;
    }
    const QModelIndex i = index(m, spalte);
    emit dataChanged(i, i);
}

} // namespace SGcomp

TEStringGrid::TEStringGrid(int spalten, int zeilen, QWidget* eltern)
    : QTableView(eltern)
    , m_raster(spalten, zeilen)
    , m_modell(new SGcomp::TRastermodell(m_raster, this))
{
    m_raster.setFixedRows(1);
    m_raster.setGeaendert(false);
    setModel(m_modell);
    setItemDelegate(new SGcomp::Zelleneditor(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
        | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFixedHeight(22);
    horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: #00FFFF; color: black;"
                                                     " font-family: Arial; font-size: 16px; font-weight: bold;"
                                                     " border: 0px; border-right: 1px solid #808080;"
                                                     " border-bottom: 1px solid #808080; padding-left: 3px; }"));
    m_modell->nachUmbau = [this] { Umbau_Folgen(); };
    m_modell->zeigeZeile = [this](int zeile) { Zeile_Zeigen(zeile); };
    connect(
        horizontalHeader(), &QHeaderView::sectionResized, this, [this](int spalte, int, int neu) { m_breiten[spalte] = neu; });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& jetzt) {
        if (jetzt.isValid())
            m_raster.setRow(jetzt.row() + m_modell->titelzeilen());
    });
    Umbau_Folgen();
}

TEStringGrid::~TEStringGrid() { m_raster.setBeobachter(nullptr); }

// After a change of the layout the view shows the title row (or none), the widths set for
// single columns and the raster's current row again.
void TEStringGrid::Umbau_Folgen()
{
    horizontalHeader()->setVisible(m_modell->titelzeilen() > 0);
    const auto breiten = m_breiten; // setting a width reports back through sectionResized
    for (const auto& [spalte, breite] : breiten)
        if (spalte < m_raster.ColCount())
            setColumnWidth(spalte, breite);
    m_breiten = breiten;
    const int m = m_raster.Row() - m_modell->titelzeilen();
    if (m >= 0 && m < m_modell->rowCount()) {
        const int spalte = std::max(0, currentIndex().column());
        selectionModel()->setCurrentIndex(m_modell->index(m, spalte), QItemSelectionModel::NoUpdate);
    }
}

void TEStringGrid::Zeile_Zeigen(int zeile)
{
    const int m = zeile - m_modell->titelzeilen();
    if (m >= 0 && m < m_modell->rowCount() && currentIndex().row() != m)
        setCurrentIndex(m_modell->index(m, std::max(0, currentIndex().column())));
}

void TEStringGrid::setDefaultColWidth(int breite) { horizontalHeader()->setDefaultSectionSize(breite); }

void TEStringGrid::setColWidths(int spalte, int breite)
{
    m_breiten[spalte] = breite;
    if (spalte < m_raster.ColCount())
        setColumnWidth(spalte, breite);
}

int TEStringGrid::ColWidths(int spalte) const
{
    const auto it = m_breiten.find(spalte);
    return it != m_breiten.end() ? it->second : columnWidth(spalte);
}

void TEStringGrid::Titelzeile_Halten()
{
    if (m_raster.FixedRows() == 0 && m_raster.RowCount() > 1)
        m_raster.setFixedRows(1);
}

QStringList TEStringGrid::Zeile_Lesen(int zeile, int n) const
{
    QStringList zellen;
    for (int k = 0; k < n; ++k)
        zellen.append(m_raster.Cells(k, zeile));
    return zellen;
}

void TEStringGrid::Zeile_Schreiben(int zeile, const QStringList& zellen)
{
    for (int k = 0; k < std::min(int(zellen.size()), m_raster.ColCount()); ++k)
        m_raster.setCells(k, zeile, zellen[k]);
}
