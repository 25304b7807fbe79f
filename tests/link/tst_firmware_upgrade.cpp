#include "link/upgrade_file.h"
#include "link/usb_protocol.h"
#include "model/image_access.h"
#include "tests/sim/sim_firmware_fixture.h"
#include "tests/support/link_checks.h"
#include "tests/sim/sim_device_protocol.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace wire = sim_protocol;

namespace {

using F = sim_firmware_fixture;

// Shapes the controller and the file before an upgrade.
using shaper = std::function<void(F &, upgrade_file_builder &)>;

const QString versionRead = QStringLiteral("#1 FIRMWARE_VERSION v=0 i=0 in 4");
const QString success = QStringLiteral("I Firmware upgrade: Upgrade successful!");
const QString failure = QStringLiteral("C Firmware upgrade: Upgrade failed!");
const QString protocolError = QStringLiteral("W USB Interface: Protocol error!");

QString announce(int blocks)
{
    return QStringLiteral("#1 FIRMWARE_UPGRADE v=%1 i=128").arg(blocks);
}

// The blocks written, each DONE at its first status read, and the final status read.
QStringList blocksWritten(const QList<int> &indexes)
{
    QStringList log;
    for (int i : indexes)
        log += F::blockWrite(i, 1);
    return log + F::statusReads(1);
}

// An upgrade of all five blocks once the version is checked: into the loader, the
// announcement, the readiness check, the blocks.
QStringList wholeUpgrade()
{
    return F::enterLoader() + QStringList{announce(5)} + F::statusReads(1) + blocksWritten({0, 1, 2, 3, 4});
}

// Flips one byte in the middle of block `index` as stored in the file; size and table stay.
QByteArray withDamagedBlock(const upgrade_file_builder &file, int index)
{
    QByteArray bytes = file.bytes();
    const int entry = file.tableOffset() + index * upgrade_file::EntrySize;
    const u32 offset = readU32(reinterpret_cast<const u8 *>(bytes.constData()), u32(entry));
    const int length = readU16(reinterpret_cast<const u8 *>(bytes.constData()), u32(entry + 4)) + 1;
    bytes[int(offset) + length / 2] = char(bytes[int(offset) + length / 2] ^ 0x01);
    return bytes;
}

QList<u32> noBits(int replies)
{
    return QList<u32>(replies, 0u);
}

} // namespace

Q_DECLARE_METATYPE(shaper)
Q_DECLARE_METATYPE(std::function<QByteArray(upgrade_file_builder &)>)

class tst_firmware_upgrade : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileChecks_data();
    void fileChecks();
    void notConnected();
    void versionCheck_data();
    void versionCheck();
    void upgrade_data();
    void upgrade();
    void loaderAlreadyRunning();
    void damagedFileRefused_data();
    void damagedFileRefused();
    void faults_data();
    void faults();
    void loaderNotBack();
    void controllerLeavesLate_data();
    void controllerLeavesLate();
    void firmwareComesBackInsteadOfTheLoader();

private:
    kd620_controller_class &c() { return *f->controller; }
    std::unique_ptr<F> f;
};

void tst_firmware_upgrade::init()
{
    f = std::make_unique<F>();
    QVERIFY(c().isConnected());
}

void tst_firmware_upgrade::cleanup()
{
    const QStringList problems = f->bus.problems();
    f.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_firmware_upgrade::fileChecks_data()
{
    // Writes the file (or not): its path.
    using file_maker = std::function<QString(F &)>;
    QTest::addColumn<file_maker>("make");
    QTest::addColumn<QString>("box");  // %path: the file's path
    QTest::addColumn<QStringList>("log");

    const QString notUpgrade = QStringLiteral("W Firmware upgrade: File %path\nis not a proper upgrade file!");
    QTest::newRow("missing file") << file_maker([](F &f) { return f.folder.filePath("none.upg"); })
                                  << "W Firmware upgrade: File not found: %path" << QStringList();
    QTest::newRow("shorter than 400 bytes") << file_maker([](F &f) {
        const QString path = f.folder.filePath("short.upg");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(f.wholeFile().bytes().left(399));
        return path;
    }) << "W Firmware upgrade: File reading error: %path"
                                            << QStringList();
    QTest::newRow("bad magic") << file_maker([](F &f) {
        QByteArray bytes = f.wholeFile().bytes();
        bytes[0] = 'k';
        const QString path = f.folder.filePath("magic.upg");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }) << notUpgrade << QStringList();
    QTest::newRow("no 0x1A byte") << file_maker([](F &f) {
        upgrade_file_builder b;
        b.markRunLength = 0;
        return f.write(b);
    }) << notUpgrade << QStringList();
    QTest::newRow("offsets past the end") << file_maker([](F &f) {
        upgrade_file_builder b = f.wholeFile();
        b.overrideEntry(3, 0x01000000, 0x00FF);
        return f.write(b);
    }) << notUpgrade << QStringList();
    QTest::newRow("all entries absent: no restart")
        << file_maker([](F &f) { return f.write(upgrade_file_builder()); })
        << "W Firmware upgrade: The upgrade file is empty!" << QStringList{versionRead};
}

void tst_firmware_upgrade::fileChecks()
{
    using file_maker = std::function<QString(F &)>;
    QFETCH(file_maker, make);
    QFETCH(QString, box);
    const QString path = make(*f);

    c().upgradeFirmware(path);
    QCOMPARE(f->boxes(), QStringList{box.replace("%path", path)});
    QTEST(f->bus.logTexts(), "log");
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));
    QVERIFY(c().isConnected());
    QVERIFY(!f->device.inLoader);
}

