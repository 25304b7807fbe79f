#include "settings/asettings_ired_tab.h"
#include "tests/sim/sim_rcu_engine.h"
#include "tests/support/file_dialog_driver.h"
#include "tests/support/folder_contents.h"
#include "tests/support/message_summary.h"
#include "tests/support/page_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int RemoteTab = 4;  // of the Events tab widget

QString remoteControl(message_icon icon, const char *text)
{
    return messageSummary(icon, QStringLiteral("Remote control:"), QString::fromLatin1(text));
}

QString fileError(const QString &text)
{
    return messageSummary(message_icon::Critical, QStringLiteral("File error"), text);
}

const QString RcuFilter = QStringLiteral("Varidex RCU Settings (*.rcu)");
const QString AllFiles = QStringLiteral("All files (*)");
const QString SaveCaption = QStringLiteral("Choose a RCU settings file for KD625 controller");

} // namespace

// The remote-control settings page: its table, the address and key groups, the Remote
// Control events tab it switches, learning and reading through the simulated controller,
// and the ".rcu" file through its dialogs.
class tst_asettings_ired_tab : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsAsBuilt();
    void tableShowsTheSettings();
    void forceAddress_data();
    void forceAddress();
    void takingOffDoNotUseDisablesTheEventsTab();
    void forceCode_data();
    void forceCode();
    void nothingHappensWithoutACurrentRow();
    void descriptionLineStoresAsTyped();
    void clearKeepsTheEventsTab();
    void getAddressFromTheRemote();
    void divergentKeyStoresNothing();
    void getCodeWithoutRowIsRefused();
    void readFromControllerWithAmbiguousAddresses();
    void sendGoesToTheController();
    void saveAndReadThroughTheDialogs();
    void extensionFollowsTheFilter_data();
    void extensionFollowsTheFilter();
    void fileErrors();
    void replacesOnlyAfterYes_data();
    void replacesOnlyAfterYes();
    void realDialogAsksAboutTheNameWritten_data();
    void realDialogAsksAboutTheNameWritten();

private:
    std::unique_ptr<page_fixture> f;
    asettings_ired_tab *p = nullptr;
    std::unique_ptr<QSignalSpy> reloads;
    sim_rcu_engine *engine = nullptr;

    kd620_controller_class &c() { return *f->controller; }
    bool remoteTabEnabled() const { return f->window.events->isTabEnabled(RemoteTab); }
    QString cell(int row, int column) const { return p->keyModel->item(row, column)->text(); }
    void selectKey(int key) { p->keyTable->setCurrentIndex(p->keyModel->index(key, 0)); }
    // Connects to the simulated controller; learning results come with virtual time.
    void connectController();
};

void tst_asettings_ired_tab::init()
{
    f = std::make_unique<page_fixture>();
    p = new asettings_ired_tab(f->tabPage.get());
    // As the main window wires it.
    QTabWidget *events = f->window.events;
    connect(p, &asettings_ired_tab::remoteEventsEnabled, events,
            [events](bool enabled) { events->setTabEnabled(RemoteTab, enabled); });
    reloads = std::make_unique<QSignalSpy>(p, &asettings_ired_tab::keysReloaded);
    engine = f->bus.device(1).findEngine<sim_rcu_engine>();
    QVERIFY(engine);
}

void tst_asettings_ired_tab::cleanup()
{
    reloads.reset();
    QVERIFY(page_fixture::tearDown(f).isEmpty());
}

void tst_asettings_ired_tab::connectController()
{
    QVERIFY(f->connectAndReset());
    virtual_clock *clock = &f->clock;
    f->bus.beforeOperation = [clock] { clock->advance(1); };
}

