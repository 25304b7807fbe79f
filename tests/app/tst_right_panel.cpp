#include "model/application_identity.h"
#include "app/right_panel_widget.h"
#include "app/widget_user_interaction.h"
#include "link/usb_protocol.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/sim/sim_link_fixture.h"
#include "tests/support/folder_contents.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString serialA = QStringLiteral("005F0000-0001");

// The scripted interaction, also recording where each file chooser starts, what it offers
// and whose window it belongs to.
struct recording_interaction : scripted_interaction {
    struct file_call {
        QString caption;
        QString dir;
        QString filter;
        dialog_parent parent;
    };
    QList<file_call> fileCalls;

    QString chooseOpenFile(const QString &caption, const QString &dir, const QString &filter,
                           dialog_parent parent, QString *selectedFilter) override
    {
        fileCalls << file_call{caption, dir, filter, parent};
        return scripted_interaction::chooseOpenFile(caption, dir, filter, parent, selectedFilter);
    }
    QString chooseSaveFile(const QString &caption, const QString &dir, const QString &filter,
                           dialog_parent parent, QString *selectedFilter) override
    {
        fileCalls << file_call{caption, dir, filter, parent};
        return scripted_interaction::chooseSaveFile(caption, dir, filter, parent, selectedFilter);
    }
    QString chooseSaveFileUnconfirmed(const QString &caption, const QString &dir, const QString &filter,
                                      dialog_parent parent, QString *selectedFilter) override
    {
        fileCalls << file_call{caption, dir, filter, parent};
        return scripted_interaction::chooseSaveFileUnconfirmed(caption, dir, filter, parent, selectedFilter);
    }
};

// The mode buttons at a glance: "N+ L- F- f+" is Normal checked, Live and Freeze
// unchecked, Freeze enabled.
QString buttonStates(const right_panel_widget &p)
{
    auto mark = [](bool on) { return on ? QStringLiteral("+") : QStringLiteral("-"); };
    return QStringLiteral("N%1 L%2 F%3 f%4")
        .arg(mark(p.normalModeButton->isChecked()), mark(p.liveModeButton->isChecked()),
             mark(p.freezeModeButton->isChecked()), mark(p.freezeModeButton->isEnabled()));
}

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

QColor backgroundColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

// Counts the panel's debug line for a failed reconnect while it lives; other output passes on.
class retry_line_counter
{
public:
    retry_line_counter() { previous = qInstallMessageHandler(&retry_line_counter::handle); count = 0; }
    ~retry_line_counter() { qInstallMessageHandler(previous); }
    static inline int count = 0;

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtDebugMsg && message == QLatin1String("Ponowienie ..."))
            ++count;
        else
            previous(type, context, message);
    }
    static inline QtMessageHandler previous = nullptr;
};

using bus_shaper = std::function<void(sim_link_fixture &)>;
// What the user does on the panel.
using panel_action = std::function<void(right_panel_widget &)>;

} // namespace

Q_DECLARE_METATYPE(bus_shaper)
Q_DECLARE_METATYPE(panel_action)

class tst_right_panel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsDisconnected();
    void textsFit();
    void connectButton_data();
    void connectButton();
    void connectToAControllerNotTheUsers();
    void stateFlagFailsInsideTheAnnouncement();
    void modeButtons_data();
    void modeButtons();
    void disconnectWhileFrozen();
    void connectionLostWhileFrozen();
    void restart_data();
    void restart();
    void faultWalk_data();
    void faultWalk();
    void sendOrReadWhileDisconnected();
    void sendRestartsAndReadsBack_data();
    void sendRestartsAndReadsBack();
    void saveName_data();
    void saveName();
    void saveAndOpenAgain();
    void replacesOnlyAfterYes_data();
    void replacesOnlyAfterYes();
    void fileDialogs();
    void onlyAGoodFileMovesTheDialogs_data();
    void onlyAGoodFileMovesTheDialogs();

private:
    // Builds the panel over the fixture's controller, with what the main window adds: after
    // every connection change it checks Normal when the controller is in normal mode.
    void buildPanel();
    // A new fixture and interaction, with no panel yet (for walks that start many times).
    void startOver();
    // Connects through the panel's button, then forgets what that took.
    void connectWithPanel();
    // Forgets the bus log, the boxes, the recorded requests and the waits so far.
    void forget();
    // The merged record of what the panel asked of the controller: its working-mode and
    // live-scene signals and the freeze, unfreeze, mode and restart requests on the bus.
    QStringList takeEvents();
    void recordBusRequests();
    QStringList texts() const { return ui->messageTexts(); }

    std::unique_ptr<sim_link_fixture> f;
    std::unique_ptr<recording_interaction> ui;
    std::unique_ptr<right_panel_widget> panel;
    QStringList events;
    int busSeen = 0;
};

void tst_right_panel::init()
{
    f = std::make_unique<sim_link_fixture>();
    ui = std::make_unique<recording_interaction>();
    events.clear();
    busSeen = 0;
}

