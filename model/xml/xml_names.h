#pragma once

#include <QLatin1String>

// Reserved names and the texts of the error entries that the reader leaves in a tree.
namespace xml_names {

// Name of a document's root element; the writer leaves out the tags of a node so named.
constexpr QLatin1String Root("@root");

// Name of the leaves and attributes that mark a fault found while reading.
constexpr QLatin1String Error("@error");

// Texts of the error leaves and the value of the error attribute.
constexpr QLatin1String InvalidLine("invalid line");
constexpr QLatin1String UnexpectedEof("unexpected EOF !");
constexpr QLatin1String Unclosed("unclosed");
constexpr QLatin1String NestingTooDeep("nesting too deep");
constexpr QLatin1String LineTooLong("line too long");
constexpr QLatin1String UnexpectedEndTag("unexpected end tag");
constexpr QLatin1String ReadError("read error");

// Name of the leaf that keeps the text of an element that also holds child entries.
constexpr QLatin1String TextLeaf("value");

} // namespace xml_names
