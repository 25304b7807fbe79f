#include "events/aevents_clock_set_widget.h"
#include "link/kd620_controller_class.h"
#include "tests/support/page_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

// The timer field editor on its own, with the real widgets of its form: what each field
// edit stores, the "Any" boxes, the day range, loading without storing, and Clear.
class tst_aevents_clock_set_widget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { QVERIFY(page_fixture::tearDown(f).isEmpty()); }

    void formAsBuilt();
    void fieldsToBytes_data();
    void fieldsToBytes();
    void anyBoxes();
    void outOfRangeStoresNothingButReports();
    void fixDayRange_data();
    void fixDayRange();
    void yearWraps();
    void loadingWritesNothing();
    void loadingShowsTheFields();
    void clearAll();
    void clearOnAnAnyTimerDoesNothing();

private:
    std::unique_ptr<page_fixture> f;
    aevents_clock_set_widget *editor = nullptr;

    timer_entry_class &timer(int row) { return f->controller->timerTable[row]; }
    template <typename T> T *child(const char *name)
    {
        T *w = editor->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }
    QSpinBox *spin(const char *name) { return child<QSpinBox>(name); }
    QCheckBox *any(const char *name) { return child<QCheckBox>(name); }
    // A timer of given fields, shown in the editor.
    void showTimer(int row, const timer_entry_class &fields)
    {
        timer(row) = fields;
        editor->setTimer(0x800 + row);
    }
    static timer_entry_class fields(u8 year, u8 month, u8 day, u8 weekDay, u8 hour, u8 minute)
    {
        timer_entry_class t;
        t.year = year;
        t.month = month;
        t.day = day;
        t.weekDay = weekDay;
        t.hour = hour;
        t.minute = minute;
        return t;
    }
};

void tst_aevents_clock_set_widget::init()
{
    f = std::make_unique<page_fixture>();
    editor = new aevents_clock_set_widget(f->tabPage.get());
}

void tst_aevents_clock_set_widget::formAsBuilt()
{
    QCOMPARE(editor->size(), QSize(532, 81));
    auto *week = child<QComboBox>("comboBoxDw");
    QCOMPARE(week->count(), 7);
    QCOMPARE(week->itemText(0), QStringLiteral("Monday"));
    QCOMPARE(week->itemText(6), QStringLiteral("Sunday"));
    QVERIFY(!week->isEditable());
    QCOMPARE(spin("spinBoxY")->minimum(), 2000);
    QCOMPARE(spin("spinBoxY")->maximum(), 2099);
    QCOMPARE(spin("spinBoxHour")->maximum(), 23);
    QCOMPARE(spin("spinBoxMin")->maximum(), 59);
    for (const char *name : {"spinBoxY", "spinBoxM", "spinBoxDm", "spinBoxHour", "spinBoxMin"})
        QVERIFY2(spin(name)->wrapping(), name);
    // The form's own connection: a checked "Any" box disables its editor.
    showTimer(2, fields(0x24, 0x05, 0x17, 3, 0x08, 0x30));
    QVERIFY(spin("spinBoxHour")->isEnabled());
    any("checkBoxHourAny")->click();
    QVERIFY(!spin("spinBoxHour")->isEnabled());
    QVERIFY(child<QComboBox>("comboBoxDw")->isEnabled());
    any("checkBoxDwAny")->click();
    QVERIFY(!child<QComboBox>("comboBoxDw")->isEnabled());
}

void tst_aevents_clock_set_widget::fieldsToBytes_data()
{
    QTest::addColumn<QString>("editorName");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("byteIndex");  // 0 year .. 5 minute
    QTest::addColumn<int>("byte");
    QTest::newRow("hour 9") << "spinBoxHour" << 9 << 4 << 0x09;
    QTest::newRow("hour 23") << "spinBoxHour" << 23 << 4 << 0x23;
    QTest::newRow("hour 0") << "spinBoxHour" << 0 << 4 << 0x00;
    QTest::newRow("minute 5") << "spinBoxMin" << 5 << 5 << 0x05;
    QTest::newRow("minute 59") << "spinBoxMin" << 59 << 5 << 0x59;
    QTest::newRow("day 17") << "spinBoxDm" << 17 << 2 << 0x17;
    QTest::newRow("month 12") << "spinBoxM" << 12 << 1 << 0x12;
    QTest::newRow("year 2024") << "spinBoxY" << 2024 << 0 << 0x24;
    QTest::newRow("year 2000") << "spinBoxY" << 2000 << 0 << 0x00;
    QTest::newRow("Sunday") << "comboBoxDw" << 6 << 3 << 7;
    QTest::newRow("Monday") << "comboBoxDw" << 0 << 3 << 1;
}

