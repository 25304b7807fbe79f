#include "link/usb_protocol.h"
#include "tests/sim/sim_link_fixture.h"
#include "tests/sim/sim_loader_engine.h"
#include "tests/sim/sim_device_protocol.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace wire = sim_protocol;

namespace {

const QString serialA = QStringLiteral("005F0000-0001");
const QString serialB = QStringLiteral("005F0000-0002");
const QString serialC = QStringLiteral("005F0000-0003");

using F = sim_link_fixture;

const auto ops = &sim_link_fixture::onDevice;

QStringList repeated(const QStringList &texts, int times)
{
    QStringList all;
    for (int i = 0; i < times; ++i)
        all += texts;
    return all;
}

const QString status1 = QStringLiteral("#1 STATUS v=0 i=0 in 8");

// Shapes the bus (and the wanted serial) before a connect.
using bus_shaper = std::function<void(sim_link_fixture &)>;

} // namespace

Q_DECLARE_METATYPE(bus_shaper)

class tst_controller_connection : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void connect_data();
    void connect();
    void reconnectDialogAnswers_data();
    void reconnectDialogAnswers();
    void controllerNotTheUsersIsExplained_data();
    void controllerNotTheUsersIsExplained();
    void disconnect_data();
    void disconnect();
    void restart_data();
    void restart();
    void restartWhileTheControllerLeavesLate_data();
    void restartWhileTheControllerLeavesLate();
    void setWorkingMode_data();
    void setWorkingMode();
    void userInterfaceMode_data();
    void userInterfaceMode();
    void freezeAndUnfreeze_data();
    void freezeAndUnfreeze();
    void stateFlag_data();
    void stateFlag();
    void faultWalkThroughAConnect_data();
    void faultWalkThroughAConnect();

private:
    kd620_controller_class &c() { return *f->controller; }
    // Every change of connection is announced, and isConnected agrees with `connected`.
    void checkConsistent();
    std::unique_ptr<sim_link_fixture> f;
};

void tst_controller_connection::init()
{
    f = std::make_unique<sim_link_fixture>();
}

