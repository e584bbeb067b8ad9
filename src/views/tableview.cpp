#include "tableview.h"

#include "endfollower.h"

#include "fixedpitchfont.h"
#include "gridformat.h"
#include "log/connectiontable.h"
#include "platform/formats.h"
#include "platform/progresssink.h"
#include "report/tablecells.h"
#include "tablesort.h"
#include "viewcolours.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <climits>
#include <numeric>

const QString TableView::FormatString =
    QStringLiteral("^ Number|>     Date      |^Start time |^     Time online       |^    Cost   "
                   "|< Other Info      ");

namespace
{
// A cell that sorts by the place the table's sort gave its row, so the grid can move whole rows
// in one step instead of every cell on its own.
class RankedItem : public QTableWidgetItem
{
public:
    explicit RankedItem(const QString& text) : QTableWidgetItem(text) {}
    bool operator<(const QTableWidgetItem& other) const override
    {
        return m_rank < static_cast<const RankedItem&>(other).m_rank;
    }
    void setRank(int rank) { m_rank = rank; }

private:
    int m_rank = 0;
};

// After the design's columns, where the connections record their bytes.
const QString VolumeFormat = QStringLiteral("|>       Sent |>   Received ");
// The exact count of bytes a volume cell stands for, for its sort and its tool tip.
constexpr int BytesRole = Qt::UserRole;

const QString CaptionStart = QStringLiteral("Connections to the Internet established, sorted by ");
// A data row is 190 twips high; a twip is 1/1440 inch.
constexpr double RowHeightTwips = 190.0;
} // namespace

TableView::TableView(ConnectionTable& table, ProgressSink& progress, QWidget* parent)
    : QWidget(parent), m_table(table), m_progress(progress)
{
    m_fgrid1 = new QGroupBox(this);
    m_fgrid1->setObjectName(QStringLiteral("fgrid1"));
    m_grid1 = new QTableWidget(m_fgrid1);
    m_grid1->setObjectName(QStringLiteral("grid1"));
    // Tables take no name from the frame around them.
    m_grid1->setAccessibleName(QStringLiteral("Table Log"));
    new EndFollower(m_grid1);
    m_grid1->setFont(FixedPitchFont::courierNew(9.75));
    m_grid1->horizontalHeader()->setFont(m_grid1->font());
    m_grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid1->setWordWrap(false);
    m_grid1->verticalHeader()->hide();
    m_grid1->horizontalHeader()->setHighlightSections(false);
    // The notes column takes the room left over, so long notes are seen whole.
    m_grid1->horizontalHeader()->setStretchLastSection(true);
    // Never lower than the font, or the texts would be clipped.
    const int rowHeight = qMax(qRound(RowHeightTwips * m_grid1->logicalDpiY() / 1440.0),
                               m_grid1->fontMetrics().height());
    m_grid1->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_grid1->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid1->installEventFilter(this);
    m_grid1->viewport()->installEventFilter(this);
    m_grid1->horizontalHeader()->viewport()->installEventFilter(this);
    auto* frameLayout = new QVBoxLayout(m_fgrid1);
    frameLayout->addWidget(m_grid1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_fgrid1);

    applyFormat();
    setCaption(TableSort::Number);
}

void TableView::setColours(const ViewColours& colours)
{
    QPalette palette = m_grid1->palette();
    palette.setColor(QPalette::Base, colours.secondaryBackground);
    palette.setColor(QPalette::Text, colours.secondaryText);
    palette.setColor(QPalette::HighlightedText, colours.mainText);
    m_grid1->setPalette(palette);
    // The style draws grid lines and header sections in colours of its own; only a style sheet
    // sets them. The header cells' borders match their background, as the fixed cells' grid
    // lines do.
    const QString lines = colours.mainBackground.name();
    m_grid1->setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }").arg(lines));
    m_grid1->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; color: %2; "
                       "border: 1px solid %1; padding: 0px 2px; }")
            .arg(lines, colours.mainText.name()));
}

void TableView::applyFormat(bool volume)
{
    const QList<GridFormat::Column> columns =
        GridFormat::parse(FormatString + (volume ? VolumeFormat : QString()));
    m_grid1->setColumnCount(int(columns.size()));
    for (int c = 0; c < columns.size(); ++c) {
        auto* header = new QTableWidgetItem(columns.at(c).header);
        header->setTextAlignment(columns.at(c).alignment);
        m_grid1->setHorizontalHeaderItem(c, header);
    }
}

