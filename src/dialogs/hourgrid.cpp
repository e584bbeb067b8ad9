#include "hourgrid.h"

#include "colourbox.h"
#include "gridstep.h"
#include "platform/formats.h"
#include "tariff/tarifftable.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <cstdlib>

namespace
{
constexpr int kDays = TariffTable::DayCount;
constexpr int kHours = TariffTable::HourCount;
constexpr int kFirstCellRow = 2;
constexpr int kFirstCellColumn = 1;
} // namespace

HourGrid::HourGrid(TariffTable& tariff, QWidget* parent) : QWidget(parent), m_tariff(tariff)
{
    setObjectName(QStringLiteral("hourgrid"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(2);
    layout->setVerticalSpacing(2);

    m_header = new QLabel(QStringLiteral("&Time (Hours in the day)"), this);
    // The header's mnemonic reaches the current cell through the focus proxy.
    setFocusPolicy(Qt::TabFocus);
    m_header->setBuddy(this);
    // The header stands inside the grid, where a screen reader does not look for its label.
    setAccessibleName(QString(m_header->text()).remove(QLatin1Char('&')));
    layout->addWidget(m_header, 0, kFirstCellColumn, 1, kHours, Qt::AlignHCenter);
    for (int hour = 0; hour < kHours; ++hour) {
        auto* label = new QLabel(Formats::zeroHash(hour), this);
        layout->addWidget(label, 1, kFirstCellColumn + hour, Qt::AlignHCenter | Qt::AlignBottom);
    }
    for (int day = 0; day < kDays; ++day) {
        const QString prefix = TariffTable::dayPrefix(day);
        layout->addWidget(new QLabel(prefix, this), kFirstCellRow + day, 0);
        for (int hour = 0; hour < kHours; ++hour) {
            auto* box = new ColourBox(this);
            box->setObjectName(prefix.toLower() + QStringLiteral("box_") + QString::number(hour));
            box->setAccessibleName(prefix + QLatin1Char(' ') + Formats::zeroHash(hour));
            box->setFocusPolicy(Qt::ClickFocus);
            box->installEventFilter(this);
            connect(box, &QAbstractButton::clicked, this, [this, day, hour] { paint(day, hour); });
            m_cells[std::size_t(day * kHours + hour)] = box;
            layout->addWidget(box, kFirstCellRow + day, kFirstCellColumn + hour);
        }
    }
    setCurrent(0, 0);
    refresh();
}

void HourGrid::refresh()
{
    for (int day = 0; day < kDays; ++day) {
        for (int hour = 0; hour < kHours; ++hour)
            showCell(day, hour);
    }
}

ColourBox* HourGrid::cell(int day, int hour) const
{
    return m_cells.at(std::size_t(day * kHours + hour));
}

void HourGrid::paint(int day, int hour)
{
    m_tariff.setCellColour(day, hour, TariffTable::swatchColour(m_paintRate));
    showCell(day, hour);
}

void HourGrid::showCell(int day, int hour)
{
    ColourBox* box = cell(day, hour);
    box->setColour(m_tariff.cellColour(day, hour));
    // The colour is all the cell shows, so its rate is also told in words.
    const int rate = m_tariff.rateOfCell(day, hour);
    const QString text =
        rate < 0 ? QStringLiteral("No rate") : QStringLiteral("Rate ") + QString::number(rate + 1);
    box->setAccessibleDescription(text);
    box->setToolTip(box->accessibleName() + QStringLiteral(": ") + text);
}

int HourGrid::indexOf(const QObject* box) const
{
    const auto found = std::find(m_cells.begin(), m_cells.end(), box);
    return found == m_cells.end() ? -1 : int(found - m_cells.begin());
}

bool HourGrid::eventFilter(QObject* watched, QEvent* event)
{
    const int index = indexOf(watched);
    if (index < 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        paint(index / kHours, index % kHours);
        cell(index / kHours, index % kHours)->setFocus(Qt::MouseFocusReason);
        m_sweeping = true;
        m_lastPoint = mapFromGlobal(mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_sweeping || !(mouse->buttons() & Qt::LeftButton))
            return false;
        sweepTo(mapFromGlobal(mouse->globalPosition().toPoint()));
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        m_sweeping = false;
        return true;
    case QEvent::FocusIn:
        setCurrent(index / kHours, index % kHours);
        return false;
    case QEvent::KeyPress:
        return moveCurrent(static_cast<QKeyEvent*>(event)->key());
    default:
        return false;
    }
}

void HourGrid::sweepTo(const QPoint& to)
{
    const QPoint from = m_lastPoint;
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    for (int i = 1; i <= steps; ++i)
        paintAt(from + (to - from) * (double(i) / steps));
    if (steps == 0)
        paintAt(to);
    m_lastPoint = to;
}

void HourGrid::paintAt(const QPoint& point)
{
    const int index = indexOf(childAt(point));
    if (index >= 0)
        paint(index / kHours, index % kHours);
}

void HourGrid::setCurrent(int day, int hour)
{
    const int index = day * kHours + hour;
    m_cells[std::size_t(m_current)]->setFocusPolicy(Qt::ClickFocus);
    m_current = index;
    m_cells[std::size_t(index)]->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_cells[std::size_t(index)]);
}

bool HourGrid::moveCurrent(int key)
{
    const std::optional<int> next = gridStep(m_current, kDays, kHours, key);
    if (!next)
        return false;
    setCurrent(*next / kHours, *next % kHours);
    cell(*next / kHours, *next % kHours)->setFocus(Qt::OtherFocusReason);
    return true;
}
