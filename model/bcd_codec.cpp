#include "model/bcd_codec.h"

u8 toBcd(int value)
{
    if (value < 0 || value > 99)
        return 0xFF;
    return u8(value + 6 * (value / 10));
}

int fromBcd(u8 byte)
{
    int b = byte;
    if ((b & 0x0F) == 0x0A)
        b += 6;
    if (b > 0x99 || (b & 0x0F) > 9)
        return -1;
    return 10 * (b >> 4) + (b & 0x0F);
}
