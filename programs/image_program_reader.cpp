#include "programs/image_program_reader.h"

#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/program_step_record.h"
#include "model/time_codec.h"

using namespace image_layout;

namespace {

constexpr int MostRecurrences = 100;
// First-step addresses of existing programs lie in the step table's 64 KB.
constexpr u32 StepTableBytes = StepSlotCount * StepRecordSize;

program_step_class stepOf(const program_step_record &r, u16 event)
{
    program_step_class s;
    s.scene = r.scene;
    s.event = event;
    s.fadeUp = tenthsToTime(r.fadeUp);
    // An infinite step keeps the converted word beside its flag, as the controller does.
    s.duration = tenthsToTime(r.duration);
    s.infinite = r.duration == program_step_record::InfiniteDuration ? 1 : 0;
    s.fadeDown = QTime(0, 0);
    return s;
}

} // namespace

image_program_reader::image_program_reader(const u8 *image)
    : image(image)
{
}

std::optional<copied_program> image_program_reader::read(int program) const
{
    if (program < 0 || program >= int(ProgramCount))
        return std::nullopt;
    const u32 address = readU32(image, programFirstStep(u32(program)));
    if (address < FirstStepSlotAddress || address - FirstStepSlotAddress >= StepTableBytes)
        return std::nullopt;

    copied_program copy;
    const u16 recurrences = readU16(image, programRecurrences(u32(program)));
    copy.recurrences = recurrences > MostRecurrences ? u16(1) : recurrences;
    const int count = qMin(int(readU16(image, programStepCount(u32(program)))), int(MaxStepsPerProgram));
    u32 slot = (address - FirstStepSlotAddress) / StepRecordSize;
    for (int j = 0; j < count && slot < StepSlotCount; ++j, ++slot) {
        const program_step_record r = program_step_record::read(image, slot);
        if (r.scene >= SceneCount)
            break;
        copy.steps.append(stepOf(r, readU16(image, stepEvent(slot))));
        if (r.endWord == program_step_record::MoreStepsFollow)
            continue;
        if (r.endWord == program_step_record::EndlessRepeat) {
            copy.recurrences = 0;
        } else {
            copy.fadeDown = tenthsToTime(r.endWord);
            if (copy.recurrences == 0)
                copy.recurrences = 1;
        }
        break;
    }
    return copy;
}

u16 image_program_reader::breakFadeDown(int program) const
{
    return readU16(image, programBreakFadeDown(u32(program)));
}

u16 image_program_reader::chainedEvent(int program) const
{
    return readU16(image, programChainedEvent(u32(program)));
}
