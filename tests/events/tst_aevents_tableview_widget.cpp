#include "events/aevents_tableview_delegate.h"
#include "events/aevents_tableview_widget.h"
#include "events/event_page_kind.h"
#include "model/delay_entry_class.h"
#include "model/image_access.h"
#include "tests/support/page_fixture.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

// The action table: what each field of an action reads as, the row colours, the rows of
// the sequence page that leave out its chain links, the keys and the target it reports.
class tst_aevents_tableview_widget : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup() { QVERIFY(page_fixture::tearDown(f).isEmpty()); }

    void cellTexts_data();
    void cellTexts();
    void rowBrushes();
    void refreshKeepsTheCurrentRow();
    void eventsWithoutActions();
    void sequencePageHidesChainLinks_data();
    void sequencePageHidesChainLinks();
    void deleteAndInsertKeys();
    void targetOfTheCurrentRow_data();
    void targetOfTheCurrentRow();
    void delegateSignals();

private:
    std::unique_ptr<page_fixture> f;

    aevents_tableview_widget *table(int kind, int event)
    {
        auto *t = new aevents_tableview_widget(kind, f->tabPage.get());
        t->setEvent(event);
        return t;
    }
    // Appends an action to an event; returns its index.
    int add(int event, int type, int number, int operation = OperationOff)
    {
        event_actions_class &store = f->controller->eventActions;
        const int j = store.appendAction(event);
        store.setType(event, j, type);
        store.setNo(event, j, number);
        store.setOperation(event, j, operation);
        return j;
    }
    void lockDelay(int delay, int sequence)
    {
        writeU32(f->image(), image_layout::delayEntry(u32(delay)), delay_entry_class(100, u32(sequence)).word);
    }
    static QStringList rowTexts(const QTableWidget *t, int row)
    {
        QStringList texts;
        for (int c = 0; c < t->columnCount(); ++c)
            texts << t->item(row, c)->text();
        return texts;
    }
};

typedef QList<uint> word_list;

