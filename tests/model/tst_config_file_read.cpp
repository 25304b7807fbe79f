#include "model/application_identity.h"
#include "model/description_bound.h"
#include "link/kd620_controller_class.h"
#include "model/event_code.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/xml/xml_element_class.h"
#include "tests/support/config_file_builder.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/scripted_interaction.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace image_layout;

namespace {

const QString Corrupted = QStringLiteral("Data read from file\n       failed!\n\nFile corrupted.");
const QString Successful = QStringLiteral("Data read from file\n    successful!");

QByteArray emptyImage()
{
    return emptyConfigurationImage();
}

u8 *bytesOf(QByteArray &a)
{
    return reinterpret_cast<u8 *>(a.data());
}

// The old format's uncompressed data: an image and description blocks up to size.
QByteArray oldData(const QByteArray &image, int size, char fill = 'd')
{
    QByteArray data = image;
    data.append(size - data.size(), '\0');
    for (int at = int(ImageSize); at < size; at += 100)
        data[at] = fill;  // every block holds the one-letter text "d"
    return data;
}

QByteArray projectText(const QByteArray &descriptions)
{
    return "\n<project>\n<descriptions>\n" + descriptions + "</descriptions>\n</project>\n";
}

// The last description of every group a configuration file writes, each on the longest line
// of its group (the highest number, the last mode), and scene 1.
QList<QString *> lastDescriptionOfEveryGroup(controller_configuration_class &c)
{
    QList<QString *> texts{&c.sceneDescs.front(), &c.sceneDescs.back(), &c.maskDescs.back(),
                           &c.programDescs.back(), &c.stateDescs.back(), &c.inputDescs.back(),
                           &c.rcuKeyDescs.back()};
    for (u32 code : {EventInternal - 1u, EventTimer - 1u, EventDmxOut - 1u, EventDelay - 1u,
                     EventDelay + DelayCount - 1u, EventSequence + SequenceCount - 1u, EventInput - 1u,
                     EventEnd - 1u})
        texts << &c.eventDescs[code];
    return texts;
}

// A text of the given length, the piece repeated (and cut where the length ends).
QString repeatedTo(const QString &piece, qsizetype length)
{
    return piece.repeated(length / piece.size() + 1).left(length);
}

struct outcome {
    QList<message_request> messages;
    QStringList titles;
    int signalCount = 0;
    int result = 0;
    int messagesAtSignal = -1;
};

} // namespace

class tst_config_file_read : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

    outcome read(kd620_controller_class &c, const QString &file)
    {
        scripted_interaction ui;
        outcome o;
        QObject::connect(&c, &controller_configuration_class::readFileFinished, &c, [&] {
            ++o.signalCount;
            o.messagesAtSignal = int(ui.messages.size());
        });
        o.result = c.read_confDataFromFile(file);
        o.messages = ui.messages;
        o.titles = ui.windowTitles;
        QObject::disconnect(&c, &controller_configuration_class::readFileFinished, &c, nullptr);
        return o;
    }

    outcome readBytes(kd620_controller_class &c, const QByteArray &bytes, const QString &name = QStringLiteral("f.cfg625"))
    {
        writeFileBytes(path(name), bytes);
        return read(c, path(name));
    }

    // Saves c under name, answering Yes to the old-format question.
    void save(kd620_controller_class &c, const QString &name, bool oldFormat = false)
    {
        scripted_interaction ui;
        ui.answers << int(message_button::Yes);
        c.write_confDataToFile(path(name), oldFormat);
        QCOMPARE(ui.messages.last().text, QStringLiteral("Data write to file ") + path(name) + QStringLiteral("\nsuccessful!"));
    }

    static void verifySuccess(const outcome &o, const QString &name)
    {
        QCOMPARE(o.result, 0);
        QCOMPARE(o.signalCount, 1);
        QCOMPARE(o.messagesAtSignal, int(o.messages.size()) - 1);  // before the result box
        QCOMPARE(o.messages.last().icon, message_icon::Information);
        QCOMPARE(o.messages.last().title, application_identity::name());
        QCOMPARE(o.messages.last().text, Successful);
        QCOMPARE(o.titles, QStringList{QStringLiteral("Varidex625 - ") + name});
    }

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void incompressibleImageRoundTrip();
    void readReplacesEverything();
    void loadClamps_data();
    void loadClamps();
    void projectDescriptionLines_data();
    void projectDescriptionLines();
    void projectDescriptionWithErrors();
    void descriptionTextThatIsNoXml_data();
    void descriptionTextThatIsNoXml();
    void overlongLeadingLine_data();
    void overlongLeadingLine();
    void longestDescriptionsRoundTrip_data();
    void longestDescriptionsRoundTrip();
    void descriptionLongerThanAConfigurationHolds_data();
    void descriptionLongerThanAConfigurationHolds();
    void descriptionsBeyondTheReadLimit();
    void oldFormatSizes_data();
    void oldFormatSizes();
    void oldFormatFullBlock();
    void corruptFiles_data();
    void corruptFiles();
};

