#include "widgets/main_tabs.h"
#include "model/application_identity.h"
#include "widgets/my_time_edit.h"
#include "link/usb_protocol.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "programs/aprogram_settings_widget.h"
#include "tests/sim/sim_event_engine.h"
#include "tests/support/file_dialog_driver.h"
#include "tests/support/folder_contents.h"
#include "tests/support/main_window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class tst_settings_other : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pageAsBuilt();
    void locationOutOfRangeTakesDefaults_data();
    void locationOutOfRangeTakesDefaults();
    void sunGroupMirrorsWithoutTouchingDelays();
    void timeZonePrefix();
    void extraEntriesBox();
    void delayTimes();
    void generatorFiresEvents_data();
    void generatorFiresEvents();
    void generatorNumberRange();
    void generatorFailures();
    void sunTableFiles();
    void sunTableSaveStartsFromATableName_data();
    void sunTableSaveStartsFromATableName();
    void sunTableReplacesOnlyAfterYes_data();
    void sunTableReplacesOnlyAfterYes();
    void sunTableRealDialogAsksAboutTheNameWritten_data();
    void sunTableRealDialogAsksAboutTheNameWritten();

private:
    void showOtherPage();
    gui_class &w() { return *f->window; }
    u8 *image() { return f->controller->confData; }

    std::unique_ptr<main_window_fixture> f;
};

void tst_settings_other::init()
{
    f = std::make_unique<main_window_fixture>();
}

void tst_settings_other::cleanup()
{
    const QStringList problems = main_window_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_settings_other::showOtherPage()
{
    w().tabWidget_settings->setCurrentIndex(OtherTab);
    w().tabWidget_main->setCurrentIndex(SettingsTab);
}

void tst_settings_other::pageAsBuilt()
{
    // Building the page wrote nothing: the image is the empty configuration's.
    kd620_controller_class fresh;
    QVERIFY(memcmp(fresh.confData, image(), image_layout::ImageSize) == 0);
    QCOMPARE(w().sunGroup->geometry(), QRect(320, 220, 500, 130));
    QVERIFY(w().sunGroup->isCheckable());
    QVERIFY(!w().latitudeSpin->isEnabled());
    QVERIFY(!w().calculateButton->isEnabled());
    QCOMPARE(w().latitudeSpin->suffix(), QStringLiteral(" \u00b0"));
    QCOMPARE(w().timeZoneSpin->prefix(), QStringLiteral("GMT +"));
    QCOMPARE(w().startUpTimeEdit->maximumTime(), QTime(1, 49, 13, 500));
    QCOMPARE(w().startUpTimeEdit->displayFormat(), QStringLiteral("hh:mm:ss.zzz"));
    QStringList kinds;
    for (int i = 0; i < w().eventKindCombo->count(); ++i)
        kinds << w().eventKindCombo->itemText(i);
    QCOMPARE(kinds, QStringList({"Input", "Seq. start", "Delay", "Internal Event", "DMX Out", "Timer", "R. C. Key"}));
    QCOMPARE(w().subEventCombo->count(), 2);
    QCOMPARE(w().subEventCombo->itemText(1), QStringLiteral("Off"));
    QCOMPARE(w().eventNumberSpin->maximum(), 24);
    QCOMPARE(w().extraEntriesCheck->text(), QStringLiteral("Enable extra entries\ninto existing programs"));
    QCOMPARE(w().calculateButton->font().weight(), QFont::Normal);
}

void tst_settings_other::locationOutOfRangeTakesDefaults_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("longitude");
    QTest::addColumn<int>("latitude");
    QTest::addColumn<int>("shownZone");
    QTest::addColumn<int>("shownLongitude");
    QTest::addColumn<int>("shownLatitude");
    QTest::newRow("just beyond") << 13 << 200 << -61 << 1 << 20 << 50;
    QTest::newRow("beyond below") << -13 << -181 << 61 << 1 << 20 << 50;
    QTest::newRow("edges kept") << 12 << -180 << 60 << 12 << -180 << 60;
    QTest::newRow("inside kept") << -3 << 17 << 45 << -3 << 17 << 45;
    QTest::newRow("far beyond") << 0x7FFFFFFF << -1000 << 1000 << 1 << 20 << 50;
}

