// A firmware upgrade file (".upg") as the upgrade and the verification read it: the header
// with its version text and block table, then every block the table names, prepared as
// the flash must hold it.
#include "link/upgrade_file.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static u8 block[upgrade_file::BufferSize];
    QBuffer file;
    file.setData(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    file.open(QIODevice::ReadOnly);
    upgrade_file upgrade;
    if (upgrade.readHeader(file) != upgrade_file::header_status::Ok)
        return 0;
    for (int i = 0; i < upgrade_file::BlockCount; ++i) {
        if (!upgrade.entries[size_t(i)].present())
            continue;
        // An accepted table names only blocks inside the file: reading one can fail by its
        // checksum alone.
        const upgrade_file::block_status status = upgrade.prepareBlock(file, i, block);
        if (status != upgrade_file::block_status::Ok && status != upgrade_file::block_status::ChecksumWrong)
            std::abort();
    }
    return 0;
}
