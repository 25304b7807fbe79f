// The monitor: its box, the opening rules and firmware gates, the polling cycle against the
// simulated controller, the three windows and their cells, closing, failures, re-entry from
// the event loop of a box, and the ticker thread.
#include "app/application_resources.h"
#include "link/kd620_controller_class.h"
#include "link/transfer_hold.h"
#include "link/usb_protocol.h"
#include "model/event_code.h"
#include "model/image_layout.h"
#include "settings/monitor/btn_lbl.h"
#include "settings/monitor/ctrl_monitor.h"
#include "settings/monitor/dmx_value_class.h"
#include "settings/monitor/in_key_class.h"
#include "settings/monitor/internal_states_text.h"
#include "settings/monitor/monitor_window_mask.h"
#include "settings/monitor/pokaz.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/sim/sim_monitor_engine.h"
#include "tests/support/message_summary.h"
#include "tests/support/page_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolTip>
#include <QtEndian>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString readInputs = QStringLiteral("#1 MONITOR v=0 i=0 in 3");
const QString startDmx = QStringLiteral("#1 MONITOR v=2 i=0");
const QString stopDmx = QStringLiteral("#1 MONITOR v=3 i=0");
const QString readDmx = QStringLiteral("#1 READ_DMX_OUTPUT v=0 i=0");
const QString reportLength = QStringLiteral("#1 MONITOR v=6 i=0 in 2");
const QString readBlock = QStringLiteral("#1 READ_BLOCKS_8K v=1 i=64");

// The name the ticker's thread runs under: Qt names a thread after its object when it starts.
const QByteArray TickerThreadName = "monitor ticker";

// A thread of this process as the kernel sees it: its task number (0 when there is none)
// and whether it is asleep, blocked in a wait.
struct os_thread {
    int task = 0;
    bool asleep = false;
};

os_thread osThread(const QString &task)
{
    QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(task));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    // The state follows the command name, which stands in parentheses.
    const QByteArray line = stat.readAll();
    const qsizetype nameEnd = line.lastIndexOf(')');
    return {task.toInt(), nameEnd >= 0 && line.mid(nameEnd + 2, 1) == "S"};
}

os_thread osThread(int task)
{
    return osThread(QString::number(task));
}

// The ticker's thread while it runs.
os_thread tickerThread()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == TickerThreadName)
            return osThread(task);
    }
    return {};
}

// Report words by number; the report's last whole 32-bit word balances the sum to zero,
// so the words given must leave it free.
using report_words = QMap<int, int>;

QByteArray reportOf(const report_words &words, int length)
{
    QByteArray report(length, '\0');
    for (auto w = words.begin(); w != words.end(); ++w) {
        if (2 * w.key() + 2 <= length)
            qToLittleEndian<u16>(u16(w.value()), report.data() + 2 * w.key());
    }
    const int whole = length / 4;
    u32 sum = 0;
    for (int i = 0; i + 1 < whole; ++i)
        sum += qFromLittleEndian<u32>(report.constData() + 4 * i);
    qToLittleEndian<u32>(0u - sum, report.data() + 4 * (whole - 1));
    return report;
}

// The text of a row for a report held in a 2400-byte buffer.
QString rowText(const report_words &words, int length, int row, bool descriptions = false)
{
    QByteArray buffer(2400, '\0');
    for (auto w = words.begin(); w != words.end(); ++w) {
        if (w.key() >= 0 && w.key() < 1200)
            qToLittleEndian<u16>(u16(w.value()), buffer.data() + 2 * w.key());
    }
    return internalStatesRowText(reinterpret_cast<const u8 *>(buffer.constData()), length, row, descriptions,
                                 *currentController);
}

int count(const QStringList &log, const QString &entry)
{
    return int(log.count(entry));
}

QColor windowColour(const QWidget *w)
{
    return w->palette().color(QPalette::Window);
}

// The scripted boxes, with something that happens while a box waits for its answer (as the
// event loop of a real box runs ticks and queued stops meanwhile).
struct box_loop : scripted_interaction {
    std::function<void()> inBox;
    int showMessage(const message_request &request) override
    {
        if (inBox)
            inBox();
        return scripted_interaction::showMessage(request);
    }
};

// Counts the paint events a widget receives.
struct paint_counter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class tst_monitor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // The box.
    void panel();
    void refreshRate_data();
    void refreshRate();
    void notConnectedOpensNothing();
    void firmwareGates_data();
    void firmwareGates();

    // Windows and what they show.
    void inputsWindow();
    void lamps_data();
    void lamps();
    void dmxWindow();
    void dmxCells_data();
    void dmxCells();
    void valuePalettes_data();
    void valuePalettes();
    void sameValueRepaintsOnce();
    void tooltips();
    void dmxTooltips_data();
    void dmxTooltips();
    void statesWindow();
    void statesDescriptionsAndScroll();
    void statesReportEndsAtItsLength();
    void redrawFromWhatTheWindowsKeep();

    // Polling.
    void openingPollsEveryOpenWindow();
    void noRequestsDuringATransfer();
    void stopAfterTheLastWindow();

    // Closing.
    void closingWays_data();
    void closingWays();
    void stopExactlyOnceForTheDmxWindow();
    void stopForAWindowNotOpen();
    void connectionLostClosesEverything();

    // Failures.
    void inputReadFailureEndsTheCycle();
    void failingReadsShowTheirBoxOnce_data();
    void failingReadsShowTheirBoxOnce();
    void failedOpenings_data();
    void failedOpenings();
    void tickInsideABoxMakesNoRequest();

    // Report rendering.
    void rendering_data();
    void rendering();
    void renderingWithDescriptions();
    void hostileReports_data();
    void hostileReports();
    void randomReports();

    // The ticker thread.
    void ticksArrive();
    void reopenDuringTheOldSleepTicksAgain();
    void destroyingMidSleepIsPrompt();

private:
    // Connects to a controller with this firmware.
    bool connectWith(int major, int minor, int build, bool tellsVersion = true);
    void setInputType(int input, i32 type);

    std::unique_ptr<page_fixture> f;
    ctrl_monitor *monitor = nullptr;
    sim_monitor_engine *engine = nullptr;
    std::unique_ptr<QSignalSpy> refreshes;
    std::unique_ptr<QSignalSpy> menuClears;
    QStringList signalOrder;
};

void tst_monitor::initTestCase()
{
    initApplicationResources();
}

