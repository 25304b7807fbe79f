#include "settings/monitor/pokaz.h"

#include "widgets/stand_in_page.h"

pokaz::pokaz(u16 windowBit, const QString &title)
    : windowBit(windowBit)
{
    setWindowTitle(title);
    resize(360, 120);
    stand_in_page::addNote(tr("What the controller reports here is not shown yet."), this, 20, 20);
}

void pokaz::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closedByUser(windowBit);
}
