#include "model/application_identity.h"
#include "app/application_resources.h"
#include "app/clearConf_dialog.h"
#include "link/kd620_controller_class.h"
#include "tests/support/scripted_interaction.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QStringList allBoxes{"cbAll",   "cbScenes", "cbPrograms", "cbChains", "cbDescr",  "cbTimers",  "cbInputs",
                           "cbDMXout", "cbVKeys", "cbLimits",   "cbDelays", "cbMasks", "cbSunTimes"};

QCheckBox *box(QWidget *dialog, const QString &name)
{
    auto *found = dialog->findChild<QCheckBox *>(name);
    if (!found)
        qFatal("no check box %s", qPrintable(name));
    return found;
}

QStringList boxesWhere(QWidget *dialog, const std::function<bool(QCheckBox *)> &test)
{
    QStringList names;
    for (const QString &name : allBoxes) {
        if (test(box(dialog, name)))
            names << name;
    }
    return names;
}

QStringList allBut(const QStringList &left)
{
    QStringList names = allBoxes;
    for (const QString &name : left)
        names.removeAll(name);
    return names;
}

// Runs the dialog as the main window does and, once it is on screen, lets `user` work on
// it: the function gets the modal dialog, which the test must close. `reached` tells
// whether the dialog was found; a dialog that was not is closed, so no test hangs.
std::optional<u32> runWith(const std::function<void(QDialog *)> &user, bool &reached)
{
    reached = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<clearConf_dialog *>(QApplication::activeModalWidget());
        if (dialog) {
            reached = true;
            user(dialog);
        }
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *open = qobject_cast<clearConf_dialog *>(w); open && open->isVisible())
                open->reject();
        }
    });
    return clearConf_dialog::runModal(nullptr);
}

// Clicks the boxes in order, like the user.
void click(QWidget *dialog, const QStringList &names)
{
    for (const QString &name : names)
        box(dialog, name)->click();
}

} // namespace

class tst_clear_dialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void form();
    void cascade_data();
    void cascade();
    void yesClears_data();
    void yesClears();
    void cancelOrCloseClearsNothing_data();
    void cancelOrCloseClearsNothing();

private:
    // Gives every category something to lose.
    void describeEverything();
    std::unique_ptr<kd620_controller_class> controller;
    std::unique_ptr<scripted_interaction> ui;
};

void tst_clear_dialog::initTestCase()
{
    initApplicationResources();
}

void tst_clear_dialog::init()
{
    ui = std::make_unique<scripted_interaction>();
    controller = std::make_unique<kd620_controller_class>();
    currentController = controller.get();
    describeEverything();
}

void tst_clear_dialog::cleanup()
{
    currentController = nullptr;
    controller.reset();
    ui.reset();
}

void tst_clear_dialog::describeEverything()
{
    controller->sceneDescs[0] = QStringLiteral("scene");
    controller->programDescs[0] = QStringLiteral("program");
    controller->maskDescs[0] = QStringLiteral("mask");
    controller->stateDescs[0] = QStringLiteral("state");
}

void tst_clear_dialog::form()
{
    clearConf_dialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("clearConf"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Clear configuration"));
    QCOMPARE(dialog.size(), QSize(400, 482));
    QVERIFY(!dialog.windowIcon().isNull());
    QCOMPARE(dialog.findChild<QPushButton *>("okButton")->text(), QStringLiteral("Yes!"));
    QCOMPARE(dialog.findChild<QPushButton *>("cancelButton")->text(), QStringLiteral("Cancel"));
    QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QStringLiteral("Clear settings:"));
    QCOMPARE(dialog.findChild<QLabel *>("label_2")->text(), QStringLiteral("Are you sure?"));
    QVERIFY(dialog.findChild<QLabel *>("label_2")->font().bold());
    // The headline ends before the column of boxes, whatever font stands in for the form's,
    // in its own 12 points: its words fit the width left of the boxes, on two lines at most.
    const QLabel *headline = dialog.findChild<QLabel *>("label");
    QVERIFY(headline->geometry().right() < box(&dialog, "cbAll")->x());
    QCOMPARE(headline->font().pointSize(), 12);
    const QRect wrapped = headline->fontMetrics().boundingRect(QRect(0, 0, headline->width(), 1000), Qt::TextWordWrap,
                                                               headline->text());
    QVERIFY(wrapped.width() <= headline->width());
    QVERIFY(wrapped.height() <= headline->height());

    const QStringList texts{"All",         "Scenes",          "Programs",
                            "Chained Events", "Descriptions", "Timers",
                            "Inputs",      "DMX Outputs",     "Internal Events",
                            "State && Daytime Limits", "Delays && Sequences", "Masks",
                            "Sun Related Events"};
    for (int i = 0; i < allBoxes.size(); ++i) {
        QCheckBox *b = box(&dialog, allBoxes[i]);
        QCOMPARE(b->text(), texts[i]);
        QVERIFY(b->isEnabled());
        QVERIFY(!b->isChecked());
        QCOMPARE(b->font().pointSize(), 10);
        QVERIFY(!b->font().bold());
    }
    // Top to bottom in the order of the list.
    for (int i = 1; i < allBoxes.size(); ++i)
        QVERIFY(box(&dialog, allBoxes[i])->y() > box(&dialog, allBoxes[i - 1])->y());
}

