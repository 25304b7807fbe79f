#include "events/aevents_conf_widget.h"
#include "events/aevents_tableview_widget.h"
#include "events/event_page_kind.h"
#include "model/delay_entry_class.h"
#include "model/image_access.h"
#include "tests/support/page_fixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The action editor's list operations (Add, Insert, Del, Copy, Paste, and the keys), with
// what they keep in step: the delays in use, the enabling input and the one clipboard.
class tst_aevents_conf_widget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void operations_data();
    void operations();
    void deletionReleasesTheEnablingInput_data();
    void deletionReleasesTheEnablingInput();
    void actionsTheTableCannotHold_data();
    void actionsTheTableCannotHold();
    void copiedActionsSurvive();
    void copyWithoutSelectionEmptiesTheClipboard();
    void sequencePageSkipsTheChainLink();
    void noEventChangesNothing();
    void buttonsDriveTheOperations();
    void layoutByKind_data();
    void layoutByKind();

private:
    std::unique_ptr<page_fixture> f;

    // An action as "type:number:operation".
    static QString actionText(const event_action_class &a)
    {
        return QStringLiteral("%1:%2:%3").arg(a.type()).arg(a.no).arg(a.operation());
    }
    static event_action_class actionOf(const QString &text, int event)
    {
        const QStringList parts = text.split(QLatin1Char(':'));
        event_action_class a = event_action_class::newAction(u16(event));
        a.setType(parts[0].toInt());
        a.no = u16(parts[1].toInt());
        a.setOperation(parts[2].toInt());
        return a;
    }
    QStringList listOf(int event) const
    {
        QStringList texts;
        const event_actions_class &store = f->controller->eventActions;
        for (int j = 0; j < store.count(u32(event)); ++j)
            texts << actionText(*store.action(u32(event), j));
        return texts;
    }
    void setList(int event, const QStringList &actions)
    {
        for (const QString &text : actions)
            f->controller->eventActions.insertActionCopy(event, 1 << 30, actionOf(text, event));
    }
    void lockDelay(int delay, int sequence)
    {
        writeU32(f->image(), image_layout::delayEntry(u32(delay)), delay_entry_class(100, u32(sequence)).word);
    }
    // Fills the action table with ordinary actions on event `filler` until `free` records
    // are left.
    void fillTable(int filler, int free)
    {
        const int count = f->controller->eventActions.freeRecords() - free;
        for (int i = 0; i < count; ++i)
            f->controller->eventActions.appendAction(filler);
    }
    // Saves the configuration and opens the file again.
    void saveAndOpen()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("round.cfg625"));
        f->controller->write_confDataToFile(file, false);
        QCOMPARE(f->ui.messages.last().icon, message_icon::Information);
        QCOMPARE(f->controller->read_confDataFromFile(file), 0);
    }
    aevents_conf_widget *editor(int kind, int event)
    {
        auto *e = new aevents_conf_widget(kind, f->tabPage.get());
        e->setEvent(u16(event));
        e->refresh();
        return e;
    }
    static void select(aevents_tableview_widget *table, const QList<int> &rows)
    {
        table->clearSelection();
        for (int row : rows)
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

void tst_aevents_conf_widget::init()
{
    f = std::make_unique<page_fixture>();
    event_actions_class::clipboard.clear();
}

void tst_aevents_conf_widget::cleanup()
{
    event_actions_class::clipboard.clear();
    QVERIFY(page_fixture::tearDown(f).isEmpty());
}

typedef QList<int> row_list;

void tst_aevents_conf_widget::operations_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("clipboard");  // records, as "type:number:operation"
    QTest::addColumn<row_list>("selected");
    QTest::addColumn<int>("currentRow");  // set after the selection; -1 none
    QTest::addColumn<bool>("before");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("enablingBefore");
    QTest::addColumn<QStringList>("result");
    QTest::addColumn<row_list>("delaysInUse");  // before: {7, 7, 12}
    QTest::addColumn<int>("refreshes");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("enablingAfter");
    QTest::addColumn<int>("kind");  // the page's

    const QStringList none;
    const row_list inUse = {7, 7, 12};
    const QString locked = QStringLiteral("Warning!|This delay is locked!");
    // Delays 5 and 20 belong to sequence 1.
    auto row = [&](const char *name, int event, QStringList actions, QStringList clip, row_list selected, int current,
                   bool before, const char *op, QStringList result, row_list delays = {7, 7, 12}, int refreshes = 0,
                   QStringList boxes = {}, int enablingBefore = -1, int enablingAfter = -1,
                   int kind = InternalEventsPageKind) {
        QTest::newRow(name) << event << actions << clip << selected << current << before << QString::fromLatin1(op)
                            << enablingBefore << result << delays << refreshes << boxes << enablingAfter << kind;
    };

    // Add: a new action follows the last one with the next number and operation Off.
    row("add to empty", 0x400, none, none, {}, -1, false, "add", {"0:0:4"});
    row("add after scene 10", 0x400, {"0:9:0"}, none, {}, -1, false, "add", {"0:9:0", "0:10:4"});
    row("add after next step", 0x400, {"1:3:1"}, none, {}, -1, false, "add", {"1:3:1", "1:4:4"});
    row("add after delay start", 0x400, {"5:1:0"}, none, {}, -1, false, "add", {"5:1:0", "5:2:4"});
    row("add before locked delay", 0x400, {"5:4:0"}, none, {}, -1, false, "add", {"5:4:0", "0:0:4"}, inUse, 0,
        {locked});
    row("add after all", 0x400, {"0:32768:3"}, none, {}, -1, false, "add", {"0:32768:3", "0:32768:4"});
    row("add after last scene", 0x400, {"0:3071:0"}, none, {}, -1, false, "add", {"0:3071:0", "0:3071:4"});
    row("add after last mask", 0x400, {"7:255:0"}, none, {}, -1, false, "add", {"7:255:0", "7:255:4"});
    row("add after last state", 0x400, {"3:67:0"}, none, {}, -1, false, "add", {"3:67:0", "3:67:4"});
    row("add after all states", 0x400, {"3:32768:0"}, none, {}, -1, false, "add", {"3:32768:0", "3:32768:4"});
    row("add after save show", 0x1340, {"4:0:0"}, none, {}, -1, false, "add", {"4:0:0", "4:0:4"});
    row("add on the last row", 0x400, {"0:1:0", "6:2:0"}, none, {1}, 0, false, "add", {"0:1:0", "6:2:0", "6:3:4"});
    row("insert key appends", 0x400, {"0:1:0", "1:2:0"}, none, {0}, 0, false, "insert key",
        {"0:1:0", "1:2:0", "1:3:4"});
    // Insert: a new action before the first selected row.
    row("insert before row 2", 0x400, {"0:0:0", "0:1:0", "0:2:0", "0:3:0", "0:4:0"}, none, {2, 4}, -1, false,
        "insert", {"0:0:0", "0:1:0", "0:0:4", "0:2:0", "0:3:0", "0:4:0"});
    row("insert without selection", 0x400, {"0:0:0", "0:1:0"}, none, {}, -1, false, "insert", {"0:0:0", "0:1:0"});
    // Del: every selected row; a sequence's delay stays.
    row("del rows 1 and 3", 0x400, {"0:0:0", "0:1:0", "0:2:0", "0:3:0"}, none, {1, 3}, -1, false, "del",
        {"0:0:0", "0:2:0"});
    row("delete key", 0x400, {"0:0:0", "0:1:0", "0:2:0"}, none, {0, 2}, -1, false, "delete key", {"0:1:0"});
    row("del without selection", 0x400, {"0:0:0"}, none, {}, -1, false, "del", {"0:0:0"});
    row("del keeps a sequence's delay", 0x400, {"5:5:0", "5:5:4", "0:1:0"}, none, {0, 1, 2}, -1, false, "del",
        {"5:5:0"});
    row("del of a delay in use twice", 0x400, {"5:7:0"}, none, {0}, -1, false, "del", {}, {7, 12}, 1);
    row("del of a delay not in use", 0x400, {"5:8:0"}, none, {0}, -1, false, "del", {}, inUse, 0);
    row("del of a delay off", 0x400, {"5:7:4"}, none, {0}, -1, false, "del", {}, inUse, 0);
    // On the sequence page a chain link (sequence 1's delay 5) amid the list is not shown:
    // row 1 is the action after it.
    row("del after a chain link amid the list", 0x1201, {"0:0:0", "5:5:0", "0:1:0"}, none, {1}, -1, false, "del",
        {"0:0:0", "5:5:0"}, inUse, 0, {}, -1, -1, SequencePageKind);
    // Copy and Paste: copies after the current row, or before it, or at the head.
    const QStringList eight = {"0:0:0", "0:1:0", "0:2:0", "0:3:0", "0:4:0", "0:5:0", "0:6:0", "0:7:0"};
    row("paste after row 5", 0x400, eight, none, {0, 2}, 5, false, "copy paste",
        {"0:0:0", "0:1:0", "0:2:0", "0:3:0", "0:4:0", "0:5:0", "0:0:0", "0:2:0", "0:6:0", "0:7:0"});
    row("paste before row 5", 0x400, eight, none, {0, 2}, 5, true, "copy paste",
        {"0:0:0", "0:1:0", "0:2:0", "0:3:0", "0:4:0", "0:0:0", "0:2:0", "0:5:0", "0:6:0", "0:7:0"});
    row("paste at the head", 0x400, eight, none, {0, 2}, -1, false, "copy paste",
        {"0:0:0", "0:2:0", "0:0:0", "0:1:0", "0:2:0", "0:3:0", "0:4:0", "0:5:0", "0:6:0", "0:7:0"});
    row("paste after the last row", 0x400, {"0:0:0", "0:1:0"}, {"1:9:1"}, {}, 1, false, "paste",
        {"0:0:0", "0:1:0", "1:9:1"});
    row("paste into an empty list", 0x401, none, {"7:3:8", "6:1:0"}, {}, -1, false, "paste", {"7:3:8", "6:1:0"});
    row("paste an empty clipboard", 0x401, {"0:0:0"}, none, {}, 0, false, "paste", {"0:0:0"});
    row("paste a delay start", 0x400, none, {"5:11:0", "5:11:0"}, {}, -1, false, "paste", {"5:11:0", "5:11:0"},
        {7, 7, 12, 11, 11}, 2);
    row("paste a delay off", 0x400, none, {"5:11:4"}, {}, -1, false, "paste", {"5:11:4"}, inUse, 0);
    row("paste a sequence's delay", 0x400, none, {"5:20:4", "0:1:0", "5:5:0"}, {}, -1, false, "paste", {"0:1:0"},
        inUse, 0, {locked, locked});
    // Enabling actions only where the enabling input may be; a refused one stops the paste.
    row("paste enabling on an internal event", 0x400, none, {"2:0:0", "0:1:0"}, {}, -1, false, "paste", {}, inUse, 0,
        {" Illegal value!|Only inputs and remote-control buttons can enable!"});
    row("paste enabling on a free input", 0x1345, none, {"2:0:0"}, {}, -1, false, "paste", {"2:0:0"}, inUse, 0, {},
        -1, 2);
    row("paste enabling on the enabling input", 0x1344, none, {"2:0:4"}, {}, -1, false, "paste", {"2:0:4"}, inUse, 0,
        {}, 2, 2);
    row("paste enabling on a key", 0x1283, none, {"2:0:2"}, {}, -1, false, "paste", {"2:0:2"}, inUse, 0, {}, -1, 25);
    row("paste enabling while input 1 holds it", 0x1344, none, {"2:0:0", "4:0:0"}, {}, -1, false, "paste", {},
        inUse, 0, {" Illegal value!|Enabling input already defined: 1"}, 0, 0);
    row("paste enabling while key 5 holds it", 0x1344, none, {"2:0:0"}, {}, -1, false, "paste", {}, inUse, 0,
        {" Illegal value!|Enabling input already defined: RC 5"}, 28, 28);
}

