#pragma once

#include "model/controller_configuration_class.h"

#include <QByteArray>
#include <QList>

class QIODevice;
class dmx_sheet_record_class;
struct dmx_sheet_kind;

// Reads a DMX sheet into records, one a column, for the scene or the mask page.
//
// Reading is forgiving: unknown rows are skipped with a line on the debug stream, cells
// that are empty or no number leave their field as it is, numbers out of range are
// clamped, columns without a number get the lowest free one. What can't be stored is
// never kept: a column that finds no free number is dropped.
class dmx_sheet_reader
{
public:
    enum result {
        Read,          // records read, numbered and sorted by number
        InvalidSheet,  // nothing to read, or the first line is no sheet header; records untouched
        NoMemory,      // a record could not be had; all records deleted
        NoColumns,     // the sheet has no columns; the list is empty
    };

    // Pieces of a line as the sheet is read: the first line up to 1499 bytes, every other
    // up to 1999; a longer line continues in the next piece.
    static constexpr int FirstLineLimit = 1499;
    static constexpr int PieceLimit = 1999;
    // More columns than there are scenes can't come from an export; values beyond are dropped.
    static constexpr int ColumnLimit = 3072;
    // The longest row a sheet can hold, line end aside: its key (room for blanks and leading
    // zeros in a channel key), then a full column of the widest field, a description of
    // 100 characters at up to three bytes each in the local 8-bit encoding. A longer row
    // is passed over, so that a line without end never has to be held whole.
    static constexpr int KeyLimit = 32;
    static constexpr int FieldLimit = 3 * controller_configuration_class::DescriptionLength;
    static constexpr qsizetype RowLimit = KeyLimit + qsizetype(ColumnLimit) * (1 + FieldLimit);

    dmx_sheet_reader(QIODevice &device, const dmx_sheet_kind &kind);

    // Replaces the records (owned by the caller) with those of the sheet once its first
    // line is accepted.
    result read(QList<dmx_sheet_record_class *> &records);

    // Whether a first line (its line end removed) heads a DMX sheet: either page's header,
    // also after a UTF-8 byte-order mark or followed by the ";" a spreadsheet pads rows with.
    static bool isSheetHeader(QByteArray line);

private:
    struct sheet_line {
        QByteArray text;        // line end removed
        int firstPieceValues;   // values within the line's first piece
        bool tooLong;           // longer than RowLimit: text holds only its start
    };

    bool readPiece(int limit, QByteArray &piece);
    bool readLine(sheet_line &line);
    bool readHeader(QByteArray &header);
    bool applyLine(const sheet_line &line, QList<dmx_sheet_record_class *> &records);
    void applyRow(const QString &key, const QList<QByteArray> &values, QList<dmx_sheet_record_class *> &records);
    void numberRecords(QList<dmx_sheet_record_class *> &records) const;

    QIODevice &device;
    const dmx_sheet_kind &kind;
};
