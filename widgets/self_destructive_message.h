#pragma once

#include <QMessageBox>

// A message box with a single Ok button that closes itself after a time-out. The
// constructor runs the box modally and returns once it has closed, by time-out (result 0)
// or by the user's Ok.
class selfDestructiveMessage : public QMessageBox
{
    Q_OBJECT

public:
    selfDestructiveMessage(QMessageBox::Icon icon, const QString &title, const QString &text,
                           QWidget *parent, int timeoutMs);

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    int closeTimer = 0;
};
