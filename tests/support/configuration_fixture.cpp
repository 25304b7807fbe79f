#include "tests/support/configuration_fixture.h"

#include "model/controller_configuration_class.h"
#include "model/delay_entry_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"

#include <QTime>

#include <algorithm>

using namespace image_layout;

namespace {

// A small deterministic generator, so every run builds the same configuration.
class sequence_generator
{
public:
    explicit sequence_generator(u32 seed) : state(seed) {}
    u32 next()
    {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    u32 below(u32 n) { return next() % n; }

private:
    u32 state;
};

QTime tenths(u32 n)
{
    return QTime(0, 0).addMSecs(int(n) * 100);
}

// The settings of a DMX output channel as the tool stores them, drawn from one number:
// minimal value below maximal, and linear, non-linear or triggered with DOWN below UP.
u32 consistentDmxOutSettings(u32 r)
{
    const u32 minimal = r & 0x7F;
    const u32 maximal = minimal + 1 + (r >> 8) % (255 - minimal);
    u32 down = 255;
    u32 up = 255;
    switch ((r >> 16) % 3) {
    case 1: up = 0; break;
    case 2:
        down = 1 + (r >> 24) % 200;
        up = down + 1 + (r >> 18) % (254 - down);
        break;
    default: break;
    }
    return minimal | maximal << 8 | down << 16 | up << 24;
}

void populateImageAreas(u8 *image, sequence_generator &g)
{
    for (u32 scene = 0; scene < SceneCount; ++scene) {
        for (u32 channel = 0; channel < ChannelCount; ++channel)
            image[sceneLevel(scene, channel)] = u8(channel < 64 ? g.next() : (scene + channel) & 0x0F);
        writeU16(image, sceneTimes(scene), u16(g.below(600)));
        writeU16(image, sceneTimes(scene) + 2, scene % 7 == 0 ? u16(0xFFFF) : u16(g.below(36000)));
        writeU16(image, sceneTimes(scene) + 4, u16(g.below(600)));
        writeU16(image, sceneTimes(scene) + 6, 0);
    }
    for (u32 mask = 0; mask < MaskCount; ++mask) {
        for (u32 channel = 0; channel < ChannelCount; ++channel)
            image[maskLevel(mask, channel)] = u8(channel < 64 ? g.next() : 0xFF);
        writeU16(image, maskTimes(mask), u16(g.below(600)));
        writeU16(image, maskTimes(mask) + 2, u16(g.below(36000)));
        writeU16(image, maskTimes(mask) + 4, u16(g.below(600)));
    }
    for (u32 channel = 0; channel < ChannelCount; ++channel)
        writeU32(image, dmxOutSettings(channel), consistentDmxOutSettings(g.next()));
    for (u32 input = 0; input < InputCount; ++input)
        writeI32(image, inputType(input), i32(input % 3));
    writeU16(image, StartUpTime, 50);
    writeU16(image, ShutDownTime, 70);
    writeU16(image, OutputChannelLimit, 48);  // inside the load clamps: read back as it is
    writeU16(image, DmxEventFirstChannel, 10);
    writeU16(image, DmxEventLastChannel, 40);
    writeU16(image, ExternalPanel, 0);
    writeU16(image, DmxInLimit, 128);
    writeU16(image, SunEventDelays, 0x0302);
    writeU16(image, DaylightSaving, 0);
    writeU16(image, MbftCode, 25);
    for (u32 day = 0; day < SunTableDays; ++day) {
        writeU16(image, sunEntry(day), u16(300 + day % 160));
        writeU16(image, sunEntry(day) + 2, u16(1000 + day % 190));
    }
    writeI32(image, TimeZone, 2);
    writeI32(image, Longitude, -15);
    writeI32(image, Latitude, 45);
}

void populatePrograms(controller_configuration_class &c, sequence_generator &g)
{
    constexpr int ExtraEntryCount = 8;
    constexpr int OrdinaryPrograms = int(ProgramCount) - ExtraEntryCount;
    constexpr int StepsPerProgram = 16;
    writeU16(c.confData, OrdinaryProgramCount, u16(OrdinaryPrograms));
    for (int number = 0; number < OrdinaryPrograms; ++number) {
        c.programList.setStepCount(u32(number), StepsPerProgram);
        c.programList.setRecurrences(number, number % 5 == 0 ? 0 : int(1 + g.below(100)));
        for (int index = 0; index < StepsPerProgram; ++index) {
            c.programList.setScene(number, index, int(g.below(SceneCount)));
            c.programList.setRiseTime(number, index, tenths(g.below(600)));
            c.programList.setLastTime(number, index, tenths(1 + g.below(6000)));
            c.programList.setFallTime(number, index, tenths(g.below(600)));
            if (index % 4 == 1)
                c.programList.setStepEvent(number, index, int(EventInternal + g.below(1024)));
            if (index == 7 && number % 3 == 0)
                c.programList.setLastTimeInf(number, index);
        }
    }
    for (int j = 0; j < ExtraEntryCount; ++j) {
        auto *e = new extra_entry_class;
        e->source = u16(j * 11);
        e->start = u16(j + 1);
        e->asProgram = u16(ProgramCount - 1 - u32(j));
        c.extraEntries.append(e);
    }
}

void addAction(controller_configuration_class &c, u16 code, const event_action_class &a)
{
    event_action_class record = a;
    record.event = code;
    c.eventActions.setAction(record, c.eventActions.appendAction(code));
}

event_action_class limitedAction(sequence_generator &g)
{
    static const u8 typeOperations[] = {
        OperationOn << 4 | ActionScene,    OperationToggle << 4 | ActionScene,    OperationOff << 4 | ActionProgram,
        OperationOn << 4 | ActionProgram,  OperationFreeze << 4 | ActionMask,    OperationOn << 4 | ActionSetStatus,
        OperationIncrease << 4 | ActionMask, OperationRestart << 4 | ActionProgram,
    };
    event_action_class a;
    a.typeOperation = typeOperations[g.below(sizeof typeOperations)];
    a.no = g.below(10) == 0 ? event_action_class::AllObjects : u16(g.below(256));
    if (g.below(2)) {
        a.daytimeFrom = u8(g.below(144));
        a.daytimeTo = u8(g.below(144));
    }
    if (g.below(3) == 0) {
        a.statesA = u8(g.next());
        for (u32 &w : a.states)
            w = g.next() | 0x55555555u;
    }
    return a;
}

// 128 sequences of two delays each: the start event of sequence q starts delay 2q, whose
// end starts delay 2q + 1. Returns the actions used.
int populateSequences(controller_configuration_class &c)
{
    event_action_class start;
    start.typeOperation = OperationOn << 4 | ActionDelay;
    for (u32 q = 0; q < SequenceCount; ++q) {
        for (u32 d = 2 * q; d < 2 * q + 2; ++d)
            writeU32(c.confData, delayEntry(d), delay_entry_class(10 * (d + 1), q).word);
        start.no = u16(2 * q);
        addAction(c, sequenceStartEvent(q), start);
        start.no = u16(2 * q + 1);
        addAction(c, delayEndEvent(2 * q), start);
    }
    return int(2 * SequenceCount);
}

void populateActionsAndTimers(controller_configuration_class &c, sequence_generator &g)
{
    constexpr int ActionCount = 8000;
    constexpr u32 TimerCount = 100;
    int made = populateSequences(c);
    for (u32 row = 2; row < 2 + TimerCount; ++row) {
        timer_entry_class &t = c.timerTable[row];
        t.hour = u8(((row / 10) % 2) << 4 | row % 10);
        t.minute = u8(((row / 7) % 6) << 4 | row % 10);
        t.weekDay = row % 4 == 0 ? u8(1 + row % 7) : timer_entry_class::Any;
        addAction(c, timerRowEvent(row), limitedAction(g));
        ++made;
    }
    // The rest spread over every event range that carries actions.
    static const u16 ranges[][2] = {{EventDmxIn, 1024}, {EventInternal, 1024}, {EventDmxOut, 1024},
                                    {EventRcuKey, 192}, {EventInput, 48}};
    for (; made < ActionCount; ++made) {
        const auto &range = ranges[g.below(std::size(ranges))];
        addAction(c, u16(range[0] + g.below(range[1])), limitedAction(g));
    }
}

void populateCoupling(controller_configuration_class &c)
{
    // 64 scenes, as many as the tables hold: 15 groups of 4, and 4 more in the first group.
    // Every scene is in one group only, so the two tables agree.
    for (int g = 0; g < controller_configuration_class::CouplingGroupCount; ++g) {
        for (int k = 0; k < 4; ++k)
            c.couplingGroups[g].append(u16(100 * g + 7 * k + 3));
    }
    for (u16 scene : {5, 6, 7, 8})
        c.couplingGroups[0].append(scene);
}

template <std::size_t N>
void describeAll(std::array<QString, N> &texts, const char *group)
{
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = sampleDescription(group, int(i));
}

QString hexWords(const u8 *bytes, int count)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes), count).toHex());
}

