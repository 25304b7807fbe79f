#pragma once

#include <QtGlobal>

class sim_usb_bus;

// What a stretch of the simulated bus's log put on a modelled USB full-speed wire: every
// control transfer takes 1 ms, bulk data moves at 1.216 MB/s. The floor is the bulk
// bytes alone at that rate.
class modelled_wire
{
public:
    static constexpr double ControlTransferMs = 1.0;
    static constexpr double BulkBytesPerMs = 1216.0;

    // The log entries from `from` up to `to` (exclusive).
    static modelled_wire of(const sim_usb_bus &bus, int from, int to);
    modelled_wire &operator+=(const modelled_wire &other);

    int controlTransfers = 0;
    int frames = 0;
    qint64 bulkBytes = 0;

    double floorMs() const { return double(bulkBytes) / BulkBytesPerMs; }
    double wireMs() const { return controlTransfers * ControlTransferMs + floorMs(); }
};
