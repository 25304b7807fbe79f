#pragma once

#include "model/description_bound.h"
#include "model/image_layout.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <bitset>
#include <optional>

class QIODevice;
class dmx_sheet_record_class;
struct dmx_sheet_kind;

// The rows of a sheet that were passed over, and which fields of the scenes or masks they
// would have set: an import leaves those fields as they are.
struct dmx_sheet_rows_passed_over {
    int rows = 0;
    bool fadeUp = false;
    bool duration = false;
    bool fadeDown = false;
    bool description = false;
    std::bitset<image_layout::ChannelCount> channels;
};

// Reads a DMX sheet into records, one a column, for the scene or the mask page.
//
// Reading is forgiving: unknown rows are skipped with a line on the debug stream, cells
// that are empty or no number leave their field as it is, numbers out of range are
// clamped, columns without a number get the lowest free one. What can't be stored is
// never kept: a column that finds no free number is dropped.
//
// A row is read field by field and never held whole, so its length is not bounded; each
// field is. A row with a field longer than any the export writes is passed over whole: it
// makes no columns and sets nothing, and passedOver() tells of it.
class dmx_sheet_reader
{
public:
    enum result {
        Read,          // records read, numbered and sorted by number
        InvalidSheet,  // nothing to read, or the first line is no sheet header; records untouched
        NoMemory,      // a record could not be had; all records deleted
        NoColumns,     // the sheet has no columns, or its number row was passed over, so
                       // its columns can't be placed; the list is empty
    };

    // Pieces of a line as the sheet is read: the first line up to 1499 bytes, every other
    // up to 1999; a longer line continues in the next piece.
    static constexpr int FirstLineLimit = 1499;
    static constexpr int PieceLimit = 1999;
    // More columns than there are scenes can't come from an export; values beyond are dropped.
    static constexpr int ColumnLimit = 3072;
    // The longest description a configuration holds, in characters: a sheet read here is
    // held to the bound every editor keeps. Whatever description an export writes reads
    // back, and is saved on a configuration file's line that reads back too.
    static constexpr qsizetype DescriptionLimit = description_bound::MaxLength;
    // The longest field of a row, in bytes: such a description at up to three bytes a
    // character in the local 8-bit encoding. Numbers and keys are held to it alike.
    static constexpr qsizetype FieldLimit = description_bound::MaxBytesPerCharacter * DescriptionLimit;
    // What the debug line of a row passed over shows of its start.
    static constexpr int KeyLimit = 32;

    dmx_sheet_reader(QIODevice &device, const dmx_sheet_kind &kind);

    // Replaces the records (owned by the caller) with those of the sheet once its first
    // line is accepted.
    result read(QList<dmx_sheet_record_class *> &records);

    // The rows of the last read that were passed over.
    const dmx_sheet_rows_passed_over &passedOver() const { return rowsPassedOver; }

    // Whether a first line (its line end removed) heads a DMX sheet: either page's header,
    // also after a UTF-8 byte-order mark or followed by the ";" a spreadsheet pads rows with.
    static bool isSheetHeader(QByteArray line);

private:
    // A row as read: its key and its values, at most ColumnLimit of them. The description
    // row keeps its values as text, every other row as the numbers they read as.
    struct sheet_row {
        QByteArray start;         // the first bytes of the line, for the debug stream
        bool isEmpty = true;      // the line holds nothing
        bool hasKey = false;      // the key field was read whole
        QByteArray key;
        bool isDescription = false;
        QList<QString> texts;
        QList<std::optional<int>> numbers;
        int firstPieceValues = 1; // values within the line's first piece
        bool passedOver = false;  // a field too long: the rest of the row was read and dropped

        qsizetype valueCount() const { return isDescription ? texts.size() : numbers.size(); }
    };
    class field_splitter;

    bool readPiece(int limit, QByteArray &piece);
    bool readRow(sheet_row &row);
    bool readHeader(QByteArray &header);
    void passOver(const sheet_row &row);
    bool applyRow(const sheet_row &row, QList<dmx_sheet_record_class *> &records);
    void applyValues(const sheet_row &row, QList<dmx_sheet_record_class *> &records);
    void numberRecords(QList<dmx_sheet_record_class *> &records) const;

    QIODevice &device;
    const dmx_sheet_kind &kind;
    dmx_sheet_rows_passed_over rowsPassedOver;
};