void tst_config_file_read::initTestCase()
{
    // "xml_report.log" goes to the working directory.
    QVERIFY(QDir::setCurrent(dir.path()));
}

void tst_config_file_read::roundTrip_data()
{
    QTest::addColumn<bool>("oldFormat");
    QTest::newRow("current format") << false;
    QTest::newRow("old format") << true;
}

void tst_config_file_read::roundTrip()
{
    QFETCH(bool, oldFormat);
    kd620_controller_class source;
    populateConfiguration(source, true);
    const QString name = oldFormat ? QStringLiteral("full.cfg") : QStringLiteral("full.cfg625");
    save(source, name, oldFormat);
    if (oldFormat) {
        // The old format carries scene, program, sequence-start and mask descriptions only.
        source.stateDescs.fill(QString());
        source.inputDescs.fill(QString());
        source.rcuKeyDescs.fill(QString());
        for (u32 code = 0; code < EventCount; ++code) {
            if (code < EventSequence || code >= EventRcuKey)
                source.eventDescs[code].clear();
        }
    }
    const configuration_snapshot saved = configuration_snapshot::of(source);

    kd620_controller_class target;
    verifySuccess(read(target, path(name)), name);
    const configuration_snapshot loaded = configuration_snapshot::of(target);
    QVERIFY2(loaded == saved, qPrintable(loaded.firstDifference(saved)));
}

void tst_config_file_read::incompressibleImageRoundTrip()
{
    kd620_controller_class source;
    QRandomGenerator random(7);
    random.fillRange(reinterpret_cast<quint32 *>(source.confData + SceneLevels), int(3072 * 512 / 4));
    save(source, QStringLiteral("noise.cfg625"));
    kd620_controller_class target;
    verifySuccess(read(target, path("noise.cfg625")), QStringLiteral("noise.cfg625"));
    QVERIFY(std::equal(source.confData, source.confData + ImageSize, target.confData));
}

// Whatever the controller held before, a read leaves only what the file says, and resets
// what no file carries.
void tst_config_file_read::readReplacesEverything()
{
    kd620_controller_class empty;
    save(empty, QStringLiteral("empty.cfg625"));
    kd620_controller_class target;
    populateConfiguration(target, true);
    target.rcuKeyCodes[3] = 17;
    target.rcuAddress = 5;
    target.clockCalibration = -7;
    verifySuccess(read(target, path("empty.cfg625")), QStringLiteral("empty.cfg625"));
    const configuration_snapshot loaded = configuration_snapshot::of(target);
    const configuration_snapshot expected = configuration_snapshot::of(empty);
    QVERIFY2(loaded == expected, qPrintable(loaded.firstDifference(expected)));
    QCOMPARE(target.rcuKeyCodes[3], u8(0xFF));
    QCOMPARE(target.rcuAddress, u8(0xFF));
    QCOMPARE(target.clockCalibration, 0);
}

void tst_config_file_read::loadClamps_data()
{
    QTest::addColumn<int>("channelLimit");
    QTest::addColumn<int>("mbft");
    QTest::addColumn<int>("expectedLimit");
    QTest::addColumn<int>("expectedMbft");
    QTest::newRow("unset") << 0xFFFF << 0xFFFF << 32 << 10;
    QTest::newRow("too small, too large") << 10 << 200 << 24 << 90;
    QTest::newRow("above 64") << 100 << 90 << 64 << 90;
    QTest::newRow("in range") << 40 << 0 << 40 << 0;
}

void tst_config_file_read::loadClamps()
{
    QFETCH(int, channelLimit);
    QFETCH(int, mbft);
    QFETCH(int, expectedLimit);
    QFETCH(int, expectedMbft);
    QByteArray image = emptyImage();
    writeU16(bytesOf(image), OutputChannelLimit, u16(channelLimit));
    writeU16(bytesOf(image), MbftCode, u16(mbft));
    for (const bool oldFormat : {false, true}) {
        kd620_controller_class c;
        const QByteArray file = oldFormat ? oldFormatFile(image) : currentFormatFile(image, QByteArray());
        verifySuccess(readBytes(c, file), QStringLiteral("f.cfg625"));
        QCOMPARE(int(readU16(c.confData, OutputChannelLimit)), expectedLimit);
        QCOMPARE(int(readU16(c.confData, MbftCode)), expectedMbft);
    }
}

