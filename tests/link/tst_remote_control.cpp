#include "link/usb_protocol.h"
#include "tests/sim/sim_link_fixture.h"
#include "tests/sim/sim_rcu_engine.h"
#include "tests/support/message_summary.h"
#include "tests/sim/sim_device_protocol.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace wire = sim_protocol;

namespace {

// Every simulated transfer takes this long, so the learning polls, which run back to back,
// reach their time bound on virtual time.
constexpr qint64 TransferMs = 1;

const QString status1 = QStringLiteral("#1 STATUS v=0 i=0 in 8");

QString rcu(const QString &what)
{
    return QStringLiteral("#1 RCU %1 in 4").arg(what);
}

QString readKey(int key)
{
    return rcu(QStringLiteral("READ_KEY %1").arg(key));
}

QString writeKey(int key, int code)
{
    return rcu(QStringLiteral("WRITE_KEY key %1 code %2").arg(key).arg(code));
}

QString remoteControl(message_icon icon, const char *text)
{
    return messageSummary(icon, QStringLiteral("Remote control:"), QString::fromLatin1(text));
}

QString usbInterface(const char *text)
{
    return messageSummary(message_icon::Critical, QStringLiteral("USB Interface"), QString::fromLatin1(text));
}

QStringList repeated(const QString &text, int times)
{
    return QStringList(times, text);
}

QStringList withOutcome(const QStringList &texts, const QString &outcome)
{
    QStringList marked;
    for (const QString &t : texts)
        marked << t + QStringLiteral(" !") + outcome;
    return marked;
}

// 64 bytes, key i getting value(i).
QByteArray perKey(const std::function<int(int)> &value)
{
    QByteArray bytes(64, '\0');
    for (int i = 0; i < 64; ++i)
        bytes[i] = char(value(i));
    return bytes;
}

QByteArray tableOf(const u8 *codes)
{
    return QByteArray(reinterpret_cast<const char *>(codes), 64);
}

QByteArray tableOf(const std::array<u8, 64> &codes)
{
    return tableOf(codes.data());
}

} // namespace

class tst_remote_control : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readTable_data();
    void readTable();
    void readTableFailure_data();
    void readTableFailure();
    void notConnected_data();
    void notConnected();
    void learnKey_data();
    void learnKey();
    void learnRequestFailures_data();
    void learnRequestFailures();
    void learnAddress_data();
    void learnAddress();
    void setAddress_data();
    void setAddress();
    void setKeyCode_data();
    void setKeyCode();
    void writeTable_data();
    void writeTable();
    void writeTableFailures_data();
    void writeTableFailures();

private:
    // The next `count` requests of a code from the `first`-th on get the fault.
    void failRequests(u8 request, int first, int count, sim_fault fault = sim_fault::fail());
    std::unique_ptr<sim_link_fixture> f;
    sim_device *device = nullptr;
    sim_rcu_engine *engine = nullptr;
};

void tst_remote_control::init()
{
    f = std::make_unique<sim_link_fixture>();
    device = &f->bus.addDevice(QStringLiteral("005F0000-0001"));
    engine = device->findEngine<sim_rcu_engine>();
    QVERIFY(engine);
    QVERIFY(f->connectAndReset());
    virtual_clock *clock = &f->clock;
    f->bus.beforeOperation = [clock] { clock->advance(TransferMs); };
}

