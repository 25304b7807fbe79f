#include "link/kd620_controller_class.h"
#include "model/delay_entry_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "tests/support/scripted_interaction.h"

#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace image_layout;

namespace {

typedef kd620_controller_class ctl;

// ---------------------------------------------------------------------------------------
// The fully populated configuration: every category away from its empty state.

struct delay_start {
    u16 event;
    u16 delay;
};
// Delay Start actions of the fixture: sequence 4 is 10 -> 11; the others start delays from
// other event ranges.
const delay_start DelayStarts[] = {
    {sequenceStartEvent(4), 10}, {delayEndEvent(10), 11}, {inputEvent(2, false), 20},
    {EventDmxIn + 1, 30},        {timerRowEvent(3), 12},  {rcuKeyEvent(1, 0), 40},
};

// One event of each range, with its clear bit.
struct range_event {
    u16 event;
    u32 bit;
};
const range_event RangeEvents[] = {
    {EventDmxIn + 6, ctl::ClearDmxInEvents}, {EventInternal, ctl::ClearInternalEvents},
    {EventSunrise, ctl::ClearTimers},        {timerRowEvent(2), ctl::ClearTimers},
    {EventDmxOut + 3, ctl::ClearDmxOutEvents}, {delayEndEvent(500), ctl::ClearDelays},
    {sequenceStartEvent(127), ctl::ClearDelays}, {rcuKeyEvent(63, 2), ctl::ClearRcu},
    {inputEvent(23, true), ctl::ClearInputs},
};

// The clear bit of an event range; events past the last range have none.
u32 bitOfEvent(u32 e)
{
    if (e < EventInternal) return ctl::ClearDmxInEvents;
    if (e < EventTimer) return ctl::ClearInternalEvents;
    if (e < EventDmxOut) return ctl::ClearTimers;
    if (e < EventDelay) return ctl::ClearDmxOutEvents;
    if (e < EventRcuKey) return ctl::ClearDelays;
    if (e < EventInput) return ctl::ClearRcu;
    if (e < EventEnd) return ctl::ClearInputs;
    return 0;
}

void addAction(ctl &c, u16 event, int type, int operation, int no, bool limited)
{
    const int j = c.eventActions.appendAction(event);
    c.eventActions.setType(event, j, type);
    c.eventActions.setOperation(event, j, operation);
    c.eventActions.setNo(event, j, no);
    if (limited) {
        const u32 w[4] = {0x12345678, 0x9ABCDEF0, 0x0F0F0F0F, 0xAAAA5555};
        c.eventActions.setDaytimeLimit(event, j, 36, 108);
        c.eventActions.setStateLimit(event, j, 0xE4, w);
    }
}

void populate(ctl &c)
{
    u8 *im = c.confData;
    // Bytes no category owns (read back from the controller, or sent only).
    im[UnusedHead + 5] = 0x12;
    im[UnusedSentOnly + 7] = 0x34;
    im[Unused19C000 + 9] = 0x56;
    im[Unused487C] = 0x78;

    for (u32 ch = 0; ch < ChannelCount; ++ch) {
        u8 *s = im + dmxOutSettings(ch);
        s[0] = 3, s[1] = 200, s[2] = 10, s[3] = 20;
    }
    for (u32 in = 0; in < InputCount; ++in)
        writeI32(im, inputType(in), in % 2 ? 1 : -1);
    writeU16(im, StartUpTime, 100);
    writeU16(im, ShutDownTime, 200);
    writeU16(im, OutputChannelLimit, 40);
    writeU16(im, DmxEventFirstChannel, 2);
    writeU16(im, DmxEventLastChannel, 9);
    writeU16(im, ExternalPanel, 0);
    writeU16(im, DmxInLimit, 7);
    writeU16(im, SunEventDelays, 0x0302);
    writeU16(im, DaylightSaving, 0xFFFF);
    writeU16(im, MbftCode, 20);
    for (u32 d = 0; d < SunTableDays; ++d) {
        writeU16(im, sunEntry(d), u16(300 + d % 50));
        writeU16(im, sunEntry(d) + 2, u16(1000 + d % 60));
    }
    writeI32(im, TimeZone, 2);
    writeI32(im, Longitude, 15);
    writeI32(im, Latitude, 45);
    for (u32 m = 0; m < MaskCount; ++m) {
        writeU16(im, maskTimes(m), u16(10 + m));
        writeU16(im, maskTimes(m) + 2, 20);
        writeU16(im, maskTimes(m) + 4, 30);
        writeU16(im, maskTimes(m) + 6, 40);
        for (u32 ch = 0; ch < ChannelCount; ++ch)
            im[maskLevel(m, ch)] = u8(m + ch);
    }
    writeU32(im, delayEntry(10), delay_entry_class(50, 4).word);
    writeU32(im, delayEntry(11), delay_entry_class(60, 4).word);
    writeU32(im, delayEntry(12), delay_entry_class(70, 5).word);
    writeU32(im, delayEntry(20), delay_entry_class(80, delay_entry_class::NoSequence).word);
    for (u32 s = 0; s < SceneCount; ++s) {
        writeU16(im, sceneTimes(s), u16(s % 100));
        writeU16(im, sceneTimes(s) + 2, 50);
        writeU16(im, sceneTimes(s) + 4, 5);
        writeU16(im, sceneTimes(s) + 6, 1);
        for (u32 ch = 0; ch < ChannelCount; ++ch)
            im[sceneLevel(s, ch)] = u8(s * 7 + ch);
    }

    c.couplingGroups[0] = {2, 1};
    c.couplingGroups[5] = {100};
    c.couplingGroups[14] = {3071};

    c.programList.setStepCount(0u, 3);
    c.programList.setStepCount(7u, 2);
    c.programList.setRecurrences(7, 0);
    for (int p : {0, 7}) {
        for (int j = 0; j < c.programList.stepCount(p); ++j) {
            c.programList.setScene(p, j, 10 * p + j + 1);
            c.programList.setRiseTime(p, j, QTime(0, 0, j + 1));
            c.programList.setLastTime(p, j, QTime(0, 1, 0));
            c.programList.setFallTime(p, j, QTime(0, 0, 2));
            c.programList.setStepEvent(p, j, EventInternal + j);
        }
    }
    writeU16(im, programChainedEvent(0), EventInternal + 9);
    writeU16(im, programBreakFadeDown(0), 50);
    writeU16(im, OrdinaryProgramCount, 510);  // extra entries on
    c.extraEntries << new extra_entry_class{0, 1, 511} << new extra_entry_class{7, 0, 510};

    for (const range_event &r : RangeEvents) {
        addAction(c, r.event, ActionScene, OperationOn, 5, true);
        addAction(c, r.event, ActionMask, OperationToggle, event_action_class::AllObjects, false);
    }
    for (const delay_start &d : DelayStarts)
        addAction(c, d.event, ActionDelay, OperationOn, d.delay, false);
    addAction(c, inputEvent(3, false), ActionEnabling, OperationOn, 0, true);
    addAction(c, inputEvent(3, true), ActionEnabling, OperationOff, 0, false);

    c.timerTable[2].hour = 0x08;
    c.timerTable[2].minute = 0x30;
    c.timerTable[3].weekDay = 5;
    c.timerTable[9].day = 0x17;  // no action, so it is not kept
    c.timerTable[9].event = timerRowEvent(9);  // ... unless its event was set before

    for (u32 i = 0; i < SceneCount; ++i) c.sceneDescs[i] = QString("scene %1").arg(i);
    for (u32 i = 0; i < MaskCount; ++i) c.maskDescs[i] = QString("mask %1").arg(i);
    for (u32 i = 0; i < ProgramCount; ++i) c.programDescs[i] = QString("program %1").arg(i);
    for (u32 i = 0; i < EventCount; ++i) c.eventDescs[i] = QString("event %1").arg(i);
    for (int i = 0; i < ctl::StateCount; ++i) c.stateDescs[i] = QString("state %1").arg(i);
    for (u32 i = 0; i < InputCount; ++i) c.inputDescs[i] = QString("input %1").arg(i);
    for (int i = 0; i < ctl::RcuKeyCount; ++i) c.rcuKeyDescs[i] = QString("key %1").arg(i);
    for (int i = 0; i < ctl::RcuKeyCount; ++i) c.rcuKeyCodes[i] = u8(i);
    c.rcuAddress = 9;
    c.clockCalibration = -7;
}

// ---------------------------------------------------------------------------------------
// Everything a clear can change, in comparable form.

struct step_state {
    int scene, event;
    QTime rise, last, fall;
    bool infinite;
    bool operator==(const step_state &o) const
    {
        return scene == o.scene && event == o.event && rise == o.rise && last == o.last && fall == o.fall
            && infinite == o.infinite;
    }
};

struct program_state {
    int number, recurrences;
    QList<step_state> steps;
    bool operator==(const program_state &o) const
    {
        return number == o.number && recurrences == o.recurrences && steps == o.steps;
    }
};

struct state {
    std::vector<u8> image;
    std::vector<QStringList> descs;  // scenes, masks, programs, events, states, inputs, keys
    QMap<int, QList<event_action_class>> actions;
    int enablingInput = -1;
    std::vector<timer_entry_class> timers;
    std::vector<QList<u16>> groups;
    std::vector<QList<u16>> sequences;
    QList<u16> delaysInUse;  // sorted
    QList<program_state> programs;
    QList<QList<int>> extraEntries;
    std::vector<int> rcu;  // 64 codes, then the address
    int clockCalibration = 0;
};

template <typename A>
QStringList toList(const A &a)
{
    return QStringList(a.begin(), a.end());
}

state capture(const ctl &c)
{
    state s;
    s.image.assign(c.confData, c.confData + ImageSize);
    s.descs = {toList(c.sceneDescs), toList(c.maskDescs), toList(c.programDescs), toList(c.eventDescs),
               toList(c.stateDescs), toList(c.inputDescs), toList(c.rcuKeyDescs)};
    for (u32 e = 0; e < EventCount; ++e) {
        if (c.eventActions.count(e) < 0)
            continue;
        QList<event_action_class> &l = s.actions[int(e)];
        for (int j = 0; j < c.eventActions.count(e); ++j)
            l << *c.eventActions.action(e, j);
    }
    s.enablingInput = c.eventActions.enablingInput;
    s.timers.assign(std::begin(c.timerTable), std::end(c.timerTable));
    s.groups.assign(std::begin(c.couplingGroups), std::end(c.couplingGroups));
    s.sequences.assign(std::begin(c.sequenceDelays), std::end(c.sequenceDelays));
    s.delaysInUse = c.delaysInUse;
    std::sort(s.delaysInUse.begin(), s.delaysInUse.end());
    for (int p = 0; p < int(ProgramCount); ++p) {
        if (c.programList.stepCount(p) < 0)
            continue;
        program_state ps{p, c.programList.recurrences(p), {}};
        for (int j = 0; j < c.programList.stepCount(p); ++j) {
            ps.steps << step_state{c.programList.scene(p, j), c.programList.stepEvent(p, j),
                                   c.programList.riseTime(p, j), c.programList.lastTime(p, j),
                                   c.programList.fallTime(p, j), c.programList.isLastTimeInf(p, j)};
        }
        s.programs << ps;
    }
    for (const extra_entry_class *e : c.extraEntries)
        s.extraEntries << QList<int>{e->source, e->start, e->asProgram};
    s.rcu.assign(std::begin(c.rcuKeyCodes), std::end(c.rcuKeyCodes));
    s.rcu.push_back(c.rcuAddress);
    s.clockCalibration = c.clockCalibration;
    return s;
}

// ---------------------------------------------------------------------------------------
// What a clear with mask co makes of the base state: the named regions take the empty
// state of a new configuration, everything else stays.

void copyRange(state &to, const state &from, u32 offset, u32 size)
{
    std::copy(from.image.begin() + offset, from.image.begin() + offset + size, to.image.begin() + offset);
}

void clearDescs(QStringList &l, int first, int count)
{
    for (int i = first; i < first + count; ++i)
        l[i].clear();
}

bool actionRemoved(u32 co, u32 event)
{
    const u32 bit = bitOfEvent(event);
    return bit == 0 || (co & bit);
}

state expectedAfterClear(const state &base, const state &fresh, u32 co)
{
    state x = base;
    auto region = [&](u32 offset, u32 size) { copyRange(x, fresh, offset, size); };

    if (co & ctl::ClearTimers) {
        region(TimerTable, 0x2000);
        region(SunEventDelays, 2);
    }
    if (co & ctl::ClearDmxOutputs) {
        region(DmxOutSettings, 0x800);
        region(OutputChannelLimit, 6);  // limit, first and last DMX-out event channel
        region(MbftCode, 2);
    }
    if (co & ctl::ClearInputs)
        region(InputTypes, 0x60);
    if (co & ctl::ClearScenes) {
        region(SceneLevels, 0x180000);
        region(SceneTimes, 0x6000);
        region(CouplingTableA, 0x100);
    }
    if (co & ctl::ClearMasks) {
        region(MaskLevels, 0x20000);
        for (u32 m = 0; m < MaskCount; ++m) {
            region(maskTimes(m), 2);
            region(maskTimes(m) + 4, 2);
        }
    }
    if ((co & ctl::ClearChains) && !(co & ctl::ClearPrograms)) {
        region(ProgramChainedEvent, 0x400);
        region(StepEvents, 0x4000);
    }
    if (co & ctl::ClearPrograms) {
        region(ProgramFirstStep, Unused19C000 - ProgramFirstStep);
        region(ProgramSteps, 0x10000);
        // Without extra entries every program is an ordinary one again.
        writeU16(x.image.data(), OrdinaryProgramCount, u16(ProgramCount));
    }
    for (u32 r = 0; r < ActionRecordCount; ++r) {
        u8 *rec = x.image.data() + actionRecord(r);
        if (actionRemoved(co, readU16(rec, 0)))
            copyRange(x, fresh, actionRecord(r), ActionRecordSize);
        if (co & ctl::ClearLimits)
            std::fill(rec + 5, rec + 24, u8(0xFF));
    }
    if (co & ctl::ClearDelays)
        region(DelayTable, 0x800);
    if (co & ctl::ClearSun) {
        region(SunTable, 0x600);  // with time zone, longitude and latitude
        region(SunEventDelays, 4);  // and daylight saving
    }
    if (co & ctl::ClearDmxOutEvents)
        region(DmxEventFirstChannel, 4);

    // Descriptions.
    const u32 all = ctl::ClearAllDescs;
    if (co & (ctl::ClearSceneDescs | all)) clearDescs(x.descs[0], 0, SceneCount);
    if (co & (ctl::ClearMaskDescs | all)) clearDescs(x.descs[1], 0, MaskCount);
    if (co & (ctl::ClearProgramDescs | all)) clearDescs(x.descs[2], 0, ProgramCount);
    if (co & all) clearDescs(x.descs[4], 0, ctl::StateCount);
    if (co & (ctl::ClearInputs | all)) {
        clearDescs(x.descs[5], 0, InputCount);
        clearDescs(x.descs[3], EventInput, 48);
    }
    if (co & (ctl::ClearRcu | all)) {
        clearDescs(x.descs[6], 0, ctl::RcuKeyCount);
        clearDescs(x.descs[3], EventRcuKey, 192);
    }
    if (co & (ctl::ClearDmxInEvents | all)) clearDescs(x.descs[3], EventDmxIn, 1024);
    if (co & (ctl::ClearInternalEvents | all)) clearDescs(x.descs[3], EventInternal, 1024);
    if (co & (ctl::ClearTimers | all)) clearDescs(x.descs[3], EventTimer, 1024);
    if (co & (ctl::ClearDmxOutputs | all)) clearDescs(x.descs[3], EventDmxOut, 1024);
    if (co & (ctl::ClearDelays | all)) clearDescs(x.descs[3], EventDelay, 640);

    // Actions, and what depends on them.
    for (auto it = x.actions.begin(); it != x.actions.end();) {
        if (actionRemoved(co, u32(it.key()))) {
            it = x.actions.erase(it);
            continue;
        }
        if (co & ctl::ClearLimits) {
            for (event_action_class &a : it.value()) {
                a.daytimeFrom = a.daytimeTo = a.statesA = 0xFF;
                std::fill(std::begin(a.states), std::end(a.states), 0xFFFFFFFFu);
            }
        }
        ++it;
    }
    if (!x.actions.contains(inputEvent(3, false)))
        x.enablingInput = -1;
    x.delaysInUse.clear();
    for (const delay_start &d : DelayStarts) {
        if (!actionRemoved(co, d.event))
            x.delaysInUse << d.delay;
    }
    std::sort(x.delaysInUse.begin(), x.delaysInUse.end());
    if (co & ctl::ClearDelays)
        x.sequences = fresh.sequences;
    if (co & ctl::ClearTimers)
        x.timers = fresh.timers;
    if (co & ctl::ClearSun)  // sun events off: the sun rows are no longer in use
        x.timers[0] = x.timers[1] = timer_entry_class();
    if (co & ctl::ClearScenes)
        x.groups = fresh.groups;
    if (co & ctl::ClearPrograms) {
        x.programs.clear();
        x.extraEntries.clear();
    } else if (co & ctl::ClearChains) {
        for (program_state &p : x.programs)
            for (step_state &s : p.steps)
                s.event = NoEvent;
    }
    if (co & ctl::ClearRcu)
        x.rcu = fresh.rcu;
    return x;
}

// Element-wise: QList's own comparison hands a null pointer to memcmp for some empty lists.
bool sameList(const QList<u16> &a, const QList<u16> &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

bool sameLists(const std::vector<QList<u16>> &a, const std::vector<QList<u16>> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameList);
}

QString regionName(u32 offset)
{
    for (const region &r : Regions) {
        if (offset >= r.offset && offset < r.offset + r.size)
            return QString("%1 + 0x%2").arg(r.name).arg(offset - r.offset, 0, 16);
    }
    return QString();
}

// Compares two states part by part; the first difference, or an empty text.
QString difference(const state &got, const state &want)
{
    for (u32 i = 0; i < ImageSize; ++i) {
        if (got.image[i] != want.image[i])
            return QString("image byte 0x%1 (%2) is 0x%3, expected 0x%4")
                .arg(i, 0, 16).arg(regionName(i)).arg(got.image[i], 0, 16).arg(want.image[i], 0, 16);
    }
    const char *descNames[] = {"scene", "mask", "program", "event", "state", "input", "key"};
    for (size_t d = 0; d < want.descs.size(); ++d) {
        for (int i = 0; i < want.descs[d].size(); ++i) {
            if (got.descs[d][i] != want.descs[d][i])
                return QString("%1 description %2 is \"%3\", expected \"%4\"")
                    .arg(descNames[d]).arg(i).arg(got.descs[d][i], want.descs[d][i]);
        }
    }
    if (got.actions.keys() != want.actions.keys())
        return "events with actions differ";
    for (auto it = want.actions.begin(); it != want.actions.end(); ++it) {
        if (got.actions[it.key()] != it.value())
            return QString("actions of event 0x%1 differ").arg(it.key(), 0, 16);
    }
    if (got.enablingInput != want.enablingInput)
        return QString("enabling input %1, expected %2").arg(got.enablingInput).arg(want.enablingInput);
    for (size_t r = 0; r < want.timers.size(); ++r) {
        if (got.timers[r] != want.timers[r])
            return QString("timer row %1 differs").arg(r);
    }
    if (!sameLists(got.groups, want.groups))
        return "coupling groups differ";
    if (!sameLists(got.sequences, want.sequences))
        return "sequence lists differ";
    if (!sameList(got.delaysInUse, want.delaysInUse))
        return "delays in use differ";
    if (!(got.programs == want.programs))
        return "programs differ";
    if (got.extraEntries != want.extraEntries)
        return "extra entries differ";
    if (got.rcu != want.rcu)
        return "remote-control settings differ";
    if (got.clockCalibration != want.clockCalibration)
        return "clock calibration differs";
    return QString();
}

// ---------------------------------------------------------------------------------------
// Stores too big for their tables, added to the populated configuration.

enum overflow_part {
    TooManySteps = 0x1,            // ten programs of 999 steps: 9990 of 8192 step slots
    TooManyInternalActions = 0x2,  // 8191 actions on internal events
    ManyInternalActions = 0x4,     // 6000 on internal events ...
    ManyDmxInActions = 0x8,        // ... and 3000 on DMX-in events: too many together only
    OneMoreInternalAction = 0x10,  // with the 6000: 8190 internal ones, too many beside the fixture's
};

void addActions(ctl &c, u32 first, int count)
{
    for (int i = 0; i < count; ++i)
        c.eventActions.appendAction(int(first + u32(i) % 1024));
}

void addOverflow(ctl &c, int parts)
{
    if (parts & TooManySteps) {
        for (u32 p = 10; p < 20; ++p)
            c.programList.setStepCount(p, 999);
    }
    if (parts & TooManyInternalActions)
        addActions(c, EventInternal, 8191);
    if (parts & ManyInternalActions)
        addActions(c, EventInternal, 6000);
    if (parts & OneMoreInternalAction)
        addActions(c, EventInternal + 100, event_actions_class::OrdinaryRecordCount - 6000);
    if (parts & ManyDmxInActions)
        addActions(c, EventDmxIn, 3000);
}

// The overflow parts that a clear with mask co keeps.
int overflowKeptBy(int parts, u32 co)
{
    if (co & ctl::ClearPrograms)
        parts &= ~TooManySteps;
    if (co & ctl::ClearInternalEvents)
        parts &= ~(TooManyInternalActions | ManyInternalActions | OneMoreInternalAction);
    if (co & ctl::ClearDmxInEvents)
        parts &= ~ManyDmxInActions;
    return parts;
}

} // namespace

