#pragma once

#include <QFrame>
#include <QPalette>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class kd620_controller_class;

// The fixed column at the right edge of the main window: moves the whole configuration
// between the program, the controller and files, connects, disconnects and restarts the
// controller, chooses its working mode (Live or Normal), freezes it, and shows the
// connection state, the controller's clock, serial number and firmware version.
//
// The panel reaches the one controller of the run through currentController; its own
// signals are wired to that controller's slots. Every delivery is a direct call, and the
// mode buttons' checks come back into the panel's slots before an emit returns.
class right_panel_widget : public QFrame
{
    Q_OBJECT

public:
    right_panel_widget(kd620_controller_class *controller, QWidget *parent);
    ~right_panel_widget() override;

    QPushButton *sendConfButton;
    QPushButton *readConfButton;
    QPushButton *saveConfToFileButton;
    QPushButton *readConfFromFileButton;
    QPushButton *clearConfButton;  // wired by the main window to its clear dialog
    QPushButton *connectButton;
    QPushButton *disconnectButton;
    QPushButton *resetButton;
    QPushButton *liveModeButton;
    QPushButton *normalModeButton;
    QPushButton *freezeModeButton;
    QLabel *configurationLabel;
    QLabel *controllerLabel;
    QLabel *statusCaptionLabel;
    QLabel *statusLabel;
    QLabel *workingModeLabel;
    QLabel *clockLabel;     // written by the main window every second
    QLabel *serialLabel;    // written through showDevice after every connection change
    QLabel *firmwareLabel;  // likewise
    QGroupBox *deviceInfoBox;

    // How a save name chosen by the user is written: the final name and whether the file
    // takes the old format. ".cfg" is the old format; ".cfg620" becomes ".cfg625"; ".kdg"
    // and ".cfg625" stay; anything else gets ".cfg625". Endings are compared case-sensitively.
    struct save_name {
        QString fileName;
        bool oldFormat = false;
    };
    static save_name saveNameFor(const QString &chosen);

    // Shows the controller's serial number and firmware version, given as the controller's
    // own texts ("S/N ...", "F/W ver. 3.00.0011" or "F/W ----"). The firmware label says
    // it in this window's language, with the version or "----".
    void showDevice(const QString &serialText, const QString &firmwareText);

    // What the panel shows of the connection and the working mode that the controller does
    // not hold itself (the user's Freeze, the state flag's colour as of the last connection
    // change). A language change builds the window anew over the same, still connected
    // controller: its new panel shows what the old one showed, in the new language.
    struct connection_view {
        bool announced = false;  // a connection change has reached the panel
        bool connected = false;  // and the last one showed the controller connected
        QPalette statusPalette;
        QPalette deviceBoxPalette;
        QString clockText;
        QString serialText;
        QString firmwareText;  // the controller's, whatever the language
        bool normalChecked = false;
        bool liveChecked = false;
        bool freezeChecked = false;
        bool freezeEnabled = false;
    };
    connection_view connectionView() const;
    // Shows a view taken from another panel; asks nothing of the controller and runs none
    // of the mode buttons' slots.
    void showConnectionView(const connection_view &view);

signals:
    void normalModeCheck(bool on);
    void liveModeCheck(bool on);
    void freezeModeCheck(bool on);
    void setConnection(bool on);
    void setWorkingMode(int mode);  // 1 normal, 2 live
    void turnOnSceneLive();
    // Nothing emits these two: the buttons run sendConfClick and readConfClick.
    void sendConfClicked();
    void readConfClicked();
    void saveConfToFileClicked(QString fileName, bool oldFormat);
    void readConfFromFileClicked(QString fileName);

public slots:
    void normalModeChecked(bool on);
    void liveModeChecked(bool on);
    void freezeModeChecked(bool on);
    void setConnectionStatus(bool connected);
    void connectButtonClicked(bool checked);
    void disconnectButtonClicked(bool checked);
    void resetButtonClicked(bool checked = false);
    void sendConfClick(bool checked);
    void readConfClick(bool checked);
    void saveConfToFileClick(bool checked);
    void readConfFromFileClick(bool checked);

private:
    void createWidgets();
    // Smaller fonts where a text would not fit its place with the fonts of this system.
    void fitTexts();
    void connectSignals(kd620_controller_class *controller);
    void showConnected();
    void showDisconnected();
    // A critical box over the panel with the application name as its title.
    void complain(const QString &text);
    // The firmware label's text for a firmware text of the controller.
    static QString firmwareCaption(const QString &firmwareText);

    bool announced = false;
    bool shownConnected = false;
    QString shownFirmware;  // the controller's firmware text the label shows
};
