#pragma once

#include <QSpinBox>

// An up-down control counting weeks: an arrow adds or takes one week, a page step four. A
// number typed above the limit becomes the limit, as a scroll bar moved past its end does.
class WeekStepper : public QSpinBox
{
public:
    static constexpr int PageWeeks = 4;

    explicit WeekStepper(QWidget* parent = nullptr);
    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;

private:
    bool aboveLimit(const QString& text) const;
};
