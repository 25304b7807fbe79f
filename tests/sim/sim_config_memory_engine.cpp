#include "tests/sim/sim_config_memory_engine.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_frame.h"

using namespace sim_protocol;

namespace {

bool inConfigurationMode(const sim_device &device)
{
    return (device.status & status::Configuration) != 0;
}

} // namespace

sim_config_memory_engine::sim_config_memory_engine()
    : memory(ImageSize, char(0xFF))
{
}

QList<u8> sim_config_memory_engine::requests() const
{
    return {request::WriteBlock, request::ReadBlocks8K, request::ReadBlocks64K};
}

int sim_config_memory_engine::control(sim_device &device, const sim_setup &setup, u8 *)
{
    if (!expect(device, setup, false, 0))
        return usb_error::Pipe;
    if (!inConfigurationMode(device)) {
        device.problems << QStringLiteral("%1 outside configuration mode").arg(requestName(setup.request()));
        return usb_error::Pipe;
    }
    switch (setup.request()) {
    case request::WriteBlock: return announceWrite(device, setup);
    case request::ReadBlocks8K: return offerBlocks(device, setup, SmallBlock);
    case request::ReadBlocks64K: return offerBlocks(device, setup, LargeBlock);
    }
    return usb_error::Pipe;
}

int sim_config_memory_engine::announceWrite(sim_device &device, const sim_setup &setup)
{
    if (setup.value() != 1 || setup.index() != 0)
        device.problems << QStringLiteral("WRITE_BLOCK v=%1 i=%2").arg(setup.value()).arg(setup.index());
    device.beginOperation();
    if (writesAnnounced++ != withholdReadyForWrite)
        device.status |= status::Ready;
    sim_device *d = &device;
    device.bulkOutSink = [this, d](const QByteArray &bytes) { return takeFrame(*d, bytes); };
    return 0;
}

int sim_config_memory_engine::takeFrame(sim_device &device, const QByteArray &bytes)
{
    device.bulkOutSink = nullptr;
    device.status &= ~u32(status::Ready);
    const sim_frame f = sim_frame::parse(bytes);
    const qint64 offset = qint64(f.address) - qint64(ImageBase);
    const int size = int(f.data.size());
    const bool fits = offset >= 0 && offset + size <= memory.size();
    if (!f.valid || f.command != frame_command::Configuration || !fits || (size != SmallBlock && size != LargeBlock)) {
        // A broken frame is not stored and never reported done.
        device.problems << QStringLiteral("configuration frame refused (%1 bytes)").arg(bytes.size());
        device.status |= status::Failed;
        return int(bytes.size());
    }
    memory.replace(int(offset), size, f.data);
    if (framesStored++ != withholdDoneForWrite)
        device.status |= status::Done;
    return int(bytes.size());
}

int sim_config_memory_engine::offerBlocks(sim_device &device, const sim_setup &setup, int blockSize)
{
    const int count = setup.value();
    const qint64 first = qint64(setup.index()) * OffsetUnit;
    if (count < 1 || first + qint64(count) * blockSize > memory.size()) {
        device.problems << QStringLiteral("%1 of %2 blocks from 0x%3")
                               .arg(requestName(setup.request()))
                               .arg(count)
                               .arg(first, 0, 16);
        return usb_error::Pipe;
    }
    device.beginOperation();
    device.bulkInQueue.clear();
    for (int i = 0; i < count; ++i) {
        const qint64 offset = first + qint64(i) * blockSize;
        const u32 address = readFrameAddress.value(framesRead + i, ImageBase + u32(offset));
        // A read frame carries the read request's code; the host looks only at its address.
        device.bulkInQueue.enqueue(
            sim_frame::make(setup.request(), u8(i), address, memory.mid(int(offset), blockSize)).bytes());
    }
    sim_device *d = &device;
    device.bulkInTaken = [this, d] {
        ++framesRead;
        showOfferDone(*d);
    };
    showOfferDone(device);
    return 0;
}

void sim_config_memory_engine::showOfferDone(sim_device &device)
{
    if (!device.bulkInQueue.isEmpty() && framesRead != withholdDoneForRead) {
        device.status |= status::Done;
        return;
    }
    device.status &= ~u32(status::Done);
    if (device.bulkInQueue.isEmpty())
        device.bulkInTaken = nullptr;
}
