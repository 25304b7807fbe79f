#include "bench/timed_backend.h"

#include "bench/sample_series.h"

timed_backend::timed_backend(usb_backend_interface &inner)
    : inner(inner)
{
    installUsbBackend(this);
}

timed_backend::~timed_backend()
{
    installUsbBackend(&inner);
}

template <class Call>
auto timed_backend::timed(Call call) -> decltype(call())
{
    const double start = threadCpuMs();
    auto result = call();
    insideMs += threadCpuMs() - start;
    return result;
}

QList<usb_device_entry> timed_backend::listDevices()
{
    return timed([&] { return inner.listDevices(); });
}

int timed_backend::open(const usb_device_entry &device, usb_handle *handle)
{
    return timed([&] { return inner.open(device, handle); });
}

int timed_backend::setConfiguration(usb_handle handle, int configuration)
{
    return timed([&] { return inner.setConfiguration(handle, configuration); });
}

int timed_backend::claimInterface(usb_handle handle, int interfaceNumber)
{
    return timed([&] { return inner.claimInterface(handle, interfaceNumber); });
}

int timed_backend::releaseInterface(usb_handle handle, int interfaceNumber)
{
    return timed([&] { return inner.releaseInterface(handle, interfaceNumber); });
}

int timed_backend::controlTransfer(usb_handle handle, u8 requestType, u8 request, u16 value, u16 index, u8 *data,
                                   u16 length, unsigned timeoutMs)
{
    return timed(
        [&] { return inner.controlTransfer(handle, requestType, request, value, index, data, length, timeoutMs); });
}

int timed_backend::bulkTransfer(usb_handle handle, u8 endpoint, u8 *data, int length, int *transferred,
                                unsigned timeoutMs)
{
    return timed([&] { return inner.bulkTransfer(handle, endpoint, data, length, transferred, timeoutMs); });
}

int timed_backend::getDescriptor(usb_handle handle, u8 descriptorType, u8 index, u8 *data, int length)
{
    return timed([&] { return inner.getDescriptor(handle, descriptorType, index, data, length); });
}

void timed_backend::close(usb_handle handle)
{
    timed([&] {
        inner.close(handle);
        return 0;
    });
}
