#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "model/scene_times_record.h"
#include "scenes/ascene_settings_widget.h"
#include "scenes/dmx_sheet_group.h"
#include "scenes/dmx_sheet_record_class.h"
#include "scenes/level_set.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/message_summary.h"
#include "tests/support/page_fixture.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace image_layout;

namespace {

// The scripted interaction, also recording where each file chooser starts, what it offers
// and whose window it belongs to.
struct recording_interaction : scripted_interaction {
    struct file_call {
        QString caption;
        QString dir;
        QString filter;
        dialog_parent parent;
    };
    QList<file_call> fileCalls;

    QString chooseOpenFile(const QString &caption, const QString &dir, const QString &filter,
                           dialog_parent parent) override
    {
        fileCalls << file_call{caption, dir, filter, parent};
        return scripted_interaction::chooseOpenFile(caption, dir, filter, parent);
    }
    QString chooseSaveFile(const QString &caption, const QString &dir, const QString &filter,
                           dialog_parent parent, QString *selectedFilter) override
    {
        fileCalls << file_call{caption, dir, filter, parent};
        return scripted_interaction::chooseSaveFile(caption, dir, filter, parent, selectedFilter);
    }
};

// Answers of the column-limit question, by the order of its buttons.
enum column_answer { Yes, Repair, Cancel };

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("cannot read ") + name.toLocal8Bit();
    return file.readAll();
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A sheet of the given numbers in one "scene" row, each column with channel 1 at its number.
QByteArray numberedSheet(int first, int last)
{
    QByteArray numbers = "scene";
    QByteArray levels = "C1";
    for (int n = first; n <= last; ++n) {
        numbers += ';' + QByteArray::number(n);
        levels += ';' + QByteArray::number(n % 256);
    }
    return "QVR DMX sheet\n" + numbers + '\n' + levels + '\n';
}

QStringList labelTexts(const QWidget *group)
{
    QStringList texts;
    for (const QLabel *label : group->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

} // namespace

class tst_dmx_sheet_group : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout();
    void directionResetsTheGroup();
    void browse();
    void chooseWithoutFile();
    void exportGolden();
    void exportErrors_data();
    void exportErrors();
    void columnLimit_data();
    void columnLimit();
    void importWithRelocation();
    void importErrors_data();
    void importErrors();
    void partialImport();
    void roundTrip();

private:
    void makePage();
    void chooseFile(const QString &name, bool exporting = false);
    QString path(const char *name) const { return dir->filePath(QString::fromLatin1(name)); }
    QStringList messages() const { return messageSummaries(*ui); }
    u8 *image() const { return f->image(); }

    std::unique_ptr<page_fixture> f;
    std::unique_ptr<recording_interaction> ui;
    std::unique_ptr<QTemporaryDir> dir;  // one a test
    QWidget *page = nullptr;
    dmx_sheet_group *group = nullptr;
};

void tst_dmx_sheet_group::init()
{
    f = std::make_unique<page_fixture>();
    ui = std::make_unique<recording_interaction>();
    dir = std::make_unique<QTemporaryDir>();
}

void tst_dmx_sheet_group::cleanup()
{
    page = nullptr;
    group = nullptr;
    ui.reset();
    dir.reset();
    const QStringList problems = page_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_dmx_sheet_group::makePage()
{
    auto *scenes = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    page = scenes;
    group = scenes->sheetBox;
    QCOMPARE(group->parentWidget(), scenes->copyingTab);
}

// Types a file name and presses "Choose", in the direction given.
void tst_dmx_sheet_group::chooseFile(const QString &name, bool exporting)
{
    (exporting ? group->sheetExportRadio : group->sheetImportRadio)->click();
    group->sheetFileEdit->setText(name);
    group->sheetChooseButton->click();
}

void tst_dmx_sheet_group::layout()
{
    makePage();
    QCOMPARE(group->title(), QStringLiteral("Import / Export Scenes"));
    QCOMPARE(group->geometry(), QRect(10, 430, 631, 181));
    QCOMPARE(labelTexts(group), QStringList({"File:", "Copy from range:", "to", "Relocate scenes:"}));
    for (const QLabel *label : group->findChildren<QLabel *>())
        QCOMPARE(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(group->findChildren<QRadioButton *>().size(), 2);
    QVERIFY(group->sheetImportRadio->isChecked());
    QCOMPARE(group->sheetImportRadio->text(), QStringLiteral("Import"));
    QCOMPARE(group->sheetExportRadio->text(), QStringLiteral("Export"));
    QCOMPARE(group->sheetFileEdit->geometry(), QRect(90, 60, 331, 21));
    QVERIFY(group->sheetFileEdit->text().isEmpty());
    QCOMPARE(group->sheetBrowseButton->text(), QStringLiteral("Browse"));
    QCOMPARE(group->sheetChooseButton->text(), QStringLiteral("Choose"));
    QCOMPARE(group->sheetFrom->minimum(), 1);
    QCOMPARE(group->sheetFrom->maximum(), 3072);
    QCOMPARE(group->sheetFrom->value(), 1);
    QCOMPARE(group->sheetTo->maximum(), 3072);
    QCOMPARE(group->sheetTo->value(), 3072);
    QCOMPARE(group->sheetRelocation->value(), 0);
    QCOMPARE(group->sheetRelocation->geometry(), QRect(200, 140, 71, 22));
    QCOMPARE(group->sheetActionButton->text(), QStringLiteral("Import"));
    QCOMPARE(group->sheetActionButton->geometry(), QRect(440, 140, 101, 23));
    QVERIFY(!group->sheetActionButton->isEnabled());
    QVERIFY(group->sheetRecords.isEmpty());
    QCOMPARE(ui->messages.size(), 0);
}

void tst_dmx_sheet_group::directionResetsTheGroup()
{
    makePage();
    writeFile(path("sheet.dmx"), numberedSheet(20, 30));
    chooseFile(path("sheet.dmx"));
    QCOMPARE(group->sheetRecords.size(), 11);
    QVERIFY(group->sheetActionButton->isEnabled());
    QCOMPARE(group->sheetFrom->minimum(), 20);
    QCOMPARE(group->sheetTo->maximum(), 30);
    group->sheetFrom->setValue(25);

    group->sheetExportRadio->click();
    QCOMPARE(group->sheetActionButton->text(), QStringLiteral("Export"));
    QVERIFY(!group->sheetActionButton->isEnabled());
    QVERIFY(!group->sheetRelocation->isEnabled());
    QVERIFY(group->sheetRecords.isEmpty());
    QCOMPARE(group->sheetFrom->minimum(), 1);
    QCOMPARE(group->sheetFrom->maximum(), 3072);
    QCOMPARE(group->sheetTo->maximum(), 3072);
    QCOMPARE(group->sheetFrom->value(), 25);
    QCOMPARE(group->sheetTo->value(), 30);

    group->sheetChooseButton->click();
    QVERIFY(group->sheetActionButton->isEnabled());
    group->sheetImportRadio->click();
    QCOMPARE(group->sheetActionButton->text(), QStringLiteral("Import"));
    QVERIFY(!group->sheetActionButton->isEnabled());
    QVERIFY(group->sheetRelocation->isEnabled());

    // The radio button already checked drops what was read as well.
    group->sheetChooseButton->click();
    QCOMPARE(group->sheetRecords.size(), 11);
    group->sheetImportRadio->click();
    QVERIFY(group->sheetRecords.isEmpty());
    QVERIFY(!group->sheetActionButton->isEnabled());
    QCOMPARE(ui->messages.size(), 0);
}

void tst_dmx_sheet_group::browse()
{
    makePage();
    const QString filter = QStringLiteral("QVR DMX Sheets (*.dmx;*.csv);;All files (*)");
    writeFile(path("in.csv"), numberedSheet(1, 3));

    // Cancelled: nothing changes.
    group->sheetBrowseButton->click();
    QCOMPARE(ui->fileCalls.size(), 1);
    QCOMPARE(ui->fileCalls[0].caption, QStringLiteral("Choose DMX value sheet"));
    QCOMPARE(ui->fileCalls[0].dir, QStringLiteral("./"));
    QCOMPARE(ui->fileCalls[0].filter, filter);
    QCOMPARE(ui->fileCalls[0].parent, dialog_parent::None);
    QVERIFY(group->sheetFileEdit->text().isEmpty());

    // A sheet picked is read at once.
    ui->fileAnswers << path("in.csv");
    group->sheetBrowseButton->click();
    QCOMPARE(group->sheetFileEdit->text(), path("in.csv"));
    QCOMPARE(group->sheetRecords.size(), 3);
    QVERIFY(group->sheetActionButton->isEnabled());

    // Export: the save chooser starts at the file named.
    group->sheetExportRadio->click();
    ui->fileAnswers << path("out.dmx");
    group->sheetBrowseButton->click();
    QCOMPARE(ui->fileCalls[2].caption, QStringLiteral("Choose file to save scenes"));
    QCOMPARE(ui->fileCalls[2].dir, path("in.csv"));
    QCOMPARE(ui->fileCalls[2].filter, filter);
    QCOMPARE(ui->fileCalls[2].parent, dialog_parent::None);
    QCOMPARE(group->sheetFileEdit->text(), path("out.dmx"));
    QVERIFY(group->sheetActionButton->isEnabled());
    QVERIFY(!QFile::exists(path("out.dmx")));  // written only by the action

    // Cancelling leaves the group ready.
    group->sheetBrowseButton->click();
    QCOMPARE(group->sheetFileEdit->text(), path("out.dmx"));
    QVERIFY(group->sheetActionButton->isEnabled());
    QCOMPARE(ui->messages.size(), 0);
}

void tst_dmx_sheet_group::chooseWithoutFile()
{
    makePage();
    for (bool exporting : {false, true}) {
        chooseFile(QString(), exporting);
        QVERIFY(!group->sheetActionButton->isEnabled());
    }
    // Not reachable by the button while disabled; the export does nothing either.
    QMetaObject::invokeMethod(page, "migrate");
    QCOMPARE(ui->messages.size(), 0);
    QVERIFY(QDir(dir->path()).isEmpty());
}

// The sheet of the two scenes of the example, and the same file written again with one scene.
void tst_dmx_sheet_group::exportGolden()
{
    const level_set &scenes = level_set::scenes();
    scenes.setTimes(image(), 4, {10, 0xFFFF, 0, 0});
    scenes.setTimes(image(), 5, {0, 30, 20, 0});
    scenes.levels(image(), 4)[0] = 255;
    scenes.levels(image(), 5)[1] = 128;
    f->controller->sceneDescs[4] = QStringLiteral("Intro");
    f->controller->sceneDescs[5] = QStringLiteral("Blue wash");
    const QByteArray before = QByteArray(reinterpret_cast<const char *>(image()), int(ImageSize));
    makePage();
    chooseFile(path("out.dmx"), true);
    group->sheetFrom->setValue(5);
    group->sheetTo->setValue(6);
    group->sheetActionButton->click();
    QCOMPARE(fileBytes(path("out.dmx")), fileBytes(QFINDTESTDATA("data/scenes_5_6.dmx")));
    QCOMPARE(messages(), QStringList{messageSummary(message_icon::Information, "Export scenes:", "2 scene(s) exported!")});
    QCOMPARE(ui->messages[0].parentWidget.data(), page);
    QVERIFY(group->sheetActionButton->isEnabled());

    group->sheetFrom->setValue(7);
    group->sheetTo->setValue(7);
    group->sheetActionButton->click();
    const QByteArray again = fileBytes(path("out.dmx"));
    QVERIFY(again.startsWith("QVR DMX sheet\nscene;7\nRiseTime;"));
    QCOMPARE(again.count('\n'), 518);
    QCOMPARE(ui->messageTexts().last(), QStringLiteral("1 scene(s) exported!"));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(image()), int(ImageSize)), before);
}

void tst_dmx_sheet_group::exportErrors_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("file");
    QTest::addColumn<qint64>("sizeLimit");
    QTest::addColumn<QString>("text");

