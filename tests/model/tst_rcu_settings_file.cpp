#include "model/controller_configuration_class.h"
#include "model/description_bound.h"
#include "model/rcu_settings_file.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/message_summary.h"
#include "tests/support/scripted_interaction.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The example of the format: address 5, key 0 with code 12 and "Power", key 3 with "Blue".
const QByteArray Example = "<contents>Settings for KD620 RCU control</contents>\n"
                           "<swversion>Varidex620 3.0.2.8</swversion>\n"
                           "<sysaddress>5</sysaddress>\n"
                           "<buttons>\n"
                           " <button nr=\"0\">\n"
                           "  <code>12</code>\n"
                           "  <description>Power</description>\n"
                           " </button>\n"
                           " <button nr=\"3\">\n"
                           "  <description>Blue</description>\n"
                           " </button>\n"
                           "</buttons>\n";

const QByteArray Head = "<contents>Settings for KD620 RCU control</contents>\n"
                        "<swversion>Varidex620 3.0.2.8</swversion>\n";

QString dataError(const char *text)
{
    return messageSummary(message_icon::Warning, QStringLiteral("Data error!"), QString::fromLatin1(text));
}

// Every key with a code and a description of its own, the address 9: what a file that
// lists only some keys must leave alone.
void fillSettings(controller_configuration_class &c)
{
    for (int key = 0; key < 64; ++key) {
        c.rcuKeyCodes[key] = u8(63 - key);
        c.rcuKeyDescs[size_t(key)] = QStringLiteral("old %1").arg(key);
    }
    c.rcuAddress = 9;
}

} // namespace

// The ".rcu" file: its exact lines, reading them back, the numbers it takes, and what a
// reading does with missing, invalid or partial contents.
class tst_rcu_settings_file : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writesTheExampleExactly();
    void writesNoKeyBlockForAnUnusedKey();
    void readsTheExampleBack();
    void awkwardDescriptionsComeBack_data();
    void awkwardDescriptionsComeBack();
    void numbers_data();
    void numbers();
    void validation_data();
    void validation();
    void partialFileKeepsTheOtherKeys();
    void lineEndsDoNotMatter();
    void parseErrorsAreLoggedAndReadOn();
    void descriptionLongerThanAConfigurationHolds();
    void failedSaveKeepsTheOldFile();

private:
    QByteArray written(const controller_configuration_class &c) const;
    // Reads text into c with the scripted answers.
    void read(const QByteArray &text, controller_configuration_class &c);

    std::unique_ptr<QTemporaryDir> dir;
    QString previousDir;
    std::unique_ptr<scripted_interaction> ui;
    std::unique_ptr<controller_configuration_class> c;
};

void tst_rcu_settings_file::init()
{
    // The log goes to the working directory.
    dir = std::make_unique<QTemporaryDir>();
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
    ui = std::make_unique<scripted_interaction>();
    c = std::make_unique<controller_configuration_class>();
}

void tst_rcu_settings_file::cleanup()
{
    c.reset();
    ui.reset();
    QDir::setCurrent(previousDir);
    dir.reset();
}

QByteArray tst_rcu_settings_file::written(const controller_configuration_class &settings) const
{
    const QString name = dir->filePath(QStringLiteral("written.rcu"));
    if (!rcu_settings_file::save(name, settings))
        return {};
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_rcu_settings_file::read(const QByteArray &text, controller_configuration_class &settings)
{
    QBuffer buffer;
    buffer.setData(text);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    rcu_settings_file::read(buffer, QStringLiteral("keys.rcu"), settings, nullptr);
}

void tst_rcu_settings_file::writesTheExampleExactly()
{
    c->rcuAddress = 5;
    c->rcuKeyCodes[0] = 12;
    c->rcuKeyDescs[0] = QStringLiteral("Power");
    c->rcuKeyDescs[3] = QStringLiteral("Blue");
    QCOMPARE(written(*c), Example);
}

void tst_rcu_settings_file::writesNoKeyBlockForAnUnusedKey()
{
    // Nothing in use: the address reads "not used" and the table is empty.
    QCOMPARE(written(*c), Head + "<sysaddress>not used</sysaddress>\n<buttons>\n</buttons>\n");

    // A code but no description, the last key; an address of 32 counts as none.
    c->rcuKeyCodes[63] = 0;
    c->rcuAddress = 32;
    QCOMPARE(written(*c), Head + "<sysaddress>not used</sysaddress>\n<buttons>\n"
                                 " <button nr=\"63\">\n  <code>0</code>\n </button>\n</buttons>\n");
}

void tst_rcu_settings_file::readsTheExampleBack()
{
    fillSettings(*c);
    read(Example, *c);
    QVERIFY(ui->messages.isEmpty());
    QCOMPARE(int(c->rcuAddress), 5);
    QCOMPARE(int(c->rcuKeyCodes[0]), 12);
    QCOMPARE(c->rcuKeyDescs[0], QStringLiteral("Power"));
    QCOMPARE(int(c->rcuKeyCodes[3]), 0xFF);
    QCOMPARE(c->rcuKeyDescs[3], QStringLiteral("Blue"));
    // The keys the file does not list keep what they had.
    QCOMPARE(int(c->rcuKeyCodes[1]), 62);
    QCOMPARE(c->rcuKeyDescs[1], QStringLiteral("old 1"));

    // What is written reads back as it was.
    controller_configuration_class copy;
    read(written(*c), copy);
    QVERIFY(ui->messages.isEmpty());
    QCOMPARE(int(copy.rcuAddress), 5);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(copy.rcuKeyCodes), 64),
             QByteArray(reinterpret_cast<const char *>(c->rcuKeyCodes), 64));
    QCOMPARE(copy.rcuKeyDescs, c->rcuKeyDescs);
}