void tst_right_panel::cleanup()
{
    panel.reset();
    QCOMPARE(rightPanelWidget, nullptr);
    ui.reset();
    const QStringList problems = sim_link_fixture::tearDown(f);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_right_panel::startOver()
{
    cleanup();
    init();
}

void tst_right_panel::buildPanel()
{
    panel = std::make_unique<right_panel_widget>(f->controller.get(), nullptr);
    right_panel_widget *p = panel.get();
    connect(f->controller.get(), &kd620_controller_class::setConnectionStatus, p, [p] {
        if (currentController->workingMode() == MODE_NORMAL)
            p->normalModeButton->setChecked(true);
    });
    connect(p, &right_panel_widget::setWorkingMode, p, [this](int mode) {
        recordBusRequests();
        events << QStringLiteral("mode %1").arg(mode);
    });
    connect(p, &right_panel_widget::turnOnSceneLive, p, [this] {
        recordBusRequests();
        events << QStringLiteral("live scene");
    });
}

void tst_right_panel::connectWithPanel()
{
    panel->connectButton->click();
    QVERIFY(f->controller->isConnected());
    forget();
}

void tst_right_panel::forget()
{
    f->reset();
    ui->clear();
    events.clear();
    busSeen = 0;
}

void tst_right_panel::recordBusRequests()
{
    for (; busSeen < f->bus.log.size(); ++busSeen) {
        const QString request = f->bus.log[busSeen].what.section(QLatin1Char(' '), 0, 0);
        if (QStringList{"FREEZE", "UNFREEZE", "SET_MODE", "RESTART"}.contains(request))
            events << request;
    }
}

QStringList tst_right_panel::takeEvents()
{
    recordBusRequests();
    return std::exchange(events, {});
}

void tst_right_panel::startsDisconnected()
{
    f->bus.addDevice(serialA);
    buildPanel();
    QCOMPARE(rightPanelWidget, panel.get());
    QCOMPARE(panel->geometry(), QRect(860, 23, 161, 678));
    QCOMPARE(panel->frameShape(), QFrame::StyledPanel);
    QCOMPARE(panel->frameShadow(), QFrame::Raised);

    const QList<std::pair<QPushButton *, QString>> buttons{
        {panel->sendConfButton, "Send config to KD625"}, {panel->readConfButton, "Read config from KD625"},
        {panel->saveConfToFileButton, "Save config to file"}, {panel->readConfFromFileButton, "Read config from file"},
        {panel->clearConfButton, "Clear config"},          {panel->connectButton, "Connect with KD625"},
        {panel->disconnectButton, "Disconnect KD625"},     {panel->liveModeButton, "Live"},
        {panel->normalModeButton, "Normal"},               {panel->freezeModeButton, "Freeze"},
        {panel->resetButton, "Restart KD625"}};
    for (const auto &[button, text] : buttons) {
        QCOMPARE(button->text(), text);
        QCOMPARE(button->parentWidget(), panel.get());
        QCOMPARE(button->isCheckable(), text == "Live" || text == "Normal" || text == "Freeze");
    }
    QCOMPARE(panel->configurationLabel->text(), QStringLiteral("Configuration"));
    QCOMPARE(panel->controllerLabel->text(), QStringLiteral("KD625 Controller"));
    QCOMPARE(panel->clockLabel->text(), QStringLiteral("------,  --.--.----  --:--:--"));
    QCOMPARE(panel->statusCaptionLabel->text(), QStringLiteral("Status: "));
    QCOMPARE(panel->statusLabel->text(), QStringLiteral("Disconnected"));
    QCOMPARE(panel->workingModeLabel->text(), QStringLiteral("KD625 working mode:"));
    QCOMPARE(panel->serialLabel->text(), QStringLiteral("S/N ----"));
    QCOMPARE(panel->firmwareLabel->text(), QStringLiteral("F/W ver. ----"));
    QCOMPARE(panel->serialLabel->parentWidget(), panel->deviceInfoBox);
    QCOMPARE(panel->firmwareLabel->parentWidget(), panel->deviceInfoBox);
    QCOMPARE(panel->serialLabel->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    QCOMPARE(textColour(panel->statusLabel), QColor(220, 0, 0));
    QVERIFY(panel->statusLabel->font().bold());
    QCOMPARE(panel->statusLabel->font().pointSize(), 10);
    QCOMPARE(panel->deviceInfoBox->palette().color(QPalette::Base), QColor(110, 200, 15));
    QVERIFY(panel->deviceInfoBox->autoFillBackground());
    QCOMPARE(buttonStates(*panel), QStringLiteral("N- L- F- f-"));
    // The panel asks the controller nothing until a connection changes.
    QVERIFY(f->bus.log.isEmpty());
}

// Whatever fonts this system puts in place of the forms' own, no text is cut off.
void tst_right_panel::textsFit()
{
    buildPanel();
    for (QPushButton *b : panel->findChildren<QPushButton *>())
        QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->text()));
    const int inside = panel->contentsRect().right() + 1;
    for (QLabel *l : {panel->configurationLabel, panel->controllerLabel, panel->workingModeLabel, panel->clockLabel})
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= qMin(l->width(), inside - l->x()),
                 qPrintable(l->text()));
    QVERIFY(panel->statusCaptionLabel->fontMetrics().horizontalAdvance(panel->statusCaptionLabel->text())
            <= panel->statusLabel->x() - panel->statusCaptionLabel->x());
    for (const QString &text : {QStringLiteral("Connected"), QStringLiteral("Disconnected")})
        QVERIFY(panel->statusLabel->fontMetrics().horizontalAdvance(text) <= inside - panel->statusLabel->x());
    QVERIFY(panel->clockLabel->fontMetrics().horizontalAdvance(QStringLiteral("Wed, 28.08.2028  20:08:08"))
            <= inside - panel->clockLabel->x());
}