    QTest::newRow("invalid range") << 10 << 9 << "old.dmx" << qint64(-1) << "Invalid range!";
    QTest::newRow("cannot open") << 1 << 2 << "missing/out.dmx" << qint64(-1) << "Cannot open file %1 to write!";
    QTest::newRow("write fails") << 1 << 200 << "old.dmx" << qint64(8192) << "Cannot open writing stream!";
}

// Each error leaves an existing file as it was.
void tst_dmx_sheet_group::exportErrors()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, file);
    QFETCH(qint64, sizeLimit);
    QFETCH(QString, text);
    makePage();
    writeFile(path("old.dmx"), "old sheet\n");
    const QString name = dir->filePath(file);
    chooseFile(name, true);
    group->sheetFrom->setValue(from);
    group->sheetTo->setValue(to);
    {
        std::unique_ptr<file_size_limit> limit;
        if (sizeLimit > 0)
            limit = std::make_unique<file_size_limit>(sizeLimit);
        group->sheetActionButton->click();
    }
    const QString shown = text.contains(QLatin1String("%1")) ? text.arg(name) : text;
    QCOMPARE(messages(), QStringList{messageSummary(message_icon::Critical, "Export scenes:", shown)});
    QCOMPARE(ui->messages[0].parentWidget.data(), page);
    QCOMPARE(fileBytes(path("old.dmx")), QByteArray("old sheet\n"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("old.dmx")});
}

