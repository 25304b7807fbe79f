// What the user does while the whole configuration travels stays out of the transfer: the
// real widgets (progress dialog, message boxes, the right panel of the main window) over
// the simulated controller. A click or a clock tick that falls due in the middle of a send
// or a read must leave the controller's request log that of one undisturbed transfer.
#include "app/gui_class.h"
#include "app/right_panel_widget.h"
#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/main_window_fixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using namespace image_layout;

const QString sendOk = QStringLiteral("Config and data writing\n     successful!");
const QString readOk = QStringLiteral("Configuration reading\nsuccessful!");

// Answers every message box as a user does: a click on its default button (or its first
// one). A box that does not take the click is noted and closed, so a test never hangs.
class box_answerer : public QObject
{
public:
    box_answerer()
    {
        timer.setInterval(0);
        connect(&timer, &QTimer::timeout, this, &box_answerer::answer);
        timer.start();
    }

    QStringList texts;          // of the boxes answered, in order
    QStringList clicksRefused;  // of the boxes that ignored the click

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (box == clicked) {
            clicksRefused << box->text();
            box->done(0);
            return;
        }
        QAbstractButton *button = box->defaultButton();
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().first();
        if (!button)
            return;
        texts << box->text();
        clicked = box;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QTimer timer;
    QPointer<QMessageBox> clicked;
};

// A click as Qt would find it waiting in its queue: posted to the button.
void postClick(QWidget *button)
{
    const QPointF at = QRectF(button->rect()).center();
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, at, button->mapToGlobal(at),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, at, button->mapToGlobal(at),
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

// A click as the window system hands it to Qt: on the main window, where the button is.
void windowSystemClick(gui_class &window, QWidget *button)
{
    window.scrollArea->ensureWidgetVisible(button);
    const QPoint at = window.mapFromGlobal(button->mapToGlobal(button->rect().center()));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

enum disturbance_kind { PostedClick, WindowSystemClick, ClockDue };

// What the user does in the middle of the transfer.
struct disturbance {
    disturbance_kind kind = PostedClick;
    QString button;  // the right panel's button, for the clicks
};

QPushButton *panelButton(gui_class &window, const QString &name)
{
    right_panel_widget &panel = *window.rightPanel;
    if (name == QLatin1String("send"))
        return panel.sendConfButton;
    if (name == QLatin1String("read"))
        return panel.readConfButton;
    if (name == QLatin1String("disconnect"))
        return panel.disconnectButton;
    return panel.connectButton;
}

// The log of a send without the clock reads the timer may slip in between two complete
// block cycles (right after a block's frame and the poll that saw it done). A clock read
// anywhere else stays.
QStringList withoutClockReadsBetweenBlocks(QStringList log)
{
    for (int i = int(log.size()) - 1; i >= 3; --i) {
        if (log[i].contains(QLatin1String("READ_CLOCK")) && log[i - 1].contains(QLatin1String("STATUS"))
            && log[i - 2].contains(QLatin1String("STATUS")) && log[i - 3].contains(QLatin1String("bulk out"))) {
            log.removeAt(i);
            log.removeAt(i - 1);
        }
    }
    return log;
}

// What one transfer did.
struct transfer_record {
    QStringList log;         // the controller's request log, from the click until it returned
    QStringList afterwards;  // what reached the controller once events ran again
    QStringList boxes;       // the boxes the user answered
    QStringList clicksRefused;
    QByteArray image;        // the program's configuration image afterwards
    QByteArray memory;       // the controller's configuration memory afterwards
    int clockReads = 0;
    QStringList problems;    // protocol problems the simulated controller saw
};

QByteArray bytes(const u8 *data)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(ImageSize));
}

} // namespace

class tst_transfer_input : public QObject
{
    Q_OBJECT

private slots:
    void clicksReachThePanelOutsideATransfer();
    void disturbedTransfer_data();
    void disturbedTransfer();
    void readRunsNoEventsAndItsDialogClosesAtItsEnd();
    void heldInputReachesOnlyTheBoxesOfTheTransfer();

private:
    // Connects through the panel, then clicks "Send config to KD625" (a populated
    // configuration) or "Read config from KD625" (the controller holds one); `during`
    // runs once, inside the transfer, when the controller is in the middle of block 10.
    transfer_record runTransfer(bool sending, const std::function<void(gui_class &)> &during);
};

