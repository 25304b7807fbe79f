#pragma once

#include "link/t_threadUsbDevice.h"
#include "model/controller_configuration_class.h"

#include <QDateTime>
#include <QModelIndex>
#include <QStringList>

#include <functional>

class usb_frame_class;

// The controller object: one whole configuration (controller_configuration_class) and the
// state of the link to the controller. Every page reaches the configuration through
// currentController.
class kd620_controller_class : public controller_configuration_class
{
    Q_OBJECT

public:
    // The working modes the user chooses on the right panel; in Live the scene page's
    // changes go to the controller at once.
    enum ui_mode { UiModeNone = 0, UiModeNormal = 1, UiModeLive = 2 };

    kd620_controller_class();
    ~kd620_controller_class() override;

    // A description of currentController, chosen by action object type and 0-based index:
    // 0 scene, 1 program, 3 state, 5 delay (its end event), 6 sequence (its start event),
    // 7 mask. Any other type or an index out of range gives an empty text.
    static QString getDescription(u32 type, int index);

    int modelCode = 0;          // 0x5A older model, 0x5F current model
    int uiMode = UiModeNone;    // working mode chosen on the right panel (ui_mode)
    int controllerMode = 0;     // the controller's working mode
    int connected = 0;          // non-zero while connected
    int lastRequest[3] = {0, 0, 0};  // code, value and index of the last vendor request
    QString snText;             // serial number for the status line, "S/N ----" when none
    QString fwText;             // "F/W ver. " and the version, or "F/W ----"
    int clockRereadCounter = 10;// 10: read the controller clock at the next tick
    int clockValid = 0;         // non-zero when a clock reading is held
    QStringList otherSerials;   // other controllers seen during the last device search
    u8 dstFlag = 0;             // daylight-saving flag read with the controller clock

    // --- USB device, connection and working modes -------------------------------------
    // (link/controller_connection.cpp, controller_modes.cpp, controller_restart.cpp,
    // controller_requests.cpp)

    // The USB device; its ids are set by the constructor. Only the current controller's
    // device is ever opened.
    t_threadUsbDevice usbDevice;

    // Disconnects (setConnection(false)); every sequence calls it after a failed transfer.
    void dropConnection();
    // Restarts the controller, waits for it to leave its loader and connects again: 0, or
    // -1 when it still reports the loader after 90 passes of 100 ms.
    int restartController();
    // Sends the controller into working mode 1, 3 or 4 and checks the status: the mode
    // entered, 0 on failure (the connection is then dropped) or for another mode.
    int setWorkingMode(int mode);
    // Freezes / unfreezes the controller's output: 0, or -1 with the connection dropped.
    int freeze();
    int unfreeze();
    // The controller's state flag (the right panel colours its device box with it); true in
    // the loader. Ten failed reads drop the connection and give false.
    bool readStateFlag();
    // True while the USB device is open, whatever `connected` holds.
    bool isConnected() const;
    // True while a transfer holds the link (a whole-configuration send or read, a firmware
    // upgrade or verification), except between two complete block cycles of a send. Whatever
    // asks the controller on its own (the clock display's timer, the monitor's reloads)
    // asks nothing while it is true: a request slipped between a transfer's frames would
    // break the transfer.
    bool transferHoldsLink() const;
    int workingMode() const;
    QString serialText() const;
    QString firmwareText() const;
    // snText from the open device's serial number: 0, or -1 when it cannot be read.
    int readSerialText();

    // Fires one event on the controller at once (the Settings/Other page's event generator):
    // up to ten tries back to back, true as soon as the controller takes one. A failure
    // leaves the connection open.
    bool fireEvent(u16 eventCode);

    // Records the request in lastRequest and sends it without a data stage, its numbers
    // high byte first. The transfer's result (bytes or -1).
    int sendRequest(int request, int value = 0, int index = 0);
    // A control transfer in, tried up to `attempts` times back to back: the bytes of the
    // first try that returns data, or -1.
    int controlInRetried(int request, u16 value, u16 index, u8 *data, int length, int attempts);
    // Reads the status word: true when the whole 8-byte reply came.
    bool readStatusWord(u32 &status);
    // Status polls of up to `polls` reads, 100 ms apart. waitStatusClear: 0 once none of the
    // mask's bits is set, else the mask's bits still set. waitStatusSet: the mask once all
    // its bits are set, else the mask's bits last seen. A failed read drops the connection
    // and gives the mask (clear) or 0 (set).
    u32 waitStatusClear(u32 mask, int polls);
    u32 waitStatusSet(u32 mask, int polls);
    // Reads configuration frame `block` (up to 7: 8 KB, 8..38: 64 KB) into frame and checks
    // it: 0 or -1. A short read drops the connection; a bad frame only fails.
    int readPacket(int block, usb_frame_class &frame);

    // --- Firmware (link/controller_firmware_upgrade.cpp, controller_firmware_verify.cpp) ---
    // Sends the firmware blocks of an upgrade file (".upg") to the controller through its
    // loader, after checking the file, every block of it and its version against the
    // controller's. Tells the user the outcome; the controller stays in its loader,
    // recorded as normal mode. A controller that does not come back as its loader ends
    // the connection.
    void upgradeFirmware(QString fileName);
    // Compares the controller's flash with the blocks of an upgrade file and tells the
    // user the outcome. A controller it had to put into its loader is taken out again and
    // connected anew; one that does not come back ends the connection.
    void verifyFirmware(QString fileName);

