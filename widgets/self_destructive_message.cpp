#include "widgets/self_destructive_message.h"

#include <QTimerEvent>

selfDestructiveMessage::selfDestructiveMessage(QMessageBox::Icon icon, const QString &title,
                                               const QString &text, QWidget *parent, int timeoutMs)
    : QMessageBox(icon, title, text, QMessageBox::Ok, parent,
                  Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    closeTimer = startTimer(timeoutMs);
    exec();
}

// Timers of the box's own machinery are passed on; only ours closes it.
void selfDestructiveMessage::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != closeTimer) {
        QMessageBox::timerEvent(event);
        return;
    }
    killTimer(closeTimer);
    closeTimer = 0;
    done(0);
}
