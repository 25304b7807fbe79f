#include "events/aevents_conf_widget.h"
#include "events/aevents_tableview_widget.h"
#include "model/delay_entry_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "programs/aseq_conf_delegate.h"
#include "programs/aseq_conf_widget.h"
#include "programs/aseq_settings_widget.h"
#include "tests/support/page_fixture.h"
#include "widgets/my_time_edit.h"

#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <functional>

// The step table of the sequence page and the delay chain behind it: every edit of the
// step list keeps the chain whole (checked by one invariant checker after a table of
// operations), the row texts with their delay and cumulated times, the delay time editor,
// running out of delays, and the Off actions of "Finish prev. step".
class tst_aseq_conf_widget : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup() { QVERIFY(page_fixture::tearDown(f).isEmpty()); }

    void editsKeepTheChainWhole_data();
    void editsKeepTheChainWhole();
    void rowTexts_data();
    void rowTexts();
    void delayTimeIsEditedInItsCell();
    void onlyStepDelaysOpenAnEditor_data();
    void onlyStepDelaysOpenAnEditor();
    void growingBeyondTheFreeDelays();
    void insertingWithoutAFreeDelayChangesNothing();
    void delaysSetUpOnTheirOwnArePassedOver_data();
    void delaysSetUpOnTheirOwnArePassedOver();
    void takingOverASetUpDelayAsksFirst_data();
    void takingOverASetUpDelayAsksFirst();
    void finishPreviousStepAddsTheMissingOffActions();
    void editsPastTheActionTableAreRefused_data();
    void editsPastTheActionTableAreRefused();
    void stepsWithoutDelaysAreLeftAloneByEdits();

