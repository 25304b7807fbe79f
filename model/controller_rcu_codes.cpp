#include "model/controller_configuration_class.h"

int controller_configuration_class::setRcuKeyCode(int key, int code)
{
    // Codes above 63 do not exist on a remote control; 0xFF (none) is only ever read back.
    constexpr u8 MaxKeyCode = 63;
    const u8 k = u8(key);
    const u8 c = u8(code);
    if (k >= RcuKeyCount || c > MaxKeyCode)
        return -1;
    rcuKeyCodes[k] = c;
    return 0;
}
