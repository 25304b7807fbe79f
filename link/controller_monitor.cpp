// The monitor's reads: input states, DMX output values, the inputs' configuration and the
// internal-states report, and starting and stopping the DMX monitoring.
#include "link/kd620_controller_class.h"
#include "link/monitor_protocol.h"
#include "link/monitor_reports.h"
#include "link/usb_frame_class.h"
#include "link/usb_interface_message.h"
#include "link/usb_protocol.h"
#include "model/image_access.h"
#include "model/user_interaction.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int StatusReplySize = 8;
constexpr int ReportLengthReplySize = 2;
constexpr int InputConfigFrameSize = 0x2000 + usb_frame_class::FRAME_OVERHEAD;

enum class data_wait { Ready, ControlError, ProtocolError };

void warning(const QString &text)
{
    showUsbInterfaceMessage(message_icon::Warning, text);
}

void critical(const QString &text)
{
    showUsbInterfaceMessage(message_icon::Critical, text);
}

// A short transfer or a checksum that does not add up.
void readingError()
{
    warning(QCoreApplication::translate("kd620_controller_class", "Reading error!"));
}

// Drops the connection unless a failed poll or mode change has dropped it already.
void dropOnce(kd620_controller_class &c)
{
    if (c.isConnected())
        c.dropConnection();
}

// A request without a data stage, tried back to back: true once a try does not fail.
bool monitorOut(kd620_controller_class &c, int request, int value, int index = 0)
{
    for (int attempt = 0; attempt < monitor::Attempts; ++attempt) {
        if (c.sendRequest(request, value, index) >= 0)
            return true;
    }
    return false;
}

// An in-request, tried back to back into a zeroed reply: true once a try does not fail
// (with `whole`, once it brings all `length` bytes). Bytes a short reply leaves out read 0.
bool monitorIn(kd620_controller_class &c, int request, int value, u8 *reply, int length, bool whole)
{
    for (int attempt = 0; attempt < monitor::Attempts; ++attempt) {
        std::fill(reply, reply + length, u8(0));
        const int received = c.usbDevice.controlIn(request, u16(swapBytes16(value)), 0, reply, length);
        if (whole ? received == length : received >= 0)
            return true;
    }
    return false;
}

// Polls the status until the controller has the data ready (DONE), at most 5 times 100 ms
// apart. Tells the user when the status cannot be read or the data never comes.
data_wait waitForData(kd620_controller_class &c)
{
    for (int poll = 0; poll < monitor::DataPolls; ++poll) {
        u8 reply[StatusReplySize];
        if (!monitorIn(c, REQ_STATUS, 0, reply, StatusReplySize, false)) {
            warning(QCoreApplication::translate("kd620_controller_class", "Control error!"));
            return data_wait::ControlError;
        }
        if (readU32(reply, 0) & STATUS_DONE)
            return data_wait::Ready;
        wait100ms();
    }
    warning(QCoreApplication::translate("kd620_controller_class", "Protocol error!"));
    return data_wait::ProtocolError;
}

int readInputStates(kd620_controller_class &c, u8 *buffer)
{
    if (!monitorIn(c, REQ_MONITOR, MON_INPUT_STATES, buffer, monitor::InputStatesSize, true)) {
        c.dropConnection();
        critical(QCoreApplication::translate("kd620_controller_class", "Cannot read inputs' states!"));
        return -1;
    }
    return 0;
}

int startOrStop(kd620_controller_class &c, unsigned command)
{
    if (!monitorOut(c, REQ_MONITOR, int(command))) {
        critical(QCoreApplication::translate("kd620_controller_class", "Cannot initiate monitoring!"));
        return -1;
    }
    return 0;
}