public:
    // The sequence the tests edit: not the first, so a sequence number taken for a row
    // shows.
    static constexpr int Q = 5;
    static u16 start() { return sequenceStartEvent(Q); }
    static u16 end(u16 d) { return delayEndEvent(d); }

    kd620_controller_class &c() { return *f->controller; }
    aseq_settings_widget *page()
    {
        auto *p = new aseq_settings_widget(f->tabPage.get());
        p->sequenceTable->setCurrentCell(Q, 0);
        return p;
    }
    static void setSteps(aseq_settings_widget *p, int n) { p->stepCountSpin->setValue(n); }
    static void selectRow(aseq_settings_widget *p, int row)
    {
        p->stepTable->setCurrentIndex(p->stepTable->model()->index(row, 0));
    }
    void addAction(u16 event, int type, int number, int operation)
    {
        event_actions_class &store = c().eventActions;
        const int j = store.appendAction(event);
        store.setType(event, j, type);
        store.setNo(event, j, number);
        store.setOperation(event, j, operation);
    }
    void addSceneOn(u16 event, int scene) { addAction(event, ActionScene, scene, OperationOn); }
    // A Delay Start action that some other event carries, listed in use as a load lists it.
    void startDelayElsewhere(u16 event, u16 delay)
    {
        addAction(event, ActionDelay, delay, OperationOn);
        c().delaysInUse.append(delay);
    }
    // What the message boxes said so far; the record starts empty again.
    QStringList takeMessageTexts()
    {
        const QStringList texts = f->ui.messageTexts();
        f->ui.messages.clear();
        return texts;
    }
    u32 delayWord(u16 d) const { return readU32(f->image(), image_layout::delayEntry(d)); }
    void setDelayWord(u16 d, u32 word) { writeU32(f->image(), image_layout::delayEntry(d), word); }

    bool isStepLink(u16 event, int j) const
    {
        const event_actions_class &store = f->controller->eventActions;
        const int d = store.no(event, j);
        return store.type(event, j) == ActionDelay && store.operation(event, j) == OperationOn
            && d < int(image_layout::DelayCount) && delay_entry_class(delayWord(u16(d))).sequence() == u32(Q);
    }
    // The actions of an event that are not step links of the sequence, as "scene 4 on".
    QString userActions(u16 event) const
    {
        static const QMap<int, QString> types = {{ActionScene, "scene"}, {ActionProgram, "program"}, {ActionDelay, "delay"}};
        static const QMap<int, QString> operations = {{OperationOn, "on"}, {OperationOff, "off"}};
        const event_actions_class &store = f->controller->eventActions;
        QStringList texts;
        for (int j = 0; j < qMax(0, store.count(event)); ++j) {
            if (!isStepLink(event, j)) {
                texts << QStringLiteral("%1 %2 %3")
                             .arg(types.value(store.type(event, j)), QString::number(store.no(event, j)),
                                  operations.value(store.operation(event, j)));
            }
        }
        return texts.join(QLatin1String("; "));
    }
    // The step links an event carries.
    QList<u16> stepLinks(u16 event) const
    {
        QList<u16> links;
        for (int j = 0; j < qMax(0, f->controller->eventActions.count(event)); ++j) {
            if (isStepLink(event, j))
                links << u16(f->controller->eventActions.no(event, j));
        }
        return links;
    }
    // Row r's event: the start for row 0, else the end of step r's delay.
    static u16 rowEvent(const QList<u16> &steps, int r) { return r == 0 ? start() : end(steps[r - 1]); }
    // The user actions of sequence Q's rows, up to the first that has no event (the end of a
    // step without a delay).
    QStringList rowsWithDelays() const
    {
        const QList<u16> &steps = f->controller->sequenceDelays[Q];
        QStringList rows;
        for (int r = 0; r <= steps.size() && (r == 0 || steps[r - 1] < image_layout::DelayCount); ++r)
            rows << userActions(rowEvent(steps, r));
        return rows;
    }

    // What must hold of sequence Q after any edit: its delays are owned by it, have a time
    // and are in use; each row's event links to the next step and the finish row to none; no
    // other delay is owned by it; the delays in use are exactly the delays that Delay Start
    // actions start; and a rebuild from the image finds the same chain.
    QStringList chainProblems()
    {
        QStringList problems;
        kd620_controller_class &k = c();
        const QList<u16> steps = k.sequenceDelays[Q];
        const int n = int(steps.size());
        for (int i = 0; i < n; ++i) {
            const u16 d = steps[i];
            if (d >= image_layout::DelayCount) {
                problems << QStringLiteral("step %1 has no delay").arg(i);
                continue;
            }
            const delay_entry_class entry(delayWord(d));
            if (entry.sequence() != u32(Q))
                problems << QStringLiteral("delay %1 owned by %2").arg(d).arg(entry.sequence());
            if (entry.time() < 1 || entry.time() > delay_entry_class::MaxTime)
                problems << QStringLiteral("delay %1 has time %2").arg(d).arg(entry.time());
            if (!k.delaysInUse.contains(d))
                problems << QStringLiteral("delay %1 not in use").arg(d);
        }
        for (int r = 0; r < n; ++r) {
            const QList<u16> links = stepLinks(rowEvent(steps, r));
            if (links != QList<u16>{steps[r]})
                problems << QStringLiteral("row %1 links to %2 delays").arg(r).arg(links.size());
        }
        if (n > 0 && !stepLinks(rowEvent(steps, n)).isEmpty())
            problems << QStringLiteral("the finish row links on");
        for (u16 d = 0; d < image_layout::DelayCount; ++d) {
            if (delay_entry_class(delayWord(d)).sequence() == u32(Q) && !steps.contains(d))
                problems << QStringLiteral("delay %1 owned but no step").arg(d);
        }
        QList<u16> started;
        for (u32 e = 0; e < EventCount; ++e) {
            for (int j = 0; j < qMax(0, k.eventActions.count(e)); ++j) {
                if (k.eventActions.type(int(e), j) == ActionDelay && k.eventActions.operation(int(e), j) == OperationOn)
                    started << u16(k.eventActions.no(int(e), j));
            }
        }
        QList<u16> inUse = k.delaysInUse;
        std::sort(started.begin(), started.end());
        std::sort(inUse.begin(), inUse.end());
        if (started != inUse)
            problems << QStringLiteral("delays in use do not match the Delay Start actions");

        // The image the controller gets describes the same chain.
        k.eventActions.encodeToImage(k.confData);
        k.rebuildSequences();
        if (k.sequenceDelays[Q] != steps)
            problems << QStringLiteral("a rebuild finds another chain");
        QList<u16> rebuilt = k.delaysInUse;
        std::sort(rebuilt.begin(), rebuilt.end());
        if (rebuilt != inUse)
            problems << QStringLiteral("a rebuild finds other delays in use");
        return problems;
    }

    struct chain_case {
        const char *name;
        // Run with the page on sequence Q; the configuration may be changed behind it.
        std::function<void(tst_aseq_conf_widget &, aseq_settings_widget *)> before;
        std::function<void(tst_aseq_conf_widget &, aseq_settings_widget *)> operation;
        QList<u16> steps;
        QStringList rowActions;  // of rows 0..n (row 0 alone for a sequence without steps)
        QList<u16> freed;        // delays whose word must be free afterwards
    };
    static const QList<chain_case> &chainCases();

private:
    std::unique_ptr<page_fixture> f;
};

namespace {

using T = tst_aseq_conf_widget;

// Steps 0, 1, 2 with actions "scene 1 on" .. "scene 4 on" on rows 0..3.
void threeStepsWithActions(T &t, aseq_settings_widget *p)
{
    T::setSteps(p, 3);
    const QList<u16> &steps = t.c().sequenceDelays[T::Q];
    for (int r = 0; r <= 3; ++r)
        t.addSceneOn(T::rowEvent(steps, r), r + 1);
}

void twoStepsWithActions(T &t, aseq_settings_widget *p)
{
    T::setSteps(p, 2);
    const QList<u16> &steps = t.c().sequenceDelays[T::Q];
    for (int r = 0; r <= 2; ++r)
        t.addSceneOn(T::rowEvent(steps, r), r + 1);
}

void clickAt(aseq_settings_widget *p, int row, QPushButton *button)
{
    T::selectRow(p, row);
    button->click();
}

// Sequence Q + 1 holds 510 delays while Q grows to 4 steps: steps 0 and 1 get the delays
// 510 and 511, steps 3 and 4 none. Rows 0..2 hold "scene 1 on" .. "scene 3 on" (row 2, the
// end of the last delay, carries the finish actions). Then Q + 1 gives its delays back.
void stepsWithoutDelaysThenDelaysFree(T &t, aseq_settings_widget *p)
{
    p->sequenceTable->setCurrentCell(T::Q + 1, 0);
    T::setSteps(p, 510);
    p->sequenceTable->setCurrentCell(T::Q, 0);
    T::setSteps(p, 4);
    t.addSceneOn(T::start(), 1);
    t.addSceneOn(T::end(510), 2);
    t.addSceneOn(T::end(511), 3);
    p->sequenceTable->setCurrentCell(T::Q + 1, 0);
    T::setSteps(p, 0);
    p->sequenceTable->setCurrentCell(T::Q, 0);
    QCOMPARE(t.takeMessageTexts(), QStringList{"To many delays defined!"});
}

} // namespace

