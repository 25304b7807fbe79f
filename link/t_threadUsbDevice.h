#pragma once

#include "link/usb_backend_interface.h"
#include "model/types.h"

#include <QString>
#include <QThread>

// The program's only access to the controller hardware: finds the controller on the USB
// busses (model and serial checks), opens it, and offers the four transfer primitives
// everything else is built from. All calls are synchronous, in the user-interface thread;
// the thread base is never started. Results: a count or a model code, -1 on failure.
class t_threadUsbDevice : public QThread
{
    Q_OBJECT

public:
    t_threadUsbDevice();
    ~t_threadUsbDevice() override;

    void setIds(u16 vendor, u16 product);
    // The serial number wanted by the next search (empty: any controller).
    void setSerialNumber(const QString &serial);
    bool isOpen() const;

    // Searches the busses for the wanted controller and opens it: its model code (0x5A or
    // 0x5F) with the device open, or -1. Other controllers seen on the way are listed in the
    // current controller's otherSerials.
    int open();
    // True when the last search passed over a device with the controller's ids that this
    // user has no permission to open (its device node is not theirs): the usual reason why
    // a controller that is plugged in is not found.
    bool sawControllerWithoutPermission() const { return permissionDenied; }
    // Releases the interface and closes the device; nothing when closed.
    void close();

    // Vendor control transfers: bytes of the data stage (0 without one) or -1. Out takes at
    // most 64 data bytes (more: -1, nothing sent); a null pointer or length 0 means no data
    // stage. In needs a buffer and a length of 1 to 64; it may return fewer bytes.
    int controlOut(int request, u16 value, u16 index, u8 *data, int length);
    int controlIn(int request, u16 value, u16 index, u8 *data, int length);
    // Bulk transfers on the controller's endpoints: the bytes moved or the backend's
    // negative error; -1 without a transfer for a null buffer, a length below 1 or a
    // closed device.
    int bulkWrite(u8 *data, int length);
    int bulkRead(u8 *data, int length);

    // The model code (REQ_MODEL_CODE), or -1 unless exactly 2 bytes came.
    int readModelCode();
    // Re-reads the serial number of the open device at the fixed string index: 0 or -1
    // (serialNumber then empty).
    int readSerialNumber();

    // The serial number in a string descriptor reply of `received` bytes: the UTF-16LE
    // characters from byte 2 on, at most 13 of them and no more than the reply holds.
    // False for a reply shorter than 2 bytes.
    static bool serialFromDescriptor(const u8 *buffer, int received, QString &serial);

    u16 productId = 0;   // kept, not used by the search
    u16 vendorId = 0;    // the search takes only devices of this vendor
    usb_handle handle = nullptr;
    // Before a search: the serial number wanted (empty: any); after a successful one: the
    // serial number of the controller opened.
    QString serialNumber;

protected:
    // Never runs: the thread is never started.
    void run() override;

private:
    bool readSerialDescriptor(u8 index, QString &serial);
    int bulkTransfer(u8 endpoint, u8 *data, int length);

    // The backend that opened `handle`; the handle is closed through it.
    usb_backend_interface *handleBackend = nullptr;
    // Set by a search that could not open a device with the controller's ids for lack of
    // permission.
    bool permissionDenied = false;
};
