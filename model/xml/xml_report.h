#pragma once

class xml_element_class;

// The log of a file that did not read cleanly, in the working directory.
inline constexpr char XmlReportFileName[] = "xml_report.log";

// Writes the parsed tree under root (the root's own tags left out, error entries where
// they arose) to "xml_report.log" in the working directory, replacing an older log, in the
// local 8-bit encoding. Returns false when the log could not be written.
bool writeXmlReport(const xml_element_class &root);
