#include "link/upgrade_file.h"
#include "tests/support/upgrade_file_builder.h"

#include <QBuffer>
#include <QtTest>

#include <functional>
#include <vector>

namespace {

using header_status = upgrade_file::header_status;
using block_status = upgrade_file::block_status;

// Makes the bytes of one file.
using file_maker = std::function<QByteArray()>;

upgrade_file_builder wholeFile()
{
    upgrade_file_builder b;
    b.setBlock(0, upgrade_file_builder::pattern(0, 0x7000));
    b.setBlock(1, upgrade_file_builder::pattern(1, 0x10000));
    b.setBlock(2, upgrade_file_builder::pattern(2, 0x800));
    b.setBlock(4, upgrade_file_builder::pattern(4, 0x4000));
    return b;
}

upgrade_file_builder withText(const QByteArray &text)
{
    upgrade_file_builder b;
    b.headerText = text;
    return b;
}

// The file with one table entry saying something else.
QByteArray withEntry(upgrade_file_builder b, int index, u32 offset, u16 lengthField)
{
    b.overrideEntry(index, offset, lengthField);
    return b.bytes();
}

QByteArray withByte(QByteArray bytes, int at, char value)
{
    bytes[at] = value;
    return bytes;
}

header_status readHeader(const QByteArray &bytes, upgrade_file &file)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return file.readHeader(buffer);
}

QString versionText(const std::optional<firmware_version> &v)
{
    return v ? QStringLiteral("%1.%2.%3").arg(v->major).arg(v->minor).arg(v->build) : QStringLiteral("none");
}

} // namespace

Q_DECLARE_METATYPE(file_maker)
Q_DECLARE_METATYPE(upgrade_file::header_status)
Q_DECLARE_METATYPE(upgrade_file::block_status)

class tst_upgrade_file : public QObject
{
    Q_OBJECT

private slots:
    void header_data();
    void header();
    void version_data();
    void version();
    void blockPrepared_data();
    void blockPrepared();
    void unscramblingKnownAnswer_data();
    void unscramblingKnownAnswer();
    void blockFailures_data();
    void blockFailures();
};

void tst_upgrade_file::header_data()
{
    QTest::addColumn<file_maker>("make");
    QTest::addColumn<header_status>("status");
    QTest::addColumn<int>("present");

    // A header text after which the run of 0x1A bytes starts at `at`.
    const auto runAt = [](int at) { return QByteArray(at - upgrade_file::HeaderTextStart - 1, 'x'); };
    const int run = upgrade_file_builder().markRunLength;
    const int tableEndsAt400 = upgrade_file::HeaderSize - 40 - run;

    QTest::newRow("four blocks") << file_maker([] { return wholeFile().bytes(); }) << header_status::Ok << 4;
    QTest::newRow("no blocks") << file_maker([] { return upgrade_file_builder().bytes(); }) << header_status::Ok << 0;
    QTest::newRow("byte 10 is not examined")
        << file_maker([] { return withByte(wholeFile().bytes(), 10, 'X'); }) << header_status::Ok << 4;
    QTest::newRow("empty file") << file_maker([] { return QByteArray(); }) << header_status::TooShort << 0;
    QTest::newRow("399 bytes") << file_maker([] { return upgrade_file_builder().bytes().left(399); })
                               << header_status::TooShort << 0;
    QTest::newRow("magic differs in its last byte")
        << file_maker([] { return withByte(wholeFile().bytes(), 9, 'H'); }) << header_status::NotUpgradeFile << 0;
    QTest::newRow("no 0x1A byte") << file_maker([] {
        upgrade_file_builder b;
        b.markRunLength = 0;
        return b.bytes();
    }) << header_status::NotUpgradeFile << 0;
    QTest::newRow("table ends at byte 400")
        << file_maker([=] { return withText(runAt(tableEndsAt400)).bytes(); }) << header_status::Ok << 0;
    QTest::newRow("table ends at byte 401")
        << file_maker([=] { return withText(runAt(tableEndsAt400 + 1)).bytes(); }) << header_status::NotUpgradeFile
        << 0;
    QTest::newRow("first 0x1A at byte 399")
        << file_maker([=] { return withText(runAt(399)).bytes(); }) << header_status::NotUpgradeFile << 0;
    QTest::newRow("last block one byte short")
        << file_maker([] { return wholeFile().bytes().chopped(1); }) << header_status::NotUpgradeFile << 0;
    QTest::newRow("block beyond the end")
        << file_maker([] { return withEntry(wholeFile(), 3, 0x10000000, 0); }) << header_status::NotUpgradeFile << 0;
    QTest::newRow("offset and length past 4 GB")
        << file_maker([] { return withEntry(wholeFile(), 2, 0xFFFFFFF0, 0xFFFF); }) << header_status::NotUpgradeFile
        << 0;
    QTest::newRow("block inside the header")
        << file_maker([] { return withEntry(upgrade_file_builder(), 1, 0, 399); }) << header_status::Ok << 1;
}