void TableView::sizeColumns()
{
    // At least as wide as the header text, and wide enough for the longest cell text. Measuring
    // every cell takes longer than filling the grid; in the fixed-pitch font the longest text is
    // the widest, so it alone is measured.
    const QFontMetrics headerMetrics(m_grid1->horizontalHeader()->font());
    const QFontMetrics cellMetrics(m_grid1->font());
    const int margin = 2 * m_grid1->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr,
                                                         m_grid1->horizontalHeader()) +
                       cellMetrics.averageCharWidth();
    m_widths.clear();
    for (int c = 0; c < m_grid1->columnCount(); ++c) {
        QString longest;
        for (int r = 0; r < m_grid1->rowCount(); ++r) {
            if (const QTableWidgetItem* item = m_grid1->item(r, c)) {
                const QString text = item->text();
                if (text.size() > longest.size())
                    longest = text;
            }
        }
        const QString header = m_grid1->horizontalHeaderItem(c)->text();
        const int cells = cellMetrics.horizontalAdvance(longest);
        // One space of the padding stays: the header's frame takes more than a cell's.
        const int trimmed = headerMetrics.horizontalAdvance(header.trimmed() + QLatin1Char(' '));
        m_widths.append({qMax(headerMetrics.horizontalAdvance(header), cells) + margin,
                         qMax(trimmed, cells) + margin, trimmed + margin});
    }
    fitColumns();
}

void TableView::fitColumns()
{
    if (m_widths.size() != m_grid1->columnCount())
        return;
    const int room = m_grid1->isVisible() ? m_grid1->viewport()->width() : INT_MAX;
    const auto sum = [](const QList<int>& widths) {
        return std::accumulate(widths.cbegin(), widths.cend(), qint64(0));
    };
    QList<int> widths;
    for (const ColumnWidth& width : m_widths)
        widths << width.padded;
    if (sum(widths) > room) {
        for (int c = 0; c < widths.size(); ++c)
            widths[c] = m_widths.at(c).tight;
        // The notes take the room the others leave, down to their header; the figures are
        // never cut.
        const int notes = TableSort::OtherInfo;
        widths[notes] =
            int(qMax<qint64>(m_widths.at(notes).header, widths[notes] + room - sum(widths)));
    }
    for (int c = 0; c < widths.size(); ++c)
        m_grid1->setColumnWidth(c, widths.at(c));
}

void TableView::setCaption(int column)
{
    m_fgrid1->setTitle(CaptionStart + TableSort::columnName(column));
}

bool TableView::displaygrid(bool twelveHour)
{
    // The grid no longer shows the table once it is emptied; only a complete fill says it does.
    m_table.tableViewCurrent = false;
    m_progress.setStatus(QStringLiteral("Displaying information..."));
    m_progress.setProgressEnabled(true);
    m_progress.setProgress(0);

    const int count = m_table.connectioncount();
    m_grid1->setUpdatesEnabled(false);
    m_grid1->setRowCount(0);
    m_grid1->setRowCount(count);
    const bool volume = TableCells::showsVolume(m_table);
    applyFormat(volume);
    const QList<GridFormat::Column> columns =
        GridFormat::parse(FormatString + (volume ? VolumeFormat : QString()));

    bool complete = true;
    int shown = 0;
    for (int n = 1; n <= count; ++n) {
        const std::optional<QStringList> cells = TableCells::row(m_table[n], n, twelveHour);
        if (!cells) {
            complete = false;
            break;
        }
        for (int c = 0; c < TableCells::ColumnCount; ++c) {
            auto* item = new RankedItem(cells->at(c));
            item->setTextAlignment(columns.at(c).alignment);
            // A note may be cut to fit the window.
            if (c == TableSort::OtherInfo && !cells->at(c).isEmpty())
                item->setToolTip(cells->at(c));
            m_grid1->setItem(n - 1, c, item);
        }
        if (volume) {
            const ConnectionRecord& record = m_table[n];
            int c = TableSort::Sent;
            for (const std::optional<quint64>& bytes : {record.sentBytes, record.receivedBytes}) {
                auto* item = new RankedItem(bytes ? Formats::dataSize(*bytes) : QString());
                item->setTextAlignment(columns.at(c).alignment);
                if (bytes) {
                    item->setData(BytesRole, QString::number(*bytes));
                    item->setToolTip(QLocale().toString(*bytes) + QStringLiteral(" bytes"));
                }
                m_grid1->setItem(n - 1, c++, item);
            }
        }
        const int percent = int(qint64(n) * 100 / count);
        if (percent != shown) {
            m_progress.setProgress(percent);
            shown = percent;
        }
    }
    sizeColumns();
    m_grid1->setUpdatesEnabled(true);
    if (!complete)
        return false;

    m_progress.setProgress(100);
    m_progress.setProgressEnabled(false);
    m_progress.setProgress(0);
    if (count > 1) {
        m_grid1->scrollToItem(m_grid1->item(count - 1, 0), QAbstractItemView::PositionAtTop);
        // The grid may only now get its final size (a scroll bar appearing): scroll again then.
        QTimer::singleShot(0, m_grid1, [grid = m_grid1] { grid->scrollToBottom(); });
    }
    setCaption(TableSort::Number);
    m_progress.setStatus(QString());
    m_table.tableViewCurrent = true;
    return true;
}

