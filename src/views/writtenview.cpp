#include "writtenview.h"

#include "endfollower.h"
#include "fixedpitchfont.h"
#include "log/connectiontable.h"
#include "platform/progresssink.h"
#include "report/connectionline.h"
#include "report/selectiontotals.h"
#include "viewcolours.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

WrittenView::WrittenView(ConnectionTable& table, ProgressSink& progress, QWidget* parent)
    : QWidget(parent), m_table(table), m_progress(progress)
{
    m_fstart = new QGroupBox(QStringLiteral("Connections to the Internet established-"), this);
    m_fstart->setObjectName(QStringLiteral("fstart"));
    m_start = new QListWidget(m_fstart);
    m_start->setObjectName(QStringLiteral("start"));
    // Lists and tables take no name from the frame around them.
    m_start->setAccessibleName(QStringLiteral("Written Log"));
    m_start->setFont(FixedPitchFont::courierNew(9));
    m_start->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every line has the same height; this keeps a fill of a thousand lines quick.
    m_start->setUniformItemSizes(true);
    m_start->viewport()->installEventFilter(this);
    new EndFollower(m_start);
    auto* frameLayout = new QVBoxLayout(m_fstart);
    frameLayout->addWidget(m_start);

    m_stotal = new QWidget(this);
    m_stotal->setObjectName(QStringLiteral("stotal"));
    m_tipl = new QLabel(SelectionTotals::countText(0), m_stotal);
    m_tipl->setObjectName(QStringLiteral("tipl"));
    QFont bold = m_tipl->font();
    bold.setBold(true);
    m_tipl->setFont(bold);
    m_ltime = new QLabel(m_stotal);
    m_ltime->setObjectName(QStringLiteral("ltime"));
    m_lcost = new QLabel(m_stotal);
    m_lcost->setObjectName(QStringLiteral("lcost"));
    auto* totalsLayout = new QVBoxLayout(m_stotal);
    totalsLayout->addWidget(m_tipl);
    totalsLayout->addWidget(m_ltime);
    totalsLayout->addWidget(m_lcost);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_fstart, 1);
    layout->addWidget(m_stotal);

    connect(m_start, &QListWidget::itemSelectionChanged, this, &WrittenView::start_Click);
}

bool WrittenView::displaywritten(bool twelveHour)
{
    // The list no longer shows the table once it is cleared; only a complete fill says it does.
    m_table.writtenViewCurrent = false;
    m_progress.setStatus(QStringLiteral("Displaying information..."));
    m_progress.setProgressEnabled(true);
    m_progress.setProgress(0);
    m_start->clear();
    start_Click();

    const int count = m_table.connectioncount();
    QStringList lines;
    lines.reserve(count * 2);
    bool complete = true;
    int shown = 0;
    for (int n = 1; n <= count; ++n) {
        if (ConnectionLine::startsNewDay(m_table, n))
            lines << QString();
        const std::optional<QString> line = m_lines.text(m_table[n], n, twelveHour);
        if (!line) {
            complete = false;
            break;
        }
        lines << *line;
        const int percent = int(qint64(n) * 100 / count);
        if (percent != shown) {
            m_progress.setProgress(percent);
            shown = percent;
        }
    }
    // One insertion for the whole list is far quicker than one per line.
    m_start->addItems(lines);
    if (!complete)
        return false;
    m_progress.setProgress(100);

    if (m_start->count() > 0) {
        QListWidgetItem* last = m_start->item(m_start->count() - 1);
        m_start->setCurrentItem(last, QItemSelectionModel::NoUpdate);
        m_start->scrollToItem(last, QAbstractItemView::PositionAtTop);
        // The list may only now get its final size: scroll again once it has.
        QTimer::singleShot(0, m_start, [list = m_start] { list->scrollToBottom(); });
    }
    m_progress.setProgressEnabled(false);
    m_progress.setProgress(0);
    m_progress.setStatus(QString());
    m_table.writtenViewCurrent = true;
    return true;
}

QList<int> WrittenView::selectedConnections() const
{
    QList<int> numbers;
    for (const QListWidgetItem* item : m_start->selectedItems()) {
        if (const int number = ConnectionLine::number(item->text()); number > 0)
            numbers << number;
    }
    return numbers;
}

void WrittenView::reselect(const QList<int>& connections)
{
    if (connections.isEmpty())
        return;
    const QSignalBlocker quiet(m_start);
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < m_start->count(); ++row) {
        QListWidgetItem* item = m_start->item(row);
        if (connections.contains(ConnectionLine::number(item->text()))) {
            item->setSelected(true);
            if (!first)
                first = item;
        }
    }
    if (first)
        m_start->scrollToItem(first);
    start_Click();
}

void WrittenView::setContextMenus(QMenu* popbit, QMenu* nosel)
{
    m_popbit = popbit;
    m_nosel = nosel;
}

void WrittenView::setColours(const ViewColours& colours)
{
    QPalette palette = m_start->palette();
    palette.setColor(QPalette::Base, colours.mainBackground);
    palette.setColor(QPalette::Text, colours.mainText);
    m_start->setPalette(palette);
}

QStringList WrittenView::selectedLines() const
{
    QStringList lines;
    for (int row = 0; row < m_start->count(); ++row) {
        const QListWidgetItem* item = m_start->item(row);
        if (item->isSelected())
            lines << item->text();
    }
    return lines;
}

void WrittenView::start_Click()
{
    const SelectionTotals::Texts texts = SelectionTotals::compute(m_table, selectedLines());
    m_tipl->setText(texts.tipl);
    m_ltime->setText(texts.ltime);
    m_lcost->setText(texts.lcost);
}

void WrittenView::start_DblClick()
{
    if (m_start->count() == 0)
        return;
    m_start->clearSelection();
    QListWidgetItem* last = m_start->item(m_start->count() - 1);
    m_start->setCurrentItem(last, QItemSelectionModel::NoUpdate);
    m_start->scrollToItem(last);
    start_Click();
}

void WrittenView::popUpMenu(const QPoint& globalPos)
{
    QMenu* menu = m_start->selectionModel()->hasSelection() ? m_popbit : m_nosel;
    if (menu)
        menu->popup(globalPos);
}

bool WrittenView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_start->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            // A right click acts on the selection as it is; the list must not change it.
            if (mouse->button() == Qt::RightButton) {
                popUpMenu(mouse->globalPosition().toPoint());
                return true;
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
                return true;
            break;
        case QEvent::ToolTip: {
            // A long note runs past the list's edge: its line in full, only then.
            const auto* help = static_cast<QHelpEvent*>(event);
            const QListWidgetItem* item = m_start->itemAt(help->pos());
            const bool cut =
                item != nullptr && m_start->visualItemRect(item).left() +
                                           m_start->fontMetrics().horizontalAdvance(item->text()) >
                                       m_start->viewport()->width();
            if (cut)
                QToolTip::showText(help->globalPos(), item->text(), m_start->viewport());
            else
                QToolTip::hideText();
            return true;
        }
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                start_DblClick();
                return true;
            }
            if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
                return true;
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
