#pragma once

#include "tests/sim/sim_engine.h"
#include "tests/sim/sim_frame.h"

#include <QByteArray>
#include <QList>
#include <QMap>

// The controller's firmware loader: its flash, the firmware frames written into it, flash
// blocks read back, and leaving for the firmware. It answers while the device runs its
// loader (sim_device::inLoader); the firmware stalls its requests. Restarting into and out
// of the loader is the restart engine's.
class sim_loader_engine : public sim_engine
{
public:
    static constexpr int FlashSize = 0x100000;

    // The flash as the loader keeps it; erased (0xFF) at first.
    QByteArray flash = QByteArray(FlashSize, char(0xFF));
    // Every firmware frame the loader took, in order.
    QList<sim_frame> framesTaken;

    // A firmware frame is written (DONE) this long after it came; -1: never.
    qint64 writeMs = 50;
    // A flash block asked for is offered (DONE) this long after the request; -1: never.
    qint64 readMs = 50;
    // The operation bits (READY, BUSY, DONE, FAILED) of the status replies that follow
    // the frame of block i, one reply each, before the loader's own again.
    QMap<int, QList<u32>> statusAfterFrame;
    // Unfreeze makes the loader start the firmware, which is back on the bus this long
    // after; false: a loader that stays.
    bool startsFirmwareOnUnfreeze = true;
    qint64 firmwareStartMs = 500;

    QList<u8> requests() const override;
    int control(sim_device &device, const sim_setup &setup, u8 *data) override;

private:
    int announceUpgrade(sim_device &device, const sim_setup &setup);
    int takeFrame(sim_device &device, const QByteArray &bytes);
    int offerBlock(sim_device &device, const sim_setup &setup);
    int unfreeze(sim_device &device, const sim_setup &setup, u8 *data);

    int framesAnnounced = 0;
    int framesTakenSinceAnnounce = 0;
};