template <std::size_t N>
void dumpTexts(QStringList &out, const char *group, const std::array<QString, N> &texts)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (!texts[i].isEmpty())
            out << QLatin1String(group) + QLatin1Char(' ') + QString::number(i) + QLatin1String(": ") + texts[i];
    }
}

void dumpPrograms(QStringList &out, const controller_configuration_class &c)
{
    for (int number = 0; number < int(ProgramCount); ++number) {
        const program_class *p = c.programList.find(number);
        if (!p)
            continue;
        out << QStringLiteral("program %1: %2 steps, recurrences %3").arg(number).arg(p->stepCount()).arg(p->recurrences);
        for (int j = 0; j < p->stepCount(); ++j) {
            const program_step_class *s = p->stepAt(j);
            out << QStringLiteral("  step %1: scene %2 event %3 inf %4 times %5 %6 %7")
                       .arg(j)
                       .arg(s->scene)
                       .arg(s->event)
                       .arg(s->infinite)
                       .arg(s->fadeUp.toString(QStringLiteral("hh:mm:ss.zzz")),
                            s->duration.toString(QStringLiteral("hh:mm:ss.zzz")),
                            s->fadeDown.toString(QStringLiteral("hh:mm:ss.zzz")));
        }
    }
    for (const extra_entry_class *e : c.extraEntries)
        out << QStringLiteral("extra entry %1: source %2 start %3").arg(e->asProgram).arg(e->source).arg(e->start);
}

