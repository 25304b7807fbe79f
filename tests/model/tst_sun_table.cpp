#include "link/kd620_controller_class.h"
#include "model/bounded_line.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/sun_calculation.h"
#include "tests/support/config_file_builder.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scripted_interaction.h"
#include "tests/support/virtual_clock.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace image_layout;

namespace {

constexpr u32 Undefined = 0xFFFFFFFF;

u16 sunrise(const kd620_controller_class &c, int day) { return readU16(c.confData, sunEntry(u32(day - 1))); }
u16 sunset(const kd620_controller_class &c, int day) { return readU16(c.confData, sunEntry(u32(day - 1)) + 2); }
u32 entry(const kd620_controller_class &c, u32 index) { return readU32(c.confData, sunEntry(index)); }

QByteArray sunTableBytes(const kd620_controller_class &c)
{
    return QByteArray(reinterpret_cast<const char *>(c.confData) + SunTable, int(4 * SunTableEntries));
}

QDateTime inYear(int year)
{
    return QDateTime(QDate(year, 5, 17), QTime(9, 30));
}

// A table file of the given rows, with the header lines the writer puts in front.
QByteArray tableFile(const QStringList &rows)
{
    return "KD620 sunrise- and sunsettimes ( minutes of day )\r\nDay of year;sunrise;sunset\r\n"
        + rows.join(QStringLiteral("\r\n")).toLatin1();
}

// Rows "d;6:00;18:00" + d minutes for every day in days.
QStringList rowsFor(const QList<int> &days)
{
    QStringList rows;
    for (int d : days)
        rows << QStringLiteral("%1;6:%2;18:%2").arg(d).arg(d % 60, 2, 10, QLatin1Char('0'));
    return rows;
}

QList<int> allDaysBut(const QList<int> &missing, int last = 366)
{
    QList<int> days;
    for (int d = 1; d <= last; ++d) {
        if (!missing.contains(d))
            days << d;
    }
    return days;
}

} // namespace

class tst_sun_table : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void truncatedRemainderKeepsTheSignOfX_data();
    void truncatedRemainderKeepsTheSignOfX();
    void knownDaysAtFiftyNorth_data();
    void knownDaysAtFiftyNorth();
    void yearLayout_data();
    void yearLayout();
    void polarDaysAreUndefined();
    void timesBeforeMidnightWrapAndAreMarked();
    void writtenTextIsExact();
    void writeAndReadBack();
    void parseRows_data();
    void parseRows();
    void fileOf365DaysNeedsNoQuestion();
    void incompleteFileQuestion_data();
    void incompleteFileQuestion();
    void missingFileLeavesTableAlone();
    void failedWriteKeepsTheOldFile();
};

void tst_sun_table::truncatedRemainderKeepsTheSignOfX_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("expected");
    QTest::newRow("positive") << 7.5 << 2.0 << 1.5;
    QTest::newRow("negative x") << -7.5 << 2.0 << -1.5;
    QTest::newRow("negative y") << 7.5 << -2.0 << 1.5;
    QTest::newRow("below y") << 1.25 << 2.0 << 1.25;
    QTest::newRow("zero") << 0.0 << 3.0 << 0.0;
    QTest::newRow("many turns") << 100.0 << 6.28318530718 << 100.0 - 15 * 6.28318530718;
}

void tst_sun_table::truncatedRemainderKeepsTheSignOfX()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, expected);
    QCOMPARE(truncatedRemainder(x, y), expected);
}

void tst_sun_table::knownDaysAtFiftyNorth_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("expectedSunrise");
    QTest::addColumn<int>("expectedSunset");
    // Latitude 50, longitude 20 east, time zone 1: offset 4 * 20 - 60 = 20 minutes.
    QTest::newRow("January 1") << 1 << 458 << 948;
    QTest::newRow("June 21") << 172 << 210 << 1192;
}

void tst_sun_table::knownDaysAtFiftyNorth()
{
    QFETCH(int, day);
    QFETCH(int, expectedSunrise);
    QFETCH(int, expectedSunset);
    virtual_clock clock(inYear(2026));
    kd620_controller_class c;
    c.calculateSunEvents(50, 20);
    QCOMPARE(int(sunrise(c, day)), expectedSunrise);
    QCOMPARE(int(sunset(c, day)), expectedSunset);
    QCOMPARE(readI32(c.confData, Latitude), 50);
}

