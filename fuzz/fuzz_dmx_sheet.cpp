// Reads the input as a DMX sheet on the scene and on the mask page. Whatever the bytes, the
// records read are numbered within the page's numbers, sorted, and never more than the
// column limit; a refused sheet leaves the earlier records alone.

#include "scenes/dmx_sheet_kind.h"
#include "scenes/dmx_sheet_reader.h"
#include "scenes/dmx_sheet_record_class.h"

#include <QBuffer>
#include <QByteArray>
#include <QtGlobal>

#include <cstdint>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The reader tells of every row it skips; a fuzzer has no use for it.
void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
}

void readAs(const QByteArray &bytes, const dmx_sheet_kind &kind)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QList<dmx_sheet_record_class *> records{new dmx_sheet_record_class};
    records.first()->number = 1;
    const dmx_sheet_reader::result result = dmx_sheet_reader(buffer, kind).read(records);
    switch (result) {
    case dmx_sheet_reader::InvalidSheet:
        check(records.size() == 1 && records.first()->number == 1);
        break;
    case dmx_sheet_reader::NoColumns:
    case dmx_sheet_reader::NoMemory:
        check(records.isEmpty());
        break;
    case dmx_sheet_reader::Read:
        check(!records.isEmpty() && records.size() <= dmx_sheet_reader::ColumnLimit);
        for (qsizetype i = 0; i < records.size(); ++i) {
            check(records[i]->number >= 1 && records[i]->number <= kind.count());
            check(i == 0 || records[i - 1]->number <= records[i]->number);
        }
        break;
    }
    qDeleteAll(records);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QtMessageHandler previous = qInstallMessageHandler(quiet);
    Q_UNUSED(previous);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    readAs(bytes, dmx_sheet_kind::scenes());
    readAs(bytes, dmx_sheet_kind::masks());
    return 0;
}
