#pragma once

#include <QWidget>

class QCheckBox;
class QDateTimeEdit;
class QGroupBox;
class QPushButton;
class QSpinBox;

// The controller's clock: its date and time, daylight saving and calibration. Setting the
// clock and the calibration is not built yet; the page shows what the controller reports.
class asettings_clock_widget : public QWidget
{
    Q_OBJECT

public:
    explicit asettings_clock_widget(QWidget *parent);

    QDateTimeEdit *dateTimeEdit = nullptr;
    // "DST": the controller's daylight-saving flag as last read.
    QCheckBox *dstBox = nullptr;
    QPushButton *setButton = nullptr;
    // Checked while the user adjusts the calibration; closed, it follows the controller.
    QGroupBox *calibrationGroup = nullptr;
    QSpinBox *calibrationSpin = nullptr;

public slots:
    // The current date and time into the editor.
    void refresh();
    // The calibration -31..31 the controller reported: shown while the calibration group
    // is closed and the value differs from the one last stored.
    void showCalibration(int calibration);

private:
    int shownCalibration = 0;
};
