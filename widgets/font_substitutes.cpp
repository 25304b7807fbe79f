#include "widgets/font_substitutes.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

struct font_substitute {
    const char *windowsFamily;
    const char *freeFamily;
};

// Liberation Sans has Arial's widths and comes closest to those of Tahoma and the dialog
// font; Liberation Sans Narrow has Arial Narrow's.
constexpr font_substitute fontSubstitutes[] = {
    {"MS Shell Dlg", "Liberation Sans"},
    {"MS Shell Dlg 2", "Liberation Sans"},
    {"Tahoma", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
};

constexpr int FormsPointSize = 10;

} // namespace

QFont formsDialogFont()
{
    return QFont(QStringLiteral("MS Shell Dlg"), FormsPointSize);
}

void substituteWindowsFonts()
{
    const QStringList installed = QFontDatabase::families();
    for (const font_substitute &entry : fontSubstitutes) {
        const QString freeFamily = QString::fromLatin1(entry.freeFamily);
        if (installed.contains(freeFamily, Qt::CaseInsensitive))
            QFont::insertSubstitution(QString::fromLatin1(entry.windowsFamily), freeFamily);
    }
    QApplication::setFont(formsDialogFont());
}
