#include "scenes/dmx_sheet_reader.h"

#include "model/image_layout.h"
#include "scenes/dmx_sheet_kind.h"
#include "scenes/dmx_sheet_record_class.h"
#include "scenes/level_set.h"

#include <QDebug>
#include <QIODevice>
#include <QString>

#include <algorithm>
#include <array>
#include <new>

namespace {

using namespace dmx_sheet_format;

// A padded header of a sheet with a column a scene is about 3100 bytes; a first line far
// longer than that is no header, and is not kept whole.
constexpr int HeaderLimit = 16 * 1024;
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

// Removes one final LF, then one final CR; true when either was there, i.e. the line ends
// in this piece.
bool removeLineEnd(QByteArray &piece)
{
    bool removed = false;
    if (piece.endsWith('\n')) {
        piece.chop(1);
        removed = true;
    }
    if (piece.endsWith('\r')) {
        piece.chop(1);
        removed = true;
    }
    return removed;
}

// A cell of a number, time or level row: what the string-to-integer conversion in base 10
// accepts (sign, digits, blanks around them), else nothing.
std::optional<int> cellNumber(const QByteArray &cell)
{
    bool ok = false;
    const int value = QString::fromLocal8Bit(cell).toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The number of a channel key ("C7" 7), 0 when what follows the "C" is no number.
int channelNumber(const QString &key)
{
    bool ok = false;
    const int channel = key.mid(1).toInt(&ok, 10);
    return ok ? channel : 0;
}

// The channel a key names, 1..512; 0 when it names none.
int channelOfKey(const QString &key)
{
    if (!key.startsWith(QLatin1Char(ChannelKeyPrefix)))
        return 0;
    const int channel = channelNumber(key);
    return channel >= 1 && channel <= int(image_layout::ChannelCount) ? channel : 0;
}

u16 clampedU16(int value)
{
    return u16(std::clamp(value, 0, 0xFFFF));
}

// Runs an assignment on the field of every record that the row has a number for.
template <typename Store>
void applyNumbers(const QList<std::optional<int>> &numbers, QList<dmx_sheet_record_class *> &records, Store store)
{
    const qsizetype columns = std::min(numbers.size(), records.size());
    for (qsizetype i = 0; i < columns; ++i) {
        if (numbers[i])
            store(*records[i], *numbers[i]);
    }
}

} // namespace

dmx_sheet_reader::dmx_sheet_reader(QIODevice &device, const dmx_sheet_kind &kind)
    : device(device)
    , kind(kind)
{
}

bool dmx_sheet_reader::isSheetHeader(QByteArray line)
{
    if (line.startsWith(ByteOrderMark))
        line.remove(0, int(sizeof ByteOrderMark) - 1);
    while (line.endsWith(';'))
        line.chop(1);
    return line == SceneHeader || line == MaskHeader;
}

dmx_sheet_reader::result dmx_sheet_reader::read(QList<dmx_sheet_record_class *> &records)
{
    rowsPassedOver = dmx_sheet_rows_passed_over();
    QByteArray header;
    if (!readHeader(header) || !isSheetHeader(header))
        return InvalidSheet;
    qDeleteAll(records);
    records.clear();
    bool numbersPassedOver = false;
    sheet_row row;
    while (readRow(row)) {
        if (row.passedOver) {
            passOver(row);
            numbersPassedOver = numbersPassedOver || (row.hasKey && row.key == kind.numberKey);
            continue;
        }
        if (!applyRow(row, records)) {
            qDeleteAll(records);
            records.clear();
            return NoMemory;
        }
    }
    if (numbersPassedOver) {
        // Numbered anew, the columns would land on scenes they don't belong to.
        qDeleteAll(records);
        records.clear();
    }
    if (records.isEmpty())
        return NoColumns;
    numberRecords(records);
    std::stable_sort(records.begin(), records.end(),
                     [](const dmx_sheet_record_class *a, const dmx_sheet_record_class *b) {
                         return a->number < b->number;
                     });
    return Read;
}

bool dmx_sheet_reader::readPiece(int limit, QByteArray &piece)
{
    std::array<char, PieceLimit + 1> buffer;
    const qint64 length = device.readLine(buffer.data(), limit + 1);
    if (length <= 0)
        return false;
    piece = QByteArray(buffer.data(), qsizetype(length));
    return true;
}

// The first line, whole: a spreadsheet pads it with a ";" a column, which for a wide sheet
// runs past its first piece.
bool dmx_sheet_reader::readHeader(QByteArray &header)
{
    if (!readPiece(FirstLineLimit, header))
        return false;
    bool complete = removeLineEnd(header);
    QByteArray piece;
    while (!complete && readPiece(PieceLimit, piece)) {
        complete = removeLineEnd(piece);
        if (header.size() <= HeaderLimit)
            header += piece;
    }
    return header.size() <= HeaderLimit;
}

// Cuts the pieces of a row into its fields as they come: the first field is the key, the
// others are its values, each taken as text or number as soon as it is whole. A field
// longer than a sheet's field can be passes the row over; values beyond the column limit
// are not kept (they would be dropped).
class dmx_sheet_reader::field_splitter
{
public:
    explicit field_splitter(sheet_row &row) : row(row) {}

