#include "model/application_identity.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "app/parameters_file.h"
#include "app/right_panel_widget.h"
#include "app/varidex_main.h"
#include "app/widget_user_interaction.h"
#include "events/aevents_clock_widget.h"
#include "events/aevents_dlyd_widget.h"
#include "events/aevents_dmxout_widget.h"
#include "events/aevents_inputs_widget.h"
#include "events/aevents_ired_widget.h"
#include "events/aevents_vkeys_widget.h"
#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "programs/aprogram_conf_widget.h"
#include "programs/aprogram_settings_widget.h"
#include "programs/aseq_settings_widget.h"
#include "scenes/amask_settings_widget.h"
#include "scenes/ascene_settings_widget.h"
#include "settings/monitor/ctrl_monitor.h"
#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_usb_bus.h"
#include "tests/support/scripted_interaction.h"
#include "tests/support/virtual_clock.h"
#include "widgets/main_tabs.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QGroupBox>
#include <QPushButton>
#include <QPointer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// The translation files the build makes beside the program.
QString builtTranslation(const QString &code)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../app/Varidex625_")) + code
        + QStringLiteral(".qm");
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The scripted boxes and file choosers, with the main window's title set as the program
// sets it.
struct titling_interaction : scripted_interaction {
    widget_user_interaction widgets;
    void setMainWindowTitle(const QString &title) override
    {
        scripted_interaction::setMainWindowTitle(title);
        widgets.setMainWindowTitle(title);
    }
};

// What the window shows of the connection and the file: the title and the right panel's
// status, clock, serial and firmware labels, their colours, and every button of the panel
// as enabled (e) or not, checked (+) or not.
struct connection_look {
    QString title;
    QString status;
    QString clock;
    QString serial;
    QString firmware;
    QColor statusColour;
    QColor deviceBoxColour;
    QStringList buttons;

    static connection_look of(const gui_class &w)
    {
        const right_panel_widget &p = *w.rightPanel;
        connection_look look{w.windowTitle(), p.statusLabel->text(), p.clockLabel->text(), p.serialLabel->text(),
                             p.firmwareLabel->text(), p.statusLabel->palette().color(QPalette::WindowText),
                             p.deviceInfoBox->palette().color(QPalette::Window), {}};
        for (const QPushButton *b : {p.sendConfButton, p.readConfButton, p.saveConfToFileButton, p.readConfFromFileButton,
                                     p.clearConfButton, p.connectButton, p.disconnectButton, p.resetButton,
                                     p.liveModeButton, p.normalModeButton, p.freezeModeButton})
            look.buttons << QStringLiteral("%1%2").arg(b->isEnabled() ? "e" : "-", b->isChecked() ? "+" : "-");
        return look;
    }
    // All but the texts that the language decides.
    QStringList untranslated() const
    {
        return QStringList{title, clock, statusColour.name(), deviceBoxColour.name()} + buttons;
    }
    QStringList all() const { return untranslated() + QStringList{status, serial, firmware}; }
};

// What the user did on the first window after opening the file.
using window_step = std::function<void(gui_class &)>;

// What the window shows as current: the tabs chosen at every level, and the current item
// of every page, each as "name value".
QStringList shownSelections(const gui_class &w)
{
    const aprogram_settings_widget &programs = *w.programPage;
    QStringList shown{
        QStringLiteral("main tab %1").arg(w.tabWidget_main->currentIndex()),
        QStringLiteral("events tab %1").arg(w.tabWidget_events->currentIndex()),
        QStringLiteral("settings tab %1").arg(w.tabWidget_settings->currentIndex()),
        QStringLiteral("scene tab %1").arg(w.scenePage->sceneTabs->currentIndex()),
        QStringLiteral("scene %1 row %2").arg(w.scenePage->currentScene).arg(w.scenePage->sceneTable->currentRow()),
        QStringLiteral("mask tab %1").arg(w.maskPage->maskTabs->currentIndex()),
        QStringLiteral("mask %1 row %2").arg(w.maskPage->currentMask).arg(w.maskPage->maskTable->currentRow()),
        QStringLiteral("program tab %1").arg(programs.programTabs->currentIndex()),
        QStringLiteral("program %1 row %2").arg(programs.currentProgram).arg(programs.programTable->currentRow()),
        QStringLiteral("step %1").arg(programs.stepTable->currentIndex().row()),
        QStringLiteral("sequence %1 row %2")
            .arg(w.sequencePage->currentSequence)
            .arg(w.sequencePage->sequenceTable->currentRow()),
    };
    const aevents_page_base *eventPages[] = {w.inputEventsPage,    w.clockEventsPage,  w.internalEventsPage,
                                             w.delayedEventsPage,  w.remoteEventsPage, w.dmxOutEventsPage};
    for (const aevents_page_base *page : eventPages)
        shown << QStringLiteral("event %1 row %2").arg(page->currentEvent).arg(page->eventList->currentRow());
    return shown;
}