void tst_aevents_clock_set_widget::fieldsToBytes()
{
    QFETCH(QString, editorName);
    QFETCH(int, value);
    QFETCH(int, byteIndex);
    QFETCH(int, byte);
    // A timer with every field set, so only the edited byte may change.
    const timer_entry_class before = fields(0x10, 0x06, 0x15, 2, 0x12, 0x34);
    showTimer(7, before);
    QSignalSpy changed(editor, &aevents_clock_set_widget::changed);

    QWidget *w = editor->findChild<QWidget *>(editorName);
    if (auto *box = qobject_cast<QSpinBox *>(w))
        box->setValue(value);
    else
        qobject_cast<QComboBox *>(w)->setCurrentIndex(value);

    const timer_entry_class &after = timer(7);
    const u8 bytes[6] = {after.year, after.month, after.day, after.weekDay, after.hour, after.minute};
    const u8 old[6] = {before.year, before.month, before.day, before.weekDay, before.hour, before.minute};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(int(bytes[i]), i == byteIndex ? byte : int(old[i]));
    QCOMPARE(after.event, before.event);
    QCOMPARE(changed.count(), 1);
}

void tst_aevents_clock_set_widget::anyBoxes()
{
    showTimer(3, fields(0x24, 0x05, 0x17, 3, 0x08, 0x30));
    QSignalSpy changed(editor, &aevents_clock_set_widget::changed);

    // Checking stores any and leaves the editor's value ...
    any("checkBoxDmAny")->click();
    QCOMPARE(timer(3).day, u8(0xFF));
    QCOMPARE(spin("spinBoxDm")->value(), 17);
    QVERIFY(!spin("spinBoxDm")->isEnabled());
    // ... unchecking stores what the editor shows.
    any("checkBoxDmAny")->click();
    QCOMPARE(timer(3).day, u8(0x17));
    QVERIFY(spin("spinBoxDm")->isEnabled());

    any("checkBoxDwAny")->click();
    QCOMPARE(timer(3).weekDay, u8(0xFF));
    any("checkBoxDwAny")->click();
    QCOMPARE(timer(3).weekDay, u8(3));

    any("checkBoxYAny")->click();
    QCOMPARE(timer(3).year, u8(0xFF));
    any("checkBoxYAny")->click();
    QCOMPARE(timer(3).year, u8(0x24));
    QCOMPARE(changed.count(), 6);
}

void tst_aevents_clock_set_widget::outOfRangeStoresNothingButReports()
{
    const timer_entry_class before = fields(0x10, 0x06, 0x15, 2, 0x12, 0x34);
    showTimer(4, before);
    QSignalSpy changed(editor, &aevents_clock_set_widget::changed);
    editor->hourChange(24);
    editor->minChange(60);
    editor->dOMChange(0);
    editor->mChange(13);
    editor->dOWChange(7);
    editor->yChange(10000);
    QVERIFY(timer(4) == before);
    QCOMPARE(changed.count(), 6);
    // 255 stands for any.
    editor->hourChange(255);
    QCOMPARE(timer(4).hour, u8(0xFF));
}

void tst_aevents_clock_set_widget::fixDayRange_data()
{
    QTest::addColumn<int>("yearByte");   // 0xFF any
    QTest::addColumn<int>("dayByte");    // 0xFF any
    QTest::addColumn<int>("shownDay");   // what the day editor shows before
    QTest::addColumn<int>("newMonth");   // 0 checks month "Any"
    QTest::addColumn<int>("dayShown");
    QTest::addColumn<int>("dayMaximum");
    QTest::addColumn<int>("dayStored");

    QTest::newRow("February 2024") << 0x24 << 0x31 << 31 << 2 << 29 << 29 << 0x29;
    QTest::newRow("February 2001") << 0x01 << 0x31 << 31 << 2 << 28 << 28 << 0x28;
    QTest::newRow("February, any year") << 0xFF << 0x31 << 31 << 2 << 29 << 29 << 0x29;
    QTest::newRow("31st to April") << 0x24 << 0x31 << 31 << 4 << 30 << 30 << 0x30;
    QTest::newRow("short day kept") << 0x24 << 0x12 << 12 << 2 << 12 << 29 << 0x12;
    QTest::newRow("any day to April") << 0x24 << 0xFF << 31 << 4 << 30 << 30 << 0xFF;
    QTest::newRow("any month allows 31") << 0x24 << 0x31 << 31 << 0 << 31 << 31 << 0x31;
}

void tst_aevents_clock_set_widget::fixDayRange()
{
    QFETCH(int, yearByte);
    QFETCH(int, dayByte);
    QFETCH(int, shownDay);
    QFETCH(int, newMonth);
    QFETCH(int, dayShown);
    QFETCH(int, dayMaximum);
    QFETCH(int, dayStored);
    // Start in January, the day editor showing shownDay.
    showTimer(9, fields(u8(yearByte), 0x01, u8(shownDay / 10 * 16 + shownDay % 10), 1, 0x00, 0x00));
    if (dayByte == 0xFF)
        any("checkBoxDmAny")->click();
    QCOMPARE(int(timer(9).day), dayByte);

    if (newMonth == 0)
        any("checkBoxMAny")->click();
    else
        spin("spinBoxM")->setValue(newMonth);

    QCOMPARE(spin("spinBoxDm")->value(), dayShown);
    QCOMPARE(spin("spinBoxDm")->maximum(), dayMaximum);
    QCOMPARE(int(timer(9).day), dayStored);
}

