#include "link/firmware_session.h"
#include "link/usb_interface_message.h"

#include "link/kd620_controller_class.h"
#include "link/usb_protocol.h"

#include <QCoreApplication>

#include <new>

namespace {

constexpr int LoaderOpenAttempts = 20;
constexpr char LoaderSerialText[] = "S/N 5A0000-0000";

} // namespace

firmware_session::firmware_session(kd620_controller_class &controller, const QString &path, const QString &title)
    : controller(controller)
    , path(path)
    , title(title)
    , input(path)
{
}

firmware_session::~firmware_session() = default;

void firmware_session::tell(message_icon icon, const QString &text) const
{
    showMessage(icon, title, text);
}

void firmware_session::tellLinkProblem(const QString &text)
{
    showUsbInterfaceMessage(message_icon::Warning, text);
}

bool firmware_session::loaderRunning(const kd620_controller_class &controller)
{
    return controller.snText == QLatin1String(LoaderSerialText);
}

bool firmware_session::loaderOpened(const kd620_controller_class &controller)
{
    return controller.usbDevice.isOpen() && controller.usbDevice.serialNumber == QLatin1String(LOADER_SERIAL);
}

bool firmware_session::openFile()
{
    if (controller.connected == 0) {
        tell(message_icon::Information, QCoreApplication::translate("kd620_controller_class", "Not connected!"));
        return false;
    }
    if (!input.open(QIODevice::ReadOnly)) {
        tell(message_icon::Warning, QCoreApplication::translate("kd620_controller_class", "File not found: ") + path);
        return false;
    }
    // One prepared block per table entry: all of them are checked before anything is sent.
    buffer.reset(new (std::nothrow) u8[size_t(upgrade_file::BlockCount) * upgrade_file::BufferSize]);
    if (!buffer) {
        tell(message_icon::Warning, QCoreApplication::translate("kd620_controller_class", "Not enough memory!"));
        return false;
    }
    switch (upgrade.readHeader(input)) {
    case upgrade_file::header_status::Ok:
        return true;
    case upgrade_file::header_status::TooShort:
        tell(message_icon::Warning,
             QCoreApplication::translate("kd620_controller_class", "File reading error: ") + path);
        return false;
    case upgrade_file::header_status::NotUpgradeFile:
        break;
    }
    tell(message_icon::Warning,
         QCoreApplication::translate("kd620_controller_class", "File ") + path
             + QCoreApplication::translate("kd620_controller_class", "\nis not a proper upgrade file!"));
    return false;
}

bool firmware_session::prepareBlock(int index)
{
    switch (upgrade.prepareBlock(input, index, block(index))) {
    case upgrade_file::block_status::Ok:
        return true;
    case upgrade_file::block_status::SeekFailed:
        tell(message_icon::Warning, QCoreApplication::translate("kd620_controller_class", "Allocation error: ") + path);
        return false;
    case upgrade_file::block_status::ReadFailed:
        tell(message_icon::Warning,
             QCoreApplication::translate("kd620_controller_class", "File reading error: ") + path);
        return false;
    case upgrade_file::block_status::ChecksumWrong:
        break;
    }
    tell(message_icon::Warning,
         QCoreApplication::translate("kd620_controller_class", "CRC error in block %1").arg(index));
    return false;
}

bool firmware_session::prepareBlocks()
{
    for (int index = 0; index < upgrade_file::BlockCount; ++index) {
        if (upgrade.entries[size_t(index)].present() && !prepareBlock(index))
            return false;
    }
    return true;
}

bool firmware_session::enterLoader()
{
    controller.controllerMode = MODE_LOADER;
    if (loaderRunning(controller))
        return true;
    // The controller drops off the bus and comes back as its loader. It may still answer
    // for a moment after the request: only the loader, known by its serial number, counts
    // as back, never the firmware that is about to leave.
    controller.sendRequest(REQ_RESTART);
    controller.usbDevice.close();
    for (int attempt = 0; attempt < LoaderOpenAttempts; ++attempt) {
        if (controller.usbDevice.open() > 0 && loaderOpened(controller))
            return true;
        controller.usbDevice.close();
        wait100ms();
    }
    tellLinkProblem(QCoreApplication::translate("kd620_controller_class", "Protocol error!"));
    // The device is closed and the controller is not where it was left: the connection
    // ends as a disconnect ends it, so everything that shows it says so and Connect works.
    controller.dropConnection();
    return false;
}

int firmware_session::pollStatus(u32 bits, int reads, u32 &status)
{
    for (int read = 1; read <= reads; ++read) {
        if (!controller.readStatusWord(status))
            return -1;
        if (status & bits)
            return read;
        if (read < reads)
            wait100ms();
    }
    return 0;
}
