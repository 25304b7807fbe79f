// The remote control: learning the system address and key codes from a remote control held
// in front of the controller, reading the controller's key table and writing it back.
#include "link/kd620_controller_class.h"
#include "link/rcu_protocol.h"
#include "link/usb_interface_message.h"
#include "link/usb_protocol.h"
#include "model/clock_interface.h"
#include "model/user_interaction.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

// Every link problem of the remote control is critical.
void usbBox(const QString &text)
{
    showUsbInterfaceMessage(message_icon::Critical, text);
}

void remoteControlBox(message_icon icon, const QString &text)
{
    showMessage(icon, QCoreApplication::translate("kd620_controller_class", "Remote control:"), text);
}

// One REQ_RCU with wValue as it goes on the wire, tried back to back: true once a try
// brings the whole 4-byte reply.
bool rcuTransfer(kd620_controller_class &c, rcu_subcommand sub, u16 wireValue, rcu_reply &reply)
{
    for (int attempt = 0; attempt < rcu::Attempts; ++attempt) {
        u8 bytes[rcu::ReplySize] = {};
        const int received = c.usbDevice.controlIn(REQ_RCU, wireValue, u16(swapBytes16(sub)), bytes, rcu::ReplySize);
        if (received == rcu::ReplySize) {
            reply = rcu_reply{bytes[0], bytes[1], bytes[2], bytes[3]};
            return true;
        }
    }
    return false;
}

// The same with a number as wValue, high byte first like every request number.
bool rcuRequest(kd620_controller_class &c, rcu_subcommand sub, int argument, rcu_reply &reply)
{
    return rcuTransfer(c, sub, u16(swapBytes16(argument)), reply);
}

bool readStatusRetried(kd620_controller_class &c, u32 &status)
{
    for (int attempt = 0; attempt < rcu::StatusAttempts; ++attempt) {
        if (c.readStatusWord(status))
            return true;
    }
    return false;
}

// Polls the status back to back until the controller has a result (DONE), then fetches it.
// Learning waits for the user, so the bound is time, not a number of polls. 0 with the
// result in reply, or -1 once the user has been told.
int pollForResult(kd620_controller_class &c, qint64 boundMs, rcu_reply &reply)
{
    const qint64 start = appClock().elapsedMs();
    for (;;) {
        u32 status = 0;
        if (!readStatusRetried(c, status) || (status & STATUS_FAILED)) {
            usbBox(QCoreApplication::translate("kd620_controller_class", "Operation failed!"));
            return -1;
        }
        if (status & STATUS_DONE) {
            if (rcuRequest(c, RCU_RESULT, 0, reply))
                return 0;
            usbBox(QCoreApplication::translate("kd620_controller_class", "Operation failed!"));
            return -1;
        }
        if (appClock().elapsedMs() - start > boundMs) {
            remoteControlBox(message_icon::Warning,
                QCoreApplication::translate("kd620_controller_class", "Time exceeded!"));
            return -1;
        }
    }
}

// Waits until the controller is no longer busy after a write; drops the connection when it
// stays busy (a failed status read has dropped it already).
bool waitNotBusy(kd620_controller_class &c)
{
    if (c.waitStatusClear(STATUS_BUSY, rcu::BusyPolls) == 0)
        return true;
    if (c.isConnected())
        c.dropConnection();
    return false;
}

// After a request that failed: a controller that does not answer its status either has
// gone (unplugged, say), and the connection ends as a disconnect ends it.
void dropConnectionIfGone(kd620_controller_class &c)
{
    u32 status = 0;
    if (!readStatusRetried(c, status))
        c.dropConnection();
}

// While the key table is read, the address every key reports is compared.
class address_census
{
public:
    void take(u8 address)
    {
        switch (state) {
        case state_type::NoneYet:
            if (address <= rcu::MaxAddress || address == rcu::None) {
                found = address;
                state = state_type::Found;
            } else {
                remoteControlBox(message_icon::Warning,
                    QCoreApplication::translate("kd620_controller_class", "Invalid R. C. address!"));
            }
            break;
        case state_type::Found:
            if (address != found) {
                remoteControlBox(message_icon::Warning,
                    QCoreApplication::translate("kd620_controller_class", "Ambiguous R. C. address!"));
                state = state_type::Undetermined;
            }
            break;
        case state_type::Undetermined:
            break;
        }
    }
    // The address found, or none when none was found or the keys disagreed.
    u8 result() const { return state == state_type::Found && found <= rcu::MaxAddress ? found : rcu::None; }

private:
    enum class state_type { NoneYet, Found, Undetermined };
    state_type state = state_type::NoneYet;
    u8 found = rcu::None;
};

} // namespace

int kd620_controller_class::waitRcuResult()
{
    rcu_reply reply;
    if (pollForResult(*this, rcu::AddressBoundMs, reply) < 0)
        return -1;
    if (reply.address <= rcu::MaxAddress) {
        rcuAddress = reply.address;
        return rcuAddress;
    }
    if (reply.address == rcu::None)
        return rcu::None;
    remoteControlBox(message_icon::Critical,
        QCoreApplication::translate("kd620_controller_class", "Invalid R. C. address!"));
    return -1;
}

