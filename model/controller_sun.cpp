#include "model/controller_configuration_class.h"

#include "model/bounded_line.h"
#include "model/clock_interface.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/sun_calculation.h"
#include "model/user_interaction.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

#include <array>

using namespace image_layout;

namespace {

constexpr u32 UndefinedEntry = 0xFFFFFFFF;
constexpr u16 UndefinedTime = 0xFFFF;
// A stored time above this is no time of day: such a row is marked in the text file, and
// a day read with it is left undescribed.
constexpr u16 LastValidMinute = 1440;
constexpr u32 MinutesPerHour = 60;

const char SunTableTitle[] = "KD620 sunrise- and sunsettimes ( minutes of day )\r\n";
const char SunTableColumns[] = "Day of year;sunrise;sunset";
const char RowBreak[] = "\r\n";

struct sun_entry {
    u16 sunrise = UndefinedTime;
    u16 sunset = UndefinedTime;

    bool isUndefined() const { return sunrise == UndefinedTime && sunset == UndefinedTime; }
    bool isComplete() const { return sunrise <= LastValidMinute && sunset <= LastValidMinute; }
};

sun_entry readEntry(const u8 *image, u32 index)
{
    return {readU16(image, sunEntry(index)), readU16(image, sunEntry(index) + 2)};
}

void writeEntry(u8 *image, u32 index, sun_entry entry)
{
    writeU16(image, sunEntry(index), entry.sunrise);
    writeU16(image, sunEntry(index) + 2, entry.sunset);
}

QString clockText(u16 minutes)
{
    return QStringLiteral("%1:%2").arg(minutes / MinutesPerHour).arg(minutes % MinutesPerHour, 2, 10, QLatin1Char('0'));
}

QString rowText(u32 day, sun_entry entry)
{
    QString row = QString::number(day) + QLatin1Char(';');
    if (entry.isUndefined())
        return row + QLatin1String("Undefined!");
    row += clockText(entry.sunrise) + QLatin1Char(';') + clockText(entry.sunset);
    if (entry.sunrise > LastValidMinute || entry.sunset > LastValidMinute)
        row += QLatin1String(";invalid time(s)!");
    return row;
}

// An unsigned whole number at the start of a field: leading white space is skipped,
// reading stops at the first character that is not a digit, no digits read as 0. Values
// too large for 32 bits stay at the largest one (every caller refuses them anyway).
u32 leadingNumber(QStringView field)
{
    qsizetype i = 0;
    while (i < field.size() && field.at(i).isSpace())
        ++i;
    u32 value = 0;
    for (; i < field.size() && field.at(i) >= u'0' && field.at(i) <= u'9'; ++i) {
        const u32 digit = u32(field.at(i).unicode() - u'0');
        value = value > (0xFFFFFFFFu - digit) / 10 ? 0xFFFFFFFFu : value * 10 + digit;
    }
    return value;
}

// "hh:mm" with hour below 24 and minute below 60; the minutes of the day, or -1.
int timeField(QStringView field)
{
    const QList<QStringView> parts = field.split(u':');
    if (parts.size() < 2)
        return -1;
    const u32 hour = leadingNumber(parts[0]);
    const u32 minute = leadingNumber(parts[1]);
    if (hour >= 24 || minute >= 60)
        return -1;
    return int(hour * MinutesPerHour + minute);
}

// Takes one row of the text file into the working table when it describes a day fully:
// "day;h:m;h:m", further fields ignored. Any other line changes nothing.
void takeRow(const QString &line, std::array<sun_entry, SunTableDays> &table)
{
    if (!line.contains(QLatin1Char(';')))
        return;
    const QList<QStringView> fields = QStringView(line).split(u';');
    if (fields.size() < 3)
        return;
    const u32 day = leadingNumber(fields[0]);
    const int sunrise = timeField(fields[1]);
    const int sunset = timeField(fields[2]);
    if (day < 1 || day > SunTableDays || sunrise < 0 || sunset < 0)
        return;
    table[day - 1] = {u16(sunrise), u16(sunset)};
}

enum class incomplete_answer { SkipThis = 0, Cancel = 1, SkipAll = 2 };

message_request incompleteTableQuestion()
{
    message_request request;
    request.icon = message_icon::Question;
    request.title = QCoreApplication::translate("kd620_controller_class", "Incomplete file!");
    request.text = QCoreApplication::translate("kd620_controller_class",
                                               "Not all days of year are properly described!\n\tContinue anyway?");
    request.customButtons = {{QCoreApplication::translate("kd620_controller_class", "Skip this")},
                             {QCoreApplication::translate("kd620_controller_class", "Cancel")},
                             {QCoreApplication::translate("kd620_controller_class", "Skip all")}};
    request.defaultCustomButton = int(incomplete_answer::SkipThis);
    request.noEscapeButton = true;
    request.parent = dialog_parent::MainWindow;
    return request;
}

incomplete_answer ask(const message_request &question)
{
    const int answer = userInteraction().showMessage(question);
    if (answer == int(incomplete_answer::SkipThis) || answer == int(incomplete_answer::SkipAll))
        return incomplete_answer(answer);
    // Cancel, or the box closed some other way: store nothing.
    return incomplete_answer::Cancel;
}

} // namespace

