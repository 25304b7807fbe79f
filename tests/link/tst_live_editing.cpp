#include "link/transfer_hold.h"
#include "link/usb_protocol.h"
#include "model/image_layout.h"
#include "tests/sim/sim_link_fixture.h"
#include "tests/sim/sim_live_engine.h"
#include "tests/sim/sim_device_protocol.h"

#include <QtTest>

#include <functional>
#include <memory>

namespace wire = sim_protocol;

namespace {

using F = sim_link_fixture;

const QString serial = QStringLiteral("005F0000-0001");
const QString status1 = QStringLiteral("#1 STATUS v=0 i=0 in 8");
const QString liveScene = QStringLiteral("#1 LIVE_SCENE v=1 i=0");
const QString sceneFrame = QStringLiteral("#1 bulk out 524 0x11/0 @0x00000000");
const QStringList enterLive{QStringLiteral("#1 SET_MODE v=4 i=0"), status1};

// One cycle of a live scene: the request, the busy poll, the frame.
QStringList sceneCycle()
{
    return {liveScene, status1, sceneFrame};
}

QStringList times(const QStringList &texts, int n)
{
    QStringList all;
    for (int i = 0; i < n; ++i)
        all += texts;
    return all;
}

// Makes the controller or the connection misbehave before a call.
using shaper = std::function<void(sim_link_fixture &)>;
// What the pages ask of the controller while a transfer holds the link.
using live_asks = std::function<void(kd620_controller_class &)>;

sim_live_engine &liveOf(sim_link_fixture &f)
{
    return *f.bus.device(1).findEngine<sim_live_engine>();
}

} // namespace

Q_DECLARE_METATYPE(shaper)
Q_DECLARE_METATYPE(live_asks)

class tst_live_editing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sceneReplies_data();
    void sceneReplies();
    void gatingByMode_data();
    void gatingByMode();
    void setupBytesAndLevels();
    void failuresDropOnce_data();
    void failuresDropOnce();
    void liveWaitsForTheTransfer_data();
    void liveWaitsForTheTransfer();

private:
    kd620_controller_class &c() { return *f->controller; }
    std::unique_ptr<sim_link_fixture> f;
};

void tst_live_editing::init()
{
    f = std::make_unique<sim_link_fixture>();
    f->bus.addDevice(serial);
    QVERIFY(f->connectAndReset());
    c().uiMode = 2;
}