void tst_rcu_settings_file::awkwardDescriptionsComeBack_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("readBack");
    const QString longText = QString(150, QLatin1Char('x'));
    QTest::newRow("blanks at both ends") << "  Vol + " << "  Vol + ";
    QTest::newRow("blanks only") << "   " << "   ";
    QTest::newRow("ampersand, greater-than, quotes") << "R&B > \"Jazz\" &amp;" << "R&B > \"Jazz\" &amp;";
    QTest::newRow("150 characters, taken whole") << longText << longText;
    QTest::newRow("a tag-like text: its < become blanks") << "<b>bold</b> a<b" << " b>bold /b> a b";
    QTest::newRow("a lone <") << "<" << " ";
    QTest::newRow("letters beyond ASCII") << QStringLiteral("Lautst\u00e4rke") << QStringLiteral("Lautst\u00e4rke");
    // The longest description a configuration holds, whatever it is made of.
    const qsizetype longest = description_bound::MaxLength;
    QTest::newRow("the longest, three bytes a character") << QString(longest, QChar(0x20AC))
                                                           << QString(longest, QChar(0x20AC));
    QTest::newRow("the longest, of <") << QString(longest, QLatin1Char('<')) << QString(longest, QLatin1Char(' '));
}

void tst_rcu_settings_file::awkwardDescriptionsComeBack()
{
    QFETCH(QString, description);
    if (QString::fromLocal8Bit(description.toLocal8Bit()) != description)
        QSKIP("the local 8-bit encoding cannot hold this text");
    c->rcuKeyDescs[7] = description;
    c->rcuKeyDescs[8] = QStringLiteral("next");
    c->rcuKeyCodes[8] = 4;
    controller_configuration_class copy;
    read(written(*c), copy);
    QVERIFY2(ui->messages.isEmpty(), qPrintable(messageSummaries(*ui).join('\n')));
    QTEST(copy.rcuKeyDescs[7], "readBack");
    QCOMPARE(copy.rcuKeyDescs[8], QStringLiteral("next"));
    QCOMPARE(int(copy.rcuKeyCodes[8]), 4);
}

void tst_rcu_settings_file::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");  // -1: no number
    QTest::newRow("decimal") << "31" << 31;
    QTest::newRow("blanks around") << " \t12 " << 12;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("hexadecimal") << "0x1F" << 31;
    QTest::newRow("hexadecimal, capitals") << "0X1f" << 31;
    QTest::newRow("binary") << "0b101" << 5;
    QTest::newRow("octal") << "017" << 15;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("blanks") << "  " << -1;
    QTest::newRow("words") << "Not used" << -1;
    QTest::newRow("trailing text") << "12abc" << -1;
    QTest::newRow("inner blank") << "1 2" << -1;
    QTest::newRow("prefix alone") << "0x" << -1;
    QTest::newRow("prefix twice") << "0x0x1" << -1;
    QTest::newRow("8 is no octal digit") << "08" << -1;
    QTest::newRow("2 is no binary digit") << "0b12" << -1;
    QTest::newRow("two signs") << "+-1" << -1;
    QTest::newRow("beyond 32 bits") << "4294967296" << -1;
    QTest::newRow("largest 32-bit") << "0xFFFFFFFF" << -2;
    QTest::newRow("arabic-indic digit") << QStringLiteral("\u0663") << -1;
}

