#include "link/upgrade_file.h"
#include "link/usb_protocol.h"
#include "tests/sim/sim_firmware_fixture.h"
#include "tests/support/link_checks.h"
#include "tests/sim/sim_device_protocol.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace wire = sim_protocol;

namespace {

using F = sim_firmware_fixture;

// Shapes the controller, its flash and the file before a verification.
using shaper = std::function<void(F &, upgrade_file_builder &)>;

const QString verified = QStringLiteral("I Varidex625: Verification successful!");
const QString notVerified = QStringLiteral("W Varidex625: Verification failed!");

QString difference(int block, const char *address)
{
    return QStringLiteral("Q USB Interface: Verification error: block %1\naddress 0x%2").arg(block).arg(address);
}

QStringList blocksRead(const QList<int> &indexes)
{
    QStringList log;
    for (int i : indexes)
        log += F::blockRead(i);
    return log;
}

// The flash holds every block of the file.
void installAll(F &f)
{
    for (int i = 0; i < wire::FlashBlockCount; ++i)
        f.installBlock(i);
}

void flipFlashByte(F &f, int block, int offset)
{
    const int at = int(wire::FlashBlocks[block].address) + offset;
    f.loader.flash[at] = char(f.loader.flash[at] ^ 0x40);
}

} // namespace

Q_DECLARE_METATYPE(shaper)

class tst_firmware_verify : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void verify_data();
    void verify();
    void loaderAlreadyRunning();
    void notConnectedOrNoFile();
    void faults_data();
    void faults();
    void loaderNotBack();
    void firmwareComesBackInsteadOfTheLoader();
    void firmwareNotBack_data();
    void firmwareNotBack();
    void controllerLeavesLate_data();
    void controllerLeavesLate();

private:
    kd620_controller_class &c() { return *f->controller; }
    // The state after a verification that entered the loader and left it again.
    void checkConnectedAgain();
    std::unique_ptr<F> f;
};

void tst_firmware_verify::init()
{
    f = std::make_unique<F>();
    QVERIFY(c().isConnected());
}

void tst_firmware_verify::cleanup()
{
    const QStringList problems = f->bus.problems();
    f.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_firmware_verify::checkConnectedAgain()
{
    QVERIFY(!f->device.inLoader);
    QCOMPARE(f->statusSignals, (QList<bool>{false, true}));
    QCOMPARE(c().connected, 1);
    QVERIFY(c().isConnected());
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));
    QCOMPARE(c().serialText(), QStringLiteral("S/N 5F0000-0001"));
}

void tst_firmware_verify::verify_data()
{
    QTest::addColumn<shaper>("shape");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QList<int>>("read");  // the blocks read back

    const QList<int> all{0, 1, 2, 3, 4};
    QTest::newRow("identical flash") << shaper([](F &f, upgrade_file_builder &) { installAll(f); }) << QList<int>()
                                     << QStringList{verified} << all;
    QTest::newRow("two differing blocks, Ignore twice")
        << shaper([](F &f, upgrade_file_builder &) {
               installAll(f);
               flipFlashByte(f, 2, 0x1A3F);
               flipFlashByte(f, 2, 0x1A40);
               flipFlashByte(f, 4, 0x3FFF);
           })
        << QList<int>{0, 0} << QStringList{difference(2, "1a3f"), difference(4, "3fff"), notVerified} << all;
    QTest::newRow("Exit at the first question")
        << shaper([](F &f, upgrade_file_builder &) {
               installAll(f);
               flipFlashByte(f, 1, 0);
               flipFlashByte(f, 3, 5);
           })
        << QList<int>{1} << QStringList{difference(1, "0"), notVerified} << QList<int>{0, 1};
    QTest::newRow("the padding of a short block is compared too")
        << shaper([](F &f, upgrade_file_builder &) {
               installAll(f);
               flipFlashByte(f, 0, 0x7000);
           })
        << QList<int>() << QStringList{difference(0, "7000"), notVerified} << all;
    QTest::newRow("erased flash: the first byte differs")
        << shaper([](F &, upgrade_file_builder &) {}) << QList<int>{0, 1}
        << QStringList{difference(0, "0"), difference(1, "0"), notVerified} << QList<int>{0, 1};
    QTest::newRow("no block in the file") << shaper([](F &, upgrade_file_builder &b) {
        for (int i = 0; i < wire::FlashBlockCount; ++i)
            b.removeBlock(i);
    }) << QList<int>() << QStringList{verified}
                                          << QList<int>();
    QTest::newRow("blocks of another version: only those in the file")
        << shaper([](F &f, upgrade_file_builder &b) {
               f.installBlock(3);
               b.headerText = "KD625 v_1.0.0";
               for (int i : {0, 1, 2, 4})
                   b.removeBlock(i);
           })
        << QList<int>() << QStringList{verified} << QList<int>{3};
}