void tst_monitor::init()
{
    f = std::make_unique<page_fixture>();
    // The inputs and DMX output windows are drawn inside the main window.
    f->window.window.resize(1026, 751);
    f->window.window.show();
    monitor = new ctrl_monitor(f->tabPage.get());
    engine = f->bus.device(1).findEngine<sim_monitor_engine>();
    QVERIFY(engine);
    // The controller's inputs are normally open, as after clearing them.
    for (int input = 0; input < 24; ++input)
        setInputType(input, 0);
    refreshes = std::make_unique<QSignalSpy>(monitor, &ctrl_monitor::forceRefresh);
    menuClears = std::make_unique<QSignalSpy>(monitor, &ctrl_monitor::clrMenu);
    signalOrder.clear();
    connect(monitor, &ctrl_monitor::forceRefresh, this, [this] { signalOrder << QStringLiteral("refresh"); });
    connect(monitor, &ctrl_monitor::clrMenu, this,
            [this](u16 mask) { signalOrder << QStringLiteral("menu %1").arg(mask, 0, 16); });
}

void tst_monitor::cleanup()
{
    refreshes.reset();
    menuClears.reset();
    const QStringList problems = page_fixture::tearDown(f);
    monitor = nullptr;
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

bool tst_monitor::connectWith(int major, int minor, int build, bool tellsVersion)
{
    sim_device &d = f->bus.device(1);
    d.firmwareMajor = i8(major);
    d.firmwareMinor = i8(minor);
    d.firmwareBuild = i16(build);
    d.answersFirmwareVersion = tellsVersion;
    return f->connectAndReset();
}

void tst_monitor::setInputType(int input, i32 type)
{
    auto *memory = f->bus.device(1).findEngine<sim_config_memory_engine>();
    qToLittleEndian<i32>(type, memory->memory.data() + image_layout::inputType(u32(input)));
}

// --- The box ----------------------------------------------------------------------------------

void tst_monitor::panel()
{
    QCOMPARE(monitor->title(), QStringLiteral("Controller Monitoring"));
    QVERIFY(monitor->autoFillBackground());
    QCOMPARE(monitor->rateLabel->text(), QStringLiteral("Refresh rate (ms)"));
    QCOMPARE(monitor->rateLabel->geometry(), QRect(20, 35, 130, 24));
    QCOMPARE(monitor->rateSpin->geometry(), QRect(160, 35, 70, 25));
    QCOMPARE(monitor->rateSpin->minimum(), 1);
    QCOMPARE(monitor->rateSpin->maximum(), 100);
    QCOMPARE(monitor->rateSpin->text(), QStringLiteral("100"));
    const std::pair<QPushButton *, const char *> buttons[] = {{monitor->inputsButton, "Show inputs' states"},
                                                              {monitor->dmxButton, "Show output DMX values"},
                                                              {monitor->statesButton, "Show internal states"}};
    int y = 70;
    for (const auto &[button, text] : buttons) {
        QCOMPARE(button->text(), QString::fromLatin1(text));
        QCOMPARE(button->geometry(), QRect(30, y, 200, 40));
        QVERIFY(button->isEnabled());
        y += 50;
    }
    QCOMPARE(monitor->ticker.period.load(), 100);
    QVERIFY(!monitor->ticker.running);
    QCOMPARE(monitor->openWindows, u16(0));
    QCOMPARE(monitor->valuePalettes.size(), 64);
    QVERIFY(!monitor->inputsWindow && !monitor->dmxWindow && !monitor->statesWindow);
}

void tst_monitor::refreshRate_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("period");
    QTest::newRow("fastest") << 1 << "100" << 100;
    QTest::newRow("half a second") << 5 << "500" << 500;
    QTest::newRow("slowest") << 100 << "10000" << 10000;
    QTest::newRow("below the range") << 0 << "100" << 100;
    QTest::newRow("above the range") << 101 << "10000" << 10000;
}

void tst_monitor::refreshRate()
{
    QFETCH(int, value);
    monitor->rateSpin->setValue(50);
    monitor->rateSpin->setValue(value);
    QTEST(monitor->rateSpin->text(), "shown");
    QTEST(monitor->ticker.period.load(), "period");
}

void tst_monitor::notConnectedOpensNothing()
{
    for (QPushButton *button : {monitor->inputsButton, monitor->dmxButton, monitor->statesButton}) {
        f->ui.clear();
        button->click();
        QCOMPARE(messageSummaries(f->ui),
                 QStringList{messageSummary(message_icon::Information, "Controller error", "Not connected!")});
        QCOMPARE(f->ui.messages.first().parentWidget.data(), static_cast<QObject *>(monitor));
        QVERIFY(button->isEnabled());
    }
    QCOMPARE(monitor->openWindows, u16(0));
    QVERIFY(!monitor->inputsWindow && !monitor->dmxWindow && !monitor->statesWindow);
    QVERIFY(f->bus.log.isEmpty());
    QVERIFY(!monitor->ticker.running);
}

void tst_monitor::firmwareGates_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("build");
    QTest::addColumn<bool>("tellsVersion");
    QTest::addColumn<bool>("statesAllowed");
    QTest::addColumn<bool>("oneWindowAtATime");

    QTest::newRow("3.00.0002") << 3 << 0 << 2 << true << false << true;
    QTest::newRow("3.00.0003") << 3 << 0 << 3 << true << false << false;
    QTest::newRow("3.00.0004") << 3 << 0 << 4 << true << true << false;
    QTest::newRow("3.00.0011") << 3 << 0 << 11 << true << true << false;
    QTest::newRow("2.99.9999") << 2 << 99 << 9999 << true << false << true;
    // Numbers, not text: "F/W ver. 10.00.0000" sorts below "F/W ver. 3.00.0004".
    QTest::newRow("10.00.0000") << 10 << 0 << 0 << true << true << false;
    // (It sends the 32 values of older firmware.)
    QTest::newRow("no version told") << 3 << 0 << 2 << false << false << true;
}

void tst_monitor::firmwareGates()
{
    QFETCH(bool, statesAllowed);
    QFETCH(bool, oneWindowAtATime);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, build);
    QFETCH(bool, tellsVersion);
    QVERIFY(connectWith(major, minor, build, tellsVersion));

    monitor->inputsButton->click();
    QCOMPARE(monitor->openWindows, u16(MonitorInputs));

    // The internal-states window: refused below 3.00.0004, and nothing is closed for it.
    f->ui.clear();
    monitor->statesButton->click();
    if (statesAllowed) {
        QVERIFY(f->ui.messages.isEmpty());
        QCOMPARE(monitor->openWindows, u16(MonitorInputs | MonitorStates));
        monitor->stopShows(MonitorStates);
    } else {
        QCOMPARE(messageSummaries(f->ui),
                 QStringList{messageSummary(message_icon::Information, "Improper version",
                                            "This feature requests firmware version 3.00.0004 or higher!")});
        QCOMPARE(monitor->openWindows, u16(MonitorInputs));
        QVERIFY(monitor->statesButton->isEnabled());
        QVERIFY(!monitor->statesWindow);
    }

    // The DMX output window: on old firmware the inputs window closes first.
    f->reset();
    monitor->dmxButton->click();
    QCOMPARE(monitor->openWindows, u16(oneWindowAtATime ? MonitorDmxOut : MonitorInputs | MonitorDmxOut));
    QCOMPARE(bool(monitor->inputsWindow), !oneWindowAtATime);
    QCOMPARE(monitor->inputsButton->isEnabled(), oneWindowAtATime);
    // The opening starts the monitoring; every cycle tells newer firmware to start again
    // before the values are read.
    const QStringList log = f->bus.logTexts();
    QCOMPARE(count(log, readDmx), 1);
    QCOMPARE(count(log, startDmx), oneWindowAtATime ? 1 : 2);
}