class tst_clear : public QObject
{
    Q_OBJECT

    std::unique_ptr<state> fresh;
    std::unique_ptr<state> base;  // the populated configuration after a clear of nothing

private slots:
    void initTestCase()
    {
        fresh = std::make_unique<state>(capture(ctl()));
        ctl c;
        populate(c);
        c.ClearConfig(0);
        base = std::make_unique<state>(capture(c));
        // The fixture really is away from the empty state in every category.
        QCOMPARE(base->groups[0], (QList<u16>{1, 2}));
        QCOMPARE(base->extraEntries.size(), 2);
        QCOMPARE(base->sequences[4], (QList<u16>{10, 11}));
        QCOMPARE(base->enablingInput, 3);
        QCOMPARE(int(base->timers[0].event), int(EventSunrise));
        QCOMPARE(int(base->timers[9].event), int(timerRowEvent(9)));
        QCOMPARE(base->programs.size(), 2);
        QCOMPARE(readU16(base->image.data(), OrdinaryProgramCount), u16(510));
    }

    // A clear of nothing packs and rebuilds: the image equals the packed stores, with the
    // unused action records in their cleared form.
    void clearingNothingKeepsTheConfiguration()
    {
        ctl packed;
        populate(packed);
        QCOMPARE(packed.programList.commitToImage(packed.confData, packed.extraEntries), 0);
        QCOMPARE(packed.eventActions.encodeToImage(packed.confData), 0);
        packed.packTimers();
        packed.packCoupling();
        state want = capture(packed);
        for (u32 r = 0; r < ActionRecordCount; ++r) {
            if (readU16(want.image.data(), actionRecord(r)) == NoEvent)
                copyRange(want, *fresh, actionRecord(r), ActionRecordSize);
        }
        QVERIFY(want.image == base->image);
        QVERIFY(want.descs == base->descs);
        QVERIFY(want.actions == base->actions);
        QCOMPARE(base->clockCalibration, -7);
    }

