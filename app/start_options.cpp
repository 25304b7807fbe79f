#include "app/start_options.h"

#include "model/controller_configuration_class.h"

#include <QDebug>

start_options parseStartOptions(const QStringList &arguments)
{
    start_options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!argument.startsWith(QLatin1Char('-')))
            continue;
        const QChar option = argument.size() > 1 ? argument[1].toUpper() : QChar();
        QString *value = nullptr;
        if (option == QLatin1Char('L'))
            value = &options.optionL;
        else if (option == QLatin1Char('P'))
            value = &options.optionP;
        const bool takesValue = value || option == QLatin1Char('C');
        if (!takesValue || i + 1 >= arguments.size()) {
            options.badParameters.append(argument);
            continue;
        }
        const QString &next = arguments[++i];
        if (value)
            *value = next;
        else
            options.configFiles.append(next);
    }
    return options;
}

void applyStartOptions(const start_options &options, controller_configuration_class &controller)
{
    controller.optionL = options.optionL;
    controller.optionP = options.optionP;
    for (const QString &argument : options.badParameters)
        qDebug().noquote() << "Bad parameter :" << argument;
}
