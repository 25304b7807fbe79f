#include "link/monitor_protocol.h"
#include "link/usb_protocol.h"
#include "model/image_layout.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/sim/sim_frame.h"
#include "tests/sim/sim_link_fixture.h"
#include "tests/sim/sim_monitor_engine.h"
#include "tests/support/message_summary.h"
#include "tests/sim/sim_device_protocol.h"

#include <QtEndian>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

namespace wire = sim_protocol;

namespace {

const QString status1 = QStringLiteral("#1 STATUS v=0 i=0 in 8");
const QString readInputs = QStringLiteral("#1 MONITOR v=0 i=0 in 3");
const QString start = QStringLiteral("#1 MONITOR v=2 i=0");
const QString stop = QStringLiteral("#1 MONITOR v=3 i=0");
const QString readDmx = QStringLiteral("#1 READ_DMX_OUTPUT v=0 i=0");
const QString dmxFrame = QStringLiteral("#1 bulk in 76 0x1c/0 @0x00000000");
const QString configMode = QStringLiteral("#1 SET_MODE v=3 i=0");
const QString normalMode = QStringLiteral("#1 SET_MODE v=1 i=0");
const QString readBlock = QStringLiteral("#1 READ_BLOCKS_8K v=1 i=64");
const QString configFrame = QStringLiteral("#1 bulk in 8204 0x0f/0 @0x62004000");
const QString reportLength = QStringLiteral("#1 MONITOR v=6 i=0 in 2");
// The report is no frame; the log's frame summary calls it a bad one.
const QString report = QStringLiteral("#1 bulk in 64 bad frame");

QString usbBox(message_icon icon, const char *text)
{
    return messageSummary(icon, QStringLiteral("USB Interface"), QString::fromLatin1(text));
}

QStringList times(const QString &text, int count)
{
    return QStringList(count, text);
}

QStringList failed(const QString &text, int count, const char *outcome = "fail")
{
    return QStringList(count, text + QStringLiteral(" !") + QLatin1String(outcome));
}

QStringList operator+(const QStringList &a, const QString &b)
{
    return QStringList(a) << b;
}

const QStringList dropped = sim_link_fixture::disconnect(1);

// Shapes the controller before the request.
using controller_shaper = std::function<void(sim_device &)>;

controller_shaper nothing()
{
    return [](sim_device &) {};
}

// The next `count` requests of a code from the `first`-th on get the fault.
controller_shaper failing(u8 request, int first, int count, sim_fault fault = sim_fault::fail())
{
    return [=](sim_device &d) {
        for (int i = 0; i < count; ++i)
            d.injectOnRequest(request, first + i, fault);
    };
}

controller_shaper statusHeld(u32 set, u32 clear)
{
    return [=](sim_device &d) {
        d.statusForceSet = set;
        d.statusForceClear = clear;
    };
}

QByteArray bytesOf(const std::vector<u8> &buffer, int from, int count)
{
    return QByteArray(reinterpret_cast<const char *>(buffer.data()) + from, count);
}

} // namespace

Q_DECLARE_METATYPE(controller_shaper)

class tst_monitor_requests : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commandAndFailure_data();
    void commandAndFailure();
    void notConnected();
    void refusedCommands_data();
    void refusedCommands();
    void inputStates_data();
    void inputStates();
    void dmxFirmwareGate_data();
    void dmxFirmwareGate();
    void inputConfigurationModes_data();
    void inputConfigurationModes();
    void reportLengths_data();
    void reportLengths();

private:
    // Connects again to a controller shaped by `shape` (e.g. its firmware version).
    void reconnect(const controller_shaper &shape);
    std::unique_ptr<sim_link_fixture> f;
    sim_device *device = nullptr;
    sim_monitor_engine *engine = nullptr;
    std::vector<u8> buffer;
    // The number of boxes shown when the connection dropped, -1 while it did not.
    int boxesAtDrop = -1;
};

void tst_monitor_requests::init()
{
    f = std::make_unique<sim_link_fixture>();
    device = &f->bus.addDevice(QStringLiteral("005F0000-0001"));
    engine = device->findEngine<sim_monitor_engine>();
    QVERIFY(engine);
    QVERIFY(f->connectAndReset());
    // The largest buffer a caller passes, and a few bytes to show that nothing is written
    // beyond what was asked for.
    buffer.assign(monitor::ReportLengthMax + 16, 0xEE);
    boxesAtDrop = -1;
    QObject::connect(f->controller.get(), &kd620_controller_class::setConnectionStatus, f->controller.get(),
                     [this](bool up) {
                         if (!up)
                             boxesAtDrop = int(f->ui.messages.size());
                     });
}

