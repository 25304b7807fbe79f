#include "link/usb_protocol.h"
#include "tests/sim/sim_clock_engine.h"
#include "tests/sim/sim_link_fixture.h"
#include "tests/sim/sim_device_protocol.h"

#include <QLocale>
#include <QtTest>

#include <memory>

namespace wire = sim_protocol;

namespace {

using F = sim_link_fixture;

const QString serial = QStringLiteral("005F0000-0001");
const QString status1 = QStringLiteral("#1 STATUS v=0 i=0 in 8");
const QString readClock = QStringLiteral("#1 READ_CLOCK v=0 i=0 in 8");
const QString dashes = QStringLiteral("------,  --.--.----  --:--:--");

QByteArray bytes(std::initializer_list<u8> list)
{
    return QByteArray(reinterpret_cast<const char *>(list.begin()), int(list.size()));
}

// The clock text for a day of the week and a date and time.
QString clockText(int dayOfWeek, const QString &dateAndTime)
{
    return QLocale::system().dayName(dayOfWeek, QLocale::ShortFormat) + dateAndTime;
}

// The default record's clock counted on by some seconds, as the text shows it.
QString counted(int seconds)
{
    return QDateTime(QDate(2026, 12, 31), QTime(23, 59, 30)).addSecs(seconds).toString(QStringLiteral(", dd.MM.yyyy  hh:mm:ss"));
}

} // namespace

class tst_controller_clock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void decodeRecord_data();
    void decodeRecord();
    void noClockWithoutController();
    void rereadEveryMinute();
    void failedReads();
    void busyControllerCountsOn();
    void setClock_data();
    void setClock();
    void setClockFailures();
    void calibration_data();
    void calibration();

private:
    kd620_controller_class &c() { return *f->controller; }
    sim_clock_engine &clock() { return *f->bus.device(1).findEngine<sim_clock_engine>(); }
    // Moves time on by ms and asks for the clock text, as the one-second timer does.
    QString tick(qint64 ms = 1000)
    {
        f->clock.advance(ms);
        return c().controllerTimeText();
    }
    int clockReads() const { return int(f->bus.logTexts().filter(QStringLiteral("READ_CLOCK")).size()); }
    std::unique_ptr<sim_link_fixture> f;
    QList<QPair<bool, int>> clockSignals;
};

void tst_controller_clock::init()
{
    f = std::make_unique<sim_link_fixture>();
    f->bus.addDevice(serial);
    clockSignals.clear();
    QObject::connect(f->controller.get(), &kd620_controller_class::controllerClockRead,
                     [this](bool dst, int calibration) { clockSignals.append({dst, calibration}); });
}

void tst_controller_clock::cleanup()
{
    const QStringList problems = sim_link_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_controller_clock::decodeRecord_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<int>("calibration");

    QTest::newRow("Thursday 31.12.2026 23:59:30, calibration +5")
        << bytes({0x30, 0x59, 0x23, 0x04, 0x31, 0x12, 0x26, 0x25}) << clockText(4, ", 31.12.2026  23:59:30") << false << 5;
    QTest::newRow("daylight-saving bits in the month byte")
        << bytes({0x30, 0x59, 0x23, 0x04, 0x31, 0xF2, 0x26, 0x25}) << clockText(4, ", 31.12.2026  23:59:30") << true << 5;
    QTest::newRow("one daylight-saving bit is enough")
        << bytes({0x00, 0x00, 0x00, 0x01, 0x01, 0x26, 0x26, 0x20}) << clockText(1, ", 01.06.2026  00:00:00") << true << 0;
    QTest::newRow("calibration 0x05 is -5")
        << bytes({0x00, 0x05, 0x10, 0x01, 0x01, 0x06, 0x26, 0x05}) << clockText(1, ", 01.06.2026  10:05:00") << false << -5;
    QTest::newRow("calibration 0x1F is -31, 0x3F +31")
        << bytes({0x00, 0x05, 0x10, 0x01, 0x01, 0x06, 0x26, 0x1F}) << clockText(1, ", 01.06.2026  10:05:00") << false << -31;
    QTest::newRow("calibration 0x3F is +31")
        << bytes({0x00, 0x05, 0x10, 0x01, 0x01, 0x06, 0x26, 0x3F}) << clockText(1, ", 01.06.2026  10:05:00") << false << 31;
    QTest::newRow("unused bits of the time bytes are ignored")
        << bytes({0xB0, 0xD9, 0xE3, 0xFC, 0xF1, 0x12, 0x26, 0xE0}) << clockText(4, ", 31.12.2026  23:59:30") << false << 0;
    QTest::newRow("minutes 0x1A read as 20")
        << bytes({0x00, 0x1A, 0x10, 0x01, 0x01, 0x06, 0x26, 0x20}) << clockText(1, ", 01.06.2026  10:20:00") << false << 0;
    QTest::newRow("hours not BCD: the day's name alone")
        << bytes({0x00, 0x00, 0x1B, 0x05, 0x01, 0x06, 0x26, 0x20}) << clockText(5, QString()) << false << 0;
    QTest::newRow("31st of June: the day's name alone")
        << bytes({0x00, 0x00, 0x10, 0x03, 0x31, 0x06, 0x26, 0x20}) << clockText(3, QString()) << false << 0;
}

