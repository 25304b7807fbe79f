#pragma once

#include <QString>
#include <QTranslator>

// The program's own translation as the build makes it beside the program
// (Varidex625_<code>.qm), installed for the life of this object: what a page shows after
// the user chose that language. "en" installs nothing.
class built_translation
{
public:
    explicit built_translation(const QString &code);
    ~built_translation();
    built_translation(const built_translation &) = delete;
    built_translation &operator=(const built_translation &) = delete;

    // False when the language is not English and its file did not load.
    bool loaded() const { return isLoaded; }

private:
    QTranslator translator;
    bool isLoaded = false;
    bool installed = false;
};
