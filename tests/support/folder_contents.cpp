#include "tests/support/folder_contents.h"

#include <QDir>
#include <QFile>

QString replaceQuestion(const QString &fileName)
{
    return fileName + QStringLiteral(" already exists.\nDo you want to replace it?");
}

void makeFiles(const QString &folder, const QStringList &names)
{
    for (const QString &name : names) {
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write("kept as it was: " + name.toUtf8() + '\n');
    }
}

folder_contents readFolder(const QString &folder)
{
    folder_contents contents;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile file(dir.filePath(name));
        contents[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    return contents;
}

QStringList changedFiles(const folder_contents &before, const folder_contents &after)
{
    QStringList changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()) || before.value(it.key()) != it.value())
            changed << it.key();
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            changed << it.key();
    }
    changed.sort();
    return changed;
}