// --- Windows and what they show -------------------------------------------------------------------

void tst_monitor::inputsWindow()
{
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();

    // The controller's own input types, then one cycle.
    const QStringList log = f->bus.logTexts();
    QVERIFY(log.contains(readBlock));
    QCOMPARE(log.last(), readInputs);
    QCOMPARE(monitor->openWindows, u16(MonitorInputs));
    QVERIFY(!monitor->inputsButton->isEnabled());
    QVERIFY(monitor->ticker.running);

    pokaz *w = monitor->inputsWindow;
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), mainWindow);
    QCOMPARE(w->type, int(MonitorInputs));
    QCOMPARE(w->windowTitle(), QStringLiteral("Inputs' states"));
    QCOMPARE(w->size(), QSize(240, 324));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!w->isHidden());
    QVERIFY(!(w->windowFlags() & Qt::Window));
    QVERIFY(w->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(w->pbStop->text(), QStringLiteral("Stop monitoring"));
    QCOMPARE(w->pbStop->geometry(), QRect(0, 0, 238, 23));
    QCOMPARE(w->cache.size(), size_t(24));
    QTableWidget *table = w->table;
    QCOMPARE(table->geometry(), QRect(0, 21, 238, 302));
    QCOMPARE(table->rowCount(), 6);
    QCOMPARE(table->columnCount(), 4);
    QVERIFY(table->horizontalHeader()->isHidden());
    QVERIFY(table->verticalHeader()->isHidden());
    QCOMPARE(table->selectionMode(), QAbstractItemView::NoSelection);
    for (int i = 0; i < 24; ++i) {
        auto *lamp = qobject_cast<inKey_class *>(table->cellWidget(i / 4, i % 4));
        QVERIFY(lamp);
        QCOMPARE(lamp->index, i);
        QCOMPARE(lamp->font().family(), QStringLiteral("MS Shell Dlg"));
        QCOMPARE(lamp->font().pointSize(), 9);
        QVERIFY(lamp->font().bold());
        QCOMPARE(lamp->text(), QStringLiteral("%1: Off").arg(i + 1));
    }
    QCOMPARE(table->columnWidth(0), 59);
    QCOMPARE(table->rowHeight(5), 50);
}

void tst_monitor::lamps_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("bitSet");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("shadow");

    const int on = QPalette::AlternateBase, off = QPalette::Window, grey = QPalette::Base;
    QTest::newRow("normally open, bit set: on") << 0 << true << "5: On" << on << int(QFrame::Sunken);
    QTest::newRow("normally open, bit clear: off") << 0 << false << "5: Off" << off << int(QFrame::Raised);
    QTest::newRow("normally closed, bit clear: on") << 1 << false << "5: On" << on << int(QFrame::Sunken);
    QTest::newRow("normally closed, bit set: off") << 1 << true << "5: Off" << off << int(QFrame::Raised);
    QTest::newRow("unused, bit set") << -1 << true << "Undef." << grey << int(QFrame::Plain);
    QTest::newRow("unused, bit clear") << -1 << false << "Undef." << grey << int(QFrame::Plain);
    QTest::newRow("type 2 as normally open") << 2 << true << "5: On" << on << int(QFrame::Sunken);
    QTest::newRow("type 2, bit clear") << 2 << false << "5: Off" << off << int(QFrame::Raised);
}

void tst_monitor::lamps()
{
    QFETCH(int, type);
    QFETCH(bool, bitSet);
    setInputType(4, type);
    engine->inputStates = bitSet ? 0x10 : 0;
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();
    QCOMPARE(monitor->inputTypes[4], type);

    auto *lamp = qobject_cast<inKey_class *>(monitor->inputsWindow->table->cellWidget(1, 0));
    QVERIFY(lamp);
    QTEST(lamp->text(), "text");
    QTEST(int(lamp->backgroundRole()), "role");
    QTEST(int(lamp->frameShadow()), "shadow");

    // The next cycle finds the input toggled.
    engine->inputStates ^= 0x10;
    monitor->reload();
    const bool nowOn = type == 1 ? bitSet : !bitSet;
    if (type != -1)
        QCOMPARE(lamp->text(), QStringLiteral("5: %1").arg(nowOn ? "On" : "Off"));
    else
        QCOMPARE(lamp->text(), QStringLiteral("Undef."));
    // The others stay off (their bits clear, their types normally open).
    auto *other = qobject_cast<inKey_class *>(monitor->inputsWindow->table->cellWidget(0, 0));
    QCOMPARE(other->text(), QStringLiteral("1: Off"));
}

void tst_monitor::dmxWindow()
{
    QVERIFY(f->connectAndReset());
    monitor->dmxButton->click();
    QCOMPARE(f->bus.logTexts().first(), startDmx);
    QVERIFY(engine->monitoring);
    QCOMPARE(monitor->openWindows, u16(MonitorDmxOut));
    QVERIFY(!monitor->dmxButton->isEnabled());

    pokaz *w = monitor->dmxWindow;
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), mainWindow);
    QCOMPARE(w->windowTitle(), QStringLiteral("Output DMX values"));
    QCOMPARE(w->size(), QSize(430, 235));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!w->isHidden());
    QTableWidget *table = w->table;
    QCOMPARE(table->pos(), QPoint(0, 21));
    QCOMPARE(table->size(), QSize(428, 213));
    QCOMPARE(table->rowCount(), 7);
    QCOMPARE(table->columnCount(), 10);
    QCOMPARE(table->selectionMode(), QAbstractItemView::NoSelection);
    QCOMPARE(table->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    for (int c = 0; c < 10; ++c) {
        QCOMPARE(table->horizontalHeaderItem(c)->text(), QStringLiteral("+%1").arg(c + 1));
        QCOMPARE(table->columnWidth(c), 40);
    }
    int cells = 0;
    for (int r = 0; r < 7; ++r) {
        QCOMPARE(table->verticalHeaderItem(r)->text(), QString::number(10 * r));
        QVERIFY(table->verticalHeaderItem(r)->textAlignment() & Qt::AlignRight);
        QCOMPARE(table->rowHeight(r), 26);
        for (int c = 0; c < 10; ++c) {
            auto *cell = qobject_cast<dmx_value_class *>(table->cellWidget(r, c));
            if (!cell)
                continue;
            ++cells;
            QCOMPARE(cell->channel, 10 * r + c);
        }
    }
    QCOMPARE(cells, 64);
    // Row 60 holds channels 61..64 under +1..+4, then six empty cells.
    QVERIFY(table->cellWidget(6, 3));
    QVERIFY(!table->cellWidget(6, 4));
}

