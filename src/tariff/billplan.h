#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// How the telephone bill runs: the day of the month each bill starts on, what the user wants to
// spend and send in one bill, and a data plan's charges: an allowance of bytes per bill, a price
// per megabyte beyond it and a fixed price per bill. A budget, cap or allowance of zero means
// none; prices of zero charge nothing.
class BillPlan
{
public:
    // Every month has a 28th: a bill day after it would fall on different days in February.
    static constexpr int FirstBillDay = 1;
    static constexpr int LastBillDay = 28;
    // The cap is given in megabytes of 1,000,000 bytes, as providers count them.
    static constexpr quint64 BytesPerMegabyte = 1000000;
    // The allowance's unit; a gigabyte is 1000 megabytes, as providers count them too.
    enum class Unit { Megabytes, Gigabytes };

    // The fields as the tariff editor names them.
    static QString budgetName() { return QStringLiteral("Budget per bill"); }
    static QString volumeCapName() { return QStringLiteral("Volume cap per bill"); }
    static QString allowanceName() { return QStringLiteral("Allowance per bill"); }
    static QString pricePerMegabyteName() { return QStringLiteral("Price per MB beyond it"); }
    static QString fixedPriceName() { return QStringLiteral("Fixed price per bill"); }
    // "MB", "GB": how the unit is shown and stored.
    static QString unitText(Unit unit);
    static std::optional<Unit> unitFromText(const QString& text);

    int billDay() const { return m_billDay; }
    // Held to FirstBillDay..LastBillDay.
    void setBillDay(int day);
    // An amount in the currency of the rates, as typed.
    QString budget() const { return m_budget; }
    void setBudget(const QString& text) { m_budget = text; }
    // Megabytes, as typed.
    QString volumeCap() const { return m_volumeCap; }
    void setVolumeCap(const QString& text) { m_volumeCap = text; }
    // In the allowance's unit, as typed.
    QString allowance() const { return m_allowance; }
    void setAllowance(const QString& text) { m_allowance = text; }
    Unit allowanceUnit() const { return m_allowanceUnit; }
    void setAllowanceUnit(Unit unit) { m_allowanceUnit = unit; }
    // Amounts in the currency of the rates, as typed.
    QString pricePerMegabyte() const { return m_pricePerMegabyte; }
    void setPricePerMegabyte(const QString& text) { m_pricePerMegabyte = text; }
    QString fixedPrice() const { return m_fixedPrice; }
    void setFixedPrice(const QString& text) { m_fixedPrice = text; }

    // None when zero, negative or not a number.
    std::optional<double> budgetAmount() const;
    std::optional<quint64> volumeCapBytes() const;
    std::optional<quint64> allowanceBytes() const;
    // 0 when zero or not a number.
    double pricePerMegabyteAmount() const;
    double fixedPriceAmount() const;
    // Whether bytes cost anything: only then can a call's unknown bytes leave its cost unknown.
    bool pricesVolume() const { return pricePerMegabyteAmount() > 0; }
    // The price of that many bytes beyond the allowance.
    double volumePrice(quint64 bytes) const;

    bool operator==(const BillPlan&) const = default;

private:
    int m_billDay = FirstBillDay;
    QString m_budget = QStringLiteral("0");
    QString m_volumeCap = QStringLiteral("0");
    QString m_allowance = QStringLiteral("0");
    Unit m_allowanceUnit = Unit::Megabytes;
    QString m_pricePerMegabyte = QStringLiteral("0");
    QString m_fixedPrice = QStringLiteral("0");
};