    void add(const QByteArray &piece)
    {
        qsizetype from = 0;
        for (qsizetype end; (end = piece.indexOf(';', from)) >= 0; from = end + 1) {
            append(piece, from, end);
            endField();
        }
        append(piece, from, piece.size());
    }

    // The line has ended: its last field is whole. A key without values has one empty value.
    void finish()
    {
        endField();
        if (!row.passedOver && row.valueCount() == 0)
            takeValue(QByteArray());
    }

private:
    bool dropping() const { return row.passedOver || row.valueCount() >= ColumnLimit; }

    void append(const QByteArray &piece, qsizetype from, qsizetype end)
    {
        if (dropping())
            return;
        if (field.size() + (end - from) > FieldLimit) {
            passOver();
            return;
        }
        field.append(piece.constData() + from, end - from);
    }

    void endField()
    {
        if (!dropping()) {
            if (row.hasKey) {
                takeValue(field);
            } else {
                row.key = field;
                row.hasKey = true;
                row.isDescription = row.key == DescriptionKey;
            }
        }
        field.clear();
    }

    void takeValue(const QByteArray &value)
    {
        if (!row.isDescription) {
            row.numbers.append(cellNumber(value));
            return;
        }
        QString text = QString::fromLocal8Bit(value);
        if (text.size() > DescriptionLimit)
            passOver();
        else
            row.texts.append(std::move(text));
    }

    void passOver()
    {
        row.passedOver = true;
        field = QByteArray();
        row.texts = QList<QString>();
        row.numbers = QList<std::optional<int>>();
    }

