#include "tests/sim/sim_setup.h"

sim_setup sim_setup::make(u8 requestType, u8 request, u16 wValue, u16 wIndex, u16 wLength)
{
    sim_setup s;
    s.bytes[0] = requestType;
    s.bytes[1] = request;
    s.bytes[2] = u8(wValue);
    s.bytes[3] = u8(wValue >> 8);
    s.bytes[4] = u8(wIndex);
    s.bytes[5] = u8(wIndex >> 8);
    s.bytes[6] = u8(wLength);
    s.bytes[7] = u8(wLength >> 8);
    return s;
}
