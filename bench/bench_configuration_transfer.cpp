// Times the whole-configuration send and read of a fully populated configuration against
// the simulated controller. Nothing here crosses a real wire, so the wire time is
// modelled, not measured: USB full speed, every control transfer 1 ms, bulk data at
// 1.216 MB/s, and every status poll that does not yet show the awaited bits 100 ms (the
// host's wait between two polls). What is measured is the host CPU time the tool spends
// per transfer (packing, framing, checksums, the rebuilt stores), without the simulator's
// own work.
//
// Two controllers: one always ready (no poll waits), and one as slow as the host's polls
// allow (every awaited state shows at the last poll that still counts). A send is
// followed, as in the program, by the right panel's restart of the controller and its
// reconnect; those are reported on their own. Every read starts from a cleared
// configuration and must bring back what the controller holds. Each round is checked:
// the outcome boxes, the controller's memory against the image sent, the image read
// against the controller's memory, the connection afterwards. A failed check ends with
// exit code 1.

#include "app/right_panel_widget.h"
#include "bench/modelled_wire.h"
#include "bench/sample_series.h"
#include "bench/slowest_controller_pace.h"
#include "bench/timed_backend.h"
#include "link/kd620_controller_class.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/sim/sim_usb_bus.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/scripted_interaction.h"
#include "tests/support/virtual_clock.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr int Rounds = 10;
constexpr double PollWaitMs = 100.0;
constexpr double TargetShareOfFloor = 0.05;  // host CPU per transfer against its bulk floor

// What the read fetches of the controller's memory; the rest of the image it leaves alone.
constexpr u32 ReadFirstEnd = 0x6000;
constexpr u32 ReadSecondFrom = 0x10000;
// What the send writes: all but the controller's own first 8 KB.
constexpr u32 SentFrom = 0x2000;

int failedChecks = 0;

void check(bool ok, const char *run, int round, const char *what)
{
    if (ok)
        return;
    ++failedChecks;
    std::fprintf(stderr, "%s controller, round %d: %s\n", run, round + 1, what);
}

// What the bench watches, at one moment.
struct mark {
    int log = 0;
    int waits = 0;
    double cpuMs = 0;     // of the thread that runs the transfers
    double insideMs = 0;  // of that, inside the simulator

    static mark now(const sim_usb_bus &bus, const virtual_clock &clock, const timed_backend &backend)
    {
        return {int(bus.log.size()), clock.waits, threadCpuMs(), backend.insideMs};
    }
};

// What the tool did between two marks.
struct span {
    modelled_wire wire;
    int waitedPolls = 0;
    double toolCpuMs = 0;

    static span between(const sim_usb_bus &bus, const mark &from, const mark &to)
    {
        return {modelled_wire::of(bus, from.log, to.log), to.waits - from.waits,
                (to.cpuMs - from.cpuMs) - (to.insideMs - from.insideMs)};
    }
    span operator+(const span &other) const
    {
        span sum = *this;
        sum.wire += other.wire;
        sum.waitedPolls += other.waitedPolls;
        sum.toolCpuMs += other.toolCpuMs;
        return sum;
    }
    bool sameTraffic(const span &other) const
    {
        return wire.controlTransfers == other.wire.controlTransfers && wire.frames == other.wire.frames
            && wire.bulkBytes == other.wire.bulkBytes && waitedPolls == other.waitedPolls;
    }
};

// One kind of transfer over the rounds: its traffic (the same every round) and its CPU.
struct transfer_figures {
    span last;
    sample_series hostCpuMs;
    int rounds = 0;

    void add(const span &s, const char *run, const char *what)
    {
        const QString changed = QLatin1String(what) + QLatin1String(" changed its traffic");
        check(rounds == 0 || s.sameTraffic(last), run, rounds, qPrintable(changed));
        last = s;
        hostCpuMs.add(s.toolCpuMs);
        ++rounds;
    }

