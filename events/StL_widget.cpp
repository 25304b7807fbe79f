#include "events/StL_widget.h"

#include "events/aevents_tableview_widget.h"
#include "events/setStateClass.h"
#include "link/kd620_controller_class.h"
#include "model/controller_configuration_class.h"

#include <QHeaderView>
#include <QRadioButton>

namespace {

constexpr int StateCount = controller_configuration_class::StateCount;
constexpr int StatesInByteA = 4;   // A1..A4
constexpr int StatesPerWord = 16;  // two bits each
constexpr int RowHeight = 28;
constexpr int ColumnWidths[] = {60, 312, 480};
constexpr int NameColumn = 0;
constexpr int ChoiceColumn = 1;
constexpr int DescriptionColumn = 2;

} // namespace

StL_widget::StL_widget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    twStates->horizontalHeader()->hide();
    twStates->verticalHeader()->hide();
    twStates->setRowCount(StateCount);
    for (int c = 0; c < int(std::size(ColumnWidths)); ++c)
        twStates->setColumnWidth(c, ColumnWidths[c]);
    twStates->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // One line a row: a long description is cut with an ellipsis at its end, not by words.
    twStates->setWordWrap(false);
    for (int i = 0; i < StateCount; ++i)
        fillRow(i);

    connect(pbCancel, &QPushButton::clicked, this, &StL_widget::slotAbort);
    connect(pbSet, &QPushButton::clicked, this, &StL_widget::slotSave);
    connect(pbClear, &QPushButton::clicked, this, &StL_widget::clearAll);
}

void StL_widget::fillRow(int i)
{
    twStates->setRowHeight(i, RowHeight);
    const QString name = aevents_tableview_widget::stateName(i);
    twStates->setItem(i, NameColumn, new QTableWidgetItem(tr("State %1%2").arg(name.at(0)).arg(name.mid(1))));
    twStates->setCellWidget(i, ChoiceColumn, new setStateClass(i, this));
    const QString &description = currentController->stateDescs[size_t(i)];
    auto *item = new QTableWidgetItem(description.isEmpty() ? tr("no description...") : description);
    item->setFlags(Qt::ItemIsEnabled);
    twStates->setItem(i, DescriptionColumn, item);
}

setStateClass *StL_widget::stateRow(int i) const
{
    return qobject_cast<setStateClass *>(twStates->cellWidget(i, ChoiceColumn));
}

void StL_widget::load(int statesA, const u32 words[4])
{
    for (int i = 0; i < StateCount; ++i)
        stateRow(i)->setCode(aevents_tableview_widget::stateCondition(i, statesA, words));
}

int StL_widget::store(u32 words[4]) const
{
    int statesA = 0;
    for (int w = 0; w < 4; ++w)
        words[w] = 0;
    for (int i = 0; i < StateCount; ++i) {
        const u32 code = u32(stateRow(i)->code());
        if (i < StatesInByteA) {
            statesA |= int(code << (2 * i));
        } else {
            const int k = i - StatesInByteA;
            words[k / StatesPerWord] |= code << (2 * (k % StatesPerWord));
        }
    }
    return statesA;
}

void StL_widget::slotAbort()
{
    emit abort(this);
}

void StL_widget::slotSave()
{
    setPressed = true;
    emit save(this);
    setPressed = false;
    emit abort(this);
}

void StL_widget::clearAll()
{
    for (int i = 0; i < StateCount; ++i)
        stateRow(i)->ignoreButton->setChecked(true);
}