void tst_config_file_read::projectDescriptionLines_data()
{
    QTest::addColumn<QByteArray>("lines");     // inside "descriptions"
    QTest::addColumn<QString>("array");        // where a text is expected
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");     // empty: no description at all is set
    QTest::newRow("scene") << QByteArray("<scenes>\n<scene nr=\"3072\">last</scene>\n</scenes>\n") << "scene" << 3071 << "last";
    QTest::newRow("leaf name plays no part") << QByteArray("<masks>\n<x nr=\"1\">m</x>\n</masks>\n") << "mask" << 0 << "m";
    QTest::newRow("unescaped") << QByteArray("<programs>\n<program nr=\"2\">a &lt;b&gt; && c</program>\n</programs>\n")
                               << "program" << 1 << "a <b> & c";
    QTest::newRow("state, input, key")
        << QByteArray("<states>\n<state nr=\"68\">s</state>\n</states>\n<inputs>\n<input nr=\"24\">i</input>\n</inputs>\n"
                      "<RCU>\n<key nr=\"64\">k</key>\n</RCU>\n")
        << "key" << 63 << "k";
    QTest::newRow("later line wins") << QByteArray("<scenes>\n<scene nr=\"5\">a</scene>\n<scene nr=\"5\">b</scene>\n</scenes>\n")
                                     << "scene" << 4 << "b";
    QTest::newRow("nr 0") << QByteArray("<scenes>\n<scene nr=\"0\">x</scene>\n</scenes>\n") << "scene" << 0 << "";
    QTest::newRow("nr 3073") << QByteArray("<scenes>\n<scene nr=\"3073\">x</scene>\n</scenes>\n") << "scene" << 0 << "";
    QTest::newRow("nr no number") << QByteArray("<scenes>\n<scene nr=\"one\">x</scene>\n</scenes>\n") << "scene" << 0 << "";
    QTest::newRow("no nr") << QByteArray("<scenes>\n<scene>x</scene>\n</scenes>\n") << "scene" << 0 << "";
    QTest::newRow("empty text") << QByteArray("<scenes>\n<scene nr=\"1\"></scene>\n</scenes>\n") << "scene" << 0 << "";
    QTest::newRow("unknown group") << QByteArray("<scenery>\n<scene nr=\"1\">x</scene>\n</scenery>\n") << "scene" << 0 << "";
    QTest::newRow("panels skipped") << QByteArray("<panels>\n<scene nr=\"1\">x</scene>\n</panels>\n") << "scene" << 0 << "";
    QTest::newRow("names are case-sensitive") << QByteArray("<Scenes>\n<scene nr=\"1\">x</scene>\n</Scenes>\n") << "scene" << 0 << "";
    QTest::newRow("key released") << QByteArray("<events>\n<RCU>\n<key nr=\"2\" mode=\"rlsd\">r</key>\n</RCU>\n</events>\n")
                                  << "event" << 0x1285 << "r";
    QTest::newRow("key pressed as on") << QByteArray("<events>\n<RCU>\n<key nr=\"1\" mode=\"on\">p</key>\n</RCU>\n</events>\n")
                                       << "event" << 0x1280 << "p";
    QTest::newRow("dmx-in prsd counts as on")
        << QByteArray("<events>\n<dmxin>\n<chnl nr=\"3\" mode=\"prsd\">c</chnl>\n</dmxin>\n</events>\n") << "event" << 4 << "c";
    QTest::newRow("dmx-out off") << QByteArray("<events>\n<dmxout>\n<chnl nr=\"512\" mode=\"off\">c</chnl>\n</dmxout>\n</events>\n")
                                 << "event" << 0xFFF << "c";
    QTest::newRow("input rptd counts as off")
        << QByteArray("<events>\n<inputs>\n<input nr=\"24\" mode=\"rptd\">c</input>\n</inputs>\n</events>\n") << "event" << 0x136F
        << "c";
    QTest::newRow("internal") << QByteArray("<events>\n<virtual>\n<event nr=\"1024\">v</event>\n</virtual>\n</events>\n")
                              << "event" << 0x7FF << "v";
    QTest::newRow("timer") << QByteArray("<events>\n<timers>\n<timer nr=\"3\">t</timer>\n</timers>\n</events>\n") << "event"
                           << 0x802 << "t";
    QTest::newRow("delay") << QByteArray("<events>\n<delays>\n<delay nr=\"512\">d</delay>\n</delays>\n</events>\n") << "event"
                           << 0x11FF << "d";
    QTest::newRow("sequence") << QByteArray("<events>\n<sequences>\n<sequence nr=\"128\">q</sequence>\n</sequences>\n</events>\n")
                              << "event" << 0x127F << "q";
    // A third event exists for remote-control keys only: nothing may land in the next number.
    QTest::newRow("rlsd on dmx-in") << QByteArray("<events>\n<dmxin>\n<chnl nr=\"512\" mode=\"rlsd\">x</chnl>\n</dmxin>\n</events>\n")
                                    << "event" << 0x400 << "";
    QTest::newRow("rlsd on input 24") << QByteArray("<events>\n<inputs>\n<input nr=\"24\" mode=\"rlsd\">x</input>\n</inputs>\n</events>\n")
                                      << "event" << 0x136F << "";
    QTest::newRow("no mode") << QByteArray("<events>\n<dmxin>\n<chnl nr=\"1\">x</chnl>\n</dmxin>\n</events>\n") << "event" << 0 << "";
    QTest::newRow("unknown mode") << QByteArray("<events>\n<RCU>\n<key nr=\"1\" mode=\"held\">x</key>\n</RCU>\n</events>\n")
                                  << "event" << 0x1280 << "";
    QTest::newRow("key 65") << QByteArray("<events>\n<RCU>\n<key nr=\"65\" mode=\"prsd\">x</key>\n</RCU>\n</events>\n") << "event"
                            << 0x1340 << "";
    QTest::newRow("event group outside events") << QByteArray("<timers>\n<timer nr=\"1\">x</timer>\n</timers>\n") << "event"
                                                << 0x800 << "";
    QTest::newRow("leaves beside the groups") << QByteArray("<scene nr=\"1\">x</scene>\n<events>\n<timer nr=\"1\">y</timer>\n"
                                                            "<timers>\n</timers>\n</events>\n")
                                              << "scene" << 0 << "";
}