void tst_monitor::dmxCells_data()
{
    QTest::addColumn<int>("build");
    QTest::addColumn<bool>("all64");
    QTest::newRow("3.00.0011: 64 channels") << 11 << true;
    QTest::newRow("3.00.0010: 32 channels, the rest 0") << 10 << false;
}

void tst_monitor::dmxCells()
{
    QFETCH(int, build);
    QFETCH(bool, all64);
    for (int c = 0; c < 64; ++c)
        engine->dmxOutput[size_t(c)] = u8(3 * c + 1);
    QVERIFY(connectWith(3, 0, build));
    monitor->dmxButton->click();

    QTableWidget *table = monitor->dmxWindow->table;
    for (int c = 0; c < 64; ++c) {
        const int expected = all64 || c < 32 ? 3 * c + 1 : 0;
        auto *cell = qobject_cast<dmx_value_class *>(table->cellWidget(c / 10, c % 10));
        QCOMPARE(cell->text(), QString::number(expected));
        QCOMPARE(int(monitor->dmxWindow->cache[size_t(c)]), expected);
    }

    // The next cycle shows what changed.
    engine->dmxOutput[0] = 255;
    monitor->reload();
    auto *first = qobject_cast<dmx_value_class *>(table->cellWidget(0, 0));
    QCOMPARE(first->text(), QStringLiteral("255"));
    QCOMPARE(windowColour(first), QColor(255, 255, 192));
}

void tst_monitor::valuePalettes_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("0") << 0 << QColor(192, 192, 255);
    QTest::newRow("3") << 3 << QColor(192, 192, 255);
    QTest::newRow("4") << 4 << QColor(193, 193, 254);
    QTest::newRow("128") << 128 << QColor(224, 224, 223);
    QTest::newRow("252") << 252 << QColor(255, 255, 192);
    QTest::newRow("255") << 255 << QColor(255, 255, 192);
}

void tst_monitor::valuePalettes()
{
    QFETCH(int, value);
    QFETCH(QColor, colour);
    dmx_value_class cell(7, &monitor->valuePalettes, nullptr);
    QCOMPARE(cell.lastValue, qint16(-1));
    QVERIFY(cell.text().isEmpty());
    cell.showValue(value);
    QCOMPARE(cell.text(), QString::number(value));
    QCOMPARE(cell.lastValue, qint16(value));
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(cell.palette().color(group, QPalette::Window), colour);
    QCOMPARE(cell.backgroundRole(), QPalette::Window);
    QVERIFY(cell.autoFillBackground());
}

void tst_monitor::sameValueRepaintsOnce()
{
    QWidget host;
    auto *cell = new dmx_value_class(0, &monitor->valuePalettes, &host);
    cell->resize(40, 26);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    paint_counter counter;
    cell->installEventFilter(&counter);

    // The first value is always shown, 0 included.
    cell->showValue(0);
    QTRY_VERIFY(counter.paints > 0);
    QCOMPARE(cell->text(), QStringLiteral("0"));
    const int afterFirst = counter.paints;
    cell->showValue(0);
    QTest::qWait(50);
    QCOMPARE(counter.paints, afterFirst);
    cell->showValue(1);
    QTRY_VERIFY(counter.paints > afterFirst);
}

void tst_monitor::tooltips()
{
    currentController->inputDescs[2] = QStringLiteral("Door");
    inKey_class described(2, nullptr);
    inKey_class plain(3, nullptr);
    QCOMPARE(described.tooltipText(), QStringLiteral("Door"));
    QCOMPARE(plain.tooltipText(), QStringLiteral("no description..."));

    // A left press shows it at the pointer; another button shows nothing; a release hides it.
    described.resize(59, 50);
    described.show();
    QVERIFY(QTest::qWaitForWindowExposed(&described));
    QTest::mousePress(&described, Qt::RightButton, {}, QPoint(10, 10));
    QVERIFY(!QToolTip::isVisible());
    QTest::mouseRelease(&described, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mousePress(&described, Qt::LeftButton, {}, QPoint(10, 10));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Door"));
    QTest::mouseRelease(&described, Qt::LeftButton, {}, QPoint(10, 10));
    QTRY_VERIFY(!QToolTip::isVisible());

    dmx_value_class cell(5, &monitor->valuePalettes, nullptr);
    currentController->eventDescs[EventDmxOut + 10] = QStringLiteral("Fan on");
    cell.resize(40, 26);
    cell.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cell));
    QTest::mousePress(&cell, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("On: Fan on"));
    QTest::mouseRelease(&cell, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(!QToolTip::isVisible());
}

void tst_monitor::dmxTooltips_data()
{
    QTest::addColumn<QString>("onText");
    QTest::addColumn<QString>("offText");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("both") << "Up" << "Down" << "On: Up\nOff: Down";
    QTest::newRow("on only: no line break") << "Up" << "" << "On: Up";
    QTest::newRow("off only") << "" << "Down" << "Off: Down";
    QTest::newRow("neither") << "" << "" << "no description...";
}

void tst_monitor::dmxTooltips()
{
    QFETCH(QString, onText);
    QFETCH(QString, offText);
    // Channel 64 (0-based 63): events 0xC00 + 126 and + 127.
    currentController->eventDescs[EventDmxOut + 126] = onText;
    currentController->eventDescs[EventDmxOut + 127] = offText;
    dmx_value_class cell(63, &monitor->valuePalettes, nullptr);
    QTEST(cell.tooltipText(), "tooltip");
}

