#include "events/DTL_Box.h"
#include "events/DTL_widget.h"
#include "events/StL_widget.h"
#include "events/aevents_tableview_delegate.h"
#include "events/aevents_tableview_widget.h"
#include "events/event_page_kind.h"
#include "events/setStateClass.h"
#include "model/delay_entry_class.h"
#include "model/image_access.h"
#include "tests/support/page_fixture.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

// The action delegate: the editor of each cell, what each edit stores, and the rules it
// keeps on the way (operations per type and page, the enabling input, the delays that
// sequences own).
class tst_aevents_tableview_delegate : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<page_fixture>(); }
    void cleanup() { QVERIFY(page_fixture::tearDown(f).isEmpty()); }

    void operationAllowed();
    void editorsByColumn_data();
    void editorsByColumn();
    void lockedDelayOpensNothing();
    void typeLists_data();
    void typeLists();
    void operationLists_data();
    void operationLists();
    void editorShowsTheStoredAction();
    void typeEdits_data();
    void typeEdits();
    void enablingRefusalTexts_data();
    void enablingRefusalTexts();
    void editsTheTableCannotHold_data();
    void editsTheTableCannotHold();
    void numberEdits_data();
    void numberEdits();
    void delayStartCheck_data();
    void delayStartCheck();
    void operationEdits_data();
    void operationEdits();
    void emptyOperationListStoresNothing();
    void daytimeEditorLoads_data();
    void daytimeEditorLoads();
    void daytimeEdits_data();
    void daytimeEdits();
    void leavingTheDaytimeEditorStoresIt();
    void typedTimesAreStoredAsShown();
    void stateLimitWindow();
    void stateLimitsStoreOnSetOnly();
    void sequencePageEditsTheShownAction();

private:
    std::unique_ptr<page_fixture> f;
    aevents_tableview_widget *t = nullptr;

    aevents_tableview_delegate *delegate() const
    {
        return qobject_cast<aevents_tableview_delegate *>(t->itemDelegate());
    }
    event_actions_class &store() const { return f->controller->eventActions; }

    aevents_tableview_widget *table(int kind, int event)
    {
        t = new aevents_tableview_widget(kind, f->tabPage.get());
        t->resize(600, 300);
        t->setEvent(event);
        return t;
    }
    // Appends an action to an event (a Delay Start counts as a delay in use); its index.
    int add(int event, int type, int number, int operation = OperationOff)
    {
        const int j = store().appendAction(event);
        store().setType(event, j, type);
        store().setNo(event, j, number);
        store().setOperation(event, j, operation);
        if (type == ActionDelay && operation == OperationOn)
            f->controller->delaysInUse.append(u16(number));
        return j;
    }
    void lockDelay(int delay, int ownerField)
    {
        writeU32(f->image(), image_layout::delayEntry(u32(delay)), delay_entry_class(100, u32(ownerField)).word);
    }
    // Opens the editor of a cell as the view does.
    QWidget *open(int row, int column)
    {
        const QModelIndex index = t->model()->index(row, column);
        t->setCurrentIndex(index);
        t->edit(index);
        return t->indexWidget(index);
    }
    // An internal event's action limited to from..to, its table shown on screen (the
    // pointer's leaving needs a window) and the daytime editor open on it; null when the
    // window never showed.
    DTL_widget *openShownDaytimeEditor(int from, int to);
    // Commits and closes an editor as the view does when the edit ends.
    void commit(QWidget *editor)
    {
        emit delegate()->commitData(editor);
        emit delegate()->closeEditor(editor);
    }
    static QList<int> itemData(const QComboBox *box)
    {
        QList<int> data;
        for (int i = 0; i < box->count(); ++i)
            data << box->itemData(i).toInt();
        return data;
    }
    QList<int> delaysInUse() const
    {
        QList<int> delays;
        for (u16 d : f->controller->delaysInUse)
            delays << d;
        std::sort(delays.begin(), delays.end());
        return delays;
    }
    void choose(QComboBox *box, int data)
    {
        const int i = box->findData(data);
        QVERIFY2(i >= 0, "no such item");
        box->setCurrentIndex(i);
    }
};

typedef QList<int> int_list;

namespace {

constexpr int All = event_action_class::AllObjects;
constexpr int InternalEvent = 0x406;
constexpr int Input1On = 0x1340;
constexpr int Input1Off = 0x1341;
constexpr int Input3On = 0x1344;
constexpr int Key1Pressed = 0x1280;
constexpr int Key1Released = 0x1282;
constexpr int Key3Pressed = 0x1286;
constexpr int Key3Repeated = 0x1287;

// The rules as the documentation of the actions decodes them: per operation (rows) and
// type (columns Scene .. Mask), E every page, A also for All, I the Inputs page, R the
// Remote Control page, - never.
const char *const DecodedRules[11][8] = {
    {"E", "E", "I", "EA", "IRA", "E", "E", "E"},
    {"EA", "EA", "-", "-", "-", "-", "-", "EA"},
    {"E", "-", "R", "EA", "-", "-", "-", "E"},
    {"EA", "EA", "-", "-", "-", "-", "-", "EA"},
    {"EA", "EA", "I", "EA", "IRA", "EA", "EA", "EA"},
    {"EA", "EA", "-", "-", "-", "-", "-", "EA"},
    {"E", "E", "-", "-", "-", "-", "-", "E"},
    {"-", "EA", "-", "-", "-", "-", "-", "-"},
    {"EA", "EA", "-", "-", "-", "-", "-", "EA"},
    {"EA", "EA", "-", "-", "-", "-", "-", "EA"},
    {"EA", "EA", "-", "-", "-", "-", "-", "EA"},
};

bool expectedAllowed(int operation, int type, int kind, bool onAll)
{
    const QString rule = QString::fromLatin1(DecodedRules[operation][type]);
    if (onAll && !rule.contains(QLatin1Char('A')))
        return false;
    if (rule.contains(QLatin1Char('E')))
        return true;
    return (rule.contains(QLatin1Char('I')) && kind == InputsPageKind)
        || (rule.contains(QLatin1Char('R')) && kind == RemoteControlPageKind);
}

} // namespace

void tst_aevents_tableview_delegate::operationAllowed()
{
    const int kinds[] = {InputsPageKind,        ClockPageKind,     InternalEventsPageKind, DelaysPageKind,
                         RemoteControlPageKind, DmxOutputPageKind, SequencePageKind};
    for (int kind : kinds) {
        aevents_tableview_delegate d(kind, nullptr);
        for (int type = 0; type < 8; ++type) {
            for (int operation = 0; operation < 11; ++operation) {
                for (int number : {0, 1, 300}) {
                    const bool expected = expectedAllowed(operation, type, kind, number == 0);
                    QVERIFY2(d.operationAllowed(type, number, operation) == expected,
                             qPrintable(QStringLiteral("kind %1 type %2 operation %3 number %4")
                                            .arg(kind).arg(type).arg(operation).arg(number)));
                }
            }
            QVERIFY(!d.operationAllowed(type, 1, 11));
            QVERIFY(!d.operationAllowed(type, 1, -1));
        }
        for (int operation = 0; operation < 11; ++operation) {
            QVERIFY(!d.operationAllowed(8, 1, operation));
            QVERIFY(!d.operationAllowed(-1, 1, operation));
            QVERIFY(!d.operationAllowed(15, 1, operation));
        }
    }
    // Bit 7 goes with every mask that allows every page, and nothing else is set.
    for (const auto &row : aevents_tableview_delegate::operationRules) {
        for (u16 mask : row) {
            QVERIFY((mask & 0xFE00) == 0);
            QCOMPARE(bool(mask & 0x80), (mask & 0x7F) == 0x7F);
        }
        QCOMPARE(row[8], u16(0));
    }
}

