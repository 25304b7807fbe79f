#include "settings/asettings_clock_widget.h"

#include "widgets/stand_in_page.h"
#include "link/kd620_controller_class.h"
#include "model/clock_interface.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

asettings_clock_widget::asettings_clock_widget(QWidget *parent)
    : QWidget(parent)
{
    setGeometry(10, 22, 480, 150);
    dateTimeEdit = new QDateTimeEdit(this);
    dateTimeEdit->setGeometry(10, 8, 200, 24);
    dateTimeEdit->setDisplayFormat(QStringLiteral("dd.MM.yyyy  hh:mm:ss"));
    dstBox = new QCheckBox(tr("DST"), this);
    dstBox->setGeometry(225, 8, 80, 24);
    setButton = new QPushButton(tr("Set"), this);
    setButton->setGeometry(320, 7, 100, 26);
    setButton->setEnabled(false);

    calibrationGroup = new QGroupBox(tr("Calibration"), this);
    calibrationGroup->setGeometry(10, 42, 200, 60);
    calibrationGroup->setCheckable(true);
    calibrationGroup->setChecked(false);
    calibrationSpin = new QSpinBox(calibrationGroup);
    calibrationSpin->setGeometry(10, 26, 80, 24);
    calibrationSpin->setRange(-31, 31);
    shownCalibration = currentController->clockCalibration;
    calibrationSpin->setValue(shownCalibration);

    stand_in_page::addNote(tr("Setting the controller's clock and its calibration is not built yet."), this, 225, 50);

    connect(currentController, &kd620_controller_class::controllerClockRead, this,
            [this](bool daylightSaving, int calibration) {
                dstBox->setCheckState(daylightSaving ? Qt::Checked : Qt::Unchecked);
                showCalibration(calibration);
            });
}

void asettings_clock_widget::refresh()
{
    dateTimeEdit->setDateTime(appClock().currentDateTime());
}

void asettings_clock_widget::showCalibration(int calibration)
{
    if (calibrationGroup->isChecked() || calibration == shownCalibration)
        return;
    shownCalibration = calibration;
    calibrationSpin->setValue(calibration);
}
