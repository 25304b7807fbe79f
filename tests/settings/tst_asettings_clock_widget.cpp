#include "model/application_identity.h"
#include "model/bcd_codec.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "settings/asettings_clock_widget.h"
#include "tests/sim/sim_clock_engine.h"
#include "tests/sim/sim_device_protocol.h"
#include "tests/support/message_summary.h"
#include "tests/support/page_fixture.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {

QByteArray bytes(std::initializer_list<u8> list)
{
    return QByteArray(reinterpret_cast<const char *>(list.begin()), int(list.size()));
}

QString critical(const char *title, const char *text)
{
    return messageSummary(message_icon::Critical, QString::fromLatin1(title), QString::fromLatin1(text));
}

const QString SetFailed = critical("Varidex625", "Date and time setting\nerror!");
const QString SetDone =
    messageSummary(message_icon::Information, QStringLiteral("Varidex625"), QStringLiteral("Date and time setting\nsuccessful!"));

} // namespace

// The controller clock settings: the date and time sent with their daylight-saving flag,
// the configuration's daylight-saving word, and the calibration group against the
// simulated controller.
class tst_asettings_clock_widget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsAsBuilt();
    void refreshShowsTheConfiguration_data();
    void refreshShowsTheConfiguration();
    void daylightSavingBoxWritesTheWord();
    void setSendsTheEditorsDateAndTime();
    void setSendsTheSystemTime();
    void dateBoxOffersTheClocksYears_data();
    void dateBoxOffersTheClocksYears();
    void systemTimeBeyondTheClocksYearsIsNotSent();
    void setFailsWithoutController();
    void calibrationClosedWhenDisconnected();
    void calibrationNeedsCoreG_data();
    void calibrationNeedsCoreG();
    void calibrationSetSendsAndCloses();
    void calibrationClosesWhenTheConnectionChanges();
    void calibrationSetThatFailsSaysSo();
    void clockReadingsFollowTheController();

private:
    std::unique_ptr<page_fixture> f;
    asettings_clock_widget *p = nullptr;
    sim_clock_engine *clock = nullptr;

    kd620_controller_class &c() { return *f->controller; }
    u16 daylightWord() const { return readU16(f->image(), image_layout::DaylightSaving); }
};

void tst_asettings_clock_widget::init()
{
    f = std::make_unique<page_fixture>();
    f->controller->clockCalibration = -4;
    p = new asettings_clock_widget(f->tabPage.get());
    clock = f->bus.device(1).findEngine<sim_clock_engine>();
    QVERIFY(clock);
}

void tst_asettings_clock_widget::cleanup()
{
    QVERIFY(page_fixture::tearDown(f).isEmpty());
}

void tst_asettings_clock_widget::startsAsBuilt()
{
    QCOMPARE(p->dateTimeEdit->displayFormat(), QStringLiteral("dddd, dd.MM.yyyy hh:mm:ss"));
    QVERIFY(p->dateTimeEdit->isEnabled());
    QVERIFY(!p->useSystemTimeBox->isChecked());
    QVERIFY(!p->dstEnableBox->isChecked());
    QVERIFY(!p->dstBox->isChecked());
    QVERIFY(!p->dstBox->isEnabled());
    QVERIFY(p->setButton->isEnabled());
    QVERIFY(p->calibrationGroup->isCheckable());
    QVERIFY(!p->calibrationGroup->isChecked());
    QVERIFY(!p->calibrationSpin->isEnabled());
    QCOMPARE(p->calibrationSpin->minimum(), -31);
    QCOMPARE(p->calibrationSpin->maximum(), 31);
    QCOMPARE(p->calibration, -4);
    QCOMPARE(p->calibrationSpin->value(), -4);
    QCOMPARE(p->adjustmentLabel->text(), QStringLiteral("Adjustment:"));

    // The editor is disabled while the system time is used.
    p->useSystemTimeBox->click();
    QVERIFY(!p->dateTimeEdit->isEnabled());
    p->useSystemTimeBox->click();
    QVERIFY(p->dateTimeEdit->isEnabled());
}