void tst_aevents_tableview_widget::cellTexts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("statesA");
    QTest::addColumn<word_list>("words");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("texts");

    const word_list none = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    const int N = 0xFF;
    auto row = [&](const char *name, int type, int number, int op, int from, int to, int a, word_list w, int kind,
                   QStringList texts) {
        QTest::newRow(name) << type << number << op << from << to << a << w << kind << texts;
    };
    // What a new action reads.
    row("new action", 0, 0, 4, N, N, N, none, 2, {"Scene", "1", "Off", "Not set", ""});
    // Numbers.
    row("scene all", 0, 0x8000, 0, N, N, N, none, 2, {"Scene", "All", "On", "Not set", ""});
    row("above all", 0, 0x8001, 0, N, N, N, none, 2, {"Scene", "32770", "On", "Not set", ""});
    row("program 512", 1, 511, 7, N, N, N, none, 0, {"Program", "512", "Restart", "Not set", ""});
    row("state 0", 3, 0, 0, N, N, N, none, 2, {"Set status", "A1", "Activate", "Not set", ""});
    row("state 3", 3, 3, 4, N, N, N, none, 2, {"Set status", "A4", "Deactivate", "Not set", ""});
    row("state 4", 3, 4, 2, N, N, N, none, 2, {"Set status", "B1", "Toggle", "Not set", ""});
    row("state 11", 3, 11, 2, N, N, N, none, 2, {"Set status", "B8", "Toggle", "Not set", ""});
    row("state 12", 3, 12, 2, N, N, N, none, 2, {"Set status", "C1", "Toggle", "Not set", ""});
    row("state 67", 3, 67, 2, N, N, N, none, 2, {"Set status", "I8", "Toggle", "Not set", ""});
    row("state 68", 3, 68, 2, N, N, N, none, 2, {"Set status", "All", "Toggle", "Not set", ""});
    row("enabling", 2, 0, 0, N, N, N, none, 0, {"Enabling", "- -", "Enable", "Not set", ""});
    row("disabling", 2, 0, 4, N, N, N, none, 0, {"Enabling", "- -", "Disable", "Not set", ""});
    row("save show", 4, 0, 0, N, N, N, none, 0, {"Save show", "- -", "Save", "Not set", ""});
    row("restore show", 4, 0, 4, N, N, N, none, 0, {"Save show", "- -", "Restore", "Not set", ""});
    row("unknown type", 9, 3, 11, N, N, N, none, 2, {"Oops!", "- -", "Oops!", "Not set", ""});
    // Operations by type.
    row("next step", 1, 0, 1, N, N, N, none, 2, {"Program", "1", "Next step", "Not set", ""});
    row("scene op 1", 0, 0, 1, N, N, N, none, 2, {"Scene", "1", "On", "Not set", ""});
    row("mask op 1", 7, 0, 1, N, N, N, none, 2, {"Mask", "1", "On", "Not set", ""});
    row("delay op 1", 5, 0, 1, N, N, N, none, 2, {"Delay", "1", "Oops!", "Not set", ""});
    row("program op 2", 1, 0, 2, N, N, N, none, 2, {"Program", "1", "On", "Not set", ""});
    row("sequence op 6", 6, 0, 6, N, N, N, none, 2, {"Sequence", "1", "Oops!", "Not set", ""});
    row("sequence start", 6, 127, 0, N, N, N, none, 2, {"Sequence", "128", "Start", "Not set", ""});
    row("program exclusive", 1, 0, 6, N, N, N, none, 2, {"Program", "1", "Exclusive on", "Not set", ""});
    row("scene brighter", 0, 0, 8, N, N, N, none, 2, {"Scene", "1", "Increase brightness", "Not set", ""});
    row("mask darker", 7, 0, 9, N, N, N, none, 2, {"Mask", "1", "Decrease intensity", "Not set", ""});
    row("mask set", 7, 255, 10, N, N, N, none, 2, {"Mask", "256", "Set intensity", "Not set", ""});
    row("program op 8", 1, 0, 8, N, N, N, none, 2, {"Program", "1", "Oops!", "Not set", ""});
    row("operation 12", 0, 0, 12, N, N, N, none, 2, {"Scene", "1", "Oops!", "Not set", ""});
    row("freeze unfreeze", 5, 0, 5, N, N, N, none, 2, {"Delay", "1", "Unfreeze", "Not set", ""});
    // Daytime limits.
    row("8 to 17", 0, 0, 4, 48, 102, N, none, 2, {"Scene", "1", "Off", "8:00 - 17:00", ""});
    row("whole day", 0, 0, 4, 0, 144, N, none, 2, {"Scene", "1", "Off", "0:00 - 24:00", ""});
    row("to past the end", 0, 0, 4, 48, 0xFF, N, none, 2, {"Scene", "1", "Off", "8:00 - 24:00", ""});
    row("half hours", 0, 0, 4, 3, 141, N, none, 2, {"Scene", "1", "Off", "0:30 - 23:30", ""});
    row("from the end", 0, 0, 4, 144, 144, N, none, 2, {"Scene", "1", "Off", "24:00 - 24:00", ""});
    row("daytime only", 0, 0, 4, 0xFE, 0xFF, N, none, 2, {"Scene", "1", "Off", "Daytime only", ""});
    row("night-time only", 0, 0, 4, 0xFE, 0xFE, N, none, 2, {"Scene", "1", "Off", "Night-time only", ""});
    row("not set, odd pair", 0, 0, 4, 0xFF, 0xFE, N, none, 2, {"Scene", "1", "Off", "Not set", ""});
    row("clock page", 0, 0, 4, 48, 102, N, none, 1, {"Scene", "1", "Off", "Not set", ""});
    // State limits: upper case when the state must be set, lower case when unset.
    row("a1 unset", 0, 0, 4, N, N, 0xFC, none, 2, {"Scene", "1", "Off", "Not set", "a1 "});
    row("A2 set", 0, 0, 4, N, N, 0xFB, none, 2, {"Scene", "1", "Off", "Not set", "A2 "});
    row("b1 and D1", 0, 0, 4, N, N, 0xFF, {0xFFFFFFFC, 0xFFFFFFFE, 0xFFFFFFFF, 0xFFFFFFFF}, 2,
        {"Scene", "1", "Off", "Not set", "b1 D1 "});
    row("I8 set", 0, 0, 4, N, N, 0xFF, {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xBFFFFFFF}, 2,
        {"Scene", "1", "Off", "Not set", "I8 "});
    row("i8 unset", 0, 0, 4, N, N, 0xFF, {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0x3FFFFFFF}, 2,
        {"Scene", "1", "Off", "Not set", "i8 "});
    row("ignored codes", 0, 0, 4, N, N, 0x59, {0x55555555, 0xFFFFFFFF, 0xFFFFFFFF, 0x7FFFFFFF}, 2,
        {"Scene", "1", "Off", "Not set", "A2 "});
}

