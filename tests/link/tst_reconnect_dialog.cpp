#include "app/widget_user_interaction.h"
#include "link/reconnectDialog.h"
#include "tests/sim/sim_link_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString serialA = QStringLiteral("005F0000-0001");
const QString serialB = QStringLiteral("005F0000-0002");
const QString serialC = QStringLiteral("005F0000-0003");

using dialog_answer = std::function<void(reconnectDialog *)>;

} // namespace

// The connect shows the real dialog through the application's user interaction; the test
// answers it from the event loop the dialog runs.
class tst_reconnect_dialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutAndTexts();
    void withoutMainWindow();
    void changeToTheSecondController();
    void retrySearchesAgain();
    void enterPressesCancel();
    void closingTheWindowCancels();

private:
    // Answers the reconnect dialogs the connect opens, in order.
    void answerDialogs(QList<dialog_answer> answers);
    void whenDialogOpens();

    std::unique_ptr<sim_link_fixture> f;
    std::unique_ptr<widget_user_interaction> widgets;
    std::unique_ptr<QWidget> window;
    QList<dialog_answer> pending;
    QList<QStringList> shown;  // the serial numbers each dialog listed
    QPointer<reconnectDialog> answered;  // the dialog open now, once answered
    int testSession = 0;
    int dialogsSeen = 0;
    int unexpectedDialogs = 0;
    int polls = 0;
};

void tst_reconnect_dialog::init()
{
    f = std::make_unique<sim_link_fixture>();
    widgets = std::make_unique<widget_user_interaction>();
    installUserInteraction(widgets.get());
    window = std::make_unique<QWidget>();
    window->setGeometry(100, 60, 801, 601);
    window->show();
    mainWindow = window.get();
    pending.clear();
    shown.clear();
    ++testSession;
    dialogsSeen = 0;
    unexpectedDialogs = 0;
    polls = 0;
}

void tst_reconnect_dialog::cleanup()
{
    const bool modalLeft = QApplication::activeModalWidget() != nullptr;
    // Tear down first, so that a failed check leaves nothing behind for the next test.
    mainWindow = nullptr;
    window.reset();
    f.reset();  // the scripted interaction it holds uninstalls every interaction
    widgets.reset();
    QVERIFY(pending.isEmpty());
    QCOMPARE(unexpectedDialogs, 0);
    QVERIFY(!modalLeft);
}

void tst_reconnect_dialog::answerDialogs(QList<dialog_answer> answers)
{
    pending = std::move(answers);
    whenDialogOpens();
}

void tst_reconnect_dialog::whenDialogOpens()
{
    QTimer::singleShot(0, this, [this, session = testSession] {
        if (session != testSession)
            return;  // left over from an earlier test
        auto *dialog = qobject_cast<reconnectDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog == answered) {
            if (++polls < 1000)  // never wait for a dialog that does not come
                whenDialogOpens();
            return;
        }
        answered = dialog;
        polls = 0;
        ++dialogsSeen;
        QStringList items;
        for (int i = 0; i < dialog->serialCombo->count(); ++i)
            items << dialog->serialCombo->itemText(i);
        shown << items;
        // Watch for the connect's next dialog (after Retry or Change) too.
        whenDialogOpens();
        if (pending.isEmpty()) {
            ++unexpectedDialogs;
            dialog->reject();
            return;
        }
        pending.takeFirst()(dialog);
    });
}

void tst_reconnect_dialog::layoutAndTexts()
{
    reconnectDialog dialog({serialB, serialC}, window.get());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Device not connected!"));
    // Centred on the main window (its frame position) with integer halves of 801 x 601.
    QCOMPARE(dialog.geometry(), QRect(window->x() + 400 - 180, window->y() + 300 - 50, 360, 140));
    QCOMPARE(dialog.parentWidget(), window.get());
    QCOMPARE(dialog.messageLabel->text(), QStringLiteral("Previously connected controller is no longer available!\n"
                                                         "Retry or choose another device to connect."));
    QVERIFY(dialog.messageLabel->alignment() & Qt::AlignHCenter);
    QCOMPARE(dialog.messageLabel->geometry(), QRect(10, 20, 340, 40));  // the dialog's width less a margin
    QCOMPARE(dialog.serialCombo->geometry(), QRect(120, 60, 120, 24));
    QCOMPARE(dialog.serialCombo->count(), 2);
    QCOMPARE(dialog.serialCombo->itemText(0), serialB);
    QCOMPARE(dialog.serialCombo->itemText(1), serialC);
    QCOMPARE(dialog.retryButton->text(), QStringLiteral("Retry"));
    QCOMPARE(dialog.retryButton->geometry(), QRect(30, 100, 80, 24));
    QCOMPARE(dialog.changeButton->text(), QStringLiteral("Change"));
    QCOMPARE(dialog.changeButton->geometry(), QRect(140, 100, 80, 24));
    QCOMPARE(dialog.cancelButton->text(), QStringLiteral("Cancel"));
    QCOMPARE(dialog.cancelButton->geometry(), QRect(250, 100, 80, 24));
    QVERIFY(dialog.cancelButton->isDefault());
    QVERIFY(!dialog.retryButton->isDefault());
    QVERIFY(!dialog.changeButton->isDefault());
}

