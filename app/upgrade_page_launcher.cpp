#include "app/upgrade_page_launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

QString upgradePageAddress()
{
    return QStringLiteral("https://%1/downloads").arg(QLatin1String(MAKER_SITE_ADDRESS));
}

upgrade_page_command upgradePageCommand(const QProcessEnvironment &environment, const QString &address)
{
    upgrade_page_command command;
    if (!environment.contains(QStringLiteral("ComSpec")))
        return command;
    command.program = environment.value(QStringLiteral("ComSpec"));
    if (environment.contains(QStringLiteral("OS")))
        command.arguments << QStringLiteral("/c");
    command.arguments << QStringLiteral("start") << address;
    return command;
}

void openUpgradePage(const upgrade_page_command &command, const QString &address)
{
    if (command.program.isEmpty())
        QDesktopServices::openUrl(QUrl(address));
    else
        QProcess::startDetached(command.program, command.arguments);
}