void tst_sun_table::yearLayout_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("day60");
    QTest::addColumn<QDate>("day366");  // invalid: a repeat of day 365
    QTest::newRow("common year") << 2026 << QDate(2026, 3, 1) << QDate();
    QTest::newRow("leap year") << 2028 << QDate(2028, 2, 29) << QDate(2028, 12, 31);
    QTest::newRow("2100 is common") << 2100 << QDate(2100, 3, 1) << QDate();
    // The controller's table knows no 400-year rule.
    QTest::newRow("2000 counts as common") << 2000 << QDate(2000, 3, 1) << QDate();
}

void tst_sun_table::yearLayout()
{
    QFETCH(int, year);
    QFETCH(QDate, day60);
    QFETCH(QDate, day366);
    virtual_clock clock(inYear(year));
    kd620_controller_class c;
    c.calculateSunEvents(47, -35);

    const sun_times expected60 = sunTimesOfDay(day60.year(), day60.month(), day60.day(), 47, -35);
    QCOMPARE(int(sunrise(c, 60)), expected60.sunrise);
    QCOMPARE(int(sunset(c, 60)), expected60.sunset);
    if (day366.isValid()) {
        const sun_times expected366 = sunTimesOfDay(year, 12, 31, 47, -35);
        QCOMPARE(int(sunrise(c, 366)), expected366.sunrise);
        QCOMPARE(int(sunset(c, 366)), expected366.sunset);
        QVERIFY(entry(c, 365) != entry(c, 364));
    } else {
        QCOMPARE(entry(c, 365), entry(c, 364));
    }
    for (u32 i = SunTableDays; i < SunTableEntries; ++i)
        QCOMPARE(entry(c, i), Undefined);
    QCOMPARE(readI32(c.confData, Latitude), 47);
}

// Where the sun stays above or below the horizon all day there is no time to store.
void tst_sun_table::polarDaysAreUndefined()
{
    virtual_clock clock(inYear(2026));
    kd620_controller_class c;
    c.calculateSunEvents(80, 0);
    QCOMPARE(entry(c, 171), Undefined);  // June 21: midnight sun
    QCOMPARE(entry(c, 0), Undefined);    // January 1: polar night
    QVERIFY(entry(c, 80) != Undefined);  // March 22 has both

    QCOMPARE(c.writeSunTable(path("polar.csv")), 0);
    QVERIFY(readFileBytes(path("polar.csv")).contains("\r\n172;Undefined!\r\n"));
    c.calculateSunEvents(91, 0);  // beyond the pole: still no number from nothing
    QCOMPARE(entry(c, 171), Undefined);
}

void tst_sun_table::timesBeforeMidnightWrapAndAreMarked()
{
    virtual_clock clock(inYear(2026));
    kd620_controller_class c;
    // Ten hours ahead of the sun: the January sunrise falls before midnight.
    c.calculateSunEvents(50, 600);
    const sun_times day1 = sunTimesOfDay(2026, 1, 1, 50, 600);
    QVERIFY(day1.sunrise < 0);
    QCOMPARE(sunrise(c, 1), u16(day1.sunrise));
    QCOMPARE(c.writeSunTable(path("wrapped.csv")), 0);
    const QByteArray text = readFileBytes(path("wrapped.csv"));
    const QByteArray row1 = QStringLiteral("\r\n1;%1:%2;%3:%4;invalid time(s)!\r\n")
                                .arg(sunrise(c, 1) / 60)
                                .arg(sunrise(c, 1) % 60, 2, 10, QLatin1Char('0'))
                                .arg(sunset(c, 1) / 60)
                                .arg(sunset(c, 1) % 60, 2, 10, QLatin1Char('0'))
                                .toLatin1();
    QVERIFY2(text.contains(row1), text.left(200).constData());
}

void tst_sun_table::writtenTextIsExact()
{
    virtual_clock clock(inYear(2026));
    kd620_controller_class c;
    c.calculateSunEvents(50, 20);
    writeU32(c.confData, sunEntry(99), Undefined);
    writeU16(c.confData, sunEntry(100), 1441);  // day 101: sunrise above a day
    writeU16(c.confData, sunEntry(100) + 2, 65);
    QCOMPARE(c.writeSunTable(path("table.csv")), 0);
    const QByteArray text = readFileBytes(path("table.csv"));

    QVERIFY(text.startsWith("KD620 sunrise- and sunsettimes ( minutes of day )\r\nDay of year;sunrise;sunset\r\n"
                            "1;7:38;15:48\r\n2;"));
    QVERIFY(text.contains("\r\n172;3:30;19:52\r\n"));
    QVERIFY(text.contains("\r\n100;Undefined!\r\n"));
    QVERIFY(text.contains("\r\n101;24:01;1:05;invalid time(s)!\r\n"));
    // Day 366 repeats day 365 in a common year; no line break at the end.
    const qsizetype day365 = text.indexOf("\r\n365;") + 6;
    const QByteArray times365 = text.mid(day365, text.indexOf("\r\n", day365) - day365);
    QVERIFY(text.endsWith("\r\n366;" + times365));
    QCOMPARE(text.count("\r\n"), 367);
    QCOMPARE(text.count('\n'), 367);  // every line break is CR LF
}

