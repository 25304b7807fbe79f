#include "tests/sim/sim_usb_bus.h"

#include "model/clock_interface.h"
#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_frame.h"

#include <algorithm>
#include <cstring>

sim_usb_bus::sim_usb_bus()
{
    installUsbBackend(this);
}

sim_usb_bus::~sim_usb_bus()
{
    installUsbBackend(nullptr);
}

sim_device &sim_usb_bus::addDevice(const QString &serial)
{
    devices.push_back(std::make_unique<sim_device>(serial));
    return *devices.back();
}

sim_device &sim_usb_bus::device(int number)
{
    return *devices.at(size_t(number - 1));
}

QStringList sim_usb_bus::logTexts(int from) const
{
    QStringList texts;
    for (int i = from; i < log.size(); ++i)
        texts << log[i].text();
    return texts;
}

void sim_usb_bus::clearLog()
{
    log.clear();
    operationFaults.clear();
}

QStringList sim_usb_bus::problems() const
{
    QStringList all = busProblems;
    for (size_t i = 0; i < devices.size(); ++i) {
        for (const QString &p : devices[i]->problems)
            all << QStringLiteral("#%1 %2").arg(i + 1).arg(p);
    }
    return all;
}

void sim_usb_bus::injectAt(int operation, sim_fault fault)
{
    operationFaults[operation] = fault;
}

int sim_usb_bus::begin(sim_log_entry::kind_type kind, int device, const QString &what, sim_fault &fault)
{
    if (beforeOperation)
        beforeOperation();
    const qint64 now = appClock().elapsedMs();
    for (auto &d : devices)
        d->advanceTo(now);
    sim_log_entry entry;
    entry.kind = kind;
    entry.device = device;
    entry.timeMs = now;
    entry.what = what;
    const int index = int(log.size());
    log.append(entry);
    const auto found = operationFaults.find(index);
    fault = found == operationFaults.end() ? sim_fault() : found->second;
    return index;
}

sim_usb_bus::sim_handle *sim_usb_bus::find(usb_handle handle)
{
    auto *h = reinterpret_cast<sim_handle *>(handle);
    for (const auto &owned : handles) {
        if (owned.get() == h)
            return h;
    }
    busProblems << QStringLiteral("call on a handle the bus never gave out");
    return nullptr;
}

bool sim_usb_bus::alive(const sim_handle &h, sim_log_entry &entry)
{
    const sim_device &d = *devices[size_t(h.number - 1)];
    if (d.present && d.generation == h.generation)
        return true;
    entry.outcome = QStringLiteral("gone");
    entry.result = usb_error::NoDevice;
    return false;
}

void sim_usb_bus::checkTimeout(sim_device &device, unsigned timeoutMs, const sim_log_entry &entry)
{
    if (timeoutMs != sim_protocol::TransferTimeoutMs)
        device.problems << QStringLiteral("%1 with a time-out of %2 ms").arg(entry.what).arg(timeoutMs);
}

int sim_usb_bus::endByFault(const sim_fault &fault, sim_device &device, sim_log_entry &entry)
{
    switch (fault.kind) {
    case sim_fault::Fail:
        entry.outcome = QStringLiteral("fail");
        return entry.result = usb_error::Io;
    case sim_fault::Timeout:
        entry.outcome = QStringLiteral("timeout");
        return entry.result = usb_error::Timeout;
    case sim_fault::Vanish:
        device.vanish();
        if (fault.returnAfterMs >= 0) {
            sim_device *d = &device;
            device.at(device.nowMs + fault.returnAfterMs, [d] { d->reappear(); });
        }
        entry.outcome = QStringLiteral("vanish");
        return entry.result = usb_error::NoDevice;
    default:
        return 1;
    }
}

