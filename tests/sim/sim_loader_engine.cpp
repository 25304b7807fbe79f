#include "tests/sim/sim_loader_engine.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_mode_engine.h"

using namespace sim_protocol;

namespace {

const flash_block *blockAt(u32 address)
{
    for (const flash_block &b : FlashBlocks) {
        if (b.address == address)
            return &b;
    }
    return nullptr;
}

} // namespace

QList<u8> sim_loader_engine::requests() const
{
    return {request::FirmwareUpgrade, request::FirmwareReadBlock, request::Unfreeze};
}

int sim_loader_engine::control(sim_device &device, const sim_setup &setup, u8 *data)
{
    if (setup.request() == request::Unfreeze)
        return unfreeze(device, setup, data);
    // The firmware does not know the loader's requests: a host that sends them has taken
    // the firmware for the loader.
    if (!device.inLoader) {
        device.problems << QStringLiteral("%1 to the firmware, not the loader").arg(requestName(setup.request()));
        return usb_error::Pipe;
    }
    if (!expect(device, setup, false, 0))
        return usb_error::Pipe;
    if (setup.request() == request::FirmwareUpgrade)
        return announceUpgrade(device, setup);
    return offerBlock(device, setup);
}

int sim_loader_engine::announceUpgrade(sim_device &device, const sim_setup &setup)
{
    if (setup.index() != UpgradeIndex || setup.value() < 1 || setup.value() > FlashBlockCount) {
        device.problems << QStringLiteral("FIRMWARE_UPGRADE with %1 blocks, index 0x%2")
                               .arg(setup.value())
                               .arg(setup.index(), 0, 16);
        return usb_error::Pipe;
    }
    device.beginOperation();
    framesAnnounced = setup.value();
    framesTakenSinceAnnounce = 0;
    device.bulkOutSink = [this, &device](const QByteArray &bytes) { return takeFrame(device, bytes); };
    device.status |= status::Ready;
    return 0;
}

int sim_loader_engine::takeFrame(sim_device &device, const QByteArray &bytes)
{
    if (framesTakenSinceAnnounce == framesAnnounced || !device.inLoader) {
        device.problems << QStringLiteral("a firmware frame beyond the %1 announced").arg(framesAnnounced);
        return usb_error::Timeout;
    }
    ++framesTakenSinceAnnounce;
    device.beginOperation();
    const sim_frame frame = sim_frame::parse(bytes);
    const flash_block *block = frame.valid ? blockAt(frame.address - FlashBase) : nullptr;
    if (!block || frame.command != frame_command::Firmware || frame.data.size() != block->size) {
        device.problems << QStringLiteral("firmware frame refused: %1 bytes").arg(bytes.size());
        device.status |= status::Failed;
        return int(bytes.size());
    }
    framesTaken << frame;
    flash.replace(int(block->address), block->size, frame.data);
    for (u32 bits : statusAfterFrame.value(frame.sub))
        device.statusScript.enqueue(status::Loader | bits);
    device.status |= status::Busy;
    if (writeMs >= 0) {
        sim_device *d = &device;
        device.at(device.nowMs + writeMs, [d] { d->status = (d->status & ~u32(status::Busy)) | status::Done; });
    }
    return int(bytes.size());
}

int sim_loader_engine::offerBlock(sim_device &device, const sim_setup &setup)
{
    const flash_block *block = blockAt(u32(setup.index()) * FlashPage);
    if (!block || setup.value() != 1) {
        device.problems << QStringLiteral("FIRMWARE_READ_BLOCK of %1 at 0x%2 00")
                               .arg(setup.value())
                               .arg(setup.index(), 0, 16);
        return usb_error::Pipe;
    }
    device.beginOperation();
    device.bulkInQueue.clear();  // only the block asked for last is offered
    // The read-back frame carries the request's code; the host looks only at its checksum.
    const QByteArray frame = sim_frame::make(request::FirmwareReadBlock, 0, FlashBase + block->address,
                                             flash.mid(int(block->address), block->size))
                                 .bytes();
    if (readMs < 0)
        return 0;
    sim_device *d = &device;
    device.at(device.nowMs + readMs, [d, frame] {
        d->bulkInQueue.enqueue(frame);
        d->status |= status::Done;
    });
    return 0;
}

int sim_loader_engine::unfreeze(sim_device &device, const sim_setup &setup, u8 *data)
{
    if (!device.inLoader || !startsFirmwareOnUnfreeze)
        return device.findEngine<sim_mode_engine>()->control(device, setup, data);
    if (!expect(device, setup, false, 0))
        return usb_error::Pipe;
    // Already on its way to the firmware: acknowledged again, nothing more.
    if (device.leaving)
        return 0;
    sim_device *d = &device;
    device.leaveAndReturn(firmwareStartMs, [d] {
        d->reappear();
        d->inLoader = false;
        d->status = 0;
    });
    return 0;
}