void tst_monitor_requests::cleanup()
{
    QVERIFY2(allOkBoxesOfTheMainWindow(f->ui), "every box is an OK box of the main window");
    const QStringList problems = sim_link_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_monitor_requests::reconnect(const controller_shaper &shape)
{
    f->controller->setConnection(false);
    shape(*device);
    QVERIFY(f->connectAndReset());
    boxesAtDrop = -1;
}

// --- Every command against every failure --------------------------------------------------------

void tst_monitor_requests::commandAndFailure_data()
{
    QTest::addColumn<uint>("command");
    QTest::addColumn<controller_shaper>("shape");
    QTest::addColumn<sim_fault>("bulkFault");     // on the bulk read
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("boxesAtDrop");         // -1: the connection stays

    const sim_fault none;
    const QStringList noBox;
    const QString control = usbBox(message_icon::Warning, "Control error!");
    const QString protocol = usbBox(message_icon::Warning, "Protocol error!");
    const QString reading = usbBox(message_icon::Warning, "Reading error!");
    const QString initiate = usbBox(message_icon::Critical, "Cannot initiate reading!");
    const QString monitoring = usbBox(message_icon::Critical, "Cannot initiate monitoring!");

    // Input states.
    QTest::newRow("0: states") << 0u << nothing() << none << 0 << QStringList{readInputs} << noBox << -1;
    QTest::newRow("0: four failures, then the states")
        << 0u << failing(wire::request::Monitor, 1, 4) << none << 0 << failed(readInputs, 4) + readInputs << noBox << -1;
    QTest::newRow("0: five failures: dropped, then the box")
        << 0u << failing(wire::request::Monitor, 1, 5) << none << -1 << failed(readInputs, 5) + dropped
        << QStringList{usbBox(message_icon::Critical, "Cannot read inputs' states!")} << 0;
    QTest::newRow("0: five replies of 2 bytes: the same")
        << 0u << failing(wire::request::Monitor, 1, 5, sim_fault::shortReply(2)) << none << -1
        << failed(readInputs, 5, "short") + dropped
        << QStringList{usbBox(message_icon::Critical, "Cannot read inputs' states!")} << 0;

    // Start and stop.
    QTest::newRow("2: start") << 2u << nothing() << none << 0 << QStringList{start} << noBox << -1;
    QTest::newRow("2: five failures: box, connection kept")
        << 2u << failing(wire::request::Monitor, 1, 5) << none << -1 << failed(start, 5) << QStringList{monitoring} << -1;
    QTest::newRow("3: stop") << 3u << nothing() << none << 0 << QStringList{stop} << noBox << -1;
    QTest::newRow("3: four failures, then stopped")
        << 3u << failing(wire::request::Monitor, 1, 4) << none << 0 << failed(stop, 4) + stop << noBox << -1;
    QTest::newRow("3: five failures: box, connection kept")
        << 3u << failing(wire::request::Monitor, 1, 5) << none << -1 << failed(stop, 5) << QStringList{monitoring} << -1;

    // DMX output.
    const QStringList dmxAnnounced{status1, readDmx};
    QTest::newRow("4: values") << 4u << nothing() << none << 0 << dmxAnnounced + status1 + dmxFrame << noBox << -1;
    QTest::newRow("4: busy stays set: nothing asked, no box")
        << 4u << statusHeld(wire::status::Busy, 0) << none << -1 << times(status1, 10) << noBox << -1;
    QTest::newRow("4: busy check cannot read the status: dropped, no box")
        << 4u << failing(wire::request::Status, 1, 1) << none << -1 << failed(status1, 1) + dropped << noBox << 0;
    QTest::newRow("4: request fails five times: dropped, then the box")
        << 4u << failing(wire::request::ReadDmxOutput, 1, 5) << none << -1
        << QStringList{status1} + failed(readDmx, 5) + dropped << QStringList{initiate} << 0;
    QTest::newRow("4: status fails five times: control error, kept")
        << 4u << failing(wire::request::Status, 2, 5) << none << -1 << dmxAnnounced + failed(status1, 5) << QStringList{control}
        << -1;
    QTest::newRow("4: status fails four times, then DONE")
        << 4u << failing(wire::request::Status, 2, 4) << none << 0 << dmxAnnounced + failed(status1, 4) + status1 + dmxFrame
        << noBox << -1;
    QTest::newRow("4: never DONE: protocol error after 5 polls, kept")
        << 4u << statusHeld(0, wire::status::Done) << none << -1 << dmxAnnounced + times(status1, 5) << QStringList{protocol}
        << -1;
    QTest::newRow("4: short frame: reading error, kept")
        << 4u << nothing() << sim_fault::shortReply() << -1 << dmxAnnounced + status1 + (dmxFrame.section(' ', 0, 3) + " bad frame !short")
        << QStringList{reading} << -1;
    QTest::newRow("4: bad checksum: reading error, kept")
        << 4u << nothing() << sim_fault::badChecksum() << -1
        << dmxAnnounced + status1 + (dmxFrame.section(' ', 0, 3) + " bad frame !checksum") << QStringList{reading}
        << -1;

    // Input configuration, from normal mode.
    const QStringList intoConfig{configMode, status1};
    const QStringList backToNormal{normalMode, status1};
    QTest::newRow("5: input types")
        << 5u << nothing() << none << 0 << intoConfig + readBlock + status1 + configFrame + backToNormal << noBox << -1;
    QTest::newRow("5: bad checksum: taken all the same")
        << 5u << nothing() << sim_fault::badChecksum() << 0
        << intoConfig + readBlock + status1 + (configFrame.section(' ', 0, 3) + " bad frame !checksum") + backToNormal
        << noBox << -1;
    QTest::newRow("5: configuration mode cannot be entered: dropped, no box")
        << 5u << failing(wire::request::SetMode, 1, 1) << none << -1 << failed(configMode, 1) + dropped << noBox << 0;
    QTest::newRow("5: block request fails five times: dropped, then the box")
        << 5u << failing(wire::request::ReadBlocks8K, 1, 5) << none << -1 << intoConfig + failed(readBlock, 5) + dropped
        << QStringList{usbBox(message_icon::Critical, "Cannot read inputs' configuration!")} << 0;
    // The controller goes back to normal mode: it is not left in configuration mode.
    QTest::newRow("5: status fails five times: control error, mode restored, kept")
        << 5u << failing(wire::request::Status, 2, 5) << none << -1 << intoConfig + readBlock + failed(status1, 5) + backToNormal
        << QStringList{control} << -1;
    QTest::newRow("5: status fails, restoring fails too: dropped after the box")
        << 5u
        << controller_shaper([](sim_device &d) {
               failing(wire::request::Status, 2, 5)(d);
               failing(wire::request::SetMode, 2, 1)(d);
           })
        << none << -1 << intoConfig + readBlock + failed(status1, 5) + failed(normalMode, 1) + dropped
        << QStringList{control} << 1;
    QTest::newRow("5: never DONE: protocol error, then dropped")
        << 5u << statusHeld(0, wire::status::Done) << none << -1 << intoConfig + readBlock + times(status1, 5) + dropped
        << QStringList{protocol} << 1;
    QTest::newRow("5: short block: reading error, then dropped")
        << 5u << nothing() << sim_fault::shortReply() << -1
        << intoConfig + readBlock + status1 + (configFrame.section(' ', 0, 3) + " bad frame !short") + dropped
        << QStringList{reading} << 1;
    QTest::newRow("5: normal mode cannot be restored: dropped, no box")
        << 5u << failing(wire::request::SetMode, 2, 1) << none << -1
        << intoConfig + readBlock + status1 + configFrame + failed(normalMode, 1) + dropped << noBox << 0;

    // Internal states.
    QTest::newRow("6: report") << 6u << nothing() << none << 0 << QStringList{reportLength, status1, report} << noBox
                               << -1;
    QTest::newRow("6: length request fails five times: the box, then dropped")
        << 6u << failing(wire::request::Monitor, 1, 5) << none << -1 << failed(reportLength, 5) + dropped
        << QStringList{initiate} << 1;
    QTest::newRow("6: status fails five times: control error, kept")
        << 6u << failing(wire::request::Status, 1, 5) << none << -1 << QStringList{reportLength} + failed(status1, 5)
        << QStringList{control} << -1;
    QTest::newRow("6: never DONE: protocol error, kept")
        << 6u << statusHeld(0, wire::status::Done) << none << -1 << QStringList{reportLength} + times(status1, 5)
        << QStringList{protocol} << -1;
    QTest::newRow("6: short report: reading error, kept")
        << 6u << nothing() << sim_fault::shortReply() << -1 << QStringList{reportLength, status1, report + " !short"}
        << QStringList{reading} << -1;
    QTest::newRow("6: bad sum: reading error, kept")
        << 6u << nothing() << sim_fault::badChecksum() << -1
        << QStringList{reportLength, status1, report + " !checksum"} << QStringList{reading} << -1;
}

void tst_monitor_requests::commandAndFailure()
{
    QFETCH(uint, command);
    QFETCH(controller_shaper, shape);
    QFETCH(sim_fault, bulkFault);
    QFETCH(int, result);
    QFETCH(QStringList, log);
    QFETCH(int, boxesAtDrop);
    shape(*device);
    if (bulkFault.kind != sim_fault::None) {
        int bulk = 0;
        while (bulk < log.size() && !log[bulk].contains(QLatin1String("bulk in")))
            ++bulk;
        QVERIFY(bulk < log.size());
        f->bus.injectAt(bulk, bulkFault);
    }
    // Start and stop take no buffer.
    u8 *data = command == MON_START || command == MON_STOP ? nullptr : buffer.data();

    QCOMPARE(f->controller->monitorRequest(command, data), result);

    QCOMPARE(f->bus.logTexts(), log);
    QTEST(messageSummaries(f->ui), "boxes");
    QCOMPARE(this->boxesAtDrop, boxesAtDrop);
    QCOMPARE(f->controller->isConnected(), boxesAtDrop < 0);
    QCOMPARE(f->statusSignals, boxesAtDrop < 0 ? QList<bool>() : QList<bool>{false});
    if (boxesAtDrop < 0)
        QCOMPARE(f->controller->workingMode(), int(MODE_NORMAL));
    if (command == MON_START || command == MON_STOP)
        QCOMPARE(engine->monitoring, command == MON_START && result == 0);
    // The input types reach the caller only with success.
    if (command == MON_INPUT_CONFIG && result < 0)
        QCOMPARE(bytesOf(buffer, 0, monitor::InputConfigSize), QByteArray(monitor::InputConfigSize, char(0xEE)));
}

void tst_monitor_requests::notConnected()
{
    f->controller->setConnection(false);
    f->reset();
    for (unsigned command = 0; command <= 7; ++command) {
        f->ui.clear();
        QCOMPARE(f->controller->monitorRequest(command, buffer.data()), -1);
        QCOMPARE(messageSummaries(f->ui), QStringList{usbBox(message_icon::Critical, "Not connected!")});
    }
    QVERIFY(f->bus.log.isEmpty());
}

void tst_monitor_requests::refusedCommands_data()
{
    QTest::addColumn<uint>("command");
    QTest::addColumn<bool>("withBuffer");

    QTest::newRow("1") << 1u << true;
    QTest::newRow("7") << 7u << true;
    QTest::newRow("0x100") << 0x100u << true;
    QTest::newRow("0xFFFFFFFF") << 0xFFFFFFFFu << true;
    QTest::newRow("0 without a buffer") << 0u << false;
    QTest::newRow("4 without a buffer") << 4u << false;
    QTest::newRow("5 without a buffer") << 5u << false;
    QTest::newRow("6 without a buffer") << 6u << false;
}

void tst_monitor_requests::refusedCommands()
{
    QFETCH(uint, command);
    QFETCH(bool, withBuffer);

    QCOMPARE(f->controller->monitorRequest(command, withBuffer ? buffer.data() : nullptr), -1);

    QVERIFY(f->bus.log.isEmpty());
    QVERIFY(f->ui.messages.isEmpty());
    QVERIFY(f->controller->isConnected());
}

void tst_monitor_requests::inputStates_data()
{
    QTest::addColumn<uint>("states");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("none") << 0u << QByteArray("\x00\x00\x00", 3);
    QTest::newRow("input 1") << 1u << QByteArray("\x01\x00\x00", 3);
    QTest::newRow("input 24") << 0x800000u << QByteArray("\x00\x00\x80", 3);
    QTest::newRow("a pattern") << 0xA5C3F1u << QByteArray("\xF1\xC3\xA5", 3);
}

void tst_monitor_requests::inputStates()
{
    QFETCH(uint, states);
    engine->inputStates = states;

    QCOMPARE(f->controller->monitorRequest(MON_INPUT_STATES, buffer.data()), 0);

    QTEST(bytesOf(buffer, 0, 3), "bytes");
    QCOMPARE(int(buffer[3]), 0xEE);  // nothing beyond the three bytes
}

// --- DMX output: 32 or 64 values by firmware ------------------------------------------------------

void tst_monitor_requests::dmxFirmwareGate_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("build");
    QTest::addColumn<bool>("tellsVersion");
    QTest::addColumn<int>("valuesSent");  // 0: as the firmware sends
    QTest::addColumn<int>("values");      // as the reader expects them, 0: reading error

    QTest::newRow("3.00.0010: 32 values") << 3 << 0 << 10 << true << 0 << 32;
    QTest::newRow("3.00.0011: 64 values") << 3 << 0 << 11 << true << 0 << 64;
    QTest::newRow("3.01.0000: 64 values") << 3 << 1 << 0 << true << 0 << 64;
    QTest::newRow("2.99.9999: 32 values") << 2 << 99 << 9999 << true << 0 << 32;
    // By number, not by text: "F/W ver. 10.00.0000" sorts before "F/W ver. 3.00.0011".
    QTest::newRow("10.00.0000: 64 values") << 10 << 0 << 0 << true << 0 << 64;
    QTest::newRow("no version told: 32 values") << 3 << 0 << 0 << false << 32 << 32;
    QTest::newRow("64 values to a reader expecting 32: reading error") << 3 << 0 << 10 << true << 64 << 0;
    QTest::newRow("32 values to a reader expecting 64: reading error") << 3 << 0 << 11 << true << 32 << 0;
}

