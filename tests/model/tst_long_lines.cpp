#include "link/kd620_controller_class.h"
#include "model/application_identity.h"
#include "model/image_layout.h"
#include "scenes/dmx_sheet_kind.h"
#include "scenes/dmx_sheet_reader.h"
#include "scenes/dmx_sheet_record_class.h"
#include "tests/support/config_file_builder.h"
#include "tests/support/scripted_interaction.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

// Freed memory must be reusable at once, so that the peak resident size shows what a
// reader holds, not what the address sanitizer keeps back in quarantine.
extern "C" const char *__asan_default_options()
{
    return "quarantine_size_mb=0";
}

namespace {

// A line of this many bytes would take twice as much as a string, and more while it grows.
constexpr qint64 LineBytes = 8 * 1024 * 1024;
// A sheet is read in small pieces, field by field: a line of this many bytes.
constexpr qint64 SheetLineBytes = 64 * 1024 * 1024;
// What a reader may take beyond what it held before, whatever the length of the line.
constexpr long MemoryBoundKiB = 16 * 1024;

// The largest resident size this process has had so far.
long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;  // KiB on Linux
}

// Writes head, then count bytes c without a line break, piece by piece so that the test
// itself never holds the line, then tail.
bool writeLongLine(const QString &path, const QByteArray &head, char c, qint64 count, const QByteArray &tail = {})
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size())
        return false;
    const QByteArray piece(1024 * 1024, c);
    for (qint64 left = count; left > 0; left -= piece.size()) {
        const QByteArray part = piece.left(qMin(left, qint64(piece.size())));
        if (file.write(part) != part.size())
            return false;
    }
    return file.write(tail) == tail.size() && file.flush();
}

} // namespace

// Files whose text part holds a line without end: what the readers keep of a line is
// bounded, so the memory they need does not grow with the file.
class tst_long_lines : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        // "xml_report.log" goes to the working directory.
        QVERIFY(QDir::setCurrent(dir.path()));
    }

    // The description is reported as faulty; the image is read all the same.
    void configurationFileDescription()
    {
        const QByteArray head = currentFormatFile(emptyConfigurationImage(), "\n<project>");
        QVERIFY(writeLongLine(path("long.cfg625"), head, 'a', LineBytes));
        scripted_interaction ui;
        kd620_controller_class c;
        const long before = peakResidentKiB();
        QCOMPARE(c.read_confDataFromFile(path("long.cfg625")), 0);
        const long grown = peakResidentKiB() - before;
        QVERIFY2(grown < MemoryBoundKiB, qPrintable(QStringLiteral("grew by %1 KiB").arg(grown)));
        QCOMPARE(ui.messageTitles(), (QStringList{"Errors occured!", application_identity::name()}));
        QVERIFY(readFileBytes(QStringLiteral("xml_report.log")).contains("line too long"));
    }

    // The line is no row: every day stays undescribed, which the reader asks about.
    void sunTable()
    {
        QVERIFY(writeLongLine(path("long.csv"), "1;6:00;18:00;", 'x', LineBytes));
        scripted_interaction ui;
        ui.answers << 1;  // Cancel
        kd620_controller_class c;
        const QByteArray table(reinterpret_cast<const char *>(c.confData) + image_layout::SunTable, 4 * image_layout::SunTableDays);
        const long before = peakResidentKiB();
        QCOMPARE(c.readSunTable(path("long.csv")), -2);
        const long grown = peakResidentKiB() - before;
        QVERIFY2(grown < MemoryBoundKiB, qPrintable(QStringLiteral("grew by %1 KiB").arg(grown)));
        QCOMPARE(ui.messageTitles(), QStringList{"Incomplete file!"});
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(c.confData) + image_layout::SunTable, 4 * image_layout::SunTableDays), table);
    }

    void dmxSheet_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<char>("filler");
        QTest::addColumn<int>("columns");
        // A row without ";" far longer than any field of a sheet, as its key or as a
        // description, is passed over.
        QTest::newRow("key without end") << QByteArray("C1") << '0' << 1;
        QTest::newRow("description without end") << QByteArray("desc;") << 'a' << 1;
        // A row of empty cells without end is read field by field: its first 3072 make
        // columns, the rest are dropped.
        QTest::newRow("cells without end") << QByteArray("C1") << ';' << int(dmx_sheet_reader::ColumnLimit);
    }

    // The rows after the long one are read.
    void dmxSheet()
    {
        QFETCH(QByteArray, head);
        QFETCH(char, filler);
        QFETCH(int, columns);
        QVERIFY(writeLongLine(path("long.dmx"), "QVR DMX sheet\n" + head, filler, SheetLineBytes, "\nC2;7\n"));
        QFile file(path("long.dmx"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (columns == 1) {
            const QByteArray start = (head + QByteArray(dmx_sheet_reader::KeyLimit, filler)).left(dmx_sheet_reader::KeyLimit);
            QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("Row with a field longer than a sheet holds passed over: \"%1\"")
                                                            .arg(QString::fromLatin1(start))));
        }
        QList<dmx_sheet_record_class *> records;
        const long before = peakResidentKiB();
        const dmx_sheet_reader::result result = dmx_sheet_reader(file, dmx_sheet_kind::scenes()).read(records);
        const long grown = peakResidentKiB() - before;
        const int count = int(records.size());
        const int level = count > 0 ? records.first()->levels[1] : -1;
        qDeleteAll(records);
        QVERIFY2(grown < MemoryBoundKiB, qPrintable(QStringLiteral("grew by %1 KiB").arg(grown)));
        QCOMPARE(result, dmx_sheet_reader::Read);
        QCOMPARE(count, columns);
        QCOMPARE(level, 7);
    }
};

QTEST_GUILESS_MAIN(tst_long_lines)

#include "tst_long_lines.moc"