int readDmxOutput(kd620_controller_class &c, u8 *buffer)
{
    if (c.waitStatusClear(STATUS_BUSY, monitor::BusyPolls) != 0)
        return -1;
    if (!monitorOut(c, REQ_READ_DMX_OUTPUT, 0)) {
        c.dropConnection();
        critical(QCoreApplication::translate("kd620_controller_class", "Cannot initiate reading!"));
        return -1;
    }
    if (waitForData(c) != data_wait::Ready)
        return -1;
    const int values = monitor_reports::dmxValueCount(c.firmwareText());
    const int frameSize = values + usb_frame_class::FRAME_OVERHEAD;
    const int received = c.usbDevice.bulkRead(buffer, frameSize);
    if (received < frameSize || !monitor_reports::acceptDmxOutputFrame(buffer, values)) {
        readingError();
        return -1;
    }
    return 0;
}

// Back to the mode the controller had before the configuration was read; the connection
// is dropped when that fails.
bool restoreMode(kd620_controller_class &c, int mode)
{
    if (c.setWorkingMode(mode) == mode)
        return true;
    dropOnce(c);
    return false;
}

int readInputConfig(kd620_controller_class &c, u8 *buffer)
{
    const int remembered = c.controllerMode;
    if (remembered != MODE_CONFIGURATION && c.setWorkingMode(MODE_CONFIGURATION) != MODE_CONFIGURATION) {
        dropOnce(c);
        return -1;
    }
    // From here on every way out leaves configuration mode: back to the remembered mode,
    // or the drop, which sends the controller to normal mode.
    if (!monitorOut(c, REQ_READ_BLOCKS_8K, 1, monitor::InputConfigBlockOffset / 256)) {
        c.dropConnection();
        critical(QCoreApplication::translate("kd620_controller_class", "Cannot read inputs' configuration!"));
        return -1;
    }
    switch (waitForData(c)) {
    case data_wait::Ready:
        break;
    case data_wait::ControlError:
        restoreMode(c, remembered);
        return -1;
    case data_wait::ProtocolError:
        c.dropConnection();
        return -1;
    }
    // The block's checksum is not tested: only the input types are taken from it.
    std::vector<u8> frame(InputConfigFrameSize);
    if (c.usbDevice.bulkRead(frame.data(), InputConfigFrameSize) < InputConfigFrameSize) {
        readingError();
        c.dropConnection();
        return -1;
    }
    if (!restoreMode(c, remembered))
        return -1;
    std::memcpy(buffer, frame.data() + usb_frame_class::HEADER_SIZE + monitor::InputConfigDataOffset, monitor::InputConfigSize);
    return 0;
}

int readInternalStates(kd620_controller_class &c, u8 *buffer)
{
    u8 lengthReply[ReportLengthReplySize];
    const bool announced =
        monitorIn(c, REQ_MONITOR, MON_INTERNAL_STATES, lengthReply, ReportLengthReplySize, false);
    const int length = readU16(lengthReply, 0);
    if (!announced || !monitor_reports::reportLengthAccepted(length)) {
        critical(QCoreApplication::translate("kd620_controller_class", "Cannot initiate reading!"));
        c.dropConnection();
        return -1;
    }
    if (waitForData(c) != data_wait::Ready)
        return -1;
    const int received = c.usbDevice.bulkRead(buffer, std::max(length, monitor::ReportReadMin));
    if (received < length || !monitor_reports::reportSumIsZero(buffer, length)) {
        readingError();
        return -1;
    }
    c.lastReportLength = length;
    return 0;
}

} // namespace

int kd620_controller_class::monitorRequest(unsigned command, void *buffer)
{
    if (connected == 0) {
        critical(QCoreApplication::translate("kd620_controller_class", "Not connected!"));
        return -1;
    }
    auto *bytes = static_cast<u8 *>(buffer);
    const bool needsBuffer = command != MON_START && command != MON_STOP;
    if (needsBuffer && !bytes)
        return -1;
    switch (command) {
    case MON_INPUT_STATES: return readInputStates(*this, bytes);
    case MON_START:
    case MON_STOP: return startOrStop(*this, command);
    case MON_DMX_OUTPUT: return readDmxOutput(*this, bytes);
    case MON_INPUT_CONFIG: return readInputConfig(*this, bytes);
    case MON_INTERNAL_STATES: return readInternalStates(*this, bytes);
    default: return -1;
    }
}
