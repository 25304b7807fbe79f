#include "app/upgrade_page_launcher.h"
#include "settings/monitor/ctrl_monitor.h"
#include "tests/support/main_window_fixture.h"

#include <QtTest>

#include <memory>

class tst_upgrade_menu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cancelledLeavesTheMonitor();
    void upgradeClosesTheMonitorFirst();
    void verifyKeepsTheMonitor();
    void launcherCommand_data();
    void launcherCommand();

private:
    // Connects and opens the inputs and states windows; forgets the requests that took.
    void openMonitorWindows();
    std::unique_ptr<main_window_fixture> f;
};

void tst_upgrade_menu::init()
{
    f = std::make_unique<main_window_fixture>();
}

void tst_upgrade_menu::cleanup()
{
    const QStringList problems = main_window_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_upgrade_menu::openMonitorWindows()
{
    QVERIFY(f->connectAndReset());
    f->window->viewInputsAction->trigger();
    f->window->viewStatesAction->trigger();
    QCOMPARE(f->window->monitor->openWindows, u16(0x9));
    // What opening them asked of the controller is forgotten.
    f->reset();
}

void tst_upgrade_menu::cancelledLeavesTheMonitor()
{
    openMonitorWindows();
    for (QAction *entry : {f->window->upgradeAction, f->window->verifyAction})
        entry->trigger();
    QCOMPARE(f->ui.fileCaptions, QStringList(2, "Choose an upgrade file for QVR KD625 controller"));
    QCOMPARE(f->window->monitor->openWindows, u16(0x9));
    QVERIFY(f->window->viewInputsAction->isChecked());
    QVERIFY(f->bus.log.isEmpty());
}

void tst_upgrade_menu::upgradeClosesTheMonitorFirst()
{
    openMonitorWindows();
    // What the monitor had open when the upgrade first spoke to the user.
    struct probe : scripted_interaction {
        ctrl_monitor *monitor = nullptr;
        QList<u16> openAtMessage;
        int showMessage(const message_request &request) override
        {
            openAtMessage << monitor->openWindows;
            return scripted_interaction::showMessage(request);
        }
    } ui;
    ui.monitor = f->window->monitor;
    ui.fileAnswers << QStringLiteral("missing.upg");
    f->window->upgradeAction->trigger();
    QVERIFY(!ui.openAtMessage.isEmpty());
    QCOMPARE(ui.openAtMessage.first(), u16(0));
    QCOMPARE(f->window->monitor->openWindows, u16(0));
    QVERIFY(!f->window->viewInputsAction->isChecked());
    QVERIFY(!f->window->viewStatesAction->isChecked());
}

void tst_upgrade_menu::verifyKeepsTheMonitor()
{
    openMonitorWindows();
    f->ui.fileAnswers << QStringLiteral("missing.upg");
    f->window->verifyAction->trigger();
    QVERIFY(!f->ui.messages.isEmpty());  // the verification spoke
    QCOMPARE(f->window->monitor->openWindows, u16(0x9));
}

void tst_upgrade_menu::launcherCommand_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    const QString page = QStringLiteral("https://downloads.example/page");
    QTest::newRow("ComSpec and OS") << QStringList{"ComSpec=C:\\cmd.exe", "OS=Windows_NT"} << "C:\\cmd.exe"
                                    << QStringList{"/c", "start", page};
    QTest::newRow("ComSpec alone") << QStringList{"ComSpec=command.com"} << "command.com"
                                   << QStringList{"start", page};
    QTest::newRow("empty OS counts as set") << QStringList{"ComSpec=cmd", "OS="} << "cmd"
                                            << QStringList{"/c", "start", page};
    QTest::newRow("OS alone: the desktop opens it") << QStringList{"OS=Windows_NT"} << "" << QStringList{};
    QTest::newRow("neither: the desktop opens it") << QStringList{"PATH=/usr/bin"} << "" << QStringList{};
}

void tst_upgrade_menu::launcherCommand()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QProcessEnvironment env;
    for (const QString &variable : environment)
        env.insert(variable.section('=', 0, 0), variable.section('=', 1));
    const upgrade_page_command command = upgradePageCommand(env, QStringLiteral("https://downloads.example/page"));
    QCOMPARE(command.program, program);
    QCOMPARE(command.arguments, arguments);
}

QTEST_MAIN(tst_upgrade_menu)
#include "tst_upgrade_menu.moc"