void tst_right_panel::connectButton_data()
{
    QTest::addColumn<bus_shaper>("shape");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QColor>("deviceBox");  // invalid: the panel's own background
    QTest::addColumn<QString>("buttons");

    QTest::newRow("state flag clear") << bus_shaper([](sim_link_fixture &f) { f.bus.addDevice(serialA); }) << true
                                      << QColor(230, 180, 115) << "N+ L- F- f+";
    QTest::newRow("state flag set")
        << bus_shaper([](sim_link_fixture &f) { f.bus.addDevice(serialA).stateFlag = 1; }) << true
        << QColor(160, 200, 90) << "N+ L- F- f+";
    // The loader counts as a set flag, and the window checks no mode.
    QTest::newRow("loader")
        << bus_shaper([](sim_link_fixture &f) { f.bus.addDevice(serialA).inLoader = true; }) << true
        << QColor(160, 200, 90) << "N- L- F- f-";
    QTest::newRow("nothing attached") << bus_shaper([](sim_link_fixture &) {}) << false << QColor() << "N- L- F- f-";
    QTest::newRow("controller refuses normal mode")
        << bus_shaper([](sim_link_fixture &f) {
               f.bus.addDevice(serialA).injectOnRequest(REQ_SET_MODE, 1, sim_fault::fail());
           })
        << false << QColor() << "N- L- F- f-";
}

void tst_right_panel::connectButton()
{
    QFETCH(bus_shaper, shape);
    QFETCH(bool, connected);
    QFETCH(QColor, deviceBox);
    QFETCH(QString, buttons);
    shape(*f);
    buildPanel();

    panel->connectButton->click();
    QCOMPARE(f->controller->isConnected(), connected);
    QCOMPARE(panel->statusLabel->text(), connected ? QStringLiteral("Connected") : QStringLiteral("Disconnected"));
    QCOMPARE(textColour(panel->statusLabel), connected ? QColor(0, 155, 0) : QColor(180, 0, 0));
    QCOMPARE(backgroundColour(panel->deviceInfoBox),
             deviceBox.isValid() ? deviceBox : backgroundColour(panel.get()));
    QCOMPARE(buttonStates(*panel), buttons);
    QCOMPARE(texts(), connected ? QStringList{} : QStringList{"Not connected!"});
    for (const message_request &m : ui->messages) {
        QCOMPARE(m.icon, message_icon::Critical);
        QCOMPARE(m.title, application_identity::name());
        QCOMPARE(m.buttons, unsigned(message_button::Ok));
        QCOMPARE(m.defaultButton, unsigned(message_button::NoButton));
        QCOMPARE(m.parent, dialog_parent::RightPanel);
    }

    // Disconnecting gives the box back the panel's own colours.
    panel->disconnectButton->click();
    QCOMPARE(panel->statusLabel->text(), QStringLiteral("Disconnected"));
    QCOMPARE(textColour(panel->statusLabel), QColor(180, 0, 0));
    QCOMPARE(backgroundColour(panel->deviceInfoBox), backgroundColour(panel.get()));
    QCOMPARE(panel->deviceInfoBox->palette().color(QPalette::Base), panel->palette().color(QPalette::Base));
    QCOMPARE(buttonStates(*panel).left(8), QStringLiteral("N- L- F-"));
}

// A controller the user may not open: first the cause, then the panel's own word.
void tst_right_panel::connectToAControllerNotTheUsers()
{
    sim_device &d = f->bus.addDevice(serialA);
    d.openFails = true;
    d.openError = usb_error::Access;
    buildPanel();

    panel->connectButton->click();
    QVERIFY(!f->controller->isConnected());
    QCOMPARE(ui->messageTitles(), QStringList({"USB Interface", "Varidex625"}));
    QVERIFY(ui->messageTexts().first().contains(QLatin1String("no permission")));
    QCOMPARE(ui->messageTexts().last(), QStringLiteral("Not connected!"));
}

// The state flag is read inside the controller's "connected" announcement; ten failed
// reads drop the connection in the middle of it. The panel ends up showing the drop.
void tst_right_panel::stateFlagFailsInsideTheAnnouncement()
{
    sim_device &d = f->bus.addDevice(serialA);
    for (int attempt = 1; attempt <= 10; ++attempt)
        d.injectOnRequest(REQ_STATE_FLAG, attempt, sim_fault::fail());
    buildPanel();

    panel->connectButton->click();
    QVERIFY(!f->controller->isConnected());
    QCOMPARE(panel->statusLabel->text(), QStringLiteral("Disconnected"));
    QCOMPARE(textColour(panel->statusLabel), QColor(180, 0, 0));
    QCOMPARE(backgroundColour(panel->deviceInfoBox), backgroundColour(panel.get()));
    QCOMPARE(buttonStates(*panel), QStringLiteral("N- L- F- f-"));
    QCOMPARE(texts(), QStringList{"Not connected!"});
}

void tst_right_panel::modeButtons_data()
{
    QTest::addColumn<bool>("connect");
    // Buttons pressed in turn ("Normal", "Live", "Freeze"); after each: the mode buttons and
    // what the panel asked of the controller, in order.
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QList<QStringList>>("asked");

    using L = QList<QStringList>;
    QTest::newRow("disconnected: a press is undone, nothing asked")
        << false << QStringList{"Normal", "Live", "Normal"} << QStringList{"N- L- F- f-", "N- L- F- f-", "N- L- F- f-"}
        << L{{}, {}, {}};
    QTest::newRow("checked Normal pressed again asks for normal mode again")
        << true << QStringList{"Normal", "Normal"} << QStringList{"N+ L- F- f+", "N+ L- F- f+"}
        << L{{"mode 1"}, {"mode 1"}};
    QTest::newRow("Live, Live again, back to Normal")
        << true << QStringList{"Live", "Live", "Normal"} << QStringList{"N- L+ F- f-", "N- L+ F- f-", "N+ L- F- f+"}
        << L{{"mode 2", "live scene"}, {"mode 2", "live scene"}, {"mode 1"}};
    QTest::newRow("freeze and unfreeze")
        << true << QStringList{"Freeze", "Freeze"} << QStringList{"N+ L- F+ f+", "N+ L- F- f+"}
        << L{{"FREEZE"}, {"UNFREEZE"}};
    QTest::newRow("frozen, Live unfreezes before the mode changes")
        << true << QStringList{"Freeze", "Live", "Normal"} << QStringList{"N+ L- F+ f+", "N- L+ F- f-", "N+ L- F- f+"}
        << L{{"FREEZE"}, {"UNFREEZE", "mode 2", "live scene"}, {"mode 1"}};
    QTest::newRow("frozen, Normal again stays frozen")
        << true << QStringList{"Freeze", "Normal"} << QStringList{"N+ L- F+ f+", "N+ L- F+ f+"}
        << L{{"FREEZE"}, {"mode 1"}};
}

