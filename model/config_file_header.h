#pragma once

#include <QByteArray>
#include <QDateTime>

// The text header of a configuration file: magic line, title line, the program's release,
// the date of writing and the maker's contact lines, filled with 0x1A bytes up to one short
// of a multiple of 16 and closed by a NUL. Single-byte text, written as it stands.
class config_file_header
{
public:
    // The whole header, NUL included; its size is a multiple of 16.
    static QByteArray build(bool oldFormat, const QDateTime &written);

    // "dd.MM.yyyy hh:mm.ss", as the header and the project description carry it.
    static QByteArray dateText(const QDateTime &written);
};
