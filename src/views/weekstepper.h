#pragma once

#include <QSpinBox>

// An up-down control counting weeks: an arrow adds or takes one week, a page step four.
class WeekStepper : public QSpinBox
{
public:
    static constexpr int PageWeeks = 4;

    explicit WeekStepper(QWidget* parent = nullptr);
    void stepBy(int steps) override;
};
