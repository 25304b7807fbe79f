#pragma once

#include <functional>
#include <vector>

// The values one benchmark figure took over its rounds (times in milliseconds, or ratios
// of two times taken in the same round), summarised as the median and the spread.
class sample_series
{
public:
    void add(double value) { values.push_back(value); }
    int count() const { return int(values.size()); }
    double median() const;
    double lowest() const;
    double highest() const;

    // The label indented by `indent` blanks, then the median and the lowest and highest
    // value: "12.34 ms [11.90 .. 13.05]".
    void print(const char *label, const char *unit, int indent = 2) const;

private:
    std::vector<double> values;
};

// The wall-clock time of one call of work, in milliseconds.
double wallMs(const std::function<void()> &work);
// The CPU time the calling thread has used so far, in milliseconds (the transfers run
// wholly in the thread that starts them; other threads of Qt stay out of the figure).
double threadCpuMs();