// The scene a live frame shows: the scene of the configuration with the same levels, -1
// for none. Each scene the tests show has levels of its own.
int sceneOfLiveFrame(const kd620_controller_class &c, const QByteArray &levels)
{
    for (int scene = 0; scene < int(image_layout::SceneCount); ++scene) {
        const char *stored = reinterpret_cast<const char *>(c.confData + image_layout::sceneLevel(u32(scene), 0));
        if (levels == QByteArray::fromRawData(stored, int(image_layout::ChannelCount)))
            return scene;
    }
    return -1;
}

} // namespace

Q_DECLARE_METATYPE(window_step)

class tst_window_loop : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void languageChangeRebuildsTheWindow();
    void unwritableParametersFile();
    void startsWithTheFileGiven();
    void languageChangeKeepsTheConnectionAndTheTitle_data();
    void languageChangeKeepsTheConnectionAndTheTitle();
    void languageChangeKeepsWhatTheWindowShows_data();
    void languageChangeKeepsWhatTheWindowShows();

private:
    // Starts the program in the working directory and runs its windows; each step runs
    // once in the event loop of the window then shown, and the last one closes it.
    int run(const QStringList &arguments, const QList<std::function<void(gui_class &)>> &steps);

    scripted_interaction *ui = nullptr;
    sim_usb_bus *bus = nullptr;

    QTemporaryDir dir;
    QString previousDir;
    QList<QPointer<gui_class>> windows;
};

void tst_window_loop::init()
{
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QVERIFY(QFile::copy(builtTranslation(QStringLiteral("de")), QStringLiteral("Varidex625_de.qm")));
    windows.clear();
}

void tst_window_loop::cleanup()
{
    QDir::setCurrent(previousDir);
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path());
}

int tst_window_loop::run(const QStringList &arguments, const QList<std::function<void(gui_class &)>> &steps)
{
    virtual_clock clock;
    titling_interaction interaction;
    ui = &interaction;
    sim_usb_bus simulatedBus;
    bus = &simulatedBus;
    simulatedBus.addDevice(QStringLiteral("005F1234-0042")).stateFlag = 1;
    QObject translators;
    startUp(arguments, &translators);
    // Each step waits for the window the previous one asked for.
    std::function<void(int)> schedule = [&](int index) {
        if (index >= steps.size())
            return;
        QTimer::singleShot(0, [&, index] {
            if (requestedLanguage != -1) {
                schedule(index);
                return;
            }
            auto *window = qobject_cast<gui_class *>(mainWindow);
            windows << window;
            steps[index](*window);
            schedule(index + 1);
        });
    };
    schedule(0);
    const int result = runMainWindows();
    shutDown();
    ui = nullptr;
    bus = nullptr;
    return result;
}

void tst_window_loop::languageChangeRebuildsTheWindow()
{
    kd620_controller_class *controller = nullptr;
    const int result = run(
        {"varidex625", "-L", "text", "-x"},
        {
            [&](gui_class &w) {
                // No parameters file: "pl" matches nothing, so the last translation found.
                QCOMPARE(languageList.size(), 2);
                QCOMPARE(languageList[1].name, QStringLiteral("Deutsch"));
                QCOMPARE(currentLanguage, 1);
                QCOMPARE(w.languageMenu->actions().size(), 2);
                QCOMPARE(w.fileMenu->title(), QStringLiteral("&Datei"));
                controller = w.controller;
                w.setProperty("firstWindow", true);
                QCOMPARE(controller->optionL, QStringLiteral("text"));
                controller->sceneDescs[0] = QStringLiteral("kept");
                controller->setConnection(true);
                QVERIFY(controller->isConnected());
                w.languageMenu->actions()[0]->trigger();  // English
            },
            [&](gui_class &w) {
                QCOMPARE(currentLanguage, 0);
                QVERIFY(!w.property("firstWindow").isValid());  // a new window
                QCOMPARE(w.fileMenu->title(), QStringLiteral("&File"));
                QCOMPARE(w.controller, controller);
                QCOMPARE(currentController->sceneDescs[0], QStringLiteral("kept"));
                QVERIFY(controller->isConnected());
                QVERIFY(ui->messages.isEmpty());
                QCOMPARE(languageList[0].action, w.languageMenu->actions()[0]);
                w.languageMenu->actions()[0]->trigger();  // the language in use: nothing
                QCOMPARE(requestedLanguage, -1);
                w.exitAction->trigger();
            },
        });
    QCOMPARE(result, 0);
    QCOMPARE(windows.size(), 2);
    QVERIFY(windows[0].isNull() && windows[1].isNull());  // both deleted
    QCOMPARE(readSavedLanguage(parametersFileName).code, QStringLiteral("en"));
    QVERIFY(contents(parametersFileName).contains("<lang_name>English</lang_name>"));
    QCOMPARE(currentController, nullptr);
    QCOMPARE(mainWindow, nullptr);
}

