#include "bench/sample_series.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

std::vector<double> sorted(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

} // namespace

double sample_series::median() const
{
    if (values.empty())
        return 0;
    const std::vector<double> s = sorted(values);
    const size_t middle = s.size() / 2;
    return s.size() % 2 ? s[middle] : (s[middle - 1] + s[middle]) / 2;
}

double sample_series::lowest() const
{
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

double sample_series::highest() const
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

void sample_series::print(const char *label, const char *unit, int indent) const
{
    std::printf("%*s%-*s %9.2f %-3s [%9.2f .. %9.2f]\n", indent, "", 50 - indent, label, median(), unit, lowest(),
                highest());
}

double wallMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}
