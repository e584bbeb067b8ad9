#include "benchreport.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

double BenchReport::bestMs(int runs, const std::function<void()>& work,
                           const std::function<void()>& prepare)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return *std::min_element(times.begin(), times.end());
}

void BenchReport::add(const QString& name, double value, double target, const QString& unit)
{
    const bool met = value <= target;
    ++m_figures;
    m_missed += met ? 0 : 1;
    std::printf("%-58s %9.3f %-3s target %8.3f %-3s ratio %5.2f  %s\n", qPrintable(name), value,
                qPrintable(unit), target, qPrintable(unit), value / target, met ? "ok" : "MISSED");
    std::fflush(stdout);
}

void BenchReport::note(const QString& name, double value, const QString& unit)
{
    std::printf("%-58s %9.3f %-3s\n", qPrintable(name), value, qPrintable(unit));
    std::fflush(stdout);
}

bool BenchReport::finish() const
{
    std::printf("%d figures, %d targets missed\n", m_figures, m_missed);
    return m_missed == 0;
}
