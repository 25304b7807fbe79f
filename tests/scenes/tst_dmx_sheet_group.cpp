#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "model/scene_times_record.h"
#include "scenes/amask_settings_widget.h"
#include "scenes/ascene_settings_widget.h"
#include "scenes/dmx_sheet_group.h"
#include "scenes/dmx_sheet_kind.h"
#include "scenes/dmx_sheet_reader.h"
#include "scenes/dmx_sheet_record_class.h"
#include "scenes/level_set.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/folder_contents.h"
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
                           dialog_parent parent, QString *selectedFilter) override
    {
        fileCalls << file_call{caption, dir, filter, parent};
        return scripted_interaction::chooseOpenFile(caption, dir, filter, parent, selectedFilter);
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

// A sheet of the page's kind with the given numbers, each column with channel 1 at its number.
QByteArray numberedSheet(const dmx_sheet_kind &kind, int first, int last)
{
    QByteArray numbers = kind.numberKey;
    QByteArray levels = "C1";
    for (int n = first; n <= last; ++n) {
        numbers += ';' + QByteArray::number(n);
        levels += ';' + QByteArray::number(n % 256);
    }
    return kind.header + QByteArray("\n") + numbers + '\n' + levels + '\n';
}

QByteArray imageBytes(const u8 *image)
{
    return QByteArray(reinterpret_cast<const char *>(image), int(ImageSize));
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
    // Every test runs on the scene page and on the mask page.
    void initTestCase_data();
    void init();
    void cleanup();

    void layout();
    void directionResetsTheGroup();
    void browse();
    void chooseWithoutFile();
    void exportGolden();
    void exportErrors_data();
    void exportErrors();
    void typedNameAsksBeforeReplacing_data();
    void typedNameAsksBeforeReplacing();
    void columnLimit_data();
    void columnLimit();
    void importWithRelocation();
    void importErrors_data();
    void importErrors();
    void partialImport();
    void roundTrip();
    void longDescriptionsRoundTrip_data();
    void longDescriptionsRoundTrip();
    void longestImportedDescriptionSavedAndOpened();
    void rowPassedOverClearsNothing();

private:
    void makePage();
    void chooseFile(const QString &name, bool exporting = false);
    QString path(const char *name) const { return dir->filePath(QString::fromLatin1(name)); }
    QStringList messages() const { return messageSummaries(*ui); }
    u8 *image() const { return f->image(); }

    // The page's kind and its words.
    bool masks = false;
    const dmx_sheet_kind &kind() const { return masks ? dmx_sheet_kind::masks() : dmx_sheet_kind::scenes(); }
    const level_set &set() const { return kind().set; }
    int count() const { return set().count; }
    QString nouns() const { return masks ? QStringLiteral("masks") : QStringLiteral("scenes"); }
    // "Export scenes:", "2 scene(s) imported!", ...
    QString title(const char *verb) const { return QStringLiteral("%1 %2:").arg(QLatin1String(verb), nouns()); }
    QString counted(int n, const char *verb) const
    {
        return QStringLiteral("%1 %2(s) %3!").arg(n).arg(QLatin1String(masks ? "mask" : "scene"), QLatin1String(verb));
    }
    QString &description(int number) const { return set().description(*f->controller, number); }
    // The save dialog's question before the export replaces fileName (in the folder).
    QString replaceSummary(const QString &fileName) const
    {
        return messageSummary(message_icon::Warning, QStringLiteral("Choose file to save %1").arg(nouns()),
                              replaceQuestion(fileName));
    }
    QTableWidget *list() const;

    std::unique_ptr<page_fixture> f;
    std::unique_ptr<recording_interaction> ui;
    std::unique_ptr<QTemporaryDir> dir;  // one a test
    QWidget *page = nullptr;
    dmx_sheet_group *group = nullptr;
};

void tst_dmx_sheet_group::initTestCase_data()
{
    QTest::addColumn<bool>("maskPage");
    QTest::newRow("scene page") << false;
    QTest::newRow("mask page") << true;
}

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
    QFETCH_GLOBAL(bool, maskPage);
    masks = maskPage;
    level_settings_page *levels = nullptr;
    if (masks)
        levels = new amask_settings_widget(f->controller.get(), f->tabPage.get());
    else
        levels = new ascene_settings_widget(f->controller.get(), f->tabPage.get());
    page = levels;
    group = levels->sheetBox;
    QCOMPARE(group->parentWidget(), levels->copyingTab);
}