void tst_firmware_upgrade::notConnected()
{
    c().setConnection(false);
    f->reset();
    c().upgradeFirmware(f->write(f->wholeFile()));
    QCOMPARE(f->boxes(), QStringList{"I Firmware upgrade: Not connected!"});
    QCOMPARE(f->bus.logTexts(), QStringList());
}

void tst_firmware_upgrade::versionCheck_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("log");

    // The controller runs 3.00.0011.
    const QString older = QStringLiteral("Q Firmware upgrade: Do you really want to install older firmware release?");
    QTest::newRow("same version: already installed, nothing sent")
        << QByteArray("KD625 v_3.0.11") << QList<int>()
        << QStringList{"I Firmware upgrade: This relaese of firmware is already installed!"}
        << QStringList{versionRead};
    QTest::newRow("newer: no question") << QByteArray("KD625 v_3.0.12") << QList<int>() << QStringList{success}
                                        << QStringList{versionRead} + wholeUpgrade();
    QTest::newRow("newer minor, smaller build: no question")
        << QByteArray("KD625 v_3.1.0") << QList<int>() << QStringList{success}
        << QStringList{versionRead} + wholeUpgrade();
    QTest::newRow("older: Cancel stops") << QByteArray("KD625 v_3.0.10") << QList<int>{0} << QStringList{older}
                                         << QStringList{versionRead};
    QTest::newRow("older: box closed stops") << QByteArray("KD625 v_3.0.10") << QList<int>{-1}
                                             << QStringList{older} << QStringList{versionRead};
    QTest::newRow("older: the default answer stops")
        << QByteArray("KD625 v_2.99.9999") << QList<int>() << QStringList{older} << QStringList{versionRead};
    QTest::newRow("older: Yes, I do! goes on") << QByteArray("KD625 v_3.0.10") << QList<int>{1}
                                               << QStringList{older, success}
                                               << QStringList{versionRead} + wholeUpgrade();
    QTest::newRow("version at offset 11: not checked")
        << QByteArray("v_3.0.10") << QList<int>() << QStringList{success} << wholeUpgrade();
    QTest::newRow("version behind a NUL: not checked")
        << QByteArray("KD625\0v_3.0.10", 14) << QList<int>() << QStringList{success} << wholeUpgrade();
}

void tst_firmware_upgrade::versionCheck()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, answers);
    for (int answer : answers)
        f->ui.answers.enqueue(answer);
    upgrade_file_builder file = f->wholeFile();
    file.headerText = text;

    c().upgradeFirmware(f->write(file));
    QTEST(f->boxes(), "boxes");
    QTEST(f->bus.logTexts(), "log");
    for (const message_request &m : f->ui.messages) {
        if (m.icon != message_icon::Question)
            continue;
        QCOMPARE(m.customButtons.size(), 2);
        QCOMPARE(m.customButtons[0].text, QStringLiteral("Cancel"));
        QCOMPARE(m.customButtons[1].text, QStringLiteral("Yes, I do!"));
        QCOMPARE(m.defaultCustomButton, 0);
    }
}

void tst_firmware_upgrade::upgrade_data()
{
    QTest::addColumn<QList<int>>("blocks");
    QTest::newRow("all five blocks, block 0 padded") << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("blocks 1 and 3") << QList<int>{1, 3};
    QTest::newRow("block 4 alone") << QList<int>{4};
}

