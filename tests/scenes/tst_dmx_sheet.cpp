#include "model/controller_configuration_class.h"
#include "model/image_layout.h"
#include "model/scene_times_record.h"
#include "scenes/dmx_sheet_kind.h"
#include "scenes/dmx_sheet_reader.h"
#include "scenes/dmx_sheet_record_class.h"
#include "scenes/dmx_sheet_writer.h"
#include "scenes/level_set.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/file_size_limit.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace image_layout;

namespace {

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("cannot read ") + name.toLocal8Bit();
    return file.readAll();
}

const dmx_sheet_kind &kindNamed(const QString &name)
{
    return name == QLatin1String("masks") ? dmx_sheet_kind::masks() : dmx_sheet_kind::scenes();
}

// A record as one line: number, fade-up/duration/fade-down ("inf" for infinite), the levels
// that are not 0, the description in quotes when there is one.
QString summary(const dmx_sheet_record_class &record)
{
    QString text = QStringLiteral("%1 %2/%3/%4")
                       .arg(record.number)
                       .arg(record.fadeUp)
                       .arg(record.duration == scene_times_record::Infinite ? QStringLiteral("inf")
                                                                             : QString::number(record.duration))
                       .arg(record.fadeDown);
    for (int channel = 0; channel < int(ChannelCount); ++channel) {
        if (record.levels[channel] != 0)
            text += QStringLiteral(" C%1=%2").arg(channel + 1).arg(record.levels[channel]);
    }
    if (!record.description.isEmpty())
        text += QStringLiteral(" '%1'").arg(record.description);
    return text;
}

QString summary(const QList<dmx_sheet_record_class *> &records)
{
    QStringList lines;
    for (const dmx_sheet_record_class *record : records)
        lines << summary(*record);
    return lines.join(QStringLiteral(" | "));
}

struct read_outcome {
    dmx_sheet_reader::result result;
    QList<dmx_sheet_record_class *> records;
    dmx_sheet_rows_passed_over passedOver;
    ~read_outcome() { qDeleteAll(records); }
};

void readSheet(const QByteArray &bytes, const dmx_sheet_kind &kind, read_outcome &outcome)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    dmx_sheet_reader reader(buffer, kind);
    outcome.result = reader.read(outcome.records);
    outcome.passedOver = reader.passedOver();
}

// The debug line of a row passed over; it shows the row's first bytes, which are matched
// up to the first that the debug stream escapes.
void expectPassedOver(const QByteArray &row)
{
    QByteArray start = row.left(dmx_sheet_reader::KeyLimit);
    const auto escaped = std::find_if(start.begin(), start.end(), [](char c) { return uchar(c) >= 0x80; });
    start.truncate(escaped - start.begin());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Row with a field longer than a sheet holds passed over: \"")
                                                        + QRegularExpression::escape(QString::fromLatin1(start))));
}

// What a row passed over would have set, as one line: "rise last fall desc C7 C512".
QString passedOverFields(const dmx_sheet_rows_passed_over &passed)
{
    QStringList fields;
    if (passed.fadeUp)
        fields << QStringLiteral("rise");
    if (passed.duration)
        fields << QStringLiteral("last");
    if (passed.fadeDown)
        fields << QStringLiteral("fall");
    if (passed.description)
        fields << QStringLiteral("desc");
    for (size_t channel = 0; channel < passed.channels.size(); ++channel) {
        if (passed.channels.test(channel))
            fields << QStringLiteral("C%1").arg(channel + 1);
    }
    return fields.join(QLatin1Char(' '));
}

// The descriptions of a long description row: 40 texts of 100 letters each, every one
// different, so a text cut at a piece boundary and joined wrongly shows.
QStringList longDescriptions()
{
    QStringList texts;
    for (int i = 0; i < 40; ++i)
        texts << QString(96, QChar(u'a' + i % 26)) + QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
    return texts;
}

} // namespace

class tst_dmx_sheet : public QObject
{
    Q_OBJECT

private slots:
    void sceneSheetGolden();
    void maskSheetGolden();
    void writtenRows_data();
    void writtenRows();
    void writeReplacesTheFile();
    void failedWriteKeepsTheOldFile();
    void header_data();
    void header();
    void parse_data();
    void parse();
    void wholeConfigurationRoundTrip();
    void readingIsBounded();
    void rowLength_data();
    void rowLength();
    void passedOverRows_data();
    void passedOverRows();
    void passedOverNumberRow();
};