void tst_controller_connection::cleanup()
{
    const QStringList problems = sim_link_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_controller_connection::checkConsistent()
{
    QCOMPARE(c().isConnected(), c().connected == 1);
    if (!f->statusSignals.isEmpty())
        QCOMPARE(f->statusSignals.last(), c().connected == 1);
    if (c().connected == 0)
        QVERIFY(!f->statusSignals.contains(true));
}

void tst_controller_connection::connect_data()
{
    QTest::addColumn<bus_shaper>("shape");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QList<bool>>("announced");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("sn");
    QTest::addColumn<QString>("fw");
    QTest::addColumn<int>("waits");

    const QList<bool> up{true};
    const QList<bool> down{false};
    QTest::newRow("nothing attached") << bus_shaper([](F &) {}) << QStringList{"list"} << down << 0 << "S/N ----" << ""
                                      << 0;
    QTest::newRow("current model")
        << bus_shaper([](F &f) { f.bus.addDevice(serialA); }) << F::wholeConnect(1) << up << 1 << "S/N 5F0000-0001"
        << "F/W ver. 3.00.0011" << 1;
    QTest::newRow("loader: no mode request")
        << bus_shaper([](F &f) { f.bus.addDevice(serialA).inLoader = true; })
        << QStringList{"list"} + F::searchReads(1) + F::connectAfterSearch(1).mid(0, 3) << up << int(MODE_LOADER)
        << "S/N 5A0000-0000" << "F/W ver. 3.00.0011" << 0;
    QTest::newRow("version never answered: connected with F/W ----")
        << bus_shaper([](F &f) { f.bus.addDevice(serialA).answersFirmwareVersion = false; })
        << QStringList{"list"} + F::searchReads(1) + QStringList{"#1 string 0x2a"}
               + QStringList(10, "#1 FIRMWARE_VERSION v=0 i=0 in 4 !stall") + F::connectAfterSearch(1).mid(2)
        << up << 1 << "S/N 5F0000-0001" << "F/W ----" << 1;
    QTest::newRow("version on the third try")
        << bus_shaper([](F &f) {
               sim_device &d = f.bus.addDevice(serialA);
               d.firmwareMajor = 10;
               d.firmwareMinor = 2;
               d.firmwareBuild = 123;
               d.injectOnRequest(wire::request::FirmwareVersion, 1, sim_fault::fail());
               d.injectOnRequest(wire::request::FirmwareVersion, 2, sim_fault::timeout());
           })
        << QStringList{"list"} + F::searchReads(1)
               + ops(1, {"string 0x2a", "FIRMWARE_VERSION v=0 i=0 in 4 !fail", "FIRMWARE_VERSION v=0 i=0 in 4 !timeout"})
               + F::connectAfterSearch(1).mid(1)
        << up << 1 << "S/N 5F0000-0001" << "F/W ver. 10.02.0123" << 1;
    QTest::newRow("serial re-read fails: connected with S/N ----")
        << bus_shaper([](F &f) {
               f.bus.addDevice(serialA);
               f.bus.injectAt(6, sim_fault::fail());
           })
        << QStringList{"list"} + F::searchReads(1) + QStringList{"#1 string 0x2a !fail"} + F::connectAfterSearch(1).mid(1)
        << up << 1 << "S/N ----" << "F/W ver. 3.00.0011" << 1;
    QTest::newRow("normal mode not confirmed: dropped")
        << bus_shaper([](F &f) { f.bus.addDevice(serialA).statusForceSet = wire::status::Configuration; })
        << F::wholeConnect(1) + F::disconnect(1) << QList<bool>{false, false} << 0 << "S/N ----" << "F/W ----" << 2;
    QTest::newRow("only another controller, Cancel")
        << bus_shaper([](F &f) {
               f.bus.addDevice(serialB);
               f.controller->usbDevice.setSerialNumber(serialA);
           })
        << QStringList{"list"} + F::searchReads(1) + F::released(1) << down << 0 << "S/N ----" << "" << 0;
}

void tst_controller_connection::connect()
{
    QFETCH(bus_shaper, shape);
    shape(*f);
    c().clockValid = 1;
    c().clockRereadCounter = 3;

    c().setConnection(true);
    QTEST(f->bus.logTexts(), "log");
    QTEST(f->statusSignals, "announced");
    QTEST(c().workingMode(), "mode");
    QTEST(c().serialText(), "sn");
    QTEST(c().firmwareText(), "fw");
    QTEST(f->clock.waits, "waits");
    QCOMPARE(c().clockValid, 0);
    QFETCH(QList<bool>, announced);
    const bool up = announced.last();
    QCOMPARE(c().connected, up ? 1 : 0);
    QCOMPARE(c().clockRereadCounter, up ? 10 : 3);
    if (up)
        QCOMPARE(c().modelCode, c().workingMode() == MODE_LOADER ? 0x5A : 0x5F);
    QCOMPARE(f->ui.reconnectLists.size(), c().otherSerials.isEmpty() ? 0 : 1);
    checkConsistent();
}

void tst_controller_connection::reconnectDialogAnswers_data()
{
    QTest::addColumn<QList<reconnect_answer>>("answers");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QStringList>("log");

    const QStringList seenBoth = QStringList{"list"} + F::searchReads(1) + F::released(1) + F::searchReads(2) + F::released(2);
    using A = reconnect_answer;
    QTest::newRow("Cancel") << QList<A>{{A::Cancel}} << false << serialA << seenBoth;
    QTest::newRow("Retry searches again, then Cancel")
        << QList<A>{{A::Retry}, {A::Cancel}} << false << serialA << seenBoth + seenBoth;
    QTest::newRow("Change to the second")
        << QList<A>{{A::Change, 1}} << true << serialC
        << seenBoth + QStringList{"list"} + F::searchReads(1) + F::released(1) + F::searchReads(2) + F::connectAfterSearch(2);
}

void tst_controller_connection::reconnectDialogAnswers()
{
    QFETCH(QList<reconnect_answer>, answers);
    QFETCH(bool, connected);
    f->bus.addDevice(serialB);
    f->bus.addDevice(serialC);
    c().usbDevice.setSerialNumber(serialA);
    for (const reconnect_answer &a : answers)
        f->ui.reconnectAnswers.enqueue(a);

    c().setConnection(true);
    QCOMPARE(f->ui.reconnectLists, QList<QStringList>(answers.size(), QStringList{serialB, serialC}));
    QCOMPARE(c().connected, connected ? 1 : 0);
    QCOMPARE(f->statusSignals, QList<bool>{connected});
    QTEST(c().usbDevice.serialNumber, "wanted");
    QTEST(f->bus.logTexts(), "log");
    checkConsistent();
}

void tst_controller_connection::controllerNotTheUsersIsExplained_data()
{
    QTest::addColumn<bus_shaper>("shape");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("reconnectDialogs");
    QTest::addColumn<bool>("explained");

    const auto notTheUsers = [](F &f, const QString &serial) {
        sim_device &d = f.bus.addDevice(serial);
        d.openFails = true;
        d.openError = usb_error::Access;
    };
    QTest::newRow("the only controller") << bus_shaper([=](F &f) { notTheUsers(f, serialA); }) << false << 0 << true;
    QTest::newRow("the wanted one gone, another not the user's")
        << bus_shaper([=](F &f) {
               f.controller->usbDevice.setSerialNumber(serialA);
               notTheUsers(f, serialB);
           })
        << false << 0 << true;
    QTest::newRow("one not the user's, another found only, Cancel")
        << bus_shaper([=](F &f) {
               f.controller->usbDevice.setSerialNumber(serialA);
               notTheUsers(f, serialC);
               f.bus.addDevice(serialB);
           })
        << false << 1 << true;
    QTest::newRow("one not the user's, the next connects")
        << bus_shaper([=](F &f) {
               notTheUsers(f, serialB);
               f.bus.addDevice(serialA);
           })
        << true << 0 << false;
    QTest::newRow("open fails for another reason")
        << bus_shaper([](F &f) { f.bus.addDevice(serialA).openFails = true; }) << false << 0 << false;
    QTest::newRow("nothing attached") << bus_shaper([](F &) {}) << false << 0 << false;
}

void tst_controller_connection::controllerNotTheUsersIsExplained()
{
    QFETCH(bus_shaper, shape);
    QFETCH(bool, connected);
    QFETCH(bool, explained);
    shape(*f);

    c().setConnection(true);
    QCOMPARE(c().connected, connected ? 1 : 0);
    QCOMPARE(f->statusSignals, QList<bool>{connected});
    QTEST(int(f->ui.reconnectLists.size()), "reconnectDialogs");
    QCOMPARE(f->ui.messages.size(), explained ? 1 : 0);
    if (explained) {
        // The cause and where the remedy is written; the caller still says "Not connected!".
        const message_request &box = f->ui.messages.first();
        QCOMPARE(box.title, QStringLiteral("USB Interface"));
        QCOMPARE(box.icon, message_icon::Warning);
        QVERIFY2(box.text.contains(QLatin1String("no permission")), qPrintable(box.text));
        QVERIFY2(box.text.contains(QLatin1String("README.md")), qPrintable(box.text));
        QVERIFY2(box.text.contains(QLatin1String("resources/udev/60-varidex625.rules")), qPrintable(box.text));
    }
    checkConsistent();
}

void tst_controller_connection::disconnect_data()
{
    QTest::addColumn<bool>("connectFirst");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("connected") << true << F::disconnect(1);
    QTest::newRow("already disconnected: texts reset, announced again") << false << QStringList();
}

void tst_controller_connection::disconnect()
{
    QFETCH(bool, connectFirst);
    f->bus.addDevice(serialA);
    if (connectFirst)
        QVERIFY(f->connectAndReset());
    c().uiMode = 2;
    c().clockValid = 1;
    c().fwText = QStringLiteral("stale");

    c().setConnection(false);
    QTEST(f->bus.logTexts(), "log");
    QCOMPARE(f->statusSignals, QList<bool>{false});
    QCOMPARE(c().serialText(), QStringLiteral("S/N ----"));
    QCOMPARE(c().firmwareText(), QStringLiteral("F/W ----"));
    QCOMPARE(c().connected, 0);
    QCOMPARE(c().uiMode, 0);
    QCOMPARE(c().workingMode(), int(MODE_NONE));
    QCOMPARE(c().clockValid, 0);
    QCOMPARE(c().lastRequest[0], int(wire::request::SetMode));
    QCOMPARE(c().lastRequest[1], 1);
    QCOMPARE(c().lastRequest[2], 0);
    QCOMPARE(f->bus.device(1).status & wire::status::ModeBits, 0u);
    checkConsistent();
}

void tst_controller_connection::restart_data()
{
    QTest::addColumn<qint64>("vanishMs");
    QTest::addColumn<qint64>("loaderMs");
    QTest::addColumn<bool>("intoLoader");  // the controller comes back as its firmware loader
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("connected");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QList<bool>>("announced");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("waits");

    const QStringList start = QStringList{"#1 RESTART v=0 i=0"} + ops(1, {"SET_MODE v=1 i=0 !gone", "release 0 !gone", "close"});
    const QStringList unfreezePass{status1, "#1 UNFREEZE v=0 i=0"};
    // Passes run 100 ms apart from 200 ms after the restart: a controller away for 1000 ms
    // is found again by the bare search of pass 9, and one whose loader bit stays 2000 ms
    // longer clears it in pass 29.
    QTest::newRow("vanishes, returns in its loader, then runs")
        << qint64(1000) << qint64(2000) << false << 0 << 1 << true << QList<bool>{false, false, true}
        << start + QStringList(10, "list") + F::searchReads(1) + repeated(unfreezePass, 19) + QStringList{status1, "#1 close"}
               + F::wholeConnect(1)
        << 31;
    QTest::newRow("back before the connect, loader for good: -1, connected in the loader")
        << qint64(50) << qint64(-1) << false << -1 << 1 << true << QList<bool>{false, true}
        << start + QStringList{"list"} + F::searchReads(1) + F::connectAfterSearch(1).mid(0, 3) + repeated(unfreezePass, 90)
        << 91;
    QTest::newRow("back late, loader for good: -1, only the bare search holds it open")
        << qint64(1000) << qint64(-1) << false << -1 << 0 << true << QList<bool>{false, false}
        << start + QStringList(10, "list") + F::searchReads(1) + repeated(unfreezePass, 81) << 91;
    QTest::newRow("comes back as its loader: found by the loader serial, -1")
        << qint64(1000) << qint64(2000) << true << -1 << 0 << true << QList<bool>{false, false}
        << start + QStringList(10, "list") + F::searchReads(1) + repeated(unfreezePass, 81) << 91;
    QTest::newRow("never comes back: -1")
        << qint64(100000) << qint64(0) << false << -1 << 0 << false << QList<bool>{false, false}
        << start + QStringList(91, "list") << 91;
}

void tst_controller_connection::restart()
{
    QFETCH(qint64, vanishMs);
    QFETCH(qint64, loaderMs);
    QFETCH(int, connected);
    sim_device &d = f->bus.addDevice(serialA);
    QVERIFY(f->connectAndReset());
    d.restartVanishMs = vanishMs;
    d.restartLoaderMs = loaderMs;
    QFETCH(bool, intoLoader);
    d.restartIntoLoader = intoLoader;
    // A loader that stays when told to unfreeze.
    d.findEngine<sim_loader_engine>()->startsFirmwareOnUnfreeze = false;

    QTEST(c().restartController(), "result");
    QTEST(f->bus.logTexts(), "log");
    QTEST(f->statusSignals, "announced");
    QTEST(f->clock.waits, "waits");
    QCOMPARE(c().connected, connected);
    QTEST(c().isConnected(), "open");
    QCOMPARE(c().workingMode(), connected ? (loaderMs < 0 ? int(MODE_LOADER) : int(MODE_NORMAL)) : int(MODE_NONE));
    QCOMPARE(c().usbDevice.serialNumber, intoLoader ? QString::fromLatin1(wire::LoaderSerial) : serialA);
    QCOMPARE(d.inLoader, intoLoader);
}

void tst_controller_connection::restartWhileTheControllerLeavesLate_data()
{
    QTest::addColumn<qint64>("leaveMs");          // the controller answers this long after the restart
    QTest::addColumn<bool>("connectReachesIt");   // the connect 100 ms after the restart finds it still there
    QTest::addColumn<int>("leavingPasses");       // passes that find it still there
    QTest::addColumn<int>("waits");

    // While it has not yet left, the controller shows its pending restart with the loader
    // bit; it is away for a second and shows the bit two seconds longer, as in restart().
    QTest::newRow("50 ms: gone before the connect") << qint64(50) << false << 0 << 32;
    QTest::newRow("150 ms: the connect reaches it") << qint64(150) << true << 0 << 33;
    QTest::newRow("400 ms: two passes reach it as well") << qint64(400) << true << 2 << 35;
}

void tst_controller_connection::restartWhileTheControllerLeavesLate()
{
    QFETCH(qint64, leaveMs);
    QFETCH(bool, connectReachesIt);
    QFETCH(int, leavingPasses);
    sim_device &d = f->bus.addDevice(serialA);
    QVERIFY(f->connectAndReset());
    d.restartLeaveMs = leaveMs;

    QCOMPARE(c().restartController(), 0);
    const QStringList unfreezePass{status1, "#1 UNFREEZE v=0 i=0"};
    QStringList log = QStringList{"#1 RESTART v=0 i=0"} + ops(1, {"SET_MODE v=1 i=0", "release 0", "close"});
    if (connectReachesIt) {
        // Connected to it in its loader state and told to unfreeze while the bit lasts,
        // until it has gone.
        log += QStringList{"list"} + F::searchReads(1) + F::connectAfterSearch(1).mid(0, 3)
            + repeated(unfreezePass, leavingPasses) + ops(1, {"STATUS v=0 i=0 in 8 !gone", "release 0 !gone", "close"});
    }
    // Bare searches until it is back a second after leaving, then as in restart().
    log += QStringList(11, "list") + F::searchReads(1) + repeated(unfreezePass, 19) + QStringList{status1, "#1 close"}
        + F::wholeConnect(1);
    QCOMPARE(f->bus.logTexts(), log);
    QTEST(f->clock.waits, "waits");
    QCOMPARE(f->statusSignals, (QList<bool>{false, connectReachesIt, true}));
    QCOMPARE(c().workingMode(), int(MODE_NORMAL));
    QCOMPARE(c().serialText(), QStringLiteral("S/N 5F0000-0001"));
    QVERIFY(!d.inLoader);
    checkConsistent();
}

void tst_controller_connection::setWorkingMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<sim_fault>("fault");  // on the mode request
    QTest::addColumn<uint>("withheld");    // status bits the controller never shows
    QTest::addColumn<int>("result");
    QTest::addColumn<uint>("deviceBits");
    QTest::addColumn<QStringList>("log");

    const QString setMode = QStringLiteral("#1 SET_MODE v=%1 i=0");
    QTest::newRow("normal") << 1 << sim_fault() << 0u << 1 << 0u << QStringList{setMode.arg(1), status1};
    QTest::newRow("configuration") << 3 << sim_fault() << 0u << 3 << uint(wire::status::Configuration)
                                   << QStringList{setMode.arg(3), status1};
    QTest::newRow("live") << 4 << sim_fault() << 0u << 4 << uint(wire::status::Live) << QStringList{setMode.arg(4), status1};
    QTest::newRow("mode 2: nothing sent") << 2 << sim_fault() << 0u << 0 << 0u << QStringList();
    QTest::newRow("mode 0: nothing sent") << 0 << sim_fault() << 0u << 0 << 0u << QStringList();
    QTest::newRow("configuration not confirmed: dropped")
        << 3 << sim_fault() << uint(wire::status::Configuration) << 0 << 0u
        << QStringList{setMode.arg(3), status1} + F::disconnect(1);
    QTest::newRow("request fails: dropped") << 4 << sim_fault::fail() << 0u << 0 << 0u
                                            << QStringList{setMode.arg(4) + " !fail"} + F::disconnect(1);
}

