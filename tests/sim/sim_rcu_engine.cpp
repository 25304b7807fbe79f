#include "tests/sim/sim_rcu_engine.h"

#include "link/usb_backend_interface.h"
#include "tests/sim/sim_device.h"
#include "tests/sim/sim_device_protocol.h"

#include <algorithm>

using namespace sim_protocol;
using namespace sim_protocol::rcu;

namespace {

const char *subName(int sub)
{
    static const char *const names[] = {"RESULT", "READ_KEY", "LEARN_ADDRESS", "LEARN_KEY",
                                        "SET_ADDRESS", "WRITE_KEY", "SAVE"};
    return sub >= 0 && sub <= Save ? names[sub] : nullptr;
}

int reply(const sim_setup &setup, u8 *data, const std::array<u8, 4> &bytes)
{
    const int count = std::min(int(setup.wLength()), 4);
    std::copy_n(bytes.begin(), count, data);
    return count;
}

} // namespace

sim_rcu_engine::sim_rcu_engine()
{
    codes.fill(None);
    savedCodes.fill(None);
}

QList<u8> sim_rcu_engine::requests() const
{
    return {request::Rcu};
}

QString sim_rcu_engine::describe(const sim_setup &setup) const
{
    const char *name = subName(setup.index());
    if (!name)
        return defaultDescription(setup);
    // WRITE_KEY carries two bytes in wValue, the others a number sent high byte first.
    const QString argument = setup.index() == WriteKey
        ? QStringLiteral("key %1 code %2").arg(setup.wValue() >> 8).arg(setup.wValue() & 0xFF)
        : QString::number(setup.value());
    const QString stage = setup.isIn() ? QStringLiteral("in") : QStringLiteral("out");
    return QStringLiteral("RCU %1 %2 %3 %4").arg(QLatin1String(name), argument, stage).arg(setup.wLength());
}

int sim_rcu_engine::control(sim_device &device, const sim_setup &setup, u8 *data)
{
    if (!expect(device, setup, true, RcuReplySize))
        return usb_error::Pipe;
    const int argument = setup.value();
    switch (setup.index()) {
    case Result:
        return reply(setup, data, result);
    case ReadKey: {
        if (argument >= KeyCount)
            break;
        const auto reported = addressReportedForKey.find(argument);
        const u8 a = reported == addressReportedForKey.end() ? address : reported->second;
        return reply(setup, data, {a, codes[size_t(argument)], u8(argument), 0});
    }
    case LearnAddress:
        startLearning(device, 0, true);
        return reply(setup, data, {address, None, 0, 0});
    case LearnKey:
        if (argument >= KeyCount)
            break;
        startLearning(device, u8(argument), false);
        return reply(setup, data, {address, None, u8(argument), 0});
    case SetAddress:
        // Taken as sent; the result reports it.
        device.beginOperation();
        address = u8(argument);
        result = {address, None, 0, 0};
        device.status |= status::Done;
        busyAfterWrite(device);
        return reply(setup, data, result);
    case WriteKey: {
        const int key = setup.wValue() >> 8;
        if (key >= KeyCount)
            break;
        codes[size_t(key)] = u8(setup.wValue() & 0xFF);
        busyAfterWrite(device);
        return reply(setup, data, {address, codes[size_t(key)], u8(key), 0});
    }
    case Save:
        savedAddress = address;
        savedCodes = codes;
        ++saves;
        return reply(setup, data, {address, None, 0, 0});
    }
    device.problems << QStringLiteral("RCU sub-command %1 with argument %2").arg(setup.index()).arg(argument);
    return usb_error::Pipe;
}

void sim_rcu_engine::startLearning(sim_device &device, u8 key, bool addressOnly)
{
    device.beginOperation();
    ++learnRequests;
    const int thisLearning = ++learning;
    if (learnAfterMs < 0)
        return;
    sim_device *d = &device;
    device.at(device.nowMs + learnAfterMs, [this, d, thisLearning, key, addressOnly] {
        if (thisLearning != learning)
            return;
        if (learnFails) {
            d->status |= status::Failed;
            return;
        }
        const u8 named = heardKey < 0 ? key : u8(heardKey);
        result = {heardAddress, addressOnly ? None : heardCode, addressOnly ? u8(0) : named, 0};
        // What the controller heard it keeps.
        if (heardAddress <= MaxAddress)
            address = heardAddress;
        if (!addressOnly && heardCode < KeyCount && named < KeyCount)
            codes[named] = heardCode;
        d->status |= status::Done;
    });
}

void sim_rcu_engine::busyAfterWrite(sim_device &device)
{
    if (busyAfterWriteMs <= 0)
        return;
    device.status |= status::Busy;
    sim_device *d = &device;
    device.at(device.nowMs + busyAfterWriteMs, [d] { d->status &= ~u32(status::Busy); });
}