// Scenes 5 and 6: scene 5 fades up in 1 s, lasts for ever, has channel 1 at full; scene 6
// lasts 3 s, fades down in 2 s, has channel 2 at 128.
void tst_dmx_sheet::sceneSheetGolden()
{
    controller_configuration_class c;
    const level_set &scenes = level_set::scenes();
    for (int scene : {4, 5})
        std::fill_n(scenes.levels(c.confData, scene), ChannelCount, u8(0));
    scenes.setTimes(c.confData, 4, {10, 0xFFFF, 0, 0});
    scenes.setTimes(c.confData, 5, {0, 30, 20, 0});
    scenes.levels(c.confData, 4)[0] = 255;
    scenes.levels(c.confData, 5)[1] = 128;
    c.sceneDescs[4] = QStringLiteral("Intro");
    c.sceneDescs[5] = QStringLiteral("Blue wash");
    const QByteArray text = dmxSheetText(c, dmx_sheet_kind::scenes(), 5, 6);
    QCOMPARE(text.count('\n'), 518);
    QCOMPARE(text, fileBytes(QFINDTESTDATA("data/scenes_5_6.dmx")));
}

// Masks 191..193 of a cleared configuration straddle the cleared levels 255 and 0; no
// "LastTime" row; a ";" and a line break inside a description are written as blanks.
void tst_dmx_sheet::maskSheetGolden()
{
    controller_configuration_class c;
    const level_set &masks = level_set::masks();
    masks.setTimes(c.confData, 191, {5, 1234, 65535, 0});
    masks.levels(c.confData, 191)[511] = 7;
    c.maskDescs[190] = QStringLiteral("Left;right");
    c.maskDescs[192] = QStringLiteral("two\r\nlines");
    const QByteArray text = dmxSheetText(c, dmx_sheet_kind::masks(), 191, 193);
    QCOMPARE(text.count('\n'), 517);
    QCOMPARE(text, fileBytes(QFINDTESTDATA("data/masks_191_193.dmx")));
}

void tst_dmx_sheet::writtenRows_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QByteArray>("row");

    QTest::newRow("one column") << 7 << 7 << QByteArray("scene;7\n");
    QTest::newRow("durations: infinite, 65534, 0") << 1 << 3 << QByteArray("LastTime;-1;65534;0\n");
    QTest::newRow("fade-ups") << 1 << 3 << QByteArray("RiseTime;65535;0;1\n");
    QTest::newRow("empty descriptions") << 7 << 9 << QByteArray("desc;;;\n");
    QTest::newRow("the last channel, the last scene") << 3071 << 3072 << QByteArray("C512;0;99\n");
}

void tst_dmx_sheet::writtenRows()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QByteArray, row);
    controller_configuration_class c;
    const level_set &scenes = level_set::scenes();
    scenes.setTimes(c.confData, 0, {65535, 0xFFFF, 0, 0});
    scenes.setTimes(c.confData, 1, {0, 0xFFFE, 0, 0});
    scenes.setTimes(c.confData, 2, {1, 0, 0, 0});
    scenes.levels(c.confData, 3071)[511] = 99;
    const QByteArray text = dmxSheetText(c, dmx_sheet_kind::scenes(), from, to);
    QVERIFY2(text.contains("\n" + row), text.left(200).constData());
    QVERIFY(text.endsWith('\n'));
    QVERIFY(!text.contains('\r'));
}

void tst_dmx_sheet::writeReplacesTheFile()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("old.dmx"));
    QFile old(name);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(10000, 'x'));
    old.close();
    QCOMPARE(writeDmxSheet(name, "QVR DMX sheet\n"), sheet_write_result::Written);
    QCOMPARE(fileBytes(name), QByteArray("QVR DMX sheet\n"));
    QCOMPARE(writeDmxSheet(dir.filePath(QStringLiteral("no/such/folder.dmx")), "x"), sheet_write_result::CannotOpen);
}

void tst_dmx_sheet::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("old.dmx"));
    QFile old(name);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old sheet\n");
    old.close();
    controller_configuration_class c;
    const QByteArray text = dmxSheetText(c, dmx_sheet_kind::scenes(), 1, 100);
    sheet_write_result result;
    {
        const file_size_limit limit(4096);
        result = writeDmxSheet(name, text);
    }
    QCOMPARE(result, sheet_write_result::CannotWrite);
    QCOMPARE(fileBytes(name), QByteArray("old sheet\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.dmx")});
}