void tst_remote_control::cleanup()
{
    QVERIFY2(allOkBoxesOfTheMainWindow(f->ui), "every box is an OK box of the main window");
    const QStringList problems = sim_link_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_remote_control::failRequests(u8 request, int first, int count, sim_fault fault)
{
    for (int i = 0; i < count; ++i)
        device->injectOnRequest(request, first + i, fault);
}

// --- Reading the table ----------------------------------------------------------------------

void tst_remote_control::readTable_data()
{
    QTest::addColumn<QByteArray>("codes");      // what the controller holds
    QTest::addColumn<QByteArray>("addresses");  // the address each key reports
    QTest::addColumn<int>("address");           // rcuAddress afterwards
    QTest::addColumn<QStringList>("boxes");

    const QByteArray codes = perKey([](int i) { return (i * 7) % 64; });
    const QString ambiguous = remoteControl(message_icon::Warning, "Ambiguous R. C. address!");
    const QString invalid = remoteControl(message_icon::Warning, "Invalid R. C. address!");

    QTest::newRow("one address on every key") << codes << perKey([](int) { return 7; }) << 7 << QStringList();
    QTest::newRow("no address anywhere: none, no warning")
        << codes << perKey([](int) { return 0xFF; }) << 0xFF << QStringList();
    QTest::newRow("0 on key 0, 3 on key 10, 9 on key 20: one warning, none")
        << codes << perKey([](int i) { return i == 10 ? 3 : i == 20 ? 9 : 0; }) << 0xFF << QStringList{ambiguous};
    QTest::newRow("none on key 0, then 5: the none was found first")
        << codes << perKey([](int i) { return i == 0 ? 0xFF : 5; }) << 0xFF << QStringList{ambiguous};
    QTest::newRow("an invalid address after one was found differs from it")
        << codes << perKey([](int i) { return i == 30 ? 0x80 : 4; }) << 0xFF << QStringList{ambiguous};
    QTest::newRow("invalid on every key: 64 warnings, none")
        << codes << perKey([](int) { return 0x40; }) << 0xFF << repeated(invalid, 64);
    QTest::newRow("invalid on keys 0 and 1, then 12 everywhere")
        << codes << perKey([](int i) { return i < 2 ? 0x20 : 12; }) << 12 << repeated(invalid, 2);
    QTest::newRow("invalid codes are stored after their warning")
        << perKey([](int i) { return i == 3 ? 0x50 : i == 63 ? 0x40 : i == 9 ? 0xFF : i; })
        << perKey([](int i) { return i == 0 ? 0x21 : 2; }) << 2
        << QStringList{invalid, remoteControl(message_icon::Warning, "Invalid key code [3]!"),
                       remoteControl(message_icon::Warning, "Invalid key code [63]!")};
}

void tst_remote_control::readTable()
{
    QFETCH(QByteArray, codes);
    QFETCH(QByteArray, addresses);
    std::copy(codes.begin(), codes.end(), engine->codes.begin());
    for (int i = 0; i < 64; ++i)
        engine->addressReportedForKey[i] = u8(addresses[i]);
    f->controller->rcuAddress = 30;

    f->controller->readRCU();

    QStringList log;
    for (int i = 0; i < 64; ++i)
        log << readKey(i);
    QCOMPARE(f->bus.logTexts(), log);
    QCOMPARE(tableOf(f->controller->rcuKeyCodes), codes);
    QTEST(int(f->controller->rcuAddress), "address");
    QTEST(messageSummaries(f->ui), "boxes");
    QVERIFY(f->controller->isConnected());
    QVERIFY(f->statusSignals.isEmpty());
}

void tst_remote_control::readTableFailure_data()
{
    QTest::addColumn<int>("failingKey");
    QTest::addColumn<sim_fault>("fault");
    QTest::addColumn<int>("failures");  // of that key's read
    QTest::addColumn<QStringList>("logAfter");  // from that key's read on
    QTest::addColumn<bool>("completes");
    QTest::addColumn<bool>("connected");

    const auto failedKey = [](int key, const QString &outcome, int times) {
        return withOutcome(repeated(readKey(key), times), outcome);
    };
    // The controller still answers its status: only the read failed.
    QTest::newRow("key 5: ten failed transfers")
        << 5 << sim_fault::fail() << 10 << failedKey(5, "fail", 10) + QStringList{status1} << false << true;
    QTest::newRow("key 5: ten replies of 3 bytes")
        << 5 << sim_fault::shortReply(3) << 10 << failedKey(5, "short", 10) + QStringList{status1} << false << true;
    QTest::newRow("key 5: ten time-outs")
        << 5 << sim_fault::timeout() << 10 << failedKey(5, "timeout", 10) + QStringList{status1} << false << true;
    QTest::newRow("key 63: ten failed transfers")
        << 63 << sim_fault::fail() << 10 << failedKey(63, "fail", 10) + QStringList{status1} << false << true;
    // Unplugged: the status goes unanswered too, and the connection ends.
    QTest::newRow("key 25: unplugged")
        << 25 << sim_fault::vanish() << 1
        << failedKey(25, "vanish", 1) + failedKey(25, "gone", 9) + withOutcome(repeated(status1, 10), "gone")
               + QStringList{"#1 SET_MODE v=1 i=0 !gone", "#1 release 0 !gone", "#1 close"}
        << false << false;
    QTest::newRow("key 5: nine failures, then the reply")
        << 5 << sim_fault::fail() << 9 << failedKey(5, "fail", 9) << true << true;
}

void tst_remote_control::readTableFailure()
{
    QFETCH(int, failingKey);
    QFETCH(sim_fault, fault);
    QFETCH(int, failures);
    QFETCH(QStringList, logAfter);
    QFETCH(bool, completes);
    QFETCH(bool, connected);
    for (int i = 0; i < 64; ++i) {
        engine->codes[size_t(i)] = u8(i);
        f->controller->rcuKeyCodes[i] = u8(0x33 + (i % 7));
    }
    engine->address = 6;
    f->controller->rcuAddress = 9;
    const QByteArray codesBefore = tableOf(f->controller->rcuKeyCodes);
    failRequests(wire::request::Rcu, failingKey + 1, failures, fault);

    f->controller->readRCU();

    QStringList log;
    for (int i = 0; i < failingKey; ++i)
        log << readKey(i);
    log += logAfter;
    if (completes) {
        for (int i = failingKey; i < 64; ++i)
            log << readKey(i);
    }
    QCOMPARE(f->bus.logTexts(), log);
    // A read cut short takes nothing: neither the codes read before it nor the address.
    QCOMPARE(tableOf(f->controller->rcuKeyCodes), completes ? perKey([](int i) { return i; }) : codesBefore);
    QCOMPARE(int(f->controller->rcuAddress), completes ? 6 : 9);
    QCOMPARE(messageSummaries(f->ui), completes ? QStringList() : QStringList{usbInterface("RCU key code reading failed!")});
    QCOMPARE(f->controller->isConnected(), connected);
    QCOMPARE(f->controller->connected, connected ? 1 : 0);
    QCOMPARE(f->statusSignals, connected ? QList<bool>() : QList<bool>{false});
}

// --- Not connected ------------------------------------------------------------------------------

using rcu_operation = std::function<int(kd620_controller_class &)>;
Q_DECLARE_METATYPE(rcu_operation)

void tst_remote_control::notConnected_data()
{
    QTest::addColumn<rcu_operation>("operation");
    QTest::addColumn<int>("result");

    QTest::newRow("readRCU") << rcu_operation([](kd620_controller_class &c) { c.readRCU(); return 0; }) << 0;
    QTest::newRow("writeRCU") << rcu_operation([](kd620_controller_class &c) { c.writeRCU(); return 0; }) << 0;
    QTest::newRow("learnRcuKey") << rcu_operation([](kd620_controller_class &c) { return c.learnRcuKey(4); }) << -1;
    QTest::newRow("readRcuAddress") << rcu_operation([](kd620_controller_class &c) { return c.readRcuAddress(); }) << -1;
}

void tst_remote_control::notConnected()
{
    QFETCH(rcu_operation, operation);
    f->controller->setConnection(false);
    f->reset();
    f->controller->rcuKeyCodes[4] = 44;
    f->controller->rcuAddress = 3;

    QTEST(operation(*f->controller), "result");

    QVERIFY(f->bus.log.isEmpty());
    QCOMPARE(messageSummaries(f->ui), QStringList{usbInterface("Not connected!")});
    QCOMPARE(int(f->controller->rcuKeyCodes[4]), 44);
    QCOMPARE(int(f->controller->rcuAddress), 3);
    QCOMPARE(engine->learnRequests, 0);
}

// --- Learning a key ------------------------------------------------------------------------------

void tst_remote_control::learnKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<qint64>("learnAfterMs");  // -1: the controller never has a result
    QTest::addColumn<int>("heardCode");
    QTest::addColumn<int>("heardKey");         // -1: the key asked for
    QTest::addColumn<bool>("learnFails");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("statusReads");
    QTest::addColumn<bool>("resultRead");
    QTest::addColumn<int>("storedCode");       // the table's entry for the key afterwards
    QTest::addColumn<QStringList>("boxes");

    const int old = 0x2A;
    const QStringList none;
    // One transfer takes 1 ms: LEARN_KEY ends at 1 ms, then one status read a millisecond.
    QTest::newRow("code 17 after 300 ms") << 5 << qint64(300) << 17 << -1 << false << 17 << 300 << true << 17 << none;
    QTest::newRow("key 63, result at once") << 63 << qint64(0) << 0 << -1 << false << 0 << 1 << true << 0 << none;
    QTest::newRow("nothing heard: 255, old code kept")
        << 5 << qint64(40) << 0xFF << -1 << false << 255 << 40 << true << old << none;
    QTest::newRow("invalid code")
        << 5 << qint64(40) << 0x50 << -1 << false << -1 << 40 << true << old
        << QStringList{remoteControl(message_icon::Warning, "Invalid key code!")};
    QTest::newRow("result about another key: nothing stored")
        << 5 << qint64(40) << 17 << 9 << false << -1 << 40 << true << old
        << QStringList{remoteControl(message_icon::Warning, "Divergent key!")};
    QTest::newRow("controller reports FAILED")
        << 5 << qint64(40) << 17 << -1 << true << -1 << 40 << false << old << QStringList{usbInterface("Operation failed!")};
    // The bound: polls go on while no more than 9500 ms have passed since the first.
    QTest::newRow("result on the last poll within the bound: taken")
        << 5 << qint64(9501) << 17 << -1 << false << 17 << 9501 << true << 17 << none;
    QTest::newRow("never: time exceeded after 9500 ms")
        << 5 << qint64(-1) << 17 << -1 << false << -1 << 9501 << false << old
        << QStringList{remoteControl(message_icon::Warning, "Time exceeded!")};
    QTest::newRow("result one poll later: time exceeded")
        << 5 << qint64(9502) << 17 << -1 << false << -1 << 9501 << false << old
        << QStringList{remoteControl(message_icon::Warning, "Time exceeded!")};
    const QStringList select{remoteControl(message_icon::Critical, "Please select button!")};
    QTest::newRow("no key selected: nothing sent") << -1 << qint64(0) << 17 << -1 << false << -1 << 0 << false << old << select;
    QTest::newRow("key 64: nothing sent") << 64 << qint64(0) << 17 << -1 << false << -1 << 0 << false << old << select;
}

