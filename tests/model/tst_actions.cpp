#include "model/event_actions_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"

#include <QtTest>

#include <functional>
#include <vector>

using namespace image_layout;

namespace {

// Raw bytes of one action record of an image, for comparisons independent of the struct.
std::vector<u8> recordBytes(const std::vector<u8> &image, u32 record)
{
    const u8 *p = image.data() + actionRecord(record);
    return std::vector<u8>(p, p + ActionRecordSize);
}

std::vector<u8> emptyRecordBytes()
{
    std::vector<u8> r(24, 0);
    r[0] = r[1] = r[2] = r[3] = 0xFF;
    r[4] = 0x40;
    r[5] = r[6] = r[7] = 0xFF;
    return r;
}

// An action of the given type and operation with every field set to something distinct.
event_action_class makeAction(u16 event, u16 no, int type, int operation, u32 salt = 0)
{
    event_action_class a;
    a.event = event;
    a.no = no;
    a.setType(type);
    a.setOperation(operation);
    a.daytimeFrom = u8(6 + salt);
    a.daytimeTo = u8(120 - salt);
    a.statesA = u8(0xF0 | salt);
    for (int i = 0; i < 4; ++i)
        a.states[i] = 0x11111111u * u32(i + 1) + salt;
    return a;
}

// An event's actions as their record bytes, sorted.
QList<QByteArray> sortedActions(const event_actions_class &store, u32 code)
{
    QList<QByteArray> records;
    for (int j = 0; j < store.count(code); ++j) {
        QByteArray bytes(int(event_action_class::RecordSize), '\0');
        store.action(code, j)->write(reinterpret_cast<u8 *>(bytes.data()), 0);
        records << bytes;
    }
    std::sort(records.begin(), records.end());
    return records;
}

int appendCopy(event_actions_class &store, const event_action_class &a)
{
    return store.insertActionCopy(a.event, store.count(a.event) < 0 ? 0 : store.count(a.event), a);
}

} // namespace

class tst_actions : public QObject
{
    Q_OBJECT

private slots:
    void init() { event_actions_class::clipboard.clear(); }

    void newStoreHasNoLists()
    {
        event_actions_class s;
        QCOMPARE(s.enablingInput, -1);
        QCOMPARE(s.count(0), -1);
        QCOMPARE(s.count(4975), -1);
        QCOMPARE(s.action(0, 0), nullptr);
    }

    void newActionsCarryTheDefaults()
    {
        event_actions_class s;
        QCOMPARE(s.appendAction(0x1346), 0);
        const event_action_class *a = s.action(0x1346, 0);
        QVERIFY(a);
        QCOMPARE(int(a->event), 0x1346);
        QCOMPARE(int(a->no), 0);
        QCOMPARE(int(a->typeOperation), 0x40);
        QCOMPARE(s.daytimeLimitFrom(0x1346, 0), 0xFF);
        QCOMPARE(s.daytimeLimitTo(0x1346, 0), 0xFF);
        u32 w[4] = {};
        QCOMPARE(s.stateLimit(0x1346, 0, w), 0xFF);
        for (u32 word : w)
            QCOMPARE(word, 0xFFFFFFFFu);
    }

    void insertPlacesAtTheClampedIndex()
    {
        event_actions_class s;
        s.appendAction(10);
        s.setNo(10, 0, 1);
        QCOMPARE(s.insertAction(10, -5), 1);  // front
        s.setNo(10, 0, 0);
        QCOMPARE(s.insertAction(10, 99), 2);  // end
        s.setNo(10, 2, 2);
        QCOMPARE(s.insertAction(10, 1), 3);   // middle
        s.setNo(10, 1, 9);
        QCOMPARE(s.count(10), 4);
        QCOMPARE(s.no(10, 0), 0);
        QCOMPARE(s.no(10, 1), 9);
        QCOMPARE(s.no(10, 2), 1);
        QCOMPARE(s.no(10, 3), 2);

        // A copy takes the new event and keeps every other field.
        const event_action_class src = makeAction(500, 77, ActionMask, OperationFreeze, 3);
        QCOMPARE(s.insertActionCopy(20, 0, src), 0);
        event_action_class expected = src;
        expected.event = 20;
        QVERIFY(*s.action(20, 0) == expected);
    }