void tst_dmx_sheet::header_data()
{
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("scene header") << QByteArray("QVR DMX sheet\n") << true;
    QTest::newRow("mask header") << QByteArray("Tavrine DMX sheet\n") << true;
    QTest::newRow("CR LF") << QByteArray("QVR DMX sheet\r\n") << true;
    QTest::newRow("padded by a spreadsheet") << QByteArray("Tavrine DMX sheet;;;\n") << true;
    QTest::newRow("padded past the first piece") << QByteArray("QVR DMX sheet" + QByteArray(3071, ';') + "\r\n")
                                                 << true;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFQVR DMX sheet;;\n") << true;
    QTest::newRow("no line end") << QByteArray("QVR DMX sheet") << true;
    QTest::newRow("letter case") << QByteArray("qvr dmx sheet\n") << false;
    QTest::newRow("blank before") << QByteArray(" QVR DMX sheet\n") << false;
    QTest::newRow("text after") << QByteArray("QVR DMX sheet;x\n") << false;
    QTest::newRow("a row first") << QByteArray("scene;1;2\n") << false;
    QTest::newRow("empty line") << QByteArray("\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("endless first line") << QByteArray("QVR DMX sheet" + QByteArray(100000, ';')) << false;
}

// A sheet whose first line is refused leaves the records of an earlier reading alone.
void tst_dmx_sheet::header()
{
    QFETCH(QByteArray, firstLine);
    QFETCH(bool, accepted);
    read_outcome outcome;
    outcome.records << new dmx_sheet_record_class;
    outcome.records.first()->number = 77;
    readSheet(firstLine + (firstLine.endsWith('\n') ? "C1;5\n" : ""), dmx_sheet_kind::scenes(), outcome);
    if (!accepted) {
        QCOMPARE(outcome.result, dmx_sheet_reader::InvalidSheet);
        QCOMPARE(summary(outcome.records), QStringLiteral("77 0/inf/0"));
    } else if (firstLine.endsWith('\n')) {
        QCOMPARE(outcome.result, dmx_sheet_reader::Read);
        QCOMPARE(summary(outcome.records), QStringLiteral("1 0/inf/0 C1=5"));
    } else {
        QCOMPARE(outcome.result, dmx_sheet_reader::NoColumns);
        QVERIFY(outcome.records.isEmpty());
    }
}

void tst_dmx_sheet::parse_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("records");
    QTest::addColumn<QStringList>("debugLines");

    const int read = dmx_sheet_reader::Read;
    const QByteArray scene = "QVR DMX sheet\n";
    const QByteArray mask = "Tavrine DMX sheet\n";

    QTest::newRow("numbers clamped") << "scenes" << scene + "scene;0;-3;5000\n" << read
                                     << "1 0/inf/0 | 1 0/inf/0 | 3072 0/inf/0" << QStringList();
    QTest::newRow("mask numbers clamped") << "masks" << mask + "mask;0;300;256\n" << read
                                          << "1 0/inf/0 | 256 0/inf/0 | 256 0/inf/0" << QStringList();
    QTest::newRow("times") << "scenes"
                           << scene + "scene;1;2;3;4\nRiseTime;-5;70000;+7; 8 \nLastTime;-1;70000;65534;0\n"
                                      "FallTime;65535;65536;x;\n"
                           << read << "1 0/inf/65535 | 2 65535/inf/65535 | 3 7/65534/0 | 4 8/0/0" << QStringList();
    QTest::newRow("levels clamped, bad cells kept") << "scenes" << scene + "C3;300;-1; 7 ;x;\nC3;;;;1;\n" << read
                                                    << "1 0/inf/0 C3=255 | 2 0/inf/0 | 3 0/inf/0 C3=7 | "
                                                       "4 0/inf/0 C3=1 | 5 0/inf/0"
                                                    << QStringList();
    QTest::newRow("CR LF, blank lines, no final line end")
        << "scenes" << scene + "scene;2;1\r\n\r\n\nC1;4;5\r\n\ndesc;two;one" << read
        << "1 0/inf/0 C1=5 'one' | 2 0/inf/0 C1=4 'two'" << QStringList();
    QTest::newRow("bad channel keys")
        << "scenes" << scene + "C0;1\nC513;1\nC;1\nComment;1\nC07;9\n" << read << "1 0/inf/0 C7=9"
        << QStringList{"Invalid value: 0", "Invalid value: 513", "Invalid value: 0", "Invalid value: 0"};
    QTest::newRow("bad channel key on the mask page")
        << "masks" << mask + "C513;1;2\n" << read << "1 0/inf/0 | 2 0/inf/0" << QStringList{"Invalid value : 513"};
    QTest::newRow("unknown keys make columns")
        << "scenes" << scene + "scene;4\nfoo;1;2;3\nRISETIME;5\n" << read << "1 0/inf/0 | 2 0/inf/0 | 4 0/inf/0"
        << QStringList{"\"foo\" : niezinterpretowany!", "\"RISETIME\" : niezinterpretowany!"};
    QTest::newRow("mask sheet on the scene page")
        << "scenes" << mask + "mask;9;8\nRiseTime;1;2\nC2;3;4\n" << read << "1 1/inf/0 C2=3 | 2 2/inf/0 C2=4"
        << QStringList{"\"mask\" : niezinterpretowany!"};
    QTest::newRow("scene sheet on the mask page")
        << "masks" << scene + "scene;9\nLastTime;30\nRiseTime;2\n" << read << "1 2/30/0"
        << QStringList{"\"scene\" : niezinterpretowany!"};
    QTest::newRow("lowest free numbers in column order")
        << "scenes" << scene + "scene;5;;7;\n" << read << "1 0/inf/0 | 2 0/inf/0 | 5 0/inf/0 | 7 0/inf/0"
        << QStringList();
    QTest::newRow("equal numbers kept") << "scenes" << scene + "scene;3;3\nC1;1;2\n" << read
                                        << "3 0/inf/0 C1=1 | 3 0/inf/0 C1=2" << QStringList();
    QTest::newRow("key without values") << "scenes" << scene + "desc\n" << read << "1 0/inf/0" << QStringList();
    // The description row's values make columns too.
    QTest::newRow("descriptions as they stand")
        << "scenes" << scene + "scene;1;2;3\ndesc; spaced ;\xC3\xA9t\xC3\xA9;third;fourth\n" << read
        << QString::fromUtf8("1 0/inf/0 ' spaced ' | 2 0/inf/0 'été' | 3 0/inf/0 'third' | 4 0/inf/0 'fourth'")
        << QStringList();

    // A description row of about 4000 bytes: three pieces, texts cut at both boundaries.
    const QStringList texts = longDescriptions();
    QByteArray numbers = "scene";
    QStringList expected;
    for (int i = 0; i < texts.size(); ++i) {
        numbers += ";" + QByteArray::number(i + 1);
        expected << QStringLiteral("%1 0/inf/0%2 '%3'").arg(i + 1).arg(QLatin1String(i == 0 ? " C1=1" : "")).arg(texts[i]);
    }
    QTest::newRow("description row over 3000 bytes")
        << "scenes" << scene + numbers + "\ndesc;" + texts.join(';').toLatin1() + "\nC1;1\n" << read
        << expected.join(QStringLiteral(" | "))
        << QStringList();

    QTest::newRow("header only") << "scenes" << scene << int(dmx_sheet_reader::NoColumns) << "" << QStringList();
    QTest::newRow("header and blank lines") << "masks" << mask + "\r\n\n" << int(dmx_sheet_reader::NoColumns) << ""
                                            << QStringList();
    QTest::newRow("empty file") << "scenes" << QByteArray() << int(dmx_sheet_reader::InvalidSheet) << ""
                                << QStringList();
}