int kd620_controller_class::readRcuAddress()
{
    if (connected == 0) {
        usbBox(QCoreApplication::translate("kd620_controller_class", "Not connected!"));
        return -1;
    }
    rcu_reply reply;
    if (!rcuRequest(*this, RCU_LEARN_ADDRESS, 0, reply)) {
        usbBox(QCoreApplication::translate("kd620_controller_class", "Operation failed!"));
        return -1;
    }
    return waitRcuResult();
}

int kd620_controller_class::learnRcuKey(int key)
{
    // The page passes its selected row, -1 when none is.
    const u8 k = u8(key);
    if (k > rcu::MaxCode) {
        remoteControlBox(message_icon::Critical,
            QCoreApplication::translate("kd620_controller_class", "Please select button!"));
        return -1;
    }
    if (connected == 0) {
        usbBox(QCoreApplication::translate("kd620_controller_class", "Not connected!"));
        return -1;
    }
    rcu_reply reply;
    if (!rcuRequest(*this, RCU_LEARN_KEY, k, reply)) {
        usbBox(QCoreApplication::translate("kd620_controller_class", "Operation failed!"));
        return -1;
    }
    if (pollForResult(*this, rcu::KeyBoundMs, reply) < 0)
        return -1;
    if (reply.key != k) {
        remoteControlBox(message_icon::Warning,
            QCoreApplication::translate("kd620_controller_class", "Divergent key!"));
        return -1;
    }
    if (reply.code <= rcu::MaxCode) {
        rcuKeyCodes[k] = reply.code;
        return reply.code;
    }
    if (reply.code == rcu::None)
        return rcu::None;
    remoteControlBox(message_icon::Warning,
        QCoreApplication::translate("kd620_controller_class", "Invalid key code!"));
    return -1;
}

int kd620_controller_class::setRcuAddress(int address)
{
    const u8 a = u8(address);
    if (a > rcu::MaxAddress)
        return -1;
    rcuAddress = a;
    if (connected == 0)
        return 0;
    rcu_reply reply;
    if (!rcuRequest(*this, RCU_SET_ADDRESS, a, reply)) {
        usbBox(QCoreApplication::translate("kd620_controller_class", "Operation failed!"));
        return -1;
    }
    // The controller reports the address it took as a result.
    return waitRcuResult();
}

void kd620_controller_class::readRCU()
{
    if (connected == 0) {
        usbBox(QCoreApplication::translate("kd620_controller_class", "Not connected!"));
        return;
    }
    // Every key goes into a scratch table first: a read cut short must not leave a table
    // that is half this controller's and half what was there before.
    u8 codes[rcu::KeyCount];
    address_census addresses;
    for (int key = 0; key < rcu::KeyCount; ++key) {
        rcu_reply reply;
        if (!rcuRequest(*this, RCU_READ_KEY, key, reply)) {
            usbBox(QCoreApplication::translate("kd620_controller_class", "RCU key code reading failed!"));
            dropConnectionIfGone(*this);
            return;
        }
        // Taken whatever it is: the table shows what the controller holds.
        codes[key] = reply.code;
        if (reply.code > rcu::MaxCode && reply.code != rcu::None)
            remoteControlBox(message_icon::Warning,
                QCoreApplication::translate("kd620_controller_class", "Invalid key code [%1]!").arg(key));
        addresses.take(reply.address);
    }
    std::copy(std::begin(codes), std::end(codes), std::begin(rcuKeyCodes));
    rcuAddress = addresses.result();
}

void kd620_controller_class::writeRCU()
{
    if (connected == 0) {
        usbBox(QCoreApplication::translate("kd620_controller_class", "Not connected!"));
        return;
    }
    rcu_reply reply;
    for (int key = 0; key < rcu::KeyCount; ++key) {
        // Key number and code travel as two bytes of wValue: the code in its low byte.
        if (!rcuTransfer(*this, RCU_WRITE_KEY, u16(key * 256 + rcuKeyCodes[key]), reply)) {
            usbBox(QCoreApplication::translate("kd620_controller_class", "RCU key code writing failed!"));
            showMessage(message_icon::Information, QStringLiteral("info"), QStringLiteral("key no. %1").arg(key));
            return;
        }
        if (!waitNotBusy(*this))
            return;
    }
    if (!rcuRequest(*this, RCU_SET_ADDRESS, rcuAddress, reply)) {
        usbBox(QCoreApplication::translate("kd620_controller_class", "RCU address writing failed!"));
        return;
    }
    if (!waitNotBusy(*this))
        return;
    if (!rcuRequest(*this, RCU_SAVE, 0, reply))
        usbBox(QCoreApplication::translate("kd620_controller_class", "RCU data saving failed!"));
}