void tst_clear_dialog::cascade_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QStringList>("disabled");

    QTest::newRow("nothing") << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("Scenes checks and locks Programs and Chained Events")
        << QStringList{"cbScenes"} << QStringList{"cbScenes", "cbPrograms", "cbChains"}
        << QStringList{"cbPrograms", "cbChains"};
    QTest::newRow("Scenes off again frees Programs only")
        << QStringList{"cbScenes", "cbScenes"} << QStringList{"cbPrograms", "cbChains"} << QStringList{"cbChains"};
    QTest::newRow("then Programs off frees Chained Events")
        << QStringList{"cbScenes", "cbScenes", "cbPrograms"} << QStringList{"cbChains"} << QStringList{};
    QTest::newRow("Programs checks and locks Chained Events")
        << QStringList{"cbPrograms"} << QStringList{"cbPrograms", "cbChains"} << QStringList{"cbChains"};
    QTest::newRow("a locked box does not answer")
        << QStringList{"cbScenes", "cbPrograms", "cbChains"} << QStringList{"cbScenes", "cbPrograms", "cbChains"}
        << QStringList{"cbPrograms", "cbChains"};
    QTest::newRow("All checks and locks the twelve") << QStringList{"cbAll"} << allBoxes << allBut({"cbAll"});
    QTest::newRow("All off again keeps the marks, Scenes keeps its two locked")
        << QStringList{"cbAll", "cbAll"} << allBut({"cbAll"}) << QStringList{"cbPrograms", "cbChains"};
    QTest::newRow("All over boxes already checked")
        << QStringList{"cbMasks", "cbPrograms", "cbAll"} << allBoxes << allBut({"cbAll"});
}

void tst_clear_dialog::cascade()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, checked);
    QFETCH(QStringList, disabled);

    clearConf_dialog dialog;
    click(&dialog, clicks);
    QCOMPARE(boxesWhere(&dialog, [](QCheckBox *b) { return b->isChecked(); }), checked);
    QCOMPARE(boxesWhere(&dialog, [](QCheckBox *b) { return !b->isEnabled(); }), disabled);
}

void tst_clear_dialog::yesClears_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<uint>("mask");

    QTest::newRow("no box") << QStringList{} << 0x0u;
    QTest::newRow("Scenes alone") << QStringList{"cbScenes"} << 0x1Fu;
    QTest::newRow("Programs alone") << QStringList{"cbPrograms"} << 0x16u;
    QTest::newRow("Chained Events") << QStringList{"cbChains"} << 0x4u;
    QTest::newRow("Descriptions") << QStringList{"cbDescr"} << 0x28018u;
    QTest::newRow("Timers") << QStringList{"cbTimers"} << 0x20u;
    QTest::newRow("Inputs") << QStringList{"cbInputs"} << 0x40u;
    QTest::newRow("DMX Outputs") << QStringList{"cbDMXout"} << 0x900u;
    QTest::newRow("Internal Events") << QStringList{"cbVKeys"} << 0x200u;
    QTest::newRow("Limits") << QStringList{"cbLimits"} << 0x1000u;
    QTest::newRow("Delays") << QStringList{"cbDelays"} << 0x2000u;
    QTest::newRow("Masks") << QStringList{"cbMasks"} << 0xC000u;
    QTest::newRow("Sun Related Events") << QStringList{"cbSunTimes"} << 0x10000u;
    QTest::newRow("Masks and Timers") << QStringList{"cbMasks", "cbTimers"} << 0xC020u;
    // Neither DMX-in events nor the remote control without All.
    QTest::newRow("the twelve without All") << QStringList{"cbAll", "cbAll"} << 0x3FB7Fu;
    QTest::newRow("All") << QStringList{"cbAll"} << 0xFFFFFu;
}

void tst_clear_dialog::yesClears()
{
    QFETCH(QStringList, clicks);
    QFETCH(uint, mask);

    bool closedBeforeClear = false;
    bool reached = false;
    const std::optional<u32> result = runWith([&](QDialog *dialog) {
        click(dialog, clicks);
        // The clear runs after the dialog has been accepted.
        connect(dialog, &QDialog::accepted, this,
                [&] { closedBeforeClear = currentController->sceneDescs[0] == QLatin1String("scene"); });
        dialog->findChild<QPushButton *>("okButton")->click();
    }, reached);

    QVERIFY(reached);
    QVERIFY(result.has_value());
    QCOMPARE(*result, u32(mask));
    QVERIFY(closedBeforeClear);
    // The controller did clear what the mask names: descriptions show it plainly.
    QCOMPARE(controller->sceneDescs[0].isEmpty(), (mask & 0x8) != 0);
    QCOMPARE(controller->programDescs[0].isEmpty(), (mask & 0x10) != 0);
    QCOMPARE(controller->maskDescs[0].isEmpty(), (mask & 0x8000) != 0);
    QCOMPARE(controller->stateDescs[0].isEmpty(), (mask & 0x20000) != 0);
    // Only clearing everything takes the file's name out of the window title.
    QCOMPARE(ui->windowTitles, mask == 0xFFFFF ? QStringList{application_identity::name()} : QStringList{});
    QVERIFY(ui->messages.isEmpty());
}

void tst_clear_dialog::cancelOrCloseClearsNothing_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("window closed") << 2;
}

void tst_clear_dialog::cancelOrCloseClearsNothing()
{
    QFETCH(int, how);
    bool reached = false;
    const std::optional<u32> result = runWith([&](QDialog *dialog) {
        click(dialog, {"cbAll"});
        switch (how) {
        case 0: dialog->findChild<QPushButton *>("cancelButton")->click(); break;
        case 1: QTest::keyClick(dialog, Qt::Key_Escape); break;
        default: dialog->close(); break;
        }
    }, reached);
    QVERIFY(reached);
    QVERIFY(!result.has_value());
    QCOMPARE(controller->sceneDescs[0], QStringLiteral("scene"));
    QCOMPARE(controller->stateDescs[0], QStringLiteral("state"));
    QVERIFY(ui->windowTitles.isEmpty());
}

QTEST_MAIN(tst_clear_dialog)
#include "tst_clear_dialog.moc"
