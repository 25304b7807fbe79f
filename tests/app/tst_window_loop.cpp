#include "model/application_identity.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "app/parameters_file.h"
#include "app/right_panel_widget.h"
#include "app/varidex_main.h"
#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"
#include "settings/monitor/ctrl_monitor.h"
#include "tests/sim/sim_device_protocol.h"
#include "tests/sim/sim_usb_bus.h"
#include "tests/support/scripted_interaction.h"
#include "tests/support/virtual_clock.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QGroupBox>
#include <QPushButton>
#include <QPointer>
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

QTEST_MAIN(tst_window_loop)
#include "tst_window_loop.moc"