void tst_aevents_conf_widget::operations()
{
    QFETCH(int, event);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, clipboard);
    QFETCH(row_list, selected);
    QFETCH(int, currentRow);
    QFETCH(bool, before);
    QFETCH(QString, operation);
    QFETCH(int, enablingBefore);
    QFETCH(QStringList, result);
    QFETCH(row_list, delaysInUse);
    QFETCH(int, refreshes);
    QFETCH(QStringList, boxes);
    QFETCH(int, enablingAfter);
    QFETCH(int, kind);

    lockDelay(5, 1);
    lockDelay(20, 1);
    f->controller->delaysInUse = {7, 7, 12};
    f->controller->eventActions.enablingInput = enablingBefore;
    setList(event, actions);
    for (const QString &text : clipboard)
        event_actions_class::clipboard.append(std::make_shared<event_action_class>(actionOf(text, 0x7FF)));
    aevents_conf_widget *e = editor(kind, event);
    aevents_tableview_widget *table = e->actionTable;
    QSignalSpy forceRefresh(e, &aevents_conf_widget::forceRefresh);

    select(table, selected);
    if (operation == QLatin1String("copy paste")) {
        e->copyActions();
        QCOMPARE(event_actions_class::clipboard.size(), selected.size());
    }
    if (currentRow >= 0)
        table->selectionModel()->setCurrentIndex(table->model()->index(currentRow, 0), QItemSelectionModel::NoUpdate);
    else
        table->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    e->beforeBox->setChecked(before);

    if (operation == QLatin1String("add"))
        e->pushButton_addClicked(false);
    else if (operation == QLatin1String("insert key"))
        QTest::keyClick(table, Qt::Key_Insert);
    else if (operation == QLatin1String("insert"))
        e->pushButton_insClicked(false);
    else if (operation == QLatin1String("del"))
        e->pushButton_delClicked(false);
    else if (operation == QLatin1String("delete key"))
        QTest::keyClick(table, Qt::Key_Delete);
    else
        e->pasteActions();

    QCOMPARE(listOf(event), result);
    QCOMPARE(table->rowCount(), table->shownActions().size());
    QCOMPARE(f->controller->delaysInUse, (QList<u16>(delaysInUse.begin(), delaysInUse.end())));
    QCOMPARE(forceRefresh.count(), refreshes);
    QCOMPARE(f->window.delaysPageRefreshes, refreshes);
    QStringList shown;
    for (const message_request &m : f->ui.messages) {
        shown << m.title + QLatin1Char('|') + m.text;
        QCOMPARE(m.parentWidget.data(), e);
        QCOMPARE(m.icon, message_icon::Warning);
    }
    QCOMPARE(shown, boxes);
    QCOMPARE(f->controller->eventActions.enablingInput, enablingAfter);
    // Every pasted action belongs to the event it was pasted on.
    for (int j = 0; j < result.size(); ++j)
        QCOMPARE(int(f->controller->eventActions.action(u32(event), j)->event), event);
}

