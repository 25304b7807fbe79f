// The whole program as a user drives it, on one simulated controller: start, connect,
// send the configuration, read it back, save it to a file, clear it, open the file again.
#include "app/clearConf_dialog.h"
#include "app/gui_class.h"
#include "widgets/my_time_edit.h"
#include "app/right_panel_widget.h"
#include "app/varidex_main.h"
#include "app/widget_user_interaction.h"
#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/sim/sim_usb_bus.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/scripted_interaction.h"
#include "tests/support/virtual_clock.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>

namespace {

// The image outside what the controller never keeps: the head is read back but never
// sent, the block after the delays is sent but never read back.
QByteArray exchangedPart(const u8 *image)
{
    QByteArray part(reinterpret_cast<const char *>(image), image_layout::ImageSize);
    std::fill_n(part.begin() + image_layout::UnusedHead, 0x2000, '\0');
    std::fill_n(part.begin() + image_layout::UnusedSentOnly, 0xA000, '\0');
    return part;
}

// The first offset where two images differ, for a readable failure.
QString firstDifference(const QByteArray &a, const QByteArray &b)
{
    for (int i = 0; i < qMin(a.size(), b.size()); ++i) {
        if (a[i] != b[i])
            return QStringLiteral("0x%1").arg(i, 6, 16, QLatin1Char('0'));
    }
    return a.size() == b.size() ? QString() : QStringLiteral("size");
}

// Answers the clear dialog as the user: "All", then "Yes!".
void clearEverythingInTheDialog()
{
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<clearConf_dialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->findChild<QCheckBox *>(QStringLiteral("cbAll"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
    });
}

} // namespace

class tst_whole_program : public QObject
{
    Q_OBJECT

private slots:
    void sendReadSaveClearOpen();
};

void tst_whole_program::sendReadSaveClearOpen()
{
    QTemporaryDir dir;
    const QString previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    virtual_clock clock;
    scripted_interaction ui;
    sim_usb_bus bus;
    sim_device &device = bus.addDevice(QStringLiteral("005F1234-0042"));
    device.stateFlag = 1;
    QObject translators;
    startUp({QStringLiteral("varidex625")}, &translators);

    // What the user saw along the way; checked once the program has ended.
    bool connected = false;
    bool reconnectedAfterSend = false;
    QByteArray sent;
    QByteArray controllerMemory;
    QByteArray readBack;
    configuration_snapshot beforeSave;
    configuration_snapshot reopened;
    QByteArray cleared;
    QString titleAfterOpen;
    QStringList messages;

    QTimer::singleShot(0, [&] {
        auto &w = *qobject_cast<gui_class *>(mainWindow);
        kd620_controller_class &c = *w.controller;
        w.rightPanel->connectButton->click();
        connected = c.isConnected();

        // A whole show, and an edit on the Settings/Other page.
        populateConfiguration(c);
        emit c.readFileFinished();
        w.startUpTimeEdit->setTime(QTime(0, 2, 3, 400));

        w.rightPanel->sendConfButton->click();
        reconnectedAfterSend = c.isConnected();
        sent = exchangedPart(c.confData);
        controllerMemory = exchangedPart(reinterpret_cast<const u8 *>(
            device.findEngine<sim_config_memory_engine>()->memory.constData()));

        // Scenes lost here come back with the read.
        c.ClearConfig(controller_configuration_class::ClearScenes);
        w.rightPanel->readConfButton->click();
        readBack = exchangedPart(c.confData);
        beforeSave = configuration_snapshot::of(c);

        ui.fileAnswers << dir.filePath(QStringLiteral("show"));
        w.saveAction->trigger();

        clearEverythingInTheDialog();
        w.clearAction->trigger();
        cleared = QByteArray(reinterpret_cast<const char *>(c.confData), image_layout::ImageSize);

        ui.fileAnswers << dir.filePath(QStringLiteral("show.cfg625"));
        w.openAction->trigger();
        reopened = configuration_snapshot::of(c);
        titleAfterOpen = ui.windowTitles.value(ui.windowTitles.size() - 1);
        messages = ui.messageTexts();
        w.exitAction->trigger();
    });
    const int result = runMainWindows();
    shutDown();
    QDir::setCurrent(previousDir);

    QCOMPARE(result, 0);
    QVERIFY(connected);
    QVERIFY(reconnectedAfterSend);
    QCOMPARE(readU16(reinterpret_cast<const u8 *>(sent.constData()), image_layout::StartUpTime), u16(1234));
    QVERIFY2(controllerMemory == sent, qPrintable(firstDifference(controllerMemory, sent)));
    QVERIFY2(readBack == sent, qPrintable(firstDifference(readBack, sent)));
    kd620_controller_class empty;
    QVERIFY(cleared == QByteArray(reinterpret_cast<const char *>(empty.confData), image_layout::ImageSize));
    QVERIFY2(reopened == beforeSave, qPrintable(beforeSave.firstDifference(reopened)));
    QVERIFY2(exchangedPart(reinterpret_cast<const u8 *>(reopened.image.constData())) == sent,
             qPrintable(firstDifference(exchangedPart(reinterpret_cast<const u8 *>(reopened.image.constData())),
                                        sent)));
    QVERIFY2(titleAfterOpen.contains(QStringLiteral("show.cfg625")), qPrintable(titleAfterOpen));
    QVERIFY2(!messages.isEmpty(), "the send, save and open told the user their outcome");
}

QTEST_MAIN(tst_whole_program)
#include "tst_whole_program.moc"
