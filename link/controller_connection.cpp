// Connecting to the controller and disconnecting, and the texts and state the rest of the
// program reads about the link.
#include "link/firmware_version.h"
#include "link/kd620_controller_class.h"
#include "link/usb_interface_message.h"
#include "link/usb_protocol.h"
#include "model/user_interaction.h"

#include <QCoreApplication>

namespace {

constexpr int FirmwareVersionAttempts = 10;
constexpr char NoSerialText[] = "S/N ----";

// The search passes over a controller it may not open like over any device that fails, so
// without this box the user would only learn that no controller was found.
void explainMissingPermission()
{
    showUsbInterfaceMessage(
        message_icon::Warning,
        QCoreApplication::translate("kd620_controller_class",
                                    "A KD625 is plugged in, but this user has no permission to open its USB device.\n"
                                    "Install the udev rule resources/udev/60-varidex625.rules as README.md describes, "
                                    "then unplug the controller and plug it in again."));
}

} // namespace

void kd620_controller_class::setConnection(bool connection)
{
    clockValid = 0;
    if (!connection) {
        // The controller goes back to normal mode; on a closed device this simply fails.
        sendRequest(REQ_SET_MODE, MODE_NORMAL, 0);
        usbDevice.close();
        snText = QLatin1String(NoSerialText);
        fwText = QLatin1String(NO_FIRMWARE_TEXT);
        connected = 0;
        uiMode = UiModeNone;
        controllerMode = MODE_NONE;
        emit setConnectionStatus(false);
        return;
    }

    int model = usbDevice.open();
    while (model != usb_link::ModelOlder && model != usb_link::ModelCurrent) {
        // The controller wanted is gone; while others are attached the user may search
        // again or change to one of them.
        if (otherSerials.isEmpty() || !userInteraction().askReconnect(otherSerials)) {
            if (usbDevice.sawControllerWithoutPermission())
                explainMissingPermission();
            connected = 0;
            emit setConnectionStatus(false);
            return;
        }
        model = usbDevice.open();
    }

    connected = 1;
    readSerialText();
    u8 version[4] = {};
    if (controlInRetried(REQ_FIRMWARE_VERSION, 0, 0, version, 4, FirmwareVersionAttempts) > 0)
        fwText = firmware_version::fromReply(version).text();
    else
        fwText = QLatin1String(NO_FIRMWARE_TEXT);  // no reason to give up the connection

    if (waitStatusSet(STATUS_LOADER, 1) == STATUS_LOADER) {
        controllerMode = MODE_LOADER;
    } else if (setWorkingMode(MODE_NORMAL) != MODE_NORMAL) {
        dropConnection();
        return;
    }
    clockRereadCounter = 10;
    emit setConnectionStatus(true);
    modelCode = model;
}

void kd620_controller_class::dropConnection()
{
    setConnection(false);
}

int kd620_controller_class::readSerialText()
{
    snText = QLatin1String(NoSerialText);
    if (connected == 0)
        return 0;
    if (usbDevice.readSerialNumber() != 0)
        return -1;
    snText = QStringLiteral("S/N ") + usbDevice.serialNumber.mid(2);
    return 0;
}

bool kd620_controller_class::isConnected() const
{
    return usbDevice.isOpen();
}

int kd620_controller_class::workingMode() const
{
    return controllerMode;
}

QString kd620_controller_class::serialText() const
{
    return snText;
}

QString kd620_controller_class::firmwareText() const
{
    return fwText;
}

t_threadUsbDevice *kd620_controller_class::getUsbDev()
{
    return &usbDevice;
}
