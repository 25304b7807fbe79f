#pragma once

#include <QFont>

// The monitor's lamps and value cells: "MS Shell Dlg" 9, bold.
inline QFont monitorCellFont()
{
    QFont font(QStringLiteral("MS Shell Dlg"), 9);
    font.setBold(true);
    font.setItalic(false);
    return font;
}
