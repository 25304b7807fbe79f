// Times the whole-configuration send and read against the simulated controller over a
// modelled USB full-speed link: every control transfer takes 1 ms on the wire, bulk data
// moves at 1.216 MB/s, and the controller is always ready (no status poll waits). Prints
// the modelled wire time of a send and of a read against the floor (their bulk bytes at
// the bulk rate) and the host CPU time the tool spends per transfer (packing, framing,
// checksums, and for the read the rebuilt stores), without the simulator's own work.

#include "link/kd620_controller_class.h"
#include "link/usb_backend_interface.h"
#include "tests/sim/sim_usb_bus.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/virtual_clock.h"

#include <QCoreApplication>

#include <cstdio>
#include <ctime>

namespace {

constexpr int Runs = 10;
constexpr double ControlTransferMs = 1.0;
constexpr double BulkBytesPerMs = 1216.0;  // 1.216 MB/s
constexpr double TargetShareOfFloor = 0.05;

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Passes every call on to the simulated bus and adds up the CPU time spent there, so that
// the simulator's work can be taken out of the tool's.
class timed_backend : public usb_backend_interface
{
public:
    explicit timed_backend(usb_backend_interface &inner) : inner(inner) { installUsbBackend(this); }
    ~timed_backend() override { installUsbBackend(&inner); }

    double insideMs = 0;

    QList<usb_device_entry> listDevices() override { return timed([&] { return inner.listDevices(); }); }
    usb_handle open(const usb_device_entry &device) override { return timed([&] { return inner.open(device); }); }
    int setConfiguration(usb_handle h, int configuration) override
    {
        return timed([&] { return inner.setConfiguration(h, configuration); });
    }
    int claimInterface(usb_handle h, int number) override { return timed([&] { return inner.claimInterface(h, number); }); }
    int releaseInterface(usb_handle h, int number) override
    {
        return timed([&] { return inner.releaseInterface(h, number); });
    }
    int controlTransfer(usb_handle h, u8 requestType, u8 request, u16 value, u16 index, u8 *data, u16 length,
                        unsigned timeoutMs) override
    {
        return timed([&] { return inner.controlTransfer(h, requestType, request, value, index, data, length, timeoutMs); });
    }
    int bulkTransfer(usb_handle h, u8 endpoint, u8 *data, int length, int *transferred, unsigned timeoutMs) override
    {
        return timed([&] { return inner.bulkTransfer(h, endpoint, data, length, transferred, timeoutMs); });
    }
    int getDescriptor(usb_handle h, u8 type, u8 index, u8 *data, int length) override
    {
        return timed([&] { return inner.getDescriptor(h, type, index, data, length); });
    }
    void close(usb_handle h) override
    {
        timed([&] {
            inner.close(h);
            return 0;
        });
    }

private:
    template <class Call>
    auto timed(Call call) -> decltype(call())
    {
        const double start = cpuMs();
        auto result = call();
        insideMs += cpuMs() - start;
        return result;
    }

    usb_backend_interface &inner;
};

// What one transfer put on the wire, from the bus log.
struct wire_use {
    int controlTransfers = 0;
    int frames = 0;
    qint64 bulkBytes = 0;

    static wire_use of(const sim_usb_bus &bus)
    {
        wire_use w;
        for (const sim_log_entry &e : bus.log) {
            if (e.kind == sim_log_entry::Control || e.kind == sim_log_entry::Descriptor) {
                ++w.controlTransfers;
            } else if (e.kind == sim_log_entry::BulkOut || e.kind == sim_log_entry::BulkIn) {
                ++w.frames;
                w.bulkBytes += e.data.size();
            }
        }
        return w;
    }
    double floorMs() const { return double(bulkBytes) / BulkBytesPerMs; }
    double wireMs() const { return controlTransfers * ControlTransferMs + floorMs(); }
};

struct measurement {
    wire_use wire;
    double hostCpuMs = 0;  // per transfer
};

// Runs the transfer Runs times: the wire use of the last run, the tool's CPU time per run.
template <class Transfer>
measurement measure(sim_usb_bus &bus, timed_backend &backend, Transfer transfer)
{
    double toolMs = 0;
    for (int i = 0; i < Runs; ++i) {
        bus.clearLog();
        backend.insideMs = 0;
        const double start = cpuMs();
        transfer();
        toolMs += cpuMs() - start - backend.insideMs;
    }
    return {wire_use::of(bus), toolMs / Runs};
}

bool report(const char *what, const measurement &m)
{
    const double floor = m.wire.floorMs();
    const double share = m.hostCpuMs / floor;
    std::printf("%s: %d frames, %lld bulk bytes, %d control transfers\n", what, m.wire.frames,
                static_cast<long long>(m.wire.bulkBytes), m.wire.controlTransfers);
    std::printf("  modelled wire time %9.1f ms   floor %9.1f ms   (%.1f%% of the floor)\n", m.wire.wireMs(), floor,
                100.0 * m.wire.wireMs() / floor);
    std::printf("  host CPU           %9.2f ms per %s (%.2f%% of the floor; target under %.0f%%)\n", m.hostCpuMs, what,
                100.0 * share, 100.0 * TargetShareOfFloor);
    return share < TargetShareOfFloor;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    virtual_clock clock;  // an always-ready controller: no poll waits, but none may sleep
    sim_usb_bus bus;
    bus.addDevice(QStringLiteral("005F0000-0001"));
    timed_backend backend(bus);

    kd620_controller_class controller;
    currentController = &controller;
    populateConfiguration(controller, true);
    controller.setConnection(true);
    if (!controller.isConnected()) {
        std::fprintf(stderr, "the simulated controller did not connect\n");
        return 1;
    }

    std::printf("Whole configuration over modelled USB full speed (control transfer %.0f ms, bulk %.3f MB/s), "
                "controller always ready, %d runs each\n",
                ControlTransferMs, BulkBytesPerMs / 1000.0, Runs);
    int finishedReads = 0;
    QObject::connect(&controller, &kd620_controller_class::readKd620Finished, [&] { ++finishedReads; });
    const bool sendMet = report("send", measure(bus, backend, [&] { controller.send_alldata(); }));
    const bool readMet = report("read", measure(bus, backend, [&] { controller.read_alldata(); }));
    // Only whole, successful transfers count.
    if (!controller.isConnected() || finishedReads != Runs) {
        std::fprintf(stderr, "a transfer failed\n");
        return 1;
    }
    std::printf("target %s\n", sendMet && readMet ? "met" : "NOT met");
    currentController = nullptr;
    return 0;
}