void tst_aevents_tableview_delegate::editorsByColumn_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("editorClass");

    QTest::newRow("type") << int(InternalEventsPageKind) << int(ActionScene) << 0 << "QComboBox";
    QTest::newRow("scene number") << int(InternalEventsPageKind) << int(ActionScene) << 1 << "QSpinBox";
    QTest::newRow("state number") << int(InternalEventsPageKind) << int(ActionSetStatus) << 1 << "QComboBox";
    QTest::newRow("operation") << int(InternalEventsPageKind) << int(ActionMask) << 2 << "QComboBox";
    QTest::newRow("daytime") << int(InternalEventsPageKind) << int(ActionScene) << 3 << "DTL_widget";
    QTest::newRow("no daytime on the clock page") << int(ClockPageKind) << int(ActionScene) << 3 << "";
    QTest::newRow("state limits") << int(DmxOutputPageKind) << int(ActionScene) << 4 << "StL_widget";
}

void tst_aevents_tableview_delegate::editorsByColumn()
{
    QFETCH(int, kind);
    QFETCH(int, type);
    QFETCH(int, column);
    QFETCH(QString, editorClass);
    const int event = kind == ClockPageKind ? 0x805 : InternalEvent;
    add(event, type, 4);
    table(kind, event);
    QWidget *editor = open(0, column);
    if (editorClass.isEmpty()) {
        QVERIFY(!editor);
        return;
    }
    QVERIFY(editor);
    QCOMPARE(QString::fromLatin1(editor->metaObject()->className()), editorClass);
    if (!editor->isWindow()) {
        QCOMPARE(editor->parentWidget(), t->viewport());
        QCOMPARE(editor->geometry(), t->visualRect(t->model()->index(0, column)));
    }
}

void tst_aevents_tableview_delegate::lockedDelayOpensNothing()
{
    add(InternalEvent, ActionDelay, 9, OperationOn);
    add(InternalEvent, ActionDelay, 9, OperationOff);
    lockDelay(9, 5);
    table(InternalEventsPageKind, InternalEvent);
    for (int column = 0; column < aevents_tableview_widget::ColumnCount; ++column)
        QVERIFY(!open(0, column));
    // Switching a sequence's delay off is no start.
    QVERIFY(open(1, aevents_tableview_widget::TypeColumn));
}

void tst_aevents_tableview_delegate::typeLists_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("event");
    QTest::addColumn<int_list>("types");

    const int_list ordinary = {ActionScene, ActionProgram, ActionSequence, ActionDelay, ActionMask, ActionSetStatus};
    const int_list withEnabling = ordinary + int_list{ActionEnabling, ActionSaveShow};
    QTest::newRow("inputs, on") << int(InputsPageKind) << Input1On << withEnabling;
    QTest::newRow("inputs, off") << int(InputsPageKind) << Input1Off << withEnabling;
    QTest::newRow("key pressed") << int(RemoteControlPageKind) << Key3Pressed << withEnabling;
    QTest::newRow("key repeated") << int(RemoteControlPageKind) << Key3Repeated << ordinary;
    QTest::newRow("key released") << int(RemoteControlPageKind) << Key1Released << ordinary;
    QTest::newRow("internal events") << int(InternalEventsPageKind) << InternalEvent << ordinary;
    QTest::newRow("sequence page") << int(SequencePageKind) << 0x1205 << ordinary;
}

void tst_aevents_tableview_delegate::typeLists()
{
    QFETCH(int, kind);
    QFETCH(int, event);
    add(event, ActionScene, 0);
    table(kind, event);
    auto *box = qobject_cast<QComboBox *>(open(0, aevents_tableview_widget::TypeColumn));
    QVERIFY(box);
    QTEST(itemData(box), "types");
    QCOMPARE(box->itemText(0), QStringLiteral("Scene"));
    QCOMPARE(box->itemText(5), QStringLiteral("Set status"));
}

void tst_aevents_tableview_delegate::operationLists_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int_list>("operations");

    const int in = InternalEventsPageKind;
    QTest::newRow("scene") << in << int(ActionScene) << 3
                           << QStringList{"On", "Toggle", "Freeze", "Unfreeze", "Off", "Inc. brightness",
                                          "Dec. brightness", "Set brightness", "Exclusive on"}
                           << int_list{0, 2, 3, 5, 4, 8, 9, 10, 6};
    QTest::newRow("scene on All") << in << int(ActionScene) << All
                                  << QStringList{"Freeze", "Unfreeze", "Off", "Inc. brightness", "Dec. brightness",
                                                 "Set brightness"}
                                  << int_list{3, 5, 4, 8, 9, 10};
    QTest::newRow("program") << in << int(ActionProgram) << 511
                             << QStringList{"On", "Next step", "Freeze", "Unfreeze", "Off", "Exclusive on", "Restart"}
                             << int_list{0, 1, 3, 5, 4, 6, 7};
    QTest::newRow("program on All") << in << int(ActionProgram) << All
                                    << QStringList{"Next step", "Freeze", "Unfreeze", "Off", "Restart"}
                                    << int_list{1, 3, 5, 4, 7};
    QTest::newRow("set status") << in << int(ActionSetStatus) << All << QStringList{"Activate", "Deactivate", "Toggle"}
                                << int_list{0, 4, 2};
    QTest::newRow("save show") << int(InputsPageKind) << int(ActionSaveShow) << 0 << QStringList{"Save", "Restore"}
                               << int_list{0, 4};
    QTest::newRow("delay") << in << int(ActionDelay) << 12 << QStringList{"Start", "Off"} << int_list{0, 4};
    QTest::newRow("delay on All") << in << int(ActionDelay) << All << QStringList{"Off"} << int_list{4};
    QTest::newRow("sequence") << in << int(ActionSequence) << 127 << QStringList{"Start", "Off"} << int_list{0, 4};
    QTest::newRow("mask on All") << in << int(ActionMask) << All
                                 << QStringList{"Freeze", "Unfreeze", "Off", "Increase intensity",
                                                "Decrease intensity", "Set intensity"}
                                 << int_list{3, 5, 4, 8, 9, 10};
    QTest::newRow("mask") << in << int(ActionMask) << 255
                          << QStringList{"On", "Toggle", "Freeze", "Unfreeze", "Off", "Increase intensity",
                                         "Decrease intensity", "Set intensity", "Exclusive on"}
                          << int_list{0, 2, 3, 5, 4, 8, 9, 10, 6};
    QTest::newRow("enabling on an input") << int(InputsPageKind) << int(ActionEnabling) << 0
                                          << QStringList{"Enable", "Disable"} << int_list{0, 4};
    QTest::newRow("enabling on a key") << int(RemoteControlPageKind) << int(ActionEnabling) << 0
                                       << QStringList{"Toggle"} << int_list{2};
    QTest::newRow("enabling elsewhere") << int(DelaysPageKind) << int(ActionEnabling) << 0 << QStringList{}
                                        << int_list{};
    QTest::newRow("a type the controller does not know") << in << 9 << 0 << QStringList{} << int_list{};
}