transfer_record tst_transfer_input::runTransfer(bool sending, const std::function<void(gui_class &)> &during)
{
    transfer_record record;
    auto f = std::make_unique<main_window_fixture>();
    widget_user_interaction widgets;
    installUserInteraction(&widgets);
    gui_class &window = *f->window;
    kd620_controller_class &c = *f->controller;
    sim_config_memory_engine &memory = *f->bus.device(1).findEngine<sim_config_memory_engine>();
    window.clockTimer->stop();  // ticks come only when a test makes them due
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        record.problems << QStringLiteral("the main window was never shown");
    box_answerer answerer;

    window.rightPanel->connectButton->click();
    if (sending) {
        populateConfiguration(c);
    } else {
        populateConfiguration(c);
        c.packStores();
        memory.memory = bytes(c.confData);
        c.ClearConfig();
    }
    f->bus.clearLog();
    answerer.texts.clear();

    // Block 10's cycle: the send has announced it, the read has polled for it.
    const QString inBlock10 = sending ? QStringLiteral("WRITE_BLOCK") : QStringLiteral("bulk in");
    int seen = 0;
    bool done = !during;
    f->bus.beforeOperation = [&] {
        if (done || f->bus.log.isEmpty())
            return;
        if (f->bus.log.last().what.startsWith(inBlock10) && ++seen == 10) {
            done = true;
            during(window);
        }
    };
    QTest::mouseClick(sending ? window.rightPanel->sendConfButton : window.rightPanel->readConfButton,
                      Qt::LeftButton);
    record.log = f->bus.logTexts();
    f->bus.beforeOperation = nullptr;
    window.clockTimer->stop();

    // Whatever still waits runs now; nothing of it may reach the controller.
    const int logged = int(f->bus.log.size());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    record.afterwards = f->bus.logTexts(logged);

    record.boxes = answerer.texts;
    record.clicksRefused = answerer.clicksRefused;
    record.clockReads = int(record.log.filter(QStringLiteral("READ_CLOCK")).size());
    record.image = bytes(c.confData);
    record.memory = memory.memory;
    record.problems += main_window_fixture::tearDown(f);
    installUserInteraction(nullptr);
    return record;
}

// The test's ways of clicking reach the panel when no transfer runs, so that nothing
// reaching it during one means the click was held off.
void tst_transfer_input::clicksReachThePanelOutsideATransfer()
{
    main_window_fixture f;
    widget_user_interaction widgets;
    installUserInteraction(&widgets);
    gui_class &window = *f.window;
    window.clockTimer->stop();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.rightPanel->connectButton->click();
    QVERIFY(f.controller->isConnected());

    QPushButton *normal = window.rightPanel->normalModeButton;
    QSignalSpy clicked(normal, &QAbstractButton::clicked);
    postClick(normal);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(clicked.size(), 1);
    windowSystemClick(window, normal);
    QCOMPARE(clicked.size(), 2);
    installUserInteraction(nullptr);
}

void tst_transfer_input::disturbedTransfer_data()
{
    QTest::addColumn<bool>("sending");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("button");

    QTest::newRow("send, a queued click on Read") << true << int(PostedClick) << "read";
    QTest::newRow("send, a queued click on Send") << true << int(PostedClick) << "send";
    QTest::newRow("send, a queued click on Disconnect") << true << int(PostedClick) << "disconnect";
    QTest::newRow("send, a click on Read from the window system") << true << int(WindowSystemClick) << "read";
    QTest::newRow("send, the clock falls due") << true << int(ClockDue) << "";
    QTest::newRow("read, a queued click on Send") << false << int(PostedClick) << "send";
    QTest::newRow("read, a queued click on Read") << false << int(PostedClick) << "read";
    QTest::newRow("read, a queued click on Disconnect") << false << int(PostedClick) << "disconnect";
    QTest::newRow("read, a click on Send from the window system") << false << int(WindowSystemClick) << "send";
    QTest::newRow("read, the clock falls due") << false << int(ClockDue) << "";
}

void tst_transfer_input::disturbedTransfer()
{
    QFETCH(bool, sending);
    QFETCH(int, kind);
    QFETCH(QString, button);

    const transfer_record undisturbed = runTransfer(sending, nullptr);
    QVERIFY2(undisturbed.problems.isEmpty(), qPrintable(undisturbed.problems.join('\n')));
    QCOMPARE(undisturbed.boxes, QStringList{sending ? sendOk : readOk});
    QCOMPARE(undisturbed.clockReads, 0);

    const transfer_record disturbed = runTransfer(sending, [&](gui_class &window) {
        switch (disturbance_kind(kind)) {
        case PostedClick:
            postClick(panelButton(window, button));
            break;
        case WindowSystemClick:
            windowSystemClick(window, panelButton(window, button));
            break;
        case ClockDue:
            window.controller->clockRereadCounter = 10;  // read over USB at the next tick
            window.clockTimer->start(0);
            break;
        }
    });
    QVERIFY2(disturbed.problems.isEmpty(), qPrintable(disturbed.problems.join('\n')));
    QCOMPARE(disturbed.clicksRefused, QStringList());
    QCOMPARE(disturbed.boxes, undisturbed.boxes);
    // A send lets the clock ask between two block cycles, a read nowhere.
    QCOMPARE(sending ? withoutClockReadsBetweenBlocks(disturbed.log) : disturbed.log, undisturbed.log);
    if (kind == ClockDue && sending)
        QCOMPARE(disturbed.clockReads, 1);
    QCOMPARE(disturbed.afterwards, QStringList());
    QVERIFY(disturbed.image == undisturbed.image);
    QVERIFY(disturbed.memory == undisturbed.memory);
    // Sent or read, the configuration is the same on both sides where both travel:
    // 0x2000..0x5FFF and from 0x10000 on.
    QVERIFY(disturbed.memory.mid(0x2000, 0x4000) == disturbed.image.mid(0x2000, 0x4000));
    QVERIFY(disturbed.memory.mid(0x10000) == disturbed.image.mid(0x10000));
}

