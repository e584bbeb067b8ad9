#include "budgetwatch.h"

#include "platform/notifier.h"
#include "stats/warningledger.h"
#include "tariff/billplan.h"

#include <QResizeEvent>

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
    hide();
}

void BudgetWatch::check(const ConnectionTable& table, const BillPlan& plan, const QDate& today)
{
    const BillStatistics::Figures bill = BillStatistics::billBack(table, plan, 0, today);
    const BudgetCheck::Status status = BudgetCheck::check(bill, plan);
    showStatus(status);

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

void BudgetWatch::showStatus(const BudgetCheck::Status& status)
{
    m_forms = status.forms;
    // Whatever the width shows, the whole warning is there to hover over and to hear.
    setToolTip(status.warning);
    setAccessibleDescription(status.warning);
    setStyleSheet(status.level == BudgetCheck::Level::Over ? kOverStyle : kNearStyle);
    fit();
    updateGeometry();
    setVisible(status.level != BudgetCheck::Level::Clear);
}

QSize BudgetWatch::sizeHint() const
{
    return sizeFor(m_forms.isEmpty() ? QString() : m_forms.first());
}

QSize BudgetWatch::minimumSizeHint() const
{
    // The worst threshold and its figure stay in sight however narrow the window.
    return sizeFor(m_forms.isEmpty() ? QString() : m_forms.last());
}

void BudgetWatch::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

int BudgetWatch::frameExtra() const
{
    // The padding and frame around the text, as the label measures the text it shows.
    return QLabel::sizeHint().width() - fontMetrics().horizontalAdvance(text());
}

QSize BudgetWatch::sizeFor(const QString& form) const
{
    return {fontMetrics().horizontalAdvance(form) + frameExtra(), QLabel::sizeHint().height()};
}

void BudgetWatch::fit()
{
    const int room = width() - frameExtra();
    for (const QString& form : std::as_const(m_forms)) {
        if (fontMetrics().horizontalAdvance(form) <= room) {
            setText(form);
            return;
        }
    }
    // Narrower than the window lets it be: the start of the shortest form, the worst's words.
    setText(m_forms.isEmpty() ? QString()
                              : fontMetrics().elidedText(m_forms.last(), Qt::ElideRight, room));
}
