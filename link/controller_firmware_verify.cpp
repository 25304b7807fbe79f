// Verifying the controller's firmware: each block of an upgrade file, prepared as an
// upgrade would send it, against the same flash block read back through the loader.
#include "link/firmware_session.h"
#include "model/application_identity.h"
#include "link/kd620_controller_class.h"
#include "link/transfer_hold.h"
#include "link/usb_frame_class.h"
#include "link/usb_protocol.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int StatusReads = 10;
constexpr int FlashPage = 256;
// Leaving the loader: the controller is looked for this often, 100 ms apart.
constexpr int ReopenAttempts = 50;

enum class block_outcome {
    Equal,
    Ignored,  // a byte differs; the user goes on with the next block
    Exit,     // a byte differs; the user ends the verification
    Failed,
};

// Waits for a status bit before the next step of a read-back.
bool awaitStatus(firmware_session &session, u32 bit)
{
    u32 status = 0;
    const int read = session.pollStatus(bit, StatusReads, status);
    if (read > 0)
        return true;
    firmware_session::tellLinkProblem(
        read < 0 ? QCoreApplication::translate("kd620_controller_class", "Control error!")
                 : QCoreApplication::translate("kd620_controller_class", "Protocol error!"));
    return false;
}

block_outcome askAboutDifference(int index, int offset)
{
    enum { IgnoreButton = 0, ExitButton = 1 };
    message_request request;
    request.icon = message_icon::Question;
    request.title = QCoreApplication::translate("kd620_controller_class", "USB Interface");
    request.text = QCoreApplication::translate("kd620_controller_class", "Verification error: block %1\naddress 0x%2")
                       .arg(index)
                       .arg(offset, 0, 16);
    request.customButtons = {{QCoreApplication::translate("kd620_controller_class", "Ignore"), button_role::Accept},
                             {QCoreApplication::translate("kd620_controller_class", "Exit"), button_role::Reject}};
    request.defaultCustomButton = IgnoreButton;
    return userInteraction().showMessage(request) == IgnoreButton ? block_outcome::Ignored : block_outcome::Exit;
}

// Has the controller send flash block `index` back and compares it with the file's block.
block_outcome verifyBlock(kd620_controller_class &controller, firmware_session &session, usb_frame_class &frame,
                          int index)
{
    if (!session.prepareBlock(index) || !awaitStatus(session, STATUS_LOADER))
        return block_outcome::Failed;
    if (controller.sendRequest(REQ_FIRMWARE_READ_BLOCK, 1, int(upgrade_file::flashAddress(index)) / FlashPage) < 0) {
        firmware_session::tellLinkProblem(QCoreApplication::translate("kd620_controller_class", "Writing error!"));
        return block_outcome::Failed;
    }
    if (!awaitStatus(session, STATUS_DONE))
        return block_outcome::Failed;

    const int size = upgrade_file::blockSize(index);
    const int expected = size + usb_frame_class::FRAME_OVERHEAD;
    frame.rewind();
    if (controller.usbDevice.bulkRead(frame.buffer, expected) < expected) {
        firmware_session::tellLinkProblem(QCoreApplication::translate("kd620_controller_class", "Reading error!"));
        return block_outcome::Failed;
    }
    // Besides the checksum the frame's length must be the block's: a shorter one would
    // leave bytes unchecked that are compared below.
    if (frame.parse() != 0 || int(frame.length) + 1 != size) {
        firmware_session::tellLinkProblem(
            QCoreApplication::translate("kd620_controller_class", "Incorrect structure of block %1").arg(index));
        return block_outcome::Failed;
    }
    const u8 *flash = frame.data;
    const u8 *differs = std::mismatch(flash, flash + size, session.block(index)).first;
    if (differs == flash + size)
        return block_outcome::Equal;
    return askAboutDifference(index, int(differs - flash));
}

// Every present block in index order, until one fails or the user exits: true when all
// were equal.
bool verifyBlocks(kd620_controller_class &controller, firmware_session &session)
{
    usb_frame_class frame;
    bool verified = true;
    for (int index = 0; index < upgrade_file::BlockCount; ++index) {
        if (!session.file().entries[size_t(index)].present())
            continue;
        const block_outcome outcome = verifyBlock(controller, session, frame, index);
        verified = verified && outcome == block_outcome::Equal;
        if (outcome == block_outcome::Exit || outcome == block_outcome::Failed)
            break;
    }
    return verified;
}

// The loader starts the firmware when told to unfreeze; the controller is then looked
// for again and connected anew. The loader may still answer for a moment after the
// request, so only the firmware counts as back while the search goes on; a loader still
// there at the last search has stayed, and is connected to again. One that does not come
// back at all leaves the program disconnected.
void leaveLoader(kd620_controller_class &controller)
{
    controller.sendRequest(REQ_UNFREEZE);
    wait100ms();
    controller.setConnection(false);
    for (int attempt = 1; attempt <= ReopenAttempts; ++attempt) {
        if (controller.usbDevice.open() >= 0) {
            if (!firmware_session::loaderOpened(controller) || attempt == ReopenAttempts) {
                controller.setConnection(true);
                return;
            }
            controller.usbDevice.close();
        }
        wait100ms();
    }
    firmware_session::tellLinkProblem(QCoreApplication::translate("kd620_controller_class", "Protocol error!"));
}

} // namespace

void kd620_controller_class::verifyFirmware(QString fileName)
{
    const transfer_hold hold(*this);
    const bool loaderWasRunning = firmware_session::loaderRunning(*this);
    {
        firmware_session session(*this, fileName,
                                 QCoreApplication::translate("kd620_controller_class", "Firmware verification"));
        if (!session.openFile() || !session.enterLoader())
            return;
        const bool verified = verifyBlocks(*this, session);
        // The application's name as title is not translated.
        if (verified)
            showMessage(message_icon::Information, application_identity::name(),
                        QCoreApplication::translate("kd620_controller_class", "Verification successful!"));
        else
            showMessage(message_icon::Warning, application_identity::name(),
                        QCoreApplication::translate("kd620_controller_class", "Verification failed!"));
    }
    // A loader that ran before stays; one entered here is left again.
    if (!loaderWasRunning)
        leaveLoader(*this);
}
