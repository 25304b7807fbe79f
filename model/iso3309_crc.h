#pragma once

#include "model/types.h"

#include <QtGlobal>

// The 16-bit CRC of ISO 3309 (reflected polynomial 0x1021, initial value 0xFFFF, result
// complemented): the value qChecksum(data, Qt::ChecksumIso3309) gives, "123456789" ->
// 0x906E. qChecksum works through the bytes half a byte at a time; this one takes eight
// bytes a step through eight tables, which makes checking the compressed image of a
// configuration file several times faster.
u16 iso3309Crc(const char *data, qint64 length);
