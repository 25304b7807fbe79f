#include "model/application_identity.h"
#include "link/maker_site.h"
#include "link/usb_protocol.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/sim/sim_link_fixture.h"
#include "tests/support/configuration_fixture.h"
#include "tests/sim/sim_device_protocol.h"

#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

namespace wire = sim_protocol;

namespace {

using namespace image_layout;
using F = sim_link_fixture;

const QString serial = QStringLiteral("005F0000-0001");
const QString status1 = QStringLiteral("#1 STATUS v=0 i=0 in 8");
const QString sendOk = QStringLiteral("Config and data writing\n     successful!");
const QString sendFailed = QStringLiteral("Config and data writing\n     failed!");
const QString readOk = QStringLiteral("Configuration reading\nsuccessful!");
const QString readFailed = QStringLiteral("Configuration reading\n failed!");

// A configuration frame in the log: "#1 bulk out 8204 0x14/0 @0x62002000". The
// controller's frames carry the code of the read request.
QString frameText(const char *direction, int command, int sub, u32 offset, u32 size)
{
    return QStringLiteral("#1 bulk %1 %2 0x%3/%4 @0x%5")
        .arg(QLatin1String(direction))
        .arg(size + 12)
        .arg(command, 2, 16, QLatin1Char('0'))
        .arg(sub)
        .arg(controllerAddress(offset), 8, 16, QLatin1Char('0'));
}

QStringList modeChange(int mode)
{
    return {QStringLiteral("#1 SET_MODE v=%1 i=0").arg(mode), status1};
}

// The 38 block cycles of a send: not busy, announce, ready, the frame, done.
QStringList sendBlocks()
{
    QStringList log;
    int sub = 0;
    for (u32 offset = 0x2000; offset < ImageSize;) {
        const u32 size = offset < 0x10000 ? 0x2000 : 0x10000;
        log << status1 << QStringLiteral("#1 WRITE_BLOCK v=1 i=0") << status1 << frameText("out", 0x14, sub++, offset, size)
            << status1;
        offset += size;
    }
    return log;
}

// A read after the mode change: not busy, 3 frames of 8 KB from 0, 31 of 64 KB from
// 0x10000, each after a poll for the data and one for a controller that is not busy.
QStringList readBlocks()
{
    QStringList log{status1, QStringLiteral("#1 READ_BLOCKS_8K v=3 i=0")};
    for (int i = 0; i < 3; ++i)
        log << status1 << status1 << frameText("in", wire::request::ReadBlocks8K, i, u32(i) * 0x2000, 0x2000);
    log << QStringLiteral("#1 READ_BLOCKS_64K v=31 i=256");
    for (int i = 0; i < 31; ++i)
        log << status1 << status1 << frameText("in", wire::request::ReadBlocks64K, i, 0x10000 + u32(i) * 0x10000, 0x10000);
    return log;
}

QList<int> oneTo(int n)
{
    QList<int> values;
    for (int i = 1; i <= n; ++i)
        values << i;
    return values;
}

// The image of a fully populated configuration, its stores packed.
const QByteArray &populatedImage()
{
    static const QByteArray image = [] {
        controller_configuration_class c;
        populateConfiguration(c, false);
        c.eventActions.encodeToImage(c.confData);
        c.programList.commitToImage(c.confData, c.extraEntries);
        c.packTimers();
        c.packCoupling();
        return QByteArray(reinterpret_cast<const char *>(c.confData), int(ImageSize));
    }();
    return image;
}

void setMemoryWord(QByteArray &memory, u32 offset, u16 value)
{
    writeU16(reinterpret_cast<u8 *>(memory.data()), offset, value);
}

// Equal configurations; otherwise tells where they part (worked out only then: it is slow).
bool sameConfiguration(const configuration_snapshot &actual, const configuration_snapshot &expected)
{
    if (actual == expected)
        return true;
    qWarning().noquote() << actual.firstDifference(expected);
    return false;
}

// Shapes the connected controller (or the controller object) before a transfer.
using shaper = std::function<void(sim_link_fixture &)>;

sim_config_memory_engine &memoryOf(sim_link_fixture &f)
{
    return *f.bus.device(1).findEngine<sim_config_memory_engine>();
}

// A fault at operation `op` of the transfer, counted from its first request.
shaper faultAt(int op, sim_fault fault)
{
    return [op, fault](sim_link_fixture &f) { f.bus.injectAt(op, fault); };
}

struct named_fault {
    const char *name;
    sim_fault fault;
};

} // namespace