void tst_upgrade_file::header()
{
    QFETCH(file_maker, make);
    upgrade_file file;
    QTEST(readHeader(make(), file), "status");
    QTEST(file.presentBlocks(), "present");
}

void tst_upgrade_file::version_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("version");

    QTest::newRow("after other text") << QByteArray("KD625 v_3.0.12") << "3.0.12";
    QTest::newRow("right at offset 11: never checked") << QByteArray("v_3.0.12") << "none";
    QTest::newRow("first one at offset 11") << QByteArray("v_1.0.0 v_3.0.12") << "none";
    QTest::newRow("behind a NUL") << QByteArray("KD625\0 v_3.0.12", 15) << "none";
    QTest::newRow("no version") << QByteArray("KD625 firmware") << "none";
    QTest::newRow("two numbers") << QByteArray("KD625 v_3.1") << "none";
    QTest::newRow("empty number") << QByteArray("KD625 v_3..12") << "none";
    QTest::newRow("blanks before numbers") << QByteArray("KD625 v_ 3. 0.\t12") << "3.0.12";
    QTest::newRow("blank before a dot") << QByteArray("KD625 v_3 .0.12") << "none";
    QTest::newRow("text behind") << QByteArray("KD625 v_3.0.12beta") << "3.0.12";
    QTest::newRow("signs") << QByteArray("KD625 v_-1.+2.-3") << "-1.2.-3";
    QTest::newRow("kept in 8, 8 and 16 bits") << QByteArray("KD625 v_300.200.70000") << "44.-56.4464";
    QTest::newRow("numbers out of range saturate")
        << QByteArray("KD625 v_3.-99999999999999999999999.99999999999999999999999") << "3.0.-1";
}

void tst_upgrade_file::version()
{
    QFETCH(QByteArray, text);
    upgrade_file file;
    QCOMPARE(readHeader(withText(text).bytes(), file), header_status::Ok);
    QTEST(versionText(file.version), "version");
}

void tst_upgrade_file::blockPrepared_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("length");

    QTest::newRow("block 0 of 0x7000 bytes: padded") << 0 << 0x7000;
    QTest::newRow("block 1 whole") << 1 << 0x10000;
    QTest::newRow("block 3 of 16 bytes") << 3 << 16;
    QTest::newRow("block 4 longer than its place: cut") << 4 << 0x4100;
    QTest::newRow("block 2 of 0x10000 stored bytes, the most a table entry can say") << 2 << 0x10000;
}

