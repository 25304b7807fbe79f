#pragma once

#include "link/maker_site.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// "Check upgrades" opens the download page of the controller's firmware. Where the
// environment names a command interpreter in "ComSpec", the interpreter's "start" opens
// it (with "/c" first when "OS" is set); elsewhere the desktop's own means do.

// The firmware download page, on the maker's site.
QString upgradePageAddress();

struct upgrade_page_command {
    QString program;        // the interpreter; empty: open the page with the desktop
    QStringList arguments;
};

upgrade_page_command upgradePageCommand(const QProcessEnvironment &environment, const QString &address);

// Starts the command without waiting, or opens the page; reports nothing either way.
void openUpgradePage(const upgrade_page_command &command, const QString &address);