void tst_controller_connection::setWorkingMode()
{
    QFETCH(int, mode);
    QFETCH(sim_fault, fault);
    QFETCH(uint, withheld);
    QFETCH(int, result);
    sim_device &d = f->bus.addDevice(serialA);
    QVERIFY(f->connectAndReset());
    d.statusForceClear = withheld;
    d.injectOnRequest(wire::request::SetMode, 1, fault);

    QCOMPARE(c().setWorkingMode(mode), result);
    QTEST(f->bus.logTexts(), "log");
    QTEST(uint(d.status & wire::status::ModeBits), "deviceBits");
    QCOMPARE(c().workingMode(), result);
    const bool dropped = result == 0 && (mode == 1 || mode == 3 || mode == 4);
    QCOMPARE(f->statusSignals, dropped ? QList<bool>{false} : QList<bool>{});
    QCOMPARE(c().connected, dropped ? 0 : 1);
    if (result)
        QCOMPARE(c().lastRequest[1], mode);
    checkConsistent();
}

void tst_controller_connection::userInterfaceMode_data()
{
    QTest::addColumn<int>("startMode");   // the controller's mode before
    QTest::addColumn<int>("choice");
    QTest::addColumn<uint>("stuckBits");  // mode bits the controller keeps showing
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("uiMode");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("Normal while normal: nothing sent") << 1 << 1 << 0u << 0 << 1 << QStringList();
    QTest::newRow("Live: nothing sent") << 1 << 2 << 0u << 1 << 2 << QStringList();
    QTest::newRow("Normal from live") << 4 << 1 << 0u << 0 << 1 << QStringList{"#1 SET_MODE v=1 i=0", status1};
    QTest::newRow("Normal from live, not confirmed") << 4 << 1 << uint(wire::status::Live) << -1 << 0
                                                     << QStringList{"#1 SET_MODE v=1 i=0", status1} + F::disconnect(1);
}

