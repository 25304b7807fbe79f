#pragma once

#include "model/types.h"

#include <QByteArray>

// The bulk frame as the controller builds and checks it, written apart from the program's
// own frame code so that the two check each other:
//   command u8 | sub u8 | L u16 | address u32 | L + 1 data bytes | checksum u32,
// little-endian, the 32-bit words of the whole frame summing to zero.
struct sim_frame {
    u8 command = 0;
    u8 sub = 0;
    u32 address = 0;
    QByteArray data;     // L + 1 bytes, a whole number of words
    bool valid = false;  // parse: the sizes agree and the words sum to zero

    QByteArray bytes() const;
    static sim_frame parse(const QByteArray &bytes);
    static sim_frame make(u8 command, u8 sub, u32 address, const QByteArray &data);
};
