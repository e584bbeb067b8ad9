#include "billpanel.h"

#include "platform/clock.h"
#include "platform/formats.h"
#include "stats/billstatistics.h"
#include "stats/budgetcheck.h"
#include "tariff/tarifftable.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
const QString kTimeAndCost = QStringLiteral("Total Time and Cost");
const QString kCalls = QStringLiteral("Number of calls");
const QString kVolume = QStringLiteral("Volume sent and received");
const QString kUsed = QStringLiteral("Budget used");
const QString kAllowance = QStringLiteral("Allowance used and left");
const QString kFixedPrice = QStringLiteral("Fixed price per bill");
} // namespace

BillPanel::BillPanel(const ConnectionTable& table, const TariffTable& tariff, const Clock& clock,
                     QWidget* parent)
    : QFrame(parent), m_table(table), m_tariff(tariff), m_clock(clock)
{
    setObjectName(QStringLiteral("billpanel"));
    setAccessibleName(QStringLiteral("Bills"));
    m_grid = new QGridLayout(this);

    auto* top = new QHBoxLayout;
    m_heading = addHeading(QStringLiteral("billheading"), QString());
    top->addWidget(m_heading);
    top->addStretch();
    m_earlier = new QPushButton(QStringLiteral("< &Earlier bill"), this);
    m_earlier->setObjectName(QStringLiteral("earlierbill"));
    m_earlier->setAccessibleName(QStringLiteral("Earlier bill"));
    m_later = new QPushButton(QStringLiteral("&Later bill >"), this);
    m_later->setObjectName(QStringLiteral("laterbill"));
    m_later->setAccessibleName(QStringLiteral("Later bill"));
    top->addWidget(m_earlier);
    top->addWidget(m_later);
    m_grid->addLayout(top, 0, 0, 1, 4);

    m_grid->addWidget(addHeading(QStringLiteral("billtimeheading"), kTimeAndCost), 1, 0);
    m_time = addValue(QStringLiteral("billtime"), kTimeAndCost);
    m_cost = addValue(QStringLiteral("billcost"), kTimeAndCost);
    m_grid->addWidget(m_time, 1, 1);
    m_grid->addWidget(m_cost, 1, 2);
    m_projection = addHeading(QStringLiteral("billprojection"), QString());
    // Under the cost, what it leaves out: wrapped, so a long note never widens the panels.
    m_unknownVolume = addHeading(QStringLiteral("billunknownvolume"), QString());
    m_unknownVolume->setWordWrap(true);
    auto* underCost = new QVBoxLayout;
    underCost->addWidget(m_projection);
    underCost->addWidget(m_unknownVolume);
    m_grid->addLayout(underCost, 2, 1, 1, 3);

    m_grid->addWidget(addHeading(QStringLiteral("billcallsheading"), kCalls), 3, 0);
    m_calls = addValue(QStringLiteral("billcalls"), kCalls);
    m_grid->addWidget(m_calls, 3, 1);

    m_volumeHeading = addHeading(QStringLiteral("billvolumeheading"), kVolume);
    m_volume = addValue(QStringLiteral("billvolume"), kVolume);
    m_grid->addWidget(m_volumeHeading, 4, 0);
    m_grid->addWidget(m_volume, 4, 1);
    m_volumeProjection = addHeading(QStringLiteral("billvolumeprojection"), QString());
    m_grid->addWidget(m_volumeProjection, 4, 2, 1, 2);

    m_usedHeading = addHeading(QStringLiteral("billusedheading"), kUsed);
    m_grid->addWidget(m_usedHeading, 5, 0);
    for (const char* name : {"billused_0", "billused_1"}) {
        m_used << addValue(QLatin1String(name), kUsed);
        m_grid->addWidget(m_used.last(), 5, int(m_used.size()));
    }

    m_allowanceHeading = addHeading(QStringLiteral("billallowanceheading"), kAllowance);
    m_allowance = addValue(QStringLiteral("billallowance"), kAllowance);
    m_grid->addWidget(m_allowanceHeading, 6, 0);
    m_grid->addWidget(m_allowance, 6, 1, 1, 3);
    m_fixedPriceHeading = addHeading(QStringLiteral("billfixedpriceheading"), kFixedPrice);
    m_fixedPrice = addValue(QStringLiteral("billfixedprice"), kFixedPrice);
    m_grid->addWidget(m_fixedPriceHeading, 7, 0);
    m_grid->addWidget(m_fixedPrice, 7, 1);

    connect(m_earlier, &QPushButton::clicked, this, [this] { step(1); });
    connect(m_later, &QPushButton::clicked, this, [this] { step(-1); });
    refresh();
}

