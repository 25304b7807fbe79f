#include "link/usb_interface_message.h"

#include <QCoreApplication>

void showUsbInterfaceMessage(message_icon icon, const QString &text)
{
    showMessage(icon, QCoreApplication::translate("kd620_controller_class", "USB Interface"), text);
}
