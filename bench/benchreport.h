#pragma once

#include <QString>
#include <functional>
#include <vector>

// The figures of one benchmark run, each against its target: printed one line each, and a
// missed target makes the run fail.
class BenchReport
{
public:
    // The best of several timed runs of work, in milliseconds, which the other programs of a
    // busy machine disturb least; prepare runs untimed before each.
    static double bestMs(
        int runs, const std::function<void()>& work, const std::function<void()>& prepare = [] {});

    // A figure to stay at or under its target (a time in ms, or a ratio).
    void add(const QString& name, double value, double target, const QString& unit);
    // A figure without a target, for comparison.
    void note(const QString& name, double value, const QString& unit);
    // Prints the summary; true when every target was met.
    bool finish() const;

private:
    int m_missed = 0;
    int m_figures = 0;
};
