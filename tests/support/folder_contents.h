#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// The files of one folder by name, with their bytes: taken before and after a save, they
// show which files it wrote or replaced and that every other one is byte for byte as it was.
using folder_contents = QMap<QString, QByteArray>;

// Creates the named files in the folder, each with contents of its own.
void makeFiles(const QString &folder, const QStringList &names);
folder_contents readFolder(const QString &folder);
// The names of the files that are new or whose bytes differ, sorted; a file that went away
// is listed too.
QStringList changedFiles(const folder_contents &before, const folder_contents &after);

// What a save asks, in English, before it replaces the file of that name.
QString replaceQuestion(const QString &fileName);
