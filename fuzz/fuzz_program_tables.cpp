// Rebuilds the program store from program tables patched by the input, then checks that
// what was rebuilt is something the image can hold and that it packs back stably.
//
// Input: two bytes, the ordinary program count word; then records of six bytes, each a
// little-endian u32 offset into the program tables (taken modulo their size, made even)
// and a u16 written there.

#include "model/image_access.h"
#include "model/image_defaults.h"
#include "model/image_layout.h"
#include "model/program_list_class.h"

#include <cstdint>
#include <cstring>
#include <vector>

using namespace image_layout;

namespace {

constexpr u32 TablesBegin = ProgramFirstStep;
constexpr u32 TablesEnd = ProgramSteps + StepSlotCount * StepRecordSize;

const std::vector<u8> &emptyImage()
{
    static const std::vector<u8> image = [] {
        std::vector<u8> im(ImageSize, 0xFF);
        image_defaults::clearPrograms(im.data());
        return im;
    }();
    return image;
}

bool sameTables(const u8 *a, const u8 *b)
{
    return std::memcmp(a + TablesBegin, b + TablesBegin, TablesEnd - TablesBegin) == 0
        && readU16(a, OrdinaryProgramCount) == readU16(b, OrdinaryProgramCount);
}

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Every rebuilt program is one the image can describe.
void checkStore(const program_list_class &store, const QList<extra_entry_class *> &entries)
{
    for (int number = 0; number < int(ProgramCount); ++number) {
        const int count = store.stepCount(number);
        check(count <= int(MaxStepsPerProgram));
        for (int j = 0; j < count; ++j)
            check(store.scene(number, j) < int(SceneCount));
    }
    for (int j = 0; j < entries.size(); ++j)
        check(entries.at(j)->asProgram == ProgramCount - 1 - u32(j));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::vector<u8> image(ImageSize);
    static std::vector<u8> committed(ImageSize);
    std::memcpy(image.data(), emptyImage().data(), ImageSize);

    if (size >= 2)
        writeU16(image.data(), OrdinaryProgramCount, readU16(data, 0));
    for (size_t at = 2; at + 6 <= size; at += 6) {
        const u32 offset = TablesBegin + (readU32(data, u32(at)) % (TablesEnd - TablesBegin)) / 2 * 2;
        writeU16(image.data(), offset, readU16(data, u32(at + 4)));
    }

    program_list_class store;
    QList<extra_entry_class *> entries;
    store.rebuildFromImage(image.data(), entries);
    checkStore(store, entries);

    // The first commit puts every rebuilt step into a form the image describes; from the
    // second on, rebuilding and committing changes nothing.
    if (store.commitToImage(image.data(), entries) == 0) {
        store.rebuildFromImage(image.data(), entries);
        checkStore(store, entries);
        check(store.commitToImage(image.data(), entries) == 0);
        std::memcpy(committed.data(), image.data(), ImageSize);
        store.rebuildFromImage(image.data(), entries);
        check(store.commitToImage(image.data(), entries) == 0);
        check(sameTables(image.data(), committed.data()));
    }
    qDeleteAll(entries);
    return 0;
}
