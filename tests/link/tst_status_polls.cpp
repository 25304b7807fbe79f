#include "link/usb_frame_class.h"
#include "link/usb_protocol.h"
#include "model/image_layout.h"
#include "tests/sim/sim_frame.h"
#include "tests/sim/sim_link_fixture.h"
#include "tests/sim/sim_device_protocol.h"

#include <QtTest>

#include <memory>

namespace wire = sim_protocol;

namespace {

int statusReads(const sim_usb_bus &bus)
{
    int reads = 0;
    for (const sim_log_entry &e : bus.log)
        reads += e.what.startsWith(QLatin1String("STATUS")) ? 1 : 0;
    return reads;
}

QByteArray blockData(int size)
{
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i)
        data[i] = char((i * 31 + 5) & 0xFF);
    return data;
}

} // namespace

class tst_status_polls : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void waitStatusClear_data();
    void waitStatusClear();
    void waitStatusSet_data();
    void waitStatusSet();
    void failedStatusReadDropsTheConnection_data();
    void failedStatusReadDropsTheConnection();
    void readPacket_data();
    void readPacket();
    void readPacketBeyondTheLastBlock();

private:
    void runPoll(bool set);
    std::unique_ptr<sim_link_fixture> f;
    sim_device *device = nullptr;
};

void tst_status_polls::init()
{
    f = std::make_unique<sim_link_fixture>();
    device = &f->bus.addDevice(QStringLiteral("005F0000-0001"));
    QVERIFY(f->connectAndReset());
}

