#pragma once

#include "model/types.h"

#include <QByteArray>
#include <QtGlobal>

// What the checks of a configuration file found.
enum class config_file_status {
    Ok,
    Corrupted,          // too short, unknown magic, CRC, an offset or a length that does not fit
    OldestFormat,       // "Kd620CFG": recognised only to be refused
    MisplacedInfoBlock, // current format whose info block does not start at a multiple of 16
};

struct config_file_contents {
    config_file_status status = config_file_status::Corrupted;
    bool oldFormat = false;
    // The uncompressed data: the image (current format), or the image followed by the
    // description blocks its size holds (old format).
    QByteArray data;
    // Current format: where the XML project description starts in the file.
    qint64 xmlOffset = 0;
};

// Checks and uncompresses the binary part of a configuration file without touching any
// configuration, so that a file that fails leaves everything as it was. Every offset and
// length taken from the file is checked against the bytes at hand before it is used, and
// the uncompressed length is checked before anything is uncompressed.
class config_file_decoder
{
public:
    // bytes: the first bytes of the file, at most config_file_format::ReadLimit of them;
    // fileSize: the size of the whole file (the XML text may lie beyond the bytes read).
    static config_file_contents decode(const QByteArray &bytes, qint64 fileSize);

    // Current format: the offset behind the first run of 0x1A fill bytes and the header's
    // NUL, where the info block begins; -1 when the bytes hold no fill byte.
    static qint64 infoBlockOffset(const QByteArray &bytes);
    // Old format: where the compressed block starts (behind the header's NUL); -1 when
    // the bytes before the CRC hold no NUL.
    static qint64 oldDataOffset(const QByteArray &bytes);

    static u16 crc(const char *data, qint64 length);

private:
    static config_file_contents decodeCurrent(const QByteArray &bytes, qint64 fileSize);
    static config_file_contents decodeOld(const QByteArray &bytes);
};