void tst_live_editing::cleanup()
{
    const QStringList problems = sim_link_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_live_editing::sceneReplies_data()
{
    QTest::addColumn<QList<uint>>("answers");  // the controller's answer to each scene frame
    QTest::addColumn<uint>("lateBits");        // shown only from lateAfterMs after the call on
    QTest::addColumn<qint64>("lateAfterMs");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("waits");
    QTest::addColumn<bool>("connected");

    const uint done = wire::status::Done;
    const uint failed = wire::status::Failed;
    const QStringList poll{status1};
    const QStringList once = sceneCycle() + poll;
    QTest::newRow("DONE") << QList<uint>{done} << 0u << qint64(0) << enterLive + once << 1 << true;
    QTest::newRow("FAILED twice, then DONE: sent three times")
        << QList<uint>{failed, failed, done} << 0u << qint64(0) << enterLive + times(once, 3) << 3 << true;
    QTest::newRow("FAILED ten times, then DONE: the budget suffices")
        << (QList<uint>(10, failed) << done) << 0u << qint64(0) << enterLive + times(once, 11) << 11 << true;
    QTest::newRow("FAILED eleven times: dropped")
        << QList<uint>(11, failed) << 0u << qint64(0) << enterLive + times(once, 11) + F::disconnect(1) << 11 << false;
    // A poll costs 100 ms unless both DONE and FAILED show, an empty one 100 ms more.
    QTest::newRow("never answered: eleven polls, then dropped")
        << QList<uint>{0} << 0u << qint64(0) << enterLive + sceneCycle() + times(poll, 11) + F::disconnect(1) << 22
        << false;
    QTest::newRow("DONE on the last poll the budget allows")
        << QList<uint>{0} << done << qint64(2000) << enterLive + sceneCycle() + times(poll, 11) << 21 << true;
    QTest::newRow("DONE one poll too late")
        << QList<uint>{0} << done << qint64(2200) << enterLive + sceneCycle() + times(poll, 11) + F::disconnect(1) << 22
        << false;
    QTest::newRow("two empty polls, FAILED, then DONE: one budget for both")
        << QList<uint>{0, done} << failed << qint64(400) << enterLive + sceneCycle() + times(poll, 3) + once << 6 << true;
}

void tst_live_editing::sceneReplies()
{
    QFETCH(QList<uint>, answers);
    QFETCH(uint, lateBits);
    QFETCH(qint64, lateAfterMs);
    QFETCH(bool, connected);
    sim_device &d = f->bus.device(1);
    for (uint a : answers)
        liveOf(*f).sceneAnswers.enqueue(a);
    if (lateBits != 0)
        d.at(f->clock.nowMs + lateAfterMs, [&d, lateBits] { d.status |= lateBits; });

    c().send_sc_prep(7);
    QTEST(f->bus.logTexts(), "log");
    QTEST(f->clock.waits, "waits");
    QCOMPARE(c().connected, connected ? 1 : 0);
    QCOMPARE(f->statusSignals.size(), connected ? 0 : 1);
    QVERIFY(!f->statusSignals.contains(true));
    QCOMPARE(c().workingMode(), connected ? int(MODE_LIVE) : int(MODE_NONE));
}

void tst_live_editing::gatingByMode_data()
{
    QTest::addColumn<int>("uiMode");
    QTest::addColumn<int>("controllerMode");
    QTest::addColumn<bool>("scene");  // send_sc_prep, else send_new_val
    QTest::addColumn<QStringList>("log");

    const QStringList channel{status1, QStringLiteral("#1 LIVE_CHANNEL v=%1 i=9").arg(0x33)};
    const QStringList scene = sceneCycle() << status1;
    QTest::newRow("Normal chosen: no scene") << 1 << int(MODE_LIVE) << true << QStringList();
    QTest::newRow("Normal chosen: no channel") << 1 << int(MODE_LIVE) << false << QStringList();
    QTest::newRow("nothing chosen: no scene") << 0 << int(MODE_NORMAL) << true << QStringList();
    QTest::newRow("Live chosen, controller normal: live mode first") << 2 << int(MODE_NORMAL) << true << enterLive + scene;
    QTest::newRow("Live chosen, controller normal: channel ignored") << 2 << int(MODE_NORMAL) << false << QStringList();
    QTest::newRow("Live chosen, controller live: scene alone") << 2 << int(MODE_LIVE) << true << scene;
    QTest::newRow("Live chosen, controller live: channel") << 2 << int(MODE_LIVE) << false << channel;
}

void tst_live_editing::gatingByMode()
{
    QFETCH(int, uiMode);
    QFETCH(int, controllerMode);
    QFETCH(bool, scene);
    if (controllerMode != MODE_NORMAL)
        QCOMPARE(c().setWorkingMode(controllerMode), controllerMode);
    c().uiMode = uiMode;
    c().confData[image_layout::sceneLevel(3, 9)] = 0x33;
    f->reset();

    if (scene)
        c().send_sc_prep(3);
    else
        c().send_new_val(3, 9);
    QTEST(f->bus.logTexts(), "log");
    QCOMPARE(c().connected, 1);
}

void tst_live_editing::setupBytesAndLevels()
{
    u8 *levels = c().confData + image_layout::sceneLevel(3071, 0);
    for (int ch = 0; ch < 512; ++ch)
        levels[ch] = u8(ch * 7);
    c().send_sc_prep(3071);
    const sim_log_entry &request = f->bus.log[2];
    QCOMPARE(request.what, liveScene.mid(3));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(request.setup.bytes), 8), QByteArray("\x40\x11\x01\x00\x00\x00\x00\x00", 8));
    QCOMPARE(liveOf(*f).levels, QByteArray(reinterpret_cast<const char *>(levels), 512));
    QCOMPARE(c().lastRequest[0], int(wire::request::LiveScene));
    QCOMPARE(c().lastRequest[1], 1);

    levels[511] = 0xFE;
    f->reset();
    c().send_new_val(3071, 511);
    const sim_log_entry &channel = f->bus.log.last();
    // Level and channel travel high byte first.
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(channel.setup.bytes), 8), QByteArray("\x40\x0B\x00\xFE\x01\xFF\x00\x00", 8));
    QCOMPARE(u8(liveOf(*f).levels[511]), u8(0xFE));
    QCOMPARE(c().lastRequest[1], 0xFE);
    QCOMPARE(c().lastRequest[2], 511);

    // Numbers outside the image are refused before anything is read or sent.
    f->reset();
    c().send_sc_prep(-1);
    c().send_sc_prep(3072);
    c().send_new_val(3072, 0);
    c().send_new_val(-1, 0);
    c().send_new_val(0, 512);
    c().send_new_val(0, -1);
    QCOMPARE(f->bus.logTexts(), QStringList());
}