void tst_settings_other::locationOutOfRangeTakesDefaults()
{
    QFETCH(int, zone);
    QFETCH(int, longitude);
    QFETCH(int, latitude);
    QFETCH(int, shownZone);
    QFETCH(int, shownLongitude);
    QFETCH(int, shownLatitude);
    // The boxes start at their limits, so a value the box clamps changes nothing there.
    w().timeZoneSpin->setValue(12);
    w().longitudeSpin->setValue(180);
    w().latitudeSpin->setValue(-60);
    writeI32(image(), image_layout::TimeZone, zone);
    writeI32(image(), image_layout::Longitude, longitude);
    writeI32(image(), image_layout::Latitude, latitude);
    showOtherPage();
    QCOMPARE(w().timeZoneSpin->value(), shownZone);
    QCOMPARE(w().longitudeSpin->value(), shownLongitude);
    QCOMPARE(w().latitudeSpin->value(), shownLatitude);
    QCOMPARE(readI32(image(), image_layout::TimeZone), shownZone);
    QCOMPARE(readI32(image(), image_layout::Longitude), shownLongitude);
    QCOMPARE(readI32(image(), image_layout::Latitude), shownLatitude);
}

void tst_settings_other::sunGroupMirrorsWithoutTouchingDelays()
{
    writeU16(image(), image_layout::SunEventDelays, 0xFA03);  // sunrise +15 min, sunset -30 min
    showOtherPage();
    QVERIFY(w().sunGroup->isChecked());
    QVERIFY(w().latitudeSpin->isEnabled());
    QCOMPARE(readU16(image(), image_layout::SunEventDelays), u16(0xFA03));

    // The user's toggles switch sun events: off, then on with both delays 0.
    w().sunGroup->setChecked(false);
    QCOMPARE(readU16(image(), image_layout::SunEventDelays), u16(0xFFFF));
    w().sunGroup->setChecked(true);
    QCOMPARE(readU16(image(), image_layout::SunEventDelays), u16(0));

    writeU16(image(), image_layout::SunEventDelays, 0xFFFF);
    w().tabWidget_main->setCurrentIndex(ScenesTab);
    showOtherPage();
    QVERIFY(!w().sunGroup->isChecked());
    QVERIFY(!w().calculateButton->isEnabled());
}

void tst_settings_other::timeZonePrefix()
{
    w().timeZoneSpin->setValue(-3);
    QCOMPARE(w().timeZoneSpin->prefix(), QStringLiteral("GMT "));
    QCOMPARE(w().timeZoneSpin->text(), QStringLiteral("GMT -3"));
    QCOMPARE(readI32(image(), image_layout::TimeZone), -3);
    w().timeZoneSpin->setValue(0);
    QCOMPARE(w().timeZoneSpin->text(), QStringLiteral("GMT +0"));
}

void tst_settings_other::extraEntriesBox()
{
    writeU16(image(), image_layout::OrdinaryProgramCount, 0xFFFF);
    emit f->controller->readFileFinished();
    QVERIFY(!w().extraEntriesCheck->isChecked());

    // Checked by the user: extra entries on, none yet.
    QVERIFY(!main_window_fixture::showsTab(w().programPage, QStringLiteral("Test entries")));
    w().extraEntriesCheck->click();
    QCOMPARE(readU16(image(), image_layout::OrdinaryProgramCount), u16(512));
    QVERIFY(main_window_fixture::showsTab(w().programPage, QStringLiteral("Test entries")));

    // Unchecked: the entries go.
    f->controller->extraEntries << new extra_entry_class;
    w().extraEntriesCheck->click();
    QCOMPARE(readU16(image(), image_layout::OrdinaryProgramCount), u16(0xFFFF));
    QVERIFY(f->controller->extraEntries.isEmpty());
    QVERIFY(!main_window_fixture::showsTab(w().programPage, QStringLiteral("Test entries")));

    // A read configuration with at most 512 ordinary programs checks the box.
    writeU16(image(), image_layout::OrdinaryProgramCount, 512);
    emit f->controller->readKd620Finished();
    QVERIFY(w().extraEntriesCheck->isChecked());
    writeU16(image(), image_layout::OrdinaryProgramCount, 0xFFFF);
    showOtherPage();
    QVERIFY(!w().extraEntriesCheck->isChecked());
}

void tst_settings_other::delayTimes()
{
    w().startUpTimeEdit->setTime(QTime(0, 1, 2, 300));
    QCOMPARE(readU16(image(), image_layout::StartUpTime), u16(623));
    // The editor rounds to whole tenths; the word keeps the rounded time.
    w().shutDownTimeEdit->setTime(QTime(0, 0, 1, 251));
    QCOMPARE(w().shutDownTimeEdit->time(), QTime(0, 0, 1, 200));
    QCOMPARE(readU16(image(), image_layout::ShutDownTime), u16(12));
    w().shutDownTimeEdit->setTime(QTime(2, 0));  // beyond the editor's range
    QCOMPARE(readU16(image(), image_layout::ShutDownTime), u16(0xFFFF));
}