void tst_dmx_sheet::parse()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, sheet);
    QFETCH(int, result);
    QFETCH(QString, records);
    QFETCH(QStringList, debugLines);
    for (const QString &line : debugLines)
        QTest::ignoreMessage(QtDebugMsg, qPrintable(line));
    read_outcome outcome;
    readSheet(sheet, kindNamed(kind), outcome);
    QCOMPARE(int(outcome.result), result);
    QCOMPARE(summary(outcome.records), records);
}

// Every scene of a fully populated configuration written in one sheet (rows far longer than
// a piece) and read back: every level, time and description as it was.
void tst_dmx_sheet::wholeConfigurationRoundTrip()
{
    controller_configuration_class c;
    populateConfiguration(c);
    for (const dmx_sheet_kind *kind : {&dmx_sheet_kind::scenes(), &dmx_sheet_kind::masks()}) {
        const level_set &set = kind->set;
        read_outcome outcome;
        readSheet(dmxSheetText(c, *kind, 1, set.count), *kind, outcome);
        QCOMPARE(outcome.result, dmx_sheet_reader::Read);
        QCOMPARE(outcome.records.size(), set.count);
        for (int n = 0; n < set.count; ++n) {
            const dmx_sheet_record_class &record = *outcome.records[n];
            const scene_times_record times = set.times(c.confData, n);
            QCOMPARE(record.number, u16(n + 1));
            QCOMPARE(record.fadeUp, times.fadeUp);
            // The mask sheet has no durations: they read as infinite.
            QCOMPARE(record.duration, kind->writesDuration ? times.duration : scene_times_record::Infinite);
            QCOMPARE(record.fadeDown, times.fadeDown);
            QVERIFY(std::equal(record.levels.begin(), record.levels.end(), set.levels(c.confData, n)));
            QCOMPARE(record.description, set.description(c, n));
        }
    }
}

