#pragma once

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_fault.h"
#include "tests/sim/sim_log_entry.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

// A USB bus with any number of simulated controllers, as a USB backend: it installs itself
// for its lifetime, so the program's own device search and transfers run over it. It logs
// every operation and injects faults on demand. Time is appClock()'s: virtual in the
// tests, real in varidex625-sim. It must outlive every controller object that opened a
// device on it.
class sim_usb_bus : public usb_backend_interface
{
public:
    sim_usb_bus();
    ~sim_usb_bus() override;

    sim_usb_bus(const sim_usb_bus &) = delete;
    sim_usb_bus &operator=(const sim_usb_bus &) = delete;

    // A new controller at the end of the bus, shaped further through its fields.
    sim_device &addDevice(const QString &serial);
    // Device number n, 1 for the first added.
    sim_device &device(int number);
    int deviceCount() const { return int(devices.size()); }

    // Every operation, in order.
    QList<sim_log_entry> log;
    // The texts of the log entries from `from` on.
    QStringList logTexts(int from = 0) const;
    void clearLog();
    // Protocol misuse seen by the bus and by every controller; a test expects none.
    QStringList problems() const;

    // Runs before every operation; a test lets virtual time pass per transfer with it
    // (bounds on elapsed time are then reached by polls that run back to back).
    std::function<void()> beforeOperation;

    // The operation that becomes log entry `operation` (counted in the current log) gets
    // the fault. Faults at the n-th request of a code: sim_device::injectOnRequest.
    void injectAt(int operation, sim_fault fault);

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
    struct sim_handle {
        int number;       // device number
        int generation;   // the device's appearance this handle belongs to
    };

    // Brings every device up to appClock()'s time, appends a log entry and takes the fault
    // due at it.
    int begin(sim_log_entry::kind_type kind, int device, const QString &what, sim_fault &fault);
    // The handle, or null (recorded as a problem) when the bus never gave it out.
    sim_handle *find(usb_handle handle);
    // False (with the entry marked) when the handle's device has gone since it was opened.
    bool alive(const sim_handle &h, sim_log_entry &entry);
    // The controller may take the whole time-out to answer: a host that waits less gives up
    // on a controller that is only slow (recorded as a problem).
    void checkTimeout(sim_device &device, unsigned timeoutMs, const sim_log_entry &entry);
    // Applies a fault that ends the operation at once (fail, time-out, vanish): its result,
    // or 1 to go on.
    int endByFault(const sim_fault &fault, sim_device &device, sim_log_entry &entry);
    // Configuration, claim and release: logged, faults applied, then refused (Busy) when
    // the device says so.
    int settingOperation(usb_handle handle, sim_log_entry::kind_type kind, const QString &what,
                         const std::function<bool(const sim_device &)> &refuses);
    int bulkOut(sim_device &device, sim_log_entry &entry, const sim_fault &fault, u8 *data, int length,
                int *transferred);
    int bulkIn(sim_device &device, sim_log_entry &entry, const sim_fault &fault, u8 *data, int length,
               int *transferred);

    std::vector<std::unique_ptr<sim_device>> devices;
    std::vector<std::unique_ptr<sim_handle>> handles;
    std::map<int, sim_fault> operationFaults;
    QStringList busProblems;
};