void tst_aevents_clock_set_widget::yearWraps()
{
    showTimer(5, fields(0x99, 0x03, 0x01, 1, 0x00, 0x00));
    spin("spinBoxY")->stepUp();
    QCOMPARE(spin("spinBoxY")->value(), 2000);
    QCOMPARE(timer(5).year, u8(0x00));
    spin("spinBoxY")->stepDown();
    QCOMPARE(spin("spinBoxY")->value(), 2099);
    QCOMPARE(timer(5).year, u8(0x99));
    // The day range follows the shown year: February 2099 has 28 days.
    spin("spinBoxM")->setValue(2);
    QCOMPARE(spin("spinBoxDm")->maximum(), 28);
}

void tst_aevents_clock_set_widget::loadingWritesNothing()
{
    // A February timer, then one with any month on the 31st, a week day the editor cannot
    // show (0), and bytes that are no BCD at all.
    timer(2) = fields(0x24, 0x02, 0x29, 5, 0x23, 0x59);
    timer(3) = fields(0xFF, 0xFF, 0x31, 0, 0x07, 0xFF);
    timer(4) = fields(0xAB, 0x1C, 0x3F, 9, 0xFE, 0x77);
    timer(3).event = 0x803;
    const timer_entry_class before[3] = {timer(2), timer(3), timer(4)};
    QSignalSpy changed(editor, &aevents_clock_set_widget::changed);

    for (int code : {0x802, 0x803, 0x804, 0x802, 0x804, 0x803}) {
        editor->setTimer(code);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(timer(2 + i) == before[i], qPrintable(QStringLiteral("timer %1 after showing %2").arg(2 + i).arg(code, 0, 16)));
    }
    QCOMPARE(changed.count(), 0);
}

void tst_aevents_clock_set_widget::loadingShowsTheFields()
{
    showTimer(2, fields(0x24, 0x02, 0x29, 7, 0x09, 0x05));
    QCOMPARE(spin("spinBoxY")->value(), 2024);
    QCOMPARE(spin("spinBoxM")->value(), 2);
    QCOMPARE(spin("spinBoxDm")->value(), 29);
    QCOMPARE(child<QComboBox>("comboBoxDw")->currentIndex(), 6);
    QCOMPARE(spin("spinBoxHour")->value(), 9);
    QCOMPARE(spin("spinBoxMin")->value(), 5);
    QVERIFY(editor->isVisibleTo(f->tabPage.get()));

    // After a February timer the 31st of an any month is not cut to 29.
    showTimer(3, fields(0xFF, 0xFF, 0x31, 0, 0xFF, 0x00));
    QVERIFY(any("checkBoxYAny")->isChecked());
    QVERIFY(!spin("spinBoxY")->isEnabled());
    QVERIFY(any("checkBoxMAny")->isChecked());
    QCOMPARE(spin("spinBoxDm")->value(), 31);
    QVERIFY(!any("checkBoxDmAny")->isChecked());
    QVERIFY(spin("spinBoxDm")->isEnabled());
    // A week day of 0 shows as Monday, the hour as any.
    QCOMPARE(child<QComboBox>("comboBoxDw")->currentIndex(), 0);
    QVERIFY(!any("checkBoxDwAny")->isChecked());
    QVERIFY(any("checkBoxHourAny")->isChecked());
    QVERIFY(!spin("spinBoxHour")->isEnabled());
    QCOMPARE(timer(3).day, u8(0x31));
    QCOMPARE(timer(3).weekDay, u8(0));
}

void tst_aevents_clock_set_widget::clearAll()
{
    timer_entry_class t = fields(0x24, 0x05, 0xFF, 3, 0x08, 0x30);
    t.event = 0x806;
    showTimer(6, t);
    f->controller->eventActions.appendAction(0x806);
    QSignalSpy changed(editor, &aevents_clock_set_widget::changed);
    editor->clearAll(false);
    timer_entry_class cleared;
    cleared.event = 0x806;
    QVERIFY(timer(6) == cleared);
    QCOMPARE(changed.count(), 5);  // the day was any already
    for (const char *name : {"checkBoxYAny", "checkBoxMAny", "checkBoxDmAny", "checkBoxDwAny", "checkBoxHourAny",
                             "checkBoxMinAny"})
        QVERIFY2(any(name)->isChecked(), name);
    QVERIFY(!spin("spinBoxMin")->isEnabled());
    QCOMPARE(f->controller->eventActions.count(0x806), 1);
}

void tst_aevents_clock_set_widget::clearOnAnAnyTimerDoesNothing()
{
    showTimer(8, timer_entry_class());
    QSignalSpy changed(editor, &aevents_clock_set_widget::changed);
    editor->clearAll(false);
    QCOMPARE(changed.count(), 0);
    QVERIFY(timer(8) == timer_entry_class());
}

QTEST_MAIN(tst_aevents_clock_set_widget)
#include "tst_aevents_clock_set_widget.moc"
