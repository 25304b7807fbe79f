#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_event_engine.h"
#include "tests/sim/sim_link_fixture.h"

#include <QtTest>

#include <memory>

namespace wire = sim_protocol;

namespace {

const QString serialA = QStringLiteral("005F0000-0001");

} // namespace

// Firing one event on the controller: the request on the wire, the ten tries, and what a
// failure leaves behind.
class tst_fire_event : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<sim_link_fixture>(); }
    void cleanup()
    {
        const QStringList problems = sim_link_fixture::tearDown(f);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void firesTheEvent_data();
    void firesTheEvent();
    void notConnectedSendsNothing();

private:
    QList<int> fired() { return f->bus.device(1).findEngine<sim_event_engine>()->fired; }

    std::unique_ptr<sim_link_fixture> f;
};

void tst_fire_event::firesTheEvent_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<sim_fault>("fault");
    QTest::addColumn<int>("failures");  // tries that meet the fault before one may go through
    QTest::addColumn<bool>("result");

    QTest::newRow("power on, first try") << 0x400 << sim_fault() << 0 << true;
    QTest::newRow("last input off, after nine failures") << 0x136F << sim_fault::fail() << 9 << true;
    QTest::newRow("sunset, after time-outs") << 0x801 << sim_fault::timeout() << 3 << true;
    QTest::newRow("ten failures") << 0x1340 << sim_fault::fail() << 10 << false;
    QTest::newRow("ten time-outs") << 0xFFF << sim_fault::timeout() << 10 << false;
}

void tst_fire_event::firesTheEvent()
{
    QFETCH(int, code);
    QFETCH(sim_fault, fault);
    QFETCH(int, failures);
    QFETCH(bool, result);
    f->bus.addDevice(serialA);
    QVERIFY(f->connectAndReset());
    for (int i = 1; i <= failures; ++i)
        f->bus.device(1).injectOnRequest(wire::request::FireEvent, i, fault);

    QCOMPARE(f->controller->fireEvent(u16(code)), result);

    const int tries = result ? failures + 1 : 10;
    QCOMPARE(f->bus.log.size(), tries);
    for (const sim_log_entry &request : f->bus.log) {
        // A vendor request out with no data stage; the code goes high byte first.
        QCOMPARE(request.setup.requestType(), wire::VendorOut);
        QCOMPARE(request.setup.request(), u8(wire::request::FireEvent));
        QCOMPARE(request.setup.wValue(), u16(0));
        QCOMPARE(request.setup.bytes[4], u8(code >> 8));
        QCOMPARE(request.setup.bytes[5], u8(code & 0xFF));
        QCOMPARE(request.setup.wLength(), u16(0));
    }
    QCOMPARE(fired(), result ? QList<int>{code} : QList<int>{});
    // Failing to fire is no reason to give up the connection, and the caller tells the user.
    QVERIFY(f->controller->isConnected());
    QVERIFY(f->statusSignals.isEmpty());
    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(f->clock.waits, 0);
}

void tst_fire_event::notConnectedSendsNothing()
{
    f->bus.addDevice(serialA);
    QVERIFY(!f->controller->fireEvent(0x400));
    QVERIFY(f->bus.log.isEmpty());
    QVERIFY(fired().isEmpty());
}

QTEST_GUILESS_MAIN(tst_fire_event)
#include "tst_fire_event.moc"
