#pragma once

#include "link/kd620_controller_class.h"
#include "tests/sim/sim_usb_bus.h"
#include "tests/support/scripted_interaction.h"
#include "tests/support/virtual_clock.h"

#include <QList>

#include <memory>

// What a link test stands on: virtual time, scripted boxes and dialogs, the simulated bus,
// and a controller object that is the current controller. Members are destroyed in reverse
// order, so the controller closes its device before the bus goes.
struct sim_link_fixture {
    sim_link_fixture();
    ~sim_link_fixture();

    virtual_clock clock;
    scripted_interaction ui;
    sim_usb_bus bus;
    std::unique_ptr<kd620_controller_class> controller;
    // Every setConnectionStatus(bool) the controller emitted, in order.
    QList<bool> statusSignals;

    // Connects and then forgets what that took (log, signals, waits), for tests that start
    // from a connected controller. True when connected.
    bool connectAndReset();
    // Destroys a fixture and returns the protocol problems its bus saw (a test expects
    // none). Tearing down first leaves nothing behind for the next test when a check fails.
    static QStringList tearDown(std::unique_ptr<sim_link_fixture> &fixture);
    // Forgets the log, the signals and the waits so far.
    void reset();
    // Virtual milliseconds since the last reset.
    qint64 elapsedMs() const { return clock.nowMs - resetAtMs; }
    qint64 resetAtMs = 0;

    // Log texts of operations on device n ("#n open").
    static QStringList onDevice(int n, const QStringList &operations);
    // Log texts of the link's common sequences on device n:
    // the device search reading a device up to its serial number,
    static QStringList searchReads(int n);
    // releasing and closing it,
    static QStringList released(int n);
    // what a connect does once the search has opened it (serial re-read, version, loader
    // check, normal mode and its check),
    static QStringList connectAfterSearch(int n);
    // a whole connect to the only device on the bus,
    static QStringList wholeConnect(int n);
    // and a disconnect.
    static QStringList disconnect(int n);
};
