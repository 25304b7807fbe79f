#include "model/controller_configuration_class.h"
#include "model/program_class.h"
#include "model/program_list_class.h"
#include "model/step_clip_class.h"

#include <QtTest>

namespace {

// A step whose every field differs from a default step's.
program_step_class distinctStep(u16 scene)
{
    program_step_class s;
    s.scene = scene;
    s.infinite = 1;
    s.event = 0x401;
    s.fadeUp = QTime(0, 0, 2);
    s.duration = QTime(0, 0, 3, 500);
    s.fadeDown = QTime(0, 1);
    return s;
}

// Marks each step of a program with its index as scene, so moves and removals show.
void numberScenes(program_class &p)
{
    for (int i = 0; i < p.stepCount(); ++i)
        p.stepAt(i)->scene = u16(i);
}

QList<int> scenesOf(const program_class &p)
{
    QList<int> scenes;
    for (int i = 0; i < p.stepCount(); ++i)
        scenes << p.stepAt(i)->scene;
    return scenes;
}

} // namespace

class tst_program_store : public QObject
{
    Q_OBJECT

private slots:
    void newProgramAndNewStep()
    {
        const program_class p(17);
        QCOMPARE(p.number, 17);
        QCOMPARE(p.stepCount(), 0);
        QCOMPARE(int(p.recurrences), 1);
        QVERIFY(!p.stepAt(0));

        const program_step_class s;
        QCOMPARE(int(s.scene), 0);
        QCOMPARE(int(s.infinite), 0);
        QCOMPARE(int(s.event), 0xFFFF);
        QCOMPARE(s.fadeUp, QTime(0, 0));
        QCOMPARE(s.duration, QTime(0, 0, 1));
        QCOMPARE(s.fadeDown, QTime(0, 0));
    }

    void stepAtAndAppend()
    {
        program_class p(0);
        QCOMPARE(p.appendStep(nullptr), -1);
        QCOMPARE(p.stepCount(), 0);
        auto *first = new program_step_class;
        QCOMPARE(p.appendStep(first), 0);
        QCOMPARE(p.appendStep(new program_step_class), 0);
        QCOMPARE(p.stepCount(), 2);
        QCOMPARE(p.stepAt(0), first);
        QVERIFY(p.stepAt(1));
        QVERIFY(!p.stepAt(2));
        QVERIFY(!p.stepAt(-1));
    }