void tst_rcu_settings_file::numbers()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    const std::optional<quint32> number = rcu_settings_file::parseNumber(text);
    if (value == -1)
        QVERIFY(!number);
    else if (value == -2)
        QCOMPARE(number, std::optional<quint32>(0xFFFFFFFFu));
    else
        QCOMPARE(number, std::optional<quint32>(quint32(value)));
}

void tst_rcu_settings_file::validation_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("answers");  // 0 Ignore, 1 Ignore all
    QTest::addColumn<int>("address");
    QTest::addColumn<QList<int>>("codes");     // keys 0, 1, 2 afterwards
    QTest::addColumn<QStringList>("descriptions");  // keys 0, 1, 2 afterwards
    QTest::addColumn<QStringList>("boxes");

    const QString undeterminedAddress = dataError("Undetermined RCU address value!");
    const QString invalidAddress = dataError("Invalid system address value!");
    const QString noTable = dataError("Undetermined key codes table!");
    const QString invalidKey = dataError("Invalid key number!");
    const QString invalidCode = dataError("Invalid key code!");
    const QStringList old = {"old 0", "old 1", "old 2"};
    const QList<int> oldCodes = {63, 62, 61};
    const QList<int> noCodes = {0xFF, 0xFF, 0xFF};
    const QByteArray emptyTable = "<buttons>\n</buttons>\n";

    QTest::newRow("address 0x1F") << Head + "<sysaddress>0x1F</sysaddress>\n" + emptyTable << QList<int>() << 31
                                  << noCodes << old << QStringList{noTable};
    QTest::newRow("address not used") << "<sysaddress>not used</sysaddress>\n" + emptyTable << QList<int>() << 0xFF
                                      << noCodes << old << QStringList{noTable};
    QTest::newRow("address Not used: no number")
        << "<sysaddress>Not used</sysaddress>\n" + emptyTable << QList<int>() << 0xFF << noCodes << old
        << QStringList{invalidAddress, noTable};
    QTest::newRow("address 32") << "<sysaddress>32</sysaddress>\n" + emptyTable << QList<int>() << 0xFF << noCodes
                                << old << QStringList{invalidAddress, noTable};
    QTest::newRow("address -1") << "<sysaddress>-1</sysaddress>\n" + emptyTable << QList<int>() << 0xFF << noCodes
                                << old << QStringList{invalidAddress, noTable};
    QTest::newRow("address empty") << "<sysaddress></sysaddress>\n" + emptyTable << QList<int>() << 0xFF << noCodes
                                   << old << QStringList{invalidAddress, noTable};
    QTest::newRow("missing sysaddress, one key")
        << QByteArray("<buttons>\n <button nr=\"1\">\n  <code>7</code>\n </button>\n</buttons>\n") << QList<int>()
        << 0xFF << QList<int>{63, 7, 61} << QStringList{"old 0", "", "old 2"} << QStringList{undeterminedAddress};
    QTest::newRow("first line not XML") << QByteArray("\n<sysaddress>3</sysaddress>\n") << QList<int>() << 0xFF
                                        << noCodes << old << QStringList{undeterminedAddress, noTable};
    QTest::newRow("empty file") << QByteArray() << QList<int>() << 0xFF << noCodes << old
                                << QStringList{undeterminedAddress, noTable};
    QTest::newRow("nr 64 passed over, the next entry taken")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n"
                      " <button nr=\"64\">\n  <code>1</code>\n </button>\n"
                      " <button nr=\"2\">\n  <code>2</code>\n </button>\n</buttons>\n")
        << QList<int>{0} << 4 << QList<int>{63, 62, 2} << QStringList{"old 0", "old 1", ""}
        << QStringList{invalidKey};
    QTest::newRow("nr missing, nr not a number")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n"
                      " <button>\n  <code>1</code>\n </button>\n"
                      " <button nr=\"one\">\n  <code>1</code>\n </button>\n</buttons>\n")
        << QList<int>{0, 0} << 4 << oldCodes << old << QStringList{invalidKey, invalidKey};
    QTest::newRow("code 64: none, the description still taken")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n"
                      " <button nr=\"0\">\n  <code>64</code>\n  <description>Red</description>\n </button>\n"
                      "</buttons>\n")
        << QList<int>{0} << 4 << QList<int>{0xFF, 62, 61} << QStringList{"Red", "old 1", "old 2"}
        << QStringList{invalidCode};
    QTest::newRow("code not a number does not read as 0")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n"
                      " <button nr=\"0\">\n  <code>x</code>\n </button>\n</buttons>\n")
        << QList<int>{0} << 4 << QList<int>{0xFF, 62, 61} << QStringList{"", "old 1", "old 2"}
        << QStringList{invalidCode};
    QTest::newRow("Ignore all silences the rest")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n"
                      " <button nr=\"64\">\n  <code>1</code>\n </button>\n"
                      " <button nr=\"1\">\n  <code>99</code>\n </button>\n"
                      " <button nr=\"x\">\n  <code>1</code>\n </button>\n"
                      " <button nr=\"2\">\n  <code>5</code>\n </button>\n</buttons>\n")
        << QList<int>{1} << 4 << QList<int>{63, 0xFF, 5} << QStringList{"old 0", "", ""}
        << QStringList{invalidKey};
    QTest::newRow("Ignore keeps asking")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n"
                      " <button nr=\"64\">\n  <code>1</code>\n </button>\n"
                      " <button nr=\"1\">\n  <code>99</code>\n </button>\n</buttons>\n")
        << QList<int>{0, 0} << 4 << QList<int>{63, 0xFF, 61} << QStringList{"old 0", "", "old 2"}
        << QStringList{invalidKey, invalidCode};
    QTest::newRow("a key listed twice ends with its last entry")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n"
                      " <button nr=\"0\">\n  <code>1</code>\n  <description>a</description>\n </button>\n"
                      " <button nr=\"0\">\n  <code>2</code>\n </button>\n</buttons>\n")
        << QList<int>() << 4 << QList<int>{2, 62, 61} << QStringList{"", "old 1", "old 2"} << QStringList();
    QTest::newRow("the first code and description count; other elements passed over")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n <other>1</other>\n"
                      " <button nr=\"0x1\">\n  <code>010</code>\n  <code>3</code>\n  <description>a</description>\n"
                      "  <description>b</description>\n </button>\n</buttons>\n")
        << QList<int>() << 4 << QList<int>{63, 8, 61} << QStringList{"old 0", "a", "old 2"} << QStringList();
    QTest::newRow("an entry without elements lists a key with neither")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n <button nr=\"2\"/>\n"
                      " <button nr=\"0\">\n  <code>1</code>\n </button>\n</buttons>\n")
        << QList<int>() << 4 << QList<int>{1, 62, 0xFF} << QStringList{"", "old 1", ""} << QStringList();
    QTest::newRow("an entry without elements, then one with a code: the last counts")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n <button nr=\"2\"/>\n"
                      " <button nr=\"2\">\n  <code>5</code>\n </button>\n</buttons>\n")
        << QList<int>() << 4 << QList<int>{63, 62, 5} << QStringList{"old 0", "old 1", ""} << QStringList();
    QTest::newRow("an entry with a code, then one without elements: the last counts")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n"
                      " <button nr=\"2\">\n  <code>5</code>\n  <description>a</description>\n </button>\n"
                      " <button nr=\"2\"></button>\n</buttons>\n")
        << QList<int>() << 4 << QList<int>{63, 62, 0xFF} << QStringList{"old 0", "old 1", ""} << QStringList();
    QTest::newRow("entries of both kinds asked about in file order")
        << QByteArray("<sysaddress>4</sysaddress>\n<buttons>\n <button nr=\"64\"/>\n"
                      " <button nr=\"1\">\n  <code>99</code>\n </button>\n <button nr=\"0\"/>\n"
                      " <button nr=\"0\">\n  <code>7</code>\n </button>\n</buttons>\n")
        << QList<int>{1} << 4 << QList<int>{7, 0xFF, 61} << QStringList{"", "", "old 2"} << QStringList{invalidKey};
    QTest::newRow("names compared exactly")
        << QByteArray("<SysAddress>4</SysAddress>\n<Buttons>\n <button nr=\"0\">\n  <code>1</code>\n </button>\n"
                      "</Buttons>\n")
        << QList<int>() << 0xFF << noCodes << old << QStringList{undeterminedAddress, noTable};
}