void tst_monitor::statesWindow()
{
    engine->internalStates = reportOf({{0, 2}, {1, 0}, {9, 0x0101}, {13, 11}, {14, 4}}, 40);
    mainWindow->setFont(QFont(QStringLiteral("MS Shell Dlg"), 10));  // as the main window's form sets it
    QVERIFY(f->connectAndReset());
    monitor->statesButton->click();
    QCOMPARE(f->bus.logTexts().first(), reportLength);
    QCOMPARE(monitor->openWindows, u16(MonitorStates));
    QVERIFY(!monitor->statesButton->isEnabled());

    pokaz *w = monitor->statesWindow;
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), mainWindow);
    QVERIFY(w->windowFlags() & Qt::Window);
    QCOMPARE(w->windowTitle(), QStringLiteral("Internal states"));
    QCOMPARE(w->minimumSize(), QSize(200, 82));
    // Wide enough for the row titles of every language; the text column as drawn.
    QCOMPARE(w->size(), QSize(347, 324));
    QVERIFY(w->isVisible());
    // A window of its own, it still draws in the main window's font, as the other two do.
    QCOMPARE(w->font(), mainWindow->font());
    QVERIFY(!w->windowIcon().isNull());
    QTableWidget *table = w->table;
    QCOMPARE(table->rowCount(), 5);
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->columnWidth(0), 72);
    QCOMPARE(table->columnWidth(1), 270);
    QCOMPARE(table->rowHeight(0), 60);
    const QStringList titles{"Active states", "Active scenes", "Active programs", "Active masks", "Active delays"};
    const QStringList texts{"B1 C1 ", "Sc5 Sc12 ", "none", "none", "none"};
    for (int row = 0; row < 5; ++row) {
        auto *title = qobject_cast<btn_lbl *>(table->cellWidget(row, 0));
        auto *box = qobject_cast<QTextEdit *>(table->cellWidget(row, 1));
        QVERIFY(title && box);
        QCOMPARE(title->label->text(), titles[row]);
        QVERIFY(!title->label->isEnabled());
        QVERIFY(title->label->wordWrap());
        QCOMPARE(title->button->text(), QStringLiteral("Descr."));
        QVERIFY(title->button->isCheckable());
        QVERIFY(!title->button->isChecked());
        QCOMPARE(title->palette().color(QPalette::Base), QColor(243, 228, 186));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->palette().color(QPalette::Base), QColor(243, 255, 243));
        QCOMPARE(box->toPlainText(), texts[row]);
    }

    // The user makes it larger: the text column and the rows follow.
    w->resize(434, 524);
    QCOMPARE(table->size(), QSize(432, 502));
    QCOMPARE(table->columnWidth(1), 357);
    for (int row = 0; row < 5; ++row)
        QCOMPARE(table->rowHeight(row), 100);
    auto *title = qobject_cast<btn_lbl *>(table->cellWidget(0, 0));
    QCOMPARE(title->button->geometry(), QRect(0, title->height() - 23, title->width() - 2, 21));
    QCOMPARE(title->label->geometry(), QRect(0, 0, title->width() - 2, title->height() - 24));
}

void tst_monitor::statesDescriptionsAndScroll()
{
    report_words words{{0, 40}, {1, 0}};
    for (int i = 0; i < 40; ++i)
        words[13 + i] = 100 + i;
    engine->internalStates = reportOf(words, 2 * (13 + 40) + 6);
    currentController->sceneDescs[100] = QStringLiteral("Stage wash");
    QVERIFY(f->connectAndReset());
    monitor->statesButton->click();
    QTableWidget *table = monitor->statesWindow->table;
    auto *title = qobject_cast<btn_lbl *>(table->cellWidget(ActiveScenesRow, 0));
    auto *box = qobject_cast<QTextEdit *>(table->cellWidget(ActiveScenesRow, 1));
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("Sc101 Sc102 ")));

    // "Descr." shows at the next cycle: one scene a line with its description.
    title->button->click();
    QVERIFY(title->showDescriptions);
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("Sc101 ")));
    monitor->reload();
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("Sc101 Stage wash\nSc102 no description...\n")));

    // Scrolled down, it stays there across cycles.
    QScrollBar *bar = box->verticalScrollBar();
    QVERIFY(bar->maximum() > 10);
    bar->setValue(bar->maximum() / 2);
    const int position = bar->value();
    monitor->reload();
    monitor->reload();
    QCOMPARE(bar->value(), position);
}

void tst_monitor::statesReportEndsAtItsLength()
{
    // 26 bytes, the header alone, and no scenes in it, whatever the header claims: the three
    // scene numbers the controller sends after it (it sends at least 64 bytes) are not part
    // of the report. (The sum's balance falls in the states' words.)
    QByteArray report = reportOf({{0, 3}, {1, 0}}, 26);
    report.append(QByteArray("\x01\x00\x02\x00\x03\x00", 6));
    report.append(QByteArray(64 - report.size(), '\0'));
    engine->internalStates = report;
    engine->announcedLength = 26;
    QVERIFY(f->connectAndReset());
    monitor->statesButton->click();
    QCOMPARE(monitor->openWindows, u16(MonitorStates));
    QCOMPARE(currentController->lastReportLength, 26);
    auto *box = qobject_cast<QTextEdit *>(monitor->statesWindow->table->cellWidget(ActiveScenesRow, 1));
    QCOMPARE(box->toPlainText(), QStringLiteral("none"));
}

void tst_monitor::redrawFromWhatTheWindowsKeep()
{
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();
    monitor->dmxButton->click();
    monitor->statesButton->click();
    f->reset();

    // The windows keep their data: a redraw asks the controller nothing.
    auto *lamp = qobject_cast<inKey_class *>(monitor->inputsWindow->table->cellWidget(0, 0));
    lamp->setText(QStringLiteral("scribbled"));
    monitor->statesWindow->cache.assign(2400, 0);
    monitor->statesWindow->reportLength = 26;
    currentController->stateDescs[0] = QStringLiteral("x");
    monitor->redraw(MonitorAll);
    QCOMPARE(lamp->text(), QStringLiteral("1: Off"));
    for (int row = 0; row < 5; ++row) {
        auto *box = qobject_cast<QTextEdit *>(monitor->statesWindow->table->cellWidget(row, 1));
        QCOMPARE(box->toPlainText(), QStringLiteral("none"));
    }
    // Only the windows of the mask.
    lamp->setText(QStringLiteral("scribbled"));
    monitor->redraw(MonitorStates);
    QCOMPARE(lamp->text(), QStringLiteral("scribbled"));
    QVERIFY(f->bus.log.isEmpty());
}

// --- Polling ---------------------------------------------------------------------------------------

void tst_monitor::openingPollsEveryOpenWindow()
{
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();
    monitor->statesButton->click();
    f->reset();

    // Opening a window runs a whole cycle at once: the windows already open are read too,
    // inputs first, then the DMX output, then the states.
    monitor->dmxButton->click();
    const QStringList log = f->bus.logTexts();
    const int inputs = int(log.indexOf(readInputs));
    const int dmx = int(log.indexOf(readDmx));
    const int states = int(log.indexOf(reportLength));
    QVERIFY(inputs > 0 && dmx > inputs && states > dmx);
    QCOMPARE(log.first(), startDmx);
    QCOMPARE(count(log, readInputs), 1);
    QCOMPARE(count(log, readDmx), 1);
    QCOMPARE(count(log, reportLength), 1);
}

void tst_monitor::noRequestsDuringATransfer()
{
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();
    f->reset();
    {
        const transfer_hold hold(*f->controller);
        monitor->reload();
        QVERIFY(f->bus.log.isEmpty());
    }
    monitor->reload();
    QCOMPARE(f->bus.logTexts(), QStringList{readInputs});
}

