#pragma once

#include <QString>

// The end of every save and open of a configuration file: a box with the outcome (title
// "Varidex625"), then, after a success and when retitle is set, the main window's title
// naming the file. A failure keeps the title.
void reportConfigFileOutcome(bool success, const QString &text, const QString &path, bool retitle = true);
