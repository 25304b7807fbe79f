#include "tests/sim/sim_frame.h"

#include <QtEndian>

namespace {

u32 wordSum(const QByteArray &bytes)
{
    // Byte by byte from one pointer: whole configurations pass here many times a test.
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype words = bytes.size() / 4;
    u32 sum = 0;
    for (qsizetype i = 0; i < words; ++i, p += 4)
        sum += u32(p[0]) | (u32(p[1]) << 8) | (u32(p[2]) << 16) | (u32(p[3]) << 24);
    return sum;
}

} // namespace

sim_frame sim_frame::make(u8 command, u8 sub, u32 address, const QByteArray &data)
{
    sim_frame f;
    f.command = command;
    f.sub = sub;
    f.address = address;
    f.data = data;
    f.valid = true;
    return f;
}

QByteArray sim_frame::bytes() const
{
    QByteArray out(8, '\0');
    out[0] = char(command);
    out[1] = char(sub);
    qToLittleEndian<u16>(u16(data.size() - 1), out.data() + 2);
    qToLittleEndian<u32>(address, out.data() + 4);
    out += data;
    QByteArray sum(4, '\0');
    qToLittleEndian<u32>(0u - wordSum(out), sum.data());
    return out + sum;
}

sim_frame sim_frame::parse(const QByteArray &bytes)
{
    sim_frame f;
    if (bytes.size() < 12)
        return f;
    f.command = u8(bytes[0]);
    f.sub = u8(bytes[1]);
    const int dataBytes = qFromLittleEndian<u16>(bytes.constData() + 2) + 1;
    f.address = qFromLittleEndian<u32>(bytes.constData() + 4);
    f.data = bytes.mid(8, dataBytes);
    f.valid = dataBytes % 4 == 0 && bytes.size() == dataBytes + 12 && wordSum(bytes) == 0;
    return f;
}
