#pragma once

#include "model/types.h"
#include "tests/sim/sim_setup.h"

#include <QList>
#include <QString>

class sim_device;

// One part of the simulated controller's firmware: it answers the vendor requests it
// names. The device dispatches every vendor request to the engine registered for its code,
// so a new area of the controller is a new engine in a file of its own.
class sim_engine
{
public:
    virtual ~sim_engine() = default;

    // The request codes this engine answers.
    virtual QList<u8> requests() const = 0;

    // Answers one request. data holds the wLength bytes of the data stage (out: what the
    // host sent; in: to be filled). Returns the bytes of the data stage moved, or a
    // negative usb_error code (Pipe: the controller stalls the request).
    virtual int control(sim_device &device, const sim_setup &setup, u8 *data) = 0;

    // The request as the log shows it; by default its name, value and index read high
    // byte first, and the length of an in-request.
    virtual QString describe(const sim_setup &setup) const;

    // The name of a request code in the log ("SET_MODE"), or its number.
    static QString requestName(u8 request);
    // The log text of a request nobody overrides (the default of describe()).
    static QString defaultDescription(const sim_setup &setup);

protected:
    // Records a problem unless the request came in the given direction with the given data
    // length; false when the direction is wrong (the controller then stalls it).
    static bool expect(sim_device &device, const sim_setup &setup, bool in, int length);
};