QTableWidget *tst_dmx_sheet_group::list() const
{
    return static_cast<level_settings_page *>(page)->sceneTable;
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
    QCOMPARE(group->title(), masks ? QStringLiteral("Import / Export Masks") : QStringLiteral("Import / Export Scenes"));
    QCOMPARE(group->geometry(), QRect(10, 430, 631, 181));
    QCOMPARE(labelTexts(group), QStringList({"File:", "Copy from range:", "to", QStringLiteral("Relocate %1:").arg(nouns())}));
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
    QCOMPARE(group->sheetFrom->maximum(), count());
    QCOMPARE(group->sheetFrom->value(), 1);
    QCOMPARE(group->sheetTo->maximum(), count());
    QCOMPARE(group->sheetTo->value(), count());
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
    writeFile(path("sheet.dmx"), numberedSheet(kind(), 20, 30));
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
    QCOMPARE(group->sheetFrom->maximum(), count());
    QCOMPARE(group->sheetTo->maximum(), count());
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
    writeFile(path("in.csv"), numberedSheet(kind(), 1, 3));

    // Cancelled: nothing changes.
    group->sheetBrowseButton->click();
    QCOMPARE(ui->fileCalls.size(), 1);
    QCOMPARE(ui->fileCalls[0].caption,
             masks ? QStringLiteral("Choose masks' value sheet") : QStringLiteral("Choose DMX value sheet"));
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
    QCOMPARE(ui->fileCalls[2].caption, QStringLiteral("Choose file to save %1").arg(nouns()));
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

// The sheets of the format's examples (scenes 5 and 6; masks 191..193), and the same file
// written again with one number.
void tst_dmx_sheet_group::exportGolden()
{
    makePage();
    const level_set &levels = set();
    int from = 5;
    int to = 6;
    QString golden = QStringLiteral("data/scenes_5_6.dmx");
    if (masks) {
        from = 191;
        to = 193;
        golden = QStringLiteral("data/masks_191_193.dmx");
        levels.setTimes(image(), 191, {5, 1234, 65535, 0});
        levels.levels(image(), 191)[511] = 7;
        description(190) = QStringLiteral("Left;right");
        description(192) = QStringLiteral("two\r\nlines");
    } else {
        levels.setTimes(image(), 4, {10, 0xFFFF, 0, 0});
        levels.setTimes(image(), 5, {0, 30, 20, 0});
        levels.levels(image(), 4)[0] = 255;
        levels.levels(image(), 5)[1] = 128;
        description(4) = QStringLiteral("Intro");
        description(5) = QStringLiteral("Blue wash");
    }
    const QByteArray before = imageBytes(image());
    chooseFile(path("out.dmx"), true);
    group->sheetFrom->setValue(from);
    group->sheetTo->setValue(to);
    group->sheetActionButton->click();
    QCOMPARE(fileBytes(path("out.dmx")), fileBytes(QFINDTESTDATA(golden)));
    QCOMPARE(messages(), QStringList{messageSummary(message_icon::Information, title("Export"),
                                                    counted(to - from + 1, "exported"))});
    QCOMPARE(ui->messages[0].parentWidget.data(), page);
    QVERIFY(group->sheetActionButton->isEnabled());

    // Typed, the name is asked about before the sheet of a moment ago is replaced.
    group->sheetFrom->setValue(7);
    group->sheetTo->setValue(7);
    ui->answers << int(message_button::Yes);
    group->sheetActionButton->click();
    QCOMPARE(messages().mid(1, 1), QStringList{replaceSummary(QStringLiteral("out.dmx"))});
    const QByteArray again = fileBytes(path("out.dmx"));
    QVERIFY(again.startsWith(kind().header + QByteArray("\n") + kind().numberKey + ";7\nRiseTime;"));
    QCOMPARE(again.count('\n'), masks ? 517 : 518);
    QCOMPARE(ui->messageTexts().last(), counted(1, "exported"));
    QCOMPARE(imageBytes(image()), before);
}

void tst_dmx_sheet_group::exportErrors_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("file");
    QTest::addColumn<qint64>("sizeLimit");
    QTest::addColumn<QString>("text");

    // The range is checked before the file is asked about.
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
    // A write that fails after Yes to replacing the file typed leaves it as it was too.
    const bool asked = from <= to && QFile::exists(name);
    if (asked)
        ui->answers << int(message_button::Yes);
    {
        std::unique_ptr<file_size_limit> limit;
        if (sizeLimit > 0)
            limit = std::make_unique<file_size_limit>(sizeLimit);
        group->sheetActionButton->click();
    }
    const QString shown = text.contains(QLatin1String("%1")) ? text.arg(name) : text;
    QStringList expected{messageSummary(message_icon::Critical, title("Export"), shown)};
    if (asked)
        expected.prepend(replaceSummary(file));
    QCOMPARE(messages(), expected);
    QCOMPARE(ui->messages.last().parentWidget.data(), page);
    QCOMPARE(fileBytes(path("old.dmx")), QByteArray("old sheet\n"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("old.dmx")});
}

