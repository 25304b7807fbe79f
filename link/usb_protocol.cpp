#include "link/usb_protocol.h"

#include "model/clock_interface.h"

#include <QDebug>

void wait100ms()
{
    appClock().wait100ms();
}

void debugDumpBytes(const u8 *bytes, int count)
{
    for (int i = 0; i < count; ++i)
        qDebug().noquote() << QString::asprintf("%d ", int(i8(bytes[i])));
}
