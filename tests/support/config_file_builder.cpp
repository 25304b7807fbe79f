#include "tests/support/config_file_builder.h"

#include "model/config_file_header.h"
#include "model/controller_configuration_class.h"
#include "model/image_access.h"

#include <QFile>

namespace {

u8 *bytesOf(QByteArray &a)
{
    return reinterpret_cast<u8 *>(a.data());
}

const u8 *bytesOf(const QByteArray &a)
{
    return reinterpret_cast<const u8 *>(a.constData());
}

const QDateTime BuilderDate(QDate(2026, 3, 4), QTime(5, 6, 7));

} // namespace

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray emptyConfigurationImage()
{
    const controller_configuration_class empty;
    return QByteArray(reinterpret_cast<const char *>(empty.confData), int(image_layout::ImageSize));
}

QByteArray currentFormatFile(const QByteArray &image, const QByteArray &xmlText)
{
    QByteArray file = config_file_header::build(false, BuilderDate);
    file.append(16, '\0');
    const QByteArray compressed = qCompress(image, 9);
    setInfoWord(file, 0, u32(file.size()), 2);
    setInfoWord(file, 4, u32(compressed.size()), 4);
    file += compressed;
    file.append((16 - file.size() % 16) % 16, '\0');
    setInfoWord(file, 8, u32(file.size()), 4);
    refreshCurrentFormatCrc(file);
    return file + xmlText;
}

QByteArray oldFormatFile(const QByteArray &data)
{
    QByteArray file = config_file_header::build(true, BuilderDate) + qCompress(data, 9);
    file.append(2, '\0');
    refreshOldFormatCrc(file);
    return file;
}

u16 infoDataOffset(const QByteArray &file)
{
    return readU16(bytesOf(file), InfoBlockAt);
}

u32 infoDataLength(const QByteArray &file)
{
    return readU32(bytesOf(file), InfoBlockAt + 4);
}

u32 infoXmlOffset(const QByteArray &file)
{
    return readU32(bytesOf(file), InfoBlockAt + 8);
}

void setInfoWord(QByteArray &file, int offsetInBlock, u32 value, int size)
{
    if (size == 2)
        writeU16(bytesOf(file), u32(InfoBlockAt + offsetInBlock), u16(value));
    else
        writeU32(bytesOf(file), u32(InfoBlockAt + offsetInBlock), value);
}

void refreshCurrentFormatCrc(QByteArray &file)
{
    const QByteArrayView data(file.constData() + infoDataOffset(file), qsizetype(infoDataLength(file)));
    setInfoWord(file, 2, qChecksum(data, Qt::ChecksumIso3309), 2);
}

void refreshOldFormatCrc(QByteArray &file)
{
    const qsizetype crcAt = file.size() - 2;
    writeU16(bytesOf(file), u32(crcAt), qChecksum(QByteArrayView(file.constData(), crcAt), Qt::ChecksumIso3309));
}