// Add, Insert and Paste refuse what the action table cannot hold (a second Enabling action
// of one record, an action past the table's last record) and say why; what is shown then
// is what a save and open bring back.
void tst_aevents_conf_widget::actionsTheTableCannotHold_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("partnerActions");  // of the next event: the input's Off edge, the key's next
    QTest::addColumn<int>("freeRecords");             // the table filled up to these; -1 not filled
    QTest::addColumn<QStringList>("clipboard");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("result");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("enablingAfter");

    const int input1 = 0x1340;  // its Off edge 0x1341
    const int key2 = 0x1283;    // pressed; repeated 0x1284
    const QStringList none;
    const QString disableTaken = QStringLiteral(" Illegal value!|Enabling action already defined: Disable");
    const QString toggleTaken = QStringLiteral(" Illegal value!|Enabling action already defined: Toggle");
    const QString limit = QStringLiteral("Warning!|Actions limit exceed!");
    auto row = [&](const char *name, int event, QStringList actions, QStringList partner, int free, QStringList clip,
                   const char *op, QStringList result, QStringList boxes, int enablingAfter) {
        QTest::newRow(name) << event << actions << partner << free << clip << QString::fromLatin1(op) << result
                            << boxes << enablingAfter;
    };

    // Enabling: Add copies the type while the table has room, else takes the defaults.
    row("add a disable after the enable", input1, {"2:0:0"}, none, -1, none, "add", {"2:0:0", "2:0:4"}, none, 0);
    row("add a second disable", input1, {"2:0:0", "2:0:4"}, none, -1, none, "add", {"2:0:0", "2:0:4", "0:0:4"},
        {disableTaken}, 0);
    row("add beside the off edge's disable", input1, {"2:0:0"}, {"2:0:4"}, -1, none, "add", {"2:0:0", "0:0:4"},
        {disableTaken}, 0);
    row("add after a key's toggle", key2, {"2:0:2"}, none, -1, none, "add", {"2:0:2", "0:0:4"}, {toggleTaken}, 25);
    // Paste stops at the first action the table cannot hold.
    row("paste a second disable", input1, {"2:0:4"}, none, -1, {"0:5:0", "2:0:4", "0:6:0"}, "paste",
        {"2:0:4", "0:5:0"}, {disableTaken}, 0);
    row("paste a toggle beside the key's other event's", key2, none, {"2:0:2"}, -1, {"2:0:2"}, "paste", none,
        {toggleTaken}, 25);
    row("paste an enable and a disable", input1, none, none, -1, {"2:0:0", "2:0:4"}, "paste", {"2:0:0", "2:0:4"}, none,
        0);
    row("paste an operation the table drops", input1, none, none, -1, {"2:0:3"}, "paste", none,
        {" Illegal value!|Enabling actions only enable, disable or toggle!"}, -1);
    row("paste on an event that does not enable", 0x400, none, none, -1, {"0:1:0", "2:0:0", "0:2:0"}, "paste",
        {"0:1:0"}, {" Illegal value!|Only inputs and remote-control buttons can enable!"}, -1);
    // The table's room: 8190 records for every action but the Enabling ones.
    row("add into the last record", 0x400, {"0:1:0"}, none, 1, none, "add", {"0:1:0", "0:2:4"}, none, -1);
    row("add past the last record", 0x400, {"0:1:0"}, none, 0, none, "add", {"0:1:0"}, {limit}, -1);
    row("insert past the last record", 0x400, {"0:1:0"}, none, 0, none, "insert", {"0:1:0"}, {limit}, -1);
    row("paste past the last record", 0x400, {"0:1:0"}, none, 1, {"0:5:0", "0:6:0", "0:7:0"}, "paste",
        {"0:1:0", "0:5:0"}, {limit}, -1);
    row("add an enabling action to a full table", input1, {"2:0:0"}, none, 0, none, "add", {"2:0:0", "2:0:4"}, none,
        0);
    row("paste an enabling action into a full table", input1, none, none, 0, {"2:0:4", "0:1:0"}, "paste", {"2:0:4"},
        {limit}, 0);
    row("add a refused enabling action to a full table", input1, {"2:0:4"}, none, 0, none, "add", {"2:0:4"},
        {disableTaken, limit}, 0);
}