void tst_rcu_settings_file::validation()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, answers);
    fillSettings(*c);
    for (int answer : answers)
        ui->answers << answer;

    read(text, *c);

    QTEST(int(c->rcuAddress), "address");
    QTEST(QList<int>({c->rcuKeyCodes[0], c->rcuKeyCodes[1], c->rcuKeyCodes[2]}), "codes");
    QTEST(QStringList({c->rcuKeyDescs[0], c->rcuKeyDescs[1], c->rcuKeyDescs[2]}), "descriptions");
    QTEST(messageSummaries(*ui), "boxes");
    QVERIFY(ui->answers.isEmpty());
    for (const message_request &box : std::as_const(ui->messages)) {
        if (box.customButtons.isEmpty()) {
            QCOMPARE(box.buttons, unsigned(message_button::Ok));
            continue;
        }
        // The questions: Ignore (the default) and Ignore all, no answer to Escape.
        QCOMPARE(box.customButtons.size(), 2);
        QCOMPARE(box.customButtons[0].text, QStringLiteral("Ignore"));
        QCOMPARE(box.customButtons[1].text, QStringLiteral("Ignore all"));
        QCOMPARE(box.defaultCustomButton, 0);
        QVERIFY(box.noEscapeButton);
    }
    QVERIFY(!QFile::exists(QStringLiteral("xml_report.log")));
}

