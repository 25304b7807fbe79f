#pragma once

#include "tests/sim/sim_engine.h"

#include <QByteArray>
#include <QHash>

// The controller's 2 MB configuration memory and the requests that move it: a block
// write (READY, one frame taken and stored at its address, DONE) and the block reads
// (that many 8 KB or 64 KB frames offered from an offset, DONE while one waits), the
// whole-configuration read's and the monitor's alike. Both need configuration mode. The
// memory lives through restarts.
class sim_config_memory_engine : public sim_engine
{
public:
    sim_config_memory_engine();

    QList<u8> requests() const override;
    int control(sim_device &device, const sim_setup &setup, u8 *data) override;

    // Byte for byte the configuration memory; image offset 0 is controller address
    // 0x62000000. Unwritten memory holds 0xFF.
    QByteArray memory;
    // Frames stored by block writes.
    int framesStored = 0;

    // Block writes announced and frames the host has read, since the controller started.
    int writesAnnounced = 0;
    int framesRead = 0;
    // A controller that stops in the middle: it never raises READY for the write announced
    // as number n (0-based), never reports DONE for the write frame n, never DONE while the
    // read frame n waits. -1: never.
    int withholdReadyForWrite = -1;
    int withholdDoneForWrite = -1;
    int withholdDoneForRead = -1;
    // A controller that garbles addresses: read frame n carries this address (the frame
    // stays well formed).
    QHash<int, u32> readFrameAddress;

private:
    int announceWrite(sim_device &device, const sim_setup &setup);
    int offerBlocks(sim_device &device, const sim_setup &setup, int blockSize);
    // A frame the host wrote after announcing it: the bytes taken.
    int takeFrame(sim_device &device, const QByteArray &bytes);
    // DONE while an offered frame waits (unless withheld for it).
    void showOfferDone(sim_device &device);
};
