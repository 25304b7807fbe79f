#include "link/usb_backend_interface.h"

#include "link/libusb_backend.h"

namespace {

usb_backend_interface *installedBackend = nullptr;

libusb_backend &defaultBackend()
{
    static libusb_backend backend;
    return backend;
}

} // namespace

usb_backend_interface &usbBackend()
{
    return installedBackend ? *installedBackend : defaultBackend();
}

void installUsbBackend(usb_backend_interface *backend)
{
    installedBackend = backend;
}