void tst_monitor_requests::dmxFirmwareGate()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, build);
    QFETCH(bool, tellsVersion);
    QFETCH(int, valuesSent);
    QFETCH(int, values);
    reconnect([=](sim_device &d) {
        d.firmwareMajor = i8(major);
        d.firmwareMinor = i8(minor);
        d.firmwareBuild = i16(build);
        d.answersFirmwareVersion = tellsVersion;
    });
    engine->dmxValueCount = valuesSent;
    for (int i = 0; i < 64; ++i)
        engine->dmxOutput[size_t(i)] = u8(200 - i);
    const int expected = values > 0 ? values : valuesSent == 64 ? 32 : 64;

    QCOMPARE(f->controller->monitorRequest(MON_DMX_OUTPUT, buffer.data()), values > 0 ? 0 : -1);

    const QStringList log = f->bus.logTexts();
    QCOMPARE(log.size(), 4);
    QVERIFY2(log[3].startsWith(QStringLiteral("#1 bulk in %1").arg(expected + 12)), qPrintable(log[3]));
    if (values == 0) {
        QCOMPARE(messageSummaries(f->ui), QStringList{usbBox(message_icon::Warning, "Reading error!")});
        return;
    }
    QVERIFY(f->ui.messages.isEmpty());
    const sim_frame sent = sim_frame::parse(f->bus.log[3].data);
    QVERIFY(sent.valid);
    QCOMPARE(bytesOf(buffer, 0, 8), f->bus.log[3].data.left(8));
    QCOMPARE(bytesOf(buffer, 8, values), sent.data);
    // The checksum and everything after the values up to byte 75 read zero.
    QCOMPARE(bytesOf(buffer, 8 + values, monitor::DmxBufferSize - 8 - values),
             QByteArray(monitor::DmxBufferSize - 8 - values, '\0'));
    QCOMPARE(int(buffer[monitor::DmxBufferSize]), 0xEE);
}

