#pragma once

#include <QByteArray>

class QTextStream;
class controller_configuration_class;
class xml_node_class;

// The description texts of a configuration as the two file formats carry them: the XML
// project description of the current format, and the 100-byte blocks of the old one.
namespace config_file_descriptions {

// Writes the project description: one element per line, every line ended by a line feed,
// starting with an empty line; a group holds one line per description that is not empty.
void writeProjectDescription(QTextStream &out, controller_configuration_class &c, const QByteArray &dateText);

// Takes the descriptions out of a parsed project description whose levels are fixed
// ("project" / "descriptions" under root). Lines whose number is out of their group's
// range, whose mode is missing or unknown for their group, or whose text is empty are
// passed over; a later line for the same description replaces an earlier one. A text
// longer than a description holds is cut to description_bound::MaxLength.
void takeProjectDescription(xml_node_class &root, controller_configuration_class &c);

// Old format: the scene, program, sequence-start event and mask descriptions as 100-byte
// blocks in that order, each the local 8-bit text cut at a character boundary to at most
// 100 bytes and filled with zero bytes.
QByteArray oldFormatBlocks(controller_configuration_class &c);

// Old format: the descriptions held by data, the uncompressed old-format data (image
// first, then as many whole groups of blocks as its size holds). Each block ends at its
// first zero byte, or after 100 bytes.
void takeOldFormatBlocks(const QByteArray &data, controller_configuration_class &c);

} // namespace config_file_descriptions