void tst_remote_control::learnKey()
{
    QFETCH(int, key);
    QFETCH(qint64, learnAfterMs);
    QFETCH(int, heardCode);
    QFETCH(int, heardKey);
    QFETCH(bool, learnFails);
    QFETCH(int, statusReads);
    QFETCH(bool, resultRead);
    engine->learnAfterMs = learnAfterMs;
    engine->heardCode = u8(heardCode);
    engine->heardKey = heardKey;
    engine->learnFails = learnFails;
    std::fill(std::begin(f->controller->rcuKeyCodes), std::end(f->controller->rcuKeyCodes), u8(0x2A));

    QTEST(f->controller->learnRcuKey(key), "result");

    QStringList log;
    if (statusReads > 0)
        log << rcu(QStringLiteral("LEARN_KEY %1").arg(key)) << repeated(status1, statusReads);
    if (resultRead)
        log << rcu(QStringLiteral("RESULT 0"));
    QCOMPARE(f->bus.logTexts(), log);
    QCOMPARE(f->elapsedMs(), qint64(log.size()) * TransferMs);
    QCOMPARE(f->clock.waits, 0);  // the polls run without pause
    QTEST(messageSummaries(f->ui), "boxes");
    const int k = key & 0xFF;
    if (k < 64) {
        QTEST(int(f->controller->rcuKeyCodes[k]), "storedCode");
        // Only the key asked for may change.
        for (int i = 0; i < 64; ++i) {
            if (i != k)
                QCOMPARE(int(f->controller->rcuKeyCodes[i]), 0x2A);
        }
    }
    QVERIFY(f->controller->isConnected());
}