void tst_aevents_tableview_delegate::operationLists()
{
    QFETCH(int, kind);
    QFETCH(int, type);
    QFETCH(int, number);
    QFETCH(QStringList, texts);
    const int event = kind == InputsPageKind ? Input1On : kind == RemoteControlPageKind ? Key1Pressed : InternalEvent;
    add(event, type, number);
    table(kind, event);
    auto *box = qobject_cast<QComboBox *>(open(0, aevents_tableview_widget::ActionColumn));
    QVERIFY(box);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    QCOMPARE(shown, texts);
    QTEST(itemData(box), "operations");
}

void tst_aevents_tableview_delegate::editorShowsTheStoredAction()
{
    add(InternalEvent, ActionMask, 6, OperationNextStep);
    add(InternalEvent, ActionSetStatus, 4, OperationToggle);
    add(InternalEvent, ActionSetStatus, All, OperationOn);
    add(InternalEvent, ActionProgram, All, OperationOn);
    add(InternalEvent, ActionScene, 3071, OperationOn);
    table(InternalEventsPageKind, InternalEvent);
    QSignalSpy numbers(delegate(), &aevents_tableview_delegate::actionNoChgd);

    auto *type = qobject_cast<QComboBox *>(open(0, aevents_tableview_widget::TypeColumn));
    QCOMPARE(type->currentText(), QStringLiteral("Mask"));
    commit(type);
    auto *operation = qobject_cast<QComboBox *>(open(0, aevents_tableview_widget::ActionColumn));
    QCOMPARE(operation->currentText(), QStringLiteral("On"));  // operation 1 reads as On for masks
    emit delegate()->closeEditor(operation);

    auto *spin = qobject_cast<QSpinBox *>(open(0, aevents_tableview_widget::NoColumn));
    QCOMPARE(spin->value(), 7);
    QCOMPARE(spin->maximum(), 256);
    spin->setValue(0);
    QCOMPARE(spin->text(), QStringLiteral("All"));
    QCOMPARE(numbers.last().first().toInt(), 0);  // relayed while the value changes
    emit delegate()->closeEditor(spin);

    auto *state = qobject_cast<QComboBox *>(open(1, aevents_tableview_widget::NoColumn));
    QCOMPARE(state->count(), 69);
    QCOMPARE(state->currentText(), QStringLiteral("B1"));
    QCOMPARE(state->itemText(3), QStringLiteral("A4"));
    QCOMPARE(state->itemText(67), QStringLiteral("I8"));
    QCOMPARE(state->itemText(68), QStringLiteral("All"));
    state->setCurrentIndex(20);
    QCOMPARE(numbers.last().first().toInt(), 21);
    emit delegate()->closeEditor(state);
    auto *allStates = qobject_cast<QComboBox *>(open(2, aevents_tableview_widget::NoColumn));
    QCOMPARE(allStates->currentIndex(), 68);
    emit delegate()->closeEditor(allStates);

    auto *program = qobject_cast<QComboBox *>(open(3, aevents_tableview_widget::ActionColumn));
    QCOMPARE(program->currentIndex(), -1);  // On is not offered for All
    emit delegate()->closeEditor(program);
    auto *scene = qobject_cast<QSpinBox *>(open(4, aevents_tableview_widget::NoColumn));
    QCOMPARE(scene->value(), 3072);
    QCOMPARE(scene->maximum(), 3072);
}

void tst_aevents_tableview_delegate::typeEdits_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("event");
    QTest::addColumn<int>("enablingBefore");
    QTest::addColumn<int>("otherEnabling");  // another event with an Enabling action, -1 none
    QTest::addColumn<int_list>("old");       // type, number, operation
    QTest::addColumn<int>("newType");
    QTest::addColumn<int_list>("stored");
    QTest::addColumn<int>("enablingAfter");
    QTest::addColumn<int_list>("delays");

    const int in = InternalEventsPageKind;
    QTest::newRow("scene 1 On to program keeps On")
        << in << InternalEvent << -1 << -1 << int_list{ActionScene, 0, OperationOn} << int(ActionProgram)
        << int_list{ActionProgram, 0, OperationOn} << -1 << int_list{};
    QTest::newRow("scene All Freeze to delay turns Off")
        << in << InternalEvent << -1 << -1 << int_list{ActionScene, All, OperationFreeze} << int(ActionDelay)
        << int_list{ActionDelay, All, OperationOff} << -1 << int_list{};
    QTest::newRow("scene 3000 On to delay starts the last delay")
        << in << InternalEvent << -1 << -1 << int_list{ActionScene, 2999, OperationOn} << int(ActionDelay)
        << int_list{ActionDelay, 511, OperationOn} << -1 << int_list{511};
    QTest::newRow("scene 300 Toggle to sequence")
        << in << InternalEvent << -1 << -1 << int_list{ActionScene, 299, OperationToggle} << int(ActionSequence)
        << int_list{ActionSequence, 127, OperationOff} << -1 << int_list{};
    QTest::newRow("scene All Exclusive on to mask stays All")
        << in << InternalEvent << -1 << -1 << int_list{ActionScene, All, OperationExclusiveOn} << int(ActionMask)
        << int_list{ActionMask, All, OperationOff} << -1 << int_list{};
    QTest::newRow("mask 200 Set intensity to set status")
        << in << InternalEvent << -1 << -1 << int_list{ActionMask, 199, OperationSetIntensity} << int(ActionSetStatus)
        << int_list{ActionSetStatus, 67, OperationOff} << -1 << int_list{};
    QTest::newRow("delay start to scene is no delay in use")
        << in << InternalEvent << -1 << -1 << int_list{ActionDelay, 7, OperationOn} << int(ActionScene)
        << int_list{ActionScene, 7, OperationOn} << -1 << int_list{};
    QTest::newRow("sequence start to delay")
        << in << InternalEvent << -1 << -1 << int_list{ActionSequence, 3, OperationOn} << int(ActionDelay)
        << int_list{ActionDelay, 3, OperationOn} << -1 << int_list{3};
    QTest::newRow("toggle to enabling on a key keeps Toggle")
        << int(RemoteControlPageKind) << Key3Pressed << -1 << -1 << int_list{ActionScene, 0, OperationToggle}
        << int(ActionEnabling) << int_list{ActionEnabling, 0, OperationToggle} << 2 + 24 << int_list{};
    QTest::newRow("toggle to enabling on an input gives Disable")
        << int(InputsPageKind) << Input1On << -1 << -1 << int_list{ActionScene, 0, OperationToggle}
        << int(ActionEnabling) << int_list{ActionEnabling, 0, OperationOff} << 0 << int_list{};
    QTest::newRow("on to enabling on the input that holds it")
        << int(InputsPageKind) << Input3On << 2 << -1 << int_list{ActionScene, 5, OperationOn}
        << int(ActionEnabling) << int_list{ActionEnabling, 0, OperationOn} << 2 << int_list{};
    QTest::newRow("enabling refused on input 3 while input 1 holds it")
        << int(InputsPageKind) << Input3On << 0 << -1 << int_list{ActionProgram, 5, OperationRestart}
        << int(ActionEnabling) << int_list{ActionScene, 5, OperationOff} << 0 << int_list{};
    QTest::newRow("last enabling of an input released")
        << int(InputsPageKind) << Input1On << 0 << -1 << int_list{ActionEnabling, 0, OperationOn} << int(ActionScene)
        << int_list{ActionScene, 0, OperationOn} << -1 << int_list{};
    QTest::newRow("enabling kept by the input's other edge")
        << int(InputsPageKind) << Input1On << 0 << Input1Off << int_list{ActionEnabling, 0, OperationOn}
        << int(ActionScene) << int_list{ActionScene, 0, OperationOn} << 0 << int_list{};
    QTest::newRow("last enabling of a key released")
        << int(RemoteControlPageKind) << Key1Pressed << 24 << -1 << int_list{ActionEnabling, 0, OperationToggle}
        << int(ActionMask) << int_list{ActionMask, 0, OperationToggle} << -1 << int_list{};
    QTest::newRow("enabling kept by another event of the key")
        << int(RemoteControlPageKind) << Key1Pressed << 24 << Key1Released << int_list{ActionEnabling, 0, OperationToggle}
        << int(ActionMask) << int_list{ActionMask, 0, OperationToggle} << 24 << int_list{};
    QTest::newRow("save show on a key")
        << int(RemoteControlPageKind) << Key1Pressed << -1 << -1 << int_list{ActionScene, All, OperationOff}
        << int(ActionSaveShow) << int_list{ActionSaveShow, All, OperationOff} << -1 << int_list{};
}