const QList<T::chain_case> &T::chainCases()
{
    static const QList<chain_case> cases = {
        {"grow 0 to 3 with delays 0 and 1 in use",
         [](T &t, aseq_settings_widget *) {
             t.startDelayElsewhere(EventInternal, 0);
             t.startDelayElsewhere(EventInternal, 1);
             t.addSceneOn(start(), 7);  // the finish actions of a sequence without steps
         },
         [](T &, aseq_settings_widget *p) { setSteps(p, 3); },
         {2, 3, 4}, {"", "", "", "scene 7 on"}, {}},
        {"shrink 3 to 0", threeStepsWithActions, [](T &, aseq_settings_widget *p) { setSteps(p, 0); },
         {}, {"scene 4 on"}, {0, 1, 2}},
        {"shrink 3 to 2", threeStepsWithActions, [](T &, aseq_settings_widget *p) { setSteps(p, 2); },
         {0, 1}, {"scene 1 on", "scene 2 on", "scene 4 on"}, {2}},
        {"grow again after shrinking to 0",
         [](T &t, aseq_settings_widget *p) {
             twoStepsWithActions(t, p);
             setSteps(p, 0);
         },
         [](T &, aseq_settings_widget *p) { setSteps(p, 1); },
         {0}, {"", "scene 3 on"}, {}},
        {"grow 2 to 4", twoStepsWithActions, [](T &, aseq_settings_widget *p) { setSteps(p, 4); },
         {0, 1, 2, 3}, {"scene 1 on", "scene 2 on", "", "", "scene 3 on"}, {}},
        {"insert at row 0", twoStepsWithActions, [](T &, aseq_settings_widget *p) { clickAt(p, 0, p->insertButton); },
         {2, 0, 1}, {"", "scene 1 on", "scene 2 on", "scene 3 on"}, {}},
        {"insert at the last step row", twoStepsWithActions,
         [](T &, aseq_settings_widget *p) { clickAt(p, 1, p->insertButton); },
         {0, 2, 1}, {"scene 1 on", "", "scene 2 on", "scene 3 on"}, {}},
        {"insert on the finish row", twoStepsWithActions,
         [](T &, aseq_settings_widget *p) { clickAt(p, 2, p->insertButton); },
         {0, 1}, {"scene 1 on", "scene 2 on", "scene 3 on"}, {}},
        {"delete row 0 of 3", threeStepsWithActions, [](T &, aseq_settings_widget *p) { clickAt(p, 0, p->deleteButton); },
         {1, 2}, {"scene 2 on", "scene 3 on", "scene 4 on"}, {0}},
        {"delete row 1 of 3", threeStepsWithActions, [](T &, aseq_settings_widget *p) { clickAt(p, 1, p->deleteButton); },
         {0, 2}, {"scene 1 on", "scene 3 on", "scene 4 on"}, {1}},
        {"delete the last step", threeStepsWithActions,
         [](T &, aseq_settings_widget *p) { clickAt(p, 2, p->deleteButton); },
         {0, 1}, {"scene 1 on", "scene 2 on", "scene 4 on"}, {2}},
        {"delete on the finish row", threeStepsWithActions,
         [](T &, aseq_settings_widget *p) { clickAt(p, 3, p->deleteButton); },
         {0, 1, 2}, {"scene 1 on", "scene 2 on", "scene 3 on", "scene 4 on"}, {}},
        {"delete the only step",
         [](T &t, aseq_settings_widget *p) {
             setSteps(p, 1);
             t.addSceneOn(start(), 1);
             t.addSceneOn(end(0), 2);
         },
         [](T &, aseq_settings_widget *p) { clickAt(p, 0, p->deleteButton); },
         {}, {"scene 2 on"}, {0}},
        {"a delay listed twice",
         [](T &t, aseq_settings_widget *p) {
             setSteps(p, 1);
             // A configuration from a file may start a step's delay from elsewhere too.
             t.startDelayElsewhere(EventInternal + 1, 0);
         },
         [](T &, aseq_settings_widget *p) {
             setSteps(p, 0);
             setSteps(p, 1);
         },
         {1}, {"", ""}, {0}},
        {"a free delay with end actions of its own is passed over",
         [](T &t, aseq_settings_widget *) {
             t.addSceneOn(end(0), 9);
             t.startDelayElsewhere(end(0), 7);  // the only start of delay 7
         },
         [](T &, aseq_settings_widget *p) { setSteps(p, 1); },
         {1}, {"", ""}, {}},
        {"grow past steps without delays once delays are free", stepsWithoutDelaysThenDelaysFree,
         [](T &, aseq_settings_widget *p) { setSteps(p, 5); },
         {510, 511, 0, 1, 2}, {"scene 1 on", "scene 2 on", "", "", "", "scene 3 on"}, {}},
        {"deleted actions release the delays they start",
         [](T &t, aseq_settings_widget *p) {
             setSteps(p, 2);
             t.startDelayElsewhere(start(), 300);
             t.startDelayElsewhere(start(), 300);
             t.startDelayElsewhere(EventInternal, 300);
         },
         [](T &, aseq_settings_widget *p) { clickAt(p, 0, p->deleteButton); },
         {1}, {"", ""}, {0}},
    };
    return cases;
}

