#pragma once

#include <QString>

#include <optional>

class QIODevice;
class QObject;
class QTextStream;
class controller_configuration_class;

// The remote-control settings file (".rcu"): the remote control's system address and the
// code and description of each of its 64 keys, one XML element a line, in the local 8-bit
// encoding. It is the only file that keeps the codes and the address.
namespace rcu_settings_file {

// The file name's extension and the filter that adds it.
inline constexpr char Extension[] = ".rcu";

// Writes the settings as the file's lines. False when the stream failed.
bool write(QTextStream &out, const controller_configuration_class &c);
// Writes the file whole through a save file: false when it could not be opened or written,
// in which case an older file of that name is left as it was.
bool save(const QString &fileName, const controller_configuration_class &c);

// Reads an opened file into c's settings: the address always, all 64 codes when the key
// table is missing, the code and description of every key the file lists; the rest stays.
// Parse errors go to "xml_report.log" with a warning; what is missing or out of range is
// reported as a data error. The boxes belong to messageParent (a page).
void read(QIODevice &file, const QString &fileName, controller_configuration_class &c, QObject *messageParent);

// A number as the file holds it: the whole text, blanks at either end aside, is one
// integer, decimal or with the prefixes "0x" (hexadecimal), "0b" (binary) or "0" (octal),
// optionally signed. None for any other text, a negative number or one too large for 32
// bits, so that a text that is no number never passes for 0.
std::optional<quint32> parseNumber(const QString &text);

} // namespace rcu_settings_file