void dumpActions(QStringList &out, const controller_configuration_class &c)
{
    out << QStringLiteral("enabling input %1").arg(c.eventActions.enablingInput);
    for (u32 code = 0; code < EventCount; ++code) {
        const int n = c.eventActions.count(code);
        if (n < 0)
            continue;
        out << QStringLiteral("event %1: %2 actions").arg(code).arg(n);
        for (int j = 0; j < n; ++j) {
            u8 record[event_action_class::RecordSize];
            c.eventActions.action(code, j)->write(record, 0);
            out << QLatin1String("  ") + hexWords(record, int(sizeof record));
        }
    }
}

} // namespace

QString sampleDescription(const char *group, int index)
{
    // "<", ">" and "&" need escaping in the project description; the letter takes two
    // bytes in UTF-8; the number makes every text its own.
    QString text = QLatin1String(group) + QLatin1Char(' ') + QString::number(index + 1);
    switch (index % 4) {
    case 1: text += QStringLiteral(" <A&B>"); break;
    case 2: text += QStringLiteral(" \u00e9t\u00e9"); break;
    case 3: text += QStringLiteral(" & \"q\" '"); break;
    default: break;
    }
    return text;
}

void populateConfiguration(controller_configuration_class &c, bool withDescriptions)
{
    sequence_generator g(0x5EED);
    populateImageAreas(c.confData, g);
    populatePrograms(c, g);
    populateActionsAndTimers(c, g);
    populateCoupling(c);
    c.clockCalibration = 0;

    if (withDescriptions) {
        describeAll(c.sceneDescs, "scene");
        describeAll(c.maskDescs, "mask");
        describeAll(c.programDescs, "program");
        describeAll(c.stateDescs, "state");
        describeAll(c.inputDescs, "input");
        describeAll(c.rcuKeyDescs, "key");
        describeAll(c.eventDescs, "event");
    }

    // Into the image and back: the stores take the form a load gives them.
    c.eventActions.encodeToImage(c.confData);
    c.programList.commitToImage(c.confData, c.extraEntries);
    c.packTimers();
    c.packCoupling();
    c.programList.rebuildFromImage(c.confData, c.extraEntries);
    c.eventActions.decodeFromImage(c.confData);
    c.unpackTimers();
    c.unpackCoupling();
    c.rebuildSequences();
}

