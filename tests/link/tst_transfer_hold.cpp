// A transfer holds the link and the user's input from its first request to its last: the
// clock display and the monitor, which ask transferHoldsLink() first, may use the link only
// in a send's pauses between two complete block cycles; every box the transfer shows is
// shown with the user's input held.
#include "link/transfer_hold.h"
#include "link/upgrade_file.h"
#include "tests/sim/sim_firmware_fixture.h"
#include "tests/sim/sim_link_fixture.h"

#include <QtTest>

#include <memory>

namespace {

// The scripted interaction, noting at every box and every pause whether the link and the
// user's input were held.
struct hold_watcher : scripted_interaction {
    kd620_controller_class *controller = nullptr;
    QStringList boxes;   // "held" or "open", per box
    QStringList pauses;  // "held" or "open", per pause between block cycles
    // Runs inside the first pause.
    std::function<void()> inFirstPause;

    static QString state(bool held) { return held ? QStringLiteral("held") : QStringLiteral("open"); }

    int showMessage(const message_request &request) override
    {
        boxes << state(inputHeld() && controller->transferHoldsLink());
        return scripted_interaction::showMessage(request);
    }
    void processEvents() override
    {
        pauses << state(controller->transferHoldsLink() || !inputHeld());
        if (pauses.size() == 1 && inFirstPause)
            inFirstPause();
        scripted_interaction::processEvents();
    }
};

// Notes, before every operation on the bus, whether the link was held.
struct link_watch {
    link_watch(sim_usb_bus &bus, kd620_controller_class &c)
        : bus(bus)
    {
        bus.beforeOperation = [this, &c] { (c.transferHoldsLink() ? held : open) += 1; };
    }
    ~link_watch() { bus.beforeOperation = nullptr; }
    sim_usb_bus &bus;
    int held = 0;
    int open = 0;
};

QStringList times(int n, const QString &text)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << text;
    return list;
}

} // namespace

class tst_transfer_hold : public QObject
{
    Q_OBJECT

private slots:
    void sendOpensTheLinkOnlyBetweenBlockCycles();
    void readHoldsTheLinkThroughout();
    void firmwareTransfersHoldTheLink_data();
    void firmwareTransfersHoldTheLink();
};

void tst_transfer_hold::sendOpensTheLinkOnlyBetweenBlockCycles()
{
    sim_link_fixture f;
    f.bus.addDevice(QStringLiteral("005F0000-0001"));
    hold_watcher ui;
    ui.controller = f.controller.get();
    kd620_controller_class &c = *f.controller;
    QVERIFY(f.connectAndReset());
    // The right panel's answer to a good send: a restart and a new connect, still inside.
    QObject::connect(&c, &kd620_controller_class::forceReset, [&] { QCOMPARE(c.restartController(), 0); });
    // A transfer begun in a pause holds the link again until it ends.
    QStringList nested;
    ui.inFirstPause = [&] {
        {
            const transfer_hold inner(c);
            nested << hold_watcher::state(c.transferHoldsLink()) << hold_watcher::state(ui.inputHeld());
        }
        nested << hold_watcher::state(c.transferHoldsLink()) << hold_watcher::state(ui.inputHeld());
    };

    QVERIFY(!c.transferHoldsLink());
    int operations = 0;
    {
        link_watch watch(f.bus, c);
        c.send_alldata();
        QCOMPARE(watch.open, 0);
        operations = watch.held;
    }
    QVERIFY(operations > 38 * 5);
    QCOMPARE(ui.messageTexts(), QStringList{"Config and data writing\n     successful!"});
    QCOMPARE(ui.boxes, QStringList{"held"});
    QCOMPARE(ui.pauses, times(38, "open"));
    QCOMPARE(nested, QStringList({"held", "held", "open", "held"}));
    QCOMPARE(ui.inputHolds, 2);
    QCOMPARE(ui.inputReleases, 2);
    QVERIFY(!c.transferHoldsLink());
}

void tst_transfer_hold::readHoldsTheLinkThroughout()
{
    sim_link_fixture f;
    f.bus.addDevice(QStringLiteral("005F0000-0001"));
    hold_watcher ui;
    ui.controller = f.controller.get();
    kd620_controller_class &c = *f.controller;
    QVERIFY(f.connectAndReset());

    {
        link_watch watch(f.bus, c);
        c.read_alldata();
        QCOMPARE(watch.open, 0);
        QVERIFY(watch.held > 34 * 3);
    }
    QCOMPARE(ui.messageTexts(), QStringList{"Configuration reading\nsuccessful!"});
    QCOMPARE(ui.boxes, QStringList{"held"});
    QCOMPARE(ui.pauses, QStringList());
    QCOMPARE(ui.inputHolds, 1);
    QCOMPARE(ui.inputReleases, 1);
    QVERIFY(!c.transferHoldsLink());
}

void tst_transfer_hold::firmwareTransfersHoldTheLink_data()
{
    QTest::addColumn<bool>("upgrading");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("upgrade") << true << QStringList{"Upgrade successful!"};
    // A flash block that differs asks the user in the middle; the controller is then taken
    // out of its loader and connected anew, still inside.
    QTest::newRow("verification with a question")
        << false << QStringList{"Verification error: block 2\naddress 0x0", "Verification failed!"};
}

void tst_transfer_hold::firmwareTransfersHoldTheLink()
{
    QFETCH(bool, upgrading);
    QFETCH(QStringList, texts);
    sim_firmware_fixture f;
    hold_watcher ui;
    ui.controller = f.controller.get();
    kd620_controller_class &c = *f.controller;
    if (!upgrading) {
        for (int i = 0; i < upgrade_file::BlockCount; ++i)
            f.installBlock(i);
        const int at = int(upgrade_file::flashAddress(2));
        f.loader.flash[at] = char(f.loader.flash[at] ^ 0x40);
    }
    const QString path = f.write(f.wholeFile());

    {
        link_watch watch(f.bus, c);
        if (upgrading)
            c.upgradeFirmware(path);
        else
            c.verifyFirmware(path);
        QCOMPARE(watch.open, 0);
        QVERIFY(watch.held > 0);
    }
    QCOMPARE(ui.messageTexts(), texts);
    QCOMPARE(ui.boxes, times(int(texts.size()), "held"));
    QCOMPARE(ui.inputHolds, 1);
    QCOMPARE(ui.inputReleases, 1);
    QVERIFY(!c.transferHoldsLink());
    QVERIFY2(f.bus.problems().isEmpty(), qPrintable(f.bus.problems().join('\n')));
}

QTEST_MAIN(tst_transfer_hold)
#include "tst_transfer_hold.moc"