void tst_monitor::stopAfterTheLastWindow()
{
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();
    monitor->statesButton->click();
    QVERIFY(monitor->ticker.running);
    monitor->stopShows(MonitorInputs);
    QVERIFY(monitor->ticker.running);
    monitor->stopShows(MonitorStates);
    QVERIFY(!monitor->ticker.running);

    // A tick queued before the close finds nothing to do.
    f->reset();
    monitor->reload();
    QVERIFY(f->bus.log.isEmpty());
    QVERIFY(refreshes->count() == 2);
}

// --- Closing ----------------------------------------------------------------------------------------

void tst_monitor::closingWays_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("way");  // 0 the monitor, 1 the Stop button, 2 the window's close
    for (int window : {int(MonitorInputs), int(MonitorDmxOut), int(MonitorStates)}) {
        for (int way : {0, 1, 2}) {
            const char *ways[] = {"monitor", "stop button", "close"};
            QTest::addRow("%x by %s", window, ways[way]) << window << way;
        }
    }
}

void tst_monitor::closingWays()
{
    QFETCH(int, window);
    QFETCH(int, way);
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();
    monitor->dmxButton->click();
    monitor->statesButton->click();
    QCOMPARE(monitor->openWindows, u16(0xD));
    const std::pair<QPointer<pokaz> *, QPushButton *> entries[] = {{&monitor->inputsWindow, monitor->inputsButton},
                                                                   {&monitor->dmxWindow, monitor->dmxButton},
                                                                   {&monitor->statesWindow, monitor->statesButton}};
    const auto &[held, button] = entries[window == MonitorInputs ? 0 : window == MonitorDmxOut ? 1 : 2];
    const QPointer<pokaz> closing = *held;
    refreshes->clear();
    menuClears->clear();
    signalOrder.clear();

    if (way == 0)
        monitor->stopShows(u16(window));
    else if (way == 1)
        closing->pbStop->click();
    else
        closing->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(!closing);
    QVERIFY(!*held);
    QVERIFY(button->isEnabled());
    QCOMPARE(monitor->openWindows, u16(0xD & ~window));
    QVERIFY(monitor->ticker.running);
    QVERIFY(!signalOrder.isEmpty());
    QCOMPARE(signalOrder.mid(0, 2), QStringList({"refresh", QStringLiteral("menu %1").arg(window, 0, 16)}));
    QCOMPARE(count(f->bus.logTexts(), stopDmx), window == MonitorDmxOut ? 1 : 0);
}

void tst_monitor::stopExactlyOnceForTheDmxWindow()
{
    QVERIFY(f->connectAndReset());
    monitor->dmxButton->click();
    QVERIFY(engine->monitoring);
    f->reset();
    monitor->dmxWindow->close();
    QCoreApplication::processEvents();
    monitor->stopShows(MonitorDmxOut);
    monitor->stopShows(MonitorAll);
    QCOMPARE(f->bus.logTexts(), QStringList{stopDmx});
    QVERIFY(!engine->monitoring);
    QVERIFY(!monitor->ticker.running);
}

void tst_monitor::stopForAWindowNotOpen()
{
    monitor->inputsButton->setEnabled(false);
    monitor->stopShows(MonitorInputs);
    QVERIFY(monitor->inputsButton->isEnabled());
    QCOMPARE(signalOrder, QStringList({"refresh", "menu 1"}));
    signalOrder.clear();
    monitor->stopShows(0x2);
    QCOMPARE(signalOrder, QStringList({"refresh", "menu 2"}));
    QVERIFY(f->bus.log.isEmpty());
}

void tst_monitor::connectionLostClosesEverything()
{
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();
    monitor->dmxButton->click();
    monitor->statesButton->click();
    f->reset();
    f->controller->setConnection(false);
    QCOMPARE(monitor->openWindows, u16(0));
    QVERIFY(!monitor->inputsWindow && !monitor->dmxWindow && !monitor->statesWindow);
    for (QPushButton *button : {monitor->inputsButton, monitor->dmxButton, monitor->statesButton})
        QVERIFY(button->isEnabled());
    QVERIFY(!monitor->ticker.running);
    // No stop is sent to a controller no longer connected.
    QCOMPARE(count(f->bus.logTexts(), stopDmx), 0);
    QCOMPARE(menuClears->count(), 1);
    QCOMPARE(menuClears->first().first().value<u16>(), u16(MonitorAll));
}

// --- Failures -----------------------------------------------------------------------------------------

void tst_monitor::inputReadFailureEndsTheCycle()
{
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();
    monitor->dmxButton->click();
    monitor->statesButton->click();
    f->reset();
    for (int i = 1; i <= 5; ++i)
        f->bus.device(1).injectOnRequest(REQ_MONITOR, i, sim_fault::fail());

    monitor->reload();

    QCOMPARE(messageSummaries(f->ui), QStringList{messageSummary(message_icon::Critical, "USB Interface",
                                                                 "Cannot read inputs' states!")});
    QVERIFY(!f->controller->isConnected());
    QCOMPARE(monitor->openWindows, u16(0));
    QVERIFY(!monitor->inputsWindow && !monitor->dmxWindow && !monitor->statesWindow);
    const QStringList log = f->bus.logTexts();
    QCOMPARE(count(log, readDmx), 0);
    QCOMPARE(count(log, reportLength), 0);
    QVERIFY(!monitor->ticker.running);
}

void tst_monitor::failingReadsShowTheirBoxOnce_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("connected");
    QTest::newRow("DMX output never ready") << int(MonitorDmxOut)
                                            << messageSummary(message_icon::Warning, "USB Interface", "Protocol error!")
                                            << true;
    QTest::newRow("internal states never ready")
        << int(MonitorStates) << messageSummary(message_icon::Warning, "USB Interface", "Protocol error!") << true;
}

void tst_monitor::failingReadsShowTheirBoxOnce()
{
    QFETCH(int, window);
    QFETCH(QString, box);
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();
    (monitor->*(window == MonitorDmxOut ? &ctrl_monitor::shDmxOutClicked : &ctrl_monitor::shStatesClicked))();
    QCOMPARE(monitor->openWindows, u16(MonitorInputs | window));
    f->reset();
    // The controller never has the data ready again.
    f->bus.device(1).statusForceClear = STATUS_DONE;

    for (int cycle = 0; cycle < 5; ++cycle)
        monitor->reload();

    // The failing window closed after its first box; the inputs go on being read.
    QCOMPARE(messageSummaries(f->ui), QStringList{box});
    QTEST(f->controller->isConnected(), "connected");
    QCOMPARE(monitor->openWindows, u16(MonitorInputs));
    QCOMPARE(count(f->bus.logTexts(), readInputs), 5);
    QCOMPARE(count(f->bus.logTexts(), window == MonitorDmxOut ? readDmx : reportLength), 1);
    QCOMPARE(count(f->bus.logTexts(), stopDmx), window == MonitorDmxOut ? 1 : 0);
}

