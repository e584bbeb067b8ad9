#pragma once

#include "stats/budgetcheck.h"

#include <QLabel>
#include <QStringList>

class BillPlan;
class ConnectionTable;
class Notifier;
class SettingsStore;
class QDate;

// The status line's budget warning: says in words and colour when the current bill has passed
// 80% or 100% of its budget or volume cap, and tells the desktop once per threshold and bill.
// A narrow window shows a shorter form of it, down to the worst threshold and its figure; the
// tool tip and the accessible description hold the whole of it.
class BudgetWatch : public QLabel
{
    Q_OBJECT
public:
    BudgetWatch(SettingsStore& settings, QWidget* parent = nullptr);

    // None until set: the window then only shows the warning.
    void setNotifier(Notifier* notifier) { m_notifier = notifier; }
    // After every load, and after the budget changes.
    void check(const ConnectionTable& table, const BillPlan& plan, const QDate& today);
    // Shows what a check found, in the form the width has room for.
    void showStatus(const BudgetCheck::Status& status);

    // Room for the whole warning, at the least for its shortest form.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int frameExtra() const;
    QSize sizeFor(const QString& form) const;
    // Shows the longest form that fits the width.
    void fit();

    SettingsStore& m_settings;
    Notifier* m_notifier = nullptr;
    QStringList m_forms;
};