    sheet_row &row;
    QByteArray field;  // the field being read
};

// A row, its fields taken over the pieces it was read in.
bool dmx_sheet_reader::readRow(sheet_row &row)
{
    QByteArray piece;
    if (!readPiece(PieceLimit, piece))
        return false;
    row = sheet_row();
    bool complete = removeLineEnd(piece);
    row.start = piece.left(KeyLimit);
    row.isEmpty = piece.isEmpty();
    row.firstPieceValues = int(std::max<qsizetype>(1, piece.count(';')));
    field_splitter fields(row);
    fields.add(piece);
    while (!complete && readPiece(PieceLimit, piece)) {
        complete = removeLineEnd(piece);
        row.isEmpty = row.isEmpty && piece.isEmpty();
        fields.add(piece);
    }
    fields.finish();
    return true;
}

// Notes which fields the row would have set: an import leaves them as they are.
void dmx_sheet_reader::passOver(const sheet_row &row)
{
    qDebug() << "Row with a field longer than a sheet holds passed over:" << QString::fromLatin1(row.start);
    ++rowsPassedOver.rows;
    if (!row.hasKey)
        return;
    const QString key = QString::fromLatin1(row.key);
    if (key == QLatin1String(RiseTimeKey))
        rowsPassedOver.fadeUp = true;
    else if (key == QLatin1String(LastTimeKey))
        rowsPassedOver.duration = true;
    else if (key == QLatin1String(FallTimeKey))
        rowsPassedOver.fadeDown = true;
    else if (key == QLatin1String(DescriptionKey))
        rowsPassedOver.description = true;
    else if (const int channel = channelOfKey(key); channel > 0)
        rowsPassedOver.channels.set(size_t(channel - 1));
}

// Makes the records the row has values for and applies them; false when a record could
// not be had.
bool dmx_sheet_reader::applyRow(const sheet_row &row, QList<dmx_sheet_record_class *> &records)
{
    if (row.isEmpty)
        return true;
    // The description row makes records for the values of its first piece only; the rest of
    // a long row continues descriptions of those.
    qsizetype columns = row.isDescription ? row.firstPieceValues : row.valueCount();
    columns = std::min<qsizetype>(columns, ColumnLimit);
    while (records.size() < columns) {
        auto *record = new (std::nothrow) dmx_sheet_record_class;
        if (!record)
            return false;
        records.append(record);
    }
    applyValues(row, records);
    return true;
}

void dmx_sheet_reader::applyValues(const sheet_row &row, QList<dmx_sheet_record_class *> &records)
{
    const QString key = QString::fromLatin1(row.key);
    const QList<std::optional<int>> &numbers = row.numbers;
    const int count = kind.count();
    if (key == QLatin1String(kind.numberKey)) {
        applyNumbers(numbers, records, [count](dmx_sheet_record_class &r, int v) { r.number = u16(std::clamp(v, 1, count)); });
    } else if (key == QLatin1String(RiseTimeKey)) {
        applyNumbers(numbers, records, [](dmx_sheet_record_class &r, int v) { r.fadeUp = clampedU16(v); });
    } else if (key == QLatin1String(LastTimeKey)) {
        // -1, like every value outside 0..65535, reads as infinite.
        applyNumbers(numbers, records, [](dmx_sheet_record_class &r, int v) {
            r.duration = v < 0 || v > 0xFFFF ? scene_times_record::Infinite : u16(v);
        });
    } else if (key == QLatin1String(FallTimeKey)) {
        applyNumbers(numbers, records, [](dmx_sheet_record_class &r, int v) { r.fadeDown = clampedU16(v); });
    } else if (key.startsWith(QLatin1Char(ChannelKeyPrefix))) {
        const int channel = channelOfKey(key);
        if (channel == 0) {
            qDebug() << kind.badChannelText << channelNumber(key);
            return;
        }
        applyNumbers(numbers, records,
                     [channel](dmx_sheet_record_class &r, int v) { r.levels[channel - 1] = u8(std::clamp(v, 0, 255)); });
    } else if (row.isDescription) {
        const qsizetype columns = std::min(row.texts.size(), records.size());
        for (qsizetype i = 0; i < columns; ++i)
            records[i]->description = row.texts[i];
    } else {
        qDebug() << key << ": niezinterpretowany!";
    }
}

// Columns without a number take, in column order, the lowest number no column holds. A
// column that finds none is dropped: it has nowhere to go.
void dmx_sheet_reader::numberRecords(QList<dmx_sheet_record_class *> &records) const
{
    const int count = kind.count();
    QList<bool> held(count + 1, false);
    for (const dmx_sheet_record_class *record : records) {
        if (record->hasNumber())
            held[record->number] = true;
    }
    QList<dmx_sheet_record_class *> kept;
    int next = 1;
    for (qsizetype column = 0; column < records.size(); ++column) {
        dmx_sheet_record_class *record = records[column];
        if (!record->hasNumber()) {
            while (next <= count && held[next])
                ++next;
            if (next > count) {
                qDebug() << "No free number for column" << column + 1 << "of the sheet: dropped";
                delete record;
                continue;
            }
            held[next] = true;
            record->number = u16(next);
        }
        kept.append(record);
    }
    records = kept;
}