void tst_dmx_sheet_group::typedNameAsksBeforeReplacing_data()
{
    QTest::addColumn<QString>("typed");   // the name in the field at Export
    QTest::addColumn<QString>("chosen");  // the name the save dialog gave first; none: typed
    QTest::addColumn<int>("answer");      // to the replace question; 0: not scripted
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");

    const int yes = int(message_button::Yes);
    const int no = int(message_button::No);
    QTest::newRow("the configuration's own file typed, No") << "show.cfg625" << "" << no << true << false;
    QTest::newRow("typed, No by default") << "show.cfg625" << "" << 0 << true << false;
    QTest::newRow("typed, Yes") << "show.cfg625" << "" << yes << true << true;
    QTest::newRow("typed, no such file") << "new.dmx" << "" << 0 << false << true;
    QTest::newRow("chosen in the dialog") << "show.cfg625" << "show.cfg625" << 0 << false << true;
    QTest::newRow("chosen, then another typed, No") << "other.dmx" << "show.cfg625" << no << true << false;
}

// An export to a file the save dialog did not name asks before replacing it, in the
// dialog's own words; No writes nothing.
void tst_dmx_sheet_group::typedNameAsksBeforeReplacing()
{
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, written);
    makePage();
    makeFiles(dir->path(), {QStringLiteral("show.cfg625"), QStringLiteral("other.dmx")});
    const folder_contents before = readFolder(dir->path());
    group->sheetExportRadio->click();
    if (!chosen.isEmpty()) {
        ui->fileAnswers << dir->filePath(chosen);
        group->sheetBrowseButton->click();
    }
    group->sheetFileEdit->setText(dir->filePath(typed));
    group->sheetChooseButton->click();
    group->sheetFrom->setValue(1);
    group->sheetTo->setValue(3);
    if (answer != 0)
        ui->answers << answer;
    group->sheetActionButton->click();

    QStringList expected;
    if (asked) {
        expected << replaceSummary(typed);
        const message_request &question = ui->messages.first();
        QCOMPARE(question.buttons, unsigned(message_button::Yes | message_button::No));
        QCOMPARE(question.defaultButton, unsigned(message_button::No));
        QCOMPARE(question.parent, dialog_parent::None);
    }
    if (written)
        expected << messageSummary(message_icon::Information, title("Export"), counted(3, "exported"));
    QCOMPARE(messages(), expected);
    const folder_contents after = readFolder(dir->path());
    QCOMPARE(changedFiles(before, after), written ? QStringList{typed} : QStringList());
    if (written)
        QVERIFY(after.value(typed).startsWith(kind().header));
}