void tst_aevents_tableview_widget::cellTexts()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(int, operation);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, statesA);
    QFETCH(word_list, words);
    QFETCH(int, kind);
    QFETCH(QStringList, texts);

    const int event = 0x400;
    event_actions_class &store = f->controller->eventActions;
    const int j = add(event, type, number, operation);
    store.setDaytimeLimit(event, j, from, to);
    const u32 w[4] = {words[0], words[1], words[2], words[3]};
    store.setStateLimit(event, j, statesA, w);

    auto *t = table(kind, event);
    QCOMPARE(t->rowCount(), 1);
    QCOMPARE(rowTexts(t, 0), texts);
}

void tst_aevents_tableview_widget::rowBrushes()
{
    const int event = 0x400;
    lockDelay(6, 0);
    add(event, ActionDelay, 6, OperationOn);
    add(event, ActionDelay, 6, OperationOff);
    add(event, ActionDelay, 7, OperationOn);
    add(event, ActionDelay, 0x8000, OperationOn);
    add(event, ActionScene, 6, OperationOn);

    const QBrush base = QGuiApplication::palette().base();
    const QColor beige(243, 228, 186);
    auto *t = table(InternalEventsPageKind, event);
    for (int row = 0; row < t->rowCount(); ++row) {
        for (int c = 0; c < aevents_tableview_widget::ColumnCount; ++c) {
            const QBrush brush = t->item(row, c)->background();
            if (row < 2)
                QCOMPARE(brush.color(), beige);
            else
                QCOMPARE(brush, base);
        }
    }

    // The clock page's daytime column reads as inactive on every row.
    auto *clock = table(ClockPageKind, event);
    const QBrush disabled = QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Base);
    for (int row = 0; row < clock->rowCount(); ++row)
        QCOMPARE(clock->item(row, aevents_tableview_widget::DaytimeColumn)->background(), disabled);
    QCOMPARE(clock->item(0, aevents_tableview_widget::TypeColumn)->background().color(), beige);
}

void tst_aevents_tableview_widget::refreshKeepsTheCurrentRow()
{
    const int event = 0x401;
    for (int n = 0; n < 5; ++n)
        add(event, ActionScene, n);
    auto *t = table(InternalEventsPageKind, event);
    t->setCurrentCell(2, 0);
    QTableWidgetItem *kept = t->item(2, 0);

    f->controller->eventActions.setNo(event, 2, 41);
    f->controller->eventActions.removeAction(event, 4);
    t->refresh();
    QCOMPARE(t->rowCount(), 4);
    QCOMPARE(t->currentRow(), 2);
    QCOMPARE(t->item(2, 0), kept);
    QCOMPARE(t->item(2, aevents_tableview_widget::NoColumn)->text(), QStringLiteral("42"));
}

void tst_aevents_tableview_widget::eventsWithoutActions()
{
    add(0x402, ActionScene, 1);
    auto *t = table(InternalEventsPageKind, 0x402);
    QCOMPARE(t->rowCount(), 1);
    t->setEvent(0x403);  // never had a list
    QCOMPARE(t->rowCount(), 0);
    t->setEvent(0xFFFF);  // the sequence page's "no step"
    QCOMPARE(t->rowCount(), 0);
    QCOMPARE(t->actionIndex(0), 0);
    QCOMPARE(t->rowOffset(), 0);
}