void tst_right_panel::modeButtons()
{
    QFETCH(bool, connect);
    QFETCH(QStringList, presses);
    QFETCH(QStringList, buttons);
    QFETCH(QList<QStringList>, asked);
    f->bus.addDevice(serialA);
    buildPanel();
    if (connect) {
        connectWithPanel();
        QCOMPARE(buttonStates(*panel), QStringLiteral("N+ L- F- f+"));
    }

    for (int i = 0; i < presses.size(); ++i) {
        QPushButton *button = presses[i] == "Normal" ? panel->normalModeButton
                              : presses[i] == "Live" ? panel->liveModeButton
                                                     : panel->freezeModeButton;
        button->click();
        QCOMPARE(buttonStates(*panel), buttons[i]);
        QCOMPARE(takeEvents(), asked[i]);
    }
    QCOMPARE(f->controller->isConnected(), connect);
    QCOMPARE(f->controller->uiMode, presses.isEmpty() || !connect ? 0 : (buttons.last().startsWith("N+") ? 1 : 2));
    QVERIFY(ui->messages.isEmpty());
}

void tst_right_panel::disconnectWhileFrozen()
{
    f->bus.addDevice(serialA);
    buildPanel();
    connectWithPanel();
    panel->freezeModeButton->click();
    QVERIFY(f->bus.device(1).status & STATUS_FROZEN);
    f->reset();

    panel->disconnectButton->click();
    // Unfrozen over the still open connection, then disconnected.
    QCOMPARE(f->bus.logTexts(), QStringList({"#1 STATUS v=0 i=0 in 8", "#1 UNFREEZE v=0 i=0", "#1 STATUS v=0 i=0 in 8"})
                                    + sim_link_fixture::disconnect(1));
    QVERIFY(!(f->bus.device(1).status & STATUS_FROZEN));
    QCOMPARE(buttonStates(*panel), QStringLiteral("N- L- F- f+"));
    QCOMPARE(panel->statusLabel->text(), QStringLiteral("Disconnected"));
    QVERIFY(ui->messages.isEmpty());
}

void tst_right_panel::connectionLostWhileFrozen()
{
    sim_device &d = f->bus.addDevice(serialA);
    buildPanel();
    connectWithPanel();
    panel->freezeModeButton->click();
    ui->clear();

    // The controller goes away; the next transfer (here the state flag) drops the connection.
    d.vanish();
    f->controller->readStateFlag();
    QVERIFY(!f->controller->isConnected());
    QCOMPARE(texts(), QStringList{"Controller still frozen!"});
    QCOMPARE(panel->statusLabel->text(), QStringLiteral("Disconnected"));
    // Freeze stays enabled after a lost connection.
    QCOMPARE(buttonStates(*panel), QStringLiteral("N- L- F- f+"));

    // Pressed on the closed connection, the freeze fails; its drop announces the
    // disconnection once more, which unchecks the button with a failed unfreeze.
    ui->clear();
    panel->freezeModeButton->click();
    QCOMPARE(texts(), QStringList({"Controller still frozen!", "Controller not frozen!"}));
    QCOMPARE(buttonStates(*panel), QStringLiteral("N- L- F- f+"));
    QVERIFY(!f->controller->isConnected());
}

void tst_right_panel::restart_data()
{
    QTest::addColumn<bus_shaper>("shape");  // after connecting
    QTest::addColumn<bool>("connectFirst");
    QTest::addColumn<bool>("frozen");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("retries");  // failed reconnects, one debug line each
    QTest::addColumn<int>("waits");  // -1: not counted
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<bool>("forced");  // by the controller's forceReset() instead of the button

    const bus_shaper asIs = [](sim_link_fixture &) {};
    // Waits: the controller's restart waits once after its disconnect, then once per pass
    // (up to 90), and its connect to a controller out of the loader once more (the
    // normal-mode check). The panel waits once after its own disconnect, once per failed
    // reconnect, and its connect adds the normal-mode check's wait.
    const int modeCheck = 1;
    QTest::newRow("not connected") << asIs << false << false << QStringList{"Not connected!"} << 0 << 0 << false
                                   << "N- L- F- f-" << false;
    // Away 1000 ms, loader 2000 ms: the loader bit clears in the restart's pass 29.
    QTest::newRow("restarted and connected again")
        << asIs << true << false << QStringList{} << 0 << (1 + 29 + modeCheck) + 1 + modeCheck << true << "N+ L- F- f+"
        << false;
    QTest::newRow("frozen: unfrozen first")
        << asIs << true << true << QStringList{} << 0 << (1 + 29 + modeCheck) + 1 + modeCheck << true << "N+ L- F- f+"
        << false;
    // What a successful send asks for: the same restart without a click.
    QTest::newRow("forceReset()")
        << asIs << true << false << QStringList{} << 0 << (1 + 29 + modeCheck) + 1 + modeCheck << true << "N+ L- F- f+"
        << true;
    // The loader bit never clears: the restart gives up, the panel connects to the loader.
    QTest::newRow("restart fails, yet the reconnect finds the loader")
        << bus_shaper([](sim_link_fixture &f) { f.bus.device(1).restartLoaderMs = -1; }) << true << false
        << QStringList{"Restart failed!"} << 0 << (1 + 90) + 1 << true << "N- L- F- f+" << false;
    QTest::newRow("never back: 20 failed reconnects")
        << bus_shaper([](sim_link_fixture &f) { f.bus.device(1).restartVanishMs = 1000000; }) << true << false
        << QStringList{"Restart failed!"} << 20 << (1 + 90) + 1 + 20 << false << "N- L- F- f+" << false;
    QTest::newRow("restarted, gone before the panel reconnects: 20 failed reconnects, no message")
        << bus_shaper([](sim_link_fixture &f) {
               // Gone the moment the restart has connected again.
               sim_device &d = f.bus.device(1);
               d.restartLoaderMs = 0;
               QObject::connect(f.controller.get(), &kd620_controller_class::setConnectionStatus,
                                f.controller.get(), [&d, &f](bool up) {
                                    if (up && f.bus.logTexts().contains("#1 RESTART v=0 i=0"))
                                        d.vanish();
                                });
           })
        << true << false << QStringList{} << 20 << -1 << false << "N- L- F- f+" << false;
}