    void settersAndGettersOfOneAction()
    {
        event_actions_class s;
        s.appendAction(5);
        QCOMPARE(s.setType(5, 0, 0x17), 0);  // low nibble only
        QCOMPARE(s.setOperation(5, 0, 10), 0);
        QCOMPARE(s.setNo(5, 0, 0x8000), 0);
        QCOMPARE(s.setDaytimeLimit(5, 0, 0xFE, 0xFF), 0);
        const u32 w[4] = {1, 2, 3, 4};
        QCOMPARE(s.setStateLimit(5, 0, 0x5A, w), 0);
        QCOMPARE(s.type(5, 0), 7);
        QCOMPARE(s.operation(5, 0), 10);
        QCOMPARE(int(s.action(5, 0)->typeOperation), 0xA7);
        QCOMPARE(s.no(5, 0), 0x8000);
        QCOMPARE(s.daytimeLimitFrom(5, 0), 0xFE);
        QCOMPARE(s.daytimeLimitTo(5, 0), 0xFF);
        u32 out[4] = {};
        QCOMPARE(s.stateLimit(5, 0, out), 0x5A);
        QCOMPARE(std::vector<u32>(out, out + 4), std::vector<u32>(w, w + 4));

        // setAction copies all 24 bytes over the action of r's event.
        const event_action_class r = makeAction(5, 33, ActionProgram, OperationRestart, 9);
        QCOMPARE(s.setAction(r, 0), 0);
        QVERIFY(*s.action(5, 0) == r);
        QCOMPARE(s.setAction(r, 1), -1);
        QCOMPARE(s.actionText(5, 0), QStringLiteral("{ 5 33 1 7 }"));
    }