void tst_firmware_upgrade::upgrade()
{
    QFETCH(QList<int>, blocks);
    upgrade_file_builder file = f->wholeFile();
    for (int i = 0; i < wire::FlashBlockCount; ++i) {
        if (!blocks.contains(i))
            file.removeBlock(i);
    }

    c().upgradeFirmware(f->write(file));
    QCOMPARE(f->boxes(), QStringList{success});
    QCOMPARE(f->bus.logTexts(), QStringList{versionRead} + F::enterLoader() + QStringList{announce(int(blocks.size()))}
                                    + F::statusReads(1) + blocksWritten(blocks));
    // Ten searches while the controller restarts, one wait after each frame.
    QCOMPARE(f->clock.waits, 10 + int(blocks.size()));
    for (int i = 0; i < wire::FlashBlockCount; ++i)
        QVERIFY2(blocks.contains(i) ? f->flashHolds(i) : f->flashErased(i), qPrintable(QString::number(i)));

    // The controller stays in its loader and the link as it was; the mode reads normal.
    QVERIFY(f->device.inLoader);
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));
    QCOMPARE(c().connected, 1);
    QVERIFY(c().isConnected());
    QCOMPARE(c().serialText(), QStringLiteral("S/N 5F0000-0001"));
    QCOMPARE(f->statusSignals, QList<bool>());
}

void tst_firmware_upgrade::loaderAlreadyRunning()
{
    c().setConnection(false);
    f->device.inLoader = true;
    QVERIFY(f->connectAndReset());
    QCOMPARE(c().serialText(), QStringLiteral("S/N 5A0000-0000"));
    QCOMPARE(c().workingMode(), int(MODE_LOADER));

    c().upgradeFirmware(f->write(f->wholeFile()));
    QCOMPARE(f->boxes(), QStringList{success});
    const QStringList log = QStringList{versionRead, announce(5)} + F::statusReads(1) + blocksWritten({0, 1, 2, 3, 4});
    QCOMPARE(f->bus.logTexts(), log);
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));
}

void tst_firmware_upgrade::damagedFileRefused_data()
{
    // Turns the whole file into a damaged one: its bytes.
    using damage = std::function<QByteArray(upgrade_file_builder &)>;
    QTest::addColumn<damage>("damageFile");
    QTest::addColumn<int>("badBlock");

    QTest::newRow("one byte inside the last block")
        << damage([](upgrade_file_builder &b) { return withDamagedBlock(b, 4); }) << 4;
    QTest::newRow("one byte inside block 3") << damage([](upgrade_file_builder &b) { return withDamagedBlock(b, 3); })
                                             << 3;
    QTest::newRow("wrong checksum in the table for block 1") << damage([](upgrade_file_builder &b) {
        b.spoilChecksum(1);
        return b.bytes();
    }) << 1;
    QTest::newRow("blocks 1 and 3 present, block 3 damaged") << damage([](upgrade_file_builder &b) {
        for (int i : {0, 2, 4})
            b.removeBlock(i);
        return withDamagedBlock(b, 3);
    }) << 3;
}

void tst_firmware_upgrade::damagedFileRefused()
{
    QFETCH(std::function<QByteArray(upgrade_file_builder &)>, damageFile);
    QFETCH(int, badBlock);
    upgrade_file_builder file = f->wholeFile();
    const QString path = f->folder.filePath(QStringLiteral("damaged.upg"));
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QVERIFY(out.write(damageFile(file)) > 0);
    }
    // An older firmware in the flash, which must stay.
    for (int i = 0; i < wire::FlashBlockCount; ++i)
        f->installBlock(i);
    const QByteArray flashBefore = f->loader.flash;
    const u32 statusBefore = f->device.status;

    c().upgradeFirmware(path);
    QCOMPARE(f->boxes(), (QStringList{QStringLiteral("W Firmware upgrade: CRC error in block %1").arg(badBlock), failure}));
    // Only the version is asked: no restart, no announcement, no frame.
    QCOMPARE(f->bus.logTexts(), QStringList{versionRead});
    QVERIFY(f->loader.framesTaken.isEmpty());
    QVERIFY(f->loader.flash == flashBefore);
    QVERIFY(!f->device.inLoader);
    QCOMPARE(f->device.status, statusBefore);
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));
    QCOMPARE(c().connected, 1);
    QVERIFY(c().isConnected());
    QCOMPARE(f->statusSignals, QList<bool>());
}

