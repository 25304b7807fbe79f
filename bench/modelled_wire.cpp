#include "bench/modelled_wire.h"

#include "tests/sim/sim_usb_bus.h"

modelled_wire modelled_wire::of(const sim_usb_bus &bus, int from, int to)
{
    modelled_wire w;
    for (int i = from; i < to; ++i) {
        const sim_log_entry &e = bus.log[i];
        if (e.kind == sim_log_entry::Control || e.kind == sim_log_entry::Descriptor) {
            ++w.controlTransfers;
        } else if (e.kind == sim_log_entry::BulkOut || e.kind == sim_log_entry::BulkIn) {
            ++w.frames;
            w.bulkBytes += e.data.size();
        }
    }
    return w;
}

modelled_wire &modelled_wire::operator+=(const modelled_wire &other)
{
    controlTransfers += other.controlTransfers;
    frames += other.frames;
    bulkBytes += other.bulkBytes;
    return *this;
}
