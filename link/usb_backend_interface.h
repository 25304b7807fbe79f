#pragma once

#include "model/types.h"

#include <QList>
#include <QtGlobal>

// The USB calls the controller link makes, one method per libusb call, and nothing else.
// t_threadUsbDevice runs every sequence over whichever backend is installed: the libusb-1.0
// one (libusb_backend) in the program, a simulated bus in the tests.

// Results of the calls below, with the values of libusb's LIBUSB_ERROR_* codes.
namespace usb_error {
constexpr int Success = 0;
constexpr int Io = -1;            // input/output error
constexpr int InvalidParam = -2;
constexpr int Access = -3;        // no permission (e.g. the device node is not the user's to open)
constexpr int NoDevice = -4;      // the device has gone
constexpr int NotFound = -5;
constexpr int Busy = -6;          // the interface is claimed elsewhere
constexpr int Timeout = -7;
constexpr int Overflow = -8;      // the device sent more than asked for
constexpr int Pipe = -9;          // the device stalled the request
constexpr int Interrupted = -10;
constexpr int NoMem = -11;
constexpr int NotSupported = -12;
constexpr int Other = -99;
} // namespace usb_error

// An open device; what it points to is the backend's business.
struct usb_open_device;
using usb_handle = usb_open_device *;

// One device seen by listDevices, with the fields of its device descriptor the search uses.
struct usb_device_entry {
    quintptr id = 0;          // the backend's reference to the device, for open()
    u8 busNumber = 0;
    u8 deviceAddress = 0;
    u16 idVendor = 0;
    u16 idProduct = 0;
    u8 iSerialNumber = 0;
};

class usb_backend_interface
{
public:
    virtual ~usb_backend_interface() = default;

    // libusb_get_device_list with libusb_get_device_descriptor of each device: the devices
    // attached now, bus by bus in bus order. Empty when USB is not available at all. The
    // entries stay valid for open() until the next listDevices().
    virtual QList<usb_device_entry> listDevices() = 0;

    // libusb_open: 0 with *handle set, or Access (no permission to the device node),
    // NoDevice (gone), another negative code, with *handle null. The code matters: a
    // controller the user may not open is worth telling apart from no controller at all.
    virtual int open(const usb_device_entry &device, usb_handle *handle) = 0;

    // libusb_set_configuration: 0, or Busy, NotFound, NoDevice, another negative code.
    virtual int setConfiguration(usb_handle handle, int configuration) = 0;

    // libusb_claim_interface / libusb_release_interface: 0, or Busy (claimed by another
    // program), NotFound, NoDevice, another negative code.
    virtual int claimInterface(usb_handle handle, int interfaceNumber) = 0;
    virtual int releaseInterface(usb_handle handle, int interfaceNumber) = 0;

    // libusb_control_transfer: the bytes of the data stage transferred (0 without one), or
    // Timeout, Pipe (stalled), NoDevice, another negative code. data may be null when
    // length is 0.
    virtual int controlTransfer(usb_handle handle, u8 requestType, u8 request, u16 value, u16 index,
                                u8 *data, u16 length, unsigned timeoutMs) = 0;

    // libusb_bulk_transfer: 0 or Timeout, Pipe, Overflow, NoDevice, another negative code;
    // *transferred holds the bytes moved either way (check it on a time-out too).
    virtual int bulkTransfer(usb_handle handle, u8 endpoint, u8 *data, int length, int *transferred,
                             unsigned timeoutMs) = 0;

    // libusb_get_descriptor (a standard GET_DESCRIPTOR control transfer, no language id, no
    // conversion): the bytes received, or a negative code.
    virtual int getDescriptor(usb_handle handle, u8 descriptorType, u8 index, u8 *data, int length) = 0;

    // libusb_close. The handle is invalid afterwards.
    virtual void close(usb_handle handle) = 0;
};

// The installed backend; the libusb-1.0 one until another is installed.
usb_backend_interface &usbBackend();
// Installs a backend (not owned); null restores the libusb-1.0 one.
void installUsbBackend(usb_backend_interface *backend);