void tst_settings_other::generatorFiresEvents_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("sub");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("code");
    QTest::newRow("input 24 off") << "Input" << "Off" << 24 << 0x136F;
    QTest::newRow("input 1 on") << "Input" << "On" << 1 << 0x1340;
    QTest::newRow("key 64 stop") << "R. C. Key" << "Stop" << 64 << 0x133F;
    QTest::newRow("key 1 repeat") << "R. C. Key" << "Repeat" << 1 << 0x1281;
    QTest::newRow("sunset") << "Timer" << "N/A" << 2 << 0x801;
    QTest::newRow("power on") << "Internal Event" << "N/A" << 1 << 0x400;
    QTest::newRow("dmx out 512 off") << "DMX Out" << "Off" << 512 << 0xFFF;
    QTest::newRow("sequence 128") << "Seq. start" << "N/A" << 128 << 0x127F;
    QTest::newRow("delay 512") << "Delay" << "N/A" << 512 << 0x11FF;
}

void tst_settings_other::generatorFiresEvents()
{
    QFETCH(QString, kind);
    QFETCH(QString, sub);
    QFETCH(int, number);
    QFETCH(int, code);
    QVERIFY(f->connectAndReset());
    w().eventKindCombo->setCurrentIndex(w().eventKindCombo->findText(kind));
    w().subEventCombo->setCurrentIndex(w().subEventCombo->findText(sub));
    QCOMPARE(w().subEventCombo->isEnabled(), sub != QLatin1String("N/A"));
    w().eventNumberSpin->setValue(number);
    w().generateButton->click();

    QCOMPARE(f->bus.device(1).findEngine<sim_event_engine>()->fired, QList<int>{code});
    // On the wire the code travels high byte first.
    const sim_log_entry &request = f->bus.log.last();
    QCOMPARE(request.text(), QStringLiteral("#1 FIRE_EVENT v=0 i=%1").arg(code));
    QCOMPARE(request.setup.wIndex(), u16(swapBytes16(code)));
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_settings_other::generatorNumberRange()
{
    w().eventKindCombo->setCurrentIndex(w().eventKindCombo->findText("R. C. Key"));
    QCOMPARE(w().subEventCombo->count(), 3);
    w().eventNumberSpin->setValue(100);
    QCOMPARE(w().eventNumberSpin->value(), 64);
    w().eventKindCombo->setCurrentIndex(w().eventKindCombo->findText("Timer"));
    w().eventNumberSpin->setValue(1000);
    QCOMPARE(w().eventNumberSpin->value(), 1000);
    w().eventKindCombo->setCurrentIndex(w().eventKindCombo->findText("Input"));
    QCOMPARE(w().eventNumberSpin->value(), 24);
}

void tst_settings_other::generatorFailures()
{
    // Not connected: nothing is sent.
    w().generateButton->click();
    QCOMPARE(f->ui.messageTexts(), QStringList{"Not connected!"});
    QCOMPARE(f->ui.messageTitles(), QStringList{application_identity::name()});
    QCOMPARE(f->ui.messages.first().icon, message_icon::Critical);

    // Ten failed tries in a row: "Control error!", and the connection stays.
    QVERIFY(f->connectAndReset());
    for (int i = 1; i <= 10; ++i)
        f->bus.device(1).injectOnRequest(REQ_FIRE_EVENT, i, sim_fault::fail());
    w().generateButton->click();
    QCOMPARE(f->bus.logTexts().count(QStringLiteral("#1 FIRE_EVENT v=0 i=4928 !fail")), 10);
    QCOMPARE(f->bus.logTexts().size(), 10);
    QCOMPARE(f->ui.messageTexts(), QStringList{"Control error!"});
    QCOMPARE(f->ui.messageTitles(), QStringList{"USB Interface"});
    QCOMPARE(f->ui.messages.first().icon, message_icon::Warning);
    QVERIFY(f->controller->isConnected());

    // Nine failures: the tenth try goes through, silently.
    f->reset();
    for (int i = 1; i <= 9; ++i)
        f->bus.device(1).injectOnRequest(REQ_FIRE_EVENT, i, sim_fault::fail());
    w().generateButton->click();
    QCOMPARE(f->bus.logTexts().size(), 10);
    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(f->bus.device(1).findEngine<sim_event_engine>()->fired, QList<int>{0x1340});
}

void tst_settings_other::sunTableFiles()
{
    QTemporaryDir dir;
    w().sunGroup->setChecked(true);  // the sun buttons work while sun events are on
    f->controller->currentFile = dir.filePath(QStringLiteral("show.cfg625"));

    // Saved with the CSV filter: ".csv" appended, and the next dialog starts there.
    const QString name = dir.filePath(QStringLiteral("times"));
    f->ui.fileAnswers << name;
    w().saveSunTimesButton->click();
    QVERIFY(QFile::exists(name + QStringLiteral(".csv")));
    QCOMPARE(f->controller->currentFile, dir.path());
    QCOMPARE(f->ui.fileCaptions, QStringList{"Choose a file to save sunrise and sunset times"});

    // With "All files (*)" the name stays.
    f->ui.fileAnswers << name;
    f->ui.filterAnswers << QStringLiteral("All files (*)");
    w().saveSunTimesButton->click();
    QVERIFY(QFile::exists(name));

    // Read back: no message; a file that cannot be opened is named.
    f->ui.fileAnswers << name + QStringLiteral(".csv");
    w().readSunTimesButton->click();
    QVERIFY(f->ui.messages.isEmpty());
    const QString missing = dir.filePath(QStringLiteral("missing.csv"));
    f->ui.fileAnswers << missing;
    w().readSunTimesButton->click();
    QCOMPARE(f->ui.messageTexts(), QStringList{"Cannot open file " + missing + "!"});
    QCOMPARE(f->ui.messageTitles(), QStringList{application_identity::name()});

    // Cannot write: the folder is the name.
    f->ui.clear();
    f->ui.fileAnswers << dir.path();
    f->ui.filterAnswers << QStringLiteral("All files (*)");
    w().saveSunTimesButton->click();
    QCOMPARE(f->ui.messageTexts(), QStringList{"Cannot open file \"" + dir.path() + "\" to write!"});
    // A folder that refused the table is not where the next dialog starts.
    QCOMPARE(f->controller->currentFile, dir.path());
    f->ui.clear();
    f->ui.fileAnswers << QStringLiteral("/proc/times.csv");
    w().saveSunTimesButton->click();
    QCOMPARE(f->ui.messageTexts(), QStringList{"Cannot open file \"/proc/times.csv\" to write!"});
    QCOMPARE(f->controller->currentFile, dir.path());

    // Cancelled dialogs do nothing.
    f->ui.clear();
    w().readSunTimesButton->click();
    w().saveSunTimesButton->click();
    QVERIFY(f->ui.messages.isEmpty());
}

namespace {

const QString SunCaption = QStringLiteral("Choose a file to save sunrise and sunset times");
const QString CsvFilter = QStringLiteral("CSV sheets (*.csv)");
const QString AllFiles = QStringLiteral("All files (*)");

} // namespace

void tst_settings_other::sunTableSaveStartsFromATableName_data()
{
    QTest::addColumn<QString>("last");   // the controller's last file; "@" the test's folder
    QTest::addColumn<QString>("start");  // where the save dialog starts
    QTest::newRow("none") << "" << "./";
    QTest::newRow("a folder") << "@" << "@";
    QTest::newRow("a configuration file") << "@/cfg1.cfg625" << "@/cfg1.csv";
    QTest::newRow("a file of two dots") << "@/show.v2.kdg" << "@/show.v2.csv";
    QTest::newRow("a file without extension") << "@/show" << "@/show.csv";
}

// The table's save dialog never offers the configuration file itself.
void tst_settings_other::sunTableSaveStartsFromATableName()
{
    QFETCH(QString, last);
    QFETCH(QString, start);
    QTemporaryDir dir;
    last.replace('@', dir.path());
    start.replace('@', dir.path());
    makeFiles(dir.path(), {"cfg1.cfg625", "show.v2.kdg", "show"});
    w().sunGroup->setChecked(true);
    f->controller->currentFile = last;
    w().saveSunTimesButton->click();  // cancelled
    QCOMPARE(f->ui.fileDirs, QStringList{start});
    QCOMPARE(f->controller->currentFile, last);
}

void tst_settings_other::sunTableReplacesOnlyAfterYes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("existing");  // files in the folder before the save
    QTest::addColumn<int>("answer");            // to the question about replacing; 0: none
    QTest::addColumn<QString>("askedAbout");    // "": no question
    QTest::addColumn<QString>("written");       // "": nothing written

    const int yes = int(message_button::Yes);
    const int no = int(message_button::No);
    const QStringList times{"times.csv"};
    QTest::newRow("extension added, No") << "times" << CsvFilter << times << no << "times.csv" << "";
    QTest::newRow("extension added, Yes") << "times" << CsvFilter << times << yes << "times.csv" << "times.csv";
    QTest::newRow("extension added, a new file") << "times" << CsvFilter << QStringList{"times"} << 0 << ""
                                                 << "times.csv";
    QTest::newRow("another extension, No") << "cfg1.cfg625" << CsvFilter
                                           << QStringList{"cfg1.cfg625", "cfg1.cfg625.csv"} << no
                                           << "cfg1.cfg625.csv" << "";
    QTest::newRow("name kept, No") << "times.csv" << CsvFilter << times << no << "times.csv" << "";
    QTest::newRow("all files, No") << "times" << AllFiles << QStringList{"times"} << no << "times" << "";
}