void tst_aevents_tableview_delegate::typeEdits()
{
    QFETCH(int, kind);
    QFETCH(int, event);
    QFETCH(int, otherEnabling);
    QFETCH(int_list, old);
    QFETCH(int, newType);
    QFETCH(int_list, stored);
    QFETCH(int, enablingBefore);
    store().enablingInput = enablingBefore;
    if (otherEnabling >= 0)
        add(otherEnabling, ActionEnabling, 0, kind == InputsPageKind ? OperationOn : OperationToggle);
    add(event, old[0], old[1], old[2]);
    table(kind, event);
    QSignalSpy types(delegate(), &aevents_tableview_delegate::actionTypeChgd);
    QSignalSpy refreshes(delegate(), &aevents_tableview_delegate::forceRefresh);

    auto *box = qobject_cast<QComboBox *>(open(0, aevents_tableview_widget::TypeColumn));
    QVERIFY(box);
    choose(box, newType);
    commit(box);

    const int_list now = {store().type(event, 0), store().no(event, 0), store().operation(event, 0)};
    QCOMPARE(now, stored);
    QTEST(store().enablingInput, "enablingAfter");
    QTEST(delaysInUse(), "delays");
    // Choosing Enabling announces no type; every stored type edit ends with a refresh.
    QCOMPARE(types.count(), newType == ActionEnabling ? 0 : 1);
    QCOMPARE(refreshes.count(), 1);
    QCOMPARE(t->item(0, 0)->text(), aevents_tableview_widget::typeText(stored[0]));
    QCOMPARE(f->window.delaysPageRefreshes, 1);
    const bool refused = newType == ActionEnabling && stored[0] != ActionEnabling;
    QCOMPARE(f->ui.messages.size(), refused ? 1 : 0);
}

void tst_aevents_tableview_delegate::enablingRefusalTexts_data()
{
    QTest::addColumn<int>("holder");
    QTest::addColumn<QString>("text");
    QTest::newRow("input 1") << 0 << "Enabling input already defined: 1";
    QTest::newRow("input 24") << 23 << "Enabling input already defined: 24";
    QTest::newRow("key 5") << 28 << "Enabling input already defined: RC 5";
}

void tst_aevents_tableview_delegate::enablingRefusalTexts()
{
    QFETCH(int, holder);
    store().enablingInput = holder;
    add(Input3On, ActionMask, 8, OperationOn);
    table(InputsPageKind, Input3On);
    auto *box = qobject_cast<QComboBox *>(open(0, aevents_tableview_widget::TypeColumn));
    choose(box, ActionEnabling);
    commit(box);
    QCOMPARE(f->ui.messages.size(), 1);
    const message_request &m = f->ui.messages.first();
    QCOMPARE(m.icon, message_icon::Warning);
    QCOMPARE(m.title, QStringLiteral(" Illegal value!"));
    QTEST(m.text, "text");
    QCOMPARE(m.parent, dialog_parent::MainWindow);
    // The edit goes on as a change to a scene.
    QCOMPARE(store().type(Input3On, 0), int(ActionScene));
    QCOMPARE(store().operation(Input3On, 0), int(OperationOn));
    QCOMPARE(store().enablingInput, holder);
}

// A type or operation edit that would make an action the action table cannot hold (a
// second Enabling action of one record, an ordinary action past its last record) is
// refused with the reason, and the action stays as it was; what the table shows then is
// what a save and open bring back.
void tst_aevents_tableview_delegate::editsTheTableCannotHold_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("event");
    QTest::addColumn<int_list>("actions");         // type, number, operation of each action
    QTest::addColumn<int_list>("partnerActions");  // of the next event: the input's Off edge, the key's next
    QTest::addColumn<int>("freeRecords");          // the table filled up to these; -1 not filled
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int_list>("stored");  // the actions of the event after the edit
    QTest::addColumn<QString>("box");      // title|text, empty none
    QTest::addColumn<int>("enablingAfter");

    const int in = InputsPageKind;
    const int rc = RemoteControlPageKind;
    const int type = aevents_tableview_widget::TypeColumn;
    const int op = aevents_tableview_widget::ActionColumn;
    const int_list none;
    const QString disableTaken = QStringLiteral(" Illegal value!|Enabling action already defined: Disable");
    const QString toggleTaken = QStringLiteral(" Illegal value!|Enabling action already defined: Toggle");
    const QString limit = QStringLiteral("Warning!|Actions limit exceed!");
    QTest::newRow("a second disable on one event")
        << in << Input1On << int_list{ActionEnabling, 0, OperationOff, ActionScene, 0, OperationOff} << none << -1
        << 1 << type << int(ActionEnabling)
        << int_list{ActionEnabling, 0, OperationOff, ActionScene, 0, OperationOff} << disableTaken << 0;
    QTest::newRow("a disable beside the off edge's")
        << in << Input1On << int_list{ActionScene, 4, OperationOff} << int_list{ActionEnabling, 0, OperationOff}
        << -1 << 0 << type << int(ActionEnabling) << int_list{ActionScene, 4, OperationOff} << disableTaken << 0;
    QTest::newRow("an enable beside the off edge's disable")
        << in << Input1On << int_list{ActionScene, 4, OperationOn} << int_list{ActionEnabling, 0, OperationOff}
        << -1 << 0 << type << int(ActionEnabling) << int_list{ActionEnabling, 0, OperationOn} << QString() << 0;
    QTest::newRow("a key's second enabling action")
        << rc << Key1Pressed << int_list{ActionEnabling, 0, OperationToggle, ActionScene, 2, OperationToggle} << none
        << -1 << 1 << type << int(ActionEnabling)
        << int_list{ActionEnabling, 0, OperationToggle, ActionScene, 2, OperationToggle} << toggleTaken << 24;
    QTest::newRow("enable made a disable beside one")
        << in << Input1On << int_list{ActionEnabling, 0, OperationOn} << int_list{ActionEnabling, 0, OperationOff}
        << -1 << 0 << op << int(OperationOff) << int_list{ActionEnabling, 0, OperationOn} << disableTaken << 0;
    QTest::newRow("enable made a disable alone")
        << in << Input1On << int_list{ActionEnabling, 0, OperationOn} << none << -1 << 0 << op << int(OperationOff)
        << int_list{ActionEnabling, 0, OperationOff} << QString() << 0;
    QTest::newRow("enabling made a scene in a full table")
        << in << Input1On << int_list{ActionEnabling, 0, OperationOn} << none << 0 << 0 << type << int(ActionScene)
        << int_list{ActionEnabling, 0, OperationOn} << limit << 0;
    QTest::newRow("enabling made a scene with a record left")
        << in << Input1On << int_list{ActionEnabling, 0, OperationOn} << none << 1 << 0 << type << int(ActionScene)
        << int_list{ActionScene, 0, OperationOn} << QString() << -1;
    QTest::newRow("a scene made enabling in a full table")
        << in << Input1On << int_list{ActionScene, 4, OperationOn} << none << 0 << 0 << type << int(ActionEnabling)
        << int_list{ActionEnabling, 0, OperationOn} << QString() << 0;
}

