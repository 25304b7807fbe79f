#pragma once

#include <QString>
#include <QStringList>

class controller_configuration_class;

// What the command line asks for at start-up.
struct start_options
{
    QStringList configFiles;     // -C: configuration files to open, in command-line order
    QString optionL;             // -L: stored, used by nothing else (the last one counts)
    QString optionP;             // -P: likewise
    QStringList badParameters;   // every argument that is no known option, in order
};

// Walks the arguments after the program's name. Arguments without a leading "-" are
// skipped; otherwise the second character, in either case, selects: C, L and P take the
// next argument as their value (it is not read as an option itself); anything else, a lone
// "-" too, is a bad parameter. Only the second character counts: "-Cfoo" is -C. An option
// that needs a value but ends the command line is a bad parameter as well.
start_options parseStartOptions(const QStringList &arguments);

// Stores -L and -P in the controller and writes "Bad parameter : <argument>" to the debug
// output for each bad parameter. Opening the -C files is the caller's part.
void applyStartOptions(const start_options &options, controller_configuration_class &controller);
