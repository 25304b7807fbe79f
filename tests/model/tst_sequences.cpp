#include "link/kd620_controller_class.h"
#include "model/delay_entry_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"

#include <QtTest>

#include <algorithm>

using namespace image_layout;

namespace {

// One action of the fixture: on event `event`, operation `op` on delay `delay`.
struct link {
    u16 event;
    int delay;
    int op = OperationOn;
};

typedef QList<QPair<int, int>> ownerList;  // delay, owning sequence

// Builds the configuration: delay owners in the delay table, the actions in the store
// and, encoded, in the image's action table.
void build(kd620_controller_class &c, const ownerList &owners, const QList<link> &links)
{
    for (const auto &o : owners)
        writeU32(c.confData, delayEntry(u32(o.first)), delay_entry_class(50, u32(o.second)).word);
    for (const link &l : links) {
        const int j = c.eventActions.appendAction(l.event);
        c.eventActions.setType(l.event, j, ActionDelay);
        c.eventActions.setOperation(l.event, j, l.op);
        c.eventActions.setNo(l.event, j, l.delay);
    }
    QCOMPARE(c.eventActions.encodeToImage(c.confData), 0);
}

QList<u16> sorted(QList<u16> l)
{
    std::sort(l.begin(), l.end());
    return l;
}

} // namespace

Q_DECLARE_METATYPE(link)

class tst_sequences : public QObject
{
    Q_OBJECT

private slots:
    void chains_data()
    {
        QTest::addColumn<ownerList>("owners");
        QTest::addColumn<QList<link>>("links");
        QTest::addColumn<int>("sequence");
        QTest::addColumn<QList<u16>>("steps");
        QTest::addColumn<QList<u16>>("inUse");

        // The end of delay 10 starts delay 12 (another sequence's) before delay 11.
        QTest::newRow("chain ends at an end without a step")
            << ownerList{{10, 4}, {11, 4}, {12, 5}}
            << QList<link>{{sequenceStartEvent(4), 10}, {delayEndEvent(10), 12}, {delayEndEvent(10), 11}} << 4
            << QList<u16>{10, 11} << QList<u16>{10, 11, 12};
        QTest::newRow("loop 10 -> 11 -> 10")
            << ownerList{{10, 4}, {11, 4}}
            << QList<link>{{sequenceStartEvent(4), 10}, {delayEndEvent(10), 11}, {delayEndEvent(11), 10}} << 4
            << QList<u16>{10, 11} << QList<u16>{10, 10, 11};
        QTest::newRow("delay restarts itself")
            << ownerList{{3, 0}} << QList<link>{{sequenceStartEvent(0), 3}, {delayEndEvent(3), 3}} << 0
            << QList<u16>{3} << QList<u16>{3, 3};
        QTest::newRow("delay number out of range")
            << ownerList{{10, 4}}
            << QList<link>{{sequenceStartEvent(4), 600}, {sequenceStartEvent(4), 0x8000}, {sequenceStartEvent(4), 10},
                           {delayEndEvent(10), 0xFFFE}, {delayEndEvent(10), 0x8000}}
            << 4 << QList<u16>{10} << QList<u16>{10, 600, 0x8000, 0x8000, 0xFFFE};
        QTest::newRow("only Delay Start counts")
            << ownerList{{10, 4}, {11, 4}}
            << QList<link>{{sequenceStartEvent(4), 10}, {delayEndEvent(10), 11, OperationOff}} << 4
            << QList<u16>{10} << QList<u16>{10};
        QTest::newRow("start of a delay of another sequence")
            << ownerList{{10, 5}} << QList<link>{{sequenceStartEvent(4), 10}} << 4 << QList<u16>{}
            << QList<u16>{10};
        QTest::newRow("free delay") << ownerList{} << QList<link>{{sequenceStartEvent(4), 10}} << 4 << QList<u16>{}
                                    << QList<u16>{10};
        QTest::newRow("two first steps")
            << ownerList{{1, 9}, {2, 9}, {3, 9}}
            << QList<link>{{sequenceStartEvent(9), 1}, {sequenceStartEvent(9), 2}, {delayEndEvent(2), 3}} << 9
            << QList<u16>{1, 2, 3} << QList<u16>{1, 2, 3};
    }
    void chains()
    {
        QFETCH(ownerList, owners);
        QFETCH(QList<link>, links);
        QFETCH(int, sequence);
        QFETCH(QList<u16>, steps);
        QFETCH(QList<u16>, inUse);
        kd620_controller_class c;
        build(c, owners, links);
        c.sequenceDelays[sequence] = {77};  // stale content goes
        c.delaysInUse = {77};
        c.rebuildSequences();
        QCOMPARE(c.sequenceDelays[sequence], steps);
        QCOMPARE(sorted(c.delaysInUse), sorted(inUse));
        for (int q = 0; q < int(SequenceCount); ++q) {
            if (q != sequence)
                QVERIFY(c.sequenceDelays[q].isEmpty());
        }
    }

    // Every delay in one chain that returns to its start: the walk ends after 512 steps.
    void longestChain()
    {
        kd620_controller_class c;
        ownerList owners;
        QList<link> links{{sequenceStartEvent(127), 0}};
        for (int d = 0; d < int(DelayCount); ++d) {
            owners << qMakePair(d, 127);
            links << link{delayEndEvent(u32(d)), (d + 1) % int(DelayCount)};
        }
        build(c, owners, links);
        c.rebuildSequences();
        QCOMPARE(c.sequenceDelays[127].size(), int(DelayCount));
        for (int d = 0; d < int(DelayCount); ++d)
            QCOMPARE(int(c.sequenceDelays[127][d]), d);
        QCOMPARE(c.delaysInUse.size(), int(DelayCount) + 1);
    }

    // Records the action store would not take (no event, no number) start nothing.
    void recordsWithoutEventStartNothing()
    {
        kd620_controller_class c;
        build(c, {{10, 4}}, {{sequenceStartEvent(4), 10}});
        event_action_class stray = event_action_class::newAction(NoEvent);
        stray.setType(ActionDelay);
        stray.setOperation(OperationOn);
        stray.no = 11;
        stray.write(c.confData, actionRecord(100));
        event_action_class noNumber = event_action_class::newAction(sequenceStartEvent(4));
        noNumber.setType(ActionDelay);
        noNumber.setOperation(OperationOn);
        noNumber.no = 0xFFFF;
        noNumber.write(c.confData, actionRecord(101));
        c.rebuildSequences();
        QCOMPARE(c.delaysInUse, QList<u16>{10});
        QCOMPARE(c.sequenceDelays[4], QList<u16>{10});
    }
};

QTEST_GUILESS_MAIN(tst_sequences)

#include "tst_sequences.moc"