void tst_controller_clock::decodeRecord()
{
    QFETCH(QByteArray, record);
    QFETCH(bool, dst);
    QFETCH(int, calibration);
    std::copy_n(reinterpret_cast<const u8 *>(record.constData()), 8, clock().record);
    QVERIFY(f->connectAndReset());

    QTEST(c().controllerTimeText(), "text");
    QCOMPARE(f->bus.logTexts(), (QStringList{status1, readClock}));
    QCOMPARE(c().clockValid, 1);
    QCOMPARE(c().clockRereadCounter, 0);
    QCOMPARE(c().dstFlag != 0, dst);
    QCOMPARE(c().clockCalibration, calibration);
    QCOMPARE(clockSignals, (QList<QPair<bool, int>>{{dst, calibration}}));
}

void tst_controller_clock::noClockWithoutController()
{
    c().clockValid = 1;
    QCOMPARE(c().controllerTimeText(), dashes);
    QCOMPARE(c().clockValid, 0);

    f->bus.device(1).inLoader = true;
    QVERIFY(f->connectAndReset());
    QCOMPARE(c().workingMode(), int(MODE_LOADER));
    QCOMPARE(tick(), dashes);
    QCOMPARE(f->bus.logTexts(), QStringList());
}

void tst_controller_clock::rereadEveryMinute()
{
    QVERIFY(f->connectAndReset());
    QCOMPARE(c().controllerTimeText(), clockText(4, ", 31.12.2026  23:59:30"));
    QCOMPARE(clockReads(), 1);
    // The controller's clock moves on by itself; between reads the text counts on, the day's
    // name staying that of the last read.
    clock().record[0] = 0x45;
    QCOMPARE(tick(), clockText(4, ", 31.12.2026  23:59:31"));
    for (int s = 2; s <= 29; ++s)
        tick();
    QCOMPARE(c().controllerTimeText(), clockText(4, ", 31.12.2026  23:59:59"));
    QCOMPARE(tick(), clockText(4, ", 01.01.2027  00:00:00"));
    for (int s = 31; s <= 60; ++s)
        tick();
    QCOMPARE(clockReads(), 1);
    // The 61st second reads again.
    QCOMPARE(tick(), clockText(4, ", 31.12.2026  23:59:45"));
    QCOMPARE(clockReads(), 2);
    QCOMPARE(f->clock.waits, 0);
    QCOMPARE(clockSignals.size(), 2);

    // A set forces a read at the next call.
    QCOMPARE(c().setControllerClock(QDateTime(QDate(2026, 6, 1), QTime(10, 5)), false), 0);
    QCOMPARE(tick(), clockText(1, ", 01.06.2026  10:05:00"));
    QCOMPARE(clockReads(), 3);
}

void tst_controller_clock::failedReads()
{
    QVERIFY(f->connectAndReset());
    QCOMPARE(c().controllerTimeText(), clockText(4, ", 31.12.2026  23:59:30"));
    for (int s = 1; s <= 60; ++s)
        tick();
    clock().readStalls = true;
    f->reset();

    // From the next read on every read fails: ten failures in a row still count on, each
    // call trying ten times.
    for (int n = 1; n <= 10; ++n) {
        QCOMPARE(tick(), clockText(4, counted(60 + n)));
        QCOMPARE(c().clockValid, 0);
        QCOMPARE(c().clockRereadCounter, n);
        QCOMPARE(clockReads(), 10 * n);
    }
    QCOMPARE(tick(), dashes);
    QCOMPARE(tick(), dashes);
    QCOMPARE(c().clockRereadCounter, 10);
    QCOMPARE(clockReads(), 120);
    QCOMPARE(c().connected, 1);

    // The first good read shows the controller's clock again.
    clock().readStalls = false;
    QCOMPARE(tick(), clockText(4, ", 31.12.2026  23:59:30"));
    QCOMPARE(c().clockValid, 1);
    QCOMPARE(c().clockRereadCounter, 0);
}

void tst_controller_clock::busyControllerCountsOn()
{
    QVERIFY(f->connectAndReset());
    QCOMPARE(c().controllerTimeText(), clockText(4, ", 31.12.2026  23:59:30"));
    for (int s = 1; s <= 60; ++s)
        tick();
    f->bus.device(1).statusForceSet = wire::status::Busy;
    f->reset();

    QCOMPARE(tick(), clockText(4, counted(61)));
    QCOMPARE(c().clockValid, 0);
    // No longer valid: the next call tries again (the busy poll's 100 ms counted too).
    QCOMPARE(tick(), clockText(4, counted(62)));
    QCOMPARE(f->bus.logTexts(), QStringList(2, status1));
    QCOMPARE(f->clock.waits, 2);
    QCOMPARE(c().clockRereadCounter, 0);
}