void tst_asettings_ired_tab::startsAsBuilt()
{
    QCOMPARE(p->keyModel->rowCount(), 64);
    QCOMPARE(p->keyModel->columnCount(), 3);
    const QStringList headers = {p->keyModel->headerData(0, Qt::Horizontal).toString(),
                                 p->keyModel->headerData(1, Qt::Horizontal).toString(),
                                 p->keyModel->headerData(2, Qt::Horizontal).toString()};
    QCOMPARE(headers, QStringList({"Button", "Code", "Description"}));
    QCOMPARE(QList<int>({p->keyTable->columnWidth(0), p->keyTable->columnWidth(1), p->keyTable->columnWidth(2)}),
             QList<int>({62, 50, 240}));
    QVERIFY(p->keyTable->verticalHeader()->isHidden());
    QCOMPARE(p->keyTable->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(p->keyTable->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(p->keyTable->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!p->keyTable->selectionModel()->currentIndex().isValid());

    // A cleared configuration.
    QCOMPARE(cell(0, 0), QStringLiteral("Btn 1"));
    QCOMPARE(cell(63, 0), QStringLiteral("Btn 64"));
    QCOMPARE(cell(0, 1), QStringLiteral("  - -"));
    QCOMPARE(cell(63, 2), QStringLiteral("no description"));
    QCOMPARE(p->addressLabel->text(), QStringLiteral("undetermined"));

    // "Do not use RCU" ticked before it was connected: the address controls stay enabled.
    QVERIFY(p->noRcuBox->isChecked());
    QVERIFY(p->addrSpin->isEnabled());
    QVERIFY(p->getAddrButton->isEnabled());
    QVERIFY(!p->notUsedBox->isChecked());
    QCOMPARE(p->addrSpin->maximum(), 31);
    QCOMPARE(p->codeSpin->maximum(), 63);
    QCOMPARE(p->descEdit->maxLength(), 100);
    QCOMPARE(p->addressGroup->title(), QStringLiteral("System Address"));
    QCOMPARE(p->buttonGroup->title(), QStringLiteral("Selected Button"));
    QVERIFY(remoteTabEnabled());
    QCOMPARE(p->count(), 0);  // no tabs of its own
}

void tst_asettings_ired_tab::tableShowsTheSettings()
{
    c().rcuKeyCodes[0] = 0;
    c().rcuKeyCodes[5] = 63;
    c().rcuKeyDescs[5] = QStringLiteral("   ");
    const QString longText = QString(100, QLatin1Char('W'));
    c().rcuKeyDescs[6] = longText;
    c().rcuAddress = 0;
    p->refreshTable();
    QCOMPARE(cell(0, 1), QStringLiteral("  0"));
    QCOMPARE(cell(5, 1), QStringLiteral("  63"));
    // Blanks are a description.
    QCOMPARE(cell(5, 2), QStringLiteral("   "));
    QCOMPARE(p->addressLabel->text(), QStringLiteral("0"));
    // Too wide for the column: elided in the table, whole in the line and the settings.
    QVERIFY(cell(6, 2).endsWith(QChar(0x2026)));
    QVERIFY(cell(6, 2).size() < longText.size());
    selectKey(6);
    QCOMPARE(p->descEdit->text(), longText);
    selectKey(5);
    QCOMPARE(p->descEdit->text(), QStringLiteral("   "));
}

void tst_asettings_ired_tab::forceAddress_data()
{
    QTest::addColumn<bool>("doNotUse");
    QTest::addColumn<int>("spin");
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("tabEnabled");
    QTest::newRow("do not use") << true << 7 << 0xFF << "undetermined" << false;
    QTest::newRow("forced 7") << false << 7 << 7 << "7" << true;
    QTest::newRow("forced 0") << false << 0 << 0 << "0" << true;
    QTest::newRow("forced 31") << false << 31 << 31 << "31" << true;
}

void tst_asettings_ired_tab::forceAddress()
{
    QFETCH(bool, doNotUse);
    QFETCH(int, spin);
    QFETCH(bool, tabEnabled);
    f->window.events->setTabEnabled(RemoteTab, !tabEnabled);
    p->noRcuBox->setChecked(doNotUse);
    p->addrSpin->setValue(spin);
    connectController();
    p->setAddrButton->click();
    QTEST(int(c().rcuAddress), "address");
    QTEST(p->addressLabel->text(), "label");
    QCOMPARE(remoteTabEnabled(), tabEnabled);
    // Only stored: nothing goes to the controller.
    QVERIFY(f->bus.logTexts().isEmpty());
}

void tst_asettings_ired_tab::takingOffDoNotUseDisablesTheEventsTab()
{
    c().rcuAddress = 4;
    p->noRcuBox->setChecked(false);
    QVERIFY(!remoteTabEnabled());
    QCOMPARE(int(c().rcuAddress), 4);
    QVERIFY(p->addrSpin->isEnabled());
    p->noRcuBox->setChecked(true);
    QVERIFY(!p->addrSpin->isEnabled());
    QVERIFY(!p->getAddrButton->isEnabled());
    QVERIFY(!remoteTabEnabled());  // ticking leaves the tab as it is
    p->noRcuBox->setChecked(false);
    p->addrSpin->setValue(4);
    p->setAddrButton->click();
    QVERIFY(remoteTabEnabled());
}

void tst_asettings_ired_tab::forceCode_data()
{
    QTest::addColumn<bool>("notUsed");
    QTest::addColumn<int>("spin");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("forced 12") << false << 12 << 12 << "  12";
    QTest::newRow("forced 0") << false << 0 << 0 << "  0";
    QTest::newRow("not used") << true << 12 << 0xFF << "  - -";
}

void tst_asettings_ired_tab::forceCode()
{
    QFETCH(bool, notUsed);
    QFETCH(int, spin);
    c().rcuKeyCodes[9] = 30;
    c().rcuKeyCodes[4] = 12;
    selectKey(9);
    p->notUsedBox->setChecked(notUsed);
    QCOMPARE(p->codeSpin->isEnabled(), !notUsed);
    QCOMPARE(p->getCodeButton->isEnabled(), !notUsed);
    p->codeSpin->setValue(spin);
    p->setCodeButton->click();
    QTEST(int(c().rcuKeyCodes[9]), "code");
    QTEST(cell(9, 1), "text");
    // No other key is consulted: two keys may hold one code.
    QCOMPARE(int(c().rcuKeyCodes[4]), 12);
}

void tst_asettings_ired_tab::nothingHappensWithoutACurrentRow()
{
    c().rcuKeyDescs[0] = QStringLiteral("kept");
    p->codeSpin->setValue(5);
    p->setCodeButton->click();
    p->descEdit->setText(QStringLiteral("typed"));
    QTest::keyClick(p->descEdit, Qt::Key_Return);
    for (int key = 0; key < 64; ++key)
        QCOMPARE(int(c().rcuKeyCodes[key]), 0xFF);
    QCOMPARE(c().rcuKeyDescs[0], QStringLiteral("kept"));
    p->refreshTable();
    QCOMPARE(p->descEdit->text(), QString());
}

void tst_asettings_ired_tab::descriptionLineStoresAsTyped()
{
    selectKey(2);
    p->descEdit->setText(QStringLiteral("  Volume up "));
    QTest::keyClick(p->descEdit, Qt::Key_Return);
    QCOMPARE(c().rcuKeyDescs[2], QStringLiteral("  Volume up "));
    QCOMPARE(cell(2, 2), QStringLiteral("  Volume up "));
    // Losing the focus finishes the line too; an emptied line shows "no description".
    p->descEdit->setText(QString());
    emit p->descEdit->editingFinished();
    QCOMPARE(c().rcuKeyDescs[2], QString());
    QCOMPARE(cell(2, 2), QStringLiteral("no description"));
    // A key chosen shows its own.
    c().rcuKeyDescs[3] = QStringLiteral("three");
    selectKey(3);
    QCOMPARE(p->descEdit->text(), QStringLiteral("three"));
}

void tst_asettings_ired_tab::clearKeepsTheEventsTab()
{
    for (bool enabled : {true, false}) {
        c().rcuAddress = 3;
        c().rcuKeyCodes[1] = 1;
        c().rcuKeyDescs[1] = QStringLiteral("x");
        f->window.events->setTabEnabled(RemoteTab, enabled);
        p->clearButton->click();
        QCOMPARE(remoteTabEnabled(), enabled);
        QCOMPARE(int(c().rcuAddress), 0xFF);
        QCOMPARE(int(c().rcuKeyCodes[1]), 0xFF);
        QCOMPARE(c().rcuKeyDescs[1], QString());
        QCOMPARE(cell(1, 1), QStringLiteral("  - -"));
        QCOMPARE(p->addressLabel->text(), QStringLiteral("undetermined"));
    }
    QVERIFY(f->ui.messages.isEmpty());
}

void tst_asettings_ired_tab::getAddressFromTheRemote()
{
    connectController();
    p->noRcuBox->setChecked(false);
    QVERIFY(!remoteTabEnabled());
    engine->heardAddress = 5;
    c().rcuKeyCodes[0] = 9;  // the table is not rewritten
    p->getAddrButton->click();
    QCOMPARE(int(c().rcuAddress), 5);
    QCOMPARE(p->addressLabel->text(), QStringLiteral("5"));
    QVERIFY(remoteTabEnabled());
    QCOMPARE(cell(0, 1), QStringLiteral("  - -"));
    QVERIFY(f->ui.messages.isEmpty());

    // Nothing heard: the address stays, and so does the tab.
    engine->heardAddress = sim_rcu_engine::None;
    p->getAddrButton->click();
    QCOMPARE(int(c().rcuAddress), 5);
    QVERIFY(remoteTabEnabled());
}

void tst_asettings_ired_tab::divergentKeyStoresNothing()
{
    connectController();
    c().rcuKeyCodes[3] = 40;
    selectKey(3);
    engine->heardKey = 4;
    engine->heardCode = 21;
    p->getCodeButton->click();
    QCOMPARE(messageSummaries(f->ui), QStringList{remoteControl(message_icon::Warning, "Divergent key!")});
    QCOMPARE(int(c().rcuKeyCodes[3]), 40);
    QCOMPARE(int(c().rcuKeyCodes[4]), 0xFF);

    // The key asked for answers: its code is stored and shown.
    engine->heardKey = -1;
    p->getCodeButton->click();
    QCOMPARE(int(c().rcuKeyCodes[3]), 21);
    QCOMPARE(cell(3, 1), QStringLiteral("  21"));
}

void tst_asettings_ired_tab::getCodeWithoutRowIsRefused()
{
    connectController();
    p->getCodeButton->click();
    QCOMPARE(messageSummaries(f->ui), QStringList{remoteControl(message_icon::Critical, "Please select button!")});
    QVERIFY(f->bus.logTexts().isEmpty());
}

void tst_asettings_ired_tab::readFromControllerWithAmbiguousAddresses()
{
    connectController();
    for (int key = 0; key < 64; ++key) {
        engine->codes[size_t(key)] = u8(key);
        engine->addressReportedForKey[key] = key == 10 ? 3 : 2;
    }
    c().rcuKeyDescs[1] = QStringLiteral("desc");
    p->readDeviceButton->click();
    QCOMPARE(messageSummaries(f->ui), QStringList{remoteControl(message_icon::Warning, "Ambiguous R. C. address!")});
    QCOMPARE(int(c().rcuAddress), 0xFF);
    QVERIFY(!remoteTabEnabled());
    QCOMPARE(reloads->count(), 1);
    QCOMPARE(cell(10, 1), QStringLiteral("  10"));
    QCOMPARE(p->addressLabel->text(), QStringLiteral("undetermined"));

    // All agree: the address, and the tab enabled.
    engine->addressReportedForKey.clear();
    engine->address = 2;
    p->readDeviceButton->click();
    QCOMPARE(int(c().rcuAddress), 2);
    QVERIFY(remoteTabEnabled());
    QCOMPARE(reloads->count(), 2);
    QCOMPARE(c().rcuKeyDescs[1], QStringLiteral("desc"));

    // Not connected: the link says so; the page still reloads.
    f->controller->setConnection(false);
    f->ui.clear();
    p->readDeviceButton->click();
    QCOMPARE(messageSummaries(f->ui),
             QStringList{messageSummary(message_icon::Critical, QStringLiteral("USB Interface"),
                                        QStringLiteral("Not connected!"))});
    QCOMPARE(reloads->count(), 3);
    QVERIFY(remoteTabEnabled());
}

void tst_asettings_ired_tab::sendGoesToTheController()
{
    connectController();
    for (int key = 0; key < 64; ++key)
        c().rcuKeyCodes[key] = u8(63 - key);
    c().rcuAddress = 6;
    p->sendDeviceButton->click();
    QCOMPARE(int(engine->savedAddress), 6);
    QCOMPARE(int(engine->savedCodes[0]), 63);
    QCOMPARE(int(engine->savedCodes[63]), 0);
    QCOMPARE(engine->saves, 1);
    QCOMPARE(reloads->count(), 0);
}

void tst_asettings_ired_tab::saveAndReadThroughTheDialogs()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("remote"));
    c().rcuAddress = 5;
    c().rcuKeyCodes[0] = 12;
    c().rcuKeyDescs[0] = QStringLiteral("Power");
    c().rcuKeyDescs[3] = QStringLiteral("Blue");

    f->ui.fileAnswers << name;
    p->saveFileButton->click();
    QCOMPARE(f->ui.fileCaptions, QStringList{"Choose a RCU settings file for KD625 controller"});
    QCOMPARE(f->ui.fileDirs, QStringList{"./"});
    QCOMPARE(p->lastRcuFile, name + ".rcu");
    QFile saved(name + ".rcu");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().count('\n'), 12);
    QVERIFY(f->ui.messages.isEmpty());

    // The next save starts in that file's folder, a reading at the file itself.
    p->clearButton->click();
    f->ui.fileAnswers << name + ".rcu";
    f->window.events->setTabEnabled(RemoteTab, false);
    p->readFileButton->click();
    QCOMPARE(f->ui.fileCaptions.last(), QStringLiteral("Choose a RCU settings file for KD620 controller"));
    QCOMPARE(f->ui.fileDirs.last(), name + ".rcu");
    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(int(c().rcuAddress), 5);
    QCOMPARE(int(c().rcuKeyCodes[0]), 12);
    QCOMPARE(c().rcuKeyDescs[3], QStringLiteral("Blue"));
    QCOMPARE(cell(0, 1), QStringLiteral("  12"));
    QCOMPARE(cell(3, 2), QStringLiteral("Blue"));
    QCOMPARE(p->addressLabel->text(), QStringLiteral("5"));
    QVERIFY(remoteTabEnabled());
    QCOMPARE(reloads->count(), 1);

    p->saveFileButton->click();  // cancelled
    QCOMPARE(f->ui.fileDirs.last(), dir.path());
    QCOMPARE(p->lastRcuFile, name + ".rcu");
    QCOMPARE(reloads->count(), 1);
}

