#pragma once

#include <QList>
#include <QString>

#include <array>

class QAction;
class QDir;
class QObject;
class QTranslator;

// One interface language offered in the Language menu.
struct language_entry_class
{
    QString name;                        // display name, never translated
    QString code;                        // two-letter code ("en", "pl", ...)
    QTranslator *translator = nullptr;   // null for English, the built-in texts
    QAction *action = nullptr;           // its action in the current window's Language menu
    QTranslator *qtTranslator = nullptr; // Qt's own texts (standard buttons, file dialogs) in
                                         // this language; null where Qt has no translation
};

struct built_in_language_name
{
    const char *code;
    const char *name;  // UTF-8
};

// Display names of the languages we know by code, matched exactly (case-sensitive).
// English is not here: its entry is made directly.
extern const std::array<built_in_language_name, 6> builtInLanguageNames;

// The file name pattern of translation files, matched ignoring case.
inline constexpr char translationFilePattern[] = "Varidex625_*.qm";
// The code used when no language was saved.
inline constexpr char defaultLanguageCode[] = "pl";

struct language_selection
{
    QList<language_entry_class> entries;  // English first, then one per translation file
    int requested = 0;                    // index of the language the window is to use
};

// Builds the language list from the translation files in dir, in the order the directory
// lists them, and chooses the entry of the saved code (an empty code counts as "pl"; the
// last file that matches wins). Without a match the last translation found is taken, and
// English only when it was saved or no translation exists. Each file gets a translator,
// a child of translatorOwner, whether or not it loads; beside it Qt's own translation of
// the language where the Qt installation has one (qtTranslationFor).
language_selection buildLanguageList(const QDir &dir, const QString &savedCode, const QString &savedName,
                                     QObject *translatorOwner);

// Qt's own translation of the language of code ("qtbase_de.qm" from the Qt installation's
// translations folder), loaded into a translator owned by owner; null when there is none.
QTranslator *qtTranslationFor(const QString &code, QObject *owner);

// Process-wide state of the language switch. languageList is built once at start;
// requestedLanguage is the index the next window is to use (-1: none requested);
// currentLanguage the index whose translator is installed (-1 before the first).
extern QList<language_entry_class> languageList;
extern int requestedLanguage;
extern int currentLanguage;

// Removes the current language's translators from the application and installs those of
// languageList[index], Qt's own and the program's; English (index 0) installs none.
// currentLanguage becomes index.
void installLanguage(int index);
