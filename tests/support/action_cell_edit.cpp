#include "tests/support/action_cell_edit.h"

#include "events/DTL_widget.h"
#include "events/StL_widget.h"
#include "events/aevents_tableview_widget.h"
#include "events/setStateClass.h"
#include "link/kd620_controller_class.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

void clickCell(QTableView *table, int row, int column)
{
    const QPoint at = table->visualRect(table->model()->index(row, column)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
}

QWidget *openCellEditor(aevents_tableview_widget *table, int row, int column)
{
    const QModelIndex cell = table->model()->index(row, column);
    const QPoint at = table->visualRect(cell).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    return table->indexWidget(cell);
}

bool makeTheChoice(QWidget *editor)
{
    if (auto *daytime = qobject_cast<DTL_widget *>(editor)) {
        daytime->modeBox->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(daytime->modeBox, Qt::Key_Down);
        return daytime->modeBox->currentIndex() == DTL_widget::DaytimeOnly;
    }
    if (auto *states = qobject_cast<StL_widget *>(editor); states && states->isVisible()) {
        QTest::mouseClick(states->stateRow(0)->whenSetButton, Qt::LeftButton);
        return states->stateRow(0)->whenSetButton->isChecked();
    }
    return false;
}

void endTheEdit(aevents_tableview_widget *table, QWidget *editor)
{
    if (auto *states = qobject_cast<StL_widget *>(editor); states && states->isVisible())
        QTest::mouseClick(states->pbSet, Qt::LeftButton);
    else if (table->rowCount() > 0)
        clickCell(table, 0, aevents_tableview_widget::TypeColumn);
}

QString actionLimits(int event, int j)
{
    const event_actions_class &store = currentController->eventActions;
    if (j < 0 || j >= store.count(u32(event)))
        return QStringLiteral("none");
    u32 words[4];
    const int statesA = store.stateLimit(event, j, words);
    return QStringLiteral("%1 %2 %3 %4")
        .arg(store.daytimeLimitFrom(event, j), 2, 16, QLatin1Char('0'))
        .arg(store.daytimeLimitTo(event, j), 2, 16, QLatin1Char('0'))
        .arg(statesA, 2, 16, QLatin1Char('0'))
        .arg(words[0], 8, 16, QLatin1Char('0'));
}