    void clearOneCategory_data()
    {
        QTest::addColumn<uint>("mask");
        for (u32 bit = 1; bit <= ctl::ClearAllDescs; bit <<= 1)
            QTest::addRow("0x%x", bit) << uint(bit);
        QTest::newRow("nothing") << 0u;
        QTest::newRow("programs with chains") << uint(ctl::ClearPrograms | ctl::ClearChains);
        QTest::newRow("0x40000 selects nothing") << 0x40000u;
        QTest::newRow("0x80000 selects nothing") << 0x80000u;
        QTest::newRow("delays and inputs") << uint(ctl::ClearDelays | ctl::ClearInputs);
        QTest::newRow("every bit without the fill") << 0xFFFFFFFFu;
    }
    void clearOneCategory()
    {
        QFETCH(uint, mask);
        scripted_interaction ui;
        ctl c;
        populate(c);
        c.ClearConfig(mask);
        const QString diff = difference(capture(c), expectedAfterClear(*base, *fresh, mask));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        QVERIFY(ui.messages.isEmpty());
    }

    void clearEverythingEqualsANewController()
    {
        scripted_interaction ui;
        ctl c;
        populate(c);
        c.ClearConfig();
        const QString diff = difference(capture(c), *fresh);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        QVERIFY(ui.messages.isEmpty());
        QCOMPARE(readU16(c.confData, ExternalPanel), u16(0xFFFF));
        QCOMPARE(readU16(c.confData, DmxInLimit), u16(0xFFFF));
        QCOMPARE(readU16(c.confData, OrdinaryProgramCount), u16(0xFFFF));
        QCOMPARE(readU16(c.confData, StartUpTime), u16(0));
    }