void tst_aevents_tableview_delegate::editsTheTableCannotHold()
{
    QFETCH(int, kind);
    QFETCH(int, event);
    QFETCH(int_list, actions);
    QFETCH(int_list, partnerActions);
    QFETCH(int, freeRecords);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, choice);
    QFETCH(int_list, stored);
    QFETCH(QString, box);
    QFETCH(int, enablingAfter);

    auto addAll = [this](int code, const int_list &fields) {
        for (int i = 0; i + 2 < fields.size(); i += 3) {
            add(code, fields[i], fields[i + 1], fields[i + 2]);
            if (fields[i] == ActionEnabling)
                store().enablingInput = event_actions_class::enablingValueOf(u32(code));
        }
    };
    addAll(event, actions);
    addAll(event + 1, partnerActions);
    const int filler = 0x7FF;
    for (int i = store().freeRecords(); freeRecords >= 0 && i > freeRecords; --i)
        store().appendAction(filler);
    const int fillerCount = store().count(filler);
    auto actionsOf = [this](int code) {
        int_list fields;
        for (int j = 0; j < store().count(u32(code)); ++j)
            fields << store().type(code, j) << store().no(code, j) << store().operation(code, j);
        return fields;
    };
    table(kind, event);

    auto *editor = qobject_cast<QComboBox *>(open(row, column));
    QVERIFY(editor);
    choose(editor, choice);
    commit(editor);

    QCOMPARE(actionsOf(event), stored);
    QCOMPARE(t->rowCount(), stored.size() / 3);
    QCOMPARE(t->item(row, aevents_tableview_widget::TypeColumn)->text(),
             aevents_tableview_widget::typeText(stored[3 * row]));
    QCOMPARE(t->item(row, aevents_tableview_widget::ActionColumn)->text(),
             aevents_tableview_widget::operationText(stored[3 * row + 2], stored[3 * row]));
    QStringList boxes;
    for (const message_request &m : f->ui.messages) {
        boxes << m.title + QLatin1Char('|') + m.text;
        QCOMPARE(m.icon, message_icon::Warning);
    }
    QCOMPARE(boxes, box.isEmpty() ? QStringList() : QStringList{box});
    QCOMPARE(store().enablingInput, enablingAfter);

    // What the table shows is what the file keeps.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("round.cfg625"));
    f->controller->write_confDataToFile(file, false);
    QCOMPARE(f->ui.messages.last().icon, message_icon::Information);
    QCOMPARE(f->controller->read_confDataFromFile(file), 0);
    QCOMPARE(actionsOf(event), stored);
    QCOMPARE(actionsOf(event + 1), partnerActions);
    QCOMPARE(store().count(filler), fillerCount);
    QCOMPARE(store().enablingInput, enablingAfter);
}

void tst_aevents_tableview_delegate::numberEdits_data()
{
    QTest::addColumn<int_list>("old");  // type, number, operation
    QTest::addColumn<int>("value");     // as the editor gives it: 0 All, n + 1
    QTest::addColumn<int_list>("stored");
    QTest::addColumn<int_list>("delays");
    QTest::addColumn<QString>("cell");

    QTest::newRow("scene 5") << int_list{ActionScene, 0, OperationOn} << 5 << int_list{ActionScene, 4, OperationOn}
                             << int_list{} << "5";
    QTest::newRow("scene to All turns On into Off")
        << int_list{ActionScene, 0, OperationOn} << 0 << int_list{ActionScene, All, OperationOff} << int_list{} << "All";
    QTest::newRow("scene to All keeps Freeze")
        << int_list{ActionScene, 0, OperationFreeze} << 0 << int_list{ActionScene, All, OperationFreeze} << int_list{}
        << "All";
    QTest::newRow("state C2") << int_list{ActionSetStatus, 0, OperationToggle} << 14
                              << int_list{ActionSetStatus, 13, OperationToggle} << int_list{} << "C2";
    QTest::newRow("state All") << int_list{ActionSetStatus, 0, OperationToggle} << 0
                               << int_list{ActionSetStatus, All, OperationToggle} << int_list{} << "All";
    QTest::newRow("delay start one lower")
        << int_list{ActionDelay, 9, OperationOn} << 9 << int_list{ActionDelay, 8, OperationOn} << int_list{8} << "9";
    QTest::newRow("delay start to All")
        << int_list{ActionDelay, 9, OperationOn} << 0 << int_list{ActionDelay, All, OperationOff} << int_list{}
        << "All";
    QTest::newRow("delay off is no delay in use")
        << int_list{ActionDelay, 9, OperationOff} << 3 << int_list{ActionDelay, 2, OperationOff} << int_list{} << "3";
}

