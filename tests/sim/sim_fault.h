#pragma once

#include <QMetaType>
#include <QtGlobal>

// A fault the simulated bus or controller injects into one operation.
struct sim_fault {
    enum kind_type {
        None,
        Fail,         // the call fails (an I/O error; open gives no handle, a search no devices)
        Short,        // fewer bytes cross the wire than the request moves
        Timeout,      // the transfer times out, nothing moves
        Vanish,       // the device drops off the bus at this operation
        BadChecksum,  // a frame read from the device has one data bit flipped
        WrongLength,  // a frame read from the device carries a wrong length field
    };
    kind_type kind = None;
    int bytes = -1;              // Short: the bytes that cross (-1: one fewer than the whole)
    qint64 returnAfterMs = -1;   // Vanish: back on the bus after this long (-1: never)

    static sim_fault fail() { return {Fail}; }
    static sim_fault timeout() { return {Timeout}; }
    static sim_fault shortReply(int bytes = -1) { return {Short, bytes}; }
    static sim_fault vanish(qint64 returnAfterMs = -1) { return {Vanish, -1, returnAfterMs}; }
    static sim_fault badChecksum() { return {BadChecksum}; }
    static sim_fault wrongLength() { return {WrongLength}; }
};

Q_DECLARE_METATYPE(sim_fault)
