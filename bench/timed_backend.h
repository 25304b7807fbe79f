#pragma once

#include "link/usb_backend_interface.h"

// Passes every call on to another backend (the simulated bus) and adds up the CPU time
// spent there, so that the simulator's work can be taken out of the tool's. Installs
// itself for its lifetime, then gives the other backend back.
class timed_backend : public usb_backend_interface
{
public:
    explicit timed_backend(usb_backend_interface &inner);
    ~timed_backend() override;

    timed_backend(const timed_backend &) = delete;
    timed_backend &operator=(const timed_backend &) = delete;

    // CPU milliseconds spent inside the other backend so far.
    double insideMs = 0;

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
    template <class Call>
    auto timed(Call call) -> decltype(call());

    usb_backend_interface &inner;
};