void tst_aevents_conf_widget::actionsTheTableCannotHold()
{
    QFETCH(int, event);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, partnerActions);
    QFETCH(int, freeRecords);
    QFETCH(QStringList, clipboard);
    QFETCH(QString, operation);
    QFETCH(QStringList, result);
    QFETCH(int, enablingAfter);

    const int filler = 0x7FF;
    setList(event, actions);
    setList(event + 1, partnerActions);
    for (const QString &text : actions + partnerActions) {
        if (actionOf(text, event).type() == ActionEnabling)
            f->controller->eventActions.enablingInput = event_actions_class::enablingValueOf(u32(event));
    }
    if (freeRecords >= 0)
        fillTable(filler, freeRecords);
    const int fillerCount = qMax(0, f->controller->eventActions.count(filler));
    for (const QString &text : clipboard)
        event_actions_class::clipboard.append(std::make_shared<event_action_class>(actionOf(text, 0x7FE)));
    const int kind = isInputEvent(u32(event)) ? InputsPageKind
        : isRcuKeyEvent(u32(event))           ? RemoteControlPageKind
                                              : InternalEventsPageKind;
    aevents_conf_widget *e = editor(kind, event);
    select(e->actionTable, {0});
    e->actionTable->selectionModel()->setCurrentIndex(e->actionTable->model()->index(int(actions.size()) - 1, 0),
                                                      QItemSelectionModel::NoUpdate);

    if (operation == QLatin1String("add"))
        e->pushButton_addClicked(false);
    else if (operation == QLatin1String("insert"))
        e->pushButton_insClicked(false);
    else
        e->pasteActions();

    QCOMPARE(listOf(event), result);
    QCOMPARE(e->actionTable->rowCount(), result.size());
    QStringList shown;
    for (const message_request &m : f->ui.messages) {
        shown << m.title + QLatin1Char('|') + m.text;
        QCOMPARE(m.icon, message_icon::Warning);
        QCOMPARE(m.parentWidget.data(), e);
    }
    QTEST(shown, "boxes");
    QCOMPARE(f->controller->eventActions.enablingInput, enablingAfter);

    // What the editor shows is what the file keeps.
    saveAndOpen();
    QCOMPARE(listOf(event), result);
    QCOMPARE(listOf(event + 1), partnerActions);
    QCOMPARE(qMax(0, f->controller->eventActions.count(filler)), fillerCount);
    QCOMPARE(f->controller->eventActions.enablingInput, enablingAfter);
}

