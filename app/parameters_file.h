#pragma once

#include <QString>

// The parameters file, in the working directory: the interface language the user chose,
// in our XML dialect:
//
//   <ini device="Kd625">
//    <desc>Kd620 parameters file</desc>
//    <lang>pl</lang>
//    <lang_name>Polski</lang_name>
//   </ini>
inline constexpr char parametersFileName[] = "Kd625.kdi";

struct saved_language
{
    QString code;  // empty when none was saved
    QString name;
};

// The language saved in the file at path. A missing, unreadable or invalid file, one
// without "ini" or for another device, gives empty texts, and so does a missing leaf.
// Leaves are found ignoring case.
saved_language readSavedLanguage(const QString &path);

// Saves the language in the file at path. The "ini" element of a valid file is kept with
// everything else it holds (other top-level elements are dropped); any other file is
// replaced by a new one. Returns false when the file cannot be written; the old file then
// stays as it was.
bool saveLanguage(const QString &path, const QString &code, const QString &name);