void tst_remote_control::learnRequestFailures_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("first");     // the first failing request of that code
    QTest::addColumn<int>("failures");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("log");

    const QString learn = rcu(QStringLiteral("LEARN_KEY 5"));
    const QString result = rcu(QStringLiteral("RESULT 0"));
    const QStringList failed{usbInterface("Operation failed!")};
    // The result is ready after 3 ms: on the third status read.
    QTest::newRow("LEARN_KEY fails ten times") << int(wire::request::Rcu) << 1 << 10 << -1 << withOutcome(repeated(learn, 10), "fail");
    QTest::newRow("LEARN_KEY fails nine times")
        << int(wire::request::Rcu) << 1 << 9 << 17
        << withOutcome(repeated(learn, 9), "fail") + QStringList{learn} + repeated(status1, 3) + QStringList{result};
    QTest::newRow("status read fails ten times")
        << int(wire::request::Status) << 1 << 10 << -1 << QStringList{learn} + withOutcome(repeated(status1, 10), "fail");
    QTest::newRow("RESULT fails ten times")
        << int(wire::request::Rcu) << 2 << 10 << -1
        << QStringList{learn} + repeated(status1, 3) + withOutcome(repeated(result, 10), "fail");
}

void tst_remote_control::learnRequestFailures()
{
    QFETCH(int, request);
    QFETCH(int, first);
    QFETCH(int, failures);
    QFETCH(int, result);
    engine->learnAfterMs = 3;
    failRequests(u8(request), first, failures);

    QCOMPARE(f->controller->learnRcuKey(5), result);

    QTEST(f->bus.logTexts(), "log");
    QCOMPARE(messageSummaries(f->ui), result < 0 ? QStringList{usbInterface("Operation failed!")} : QStringList());
    // A failed status read here ends the learning, not the connection.
    QVERIFY(f->controller->isConnected());
    QVERIFY(f->statusSignals.isEmpty());
}

