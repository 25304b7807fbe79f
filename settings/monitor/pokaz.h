#pragma once

#include "model/types.h"

#include <QWidget>

// One monitor window. What it shows of the controller is not built yet; the window
// itself opens and closes as the monitor says.
class pokaz : public QWidget
{
    Q_OBJECT

public:
    pokaz(u16 windowBit, const QString &title);

    const u16 windowBit;

signals:
    // The user closed the window.
    void closedByUser(u16 windowBit);

protected:
    void closeEvent(QCloseEvent *event) override;
};