QList<usb_device_entry> sim_usb_bus::listDevices()
{
    sim_fault fault;
    sim_log_entry &entry = log[begin(sim_log_entry::List, 0, QStringLiteral("list"), fault)];
    QList<usb_device_entry> found;
    if (fault.kind == sim_fault::Vanish) {
        for (auto &d : devices)
            endByFault(fault, *d, entry);
    }
    if (fault.kind != sim_fault::None) {
        entry.outcome = fault.kind == sim_fault::Vanish ? QStringLiteral("vanish") : QStringLiteral("fail");
        return found;
    }
    for (size_t i = 0; i < devices.size(); ++i) {
        const sim_device &d = *devices[i];
        if (!d.present)
            continue;
        usb_device_entry e;
        e.id = i + 1;
        e.busNumber = d.busNumber;
        e.deviceAddress = u8(i + 1);
        e.idVendor = d.idVendor;
        e.idProduct = d.idProduct;
        e.iSerialNumber = d.iSerialNumber;
        found.append(e);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const usb_device_entry &a, const usb_device_entry &b) { return a.busNumber < b.busNumber; });
    entry.result = int(found.size());
    return found;
}

int sim_usb_bus::open(const usb_device_entry &entryDevice, usb_handle *handle)
{
    *handle = nullptr;
    const int number = int(entryDevice.id);
    if (number < 1 || number > deviceCount()) {
        busProblems << QStringLiteral("open of a device the bus never listed");
        return usb_error::NotFound;
    }
    sim_fault fault;
    sim_log_entry &entry = log[begin(sim_log_entry::Open, number, QStringLiteral("open"), fault)];
    sim_device &d = device(number);
    if (!d.present) {
        entry.outcome = QStringLiteral("gone");
        return entry.result = usb_error::NoDevice;
    }
    if (const int r = endByFault(fault, d, entry); r <= 0)
        return r;
    if (d.openFails) {
        entry.outcome = QStringLiteral("refused");
        return entry.result = d.openError;
    }
    handles.push_back(std::make_unique<sim_handle>(sim_handle{number, d.generation}));
    *handle = reinterpret_cast<usb_handle>(handles.back().get());
    return entry.result = usb_error::Success;
}

int sim_usb_bus::settingOperation(usb_handle handle, sim_log_entry::kind_type kind, const QString &what,
                                  const std::function<bool(const sim_device &)> &refuses)
{
    sim_handle *h = find(handle);
    if (!h)
        return usb_error::InvalidParam;
    sim_fault fault;
    sim_log_entry &entry = log[begin(kind, h->number, what, fault)];
    sim_device &d = device(h->number);
    if (!alive(*h, entry))
        return entry.result;
    if (const int r = endByFault(fault, d, entry); r <= 0)
        return r;
    if (refuses(d)) {
        entry.outcome = QStringLiteral("refused");
        return entry.result = usb_error::Busy;
    }
    return entry.result = 0;
}

int sim_usb_bus::setConfiguration(usb_handle handle, int configuration)
{
    return settingOperation(handle, sim_log_entry::SetConfiguration, QStringLiteral("configuration %1").arg(configuration),
                            [configuration](const sim_device &d) {
                                return d.configurationFails || configuration != sim_protocol::Configuration;
                            });
}

int sim_usb_bus::claimInterface(usb_handle handle, int interfaceNumber)
{
    return settingOperation(handle, sim_log_entry::ClaimInterface, QStringLiteral("claim %1").arg(interfaceNumber),
                            [interfaceNumber](const sim_device &d) {
                                return d.claimFails || interfaceNumber != sim_protocol::Interface;
                            });
}

int sim_usb_bus::releaseInterface(usb_handle handle, int interfaceNumber)
{
    return settingOperation(handle, sim_log_entry::ReleaseInterface, QStringLiteral("release %1").arg(interfaceNumber),
                            [](const sim_device &) { return false; });
}