void tst_aseq_conf_widget::editsKeepTheChainWhole_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < chainCases().size(); ++i)
        QTest::newRow(chainCases()[i].name) << i;
}

void tst_aseq_conf_widget::editsKeepTheChainWhole()
{
    QFETCH(int, index);
    const chain_case &test = chainCases()[index];
    aseq_settings_widget *p = page();
    QCOMPARE(p->currentSequence, Q);
    test.before(*this, p);
    p->refresh();
    test.operation(*this, p);

    const QList<u16> steps = c().sequenceDelays[Q];
    QCOMPARE(steps, test.steps);
    QStringList rows;
    for (int r = 0; r <= steps.size(); ++r)
        rows << userActions(rowEvent(steps, r));
    QCOMPARE(rows, test.rowActions);
    for (u16 d : test.freed)
        QCOMPARE(delayWord(d), delay_entry_class::Free);
    QCOMPARE(f->ui.messages.size(), 0);

    // The page shows the new count, and the table a row for each step and the finish.
    const int n = int(steps.size());
    QCOMPARE(p->stepCountSpin->value(), n);
    QCOMPARE(p->stepTable->model()->rowCount(), n > 0 ? n + 1 : 0);

    const QStringList problems = chainProblems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String(", "))));
}

void tst_aseq_conf_widget::rowTexts_data()
{
    // Delay times of the steps in order; -1: a step without a delay.
    QTest::addColumn<QList<qint64>>("times");
    QTest::addColumn<QStringList>("delayTexts");
    QTest::addColumn<QStringList>("globalTexts");
    QTest::newRow("one tenth") << QList<qint64>{1} << QStringList{"0:00:00:100"} << QStringList{"0:00:00:100"};
    QTest::newRow("1.5 s, then 2 s") << QList<qint64>{15, 20} << QStringList{"0:00:01:500", "0:00:02:000"}
                                     << QStringList{"0:00:01:500", "0:00:03:500"};
    QTest::newRow("exactly a day") << QList<qint64>{863999, 1} << QStringList{"23:59:59:900", "0:00:00:100"}
                                   << QStringList{"23:59:59:900", "1 day(s) 0:00:00:000"};
    QTest::newRow("days on") << QList<qint64>{863999, 863999, 863999}
                             << QStringList{"23:59:59:900", "23:59:59:900", "23:59:59:900"}
                             << QStringList{"23:59:59:900", "1 day(s) 23:59:59:800", "2 day(s) 23:59:59:700"};
    QTest::newRow("a step without a delay") << QList<qint64>{10, -1, 20}
                                            << QStringList{"0:00:01:000", "", "0:00:02:000"}
                                            << QStringList{"0:00:01:000", "undefined", "0:00:03:000"};
    QTest::newRow("a time not set") << QList<qint64>{10, 0xFFFFF, 20} << QStringList{"0:00:01:000", "", "0:00:02:000"}
                                    << QStringList{"0:00:01:000", "undefined", "undefined"};
    QTest::newRow("a time beyond a day") << QList<qint64>{900000, 1} << QStringList{"", "0:00:00:100"}
                                         << QStringList{"1 day(s) 1:00:00:000", "1 day(s) 1:00:00:100"};
}

void tst_aseq_conf_widget::rowTexts()
{
    QFETCH(QList<qint64>, times);
    QFETCH(QStringList, delayTexts);
    QFETCH(QStringList, globalTexts);
    // As a configuration file leaves them: the steps listed, each delay owned by Q.
    QList<u16> &steps = c().sequenceDelays[Q];
    for (int i = 0; i < times.size(); ++i) {
        if (times[i] < 0) {
            steps << 0xFFFF;
            continue;
        }
        const u16 d = u16(10 + i);
        setDelayWord(d, delay_entry_class(u32(times[i]), Q).word);
        steps << d;
    }
    aseq_settings_widget *p = page();
    QAbstractItemModel *m = p->stepTable->model();
    const int n = int(times.size());
    QCOMPARE(m->rowCount(), n + 1);
    QCOMPARE(m->columnCount(), 3);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Step No."));
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Delay Time"));
    QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Global Time"));
    for (int r = 0; r < n; ++r) {
        QCOMPARE(m->index(r, 0).data().toString(), QStringLiteral("   %1").arg(r + 1));
        QCOMPARE(m->index(r, 1).data().toString(), delayTexts[r]);
        QCOMPARE(m->index(r, 2).data().toString(), globalTexts[r]);
    }
    QCOMPARE(m->index(n, 0).data().toString(), QStringLiteral("finish"));
    QCOMPARE(m->index(n, 1).data().toString(), QString());
    QCOMPARE(m->index(n, 2).data().toString(), QString());
    // Showing the sequence wrote nothing.
    for (int i = 0; i < n; ++i) {
        if (times[i] >= 0)
            QCOMPARE(delayWord(u16(10 + i)), delay_entry_class(u32(times[i]), Q).word);
    }
    QCOMPARE(c().sequenceDelays[Q].size(), n);
}