int TableView::currentColumn() const
{
    const int column = m_grid1->currentColumn();
    return m_grid1->rowCount() > 0 && column >= 0 ? column : m_column;
}

void TableView::setCurrentColumn(int column)
{
    m_column = column;
    if (m_grid1->rowCount() > 0)
        m_grid1->setCurrentCell(qMax(m_grid1->currentRow(), 0), column);
}

void TableView::popcancel()
{
    setCurrentColumn(TableSort::Number);
}

void TableView::grid_click()
{
    const int named = currentColumn();
    const int column = TableSort::keyColumn(named);
    if (column != named)
        setCurrentColumn(column);

    m_progress.setProgressEnabled(true);
    m_progress.setProgress(0);
    m_progress.setStatus(QStringLiteral("Sorting by ") + TableSort::columnName(column));
    m_grid1->setUpdatesEnabled(false);

    const int rows = m_grid1->rowCount();
    QStringList texts;
    texts.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        const QTableWidgetItem* item = m_grid1->item(r, column);
        const QVariant bytes = item ? item->data(BytesRole) : QVariant();
        texts << (bytes.isValid() ? bytes.toString() : item ? item->text() : QString());
    }
    const QList<int> order = TableSort::order(column, texts);
    m_progress.setProgress(100);

    m_progress.setProgress(0);
    m_progress.setStatus(QStringLiteral("Displaying results..."));
    const int currentRow = m_grid1->currentRow();
    for (int r = 0; r < rows; ++r) {
        if (auto* item = static_cast<RankedItem*>(m_grid1->item(order.at(r), column)))
            item->setRank(r);
    }
    m_grid1->sortItems(column, Qt::AscendingOrder);
    m_progress.setProgress(100);
    // Moving the rows moves the current cell; it stays where it was.
    if (rows > 0)
        m_grid1->setCurrentCell(qMax(currentRow, 0), currentColumn());
    m_grid1->setUpdatesEnabled(true);
    m_progress.setProgress(0);
    m_progress.setProgressEnabled(false);
    setCaption(named);
    m_progress.setStatus(QString());
}

bool TableView::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_grid1 && event->type() == QEvent::Show) ||
        (watched == m_grid1->viewport() && event->type() == QEvent::Resize))
        fitColumns();
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        if (watched == m_grid1->viewport()) {
            // The cell under the pointer becomes current first, whichever button was pressed.
            const QModelIndex index = m_grid1->indexAt(pos);
            if (index.isValid())
                m_grid1->setCurrentCell(index.row(), index.column());
            if (m_ttt)
                m_ttt->popup(mouse->globalPosition().toPoint());
            return true;
        }
        if (watched == m_grid1->horizontalHeader()->viewport()) {
            // A press on a header chooses its column.
            const int column = m_grid1->horizontalHeader()->logicalIndexAt(pos);
            if (column >= 0)
                setCurrentColumn(column);
            if (m_ttt)
                m_ttt->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    if (watched == m_grid1 && event->type() == QEvent::KeyPress) {
        // Keys that type a character sort; the arrow and page keys still move the current cell,
        // so a column can be chosen from the keyboard.
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
            grid_click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
