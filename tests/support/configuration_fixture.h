#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class controller_configuration_class;

// Builders and comparisons of whole configurations, for the file and transfer tests.

// Fills c with a configuration that uses every area as fully as the controller allows:
// levels and times of every scene and mask, 504 programs of 16 steps and 8 extra entries,
// 8000 actions with daytime and state limits, 100 timers, full coupling groups, 128
// sequences of two delays, the sun table and the settings, and (when withDescriptions) a
// description for every scene, mask, program, state, input, key and event. The stores are
// in the form they take after being packed and rebuilt, so a round trip through the image
// must give them back unchanged. Deterministic.
void populateConfiguration(controller_configuration_class &c, bool withDescriptions = true);

// A description text that exercises the XML escapes and a multi-byte letter; different for
// every (group, index), at most 40 characters.
QString sampleDescription(const char *group, int index);

// Everything a configuration holds besides the image bytes (descriptions, every store,
// the remote-control settings, the clock calibration), one readable line per item, so a
// failed comparison shows where two configurations differ.
QStringList configurationDump(const controller_configuration_class &c);

// The image bytes and the dump: equal snapshots mean equal configurations.
struct configuration_snapshot {
    QByteArray image;
    QStringList dump;

    static configuration_snapshot of(const controller_configuration_class &c);
    bool operator==(const configuration_snapshot &o) const { return image == o.image && dump == o.dump; }
    // The first line (or "image" and the first differing offset) where two snapshots part.
    QString firstDifference(const configuration_snapshot &o) const;
};
