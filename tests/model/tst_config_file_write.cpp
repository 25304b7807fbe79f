#include "model/application_identity.h"
#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "tests/support/config_file_builder.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scripted_interaction.h"
#include "tests/support/virtual_clock.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace image_layout;

namespace {

// Offsets written out from the file format rather than taken from the code under test.
constexpr int HeaderSize = 256;
constexpr int DataOffset = 272;
constexpr int OldDataSize = 0x260E00;
constexpr int OldScenes = 0x200000;
constexpr int OldPrograms = 0x24B000;
constexpr int OldSequences = 0x257800;
constexpr int OldMasks = 0x25AA00;

const QDateTime SaveTime(QDate(2026, 12, 8), QTime(19, 37, 19));

u16 crcOf(const QByteArray &bytes)
{
    return qChecksum(bytes, Qt::ChecksumIso3309);
}

u16 u16At(const QByteArray &bytes, qsizetype at)
{
    return readU16(reinterpret_cast<const u8 *>(bytes.constData()), u32(at));
}

QByteArray imageOf(const kd620_controller_class &c)
{
    return QByteArray(reinterpret_cast<const char *>(c.confData), int(ImageSize));
}

QByteArray xmlTextOf(const QByteArray &file)
{
    return file.mid(infoXmlOffset(file));
}

// The lines of one description group; events: the group inside "events".
QByteArrayList groupLines(const QByteArray &xml, const QByteArray &group, bool events)
{
    const QByteArrayList lines = xml.split('\n');
    qsizetype i = events ? lines.indexOf("<events>") : lines.indexOf("<descriptions>");
    i = lines.indexOf("<" + group + ">", i);
    const qsizetype end = lines.indexOf("</" + group + ">", i);
    return i < 0 || end < 0 ? QByteArrayList() : lines.mid(i + 1, end - i - 1);
}

// The one box of a save whose file could not be opened: the failure, then the reason.
void verifyOpenFailure(const scripted_interaction &ui, const QString &file)
{
    QCOMPARE(ui.messages.size(), 1);
    const message_request &failure = ui.messages[0];
    QCOMPARE(failure.icon, message_icon::Critical);
    QCOMPARE(failure.title, application_identity::name());
    QCOMPARE(failure.parent, dialog_parent::MainWindow);
    const QString outcome = QStringLiteral("Data write to file ") + file + QStringLiteral("\nfailed!\n\n");
    QVERIFY2(failure.text.startsWith(outcome), qPrintable(failure.text));
    const QString reason = failure.text.mid(outcome.size());
    QVERIFY2(!reason.trimmed().isEmpty() && !reason.contains(QLatin1Char('\n')), qPrintable(reason));
    QVERIFY(ui.windowTitles.isEmpty());  // the failure keeps the title
}

QByteArray oldData(const QByteArray &file)
{
    return qUncompress(file.mid(HeaderSize, file.size() - HeaderSize - 2));
}

} // namespace

class tst_config_file_write : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

    // Saves c to path (answering Yes to the old-format question) and returns the file.
    QByteArray save(kd620_controller_class &c, const QString &name, bool oldFormat)
    {
        scripted_interaction ui;
        if (oldFormat)
            ui.answers << int(message_button::Yes);
        c.write_confDataToFile(path(name), oldFormat);
        return readFileBytes(path(name));
    }

private slots:
    void headerBytes_data();
    void headerBytes();
    void currentFormatLayout();
    void incompressibleImage();
    void emptyDescriptionText();
    void descriptionLines_data();
    void descriptionLines();
    void everyDescriptionIsWritten();
    void oldFormatLayout();
    void oldFormatBlocks_data();
    void oldFormatBlocks();
    void successIsReported();
    void oldFormatQuestion_data();
    void oldFormatQuestion();
    void fileThatCannotBeOpenedIsReported_data();
    void fileThatCannotBeOpenedIsReported();
    void folderThatTakesNoNewFile_data();
    void folderThatTakesNoNewFile();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void storeThatDoesNotFitFailsTheSave_data();
    void storeThatDoesNotFitFailsTheSave();
    void fullActionTableReopensWhole_data();
    void fullActionTableReopensWhole();
};