void tst_reconnect_dialog::withoutMainWindow()
{
    reconnectDialog dialog({serialB}, nullptr);
    QCOMPARE(dialog.size(), QSize(360, 140));
    QVERIFY(!dialog.parentWidget());
}

void tst_reconnect_dialog::changeToTheSecondController()
{
    f->bus.addDevice(serialB);
    f->bus.addDevice(serialC);
    f->controller->usbDevice.setSerialNumber(serialA);
    QWidget *parentSeen = nullptr;
    answerDialogs({[&parentSeen](reconnectDialog *d) {
        parentSeen = d->parentWidget();
        d->serialCombo->setCurrentIndex(1);
        QTest::mouseClick(d->changeButton, Qt::LeftButton);
    }});

    f->controller->setConnection(true);
    QCOMPARE(dialogsSeen, 1);
    QCOMPARE(shown, QList<QStringList>{QStringList({serialB, serialC})});
    QCOMPARE(parentSeen, window.get());
    QVERIFY(f->controller->isConnected());
    QCOMPARE(f->controller->usbDevice.serialNumber, serialC);
    QCOMPARE(f->controller->serialText(), QStringLiteral("S/N 5F0000-0003"));
    QCOMPARE(f->statusSignals, QList<bool>{true});
    // The chosen controller is the one wanted from now on: after a disconnect it is found again.
    f->controller->setConnection(false);
    f->reset();
    f->controller->setConnection(true);
    QCOMPARE(f->controller->usbDevice.serialNumber, serialC);
    QCOMPARE(f->statusSignals, QList<bool>{true});
    QCOMPARE(dialogsSeen, 1);
}

void tst_reconnect_dialog::retrySearchesAgain()
{
    f->bus.addDevice(serialB);
    f->controller->usbDevice.setSerialNumber(serialA);
    answerDialogs({[](reconnectDialog *d) { QTest::mouseClick(d->retryButton, Qt::LeftButton); },
                   [](reconnectDialog *d) { QTest::mouseClick(d->cancelButton, Qt::LeftButton); }});

    f->controller->setConnection(true);
    QCOMPARE(dialogsSeen, 2);
    QCOMPARE(f->bus.logTexts().count(QStringLiteral("list")), 2);
    QCOMPARE(f->controller->usbDevice.serialNumber, serialA);
    QVERIFY(!f->controller->isConnected());
    QCOMPARE(f->statusSignals, QList<bool>{false});
}

void tst_reconnect_dialog::enterPressesCancel()
{
    f->bus.addDevice(serialB);
    f->controller->usbDevice.setSerialNumber(serialA);
    bool comboFocused = false;
    answerDialogs({[&comboFocused](reconnectDialog *d) {
        d->activateWindow();
        comboFocused = QTest::qWaitForWindowActive(d) && QApplication::focusWidget() == d->serialCombo;
        QTest::keyClick(d->serialCombo, Qt::Key_Return);
    }});

    f->controller->setConnection(true);
    QCOMPARE(dialogsSeen, 1);
    QVERIFY(comboFocused);
    QVERIFY(!f->controller->isConnected());
    QCOMPARE(f->controller->usbDevice.serialNumber, serialA);
    QCOMPARE(f->bus.logTexts().count(QStringLiteral("list")), 1);
    QCOMPARE(f->statusSignals, QList<bool>{false});
}

void tst_reconnect_dialog::closingTheWindowCancels()
{
    f->bus.addDevice(serialB);
    f->controller->usbDevice.setSerialNumber(serialA);
    answerDialogs({[](reconnectDialog *d) { d->close(); }});

    f->controller->setConnection(true);
    QCOMPARE(dialogsSeen, 1);
    QVERIFY(!f->controller->isConnected());
    QCOMPARE(f->bus.logTexts().count(QStringLiteral("list")), 1);
    QCOMPARE(f->statusSignals, QList<bool>{false});
}

QTEST_MAIN(tst_reconnect_dialog)
#include "tst_reconnect_dialog.moc"