void tst_asettings_clock_widget::refreshShowsTheConfiguration_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<bool>("boxBefore");
    QTest::addColumn<int>("flag");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("wordAfter");
    QTest::addColumn<bool>("dstChecked");
    QTest::newRow("enabled, box off: rewritten as 0") << 0 << false << 1 << true << 0 << true;
    QTest::newRow("disabled, box on") << 0xFFFF << true << 1 << false << 0xFFFF << true;
    QTest::newRow("disabled, no flag") << 0xFFFF << true << 0 << false << 0xFFFF << false;
    QTest::newRow("another word, box off: becomes 0") << 0x1234 << false << 0 << true << 0 << false;
    QTest::newRow("another word, box already on: kept") << 0x1234 << true << 0 << true << 0x1234 << false;
}

void tst_asettings_clock_widget::refreshShowsTheConfiguration()
{
    QFETCH(int, word);
    QFETCH(bool, boxBefore);
    QFETCH(int, flag);
    p->dstEnableBox->setChecked(boxBefore);
    writeU16(f->image(), image_layout::DaylightSaving, u16(word));
    c().dstFlag = u8(flag);
    c().clockCalibration = 9;

    p->refresh();

    QTEST(p->dstEnableBox->isChecked(), "enabled");
    QTEST(p->dstBox->isEnabled(), "enabled");
    QTEST(int(daylightWord()), "wordAfter");
    QTEST(p->dstBox->isChecked(), "dstChecked");
    QCOMPARE(p->dateTimeEdit->dateTime(), f->clock.currentDateTime());
    // The page takes the calibration; the spin box shows it when the group next closes.
    QCOMPARE(p->calibration, 9);
    QCOMPARE(p->calibrationSpin->value(), -4);
}

void tst_asettings_clock_widget::daylightSavingBoxWritesTheWord()
{
    p->refresh();  // a cleared configuration has daylight saving enabled
    QVERIFY(p->dstEnableBox->isChecked());
    QVERIFY(p->dstBox->isEnabled());
    p->dstBox->setChecked(true);
    c().dstFlag = 0;

    // Off: 0xFFFF at once, and the box shows the controller's flag, disabled.
    p->dstEnableBox->click();
    QCOMPARE(int(daylightWord()), 0xFFFF);
    QCOMPARE(readU16(f->image(), 0x4872), u16(0xFFFF));
    QVERIFY(!p->dstBox->isEnabled());
    QVERIFY(!p->dstBox->isChecked());

    // On: 0, and the box enabled without changing its state.
    c().dstFlag = 1;
    p->dstEnableBox->click();
    QCOMPARE(int(daylightWord()), 0);
    QVERIFY(p->dstBox->isEnabled());
    QVERIFY(!p->dstBox->isChecked());
}

void tst_asettings_clock_widget::setSendsTheEditorsDateAndTime()
{
    QVERIFY(f->connectAndReset());
    p->refresh();
    p->dateTimeEdit->setDateTime(QDateTime(QDate(2026, 6, 1), QTime(10, 5, 0)));
    p->dstBox->setChecked(true);
    p->setButton->click();
    // Monday 01.06.2026 10:05:00 with daylight saving; the calibration last known (-4).
    QCOMPARE(clock->setRecords, QList<QByteArray>{bytes({0x00, 0x05, 0x10, 0x01, 0x01, 0xE6, 0x26, 0x04})});
    QCOMPARE(messageSummaries(f->ui), QStringList{SetDone});

    // Without the flag, the last moment the box offers: Thursday 31.12.2099.
    f->ui.clear();
    p->dstBox->setChecked(false);
    p->dateTimeEdit->setDateTime(QDateTime(QDate(2100, 1, 2), QTime(23, 59, 58)));
    QCOMPARE(p->dateTimeEdit->dateTime(), QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59, 999)));
    p->setButton->click();
    QCOMPARE(clock->setRecords.last(), bytes({0x59, 0x59, 0x23, 0x04, 0x31, 0x12, 0x99, 0x04}));
    QCOMPARE(messageSummaries(f->ui), QStringList{SetDone});
}

