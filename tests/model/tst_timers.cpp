#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"

#include <QtTest>

using namespace image_layout;

namespace {

timer_entry_class imageRow(const kd620_controller_class &c, u32 row)
{
    return timer_entry_class::read(c.confData, timerRow(row));
}

timer_entry_class timeOfDay(u8 hour, u8 minute)
{
    timer_entry_class t;
    t.hour = hour;
    t.minute = minute;
    return t;
}

bool isAllFF(const timer_entry_class &t)
{
    return t == timer_entry_class();
}

} // namespace

class tst_timers : public QObject
{
    Q_OBJECT

private slots:
    // Rows in use are compacted from image row 2 on; unpacking puts them back at their event.
    void packCompactsAndUnpackRestores()
    {
        kd620_controller_class c;
        c.timerTable[5] = timeOfDay(0x12, 0x30);
        c.eventActions.appendAction(0x805);
        c.eventActions.appendAction(0x809);  // an action but every field "any"
        c.packTimers();

        timer_entry_class expected5 = timeOfDay(0x12, 0x30);
        expected5.event = 0x805;
        timer_entry_class expected9;
        expected9.event = 0x809;
        QVERIFY(imageRow(c, 2) == expected5);
        QVERIFY(imageRow(c, 3) == expected9);
        for (u32 r = 4; r < TimerRowCount; ++r)
            QVERIFY(isAllFF(imageRow(c, r)));
        QVERIFY(c.timerTable[5] == expected5);  // the table carries the events now

        for (timer_entry_class &row : c.timerTable)
            row.reset();
        c.unpackTimers();
        QVERIFY(c.timerTable[5] == expected5);
        QVERIFY(c.timerTable[9] == expected9);
        for (u32 r = 0; r < TimerRowCount; ++r) {
            if (r != 5 && r != 9)
                QVERIFY(isAllFF(c.timerTable[r]));
        }
    }

    // Which rows the packer keeps: a row is written when its event has actions or its
    // event was set before and it still has a time.
    void packKeepsRowsInUse_data()
    {
        QTest::addColumn<bool>("hasTime");
        QTest::addColumn<int>("eventBefore");
        QTest::addColumn<int>("actions");  // -1: the event never had a list
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("eventAfter");
        QTest::newRow("time, no action, event never set") << true << 0xFFFF << -1 << false << 0xFFFF;
        QTest::newRow("time, no action, event set before") << true << 0x807 << -1 << true << 0x807;
        QTest::newRow("no time, no action, event set before") << false << 0x807 << -1 << false << 0xFFFF;
        QTest::newRow("no time, action") << false << 0xFFFF << 1 << true << 0x807;
        QTest::newRow("time and action") << true << 0xFFFF << 2 << true << 0x807;
        QTest::newRow("action removed again") << true << 0xFFFF << 0 << false << 0xFFFF;
    }
    void packKeepsRowsInUse()
    {
        QFETCH(bool, hasTime);
        QFETCH(int, eventBefore);
        QFETCH(int, actions);
        QFETCH(bool, written);
        QFETCH(int, eventAfter);
        kd620_controller_class c;
        timer_entry_class row;
        if (hasTime)
            row.weekDay = 3;
        row.event = u16(eventBefore);
        c.timerTable[7] = row;
        if (actions == 0)
            c.eventActions.removeAction(0x807, c.eventActions.appendAction(0x807));
        for (int i = 0; i < actions; ++i)
            c.eventActions.appendAction(0x807);
        c.packTimers();
        QCOMPARE(int(c.timerTable[7].event), eventAfter);
        if (written) {
            QCOMPARE(int(imageRow(c, 2).event), 0x807);
            QCOMPARE(int(imageRow(c, 2).weekDay), hasTime ? 3 : 0xFF);
        } else {
            QVERIFY(isAllFF(imageRow(c, 2)));
        }
    }

    // The sun rows are taken as they are on packing; on unpacking they carry only their
    // event, and only while sun events are on and the event has actions.
    void sunRows_data()
    {
        QTest::addColumn<int>("sunEventDelays");
        QTest::addColumn<bool>("sunriseAction");
        QTest::addColumn<int>("row0Event");
        QTest::addColumn<int>("row1Event");
        QTest::newRow("sun events off") << 0xFFFF << true << 0xFFFF << 0xFFFF;
        QTest::newRow("on, both with actions") << 0x0302 << true << 0x800 << 0x801;
        QTest::newRow("on, sunset only") << 0 << false << 0xFFFF << 0x801;
    }
    void sunRows()
    {
        QFETCH(int, sunEventDelays);
        QFETCH(bool, sunriseAction);
        QFETCH(int, row0Event);
        QFETCH(int, row1Event);
        kd620_controller_class c;
        writeU16(c.confData, SunEventDelays, u16(sunEventDelays));
        if (sunriseAction)
            c.eventActions.appendAction(EventSunrise);
        c.eventActions.appendAction(EventSunset);
        c.eventActions.appendAction(0x802);
        c.timerTable[0] = timeOfDay(0x06, 0x00);  // not a field the sun rows use
        c.timerTable[0].event = 0x800;
        c.packTimers();
        QVERIFY(imageRow(c, 0) == c.timerTable[0]);
        QVERIFY(isAllFF(imageRow(c, 1)));
        QCOMPARE(int(imageRow(c, 2).event), 0x802);

        c.unpackTimers();
        QCOMPARE(int(c.timerTable[0].event), row0Event);
        QCOMPARE(int(c.timerTable[1].event), row1Event);
        QCOMPARE(int(c.timerTable[0].hour), 0xFF);  // image rows 0 and 1 are not read
        QCOMPARE(int(c.timerTable[2].event), 0x802);
    }

    void unpackSkipsRowsItCannotPlace()
    {
        kd620_controller_class c;
        const struct { u32 imageRow; u16 event; u8 hour; } rows[] = {
            {2, 0x7FF, 0x01},  // not a timer event
            {3, 0xC00, 0x02},  // past the timers
            {4, 0x810, 0xFF},  // empty: every field "any"
            {5, 0x811, 0x03},
            {6, 0x811, 0x04},  // the later row of one event wins
            {7, 0x812, 0x05},
        };
        for (const auto &r : rows) {
            timer_entry_class t = timeOfDay(r.hour, 0x00);
            t.event = r.event;
            t.minute = r.hour == 0xFF ? 0xFF : 0x00;
            t.write(c.confData, timerRow(r.imageRow));
        }
        c.unpackTimers();
        QVERIFY(isAllFF(c.timerTable[0x10]));
        QCOMPARE(int(c.timerTable[0x11].hour), 0x04);
        QCOMPARE(int(c.timerTable[0x11].event), 0x811);
        QCOMPARE(int(c.timerTable[0x12].hour), 0x05);
        int inUse = 0;
        for (const timer_entry_class &t : c.timerTable)
            inUse += isAllFF(t) ? 0 : 1;
        QCOMPARE(inUse, 2);
    }

    void everyTimerRowFits()
    {
        kd620_controller_class c;
        for (u32 r = 2; r < TimerRowCount; ++r) {
            c.timerTable[r] = timeOfDay(u8(r % 24), 0x15);
            c.timerTable[r].event = timerRowEvent(r);
        }
        c.packTimers();
        c.unpackTimers();
        for (u32 r = 2; r < TimerRowCount; ++r) {
            QCOMPARE(int(c.timerTable[r].event), int(timerRowEvent(r)));
            QCOMPARE(int(c.timerTable[r].hour), int(r % 24));
        }
    }
};

QTEST_GUILESS_MAIN(tst_timers)

#include "tst_timers.moc"