    // Prints the figures; true when the host CPU stays under its target share of the floor.
    bool print(const char *what) const
    {
        const modelled_wire &w = last.wire;
        const double pollsMs = last.waitedPolls * PollWaitMs;
        std::printf("  %s: %d frames, %lld bulk bytes, %d control transfers, %d status polls waited\n", what,
                    w.frames, qlonglong(w.bulkBytes), w.controlTransfers, last.waitedPolls);
        std::printf("    modelled time %10.1f ms = wire %9.1f ms + poll waits %10.1f ms", w.wireMs() + pollsMs,
                    w.wireMs(), pollsMs);
        if (w.bulkBytes == 0) {
            std::printf("\n");
            hostCpuMs.print("host CPU, measured", "ms", 4);
            return true;
        }
        std::printf("; bulk floor %.1f ms\n", w.floorMs());
        hostCpuMs.print("host CPU, measured", "ms", 4);
        const double share = hostCpuMs.median() / w.floorMs();
        std::printf("    host CPU median %.2f%% of the floor (target under %.0f%%)\n", 100.0 * share,
                    100.0 * TargetShareOfFloor);
        return share < TargetShareOfFloor;
    }
};

bool sameBytes(const u8 *a, const QByteArray &b, u32 from, u32 to)
{
    return std::memcmp(a + from, b.constData() + from, to - from) == 0;
}

// Everything the runs stand on: virtual time, recorded boxes, the simulated controller
// (paced or not) under a CPU-timing backend, the controller object and the right panel
// that answers a successful send with a restart and a reconnect.
class transfer_bench
{
public:
    transfer_bench();
    ~transfer_bench() { currentController = nullptr; }

    bool connect();
    // The rounds of one controller (named `run` in the messages of failed checks): true
    // when the host CPU met its target.
    bool run(const char *run, const char *title, bool slowest);

private:
    // One send of a freshly populated configuration, and the restart after it.
    void send(const char *run, int round, transfer_figures &sendFigures, transfer_figures &restartFigures);
    // One read into a cleared configuration.
    void read(const char *run, int round, transfer_figures &readFigures);
    mark now() const { return mark::now(bus, clock, timing); }

    virtual_clock clock;
    scripted_interaction ui;
    sim_usb_bus bus;
    sim_device &device;
    sim_config_memory_engine &memory;
    slowest_controller_pace pace;
    timed_backend timing;
    kd620_controller_class controller;
    // Where the restart after a send began and ended, taken around the panel's answer.
    mark restartBegan, restartEnded;
    int restarts = 0;
    int finishedReads = 0;
    std::unique_ptr<right_panel_widget> panel;
};

transfer_bench::transfer_bench()
    : device(bus.addDevice(QStringLiteral("005F0000-0001"))),
      memory(*device.findEngine<sim_config_memory_engine>()),
      pace(bus, device),
      timing(pace)
{
    currentController = &controller;
    // The controller's own first 8 KB, which the send never writes: the read must bring
    // them, so they differ from a cleared image.
    for (u32 i = 0; i < SentFrom; ++i)
        memory.memory[int(i)] = char(i * 7 + 3);

    // Connected before and after the panel's own connection, so the two marks bracket
    // its restart and reconnect.
    QObject::connect(&controller, &kd620_controller_class::forceReset, [this] { restartBegan = now(); });
    panel = std::make_unique<right_panel_widget>(&controller, nullptr);
    QObject::connect(&controller, &kd620_controller_class::forceReset, [this] {
        restartEnded = now();
        ++restarts;
    });
    QObject::connect(&controller, &kd620_controller_class::readKd620Finished, [this] { ++finishedReads; });
}

bool transfer_bench::connect()
{
    controller.setConnection(true);
    return controller.isConnected();
}

void transfer_bench::send(const char *run, int round, transfer_figures &sendFigures, transfer_figures &restartFigures)
{
    controller.ClearConfig(controller_configuration_class::ClearEverything);
    populateConfiguration(controller, true);
    const qsizetype boxes = ui.messages.size();
    const int restartsBefore = restarts;

    bus.clearLog();
    const mark start = now();
    controller.send_alldata();
    const mark end = now();
    if (restarts == restartsBefore)
        restartBegan = restartEnded = end;  // none: the whole span is the send's

    check(ui.messages.size() == boxes + 1 && ui.messages.last().icon == message_icon::Information, run, round,
          "the send did not report success alone");
    check(restarts == restartsBefore + 1, run, round, "no restart after the send");
    check(controller.isConnected(), run, round, "not connected after the send's restart");
    check(sameBytes(controller.confData, memory.memory, SentFrom, image_layout::ImageSize), run, round,
          "the controller's memory is not the image sent");
    sendFigures.add(span::between(bus, start, restartBegan) + span::between(bus, restartEnded, end), run, "the send");
    restartFigures.add(span::between(bus, restartBegan, restartEnded), run, "the restart");
}