int sim_usb_bus::controlTransfer(usb_handle handle, u8 requestType, u8 request, u16 value, u16 index, u8 *data,
                                 u16 length, unsigned timeoutMs)
{
    sim_handle *h = find(handle);
    if (!h)
        return usb_error::InvalidParam;
    sim_device &d = device(h->number);
    const sim_setup setup = sim_setup::make(requestType, request, value, index, length);
    const sim_engine *engine = setup.isVendor() ? d.engineFor(request) : nullptr;
    sim_fault fault;
    sim_log_entry &entry = log[begin(sim_log_entry::Control, h->number,
                                     engine ? engine->describe(setup) : sim_engine::defaultDescription(setup), fault)];
    entry.setup = setup;
    checkTimeout(d, timeoutMs, entry);
    // A fault set for the n-th request of this code counts every such request.
    const sim_fault requestFault = d.takeRequestFault(request);
    if (fault.kind == sim_fault::None)
        fault = requestFault;
    if (!alive(*h, entry))
        return entry.result;
    if (const int r = endByFault(fault, d, entry); r <= 0)
        return r;

    QByteArray stage(length, '\0');
    if (!setup.isIn() && data && length > 0)
        std::memcpy(stage.data(), data, length);
    if (fault.kind == sim_fault::Short && !setup.isIn()) {
        // Part of the data stage is lost: the controller ignores the request.
        entry.outcome = QStringLiteral("short");
        entry.data = stage.left(fault.bytes >= 0 ? fault.bytes : std::max(0, length - 1));
        return entry.result = int(entry.data.size());
    }
    int result = d.control(setup, reinterpret_cast<u8 *>(stage.data()));
    if (result == usb_error::Pipe)
        entry.outcome = QStringLiteral("stall");
    if (result >= 0 && setup.isIn()) {
        if (fault.kind == sim_fault::Short) {
            result = fault.bytes >= 0 ? std::min(fault.bytes, result) : std::max(0, result - 1);
            entry.outcome = QStringLiteral("short");
        }
        std::memcpy(data, stage.constData(), size_t(result));
        entry.data = stage.left(result);
    } else if (!setup.isIn()) {
        entry.data = stage;
    }
    return entry.result = result;
}

int sim_usb_bus::getDescriptor(usb_handle handle, u8 descriptorType, u8 index, u8 *data, int length)
{
    sim_handle *h = find(handle);
    if (!h)
        return usb_error::InvalidParam;
    sim_device &d = device(h->number);
    const QString what = descriptorType == sim_protocol::StringDescriptorType
        ? QStringLiteral("string 0x%1").arg(index, 2, 16, QLatin1Char('0'))
        : QStringLiteral("descriptor %1 0x%2").arg(descriptorType).arg(index, 2, 16, QLatin1Char('0'));
    sim_fault fault;
    sim_log_entry &entry = log[begin(sim_log_entry::Descriptor, h->number, what, fault)];
    entry.setup = sim_setup::make(sim_protocol::StandardIn, sim_protocol::GetDescriptor,
                                  u16((descriptorType << 8) | index), 0, u16(length));
    if (!alive(*h, entry))
        return entry.result;
    if (const int r = endByFault(fault, d, entry); r <= 0)
        return r;
    QByteArray reply(std::max(length, 0), '\0');
    int result = descriptorType == sim_protocol::StringDescriptorType
        ? d.stringDescriptor(index, reinterpret_cast<u8 *>(reply.data()), length)
        : int(usb_error::Pipe);
    if (result < 0) {
        entry.outcome = QStringLiteral("stall");
        return entry.result = result;
    }
    if (fault.kind == sim_fault::Short) {
        result = fault.bytes >= 0 ? std::min(fault.bytes, result) : std::max(0, result - 1);
        entry.outcome = QStringLiteral("short");
    }
    std::memcpy(data, reply.constData(), size_t(result));
    entry.data = reply.left(result);
    return entry.result = result;
}

int sim_usb_bus::bulkTransfer(usb_handle handle, u8 endpoint, u8 *data, int length, int *transferred,
                              unsigned timeoutMs)
{
    *transferred = 0;
    sim_handle *h = find(handle);
    if (!h)
        return usb_error::InvalidParam;
    sim_device &d = device(h->number);
    const bool out = endpoint == sim_protocol::BulkOutEndpoint;
    sim_fault fault;
    sim_log_entry &entry = log[begin(out ? sim_log_entry::BulkOut : sim_log_entry::BulkIn, h->number,
                                     QStringLiteral("bulk %1 %2").arg(out ? "out" : "in").arg(length), fault)];
    checkTimeout(d, timeoutMs, entry);
    if (!alive(*h, entry))
        return entry.result;
    if (const int r = endByFault(fault, d, entry); r <= 0)
        return r;
    if (out)
        return bulkOut(d, entry, fault, data, length, transferred);
    if (endpoint == sim_protocol::BulkInEndpoint)
        return bulkIn(d, entry, fault, data, length, transferred);
    d.problems << QStringLiteral("bulk transfer on endpoint 0x%1").arg(endpoint, 2, 16, QLatin1Char('0'));
    entry.outcome = QStringLiteral("stall");
    return entry.result = usb_error::Pipe;
}

