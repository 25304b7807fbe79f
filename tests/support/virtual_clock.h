#pragma once

#include "model/clock_interface.h"

#include <functional>

// Virtual time for tests: waiting advances the clock at once, so "90 passes of 100 ms"
// run in microseconds and are asserted as counts. Installs itself for its lifetime.
class virtual_clock : public clock_interface
{
public:
    explicit virtual_clock(const QDateTime &start = QDateTime(QDate(2026, 6, 1), QTime(12, 0)));
    ~virtual_clock() override;

    void wait100ms() override;
    qint64 elapsedMs() const override;
    QDateTime currentDateTime() const override;

    // Moves time on without a wait (e.g. to model the time a transfer takes).
    void advance(qint64 ms);

    qint64 nowMs = 0;
    int waits = 0;  // number of wait100ms calls
    QDateTime startDateTime;
    // Called after every advance with the new time; the simulated controller uses it.
    std::function<void(qint64)> onAdvance;
};