void tst_sun_table::writeAndReadBack()
{
    virtual_clock clock(inYear(2028));
    kd620_controller_class source;
    source.calculateSunEvents(-33, -40);
    QCOMPARE(source.writeSunTable(path("round.csv")), 0);

    scripted_interaction ui;
    kd620_controller_class target;
    writeI32(target.confData, Latitude, 12);
    QCOMPARE(target.readSunTable(path("round.csv")), 0);
    QVERIFY(ui.messages.isEmpty());
    QCOMPARE(sunTableBytes(target).left(4 * SunTableDays), sunTableBytes(source).left(4 * SunTableDays));
    // The reader stores days 1..366 only: the spare entries and the latitude stay.
    QCOMPARE(entry(target, 370), Undefined);
    QCOMPARE(readI32(target.confData, Latitude), 12);
}

void tst_sun_table::parseRows_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("expectedSunrise");  // -1: day 7 stays undescribed
    QTest::addColumn<int>("expectedSunset");
    QTest::newRow("as written") << "7;6:05;17:09" << 365 << 1029;
    QTest::newRow("one-digit minute") << "7;6:5;17:09" << 365 << 1029;
    QTest::newRow("blanks before numbers") << " 7; 6: 5; 17:9" << 365 << 1029;
    QTest::newRow("fields after the sunset") << "7;6:05;17:09;invalid time(s)!;x" << 365 << 1029;
    QTest::newRow("text after the day number") << "7th;6:05;17:09" << 365 << 1029;
    QTest::newRow("empty hour reads 0") << "7;:05;17:09" << 5 << 1029;
    QTest::newRow("midnight and last minute") << "7;0:00;23:59" << 0 << 1439;
    QTest::newRow("hour 24") << "7;24:00;17:09" << -1 << -1;
    QTest::newRow("minute 60") << "7;6:60;17:09" << -1 << -1;
    QTest::newRow("sunset hour 24") << "7;6:05;24:00" << -1 << -1;
    QTest::newRow("no minute") << "7;6;17:09" << -1 << -1;
    QTest::newRow("no sunset") << "7;6:05" << -1 << -1;
    QTest::newRow("no sunset minute") << "7;6:05;17" << -1 << -1;
    QTest::newRow("undefined") << "7;Undefined!" << -1 << -1;
    QTest::newRow("sign before the hour reads 0") << "7;-1:05;17:09" << 5 << 1029;
    QTest::newRow("huge hour") << "7;99999999999999999999:05;17:09" << -1 << -1;
    QTest::newRow("day 0") << "0;6:05;17:09" << -1 << -1;
    QTest::newRow("no semicolon") << "7 6:05 17:09" << -1 << -1;
    // A line longer than any kept is no row, whatever it starts with.
    const QString padded = QStringLiteral("7;6:05;17:09;");
    QTest::newRow("longest line kept") << padded.leftJustified(bounded_line::MaxLength, u'x') << 365 << 1029;
    QTest::newRow("longer line") << padded.leftJustified(bounded_line::MaxLength + 1, u'x') << -1 << -1;
}

// Day 7 is described by the row under test alone (every other day by an ordinary row).
void tst_sun_table::parseRows()
{
    QFETCH(QString, row);
    QFETCH(int, expectedSunrise);
    QFETCH(int, expectedSunset);
    QStringList rows = rowsFor(allDaysBut({7}));
    rows.insert(6, row);
    rows << QStringLiteral("367;1:00;2:00") << QStringLiteral("Day of year;sunrise;sunset");
    QVERIFY(writeFileBytes(path("rows.csv"), tableFile(rows)));

    scripted_interaction ui;
    kd620_controller_class c;
    QCOMPARE(c.readSunTable(path("rows.csv")), 0);
    QCOMPARE(int(sunrise(c, 8)), 6 * 60 + 8);
    if (expectedSunrise < 0) {
        QCOMPARE(ui.messages.size(), 1);  // the question, answered with its default
        QCOMPARE(entry(c, 6), Undefined);
    } else {
        QVERIFY(ui.messages.isEmpty());
        QCOMPARE(int(sunrise(c, 7)), expectedSunrise);
        QCOMPARE(int(sunset(c, 7)), expectedSunset);
    }
}