void tst_dmx_sheet_group::columnLimit_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("answer");  // -1: no question
    QTest::addColumn<int>("columns"); // 0: nothing written
    QTest::addColumn<int>("shownTo");

    QTest::newRow("255 columns, no question") << 1 << 255 << -1 << 255 << 255;
    QTest::newRow("256 columns, Yes!") << 1 << 256 << int(Yes) << 256 << 256;
    QTest::newRow("256 columns, Repair") << 1 << 256 << int(Repair) << 255 << 255;
    QTest::newRow("256 columns, Cancel") << 1 << 256 << int(Cancel) << 0 << 256;
    QTest::newRow("all from 10, Repair") << 10 << 3072 << int(Repair) << 255 << 264;
    QTest::newRow("all, unanswered: Yes!") << 1 << 3072 << -2 << 3072 << 3072;
}

void tst_dmx_sheet_group::columnLimit()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, answer);
    QFETCH(int, columns);
    QFETCH(int, shownTo);
    makePage();
    writeFile(path("old.dmx"), "old sheet\n");
    chooseFile(path("old.dmx"), true);
    group->sheetFrom->setValue(from);
    group->sheetTo->setValue(to);
    if (answer >= 0)
        ui->answers << answer;
    group->sheetActionButton->click();

    QCOMPARE(group->sheetTo->value(), shownTo);
    const QByteArray written = fileBytes(path("old.dmx"));
    if (columns == 0) {
        QCOMPARE(written, QByteArray("old sheet\n"));
    } else {
        const QList<QByteArray> lines = written.split('\n');
        QCOMPARE(lines[1].count(';'), columns);
        QVERIFY(lines[1].startsWith("scene;" + QByteArray::number(from) + ';'));
        QVERIFY(lines[1].endsWith(';' + QByteArray::number(from + columns - 1)));
    }
    if (answer == -1) {
        QCOMPARE(messages(), QStringList{messageSummary(message_icon::Information, "Export scenes:",
                                                        QStringLiteral("%1 scene(s) exported!").arg(columns))});
        return;
    }
    const message_request &question = ui->messages[0];
    QCOMPARE(messageSummary(question.icon, question.title, question.text),
             messageSummary(message_icon::Question, "Export scenes:",
                            "Required number of scenes exceeds Excel limits!\nContinue anyway?"));
    QCOMPARE(question.customButtons.size(), 3);
    QCOMPARE(question.customButtons[0].text, QStringLiteral("Yes!"));
    QCOMPARE(question.customButtons[1].text, QStringLiteral("Repair"));
    QCOMPARE(question.customButtons[2].text, QStringLiteral("Cancel"));
    QCOMPARE(question.defaultCustomButton, 0);
    QVERIFY(question.noEscapeButton);
    QCOMPARE(question.parentWidget.data(), page);
    QCOMPARE(ui->messages.size(), columns == 0 ? 1 : 2);
    if (columns > 0)
        QCOMPARE(ui->messageTexts().last(), QStringLiteral("%1 scene(s) exported!").arg(columns));
}