void tst_controller_clock::setClock_data()
{
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<int>("calibration");  // sent before, carried in byte 7
    QTest::addColumn<QByteArray>("record");

    QTest::newRow("Monday 01.06.2026 10:05:00 with daylight saving")
        << QDateTime(QDate(2026, 6, 1), QTime(10, 5)) << true << 5
        << bytes({0x00, 0x05, 0x10, 0x01, 0x01, 0xE6, 0x26, 0x25});
    QTest::newRow("Sunday 31.12.2028 23:59:59 without")
        << QDateTime(QDate(2028, 12, 31), QTime(23, 59, 59)) << false << -31
        << bytes({0x59, 0x59, 0x23, 0x07, 0x31, 0x12, 0x28, 0x1F});
    QTest::newRow("Thursday 31.12.2099, the clock's last year")
        << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59)) << false << 0
        << bytes({0x59, 0x59, 0x23, 0x04, 0x31, 0x12, 0x99, 0x20});
}

void tst_controller_clock::setClock()
{
    QFETCH(QDateTime, dateTime);
    QFETCH(bool, dst);
    QFETCH(int, calibration);
    QVERIFY(f->connectAndReset());
    QCOMPARE(c().setClockCalibration(calibration), 0);
    c().clockValid = 1;
    c().clockRereadCounter = 0;
    f->reset();

    QCOMPARE(c().setControllerClock(dateTime, dst), 0);
    QCOMPARE(f->bus.logTexts(), (QStringList{status1, "#1 SET_CLOCK v=0 i=0 out 8"}));
    QTEST(clock().setRecords.value(0), "record");
    QCOMPARE(c().clockValid, 0);
    QCOMPARE(c().clockRereadCounter, 10);
    QCOMPARE(c().lastRequest[0], int(wire::request::SetClock));
}

void tst_controller_clock::setClockFailures()
{
    const QDateTime t(QDate(2026, 6, 1), QTime(10, 5));
    QVERIFY(f->connectAndReset());
    sim_device &d = f->bus.device(1);
    // A refused set keeps the connection.
    d.injectOnRequest(wire::request::SetClock, 1, sim_fault::fail());
    QCOMPARE(c().setControllerClock(t, false), -1);
    QCOMPARE(c().connected, 1);
    QCOMPARE(c().clockRereadCounter, 10);
    // A controller that stays busy drops it.
    d.statusForceSet = wire::status::Busy;
    f->reset();
    QCOMPARE(c().setControllerClock(t, false), -1);
    QCOMPARE(f->bus.logTexts(), QStringList(10, status1) + F::disconnect(1));
    QCOMPARE(c().connected, 0);
    QCOMPARE(clock().setRecords.size(), 0);

    // A year the clock's BCD byte cannot hold is refused before anything is sent.
    d.statusForceSet = 0;
    QVERIFY(f->connectAndReset());
    for (const QDateTime &outside : {QDateTime(QDate(2100, 1, 1), QTime(0, 0)), QDateTime(QDate(1999, 12, 31), QTime(23, 59))}) {
        f->reset();
        QCOMPARE(c().setControllerClock(outside, false), -1);
        QVERIFY(f->bus.logTexts().isEmpty());
        QCOMPARE(c().connected, 1);
    }
    QCOMPARE(clock().setRecords.size(), 0);
}

void tst_controller_clock::calibration_data()
{
    QTest::addColumn<int>("calibration");
    QTest::addColumn<int>("code");
    QTest::newRow("-31") << -31 << 0x1F;
    QTest::newRow("-1") << -1 << 0x01;
    QTest::newRow("0") << 0 << 0x20;
    QTest::newRow("31") << 31 << 0x3F;
}

void tst_controller_clock::calibration()
{
    QFETCH(int, calibration);
    QFETCH(int, code);
    QVERIFY(f->connectAndReset());

    QCOMPARE(c().setClockCalibration(calibration), 0);
    QCOMPARE(f->bus.logTexts(), QStringList{QStringLiteral("#1 CLOCK_CALIBRATION v=%1 i=0").arg(code)});
    // High byte first in wValue.
    QCOMPARE(int(f->bus.log[0].setup.bytes[2]), 0);
    QCOMPARE(int(f->bus.log[0].setup.bytes[3]), code);
    QCOMPARE(clock().calibrationCodes, QList<int>{code});
    QCOMPARE(c().clockCalibration, calibration);
    QCOMPARE(c().lastRequest[0], int(wire::request::ClockCalibration));

    // A refused request reports -1 and keeps the connection; the controller keeps its
    // calibration, and so does the controller object.
    f->bus.device(1).injectOnRequest(wire::request::ClockCalibration, 1, sim_fault::fail());
    QCOMPARE(c().setClockCalibration(calibration == 0 ? 5 : -calibration), -1);
    QCOMPARE(c().clockCalibration, calibration);
    QCOMPARE(c().connected, 1);
}

QTEST_GUILESS_MAIN(tst_controller_clock)
#include "tst_controller_clock.moc"