// The dialog does not ask about the name chosen; the page asks about the name it writes,
// when a file of that name exists, and only a Yes replaces it.
void tst_settings_other::sunTableReplacesOnlyAfterYes()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QStringList, existing);
    QFETCH(int, answer);
    QFETCH(QString, askedAbout);
    QFETCH(QString, written);
    QTemporaryDir dir;
    makeFiles(dir.path(), existing);
    const folder_contents before = readFolder(dir.path());
    w().sunGroup->setChecked(true);
    f->controller->currentFile = dir.filePath(QStringLiteral("cfg1.cfg625"));

    f->ui.fileAnswers << dir.filePath(typed);
    f->ui.filterAnswers << filter;
    if (answer != 0)
        f->ui.answers << answer;
    w().saveSunTimesButton->click();

    QCOMPARE(f->ui.messageTexts(), askedAbout.isEmpty() ? QStringList() : QStringList{replaceQuestion(askedAbout)});
    if (!askedAbout.isEmpty()) {
        const message_request &question = f->ui.messages[0];
        QCOMPARE(question.title, SunCaption);
        QCOMPARE(question.icon, message_icon::Warning);
        QCOMPARE(question.buttons, unsigned(message_button::Yes | message_button::No));
        QCOMPARE(question.defaultButton, unsigned(message_button::No));
    }
    const folder_contents after = readFolder(dir.path());
    QCOMPARE(changedFiles(before, after), written.isEmpty() ? QStringList() : QStringList{written});
    if (!written.isEmpty())
        QVERIFY(after[written].contains("Day of year;sunrise;sunset"));
    // Only a written table moves the next dialog.
    QCOMPARE(f->controller->currentFile, written.isEmpty() ? dir.filePath("cfg1.cfg625") : dir.path());
}