void transfer_bench::read(const char *run, int round, transfer_figures &readFigures)
{
    controller.ClearConfig(controller_configuration_class::ClearEverything);
    const QByteArray cleared(reinterpret_cast<const char *>(controller.confData), int(image_layout::ImageSize));
    check(!sameBytes(controller.confData, memory.memory, 0, ReadFirstEnd)
              && !sameBytes(controller.confData, memory.memory, ReadSecondFrom, image_layout::ImageSize),
          run, round, "the cleared image already holds what the read would bring");
    const qsizetype boxes = ui.messages.size();
    const int readsBefore = finishedReads;

    bus.clearLog();
    const mark start = now();
    controller.read_alldata();
    const mark end = now();

    check(ui.messages.size() == boxes + 1 && ui.messages.last().icon == message_icon::Information, run, round,
          "the read did not report success alone");
    check(finishedReads == readsBefore + 1, run, round, "the read did not finish");
    check(controller.isConnected(), run, round, "not connected after the read");
    check(sameBytes(controller.confData, memory.memory, 0, ReadFirstEnd)
              && sameBytes(controller.confData, memory.memory, ReadSecondFrom, image_layout::ImageSize),
          run, round, "the image read is not the controller's memory");
    check(sameBytes(controller.confData, cleared, ReadFirstEnd, ReadSecondFrom), run, round,
          "the read changed what it never fetches");
    readFigures.add(span::between(bus, start, end), run, "the read");
}

bool transfer_bench::run(const char *run, const char *title, bool slowest)
{
    pace.setEnabled(slowest);
    transfer_figures sendFigures, restartFigures, readFigures;
    for (int round = 0; round < Rounds; ++round) {
        send(run, round, sendFigures, restartFigures);
        read(run, round, readFigures);
    }
    check(bus.problems().isEmpty(), run, Rounds - 1, qPrintable(bus.problems().join(QLatin1String("; "))));

    std::printf("%s\n", title);
    const bool sendMet = sendFigures.print("send");
    restartFigures.print("restart and reconnect after the send");
    const bool readMet = readFigures.print("read into a cleared configuration");
    return sendMet && readMet;
}

} // namespace

int main(int argc, char **argv)
{
    // The right panel is a widget; nobody needs to see it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    transfer_bench bench;
    if (!bench.connect()) {
        std::fprintf(stderr, "the simulated controller did not connect\n");
        return 1;
    }

    std::printf("Whole configuration, fully populated, against the simulated controller; %d rounds each.\n"
                "Modelled, not measured: USB full speed, a control transfer %.0f ms, bulk data %.3f MB/s, %.0f ms for "
                "every status poll that does not yet show the awaited bits. Measured: the host CPU per transfer, "
                "the simulator's own work taken out (median [lowest .. highest]).\n",
                Rounds, modelled_wire::ControlTransferMs, modelled_wire::BulkBytesPerMs / 1000.0, PollWaitMs);
    const bool readyMet = bench.run("always ready", "Controller always ready:", false);
    const bool slowestMet = bench.run("slowest", "Controller as slow as the status polls allow (each awaited state "
                                      "shows at the last poll that counts):",
                                      true);
    if (failedChecks != 0) {
        std::fprintf(stderr, "%d checks failed\n", failedChecks);
        return 1;
    }
    std::printf("checked in every round: the outcome boxes, the restart and the connection, the controller's memory "
                "against the image sent, the image read against the controller's memory\n");
    std::printf("host CPU target %s\n", readyMet && slowestMet ? "met" : "NOT met");
    return 0;
}