void tst_firmware_verify::verify()
{
    QFETCH(shaper, shape);
    QFETCH(QList<int>, answers);
    QFETCH(QList<int>, read);
    upgrade_file_builder file = f->wholeFile();
    shape(*f, file);
    for (int answer : answers)
        f->ui.answers.enqueue(answer);
    const QByteArray flashBefore = f->loader.flash;

    c().verifyFirmware(f->write(file));
    QTEST(f->boxes(), "boxes");
    QCOMPARE(f->bus.logTexts(), F::enterLoader() + blocksRead(read) + F::leaveLoader());
    // Ten searches while the controller restarts, one wait for each block's data, one
    // before leaving the loader, four searches until the firmware is back, and the
    // connect's loader check.
    QCOMPARE(f->clock.waits, 10 + int(read.size()) + 1 + 4 + 1);
    checkConnectedAgain();
    QCOMPARE(f->loader.flash, flashBefore);

    for (const message_request &m : f->ui.messages) {
        if (m.icon != message_icon::Question)
            continue;
        QCOMPARE(m.customButtons.size(), 2);
        QCOMPARE(m.customButtons[0].text, QStringLiteral("Ignore"));
        QCOMPARE(m.customButtons[1].text, QStringLiteral("Exit"));
        QCOMPARE(m.defaultCustomButton, 0);
    }
}

void tst_firmware_verify::loaderAlreadyRunning()
{
    c().setConnection(false);
    f->device.inLoader = true;
    QVERIFY(f->connectAndReset());
    installAll(*f);

    c().verifyFirmware(f->write(f->wholeFile()));
    QCOMPARE(f->boxes(), QStringList{verified});
    // No restart before and no reconnection after: the loader stays.
    QCOMPARE(f->bus.logTexts(), blocksRead({0, 1, 2, 3, 4}));
    QVERIFY(f->device.inLoader);
    QCOMPARE(c().workingMode(), int(MODE_LOADER));
    QCOMPARE(c().serialText(), QStringLiteral("S/N 5A0000-0000"));
    QCOMPARE(f->statusSignals, QList<bool>());
}

void tst_firmware_verify::notConnectedOrNoFile()
{
    c().verifyFirmware(f->folder.filePath("none.upg"));
    QCOMPARE(f->boxes(), QStringList{"W Firmware verification: File not found: " + f->folder.filePath("none.upg")});

    upgrade_file_builder noTable;
    noTable.markRunLength = 0;
    const QString path = f->write(noTable);
    f->ui.clear();
    c().verifyFirmware(path);
    QCOMPARE(f->boxes(), QStringList{"W Firmware verification: File " + path + "\nis not a proper upgrade file!"});

    c().setConnection(false);
    f->reset();
    c().verifyFirmware(f->write(f->wholeFile()));
    QCOMPARE(f->boxes(), QStringList{"I Firmware verification: Not connected!"});
    QCOMPARE(f->bus.logTexts(), QStringList());
}

