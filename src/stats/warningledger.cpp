#include "warningledger.h"

#include "platform/formats.h"
#include "platform/settingsstore.h"

#include <QStringList>

namespace
{
const QString kSection = QStringLiteral("Warnings");
// "2026-12-15 cost80 2026-11-15 cost80 cost100": each bill's first day and the thresholds told
// of in it, the bill told of last first. Earlier versions kept one bill in the same form.
const QString kSent = QStringLiteral("Sent");
// A year of bills: a clock set back by months still finds its bill told of. A bill further
// back is not the current one again, and the setting stays short.
constexpr qsizetype KeptBills = 12;

struct Bill {
    QString start;
    QStringList told;
};

QList<Bill> billsIn(const QString& text)
{
    QList<Bill> bills;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // A threshold's key is never a date.
        if (QDate::fromString(word, Qt::ISODate).isValid())
            bills.append({word, {}});
        else if (!bills.isEmpty())
            bills.last().told << word;
    }
    return bills;
}

QString textOf(const QList<Bill>& bills)
{
    QStringList words;
    for (const Bill& bill : bills)
        words << bill.start << bill.told;
    return words.join(QLatin1Char(' '));
}
} // namespace

QList<BudgetCheck::Threshold> WarningLedger::takeNew(const QDate& billStart,
                                                     const QList<BudgetCheck::Threshold>& reached)
{
    QList<Bill> bills = billsIn(m_store.read(kSection, kSent, QString()));
    Bill bill{Formats::isoDate(billStart), {}};
    for (qsizetype i = 0; i < bills.size(); ++i) {
        if (bills.at(i).start == bill.start) {
            bill = bills.takeAt(i);
            break;
        }
    }
    QList<BudgetCheck::Threshold> fresh;
    for (const BudgetCheck::Threshold& threshold : reached) {
        if (!bill.told.contains(threshold.key())) {
            fresh << threshold;
            bill.told << threshold.key();
        }
    }
    if (fresh.isEmpty())
        return fresh;
    bills.prepend(bill);
    m_store.write(kSection, kSent, textOf(bills.first(std::min(bills.size(), KeptBills))));
    return fresh;
}