void tst_config_file_read::projectDescriptionLines()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(QString, expected);
    kd620_controller_class c;
    verifySuccess(readBytes(c, currentFormatFile(emptyImage(), projectText(lines))), QStringLiteral("f.cfg625"));
    QStringList set = configurationDump(c).filter(QStringLiteral(": "));
    set = set.filter(QRegularExpression(QStringLiteral("^(scene|mask|program|state|input|key|event) \\d+: ")));
    if (expected.isEmpty()) {
        QCOMPARE(set, QStringList());
        return;
    }
    QCOMPARE(set.last(), QStringLiteral("%1 %2: %3").arg(array).arg(index).arg(expected));
}

// A project description that does not parse cleanly: the image is read, the descriptions
// are not, and the parsed tree goes to "xml_report.log".
void tst_config_file_read::projectDescriptionWithErrors()
{
    QFile::remove(QStringLiteral("xml_report.log"));
    QByteArray image = emptyImage();
    image[int(sceneLevel(9, 9))] = char(0x99);
    kd620_controller_class c;
    const QByteArray xml = projectText("<scenes>\n<scene nr=\"1\">a</scene>\n<scene nr=\"2\">b</scen>\n</scenes>\n");
    const outcome o = readBytes(c, currentFormatFile(image, xml), QStringLiteral("bad.cfg625"));
    verifySuccess(o, QStringLiteral("bad.cfg625"));
    QCOMPARE(o.messages.size(), 2);
    QCOMPARE(o.messages[0].icon, message_icon::Warning);
    QCOMPARE(o.messages[0].title, QStringLiteral("Errors occured!"));
    QCOMPARE(o.messages[0].text,
             QStringLiteral("Errors parsing file\n\"%1\" occured!\nRefer to \"xml_report.log\".").arg(path("bad.cfg625")));
    QCOMPARE(o.messagesAtSignal, 1);
    QCOMPARE(c.sceneDescs[0], QString());
    QCOMPARE(c.confData[sceneLevel(9, 9)], u8(0x99));
    const QByteArray log = readFileBytes(QStringLiteral("xml_report.log"));
    QVERIFY2(log.contains("@error"), log.constData());
    QVERIFY(log.contains("<scene nr=\"1\">a</scene>"));
}

void tst_config_file_read::descriptionTextThatIsNoXml_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("none") << QByteArray();
    QTest::newRow("blank lines only") << QByteArray("\n  \n\t\n");
    QTest::newRow("plain text") << QByteArray("\nproject notes\n<project>\n</project>\n");
    QTest::newRow("one line, no end") << QByteArray("<project><descriptions></descriptions></project>");
    // Cut to the longest line kept, it is still no description.
    QTest::newRow("over-long plain text")
        << QByteArray(xml_element_class::MaxLineLength + 10, 'x') + projectText("<scenes>\n</scenes>\n");
}

