#pragma once

#include <QLabel>

class BillPlan;
class ConnectionTable;
class Notifier;
class SettingsStore;
class QDate;

// The status line's budget warning: says in words and colour when the current bill has passed
// 80% or 100% of its budget or volume cap, and tells the desktop once per threshold and bill.
class BudgetWatch : public QLabel
{
    Q_OBJECT
public:
    BudgetWatch(SettingsStore& settings, QWidget* parent = nullptr);

    // None until set: the window then only shows the warning.
    void setNotifier(Notifier* notifier) { m_notifier = notifier; }
    // After every load, and after the budget changes.
    void check(const ConnectionTable& table, const BillPlan& plan, const QDate& today);

private:
    SettingsStore& m_settings;
    Notifier* m_notifier = nullptr;
};