void tst_aevents_conf_widget::deletionReleasesTheEnablingInput_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("partnerActions");  // of the input's other edge, or the key's next event
    QTest::addColumn<row_list>("selected");
    QTest::addColumn<int>("enablingBefore");
    QTest::addColumn<int>("enablingAfter");

    // Input 4 (value 3): On event 0x1346, Off event 0x1347. Key 2 (value 25): 0x1283..0x1285.
    QTest::newRow("the only enabling action") << 0x1346 << QStringList{"2:0:0", "0:0:0"} << QStringList{"0:1:0"}
                                              << row_list{0} << 3 << -1;
    QTest::newRow("one of two") << 0x1346 << QStringList{"2:0:0", "2:0:4"} << QStringList{} << row_list{0} << 3
                                << 3;
    QTest::newRow("the other edge keeps one") << 0x1346 << QStringList{"2:0:0"} << QStringList{"2:0:4"}
                                              << row_list{0} << 3 << 3;
    QTest::newRow("no enabling action removed") << 0x1346 << QStringList{"0:0:0"} << QStringList{} << row_list{0}
                                                << 3 << 3;
    QTest::newRow("another input holds it") << 0x1346 << QStringList{"2:0:0"} << QStringList{} << row_list{0} << 7
                                            << 7;
    QTest::newRow("a key's last") << 0x1283 << QStringList{"2:0:2"} << QStringList{} << row_list{0} << 25 << -1;
    QTest::newRow("a key's other event keeps one") << 0x1283 << QStringList{"2:0:2"} << QStringList{"2:0:2"}
                                                   << row_list{0} << 25 << 25;
}

