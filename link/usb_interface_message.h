#pragma once

#include "model/user_interaction.h"

#include <QString>

// A box about the link to the controller: title "USB Interface", the given icon and
// (translated) text, OK, parent the main window.
void showUsbInterfaceMessage(message_icon icon, const QString &text);