// The sheet of the example read and stored ten scenes further on; the page shows them at once.
void tst_dmx_sheet_group::importWithRelocation()
{
    makePage();
    auto *scenes = static_cast<ascene_settings_widget *>(page);
    scene_times_record{1, 2, 3, 0xABCD}.write(image(), sceneTimes(14));
    const QByteArray before = QByteArray(reinterpret_cast<const char *>(image()), int(ImageSize));
    chooseFile(QFINDTESTDATA("data/scenes_5_6.dmx"));
    QCOMPARE(group->sheetRecords.size(), 2);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(image()), int(ImageSize)), before);  // reading stores nothing
    QCOMPARE(group->sheetFrom->minimum(), 5);
    QCOMPARE(group->sheetFrom->maximum(), 3072);
    QCOMPARE(group->sheetFrom->value(), 5);
    QCOMPARE(group->sheetTo->minimum(), 1);
    QCOMPARE(group->sheetTo->maximum(), 6);
    QCOMPARE(group->sheetTo->value(), 6);
    QCOMPARE(group->sheetRelocation->minimum(), -4);
    QCOMPARE(group->sheetRelocation->maximum(), 3066);
    QCOMPARE(group->sheetRelocation->value(), 0);
    QVERIFY(group->sheetActionButton->isEnabled());
    QVERIFY(scenes->sceneTable->item(14, 0)->background().color() != page_base::inUseColour());

    group->sheetRelocation->setValue(10);
    group->sheetActionButton->click();
    const level_set &set = level_set::scenes();
    const scene_times_record first = set.times(image(), 14);
    const scene_times_record second = set.times(image(), 15);
    QCOMPARE(QList<u16>({first.fadeUp, first.duration, first.fadeDown, first.reserved}),
             QList<u16>({10, 0xFFFF, 0, 0xABCD}));
    QCOMPARE(QList<u16>({second.fadeUp, second.duration, second.fadeDown}), QList<u16>({0, 30, 20}));
    QCOMPARE(set.levels(image(), 14)[0], u8(255));
    QCOMPARE(set.levels(image(), 15)[1], u8(128));
    QCOMPARE(f->controller->sceneDescs[14], QStringLiteral("Intro"));
    QCOMPARE(f->controller->sceneDescs[15], QStringLiteral("Blue wash"));
    QCOMPARE(f->controller->sceneDescs[4], QString());
    QCOMPARE(scenes->sceneTable->item(14, 0)->background().color(), page_base::inUseColour());
    QCOMPARE(scenes->sceneTable->item(15, 0)->text(), QStringLiteral("Blue wash"));
    QCOMPARE(messages(), QStringList{messageSummary(message_icon::Information, "Import scenes:", "2 scene(s) imported!")});
    QCOMPARE(ui->messages[0].parentWidget.data(), page);
    QCOMPARE(group->sheetRecords.size(), 2);
    QVERIFY(group->sheetActionButton->isEnabled());

    // Numbers 1..10: relocations 0..3062; 5 puts them into scenes 6..15.
    writeFile(path("ten.dmx"), numberedSheet(1, 10));
    chooseFile(path("ten.dmx"));
    QCOMPARE(group->sheetRelocation->minimum(), 0);
    QCOMPARE(group->sheetRelocation->maximum(), 3062);
    QCOMPARE(group->sheetRelocation->value(), 10);
    group->sheetRelocation->setValue(5);
    group->sheetActionButton->click();
    for (int scene = 5; scene < 15; ++scene)
        QCOMPARE(set.levels(image(), scene)[0], u8(scene - 4));
    QCOMPARE(set.times(image(), 14).duration, scene_times_record::Infinite);
    QCOMPARE(ui->messageTexts().last(), QStringLiteral("10 scene(s) imported!"));
}