void tst_config_file_read::descriptionTextThatIsNoXml()
{
    QFETCH(QByteArray, text);
    QFile::remove(QStringLiteral("xml_report.log"));
    kd620_controller_class c;
    const outcome o = readBytes(c, currentFormatFile(emptyImage(), text));
    verifySuccess(o, QStringLiteral("f.cfg625"));
    QCOMPARE(o.messages.size(), 1);
    QVERIFY(!QFileInfo::exists(QStringLiteral("xml_report.log")));
}

// The lines in front of the description are read as the parser reads the rest: one
// longer than any line kept is cut, and the description reported as faulty.
void tst_config_file_read::overlongLeadingLine_data()
{
    const QByteArray scene = "<scenes>\n<scene nr=\"1\">kept?</scene>\n</scenes>\n";
    const int longest = xml_element_class::MaxLineLength;
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("sceneDescription");
    QTest::newRow("longest blank line kept") << "\n" + QByteArray(longest, ' ') + projectText(scene) << "kept?";
    QTest::newRow("longer blank line") << "\n" + QByteArray(longest + 1, ' ') + projectText(scene) << QString();
    QTest::newRow("longer first element line")
        << "\n<project>" + QByteArray(longest, 'a') + "\n<descriptions>\n" + scene + "</descriptions>\n</project>\n"
        << QString();
    QTest::newRow("longer last line") << "\n<project>" + QByteArray(longest, 'a') << QString();
}

void tst_config_file_read::overlongLeadingLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, sceneDescription);
    QFile::remove(QStringLiteral("xml_report.log"));
    kd620_controller_class c;
    const outcome o = readBytes(c, currentFormatFile(emptyImage(), text));
    verifySuccess(o, QStringLiteral("f.cfg625"));
    QCOMPARE(c.sceneDescs[0], sceneDescription);
    if (!sceneDescription.isEmpty()) {
        QCOMPARE(o.messages.size(), 1);
        return;
    }
    QCOMPARE(o.messages.size(), 2);
    QCOMPARE(o.messages[0].title, QStringLiteral("Errors occured!"));
    const QByteArray log = readFileBytes(QStringLiteral("xml_report.log"));
    QVERIFY2(log.contains("line too long"), log.left(200).constData());
}

void tst_config_file_read::longestDescriptionsRoundTrip_data()
{
    QTest::addColumn<QString>("piece");
    // The characters written longest ("&lt;", "&gt;"), the doubled "&", and characters of
    // several bytes in the file: a character of three, and one beyond the basic plane
    // (two in a text, four bytes in the file).
    QTest::newRow("<") << QStringLiteral("<");
    QTest::newRow(">") << QStringLiteral(">");
    QTest::newRow("&") << QStringLiteral("&");
    QTest::newRow("< and > and &") << QStringLiteral("<>&");
    QTest::newRow("three bytes each") << QString(QChar(0x20AC));
    QTest::newRow("beyond the basic plane") << QString::fromUcs4(U"\U0001F3AD");
}

// The longest description a configuration holds, in every group on its longest line, saved
// and opened: every description whole, the short ones among them too.
void tst_config_file_read::longestDescriptionsRoundTrip()
{
    QFETCH(QString, piece);
    kd620_controller_class source;
    const QString longest = repeatedTo(piece, description_bound::MaxLength);
    for (QString *text : lastDescriptionOfEveryGroup(source))
        *text = longest;
    source.sceneDescs[1] = QStringLiteral("second scene");
    source.eventDescs[EventDmxOut + 4] = QStringLiteral("<ch 3 on>");
    save(source, QStringLiteral("long.cfg625"));
    const configuration_snapshot saved = configuration_snapshot::of(source);

    QFile::remove(QStringLiteral("xml_report.log"));
    kd620_controller_class target;
    const outcome o = read(target, path(QStringLiteral("long.cfg625")));
    verifySuccess(o, QStringLiteral("long.cfg625"));
    QCOMPARE(o.messages.size(), 1);
    QVERIFY(!QFileInfo::exists(QStringLiteral("xml_report.log")));
    QCOMPARE(target.sceneDescs[0].size(), description_bound::MaxLength);
    QCOMPARE(target.sceneDescs[1], QStringLiteral("second scene"));
    const configuration_snapshot loaded = configuration_snapshot::of(target);
    QVERIFY2(loaded == saved, qPrintable(loaded.firstDifference(saved)));
}