void tst_asettings_ired_tab::extensionFollowsTheFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("stored");
    QTest::newRow("rcu filter adds") << "remote" << RcuFilter << "remote.rcu";
    QTest::newRow("rcu filter keeps .rcu") << "remote.rcu" << RcuFilter << "remote.rcu";
    QTest::newRow("case-sensitive") << "remote.RCU" << RcuFilter << "remote.RCU.rcu";
    QTest::newRow("all files keeps") << "remote" << AllFiles << "remote";
    QTest::newRow("all files keeps .RCU") << "remote.RCU" << AllFiles << "remote.RCU";
}

void tst_asettings_ired_tab::extensionFollowsTheFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, stored);
    QTemporaryDir dir;
    c().rcuAddress = 8;
    c().rcuKeyCodes[0] = 1;  // an empty key table would read back as undetermined
    f->ui.fileAnswers << dir.filePath(typed);
    f->ui.filterAnswers << filter;
    p->saveFileButton->click();
    QVERIFY(QFile::exists(dir.filePath(stored)));
    QCOMPARE(p->lastRcuFile, dir.filePath(stored));

    // Reading follows the same rule.
    c().rcuAddress = 0xFF;
    f->ui.fileAnswers << dir.filePath(typed);
    f->ui.filterAnswers << filter;
    p->readFileButton->click();
    QVERIFY(f->ui.messages.isEmpty());
    QCOMPARE(int(c().rcuAddress), 8);
}

