#include "link/libusb_backend.h"

#include <libusb.h>

#include <algorithm>

static_assert(usb_error::Io == LIBUSB_ERROR_IO);
static_assert(usb_error::Access == LIBUSB_ERROR_ACCESS);
static_assert(usb_error::NotFound == LIBUSB_ERROR_NOT_FOUND);
static_assert(usb_error::NoDevice == LIBUSB_ERROR_NO_DEVICE);
static_assert(usb_error::Busy == LIBUSB_ERROR_BUSY);
static_assert(usb_error::Timeout == LIBUSB_ERROR_TIMEOUT);
static_assert(usb_error::Pipe == LIBUSB_ERROR_PIPE);
static_assert(usb_error::Overflow == LIBUSB_ERROR_OVERFLOW);
static_assert(usb_error::Other == LIBUSB_ERROR_OTHER);

namespace {

libusb_device_handle *native(usb_handle handle)
{
    return reinterpret_cast<libusb_device_handle *>(handle);
}

} // namespace

libusb_backend::libusb_backend() = default;

libusb_backend::~libusb_backend()
{
    releaseListedDevices();
    if (context)
        libusb_exit(context);
}

bool libusb_backend::initialise()
{
    if (!initTried) {
        initTried = true;
        if (libusb_init(&context) != LIBUSB_SUCCESS)
            context = nullptr;
    }
    return context != nullptr;
}

void libusb_backend::releaseListedDevices()
{
    for (libusb_device *device : listed)
        libusb_unref_device(device);
    listed.clear();
}

QList<usb_device_entry> libusb_backend::listDevices()
{
    releaseListedDevices();
    QList<usb_device_entry> entries;
    if (!initialise())
        return entries;
    libusb_device **list = nullptr;
    const ssize_t count = libusb_get_device_list(context, &list);
    if (count < 0)
        return entries;
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device_descriptor descriptor;
        if (libusb_get_device_descriptor(list[i], &descriptor) != LIBUSB_SUCCESS)
            continue;
        usb_device_entry entry;
        entry.id = reinterpret_cast<quintptr>(list[i]);
        entry.busNumber = libusb_get_bus_number(list[i]);
        entry.deviceAddress = libusb_get_device_address(list[i]);
        entry.idVendor = descriptor.idVendor;
        entry.idProduct = descriptor.idProduct;
        entry.iSerialNumber = descriptor.iSerialNumber;
        entries.append(entry);
        listed.push_back(libusb_ref_device(list[i]));
    }
    libusb_free_device_list(list, 1);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const usb_device_entry &a, const usb_device_entry &b) { return a.busNumber < b.busNumber; });
    return entries;
}

int libusb_backend::open(const usb_device_entry &device, usb_handle *handle)
{
    *handle = nullptr;
    const auto found = std::find(listed.begin(), listed.end(), reinterpret_cast<libusb_device *>(device.id));
    if (found == listed.end())
        return usb_error::NotFound;
    libusb_device_handle *opened = nullptr;
    const int result = libusb_open(*found, &opened);
    if (result != LIBUSB_SUCCESS)
        return result;
    *handle = reinterpret_cast<usb_handle>(opened);
    return usb_error::Success;
}

int libusb_backend::setConfiguration(usb_handle handle, int configuration)
{
    return libusb_set_configuration(native(handle), configuration);
}

int libusb_backend::claimInterface(usb_handle handle, int interfaceNumber)
{
    return libusb_claim_interface(native(handle), interfaceNumber);
}

int libusb_backend::releaseInterface(usb_handle handle, int interfaceNumber)
{
    return libusb_release_interface(native(handle), interfaceNumber);
}

int libusb_backend::controlTransfer(usb_handle handle, u8 requestType, u8 request, u16 value, u16 index,
                                    u8 *data, u16 length, unsigned timeoutMs)
{
    return libusb_control_transfer(native(handle), requestType, request, value, index, data, length, timeoutMs);
}

int libusb_backend::bulkTransfer(usb_handle handle, u8 endpoint, u8 *data, int length, int *transferred,
                                 unsigned timeoutMs)
{
    return libusb_bulk_transfer(native(handle), endpoint, data, length, transferred, timeoutMs);
}

int libusb_backend::getDescriptor(usb_handle handle, u8 descriptorType, u8 index, u8 *data, int length)
{
    return libusb_get_descriptor(native(handle), descriptorType, index, data, length);
}

void libusb_backend::close(usb_handle handle)
{
    libusb_close(native(handle));
}