// --- Learning the address ------------------------------------------------------------------------

void tst_remote_control::learnAddress_data()
{
    QTest::addColumn<qint64>("learnAfterMs");
    QTest::addColumn<int>("heardAddress");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("statusReads");
    QTest::addColumn<int>("address");  // rcuAddress afterwards
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("address 12") << qint64(50) << 12 << 12 << 50 << 12 << QStringList();
    QTest::newRow("address 0 at once") << qint64(0) << 0 << 0 << 1 << 0 << QStringList();
    QTest::newRow("nothing heard: 255, address kept") << qint64(50) << 0xFF << 255 << 50 << 3 << QStringList();
    QTest::newRow("address 32 is invalid")
        << qint64(50) << 32 << -1 << 50 << 3
        << QStringList{remoteControl(message_icon::Critical, "Invalid R. C. address!")};
    QTest::newRow("never: time exceeded after 1000 ms")
        << qint64(-1) << 12 << -1 << 1001 << 3 << QStringList{remoteControl(message_icon::Warning, "Time exceeded!")};
}

void tst_remote_control::learnAddress()
{
    QFETCH(qint64, learnAfterMs);
    QFETCH(int, heardAddress);
    QFETCH(int, statusReads);
    QFETCH(int, result);
    engine->learnAfterMs = learnAfterMs;
    engine->heardAddress = u8(heardAddress);
    f->controller->rcuAddress = 3;

    QTEST(f->controller->readRcuAddress(), "result");

    QStringList log = QStringList{rcu(QStringLiteral("LEARN_ADDRESS 0"))} + repeated(status1, statusReads);
    if (learnAfterMs >= 0)
        log << rcu(QStringLiteral("RESULT 0"));
    QCOMPARE(f->bus.logTexts(), log);
    QTEST(int(f->controller->rcuAddress), "address");
    QTEST(messageSummaries(f->ui), "boxes");
    if (result < 0 && learnAfterMs < 0)
        QVERIFY(f->elapsedMs() > 1000);
}

void tst_remote_control::setAddress_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("failures");  // of SET_ADDRESS
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("stored");    // rcuAddress afterwards
    QTest::addColumn<QStringList>("log");

    const QString set9 = rcu(QStringLiteral("SET_ADDRESS 9"));
    QTest::newRow("40: refused") << 40 << true << 0 << -1 << 3 << QStringList();
    QTest::newRow("0xFF: refused") << 0xFF << true << 0 << -1 << 3 << QStringList();
    QTest::newRow("5 while not connected: stored only") << 5 << false << 0 << 0 << 5 << QStringList();
    QTest::newRow("9: sent, the controller's result taken")
        << 9 << true << 0 << 9 << 9 << QStringList{set9, status1, rcu(QStringLiteral("RESULT 0"))};
    QTest::newRow("9, request fails ten times: stored, -1")
        << 9 << true << 10 << -1 << 9 << withOutcome(repeated(set9, 10), "fail");
}

