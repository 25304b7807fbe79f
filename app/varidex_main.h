#pragma once

#include <QStringList>

class QObject;

// The whole program: application object, controller, main window, event loop.
// The executable calls it; the test build calls it with the simulated controller attached.
int varidexMain(int argc, char **argv);

// Its steps, for a program that has its application object already:
// the language list from the parameters file and the translation files in the working
// directory (translators owned by translatorOwner) with the saved language installed, the
// controller, the command line;
void startUp(const QStringList &arguments, QObject *translatorOwner);
// the main window, built anew under each language the user chooses, until it closes: the
// result of the last event loop;
int runMainWindows();
// and the end: the controller goes, which closes its device.
void shutDown();