void tst_live_editing::failuresDropOnce_data()
{
    QTest::addColumn<shaper>("fault");
    QTest::addColumn<bool>("scene");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("scene: live mode not entered")
        << shaper([](F &f) { f.bus.device(1).statusForceClear = wire::status::Live; }) << true
        << enterLive + F::disconnect(1);
    QTest::newRow("scene: request fails") << shaper([](F &f) { f.bus.device(1).injectOnRequest(wire::request::LiveScene, 1, sim_fault::fail()); })
                                          << true << enterLive + QStringList{liveScene + " !fail"} + F::disconnect(1);
    QTest::newRow("scene: busy for good") << shaper([](F &f) {
        f.controller->setWorkingMode(MODE_LIVE);
        f.reset();
        f.bus.device(1).statusForceSet = wire::status::Busy;
    }) << true << QStringList{liveScene} + QStringList(10, status1) + F::disconnect(1);
    QTest::newRow("scene: frame cut short")
        << shaper([](F &f) { f.bus.injectAt(4, sim_fault::shortReply()); }) << true
        << enterLive + QStringList{liveScene, status1, sceneFrame + " !short"} + F::disconnect(1);
    QTest::newRow("scene: status read fails while polling")
        << shaper([](F &f) {
               liveOf(f).sceneAnswers.enqueue(0);
               f.bus.injectAt(6, sim_fault::fail());
           })
        << true << enterLive + sceneCycle() + QStringList{status1, status1 + " !fail"} + F::disconnect(1);
    QTest::newRow("channel: busy for good") << shaper([](F &f) {
        f.controller->setWorkingMode(MODE_LIVE);
        f.reset();
        f.bus.device(1).statusForceSet = wire::status::Busy;
    }) << false << QStringList(10, status1) + F::disconnect(1);
    QTest::newRow("channel: request fails") << shaper([](F &f) {
        f.controller->setWorkingMode(MODE_LIVE);
        f.reset();
        f.bus.device(1).injectOnRequest(wire::request::LiveChannel, 1, sim_fault::fail());
    }) << false << QStringList{status1, "#1 LIVE_CHANNEL v=0 i=4 !fail"} + F::disconnect(1);
}

void tst_live_editing::failuresDropOnce()
{
    QFETCH(shaper, fault);
    QFETCH(bool, scene);
    c().confData[image_layout::sceneLevel(2, 4)] = 0;
    fault(*f);

    if (scene)
        c().send_sc_prep(2);
    else
        c().send_new_val(2, 4);
    QTEST(f->bus.logTexts(), "log");
    QCOMPARE(f->statusSignals.size(), 1);  // dropped once
    QVERIFY(!f->statusSignals.first());
    QCOMPARE(c().connected, 0);
}

void tst_live_editing::liveWaitsForTheTransfer_data()
{
    QTest::addColumn<bool>("controllerLive");  // the controller in live mode before the transfer
    QTest::addColumn<live_asks>("asks");
    QTest::addColumn<QStringList>("after");    // what goes out once the transfer is over
    QTest::addColumn<int>("shownScene");       // the scene the outputs show then, -1 none

    const QStringList shown = sceneCycle() << status1;
    QTest::newRow("a scene: shown afterwards, live mode entered then")
        << false << live_asks([](kd620_controller_class &c) { c.send_sc_prep(3); }) << enterLive + shown << 3;
    QTest::newRow("two scenes: the last one shown") << false << live_asks([](kd620_controller_class &c) {
        c.send_sc_prep(3);
        c.send_sc_prep(5);
    }) << enterLive + shown << 5;
    QTest::newRow("a level: its whole scene shown afterwards")
        << true << live_asks([](kd620_controller_class &c) { c.send_new_val(5, 9); }) << shown << 5;
    QTest::newRow("Normal chosen before the end: nothing") << false << live_asks([](kd620_controller_class &c) {
        c.send_sc_prep(3);
        c.uiMode = kd620_controller_class::UiModeNormal;
    }) << QStringList() << -1;
    QTest::newRow("connection lost before the end: nothing") << false << live_asks([](kd620_controller_class &c) {
        c.send_sc_prep(3);
        c.dropConnection();
    }) << QStringList() << -1;
    QTest::newRow("a transfer within the transfer: shown when the outer one ends")
        << false << live_asks([](kd620_controller_class &c) {
               const transfer_hold inner(c);
               c.send_sc_prep(5);
           })
        << enterLive + shown << 5;
    QTest::newRow("nothing asked: nothing sent") << false << live_asks([](kd620_controller_class &) {})
                                                 << QStringList() << -1;
}

// A request slipped between a transfer's frames would break the transfer: live scenes and
// levels wait until the last transfer is over, and then the scene last asked for is shown.
void tst_live_editing::liveWaitsForTheTransfer()
{
    QFETCH(bool, controllerLive);
    QFETCH(live_asks, asks);
    QFETCH(int, shownScene);
    for (int scene : {3, 5})
        std::fill_n(c().confData + image_layout::sceneLevel(u32(scene), 0), 512, u8(0x30 + scene));
    if (controllerLive)
        QCOMPARE(c().setWorkingMode(MODE_LIVE), int(MODE_LIVE));
    liveOf(*f).levels.fill('\0');
    f->reset();
    {
        const transfer_hold hold(c());
        asks(c());
        const QStringList disconnect = f->statusSignals.isEmpty() ? QStringList() : F::disconnect(1);
        QCOMPARE(f->bus.logTexts(), disconnect);
        f->reset();
    }
    QTEST(f->bus.logTexts(), "after");
    const QByteArray expected(512, char(shownScene < 0 ? 0 : 0x30 + shownScene));
    QCOMPARE(liveOf(*f).levels, expected);
    // Nothing waits any more: the next scene goes out at once.
    f->reset();
    c().send_sc_prep(3);
    QCOMPARE(f->bus.logTexts().contains(liveScene), c().uiMode == kd620_controller_class::UiModeLive);
}

QTEST_GUILESS_MAIN(tst_live_editing)
#include "tst_live_editing.moc"