void tst_window_loop::unwritableParametersFile()
{
    // The parameters file cannot be replaced: the change still holds for this run.
    QVERIFY(QDir().mkdir(parametersFileName));
    QStringList warnings;
    run({"varidex625"}, {
                            [](gui_class &w) { w.languageMenu->actions()[0]->trigger(); },
                            [&](gui_class &w) {
                                QCOMPARE(currentLanguage, 0);
                                warnings = ui->messageTitles() + ui->messageTexts();
                                QCOMPARE(ui->messages.first().icon, message_icon::Warning);
                                w.close();
                            },
                        });
    QCOMPARE(windows.size(), 2);
    // The German window, the one the language was chosen in, says so.
    QCOMPARE(warnings, QStringList({"Warnung!", "Die neue Sprache kann nicht gespeichert werden!"}));
}

void tst_window_loop::startsWithTheFileGiven()
{
    const QString file = dir.filePath(QStringLiteral("show.cfg625"));
    {
        scripted_interaction quiet;
        kd620_controller_class saved;
        saved.sceneDescs[0] = QStringLiteral("from the file");
        saved.write_confDataToFile(file, false);
        QVERIFY(QFile::exists(file));
    }
    QString title;
    QString scene;
    run({"varidex625", "-C", file}, {[&](gui_class &w) {
            title = w.windowTitle();
            scene = w.controller->sceneDescs[0];
            w.close();
        }});
    QCOMPARE(scene, QStringLiteral("from the file"));
    QCOMPARE(title, application_identity::name());
}

void tst_window_loop::languageChangeKeepsTheConnectionAndTheTitle_data()
{
    QTest::addColumn<bool>("connecting");
    QTest::addColumn<window_step>("step");
    QTest::addColumn<QString>("status");  // in English afterwards
    QTest::addColumn<QString>("buttons"); // Normal, Live, Freeze checked, Freeze enabled

    const window_step nothing = [](gui_class &) {};
    QTest::newRow("connected, Normal") << true << nothing << "Connected" << "N+ L- F- f+";
    QTest::newRow("connected, frozen") << true
                                       << window_step([](gui_class &w) { w.rightPanel->freezeModeButton->click(); })
                                       << "Connected" << "N+ L- F+ f+";
    QTest::newRow("connected, Live") << true
                                     << window_step([](gui_class &w) { w.rightPanel->liveModeButton->click(); })
                                     << "Connected" << "N- L+ F- f-";
    // Freeze stays enabled after a lost connection.
    QTest::newRow("connection lost")
        << true << window_step([](gui_class &w) { w.controller->dropConnection(); }) << "Disconnected"
        << "N- L- F- f+";
    QTest::newRow("never connected") << false << nothing << "Disconnected" << "N- L- F- f-";
}