void tst_dmx_sheet_group::columnLimit_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");       // -1: the last number
    QTest::addColumn<int>("answer");   // -1: no question; -2: the default answer
    QTest::addColumn<int>("columns");  // 0: nothing written; -1: all numbers
    QTest::addColumn<int>("shownTo");  // -1: the last number

    QTest::newRow("255 columns, no question") << 1 << 255 << -1 << 255 << 255;
    QTest::newRow("256 columns, Yes!") << 1 << 256 << int(Yes) << 256 << 256;
    QTest::newRow("256 columns, Repair") << 1 << 256 << int(Repair) << 255 << 255;
    QTest::newRow("256 columns, Cancel") << 1 << 256 << int(Cancel) << 0 << 256;
    QTest::newRow("from 2 on, Repair") << 2 << 257 << int(Repair) << 255 << 256;
    QTest::newRow("all, the default: Yes!") << 1 << -1 << -2 << -1 << -1;
}

void tst_dmx_sheet_group::columnLimit()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, answer);
    QFETCH(int, columns);
    QFETCH(int, shownTo);
    makePage();
    if (to > count())
        QSKIP("more numbers than the page has");
    to = to < 0 ? count() : to;
    columns = columns < 0 ? count() : columns;
    shownTo = shownTo < 0 ? count() : shownTo;
    writeFile(path("old.dmx"), "old sheet\n");
    // Chosen in the save dialog, which itself asked about replacing the file.
    group->sheetExportRadio->click();
    ui->fileAnswers << path("old.dmx");
    group->sheetBrowseButton->click();
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
        QVERIFY(lines[1].startsWith(kind().numberKey + (';' + QByteArray::number(from) + ';')));
        QVERIFY(lines[1].endsWith(';' + QByteArray::number(from + columns - 1)));
    }
    if (answer == -1) {
        QCOMPARE(messages(), QStringList{messageSummary(message_icon::Information, title("Export"),
                                                        counted(columns, "exported"))});
        return;
    }
    const message_request &question = ui->messages[0];
    QCOMPARE(messageSummary(question.icon, question.title, question.text),
             messageSummary(message_icon::Question, title("Export"),
                            QStringLiteral("Required number of %1 exceeds Excel limits!\nContinue anyway?").arg(nouns())));
    QCOMPARE(question.customButtons.size(), 3);
    QCOMPARE(question.customButtons[0].text, QStringLiteral("Yes!"));
    QCOMPARE(question.customButtons[1].text, QStringLiteral("Repair"));
    QCOMPARE(question.customButtons[2].text, QStringLiteral("Cancel"));
    QCOMPARE(question.defaultCustomButton, 0);
    QVERIFY(question.noEscapeButton);
    QCOMPARE(question.parentWidget.data(), page);
    QCOMPARE(ui->messages.size(), columns == 0 ? 1 : 2);
    if (columns > 0)
        QCOMPARE(ui->messageTexts().last(), counted(columns, "exported"));
}

