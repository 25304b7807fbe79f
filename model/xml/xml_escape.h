#pragma once

#include <QString>

// Escaping of description texts put into XML lines: "&" is doubled, "<" and ">" become
// "&lt;" and "&gt;"; quotes, line breaks and everything else are left alone.
QString xml_escapeText(const QString &text);
// The most characters one character of a text becomes ("&lt;", "&gt;").
constexpr qsizetype xml_LongestEscape = 4;

// The inverse, in one scan from left to right: "&&" gives "&", "&lt;" gives "<", "&gt;"
// gives ">", and any other "&" is kept as it stands. Unescaping an escaped text always
// gives the text back.
QString xml_unescapeText(const QString &text);
