#include "tests/sim/sim_device.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_clock_engine.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/sim/sim_event_engine.h"
#include "tests/sim/sim_identity_engine.h"
#include "tests/sim/sim_live_engine.h"
#include "tests/sim/sim_loader_engine.h"
#include "tests/sim/sim_mode_engine.h"
#include "tests/sim/sim_monitor_engine.h"
#include "tests/sim/sim_rcu_engine.h"
#include "tests/sim/sim_restart_engine.h"
#include "tests/sim/sim_status_engine.h"

#include <algorithm>

sim_device::sim_device(const QString &serial)
    : serial(serial)
{
    addEngine(std::make_unique<sim_identity_engine>());
    addEngine(std::make_unique<sim_status_engine>());
    addEngine(std::make_unique<sim_mode_engine>());
    addEngine(std::make_unique<sim_restart_engine>());
    // After the mode engine: in the loader, unfreezing starts the firmware.
    addEngine(std::make_unique<sim_loader_engine>());
    addEngine(std::make_unique<sim_rcu_engine>());
    addEngine(std::make_unique<sim_monitor_engine>());
    addEngine(std::make_unique<sim_event_engine>());
    addEngine(std::make_unique<sim_config_memory_engine>());
    addEngine(std::make_unique<sim_live_engine>());
    addEngine(std::make_unique<sim_clock_engine>());
}

sim_device::~sim_device() = default;

QString sim_device::presentedSerial() const
{
    return inLoader ? QString::fromLatin1(sim_protocol::LoaderSerial) : serial;
}

int sim_device::presentedModelCode() const
{
    return inLoader ? loaderModelCode : modelCode;
}

u32 sim_device::reportedStatus()
{
    if (!statusScript.isEmpty())
        return statusScript.dequeue();
    const u32 own = status | (inLoader || leaving ? u32(sim_protocol::status::Loader) : 0u);
    return (own | statusForceSet) & ~statusForceClear;
}

void sim_device::beginOperation()
{
    using namespace sim_protocol;
    status &= ~u32(status::Ready | status::Done | status::Failed);
}

void sim_device::vanish()
{
    present = false;
    leaving = false;
}

qint64 sim_device::leaveAndReturn(qint64 awayMs, std::function<void()> back)
{
    clearSchedule();
    const qint64 leaveAt = nowMs + std::max<qint64>(restartLeaveMs, 0);
    if (leaveAt == nowMs) {
        vanish();
    } else {
        leaving = true;
        at(leaveAt, [this] { vanish(); });
    }
    at(leaveAt + awayMs, std::move(back));
    return leaveAt + awayMs;
}

void sim_device::reappear()
{
    present = true;
    ++generation;
}

void sim_device::at(qint64 timeMs, std::function<void()> action)
{
    schedule.push_back({timeMs, std::move(action)});
    std::stable_sort(schedule.begin(), schedule.end(),
                     [](const scheduled_action &a, const scheduled_action &b) { return a.timeMs < b.timeMs; });
}

void sim_device::clearSchedule()
{
    schedule.clear();
}

void sim_device::advanceTo(qint64 timeMs)
{
    nowMs = std::max(nowMs, timeMs);
    // An action may schedule others; take them one at a time.
    while (!schedule.empty() && schedule.front().timeMs <= nowMs) {
        scheduled_action due = std::move(schedule.front());
        schedule.erase(schedule.begin());
        due.action();
    }
}

void sim_device::addEngine(std::unique_ptr<sim_engine> engine)
{
    for (u8 request : engine->requests())
        dispatch[request] = engine.get();
    engines.push_back(std::move(engine));
}

sim_engine *sim_device::engineFor(u8 request) const
{
    const auto found = dispatch.find(request);
    return found == dispatch.end() ? nullptr : found->second;
}

int sim_device::control(const sim_setup &setup, u8 *data)
{
    sim_engine *engine = setup.isVendor() ? engineFor(setup.request()) : nullptr;
    if (!engine) {
        problems << QStringLiteral("unknown request %1").arg(sim_engine::requestName(setup.request()));
        return usb_error::Pipe;
    }
    // Vendor requests go to the device itself; the controller takes no longer data stage.
    if (setup.requestType() != sim_protocol::VendorOut && setup.requestType() != sim_protocol::VendorIn) {
        problems << QStringLiteral("%1 with request type 0x%2")
                        .arg(sim_engine::requestName(setup.request()))
                        .arg(setup.requestType(), 2, 16, QLatin1Char('0'));
        return usb_error::Pipe;
    }
    if (setup.wLength() > sim_protocol::ControlDataMax) {
        problems << QStringLiteral("%1 with a data stage of %2 bytes")
                        .arg(sim_engine::requestName(setup.request()))
                        .arg(setup.wLength());
        return usb_error::Pipe;
    }
    return engine->control(*this, setup, data);
}

int sim_device::stringDescriptor(u8 index, u8 *data, int length) const
{
    QByteArray descriptor;
    if (index == 0) {
        descriptor = QByteArray("\x04\x03\x09\x04", 4);  // one language: English (US)
    } else if (index == iSerialNumber) {
        const QString text = presentedSerial();
        descriptor.append(char(std::min(255, 2 + 2 * int(text.size()))));
        descriptor.append(char(sim_protocol::StringDescriptorType));
        for (QChar c : text) {
            descriptor.append(char(c.unicode() & 0xFF));
            descriptor.append(char(c.unicode() >> 8));
        }
    } else {
        return usb_error::Pipe;
    }
    const int count = std::min(length, int(descriptor.size()));
    std::copy_n(descriptor.constData(), count, data);
    return count;
}

void sim_device::injectOnRequest(u8 request, int occurrence, sim_fault fault)
{
    requestFaults.push_back({request, occurrence, fault});
}

sim_fault sim_device::takeRequestFault(u8 request)
{
    // Every fault waiting for this code counts the request; the first one due fires.
    sim_fault due;
    for (request_fault &f : requestFaults) {
        if (f.request == request && --f.remaining == 0 && due.kind == sim_fault::None)
            due = f.fault;
    }
    requestFaults.erase(std::remove_if(requestFaults.begin(), requestFaults.end(),
                                       [](const request_fault &f) { return f.remaining <= 0; }),
                        requestFaults.end());
    return due;
}
