#pragma once

#include <QWidget>

class QCheckBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The controller's clock (in the Settings/Other page's "Date and Time" group): sets its
// date, time and daylight-saving flag at once, switches daylight saving on or off in the
// configuration, shows the flag the controller last reported, and sets the clock's
// calibration -31..31 at once.
class asettings_clock_widget : public QWidget
{
    Q_OBJECT

public:
    // ============================================================ construction
    explicit asettings_clock_widget(QWidget *parent);
    ~asettings_clock_widget() override;

    // The computer's date and time into the editor, daylight saving from the
    // configuration, the flag and the calibration as the controller last reported them.
    void refresh();
    // A clock reading's calibration: shown while the calibration group is closed and it
    // differs from the one the page holds.
    void showCalibration(int value);

    // ============================================================ date, time and daylight saving
    QDateTimeEdit *dateTimeEdit = nullptr;
    QCheckBox *useSystemTimeBox = nullptr;
    // Mirrors the configuration's daylight-saving word (checked: enabled).
    QCheckBox *dstEnableBox = nullptr;
    // The flag the controller's clock last reported, and the one "Set" sends; the user
    // changes it only while daylight saving is enabled.
    QCheckBox *dstBox = nullptr;
    QPushButton *setButton = nullptr;

    // ============================================================ calibration
    // Closed, it follows the controller; opened (only when connected to a controller that
    // can take a calibration), the user edits and sends one. A connection change closes it.
    QGroupBox *calibrationGroup = nullptr;
    QSpinBox *calibrationSpin = nullptr;
    QPushButton *calibrationSetButton = nullptr;
    QLabel *adjustmentLabel = nullptr;
    // The calibration the spin box shows while the group is closed.
    int calibration = 0;

public slots:
    void setClockClicked(bool);
    void calibEnable(bool open);
    void setCalibration(bool);
    void daylightsSavingEnable(int state);

private:
    void createWidgets();
    void connectSignals();
    // True when the controller's firmware takes a calibration.
    static bool firmwareTakesCalibration();
};
