#pragma once

#include "model/types.h"
#include "tests/sim/sim_engine.h"

#include <QByteArray>
#include <QList>

// The real-time clock: the 8-byte BCD clock record (read and set) and its calibration.
class sim_clock_engine : public sim_engine
{
public:
    QList<u8> requests() const override;
    int control(sim_device &device, const sim_setup &setup, u8 *data) override;

    // What a clock read returns: seconds, minutes, hours, day of the week, day, month
    // (with the daylight-saving bits), year - 2000, calibration. Thursday 31.12.2026
    // 23:59:30, no daylight saving, calibration +5.
    u8 record[8] = {0x30, 0x59, 0x23, 0x04, 0x31, 0x12, 0x26, 0x25};
    // A clock that does not answer: every read stalls.
    bool readStalls = false;
    // Every record the host set, and every calibration code it sent, in order.
    QList<QByteArray> setRecords;
    QList<int> calibrationCodes;
};