void tst_config_file_read::descriptionLongerThanAConfigurationHolds_data()
{
    const qsizetype longest = description_bound::MaxLength;
    const qsizetype line = xml_element_class::MaxLineLength - qsizetype(sizeof("<scene nr=\"1\"></scene>") - 1);
    QTest::addColumn<QByteArray>("text");      // of scene 1's line, UTF-8
    QTest::addColumn<QString>("description");  // as taken
    QTest::newRow("one character longer")
        << QByteArray(longest + 1, 'a') << QString(longest, QLatin1Char('a'));
    QTest::newRow("the longest line") << QByteArray(line, 'a') << QString(longest, QLatin1Char('a'));
    // Each "&" kept as it stands would be written doubled: the text cut, its line reads back.
    QTest::newRow("ampersands that escape nothing")
        << QByteArray("&a").repeated(line / 2) << repeatedTo(QStringLiteral("&a"), longest);
    // A pair of surrogates across the bound is dropped whole.
    QTest::newRow("a pair across the bound")
        << QByteArray(longest - 1, 'a') + QString::fromUcs4(U"\U0001F3AD").toUtf8()
        << QString(longest - 1, QLatin1Char('a'));
}

// A line longer than our files hold is refused (overlongLeadingLine); within it, a text
// longer than a description holds is cut to the longest one, and a configuration that
// holds it is saved on lines that read back whole.
void tst_config_file_read::descriptionLongerThanAConfigurationHolds()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, description);
    kd620_controller_class c;
    const QByteArray scenes = "<scenes>\n<scene nr=\"1\">" + text + "</scene>\n<scene nr=\"2\">kept</scene>\n</scenes>\n";
    verifySuccess(readBytes(c, currentFormatFile(emptyImage(), projectText(scenes))), QStringLiteral("f.cfg625"));
    QCOMPARE(c.sceneDescs[0].size(), description.size());
    QVERIFY(c.sceneDescs[0] == description);
    QCOMPARE(c.sceneDescs[1], QStringLiteral("kept"));

    save(c, QStringLiteral("again.cfg625"));
    kd620_controller_class again;
    verifySuccess(read(again, path(QStringLiteral("again.cfg625"))), QStringLiteral("again.cfg625"));
    QVERIFY(again.sceneDescs[0] == description);
    QCOMPARE(again.sceneDescs[1], QStringLiteral("kept"));
}

// Only the binary part is limited to what one read takes; the description text is read
// from the file wherever it starts.
void tst_config_file_read::descriptionsBeyondTheReadLimit()
{
    QByteArray file = currentFormatFile(emptyImage(), QByteArray());
    file.append(0x270000 - file.size(), ' ');
    setInfoWord(file, 8, u32(file.size()), 4);
    file += projectText("<scenes>\n<scene nr=\"9\">far away</scene>\n</scenes>\n");
    kd620_controller_class c;
    verifySuccess(readBytes(c, file), QStringLiteral("f.cfg625"));
    QCOMPARE(c.sceneDescs[8], QStringLiteral("far away"));

    // The old format's CRC covers the whole file, so such a file fails it.
    QByteArray old = oldFormatFile(emptyImage());
    old.insert(old.size() - 2, QByteArray(0x270000, '\0'));
    refreshOldFormatCrc(old);
    kd620_controller_class d;
    QCOMPARE(readBytes(d, old).messages.last().text, Corrupted);
}

void tst_config_file_read::oldFormatSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("described");  // groups set from blocks
    QTest::newRow("image only") << 0x200000 << QStringList();
    QTest::newRow("scenes and programs") << 0x257800 << QStringList{"scene", "program"};
    QTest::newRow("and sequence starts") << 0x25AA00 << QStringList{"scene", "program", "event"};
    QTest::newRow("and masks") << 0x260E00 << QStringList{"scene", "program", "event", "mask"};
}

void tst_config_file_read::oldFormatSizes()
{
    QFETCH(int, size);
    QFETCH(QStringList, described);
    kd620_controller_class c;
    verifySuccess(readBytes(c, oldFormatFile(oldData(emptyImage(), size)), QStringLiteral("o.cfg")), QStringLiteral("o.cfg"));
    QCOMPARE(c.sceneDescs[3071], QString(described.contains("scene") ? "d" : ""));
    QCOMPARE(c.programDescs[511], QString(described.contains("program") ? "d" : ""));
    QCOMPARE(c.eventDescs[0x1200], QString(described.contains("event") ? "d" : ""));
    QCOMPARE(c.eventDescs[0x127F], QString(described.contains("event") ? "d" : ""));
    QCOMPARE(c.eventDescs[0x11FF], QString());
    QCOMPARE(c.maskDescs[255], QString(described.contains("mask") ? "d" : ""));
}

