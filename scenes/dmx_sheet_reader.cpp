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
bool cellNumber(const QByteArray &cell, int &value)
{
    bool ok = false;
    const int read = QString::fromLocal8Bit(cell).toInt(&ok, 10);
    if (ok)
        value = read;
    return ok;
}

u16 clampedU16(int value)
{
    return u16(std::clamp(value, 0, 0xFFFF));
}

// Runs an assignment on the field of every record that the row has a number for.
template <typename Store>
void applyNumbers(const QList<QByteArray> &values, QList<dmx_sheet_record_class *> &records, Store store)
{
    const qsizetype columns = std::min(values.size(), records.size());
    for (qsizetype i = 0; i < columns; ++i) {
        int value = 0;
        if (cellNumber(values[i], value))
            store(*records[i], value);
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
    QByteArray header;
    if (!readHeader(header) || !isSheetHeader(header))
        return InvalidSheet;
    qDeleteAll(records);
    records.clear();
    sheet_line line;
    while (readLine(line)) {
        if (line.tooLong) {
            qDebug() << "Row longer than" << RowLimit << "bytes passed over:" << QString::fromLatin1(line.text.left(KeyLimit));
            continue;
        }
        if (!applyLine(line, records)) {
            qDeleteAll(records);
            records.clear();
            return NoMemory;
        }
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

// A row, joined again over the pieces it was read in. Separators beyond the column limit
// are not kept: their values would be dropped. A row that grows beyond the longest a sheet
// can hold is read to its end but not kept.
bool dmx_sheet_reader::readLine(sheet_line &line)
{
    if (!readPiece(PieceLimit, line.text))
        return false;
    bool complete = removeLineEnd(line.text);
    qsizetype separators = line.text.count(';');
    line.firstPieceValues = int(std::max<qsizetype>(1, separators));
    line.tooLong = false;
    QByteArray piece;
    while (!complete && readPiece(PieceLimit, piece)) {
        complete = removeLineEnd(piece);
        if (line.tooLong || separators > ColumnLimit)
            continue;
        if (line.text.size() + piece.size() > RowLimit) {
            line.tooLong = true;
            continue;
        }
        separators += piece.count(';');
        line.text += piece;
    }
    return true;
}

// Splits a row into its key and values and makes the records it has values for; false when
// a record could not be had.
bool dmx_sheet_reader::applyLine(const sheet_line &line, QList<dmx_sheet_record_class *> &records)
{
    if (line.text.isEmpty())
        return true;
    const qsizetype keyEnd = line.text.indexOf(';');
    const QString key = QString::fromLatin1(keyEnd < 0 ? line.text : line.text.left(keyEnd));
    const QList<QByteArray> values = keyEnd < 0 ? QList<QByteArray>{QByteArray()} : line.text.mid(keyEnd + 1).split(';');
    // The description row makes records for the values of its first piece only; the rest of
    // a long row continues descriptions of those.
    qsizetype columns = key == QLatin1String(DescriptionKey) ? line.firstPieceValues : values.size();
    columns = std::min<qsizetype>(columns, ColumnLimit);
    while (records.size() < columns) {
        auto *record = new (std::nothrow) dmx_sheet_record_class;
        if (!record)
            return false;
        records.append(record);
    }
    applyRow(key, values, records);
    return true;
}

void dmx_sheet_reader::applyRow(const QString &key, const QList<QByteArray> &values,
                                QList<dmx_sheet_record_class *> &records)
{
    const int count = kind.count();
    if (key == QLatin1String(kind.numberKey)) {
        applyNumbers(values, records, [count](dmx_sheet_record_class &r, int v) { r.number = u16(std::clamp(v, 1, count)); });
    } else if (key == QLatin1String(RiseTimeKey)) {
        applyNumbers(values, records, [](dmx_sheet_record_class &r, int v) { r.fadeUp = clampedU16(v); });
    } else if (key == QLatin1String(LastTimeKey)) {
        // -1, like every value outside 0..65535, reads as infinite.
        applyNumbers(values, records, [](dmx_sheet_record_class &r, int v) {
            r.duration = v < 0 || v > 0xFFFF ? scene_times_record::Infinite : u16(v);
        });
    } else if (key == QLatin1String(FallTimeKey)) {
        applyNumbers(values, records, [](dmx_sheet_record_class &r, int v) { r.fadeDown = clampedU16(v); });
    } else if (key.startsWith(QLatin1Char(ChannelKeyPrefix))) {
        bool ok = false;
        int channel = key.mid(1).toInt(&ok, 10);
        if (!ok)
            channel = 0;
        if (!ok || channel < 1 || channel > int(image_layout::ChannelCount)) {
            qDebug() << kind.badChannelText << channel;
            return;
        }
        applyNumbers(values, records,
                     [channel](dmx_sheet_record_class &r, int v) { r.levels[channel - 1] = u8(std::clamp(v, 0, 255)); });
    } else if (key == QLatin1String(DescriptionKey)) {
        const qsizetype columns = std::min(values.size(), records.size());
        for (qsizetype i = 0; i < columns; ++i)
            records[i]->description = QString::fromLocal8Bit(values[i]);
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
