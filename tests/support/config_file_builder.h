#pragma once

#include "model/types.h"

#include <QByteArray>
#include <QString>

// Configuration files made and damaged byte by byte, for the file reader's tests, its
// fuzz corpus and the benchmarks. Offsets are those of the file formats: a 256-byte
// header, then (current format) the 16-byte info block at 256.

QByteArray readFileBytes(const QString &path);
bool writeFileBytes(const QString &path, const QByteArray &bytes);

// The image of a new, empty configuration.
QByteArray emptyConfigurationImage();

// A current-format file around an image (any bytes, compressed as they are) and an XML
// text, laid out as the writer lays it out.
QByteArray currentFormatFile(const QByteArray &image, const QByteArray &xmlText);
// An old-format file of the given uncompressed data (image and description blocks).
QByteArray oldFormatFile(const QByteArray &data);

// Fields of a current-format file's info block at offset 256.
constexpr int InfoBlockAt = 256;
u16 infoDataOffset(const QByteArray &file);
u32 infoDataLength(const QByteArray &file);
u32 infoXmlOffset(const QByteArray &file);
void setInfoWord(QByteArray &file, int offsetInBlock, u32 value, int size);

// Make the checksums agree with the bytes again after a change, so that a test reaches
// the checks behind the CRC.
void refreshCurrentFormatCrc(QByteArray &file);
void refreshOldFormatCrc(QByteArray &file);