void controller_configuration_class::calculateSunEvents(int latitude, int offset)
{
    const int year = appClock().currentDateTime().date().year();
    const int februaryDays = isSunTableLeapYear(year) ? 29 : 28;
    const int monthDays[12] = {31, februaryDays, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

    u32 index = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= monthDays[month - 1]; ++day, ++index) {
            const sun_times times = sunTimesOfDay(year, month, day, latitude, offset);
            // Stored as the controller reads them: the low 16 bits of each minute count.
            writeEntry(confData, index, times.defined ? sun_entry{u16(times.sunrise), u16(times.sunset)} : sun_entry{});
        }
    }
    // A common year has no day 366: it repeats day 365.
    if (index == SunTableDays - 1)
        writeEntry(confData, index, readEntry(confData, index - 1));
    for (u32 entry = SunTableDays; entry < SunTableEntries; ++entry)
        writeU32(confData, sunEntry(entry), UndefinedEntry);
    writeI32(confData, Latitude, latitude);
}

int controller_configuration_class::writeSunTable(const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    QTextStream out(&file);
    out.setEncoding(QStringConverter::System);
    out << SunTableTitle << SunTableColumns;
    for (u32 day = 1; day <= SunTableDays; ++day)
        out << RowBreak << rowText(day, readEntry(confData, day - 1));
    out.flush();
    if (out.status() != QTextStream::Ok) {
        file.cancelWriting();
        return -1;
    }
    return file.commit() ? 0 : -1;
}

int controller_configuration_class::readSunTable(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    std::array<sun_entry, SunTableDays> table;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::System);
    // A line longer than any row is passed over like every other line that is no row;
    // its rest is read in bounded chunks and dropped.
    QString line;
    for (;;) {
        const bounded_line::result read = bounded_line::read(in, line);
        if (read == bounded_line::result::Failed || line.isNull())
            break;  // the end of the file, or of what could be read of it
        if (read == bounded_line::result::Ok)
            takeRow(line, table);
    }

    // A table of 365 days describes a common year: day 366 repeats day 365.
    sun_entry &lastDay = table[SunTableDays - 1];
    if (lastDay.sunrise == UndefinedTime)
        lastDay.sunrise = table[SunTableDays - 2].sunrise;
    if (lastDay.sunset == UndefinedTime)
        lastDay.sunset = table[SunTableDays - 2].sunset;

    const message_request question = incompleteTableQuestion();
    for (const sun_entry &entry : table) {
        if (entry.isComplete())
            continue;
        const incomplete_answer answer = ask(question);
        if (answer == incomplete_answer::Cancel)
            return -2;
        if (answer == incomplete_answer::SkipAll)
            break;
    }
    for (u32 day = 0; day < SunTableDays; ++day)
        writeEntry(confData, day, table[day]);
    return 0;
}
