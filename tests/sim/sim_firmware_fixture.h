#pragma once

#include "tests/sim/sim_link_fixture.h"
#include "tests/sim/sim_loader_engine.h"
#include "tests/support/upgrade_file_builder.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// What the firmware upgrade and verification tests stand on: one controller (firmware
// 3.00.0011) that restarts into its loader, connected; a folder for upgrade files; the
// plain firmware of a whole file; and the log texts of the steps.
struct sim_firmware_fixture : sim_link_fixture {
    sim_firmware_fixture();

    sim_device &device;
    sim_loader_engine &loader;
    QTemporaryDir folder;

    // Plain firmware of the five blocks; block 0 is shorter than its place in the flash.
    QList<QByteArray> plain;
    // A file of all five blocks of `plain`, version 3.0.12.
    upgrade_file_builder wholeFile() const;
    // Writes the file into the folder: its path.
    QString write(const upgrade_file_builder &file, const QString &name = QStringLiteral("firmware.upg")) const;
    // The flash holds block `index` as an upgrade of `plain` leaves it.
    void installBlock(int index);
    bool flashHolds(int index) const;
    bool flashErased(int index) const;

    // The boxes shown so far, one line each: "W Firmware upgrade: CRC error in block 1" (I
    // information, W warning, C critical, Q question).
    QStringList boxes() const;

    // Log texts: the restart into the loader and the search that finds it back (a second
    // after the controller has left, ten searches in vain before); a controller that
    // leaves late is found, and let go, by the first searches,
    static QStringList enterLoader(int leavingFound = 0, int searchesInVain = 10);
    // a firmware frame of block `index` and the status reads that follow it,
    static QStringList blockWrite(int index, int statusReads);
    // one flash block read back (loader check, request, two reads for DONE, the frame),
    static QStringList blockRead(int index);
    // leaving the loader and connecting again (the firmware is back half a second after
    // the loader has left, so four searches find nothing); a loader that leaves late is
    // found, and let go, by the first searches,
    static QStringList leaveLoader(int searchesInVain = 4, int loaderFound = 0);
    // n status reads.
    static QStringList statusReads(int n);
};