void tst_asettings_ired_tab::fileErrors()
{
    QTemporaryDir dir;
    c().rcuAddress = 8;
    c().rcuKeyCodes[2] = 2;
    const QString missing = dir.filePath(QStringLiteral("missing.rcu"));
    f->ui.fileAnswers << missing;
    p->readFileButton->click();
    QCOMPARE(messageSummaries(f->ui), QStringList{fileError("Cannot open file \"" + missing + "\"!")});
    QCOMPARE(f->ui.messages.first().parentWidget.data(), static_cast<QObject *>(p));
    QCOMPARE(int(c().rcuAddress), 8);
    QCOMPARE(reloads->count(), 0);

    // A folder that does not exist: the save is refused, lastRcuFile stays.
    f->ui.clear();
    const QString unwritable = dir.filePath(QStringLiteral("none/keys.rcu"));
    f->ui.fileAnswers << unwritable;
    p->saveFileButton->click();
    QCOMPARE(messageSummaries(f->ui), QStringList{fileError("Cannot open file \"" + unwritable + "\" to write!")});
    QVERIFY(p->lastRcuFile.isEmpty());

    // A file of another kind: both settings undetermined, descriptions kept.
    f->ui.clear();
    const QString other = dir.filePath(QStringLiteral("other.rcu"));
    QFile file(other);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Kd620v3CFG\n<sysaddress>3</sysaddress>\n");
    file.close();
    c().rcuKeyDescs[2] = QStringLiteral("two");
    f->ui.fileAnswers << other;
    p->readFileButton->click();
    const QString data = QStringLiteral("Data error!");
    QCOMPARE(messageSummaries(f->ui),
             QStringList({messageSummary(message_icon::Warning, data, "Undetermined RCU address value!"),
                          messageSummary(message_icon::Warning, data, "Undetermined key codes table!")}));
    QCOMPARE(int(c().rcuAddress), 0xFF);
    QCOMPARE(int(c().rcuKeyCodes[2]), 0xFF);
    QCOMPARE(c().rcuKeyDescs[2], QStringLiteral("two"));
    QVERIFY(!remoteTabEnabled());
    QCOMPARE(reloads->count(), 1);
}