void tst_aevents_conf_widget::deletionReleasesTheEnablingInput()
{
    QFETCH(int, event);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, partnerActions);
    QFETCH(row_list, selected);
    QFETCH(int, enablingBefore);
    QFETCH(int, enablingAfter);

    setList(event, actions);
    setList(event + 1, partnerActions);
    f->controller->eventActions.enablingInput = enablingBefore;
    aevents_conf_widget *e = editor(event < EventInput ? RemoteControlPageKind : InputsPageKind, event);
    select(e->actionTable, selected);
    e->pushButton_delClicked(false);
    QCOMPARE(f->controller->eventActions.enablingInput, enablingAfter);
}

void tst_aevents_conf_widget::copiedActionsSurvive()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("other.cfg625"));
    f->controller->write_confDataToFile(file, false);  // an empty configuration to open later
    QVERIFY(QFile::exists(file));

    setList(0x400, {"0:6:0", "7:2:3"});
    f->controller->eventActions.setDaytimeLimit(0x400, 0, 48, 102);
    aevents_conf_widget *e = editor(InternalEventsPageKind, 0x400);
    aevents_conf_widget *other = editor(DmxOutputPageKind, 0xC10);
    QVERIFY(e->pasteButton->isEnabled() == false);

    select(e->actionTable, {0});
    e->copyActions();
    QVERIFY(e->pasteButton->isEnabled());
    // The copied action is edited, then deleted; the configuration is cleared, and another
    // one is opened.
    f->controller->eventActions.setNo(0x400, 0, 10);
    select(e->actionTable, {0});
    e->pushButton_delClicked(false);
    QCOMPARE(listOf(0x400), QStringList{"7:2:3"});
    f->controller->ClearConfig(controller_configuration_class::ClearEverything);
    QCOMPARE(f->controller->read_confDataFromFile(file), 0);

    // Paste in another editor gives the action as it was when it left its list.
    other->refresh();
    QVERIFY(other->pasteButton->isEnabled());
    other->pasteActions();
    QCOMPARE(listOf(0xC10), QStringList{"0:10:0"});
    const event_action_class *pasted = f->controller->eventActions.action(0xC10, 0);
    QCOMPARE(int(pasted->daytimeFrom), 48);
    QCOMPARE(int(pasted->daytimeTo), 102);
    QCOMPARE(int(pasted->event), 0xC10);
    QCOMPARE(other->actionTable->item(0, aevents_tableview_widget::NoColumn)->text(), QStringLiteral("11"));
    // The clipboard still holds the record: a second paste gives another copy.
    other->pasteActions();
    QCOMPARE(listOf(0xC10), (QStringList{"0:10:0", "0:10:0"}));
    QVERIFY(f->controller->eventActions.action(0xC10, 0) != f->controller->eventActions.action(0xC10, 1));
}