void tst_dmx_sheet_group::importErrors_data()
{
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("recordsLeft");

    QTest::newRow("missing file") << QByteArray() << "Cannot open file %1!" << 3;
    QTest::newRow("empty file") << QByteArray("") << "Invalid DMX sheet!" << 3;
    QTest::newRow("no header") << QByteArray("scene;1\nC1;1\n") << "Invalid DMX sheet!" << 3;
    QTest::newRow("header only") << QByteArray("QVR DMX sheet\r\n") << "No valid scenes found!" << 0;
}

// A sheet that can't be read leaves the configuration alone and the action disabled.
void tst_dmx_sheet_group::importErrors()
{
    QFETCH(QByteArray, sheet);
    QFETCH(QString, text);
    QFETCH(int, recordsLeft);
    makePage();
    writeFile(path("good.dmx"), numberedSheet(1, 3));
    chooseFile(path("good.dmx"));
    QCOMPARE(group->sheetRecords.size(), 3);
    const QByteArray before = QByteArray(reinterpret_cast<const char *>(image()), int(ImageSize));

    const QString name = path("bad.dmx");
    if (!sheet.isNull())
        writeFile(name, sheet);
    group->sheetFileEdit->setText(name);
    group->sheetChooseButton->click();
    const QString shown = text.contains(QLatin1String("%1")) ? text.arg(name) : text;
    QCOMPARE(messages(), QStringList{messageSummary(message_icon::Critical, "Import scenes:", shown)});
    QCOMPARE(ui->messages[0].parentWidget.data(), page);
    QCOMPARE(group->sheetRecords.size(), recordsLeft);
    QVERIFY(!group->sheetActionButton->isEnabled());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(image()), int(ImageSize)), before);
}