void tst_config_file_write::headerBytes_data()
{
    QTest::addColumn<bool>("oldFormat");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<int>("fillBytes");
    const QByteArray writtenBy = QByteArray("File written by ") + application_identity::Name + " rel. "
        + application_identity::Release + "\r\n";
    QTest::newRow("current") << false
                             << QByteArray("Kd620v3CFG\r\nKd620 project description file.\r\n" + writtenBy
                                           + "Last modification:  08.12.2026 19:37.19\r\n")
                             << 3;
    QTest::newRow("old") << true
                         << QByteArray("Kd620v2CFG\r\nKD620 configuration and data file.\r\n" + writtenBy
                                       + "Last modification:  08.12.2026 19:37.19\r\n")
                         << 0;
}

void tst_config_file_write::headerBytes()
{
    QFETCH(bool, oldFormat);
    QFETCH(QByteArray, start);
    QFETCH(int, fillBytes);
    virtual_clock clock(SaveTime);
    QCOMPARE(kd620_controller_class::buildFileHeader(nullptr, oldFormat), HeaderSize);
    QByteArray header(300, '\x55');
    QCOMPARE(kd620_controller_class::buildFileHeader(header.data(), oldFormat), HeaderSize);
    QCOMPARE(header.mid(HeaderSize), QByteArray(300 - HeaderSize, '\x55'));  // nothing written beyond
    header.truncate(HeaderSize);

    QVERIFY(header.startsWith(start));
    const int textLength = HeaderSize - 1 - fillBytes;
    QVERIFY(header.mid(textLength - 4, 4) == "\r\n\r\n");  // the contact block ends with an empty line
    QCOMPARE(header.mid(textLength, fillBytes), QByteArray(fillBytes, '\x1A'));
    QCOMPARE(header.at(HeaderSize - 1), '\0');
    // Six contact lines of plain text between the date and the empty line.
    const QByteArrayList contact = header.mid(start.size(), textLength - start.size() - 4).split('\n');
    QCOMPARE(contact.size(), 6);
    for (char ch : header.left(textLength)) {
        QVERIFY(ch != '\0' && ch != '\x1A');
        QVERIFY(uchar(ch) < 0x80);
    }

    kd620_controller_class c;
    QCOMPARE(save(c, "header.cfg625", oldFormat).left(HeaderSize), header);
}

void tst_config_file_write::currentFormatLayout()
{
    virtual_clock clock(SaveTime);
    kd620_controller_class c;
    populateConfiguration(c, false);
    const QByteArray file = save(c, "layout.cfg625", false);

    QCOMPARE(infoDataOffset(file), u16(DataOffset));
    const u32 length = infoDataLength(file);
    const QByteArray block = file.mid(DataOffset, length);
    QCOMPARE(block.left(4), QByteArray("\x00\x20\x00\x00", 4));
    QCOMPARE(u16At(file, 258), crcOf(block));
    QCOMPARE(qUncompress(block), imageOf(c));

    const u32 xml = infoXmlOffset(file);
    QCOMPARE(xml % 16, 0u);
    QVERIFY(xml >= DataOffset + length && xml < DataOffset + length + 16);
    QCOMPARE(file.mid(DataOffset + length, xml - DataOffset - length), QByteArray(xml - DataOffset - length, '\0'));
    QCOMPARE(file.at(xml), '\n');
}

// Levels that do not compress: the compressed block is nearly as large as the image, and
// the file is laid out around it all the same.
void tst_config_file_write::incompressibleImage()
{
    kd620_controller_class c;
    QRandomGenerator random(42);
    random.fillRange(reinterpret_cast<quint32 *>(c.confData + SceneLevels), int(3072 * 512 / 4));
    random.fillRange(reinterpret_cast<quint32 *>(c.confData + MaskLevels), int(256 * 512 / 4));
    const QByteArray file = save(c, "noise.cfg625", false);
    QVERIFY(infoDataLength(file) > (3072 + 256) * 512);
    QCOMPARE(qUncompress(file.mid(DataOffset, infoDataLength(file))), imageOf(c));
    QCOMPARE(infoXmlOffset(file) % 16, 0u);
}