Q_DECLARE_METATYPE(shaper)

class tst_configuration_transfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sendThenReadBack();
    void oldFirmwareGate_data();
    void oldFirmwareGate();
    void overflowingStoreSendsNothing_data();
    void overflowingStoreSendsNothing();
    void modeAfterTransfer_data();
    void modeAfterTransfer();
    void faultWalkThroughSend_data();
    void faultWalkThroughSend();
    void faultWalkThroughRead_data();
    void faultWalkThroughRead();
    void readFrameOutsideImage_data();
    void readFrameOutsideImage();
    void readFramePlacedByItsAddress();

private:
    kd620_controller_class &c() { return *f->controller; }
    // A connected controller with a small configuration of its own, and the controller's
    // memory holding a whole other one.
    void prepareRead();
    // The connection is gone and every announcement said so.
    void checkDropped();
    std::unique_ptr<sim_link_fixture> f;
};

void tst_configuration_transfer::initTestCase()
{
    populatedImage();  // built once, before any box is recorded
}

void tst_configuration_transfer::init()
{
    f = std::make_unique<sim_link_fixture>();
    f->bus.addDevice(serial);
}

void tst_configuration_transfer::cleanup()
{
    const QStringList problems = sim_link_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_configuration_transfer::prepareRead()
{
    QVERIFY(f->connectAndReset());
    memoryOf(*f).memory = populatedImage();
    c().programList.setStepCount(3, 2);
    c().eventActions.appendAction(0x800);
    c().confData[sceneLevel(5, 7)] = 0x42;
    c().sceneDescs[5] = QStringLiteral("kept");
}

void tst_configuration_transfer::checkDropped()
{
    QCOMPARE(c().connected, 0);
    QVERIFY(!c().isConnected());
    QVERIFY(!f->statusSignals.isEmpty());
    QVERIFY(!f->statusSignals.contains(true));
}

void tst_configuration_transfer::sendThenReadBack()
{
    sim_device &d = f->bus.device(1);
    populateConfiguration(c(), false);
    QVERIFY(f->connectAndReset());
    // The right panel answers a successful send with a restart and a new connect.
    int logAtReset = -1;
    int boxesAtReset = -1;
    QObject::connect(&c(), &kd620_controller_class::forceReset, [&] {
        logAtReset = int(f->bus.log.size());
        boxesAtReset = int(f->ui.messages.size());
        QCOMPARE(c().restartController(), 0);
    });

    c().send_alldata();
    QCOMPARE(f->bus.logTexts().mid(0, logAtReset), modeChange(MODE_CONFIGURATION) + sendBlocks());
    const QStringList afterReset = f->bus.logTexts(logAtReset);
    QCOMPARE(afterReset.first(), QStringLiteral("#1 RESTART v=0 i=0"));
    QCOMPARE(afterReset.mid(afterReset.size() - 2), modeChange(MODE_NORMAL));
    QCOMPARE(boxesAtReset, 1);
    QCOMPARE(f->ui.messageTexts(), QStringList{sendOk});
    QCOMPARE(f->ui.messages[0].icon, message_icon::Information);
    QCOMPARE(f->ui.messages[0].title, application_identity::name());
    QCOMPARE(f->ui.messages[0].parent, dialog_parent::MainWindow);
    QCOMPARE(f->ui.progressBegins.size(), 1);
    QCOMPARE(f->ui.progressBegins[0].label, QStringLiteral("Sending configuration and data..."));
    QCOMPARE(f->ui.progressBegins[0].minimum, 0);
    QCOMPARE(f->ui.progressBegins[0].maximum, 38);
    QCOMPARE(f->ui.progressValues, oneTo(38));
    QCOMPARE(f->ui.processEventsCalls, 38);
    QCOMPARE(f->ui.progressEnds, 1);
    QCOMPARE(c().connected, 1);
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));

    // The controller kept what it stored through its restart.
    sim_config_memory_engine &memory = memoryOf(*f);
    const QByteArray sent(reinterpret_cast<const char *>(c().confData), int(ImageSize));
    QCOMPARE(memory.framesStored, 38);
    QVERIFY(memory.memory.mid(0x2000) == sent.mid(0x2000));
    QVERIFY(memory.memory.left(0x2000) == QByteArray(0x2000, char(0xFF)));

    // Read it back into a cleared configuration. The controller's head region and its
    // unread region differ from ours; its limits need the load clamps.
    const configuration_snapshot before = configuration_snapshot::of(c());
    memory.memory.replace(0, 0x2000, QByteArray(0x2000, char(0x11)));
    memory.memory.replace(0x6000, 0xA000, QByteArray(0xA000, char(0x22)));
    setMemoryWord(memory.memory, OutputChannelLimit, 0xFFFF);
    setMemoryWord(memory.memory, MbftCode, 0xFFFF);
    u8 codes[controller_configuration_class::RcuKeyCount];
    std::copy_n(c().rcuKeyCodes, controller_configuration_class::RcuKeyCount, codes);
    const u8 address = c().rcuAddress;
    const int calibration = c().clockCalibration;
    c().ClearConfig();
    std::copy_n(codes, controller_configuration_class::RcuKeyCount, c().rcuKeyCodes);
    c().rcuAddress = address;
    c().clockCalibration = calibration;
    std::fill_n(c().confData + 0x6000, 0xA000, u8(0xA5));
    int finished = 0;
    QObject::connect(&c(), &kd620_controller_class::readKd620Finished, [&] { ++finished; });
    f->reset();
    d.clearSchedule();

    c().read_alldata();
    QCOMPARE(f->bus.logTexts(), modeChange(MODE_CONFIGURATION) + readBlocks() + modeChange(MODE_NORMAL));
    QByteArray expected = before.image;
    expected.replace(0, 0x2000, QByteArray(0x2000, char(0x11)));
    expected.replace(0x6000, 0xA000, QByteArray(0xA000, char(0xA5)));
    setMemoryWord(expected, OutputChannelLimit, 32);
    setMemoryWord(expected, MbftCode, 10);
    QVERIFY(sameConfiguration(configuration_snapshot::of(c()), configuration_snapshot{expected, before.dump}));
    QCOMPARE(finished, 1);
    QCOMPARE(f->ui.messageTexts(), QStringList{readOk});
    QCOMPARE(f->ui.messages[0].icon, message_icon::Information);
    QCOMPARE(f->ui.progressBegins.size(), 1);
    QCOMPARE(f->ui.progressBegins[0].label, QStringLiteral("Reading configuration..."));
    QCOMPARE(f->ui.progressBegins[0].maximum, 29);
    QCOMPARE(f->ui.progressBegins[0].windowIcon, QStringLiteral(":/vd_sh.png"));
    QCOMPARE(f->ui.progressValues, oneTo(34));
    QCOMPARE(f->ui.processEventsCalls, 0);
    QCOMPARE(f->ui.progressEnds, 1);
    QVERIFY(f->statusSignals.isEmpty());
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));
}

