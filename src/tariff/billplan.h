#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// How the telephone bill runs: the day of the month each bill starts on, and what the user wants
// to spend and send in one bill. A budget or a volume cap of zero means none.
class BillPlan
{
public:
    // Every month has a 28th: a bill day after it would fall on different days in February.
    static constexpr int FirstBillDay = 1;
    static constexpr int LastBillDay = 28;
    // The cap is given in megabytes of 1,000,000 bytes, as providers count them.
    static constexpr quint64 BytesPerMegabyte = 1000000;

    // The fields as the tariff editor names them.
    static QString budgetName() { return QStringLiteral("Budget per bill"); }
    static QString volumeCapName() { return QStringLiteral("Volume cap per bill"); }

    int billDay() const { return m_billDay; }
    // Held to FirstBillDay..LastBillDay.
    void setBillDay(int day);
    // An amount in the currency of the rates, as typed.
    QString budget() const { return m_budget; }
    void setBudget(const QString& text) { m_budget = text; }
    // Megabytes, as typed.
    QString volumeCap() const { return m_volumeCap; }
    void setVolumeCap(const QString& text) { m_volumeCap = text; }

    // None when zero, negative or not a number.
    std::optional<double> budgetAmount() const;
    std::optional<quint64> volumeCapBytes() const;

    bool operator==(const BillPlan&) const = default;

private:
    int m_billDay = FirstBillDay;
    QString m_budget = QStringLiteral("0");
    QString m_volumeCap = QStringLiteral("0");
};