void tst_config_file_read::oldFormatFullBlock()
{
    QByteArray data = oldData(emptyImage(), 0x260E00);
    data.replace(int(ImageSize) + 100, 100, QByteArray(100, 'z'));
    data.replace(int(ImageSize) + 200, 100, QString::fromUtf8("\u00e9").repeated(50).toUtf8());
    kd620_controller_class c;
    verifySuccess(readBytes(c, oldFormatFile(data), QStringLiteral("o.cfg")), QStringLiteral("o.cfg"));
    QCOMPARE(c.sceneDescs[1], QString(100, QLatin1Char('z')));
    QCOMPARE(c.sceneDescs[2], QString(50, QChar(0xE9)));
}

void tst_config_file_read::corruptFiles_data()
{
    QTest::addColumn<QByteArray>("file");  // "missing": no file at all
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("failedRead");  // reported as a failed read, else refused by a warning

    const QString invalid = QStringLiteral("This file is not a valid project description file:\n\"%1\"");
    const QByteArray image = emptyImage();
    const QByteArray current = currentFormatFile(image, projectText("<scenes>\n<scene nr=\"1\">s</scene>\n</scenes>\n"));
    const QByteArray old = oldFormatFile(oldData(image, 0x260E00));
    const u32 dataOffset = infoDataOffset(current);
    const u32 dataLength = infoDataLength(current);
    auto corrupt = [&](const char *name, const QByteArray &bytes) {
        QTest::newRow(name) << bytes << application_identity::name() << Corrupted << true;
    };
    auto withInfo = [&](int offsetInBlock, u32 value, int size) {
        QByteArray f = current;
        setInfoWord(f, offsetInBlock, value, size);
        return f;
    };
    auto withBlock = [&](const QByteArray &block) {
        QByteArray f = current.left(int(dataOffset)) + block;
        f.append((16 - f.size() % 16) % 16, '\0');
        setInfoWord(f, 4, u32(block.size()), 4);
        setInfoWord(f, 8, u32(f.size()), 4);
        refreshCurrentFormatCrc(f);
        return f;
    };
    auto withLengthPrefix = [&](u32 length) {
        QByteArray block = current.mid(int(dataOffset), int(dataLength));
        block[0] = char(length >> 24);
        block[1] = char(length >> 16);
        block[2] = char(length >> 8);
        block[3] = char(length);
        return withBlock(block);
    };

    corrupt("missing file", "missing");
    corrupt("empty file", QByteArray());
    corrupt("one byte", "K");
    // Without a fill byte the info block would start two bytes before the end: a file of
    // 18 bytes puts it at 16, any other length at an offset no info block can have.
    corrupt("magic and 8 bytes", "Kd620v3CFG" + QByteArray(8, 'x'));
    QTest::newRow("magic only") << QByteArray("Kd620v3CFG") << "Invalid file!" << invalid << false;
    corrupt("unknown magic", "Kd620v4CFG" + current.mid(10));
    corrupt("lower-case magic", "kd620v3CFG" + current.mid(10));
    QTest::newRow("oldest format") << QByteArray("Kd620CFG\r\nanything") << "Older version!"
                                   << "The file contains previous version of configuration!\nTo convert it into current "
                                      "format try get\na converting program from QVR website!"
                                   << false;
    {
        QByteArray flipped = current;
        flipped[int(dataOffset) + 40] = char(flipped[int(dataOffset) + 40] ^ 0x10);
        corrupt("current, flipped data byte", flipped);
        QByteArray crc = withInfo(2, u16(~infoDataOffset(current)), 2);
        corrupt("current, wrong CRC", crc);
    }
    {
        QByteArray twoFills = current;
        twoFills.remove(251, 1);  // one fill byte less: the info block would start at 255
        QTest::newRow("two fill bytes") << twoFills << "Invalid file!" << invalid << false;
        QByteArray noFill = current.left(48);
        noFill.replace('\x1A', 'x');
        corrupt("no fill byte, 16-byte boundary", noFill + QByteArray(2, '\0'));
        QTest::newRow("no fill byte elsewhere") << noFill + QByteArray(1, '\0') << "Invalid file!" << invalid << false;
        // A fill byte inside the header text starts an earlier run: the info block is
        // looked for behind it.
        QByteArray early = current;
        early[20] = '\x1A';
        QTest::newRow("second run, misplaced block") << early << "Invalid file!" << invalid << false;
        early = current;
        early[14] = '\x1A';  // the block would start at 16, inside the header text
        corrupt("second run, block in the header text", early);
        corrupt("fill bytes up to the end", current.left(252) + QByteArray(35, '\x1A'));
        corrupt("info block cut", current.left(264));
    }
    corrupt("data offset beyond the file", withInfo(0, 0xFFF0, 2));
    corrupt("data length beyond the file", withInfo(4, 0xFFFFFFF0u, 4));
    corrupt("data length one too many", withInfo(4, u32(current.size()) - dataOffset + 1, 4));
    corrupt("description offset beyond the file", withInfo(8, u32(current.size()) + 1, 4));
    corrupt("description offset 4 GB", withInfo(8, 0xFFFFFFF0u, 4));
    corrupt("cut in the compressed image", current.left(int(dataOffset + dataLength / 2)));
    corrupt("length prefix 0xFFFFFFFF", withLengthPrefix(0xFFFFFFFFu));
    corrupt("length prefix 1 MB", withLengthPrefix(0x100000));
    corrupt("length prefix 4 MB", withLengthPrefix(0x400000));
    corrupt("stream of 1 MB", withBlock(qCompress(image.left(0x100000), 9)));
    corrupt("stream of 2 MB + 1", withBlock(qCompress(image + 'x', 9)));
    {
        // 64 MB of zeros behind a 2 MB length: refused without inflating all of it.
        QByteArray bomb = qCompress(QByteArray(64 * 0x100000, '\0'), 9);
        bomb.replace(0, 4, QByteArray("\x00\x20\x00\x00", 4));
        corrupt("stream expanding far past its length", withBlock(bomb));
    }
    corrupt("stream that does not decompress", withBlock(QByteArray("\x00\x20\x00\x00", 4) + QByteArray(500, '\x5A')));
    corrupt("length prefix only", withBlock(QByteArray("\x00\x20\x00\x00", 4)));
    corrupt("empty block", withBlock(QByteArray()));
    {
        QByteArray flipped = old;
        flipped[300] = char(flipped[300] ^ 0x01);
        corrupt("old, flipped byte", flipped);
        corrupt("old, cut", old.left(old.size() - 10));
        corrupt("old, CRC only", QByteArray("Kd620v2CFG") + '\0');
    }
    corrupt("old, scenes only (0x24B000)", oldFormatFile(oldData(image, 0x24B000)));
    corrupt("old, one block more", oldFormatFile(oldData(image, 0x260E00 + 100)));
    corrupt("old, image short", oldFormatFile(image.left(0x1FFFFF)));
    {
        QByteArray noNul = "Kd620v2CFG" + QByteArray(200, 'h');
        noNul.append(2, '\0');
        refreshOldFormatCrc(noNul);
        corrupt("old, no header end", noNul);
        QByteArray lengthOnly = "Kd620v2CFG" + QByteArray(1, '\0') + QByteArray("\xFF\xFF\xFF\xFF\x78\x9C", 6);
        lengthOnly.append(2, '\0');
        refreshOldFormatCrc(lengthOnly);
        corrupt("old, length prefix 0xFFFFFFFF", lengthOnly);
    }
}