void tst_aseq_conf_widget::delayTimeIsEditedInItsCell()
{
    aseq_settings_widget *p = page();
    setSteps(p, 3);  // delays 0, 1, 2 of a tenth each
    aseq_conf_widget *table = p->stepTable;
    QCOMPARE(table->delegate->sequence, Q);
    f->tabPage->show();
    const QModelIndex cell = table->model()->index(1, aseq_conf_widget::DelayTimeColumn);
    table->setCurrentIndex(cell);
    table->edit(cell);
    auto *editor = table->viewport()->findChild<MyTimeEdit *>();
    QVERIFY(editor);
    QCOMPARE(editor->time(), QTime(0, 0, 0, 100));
    QCOMPARE(editor->minimumTime(), QTime(0, 0, 0, 100));
    QCOMPARE(editor->maximumTime(), QTime(23, 59, 59, 999));
    QCOMPARE(editor->geometry(), table->visualRect(cell));

    editor->setTime(QTime(0, 1, 2, 500));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!table->viewport()->findChild<MyTimeEdit *>() || !table->viewport()->findChild<MyTimeEdit *>()->isVisible());

    // Step 2's delay takes the time; its owner stays; the times from step 2 on follow.
    QCOMPARE(delayWord(1), delay_entry_class(625, Q).word);
    QAbstractItemModel *m = table->model();
    QCOMPARE(m->index(1, 1).data().toString(), QStringLiteral("0:01:02:500"));
    QCOMPARE(m->index(0, 2).data().toString(), QStringLiteral("0:00:00:100"));
    QCOMPARE(m->index(1, 2).data().toString(), QStringLiteral("0:01:02:600"));
    QCOMPARE(m->index(2, 2).data().toString(), QStringLiteral("0:01:02:700"));
    QCOMPARE(delayWord(0), delay_entry_class(1, Q).word);
}

void tst_aseq_conf_widget::onlyStepDelaysOpenAnEditor_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("editor");
    QTest::newRow("delay time") << 0 << 1 << true;
    QTest::newRow("step number") << 0 << 0 << false;
    QTest::newRow("global time") << 0 << 2 << false;
    QTest::newRow("step without a delay") << 1 << 1 << false;
    QTest::newRow("finish row") << 2 << 1 << false;
}

void tst_aseq_conf_widget::onlyStepDelaysOpenAnEditor()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, editor);
    setDelayWord(4, delay_entry_class(30, Q).word);
    c().sequenceDelays[Q] = {4, 0xFFFF};
    aseq_settings_widget *p = page();
    aseq_conf_widget *table = p->stepTable;
    f->tabPage->show();
    const QModelIndex cell = table->model()->index(row, column);
    table->edit(cell);
    QCOMPARE(table->viewport()->findChild<MyTimeEdit *>() != nullptr, editor);
}

void tst_aseq_conf_widget::growingBeyondTheFreeDelays()
{
    for (u16 d = 0; d < 510; ++d)
        startDelayElsewhere(EventInternal, d);
    aseq_settings_widget *p = page();
    setSteps(p, 4);

    // The two free delays are taken, the other steps stay without one; one box says so.
    QCOMPARE(c().sequenceDelays[Q], (QList<u16>{510, 511, 0xFFFF, 0xFFFF}));
    QCOMPARE(f->ui.messages.size(), 1);
    const message_request &box = f->ui.messages.first();
    QCOMPARE(box.title, QStringLiteral("Action failed!"));
    QCOMPARE(box.text, QStringLiteral("To many delays defined!"));
    QCOMPARE(box.icon, message_icon::Warning);
    QCOMPARE(box.buttons, unsigned(message_button::Ok));
    QCOMPARE(box.parentWidget.data(), p->stepTable);
    QCOMPARE(p->stepCountSpin->value(), 4);

    QAbstractItemModel *m = p->stepTable->model();
    QCOMPARE(m->rowCount(), 5);
    QCOMPARE(m->index(1, 2).data().toString(), QStringLiteral("0:00:00:200"));
    QCOMPARE(m->index(2, 1).data().toString(), QString());
    QCOMPARE(m->index(2, 2).data().toString(), QStringLiteral("undefined"));
    QCOMPARE(m->index(4, 0).data().toString(), QStringLiteral("finish"));
    // A step without a delay names no event.
    selectRow(p, 3);
    QCOMPARE(p->actionEditor->eventCode, int(NoEvent));
    selectRow(p, 2);
    QCOMPARE(p->actionEditor->eventCode, int(end(511)));

    // Shrinking takes the steps without delays away and frees the rest as usual.
    setSteps(p, 1);
    QCOMPARE(c().sequenceDelays[Q], QList<u16>{510});
    QCOMPARE(delayWord(511), delay_entry_class::Free);
    QCOMPARE(f->ui.messages.size(), 1);
    const QStringList problems = chainProblems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String(", "))));
}