// The controller keeps the configuration and the connection across a language change; the
// new window shows them as the old one did: the file in the title, the connection, the
// working mode, the Freeze the user chose. Nothing is asked of the controller for that.
void tst_window_loop::languageChangeKeepsTheConnectionAndTheTitle()
{
    QFETCH(bool, connecting);
    QFETCH(window_step, step);
    QFETCH(QString, status);
    QFETCH(QString, buttons);
    const QString file = dir.filePath(QStringLiteral("evening.cfg625"));
    {
        scripted_interaction quiet;
        kd620_controller_class saved;
        saved.sceneDescs[0] = QStringLiteral("evening");
        saved.write_confDataToFile(file, false);
    }
    auto modeButtons = [](const gui_class &w) {
        const right_panel_widget &p = *w.rightPanel;
        auto mark = [](bool on) { return on ? QStringLiteral("+") : QStringLiteral("-"); };
        return QStringLiteral("N%1 L%2 F%3 f%4")
            .arg(mark(p.normalModeButton->isChecked()), mark(p.liveModeButton->isChecked()),
                 mark(p.freezeModeButton->isChecked()), mark(p.freezeModeButton->isEnabled()));
    };
    const QRegularExpression modeRequest(QStringLiteral("SET_MODE|FREEZE|STATE_FLAG"));
    connection_look german;
    connection_look english;
    connection_look germanAgain;
    qsizetype logBefore = 0;
    QStringList requestsDuringTheChanges;
    bool frozenAfter = false;
    QStringList controllerTexts;

    run({"varidex625"},
        {
            [&](gui_class &w) {
                QCOMPARE(currentLanguage, 1);
                if (connecting) {
                    w.rightPanel->connectButton->click();
                    QVERIFY(QMetaObject::invokeMethod(w.clockTimer, "timeout"));
                }
                ui->fileAnswers.enqueue(file);
                w.rightPanel->readConfFromFileButton->click();
                QCOMPARE(w.controller->sceneDescs[0], QStringLiteral("evening"));
                step(w);
                QCOMPARE(modeButtons(w), buttons);
                german = connection_look::of(w);
                logBefore = bus->log.size();
                w.languageMenu->actions()[0]->trigger();  // English
            },
            [&](gui_class &w) {
                QCOMPARE(currentLanguage, 0);
                english = connection_look::of(w);
                controllerTexts = QStringList{w.controller->serialText(), w.controller->firmwareText()};
                QCOMPARE(modeButtons(w), buttons);
                w.languageMenu->actions()[1]->trigger();  // and back to German
            },
            [&](gui_class &w) {
                germanAgain = connection_look::of(w);
                for (const QString &request : bus->logTexts(int(logBefore))) {
                    if (request.contains(modeRequest))
                        requestsDuringTheChanges << request;
                }
                frozenAfter = (bus->device(1).status & sim_protocol::status::Frozen) != 0;
                w.exitAction->trigger();
            },
        });
    QCOMPARE(windows.size(), 3);

    QCOMPARE(german.title, QStringLiteral("Varidex625 - evening.cfg625"));
    QCOMPARE(english.untranslated(), german.untranslated());
    QCOMPARE(english.status, status);
    QCOMPARE(germanAgain.all(), german.all());
    if (connecting) {
        // The controller's serial number, and its version in the window's words for it.
        const QString versionText = controllerTexts[1];
        const QString version = versionText.startsWith(QLatin1String("F/W ver. ")) ? versionText.mid(9) : QStringLiteral("----");
        QCOMPARE(english.serial, controllerTexts[0]);
        QCOMPARE(german.serial, controllerTexts[0]);
        QCOMPARE(english.firmware, QStringLiteral("F/W ver. ") + version);
        QCOMPARE(german.firmware, QStringLiteral("F/W-Version ") + version);
    } else {
        QCOMPARE(english.serial, QStringLiteral("S/N ----"));
        QCOMPARE(english.firmware, QStringLiteral("F/W ver. ----"));
    }
    QCOMPARE(requestsDuringTheChanges, QStringList());
    QCOMPARE(frozenAfter, buttons.contains(QLatin1String("F+")));
}

void tst_window_loop::languageChangeKeepsWhatTheWindowShows_data()
{
    QTest::addColumn<window_step>("beforeLive");
    QTest::addColumn<window_step>("afterLive");
    QTest::addColumn<int>("liveScene");  // the scene the controller shows (0-based), -1 none

    // Program 2's step 2 holds scene 9; scene 6 is current on the Scenes tab.
    auto showTab = [](int tab) { return [tab](gui_class &w) { w.tabWidget_main->setCurrentIndex(tab); }; };
    auto chooseStep2 = [](gui_class &w) {
        w.programPage->stepTable->setCurrentIndex(w.programPage->stepTable->model()->index(1, 0));
    };
    const window_step nothing = [](gui_class &) {};
    QTest::newRow("Scenes tab") << window_step(showTab(ScenesTab)) << nothing << 5;
    QTest::newRow("Scenes tab, Copying") << window_step([](gui_class &w) {
        w.scenePage->sceneTabs->setCurrentIndex(level_settings_page::CopyingTab);
    }) << nothing << 5;
    // The step chosen in Live is on the stage.
    QTest::newRow("Programs tab, a step chosen in Live") << nothing << window_step([=](gui_class &w) {
        showTab(ProgramsTab)(w);
        chooseStep2(w);
    }) << 8;
    // Live switched on away from the Scenes tab shows nothing yet.
    QTest::newRow("Programs tab, a step chosen before Live") << window_step([=](gui_class &w) {
        showTab(ProgramsTab)(w);
        chooseStep2(w);
    }) << nothing << -1;
    QTest::newRow("Programs tab, Groupped Steps") << nothing << window_step([](gui_class &w) {
        w.tabWidget_main->setCurrentIndex(ProgramsTab);
        w.programPage->programTabs->setCurrentIndex(aprogram_settings_widget::GroupedStepsTab);
    }) << 5;
    // The tab that only a configuration with extra entries has.
    QTest::newRow("Programs tab, Test entries") << nothing << window_step([](gui_class &w) {
        w.extraEntriesCheck->setCheckState(Qt::Checked);
        w.tabWidget_main->setCurrentIndex(ProgramsTab);
        w.programPage->programTabs->setCurrentIndex(aprogram_settings_widget::EntriesTab);
    }) << 5;
    QTest::newRow("Events tab") << nothing << window_step(showTab(EventsTab)) << 5;
    QTest::newRow("Masks tab") << nothing << window_step(showTab(MasksTab)) << 5;
    QTest::newRow("Sequences tab") << nothing << window_step(showTab(SequencesTab)) << 5;
    QTest::newRow("Settings tab") << nothing << window_step(showTab(SettingsTab)) << 5;
}