void tst_configuration_transfer::oldFirmwareGate_data()
{
    QTest::addColumn<int>("channels");  // what the scene page says; 0: no page
    QTest::addColumn<int>("limitWord");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("sent");

    const int yes = message_button::Yes;
    const int no = message_button::No;
    const QString none = QStringLiteral("F/W ----");
    QTest::newRow("32 channels, no version: not asked") << 32 << 64 << none << no << false << true;
    QTest::newRow("33 channels, no version, No: nothing sent") << 33 << 64 << none << no << true << false;
    QTest::newRow("33 channels, no version, Yes: sent") << 33 << 64 << none << yes << true << true;
    QTest::newRow("33 channels, empty text, No") << 33 << 64 << QString() << no << true << false;
    QTest::newRow("64 channels, 3.00.0008, No") << 64 << 64 << "F/W ver. 3.00.0008" << no << true << false;
    QTest::newRow("64 channels, 2.99.9999, No") << 64 << 64 << "F/W ver. 2.99.9999" << no << true << false;
    QTest::newRow("33 channels, 3.00.0009: not asked") << 33 << 64 << "F/W ver. 3.00.0009" << no << false << true;
    QTest::newRow("33 channels, 3.00.0010: not asked") << 33 << 64 << "F/W ver. 3.00.0010" << no << false << true;
    QTest::newRow("no page, limit word 33, No") << 0 << 33 << none << no << true << false;
    QTest::newRow("no page, limit word 32: not asked") << 0 << 32 << none << no << false << true;
    QTest::newRow("no page, limit word 0xFFFF counts as 64, No") << 0 << 0xFFFF << none << no << true << false;
    QTest::newRow("no page, limit word 10 counts as 24: not asked") << 0 << 10 << none << no << false << true;
}

