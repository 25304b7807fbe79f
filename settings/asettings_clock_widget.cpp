#include "settings/asettings_clock_widget.h"

#include "link/firmware_version.h"
#include "link/kd620_controller_class.h"
#include "model/application_identity.h"
#include "model/bcd_codec.h"
#include "model/clock_interface.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/user_interaction.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr int MaxCalibration = 31;
constexpr u16 DaylightSavingOn = 0;
constexpr u16 DaylightSavingOff = 0xFFFF;
// Calibration came with the firmware core "G", the one of major version 3.
constexpr int CalibrationFirmwareMajor = 3;

QFont buttonFont()
{
    return QFont(QStringLiteral("MS Shell Dlg"), 10, QFont::Normal);
}

} // namespace

asettings_clock_widget::asettings_clock_widget(QWidget *parent)
    : QWidget(parent)
{
    createWidgets();
    connectSignals();
}

asettings_clock_widget::~asettings_clock_widget() = default;

void asettings_clock_widget::createWidgets()
{
    setGeometry(10, 22, 480, 152);
    dateTimeEdit = new QDateTimeEdit(this);
    dateTimeEdit->setGeometry(10, 6, 270, 28);
    dateTimeEdit->setDisplayFormat(QStringLiteral("dddd, dd.MM.yyyy hh:mm:ss"));
    // Only the years the controller's clock holds: another would reach it as a wrong date.
    dateTimeEdit->setDateRange(QDate(FirstClockYear, 1, 1), QDate(LastClockYear, 12, 31));
    dstBox = new QCheckBox(tr("DST"), this);
    dstBox->setGeometry(295, 8, 70, 24);
    dstBox->setEnabled(false);
    setButton = new QPushButton(tr("Set"), this);
    setButton->setGeometry(370, 5, 100, 30);
    setButton->setFont(buttonFont());
    useSystemTimeBox = new QCheckBox(tr("Use system date and time"), this);
    useSystemTimeBox->setGeometry(10, 40, 300, 22);
    dstEnableBox = new QCheckBox(tr("Enable Daylight Saving Time"), this);
    dstEnableBox->setGeometry(10, 64, 300, 22);

    calibrationGroup = new QGroupBox(tr("Calibration"), this);
    calibrationGroup->setGeometry(10, 90, 460, 60);
    calibrationGroup->setCheckable(true);
    calibrationGroup->setChecked(false);
    adjustmentLabel = new QLabel(tr("Adjustment:"), calibrationGroup);
    adjustmentLabel->setGeometry(15, 26, 110, 26);
    calibrationSpin = new QSpinBox(calibrationGroup);
    calibrationSpin->setGeometry(130, 26, 70, 26);
    calibrationSpin->setRange(-MaxCalibration, MaxCalibration);
    calibrationSetButton = new QPushButton(tr("Set"), calibrationGroup);
    calibrationSetButton->setGeometry(215, 24, 100, 30);
    calibrationSetButton->setFont(buttonFont());
    calibration = currentController->clockCalibration;
    calibrationSpin->setValue(calibration);
}

void asettings_clock_widget::connectSignals()
{
    connect(setButton, &QPushButton::clicked, this, &asettings_clock_widget::setClockClicked);
    connect(useSystemTimeBox, &QCheckBox::clicked, dateTimeEdit, &QWidget::setDisabled);
    connect(calibrationGroup, &QGroupBox::toggled, this, &asettings_clock_widget::calibEnable);
    connect(calibrationSetButton, &QPushButton::clicked, this, &asettings_clock_widget::setCalibration);
    connect(dstEnableBox, &QCheckBox::stateChanged, this, &asettings_clock_widget::daylightsSavingEnable);
    // Every good clock reading shows the controller's flag and calibration.
    connect(currentController, &kd620_controller_class::controllerClockRead, this,
            [this](bool daylightSaving, int value) {
                dstBox->setChecked(daylightSaving);
                showCalibration(value);
            });
    // The group was opened for the controller of that moment: after a connection change it
    // must pass its gate again before anything is sent.
    connect(currentController, &kd620_controller_class::setConnectionStatus, this,
            [this](bool) { calibrationGroup->setChecked(false); });
}

void asettings_clock_widget::refresh()
{
    const kd620_controller_class &c = *currentController;
    calibration = c.clockCalibration;
    dateTimeEdit->setDateTime(appClock().currentDateTime());
    // A change of the box rewrites the word as 0 or 0xFFFF (daylightsSavingEnable).
    dstEnableBox->setChecked(readU16(c.confData, image_layout::DaylightSaving) != DaylightSavingOff);
    dstBox->setChecked(c.dstFlag != 0);
    show();
}

void asettings_clock_widget::showCalibration(int value)
{
    if (calibrationGroup->isChecked() || value == calibration)
        return;
    calibration = value;
    calibrationSpin->setValue(value);
}

// ============================================================ the clock

void asettings_clock_widget::setClockClicked(bool)
{
    const QDateTime when = useSystemTimeBox->isChecked() ? appClock().currentDateTime() : dateTimeEdit->dateTime();
    if (currentController->setControllerClock(when, dstBox->isChecked()) < 0)
        showMessage(message_icon::Critical, application_identity::name(), tr("Date and time setting\nerror!"),
                    message_button::Ok, message_button::NoButton, this);
    else
        showMessage(message_icon::Information, application_identity::name(),
                    tr("Date and time setting\nsuccessful!"), message_button::Ok, message_button::NoButton, this);
}

void asettings_clock_widget::daylightsSavingEnable(int state)
{
    kd620_controller_class &c = *currentController;
    if (state == Qt::Unchecked) {
        writeU16(c.confData, image_layout::DaylightSaving, DaylightSavingOff);
        dstBox->setChecked(c.dstFlag != 0);
        dstBox->setEnabled(false);
    } else if (state == Qt::Checked) {
        writeU16(c.confData, image_layout::DaylightSaving, DaylightSavingOn);
        dstBox->setEnabled(true);
    }
}

// ============================================================ calibration

bool asettings_clock_widget::firmwareTakesCalibration()
{
    const std::optional<firmware_version> version = firmware_version::fromText(currentController->firmwareText());
    return version && version->major >= CalibrationFirmwareMajor;
}

void asettings_clock_widget::calibEnable(bool open)
{
    if (!open) {
        // An unsent change is dropped.
        calibrationSpin->setValue(calibration);
        return;
    }
    if (!currentController->isConnected()) {
        calibrationGroup->setChecked(false);
        showMessage(message_icon::Critical, tr("USB Interface"), tr("Not connected!"), message_button::Ok,
                    message_button::NoButton, this);
        return;
    }
    if (!firmwareTakesCalibration()) {
        calibrationGroup->setChecked(false);
        showMessage(message_icon::Critical, tr("Overdue firmware version!"), tr("Required core \"G\" or newer!"),
                    message_button::Ok, message_button::NoButton, this);
    }
}

void asettings_clock_widget::setCalibration(bool)
{
    const int value = calibrationSpin->value();
    if (currentController->setClockCalibration(value) < 0) {
        // The controller keeps its calibration, and so does the page: closing the group puts
        // the spin box back to it.
        calibrationGroup->setChecked(false);
        // The link's own words for a request the controller did not take.
        showMessage(message_icon::Critical, tr("USB Interface"),
                    QCoreApplication::translate("kd620_controller_class", "Operation failed!"), message_button::Ok,
                    message_button::NoButton, this);
        return;
    }
    calibration = value;
    calibrationGroup->setChecked(false);
}