// The read's progress dialog has no parent and is not modal; it closes at its 29th block
// and stays closed for the last five. No event runs while the blocks come in.
void tst_transfer_input::readRunsNoEventsAndItsDialogClosesAtItsEnd()
{
    main_window_fixture f;
    widget_user_interaction widgets;
    installUserInteraction(&widgets);
    gui_class &window = *f.window;
    window.clockTimer->stop();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    box_answerer answerer;
    window.rightPanel->connectButton->click();
    QVERIFY(f.controller->isConnected());

    QStringList dialogStates;  // after each block read: "28 shown" or "29 closed"
    QString label;
    bool modalOrOwned = false;
    int blocksRead = 0;
    bool zeroTimerFired = false;
    bool eventsRanDuringBlocks = true;  // as seen once every block is in
    f.bus.beforeOperation = [&] {
        if (f.bus.log.isEmpty() || !f.bus.log.last().what.startsWith(QLatin1String("bulk in")))
            return;
        if (++blocksRead == 1)
            QTimer::singleShot(0, [&] { zeroTimerFired = true; });
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QProgressDialog *>(w)) {
                dialogStates << QStringLiteral("%1 %2").arg(blocksRead).arg(dialog->isVisible() ? "shown" : "closed");
                label = dialog->labelText();
                modalOrOwned = modalOrOwned || dialog->isModal() || dialog->parentWidget();
            }
        }
    };
    connect(f.controller.get(), &kd620_controller_class::readKd620Finished, this,
            [&] { eventsRanDuringBlocks = zeroTimerFired; });
    window.rightPanel->readConfButton->click();
    f.bus.beforeOperation = nullptr;

    QCOMPARE(answerer.texts, QStringList{readOk});
    QVERIFY(!eventsRanDuringBlocks);
    QVERIFY(zeroTimerFired);  // in the outcome box, once the blocks were in
    QStringList expected;
    for (int block = 1; block <= 33; ++block)
        expected << QStringLiteral("%1 %2").arg(block).arg(block < 29 ? "shown" : "closed");
    QCOMPARE(dialogStates, expected);
    QCOMPARE(label, QStringLiteral("Reading configuration..."));
    QVERIFY(!modalOrOwned);
    installUserInteraction(nullptr);
}

// While input is held, clicks reach no window but the modal boxes opened since; the
// window system's request to close a window is refused. Released, clicks pass again.
void tst_transfer_input::heldInputReachesOnlyTheBoxesOfTheTransfer()
{
    widget_user_interaction widgets;
    QWidget window;
    auto *button = new QPushButton(QStringLiteral("Read"), &window);
    button->setGeometry(10, 10, 100, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicked(button, &QAbstractButton::clicked);

    widgets.holdUserInput();
    widgets.holdUserInput();  // holds nest
    postClick(button);
    QCoreApplication::sendPostedEvents();
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(clicked.size(), 0);
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    QCoreApplication::sendEvent(window.windowHandle(), &close);
    QVERIFY(window.isVisible());

    // A box of the transfer takes the user's click, and a click queued before it is dropped.
    box_answerer answerer;
    postClick(button);
    message_request request;
    request.text = QStringLiteral("Configuration reading\nsuccessful!");
    request.parent = dialog_parent::None;
    QCOMPARE(widgets.showMessage(request), int(message_button::Ok));
    QCOMPARE(answerer.clicksRefused, QStringList());
    QCOMPARE(answerer.texts, QStringList{request.text});
    QCOMPARE(clicked.size(), 0);

    widgets.releaseUserInput();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.size(), 0);
    widgets.releaseUserInput();
    QTest::mouseClick(button, Qt::LeftButton);
    postClick(button);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(clicked.size(), 2);
}

QTEST_MAIN(tst_transfer_input)
#include "tst_transfer_input.moc"