void tst_rcu_settings_file::partialFileKeepsTheOtherKeys()
{
    fillSettings(*c);
    read(Head + "<sysaddress>not used</sysaddress>\n<buttons>\n <button nr=\"40\">\n  <code>0</code>\n </button>\n"
                "</buttons>\n",
         *c);
    QVERIFY(ui->messages.isEmpty());
    QCOMPARE(int(c->rcuAddress), 0xFF);
    for (int key = 0; key < 64; ++key) {
        QCOMPARE(int(c->rcuKeyCodes[key]), key == 40 ? 0 : 63 - key);
        QCOMPARE(c->rcuKeyDescs[size_t(key)], key == 40 ? QString() : QStringLiteral("old %1").arg(key));
    }
}

void tst_rcu_settings_file::lineEndsDoNotMatter()
{
    QByteArray crlf = Example;
    crlf.replace("\n", "\r\n");
    read(crlf, *c);
    controller_configuration_class lf;
    read(Example, lf);
    QVERIFY(ui->messages.isEmpty());
    QCOMPARE(int(c->rcuAddress), 5);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(c->rcuKeyCodes), 64),
             QByteArray(reinterpret_cast<const char *>(lf.rcuKeyCodes), 64));
    QCOMPARE(c->rcuKeyDescs, lf.rcuKeyDescs);
}

void tst_rcu_settings_file::parseErrorsAreLoggedAndReadOn()
{
    fillSettings(*c);
    // The second key's block is not closed: the reader reports it and takes what it made.
    read("<sysaddress>6</sysaddress>\n<buttons>\n <button nr=\"1\">\n  <code>3</code>\n </button>\n"
         " <button nr=\"2\">\n  <code>4</code>\n",
         *c);
    const QStringList boxes = messageSummaries(*ui);
    QVERIFY2(!boxes.isEmpty(), "a warning");
    QCOMPARE(boxes.first(), messageSummary(message_icon::Warning, QStringLiteral("Errors occured!"),
                                           QStringLiteral("Errors parsing file\n\"keys.rcu\" occured!\n"
                                                          "Refer to \"xml_report.log\".")));
    QFile log(QStringLiteral("xml_report.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray logged = log.readAll();
    QVERIFY2(logged.contains("@error"), logged.constData());
    QVERIFY2(logged.contains("<sysaddress>6</sysaddress>"), logged.constData());
    QCOMPARE(int(c->rcuAddress), 6);
    QCOMPARE(int(c->rcuKeyCodes[1]), 3);
}

// A description longer than any a configuration holds (from no file of ours) is cut to the
// longest one, which a configuration file then carries whole.
void tst_rcu_settings_file::descriptionLongerThanAConfigurationHolds()
{
    const qsizetype longest = description_bound::MaxLength;
    read(Head + "<sysaddress>6</sysaddress>\n<buttons>\n <button nr=\"1\">\n  <description>"
             + QByteArray(longest + 100, 'a') + "</description>\n </button>\n <button nr=\"2\">\n"
             "  <description>next</description>\n </button>\n</buttons>\n",
         *c);
    QVERIFY2(ui->messages.isEmpty(), qPrintable(messageSummaries(*ui).join('\n')));
    QCOMPARE(c->rcuKeyDescs[1], QString(longest, QLatin1Char('a')));
    QCOMPARE(c->rcuKeyDescs[2], QStringLiteral("next"));
}

void tst_rcu_settings_file::failedSaveKeepsTheOldFile()
{
    const QString name = dir->filePath(QStringLiteral("keys.rcu"));
    c->rcuAddress = 5;
    QVERIFY(rcu_settings_file::save(name, *c));
    QFile before(name);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();

    // A file that cannot grow beyond 100 bytes: the save fails and the old file stays.
    fillSettings(*c);
    {
        file_size_limit limit(100);
        QVERIFY(!rcu_settings_file::save(name, *c));
    }
    QFile after(name);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), old);

    // A folder that does not exist.
    QVERIFY(!rcu_settings_file::save(dir->filePath(QStringLiteral("none/keys.rcu")), *c));
}

QTEST_GUILESS_MAIN(tst_rcu_settings_file)
#include "tst_rcu_settings_file.moc"