void tst_configuration_transfer::oldFirmwareGate()
{
    QFETCH(int, channels);
    QFETCH(bool, asked);
    QFETCH(bool, sent);
    QVERIFY(f->connectAndReset());
    QFETCH(QString, firmware);
    c().fwText = firmware;
    if (channels > 0)
        c().channelsInUseSource = [channels] { return channels; };
    QFETCH(int, limitWord);
    writeU16(c().confData, OutputChannelLimit, u16(limitWord));
    QFETCH(int, answer);
    if (asked)
        f->ui.answers.enqueue(answer);

    c().send_alldata();
    QStringList boxes;
    if (asked) {
        const message_request &q = f->ui.messages.first();
        QCOMPARE(q.icon, message_icon::Question);
        QCOMPARE(q.title, QStringLiteral("Old firmware version!"));
        QCOMPARE(q.text, QStringLiteral("Firmware older then 3.00.0009 cannot serve only 32 DMX channels!\n"
                                        "Look for upgrade on the QVR site: %1 !\nContinue anyway?")
                             .arg(QLatin1String(MAKER_SITE_ADDRESS)));
        QCOMPARE(q.buttons, unsigned(message_button::Yes | message_button::No));
        QCOMPARE(q.defaultButton, unsigned(message_button::No));
        boxes << q.text;
    }
    if (sent)
        boxes << sendOk;
    QCOMPARE(f->ui.messageTexts(), boxes);
    QCOMPARE(memoryOf(*f).framesStored, sent ? 38 : 0);
    if (!sent)
        QCOMPARE(f->bus.logTexts(), QStringList());
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));
    QCOMPARE(c().connected, 1);
}

void tst_configuration_transfer::overflowingStoreSendsNothing_data()
{
    QTest::addColumn<shaper>("overflow");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("program steps beyond the 8192 slots")
        << shaper([](F &f) {
               for (u32 p = 0; p < 9; ++p)
                   f.controller->programList.setStepCount(p, 999);
           })
        << QStringList{"Program steps limit exceed!", sendFailed};
    QTest::newRow("actions beyond the 8190 records") << shaper([](F &f) {
        for (int i = 0; i < 8191; ++i)
            f.controller->eventActions.appendAction(0x400);
    }) << QStringList{"Actions limit exceed!", sendFailed};
}

void tst_configuration_transfer::overflowingStoreSendsNothing()
{
    QFETCH(shaper, overflow);
    QVERIFY(f->connectAndReset());
    overflow(*f);

    c().send_alldata();
    QTEST(f->ui.messageTexts(), "boxes");
    QCOMPARE(f->ui.messages.last().icon, message_icon::Critical);
    QCOMPARE(f->bus.logTexts(), QStringList());
    QCOMPARE(f->ui.progressBegins.size(), 0);
    QCOMPARE(memoryOf(*f).framesStored, 0);
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));
    QCOMPARE(c().connected, 1);
    QVERIFY(f->statusSignals.isEmpty());
}