void tst_config_file_write::emptyDescriptionText()
{
    virtual_clock clock(SaveTime);
    kd620_controller_class c;
    const QByteArray xml = xmlTextOf(save(c, "empty.cfg625", false));
    QByteArray expected = "\n<project>\n<contents>Light visualisation project description</contents>\n"
                          "<date>08.12.2026 19:37.19</date>\n<release>0.0.0.1</release>\n<target>Kd620</target>\n"
                          "<descriptions>\n";
    for (const char *group : {"scenes", "masks", "programs", "states", "inputs", "RCU"})
        expected += QByteArray("<") + group + ">\n</" + group + ">\n";
    expected += "<events>\n";
    for (const char *group : {"dmxin", "virtual", "timers", "dmxout", "delays", "sequences", "RCU", "inputs"})
        expected += QByteArray("<") + group + ">\n</" + group + ">\n";
    expected += "</events>\n</descriptions>\n<library></library>\n<devices></devices>\n<groups></groups>\n</project>\n";
    QCOMPARE(xml, expected);
    QCOMPARE(xml.count('\n'), 42);
}

void tst_config_file_write::descriptionLines_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<bool>("inEvents");
    QTest::addColumn<QByteArray>("line");  // empty: the group stays empty
    QTest::newRow("scene escaped") << "scene" << 0 << "a<b>&c" << QByteArray("scenes") << false
                                   << QByteArray("<scene nr=\"1\">a&lt;b&gt;&&c</scene>");
    QTest::newRow("blank scene") << "scene" << 3071 << "   " << QByteArray("scenes") << false
                                 << QByteArray("<scene nr=\"3072\">   </scene>");
    QTest::newRow("mask") << "mask" << 255 << "m" << QByteArray("masks") << false << QByteArray("<mask nr=\"256\">m</mask>");
    QTest::newRow("program") << "program" << 511 << "p" << QByteArray("programs") << false
                             << QByteArray("<program nr=\"512\">p</program>");
    QTest::newRow("state") << "state" << 67 << "I8" << QByteArray("states") << false
                           << QByteArray("<state nr=\"68\">I8</state>");
    QTest::newRow("input") << "input" << 23 << "door" << QByteArray("inputs") << false
                           << QByteArray("<input nr=\"24\">door</input>");
    QTest::newRow("key") << "key" << 63 << "k" << QByteArray("RCU") << false << QByteArray("<key nr=\"64\">k</key>");
    QTest::newRow("dmx-in on") << "event" << 0x000 << "x" << QByteArray("dmxin") << true
                               << QByteArray("<chnl nr=\"1\" mode=\"on\">x</chnl>");
    QTest::newRow("dmx-in 512 off") << "event" << 0x3FF << "x" << QByteArray("dmxin") << true
                                    << QByteArray("<chnl nr=\"512\" mode=\"off\">x</chnl>");
    QTest::newRow("internal") << "event" << 0x7FF << "x" << QByteArray("virtual") << true
                              << QByteArray("<event nr=\"1024\">x</event>");
    QTest::newRow("sunset") << "event" << 0x801 << "x" << QByteArray("timers") << true
                            << QByteArray("<timer nr=\"2\">x</timer>");
    QTest::newRow("dmx-out 3 on") << "event" << 0xC04 << "x" << QByteArray("dmxout") << true
                                  << QByteArray("<chnl nr=\"3\" mode=\"on\">x</chnl>");
    QTest::newRow("delay") << "event" << 0x11FF << "x" << QByteArray("delays") << true
                           << QByteArray("<delay nr=\"512\">x</delay>");
    QTest::newRow("sequence") << "event" << 0x1200 << "x" << QByteArray("sequences") << true
                              << QByteArray("<sequence nr=\"1\">x</sequence>");
    QTest::newRow("key 1 pressed") << "event" << 0x1280 << "x" << QByteArray("RCU") << true
                                   << QByteArray("<key nr=\"1\" mode=\"prsd\">x</key>");
    QTest::newRow("key 1 repeated") << "event" << 0x1281 << "x" << QByteArray("RCU") << true
                                    << QByteArray("<key nr=\"1\" mode=\"rptd\">x</key>");
    QTest::newRow("key 2 released") << "event" << 0x1285 << "x" << QByteArray("RCU") << true
                                    << QByteArray("<key nr=\"2\" mode=\"rlsd\">x</key>");
    QTest::newRow("input 24 off") << "event" << 0x136F << "x" << QByteArray("inputs") << true
                                  << QByteArray("<input nr=\"24\" mode=\"off\">x</input>");
    QTest::newRow("empty text") << "scene" << 5 << "" << QByteArray("scenes") << false << QByteArray();
}

