#pragma once

#include <QByteArray>
#include <QString>

class controller_configuration_class;
struct dmx_sheet_kind;

// The DMX sheet of the numbers from..to (1-based, from <= to, both numbers of the kind) of a
// configuration, byte for byte: the header, the number row, the time rows, the 512 channel
// rows and the description row, every line ended by LF, text in the local 8-bit encoding.
//
// The format has no quoting: a ";" or a line break inside a description would split its
// field or its row, so each is written as a blank.
QByteArray dmxSheetText(controller_configuration_class &configuration, const dmx_sheet_kind &kind, int from, int to);

enum class sheet_write_result { Written, CannotOpen, CannotWrite };

// Replaces the file with the text, whole or not at all: a write that fails leaves the old
// file as it was.
sheet_write_result writeDmxSheet(const QString &fileName, const QByteArray &text);