void tst_asettings_ired_tab::replacesOnlyAfterYes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("existing");  // files in the folder before the save
    QTest::addColumn<int>("answer");            // to the question about replacing; 0: none
    QTest::addColumn<QString>("askedAbout");    // "": no question
    QTest::addColumn<QString>("written");       // "": nothing written

    const int yes = int(message_button::Yes);
    const int no = int(message_button::No);
    const QStringList remote1{"remote1.rcu"};
    QTest::newRow("extension added, No") << "remote1" << RcuFilter << remote1 << no << "remote1.rcu" << "";
    QTest::newRow("extension added, Yes") << "remote1" << RcuFilter << remote1 << yes << "remote1.rcu"
                                          << "remote1.rcu";
    QTest::newRow("extension added, a new file") << "remote1" << RcuFilter << QStringList{"remote1"} << 0 << ""
                                                 << "remote1.rcu";
    QTest::newRow("name kept, No") << "remote1.rcu" << RcuFilter << remote1 << no << "remote1.rcu" << "";
    QTest::newRow("all files, No") << "remote1" << AllFiles << QStringList{"remote1"} << no << "remote1" << "";
    QTest::newRow("all files, a new file") << "remote1" << AllFiles << remote1 << 0 << "" << "remote1";
}

// The dialog does not ask about the name typed; the page asks about the name it writes,
// when a file of that name exists, and only a Yes replaces it.
void tst_asettings_ired_tab::replacesOnlyAfterYes()
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
    c().rcuAddress = 8;
    c().rcuKeyDescs[0] = QStringLiteral("Power");

    f->ui.fileAnswers << dir.filePath(typed);
    f->ui.filterAnswers << filter;
    if (answer != 0)
        f->ui.answers << answer;
    p->saveFileButton->click();

    QCOMPARE(messageSummaries(f->ui), askedAbout.isEmpty() ? QStringList()
                                                           : QStringList{messageSummary(message_icon::Warning, SaveCaption,
                                                                                        replaceQuestion(askedAbout))});
    if (!askedAbout.isEmpty()) {
        QCOMPARE(f->ui.messages[0].buttons, unsigned(message_button::Yes | message_button::No));
        QCOMPARE(f->ui.messages[0].defaultButton, unsigned(message_button::No));
    }
    const folder_contents after = readFolder(dir.path());
    QCOMPARE(changedFiles(before, after), written.isEmpty() ? QStringList() : QStringList{written});
    if (!written.isEmpty())
        QVERIFY(after[written].contains("Power"));
    // A file left alone is not the last one saved.
    QCOMPARE(p->lastRcuFile, written.isEmpty() ? QString() : dir.filePath(written));
}