    // --- Remote control (link/controller_rcu.cpp) --------------------------------------
    // Makes the controller learn key k (its low byte) from the remote control: the code
    // 0..63 (stored in rcuKeyCodes), 255 when the controller heard none, -1 on failure.
    int learnRcuKey(int key);
    // Makes the controller learn the remote control's address: 0..31 (stored in
    // rcuAddress), 255 when it heard none, -1 on failure.
    int readRcuAddress();
    // Waits up to a second for the result of an address request and takes its address; as
    // readRcuAddress.
    int waitRcuResult();
    // Stores address a (its low byte) and, while connected, sends it to the controller: -1
    // above 31, 0 when only stored, else the address the controller reports taking.
    int setRcuAddress(int address);

    // --- Monitor (link/controller_monitor.cpp) -----------------------------------------
    // One monitor_command against the controller, its data copied into the caller's buffer
    // (3, 76, 96 or 2400 bytes by command; none for start and stop): 0, or -1 on failure
    // or for an unknown command.
    int monitorRequest(unsigned command, void *buffer);
    // The length the controller announced for the last internal-states report accepted
    // (26..2400), 0 before the first: the report's lists end there, whatever they claim.
    int lastReportLength = 0;

public slots:
    // Fills rcuKeyCodes and rcuAddress from the controller's key table, only once every
    // key was read: a failed read changes neither. A controller found gone on the way
    // ends the connection.
    void readRCU();
    // Sends rcuKeyCodes and rcuAddress to the controller and makes it save them.
    void writeRCU();

public:
    // --- Whole configuration, live editing, the controller clock --------------------------
    // (link/controller_transfer.cpp, controller_live.cpp, controller_clock.cpp)

    // The number of DMX output channels in use as the scene page holds it; the send asks
    // about old firmware above 32. The page installs its own source when it exists; until
    // then the image's channel-limit word counts, within the page's range 24..64.
    std::function<int()> channelsInUseSource;
    int channelsInUse() const;

    // The date-and-time text of the controller's clock, read over USB once a minute and
    // counted on locally in between; dashes while there is none.
    QString controllerTimeText();
    // Sets the controller's clock: 0, or -1 (a busy controller also drops the connection).
    int setControllerClock(QDateTime dateTime, bool daylightSaving);
    // Sends the calibration -31..31 and keeps it once the controller took it: 0, else -1
    // (a refused calibration leaves clockCalibration as it was).
    int setClockCalibration(int calibration);

public slots:
    // Writes the whole configuration to the controller / reads it back from it.
    void send_alldata();
    void read_alldata();
    // While Live is chosen: shows one scene (0-based) on the controller, entering live mode
    // first when needed; sends one channel's level of the scene. While a transfer runs
    // (its pauses between block cycles included) neither asks anything of the controller:
    // the scene is shown when the transfer is over, if Live is still chosen then.
    void send_sc_prep(int scene_number);
    void send_new_val(int sc, int ch);

signals:
    // After every good clock read, for the clock settings page: its DST box and its
    // calibration display follow the controller.
    void controllerClockRead(bool daylightSaving, int calibration);

private:
    // What the clock text keeps between calls.
    struct clock_display {
        QDateTime lastValue;       // the controller's clock as last read and counted on
        qint64 intervalStartMs = -1;  // appClock() time of the previous call, -1 none
        qint64 sinceReadMs = 0;
        int dayOfWeek = 1;         // of the last read, 1 Monday .. 7 Sunday
    };
    clock_display clockDisplay;
    // One clock read of up to 10 tries: true with the clock, the flags and the calibration
    // taken from the record.
    bool readControllerClock();
    // The steps of the send and the read (link/controller_transfer.cpp).
    bool sendConfigurationBlocks();
    bool readConfigurationBlocks(u8 *scratch);
    bool readBlockRun(u8 *scratch, int count, int firstBlock, int &progress);
    void restoreMode(int previous);
    // Between two complete block cycles of a send: lets pending events run, user input
    // excluded, with the link open to the clock and the monitor.
    void processEventsBetweenBlockCycles();

    // Transfers running now, and whether the innermost one is between two block cycles.
    friend class transfer_hold;
    int transfersRunning = 0;
    bool betweenBlockCycles = false;
    // The live scene asked for while a transfer ran, shown when the last one ends.
    static constexpr int NoDeferredLiveScene = -1;
    int deferredLiveScene = NoDeferredLiveScene;
    // True, with the scene kept for later, while a transfer runs.
    bool liveSceneWaitsForTransfer(int scene_number);
    void sendDeferredLiveScene();

public slots:
    // Connects (true) or disconnects (false); announces the outcome with
    // setConnectionStatus(bool) before it returns.
    void setConnection(bool connection);
    // The working mode chosen on the right panel: 1 Normal, 2 Live. The mode minus 1 (0 for
    // a successful Normal).
    int ch_mode(int mode);
    t_threadUsbDevice *getUsbDev();

    // Writes "was here! :-)" to the debug output; nothing else.
    void trapSlot(QModelIndex c, QModelIndex p);

signals:
    void setConnectionStatus(bool connectionStatus);
    void forceReset();
    void readKd620Finished();
};

// The controller that main creates, for the whole run.
extern kd620_controller_class *currentController;
