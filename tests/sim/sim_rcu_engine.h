#pragma once

#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_engine.h"

#include <array>
#include <map>

// The remote-control receiver: the key table and system address the controller keeps (and
// those it saved last), and learning from a remote control held in front of it. A test
// says what that remote control sends and when, or that nothing ever comes.
class sim_rcu_engine : public sim_engine
{
public:
    static constexpr int KeyCount = sim_protocol::rcu::KeyCount;
    static constexpr u8 None = sim_protocol::rcu::None;

    sim_rcu_engine();

    QList<u8> requests() const override;
    int control(sim_device &device, const sim_setup &setup, u8 *data) override;
    // "RCU READ_KEY 5 in 4", "RCU WRITE_KEY key 5 code 18 in 4" (wValue's high and low
    // byte as they crossed the wire), "RCU RESULT 0 in 4".
    QString describe(const sim_setup &setup) const override;

    // --- The table as the controller holds it now, and as it saved it last -------------------
    u8 address = None;
    std::array<u8, KeyCount> codes;
    u8 savedAddress = None;
    std::array<u8, KeyCount> savedCodes;
    int saves = 0;
    // READ_KEY of these keys reports this address byte instead of the stored address.
    std::map<int, u8> addressReportedForKey;

    // --- Learning ------------------------------------------------------------------------------
    // The result comes this long after LEARN_ADDRESS or LEARN_KEY (-1: never).
    qint64 learnAfterMs = 300;
    bool learnFails = false;   // FAILED instead of DONE when the time comes
    u8 heardAddress = 5;       // what the remote control sends (None: nothing heard)
    u8 heardCode = 17;
    int heardKey = -1;         // the key the result names; -1 the key asked for
    int learnRequests = 0;

    // --- Writes --------------------------------------------------------------------------------
    // BUSY this long after each WRITE_KEY and SET_ADDRESS (0: never busy).
    qint64 busyAfterWriteMs = 0;

    // The reply to RESULT: the outcome of the last learning or address request.
    std::array<u8, 4> result = {None, None, 0, 0};

private:
    void startLearning(sim_device &device, u8 key, bool addressOnly);
    void busyAfterWrite(sim_device &device);
    int learning = 0;  // counts learning requests; a late completion of an older one is void
};
