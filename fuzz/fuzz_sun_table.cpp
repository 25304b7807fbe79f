// Reads the input as a sunrise/sunset text file; the question about undescribed days gets
// its default answer, "Skip this". A read stores days 1..366 and nothing else.

#include "model/controller_configuration_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>

using namespace image_layout;

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

struct fuzz_setup {
    QTemporaryDir folder;
    QString file;
    controller_configuration_class controller;
    // The image as the controller was made: only days 1..366 of the sun table may ever
    // differ from it.
    const QByteArray initial{reinterpret_cast<const char *>(controller.confData), int(ImageSize)};

    fuzz_setup() { file = folder.filePath(QStringLiteral("input.csv")); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static fuzz_setup s;
    QFile out(s.file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        return 0;
    out.close();

    check(s.controller.readSunTable(s.file) == 0);
    const u8 *after = s.controller.confData;
    const u32 daysEnd = sunEntry(SunTableDays);
    check(std::memcmp(s.initial.constData(), after, SunTable) == 0);
    check(std::memcmp(s.initial.constData() + daysEnd, after + daysEnd, ImageSize - daysEnd) == 0);
    // Whatever was stored is a time of day or undefined.
    for (u32 day = 0; day < SunTableDays; ++day) {
        const u16 sunrise = readU16(after, sunEntry(day));
        const u16 sunset = readU16(after, sunEntry(day) + 2);
        check(sunrise < 1440 || sunrise == 0xFFFF);
        check(sunset < 1440 || sunset == 0xFFFF);
    }
    return 0;
}