void tst_aseq_conf_widget::insertingWithoutAFreeDelayChangesNothing()
{
    aseq_settings_widget *p = page();
    setSteps(p, 2);
    addSceneOn(start(), 1);
    for (u16 d = 2; d < image_layout::DelayCount; ++d)
        c().delaysInUse << d;
    const QList<u16> inUse = c().delaysInUse;

    clickAt(p, 0, p->insertButton);

    QCOMPARE(c().sequenceDelays[Q], (QList<u16>{0, 1}));
    QCOMPARE(c().delaysInUse, inUse);
    QCOMPARE(userActions(start()), QStringLiteral("scene 1 on"));
    QCOMPARE(f->ui.messageTexts(), QStringList{"To many delays defined!"});
    QCOMPARE(f->ui.messages.first().parentWidget.data(), p->stepTable);
    QCOMPARE(p->stepTable->model()->rowCount(), 3);
}

void tst_aseq_conf_widget::delaysSetUpOnTheirOwnArePassedOver_data()
{
    // What delay 0 was given on the delays' own page before the sequence grows to 1 step.
    QTest::addColumn<bool>("time");
    QTest::addColumn<bool>("endActions");
    QTest::addColumn<bool>("description");
    QTest::addColumn<u16>("taken");
    QTest::newRow("a time, two end actions and a description") << true << true << true << u16(1);
    QTest::newRow("a time only") << true << false << false << u16(1);
    QTest::newRow("end actions only") << false << true << false << u16(1);
    // A description names the delay; it holds nothing the sequence would replace.
    QTest::newRow("a description only") << false << false << true << u16(0);
}

void tst_aseq_conf_widget::delaysSetUpOnTheirOwnArePassedOver()
{
    QFETCH(bool, time);
    QFETCH(bool, endActions);
    QFETCH(bool, description);
    QFETCH(u16, taken);
    if (time)
        setDelayWord(0, delay_entry_class(51, delay_entry_class::NoSequence).word);  // 5.1 s
    if (endActions) {
        addSceneOn(end(0), 3);
        addAction(end(0), ActionProgram, 4, OperationOff);
    }
    const QString text = description ? QStringLiteral("stair light") : QString();
    c().eventDescs[end(0)] = text;
    const u32 word = delayWord(0);
    const QString actions = userActions(end(0));

    aseq_settings_widget *p = page();
    setSteps(p, 1);

    // Free delays that hold neither are left, so nothing is asked.
    QCOMPARE(c().sequenceDelays[Q], QList<u16>{taken});
    QCOMPARE(f->ui.messages.size(), 0);
    QCOMPARE(c().eventDescs[end(0)], text);
    if (taken != 0) {
        QCOMPARE(delayWord(0), word);
        QCOMPARE(userActions(end(0)), actions);
    }
    const QStringList problems = chainProblems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String(", "))));
}

void tst_aseq_conf_widget::takingOverASetUpDelayAsksFirst_data()
{
    // Every delay but 1 and 2 is in use (delay 0 as the first step, or elsewhere); delay 1
    // holds a time and end actions, delay 2 end actions. The sequence starts with `before`
    // steps.
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("insert");      // else the count grows to `after`
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");  // the middle line of the question
    QTest::addColumn<QList<u16>>("steps");  // after a Yes
    QTest::addColumn<QStringList>("rowActions");  // after a Yes, of the rows up to a step without a delay
    // Delay 7, which delay 1's end starts, holds a time of its own and no other action starts
    // it: taking delay 1 over frees it, and it was not asked about.
    QTest::addColumn<bool>("sevenSetUp");
    const QString one = QStringLiteral("1 delay(s) from Delay 2 on would become steps of this sequence, "
                                       "losing their times and end actions.");
    const QString two = QStringLiteral("2 delay(s) from Delay 2 on would become steps of this sequence, "
                                       "losing their times and end actions.");
    QTest::newRow("grow, No") << 0 << false << 1 << false << one << QList<u16>{} << QStringList{} << false;
    QTest::newRow("grow, Yes") << 0 << false << 1 << true << one << QList<u16>{1} << QStringList{"", "scene 9 on"}
                               << false;
    QTest::newRow("insert, No") << 1 << true << 0 << false << one << QList<u16>{} << QStringList{} << false;
    QTest::newRow("insert, Yes") << 1 << true << 0 << true << one << QList<u16>{1, 0}
                                 << QStringList{"", "scene 9 on", ""} << false;
    QTest::newRow("grow past them, No") << 0 << false << 3 << false << two << QList<u16>{} << QStringList{} << false;
    QTest::newRow("grow past them, Yes") << 0 << false << 3 << true << two << QList<u16>{1, 2, 0xFFFF}
                                         << QStringList{"", "", "scene 9 on"} << false;
    QTest::newRow("grow past them, Yes, a delay freed on the way") << 0 << false << 3 << true << two
                                                                   << QList<u16>{1, 2, 0xFFFF}
                                                                   << QStringList{"", "", "scene 9 on"} << true;
}

