#pragma once

#include "link/usb_backend_interface.h"

#include <vector>

struct libusb_context;
struct libusb_device;

// The USB backend on libusb-1.0. libusb_init runs once, at the first device search; where
// it fails (a machine without USB) every search finds nothing.
class libusb_backend : public usb_backend_interface
{
public:
    libusb_backend();
    ~libusb_backend() override;

    libusb_backend(const libusb_backend &) = delete;
    libusb_backend &operator=(const libusb_backend &) = delete;

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
    bool initialise();
    void releaseListedDevices();

    libusb_context *context = nullptr;
    bool initTried = false;
    // The devices of the last listing, each holding one reference until the next listing.
    std::vector<libusb_device *> listed;
};