void tst_controller_connection::userInterfaceMode()
{
    QFETCH(int, startMode);
    QFETCH(int, choice);
    QFETCH(uint, stuckBits);
    sim_device &d = f->bus.addDevice(serialA);
    QVERIFY(f->connectAndReset());
    if (startMode != MODE_NORMAL)
        QCOMPARE(c().setWorkingMode(startMode), startMode);
    f->reset();
    d.statusForceSet = stuckBits;

    QTEST(c().ch_mode(choice), "result");
    QTEST(c().uiMode, "uiMode");
    QTEST(f->bus.logTexts(), "log");
    checkConsistent();
}

void tst_controller_connection::freezeAndUnfreeze_data()
{
    QTest::addColumn<bool>("freeze");
    QTest::addColumn<uint>("forceSet");
    QTest::addColumn<uint>("forceClear");
    QTest::addColumn<sim_fault>("fault");  // on the freeze or unfreeze request
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("waits");

    const QString freeze = QStringLiteral("#1 FREEZE v=0 i=0");
    const QString unfreeze = QStringLiteral("#1 UNFREEZE v=0 i=0");
    const uint busy = wire::status::Busy;
    const uint frozen = wire::status::Frozen;
    QTest::newRow("freeze") << true << 0u << 0u << sim_fault() << 0 << QStringList{status1, freeze, status1} << 0;
    QTest::newRow("unfreeze") << false << 0u << 0u << sim_fault() << 0 << QStringList{status1, unfreeze, status1} << 0;
    QTest::newRow("freeze, busy for good: dropped unsent")
        << true << busy << 0u << sim_fault() << -1 << QStringList(10, status1) + F::disconnect(1) << 10;
    QTest::newRow("freeze not confirmed: dropped")
        << true << 0u << frozen << sim_fault() << -1 << QStringList{status1, freeze} + QStringList(10, status1) + F::disconnect(1)
        << 10;
    QTest::newRow("unfreeze, still frozen: dropped")
        << false << frozen << 0u << sim_fault() << -1
        << QStringList{status1, unfreeze} + QStringList(10, status1) + F::disconnect(1) << 10;
    QTest::newRow("freeze request fails: dropped")
        << true << 0u << 0u << sim_fault::fail() << -1 << QStringList{status1, freeze + " !fail"} + F::disconnect(1) << 0;
}

