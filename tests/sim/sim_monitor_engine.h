#pragma once

#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_engine.h"

#include <QByteArray>

#include <array>

// What the controller shows the monitor: the states of its 24 inputs, its DMX output
// values (32, or 64 from firmware 3.00.0011 on) and the internal-states report. The input
// types come with a block of the configuration memory (sim_config_memory_engine). Data the host asks for is offered as one
// bulk transfer and announced with DONE, at once or after a delay.
class sim_monitor_engine : public sim_engine
{
public:
    static constexpr int InputCount = sim_protocol::monitor::InputCount;
    static constexpr int DmxChannels = sim_protocol::monitor::DmxValues;
    static constexpr int ReportLengthMin = sim_protocol::monitor::ReportLengthMin;
    static constexpr int ReportLengthMax = sim_protocol::monitor::ReportLengthMax;

    sim_monitor_engine();

    QList<u8> requests() const override;
    int control(sim_device &device, const sim_setup &setup, u8 *data) override;

    // Bit i: input i + 1 is active.
    u32 inputStates = 0;
    // Output values of channels 1..64.
    std::array<u8, DmxChannels> dmxOutput = {};
    // Values sent per DMX read: 0 for the firmware's count, else this many.
    int dmxValueCount = 0;
    // The report offered after MONITOR 6, and the length announced for it (-1: its size).
    QByteArray internalStates;
    int announcedLength = -1;
    // DONE this long after a read is announced.
    qint64 dataReadyAfterMs = 0;

    bool monitoring = false;  // between MONITOR 2 and 3

    // A report of `length` bytes whose whole words sum to zero; the bytes after the last
    // whole word are 0xAB.
    static QByteArray makeReport(int length);
    // The values a DMX read sends at the device's firmware.
    int dmxValuesSent(const sim_device &device) const;

private:
    int monitorCommand(sim_device &device, const sim_setup &setup, u8 *data);
    // Offers bytes for the next bulk read and announces them.
    void offer(sim_device &device, const QByteArray &bytes);
};