void tst_right_panel::restart()
{
    QFETCH(bus_shaper, shape);
    QFETCH(bool, connectFirst);
    QFETCH(bool, frozen);
    QFETCH(int, retries);
    f->bus.addDevice(serialA);
    buildPanel();
    if (connectFirst)
        connectWithPanel();
    shape(*f);
    if (frozen)
        panel->freezeModeButton->click();
    forget();

    retry_line_counter retryLines;
    QFETCH(bool, forced);
    if (forced)
        emit f->controller->forceReset();
    else
        panel->resetButton->click();

    QTEST(texts(), "messages");
    QCOMPARE(retryLines.count, retries);
    QFETCH(int, waits);
    if (waits >= 0)
        QCOMPARE(f->clock.waits, waits);
    QTEST(f->controller->isConnected(), "connected");
    QTEST(buttonStates(*panel), "buttons");
    QFETCH(bool, connected);
    QCOMPARE(panel->statusLabel->text(), connected ? QStringLiteral("Connected") : QStringLiteral("Disconnected"));
    const QStringList asked = takeEvents();
    if (connectFirst) {
        const QStringList begin = frozen ? QStringList{"UNFREEZE", "RESTART"} : QStringList{"RESTART"};
        QCOMPARE(asked.mid(0, begin.size()), begin);
        QVERIFY(!(f->bus.device(1).status & STATUS_FROZEN));
    } else {
        QVERIFY(f->bus.log.isEmpty());
    }
}

void tst_right_panel::faultWalk_data()
{
    QTest::addColumn<int>("before");  // 0 disconnected, 1 connected, 2 connected and frozen
    QTest::addColumn<panel_action>("action");
    QTest::addColumn<QStringList>("allowed");  // the boxes the action may show

    const auto press = [](QPushButton *right_panel_widget::*button) {
        return panel_action([button](right_panel_widget &p) { (p.*button)->click(); });
    };
    QTest::newRow("connect") << 0 << press(&right_panel_widget::connectButton) << QStringList{"Not connected!"};
    QTest::newRow("restart while frozen") << 2 << press(&right_panel_widget::resetButton)
                                          << QStringList{"Controller still frozen!", "Restart failed!"};
    QTest::newRow("disconnect while frozen")
        << 2 << press(&right_panel_widget::disconnectButton) << QStringList{"Controller still frozen!"};
    QTest::newRow("Live, then Normal and Freeze, Freeze again")
        << 1 << panel_action([](right_panel_widget &p) {
               for (QPushButton *b : {p.liveModeButton, p.normalModeButton, p.freezeModeButton, p.freezeModeButton})
                   b->click();
           })
        << QStringList{"Controller not frozen!", "Controller still frozen!"};
    const QStringList sent{"Config and data writing\n     successful!", "Config and data writing\n     failed!"};
    QTest::newRow("send") << 1 << press(&right_panel_widget::sendConfButton) << sent + QStringList{"Restart failed!"};
    QTest::newRow("read") << 1 << press(&right_panel_widget::readConfButton)
                          << QStringList{"Configuration reading\nsuccessful!", "Configuration reading\n failed!"};
}

// Every USB operation of an action fails in turn, once by an error and once by a controller
// that leaves the bus for good. Whatever fails, the action ends, the panel shows the state
// the link is in, and only the boxes of that action appear.
void tst_right_panel::faultWalk()
{
    QFETCH(int, before);
    QFETCH(panel_action, action);
    QFETCH(QStringList, allowed);

    auto prepare = [&] {
        f->bus.addDevice(serialA);
        buildPanel();
        if (before >= 1)
            panel->connectButton->click();
        if (before == 2)
            panel->freezeModeButton->click();
        forget();
    };
    retry_line_counter retryLines;
    prepare();
    action(*panel);
    const int operations = int(f->bus.log.size());
    QVERIFY(operations > 0);

    for (const sim_fault &fault : {sim_fault::fail(), sim_fault::vanish()}) {
        for (int operation = 0; operation < operations; ++operation) {
            startOver();
            prepare();
            f->bus.injectAt(operation, fault);
            action(*panel);

            const QString where = QStringLiteral("fault %1 at operation %2").arg(fault.kind).arg(operation);
            const bool connected = f->controller->isConnected();
            QVERIFY2(panel->statusLabel->text() == (connected ? "Connected" : "Disconnected"), qPrintable(where));
            // Never left in configuration mode.
            QVERIFY2(!connected || f->controller->workingMode() != MODE_CONFIGURATION, qPrintable(where));
            if (!connected) {
                QVERIFY2(backgroundColour(panel->deviceInfoBox) == backgroundColour(panel.get()), qPrintable(where));
                QVERIFY2(!panel->normalModeButton->isChecked(), qPrintable(where));
                QVERIFY2(!panel->liveModeButton->isChecked(), qPrintable(where));
            }
            for (const QString &text : texts())
                QVERIFY2(allowed.contains(text), qPrintable(where + ": " + text));
            QVERIFY2(f->clock.waits < 200, qPrintable(where));
            QVERIFY2(f->bus.problems().isEmpty(), qPrintable(where + ": " + f->bus.problems().join(", ")));
        }
    }
}