void tst_asettings_ired_tab::realDialogAsksAboutTheNameWritten_data()
{
    QTest::addColumn<QString>("typed");          // into the real save dialog
    QTest::addColumn<int>("answer");             // to the question about replacing
    QTest::addColumn<QStringList>("questions");  // the boxes shown, in order
    QTest::addColumn<QString>("written");        // "": nothing written

    const QStringList aboutRemote1{replaceQuestion("remote1.rcu")};
    QTest::newRow("extension added, No") << "remote1" << int(QMessageBox::No) << aboutRemote1 << "";
    QTest::newRow("extension added, Yes") << "remote1" << int(QMessageBox::Yes) << aboutRemote1 << "remote1.rcu";
    QTest::newRow("name kept, No") << "remote1.rcu" << int(QMessageBox::No) << aboutRemote1 << "";
    QTest::newRow("a new file") << "remote2" << int(QMessageBox::No) << QStringList() << "remote2.rcu";
}

// Saving through Qt's own save dialog: a name typed without the extension is asked about
// under the name the file gets, and only once.
void tst_asettings_ired_tab::realDialogAsksAboutTheNameWritten()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QStringList, questions);
    QFETCH(QString, written);
    QTemporaryDir dir;
    makeFiles(dir.path(), {"remote1.rcu"});
    const folder_contents before = readFolder(dir.path());
    c().rcuKeyDescs[0] = QStringLiteral("Power");

    file_dialog_driver driver;
    driver.fileAnswers << file_dialog_driver::file_answer{dir.filePath(typed), RcuFilter};
    driver.boxAnswers << QMessageBox::StandardButton(answer);
    p->saveFileButton->click();

    QCOMPARE(driver.boxTexts(), questions);
    for (const file_dialog_driver::shown_box &box : driver.boxes) {
        QCOMPARE(box.title, SaveCaption);
        QCOMPARE(box.icon, QMessageBox::Warning);
    }
    QCOMPARE(changedFiles(before, readFolder(dir.path())), written.isEmpty() ? QStringList() : QStringList{written});
}

QTEST_MAIN(tst_asettings_ired_tab)
#include "tst_asettings_ired_tab.moc"
