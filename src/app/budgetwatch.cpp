#include "budgetwatch.h"

#include "platform/notifier.h"
#include "stats/budgetcheck.h"
#include "stats/warningledger.h"
#include "tariff/billplan.h"

namespace
{
// Amber for 80%, red for 100%: the words say the same, for those who cannot tell the colours.
const QString kNearStyle =
    QStringLiteral("QLabel { background: #ffc107; color: #000000; padding: 1px 6px; }");
const QString kOverStyle =
    QStringLiteral("QLabel { background: #b71c1c; color: #ffffff; padding: 1px 6px; }");
} // namespace

BudgetWatch::BudgetWatch(SettingsStore& settings, QWidget* parent)
    : QLabel(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("budgetwarning"));
    setAccessibleName(QStringLiteral("Budget warning"));
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // In a narrow window the warning is cut short rather than the window kept wide; its tooltip
    // holds the whole of it.
    setMinimumWidth(fontMetrics().averageCharWidth() * 16);
    hide();
}

void BudgetWatch::check(const ConnectionTable& table, const BillPlan& plan, const QDate& today)
{
    const BillStatistics::Figures bill = BillStatistics::billBack(table, plan, 0, today);
    const BudgetCheck::Status status = BudgetCheck::check(bill, plan);
    setText(status.warning);
    setToolTip(status.warning);
    setStyleSheet(status.level == BudgetCheck::Level::Over ? kOverStyle : kNearStyle);
    setVisible(status.level != BudgetCheck::Level::Clear);

    const QList<BudgetCheck::Threshold> fresh =
        WarningLedger(m_settings).takeNew(bill.period.first(), status.reached);
    if (!m_notifier)
        return;
    // Passing 80% and 100% at once (the first load of a bill, say) makes one notification.
    for (const BudgetCheck::Usage& use : status.usages) {
        const bool told = std::any_of(fresh.cbegin(), fresh.cend(),
                                      [&use](const BudgetCheck::Threshold& threshold) {
                                          return threshold.measure == use.measure;
                                      });
        if (told)
            m_notifier->notify(use.measure == BudgetCheck::Measure::Cost
                                   ? QStringLiteral("Dialtrak: bill budget")
                                   : QStringLiteral("Dialtrak: volume cap"),
                               use.warning);
    }
}