void tst_firmware_verify::faults_data()
{
    QTest::addColumn<shaper>("shape");
    QTest::addColumn<int>("faultAt");  // the log entry, counted from the first block; -1 none
    QTest::addColumn<sim_fault>("fault");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("log");  // from the first block to the loader's end

    const auto installed = [](F &f, upgrade_file_builder &) { installAll(f); };
    const QStringList read0 = F::blockRead(0);
    const QString status = F::statusReads(1).first();

    QTest::newRow("CRC error in block 1")
        << shaper([](F &f, upgrade_file_builder &b) {
               installAll(f);
               b.spoilChecksum(1);
           })
        << -1 << sim_fault() << QStringList{"W Firmware verification: CRC error in block 1", notVerified} << read0;
    QTest::newRow("status read fails: control error")
        << shaper(installed) << 0 << sim_fault::fail() << QStringList{"W USB Interface: Control error!", notVerified}
        << QStringList{status + " !fail"};
    QTest::newRow("loader bit missing: protocol error")
        << shaper([](F &f, upgrade_file_builder &) {
               installAll(f);
               f.device.statusForceClear = wire::status::Loader;
           })
        << -1 << sim_fault() << QStringList{"W USB Interface: Protocol error!", notVerified} << F::statusReads(10);
    QTest::newRow("read-back request fails")
        << shaper(installed) << 1 << sim_fault::fail() << QStringList{"W USB Interface: Writing error!", notVerified}
        << QStringList{status, read0[1] + " !fail"};
    QTest::newRow("block never offered")
        << shaper([](F &f, upgrade_file_builder &) {
               installAll(f);
               f.loader.readMs = -1;
           })
        << -1 << sim_fault() << QStringList{"W USB Interface: Protocol error!", notVerified}
        << read0.mid(0, 2) + F::statusReads(10);
    QTest::newRow("frame cut short")
        << shaper(installed) << 4 << sim_fault::shortReply()
        << QStringList{"W USB Interface: Reading error!", notVerified}
        << read0.mid(0, 4) + QStringList{"#1 bulk in 32780 bad frame !short"};
    QTest::newRow("frame with a bad checksum")
        << shaper(installed) << 4 << sim_fault::badChecksum()
        << QStringList{"W USB Interface: Incorrect structure of block 0", notVerified}
        << read0.mid(0, 4) + QStringList{"#1 bulk in 32780 bad frame !checksum"};
    QTest::newRow("frame with a wrong length")
        << shaper(installed) << 4 << sim_fault::wrongLength()
        << QStringList{"W USB Interface: Incorrect structure of block 0", notVerified}
        << read0.mid(0, 4) + QStringList{"#1 bulk in 32780 bad frame !length"};
}

void tst_firmware_verify::faults()
{
    QFETCH(shaper, shape);
    QFETCH(int, faultAt);
    QFETCH(sim_fault, fault);
    upgrade_file_builder file = f->wholeFile();
    shape(*f, file);
    const int firstBlockAt = int(F::enterLoader().size());
    if (faultAt >= 0)
        f->bus.injectAt(firstBlockAt + faultAt, fault);

    c().verifyFirmware(f->write(file));
    QTEST(f->boxes(), "boxes");
    QFETCH(QStringList, log);
    // Whatever failed, the loader is left again.
    QCOMPARE(f->bus.logTexts(), F::enterLoader() + log + F::leaveLoader());
    checkConnectedAgain();
}

void tst_firmware_verify::loaderNotBack()
{
    f->device.restartVanishMs = 100000;
    c().verifyFirmware(f->write(f->wholeFile()));
    QCOMPARE(f->boxes(), QStringList{"W USB Interface: Protocol error!"});
    QCOMPARE(f->bus.logTexts(), F::enterLoader().mid(0, 3) + QStringList(20, "list"));
    // The device is closed: the connection has ended as a disconnect ends it.
    verifyConnectionEnded(*f);
}

void tst_firmware_verify::firmwareComesBackInsteadOfTheLoader()
{
    f->device.restartIntoLoader = false;
    c().verifyFirmware(f->write(f->wholeFile()));
    QCOMPARE(f->boxes(), QStringList{"W USB Interface: Protocol error!"});
    // Off the bus for a second, then back as the firmware, which is never taken for the
    // loader: nothing is read back, and after twenty searches the verification gives up ...
    QStringList log{"#1 RESTART v=0 i=0", "#1 release 0 !gone", "#1 close"};
    log += QStringList(10, "list");
    for (int i = 0; i < 10; ++i)
        log += QStringList{"list"} + F::searchReads(1) + F::released(1);
    QCOMPARE(f->bus.logTexts(), log);
    // ... and the connection has ended as a disconnect ends it; a connect works again.
    verifyConnectionEnded(*f);
    if (QTest::currentTestFailed())
        return;
    verifyConnectsAgain(*f);
}