namespace {

// " 0x14/3 @0x62002000" for a good frame, " bad frame" for anything else.
QString frameSummary(const QByteArray &bytes)
{
    const sim_frame f = sim_frame::parse(bytes);
    if (!f.valid)
        return QStringLiteral(" bad frame");
    return QStringLiteral(" 0x%1/%2 @0x%3")
        .arg(f.command, 2, 16, QLatin1Char('0'))
        .arg(f.sub)
        .arg(f.address, 8, 16, QLatin1Char('0'));
}

} // namespace

int sim_usb_bus::bulkOut(sim_device &device, sim_log_entry &entry, const sim_fault &fault, u8 *data, int length,
                         int *transferred)
{
    const QByteArray frame(reinterpret_cast<const char *>(data), length);
    entry.what += frameSummary(frame);
    if (fault.kind == sim_fault::Short) {
        // The frame is cut off: the controller never completes it and the host times out.
        entry.outcome = QStringLiteral("short");
        *transferred = fault.bytes >= 0 ? std::min(fault.bytes, length) : std::max(0, length - 1);
        entry.data = frame.left(*transferred);
        return entry.result = usb_error::Timeout;
    }
    entry.data = frame;
    if (!device.bulkOutSink) {
        device.problems << QStringLiteral("a frame nobody announced");
        entry.outcome = QStringLiteral("timeout");
        return entry.result = usb_error::Timeout;
    }
    const int taken = device.bulkOutSink(frame);
    if (taken < 0) {
        entry.outcome = QStringLiteral("refused");
        return entry.result = taken;
    }
    *transferred = taken;
    return entry.result = 0;
}

int sim_usb_bus::bulkIn(sim_device &device, sim_log_entry &entry, const sim_fault &fault, u8 *data, int length,
                        int *transferred)
{
    if (device.bulkInQueue.isEmpty()) {
        device.problems << QStringLiteral("a bulk read with nothing offered");
        entry.outcome = QStringLiteral("timeout");
        return entry.result = usb_error::Timeout;
    }
    QByteArray frame = device.bulkInQueue.dequeue();
    if (device.bulkInTaken)
        device.bulkInTaken();
    if (fault.kind == sim_fault::BadChecksum && !frame.isEmpty()) {
        frame[frame.size() > 8 ? 8 : 0] = char(frame[frame.size() > 8 ? 8 : 0] ^ 0x01);
        entry.outcome = QStringLiteral("checksum");
    } else if (fault.kind == sim_fault::WrongLength && frame.size() >= 4) {
        // The length field says one word less than the frame carries.
        const int wrong = (u8(frame[2]) | (u8(frame[3]) << 8)) - 4;
        frame[2] = char(wrong & 0xFF);
        frame[3] = char((wrong >> 8) & 0xFF);
        entry.outcome = QStringLiteral("length");
    } else if (fault.kind == sim_fault::Short) {
        frame = frame.left(fault.bytes >= 0 ? fault.bytes : std::max(0, int(frame.size()) - 1));
        entry.outcome = QStringLiteral("short");
    }
    const int count = std::min(length, int(frame.size()));
    std::memcpy(data, frame.constData(), size_t(count));
    *transferred = count;
    entry.data = frame.left(count);
    entry.what += frameSummary(entry.data);
    if (frame.size() > length) {
        entry.outcome = QStringLiteral("overflow");
        return entry.result = usb_error::Overflow;
    }
    return entry.result = 0;
}

void sim_usb_bus::close(usb_handle handle)
{
    sim_handle *h = find(handle);
    if (!h)
        return;
    sim_fault fault;
    begin(sim_log_entry::Close, h->number, QStringLiteral("close"), fault);
    handles.erase(std::find_if(handles.begin(), handles.end(), [h](const auto &owned) { return owned.get() == h; }));
}