void tst_configuration_transfer::modeAfterTransfer_data()
{
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("startMode");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("endMode");
    QTest::addColumn<bool>("dropped");

    const QStringList config = modeChange(MODE_CONFIGURATION);
    QTest::newRow("send from live: live again") << false << int(MODE_LIVE) << config + sendBlocks() + modeChange(MODE_LIVE)
                                                << int(MODE_LIVE) << false;
    QTest::newRow("send from configuration: no change first")
        << false << int(MODE_CONFIGURATION) << sendBlocks() + config << int(MODE_CONFIGURATION) << false;
    QTest::newRow("send from the loader: dropped at the end")
        << false << int(MODE_LOADER) << config + sendBlocks() + F::disconnect(1) << int(MODE_NONE) << true;
    QTest::newRow("read from live: live again") << true << int(MODE_LIVE) << config + readBlocks() + modeChange(MODE_LIVE)
                                                << int(MODE_LIVE) << false;
    QTest::newRow("read from configuration: no change first")
        << true << int(MODE_CONFIGURATION) << readBlocks() + config << int(MODE_CONFIGURATION) << false;
}

void tst_configuration_transfer::modeAfterTransfer()
{
    QFETCH(bool, read);
    QFETCH(int, startMode);
    f->bus.device(1).inLoader = startMode == MODE_LOADER;
    QVERIFY(f->connectAndReset());
    if (startMode != MODE_LOADER)
        QCOMPARE(c().setWorkingMode(startMode), startMode);
    QCOMPARE(c().workingMode(), startMode);
    f->reset();

    if (read)
        c().read_alldata();
    else
        c().send_alldata();
    QTEST(f->bus.logTexts(), "log");
    QTEST(c().workingMode(), "endMode");
    QFETCH(bool, dropped);
    QCOMPARE(f->statusSignals.size(), dropped ? 1 : 0);
    QCOMPARE(c().connected, dropped ? 0 : 1);
    QCOMPARE(f->ui.messageTexts(), QStringList{read ? readOk : sendOk});
}

void tst_configuration_transfer::faultWalkThroughSend_data()
{
    QTest::addColumn<shaper>("fault");
    QTest::addColumn<bool>("message");  // false: the blocks had not begun
    QTest::addColumn<int>("writes");    // WRITE_BLOCK requests made

    const QStringList clean = modeChange(MODE_CONFIGURATION) + sendBlocks();
    int writes = 0;
    for (int op = 0; op < clean.size(); ++op) {
        const bool bulk = clean[op].contains(QLatin1String("bulk out"));
        writes += clean[op].contains(QLatin1String("WRITE_BLOCK"));
        QList<named_fault> faults{{"fails", sim_fault::fail()}, {"device gone", sim_fault::vanish()}};
        if (bulk)
            faults.append({"cut short", sim_fault::shortReply()});
        for (const named_fault &nf : faults) {
            QTest::addRow("%d %s %s", op, qPrintable(clean[op]), nf.name) << faultAt(op, nf.fault) << (op >= 2) << writes;
        }
    }
    for (int block = 0; block < 38; ++block) {
        QTest::addRow("READY withheld at block %d", block)
            << shaper([block](F &f) { memoryOf(f).withholdReadyForWrite = block; }) << true << block + 1;
        QTest::addRow("DONE withheld at block %d", block)
            << shaper([block](F &f) { memoryOf(f).withholdDoneForWrite = block; }) << true << block + 1;
    }
}

void tst_configuration_transfer::faultWalkThroughSend()
{
    QFETCH(shaper, fault);
    QFETCH(bool, message);
    QVERIFY(f->connectAndReset());
    fault(*f);
    int resets = 0;
    QObject::connect(&c(), &kd620_controller_class::forceReset, [&] { ++resets; });

    c().send_alldata();
    QCOMPARE(resets, 0);
    QCOMPARE(f->ui.messageTexts(), message ? QStringList{sendFailed} : QStringList());
    if (message) {
        QCOMPARE(f->ui.messages[0].icon, message_icon::Critical);
        QCOMPARE(f->ui.progressEnds, 1);
    }
    QTEST(int(f->bus.logTexts().filter(QStringLiteral("WRITE_BLOCK")).size()), "writes");
    checkDropped();
}