void tst_aevents_tableview_delegate::numberEdits()
{
    QFETCH(int_list, old);
    QFETCH(int, value);
    QFETCH(int_list, stored);
    add(InternalEvent, old[0], old[1], old[2]);
    table(InternalEventsPageKind, InternalEvent);
    QSignalSpy numbers(delegate(), &aevents_tableview_delegate::actionNoChgd);
    QSignalSpy refreshes(delegate(), &aevents_tableview_delegate::forceRefresh);
    QWidget *editor = open(0, aevents_tableview_widget::NoColumn);
    if (auto *box = qobject_cast<QComboBox *>(editor))
        choose(box, value);
    else
        qobject_cast<QSpinBox *>(editor)->setValue(value);
    numbers.clear();
    commit(editor);

    const int_list now = {store().type(InternalEvent, 0), store().no(InternalEvent, 0),
                          store().operation(InternalEvent, 0)};
    QCOMPARE(now, stored);
    QTEST(delaysInUse(), "delays");
    QCOMPARE(numbers.size(), 1);
    QCOMPARE(numbers.first().first().toInt(), value);
    QCOMPARE(refreshes.count(), 1);
    QTEST(t->item(0, aevents_tableview_widget::NoColumn)->text(), "cell");
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_aevents_tableview_delegate::delayStartCheck_data()
{
    QTest::addColumn<QString>("column");   // the column edited
    QTest::addColumn<int_list>("old");     // type, number, operation
    QTest::addColumn<int>("choice");       // new type, editor value or new operation
    QTest::addColumn<int>("answer");       // to the question: 0 Repair, 1 Cancel
    QTest::addColumn<bool>("allInUse");    // every delay is started already
    QTest::addColumn<int_list>("stored");
    QTest::addColumn<int_list>("delays");
    QTest::addColumn<QStringList>("box");  // title, text

    const QStringList question = {"Delay already in use!", "Delay #5 is blocked by sequence #3!"};
    const QStringList tooMany = {"Action failed!", "To many delays defined!"};
    const QStringList blocked = {"Action failed!", "Some delays are blocked by sequences!"};
    // Delays 0 and 1 are started by other actions, so 2 is the lowest free one; a sequence
    // owns delay 4 (owner field 2) and 20.
    QTest::newRow("No.: repaired") << "no" << int_list{ActionDelay, 9, OperationOn} << 5 << 0 << false
                                   << int_list{ActionDelay, 2, OperationOn} << int_list{0, 1, 2} << question;
    QTest::newRow("No.: cancelled") << "no" << int_list{ActionDelay, 9, OperationOn} << 5 << 1 << false
                                    << int_list{ActionDelay, 9, OperationOn} << int_list{0, 1, 9} << question;
    QTest::newRow("No.: all delays in use") << "no" << int_list{ActionDelay, 9, OperationOn} << 5 << 0 << true
                                            << int_list{ActionDelay, 9, OperationOn} << int_list{} << tooMany;
    QTest::newRow("No.: All while a sequence owns delays") << "no" << int_list{ActionDelay, 9, OperationOn} << 0 << 0
                                                           << false << int_list{ActionDelay, 9, OperationOn}
                                                           << int_list{0, 1, 9} << blocked;
    QTest::newRow("type: repaired") << "type" << int_list{ActionScene, 4, OperationOn} << int(ActionDelay) << 0
                                    << false << int_list{ActionDelay, 2, OperationOn} << int_list{0, 1, 2} << question;
    QTest::newRow("type: cancelled") << "type" << int_list{ActionScene, 4, OperationOn} << int(ActionDelay) << 1
                                     << false << int_list{ActionScene, 4, OperationOn} << int_list{0, 1} << question;
    QTest::newRow("type: all delays in use") << "type" << int_list{ActionScene, 4, OperationOn} << int(ActionDelay)
                                             << 0 << true << int_list{ActionScene, 4, OperationOn} << int_list{}
                                             << tooMany;
    QTest::newRow("type: Off starts nothing") << "type" << int_list{ActionScene, 4, OperationOff} << int(ActionDelay)
                                              << 0 << false << int_list{ActionDelay, 4, OperationOff}
                                              << int_list{0, 1} << QStringList{};
    QTest::newRow("action: repaired") << "action" << int_list{ActionDelay, 4, OperationOff} << int(OperationOn) << 0
                                      << false << int_list{ActionDelay, 2, OperationOn} << int_list{0, 1, 2}
                                      << question;
    QTest::newRow("action: cancelled") << "action" << int_list{ActionDelay, 4, OperationOff} << int(OperationOn) << 1
                                       << false << int_list{ActionDelay, 4, OperationOff} << int_list{0, 1}
                                       << question;
    QTest::newRow("type: All while a sequence owns delays")
        << "type" << int_list{ActionSequence, All, OperationOn} << int(ActionDelay) << 0 << false
        << int_list{ActionSequence, All, OperationOn} << int_list{0, 1} << blocked;
    QTest::newRow("action: a free delay starts") << "action" << int_list{ActionDelay, 30, OperationOff}
                                                 << int(OperationOn) << 0 << false
                                                 << int_list{ActionDelay, 30, OperationOn} << int_list{0, 1, 30}
                                                 << QStringList{};
    QTest::newRow("action: start to off") << "action" << int_list{ActionDelay, 30, OperationOn} << int(OperationOff)
                                          << 0 << false << int_list{ActionDelay, 30, OperationOff} << int_list{0, 1}
                                          << QStringList{};
}

void tst_aevents_tableview_delegate::delayStartCheck()
{
    QFETCH(QString, column);
    QFETCH(int_list, old);
    QFETCH(int, choice);
    QFETCH(int, answer);
    QFETCH(bool, allInUse);
    QFETCH(int_list, stored);
    QFETCH(QStringList, box);
    lockDelay(4, 2);
    lockDelay(20, 0);
    add(0x407, ActionDelay, 0, OperationOn);
    add(0x407, ActionDelay, 1, OperationOn);
    add(InternalEvent, old[0], old[1], old[2]);
    if (allInUse) {
        f->controller->delaysInUse.clear();
        for (int d = 0; d < 512; ++d)
            f->controller->delaysInUse.append(u16(d));
    }
    const QList<u16> delaysBefore = f->controller->delaysInUse;
    table(InternalEventsPageKind, InternalEvent);
    QSignalSpy refreshes(delegate(), &aevents_tableview_delegate::forceRefresh);
    f->ui.answers.enqueue(answer);

    const int col = column == "type" ? 0 : column == "no" ? 1 : 2;
    QWidget *editor = open(0, col);
    QVERIFY(editor);
    if (auto *spin = qobject_cast<QSpinBox *>(editor))
        spin->setValue(choice);
    else
        choose(qobject_cast<QComboBox *>(editor), choice);
    commit(editor);

    const int_list now = {store().type(InternalEvent, 0), store().no(InternalEvent, 0),
                          store().operation(InternalEvent, 0)};
    QCOMPARE(now, stored);
    if (allInUse)
        QCOMPARE(f->controller->delaysInUse, delaysBefore);
    else
        QTEST(delaysInUse(), "delays");
    // A refused edit redraws the table too, so the cell shows the store again.
    QCOMPARE(refreshes.count(), 1);
    QCOMPARE(t->item(0, aevents_tableview_widget::NoColumn)->text(),
             aevents_tableview_widget::numberText(stored[0], stored[1]));
    if (box.isEmpty()) {
        QVERIFY(f->ui.messages.isEmpty());
        return;
    }
    QCOMPARE(f->ui.messages.size(), 1);
    const message_request &m = f->ui.messages.first();
    QCOMPARE(m.title, box[0]);
    QCOMPARE(m.text, box[1]);
    QCOMPARE(m.parent, dialog_parent::MainWindow);
    if (box[0] == QLatin1String("Delay already in use!")) {
        QCOMPARE(m.icon, message_icon::Question);
        QCOMPARE(m.customButtons.size(), 2);
        QCOMPARE(m.customButtons[0].text, QStringLiteral("Repair"));
        QCOMPARE(m.customButtons[1].text, QStringLiteral("Cancel"));
        QCOMPARE(m.defaultCustomButton, 0);
    } else {
        QCOMPARE(m.icon, message_icon::Critical);
    }
}

void tst_aevents_tableview_delegate::operationEdits_data()
{
    QTest::addColumn<int_list>("old");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("cell");
    QTest::newRow("scene toggle") << int_list{ActionScene, 3, OperationOn} << int(OperationToggle) << "Toggle";
    QTest::newRow("program restart") << int_list{ActionProgram, All, OperationOff} << int(OperationRestart)
                                     << "Restart";
    QTest::newRow("mask set intensity") << int_list{ActionMask, 3, OperationOn} << int(OperationSetIntensity)
                                        << "Set intensity";
}

void tst_aevents_tableview_delegate::operationEdits()
{
    QFETCH(int_list, old);
    QFETCH(int, operation);
    add(InternalEvent, old[0], old[1], old[2]);
    table(InternalEventsPageKind, InternalEvent);
    auto *box = qobject_cast<QComboBox *>(open(0, aevents_tableview_widget::ActionColumn));
    choose(box, operation);
    commit(box);
    QCOMPARE(store().operation(InternalEvent, 0), operation);
    QCOMPARE(store().type(InternalEvent, 0), old[0]);
    QCOMPARE(store().no(InternalEvent, 0), old[1]);
    QTEST(t->item(0, aevents_tableview_widget::ActionColumn)->text(), "cell");
}

void tst_aevents_tableview_delegate::emptyOperationListStoresNothing()
{
    // An Enabling action away from the inputs and keys offers no operation: committing its
    // empty list keeps the stored one.
    add(0x1010, ActionEnabling, 0, OperationOff);
    add(0x1010, 11, 0, OperationFreeze);
    table(DelaysPageKind, 0x1010);
    QSignalSpy refreshes(delegate(), &aevents_tableview_delegate::forceRefresh);
    for (int row = 0; row < 2; ++row) {
        auto *box = qobject_cast<QComboBox *>(open(row, aevents_tableview_widget::ActionColumn));
        QCOMPARE(box->count(), 0);
        commit(box);
    }
    QCOMPARE(store().operation(0x1010, 0), int(OperationOff));
    QCOMPARE(store().operation(0x1010, 1), int(OperationFreeze));
    QCOMPARE(refreshes.count(), 2);
}

DTL_widget *tst_aevents_tableview_delegate::openShownDaytimeEditor(int from, int to)
{
    add(InternalEvent, ActionScene, 0);
    store().setDaytimeLimit(InternalEvent, 0, from, to);
    table(InternalEventsPageKind, InternalEvent);
    f->tabPage->show();
    if (!QTest::qWaitForWindowExposed(f->tabPage.get()))
        return nullptr;
    return qobject_cast<DTL_widget *>(open(0, aevents_tableview_widget::DaytimeColumn));
}

void tst_aevents_tableview_delegate::daytimeEditorLoads_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("fromValue");
    QTest::addColumn<int>("toValue");

    QTest::newRow("not set") << 0xFF << 0xFF << int(DTL_widget::NotSet) << false << 0 << 144;
    QTest::newRow("daytime only") << 0xFE << 0xFF << int(DTL_widget::DaytimeOnly) << false << 0 << 144;
    QTest::newRow("night-time only") << 0xFE << 0xFE << int(DTL_widget::NightTimeOnly) << false << 0 << 144;
    QTest::newRow("a from byte above 144 reads as not set") << 0xA0 << 0x10 << int(DTL_widget::NotSet) << false << 0
                                                             << 144;
    QTest::newRow("2:40 to the end of the day") << 0x10 << 0xA0 << int(DTL_widget::SetManually) << true << 16 << 144;
    QTest::newRow("8:00 to 17:00") << 48 << 102 << int(DTL_widget::SetManually) << true << 48 << 102;
}