void tst_aevents_conf_widget::copyWithoutSelectionEmptiesTheClipboard()
{
    setList(0x400, {"0:6:0"});
    aevents_conf_widget *e = editor(InternalEventsPageKind, 0x400);
    select(e->actionTable, {0});
    e->copyActions();
    QCOMPARE(event_actions_class::clipboard.size(), 1);
    select(e->actionTable, {});
    e->copyActions();
    QVERIFY(event_actions_class::clipboard.isEmpty());
    QVERIFY(!e->pasteButton->isEnabled());
    e->pasteActions();
    QCOMPARE(listOf(0x400), QStringList{"0:6:0"});
}

void tst_aevents_conf_widget::sequencePageSkipsTheChainLink()
{
    // Sequence 2 starts with its delay 10: the chain link heads its start event's list.
    lockDelay(10, 2);
    const int event = 0x1202;
    setList(event, {"5:10:0"});
    aevents_conf_widget *e = editor(SequencePageKind, event);
    QCOMPARE(e->actionTable->rowCount(), 0);

    // Add after the link alone: the defaults.
    e->pushButton_addClicked(false);
    QCOMPARE(listOf(event), (QStringList{"5:10:0", "0:0:4"}));
    QCOMPARE(e->actionTable->item(0, aevents_tableview_widget::TypeColumn)->text(), QStringLiteral("Scene"));
    QCOMPARE(e->actionTable->item(0, aevents_tableview_widget::NoColumn)->text(), QStringLiteral("1"));
    QCOMPARE(e->actionTable->item(0, aevents_tableview_widget::ActionColumn)->text(), QStringLiteral("Off"));
    e->pushButton_addClicked(false);
    QCOMPARE(listOf(event), (QStringList{"5:10:0", "0:0:4", "0:1:4"}));

    // Insert before row 0 goes after the link; Copy of row 0 copies the first shown action.
    select(e->actionTable, {0});
    e->pushButton_insClicked(false);
    QCOMPARE(listOf(event), (QStringList{"5:10:0", "0:0:4", "0:0:4", "0:1:4"}));
    f->controller->eventActions.setNo(event, 1, 30);
    e->refresh();
    select(e->actionTable, {0});
    e->copyActions();
    QCOMPARE(event_actions_class::clipboard.size(), 1);
    QCOMPARE(int(event_actions_class::clipboard[0]->no), 30);

    // Paste at the head of the rows stays after the link.
    e->actionTable->setCurrentCell(-1, 0);
    e->pasteActions();
    QCOMPARE(listOf(event), (QStringList{"5:10:0", "0:30:4", "0:30:4", "0:0:4", "0:1:4"}));

    // Deleting every row leaves the link.
    select(e->actionTable, {0, 1, 2, 3});
    e->pushButton_delClicked(false);
    QCOMPARE(listOf(event), QStringList{"5:10:0"});
}