void tst_config_file_write::descriptionLines()
{
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QByteArray, group);
    QFETCH(bool, inEvents);
    QFETCH(QByteArray, line);
    kd620_controller_class c;
    QString *target = array == "scene" ? &c.sceneDescs[index]
        : array == "mask"             ? &c.maskDescs[index]
        : array == "program"          ? &c.programDescs[index]
        : array == "state"            ? &c.stateDescs[index]
        : array == "input"            ? &c.inputDescs[index]
        : array == "key"              ? &c.rcuKeyDescs[index]
                                      : &c.eventDescs[index];
    *target = text;
    const QByteArray xml = xmlTextOf(save(c, "line.cfg625", false));
    QCOMPARE(groupLines(xml, group, inEvents), line.isEmpty() ? QByteArrayList() : QByteArrayList{line});
    QCOMPARE(xml.count('\n'), 42 + (line.isEmpty() ? 0 : 1));
}

// Every description of a full configuration gets its line, in index order.
void tst_config_file_write::everyDescriptionIsWritten()
{
    kd620_controller_class c;
    populateConfiguration(c, true);
    const QByteArray xml = xmlTextOf(save(c, "all.cfg625", false));
    const int descriptions = 3072 + 256 + 512 + 68 + 24 + 64 + int(EventCount);
    QCOMPARE(xml.count('\n'), 42 + descriptions);
    const QByteArrayList scenes = groupLines(xml, "scenes", false);
    QCOMPARE(scenes.size(), 3072);
    QCOMPARE(scenes[1], QByteArray("<scene nr=\"2\">scene 2 &lt;A&&B&gt;</scene>"));
    QCOMPARE(QString::fromUtf8(scenes[2]), QStringLiteral("<scene nr=\"3\">scene 3 \u00e9t\u00e9</scene>"));
    QCOMPARE(groupLines(xml, "inputs", true).size(), 48);
}

void tst_config_file_write::oldFormatLayout()
{
    virtual_clock clock(SaveTime);
    kd620_controller_class c;
    populateConfiguration(c, true);
    const QByteArray file = save(c, "old.cfg", true);

    QCOMPARE(file.left(HeaderSize).indexOf('\x1A'), -1);
    QCOMPARE(file.indexOf('\0'), HeaderSize - 1);
    QCOMPARE(u16At(file, file.size() - 2), crcOf(file.left(file.size() - 2)));
    QCOMPARE(file.mid(HeaderSize, 4), QByteArray("\x00\x26\x0E\x00", 4));
    const QByteArray data = oldData(file);
    QCOMPARE(data.size(), OldDataSize);
    QCOMPARE(data.left(int(ImageSize)), imageOf(c));
    auto block = [&](int at) { return data.mid(at, 100); };
    auto padded = [](const QString &text) {
        QByteArray b = text.toUtf8();
        return b + QByteArray(100 - b.size(), '\0');
    };
    QCOMPARE(block(OldScenes), padded(c.sceneDescs[0]));
    QCOMPARE(block(OldScenes + 100 * 3071), padded(c.sceneDescs[3071]));
    QCOMPARE(block(OldPrograms + 100 * 2), padded(c.programDescs[2]));
    QCOMPARE(block(OldSequences + 100 * 127), padded(c.eventDescs[0x127F]));
    QCOMPARE(block(OldMasks + 100 * 255), padded(c.maskDescs[255]));
}