void tst_controller_connection::freezeAndUnfreeze()
{
    QFETCH(bool, freeze);
    QFETCH(uint, forceSet);
    QFETCH(uint, forceClear);
    QFETCH(sim_fault, fault);
    QFETCH(int, result);
    sim_device &d = f->bus.addDevice(serialA);
    QVERIFY(f->connectAndReset());
    if (!freeze)
        d.status |= wire::status::Frozen;
    d.statusForceSet = forceSet;
    d.statusForceClear = forceClear;
    d.injectOnRequest(freeze ? wire::request::Freeze : wire::request::Unfreeze, 1, fault);

    QCOMPARE(freeze ? c().freeze() : c().unfreeze(), result);
    QTEST(f->bus.logTexts(), "log");
    QTEST(f->clock.waits, "waits");
    QCOMPARE(f->statusSignals, result == 0 ? QList<bool>{} : QList<bool>{false});
    if (result == 0)
        QCOMPARE((d.status & wire::status::Frozen) != 0, freeze);
    checkConsistent();
}

void tst_controller_connection::stateFlag_data()
{
    QTest::addColumn<bool>("loader");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("connected");

    QTest::newRow("set") << false << 1 << 0 << true << true;
    QTest::newRow("clear") << false << 0 << 0 << false << true;
    QTest::newRow("in the loader: true without a request") << true << 0 << 0 << true << true;
    QTest::newRow("nine failures, then the flag") << false << 7 << 9 << true << true;
    QTest::newRow("ten failures: dropped") << false << 1 << 10 << false << false;
}

