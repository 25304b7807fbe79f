#include "model/application_identity.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "app/parameters_file.h"
#include "app/varidex_main.h"
#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"
#include "settings/monitor/ctrl_monitor.h"
#include "tests/sim/sim_usb_bus.h"
#include "tests/support/scripted_interaction.h"
#include "tests/support/virtual_clock.h"

#include <QDir>
#include <QFile>
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

} // namespace

class tst_window_loop : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void languageChangeRebuildsTheWindow();
    void unwritableParametersFile();
    void startsWithTheFileGiven();

private:
    // Starts the program in the working directory and runs its windows; each step runs
    // once in the event loop of the window then shown, and the last one closes it.
    int run(const QStringList &arguments, const QList<std::function<void(gui_class &)>> &steps);

    scripted_interaction *ui = nullptr;

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
    scripted_interaction interaction;
    ui = &interaction;
    sim_usb_bus bus;
    bus.addDevice(QStringLiteral("005F1234-0042")).stateFlag = 1;
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

QTEST_MAIN(tst_window_loop)
#include "tst_window_loop.moc"