// --- Input configuration: the mode before and after ------------------------------------------------

void tst_monitor_requests::inputConfigurationModes_data()
{
    QTest::addColumn<int>("mode");  // the controller's mode before
    QTest::addColumn<QStringList>("log");

    const QStringList read{readBlock, status1, configFrame};
    QTest::newRow("from normal mode") << int(MODE_NORMAL) << QStringList{configMode, status1} + read + normalMode + status1;
    QTest::newRow("in configuration mode: asked again afterwards")
        << int(MODE_CONFIGURATION) << read + configMode + status1;
    QTest::newRow("from live mode") << int(MODE_LIVE)
                                    << QStringList{configMode, status1} + read + "#1 SET_MODE v=4 i=0" + status1;
}

void tst_monitor_requests::inputConfigurationModes()
{
    QFETCH(int, mode);
    if (mode != MODE_NORMAL)
        QCOMPARE(f->controller->setWorkingMode(mode), mode);
    f->reset();
    QByteArray &memory = f->bus.device(1).findEngine<sim_config_memory_engine>()->memory;
    for (int i = 0; i < sim_monitor_engine::InputCount; ++i)
        qToLittleEndian<i32>(i % 3 - 1, memory.data() + image_layout::inputType(u32(i)));

    QCOMPARE(f->controller->monitorRequest(MON_INPUT_CONFIG, buffer.data()), 0);

    QTEST(f->bus.logTexts(), "log");
    QCOMPARE(f->controller->workingMode(), mode);
    for (int i = 0; i < sim_monitor_engine::InputCount; ++i)
        QCOMPARE(qFromLittleEndian<i32>(buffer.data() + 4 * i), i % 3 - 1);
    QCOMPARE(int(buffer[monitor::InputConfigSize]), 0xEE);
    QVERIFY(f->ui.messages.isEmpty());
}