void tst_aevents_tableview_widget::sequencePageHidesChainLinks_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("event");
    QTest::addColumn<QList<int>>("delays");  // the event's Delay Start actions go where -1 is not
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QList<int>>("indexes");  // actionIndex of rows 0 .. rows

    // Sequence 2 owns delay 10, sequence 3 delay 11; scene actions are numbered 1, 2, ...
    // A list is given as the delays of its Delay Starts, 0 for a scene action.
    QTest::newRow("head link, sequence start") << int(SequencePageKind) << 0x1202 << QList<int>{10, 0, 0}
                                               << QStringList{"1", "2"} << 1 << QList<int>{1, 2, 3};
    QTest::newRow("same list elsewhere") << int(InternalEventsPageKind) << 0x1202 << QList<int>{10, 0, 0}
                                         << QStringList{"11", "1", "2"} << 0 << QList<int>{0, 1, 2, 3};
    QTest::newRow("another sequence's delay") << int(SequencePageKind) << 0x1202 << QList<int>{11, 0}
                                              << QStringList{"12", "1"} << 0 << QList<int>{0, 1, 2};
    QTest::newRow("delay end of a step") << int(SequencePageKind) << 0x100A << QList<int>{11, 0}
                                         << QStringList{"1"} << 1 << QList<int>{1, 2};
    // A link that is not at the head (a file may hold one) is still left out, and every row
    // still maps to the action it shows.
    QTest::newRow("link in the middle") << int(SequencePageKind) << 0x1202 << QList<int>{0, 10, 0}
                                        << QStringList{"1", "2"} << 0 << QList<int>{0, 2, 3};
    QTest::newRow("only the link") << int(SequencePageKind) << 0x1202 << QList<int>{10} << QStringList{} << 1
                                   << QList<int>{1};
    // Numbers of 512 and more (All among them) name no delay and so no owner, whatever the
    // image holds where the entry of a delay of that number would stand.
    QTest::newRow("a start of delay 513") << int(SequencePageKind) << 0x1202 << QList<int>{512, 0}
                                          << QStringList{"513", "1"} << 0 << QList<int>{0, 1, 2};
    QTest::newRow("a start of all delays") << int(SequencePageKind) << 0x1202 << QList<int>{0x8000, 0}
                                           << QStringList{"All", "1"} << 0 << QList<int>{0, 1, 2};
}

void tst_aevents_tableview_widget::sequencePageHidesChainLinks()
{
    QFETCH(int, kind);
    QFETCH(int, event);
    QFETCH(QList<int>, delays);
    QFETCH(QStringList, numbers);
    QFETCH(int, offset);
    QFETCH(QList<int>, indexes);

    lockDelay(10, 2);
    lockDelay(11, 3);
    // Past the delay table: never read as owners.
    lockDelay(int(image_layout::DelayCount), 2);
    lockDelay(event_action_class::AllObjects, 2);
    f->controller->sequenceDelays[3] = {11, 10};
    int scene = 0;
    for (int delay : delays) {
        if (delay)
            add(event, ActionDelay, delay, OperationOn);
        else
            add(event, ActionScene, scene++);
    }

    auto *t = table(kind, event);
    QStringList shown;
    for (int row = 0; row < t->rowCount(); ++row)
        shown << t->item(row, aevents_tableview_widget::NoColumn)->text();
    QCOMPARE(shown, numbers);
    QCOMPARE(t->rowOffset(), offset);
    QList<int> mapped;
    for (int row = 0; row <= t->rowCount(); ++row)
        mapped << t->actionIndex(row);
    QCOMPARE(mapped, indexes);
}

void tst_aevents_tableview_widget::deleteAndInsertKeys()
{
    const int event = 0x404;
    for (int n = 0; n < 3; ++n)
        add(event, ActionScene, n);
    auto *t = table(InternalEventsPageKind, event);
    t->setCurrentCell(1, 0);
    QSignalSpy deletes(t, &aevents_tableview_widget::deletePressed);
    QSignalSpy inserts(t, &aevents_tableview_widget::insertPressed);

    QTest::keyClick(t, Qt::Key_Delete);
    QTest::keyClick(t, Qt::Key_Insert);
    QCOMPARE(deletes.count(), 1);
    QCOMPARE(inserts.count(), 1);
    QCOMPARE(t->rowCount(), 3);
    QCOMPARE(t->currentRow(), 1);
    QCOMPARE(f->controller->eventActions.count(event), 3);

    // Other keys keep the view's own behaviour.
    QTest::keyClick(t, Qt::Key_Down);
    QCOMPARE(t->currentRow(), 2);
    QCOMPARE(deletes.count(), 1);
}

