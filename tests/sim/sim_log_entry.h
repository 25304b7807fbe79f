#pragma once

#include "tests/sim/sim_setup.h"

#include <QByteArray>
#include <QString>

// One operation on the simulated bus, as the controller (or the bus) saw it.
struct sim_log_entry {
    enum kind_type { List, Open, SetConfiguration, ClaimInterface, ReleaseInterface, Control, Descriptor,
                     BulkOut, BulkIn, Close };

    kind_type kind = List;
    int device = 0;        // number of the device on the bus (1 for the first); 0 for the bus
    qint64 timeMs = 0;     // appClock() time of the operation
    sim_setup setup;       // Control and Descriptor: the setup packet on the wire
    QByteArray data;       // the data stage or the bulk bytes that crossed the wire
    int result = 0;        // what the backend call returned
    QString what;          // the operation ("open", "STATUS v=0 i=0 in 8", "bulk in 8204")
    QString outcome;       // empty, or what went wrong: fail, short, timeout, vanish, gone, stall...

    // "#1 STATUS v=0 i=0 in 8", "#1 SET_MODE v=1 i=0 !fail", "list".
    QString text() const;
};