// A sheet of numbers 5 and 6 read and stored ten numbers further on; the page shows them
// at once. The mask page reads a "LastTime" row too.
void tst_dmx_sheet_group::importWithRelocation()
{
    makePage();
    scene_times_record{1, 2, 3, 0xABCD}.write(image(), set().timesOffset + SceneTimesSize * 14);
    const QByteArray before = imageBytes(image());
    writeFile(path("two.dmx"), kind().header + QByteArray("\n") + kind().numberKey +
                                   ";5;6\nRiseTime;10;0\nLastTime;-1;30\nFallTime;0;20\nC1;255;0\nC2;0;128\n"
                                   "desc;Intro;Blue wash\n");
    chooseFile(path("two.dmx"));
    QCOMPARE(group->sheetRecords.size(), 2);
    QCOMPARE(imageBytes(image()), before);  // reading stores nothing
    QCOMPARE(group->sheetFrom->minimum(), 5);
    QCOMPARE(group->sheetFrom->maximum(), count());
    QCOMPARE(group->sheetFrom->value(), 5);
    QCOMPARE(group->sheetTo->minimum(), 1);
    QCOMPARE(group->sheetTo->maximum(), 6);
    QCOMPARE(group->sheetTo->value(), 6);
    QCOMPARE(group->sheetRelocation->minimum(), -4);
    QCOMPARE(group->sheetRelocation->maximum(), count() - 6);
    QCOMPARE(group->sheetRelocation->value(), 0);
    QVERIFY(group->sheetActionButton->isEnabled());
    QVERIFY(list()->item(14, 0)->background().color() != page_base::inUseColour());

    group->sheetRelocation->setValue(10);
    group->sheetActionButton->click();
    const scene_times_record first = set().times(image(), 14);
    const scene_times_record second = set().times(image(), 15);
    QCOMPARE(QList<u16>({first.fadeUp, first.duration, first.fadeDown, first.reserved}),
             QList<u16>({10, 0xFFFF, 0, 0xABCD}));
    QCOMPARE(QList<u16>({second.fadeUp, second.duration, second.fadeDown}), QList<u16>({0, 30, 20}));
    QByteArray levels(reinterpret_cast<const char *>(set().levels(image(), 14)), 2 * int(ChannelCount));
    QByteArray expected(2 * int(ChannelCount), '\0');
    expected[0] = char(255);
    expected[int(ChannelCount) + 1] = char(128);
    QCOMPARE(levels, expected);
    QCOMPARE(description(14), QStringLiteral("Intro"));
    QCOMPARE(description(15), QStringLiteral("Blue wash"));
    QCOMPARE(description(4), QString());
    QCOMPARE(list()->item(14, 0)->background().color(), page_base::inUseColour());
    QCOMPARE(list()->item(15, 0)->text(), QStringLiteral("Blue wash"));
    QCOMPARE(messages(), QStringList{messageSummary(message_icon::Information, title("Import"), counted(2, "imported"))});
    QCOMPARE(ui->messages[0].parentWidget.data(), page);
    QCOMPARE(group->sheetRecords.size(), 2);
    QVERIFY(group->sheetActionButton->isEnabled());

    // Numbers 1..10: relocations 0..count - 10; 5 puts them into numbers 6..15.
    writeFile(path("ten.dmx"), numberedSheet(kind(), 1, 10));
    chooseFile(path("ten.dmx"));
    QCOMPARE(group->sheetRelocation->minimum(), 0);
    QCOMPARE(group->sheetRelocation->maximum(), count() - 10);
    QCOMPARE(group->sheetRelocation->value(), 10);
    group->sheetRelocation->setValue(5);
    group->sheetActionButton->click();
    for (int number = 5; number < 15; ++number)
        QCOMPARE(set().levels(image(), number)[0], u8(number - 4));
    QCOMPARE(set().times(image(), 14).duration, scene_times_record::Infinite);  // the sheet has no durations
    QCOMPARE(ui->messageTexts().last(), counted(10, "imported"));
}

void tst_dmx_sheet_group::importErrors_data()
{
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("recordsLeft");

    QTest::newRow("missing file") << QByteArray() << "Cannot open file %1!" << 3;
    QTest::newRow("empty file") << QByteArray("") << "Invalid DMX sheet!" << 3;
    QTest::newRow("no header") << QByteArray("scene;1\nC1;1\n") << "Invalid DMX sheet!" << 3;
    QTest::newRow("scene header only") << QByteArray("QVR DMX sheet\r\n") << "No valid %2 found!" << 0;
    QTest::newRow("mask header only") << QByteArray("Tavrine DMX sheet;;\n") << "No valid %2 found!" << 0;
    // Its columns can't be placed without their numbers.
    QTest::newRow("number row too long")
        << QByteArray("%h\n%k;1;" + QByteArray(dmx_sheet_reader::FieldLimit + 1, '2') + "\nC1;9;9\n")
        << "No valid %2 found!\n1 row(s) of the sheet were too long to read: their values were not imported." << 0;
}

// A sheet that can't be read leaves the configuration alone and the action disabled.
void tst_dmx_sheet_group::importErrors()
{
    QFETCH(QByteArray, sheet);
    QFETCH(QString, text);
    QFETCH(int, recordsLeft);
    makePage();
    writeFile(path("good.dmx"), numberedSheet(kind(), 1, 3));
    chooseFile(path("good.dmx"));
    QCOMPARE(group->sheetRecords.size(), 3);
    const QByteArray before = imageBytes(image());

    const QString name = path("bad.dmx");
    sheet.replace("%h", kind().header).replace("%k", kind().numberKey);
    if (!sheet.isNull())
        writeFile(name, sheet);
    group->sheetFileEdit->setText(name);
    group->sheetChooseButton->click();
    text.replace(QLatin1String("%1"), name).replace(QLatin1String("%2"), nouns());
    QCOMPARE(messages(), QStringList{messageSummary(message_icon::Critical, title("Import"), text)});
    QCOMPARE(ui->messages[0].parentWidget.data(), page);
    QCOMPARE(group->sheetRecords.size(), recordsLeft);
    QVERIFY(!group->sheetActionButton->isEnabled());
    QCOMPARE(imageBytes(image()), before);
}

