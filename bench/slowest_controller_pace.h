#pragma once

#include "link/usb_backend_interface.h"

class sim_device;

// Makes the simulated controller as slow as the host's status polls allow, for the
// transfer benchmark: every state the host waits for during a whole-configuration send
// or read shows only at the last poll that still counts. The host polls 100 ms apart and
// gives up after 10 polls for a controller that is not busy, 10 for one ready to take a
// frame, 50 for a written frame to be done, and 20 for an offered frame; so the
// controller stays busy for 900 ms after entering configuration mode and after each
// frame, raises READY 900 ms after a block write is announced, DONE 4.9 s after a frame
// was written and 1.9 s after a read was requested or a frame taken.
//
// It passes every call on to the simulated bus, installs itself for its lifetime, and
// paces only while enabled; time is appClock()'s, which only the host's waits move on.
class slowest_controller_pace : public usb_backend_interface
{
public:
    slowest_controller_pace(usb_backend_interface &inner, sim_device &device);
    ~slowest_controller_pace() override;

    slowest_controller_pace(const slowest_controller_pace &) = delete;
    slowest_controller_pace &operator=(const slowest_controller_pace &) = delete;

    // Pacing on, or off (the controller as the simulator makes it: always ready).
    void setEnabled(bool on);

    QList<usb_device_entry> listDevices() override;
    int open(const usb_device_entry &device, usb_handle *handle) override;
    int setConfiguration(usb_handle handle, int configuration) override;
    int claimInterface(usb_handle handle, int interfaceNumber) override;
    int releaseInterface(usb_handle handle, int interfaceNumber) override;
    int controlTransfer(usb_handle handle, u8 requestType, u8 request, u16 value, u16 index, u8 *data,
                        u16 length, unsigned timeoutMs) override;
    int bulkTransfer(usb_handle handle, u8 endpoint, u8 *data, int length, int *transferred,
                     unsigned timeoutMs) override;
    int getDescriptor(usb_handle handle, u8 descriptorType, u8 index, u8 *data, int length) override;
    void close(usb_handle handle) override;

private:
    // The controller's answer to a request it took, and to a frame that crossed.
    void afterRequest(u8 request);
    void afterFrame(bool out);
    // The status word the next reply shows: the bits still held back hidden, BUSY while
    // the controller is busy.
    void showHeldStatus();
    // Busy from now until `from` plus as long as a busy poll allows.
    void busyAfter(qint64 from);
    void forgetHolds();

    usb_backend_interface &inner;
    sim_device &device;
    bool enabled = false;
    qint64 readyHiddenUntil = -1;
    qint64 doneHiddenUntil = -1;
    qint64 busyUntil = -1;
};