void tst_right_panel::sendOrReadWhileDisconnected()
{
    buildPanel();
    kd620_controller_class &c = *f->controller;
    c.eventActions.appendAction(0x1330);
    const QByteArray before(reinterpret_cast<const char *>(c.confData), image_layout::ImageSize);

    panel->sendConfButton->click();
    QCOMPARE(texts(), QStringList{"Configuration not sent!"});
    // The edited actions went into the image all the same.
    QByteArray expected = before;
    auto *scratch = reinterpret_cast<u8 *>(expected.data());
    c.programList.commitToImage(scratch, c.extraEntries);
    c.eventActions.encodeToImage(scratch);
    QVERIFY(expected != before);
    QVERIFY(std::equal(expected.cbegin(), expected.cend(), reinterpret_cast<const char *>(c.confData)));

    ui->clear();
    panel->readConfButton->click();
    QCOMPARE(texts(), QStringList{"Configuration not read!"});
    QVERIFY(f->bus.log.isEmpty());
}

void tst_right_panel::sendRestartsAndReadsBack_data()
{
    QTest::addColumn<bool>("frozen");
    QTest::newRow("normal mode") << false;
    QTest::newRow("frozen: the restart unfreezes first") << true;
}

// "Send config to KD625": the whole image goes over, the controller restarts and the panel
// connects again, all inside the send, and normal mode is back. "Read config from KD625"
// brings the sent configuration back.
void tst_right_panel::sendRestartsAndReadsBack()
{
    QFETCH(bool, frozen);
    f->bus.addDevice(serialA);
    auto *memory = f->bus.device(1).findEngine<sim_config_memory_engine>();
    QVERIFY(memory);
    buildPanel();
    connectWithPanel();
    if (frozen)
        panel->freezeModeButton->click();
    kd620_controller_class &c = *f->controller;
    const u32 level = image_layout::sceneLevel(12, 4);
    c.confData[level] = 0x5A;
    forget();

    panel->sendConfButton->click();
    QCOMPARE(texts(), QStringList{"Config and data writing\n     successful!"});
    QCOMPARE(memory->framesStored, 38);
    QCOMPARE(u8(memory->memory[int(level)]), u8(0x5A));
    const QStringList log = f->bus.logTexts();
    const int restart = int(log.indexOf("#1 RESTART v=0 i=0"));
    QVERIFY(restart > int(log.lastIndexOf(QRegularExpression("WRITE_BLOCK"))));
    QCOMPARE(log.indexOf("#1 UNFREEZE v=0 i=0") < restart, frozen);
    // The restart's disconnect and its connect (the first try finds nothing), then the
    // panel's own disconnect and reconnect.
    QCOMPARE(f->statusSignals, QList<bool>({false, false, true, false, true}));
    // Then the send puts the controller back into normal mode.
    QCOMPARE(log.mid(log.size() - 2), QStringList({"#1 SET_MODE v=1 i=0", "#1 STATUS v=0 i=0 in 8"}));
    QVERIFY(c.isConnected());
    QCOMPARE(c.workingMode(), int(MODE_NORMAL));
    QCOMPARE(buttonStates(*panel), QStringLiteral("N+ L- F- f+"));
    QVERIFY(!(f->bus.device(1).status & STATUS_FROZEN));

    forget();
    c.confData[level] = 0;
    QSignalSpy read(&c, &kd620_controller_class::readKd620Finished);
    panel->readConfButton->click();
    QCOMPARE(texts(), QStringList{"Configuration reading\nsuccessful!"});
    QCOMPARE(read.size(), 1);
    QCOMPARE(c.confData[level], u8(0x5A));
    QVERIFY(c.isConnected());
    QCOMPARE(c.workingMode(), int(MODE_NORMAL));
    QCOMPARE(buttonStates(*panel), QStringLiteral("N+ L- F- f+"));
}

void tst_right_panel::saveName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("oldFormat");

    QTest::newRow("old format") << "a.cfg" << "a.cfg" << true;
    QTest::newRow(".cfg620 becomes .cfg625") << "a.cfg620" << "a.cfg625" << false;
    QTest::newRow(".cfg625 stays") << "a.cfg625" << "a.cfg625" << false;
    QTest::newRow(".kdg stays") << "a.kdg" << "a.kdg" << false;
    QTest::newRow("no extension") << "a" << "a.cfg625" << false;
    QTest::newRow("another extension") << "a.txt" << "a.txt.cfg625" << false;
    QTest::newRow("upper case is another extension") << "a.CFG" << "a.CFG.cfg625" << false;
    QTest::newRow(".cfg62 is another extension") << "a.cfg62" << "a.cfg62.cfg625" << false;
    QTest::newRow("a folder called .cfg") << "x.cfg/a" << "x.cfg/a.cfg625" << false;
}