void tst_aevents_tableview_delegate::daytimeEditorLoads()
{
    QFETCH(int, from);
    QFETCH(int, to);
    add(InternalEvent, ActionScene, 0);
    store().setDaytimeLimit(InternalEvent, 0, from, to);
    table(InternalEventsPageKind, InternalEvent);
    auto *editor = qobject_cast<DTL_widget *>(open(0, aevents_tableview_widget::DaytimeColumn));
    QVERIFY(editor);
    QTEST(editor->modeBox->currentIndex(), "mode");
    QTEST(editor->manualBox->isChecked(), "checked");
    QTEST(int(editor->fromBox->value), "fromValue");
    QTEST(int(editor->toBox->value), "toValue");
    if (editor->toBox->value == 144)
        QCOMPARE(editor->toBox->text(), QStringLiteral("23:59"));
    // Loading stores nothing.
    QCOMPARE(store().daytimeLimitFrom(InternalEvent, 0), from);
    QCOMPARE(store().daytimeLimitTo(InternalEvent, 0), to);
}

void tst_aevents_tableview_delegate::daytimeEdits_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("fromValue");  // in "Set manually"
    QTest::addColumn<int>("toValue");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("cell");

    QTest::newRow("not set") << int(DTL_widget::NotSet) << 0 << 0 << 0xFF << 0xFF << "Not set";
    QTest::newRow("daytime only") << int(DTL_widget::DaytimeOnly) << 0 << 0 << 0xFE << 0xFF << "Daytime only";
    QTest::newRow("night-time only") << int(DTL_widget::NightTimeOnly) << 0 << 0 << 0xFE << 0xFE << "Night-time only";
    QTest::newRow("the whole day") << int(DTL_widget::SetManually) << -1 << -1 << 0 << 144 << "0:00 - 24:00";
    QTest::newRow("evening") << int(DTL_widget::SetManually) << 111 << 138 << 111 << 138 << "18:30 - 23:00";
}

void tst_aevents_tableview_delegate::daytimeEdits()
{
    QFETCH(int, mode);
    QFETCH(int, fromValue);
    QFETCH(int, toValue);
    add(InternalEvent, ActionScene, 0);
    store().setDaytimeLimit(InternalEvent, 0, 20, 30);
    table(InternalEventsPageKind, InternalEvent);
    auto *editor = qobject_cast<DTL_widget *>(open(0, aevents_tableview_widget::DaytimeColumn));
    QVERIFY(editor);
    if (mode != DTL_widget::SetManually)
        editor->manualBox->setChecked(false);  // back to the list
    editor->modeBox->setCurrentIndex(mode);
    if (mode == DTL_widget::SetManually && fromValue < 0) {
        // A new range: from the start to the end of the day.
        editor->fromBox->setValue(0);
        editor->toBox->setValue(144);
    } else if (mode == DTL_widget::SetManually) {
        editor->fromBox->setValue(fromValue);
        editor->toBox->setValue(toValue);
    }
    commit(editor);
    QTEST(store().daytimeLimitFrom(InternalEvent, 0), "from");
    QTEST(store().daytimeLimitTo(InternalEvent, 0), "to");
    QTEST(t->item(0, aevents_tableview_widget::DaytimeColumn)->text(), "cell");
}

void tst_aevents_tableview_delegate::leavingTheDaytimeEditorStoresIt()
{
    DTL_widget *editor = openShownDaytimeEditor(48, 102);
    QVERIFY(editor);
    editor->toBox->setValue(120);

    // With the mouse still over the editor nothing is stored.
    QCursor::setPos(editor->mapToGlobal(editor->rect().center()));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(editor, &leave);
    QCOMPARE(store().daytimeLimitTo(InternalEvent, 0), 102);
    QVERIFY(t->indexWidget(t->model()->index(0, aevents_tableview_widget::DaytimeColumn)));

    // Really outside: stored and closed.
    QCursor::setPos(editor->mapToGlobal(QPoint(-50, -50)));
    QApplication::sendEvent(editor, &leave);
    QCOMPARE(store().daytimeLimitFrom(InternalEvent, 0), 48);
    QCOMPARE(store().daytimeLimitTo(InternalEvent, 0), 120);
    QVERIFY(!t->indexWidget(t->model()->index(0, aevents_tableview_widget::DaytimeColumn)));
    QCOMPARE(t->item(0, aevents_tableview_widget::DaytimeColumn)->text(), QStringLiteral("8:00 - 20:00"));
}

