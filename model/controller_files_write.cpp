#include "model/controller_configuration_class.h"

#include "model/clock_interface.h"
#include "model/config_file_descriptions.h"
#include "model/config_file_format.h"
#include "model/config_file_header.h"
#include "model/config_file_info_block.h"
#include "model/config_file_report.h"
#include "model/image_access.h"
#include "model/user_interaction.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

#include <cstring>

using namespace config_file_format;

namespace {

bool confirmOldFormat()
{
    const int answer = showMessage(
        message_icon::Question, QCoreApplication::translate("kd620_controller_class", "Old-style file format!"),
        QCoreApplication::translate("kd620_controller_class",
                                    "You have choosen old-style configuration file format!\nSome informations will "
                                    "not be saved into file, and may get lost!\nContinue anyway?"),
        message_button::Yes | message_button::No, message_button::No);
    return answer == int(message_button::Yes);
}

void padTo(QByteArray &bytes, int alignment)
{
    bytes.append((alignment - bytes.size() % alignment) % alignment, '\0');
}

// Header, info block, the compressed image and padding up to the XML text; empty when
// compression failed.
QByteArray currentFormatBinary(const u8 *image, const QDateTime &written)
{
    const QByteArray compressed =
        qCompress(reinterpret_cast<const uchar *>(image), qsizetype(image_layout::ImageSize), CompressionLevel);
    if (compressed.isEmpty())
        return {};
    QByteArray bytes = config_file_header::build(false, written);
    const qsizetype infoOffset = bytes.size();
    bytes.append(InfoBlockSize, '\0');

    config_file_info_block info;
    info.dataOffset = u16(bytes.size());
    info.dataLength = u32(compressed.size());
    info.crc = qChecksum(compressed, Qt::ChecksumIso3309);
    bytes += compressed;
    padTo(bytes, XmlAlignment);
    info.xmlOffset = u32(bytes.size());
    info.write(reinterpret_cast<u8 *>(bytes.data()) + infoOffset);
    return bytes;
}

// Header, the compressed image with its description blocks, and the CRC of all before it.
QByteArray oldFormatBinary(const u8 *image, const QByteArray &descriptionBlocks, const QDateTime &written)
{
    QByteArray data(reinterpret_cast<const char *>(image), qsizetype(image_layout::ImageSize));
    data += descriptionBlocks;
    const QByteArray compressed = qCompress(data, CompressionLevel);
    if (compressed.isEmpty())
        return {};
    QByteArray bytes = config_file_header::build(true, written) + compressed;
    const u16 crc = qChecksum(bytes, Qt::ChecksumIso3309);
    bytes.append(char(crc & 0xFF)).append(char(crc >> 8));
    return bytes;
}

// "Data write to file <path>" and the outcome on the next line.
QString outcomeText(const QString &fileName, const QString &outcome)
{
    return QCoreApplication::translate("kd620_controller_class", "Data write to file ") + fileName
        + QLatin1Char('\n') + outcome;
}

QString failureText(const QString &fileName)
{
    return outcomeText(fileName, QCoreApplication::translate("kd620_controller_class", "failed!"));
}

} // namespace

int controller_configuration_class::buildFileHeader(char *destination, bool oldFormat)
{
    const QByteArray header = config_file_header::build(oldFormat, appClock().currentDateTime());
    if (destination)
        std::memcpy(destination, header.constData(), size_t(header.size()));
    return int(header.size());
}

void controller_configuration_class::write_confDataToFile(QString fileName, bool oldstyle)
{
    if (oldstyle && !confirmOldFormat())
        return;
    // The new content goes to a temporary file that replaces the old one only once all of
    // it was written: a failed save leaves the user's last good file as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        // Nothing was packed and the old file is untouched; the user learns why (a folder
        // that does not exist, or where no new file may be created beside the old one).
        reportConfigFileOutcome(false, failureText(fileName) + QLatin1String("\n\n") + file.errorString(), fileName);
        return;
    }
    const QDateTime written = appClock().currentDateTime();

    // All four stores are packed whatever happens, so the image is up to date with them;
    // a store that does not fit makes the file incomplete, so it is not saved.
    bool saved = packStores();

    if (saved) {
        const QByteArray binary = oldstyle ? oldFormatBinary(confData, config_file_descriptions::oldFormatBlocks(*this), written)
                                           : currentFormatBinary(confData, written);
        saved = !binary.isEmpty() && file.write(binary) == binary.size();
    }
    if (saved && !oldstyle) {
        QTextStream out(&file);
        out.setEncoding(QStringConverter::System);
        config_file_descriptions::writeProjectDescription(out, *this, config_file_header::dateText(written));
        out.flush();
        saved = out.status() == QTextStream::Ok;
    }
    // Written data may still sit in the file's buffer: only a flush shows whether it fit.
    saved = saved && file.flush() && file.commit();
    if (!saved)
        file.cancelWriting();

    if (saved)
        emit fileSavedOrOpened(fileName);
    const QString text = saved ? outcomeText(fileName, QCoreApplication::translate("kd620_controller_class", "successful!"))
                               : failureText(fileName);
    reportConfigFileOutcome(saved, text, fileName);
}