void tst_configuration_transfer::faultWalkThroughRead_data()
{
    QTest::addColumn<shaper>("fault");
    QTest::addColumn<bool>("message");  // false: the blocks had not begun

    const QStringList clean = modeChange(MODE_CONFIGURATION) + readBlocks();
    for (int op = 0; op < clean.size(); ++op) {
        QList<named_fault> faults{{"fails", sim_fault::fail()}, {"device gone", sim_fault::vanish()}};
        if (clean[op].contains(QLatin1String("bulk in"))) {
            faults.append({{"cut short", sim_fault::shortReply()},
                           {"bad checksum", sim_fault::badChecksum()},
                           {"wrong length", sim_fault::wrongLength()}});
        }
        for (const named_fault &nf : faults)
            QTest::addRow("%d %s %s", op, qPrintable(clean[op]), nf.name) << faultAt(op, nf.fault) << (op >= 4);
    }
    for (int frame = 0; frame < 34; ++frame) {
        QTest::addRow("DONE withheld for frame %d", frame)
            << shaper([frame](F &f) { memoryOf(f).withholdDoneForRead = frame; }) << true;
    }
}

void tst_configuration_transfer::faultWalkThroughRead()
{
    QFETCH(shaper, fault);
    QFETCH(bool, message);
    prepareRead();
    const configuration_snapshot before = configuration_snapshot::of(c());
    fault(*f);
    int finished = 0;
    QObject::connect(&c(), &kd620_controller_class::readKd620Finished, [&] { ++finished; });

    c().read_alldata();
    QCOMPARE(f->ui.messageTexts(), message ? QStringList{readFailed} : QStringList());
    if (message) {
        QCOMPARE(f->ui.messages[0].icon, message_icon::Critical);
        QCOMPARE(f->ui.progressEnds, 1);
    }
    QVERIFY(sameConfiguration(configuration_snapshot::of(c()), before));
    QCOMPARE(finished, 0);
    checkDropped();
}

void tst_configuration_transfer::readFrameOutsideImage_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<uint>("address");

    QTest::newRow("8 KB frame at address 0") << 0 << 0u;
    QTest::newRow("8 KB frame just below the image") << 1 << 0x61FFFFFCu;
    QTest::newRow("8 KB frame running past the end") << 2 << 0x621FE004u;
    QTest::newRow("64 KB frame running past the end") << 5 << 0x621F0004u;
    QTest::newRow("64 KB frame whose end wraps in 32 bits") << 5 << 0xE1FFFFF0u;
    QTest::newRow("last frame at 0xFFFFFFFC") << 33 << 0xFFFFFFFCu;
}

void tst_configuration_transfer::readFrameOutsideImage()
{
    prepareRead();
    const configuration_snapshot before = configuration_snapshot::of(c());
    QFETCH(int, frame);
    QFETCH(uint, address);
    memoryOf(*f).readFrameAddress.insert(frame, address);

    c().read_alldata();
    QCOMPARE(f->ui.messageTexts(), QStringList{readFailed});
    QVERIFY(sameConfiguration(configuration_snapshot::of(c()), before));
    QCOMPARE(f->bus.logTexts().filter(QStringLiteral("bulk in")).size(), frame + 1);
    checkDropped();
}

void tst_configuration_transfer::readFramePlacedByItsAddress()
{
    prepareRead();
    const QByteArray own(reinterpret_cast<const char *>(c().confData), int(ImageSize));
    // The second 8 KB frame says it belongs at 0x6000, the region no read request covers.
    memoryOf(*f).readFrameAddress.insert(1, controllerAddress(0x6000));

    c().read_alldata();
    QCOMPARE(f->ui.messageTexts(), QStringList{readOk});
    const QByteArray image(reinterpret_cast<const char *>(c().confData), int(ImageSize));
    const QByteArray &controller = populatedImage();
    QVERIFY(image.mid(0x6000, 0x2000) == controller.mid(0x2000, 0x2000));
    QVERIFY(image.mid(0x2000, 0x2000) == own.mid(0x2000, 0x2000));
    QVERIFY(image.mid(0x8000, 0x8000) == own.mid(0x8000, 0x8000));
    QVERIFY(image.mid(0x10000) == controller.mid(0x10000));
    QCOMPARE(c().connected, 1);
}

QTEST_GUILESS_MAIN(tst_configuration_transfer)
#include "tst_configuration_transfer.moc"