void tst_firmware_upgrade::faults_data()
{
    QTest::addColumn<shaper>("shape");
    QTest::addColumn<int>("faultAt");  // the log entry, counted from the announcement; -1 none
    QTest::addColumn<sim_fault>("fault");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("log");  // from the announcement on
    QTest::addColumn<QList<int>>("taken"); // the blocks the loader took

    const QString start = announce(5);
    const QString ready = F::statusReads(1).first();
    const QList<int> all{0, 1, 2, 3, 4};
    const QStringList allWritten = QStringList{start, ready} + blocksWritten(all);
    const auto none = [](F &, upgrade_file_builder &) {};

    QTest::newRow("DONE first at the 11th read of block 2: too late")
        << shaper([](F &f, upgrade_file_builder &) { f.loader.statusAfterFrame[2] = noBits(10); }) << -1
        << sim_fault() << QStringList{protocolError, failure}
        << QStringList{start, ready} + F::blockWrite(0, 1) + F::blockWrite(1, 1) + F::blockWrite(2, 11)
        << QList<int>{0, 1, 2};
    QTest::newRow("DONE at the 10th read of block 2: in time")
        << shaper([](F &f, upgrade_file_builder &) { f.loader.statusAfterFrame[2] = noBits(9); }) << -1
        << sim_fault() << QStringList{success}
        << QStringList{start, ready} + F::blockWrite(0, 1) + F::blockWrite(1, 1) + F::blockWrite(2, 10)
               + blocksWritten({3, 4})
        << all;
    QTest::newRow("no DONE for block 3 in 100 reads")
        << shaper([](F &f, upgrade_file_builder &) { f.loader.statusAfterFrame[3] = noBits(100); }) << -1
        << sim_fault() << QStringList{protocolError, failure}
        << QStringList{start, ready} + F::blockWrite(0, 1) + F::blockWrite(1, 1) + F::blockWrite(2, 1)
               + F::blockWrite(3, 100)
        << QList<int>{0, 1, 2, 3};
    QTest::newRow("no DONE after the last block, final status clean: success")
        << shaper([](F &f, upgrade_file_builder &) { f.loader.statusAfterFrame[4] = noBits(100); }) << -1
        << sim_fault() << QStringList{success}
        << QStringList{start, ready} + F::blockWrite(0, 1) + F::blockWrite(1, 1) + F::blockWrite(2, 1)
               + F::blockWrite(3, 1) + F::blockWrite(4, 100) + F::statusReads(1)
        << all;
    QTest::newRow("FAILED while block 1 is written")
        << shaper([](F &f, upgrade_file_builder &) { f.loader.statusAfterFrame[1] = {u32(wire::status::Failed)}; }) << -1
        << sim_fault() << QStringList{failure} << QStringList{start, ready} + F::blockWrite(0, 1) + F::blockWrite(1, 1)
        << QList<int>{0, 1};
    QTest::newRow("FAILED after some reads of the last block")
        << shaper([](F &f, upgrade_file_builder &) {
               f.loader.statusAfterFrame[4] = noBits(20) << u32(wire::status::Failed);
           })
        << -1 << sim_fault() << QStringList{failure}
        << QStringList{start, ready} + F::blockWrite(0, 1) + F::blockWrite(1, 1) + F::blockWrite(2, 1)
               + F::blockWrite(3, 1) + F::blockWrite(4, 21)
        << all;
    QTest::newRow("FAILED in the final status read")
        << shaper([](F &f, upgrade_file_builder &) {
               f.loader.statusAfterFrame[4] = {u32(wire::status::Done), u32(wire::status::Done | wire::status::Failed)};
           })
        << -1 << sim_fault() << QStringList{failure} << allWritten << all;
    QTest::newRow("final status read fails")
        << shaper(none) << int(allWritten.size() - 1) << sim_fault::fail() << QStringList{failure}
        << allWritten.mid(0, allWritten.size() - 1) + QStringList{allWritten.last() + " !fail"} << all
       ;
    QTest::newRow("status read fails after block 0")
        << shaper(none) << 3 << sim_fault::fail() << QStringList{protocolError, failure}
        << QStringList{start, ready, F::blockWrite(0, 1)[0], ready + " !fail"} << QList<int>{0};
    QTest::newRow("frame of block 1 cut short")
        << shaper(none) << 4 << sim_fault::shortReply() << QStringList{"W USB Interface: Writing error!", failure}
        << QStringList{start, ready} + F::blockWrite(0, 1) + QStringList{F::blockWrite(1, 0)[0] + " !short"}
        << QList<int>{0};
    QTest::newRow("upgrade request fails")
        << shaper(none) << 0 << sim_fault::fail() << QStringList{"W USB Interface: Writing error!"}
        << QStringList{start + " !fail"} << QList<int>();
    QTest::newRow("never ready")
        << shaper([](F &f, upgrade_file_builder &) { f.device.statusForceClear = wire::status::Ready; }) << -1
        << sim_fault() << QStringList{protocolError} << QStringList{start} + F::statusReads(10) << QList<int>()
       ;
}