// Each damaged file is refused with its message, and the configuration in memory stays
// exactly as it was: image, descriptions and every store, unpacked edits included.
void tst_config_file_read::corruptFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(bool, failedRead);

    // One configuration for every row: each row must leave it as the first one found it.
    static kd620_controller_class *c = nullptr;
    static configuration_snapshot before;
    if (!c) {
        c = new kd620_controller_class;
        populateConfiguration(*c, true);
        // Edits not packed yet: a rebuild from the image would lose them.
        c->eventActions.appendAction(0x456);
        c->programList.setScene(3, 2, 77);
        c->sceneDescs[0] = QStringLiteral("kept");
        c->rcuKeyCodes[1] = 9;
        c->clockCalibration = 4;
        before = configuration_snapshot::of(*c);
    }

    const QString name = QStringLiteral("damaged.cfg625");
    QFile::remove(path(name));
    if (file != "missing")
        QVERIFY(writeFileBytes(path(name), file));
    const outcome o = read(*c, path(name));

    QCOMPARE(o.result, -1);
    QCOMPARE(o.messages.size(), 1);
    QCOMPARE(o.messages[0].title, title);
    QCOMPARE(o.messages[0].text, text.contains(QLatin1String("%1")) ? text.arg(path(name)) : text);
    QCOMPARE(o.messages[0].icon, failedRead ? message_icon::Critical : message_icon::Warning);
    QCOMPARE(o.messages[0].parent, dialog_parent::MainWindow);
    // Nothing replaced, nothing announced: the pages and an edit open on them stay as they are.
    QCOMPARE(o.signalCount, 0);
    // The title goes on naming the file of the configuration kept.
    QCOMPARE(o.titles, QStringList());
    const configuration_snapshot after = configuration_snapshot::of(*c);
    QVERIFY2(after == before, qPrintable(after.firstDifference(before)));
}

QTEST_GUILESS_MAIN(tst_config_file_read)
#include "tst_config_file_read.moc"