void tst_aseq_conf_widget::takingOverASetUpDelayAsksFirst()
{
    QFETCH(int, before);
    QFETCH(bool, insert);
    QFETCH(int, after);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    QFETCH(QList<u16>, steps);
    QFETCH(QStringList, rowActions);
    QFETCH(bool, sevenSetUp);
    aseq_settings_widget *p = page();
    setSteps(p, before);
    setDelayWord(1, delay_entry_class(51, delay_entry_class::NoSequence).word);
    addSceneOn(end(1), 3);
    startDelayElsewhere(end(1), 7);  // and from an internal event below
    addSceneOn(end(2), 4);
    for (u16 d = 3; d < image_layout::DelayCount; ++d) {
        if (d != 7 || !sevenSetUp)
            startDelayElsewhere(EventInternal, d);
    }
    if (sevenSetUp)
        setDelayWord(7, delay_entry_class(30, delay_entry_class::NoSequence).word);
    if (before == 0)
        startDelayElsewhere(EventInternal, 0);
    addSceneOn(start(), 9);
    p->refresh();

    const QByteArray delayTable(reinterpret_cast<const char *>(f->image() + image_layout::DelayTable),
                                4 * image_layout::DelayCount);
    const QList<u16> inUse = c().delaysInUse;
    const QList<u16> oldSteps = c().sequenceDelays[Q];
    const QStringList oldActions = {userActions(start()), userActions(end(0)), userActions(end(1)), userActions(end(2))};

    f->ui.answers.enqueue(yes ? 1 : 0);
    if (insert)
        clickAt(p, 0, p->insertButton);
    else
        setSteps(p, after);

    QVERIFY(!f->ui.messages.isEmpty());
    const message_request &box = f->ui.messages.first();
    QCOMPARE(box.icon, message_icon::Question);
    QCOMPARE(box.title, QStringLiteral("Confirmation"));
    QCOMPARE(box.text.split(QLatin1Char('\n')),
             (QStringList{"Not enough free delays without a time or end actions of their own are left.", question,
                          "Really want to do so?"}));
    QCOMPARE(box.customButtons.size(), 2);
    QCOMPARE(box.customButtons[0].text, QStringLiteral("No"));
    QCOMPARE(box.customButtons[1].text, QStringLiteral("Yes!"));
    QCOMPARE(box.defaultCustomButton, 0);
    QCOMPARE(box.parentWidget.data(), p->stepTable);

    if (!yes) {
        // Not a bit of the configuration changed, and the page shows it as it was.
        QCOMPARE(f->ui.messages.size(), 1);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(f->image() + image_layout::DelayTable),
                            4 * image_layout::DelayCount),
                 delayTable);
        QCOMPARE(c().delaysInUse, inUse);
        QCOMPARE(c().sequenceDelays[Q], oldSteps);
        QCOMPARE((QStringList{userActions(start()), userActions(end(0)), userActions(end(1)), userActions(end(2))}),
                 oldActions);
        QCOMPARE(p->stepCountSpin->value(), before);
        QCOMPARE(p->stepTable->model()->rowCount(), before > 0 ? before + 1 : 0);
        return;
    }
    // Yes: the delays are the sequence's now; their own times and end actions are gone,
    // and with them one of the two starts of delay 7. The sequence's own actions moved as
    // in any edit.
    QCOMPARE(c().sequenceDelays[Q], steps);
    QCOMPARE(delayWord(1), delay_entry_class(1, Q).word);
    QCOMPARE(c().delaysInUse.count(7), sevenSetUp ? 0 : 1);
    if (sevenSetUp)
        QCOMPARE(delayWord(7), delay_entry_class(30, delay_entry_class::NoSequence).word);
    QCOMPARE(rowsWithDelays(), rowActions);
    const int n = int(steps.size());
    QCOMPARE(p->stepCountSpin->value(), n);
    QCOMPARE(p->stepTable->model()->rowCount(), n + 1);
    if (steps.contains(0xFFFF)) {
        // Past the last delay there is none to take: said once, after the question.
        QCOMPARE(f->ui.messageTexts().mid(1), QStringList{"To many delays defined!"});
        QCOMPARE(delayWord(2), delay_entry_class(1, Q).word);
        return;
    }
    QCOMPARE(f->ui.messages.size(), 1);
    QCOMPARE(delayWord(2), delay_entry_class::Free);
    QCOMPARE(userActions(end(2)), QStringLiteral("scene 4 on"));
    const QStringList problems = chainProblems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String(", "))));
}

void tst_aseq_conf_widget::finishPreviousStepAddsTheMissingOffActions()
{
    aseq_settings_widget *p = page();
    setSteps(p, 2);
    const u16 row0 = start();
    const u16 row1 = end(0);
    addSceneOn(row0, 5);
    addAction(row0, ActionProgram, 2, OperationOn);
    addAction(row0, ActionScene, 6, OperationToggle);    // only On counts
    addAction(row0, ActionMask, 3, OperationOn);         // only scenes and programs
    addAction(row1, ActionScene, 5, OperationOff);
    addAction(row1, ActionProgram, 2, OperationOn);      // not an Off action

    clickAt(p, 1, p->finishButton);
    QCOMPARE(userActions(row1), QStringLiteral("scene 5 off; program 2 on; program 2 off"));
    // The page shows the row's new actions.
    QCOMPARE(p->actionEditor->eventCode, int(row1));
    QCOMPARE(p->actionEditor->actionTable->rowCount(), 3);

    // Pressed again it finds every Off action there.
    clickAt(p, 1, p->finishButton);
    QCOMPARE(userActions(row1), QStringLiteral("scene 5 off; program 2 on; program 2 off"));

    // On the finish row it finishes the last step; on row 0 there is nothing before.
    addSceneOn(row1, 8);
    clickAt(p, 2, p->finishButton);
    QCOMPARE(userActions(end(1)), QStringLiteral("program 2 off; scene 8 off"));
    const QString before = userActions(row0);
    clickAt(p, 0, p->finishButton);
    QCOMPARE(userActions(row0), before);
    const QStringList problems = chainProblems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String(", "))));
}

