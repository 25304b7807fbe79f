#include "settings/monitor/internal_states_text.h"

#include "model/controller_configuration_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "settings/monitor/internal_states_report.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

using namespace internal_states_report;

namespace {

// How a list row writes its entries. The number is right-aligned in `width` so that the
// entries sort by their numbers as strings; the blanks of that width are removed after the
// sort from position `fillAt`, right after the letters.
struct list_row_format {
    list_kind list;
    const char *format;  // the entry, "%1" the 1-based number (and "%2" the program's step)
    int width;
    int fillAt;
    u32 numbers;         // the numbers the configuration has: 0 .. numbers - 1
};

const list_row_format ListRows[] = {
    {SceneList, "Sc%1", 4, 2, image_layout::SceneCount},
    {ProgramList, "Pr%1-%2", 3, 2, image_layout::ProgramCount},
    {MaskList, "Msk%1 ", 3, 3, image_layout::MaskCount},
    {DelayList, "Dly%1 ", 3, 3, image_layout::DelayCount},
};

QString described(const QString &description)
{
    return (description.isEmpty() ? QCoreApplication::translate("ctrl_monitor", "no description...") : description)
        + QLatin1Char('\n');
}

// The report's words, none read beyond its length.
class report_words
{
public:
    report_words(const u8 *report, int length)
        : report(report)
        , length(std::clamp(length, 0, BufferSize))
    {
    }
    // True when words first .. first + count - 1 lie within the report.
    bool holds(qint64 first, qint64 count) const { return 2 * (first + count) <= length; }
    u16 word(qint64 w) const { return holds(w, 1) ? readU16(report, u32(2 * w)) : 0; }

private:
    const u8 *report;
    int length;
};

QString stateDescription(const controller_configuration_class &c, int word, int bit)
{
    // A1-A4 are 0-3; then eight a letter from B1 at 4.
    const int index = word == 0 ? bit : 16 * word + bit - 12;
    return c.stateDescs[size_t(index)];
}

QString statesText(const report_words &words, bool withDescriptions, const controller_configuration_class &c)
{
    QString text;
    char letter = 'A';
    for (int k = 0; k < StateWords; ++k) {
        const u16 word = words.word(FirstStateWord + k);
        const int bits = k == 0 ? StatesOfFirstWord : 16;
        for (int b = 0; b < bits; ++b) {
            if (!(word & (1u << b)))
                continue;
            const char entryLetter = b < 8 ? letter : char(letter + 1);
            const int number = b < 8 ? b + 1 : b - 7;
            text += QStringLiteral("%1%2 ").arg(QLatin1Char(entryLetter)).arg(number);
            if (withDescriptions)
                text += described(stateDescription(c, k, b));
        }
        letter = k == 0 ? 'B' : char(letter + 2);
    }
    return text;
}

QString itemDescription(const controller_configuration_class &c, list_kind list, u32 number)
{
    switch (list) {
    case SceneList: return c.sceneDescs[number];
    case ProgramList: return c.programDescs[number];
    case MaskList: return c.maskDescs[number];
    case DelayList: return c.eventDescs[delayEndEvent(number)];
    default: return QString();
    }
}

QString listText(const report_words &words, const list_row_format &row, bool withDescriptions,
                 const controller_configuration_class &c)
{
    const qint64 count = words.word(countWord(row.list));
    const qint64 first = HeaderWords + qint64(words.word(startWord(row.list)));
    const int size = entryWords(row.list);
    QStringList entries;
    for (qint64 k = 0; k < count && words.holds(first + k * size, size); ++k) {
        const u32 number = words.word(first + k * size);
        if (number >= row.numbers)
            continue;
        QString entry = QString::fromLatin1(row.format).arg(number + 1, row.width);
        if (row.list == ProgramList)
            entry = entry.arg(words.word(first + k * size + 1) + 1);
        entry += QLatin1Char(' ');
        if (withDescriptions)
            entry += described(itemDescription(c, row.list, number));
        entries << entry;
    }
    entries.sort();
    QString text;
    for (QString &entry : entries) {
        while (entry.size() > row.fillAt && entry.at(row.fillAt) == QLatin1Char(' '))
            entry.remove(row.fillAt, 1);
        text += entry;
    }
    return text;
}

} // namespace

QString internalStatesRowText(const u8 *report, int length, int row, bool withDescriptions,
                              const controller_configuration_class &descriptions)
{
    const report_words words(report, length);
    QString text;
    if (row == ActiveStatesRow)
        text = statesText(words, withDescriptions, descriptions);
    else if (row > ActiveStatesRow && row < InternalStatesRowCount)
        text = listText(words, ListRows[row - ActiveScenesRow], withDescriptions, descriptions);
    return text.isEmpty() ? QCoreApplication::translate("ctrl_monitor", "none") : text;
}