// Columns beyond the scenes' count are never made, whatever a row holds; on the mask page
// columns that find no free number are dropped.
void tst_dmx_sheet::readingIsBounded()
{
    {
        read_outcome outcome;
        readSheet("QVR DMX sheet\nC1" + QByteArray(200000, ';') + "\n", dmx_sheet_kind::scenes(), outcome);
        QCOMPARE(outcome.result, dmx_sheet_reader::Read);
        QCOMPARE(outcome.records.size(), dmx_sheet_reader::ColumnLimit);
        QCOMPARE(outcome.records.last()->number, u16(3072));
    }
    {
        // Mask 3 is taken by column 4; columns 1..256 but 4 take the other 255 numbers.
        for (int column = 257; column <= 300; ++column)
            QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("No free number for column %1 of the sheet: dropped").arg(column)));
        read_outcome outcome;
        readSheet("Tavrine DMX sheet\nmask;;;;3\nC1" + QByteArray(300, ';') + "\n", dmx_sheet_kind::masks(), outcome);
        QCOMPARE(outcome.result, dmx_sheet_reader::Read);
        QCOMPARE(outcome.records.size(), 256);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(outcome.records[i]->number, u16(i + 1));
    }
}

void tst_dmx_sheet::rowLength_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<bool>("kept");

    const qsizetype longest = dmx_sheet_reader::DescriptionLimit;
    const QByteArray euro = QString(QChar(0x20AC)).toUtf8();
    // 3072 descriptions of 100 characters of three bytes; and of their number and 151
    // two-byte letters, 942,002 bytes in all: rows of any length are read whole.
    QByteArray euros = "desc";
    QByteArray letters = "desc";
    for (int column = 0; column < dmx_sheet_reader::ColumnLimit; ++column) {
        euros += ";" + euro.repeated(100);
        letters += ";" + QByteArray::number(column + 1) + QString(151, QChar(0x105)).toUtf8();
    }
    QTest::newRow("3072 descriptions of 100 three-byte characters") << euros << true;
    QTest::newRow("3072 descriptions of a number and 151 two-byte letters") << letters << true;
    // A description as long as the configuration holds, every character three bytes.
    QTest::newRow("the longest description") << QByteArray("desc;" + euro.repeated(longest)) << true;
    QTest::newRow("the longest description, CR LF") << QByteArray("desc;" + euro.repeated(longest) + "\r") << true;
    QTest::newRow("the longest description among others")
        << QByteArray("desc;a;" + euro.repeated(longest) + ";b") << true;
    QTest::newRow("one character longer") << QByteArray("desc;" + euro.repeated(longest + 1)) << false;
    QTest::newRow("one character longer, CR LF") << QByteArray("desc;" + euro.repeated(longest + 1) + "\r") << false;
    QTest::newRow("one character longer in one byte each") << QByteArray("desc;a;" + QByteArray(longest + 1, 'a')) << false;
    QTest::newRow("a field longer than any, without separator")
        << QByteArray(dmx_sheet_reader::FieldLimit + 1, 'd') << false;
}