void tst_right_panel::saveName()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(bool, oldFormat);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("x.cfg"));
    buildPanel();
    QSignalSpy saved(panel.get(), &right_panel_widget::saveConfToFileClicked);

    const QString folder = dir.path() + QLatin1Char('/');
    ui->fileAnswers.enqueue(folder + chosen);
    ui->answers.enqueue(message_button::Yes);  // the old format is asked for first
    panel->saveConfToFileButton->click();

    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved[0][0].toString(), folder + written);
    QCOMPARE(saved[0][1].toBool(), oldFormat);
    QCOMPARE(f->controller->currentFile, folder + written);
    // The controller wrote the file in that format under that name, and nothing else.
    QFile file(folder + written);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(10), QByteArray(oldFormat ? "Kd620v2CFG" : "Kd620v3CFG"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size() + QDir(folder + "x.cfg").entryList(QDir::Files).size(), 1);
}

void tst_right_panel::replacesOnlyAfterYes_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("existing");  // files in the folder before the save
    QTest::addColumn<int>("answer");            // to the question about replacing; 0: none
    QTest::addColumn<QString>("askedAbout");    // "": no question
    QTest::addColumn<QString>("written");       // "": nothing written

    const int yes = int(message_button::Yes);
    const int no = int(message_button::No);
    const QStringList both{"show.cfg620", "show.cfg625"};
    QTest::newRow("extension added, Yes") << "show" << QStringList{"show.cfg625"} << yes << "show.cfg625"
                                          << "show.cfg625";
    QTest::newRow("extension added, No") << "show" << QStringList{"show.cfg625"} << no << "show.cfg625" << "";
    QTest::newRow(".cfg620 written as .cfg625, Yes") << "show.cfg620" << both << yes << "show.cfg625"
                                                     << "show.cfg625";
    QTest::newRow(".cfg620 written as .cfg625, No") << "show.cfg620" << both << no << "show.cfg625" << "";
    QTest::newRow(".cfg620 kept, nothing to ask") << "show.cfg620" << QStringList{"show.cfg620"} << 0 << ""
                                                  << "show.cfg625";
    QTest::newRow("name kept, No") << "show.cfg625" << QStringList{"show.cfg625"} << no << "show.cfg625" << "";
    QTest::newRow("old format, Yes") << "old.cfg" << QStringList{"old.cfg"} << yes << "old.cfg" << "old.cfg";
    QTest::newRow("old format, No") << "old.cfg" << QStringList{"old.cfg"} << no << "old.cfg" << "";
    QTest::newRow("a new file") << "fresh" << QStringList{"show.cfg625"} << 0 << "" << "fresh.cfg625";
}

// The dialog does not ask about the name chosen; the panel asks about the name it writes,
// when a file of that name exists, and only a Yes replaces it.
void tst_right_panel::replacesOnlyAfterYes()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, existing);
    QFETCH(int, answer);
    QFETCH(QString, askedAbout);
    QFETCH(QString, written);
    QTemporaryDir dir;
    makeFiles(dir.path(), existing);
    const folder_contents before = readFolder(dir.path());
    buildPanel();
    const QString caption = QStringLiteral("Choose a project description file for Kd625 controller");

    ui->fileAnswers.enqueue(dir.filePath(chosen));
    if (answer != 0)
        ui->answers.enqueue(answer);
    ui->answers.enqueue(message_button::Yes);  // to the old-format question, when it comes
    panel->saveConfToFileButton->click();

    QStringList questions;
    for (const message_request &m : ui->messages) {
        if (m.title == caption) {
            questions << m.text;
            QCOMPARE(m.icon, message_icon::Warning);
            QCOMPARE(m.buttons, unsigned(message_button::Yes | message_button::No));
            QCOMPARE(m.defaultButton, unsigned(message_button::No));
            QCOMPARE(m.parent, dialog_parent::None);
        }
    }
    QCOMPARE(questions, askedAbout.isEmpty() ? QStringList()
                                             : QStringList{replaceQuestion(askedAbout)});
    QCOMPARE(ui->saveDialogsConfirm, QList<bool>{false});
    const folder_contents after = readFolder(dir.path());
    QCOMPARE(changedFiles(before, after), written.isEmpty() ? QStringList() : QStringList{written});
    if (!written.isEmpty())
        QVERIFY(after[written].startsWith(written.endsWith(".cfg") ? "Kd620v2CFG" : "Kd620v3CFG"));
}

// What the panel saves it opens again: the controller reads the file and announces it.
void tst_right_panel::saveAndOpenAgain()
{
    QTemporaryDir dir;
    buildPanel();
    kd620_controller_class &c = *f->controller;
    c.sceneDescs[7] = QStringLiteral("sunrise over the stage");
    c.confData[image_layout::sceneLevel(7, 3)] = 0x42;
    ui->fileAnswers.enqueue(dir.filePath("show"));
    panel->saveConfToFileButton->click();
    QVERIFY(QFile::exists(dir.filePath("show.cfg625")));

    c.ClearConfig(controller_configuration_class::ClearEverything);
    QVERIFY(c.sceneDescs[7].isEmpty());
    QSignalSpy read(&c, &controller_configuration_class::readFileFinished);
    ui->fileAnswers.enqueue(dir.filePath("show.cfg625"));
    panel->readConfFromFileButton->click();
    QCOMPARE(read.size(), 1);
    QCOMPARE(c.sceneDescs[7], QStringLiteral("sunrise over the stage"));
    QCOMPARE(c.confData[image_layout::sceneLevel(7, 3)], u8(0x42));
    QCOMPARE(c.currentFile, dir.filePath("show.cfg625"));
}