void tst_controller_connection::stateFlag()
{
    QFETCH(bool, loader);
    QFETCH(int, flag);
    QFETCH(int, failures);
    QFETCH(bool, connected);
    sim_device &d = f->bus.addDevice(serialA);
    d.inLoader = loader;
    d.stateFlag = u8(flag);
    QVERIFY(f->connectAndReset());
    for (int i = 1; i <= failures; ++i)
        d.injectOnRequest(wire::request::StateFlag, i, sim_fault::fail());

    QTEST(c().readStateFlag(), "result");
    QStringList expected = QStringList(failures, "#1 STATE_FLAG v=0 i=0 in 2 !fail");
    if (connected && !loader)
        expected << "#1 STATE_FLAG v=0 i=0 in 2";
    if (!connected)
        expected += F::disconnect(1);
    QCOMPARE(f->bus.logTexts(), expected);
    QCOMPARE(c().isConnected(), connected);
    checkConsistent();
}

void tst_controller_connection::faultWalkThroughAConnect_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<sim_fault>("fault");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("sn");
    QTest::addColumn<QString>("fw");

    // The operations of a whole connect, in order, and what a failure at each leaves.
    const QStringList names{"list", "open", "configuration", "claim", "model code", "serial in the search",
                            "serial re-read", "firmware version", "loader check", "normal mode", "normal check"};
    const QString sn = QStringLiteral("S/N 5F0000-0001");
    const QString fw = QStringLiteral("F/W ver. 3.00.0011");
    const QString none = QStringLiteral("F/W ----");
    const QString noSn = QStringLiteral("S/N ----");
    struct outcome {
        bool connected;
        QString sn;
        QString fw;
    };
    // Search failures leave the texts as they were (empty F/W text); later ones drop.
    const outcome searchFails{false, noSn, QString()};
    const outcome dropped{false, noSn, none};
    const QList<outcome> onFail{searchFails, searchFails, searchFails, searchFails, searchFails, searchFails,
                                {true, noSn, fw},  // the serial text is only for show
                                {true, sn, fw},    // the version is asked again at once
                                dropped, dropped, dropped};
    const QList<outcome> onVanish{searchFails, searchFails, searchFails, searchFails, searchFails, searchFails,
                                  dropped, dropped, dropped, dropped, dropped};
    // Replies one byte short: a model code or status cut short fails; a shorter serial or
    // version still counts (the search's shorter serial is replaced by the re-read).
    const QList<int> shortened{4, 5, 6, 7, 8, 10};
    const QList<outcome> onShort{searchFails, {true, sn, fw}, {true, "S/N 5F0000-000", fw},
                                 {true, sn, fw}, dropped, dropped};

    for (int i = 0; i < names.size(); ++i) {
        QTest::addRow("fail at %d, %s", i, qPrintable(names[i]))
            << i << sim_fault::fail() << onFail[i].connected << onFail[i].sn << onFail[i].fw;
        QTest::addRow("vanish at %d, %s", i, qPrintable(names[i]))
            << i << sim_fault::vanish() << onVanish[i].connected << onVanish[i].sn << onVanish[i].fw;
    }
    for (int k = 0; k < shortened.size(); ++k) {
        const int i = shortened[k];
        QTest::addRow("short at %d, %s", i, qPrintable(names[i]))
            << i << sim_fault::shortReply() << onShort[k].connected << onShort[k].sn << onShort[k].fw;
    }
}

void tst_controller_connection::faultWalkThroughAConnect()
{
    QFETCH(int, operation);
    QFETCH(sim_fault, fault);
    QFETCH(bool, connected);
    f->bus.addDevice(serialA);
    f->bus.injectAt(operation, fault);

    c().setConnection(true);
    QCOMPARE(c().connected, connected ? 1 : 0);
    QTEST(c().serialText(), "sn");
    QTEST(c().firmwareText(), "fw");
    QVERIFY(!f->statusSignals.isEmpty());
    checkConsistent();
    // Nothing runs on: at most the two status checks waited.
    QVERIFY(f->clock.waits <= 2);
    QVERIFY(f->bus.log.size() <= 11 + 10 + 3);
    // The fault hit the operation it was meant for.
    QVERIFY(!f->bus.log[operation].outcome.isEmpty());
    QCOMPARE(f->bus.logTexts().mid(0, operation), F::wholeConnect(1).mid(0, operation));
}

QTEST_GUILESS_MAIN(tst_controller_connection)
#include "tst_controller_connection.moc"
