#include "app/language_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

const std::array<built_in_language_name, 6> builtInLanguageNames = {{
    {"pl", "Polski"},
    {"de", "Deutsch"},
    {"fr", "Français"},
    {"it", "Italiano"},
    {"es", "Español"},
    {"ru", "Русский"},
}};

QList<language_entry_class> languageList;
int requestedLanguage = -1;
int currentLanguage = -1;

namespace {

// "Varidex625_de.qm" gives "de": the two characters before ".qm".
QString codeOfTranslationFile(const QString &fileName)
{
    return fileName.mid(fileName.size() - 5, 2);
}

QString builtInName(const QString &code)
{
    for (const built_in_language_name &entry : builtInLanguageNames) {
        if (code == QLatin1String(entry.code))
            return QString::fromUtf8(entry.name);
    }
    return QString();
}

} // namespace

language_selection buildLanguageList(const QDir &dir, const QString &savedCode, const QString &savedName,
                                     QObject *translatorOwner)
{
    const QString wanted = savedCode.isEmpty() ? QString::fromLatin1(defaultLanguageCode) : savedCode;
    language_selection selection;
    selection.requested = -1;
    selection.entries.append({QStringLiteral("English"), QStringLiteral("en"), nullptr, nullptr});
    if (wanted == QLatin1String("en"))
        selection.requested = 0;

    const QStringList files = dir.entryList({QString::fromLatin1(translationFilePattern)},
                                            QDir::Files | QDir::Readable, QDir::Unsorted);
    for (const QString &fileName : files) {
        const QString code = codeOfTranslationFile(fileName);
        // A file that does not load still gets its entry; its translator translates nothing.
        auto *translator = new QTranslator(translatorOwner);
        (void)translator->load(dir.filePath(fileName));
        if (code == wanted)
            selection.requested = int(selection.entries.size());
        QString name = builtInName(code);
        if (name.isEmpty())
            name = code == wanted ? savedName : QCoreApplication::translate("QObject", "unknown");
        selection.entries.append({name, code, translator, nullptr, qtTranslationFor(code, translatorOwner)});
    }

    if (selection.requested == -1)
        selection.requested = selection.entries.size() > 1 ? int(selection.entries.size()) - 1 : 0;
    return selection;
}

QTranslator *qtTranslationFor(const QString &code, QObject *owner)
{
    auto *translator = new QTranslator(owner);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_") + code, folder))
        return translator;
    delete translator;
    return nullptr;
}

void installLanguage(int index)
{
    if (currentLanguage > 0) {
        const language_entry_class &current = languageList[currentLanguage];
        QCoreApplication::removeTranslator(current.translator);
        if (current.qtTranslator)
            QCoreApplication::removeTranslator(current.qtTranslator);
    }
    currentLanguage = index;
    if (currentLanguage > 0) {
        // The translator installed last is asked first: the program's texts before Qt's.
        const language_entry_class &chosen = languageList[currentLanguage];
        if (chosen.qtTranslator)
            QCoreApplication::installTranslator(chosen.qtTranslator);
        QCoreApplication::installTranslator(chosen.translator);
    }
}