void tst_monitor::failedOpenings_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<u8>("request");
    QTest::addColumn<bool>("connected");
    QTest::newRow("inputs: the input types cannot be read") << int(MonitorInputs) << u8(REQ_READ_BLOCKS_8K) << false;
    QTest::newRow("DMX output: monitoring cannot start") << int(MonitorDmxOut) << u8(REQ_MONITOR) << true;
}

void tst_monitor::failedOpenings()
{
    QFETCH(int, window);
    QFETCH(u8, request);
    QVERIFY(f->connectAndReset());
    for (int i = 1; i <= 5; ++i)
        f->bus.device(1).injectOnRequest(request, i, sim_fault::fail());
    QPushButton *button = window == MonitorInputs ? monitor->inputsButton : monitor->dmxButton;
    button->click();

    QCOMPARE(f->ui.messages.size(), 1);
    QTEST(f->controller->isConnected(), "connected");
    QCOMPARE(monitor->openWindows, u16(0));
    QVERIFY(!monitor->inputsWindow && !monitor->dmxWindow);
    QVERIFY(button->isEnabled());
    QVERIFY(!monitor->ticker.running);
    QVERIFY(mainWindow->findChildren<pokaz *>().isEmpty());
    // The next click tries again.
    if (f->controller->isConnected()) {
        button->click();
        QCOMPARE(monitor->openWindows, u16(window));
    }
}

void tst_monitor::tickInsideABoxMakesNoRequest()
{
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();
    monitor->dmxButton->click();
    f->reset();
    box_loop ui;
    int logAtBox = -1;
    ui.inBox = [&] {
        // Ticks and clicks arrive while the box waits: none of them reaches the controller.
        logAtBox = int(f->bus.log.size());
        QMetaObject::invokeMethod(monitor, "reload", Qt::QueuedConnection);
        QCoreApplication::processEvents();
        monitor->reload();
        monitor->statesButton->click();
        QCOMPARE(int(f->bus.log.size()), logAtBox);
    };
    f->bus.device(1).statusForceClear = STATUS_DONE;
    monitor->reload();
    QVERIFY(logAtBox > 0);
    QCOMPARE(ui.messageTexts(), QStringList{"Protocol error!"});
    QCOMPARE(monitor->openWindows, u16(MonitorInputs));
    QVERIFY(!monitor->statesWindow);

    // The drop inside an opening's request closes the window it was opening: the opener
    // does not use it afterwards.
    ui.inBox = nullptr;
    f->bus.device(1).statusForceClear = 0;
    for (int i = 1; i <= 5; ++i)
        f->bus.device(1).injectOnRequest(REQ_MONITOR, i, sim_fault::fail());
    monitor->statesButton->click();
    QVERIFY(!f->controller->isConnected());
    QCOMPARE(monitor->openWindows, u16(0));
    QVERIFY(!monitor->statesWindow);
}

// --- Report rendering ------------------------------------------------------------------------------------

void tst_monitor::rendering_data()
{
    QTest::addColumn<report_words>("words");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");

    for (int row = 0; row < 5; ++row)
        QTest::addRow("empty report, row %d", row) << report_words{} << row << "none";
    QTest::newRow("B1 and C1") << report_words{{9, 0x0101}} << int(ActiveStatesRow) << "B1 C1 ";
    QTest::newRow("A1-A4, then I8") << report_words{{8, 0xF}, {12, 0x8000}} << int(ActiveStatesRow)
                                    << "A1 A2 A3 A4 I8 ";
    QTest::newRow("every letter in order") << report_words{{9, 0x8001}, {10, 0x0280}, {11, 0x0401}, {12, 0x0100}}
                                           << int(ActiveStatesRow) << "B1 C8 D8 E2 F1 G3 I1 ";
    QTest::newRow("scenes 12 and 5, sorted") << report_words{{0, 2}, {1, 0}, {13, 11}, {14, 4}}
                                             << int(ActiveScenesRow) << "Sc5 Sc12 ";
    QTest::newRow("scene 3072") << report_words{{0, 1}, {1, 0}, {13, 3071}} << int(ActiveScenesRow) << "Sc3072 ";
    QTest::newRow("programs by number, whatever the step")
        << report_words{{2, 3}, {3, 2}, {15, 11}, {16, 0}, {17, 4}, {18, 998}, {19, 0}, {20, 2}}
        << int(ActiveProgramsRow) << "Pr1-3 Pr5-999 Pr12-1 ";
    QTest::newRow("masks: two blanks each") << report_words{{4, 2}, {5, 0}, {13, 6}, {14, 0}} << int(ActiveMasksRow)
                                            << "Msk1  Msk7  ";
    QTest::newRow("delays: two blanks each") << report_words{{6, 1}, {7, 5}, {18, 1}} << int(ActiveDelaysRow)
                                             << "Dly2  ";
    QTest::newRow("largest mask and delay") << report_words{{4, 1}, {5, 0}, {6, 1}, {7, 1}, {13, 255}, {14, 511}}
                                            << int(ActiveDelaysRow) << "Dly512  ";
}

void tst_monitor::rendering()
{
    QFETCH(report_words, words);
    QFETCH(int, row);
    QTEST(rowText(words, 2400, row), "text");
}

void tst_monitor::renderingWithDescriptions()
{
    kd620_controller_class &c = *currentController;
    c.stateDescs[3] = QStringLiteral("A four");    // A4
    c.stateDescs[4] = QStringLiteral("B one");     // B1
    c.stateDescs[12] = QStringLiteral("C one");    // C1
    c.stateDescs[67] = QStringLiteral("I eight");  // I8
    c.sceneDescs[4] = QStringLiteral("Stage");
    c.programDescs[0] = QStringLiteral("Intro");
    c.maskDescs[255] = QStringLiteral("Last mask");
    c.eventDescs[delayEndEvent(1)] = QStringLiteral("Door delay");

    QCOMPARE(rowText({{8, 0x8}, {9, 0x0101}, {10, 0x0001}, {12, 0x8000}}, 2400, ActiveStatesRow, true),
             QStringLiteral("A4 A four\nB1 B one\nC1 C one\nD1 no description...\nI8 I eight\n"));
    QCOMPARE(rowText({{0, 2}, {1, 0}, {13, 11}, {14, 4}}, 2400, ActiveScenesRow, true),
             QStringLiteral("Sc5 Stage\nSc12 no description...\n"));
    QCOMPARE(rowText({{2, 1}, {3, 0}, {13, 0}, {14, 6}}, 2400, ActiveProgramsRow, true),
             QStringLiteral("Pr1-7 Intro\n"));
    QCOMPARE(rowText({{4, 1}, {5, 0}, {13, 255}}, 2400, ActiveMasksRow, true), QStringLiteral("Msk256  Last mask\n"));
    QCOMPARE(rowText({{6, 1}, {7, 0}, {13, 1}}, 2400, ActiveDelaysRow, true), QStringLiteral("Dly2  Door delay\n"));
    QCOMPARE(rowText({}, 2400, ActiveDelaysRow, true), QStringLiteral("none"));
}