void tst_sun_table::fileOf365DaysNeedsNoQuestion()
{
    QStringList rows = rowsFor(allDaysBut({}, 365));
    rows << QStringLiteral("12;5:00;20:00");  // a later row for a day replaces the earlier one
    QVERIFY(writeFileBytes(path("365.csv"), tableFile(rows)));
    scripted_interaction ui;
    kd620_controller_class c;
    QCOMPARE(c.readSunTable(path("365.csv")), 0);
    QVERIFY(ui.messages.isEmpty());
    QCOMPARE(entry(c, 365), entry(c, 364));
    QCOMPARE(int(sunrise(c, 365)), 6 * 60 + 5);
    QCOMPARE(int(sunrise(c, 12)), 300);
    QCOMPARE(int(sunset(c, 12)), 1200);
}

void tst_sun_table::incompleteFileQuestion_data()
{
    QTest::addColumn<int>("answer");  // index of the button pressed; -1: closed without one
    QTest::addColumn<int>("expectedResult");
    QTest::addColumn<int>("expectedQuestions");
    QTest::newRow("Skip this") << 0 << 0 << 2;
    QTest::newRow("Cancel") << 1 << -2 << 1;
    QTest::newRow("Skip all") << 2 << 0 << 1;
    QTest::newRow("closed") << -1 << -2 << 1;
}

void tst_sun_table::incompleteFileQuestion()
{
    QFETCH(int, answer);
    QFETCH(int, expectedResult);
    QFETCH(int, expectedQuestions);
    QVERIFY(writeFileBytes(path("gaps.csv"), tableFile(rowsFor(allDaysBut({10, 20}, 366)))));
    scripted_interaction ui;
    ui.answers << answer << answer;
    kd620_controller_class c;
    const QByteArray before = sunTableBytes(c);

    QCOMPARE(c.readSunTable(path("gaps.csv")), expectedResult);
    QCOMPARE(ui.messages.size(), expectedQuestions);
    const message_request &question = ui.messages.first();
    QCOMPARE(question.icon, message_icon::Question);
    QCOMPARE(question.title, QStringLiteral("Incomplete file!"));
    QCOMPARE(question.text, QStringLiteral("Not all days of year are properly described!\n\tContinue anyway?"));
    QCOMPARE(question.customButtons.size(), 3);
    QCOMPARE(question.customButtons[0].text, QStringLiteral("Skip this"));
    QCOMPARE(question.customButtons[1].text, QStringLiteral("Cancel"));
    QCOMPARE(question.customButtons[2].text, QStringLiteral("Skip all"));
    QCOMPARE(question.defaultCustomButton, 0);
    QVERIFY(question.noEscapeButton);
    QCOMPARE(question.parent, dialog_parent::MainWindow);

    if (expectedResult < 0) {
        QCOMPARE(sunTableBytes(c), before);
    } else {
        QCOMPARE(entry(c, 9), Undefined);
        QCOMPARE(entry(c, 19), Undefined);
        QCOMPARE(int(sunrise(c, 11)), 6 * 60 + 11);
        QCOMPARE(int(sunset(c, 366)), 18 * 60 + 6);
    }
}

void tst_sun_table::missingFileLeavesTableAlone()
{
    scripted_interaction ui;
    kd620_controller_class c;
    const QByteArray before = sunTableBytes(c);
    QCOMPARE(c.readSunTable(path("none.csv")), -1);
    QCOMPARE(c.writeSunTable(path("no/such/folder/t.csv")), -1);
    QCOMPARE(sunTableBytes(c), before);
    QVERIFY(ui.messages.isEmpty());
}

void tst_sun_table::failedWriteKeepsTheOldFile()
{
    virtual_clock clock(inYear(2026));
    kd620_controller_class c;
    QTemporaryDir folder;
    const QString kept = folder.filePath(QStringLiteral("kept.csv"));
    const QByteArray old = "an older table that must survive";
    QVERIFY(writeFileBytes(kept, old));
    c.calculateSunEvents(50, 20);
    {
        file_size_limit limit(1000);  // the table takes about 5 KB
        QCOMPARE(c.writeSunTable(kept), -1);
    }
    QCOMPARE(readFileBytes(kept), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.csv"});
}

QTEST_GUILESS_MAIN(tst_sun_table)
#include "tst_sun_table.moc"