void tst_remote_control::setAddress()
{
    QFETCH(int, address);
    QFETCH(bool, connected);
    QFETCH(int, failures);
    QFETCH(int, result);
    if (!connected) {
        f->controller->setConnection(false);
        f->reset();
    }
    f->controller->rcuAddress = 3;
    failRequests(wire::request::Rcu, 1, failures);

    QCOMPARE(f->controller->setRcuAddress(address), result);

    QTEST(f->bus.logTexts(), "log");
    QTEST(int(f->controller->rcuAddress), "stored");
    QCOMPARE(messageSummaries(f->ui), failures > 0 ? QStringList{usbInterface("Operation failed!")} : QStringList());
    if (result > 0)
        QCOMPARE(int(engine->address), result);
}

void tst_remote_control::setKeyCode_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("result");

    QTest::newRow("key 3, code 17") << 3 << 17 << 0;
    QTest::newRow("key 63, code 63") << 63 << 63 << 0;
    QTest::newRow("key 0, code 0") << 0 << 0 << 0;
    QTest::newRow("key 64") << 64 << 17 << -1;
    QTest::newRow("code 64") << 3 << 64 << -1;
    QTest::newRow("code 0xFF") << 3 << 0xFF << -1;
    QTest::newRow("key -1") << -1 << 17 << -1;
}

void tst_remote_control::setKeyCode()
{
    QFETCH(int, key);
    QFETCH(int, code);
    QFETCH(int, result);
    std::fill(std::begin(f->controller->rcuKeyCodes), std::end(f->controller->rcuKeyCodes), u8(0x2A));

    QCOMPARE(f->controller->setRcuKeyCode(key, code), result);

    const QByteArray expected = perKey([=](int i) { return result == 0 && i == key ? code : 0x2A; });
    QCOMPARE(tableOf(f->controller->rcuKeyCodes), expected);
    QVERIFY(f->bus.log.isEmpty());
}

// --- Writing the table ---------------------------------------------------------------------------

void tst_remote_control::writeTable_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<qint64>("busyAfterWriteMs");
    QTest::addColumn<int>("statusReadsPerWrite");

    QTest::newRow("address 31, never busy") << 31 << qint64(0) << 1;
    QTest::newRow("no address: 0xFF sent") << 0xFF << qint64(0) << 1;
    // Busy for 150 ms: the first read after 1 ms, the next two after 100 ms each.
    QTest::newRow("busy for 150 ms after each write") << 0 << qint64(150) << 3;
}

void tst_remote_control::writeTable()
{
    QFETCH(int, address);
    QFETCH(qint64, busyAfterWriteMs);
    QFETCH(int, statusReadsPerWrite);
    // Codes as the table holds them, none and an invalid one read back earlier included.
    const QByteArray codes = perKey([](int i) { return i == 10 ? 0xFF : i == 11 ? 0x50 : 63 - i; });
    std::copy(codes.begin(), codes.end(), f->controller->rcuKeyCodes);
    f->controller->rcuAddress = u8(address);
    engine->busyAfterWriteMs = busyAfterWriteMs;

    f->controller->writeRCU();

    QStringList log;
    for (int i = 0; i < 64; ++i)
        log << writeKey(i, u8(codes[i])) << repeated(status1, statusReadsPerWrite);
    log << rcu(QStringLiteral("SET_ADDRESS %1").arg(address)) << repeated(status1, statusReadsPerWrite);
    log << rcu(QStringLiteral("SAVE 0"));
    QCOMPARE(f->bus.logTexts(), log);
    QCOMPARE(f->clock.waits, 65 * (statusReadsPerWrite - 1));
    // On the wire: the key number in wValue's high byte, the code in its low byte, unswapped;
    // the sub-command high byte first like every number.
    const sim_log_entry &key12 = f->bus.log[12 * (1 + statusReadsPerWrite)];
    QCOMPARE(int(key12.setup.wValue()), 12 * 256 + (63 - 12));
    QCOMPARE(int(key12.setup.wIndex()), 0x0500);
    QCOMPARE(tableOf(engine->savedCodes), codes);
    QCOMPARE(int(engine->savedAddress), address);
    QCOMPARE(engine->saves, 1);
    QVERIFY(f->ui.messages.isEmpty());
    QVERIFY(f->controller->isConnected());
}