    void insertAndRemove_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("expected");  // scenes after the operation; 99 the new step
        QTest::newRow("insert at the front") << "insert" << 0 << QList<int>{99, 0, 1, 2};
        QTest::newRow("insert below 0 goes first") << "insert" << -5 << QList<int>{99, 0, 1, 2};
        QTest::newRow("insert in the middle") << "insert" << 2 << QList<int>{0, 1, 99, 2};
        QTest::newRow("insert at the size appends") << "insert" << 3 << QList<int>{0, 1, 2, 99};
        QTest::newRow("insert beyond appends") << "insert" << 100 << QList<int>{0, 1, 2, 99};
        QTest::newRow("remove the first") << "remove" << 0 << QList<int>{1, 2};
        QTest::newRow("remove the last") << "remove" << 2 << QList<int>{0, 1};
        QTest::newRow("remove below 0: nothing") << "remove" << -1 << QList<int>{0, 1, 2};
        QTest::newRow("remove beyond: nothing") << "remove" << 3 << QList<int>{0, 1, 2};
    }
    void insertAndRemove()
    {
        QFETCH(QString, operation);
        QFETCH(int, index);
        QFETCH(QList<int>, expected);
        program_class p(0);
        p.setStepCount(3);
        numberScenes(p);
        if (operation == "insert") {
            auto *s = new program_step_class;
            s->scene = 99;
            p.insertStep(index, s);
        } else {
            p.removeStep(index);
        }
        QCOMPARE(scenesOf(p), expected);
        QCOMPARE(p.stepCount(), expected.size());
    }

    // Setting a smaller count removes the surplus for good: a later insert or remove never
    // brings the removed steps back.
    void smallerStepCountRemovesTheSurplus()
    {
        program_class p(0);
        p.setStepCount(10);
        numberScenes(p);
        p.setStepCount(5);
        QCOMPARE(p.stepCount(), 5);
        QCOMPARE(scenesOf(p), (QList<int>{0, 1, 2, 3, 4}));
        QVERIFY(!p.stepAt(5));

        p.insertStep(0, new program_step_class);
        QCOMPARE(p.stepCount(), 6);
        p.removeStep(0);
        QCOMPARE(scenesOf(p), (QList<int>{0, 1, 2, 3, 4}));

        // Growing again adds default steps, not the removed ones.
        p.setStepCount(7);
        QCOMPARE(scenesOf(p), (QList<int>{0, 1, 2, 3, 4, 0, 0}));
        QCOMPARE(p.stepAt(6)->duration, QTime(0, 0, 1));

        p.setStepCount(-3);
        QCOMPARE(p.stepCount(), 0);
    }

    void storeCreatesOnlyThroughStepCountAndFindsByNumber()
    {
        program_list_class store;
        QCOMPARE(store.count(), 0);
        QVERIFY(!store.find(3));

        store.setStepCount(512u, 4);
        store.setStepCount(u32(-1), 4);
        QCOMPARE(store.count(), 0);

        store.setStepCount(3u, 4);
        QCOMPARE(store.count(), 1);
        QCOMPARE(store.stepCount(3), 4);
        QCOMPARE(store.find(3)->number, 3);
        QCOMPARE(store.recurrences(3), 1);

        // An existing program is resized, not created again.
        store.setStepCount(3u, 2);
        QCOMPARE(store.count(), 1);
        QCOMPARE(store.stepCount(3), 2);

        // find answers the first program with the number.
        auto *second = new program_class(3);
        store.append(second);
        QCOMPARE(store.count(), 2);
        QVERIFY(store.find(3) != second);

        store.setStepCount(511u, 0);
        QCOMPARE(store.count(), 3);
        QCOMPARE(store.stepCount(511), 0);

        // remove takes every program with the number and nothing else.
        store.remove(7);
        QCOMPARE(store.count(), 3);
        store.remove(3);
        QCOMPARE(store.count(), 1);
        QVERIFY(!store.find(3));
        QCOMPARE(store.stepCount(511), 0);

        store.clear();
        QCOMPARE(store.count(), 0);
        QVERIFY(!store.find(3));
    }

    void missingProgramOrStepAnswersWithoutCreating_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("index");
        QTest::newRow("missing program") << 7 << 0;
        QTest::newRow("step at the count") << 1 << 2;
        QTest::newRow("negative step") << 1 << -1;
        QTest::newRow("negative program") << -1 << 0;
    }
    void missingProgramOrStepAnswersWithoutCreating()
    {
        QFETCH(int, number);
        QFETCH(int, index);
        program_list_class store;
        store.setStepCount(1u, 2);
        const QTime midnight(0, 0);

        QVERIFY(!store.step(number, index));
        QCOMPARE(store.setScene(number, index, 5), -1);
        QCOMPARE(store.setRiseTime(number, index, QTime(0, 0, 1)), -1);
        QCOMPARE(store.setLastTime(number, index, QTime(0, 0, 1)), -1);
        QCOMPARE(store.setFallTime(number, index, QTime(0, 0, 1)), -1);
        QCOMPARE(store.setStepEvent(number, index, 0x400), -1);
        QVERIFY(!store.setLastTimeInf(number, index));
        QCOMPARE(store.scene(number, index), -1);
        QCOMPARE(store.stepEvent(number, index), -1);
        QCOMPARE(store.riseTime(number, index), midnight);
        QCOMPARE(store.lastTime(number, index), midnight);
        QCOMPARE(store.fallTime(number, index), midnight);
        QVERIFY(!store.isLastTimeInf(number, index));
        program_step_class out = distinctStep(9);
        QVERIFY(!store.getStep(number, index, out));
        QCOMPARE(int(out.scene), 9);
        QVERIFY(!store.setStep(number, index, distinctStep(9)));
        store.removeStep(number, index);

        QCOMPARE(store.count(), 1);
        QCOMPARE(store.stepCount(1), 2);
        QCOMPARE(store.scene(1, 0), 0);
        QCOMPARE(store.scene(1, 1), 0);
    }

    void missingProgramAnswers()
    {
        program_list_class store;
        QCOMPARE(store.stepCount(4), -1);
        QCOMPARE(store.recurrences(4), 1);
        QCOMPARE(store.setRecurrences(4, 0), -1);
        store.insertStep(4, 0);
        store.removeStep(4, 0);
        QCOMPARE(store.count(), 0);
    }

    void stepFieldsThroughTheStore()
    {
        program_list_class store;
        store.setStepCount(2u, 1);

        QCOMPARE(store.setScene(2, 0, 3071), 0);
        QCOMPARE(store.scene(2, 0), 3071);
        QCOMPARE(store.setStepEvent(2, 0, 0xFFFF), 0);
        QCOMPARE(store.stepEvent(2, 0), 0xFFFF);  // zero-extended, not -1
        QCOMPARE(store.setStepEvent(2, 0, 0x10400), 0);
        QCOMPARE(store.stepEvent(2, 0), 0x400);   // 16 bits stored
        QCOMPARE(store.setRiseTime(2, 0, QTime(0, 0, 2, 500)), 0);
        QCOMPARE(store.riseTime(2, 0), QTime(0, 0, 2, 500));
        QCOMPARE(store.setFallTime(2, 0, QTime(0, 0, 4)), 0);
        QCOMPARE(store.fallTime(2, 0), QTime(0, 0, 4));

        // Infinite keeps the duration beside the flag; a new duration makes it finite.
        QCOMPARE(store.setLastTime(2, 0, QTime(0, 0, 7)), 0);
        QCOMPARE(store.setLastTimeInf(2, 0), store.step(2, 0));
        QVERIFY(store.isLastTimeInf(2, 0));
        QCOMPARE(store.lastTime(2, 0), QTime(0, 0, 7));
        QCOMPARE(store.setLastTime(2, 0, QTime(0, 0, 8)), 0);
        QVERIFY(!store.isLastTimeInf(2, 0));
        QCOMPARE(store.lastTime(2, 0), QTime(0, 0, 8));

        QCOMPARE(store.setRecurrences(2, 0x10005), 0);
        QCOMPARE(store.recurrences(2), 5);
    }

    // Copying steps in and out carries everything a step plays, never its event.
    void setStepAndGetStepLeaveTheEvent()
    {
        program_list_class store;
        store.setStepCount(0u, 1);
        store.setStepEvent(0, 0, 0x500);

        QVERIFY(store.setStep(0, 0, distinctStep(12)));
        const program_step_class *s = store.step(0, 0);
        QCOMPARE(int(s->scene), 12);
        QCOMPARE(int(s->infinite), 1);
        QCOMPARE(s->fadeUp, QTime(0, 0, 2));
        QCOMPARE(s->duration, QTime(0, 0, 3, 500));
        QCOMPARE(s->fadeDown, QTime(0, 1));
        QCOMPARE(int(s->event), 0x500);

        program_step_class out;
        QVERIFY(store.getStep(0, 0, out));
        QCOMPARE(int(out.scene), 12);
        QCOMPARE(int(out.infinite), 1);
        QCOMPARE(out.fadeUp, QTime(0, 0, 2));
        QCOMPARE(out.duration, QTime(0, 0, 3, 500));
        QCOMPARE(out.fadeDown, QTime(0, 1));
        QCOMPARE(int(out.event), 0xFFFF);
    }

    void insertStepKeepsAtMost999Steps()
    {
        program_list_class store;
        store.setStepCount(5u, 999);
        numberScenes(*store.find(5));

        store.insertStep(5, 0);
        QCOMPARE(store.stepCount(5), 999);
        QCOMPARE(store.scene(5, 0), 0);        // the new default step
        QCOMPARE(store.scene(5, 1), 0);        // the old first step
        QCOMPARE(store.scene(5, 998), 997);    // the old last step fell out

        store.insertStep(5, 5000);
        QCOMPARE(store.stepCount(5), 999);
        QCOMPARE(store.scene(5, 998), 997);    // the new step went beyond 999 and fell out

        store.removeStep(5, 0);
        QCOMPARE(store.stepCount(5), 998);
        store.insertStep(5, 998);
        QCOMPARE(store.stepCount(5), 999);
    }

    void clipsNeverCarryTheEvent()
    {
        const step_clip_class clip(3, distinctStep(44));
        QCOMPARE(clip.gap, 3);
        QCOMPARE(int(clip.step.scene), 44);
        QCOMPARE(int(clip.step.infinite), 1);
        QCOMPARE(clip.step.fadeUp, QTime(0, 0, 2));
        QCOMPARE(clip.step.duration, QTime(0, 0, 3, 500));
        QCOMPARE(clip.step.fadeDown, QTime(0, 1));
        QCOMPARE(int(clip.step.event), 0xFFFF);

        step_clip_class copy(clip);
        copy.step.event = 0x400;  // even a clip given an event passes none on
        const step_clip_class second(copy);
        QCOMPARE(second.gap, 3);
        QCOMPARE(int(second.step.scene), 44);
        QCOMPARE(second.step.duration, QTime(0, 0, 3, 500));
        QCOMPARE(int(second.step.event), 0xFFFF);

        step_clip_class assigned(0, program_step_class());
        assigned = copy;
        QCOMPARE(assigned.gap, 3);
        QCOMPARE(int(assigned.step.scene), 44);
        QCOMPARE(int(assigned.step.event), 0xFFFF);

        QList<step_clip_class> clipboard;
        clipboard.append(copy);
        QCOMPARE(int(clipboard.first().step.event), 0xFFFF);
    }

    void controllerClearingEmptiesTheStore()
    {
        controller_configuration_class c;
        QCOMPARE(c.programList.count(), 0);
        c.programList.setStepCount(3u, 2);
        c.extraEntries.append(new extra_entry_class{3, 1, 511});
        c.ClearConfig();
        QCOMPARE(c.programList.count(), 0);
        QVERIFY(c.extraEntries.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_program_store)
#include "tst_program_store.moc"