QLabel* BillPanel::addHeading(const QString& name, const QString& caption)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    m_headings << label;
    return label;
}

QLabel* BillPanel::addValue(const QString& name, const QString& description)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    // A screen reader tells which figure it reads.
    label->setAccessibleDescription(description);
    m_values << label;
    return label;
}

void BillPanel::step(int bills)
{
    m_billsBack += bills;
    refresh();
    // The button pressed may have just been disabled: keep the focus in the panel.
    if (!m_earlier->isEnabled() && m_earlier->hasFocus())
        m_later->setFocus();
    if (!m_later->isEnabled() && m_later->hasFocus())
        m_earlier->setFocus();
}

void BillPanel::refresh()
{
    const QDate today = m_clock.today();
    const BillPlan& plan = m_tariff.appliedBillPlan();
    const int earliest = BillStatistics::earliestBillBack(m_table, plan.billDay(), today);
    m_billsBack = qBound(0, m_billsBack, earliest);
    const BillStatistics::Figures bill =
        BillStatistics::billBack(m_table, plan, m_billsBack, today);

    m_heading->setText(BillStatistics::heading(bill));
    m_earlier->setEnabled(m_billsBack < earliest);
    m_later->setEnabled(m_billsBack > 0);
    m_time->setText(bill.time);
    m_cost->setText(Formats::currency(bill.cost));
    // A bill that has ended has no projection.
    m_projection->setText(BillStatistics::projection(bill));
    m_projection->setVisible(!m_projection->text().isEmpty());
    m_calls->setText(QString::number(bill.calls));
    // Where bytes are priced but some call's are not known, the cost says what it leaves out.
    m_unknownVolume->setText(BillStatistics::unknownVolumeNote(bill));
    m_unknownVolume->setVisible(!m_unknownVolume->text().isEmpty());

    // Only where the source of some call of the bill counts bytes.
    m_volume->setText(bill.volume ? Formats::dataSize(*bill.volume) : QStringLiteral("unknown"));
    m_volumeHeading->setVisible(bill.volume.has_value());
    m_volume->setVisible(bill.volume.has_value());
    m_volumeProjection->setText(BillStatistics::volumeProjection(bill));
    m_volumeProjection->setVisible(!m_volumeProjection->text().isEmpty());
    showOptional(m_allowanceHeading, m_allowance, BillStatistics::allowanceText(bill));
    showOptional(m_fixedPriceHeading, m_fixedPrice,
                 bill.fixedPrice > 0 ? Formats::currency(bill.fixedPrice) : QString());

    const BudgetCheck::Status status = BudgetCheck::check(bill, plan);
    QStringList shares;
    for (qsizetype i = 0; i < m_used.size(); ++i) {
        const bool shown = i < status.usages.size();
        m_used[i]->setText(shown ? status.usages[i].used : QStringLiteral("none"));
        m_used[i]->setVisible(shown);
        if (shown)
            shares << (status.usages[i].measure == BudgetCheck::Measure::Cost
                           ? QStringLiteral("budget")
                           : QStringLiteral("volume cap"));
    }
    // "Budget used", "Volume cap used" or "Budget and volume cap used".
    QString used = shares.join(QLatin1String(" and ")) + QLatin1String(" used");
    used[0] = used[0].toUpper();
    m_usedHeading->setText(used);
    for (QLabel* label : m_used)
        label->setAccessibleDescription(used);
    m_usedHeading->setVisible(!shares.isEmpty());
}

void BillPanel::showOptional(QLabel* heading, QLabel* value, const QString& text)
{
    // Hidden, a figure still reads as something.
    value->setText(text.isEmpty() ? QStringLiteral("none") : text);
    heading->setVisible(!text.isEmpty());
    value->setVisible(!text.isEmpty());
}