void tst_remote_control::writeTableFailures_data()
{
    QTest::addColumn<int>("firstFailingWrite");  // counted over all RCU requests, 0 none
    QTest::addColumn<uint>("busyHeld");
    QTest::addColumn<int>("statusFault");        // the status read that fails, 0 none
    QTest::addColumn<int>("keysWritten");        // whole (write and busy wait)
    QTest::addColumn<int>("keysStored");         // in the controller afterwards
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("logTail");    // after the keys written
    QTest::addColumn<bool>("connected");

    const QString key5 = writeKey(5, 5);
    QTest::newRow("key 5 fails ten times: two boxes, stop")
        << 6 << 0u << 0 << 5 << 5
        << QStringList{usbInterface("RCU key code writing failed!"),
                       messageSummary(message_icon::Information, QStringLiteral("info"), QStringLiteral("key no. 5"))}
        << withOutcome(repeated(key5, 10), "fail") << true;
    QTest::newRow("busy stays set after key 0: dropped, no box")
        << 0 << uint(wire::status::Busy) << 0 << 0 << 1 << QStringList()
        << QStringList{writeKey(0, 0)} + repeated(status1, 10) + sim_link_fixture::disconnect(1) << false;
    QTest::newRow("status read after key 2 fails: dropped once, no box")
        << 0 << 0u << 3 << 2 << 3 << QStringList()
        << QStringList{writeKey(2, 2), status1 + " !fail"} + sim_link_fixture::disconnect(1) << false;
    QTest::newRow("SET_ADDRESS fails ten times")
        << 65 << 0u << 0 << 64 << 64 << QStringList{usbInterface("RCU address writing failed!")}
        << withOutcome(repeated(rcu(QStringLiteral("SET_ADDRESS 7")), 10), "fail") << true;
    QTest::newRow("SAVE fails ten times")
        << 66 << 0u << 0 << 64 << 64 << QStringList{usbInterface("RCU data saving failed!")}
        << QStringList{rcu(QStringLiteral("SET_ADDRESS 7")), status1}
            + withOutcome(repeated(rcu(QStringLiteral("SAVE 0")), 10), "fail")
        << true;
}

void tst_remote_control::writeTableFailures()
{
    QFETCH(int, firstFailingWrite);
    QFETCH(uint, busyHeld);
    QFETCH(int, statusFault);
    QFETCH(int, keysWritten);
    QFETCH(int, keysStored);
    QFETCH(QStringList, logTail);
    QFETCH(bool, connected);
    for (int i = 0; i < 64; ++i)
        f->controller->rcuKeyCodes[i] = u8(i);
    f->controller->rcuAddress = 7;
    if (firstFailingWrite > 0)
        failRequests(wire::request::Rcu, firstFailingWrite, 10);
    if (statusFault > 0)
        device->injectOnRequest(wire::request::Status, statusFault, sim_fault::fail());
    device->statusForceSet = busyHeld;

    f->controller->writeRCU();

    QStringList log;
    for (int i = 0; i < keysWritten; ++i)
        log << writeKey(i, i) << status1;
    QCOMPARE(f->bus.logTexts(), log + logTail);
    QTEST(messageSummaries(f->ui), "boxes");
    QCOMPARE(f->controller->isConnected(), connected);
    QCOMPARE(f->statusSignals, connected ? QList<bool>() : QList<bool>{false});
    // Nothing saved; the keys written so far are in the controller.
    QCOMPARE(engine->saves, 0);
    for (int i = 0; i < 64; ++i)
        QCOMPARE(int(engine->codes[size_t(i)]), i < keysStored ? i : 0xFF);
}

QTEST_GUILESS_MAIN(tst_remote_control)
#include "tst_remote_control.moc"