void tst_firmware_upgrade::faults()
{
    QFETCH(shaper, shape);
    QFETCH(int, faultAt);
    QFETCH(sim_fault, fault);
    upgrade_file_builder file = f->wholeFile();
    shape(*f, file);
    // The version read and the way into the loader come first.
    const int announcedAt = 1 + int(F::enterLoader().size());
    if (faultAt >= 0)
        f->bus.injectAt(announcedAt + faultAt, fault);

    c().upgradeFirmware(f->write(file));
    QTEST(f->boxes(), "boxes");
    const QStringList log = f->bus.logTexts();
    QCOMPARE(log.mid(0, announcedAt), QStringList{versionRead} + F::enterLoader());
    QTEST(log.mid(announcedAt), "log");
    QList<int> taken;
    for (const sim_frame &frame : f->loader.framesTaken)
        taken << frame.sub;
    QTEST(taken, "taken");
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));
    // Neither the connection nor the texts change.
    QCOMPARE(f->statusSignals, QList<bool>());
    QCOMPARE(c().connected, 1);
}

void tst_firmware_upgrade::loaderNotBack()
{
    f->device.restartVanishMs = 100000;
    c().upgradeFirmware(f->write(f->wholeFile()));
    QCOMPARE(f->boxes(), QStringList{protocolError});
    QCOMPARE(f->bus.logTexts(), QStringList{versionRead} + F::enterLoader().mid(0, 3) + QStringList(20, "list"));
    QCOMPARE(f->clock.waits, 20);
    // The device is closed: the connection has ended as a disconnect ends it.
    verifyConnectionEnded(*f);
}

void tst_firmware_upgrade::controllerLeavesLate_data()
{
    QTest::addColumn<qint64>("leaveMs");       // the controller answers this long after the restart
    QTest::addColumn<int>("leavingFound");     // searches that find it before it has left
    QTest::addColumn<int>("searchesInVain");   // then, while it is off the bus

    // Searches run 100 ms apart from the restart on; the loader is back a second after the
    // controller has left.
    QTest::newRow("50 ms") << qint64(50) << 1 << 10;
    QTest::newRow("150 ms") << qint64(150) << 2 << 10;
    QTest::newRow("400 ms") << qint64(400) << 4 << 10;
}

void tst_firmware_upgrade::controllerLeavesLate()
{
    QFETCH(qint64, leaveMs);
    QFETCH(int, leavingFound);
    QFETCH(int, searchesInVain);
    f->device.restartLeaveMs = leaveMs;

    c().upgradeFirmware(f->write(f->wholeFile()));
    QCOMPARE(f->boxes(), QStringList{success});
    // The firmware that is about to leave is found and let go; every block goes to the loader.
    QCOMPARE(f->bus.logTexts(), QStringList{versionRead} + F::enterLoader(leavingFound, searchesInVain)
                                    + QStringList{announce(5)} + F::statusReads(1) + blocksWritten({0, 1, 2, 3, 4}));
    QCOMPARE(f->clock.waits, leavingFound + searchesInVain + 5);
    for (int i = 0; i < wire::FlashBlockCount; ++i)
        QVERIFY(f->flashHolds(i));
    QVERIFY(f->device.inLoader);
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));
}

void tst_firmware_upgrade::firmwareComesBackInsteadOfTheLoader()
{
    f->device.restartIntoLoader = false;
    c().upgradeFirmware(f->write(f->wholeFile()));
    // Off the bus for a second, then back as the firmware, which is never taken for the
    // loader: no loader request reaches it, and after twenty searches the upgrade gives up.
    QCOMPARE(f->boxes(), QStringList{protocolError});
    QStringList log{versionRead, "#1 RESTART v=0 i=0", "#1 release 0 !gone", "#1 close"};
    log += QStringList(10, "list");
    for (int i = 0; i < 10; ++i)
        log += QStringList{"list"} + F::searchReads(1) + F::released(1);
    QCOMPARE(f->bus.logTexts(), log);
    QCOMPARE(f->clock.waits, 20);
    QVERIFY(f->loader.framesTaken.isEmpty());
    // The connection has ended as a disconnect ends it, and a connect works again.
    verifyConnectionEnded(*f);
    if (QTest::currentTestFailed())
        return;
    verifyConnectsAgain(*f);
}

QTEST_GUILESS_MAIN(tst_firmware_upgrade)
#include "tst_firmware_upgrade.moc"
