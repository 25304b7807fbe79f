#pragma once

#include "link/usb_backend_interface.h"
#include "model/types.h"
#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_engine.h"
#include "tests/sim/sim_fault.h"
#include "tests/sim/sim_setup.h"

#include <QByteArray>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

// One simulated controller on the simulated bus: its descriptors and identity, the status
// word, and the engines that answer its vendor requests. It knows only what the host can
// see of a controller; tests set its fields to shape it and read them to check it.
class sim_device
{
public:
    explicit sim_device(const QString &serial);
    ~sim_device();

    sim_device(const sim_device &) = delete;
    sim_device &operator=(const sim_device &) = delete;

    // --- Identity ----------------------------------------------------------------------
    u16 idVendor = sim_protocol::VendorId;
    u16 idProduct = sim_protocol::ProductId;
    u8 busNumber = 1;
    u8 iSerialNumber = sim_protocol::SerialStringIndex;
    QString serial;
    int modelCode = sim_protocol::ModelCurrent;
    // While its loader runs the controller presents the loader serial and this model code.
    int loaderModelCode = sim_protocol::ModelOlder;
    bool inLoader = false;
    // The serial number and model code the controller presents now.
    QString presentedSerial() const;
    int presentedModelCode() const;

    // --- Things that can go wrong at the USB level ----------------------------------------
    bool openFails = false;
    int openError = usb_error::Io;   // what a refused open reports; Access: no permission
    bool configurationFails = false;
    bool claimFails = false;   // e.g. another program holds the interface

    // --- Controller state ------------------------------------------------------------------
    i8 firmwareMajor = 3;
    i8 firmwareMinor = 0;
    i16 firmwareBuild = 11;
    bool answersFirmwareVersion = true;  // false: every version request stalls
    u8 stateFlag = 0;

    // The status word as the controller keeps it (mode, frozen, loader, operation bits).
    u32 status = 0;
    // A test holds bits set (a stuck BUSY, FAILED) or withholds them (READY, DONE) in
    // every status reply, whatever the controller does.
    u32 statusForceSet = 0;
    u32 statusForceClear = 0;
    // The next status replies, in order, whatever the state (then the state again).
    QQueue<u32> statusScript;
    // The status word of the next reply (takes one scripted word).
    u32 reportedStatus();
    // A new operation is announced: a stale READY, DONE or FAILED never answers it.
    void beginOperation();

    // --- Restart ---------------------------------------------------------------------------
    // A restart is acknowledged at once; the controller leaves the bus this long after it
    // (0: at the very moment of the request), still answering meanwhile with the loader bit
    // set (its restart is pending). Leaving the loader for the firmware does the same.
    qint64 restartLeaveMs = 0;
    qint64 restartVanishMs = 1000;   // then off the bus for this long
    qint64 restartLoaderMs = 2000;   // then back with the loader bit for this long (-1: for good)
    bool restartIntoLoader = false;  // the next restart brings up the firmware loader
    // Leaves the bus restartLeaveMs from now (at once for 0), comes back `awayMs` later and
    // runs `back` then; nothing else scheduled survives a restart. The time it is back.
    qint64 leaveAndReturn(qint64 awayMs, std::function<void()> back);
    // Between a restart's acknowledgement and the moment the controller leaves the bus.
    bool leaving = false;

    // --- Presence on the bus -------------------------------------------------------------------
    bool present = true;
    int generation = 0;  // counts appearances; handles of an earlier one are dead
    void vanish();
    void reappear();

    // --- Time: actions due at a moment, run when the bus is next used ----------------------
    qint64 nowMs = 0;
    void at(qint64 timeMs, std::function<void()> action);
    void clearSchedule();
    void advanceTo(qint64 timeMs);

    // --- Bulk transfers ------------------------------------------------------------------------
    // Set by the engine that announced a frame: takes one frame written by the host, returns
    // the bytes taken or a negative usb_error code.
    std::function<int(const QByteArray &)> bulkOutSink;
    // Frames the controller offers to the host, read in order.
    QQueue<QByteArray> bulkInQueue;
    // Set by the engine that offered them: called after the host has taken one of them.
    std::function<void()> bulkInTaken;

    // --- Engines -------------------------------------------------------------------------------
    void addEngine(std::unique_ptr<sim_engine> engine);
    sim_engine *engineFor(u8 request) const;
    template <class Engine> Engine *findEngine() const
    {
        for (const auto &e : engines) {
            if (auto *found = dynamic_cast<Engine *>(e.get()))
                return found;
        }
        return nullptr;
    }
    // Answers a vendor request through its engine (Pipe for an unknown one).
    int control(const sim_setup &setup, u8 *data);
    // A string descriptor (the serial number at iSerialNumber, the language list at 0) into
    // data: the bytes, or Pipe.
    int stringDescriptor(u8 index, u8 *data, int length) const;

    // --- Faults at the n-th next request of a code -----------------------------------------------
    void injectOnRequest(u8 request, int occurrence, sim_fault fault);
    sim_fault takeRequestFault(u8 request);

    // Protocol misuse seen by this controller (unknown requests, wrong directions, frames
    // nobody announced); a test expects none.
    QStringList problems;

private:
    struct scheduled_action {
        qint64 timeMs;
        std::function<void()> action;
    };
    struct request_fault {
        u8 request;
        int remaining;
        sim_fault fault;
    };

    std::vector<std::unique_ptr<sim_engine>> engines;
    std::map<u8, sim_engine *> dispatch;
    std::vector<scheduled_action> schedule;
    std::vector<request_fault> requestFaults;
};