void tst_config_file_write::oldFormatBlocks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("block");
    QTest::newRow("empty") << QString() << QByteArray(100, '\0');
    QTest::newRow("120 letters") << QString(120, QLatin1Char('s')) << QByteArray(100, 's');
    QTest::newRow("exactly 100 bytes") << QString(100, QLatin1Char('t')) << QByteArray(100, 't');
    const QString accented(60, QChar(0xE9));  // two bytes each
    QTest::newRow("cut between two-byte letters") << accented << accented.left(50).toUtf8();
    QTest::newRow("cut never splits a letter") << QLatin1Char('a') + accented
                                               << (QLatin1Char('a') + accented.left(49)).toUtf8() + '\0';
    const QString clefs = QString(40, QLatin1Char('c')) + QString::fromUtf8("\U0001D11E").repeated(20);  // four bytes each
    QTest::newRow("cut never splits a surrogate pair") << clefs << clefs.left(40 + 2 * 15).toUtf8();
}

void tst_config_file_write::oldFormatBlocks()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, block);
    kd620_controller_class c;
    c.sceneDescs[7] = text;
    const QByteArray data = oldData(save(c, "block.cfg", true));
    QByteArray expected = block;
    expected.append(100 - expected.size(), '\0');
    QCOMPARE(data.mid(OldScenes + 700, 100), expected);
    QCOMPARE(data.mid(OldScenes + 800, 100), QByteArray(100, '\0'));
}

void tst_config_file_write::successIsReported()
{
    scripted_interaction ui;
    kd620_controller_class c;
    const QString file = path("shown.cfg625");
    c.write_confDataToFile(file, false);
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(ui.messages[0].icon, message_icon::Information);
    QCOMPARE(ui.messages[0].title, application_identity::name());
    QCOMPARE(ui.messages[0].text, QStringLiteral("Data write to file ") + file + QStringLiteral("\nsuccessful!"));
    QCOMPARE(ui.messages[0].parent, dialog_parent::MainWindow);
    QCOMPARE(ui.windowTitles, QStringList{"Varidex625 - shown.cfg625"});
}

void tst_config_file_write::oldFormatQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("Yes") << int(message_button::Yes) << true;
    QTest::newRow("No") << int(message_button::No) << false;
    QTest::newRow("closed") << int(message_button::NoButton) << false;
}

void tst_config_file_write::oldFormatQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, written);
    const QString file = path("question.cfg");
    const QByteArray old = "the user's previous file";
    QVERIFY(writeFileBytes(file, old));
    scripted_interaction ui;
    ui.answers << answer;
    kd620_controller_class c;
    c.eventActions.appendAction(0x400);
    c.write_confDataToFile(file, true);

    const message_request &question = ui.messages.first();
    QCOMPARE(question.icon, message_icon::Question);
    QCOMPARE(question.title, QStringLiteral("Old-style file format!"));
    QCOMPARE(question.text, QStringLiteral("You have choosen old-style configuration file format!\nSome informations "
                                           "will not be saved into file, and may get lost!\nContinue anyway?"));
    QCOMPARE(question.buttons, unsigned(message_button::Yes | message_button::No));
    QCOMPARE(question.defaultButton, unsigned(message_button::No));
    // Packed only when saved: the action reaches the image's first free record.
    QCOMPARE(readU16(c.confData, actionRecord(2)), written ? u16(0x400) : u16(0xFFFF));
    if (written) {
        QCOMPARE(ui.messages.size(), 2);
        QVERIFY(readFileBytes(file).startsWith("Kd620v2CFG"));
    } else {
        QCOMPARE(ui.messages.size(), 1);
        QVERIFY(ui.windowTitles.isEmpty());
        QCOMPARE(readFileBytes(file), old);
    }
}