// The box offers the years the controller's clock holds, 2000..2099, whatever is typed or
// stepped; the keys that step the year stop at either end.
void tst_asettings_clock_widget::dateBoxOffersTheClocksYears_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<int>("key");
    QTest::addColumn<QDate>("after");
    QTest::newRow("PageUp past 2099") << QDate(2095, 6, 15) << int(Qt::Key_PageUp) << QDate(2099, 6, 15);
    QTest::newRow("up from 2099") << QDate(2099, 6, 15) << int(Qt::Key_Up) << QDate(2099, 6, 15);
    QTest::newRow("PageDown below 2000") << QDate(2004, 3, 15) << int(Qt::Key_PageDown) << QDate(2000, 3, 15);
    QTest::newRow("down from 2000") << QDate(2000, 1, 1) << int(Qt::Key_Down) << QDate(2000, 1, 1);
}

void tst_asettings_clock_widget::dateBoxOffersTheClocksYears()
{
    QFETCH(QDate, shown);
    QFETCH(int, key);
    QCOMPARE(p->dateTimeEdit->minimumDate(), QDate(2000, 1, 1));
    QCOMPARE(p->dateTimeEdit->maximumDate(), QDate(2099, 12, 31));
    p->dateTimeEdit->setDateTime(QDateTime(shown, QTime(12, 0)));
    f->tabPage->show();
    QVERIFY(QTest::qWaitForWindowActive(f->tabPage.get()));
    p->dateTimeEdit->setFocus();
    p->dateTimeEdit->setCurrentSection(QDateTimeEdit::YearSection);
    QTest::keyClick(p->dateTimeEdit, Qt::Key(key));
    QTEST(p->dateTimeEdit->date(), "after");
}

// The system's clock past the controller's years: Set says it failed and sends nothing.
void tst_asettings_clock_widget::systemTimeBeyondTheClocksYearsIsNotSent()
{
    QVERIFY(f->connectAndReset());
    f->clock.startDateTime = QDateTime(QDate(2100, 1, 1), QTime(0, 0, 5));
    p->useSystemTimeBox->click();
    p->setButton->click();
    QVERIFY(clock->setRecords.isEmpty());
    QCOMPARE(messageSummaries(f->ui), QStringList{SetFailed});
}

void tst_asettings_clock_widget::setSendsTheSystemTime()
{
    QVERIFY(f->connectAndReset());
    p->dateTimeEdit->setDateTime(QDateTime(QDate(2030, 3, 3), QTime(3, 3, 3)));
    p->useSystemTimeBox->click();
    // The moment of the click counts.
    f->clock.advance(65 * 1000);
    const QDateTime now = f->clock.currentDateTime();
    p->setButton->click();
    QCOMPARE(clock->setRecords.size(), 1);
    const QByteArray record = clock->setRecords.first();
    QCOMPARE(record.mid(0, 3), bytes({toBcd(now.time().second()), toBcd(now.time().minute()), toBcd(now.time().hour())}));
    QCOMPARE(record.mid(4, 3), bytes({toBcd(now.date().day()), toBcd(now.date().month()), 0x26}));
    QVERIFY(now.date() != QDate(2030, 3, 3));
}

void tst_asettings_clock_widget::setFailsWithoutController()
{
    p->setButton->click();
    QCOMPARE(messageSummaries(f->ui), QStringList{SetFailed});
    QCOMPARE(f->ui.messages.first().parentWidget.data(), static_cast<QObject *>(p));
    QVERIFY(clock->setRecords.isEmpty());
}