void tst_right_panel::fileDialogs()
{
    buildPanel();
    QSignalSpy saved(panel.get(), &right_panel_widget::saveConfToFileClicked);
    QSignalSpy opened(panel.get(), &right_panel_widget::readConfFromFileClicked);
    const QString caption = QStringLiteral("Choose a project description file for Kd625 controller");

    // Cancelled: nothing changes, not even the remembered file; with none the dialogs start
    // in the working directory.
    panel->saveConfToFileButton->click();
    panel->readConfFromFileButton->click();
    QCOMPARE(ui->fileCalls.size(), 2);
    QCOMPARE(ui->fileCalls[0].caption, caption);
    QCOMPARE(ui->fileCalls[0].dir, QStringLiteral("./"));
    QCOMPARE(ui->fileCalls[0].filter, QStringLiteral("Varidex project description (*.cfg625;*.cfg620;*.kdg);;"
                                                     "Varidex 620 old-style config (*.cfg);;All files (*)"));
    QCOMPARE(ui->fileCalls[0].parent, dialog_parent::None);
    QCOMPARE(ui->fileCalls[1].caption, caption);
    QCOMPARE(ui->fileCalls[1].dir, QStringLiteral("./"));
    QCOMPARE(ui->fileCalls[1].filter,
             QStringLiteral("Varidex 620 project/config files (*.cfg625;*.cfg620;*.kdg;*.cfg);;All files (*)"));
    QCOMPARE(ui->fileCalls[1].parent, dialog_parent::None);
    QVERIFY(saved.isEmpty());
    QVERIFY(opened.isEmpty());
    QVERIFY(f->controller->currentFile.isEmpty());

    // A chosen file opened is remembered and is where both dialogs start next.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("show.cfg625"));
    f->controller->write_confDataToFile(file, false);
    f->controller->currentFile.clear();
    ui->fileAnswers.enqueue(file);
    panel->readConfFromFileButton->click();
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toString(), file);
    QCOMPARE(f->controller->currentFile, file);
    panel->saveConfToFileButton->click();
    panel->readConfFromFileButton->click();
    QCOMPARE(ui->fileCalls[3].dir, file);
    QCOMPARE(ui->fileCalls[4].dir, file);
    QCOMPARE(f->controller->currentFile, file);
}

void tst_right_panel::onlyAGoodFileMovesTheDialogs_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("chosen");      // "@" stands for a folder of the test
    QTest::addColumn<int>("answer");          // to the old-format question
    QTest::addColumn<QString>("remembered");  // where the next dialog starts; "" the one before

    const int yes = int(message_button::Yes);
    const int no = int(message_button::No);
    QTest::newRow("saved") << true << "@/new" << yes << "@/new.cfg625";
    QTest::newRow("saved in the old format") << true << "@/old.cfg" << yes << "@/old.cfg";
    QTest::newRow("old format declined") << true << "@/old.cfg" << no << "";
    QTest::newRow("save refused by a special folder") << true << "/proc/x.cfg625" << yes << "";
    QTest::newRow("save into a missing folder") << true << "@/missing/x.cfg625" << yes << "";
    QTest::newRow("opened") << false << "@/good.cfg625" << yes << "@/good.cfg625";
    QTest::newRow("open a missing file") << false << "@/missing.cfg625" << yes << "";
    QTest::newRow("open a corrupted file") << false << "@/corrupted.cfg625" << yes << "";
    QTest::newRow("open a file of another kind") << false << "@/notes.txt" << yes << "";
}

// The folder of the last file saved or opened whole is where the next file dialog starts;
// one that failed is not remembered.
void tst_right_panel::onlyAGoodFileMovesTheDialogs()
{
    QFETCH(bool, saving);
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(QString, remembered);
    QTemporaryDir dir;
    const QString folder = dir.path();
    chosen.replace(QLatin1Char('@'), folder);
    remembered.replace(QLatin1Char('@'), folder);
    buildPanel();
    kd620_controller_class &c = *f->controller;
    c.write_confDataToFile(folder + QStringLiteral("/good.cfg625"), false);
    QFile::copy(folder + QStringLiteral("/good.cfg625"), folder + QStringLiteral("/corrupted.cfg625"));
    QFile corrupted(folder + QStringLiteral("/corrupted.cfg625"));
    QVERIFY(corrupted.open(QIODevice::ReadWrite));
    QVERIFY(corrupted.seek(corrupted.size() / 2));
    QVERIFY(corrupted.write(QByteArray(64, '\x5A')) == 64);
    corrupted.close();
    QFile notes(folder + QStringLiteral("/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a configuration");
    notes.close();
    const QString before = folder + QStringLiteral("/before.cfg625");
    c.currentFile = before;
    forget();

    ui->fileCalls.clear();
    ui->fileAnswers.enqueue(chosen);
    if (chosen.endsWith(QLatin1String(".cfg")))
        ui->answers.enqueue(answer);
    (saving ? panel->saveConfToFileButton : panel->readConfFromFileButton)->click();
    QCOMPARE(c.currentFile, remembered.isEmpty() ? before : remembered);
    panel->saveConfToFileButton->click();
    panel->readConfFromFileButton->click();
    QCOMPARE(ui->fileCalls.size(), 3);
    QCOMPARE(ui->fileCalls[1].dir, c.currentFile);
    QCOMPARE(ui->fileCalls[2].dir, c.currentFile);
}

QTEST_MAIN(tst_right_panel)
#include "tst_right_panel.moc"