// A file that cannot be opened for writing: the failure and its reason are shown, nothing
// is packed, nothing is created.
void tst_config_file_write::fileThatCannotBeOpenedIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing folder") << "no/such/folder/x.cfg625";
    QTest::newRow("folder that is a file") << "plain.txt/x.cfg625";
}

void tst_config_file_write::fileThatCannotBeOpenedIsReported()
{
    QFETCH(QString, name);
    QVERIFY(writeFileBytes(path("plain.txt"), "a file, no folder"));
    scripted_interaction ui;
    kd620_controller_class c;
    c.eventActions.appendAction(0x400);
    c.write_confDataToFile(path(name), false);
    verifyOpenFailure(ui, path(name));
    QCOMPARE(readU16(c.confData, actionRecord(2)), u16(0xFFFF));  // nothing packed
    QVERIFY(!QFileInfo::exists(path("no")));
    QCOMPARE(readFileBytes(path("plain.txt")), QByteArray("a file, no folder"));
}

// A file the user may write, in a folder where no new file can be created: the save
// needs its temporary file there, so it fails, is reported, and the old file stays.
void tst_config_file_write::folderThatTakesNoNewFile_data()
{
    QTest::addColumn<bool>("systemFolder");
    QTest::newRow("folder without write permission") << false;
    // The kernel's folder of this process: its files may be written, no file created.
    // Permissions cannot stop a user such as root; this folder stops every user.
    QTest::newRow("process folder") << true;
}

void tst_config_file_write::folderThatTakesNoNewFile()
{
    QFETCH(bool, systemFolder);
    QTemporaryDir folder;
    QString file = folder.filePath(QStringLiteral("kept.cfg625"));
    QByteArray old = "the last good file";
    if (systemFolder) {
        file = QStringLiteral("/proc/self/comm");
        if (!QFileInfo(file).isWritable())
            QSKIP("no writable file of this process under /proc on this system");
        old = readFileBytes(file);
    } else {
        QVERIFY(writeFileBytes(file, old));
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(folder.filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("folder permissions do not apply to this user (root)");
        }
    }

    scripted_interaction ui;
    kd620_controller_class c;
    c.write_confDataToFile(file, false);
    if (!systemFolder) {
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.cfg625"});
    }
    QCOMPARE(readFileBytes(file), old);
    verifyOpenFailure(ui, file);
}

void tst_config_file_write::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("oldFormat");
    QTest::addColumn<qint64>("limit");
    // An empty configuration compresses to a few kilobytes; its description text follows.
    QTest::newRow("current, binary part") << false << qint64(1000);
    QTest::newRow("current, description text") << false << qint64(-200);  // 200 bytes short of the whole file
    QTest::newRow("old format") << true << qint64(1000);
}

void tst_config_file_write::failedWriteKeepsTheOldFile()
{
    QFETCH(bool, oldFormat);
    QFETCH(qint64, limit);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("kept.cfg625"));
    kd620_controller_class c;
    const qint64 fullSize = save(c, "size.cfg625", oldFormat).size();
    if (limit < 0)
        limit += fullSize;
    QVERIFY(limit < fullSize);
    const QByteArray old = QByteArray("Kd620v3CFG an older, good file ").repeated(100);
    QVERIFY(writeFileBytes(file, old));

    scripted_interaction ui;
    if (oldFormat)
        ui.answers << int(message_button::Yes);
    {
        file_size_limit cap(limit);
        c.write_confDataToFile(file, oldFormat);
    }
    QCOMPARE(readFileBytes(file), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.cfg625"});
    const message_request &failure = ui.messages.last();
    QCOMPARE(failure.icon, message_icon::Critical);
    QCOMPARE(failure.title, application_identity::name());
    QCOMPARE(failure.text, QStringLiteral("Data write to file ") + file + QStringLiteral("\nfailed!"));
    QVERIFY(ui.windowTitles.isEmpty());  // the failure keeps the title
}