// --- Internal-states report lengths -------------------------------------------------------------------

void tst_monitor_requests::reportLengths_data()
{
    QTest::addColumn<int>("length");     // of the report sent
    QTest::addColumn<int>("announced");  // the length announced
    QTest::addColumn<int>("read");       // the bulk read asked for, 0 none
    QTest::addColumn<int>("result");

    QTest::newRow("25: refused") << 25 << 25 << 0 << -1;
    QTest::newRow("26: read as 64") << 26 << 26 << 64 << 0;
    // 7 words summed; the two bytes after them (0xAB) are left out.
    QTest::newRow("30: read as 64, 7 words summed") << 30 << 30 << 64 << 0;
    QTest::newRow("64") << 64 << 64 << 64 << 0;
    QTest::newRow("65: read as 65") << 65 << 65 << 65 << 0;
    QTest::newRow("2400") << 2400 << 2400 << 2400 << 0;
    QTest::newRow("2401: refused") << 2401 << 2401 << 0 << -1;
    QTest::newRow("0: refused") << 64 << 0 << 0 << -1;
    QTest::newRow("0xFFFF: refused") << 64 << 0xFFFF << 0 << -1;
    QTest::newRow("100 announced, 99 sent: reading error") << 99 << 100 << 100 << -1;
}