QStringList configurationDump(const controller_configuration_class &c)
{
    QStringList out;
    dumpTexts(out, "scene", c.sceneDescs);
    dumpTexts(out, "mask", c.maskDescs);
    dumpTexts(out, "program", c.programDescs);
    dumpTexts(out, "state", c.stateDescs);
    dumpTexts(out, "input", c.inputDescs);
    dumpTexts(out, "key", c.rcuKeyDescs);
    dumpTexts(out, "event", c.eventDescs);
    dumpPrograms(out, c);
    dumpActions(out, c);
    for (u32 row = 0; row < TimerRowCount; ++row) {
        if (c.timerTable[row] != timer_entry_class()) {
            u8 bytes[TimerEntrySize];
            c.timerTable[row].write(bytes, 0);
            out << QStringLiteral("timer %1: %2").arg(row).arg(hexWords(bytes, int(TimerEntrySize)));
        }
    }
    for (int g = 0; g < controller_configuration_class::CouplingGroupCount; ++g) {
        QStringList scenes;
        for (u16 s : c.couplingGroups[g])
            scenes << QString::number(s);
        out << QStringLiteral("coupling %1: %2").arg(g).arg(scenes.join(QLatin1Char(' ')));
    }
    for (u32 q = 0; q < SequenceCount; ++q) {
        QStringList delays;
        for (u16 d : c.sequenceDelays[q])
            delays << QString::number(d);
        out << QStringLiteral("sequence %1: %2").arg(q).arg(delays.join(QLatin1Char(' ')));
    }
    QStringList inUse;
    for (u16 d : c.delaysInUse)
        inUse << QString::number(d);
    out << QStringLiteral("delays in use: ") + inUse.join(QLatin1Char(' '));
    out << QStringLiteral("rcu codes: ") + hexWords(c.rcuKeyCodes, controller_configuration_class::RcuKeyCount)
        << QStringLiteral("rcu address: %1").arg(c.rcuAddress)
        << QStringLiteral("clock calibration: %1").arg(c.clockCalibration);
    return out;
}

configuration_snapshot configuration_snapshot::of(const controller_configuration_class &c)
{
    return {QByteArray(reinterpret_cast<const char *>(c.confData), int(ImageSize)), configurationDump(c)};
}

QString configuration_snapshot::firstDifference(const configuration_snapshot &o) const
{
    if (image != o.image) {
        const qsizetype n = qMin(image.size(), o.image.size());
        const auto at = std::mismatch(image.constData(), image.constData() + n, o.image.constData()).first;
        return QStringLiteral("image differs at offset 0x%1").arg(at - image.constData(), 0, 16);
    }
    const auto lines = std::mismatch(dump.cbegin(), dump.cend(), o.dump.cbegin(), o.dump.cend());
    if (lines.first != dump.cend() && lines.second != o.dump.cend())
        return QStringLiteral("\"%1\" against \"%2\"").arg(*lines.first, *lines.second);
    if (dump.size() != o.dump.size())
        return QStringLiteral("%1 lines against %2").arg(dump.size()).arg(o.dump.size());
    return QString();
}