void tst_aevents_tableview_delegate::typedTimesAreStoredAsShown()
{
    // Times typed into both boxes, no Return: the pointer leaving stores them as they show.
    DTL_widget *editor = openShownDaytimeEditor(48, 102);
    QVERIFY(editor);
    // Into the hours, selected as a double click or Tab into the box selects them.
    auto type = [](DTL_Box *box, const QString &text) {
        box->setFocus();
        box->setSelectedSection(QDateTimeEdit::HourSection);
        QTest::keyClicks(box, text);
    };
    type(editor->fromBox, QStringLiteral("0:40"));
    type(editor->toBox, QStringLiteral("20:30"));
    QCOMPARE(editor->fromBox->text(), QStringLiteral("0:40"));
    QCOMPARE(editor->toBox->text(), QStringLiteral("20:30"));

    QCursor::setPos(editor->mapToGlobal(QPoint(-50, -50)));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(editor, &leave);
    QVERIFY(!t->indexWidget(t->model()->index(0, aevents_tableview_widget::DaytimeColumn)));
    QCOMPARE(store().daytimeLimitFrom(InternalEvent, 0), 4);
    QCOMPARE(store().daytimeLimitTo(InternalEvent, 0), 123);
    QCOMPARE(t->item(0, aevents_tableview_widget::DaytimeColumn)->text(), QStringLiteral("0:40 - 20:30"));
}

void tst_aevents_tableview_delegate::stateLimitWindow()
{
    add(Input1On, ActionScene, 0);
    u32 words[4] = {0xFFFFFFFC, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    store().setStateLimit(Input1On, 0, 0xFE, words);
    f->window.window.setGeometry(100, 80, 1000, 700);
    f->window.events->setCurrentIndex(InputsEventsTab);
    table(InputsPageKind, Input1On);
    auto *editor = qobject_cast<StL_widget *>(open(0, aevents_tableview_widget::StatesColumn));
    QVERIFY(editor);
    QVERIFY(editor->isWindow());
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->parentWidget(), f->window.events->currentWidget());
    QCOMPARE(editor->size(), QSize(872, 216));
    QCOMPARE(editor->pos(), QPoint(100 + (1000 - 872) / 2, 80 + (700 - 216) / 2));
    QVERIFY(editor->stateRow(0)->whenSetButton->isChecked());
    QVERIFY(editor->stateRow(4)->whenUnsetButton->isChecked());
    QVERIFY(editor->stateRow(5)->ignoreButton->isChecked());
    // A redraw of the table under the window keeps the window where it is.
    t->refresh();
    QVERIFY(editor->isWindow() && editor->isVisible());
    QCOMPARE(editor->size(), QSize(872, 216));
}

void tst_aevents_tableview_delegate::stateLimitsStoreOnSetOnly()
{
    add(InternalEvent, ActionScene, 0);
    table(InternalEventsPageKind, InternalEvent);
    const u32 none[4] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    auto stateBytes = [this](u32 w[4]) { return store().stateLimit(InternalEvent, 0, w); };
    u32 w[4];

    // Cancel, Escape, the window's close button and the focus going elsewhere store nothing.
    for (int way = 0; way < 4; ++way) {
        QPointer<StL_widget> editor = qobject_cast<StL_widget *>(open(0, aevents_tableview_widget::StatesColumn));
        QVERIFY(editor);
        editor->stateRow(0)->whenSetButton->setChecked(true);
        switch (way) {
        case 0: QTest::mouseClick(editor->pbCancel, Qt::LeftButton); break;
        case 1: QTest::keyClick(editor.data(), Qt::Key_Escape); break;
        case 2: editor->close(); break;
        case 3: {
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(editor.data(), &out);
            QVERIFY(t->indexWidget(t->model()->index(0, aevents_tableview_widget::StatesColumn)));
            QTest::mouseClick(editor->pbCancel, Qt::LeftButton);
            break;
        }
        }
        QVERIFY2(!t->indexWidget(t->model()->index(0, aevents_tableview_widget::StatesColumn)),
                 qPrintable(QStringLiteral("way %1 leaves the editor open").arg(way)));
        QCOMPARE(stateBytes(w), 0xFF);
        QCOMPARE(w[0], none[0]);
    }

    // "Set" stores and closes.
    auto *editor = qobject_cast<StL_widget *>(open(0, aevents_tableview_widget::StatesColumn));
    editor->stateRow(0)->whenSetButton->setChecked(true);
    editor->stateRow(4)->whenUnsetButton->setChecked(true);
    QSignalSpy refreshes(delegate(), &aevents_tableview_delegate::forceRefresh);
    QTest::mouseClick(editor->pbSet, Qt::LeftButton);
    QCOMPARE(stateBytes(w), 0xFE);
    QCOMPARE(w[0], 0xFFFFFFFCu);
    QCOMPARE(w[1], 0xFFFFFFFFu);
    QCOMPARE(refreshes.count(), 1);
    QVERIFY(!t->indexWidget(t->model()->index(0, aevents_tableview_widget::StatesColumn)));
    QCOMPARE(t->item(0, aevents_tableview_widget::StatesColumn)->text(), QStringLiteral("A1 b1 "));

    // "Clear all" and "Set" ignore every state again.
    editor = qobject_cast<StL_widget *>(open(0, aevents_tableview_widget::StatesColumn));
    QTest::mouseClick(editor->pbClear, Qt::LeftButton);
    QTest::mouseClick(editor->pbSet, Qt::LeftButton);
    QCOMPARE(stateBytes(w), 0xFF);
    QCOMPARE(w[0], 0xFFFFFFFFu);
}

void tst_aevents_tableview_delegate::sequencePageEditsTheShownAction()
{
    // Sequence 3's chain link heads the start event's list; row 0 is the action after it.
    lockDelay(40, 3);
    const int event = 0x1203;
    add(event, ActionDelay, 40, OperationOn);
    add(event, ActionScene, 10, OperationOn);
    table(SequencePageKind, event);
    QCOMPARE(t->rowCount(), 1);
    auto *spin = qobject_cast<QSpinBox *>(open(0, aevents_tableview_widget::NoColumn));
    QVERIFY(spin);
    QCOMPARE(spin->value(), 11);
    spin->setValue(20);
    commit(spin);
    QCOMPARE(store().no(event, 1), 19);
    QCOMPARE(store().no(event, 0), 40);  // the chain link stays
    // The sequence page allows what every page allows: Exclusive on for one scene.
    auto *box = qobject_cast<QComboBox *>(open(0, aevents_tableview_widget::ActionColumn));
    choose(box, OperationExclusiveOn);
    commit(box);
    QCOMPARE(store().operation(event, 1), int(OperationExclusiveOn));
}

QTEST_MAIN(tst_aevents_tableview_delegate)
#include "tst_aevents_tableview_delegate.moc"
