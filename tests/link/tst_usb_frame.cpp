#include "link/usb_frame_class.h"
#include "link/usb_protocol.h"
#include "model/image_access.h"
#include "tests/sim/sim_frame.h"
#include "tests/sim/sim_link_fixture.h"

#include <QtTest>

#include <cstring>

namespace {

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed * 13 + (i >> 8)) & 0xFF);
    return bytes;
}

u32 wordSum(const u8 *bytes, int size)
{
    u32 sum = 0;
    for (int i = 0; i + 4 <= size; i += 4)
        sum += readU32(bytes, u32(i));
    return sum;
}

// A request code no controller answers, taken by this test to look at the wire.
class wire_probe : public sim_engine
{
public:
    QList<u8> requests() const override { return {0xF0}; }
    int control(sim_device &, const sim_setup &, u8 *) override { return 0; }
};

} // namespace

class tst_usb_frame : public QObject
{
    Q_OBJECT

private slots:
    void serializeAndParse_data();
    void serializeAndParse();
    void anyFlippedByteIsDetected_data();
    void anyFlippedByteIsDetected();
    void parseReadsTheLengthFieldNotTheTransfer();
    void swaps_data();
    void swaps();
    void numbersOnTheWire_data();
    void numbersOnTheWire();
};

void tst_usb_frame::serializeAndParse_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("sub");
    QTest::addColumn<u32>("address");
    QTest::addColumn<int>("size");

    QTest::newRow("4 bytes") << 0x14 << 1 << u32(0x62002000) << 4;
    QTest::newRow("live scene, 512 bytes") << 0x11 << 0 << u32(0) << 512;
    QTest::newRow("8 KB block") << 0x14 << 7 << u32(0x6200E000) << 0x2000;
    QTest::newRow("64 KB block") << 0x14 << 38 << u32(0x621F0000) << 0x10000;
    QTest::newRow("firmware block, command above a byte") << 0x115 << 255 << u32(0x40000100) << 256;
}

void tst_usb_frame::serializeAndParse()
{
    QFETCH(int, command);
    QFETCH(int, sub);
    QFETCH(u32, address);
    QFETCH(int, size);
    QByteArray payload = pattern(size, sub);

    usb_frame_class frame;
    frame.command = u32(command);
    frame.sub = u8(sub);
    frame.length = u16(size - 1);
    frame.address = address;
    frame.data = reinterpret_cast<u8 *>(payload.data());
    int total = 0;
    u8 *wire = frame.serialize(total);

    QCOMPARE(wire, frame.buffer);
    QCOMPARE(total, size + usb_frame_class::FRAME_OVERHEAD);
    QCOMPARE(wordSum(wire, total), 0u);
    // The controller's view of the same frame, built apart from the program's code.
    const QByteArray expected = sim_frame::make(u8(command), u8(sub), address, payload).bytes();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(wire), total), expected);

    usb_frame_class received;
    std::memcpy(received.buffer, expected.constData(), size_t(expected.size()));
    QCOMPARE(received.parse(), 0u);
    QCOMPARE(received.command, u32(command & 0xFF));
    QCOMPARE(int(received.sub), sub);
    QCOMPARE(int(received.length), size - 1);
    QCOMPARE(received.address, address);
    QCOMPARE(received.data, received.buffer + 8);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(received.data), size), payload);
    QCOMPARE(received.checksum, readU32(received.buffer, u32(8 + size)));
}

void tst_usb_frame::anyFlippedByteIsDetected_data()
{
    QTest::addColumn<int>("offset");
    QTest::newRow("command") << 0;
    QTest::newRow("sub") << 1;
    QTest::newRow("address") << 6;
    QTest::newRow("first data byte") << 8;
    QTest::newRow("last data byte") << 8 + 511;
    QTest::newRow("checksum") << 8 + 512 + 3;
}

void tst_usb_frame::anyFlippedByteIsDetected()
{
    QFETCH(int, offset);
    const QByteArray good = sim_frame::make(0x11, 0, 0, pattern(512, 3)).bytes();
    usb_frame_class frame;
    std::memcpy(frame.buffer, good.constData(), size_t(good.size()));
    QCOMPARE(frame.parse(), 0u);
    frame.buffer[offset] ^= 0x10;
    QVERIFY(frame.parse() != 0u);
}

void tst_usb_frame::parseReadsTheLengthFieldNotTheTransfer()
{
    // The largest length a frame can claim still keeps every read inside the buffer.
    usb_frame_class frame;
    std::memset(frame.buffer, 0xFF, usb_frame_class::FRAME_BUFFER_SIZE);
    writeU16(frame.buffer, 2, 0xFFFF);
    QVERIFY(frame.parse() != 0u);
    QCOMPARE(int(frame.length), 0xFFFF);
    QCOMPARE(frame.checksum, 0xFFFFFFFFu);
}

void tst_usb_frame::swaps_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("swapped16");
    QTest::addColumn<int>("swapped32");
    QTest::newRow("one") << 1 << 0x0100 << 0x01000000;
    QTest::newRow("two bytes") << 0x1234 << 0x3412 << 0x34120000;
    QTest::newRow("upper half dropped by the 16-bit swap") << 0x12345678 << 0x7856 << 0x78563412;
    QTest::newRow("all ones") << -1 << 0xFFFF << -1;
}

void tst_usb_frame::swaps()
{
    QFETCH(int, value);
    QTEST(swapBytes16(value), "swapped16");
    QTEST(swapBytes32(value), "swapped32");
}

void tst_usb_frame::numbersOnTheWire_data()
{
    QTest::addColumn<bool>("throughController");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("setup");

    // Numbers travel high byte first: the controller object swaps them.
    QTest::newRow("mode 1 swapped") << true << 1 << 0 << QByteArray("\x40\xF0\x00\x01\x00\x00\x00\x00", 8);
    QTest::newRow("value and index swapped") << true << 0x1234 << 0x0203 << QByteArray("\x40\xF0\x12\x34\x02\x03\x00\x00", 8);
    // A number given to the device as it is (the live scene's 1) goes low byte first.
    QTest::newRow("unswapped 1") << false << 1 << 0 << QByteArray("\x40\xF0\x01\x00\x00\x00\x00\x00", 8);
}

void tst_usb_frame::numbersOnTheWire()
{
    QFETCH(bool, throughController);
    QFETCH(int, value);
    QFETCH(int, index);
    sim_link_fixture f;
    f.bus.addDevice(QStringLiteral("005F0000-0001")).addEngine(std::make_unique<wire_probe>());
    QVERIFY(f.connectAndReset());

    if (throughController) {
        QCOMPARE(f.controller->sendRequest(0xF0, value, index), 0);
        QCOMPARE(f.controller->lastRequest[0], 0xF0);
        QCOMPARE(f.controller->lastRequest[1], value);
        QCOMPARE(f.controller->lastRequest[2], index);
    } else {
        QCOMPARE(f.controller->usbDevice.controlOut(0xF0, u16(value), u16(index), nullptr, 0), 0);
    }
    QCOMPARE(f.bus.log.size(), 1);
    QTEST(QByteArray(reinterpret_cast<const char *>(f.bus.log[0].setup.bytes), 8), "setup");
}

QTEST_GUILESS_MAIN(tst_usb_frame)
#include "tst_usb_frame.moc"
