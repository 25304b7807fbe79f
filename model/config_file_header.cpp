#include "model/config_file_header.h"
#include "model/application_identity.h"

#include "model/config_file_format.h"

namespace {

constexpr char LineBreak[] = "\r\n";

// Company, street, postcode and town, telephone, fax, e-mail. Their length is part of the
// format: with these lines the header text is 252 bytes in the current format, so three
// fill bytes follow it (the reader needs at least one), and 255 in the old format.
constexpr const char *ContactLines[] = {
    "Varidex Lighting",
    "1 Example Street",
    "00-000 Sampletown",
    "Tel. +00 000 000 000",
    "Fax +00 000 000 001",
    "contact@varidex.example",
};

constexpr int textLength(const char *text)
{
    int n = 0;
    while (text[n] != '\0')
        ++n;
    return n;
}

constexpr int contactBlockSize()
{
    int size = 4;  // the closing line break and the empty line
    for (const char *line : ContactLines)
        size += 2 + textLength(line);
    return size;
}
static_assert(contactBlockSize() == 127, "the header must keep its length");

QByteArray contactBlock()
{
    QByteArray block;
    for (const char *line : ContactLines)
        block += LineBreak + QByteArray(line);
    return block + LineBreak + LineBreak;
}

} // namespace

QByteArray config_file_header::dateText(const QDateTime &written)
{
    return written.toString(QStringLiteral("dd.MM.yyyy hh:mm.ss")).toLatin1();
}

QByteArray config_file_header::build(bool oldFormat, const QDateTime &written)
{
    using namespace config_file_format;
    QByteArray text;
    text += oldFormat ? OldMagic : CurrentMagic;
    text += LineBreak;
    text += oldFormat ? "KD620 configuration and data file.\r\n" : "Kd620 project description file.\r\n";
    text += QByteArray("File written by ") + application_identity::Name + " rel. " + application_identity::Release;
    text += QByteArray("\r\nLast modification:  ") + dateText(written);
    text += contactBlock();
    while ((text.size() + 1) % HeaderAlignment != 0)
        text += HeaderFill;
    text += '\0';
    return text;
}