void tst_aseq_conf_widget::editsPastTheActionTableAreRefused_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("left");      // action records free before the edit
    QTest::addColumn<bool>("refused");
    // Two more steps take two Delay Start actions, an inserted step one, finishing step 1
    // two Off actions (scene 1 and program 2).
    QTest::newRow("growing by two, two records left") << "grow" << 2 << false;
    QTest::newRow("growing by two, one record left") << "grow" << 1 << true;
    QTest::newRow("inserting, one record left") << "insert" << 1 << false;
    QTest::newRow("inserting, none left") << "insert" << 0 << true;
    QTest::newRow("finishing, two records left") << "finish" << 2 << false;
    QTest::newRow("finishing, one record left") << "finish" << 1 << true;
}

void tst_aseq_conf_widget::editsPastTheActionTableAreRefused()
{
    QFETCH(QString, edit);
    QFETCH(int, left);
    QFETCH(bool, refused);
    aseq_settings_widget *p = page();
    setSteps(p, 1);
    addSceneOn(start(), 1);
    addAction(start(), ActionProgram, 2, OperationOn);
    event_actions_class &store = c().eventActions;
    while (store.freeRecords() > left)
        addSceneOn(EventInternal, 3);
    const QList<u16> steps = c().sequenceDelays[Q];
    const QList<u16> inUse = c().delaysInUse;
    const QString startActions = userActions(start());
    const QString step1Actions = userActions(end(0));
    takeMessageTexts();

    if (edit == QLatin1String("grow"))
        setSteps(p, 3);
    else if (edit == QLatin1String("insert"))
        clickAt(p, 0, p->insertButton);
    else
        clickAt(p, 1, p->finishButton);

    if (refused) {
        // Refused where it is made, saying why: nothing changed, the count box included.
        QCOMPARE(takeMessageTexts(), QStringList{"Actions limit exceed!"});
        QCOMPARE(c().sequenceDelays[Q], steps);
        QCOMPARE(c().delaysInUse, inUse);
        QCOMPARE(userActions(start()), startActions);
        QCOMPARE(userActions(end(0)), step1Actions);
        QCOMPARE(store.freeRecords(), left);
        QCOMPARE(p->stepCountSpin->value(), 1);
    } else {
        // Taken whole: the table is full to its last record and the chain holds.
        QCOMPARE(takeMessageTexts(), QStringList());
        QCOMPARE(store.freeRecords(), 0);
        if (edit == QLatin1String("finish"))
            QCOMPARE(userActions(end(0)), QStringLiteral("scene 1 off; program 2 off"));
        else
            QCOMPARE(c().sequenceDelays[Q].size(), edit == QLatin1String("grow") ? 3 : 2);
    }
    const QStringList problems = chainProblems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String(", "))));
}

void tst_aseq_conf_widget::stepsWithoutDelaysAreLeftAloneByEdits()
{
    // Steps 4, none, 6: the link of step 3 hangs on no event.
    setDelayWord(4, delay_entry_class(30, Q).word);
    setDelayWord(6, delay_entry_class(30, Q).word);
    c().sequenceDelays[Q] = {4, 0xFFFF, 6};
    c().delaysInUse = {4, 6};
    addAction(start(), ActionDelay, 4, OperationOn);
    addSceneOn(end(4), 1);
    addSceneOn(end(6), 2);
    aseq_settings_widget *p = page();

    // Deleting the step without a delay only takes it out of the list.
    clickAt(p, 1, p->deleteButton);
    QCOMPARE(c().sequenceDelays[Q], (QList<u16>{4, 6}));
    QCOMPARE(userActions(end(4)), QStringLiteral("scene 1 on"));
    QCOMPARE(userActions(end(6)), QStringLiteral("scene 2 on"));

    // Inserting after a step without a delay takes no delay: nothing could start the new
    // step, whose delay would stay owned by the sequence out of its reach.
    c().sequenceDelays[Q] = {4, 0xFFFF, 6};
    p->refresh();
    clickAt(p, 2, p->insertButton);
    QCOMPARE(c().sequenceDelays[Q], (QList<u16>{4, 0xFFFF, 6}));
    QCOMPARE(delayWord(0), delay_entry_class::Free);
    QCOMPARE(c().delaysInUse, (QList<u16>{4, 6}));
    QCOMPARE(f->ui.messages.size(), 0);

    // Shrinking frees.
    setSteps(p, 2);
    QCOMPARE(c().sequenceDelays[Q], (QList<u16>{4, 0xFFFF}));
    QCOMPARE(delayWord(6), delay_entry_class::Free);
    QCOMPARE(c().delaysInUse, QList<u16>{4});
    QCOMPARE(userActions(end(4)), QStringLiteral("scene 1 on"));

    // Inserting on the step without a delay itself chains the new step from the step
    // before, which has one.
    clickAt(p, 1, p->insertButton);
    QCOMPARE(c().sequenceDelays[Q], (QList<u16>{4, 0, 0xFFFF}));
    QCOMPARE(stepLinks(end(4)), QList<u16>{0});
    QCOMPARE(userActions(end(4)), QString());
    QCOMPARE(userActions(end(0)), QStringLiteral("scene 1 on"));
}

QTEST_MAIN(tst_aseq_conf_widget)
#include "tst_aseq_conf_widget.moc"
