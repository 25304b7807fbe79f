// Writing the whole configuration to the controller and reading it back.
#include "link/configuration_transfer.h"
#include "model/application_identity.h"
#include "link/firmware_version.h"
#include "link/kd620_controller_class.h"
#include "link/maker_site.h"
#include "link/transfer_hold.h"
#include "link/usb_frame_class.h"
#include "link/usb_protocol.h"
#include "model/image_access.h"
#include "model/user_interaction.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

#include <algorithm>
#include <memory>

using namespace configuration_transfer;

namespace {

// Firmware before this version serves only 32 DMX channels.
constexpr char ChannelGateFirmware[] = "F/W ver. 3.00.0009";
constexpr int ChannelsServedByOldFirmware = 32;
constexpr int BusyPolls = 10;
constexpr int ReadyPolls = 10;
constexpr int WrittenPolls = 50;
constexpr int OfferedPolls = 20;
// The read's progress dialog ends (and closes) at its 29th block, before the last five.
constexpr int ReadProgressMaximum = 29;
constexpr char ApplicationIcon[] = ":/vd_sh.png";

// The outcome of a transfer, in a box over the main window.
void showOutcome(bool ok, const QString &text)
{
    showMessage(ok ? message_icon::Information : message_icon::Critical, application_identity::name(), text);
}

QString sendFailedText()
{
    return QCoreApplication::translate("kd620_controller_class", "Config and data writing\n     failed!");
}

// Configuration mode for a transfer, unless the controller is in it already: false with
// the connection dropped.
bool enterConfigurationMode(kd620_controller_class &controller)
{
    if (controller.controllerMode == MODE_CONFIGURATION
        || controller.setWorkingMode(MODE_CONFIGURATION) == MODE_CONFIGURATION)
        return true;
    controller.dropConnection();
    return false;
}

void beginProgress(const QString &label, int maximum, const QString &windowIcon = QString())
{
    progress_request progress;
    progress.label = label;
    progress.minimum = 0;
    progress.maximum = maximum;
    progress.windowIcon = windowIcon;
    userInteraction().progressBegin(progress);
}

} // namespace

int kd620_controller_class::channelsInUse() const
{
    if (channelsInUseSource)
        return channelsInUseSource();
    // The scene page takes its count from the channel-limit word through a spin box of 24..64.
    return std::clamp(int(readU16(confData, image_layout::OutputChannelLimit)), 24, 64);
}

void kd620_controller_class::restoreMode(int previous)
{
    if (setWorkingMode(previous) != previous)
        dropConnection();
}

bool kd620_controller_class::transferHoldsLink() const
{
    return transfersRunning > 0 && !betweenBlockCycles;
}

void kd620_controller_class::processEventsBetweenBlockCycles()
{
    const QScopedValueRollback<bool> open(betweenBlockCycles, true);
    userInteraction().processEvents();
}

void kd620_controller_class::send_alldata()
{
    // Held from the question to the restored mode; only the pauses between two block
    // cycles open the link.
    const transfer_hold hold(*this);
    if (channelsInUse() > ChannelsServedByOldFirmware
        && firmwareOlderThan(fwText, QLatin1String(ChannelGateFirmware))) {
        message_request question;
        question.icon = message_icon::Question;
        question.title = QCoreApplication::translate("kd620_controller_class", "Old firmware version!");
        question.text = QCoreApplication::translate("kd620_controller_class",
                                                    "Firmware older then 3.00.0009 cannot serve only 32 DMX "
                                                    "channels!\nLook for upgrade on the QVR site: %1 !\n"
                                                    "Continue anyway?")
                            .arg(QLatin1String(MAKER_SITE_ADDRESS));
        question.buttons = message_button::Yes | message_button::No;
        question.defaultButton = message_button::No;
        if (userInteraction().showMessage(question) != int(message_button::Yes))
            return;
    }
    // A store that does not fit its tables leaves them stale or cut short in the image;
    // then nothing may go out. Packing comes before the mode change, so the controller
    // stays as it was.
    if (!packStores()) {
        showOutcome(false, sendFailedText());
        return;
    }
    const int previous = controllerMode;
    if (!enterConfigurationMode(*this))
        return;

    beginProgress(QCoreApplication::translate("kd620_controller_class", "Sending configuration and data..."),
                  SendBlockCount);
    const bool ok = sendConfigurationBlocks();
    userInteraction().progressEnd();

    showOutcome(ok, ok ? QCoreApplication::translate("kd620_controller_class", "Config and data writing\n     successful!")
                       : sendFailedText());
    if (ok)
        emit forceReset();  // the controller restarts and is connected again before we go on
    restoreMode(previous);
}