void tst_aevents_tableview_widget::targetOfTheCurrentRow_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("reportedType");
    QTest::addColumn<int>("reportedNumber");
    QTest::newRow("scene 5") << 0 << 4 << 0 << 4;
    QTest::newRow("scene all") << 0 << 0x8000 << 0 << -1;
    QTest::newRow("state C2") << 3 << 13 << 3 << 13;
    QTest::newRow("state all") << 3 << 0x8000 << 3 << -1;
    QTest::newRow("enabling") << 2 << 0 << 2 << -1;
    QTest::newRow("mask 256") << 7 << 255 << 7 << 255;
    QTest::newRow("unknown type") << 12 << 3 << -1 << -1;
}

void tst_aevents_tableview_widget::targetOfTheCurrentRow()
{
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(int, reportedType);
    QFETCH(int, reportedNumber);
    const int event = 0x405;
    add(event, ActionProgram, 1);
    add(event, type, number);
    auto *t = table(InternalEventsPageKind, event);
    QSignalSpy changes(t, &aevents_tableview_widget::actionChgd);

    t->setCurrentCell(1, 2);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last(), (QList<QVariant>{reportedType, reportedNumber}));
    QCOMPARE(t->currentType(), reportedType);

    // No current row: no type, no number.
    t->setCurrentCell(-1, 0);
    QCOMPARE(changes.last(), (QList<QVariant>{-1, -1}));
    QCOMPARE(t->currentType(), -1);
}

void tst_aevents_tableview_widget::delegateSignals()
{
    const int event = 0x406;
    add(event, ActionScene, 4);
    add(event, ActionProgram, 9);
    auto *t = table(InternalEventsPageKind, event);
    auto *delegate = qobject_cast<aevents_tableview_delegate *>(t->itemDelegate());
    QVERIFY(delegate);
    QCOMPARE(delegate->pageKind, int(InternalEventsPageKind));
    QCOMPARE(delegate->eventCode, event);
    t->setEvent(0xFFFF);  // no event: the delegate keeps the last one
    QCOMPARE(delegate->eventCode, event);
    t->setEvent(event);
    QSignalSpy changes(t, &aevents_tableview_widget::actionChgd);

    // Without a current row a type change is not taken up.
    emit delegate->actionTypeChgd(ActionMask);
    QCOMPARE(changes.count(), 0);

    t->setCurrentCell(0, 0);
    changes.clear();
    // A new type: the number stays and reads as the new type's.
    emit delegate->actionTypeChgd(ActionSetStatus);
    QCOMPARE(t->item(0, aevents_tableview_widget::NoColumn)->text(), QStringLiteral("B1"));
    QCOMPARE(changes.count(), 0);  // states show no target description here
    emit delegate->actionTypeChgd(ActionMask);
    QCOMPARE(changes.last(), (QList<QVariant>{int(ActionMask), 4}));

    // Number editor values: 0 All, n + 1 object n.
    emit delegate->actionNoChgd(5);
    QCOMPARE(changes.last(), (QList<QVariant>{int(ActionScene), 4}));
    emit delegate->actionNoChgd(0);
    QCOMPARE(changes.last(), (QList<QVariant>{int(ActionScene), -1}));

    // A stored edit redraws the table from the store and the Delays page through the window.
    f->controller->eventActions.setNo(event, 1, 99);
    emit delegate->forceRefresh();
    QCOMPARE(t->item(1, aevents_tableview_widget::NoColumn)->text(), QStringLiteral("100"));
    QCOMPARE(f->window.delaysPageRefreshes, 1);
}

QTEST_MAIN(tst_aevents_tableview_widget)
#include "tst_aevents_tableview_widget.moc"