// A language change leaves the stage as it was: the new window shows the same tabs and
// current items as the old one, and in Live mode puts no other scene on the controller.
void tst_window_loop::languageChangeKeepsWhatTheWindowShows()
{
    QFETCH(window_step, beforeLive);
    QFETCH(window_step, afterLive);
    QFETCH(int, liveScene);
    QStringList oldWindow;
    QStringList newWindow;
    qsizetype logBefore = 0;
    QList<int> scenesSentAfter;
    int liveRequestsAfter = 0;

    run({"varidex625"},
        {
            [&](gui_class &w) {
                kd620_controller_class &c = *w.controller;
                for (int scene : {2, 5, 8})
                    std::fill_n(c.confData + image_layout::sceneLevel(u32(scene), 0), 512, u8(scene + 1));
                c.programList.setStepCount(1, 3);
                c.programList.setScene(1, 0, 2);
                c.programList.setScene(1, 1, 8);
                w.rightPanel->connectButton->click();
                QVERIFY(c.isConnected());

                // Something other than the first item current everywhere.
                w.programPage->programTable->setCurrentCell(1, 0);
                w.maskPage->maskTable->setCurrentCell(3, 0);
                w.maskPage->maskTabs->setCurrentIndex(level_settings_page::GrouppedChannelsTab);
                w.sequencePage->sequenceTable->setCurrentCell(2, 0);
                w.clockEventsPage->eventList->setCurrentCell(4, 0);
                w.internalEventsPage->eventList->setCurrentCell(1, 0);
                w.inputEventsPage->eventList->setCurrentCell(2, 0);
                w.tabWidget_events->setCurrentIndex(ClockEventsTab);
                w.tabWidget_settings->setCurrentIndex(DescriptionsTab);
                w.scenePage->sceneTable->setCurrentCell(5, 0);
                beforeLive(w);
                w.rightPanel->liveModeButton->click();
                QCOMPARE(c.uiMode, int(kd620_controller_class::UiModeLive));
                afterLive(w);

                oldWindow = shownSelections(w);
                logBefore = bus->log.size();
                w.languageMenu->actions()[0]->trigger();  // English
            },
            [&](gui_class &w) {
                QCOMPARE(currentLanguage, 0);
                newWindow = shownSelections(w);
                for (qsizetype i = logBefore; i < bus->log.size(); ++i) {
                    const sim_log_entry &entry = bus->log[i];
                    if (entry.what.contains(QLatin1String("LIVE_SCENE")) || entry.what.contains(QLatin1String("LIVE_CHANNEL")))
                        ++liveRequestsAfter;
                    if (entry.what.startsWith(QLatin1String("bulk out 524")))
                        scenesSentAfter << sceneOfLiveFrame(*w.controller, entry.data.mid(8, 512));
                }
                w.exitAction->trigger();
            },
        });
    QCOMPARE(windows.size(), 2);
    // The scene on the stage may be sent again; no other goes out.
    if (liveScene < 0)
        QCOMPARE(liveRequestsAfter, 0);
    for (int scene : scenesSentAfter)
        QCOMPARE(scene, liveScene);
    QCOMPARE(newWindow, oldWindow);
}

QTEST_MAIN(tst_window_loop)
#include "tst_window_loop.moc"
