// Packing the program store into the program tables of the configuration image, and
// rebuilding it from them.

#include "model/program_list_class.h"

#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/program_step_record.h"
#include "model/time_codec.h"
#include "model/user_interaction.h"

#include <QCoreApplication>

using namespace image_layout;
using namespace program_tables;

namespace {

// Steps of a program that reach the image: a program never has more than 999 there.
int packedStepCount(const program_class *p)
{
    return p ? qMin(p->stepCount(), int(MaxStepsPerProgram)) : 0;
}

// Extra entries occupy the top program numbers, one each; the rest are ordinary programs.
u32 ordinaryProgramCountFor(const QList<extra_entry_class *> &extraEntries)
{
    return ProgramCount - qMin(u32(extraEntries.size()), ProgramCount);
}

void writeExtraEntryWord(u8 *image, u32 program, u16 source, u16 start)
{
    writeU16(image, extraEntry(program), source);
    writeU16(image, extraEntry(program) + 2, start);
}

// The extra-entry word of an ordinary program, and of an entry that enters nothing.
void writeNoExtraEntry(u8 *image, u32 program)
{
    writeExtraEntryWord(image, program, extra_entry_class::Hole, extra_entry_class::Hole);
}

// The end word of a program's last step: a fade-down that would collide with a marker is
// written as none, so a long fade-down can never read as "more steps follow".
u16 lastEndWord(const program_class &p, const program_step_class &s)
{
    if (p.recurrences == 0)
        return program_step_record::EndlessRepeat;
    const u16 fadeDown = timeToTenths16(s.fadeDown);
    return fadeDown > program_step_record::LongestFadeDown ? u16(0) : fadeDown;
}

program_step_record recordOf(const program_step_class &s, u16 endWord)
{
    program_step_record r;
    r.scene = s.scene;
    r.fadeUp = timeToTenths16(s.fadeUp);
    // A finite duration never becomes the infinite marker.
    r.duration = s.infinite ? program_step_record::InfiniteDuration
                            : qMin(timeToTenths16(s.duration), program_step_record::LongestDuration);
    r.endWord = endWord;
    return r;
}

void writeEmptyProgram(u8 *image, u32 program)
{
    writeU16(image, programStepCount(program), 0);
    writeU32(image, programFirstStep(program), NoFirstStep);
    writeU16(image, programRecurrences(program), 1);
}

// Writes program p's steps into consecutive slots from slot on; returns the next free slot.
u32 writeProgram(u8 *image, u32 number, const program_class &p, u32 slot)
{
    const int n = packedStepCount(&p);
    writeU32(image, programFirstStep(number), stepSlotAddress(slot));
    writeU16(image, programRecurrences(number), p.recurrences);
    writeU16(image, programStepCount(number), u16(n));
    for (int j = 0; j < n; ++j, ++slot) {
        const program_step_class &s = *p.stepAt(j);
        const u16 endWord = j < n - 1 ? program_step_record::MoreStepsFollow : lastEndWord(p, s);
        recordOf(s, endWord).write(image, slot);
        writeU16(image, stepEvent(slot), s.event);
    }
    return slot;
}

// An extra entry plays its source program from the start step on, sharing its slots. An
// entry that cannot be honoured (a hole, a source that has no steps or is an extra entry
// itself, a start at the source's first step or beyond its steps) plays nothing; its source
// and start are still written, so it is there again when the configuration is reopened.
void writeExtraEntry(u8 *image, u32 program, const extra_entry_class *e, u32 ordinaryCount)
{
    writeEmptyProgram(image, program);
    writeU16(image, programChainedEvent(program), NoChainedEvent);
    if (!e || e->isHole()) {
        writeNoExtraEntry(image, program);
        return;
    }
    writeExtraEntryWord(image, program, e->source, e->start);
    if (e->source >= ordinaryCount)
        return;
    const u16 sourceCount = readU16(image, programStepCount(e->source));
    if (!e->isPlayable(ordinaryCount, sourceCount))
        return;
    const u32 sourceAddress = readU32(image, programFirstStep(e->source));
    writeU16(image, programStepCount(program), u16(sourceCount - e->start));
    writeU32(image, programFirstStep(program), sourceAddress + StepRecordSize * e->start);
}

program_step_class *decodeStep(const program_step_record &r, u16 event)
{
    auto *s = new program_step_class;
    s->scene = r.scene;
    s->event = event;
    // An all-zero record reads as a default step.
    if (r.fadeUp == 0 && r.duration == 0 && r.endWord == 0)
        return s;
    s->fadeUp = tenthsToTime(r.fadeUp);
    s->duration = tenthsToTime(r.duration);
    s->fadeDown = tenthsToTime(r.endWord);
    if (r.duration == program_step_record::InfiniteDuration) {
        s->infinite = 1;
        s->duration = QTime(0, 0);
    }
    return s;
}

void applyLastStepRules(program_class &p, program_step_class &s, u16 endWord)
{
    if (endWord == program_step_record::EndlessRepeat) {
        p.recurrences = 0;
        s.fadeDown = QTime(0, 0);
        return;
    }
    if (p.recurrences < 1 || p.recurrences > 100)
        p.recurrences = 1;
    if (endWord == program_step_record::MoreStepsFollow)
        s.fadeDown = QTime(0, 0);
}

// Decodes the steps of a program whose first step is stored at address. The program ends
// before the first step the image cannot describe: an address outside the step table, a
// count no program can have, a scene that does not exist, or the end of the step table.
void decodeSteps(const u8 *image, program_class &p, u32 address, u16 storedCount)
{
    // The first record must lie wholly inside the step table; addresses below it wrap high.
    const u32 offset = address - FirstStepSlotAddress;
    const u32 firstStepOffsetLimit = StepSlotCount * StepRecordSize - (StepRecordSize - 1);
    if (offset >= firstStepOffsetLimit || storedCount >= StepSlotCount)
        return;
    const int n = qMin(int(storedCount), int(MaxStepsPerProgram));
    u32 slot = offset / StepRecordSize;
    for (int j = 0; j < n && slot < StepSlotCount; ++j, ++slot) {
        const program_step_record r = program_step_record::read(image, slot);
        if (r.scene >= SceneCount)
            return;
        program_step_class *s = decodeStep(r, readU16(image, stepEvent(slot)));
        p.appendStep(s);
        if (j == n - 1)
            applyLastStepRules(p, *s, r.endWord);
    }
}

} // namespace