void tst_firmware_verify::firmwareNotBack_data()
{
    QTest::addColumn<qint64>("startMs");  // the firmware is back this long after leaving the loader
    QTest::addColumn<bool>("connected");

    // Searches run 100 ms apart from 100 ms after the request: the 50th at 5000 ms.
    QTest::newRow("back for the last search") << qint64(5000) << true;
    QTest::newRow("back too late: disconnected") << qint64(5001) << false;
    QTest::newRow("a loader that stays: connected to it again at the last search") << qint64(-1) << true;
}

void tst_firmware_verify::firmwareNotBack()
{
    QFETCH(qint64, startMs);
    QFETCH(bool, connected);
    installAll(*f);
    if (startMs >= 0)
        f->loader.firmwareStartMs = startMs;
    else
        f->loader.startsFirmwareOnUnfreeze = false;

    c().verifyFirmware(f->write(f->wholeFile()));
    const QStringList start = F::enterLoader() + blocksRead({0, 1, 2, 3, 4});
    const QStringList log = f->bus.logTexts();
    QCOMPARE(log.mid(0, start.size()), start);
    if (startMs < 0) {
        QCOMPARE(f->boxes(), QStringList{verified});
        // Found at every search while the firmware may still take over, then connected in
        // the loader.
        QStringList stays{"#1 UNFREEZE v=0 i=0", "#1 SET_MODE v=1 i=0", "#1 release 0", "#1 close"};
        for (int i = 0; i < 49; ++i)
            stays += QStringList{"list"} + F::searchReads(1) + F::released(1);
        stays += QStringList{"list"} + F::searchReads(1) + QStringList{"#1 close", "list"} + F::searchReads(1)
            + F::connectAfterSearch(1).mid(0, 3);
        QCOMPARE(log.mid(start.size()), stays);
        QCOMPARE(c().workingMode(), int(MODE_LOADER));
        QCOMPARE(c().serialText(), QStringLiteral("S/N 5A0000-0000"));
        QCOMPARE(f->statusSignals, (QList<bool>{false, true}));
    } else if (connected) {
        QCOMPARE(f->boxes(), QStringList{verified});
        QCOMPARE(log.mid(start.size()), F::leaveLoader(49));
        checkConnectedAgain();
    } else {
        QCOMPARE(f->boxes(), (QStringList{verified, "W USB Interface: Protocol error!"}));
        QCOMPARE(log.mid(start.size()), F::leaveLoader().mid(0, 4) + QStringList(50, "list"));
        QCOMPARE(c().connected, 0);
        QVERIFY(!c().isConnected());
        QCOMPARE(f->statusSignals, QList<bool>{false});
        QCOMPARE(c().workingMode(), int(MODE_NONE));
    }
}

void tst_firmware_verify::controllerLeavesLate_data()
{
    QTest::addColumn<qint64>("leaveMs");        // the controller answers this long after the request
    QTest::addColumn<int>("leavingFound");      // searches that find the firmware before it has left
    QTest::addColumn<int>("loaderFound");       // searches that find the loader before it has left

    // Into the loader: searches 100 ms apart from the restart on, the loader back a second
    // after the firmware has left. Out of it: searches 100 ms apart from 100 ms after the
    // request on, the firmware back half a second after the loader has left.
    QTest::newRow("50 ms") << qint64(50) << 1 << 0;
    QTest::newRow("150 ms") << qint64(150) << 2 << 1;
    QTest::newRow("400 ms") << qint64(400) << 4 << 3;
}

void tst_firmware_verify::controllerLeavesLate()
{
    QFETCH(qint64, leaveMs);
    QFETCH(int, leavingFound);
    QFETCH(int, loaderFound);
    installAll(*f);
    f->device.restartLeaveMs = leaveMs;

    c().verifyFirmware(f->write(f->wholeFile()));
    QCOMPARE(f->boxes(), QStringList{verified});
    // Neither the firmware about to leave is taken for the loader, nor the loader about to
    // leave for the controller connected again.
    // The firmware is back half a second after the loader has left: five searches find nothing.
    const int searchesInVain = 5;
    QCOMPARE(f->bus.logTexts(), F::enterLoader(leavingFound, 10) + blocksRead({0, 1, 2, 3, 4})
                                    + F::leaveLoader(searchesInVain, loaderFound));
    QCOMPARE(f->clock.waits, leavingFound + 10 + 5 + 1 + loaderFound + searchesInVain + 1);
    checkConnectedAgain();
}

QTEST_GUILESS_MAIN(tst_firmware_verify)
#include "tst_firmware_verify.moc"