void tst_upgrade_file::blockPrepared()
{
    QFETCH(int, index);
    QFETCH(int, length);
    const QByteArray plain = upgrade_file_builder::pattern(index, length);
    upgrade_file_builder b;
    b.setBlock(index, plain);
    QBuffer buffer;
    buffer.setData(b.bytes());
    buffer.open(QIODevice::ReadOnly);
    upgrade_file file;
    QCOMPARE(file.readHeader(buffer), header_status::Ok);

    std::vector<u8> block(upgrade_file::BufferSize, 0);
    QCOMPARE(file.prepareBlock(buffer, index, block.data()), block_status::Ok);
    const QByteArray prepared(reinterpret_cast<const char *>(block.data()), upgrade_file::blockSize(index));
    QCOMPARE(prepared, upgrade_file_builder::flashImage(index, plain));
}

void tst_upgrade_file::unscramblingKnownAnswer_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("flash");  // the first bytes; the rest of the block is 0xFF

    // Worked out apart from the program, key and group exchange by hand.
    QByteArray rising(80, '\0');
    for (int i = 0; i < rising.size(); ++i)
        rising[i] = char(i * 3);
    QTest::newRow("80 bytes, past the key's end")
        << rising
        << QByteArray::fromHex("d88a5196c70170307b1c4a00aee94f2d9f77c03e75e2ce57bf31f042d8a55140ba936eecbb102ed6"
                               "86b16e559d1539e079a0c09e37127da49cfe748616a6d761184a915607c1b0f0bbdc8ac06e298fed");
    // A last partial group is exchanged with the fill behind it, and the fill then laid
    // over it again: its bytes do not reach the flash.
    QByteArray twenty(20, '\0');
    for (int i = 0; i < twenty.size(); ++i)
        twenty[i] = char(0x40 + i);
    QTest::newRow("20 bytes: partial last group")
        << twenty << QByteArray::fromHex("88d805fcaf6b14523b5e0e4ae6a31b7fffffffff");
}

void tst_upgrade_file::unscramblingKnownAnswer()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, flash);
    upgrade_file_builder b;
    b.setStoredBlock(4, stored);
    QBuffer buffer;
    buffer.setData(b.bytes());
    buffer.open(QIODevice::ReadOnly);
    upgrade_file file;
    QCOMPARE(file.readHeader(buffer), header_status::Ok);
    std::vector<u8> block(upgrade_file::BufferSize, 0);
    QCOMPARE(file.prepareBlock(buffer, 4, block.data()), block_status::Ok);

    const QByteArray expected = flash + QByteArray(upgrade_file::blockSize(4) - flash.size(), char(0xFF));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(block.data()), upgrade_file::blockSize(4)), expected);
}

void tst_upgrade_file::blockFailures_data()
{
    QTest::addColumn<bool>("spoilChecksum");
    QTest::addColumn<int>("keptBytes");  // of the file, once the header was read; -1 all
    QTest::addColumn<block_status>("status");

    QTest::newRow("checksum differs") << true << -1 << block_status::ChecksumWrong;
    QTest::newRow("file shrank inside the block") << false << 0x300 << block_status::ReadFailed;
    QTest::newRow("file shrank before the block") << false << 0x180 << block_status::SeekFailed;
}

void tst_upgrade_file::blockFailures()
{
    QFETCH(bool, spoilChecksum);
    QFETCH(int, keptBytes);
    upgrade_file_builder b;
    b.setBlock(1, upgrade_file_builder::pattern(1, 0x400));
    if (spoilChecksum)
        b.spoilChecksum(1);
    QByteArray bytes = b.bytes();  // the block is stored from 0x190 to 0x590
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    upgrade_file file;
    QCOMPARE(file.readHeader(buffer), header_status::Ok);
    if (keptBytes >= 0)
        bytes.truncate(keptBytes);

    std::vector<u8> block(upgrade_file::BufferSize, 0);
    QFETCH(block_status, status);
    if (status == block_status::SeekFailed)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("QBuffer::seek"));
    QCOMPARE(file.prepareBlock(buffer, 1, block.data()), status);
}

QTEST_GUILESS_MAIN(tst_upgrade_file)
#include "tst_upgrade_file.moc"