int program_list_class::commitToImage(u8 *image, const QList<extra_entry_class *> &extraEntries) const
{
    const u32 ordinaryCount = ordinaryProgramCountFor(extraEntries);

    // Count the slots first: a store that does not fit leaves the image as it was.
    u32 slotsNeeded = 0;
    for (u32 number = 0; number < ordinaryCount; ++number)
        slotsNeeded += u32(packedStepCount(find(int(number))));
    if (slotsNeeded > StepSlotCount) {
        showMessage(message_icon::Critical,
                    QCoreApplication::translate("program_list_class", "Warning!"),
                    QCoreApplication::translate("program_list_class", "Program steps limit exceed!"),
                    message_button::Ok, message_button::NoButton, dialog_parent::MainWindow);
        return -1;
    }

    u32 slot = 0;
    for (u32 number = 0; number < ordinaryCount; ++number) {
        writeNoExtraEntry(image, number);
        const program_class *p = find(int(number));
        if (packedStepCount(p) == 0)
            writeEmptyProgram(image, number);
        else
            slot = writeProgram(image, number, *p, slot);
    }

    const bool extraEntriesOn = readU16(image, OrdinaryProgramCount) <= ProgramCount;
    writeU16(image, OrdinaryProgramCount, extraEntriesOn ? u16(ordinaryCount) : ExtraEntriesOff);

    for (u32 number = ordinaryCount; number < ProgramCount; ++number)
        writeExtraEntry(image, number, extraEntries.at(int(ProgramCount - 1 - number)), ordinaryCount);
    return 0;
}

int program_list_class::rebuildFromImage(u8 *image, QList<extra_entry_class *> &extraEntries)
{
    clear();
    qDeleteAll(extraEntries);
    extraEntries.clear();

    // Holes just above the ordinary programs become ordinary programs.
    const u16 storedCount = readU16(image, OrdinaryProgramCount);
    u32 ordinaryCount = qMin(u32(storedCount), ProgramCount);
    while (ordinaryCount < ProgramCount && readU16(image, extraEntry(ordinaryCount)) == extra_entry_class::Hole)
        ++ordinaryCount;
    if (storedCount <= ProgramCount && storedCount < ordinaryCount)
        writeU16(image, OrdinaryProgramCount, u16(ordinaryCount));

    for (u32 number = 0; number < ordinaryCount; ++number) {
        const u32 address = readU32(image, programFirstStep(number));
        if (address == NoFirstStep)
            continue;
        auto *p = new program_class(int(number));
        append(p);
        p->recurrences = readU16(image, programRecurrences(number));
        decodeSteps(image, *p, address, readU16(image, programStepCount(number)));
    }

    for (u32 number = ProgramCount; number-- > ordinaryCount;) {
        auto *e = new extra_entry_class;
        e->asProgram = u16(number);
        const u16 source = readU16(image, extraEntry(number));
        if (source <= ProgramCount) {
            e->source = source;
            e->start = readU16(image, extraEntry(number) + 2);
        }
        extraEntries.append(e);
    }
    return 0;
}
