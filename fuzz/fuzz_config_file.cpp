// Opens the input as a configuration file, twice: as it comes, and with its CRC made to
// agree with its bytes, so that the checks behind the CRC (offsets, the uncompressed
// length, the zlib stream, the description text) are reached as well. A read either fails
// and leaves the configuration as it was, or replaces it with a loadable one.

#include "model/config_file_decoder.h"
#include "model/config_file_format.h"
#include "model/config_file_info_block.h"
#include "model/controller_configuration_class.h"
#include "model/image_access.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>

using namespace config_file_format;

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The info block's CRC over its data block, or the old format's trailing CRC, recomputed
// where the bytes say where they lie.
QByteArray withFittingCrc(QByteArray bytes)
{
    u8 *data = reinterpret_cast<u8 *>(bytes.data());
    if (bytes.startsWith(CurrentMagic)) {
        const qint64 at = config_file_decoder::infoBlockOffset(bytes);
        if (at < 0 || at + InfoBlockSize > bytes.size())
            return bytes;
        config_file_info_block info = config_file_info_block::read(data + at);
        if (qint64(info.dataOffset) + info.dataLength > bytes.size())
            return bytes;
        info.crc = config_file_decoder::crc(bytes.constData() + info.dataOffset, info.dataLength);
        info.write(data + at);
    } else if (bytes.startsWith(OldMagic) && bytes.size() >= CrcSize) {
        const qint64 at = bytes.size() - CrcSize;
        writeU16(data, u32(at), config_file_decoder::crc(bytes.constData(), at));
    }
    return bytes;
}

void silence(QtMsgType, const QMessageLogContext &, const QString &) {}

struct fuzz_setup {
    QTemporaryDir folder;
    QString file;
    controller_configuration_class controller;
    QByteArray before{int(image_layout::ImageSize), '\0'};  // reused: no 2 MB allocation per read

    fuzz_setup()
    {
        qInstallMessageHandler(silence);  // qUncompress reports damaged streams on its own
        file = folder.filePath(QStringLiteral("input.cfg625"));
    }
};

void readAsFile(fuzz_setup &s, const QByteArray &bytes)
{
    QFile out(s.file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        return;
    out.close();
    std::memcpy(s.before.data(), s.controller.confData, image_layout::ImageSize);
    // "xml_report.log" goes to the working directory: the scratch folder while reading
    // (libFuzzer itself works with paths relative to where it was started).
    const QString workingDirectory = QDir::currentPath();
    QDir::setCurrent(s.folder.path());
    const int result = s.controller.read_confDataFromFile(s.file);
    QDir::setCurrent(workingDirectory);
    check(result == 0 || result == -1);
    if (result != 0) {
        check(std::memcmp(s.before.constData(), s.controller.confData, image_layout::ImageSize) == 0);
        return;
    }
    // A loaded image has passed the load clamps.
    const u16 channels = readU16(s.controller.confData, image_layout::OutputChannelLimit);
    check(channels >= 24 && channels <= 64);
    check(readU16(s.controller.confData, image_layout::MbftCode) <= 90);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static fuzz_setup setup;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    readAsFile(setup, bytes);
    const QByteArray fitted = withFittingCrc(bytes);
    if (fitted != bytes)
        readAsFile(setup, fitted);
    return 0;
}
