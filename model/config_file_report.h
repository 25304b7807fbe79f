#pragma once

#include <QString>

// The end of every save and open of a configuration file: a box with the outcome (title
// "Varidex625"), then, when retitle is set, the main window's title, which names the file
// after a success.
void reportConfigFileOutcome(bool success, const QString &text, const QString &path, bool retitle = true);
