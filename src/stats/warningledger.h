#pragma once

#include "budgetcheck.h"

#include <QDate>
#include <QList>

class SettingsStore;

// Which budget and cap thresholds the user has been told of in each bill, kept in the settings
// store so that neither a restart nor a clock set back and forward again tells them twice. The
// bills told of last are kept, a year of them.
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
