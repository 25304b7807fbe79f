#include "link/kd620_controller_class.h"
#include "model/application_identity.h"
#include "model/image_layout.h"
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
// itself never holds the line.
bool writeLongLine(const QString &path, const QByteArray &head, char c, qint64 count)
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
    return file.flush();
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
};

QTEST_GUILESS_MAIN(tst_long_lines)

#include "tst_long_lines.moc"
