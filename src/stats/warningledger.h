#pragma once

#include "budgetcheck.h"

#include <QDate>
#include <QList>

class SettingsStore;

// Which budget and cap thresholds the user has been told of in the current bill, kept in the
// settings store so that a restart does not tell them again. Only the latest bill is kept.
class WarningLedger
{
public:
    explicit WarningLedger(SettingsStore& store) : m_store(store) {}

    // The thresholds of the bill starting on billStart that have not been told of yet; they
    // count as told from now on.
    QList<BudgetCheck::Threshold> takeNew(const QDate& billStart,
                                          const QList<BudgetCheck::Threshold>& reached);

private:
    SettingsStore& m_store;
};
