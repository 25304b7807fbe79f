#pragma once

#include "tests/support/scripted_interaction.h"

#include <QStringList>

// The boxes shown so far, one line each: "warning|Remote control:|Divergent key!". Icons
// read critical, warning, information, question or none.
QStringList messageSummaries(const scripted_interaction &ui);
// The same line for one expected box.
QString messageSummary(message_icon icon, const QString &title, const QString &text);
// True when every box was an OK-only box of the main window.
bool allOkBoxesOfTheMainWindow(const scripted_interaction &ui);