    // A store that does not fit its table stops a partial clear that keeps it, before
    // anything is cleared; clearing everything needs no packing.
    void storeThatDoesNotFitAndIsKept_data()
    {
        QTest::addColumn<int>("overflow");
        QTest::addColumn<uint>("mask");
        QTest::addColumn<QString>("message");
        const uint scenesAndDescs = ctl::ClearScenes | ctl::ClearAllDescs;
        QTest::newRow("program steps, chains only")
            << int(TooManySteps) << uint(scenesAndDescs | ctl::ClearChains | ctl::ClearInternalEvents)
            << "Program steps limit exceed!";
        QTest::newRow("actions, another event range")
            << int(TooManyInternalActions) << uint(scenesAndDescs | ctl::ClearDmxInEvents | ctl::ClearPrograms)
            << "Actions limit exceed!";
        QTest::newRow("actions, only their limits")
            << int(TooManyInternalActions) << uint(ctl::ClearLimits) << "Actions limit exceed!";
        // The programs would be cleared, but the actions stop the clear: the programs stay.
        QTest::newRow("both, programs cleared")
            << int(TooManySteps | TooManyInternalActions) << uint(scenesAndDescs | ctl::ClearPrograms)
            << "Actions limit exceed!";
        QTest::newRow("actions in two ranges, the smaller one cleared")
            << int(ManyInternalActions | ManyDmxInActions | OneMoreInternalAction) << uint(ctl::ClearDmxInEvents)
            << "Actions limit exceed!";
    }
    void storeThatDoesNotFitAndIsKept()
    {
        QFETCH(int, overflow);
        QFETCH(uint, mask);
        QFETCH(QString, message);
        scripted_interaction ui;
        ctl c;
        populate(c);
        addOverflow(c, overflow);
        const state before = capture(c);
        c.ClearConfig(mask);
        QCOMPARE(ui.messageTexts(), QStringList{message});
        QCOMPARE(ui.messages[0].icon, message_icon::Critical);
        QCOMPARE(ui.messages[0].title, QStringLiteral("Warning!"));
        // Packing may have brought the image's store tables up to date; nothing else moved.
        state after = capture(c);
        QVERIFY(std::equal(after.image.begin() + SceneLevels, after.image.begin() + SceneLevels + 0x180000,
                           before.image.begin() + SceneLevels));
        after.image = before.image;
        const QString diff = difference(after, before);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));

        ui.clear();
        c.ClearConfig(ctl::ClearEverything);
        QVERIFY(ui.messages.isEmpty());
        const QString cleared = difference(capture(c), *fresh);
        QVERIFY2(cleared.isEmpty(), qPrintable(cleared));
    }

    // A store that does not fit is no obstacle when the mask clears it: the clear gives
    // what it gives a configuration that never held the overflow.
    void storeThatDoesNotFitAndIsCleared_data()
    {
        QTest::addColumn<int>("overflow");
        QTest::addColumn<uint>("mask");
        QTest::newRow("program steps, programs")
            << int(TooManySteps) << uint(ctl::ClearPrograms | ctl::ClearScenes | ctl::ClearAllDescs);
        QTest::newRow("program steps, programs and chains") << int(TooManySteps)
                                                             << uint(ctl::ClearPrograms | ctl::ClearChains);
        QTest::newRow("actions, their event range") << int(TooManyInternalActions) << uint(ctl::ClearInternalEvents);
        QTest::newRow("actions, their event range with others")
            << int(TooManyInternalActions)
            << uint(ctl::ClearInternalEvents | ctl::ClearScenes | ctl::ClearLimits | ctl::ClearAllDescs);
        QTest::newRow("actions in two ranges, enough of them cleared")
            << int(ManyInternalActions | ManyDmxInActions) << uint(ctl::ClearDmxInEvents);
        QTest::newRow("both, both cleared")
            << int(TooManySteps | TooManyInternalActions) << uint(ctl::ClearPrograms | ctl::ClearInternalEvents);
        QTest::newRow("both, every bit without the fill") << int(TooManySteps | TooManyInternalActions) << 0xFFFFFFFFu;
    }
    void storeThatDoesNotFitAndIsCleared()
    {
        QFETCH(int, overflow);
        QFETCH(uint, mask);
        scripted_interaction ui;
        ctl c;
        populate(c);
        addOverflow(c, overflow);
        int steps = 0;
        for (int p = 0; p < int(ProgramCount); ++p)
            steps += qMax(c.programList.stepCount(p), 0);
        QVERIFY(steps > int(StepSlotCount)
                || c.eventActions.recordsNeeded(0, EventCount) > event_actions_class::OrdinaryRecordCount);
        c.ClearConfig(mask);
        QVERIFY2(ui.messages.isEmpty(), qPrintable(ui.messageTexts().join('|')));

        ctl reference;
        populate(reference);
        addOverflow(reference, overflowKeptBy(overflow, mask));
        reference.ClearConfig(mask);
        QVERIFY(ui.messages.isEmpty());
        // Actions cleared in memory leave no holes in the action table: compare the tables
        // as a save or send packs them.
        QCOMPARE(c.eventActions.encodeToImage(c.confData), 0);
        QCOMPARE(reference.eventActions.encodeToImage(reference.confData), 0);
        const QString diff = difference(capture(c), capture(reference));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    // An action that a clear leaves as it was stays the same object (an editor open on it
    // still finds it); one the clear changed is a new one; the clear is announced once.
    void clearKeepsTheActionsItLeaves_data()
    {
        QTest::addColumn<uint>("mask");
        QTest::addColumn<bool>("someKept");
        QTest::addColumn<bool>("someChanged");
        QTest::newRow("nothing") << 0u << true << false;
        QTest::newRow("scenes") << uint(ctl::ClearScenes) << true << false;
        QTest::newRow("delays and inputs") << uint(ctl::ClearDelays | ctl::ClearInputs) << true << false;
        QTest::newRow("limits") << uint(ctl::ClearLimits) << true << true;
        QTest::newRow("everything") << uint(ctl::ClearEverything) << false << false;
    }
    void clearKeepsTheActionsItLeaves()
    {
        QFETCH(uint, mask);
        ctl c;
        populate(c);
        std::vector<event_action_list> before(EventCount);
        std::vector<QList<event_action_class>> held(EventCount);
        for (u32 e = 0; e < EventCount; ++e) {
            for (int j = 0; j < qMax(0, c.eventActions.count(e)); ++j) {
                before[e].append(c.eventActions.sharedAction(e, j));
                held[e].append(*c.eventActions.action(e, j));
            }
        }
        QSignalSpy cleared(&c, &controller_configuration_class::configurationCleared);
        c.ClearConfig(mask);
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(cleared.at(0).at(0).toUInt(), mask);

        bool someKept = false;
        bool someChanged = false;
        for (u32 e = 0; e < EventCount; ++e) {
            const int count = qMax(0, c.eventActions.count(e));
            if (count == 0)
                continue;
            QCOMPARE(count, before[e].size());  // a clear takes whole lists or none
            for (int j = 0; j < count; ++j) {
                const bool unchanged = *c.eventActions.action(e, j) == held[e][j];
                QCOMPARE(c.eventActions.sharedAction(e, j) == before[e][j], unchanged);
                someKept |= unchanged;
                someChanged |= !unchanged;
            }
        }
        QTEST(someKept, "someKept");
        QTEST(someChanged, "someChanged");
    }

    // Only a clear that ran is announced: not one refused, nor the one that starts a
    // file open.
    void onlyAClearThatRanIsAnnounced()
    {
        scripted_interaction ui;
        ctl c;
        populate(c);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("populated.cfg625"));
        c.write_confDataToFile(file, false);
        QVERIFY(QFile::exists(file));
        QSignalSpy cleared(&c, &controller_configuration_class::configurationCleared);
        QCOMPARE(c.read_confDataFromFile(file), 0);
        QCOMPARE(cleared.count(), 0);
        ui.clear();
        addOverflow(c, TooManyInternalActions);
        c.ClearConfig(ctl::ClearLimits);
        QCOMPARE(ui.messageTexts(), QStringList{QStringLiteral("Actions limit exceed!")});
        QCOMPARE(cleared.count(), 0);
    }

    // Removing a Delay Start action by clearing its event range updates the sequences.
    void partialClearRebuildsTheSequences()
    {
        ctl c;
        populate(c);
        c.sequenceDelays[9] = {1, 2};  // stale
        c.ClearConfig(ctl::ClearInputs);
        QVERIFY(c.sequenceDelays[9].isEmpty());
        QCOMPARE(c.sequenceDelays[4], (QList<u16>{10, 11}));
        QVERIFY(!c.delaysInUse.contains(20));
        QVERIFY(c.delaysInUse.contains(10));
    }
};

QTEST_GUILESS_MAIN(tst_clear)

#include "tst_clear.moc"