void tst_asettings_clock_widget::calibrationClosedWhenDisconnected()
{
    p->calibrationSpin->setValue(3);
    p->calibrationGroup->setChecked(true);
    QVERIFY(!p->calibrationGroup->isChecked());
    QVERIFY(!p->calibrationSpin->isEnabled());
    QCOMPARE(p->calibrationSpin->value(), -4);
    QCOMPARE(messageSummaries(f->ui), QStringList{critical("USB Interface", "Not connected!")});
    QVERIFY(clock->calibrationCodes.isEmpty());
}

void tst_asettings_clock_widget::calibrationNeedsCoreG_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<bool>("opens");
    QTest::newRow("3.00") << 3 << true << true;
    QTest::newRow("4.00") << 4 << true << true;
    QTest::newRow("2.99") << 2 << true << false;
    QTest::newRow("no version: F/W ----") << 3 << false << false;
}

void tst_asettings_clock_widget::calibrationNeedsCoreG()
{
    QFETCH(int, major);
    QFETCH(bool, answers);
    QFETCH(bool, opens);
    sim_device &device = f->bus.device(1);
    device.firmwareMajor = i8(major);
    device.firmwareMinor = i8(major == 2 ? 99 : 0);
    device.answersFirmwareVersion = answers;
    QVERIFY(f->connectAndReset());
    p->calibrationGroup->setChecked(true);
    QCOMPARE(p->calibrationGroup->isChecked(), opens);
    QCOMPARE(p->calibrationSpin->isEnabled(), opens);
    QCOMPARE(messageSummaries(f->ui),
             opens ? QStringList() : QStringList{critical("Overdue firmware version!", "Required core \"G\" or newer!")});
}

void tst_asettings_clock_widget::calibrationSetSendsAndCloses()
{
    QVERIFY(f->connectAndReset());
    p->calibrationGroup->setChecked(true);

    // Closing without Set drops the change and sends nothing.
    p->calibrationSpin->setValue(12);
    p->calibrationGroup->setChecked(false);
    QCOMPARE(p->calibrationSpin->value(), -4);
    QVERIFY(clock->calibrationCodes.isEmpty());

    // Set sends, keeps and closes.
    p->calibrationGroup->setChecked(true);
    p->calibrationSpin->setValue(-7);
    p->calibrationSetButton->click();
    QCOMPARE(clock->calibrationCodes, QList<int>{0x07});
    QCOMPARE(c().clockCalibration, -7);
    QCOMPARE(p->calibration, -7);
    QVERIFY(!p->calibrationGroup->isChecked());
    QCOMPARE(p->calibrationSpin->value(), -7);
    QVERIFY(f->ui.messages.isEmpty());

    p->calibrationGroup->setChecked(true);
    p->calibrationSpin->setValue(31);
    p->calibrationSetButton->click();
    QCOMPARE(clock->calibrationCodes.last(), 0x3F);
}