void tst_monitor_requests::reportLengths()
{
    QFETCH(int, length);
    QFETCH(int, announced);
    QFETCH(int, read);
    QFETCH(int, result);
    engine->internalStates = sim_monitor_engine::makeReport(length);
    engine->announcedLength = announced;

    QCOMPARE(f->controller->monitorRequest(MON_INTERNAL_STATES, buffer.data()), result);

    const QStringList log = f->bus.logTexts();
    if (read == 0) {
        QCOMPARE(log, QStringList{reportLength} + dropped);
        QCOMPARE(messageSummaries(f->ui), QStringList{usbBox(message_icon::Critical, "Cannot initiate reading!")});
        QCOMPARE(boxesAtDrop, 1);
        return;
    }
    QCOMPARE(log.size(), 3);
    QVERIFY2(log[2].startsWith(QStringLiteral("#1 bulk in %1 ").arg(read)), qPrintable(log[2]));
    QCOMPARE(bytesOf(buffer, 0, length), engine->internalStates);
    QCOMPARE(int(buffer[size_t(length)]), 0xEE);  // nothing beyond what was sent
    QCOMPARE(messageSummaries(f->ui), result == 0 ? QStringList()
                                                  : QStringList{usbBox(message_icon::Warning, "Reading error!")});
    QVERIFY(f->controller->isConnected());
}

QTEST_GUILESS_MAIN(tst_monitor_requests)
#include "tst_monitor_requests.moc"