// A row with a field longer than a sheet can hold is passed over whole, with a debug line,
// and sets no description; the rows around it are read. A row whose fields fit is read
// whole, however long.
void tst_dmx_sheet::rowLength()
{
    QFETCH(QByteArray, row);
    QFETCH(bool, kept);
    if (!kept)
        expectPassedOver(row);
    // The first row makes every column, which the description row then fills.
    const QByteArray everyColumn = "C1" + QByteArray(";5").repeated(dmx_sheet_reader::ColumnLimit);
    read_outcome outcome;
    readSheet("QVR DMX sheet\n" + everyColumn + "\n" + row + "\nC2;6\n", dmx_sheet_kind::scenes(), outcome);
    QCOMPARE(outcome.result, dmx_sheet_reader::Read);
    QCOMPARE(outcome.records.size(), dmx_sheet_reader::ColumnLimit);
    QCOMPARE(outcome.records.last()->levels[0], u8(5));
    QCOMPARE(outcome.records.first()->levels[1], u8(6));
    QCOMPARE(outcome.passedOver.rows, kept ? 0 : 1);
    QCOMPARE(outcome.passedOver.description, !kept && row.startsWith("desc;"));
    const QByteArray text = row.endsWith('\r') ? row.chopped(1) : row;
    const QList<QByteArray> descriptions = kept ? text.mid(text.indexOf(';') + 1).split(';') : QList<QByteArray>();
    for (qsizetype i = 0; i < outcome.records.size(); ++i) {
        const QString expected = i < descriptions.size() ? QString::fromUtf8(descriptions[i]) : QString();
        QVERIFY2(outcome.records[i]->description == expected, qPrintable(QString::number(i + 1)));
    }
}

void tst_dmx_sheet::passedOverRows_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("debugLine");  // of the key when its row is read

    QTest::newRow("rise time") << QByteArray("RiseTime") << "rise" << QString();
    QTest::newRow("duration") << QByteArray("LastTime") << "last" << QString();
    QTest::newRow("fall time") << QByteArray("FallTime") << "fall" << QString();
    QTest::newRow("description") << QByteArray("desc") << "desc" << QString();
    QTest::newRow("channel 7") << QByteArray("C7") << "C7" << QString();
    QTest::newRow("channel 512") << QByteArray("C512") << "C512" << QString();
    QTest::newRow("no channel") << QByteArray("C513") << "" << "Invalid value: 513";
    QTest::newRow("unknown key") << QByteArray("foo") << "" << "\"foo\" : niezinterpretowany!";
    QTest::newRow("a key longer than any") << QByteArray(dmx_sheet_reader::FieldLimit + 1, 'C') << "" << QString();
}

// A row passed over makes no columns and sets nothing, its cells before the long one
// included; the reader tells which fields it would have set. The rows around it are read.
void tst_dmx_sheet::passedOverRows()
{
    QFETCH(QByteArray, key);
    QFETCH(QString, fields);
    QFETCH(QString, debugLine);
    const QByteArray row = key + ";1;2;3;" + QByteArray(dmx_sheet_reader::FieldLimit + 1, '4') + ";5";
    expectPassedOver(row);
    read_outcome outcome;
    readSheet("QVR DMX sheet\nscene;8;9\n" + row + "\nC1;6;7\n", dmx_sheet_kind::scenes(), outcome);
    QCOMPARE(outcome.result, dmx_sheet_reader::Read);
    QCOMPARE(summary(outcome.records), QStringLiteral("8 0/inf/0 C1=6 | 9 0/inf/0 C1=7"));
    QCOMPARE(outcome.passedOver.rows, 1);
    QCOMPARE(passedOverFields(outcome.passedOver), fields);

    // The same row with its fields in bounds is read.
    if (!debugLine.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, qPrintable(debugLine));
    if (key.size() > dmx_sheet_reader::FieldLimit)
        return;
    read_outcome kept;
    readSheet("QVR DMX sheet\nscene;8;9\n" + key + ";1;2;3;4;5\n", dmx_sheet_kind::scenes(), kept);
    QCOMPARE(kept.records.size(), 5);
    QCOMPARE(kept.passedOver.rows, 0);
}

// Without its number row a sheet can't say where its columns go: it has none to store, and
// the rows passed over are told.
void tst_dmx_sheet::passedOverNumberRow()
{
    const QByteArray numbers = "scene;3;" + QByteArray(dmx_sheet_reader::FieldLimit + 1, ' ') + "4";
    expectPassedOver(numbers);
    read_outcome outcome;
    readSheet("QVR DMX sheet\n" + numbers + "\nC1;6;7\ndesc;a;b\n", dmx_sheet_kind::scenes(), outcome);
    QCOMPARE(outcome.result, dmx_sheet_reader::NoColumns);
    QVERIFY(outcome.records.isEmpty());
    QCOMPARE(outcome.passedOver.rows, 1);
}

QTEST_GUILESS_MAIN(tst_dmx_sheet)
#include "tst_dmx_sheet.moc"
