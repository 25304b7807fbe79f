#include "scenes/dmx_sheet_writer.h"

#include "model/controller_configuration_class.h"
#include "model/scene_times_record.h"
#include "scenes/dmx_sheet_kind.h"
#include "scenes/level_set.h"

#include <QSaveFile>

namespace {

using namespace dmx_sheet_format;

// One row: the key, then one value a number from..to, each after a ";".
template <typename ValueOf>
void appendRow(QByteArray &text, const QByteArray &key, int from, int to, ValueOf valueOf)
{
    text += key;
    for (int number = from; number <= to; ++number) {
        text += ';';
        text += valueOf(number - 1);
    }
    text += '\n';
}

QByteArray durationText(u16 duration)
{
    return duration == scene_times_record::Infinite ? QByteArray("-1") : QByteArray::number(duration);
}

QByteArray descriptionText(const QString &description)
{
    QString field = description;
    for (QChar &c : field) {
        if (c == QLatin1Char(';') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return field.toLocal8Bit();
}

} // namespace

QByteArray dmxSheetText(controller_configuration_class &configuration, const dmx_sheet_kind &kind, int from, int to)
{
    const level_set &set = kind.set;
    const u8 *image = configuration.confData;
    QByteArray text;
    text.reserve((to - from + 2) * 4 * int(image_layout::ChannelCount + 6));
    text += kind.header;
    text += '\n';
    appendRow(text, kind.numberKey, from, to, [](int n) { return QByteArray::number(n + 1); });
    appendRow(text, RiseTimeKey, from, to, [&](int n) { return QByteArray::number(set.times(image, n).fadeUp); });
    if (kind.writesDuration)
        appendRow(text, LastTimeKey, from, to, [&](int n) { return durationText(set.times(image, n).duration); });
    appendRow(text, FallTimeKey, from, to, [&](int n) { return QByteArray::number(set.times(image, n).fadeDown); });
    for (u32 channel = 0; channel < image_layout::ChannelCount; ++channel) {
        const QByteArray key = ChannelKeyPrefix + QByteArray::number(channel + 1);
        appendRow(text, key, from, to, [&](int n) {
            return QByteArray::number(set.levels(configuration.confData, n)[channel]);
        });
    }
    appendRow(text, DescriptionKey, from, to,
              [&](int n) { return descriptionText(set.description(configuration, n)); });
    return text;
}

sheet_write_result writeDmxSheet(const QString &fileName, const QByteArray &text)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return sheet_write_result::CannotOpen;
    if (file.write(text) != text.size() || !file.commit())
        return sheet_write_result::CannotWrite;
    return sheet_write_result::Written;
}
