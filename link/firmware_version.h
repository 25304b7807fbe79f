#pragma once

#include "model/types.h"

#include <QString>

#include <optional>

// The controller's firmware version (reply of REQ_FIRMWARE_VERSION: i8 major, i8 minor,
// i16 build, little-endian) and its text "F/W ver. 3.00.0009".
struct firmware_version {
    int major = 0;
    int minor = 0;
    int build = 0;

    // The version in a reply; bytes the controller did not send must be zero.
    static firmware_version fromReply(const u8 reply[4]);
    // The version a firmware text shows; none for "F/W ----", an empty or any other text.
    static std::optional<firmware_version> fromText(const QString &text);

    QString text() const;
    // The version alone, "3.00.0009", as the firmware text shows it.
    QString number() const;
    bool operator<(const firmware_version &other) const;
};

// The firmware text of a controller that did not tell its version.
inline constexpr char NO_FIRMWARE_TEXT[] = "F/W ----";

// The firmware gates: true when the firmware text shows a version older than the one of
// the gate text (e.g. "F/W ver. 3.00.0009"). Versions are compared by their numbers, so
// 3.00.0010 is newer than 3.00.0009; a text without a version ("F/W ----", empty) is older
// than every version.
bool firmwareOlderThan(const QString &firmwareText, const QString &gateText);