void tst_config_file_write::storeThatDoesNotFitFailsTheSave_data()
{
    QTest::addColumn<bool>("tooManyActions");
    QTest::addColumn<QStringList>("expectedTexts");
    QTest::newRow("action table full") << true
                                       << QStringList{"Actions limit exceed!", "Data write to file %1\nfailed!"};
    QTest::newRow("step slots exceeded") << false
                                         << QStringList{"Program steps limit exceed!", "Data write to file %1\nfailed!"};
}

void tst_config_file_write::storeThatDoesNotFitFailsTheSave()
{
    QFETCH(bool, tooManyActions);
    QFETCH(QStringList, expectedTexts);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("kept.cfg625"));
    const QByteArray old = "the last good file";
    QVERIFY(writeFileBytes(file, old));
    kd620_controller_class c;
    if (tooManyActions) {
        for (int i = 0; i < 8191; ++i)
            c.eventActions.appendAction(0x400 + i % 1024);
    } else {
        for (int p = 0; p < 9; ++p)
            c.programList.setStepCount(u32(p), 999);  // 8991 steps
    }
    scripted_interaction ui;
    c.write_confDataToFile(file, false);
    QCOMPARE(readFileBytes(file), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.cfg625"});
    QCOMPARE(ui.messageTexts(), QStringList(expectedTexts.replaceInStrings(QStringLiteral("%1"), file)));
    QVERIFY(ui.windowTitles.isEmpty());  // the failure keeps the title
    // The packers ran all the same: the last record holds the last action that fitted.
    if (tooManyActions)
        QCOMPARE(readU16(c.confData, actionRecord(8191)), u16(0x7FF));
}

void tst_config_file_write::fullActionTableReopensWhole_data()
{
    QTest::addColumn<bool>("oldFormat");
    QTest::newRow("current format") << false;
    QTest::newRow("old format") << true;
}

// Every record of the action table in use: the two Enabling actions and 8190 others, each
// of its own, spread over the events. All of them come back, in their order.
void tst_config_file_write::fullActionTableReopensWhole()
{
    QFETCH(bool, oldFormat);
    kd620_controller_class c;
    event_actions_class &store = c.eventActions;
    auto setAction = [&store](int code, int j, int type, int number, int operation) {
        store.setType(code, j, type);
        store.setNo(code, j, number);
        store.setOperation(code, j, operation);
    };
    setAction(inputEvent(2, false), store.appendAction(inputEvent(2, false)), ActionEnabling, 0, OperationOn);
    setAction(inputEvent(2, true), store.appendAction(inputEvent(2, true)), ActionEnabling, 0, OperationOff);
    store.enablingInput = 2;
    for (int i = 0; store.freeRecords() > 0; ++i) {
        const int code = i * 7 % int(EventCount);
        const int j = store.appendAction(code);
        setAction(code, j, ActionScene, i % int(image_layout::SceneCount), OperationToggle);
        store.setDaytimeLimit(code, j, i % 144, 144);
    }
    QCOMPARE(store.recordsNeeded(0, EventCount), 8190);

    scripted_interaction ui;
    if (oldFormat)
        ui.answers << int(message_button::Yes);
    const QString file = path(QStringLiteral("full.cfg625"));
    c.write_confDataToFile(file, oldFormat);
    QCOMPARE(ui.messages.last().icon, message_icon::Information);

    kd620_controller_class reopened;
    QCOMPARE(reopened.read_confDataFromFile(file), 0);
    const event_actions_class &back = reopened.eventActions;
    QCOMPARE(back.enablingInput, 2);
    for (u32 code = 0; code < EventCount; ++code) {
        QCOMPARE(back.count(code), store.count(code));
        for (int j = 0; j < store.count(code); ++j)
            QVERIFY(*back.action(code, j) == *store.action(code, j));
    }
}

QTEST_GUILESS_MAIN(tst_config_file_write)
#include "tst_config_file_write.moc"