void tst_dmx_sheet_group::partialImport()
{
    makePage();
    writeFile(path("fifty.dmx"), numberedSheet(kind(), 1, 50));
    chooseFile(path("fifty.dmx"));
    QByteArray expected = imageBytes(image());
    for (int number = 9; number < 20; ++number) {
        const u32 levels = set().levelsOffset + ChannelCount * u32(number);
        std::fill_n(expected.begin() + levels, ChannelCount, '\0');
        expected[levels] = char(number + 1);
        scene_times_record times = set().times(image(), number);
        times.fadeUp = times.fadeDown = 0;
        times.duration = scene_times_record::Infinite;
        times.write(reinterpret_cast<u8 *>(expected.data()), set().timesOffset + SceneTimesSize * u32(number));
    }
    group->sheetFrom->setValue(10);
    group->sheetTo->setValue(20);
    group->sheetActionButton->click();
    QCOMPARE(imageBytes(image()), expected);
    QCOMPARE(ui->messageTexts(), QStringList{counted(11, "imported")});
}

// Every number of a fully populated configuration exported ("Yes!" to the column limit),
// wiped, and imported again with relocation 0: levels, times and descriptions as they were
// (a mask sheet has no durations: they come back infinite).
void tst_dmx_sheet_group::roundTrip()
{
    populateConfiguration(*f->controller);
    makePage();
    const u32 levelsSize = ChannelCount * u32(count());
    const QByteArray levels(reinterpret_cast<const char *>(image() + set().levelsOffset), int(levelsSize));
    QList<scene_times_record> times;
    QStringList descriptions;
    for (int number = 0; number < count(); ++number) {
        times << set().times(image(), number);
        descriptions << description(number);
    }

    chooseFile(path("all.dmx"), true);
    ui->answers << Yes;
    group->sheetActionButton->click();
    QCOMPARE(ui->messageTexts().last(), counted(count(), "exported"));

    std::fill_n(image() + set().levelsOffset, levelsSize, u8(0));
    for (int number = 0; number < count(); ++number) {
        set().setTimes(image(), number, {7, 7, 7, 0});
        description(number).clear();
    }
    chooseFile(path("all.dmx"));
    QCOMPARE(group->sheetRecords.size(), count());
    QCOMPARE(group->sheetRelocation->minimum(), 0);
    QCOMPARE(group->sheetRelocation->maximum(), 0);
    group->sheetActionButton->click();
    QCOMPARE(ui->messageTexts().last(), counted(count(), "imported"));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(image() + set().levelsOffset), int(levelsSize)), levels);
    for (int number = 0; number < count(); ++number) {
        const scene_times_record read = set().times(image(), number);
        QCOMPARE(read.fadeUp, times[number].fadeUp);
        QCOMPARE(read.duration, masks ? scene_times_record::Infinite : times[number].duration);
        QCOMPARE(read.fadeDown, times[number].fadeDown);
        QCOMPARE(read.reserved, times[number].reserved);
        QCOMPARE(description(number), descriptions[number]);
    }
}

void tst_dmx_sheet_group::longDescriptionsRoundTrip_data()
{
    QTest::addColumn<int>("longest");  // numbers at either end with the longest description
    QTest::newRow("a number and 151 two-byte letters each") << 0;
    QTest::newRow("the longest description first and last") << 2;
}

