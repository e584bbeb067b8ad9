#include "warningledger.h"

#include "platform/formats.h"
#include "platform/settingsstore.h"

#include <QStringList>

namespace
{
const QString kSection = QStringLiteral("Warnings");
// "2026-11-15 cost80 cost100": the bill's first day and the thresholds told of.
const QString kSent = QStringLiteral("Sent");
} // namespace

QList<BudgetCheck::Threshold> WarningLedger::takeNew(const QDate& billStart,
                                                     const QList<BudgetCheck::Threshold>& reached)
{
    QStringList stored =
        m_store.read(kSection, kSent, QString()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString bill = Formats::isoDate(billStart);
    // Another bill's thresholds say nothing about this one.
    if (stored.value(0) != bill)
        stored = QStringList{bill};
    QList<BudgetCheck::Threshold> fresh;
    for (const BudgetCheck::Threshold& threshold : reached) {
        if (!stored.contains(threshold.key())) {
            fresh << threshold;
            stored << threshold.key();
        }
    }
    if (!fresh.isEmpty())
        m_store.write(kSection, kSent, stored.join(QLatin1Char(' ')));
    return fresh;
}
