#include "link/firmware_version.h"

#include <QRegularExpression>

#include <tuple>

firmware_version firmware_version::fromReply(const u8 reply[4])
{
    firmware_version v;
    v.major = i8(reply[0]);
    v.minor = i8(reply[1]);
    v.build = i16(u16(reply[2] | (reply[3] << 8)));
    return v;
}

std::optional<firmware_version> firmware_version::fromText(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^F/W ver\\. (-?\\d+)\\.(-?\\d+)\\.(-?\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    firmware_version v;
    v.major = match.captured(1).toInt();
    v.minor = match.captured(2).toInt();
    v.build = match.captured(3).toInt();
    return v;
}

QString firmware_version::text() const
{
    return QStringLiteral("F/W ver. ") + number();
}

QString firmware_version::number() const
{
    return QString::asprintf("%d.%02d.%04d", major, minor, build);
}

bool firmware_version::operator<(const firmware_version &other) const
{
    return std::tie(major, minor, build) < std::tie(other.major, other.minor, other.build);
}

bool firmwareOlderThan(const QString &firmwareText, const QString &gateText)
{
    const std::optional<firmware_version> firmware = firmware_version::fromText(firmwareText);
    const std::optional<firmware_version> gate = firmware_version::fromText(gateText);
    if (!firmware)
        return true;
    return gate && *firmware < *gate;
}