    // Every operation on a missing action or a code outside 0..4975 reports it and creates nothing.
    void missingActionsAndBadCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("j");
        QTest::newRow("no list") << 7 << 0;
        QTest::newRow("index past the end") << 3 << 1;
        QTest::newRow("negative index") << 3 << -1;
        QTest::newRow("code 4976") << 4976 << 0;
        QTest::newRow("code 0xFFFF") << 0xFFFF << 0;
        QTest::newRow("negative code") << -1 << 0;
    }
    void missingActionsAndBadCodes()
    {
        QFETCH(int, code);
        QFETCH(int, j);
        event_actions_class s;
        s.appendAction(3);
        const u32 w[4] = {0, 0, 0, 0};
        u32 out[4] = {};
        QCOMPARE(s.action(u32(code), j), nullptr);
        QCOMPARE(s.setNo(code, j, 1), -1);
        QCOMPARE(s.setType(code, j, 1), -1);
        QCOMPARE(s.setOperation(code, j, 1), -1);
        QCOMPARE(s.setDaytimeLimit(code, j, 1, 2), -1);
        QCOMPARE(s.setStateLimit(code, j, 0, w), -1);
        QCOMPARE(s.removeAction(code, j), -1);
        QCOMPARE(s.no(code, j), -1);
        QCOMPARE(s.type(code, j), -1);
        QCOMPARE(s.operation(code, j), -1);
        QCOMPARE(s.daytimeLimitFrom(code, j), 255);
        QCOMPARE(s.daytimeLimitTo(code, j), 255);
        QCOMPARE(s.stateLimit(code, j, out), 255);
        QCOMPARE(out[0], 0xFFFFFFFFu);
        QCOMPARE(out[3], 0xFFFFFFFFu);
        QCOMPARE(s.count(3), 1);
        QCOMPARE(s.no(3, 0), 0);
        if (!isEventCode(code)) {
            QCOMPARE(s.count(u32(code)), -1);
            QCOMPARE(s.appendAction(code), -1);
            QCOMPARE(s.insertAction(code, 0), -1);
            QCOMPARE(s.insertActionCopy(code, 0, event_action_class()), -1);
            QCOMPARE(s.moveActions(code, 3), -1);
            QCOMPARE(s.moveActions(3, code), -1);
            QCOMPARE(s.count(3), 1);
        }
    }

    void countTellsEmptyListsFromMissingOnes()
    {
        event_actions_class s;
        s.appendAction(100);
        QCOMPARE(s.removeAction(100, 0), 0);
        QCOMPARE(s.count(100), 0);
        QCOMPARE(s.count(101), -1);
        s.appendAction(102);
        s.clearList(102);
        QCOMPARE(s.count(102), 0);
        s.clear();
        QCOMPARE(s.count(100), -1);
        QCOMPARE(s.count(102), -1);
    }

    void moveActions_data()
    {
        QTest::addColumn<int>("sourceCount");  // -1: the source never had a list
        QTest::addColumn<int>("targetCount");  // -1: the target never had a list
        QTest::newRow("three onto two") << 3 << 2;
        QTest::newRow("three onto none") << 3 << -1;
        QTest::newRow("empty list onto two") << 0 << 2;
        QTest::newRow("never created onto two") << -1 << 2;
        QTest::newRow("never created onto none") << -1 << -1;
    }
    void moveActions()
    {
        QFETCH(int, sourceCount);
        QFETCH(int, targetCount);
        const int from = 0x1001, to = 0x1002;
        event_actions_class s;
        if (sourceCount >= 0)
            s.appendAction(from), s.removeAction(from, 0);  // an empty list
        for (int i = 0; i < sourceCount; ++i)
            s.setNo(from, s.appendAction(from), 10 + i);
        for (int i = 0; i < targetCount; ++i)
            s.setNo(to, s.appendAction(to), 20 + i);
        QVector<event_action_class *> moved;
        for (int i = 0; i < qMax(0, sourceCount); ++i)
            moved << s.action(from, i);

        QCOMPARE(s.moveActions(from, to), 0);
        QCOMPARE(s.count(to), qMax(0, sourceCount));
        for (int i = 0; i < qMax(0, sourceCount); ++i) {
            QCOMPARE(s.action(to, i), moved[i]);  // the same records, in order
            QCOMPARE(s.no(to, i), 10 + i);
            QCOMPARE(int(s.action(to, i)->event), to);
        }
        QCOMPARE(s.count(from), sourceCount < 0 ? -1 : 0);
    }

    void moveActionsOntoItselfKeepsEverything()
    {
        event_actions_class s;
        for (int i = 0; i < 3; ++i)
            s.setNo(0x1200, s.appendAction(0x1200), i);
        QCOMPARE(s.moveActions(0x1200, 0x1200), 0);
        QCOMPARE(s.count(0x1200), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(s.no(0x1200, i), i);
    }

    void emptyStoreEncodesAsEmptyRecords()
    {
        event_actions_class s;
        std::vector<u8> image(ImageSize, 0x5A);
        QCOMPARE(s.encodeToImage(image.data()), 0);
        for (u32 r = 0; r < ActionRecordCount; ++r)
            QVERIFY2(recordBytes(image, r) == emptyRecordBytes(), qPrintable(QString::number(r)));
        QCOMPARE(int(image[ActionTable - 1]), 0x5A);
        QCOMPARE(int(image[ActionTable + 0x30000]), 0x5A);

        s.appendAction(3);
        s.enablingInput = 4;
        QCOMPARE(s.decodeFromImage(image.data()), 0);
        QCOMPARE(s.count(3), -1);
        QCOMPARE(s.enablingInput, -1);
    }

    void actionsEncodeInEventOrderAndDecodeEqual()
    {
        event_actions_class s;
        const QVector<event_action_class> actions = {
            makeAction(0x1340, 1, ActionScene, OperationOn, 1),
            makeAction(0x0000, 2, ActionProgram, OperationOff, 2),
            makeAction(0x1340, 3, ActionDelay, OperationOn, 3),
            makeAction(0x0C05, 4, ActionMask, OperationSetIntensity, 4),
            makeAction(0x0000, 0x8000, ActionSequence, OperationToggle, 5),
        };
        for (const event_action_class &a : actions)
            appendCopy(s, a);
        std::vector<u8> image(ImageSize, 0xFF);
        QCOMPARE(s.encodeToImage(image.data()), 0);
        // Records 2.. by event, then list order.
        const int order[] = {1, 4, 3, 0, 2};
        for (int i = 0; i < 5; ++i) {
            std::vector<u8> expected(24);
            actions[order[i]].write(expected.data(), 0);
            QVERIFY(recordBytes(image, u32(2 + i)) == expected);
        }
        QVERIFY(recordBytes(image, 7) == emptyRecordBytes());

        event_actions_class d;
        d.decodeFromImage(image.data());
        QCOMPARE(d.count(0), 2);
        QCOMPARE(d.count(0x1340), 2);
        QCOMPARE(d.count(0x0C05), 1);
        QVERIFY(*d.action(0, 0) == actions[1]);
        QVERIFY(*d.action(0, 1) == actions[4]);
        QVERIFY(*d.action(0x1340, 0) == actions[0]);
        QVERIFY(*d.action(0x1340, 1) == actions[2]);
        QVERIFY(*d.action(0x0C05, 0) == actions[3]);
        QCOMPARE(d.enablingInput, -1);
    }

    void decoderSkipsRecordsWithoutEventOrNumber()
    {
        std::vector<u8> image(ImageSize, 0xFF);
        event_actions_class().encodeToImage(image.data());
        makeAction(0xFFFF, 1, ActionScene, OperationOn).write(image.data(), actionRecord(2));
        makeAction(4976, 1, ActionScene, OperationOn).write(image.data(), actionRecord(3));
        makeAction(7, 0xFFFF, ActionScene, OperationOn).write(image.data(), actionRecord(4));
        makeAction(4975, 5, ActionScene, OperationOn).write(image.data(), actionRecord(8191));
        event_actions_class d;
        d.decodeFromImage(image.data());
        QCOMPARE(d.count(7), -1);
        QCOMPARE(d.count(4975), 1);
        for (u32 code = 0; code < 4975; ++code)
            QVERIFY(d.count(code) == -1);
    }

    // Enabling actions travel in records 0 and 1 and name the one Enabling input.
    void enablingRoundTrips_data()
    {
        QTest::addColumn<QVector<event_action_class>>("actions");
        QTest::addColumn<QVector<event_action_class>>("record0and1");  // event 0xFFFF: empty record
        QTest::addColumn<int>("enablingInput");
        QTest::addColumn<QVector<event_action_class>>("decoded");

        const event_action_class empty = event_action_class::emptyRecord();
        const event_action_class enable3 = makeAction(inputEvent(3, false), 0, ActionEnabling, OperationOn, 1);
        const event_action_class disable3 = makeAction(inputEvent(3, true), 0, ActionEnabling, OperationOff, 2);
        QTest::newRow("input 3 enable and disable")
            << QVector<event_action_class>{enable3, disable3} << QVector<event_action_class>{enable3, disable3} << 3
            << QVector<event_action_class>{enable3, disable3};

        const event_action_class toggle = makeAction(rcuKeyEvent(5, 2), 0, ActionEnabling, OperationToggle, 3);
        QTest::newRow("key 5 released toggles")
            << QVector<event_action_class>{toggle} << QVector<event_action_class>{toggle, empty} << 29
            << QVector<event_action_class>{toggle};

        // A Toggle after a Disable empties record 1 again.
        const event_action_class disable0 = makeAction(inputEvent(0, true), 0, ActionEnabling, OperationOff, 4);
        const event_action_class toggle2 = makeAction(inputEvent(2, false), 0, ActionEnabling, OperationToggle, 5);
        QTest::newRow("toggle after disable")
            << QVector<event_action_class>{disable0, toggle2} << QVector<event_action_class>{toggle2, empty} << 2
            << QVector<event_action_class>{toggle2};

        // Two inputs compete: the record of the first input met in table order wins; here
        // the later Enable overwrites record 0, so input 7 owns it and input 3's Disable in
        // record 1 is dropped on decoding.
        const event_action_class enable7 = makeAction(inputEvent(7, false), 0, ActionEnabling, OperationOn, 6);
        QTest::newRow("two inputs")
            << QVector<event_action_class>{enable3, disable3, enable7} << QVector<event_action_class>{enable7, disable3}
            << 7 << QVector<event_action_class>{enable7};

        // Operations other than Enable, Disable and Toggle have no record.
        const event_action_class freeze = makeAction(inputEvent(1, false), 0, ActionEnabling, OperationFreeze, 7);
        QTest::newRow("other operation dropped")
            << QVector<event_action_class>{freeze} << QVector<event_action_class>{empty, empty} << -1
            << QVector<event_action_class>{};
    }
    void enablingRoundTrips()
    {
        QFETCH(QVector<event_action_class>, actions);
        QFETCH(QVector<event_action_class>, record0and1);
        QFETCH(int, enablingInput);
        QFETCH(QVector<event_action_class>, decoded);

        event_actions_class s;
        for (const event_action_class &a : actions)
            appendCopy(s, a);
        s.appendAction(0x400);  // an ordinary action takes record 2
        std::vector<u8> image(ImageSize, 0xFF);
        QCOMPARE(s.encodeToImage(image.data()), 0);
        for (u32 r = 0; r < 2; ++r)
            QVERIFY(event_action_class::read(image.data(), actionRecord(r)) == record0and1[int(r)]);
        QCOMPARE(int(readU16(image.data(), actionRecord(2))), 0x400);
        QVERIFY(recordBytes(image, 3) == emptyRecordBytes());

        event_actions_class d;
        d.decodeFromImage(image.data());
        QCOMPARE(d.enablingInput, enablingInput);
        QCOMPARE(d.count(0x400), 1);
        int total = 0;
        for (u32 code = EventRcuKey; code < EventEnd; ++code)
            total += qMax(0, d.count(code));
        QCOMPARE(total, int(decoded.size()));
        for (const event_action_class &a : decoded) {
            QCOMPARE(d.count(a.event), 1);
            QVERIFY(*d.action(a.event, 0) == a);
        }
    }

    // Enabling records on events that are neither inputs nor keys are dropped; a key
    // record after an input is dropped too.
    void decoderAcceptsEnablingOnlyForOneInputOrKey()
    {
        std::vector<u8> image(ImageSize, 0xFF);
        event_actions_class().encodeToImage(image.data());
        const event_action_class onDmx = makeAction(0x10, 0, ActionEnabling, OperationOn);
        const event_action_class onInput = makeAction(inputEvent(5, true), 0, ActionEnabling, OperationOff);
        const event_action_class onKey = makeAction(rcuKeyEvent(1, 0), 0, ActionEnabling, OperationOn);
        const event_action_class sameInput = makeAction(inputEvent(5, false), 0, ActionEnabling, OperationOn);
        onDmx.write(image.data(), actionRecord(0));
        onInput.write(image.data(), actionRecord(1));
        onKey.write(image.data(), actionRecord(2));
        sameInput.write(image.data(), actionRecord(3));
        event_actions_class d;
        d.decodeFromImage(image.data());
        QCOMPARE(d.enablingInput, 5);
        QCOMPARE(d.count(0x10), -1);
        QCOMPARE(d.count(rcuKeyEvent(1, 0)), -1);
        QCOMPARE(d.count(inputEvent(5, true)), 1);
        QCOMPARE(d.count(inputEvent(5, false)), 1);
    }

    // Whether the table has room for one more Enabling action beside the ones the store
    // holds, and the proof of each answer: what fits comes back whole from the table, what
    // is refused would not.
    void roomForEnabling_data()
    {
        QTest::addColumn<QVector<event_action_class>>("existing");
        QTest::addColumn<int>("replaced");  // index in `existing` of the action that changes, -1 none
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<int>("holder");
        QTest::addColumn<bool>("comesBack");  // the action, made anyway, comes back from the table

        typedef QVector<event_action_class> actions;
        const int none = int(enabling_refusal::None);
        const int notInputOrKey = int(enabling_refusal::NotInputOrKey);
        const int notEnablingOperation = int(enabling_refusal::NotEnablingOperation);
        const int otherInput = int(enabling_refusal::OtherInput);
        const int taken = int(enabling_refusal::RecordTaken);
        const u16 on1 = inputEvent(0, false);
        const u16 off1 = inputEvent(0, true);
        const u16 key2 = rcuKeyEvent(1, 0);
        const event_action_class enable1 = makeAction(on1, 0, ActionEnabling, OperationOn, 1);
        const event_action_class disable1 = makeAction(off1, 0, ActionEnabling, OperationOff, 2);
        const event_action_class toggle1 = makeAction(on1, 0, ActionEnabling, OperationToggle, 3);
        const event_action_class toggleKey2 = makeAction(key2, 0, ActionEnabling, OperationToggle, 4);

        QTest::newRow("first enable of an input")
            << actions{} << -1 << int(on1) << int(OperationOn) << none << -1 << true;
        QTest::newRow("first toggle of a key")
            << actions{} << -1 << int(key2) << int(OperationToggle) << none << -1 << true;
        QTest::newRow("a key's released event") << actions{} << -1 << int(rcuKeyEvent(63, 2)) << int(OperationToggle)
                                                << none << -1 << true;
        QTest::newRow("disable beside the enable") << actions{enable1} << -1 << int(off1) << int(OperationOff) << none
                                                   << -1 << true;
        QTest::newRow("enable beside the disable on one edge")
            << actions{disable1} << -1 << int(off1) << int(OperationOn) << none << -1 << true;
        QTest::newRow("a second disable") << actions{enable1, disable1} << -1 << int(on1) << int(OperationOff) << taken
                                          << int(OperationOff) << false;
        QTest::newRow("a second enable on the other edge")
            << actions{enable1} << -1 << int(off1) << int(OperationOn) << taken << int(OperationOn) << false;
        // A Toggle writes record 1 empty: beside it a Disable comes back only when the
        // encoder meets the Disable after it, so the two are not combined at all.
        QTest::newRow("disable beside a toggle") << actions{toggle1} << -1 << int(off1) << int(OperationOff) << taken
                                                 << int(OperationToggle) << true;
        QTest::newRow("toggle beside a disable") << actions{disable1} << -1 << int(on1) << int(OperationToggle)
                                                 << taken << int(OperationOff) << true;
        QTest::newRow("a key's second action") << actions{toggleKey2} << -1 << int(key2) << int(OperationOff) << taken
                                               << int(OperationToggle) << false;
        QTest::newRow("a key's other event") << actions{toggleKey2} << -1 << int(rcuKeyEvent(1, 2))
                                             << int(OperationToggle) << taken << int(OperationToggle) << false;
        QTest::newRow("the enable becomes a disable") << actions{enable1} << 0 << int(on1) << int(OperationOff)
                                                      << none << -1 << true;
        QTest::newRow("the enable becomes a disable beside one")
            << actions{enable1, disable1} << 0 << int(on1) << int(OperationOff) << taken << int(OperationOff) << false;
        QTest::newRow("another input holds it") << actions{enable1} << -1 << int(inputEvent(4, true))
                                                << int(OperationOff) << otherInput << 0 << false;
        QTest::newRow("a key while an input holds it")
            << actions{disable1} << -1 << int(key2) << int(OperationToggle) << otherInput << 0 << false;
        QTest::newRow("an input while a key holds it")
            << actions{toggleKey2} << -1 << int(on1) << int(OperationOn) << otherInput << 25 << false;
        QTest::newRow("an internal event")
            << actions{} << -1 << 0x400 << int(OperationOn) << notInputOrKey << -1 << false;
        QTest::newRow("a delay's end") << actions{} << -1 << int(EventDelay) << int(OperationToggle) << notInputOrKey
                                       << -1 << false;
        QTest::newRow("freeze")
            << actions{} << -1 << int(on1) << int(OperationFreeze) << notEnablingOperation << -1 << false;
    }
    void roomForEnabling()
    {
        QFETCH(QVector<event_action_class>, existing);
        QFETCH(int, replaced);
        QFETCH(int, event);
        QFETCH(int, operation);

        event_actions_class s;
        for (const event_action_class &a : existing) {
            appendCopy(s, a);
            s.enablingInput = event_actions_class::enablingValueOf(a.event);
        }
        const event_action_class *changed = nullptr;
        if (replaced >= 0) {
            const event_action_class &r = existing[replaced];
            changed = s.action(r.event, 0);
        }
        const enabling_room room = s.roomForEnabling(event, operation, changed);
        QTEST(int(room.refusal), "refusal");
        QTEST(room.holder, "holder");

        // The action made anyway: whatever fits comes back from the table.
        if (changed)
            *s.action(changed->event, 0) = makeAction(changed->event, 0, ActionEnabling, operation, 9);
        else
            appendCopy(s, makeAction(u16(event), 0, ActionEnabling, operation, 9));
        std::vector<u8> image(ImageSize, 0xFF);
        s.encodeToImage(image.data());
        event_actions_class d;
        d.decodeFromImage(image.data());
        // (The table keeps no order between an event's Enabling actions and its others.)
        bool whole = true;
        for (u32 code = 0; code < EventCount; ++code)
            whole = whole && sortedActions(d, code) == sortedActions(s, code);
        QTEST(whole, "comesBack");
    }

    void freeRecordsCountsOrdinaryActions()
    {
        event_actions_class s;
        QCOMPARE(s.freeRecords(), 8190);
        appendCopy(s, makeAction(inputEvent(0, false), 0, ActionEnabling, OperationOn));
        appendCopy(s, makeAction(inputEvent(0, true), 0, ActionEnabling, OperationOff));
        QCOMPARE(s.freeRecords(), 8190);
        for (int i = 0; i < 8190; ++i)
            s.appendAction(i % 4976);
        QCOMPARE(s.freeRecords(), 0);
        std::vector<u8> image(ImageSize, 0xFF);
        QCOMPARE(s.encodeToImage(image.data()), 0);
        s.appendAction(0x400);
        QCOMPARE(s.freeRecords(), -1);
        QCOMPARE(s.encodeToImage(image.data()), -1);
    }

    void overflow_data()
    {
        QTest::addColumn<int>("actionCount");
        QTest::addColumn<int>("result");
        QTest::newRow("8190 fit") << 8190 << 0;
        QTest::newRow("8191 overflow") << 8191 << -1;
        QTest::newRow("9000 overflow") << 9000 << -1;
    }
    void overflow()
    {
        QFETCH(int, actionCount);
        QFETCH(int, result);
        event_actions_class s;
        // Spread over the events; an Enabling pair needs no record of its own.
        for (int i = 0; i < actionCount; ++i)
            s.setNo(i % 4976, s.appendAction(i % 4976), i);
        appendCopy(s, makeAction(inputEvent(0, false), 0, ActionEnabling, OperationOn));

        std::vector<u8> image(ImageSize + 64, 0xA5);  // a guard band after the image
        QCOMPARE(s.encodeToImage(image.data()), result);
        // Records 2..8191 hold the first 8190 actions in event order.
        QVector<int> expectedNumbers;
        for (u32 code = 0; code < EventCount; ++code)
            for (int i = int(code); i < actionCount; i += 4976)
                expectedNumbers << i;
        for (u32 r = 2; r < ActionRecordCount; ++r) {
            const int k = int(r) - 2;
            if (k < expectedNumbers.size())
                QVERIFY(readU16(image.data(), actionRecord(r) + 2) == expectedNumbers[k]);
            else
                QVERIFY(recordBytes(image, r) == emptyRecordBytes());
        }
        for (u32 i = ActionTable + 0x30000; i < ImageSize + 64; ++i)
            QVERIFY(image[i] == 0xA5);
    }

    // The clipboard holds shared records: they live on after delete, clear and decode,
    // and show edits made while they were still in a list.
    void clipboardRecordsOutliveTheStore()
    {
        event_actions_class::clipboard.clear();
        std::vector<u8> image(ImageSize, 0xFF);
        {
            event_actions_class s;
            for (int i = 0; i < 3; ++i)
                s.setNo(50, s.appendAction(50), i);
            event_actions_class::clipboard << s.sharedAction(50, 0) << s.sharedAction(50, 2);
            QCOMPARE(s.sharedAction(50, 3), nullptr);
            s.setNo(50, 2, 42);  // after Copy
            QCOMPARE(int(event_actions_class::clipboard[1]->no), 42);

            s.removeAction(50, 0);
            s.moveActions(50, 51);  // the record moves with its new event
            QCOMPARE(int(event_actions_class::clipboard[1]->event), 51);
            s.encodeToImage(image.data());
            s.decodeFromImage(image.data());  // every record of the store replaced
            s.setNo(51, 1, 7);
            QCOMPARE(int(event_actions_class::clipboard[1]->no), 42);
            s.clear();
        }
        QCOMPARE(event_actions_class::clipboard.size(), 2);
        QCOMPARE(int(event_actions_class::clipboard[0]->no), 0);
        QCOMPARE(int(event_actions_class::clipboard[0]->event), 50);

        // One clipboard for every store: paste into another configuration.
        event_actions_class other;
        QVERIFY(&other.clipboard == &event_actions_class::clipboard);
        for (const event_action_ptr &a : std::as_const(other.clipboard))
            other.insertActionCopy(9, 99, *a);
        QCOMPARE(other.count(9), 2);
        QCOMPARE(other.no(9, 1), 42);
        QCOMPARE(int(other.action(9, 1)->event), 9);
        QVERIFY(other.action(9, 1) != event_actions_class::clipboard[1].get());
        event_actions_class::clipboard.clear();
    }
};

QTEST_GUILESS_MAIN(tst_actions)

#include "tst_actions.moc"