void tst_status_polls::cleanup()
{
    const QStringList problems = sim_link_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

// Columns shared by both polls: the scripted replies, the status after them, the mask,
// the number of polls, and what comes out.
static void pollColumns()
{
    QTest::addColumn<QList<uint>>("script");
    QTest::addColumn<uint>("thereafter");
    QTest::addColumn<uint>("mask");
    QTest::addColumn<int>("polls");
    QTest::addColumn<uint>("result");
    QTest::addColumn<int>("reads");
    QTest::addColumn<int>("waits");
}

void tst_status_polls::runPoll(bool set)
{
    QFETCH(QList<uint>, script);
    QFETCH(uint, thereafter);
    QFETCH(uint, mask);
    QFETCH(int, polls);
    QFETCH(int, waits);
    for (uint word : script)
        device->statusScript.enqueue(word);
    device->statusForceSet = thereafter;

    const u32 result = set ? f->controller->waitStatusSet(mask, polls) : f->controller->waitStatusClear(mask, polls);
    QTEST(uint(result), "result");
    QTEST(statusReads(f->bus), "reads");
    QCOMPARE(f->bus.log.size(), statusReads(f->bus));
    QCOMPARE(f->clock.waits, waits);
    QCOMPARE(f->elapsedMs(), qint64(waits) * 100);
    QVERIFY(f->controller->isConnected());
    QVERIFY(f->statusSignals.isEmpty());
}

void tst_status_polls::waitStatusClear_data()
{
    pollColumns();
    const uint busy = wire::status::Busy;
    QTest::newRow("clear at once") << QList<uint>{} << 0u << busy << 10 << 0u << 1 << 0;
    QTest::newRow("other bits do not count") << QList<uint>{} << uint(wire::status::Done | wire::status::Frozen) << busy << 10 << 0u << 1 << 0;
    QTest::newRow("clears on the third read") << QList<uint>{busy, busy} << 0u << busy << 10 << 0u << 3 << 2;
    QTest::newRow("clears on the tenth read") << QList<uint>(9, busy) << 0u << busy << 10 << 0u << 10 << 9;
    QTest::newRow("never clears: ten reads, a second") << QList<uint>{} << busy << busy << 10 << busy << 10 << 10;
    QTest::newRow("one poll: one read, one wait") << QList<uint>{} << busy << busy << 1 << busy << 1 << 1;
    QTest::newRow("no polls: one read, no wait") << QList<uint>{} << busy << busy << 0 << busy << 1 << 0;
    QTest::newRow("the mask's bits still set")
        << QList<uint>{} << uint(wire::status::Live | wire::status::Done) << uint(wire::status::ModeBits) << 1 << uint(wire::status::Live) << 1 << 1;
}

void tst_status_polls::waitStatusClear()
{
    runPoll(false);
}

void tst_status_polls::waitStatusSet_data()
{
    pollColumns();
    const uint frozen = wire::status::Frozen;
    const uint doneOrFailed = wire::status::Done | wire::status::Failed;
    QTest::newRow("set at once") << QList<uint>{} << frozen << frozen << 10 << frozen << 1 << 0;
    QTest::newRow("set on the fourth read") << QList<uint>{0, 0, 0} << frozen << frozen << 10 << frozen << 4 << 3;
    QTest::newRow("never set") << QList<uint>{} << 0u << frozen << 10 << 0u << 10 << 10;
    QTest::newRow("both bits: the mask at once") << QList<uint>{} << doneOrFailed << doneOrFailed << 1 << doneOrFailed << 1 << 0;
    QTest::newRow("DONE alone after one wait") << QList<uint>{} << uint(wire::status::Done) << doneOrFailed << 1 << uint(wire::status::Done) << 1 << 1;
    QTest::newRow("FAILED alone after one wait") << QList<uint>{} << uint(wire::status::Failed) << doneOrFailed << 1 << uint(wire::status::Failed) << 1 << 1;
    QTest::newRow("loader bit, one read") << QList<uint>{} << uint(wire::status::Loader) << uint(wire::status::Loader) << 1 << uint(wire::status::Loader) << 1 << 0;
}

void tst_status_polls::waitStatusSet()
{
    runPoll(true);
}

void tst_status_polls::failedStatusReadDropsTheConnection_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<int>("failingRead");
    QTest::addColumn<sim_fault>("fault");
    QTest::addColumn<uint>("result");

    const uint busy = wire::status::Busy;
    QTest::newRow("clear: first read fails") << false << 1 << sim_fault::fail() << busy;
    QTest::newRow("clear: 7-byte reply on the third read") << false << 3 << sim_fault::shortReply(7) << busy;
    QTest::newRow("clear: device gone on the second read") << false << 2 << sim_fault::vanish() << busy;
    QTest::newRow("set: first read fails") << true << 1 << sim_fault::fail() << 0u;
    QTest::newRow("set: 7-byte reply") << true << 2 << sim_fault::shortReply(7) << 0u;
}

void tst_status_polls::failedStatusReadDropsTheConnection()
{
    QFETCH(bool, set);
    QFETCH(int, failingRead);
    QFETCH(sim_fault, fault);
    device->statusForceSet = set ? 0u : u32(wire::status::Busy);
    device->injectOnRequest(wire::request::Status, failingRead, fault);

    const u32 result = set ? f->controller->waitStatusSet(STATUS_FROZEN, 10) : f->controller->waitStatusClear(STATUS_BUSY, 10);
    QTEST(uint(result), "result");
    QCOMPARE(f->clock.waits, failingRead - 1);
    QVERIFY(!f->controller->isConnected());
    QCOMPARE(f->controller->connected, 0);
    QCOMPARE(f->statusSignals, QList<bool>{false});
    // The drop sends the controller back to normal mode (on a gone device that fails) and closes.
    const QStringList tail = f->bus.logTexts().mid(failingRead);
    if (fault.kind == sim_fault::Vanish)
        QCOMPARE(tail, QStringList({"#1 SET_MODE v=1 i=0 !gone", "#1 release 0 !gone", "#1 close"}));
    else
        QCOMPARE(tail, sim_link_fixture::disconnect(1));
}