void tst_settings_other::sunTableRealDialogAsksAboutTheNameWritten_data()
{
    QTest::addColumn<QStringList>("existing");   // files in the folder besides cfg1.cfg625
    QTest::addColumn<int>("answer");             // to the question about replacing
    QTest::addColumn<QStringList>("questions");  // the boxes shown, in order
    QTest::addColumn<QString>("written");        // "": nothing written

    QTest::newRow("a new table") << QStringList() << int(QMessageBox::Yes) << QStringList() << "cfg1.csv";
    QTest::newRow("a table replaced, No") << QStringList{"cfg1.csv"} << int(QMessageBox::No)
                                          << QStringList{replaceQuestion("cfg1.csv")} << "";
    QTest::newRow("a table replaced, Yes") << QStringList{"cfg1.csv"} << int(QMessageBox::Yes)
                                           << QStringList{replaceQuestion("cfg1.csv")} << "cfg1.csv";
}

// Saving the table through Qt's own dialog, the name it offers taken as it is, after the
// configuration cfg1.cfg625 was saved or opened: the configuration is neither offered, nor
// asked about, nor touched.
void tst_settings_other::sunTableRealDialogAsksAboutTheNameWritten()
{
    QFETCH(QStringList, existing);
    QFETCH(int, answer);
    QFETCH(QStringList, questions);
    QFETCH(QString, written);
    QTemporaryDir dir;
    makeFiles(dir.path(), existing + QStringList{"cfg1.cfg625"});
    const folder_contents before = readFolder(dir.path());
    w().sunGroup->setChecked(true);
    f->controller->currentFile = dir.filePath(QStringLiteral("cfg1.cfg625"));

    file_dialog_driver driver;
    driver.fileAnswers << file_dialog_driver::file_answer{};
    driver.boxAnswers << QMessageBox::StandardButton(answer);
    w().saveSunTimesButton->click();

    QCOMPARE(driver.namesShown, QStringList{"cfg1.csv"});
    QCOMPARE(driver.boxTexts(), questions);
    QCOMPARE(changedFiles(before, readFolder(dir.path())), written.isEmpty() ? QStringList() : QStringList{written});
}

QTEST_MAIN(tst_settings_other)
#include "tst_settings_other.moc"
