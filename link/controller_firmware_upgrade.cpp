// Upgrading the controller's firmware from an upgrade file, block by block through its
// loader.
#include "link/firmware_session.h"
#include "link/kd620_controller_class.h"
#include "link/transfer_hold.h"
#include "link/usb_frame_class.h"
#include "link/usb_protocol.h"
#include "link/usb_interface_message.h"

#include <QCoreApplication>

namespace {

constexpr int VersionAttempts = 10;
constexpr int ReadyReads = 10;
// A block's DONE is awaited this long; it counts only within the first reads.
constexpr int DoneReads = 100;
constexpr int DoneInTimeReads = 10;
constexpr int UpgradeRequestIndex = 0x80;
constexpr u8 FirmwareFrameCommand = 0x15;

QString upgradeTitle()
{
    return QCoreApplication::translate("kd620_controller_class", "Firmware upgrade");
}

bool askToInstallOlder()
{
    enum { CancelButton = 0, YesButton = 1 };
    message_request request;
    request.icon = message_icon::Question;
    request.title = upgradeTitle();
    request.text = QCoreApplication::translate("kd620_controller_class",
                                               "Do you really want to install older firmware release?");
    request.customButtons = {
        {QCoreApplication::translate("kd620_controller_class", "Cancel"), button_role::Reject},
        {QCoreApplication::translate("kd620_controller_class", "Yes, I do!"), button_role::Accept},
    };
    request.defaultCustomButton = CancelButton;
    return userInteraction().showMessage(request) == YesButton;
}

// The file's version against the controller's: true to go on. A file without a version
// is sent unchecked.
bool versionAllowsUpgrade(kd620_controller_class &controller, const upgrade_file &file)
{
    if (!file.version)
        return true;
    u8 reply[4] = {};
    if (controller.controlInRetried(REQ_FIRMWARE_VERSION, 0, 0, reply, 4, VersionAttempts) <= 0) {
        showUsbInterfaceMessage(message_icon::Critical,
                                QCoreApplication::translate("kd620_controller_class", "Current version reading error!"));
        return false;
    }
    const long long installed = upgrade_file::versionNumber(firmware_version::fromReply(reply));
    const long long offered = upgrade_file::versionNumber(*file.version);
    if (offered == installed) {
        showMessage(message_icon::Information, upgradeTitle(),
                    QCoreApplication::translate("kd620_controller_class",
                                                "This relaese of firmware is already installed!"));
        return false;
    }
    return offered > installed || askToInstallOlder();
}

// Sends prepared block `index` in one frame and waits for the controller to write it.
// The last block's DONE is not awaited in time: the controller may restart right after it.
// A block the controller reports as failed fails whichever it is.
bool sendBlock(kd620_controller_class &controller, firmware_session &session, usb_frame_class &frame, int index,
               bool last)
{
    frame.command = FirmwareFrameCommand;
    frame.sub = u8(index);
    frame.length = u16(upgrade_file::blockSize(index) - 1);
    frame.address = upgrade_file::FlashFrameBase + upgrade_file::flashAddress(index);
    frame.data = session.block(index);
    int length = 0;
    u8 *bytes = frame.serialize(length);
    if (controller.usbDevice.bulkWrite(bytes, length) < length) {
        firmware_session::tellLinkProblem(QCoreApplication::translate("kd620_controller_class", "Writing error!"));
        return false;
    }
    wait100ms();
    u32 status = 0;
    const int read = session.pollStatus(STATUS_DONE | STATUS_FAILED, DoneReads, status);
    if (read > 0 && (status & STATUS_FAILED))
        return false;
    if (read < 0 || (!last && (read == 0 || read > DoneInTimeReads))) {
        firmware_session::tellLinkProblem(QCoreApplication::translate("kd620_controller_class", "Protocol error!"));
        return false;
    }
    return true;
}

// Every present block in index order; the first the controller fails to take ends the
// upgrade, the blocks before it stay written.
bool sendBlocks(kd620_controller_class &controller, firmware_session &session)
{
    usb_frame_class frame;
    int remaining = session.file().presentBlocks();
    for (int index = 0; index < upgrade_file::BlockCount; ++index) {
        if (!session.file().entries[size_t(index)].present())
            continue;
        if (!sendBlock(controller, session, frame, index, --remaining == 0))
            return false;
    }
    return true;
}

} // namespace

void kd620_controller_class::upgradeFirmware(QString fileName)
{
    const transfer_hold hold(*this);
    firmware_session session(*this, fileName, upgradeTitle());
    if (!session.openFile() || !versionAllowsUpgrade(*this, session.file()))
        return;
    const int blocks = session.file().presentBlocks();
    if (blocks == 0) {
        session.tell(message_icon::Warning,
                     QCoreApplication::translate("kd620_controller_class", "The upgrade file is empty!"));
        return;
    }
    // A damaged file is refused while the controller still runs its firmware untouched.
    if (!session.prepareBlocks()) {
        showMessage(message_icon::Critical, upgradeTitle(),
                    QCoreApplication::translate("kd620_controller_class", "Upgrade failed!"));
        return;
    }
    if (!session.enterLoader())
        return;

    u32 status = 0;
    if (sendRequest(REQ_FIRMWARE_UPGRADE, blocks, UpgradeRequestIndex) < 0) {
        firmware_session::tellLinkProblem(QCoreApplication::translate("kd620_controller_class", "Writing error!"));
    } else if (session.pollStatus(STATUS_READY, ReadyReads, status) <= 0) {
        firmware_session::tellLinkProblem(QCoreApplication::translate("kd620_controller_class", "Protocol error!"));
    } else if (sendBlocks(*this, session) && readStatusWord(status) && !(status & STATUS_FAILED)) {
        showMessage(message_icon::Information, upgradeTitle(),
                    QCoreApplication::translate("kd620_controller_class", "Upgrade successful!"));
    } else {
        // A failed block, or a controller that cannot confirm the whole upgrade.
        showMessage(message_icon::Critical, upgradeTitle(),
                    QCoreApplication::translate("kd620_controller_class", "Upgrade failed!"));
    }
    // The controller stays in its loader; nothing is sent and the connection stays.
    controllerMode = MODE_NORMAL;
}