void tst_aevents_conf_widget::noEventChangesNothing()
{
    setList(0x400, {"0:1:0"});
    event_actions_class::clipboard.append(std::make_shared<event_action_class>(actionOf("0:2:0", 0x400)));
    aevents_conf_widget *e = editor(SequencePageKind, 0xFFFF);
    QCOMPARE(e->eventCode, 0xFFFF);
    QCOMPARE(e->actionTable->rowCount(), 0);
    e->pushButton_addClicked(false);
    e->pushButton_insClicked(false);
    e->pushButton_delClicked(false);
    e->pasteActions();
    QCOMPARE(e->actionTable->rowCount(), 0);
    QCOMPARE(listOf(0x400), QStringList{"0:1:0"});
    // Copy only empties the clipboard.
    e->copyActions();
    QVERIFY(event_actions_class::clipboard.isEmpty());
}

void tst_aevents_conf_widget::buttonsDriveTheOperations()
{
    aevents_conf_widget *e = editor(InputsPageKind, 0x1340);
    f->tabPage->show();
    QTest::mouseClick(e->addButton, Qt::LeftButton);
    QTest::mouseClick(e->addButton, Qt::LeftButton);
    QCOMPARE(listOf(0x1340), (QStringList{"0:0:4", "0:1:4"}));
    e->actionTable->selectRow(1);
    QTest::mouseClick(e->insButton, Qt::LeftButton);
    QCOMPARE(listOf(0x1340), (QStringList{"0:0:4", "0:0:4", "0:1:4"}));
    e->actionTable->selectRow(2);
    QTest::mouseClick(e->copyButton, Qt::LeftButton);
    QVERIFY(e->pasteButton->isEnabled());
    e->actionTable->setCurrentCell(0, 0);
    QTest::mouseClick(e->beforeBox, Qt::LeftButton);
    QVERIFY(e->beforeBox->isChecked());
    QTest::mouseClick(e->pasteButton, Qt::LeftButton);
    QCOMPARE(listOf(0x1340), (QStringList{"0:1:4", "0:0:4", "0:0:4", "0:1:4"}));
    e->actionTable->selectRow(0);
    QTest::mouseClick(e->delButton, Qt::LeftButton);
    QCOMPARE(listOf(0x1340), (QStringList{"0:0:4", "0:0:4", "0:1:4"}));
}

void tst_aevents_conf_widget::layoutByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QRect>("table");
    QTest::addColumn<QRect>("add");
    QTest::addColumn<QRect>("before");
    QTest::newRow("inputs") << int(InputsPageKind) << QRect(0, 0, 535, 475) << QRect(540, 50, 66, 30)
                            << QRect(540, 252, 66, 22);
    QTest::newRow("clock") << int(ClockPageKind) << QRect(0, 0, 511, 475) << QRect(520, 50, 66, 30)
                           << QRect(520, 252, 66, 22);
    QTest::newRow("sequence") << int(SequencePageKind) << QRect(0, 0, 535, 264) << QRect(540, 30, 66, 30)
                              << QRect(540, 232, 66, 22);
}

void tst_aevents_conf_widget::layoutByKind()
{
    QFETCH(int, kind);
    QFETCH(QRect, table);
    QFETCH(QRect, add);
    QFETCH(QRect, before);
    aevents_conf_widget *e = editor(kind, 0x400);
    QCOMPARE(e->actionTable->geometry(), table);
    QCOMPARE(e->addButton->geometry(), add);
    QCOMPARE(e->beforeBox->geometry(), before);
    QCOMPARE(e->pasteButton->geometry().top() - e->addButton->geometry().top(), 170);
}

QTEST_MAIN(tst_aevents_conf_widget)
#include "tst_aevents_conf_widget.moc"
