#include "link/t_threadUsbDevice.h"

#include "link/kd620_controller_class.h"
#include "link/usb_protocol.h"

#include <algorithm>

using namespace usb_link;

t_threadUsbDevice::t_threadUsbDevice() = default;

t_threadUsbDevice::~t_threadUsbDevice()
{
    // The program ends here: the interface is not released first.
    if (handle)
        handleBackend->close(handle);
    handle = nullptr;
}

void t_threadUsbDevice::setIds(u16 vendor, u16 product)
{
    vendorId = vendor;
    productId = product;
}

void t_threadUsbDevice::setSerialNumber(const QString &serial)
{
    serialNumber = serial;
}

bool t_threadUsbDevice::isOpen() const
{
    return handle != nullptr;
}

int t_threadUsbDevice::open()
{
    if (currentController)
        currentController->otherSerials.clear();
    if (handle) {
        handleBackend->close(handle);
        handle = nullptr;
    }
    permissionDenied = false;

    usb_backend_interface &usb = usbBackend();
    const QList<usb_device_entry> devices = usb.listDevices();
    for (const usb_device_entry &device : devices) {
        if (device.idVendor != vendorId || (device.idProduct != ProductIdOlder && device.idProduct != ProductId))
            continue;
        const int opened = usb.open(device, &handle);
        if (opened != usb_error::Success || !handle) {
            handle = nullptr;
            if (opened == usb_error::Access)
                permissionDenied = true;
            continue;
        }
        handleBackend = &usb;
        if (usb.setConfiguration(handle, Configuration) < 0 || usb.claimInterface(handle, Interface) < 0) {
            usb.close(handle);
            handle = nullptr;
            continue;
        }
        const int model = readModelCode();
        if (model != ModelOlder && model != ModelCurrent) {
            close();
            continue;
        }
        QString serial;
        if (!readSerialDescriptor(device.iSerialNumber, serial)) {
            close();
            continue;
        }
        // The first device read fills an empty wanted serial, even one skipped just below.
        if (serialNumber.isEmpty())
            serialNumber = serial;
        // An older-model device is only taken while its loader runs; it is no other controller.
        if (model == ModelOlder && serial != QLatin1String(LOADER_SERIAL)) {
            close();
            continue;
        }
        if (serial == serialNumber)
            return model;
        if (serial == QLatin1String(LOADER_SERIAL) || serialNumber == QLatin1String(LOADER_SERIAL)) {
            serialNumber = serial;
            return model;
        }
        if (currentController)
            currentController->otherSerials.append(serial);
        close();
    }
    return -1;
}

void t_threadUsbDevice::close()
{
    if (!handle)
        return;
    handleBackend->releaseInterface(handle, Interface);
    handleBackend->close(handle);
    handle = nullptr;
}

int t_threadUsbDevice::controlOut(int request, u16 value, u16 index, u8 *data, int length)
{
    if (!handle)
        return -1;
    if (!data || length == 0) {
        data = nullptr;
        length = 0;
    } else if (length < 0 || length > ControlDataMax) {
        return -1;
    }
    const int result = handleBackend->controlTransfer(handle, VendorOut, u8(request), value, index, data,
                                                      u16(length), TransferTimeoutMs);
    return result < 0 ? -1 : result;
}

int t_threadUsbDevice::controlIn(int request, u16 value, u16 index, u8 *data, int length)
{
    if (!handle || !data || length < 1 || length > ControlDataMax)
        return -1;
    const int result = handleBackend->controlTransfer(handle, VendorIn, u8(request), value, index, data,
                                                      u16(length), TransferTimeoutMs);
    return result < 0 ? -1 : result;
}

int t_threadUsbDevice::bulkTransfer(u8 endpoint, u8 *data, int length)
{
    if (!handle || !data || length < 1)
        return -1;
    int transferred = 0;
    const int result = handleBackend->bulkTransfer(handle, endpoint, data, length, &transferred, TransferTimeoutMs);
    return result < 0 ? result : transferred;
}

int t_threadUsbDevice::bulkWrite(u8 *data, int length)
{
    return bulkTransfer(BulkOutEndpoint, data, length);
}

int t_threadUsbDevice::bulkRead(u8 *data, int length)
{
    return bulkTransfer(BulkInEndpoint, data, length);
}

int t_threadUsbDevice::readModelCode()
{
    u8 reply[2] = {0, 0};
    if (controlIn(REQ_MODEL_CODE, 0, 0, reply, 2) != 2)
        return -1;
    return reply[0] | (reply[1] << 8);
}

int t_threadUsbDevice::readSerialNumber()
{
    serialNumber.clear();
    QString serial;
    if (!handle || !readSerialDescriptor(SerialStringIndex, serial))
        return -1;
    serialNumber = serial;
    return 0;
}

bool t_threadUsbDevice::readSerialDescriptor(u8 index, QString &serial)
{
    // Zeroed, so nothing of an earlier reply can pass for part of this one.
    u8 buffer[SerialBufferSize] = {};
    const int received = handleBackend->getDescriptor(handle, StringDescriptorType, index, buffer, SerialBufferSize);
    return serialFromDescriptor(buffer, std::min(received, SerialBufferSize), serial);
}

bool t_threadUsbDevice::serialFromDescriptor(const u8 *buffer, int received, QString &serial)
{
    // Bytes 0 and 1 are the descriptor's length and type; a reply without them is a failure.
    if (received < 2)
        return false;
    const int count = std::min(SerialLength, (received - 2) / 2);
    serial.clear();
    for (int i = 0; i < count; ++i)
        serial.append(QChar(char16_t(buffer[2 + 2 * i] | (buffer[3 + 2 * i] << 8))));
    return true;
}

void t_threadUsbDevice::run()
{
    for (;;)
        QThread::msleep(3000);
}