void tst_status_polls::readPacket_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<QByteArray>("offered");  // the frame the controller offers (empty: none)
    QTest::addColumn<sim_fault>("fault");      // on the bulk read
    QTest::addColumn<uint>("busy");            // BUSY held
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QStringList>("log");

    const QString status = QStringLiteral("#1 STATUS v=0 i=0 in 8");
    const QByteArray small = sim_frame::make(0x14, 3, 0x62000000 + 0x4000, blockData(0x2000)).bytes();
    const QByteArray large = sim_frame::make(0x14, 8, 0x62000000 + 0x10000, blockData(0x10000)).bytes();
    // A good frame of half the size, padded out to the full length: only its length field
    // tells that it is not the block asked for.
    const QByteArray halfPadded = sim_frame::make(0x14, 3, 0x62004000, blockData(0x1000)).bytes()
        + QByteArray(0x1000, '\0');

    QTest::newRow("8 KB block") << 3 << small << sim_fault() << 0u << 0 << true
                                << QStringList{status, "#1 bulk in 8204 0x14/3 @0x62004000"};
    QTest::newRow("64 KB block") << 8 << large << sim_fault() << 0u << 0 << true
                                 << QStringList{status, "#1 bulk in 65548 0x14/8 @0x62010000"};
    QTest::newRow("bad checksum: fails, stays connected")
        << 3 << small << sim_fault::badChecksum() << 0u << -1 << true
        << QStringList{status, "#1 bulk in 8204 bad frame !checksum"};
    QTest::newRow("wrong length field: fails, stays connected")
        << 3 << small << sim_fault::wrongLength() << 0u << -1 << true
        << QStringList{status, "#1 bulk in 8204 bad frame !length"};
    QTest::newRow("smaller frame padded: fails, stays connected")
        << 3 << halfPadded << sim_fault() << 0u << -1 << true << QStringList{status, "#1 bulk in 8204 bad frame"};
    QTest::newRow("64 KB frame for an 8 KB block overflows: dropped")
        << 3 << large << sim_fault() << 0u << -1 << false
        << QStringList{status, "#1 bulk in 8204 bad frame !overflow"} + sim_link_fixture::disconnect(1);
    QTest::newRow("short read: dropped")
        << 8 << large << sim_fault::shortReply() << 0u << -1 << false
        << QStringList{status, "#1 bulk in 65548 bad frame !short"} + sim_link_fixture::disconnect(1);
    QTest::newRow("stuck busy: dropped without a read")
        << 3 << small << sim_fault() << uint(wire::status::Busy) << -1 << false
        << QStringList(10, status) + sim_link_fixture::disconnect(1);
}

void tst_status_polls::readPacket()
{
    QFETCH(int, block);
    QFETCH(QByteArray, offered);
    QFETCH(sim_fault, fault);
    QFETCH(uint, busy);
    QFETCH(int, result);
    QFETCH(bool, connected);
    device->bulkInQueue.enqueue(offered);
    device->statusForceSet = busy;
    if (fault.kind != sim_fault::None)
        f->bus.injectAt(1, fault);

    usb_frame_class frame;
    QCOMPARE(f->controller->readPacket(block, frame), result);
    QTEST(f->bus.logTexts(), "log");
    QCOMPARE(f->controller->isConnected(), connected);
    QCOMPARE(f->statusSignals, connected ? QList<bool>{} : QList<bool>{false});
    if (result == 0) {
        const sim_frame expected = sim_frame::parse(offered);
        QCOMPARE(frame.address, expected.address);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(frame.data), int(expected.data.size())), expected.data);
    }
    if (busy)
        device->bulkInQueue.clear();  // never read: the controller kept it
}

void tst_status_polls::readPacketBeyondTheLastBlock()
{
    usb_frame_class frame;
    QCOMPARE(f->controller->readPacket(39, frame), -1);
    QVERIFY(f->bus.log.isEmpty());
    QVERIFY(f->controller->isConnected());
}

QTEST_GUILESS_MAIN(tst_status_polls)
#include "tst_status_polls.moc"