// Every number described at length (the scenes' description row about 942 KB long; the
// longest a configuration holds, 64K characters of three bytes), exported and imported:
// every description as it was.
void tst_dmx_sheet_group::longDescriptionsRoundTrip()
{
    QFETCH(int, longest);
    makePage();
    QStringList descriptions;
    for (int number = 0; number < count(); ++number) {
        if (number < longest || number >= count() - longest)
            description(number) = QString(dmx_sheet_reader::DescriptionLimit, QChar(0x20AC));
        else
            description(number) = QString::number(number + 1) + QString(151, QChar(0x105));
        descriptions << description(number);
    }
    chooseFile(path("long.dmx"), true);
    ui->answers << Yes;
    group->sheetActionButton->click();
    QCOMPARE(ui->messageTexts().last(), counted(count(), "exported"));

    for (int number = 0; number < count(); ++number)
        description(number).clear();
    chooseFile(path("long.dmx"));
    QCOMPARE(group->sheetRecords.size(), count());
    group->sheetActionButton->click();
    QCOMPARE(ui->messageTexts().last(), counted(count(), "imported"));
    for (int number = 0; number < count(); ++number)
        QVERIFY2(description(number) == descriptions[number], qPrintable(QString::number(number + 1)));
}

// The longest description a sheet gives, of the character a configuration file writes
// longest, is saved and opened whole with the configuration.
void tst_dmx_sheet_group::longestImportedDescriptionSavedAndOpened()
{
    makePage();
    const QString longest(dmx_sheet_reader::DescriptionLimit, QLatin1Char('<'));
    writeFile(path("long.dmx"), numberedSheet(kind(), 1, 2) + "desc;" + longest.toLatin1() + ";second\n");
    chooseFile(path("long.dmx"));
    group->sheetActionButton->click();
    QCOMPARE(ui->messageTexts().last(), counted(2, "imported"));
    QVERIFY(description(0) == longest);

    const QString file = path("show.cfg625");
    const auto back = qScopeGuard([previous = QDir::currentPath()] { QDir::setCurrent(previous); });
    QVERIFY(QDir::setCurrent(dir->path()));  // where a report of the read would go
    f->controller->write_confDataToFile(file, false);
    kd620_controller_class opened;
    QCOMPARE(opened.read_confDataFromFile(file), 0);
    QCOMPARE(ui->messageTexts().mid(1), QStringList({QStringLiteral("Data write to file %1\nsuccessful!").arg(file),
                                                     QStringLiteral("Data read from file\n    successful!")}));
    QVERIFY(set().description(opened, 0) == longest);
    QCOMPARE(set().description(opened, 1), QStringLiteral("second"));
}

// Rows too long to read (channel 2, the fade-ups, the descriptions) leave those fields of
// the scenes or masks as they were; the other rows are stored, and the outcome says that
// rows were passed over.
void tst_dmx_sheet_group::rowPassedOverClearsNothing()
{
    makePage();
    for (int number = 0; number < 3; ++number) {
        description(number) = QStringLiteral("kept %1").arg(number + 1);
        set().levels(image(), number)[1] = u8(70 + number);
        set().setTimes(image(), number, {u16(10 + number), 20, 30, 0});
    }
    const QByteArray tooLong(dmx_sheet_reader::FieldLimit + 1, '7');
    const QByteArray sheet = kind().header + QByteArray("\n") + kind().numberKey + ";1;2;3\nC1;4;5;6\nC2;1;" + tooLong
        + ";1\nRiseTime;1;1;" + tooLong + "\nFallTime;7;8;9\ndesc;a;b;" + tooLong + "\n";
    writeFile(path("long.dmx"), sheet);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Row with a field longer than a sheet holds passed over")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Row with a field longer than a sheet holds passed over")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Row with a field longer than a sheet holds passed over")));
    chooseFile(path("long.dmx"));
    QCOMPARE(group->sheetRecords.size(), 3);
    group->sheetActionButton->click();

    QCOMPARE(ui->messageTexts().last(),
             counted(3, "imported")
                 + QStringLiteral("\n3 row(s) of the sheet were too long to read: their values were not imported."));
    for (int number = 0; number < 3; ++number) {
        QCOMPARE(description(number), QStringLiteral("kept %1").arg(number + 1));
        QCOMPARE(set().levels(image(), number)[0], u8(4 + number));
        QCOMPARE(set().levels(image(), number)[1], u8(70 + number));
        const scene_times_record times = set().times(image(), number);
        QCOMPARE(times.fadeUp, u16(10 + number));
        QCOMPARE(times.fadeDown, u16(7 + number));
    }
}

QTEST_MAIN(tst_dmx_sheet_group)
#include "tst_dmx_sheet_group.moc"
