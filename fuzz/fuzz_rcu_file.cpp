// Reads the input as a remote-control settings file (".rcu"); every box gets its default
// answer. A reading leaves an address of 0..31 or none and codes of 0..63 or none, and
// touches nothing but the remote-control settings.

#include "model/controller_configuration_class.h"
#include "model/image_layout.h"
#include "model/rcu_settings_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

struct fuzz_setup {
    QTemporaryDir folder;  // the working directory while reading, where "xml_report.log" goes
    controller_configuration_class controller;
    const QByteArray initial{reinterpret_cast<const char *>(controller.confData), int(image_layout::ImageSize)};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static fuzz_setup s;
    QBuffer input;
    input.setData(reinterpret_cast<const char *>(data), int(size));
    if (!input.open(QIODevice::ReadOnly))
        return 0;

    // Back to the working directory after each input: libFuzzer works with paths relative
    // to where it was started (the corpus, the crash files).
    const QString workingDirectory = QDir::currentPath();
    QDir::setCurrent(s.folder.path());
    rcu_settings_file::read(input, QStringLiteral("input.rcu"), s.controller, nullptr);
    QDir::setCurrent(workingDirectory);
    check(s.controller.rcuAddress <= 31 || s.controller.rcuAddress == 0xFF);
    for (u8 code : s.controller.rcuKeyCodes)
        check(code <= 63 || code == 0xFF);
    check(std::memcmp(s.initial.constData(), s.controller.confData, image_layout::ImageSize) == 0);
    return 0;
}