void tst_monitor::hostileReports_data()
{
    QTest::addColumn<report_words>("words");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");

    QTest::newRow("list beyond the length: left out") << report_words{{0, 2}, {1, 0}, {13, 4}, {14, 6}} << 28
                                                     << int(ActiveScenesRow) << "Sc5 ";
    QTest::newRow("start beyond the length") << report_words{{0, 1}, {1, 0xFFFF}} << 2400 << int(ActiveScenesRow)
                                             << "none";
    QTest::newRow("count far beyond the buffer") << report_words{{0, 0xFFFF}, {1, 1180}, {1193, 3}} << 2400
                                                 << int(ActiveScenesRow) << "Sc1 Sc1 Sc1 Sc1 Sc1 Sc1 Sc4 ";
    QTest::newRow("half a program entry at the end") << report_words{{2, 2}, {3, 0}, {13, 1}, {14, 1}, {15, 2}}
                                                     << 32 << int(ActiveProgramsRow) << "Pr2-2 ";
    QTest::newRow("numbers beyond the configuration: left out")
        << report_words{{0, 3}, {1, 0}, {13, 3072}, {14, 0xFFFF}, {15, 7}} << 2400 << int(ActiveScenesRow) << "Sc8 ";
    QTest::newRow("program 513") << report_words{{2, 1}, {3, 0}, {13, 512}, {14, 0}} << 2400
                                 << int(ActiveProgramsRow) << "none";
    QTest::newRow("mask 257") << report_words{{4, 1}, {5, 0}, {13, 256}} << 2400 << int(ActiveMasksRow) << "none";
    QTest::newRow("delay 513") << report_words{{6, 1}, {7, 0}, {13, 512}} << 2400 << int(ActiveDelaysRow) << "none";
    QTest::newRow("step beyond the program: shown") << report_words{{2, 1}, {3, 0}, {13, 4}, {14, 0xFFFF}} << 2400
                                                    << int(ActiveProgramsRow) << "Pr5-65536 ";
    QTest::newRow("word 8 bits naming no state") << report_words{{8, 0xFFF0}} << 2400 << int(ActiveStatesRow)
                                                 << "none";
    QTest::newRow("states beyond the length") << report_words{{12, 0x0001}} << 24 << int(ActiveStatesRow) << "none";
    QTest::newRow("negative length") << report_words{{0, 1}, {13, 1}} << -5 << int(ActiveScenesRow) << "none";
    QTest::newRow("length beyond the buffer") << report_words{{0, 1}, {1, 1186}, {1199, 9}} << 100000
                                              << int(ActiveScenesRow) << "Sc10 ";
    QTest::newRow("a row that does not exist") << report_words{{0, 1}, {13, 1}} << 2400 << 7 << "none";
}

void tst_monitor::hostileReports()
{
    QFETCH(report_words, words);
    QFETCH(int, length);
    QFETCH(int, row);
    QTEST(rowText(words, length, row), "text");
}

void tst_monitor::randomReports()
{
    // Whatever the controller sends, every row is drawn without reading beyond the report
    // or outside the description arrays (the sanitizers watch).
    QRandomGenerator random(625);
    std::vector<u8> report(2400);
    for (int round = 0; round < 300; ++round) {
        for (u8 &byte : report)
            byte = u8(random.bounded(256));
        // Small starts and counts now and then, so lists are found.
        if (round % 2) {
            for (int w = 0; w < 8; ++w)
                qToLittleEndian<u16>(u16(random.bounded(w % 2 ? 1200 : 40)), report.data() + 2 * w);
        }
        const int length = random.bounded(-10, 2500);
        for (int row = 0; row < 5; ++row)
            QVERIFY(!internalStatesRowText(report.data(), length, row, round % 3 == 0, *currentController).isEmpty());
    }
}

// --- The ticker thread --------------------------------------------------------------------------------------

void tst_monitor::ticksArrive()
{
    QVERIFY(f->connectAndReset());
    monitor->inputsButton->click();
    QVERIFY(monitor->ticker.isRunning() || monitor->ticker.running);
    f->reset();
    // Every 100 ms a cycle reads the inputs.
    QTRY_VERIFY_WITH_TIMEOUT(count(f->bus.logTexts(), readInputs) >= 3, 5000);

    // The period changes from the next sleep on, without a restart.
    monitor->rateSpin->setValue(100);
    QCOMPARE(monitor->ticker.period.load(), 10000);
    QVERIFY(monitor->ticker.running);

    // After the last window closes the thread ends at once and nothing more is asked.
    QElapsedTimer stopping;
    stopping.start();
    monitor->stopShows(MonitorInputs);
    QVERIFY(monitor->ticker.wait(3000));
    QVERIFY(stopping.elapsed() < 3000);
    f->reset();
    QTest::qWait(300);
    QVERIFY(f->bus.log.isEmpty());
}

void tst_monitor::reopenDuringTheOldSleepTicksAgain()
{
    QVERIFY(f->connectAndReset());
    monitor->ticker.setObjectName(QString::fromLatin1(TickerThreadName));
    monitor->rateSpin->setValue(100);  // ten seconds
    monitor->inputsButton->click();
    QVERIFY(monitor->ticker.running);
    // Stopped only once its thread sleeps: a thread stopped before it sleeps never needs
    // waking.
    QTRY_VERIFY(tickerThread().asleep);
    const int oldThread = tickerThread().task;
    monitor->stopShows(MonitorInputs);
    QVERIFY(!monitor->ticker.running);
    // The stop wakes it; it does not sleep out the ten seconds, which would block the
    // reopening below as long.
    QTRY_VERIFY(!osThread(oldThread).asleep);
    // At once, while the old thread may still be ending.
    monitor->rateSpin->setValue(1);
    monitor->inputsButton->click();
    QVERIFY(monitor->ticker.running);
    f->reset();
    QTRY_VERIFY_WITH_TIMEOUT(count(f->bus.logTexts(), readInputs) >= 2, 3000);
    QVERIFY(monitor->ticker.isRunning());
}

void tst_monitor::destroyingMidSleepIsPrompt()
{
    QVERIFY(f->connectAndReset());
    monitor->rateSpin->setValue(100);
    monitor->inputsButton->click();
    monitor->statesButton->click();
    QTRY_VERIFY(monitor->ticker.isRunning());
    const QPointer<pokaz> window = monitor->statesWindow.data();

    // As on a language change: the monitor goes with its window while the ticker sleeps.
    QElapsedTimer destroying;
    destroying.start();
    delete monitor;
    monitor = nullptr;
    QVERIFY(destroying.elapsed() < 3000);
    QVERIFY(!window);
    QTest::qWait(200);
}

QTEST_MAIN(tst_monitor)
#include "tst_monitor.moc"
