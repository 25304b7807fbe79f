#pragma once

#include "model/types.h"

// The remote-control side of the controller: every exchange is one REQ_RCU (in, 4 bytes)
// with a sub-command in wIndex. A remote control sends on a system address 0..31; each of
// its keys sends a code 0..63. The controller keeps 64 key numbers with their codes and the
// address it answers to.

enum rcu_subcommand : u8 {
    RCU_RESULT = 0,         // wValue 0: the outcome of the last learning or address request
    RCU_READ_KEY = 1,       // wValue key number: that key's stored code and the stored address
    RCU_LEARN_ADDRESS = 2,  // wValue 0: listen for a remote control's address
    RCU_LEARN_KEY = 3,      // wValue key number: listen for one key of the remote control
    RCU_SET_ADDRESS = 4,    // wValue address 0..31 or 0xFF
    RCU_WRITE_KEY = 5,      // wValue key number x 256 + code, sent without the byte swap
    RCU_SAVE = 6,           // wValue 0: save the key table and the address
};

// The 4-byte reply of every REQ_RCU, whatever its sub-command.
struct rcu_reply {
    u8 address = 0xFF;  // system address 0..31, 0xFF none
    u8 code = 0xFF;     // key code 0..63, 0xFF none
    u8 key = 0;         // the key number the reply is about
    u8 unused = 0;
};

namespace rcu {

constexpr int ReplySize = 4;
constexpr int Attempts = 10;      // tries of one request, back to back
constexpr int StatusAttempts = 10;
constexpr int BusyPolls = 10;     // after each write
constexpr int KeyCount = 64;
constexpr u8 MaxAddress = 31;
constexpr u8 MaxCode = 63;
constexpr u8 None = 0xFF;         // no address, no code
// Learning polls run back to back for at most this long: the user needs time to press a
// key on the remote control, the address comes with any key.
constexpr qint64 AddressBoundMs = 1000;
constexpr qint64 KeyBoundMs = 9500;

} // namespace rcu