// The group was opened for one controller: when the connection drops it closes, dropping
// the edit, and after reconnecting to a controller whose firmware takes no calibration it
// only opens through its gate, which refuses.
void tst_asettings_clock_widget::calibrationClosesWhenTheConnectionChanges()
{
    QVERIFY(f->connectAndReset());
    p->calibrationGroup->setChecked(true);
    p->calibrationSpin->setValue(12);

    sim_device &device = f->bus.device(1);
    device.vanish();
    c().controllerTimeText();  // the clock display's next tick finds the controller gone
    QVERIFY(!c().isConnected());
    QVERIFY(!p->calibrationGroup->isChecked());
    QVERIFY(!p->calibrationSetButton->isEnabled());
    QCOMPARE(p->calibrationSpin->value(), -4);
    QCOMPARE(c().clockCalibration, -4);

    device.firmwareMajor = 2;
    device.firmwareMinor = 99;
    device.firmwareBuild = 11;
    device.reappear();
    f->ui.clear();
    c().setConnection(true);
    QVERIFY(c().isConnected());
    QCOMPARE(c().firmwareText(), QStringLiteral("F/W ver. 2.99.0011"));
    QVERIFY(!p->calibrationGroup->isChecked());
    QVERIFY(!p->calibrationSetButton->isEnabled());
    p->calibrationGroup->setChecked(true);
    QVERIFY(!p->calibrationGroup->isChecked());
    QCOMPARE(messageSummaries(f->ui), QStringList{critical("Overdue firmware version!", "Required core \"G\" or newer!")});
    QVERIFY(clock->calibrationCodes.isEmpty());

    // A reconnect to a controller that takes a calibration closes an open group as well.
    device.firmwareMajor = 3;
    device.firmwareMinor = 0;
    c().setConnection(false);
    c().setConnection(true);
    p->calibrationGroup->setChecked(true);
    QVERIFY(p->calibrationGroup->isChecked());
    p->calibrationSpin->setValue(5);
    c().setConnection(false);
    c().setConnection(true);
    QVERIFY(!p->calibrationGroup->isChecked());
    QCOMPARE(p->calibrationSpin->value(), -4);
    QVERIFY(clock->calibrationCodes.isEmpty());
}

// A calibration the controller did not take is reported, and neither the page nor the
// controller object holds it as set.
void tst_asettings_clock_widget::calibrationSetThatFailsSaysSo()
{
    QVERIFY(f->connectAndReset());
    p->calibrationGroup->setChecked(true);
    p->calibrationSpin->setValue(-7);
    f->bus.device(1).injectOnRequest(sim_protocol::request::ClockCalibration, 1, sim_fault::fail());
    p->calibrationSetButton->click();
    QCOMPARE(messageSummaries(f->ui), QStringList{critical("USB Interface", "Operation failed!")});
    QCOMPARE(f->ui.messages.first().parentWidget.data(), static_cast<QObject *>(p));
    QVERIFY(clock->calibrationCodes.isEmpty());
    QCOMPARE(c().clockCalibration, -4);
    QCOMPARE(p->calibration, -4);
    QVERIFY(!p->calibrationGroup->isChecked());
    QCOMPARE(p->calibrationSpin->value(), -4);

    // The next Set goes through.
    f->ui.clear();
    p->calibrationGroup->setChecked(true);
    p->calibrationSpin->setValue(-7);
    p->calibrationSetButton->click();
    QCOMPARE(clock->calibrationCodes, QList<int>{0x07});
    QCOMPARE(c().clockCalibration, -7);
    QCOMPARE(p->calibrationSpin->value(), -7);
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_asettings_clock_widget::clockReadingsFollowTheController()
{
    QVERIFY(f->connectAndReset());
    clock->record[5] = 0x12 | 0xE0;  // daylight saving in force
    clock->record[7] = 0x20 + 6;     // calibration +6
    c().controllerTimeText();
    QVERIFY(p->dstBox->isChecked());
    QVERIFY(!p->dstBox->isEnabled());  // set whether or not the user may change it
    QCOMPARE(p->calibration, 6);
    QCOMPARE(p->calibrationSpin->value(), 6);

    // While the group is open a reading leaves the edit alone.
    p->calibrationGroup->setChecked(true);
    p->calibrationSpin->setValue(-1);
    p->showCalibration(2);
    QCOMPARE(p->calibrationSpin->value(), -1);
    QCOMPARE(p->calibration, 6);
    // Closed, a reading of the same value changes nothing, another replaces it.
    p->calibrationGroup->setChecked(false);
    QCOMPARE(p->calibrationSpin->value(), 6);
    p->showCalibration(6);
    QCOMPARE(p->calibrationSpin->value(), 6);
    p->showCalibration(-3);
    QCOMPARE(p->calibration, -3);
    QCOMPARE(p->calibrationSpin->value(), -3);
}

QTEST_MAIN(tst_asettings_clock_widget)
#include "tst_asettings_clock_widget.moc"