void tst_dmx_sheet_group::partialImport()
{
    makePage();
    writeFile(path("fifty.dmx"), numberedSheet(1, 50));
    chooseFile(path("fifty.dmx"));
    group->sheetFrom->setValue(10);
    group->sheetTo->setValue(20);
    group->sheetActionButton->click();
    const level_set &set = level_set::scenes();
    for (int scene = 0; scene < 50; ++scene)
        QCOMPARE(set.levels(image(), scene)[0], u8(scene >= 9 && scene < 20 ? scene + 1 : 0));
    QCOMPARE(ui->messageTexts(), QStringList{"11 scene(s) imported!"});
}

// Every scene of a fully populated configuration exported ("Yes!" to the column limit),
// wiped, and imported again with relocation 0: levels, times and descriptions as they were.
void tst_dmx_sheet_group::roundTrip()
{
    populateConfiguration(*f->controller);
    makePage();
    const level_set &set = level_set::scenes();
    const QByteArray levels(reinterpret_cast<const char *>(image() + SceneLevels), int(ChannelCount * SceneCount));
    QList<scene_times_record> times;
    for (int scene = 0; scene < set.count; ++scene)
        times << set.times(image(), scene);
    const auto descriptions = f->controller->sceneDescs;

    chooseFile(path("all.dmx"), true);
    ui->answers << Yes;
    group->sheetActionButton->click();
    QCOMPARE(ui->messageTexts().last(), QStringLiteral("3072 scene(s) exported!"));

    std::fill_n(image() + SceneLevels, ChannelCount * SceneCount, u8(0));
    for (int scene = 0; scene < set.count; ++scene) {
        set.setTimes(image(), scene, {7, 7, 7, 0});
        f->controller->sceneDescs[scene].clear();
    }
    chooseFile(path("all.dmx"));
    QCOMPARE(group->sheetRecords.size(), 3072);
    QCOMPARE(group->sheetRelocation->minimum(), 0);
    QCOMPARE(group->sheetRelocation->maximum(), 0);
    group->sheetActionButton->click();
    QCOMPARE(ui->messageTexts().last(), QStringLiteral("3072 scene(s) imported!"));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(image() + SceneLevels), int(ChannelCount * SceneCount)), levels);
    for (int scene = 0; scene < set.count; ++scene) {
        const scene_times_record read = set.times(image(), scene);
        QCOMPARE(read.fadeUp, times[scene].fadeUp);
        QCOMPARE(read.duration, times[scene].duration);
        QCOMPARE(read.fadeDown, times[scene].fadeDown);
        QCOMPARE(read.reserved, times[scene].reserved);
    }
    QVERIFY(f->controller->sceneDescs == descriptions);
}

QTEST_MAIN(tst_dmx_sheet_group)
#include "tst_dmx_sheet_group.moc"