bool kd620_controller_class::sendConfigurationBlocks()
{
    usb_frame_class frame;
    u32 offset = SendFrom;
    u32 remaining = SendBytes;
    int block = 0;
    while (remaining != 0) {
        bool done = waitStatusClear(STATUS_BUSY, BusyPolls) == 0 && sendRequest(REQ_WRITE_BLOCK, 1, 0) >= 0
            && waitStatusSet(STATUS_READY, ReadyPolls) == STATUS_READY;
        if (done) {
            const u32 size = sendBlockSize(offset, remaining);
            frame.command = FrameCommand;
            frame.sub = u8(block++);
            frame.length = u16(size - 1);
            frame.address = image_layout::controllerAddress(offset);
            frame.data = confData + offset;
            int total = 0;
            u8 *bytes = frame.serialize(total);
            done = usbDevice.bulkWrite(bytes, total) >= total;
            remaining -= size;
            offset += size;
        }
        done = done && waitStatusSet(STATUS_DONE, WrittenPolls) == STATUS_DONE;
        if (!done) {
            dropConnection();
            return false;
        }
        userInteraction().progressSetValue(block);
        // The window stays alive between blocks; the clock and the monitor may ask the
        // controller then, between two whole block cycles.
        processEventsBetweenBlockCycles();
    }
    return true;
}

void kd620_controller_class::read_alldata()
{
    // The read runs no events of its own, so nothing comes between its frames; the hold
    // keeps the clock and the user's clicks out of its outcome box as well, until the mode
    // is restored.
    const transfer_hold hold(*this);
    const int previous = controllerMode;
    if (!enterConfigurationMode(*this))
        return;
    if (waitStatusClear(STATUS_BUSY, BusyPolls) != 0
        || sendRequest(REQ_READ_BLOCKS_8K, ReadSmallCount, ReadSmallFrom / ReadOffsetUnit) < 0) {
        dropConnection();
        return;
    }

    beginProgress(QCoreApplication::translate("kd620_controller_class", "Reading configuration..."),
                  ReadProgressMaximum, QLatin1String(ApplicationIcon));

    // The blocks land in a copy, so a read that fails half-way leaves the configuration as
    // it was; regions that are never read keep their contents.
    std::unique_ptr<u8[]> scratch(new u8[image_layout::ImageSize]);
    std::copy_n(confData, image_layout::ImageSize, scratch.get());
    const bool ok = readConfigurationBlocks(scratch.get());
    userInteraction().progressEnd();
    if (ok) {
        // Only a whole, checked configuration replaces the one in memory.
        std::copy_n(scratch.get(), image_layout::ImageSize, confData);
        rebuildStores();
        emit readKd620Finished();
    }
    showOutcome(ok, ok ? QCoreApplication::translate("kd620_controller_class", "Configuration reading\nsuccessful!")
                       : QCoreApplication::translate("kd620_controller_class", "Configuration reading\n failed!"));
    restoreMode(previous);
}

bool kd620_controller_class::readConfigurationBlocks(u8 *scratch)
{
    int progress = 0;
    if (!readBlockRun(scratch, ReadSmallCount, ReadSmallFirstBlock, progress))
        return false;
    if (sendRequest(REQ_READ_BLOCKS_64K, ReadLargeCount, ReadLargeFrom / ReadOffsetUnit) < 0) {
        dropConnection();
        return false;
    }
    return readBlockRun(scratch, ReadLargeCount, ReadLargeFirstBlock, progress);
}

bool kd620_controller_class::readBlockRun(u8 *scratch, int count, int firstBlock, int &progress)
{
    usb_frame_class frame;
    for (int i = 0; i < count; ++i) {
        bool done = waitStatusSet(STATUS_DONE, OfferedPolls) == STATUS_DONE && readPacket(firstBlock + i, frame) == 0;
        if (done) {
            // The frame's own address says where its data belongs; in 64 bits, so an
            // address below the image base cannot wrap into it.
            const qint64 offset = qint64(frame.address) - qint64(image_layout::ControllerBase);
            const qint64 bytes = qint64(frame.length) + 1;
            done = offset >= 0 && offset + bytes <= qint64(image_layout::ImageSize);
            if (done)
                std::copy_n(frame.data, bytes, scratch + offset);
        }
        if (!done) {
            dropConnection();
            return false;
        }
        userInteraction().progressSetValue(++progress);
    }
    return true;
}
