#include "scenes/ascene_groups_widget.h"

#include "link/kd620_controller_class.h"
#include "model/user_interaction.h"
#include "widgets/page_base.h"
#include "widgets/table_setup.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int GroupColumnWidth = 110;
constexpr int SceneColumnWidth = 80;
constexpr int DescriptionColumnWidth = 310;
// The buttons of the move question, left to right.
enum move_answer { MoveCancel, MoveYes };

QList<u16> &group(int g)
{
    return currentController->couplingGroups[g];
}

} // namespace

// --- Construction -----------------------------------------------------------------------

ascene_groups_widget::ascene_groups_widget(QTableWidget *sceneTable, QWidget *parent)
    : QWidget(parent)
    , sceneTable(sceneTable)
{
    createWidgets();
    connectSignals();
}

ascene_groups_widget::~ascene_groups_widget()
{
    // The tables go after this object: a selection they drop on their way out is no choice.
    for (QObject *child : findChildren<QObject *>())
        disconnect(child, nullptr, this, nullptr);
}

void ascene_groups_widget::createWidgets()
{
    groupLabel = new QLabel(tr("Select group:"), this);
    groupLabel->setGeometry(30, 60, 120, 24);
    membersLabel = new QLabel(tr("Group %1 members:").arg(1), this);
    membersLabel->setGeometry(320, 60, 140, 24);

    table_setup setup;
    setup.stretchLastColumn = false;
    setup.showHorizontalHeader = true;
    setup.selectionBehavior = QAbstractItemView::SelectRows;

    // The tables' rows come last, once they are set up: their row numbers are measured once.
    groupTable = new QTableWidget(0, GroupColumnCount, this);
    setup.geometry = QRect(30, 100, 116, 480);
    setup.showVerticalHeader = false;
    setUpTable(groupTable, setup);
    groupTable->setFont(page_base::listFont());
    groupTable->setHorizontalHeaderItem(GroupColumn, new QTableWidgetItem(tr("Group No.")));
    groupTable->setColumnWidth(GroupColumn, GroupColumnWidth);
    groupTable->setRowCount(GroupCount);
    for (int g = 0; g < GroupCount; ++g)
        groupTable->setItem(g, GroupColumn, new QTableWidgetItem);
    groupTable->setCurrentCell(0, GroupColumn);

    memberTable = new QTableWidget(0, MemberColumnCount, this);
    setup.geometry = QRect(190, 100, 434, 420);
    setup.showVerticalHeader = true;
    setUpTable(memberTable, setup);
    memberTable->setFont(page_base::listFont());
    memberTable->setHorizontalHeaderItem(SceneColumn, new QTableWidgetItem(tr("Scene")));
    memberTable->setHorizontalHeaderItem(DescriptionColumn, new QTableWidgetItem(tr("Description")));
    memberTable->setColumnWidth(SceneColumn, SceneColumnWidth);
    memberTable->setColumnWidth(DescriptionColumn, DescriptionColumnWidth);
    memberTable->setRowCount(MaxCoupledScenes);
    for (int row = 0; row < MaxCoupledScenes; ++row) {
        memberTable->setItem(row, SceneColumn, new QTableWidgetItem);
        memberTable->setItem(row, DescriptionColumn, new QTableWidgetItem);
    }

    addMemberButton = new QPushButton(tr("Add selected scene"), this);
    addMemberButton->setGeometry(190, 556, 200, 24);
    addMemberButton->setFont(page_base::listFont());
    removeMemberButton = new QPushButton(tr("Remove selected member"), this);
    removeMemberButton->setGeometry(420, 556, 200, 24);
    removeMemberButton->setFont(page_base::listFont());
}

void ascene_groups_widget::connectSignals()
{
    connect(groupTable, &QTableWidget::itemSelectionChanged, this, &ascene_groups_widget::grpChange);
    connect(addMemberButton, &QPushButton::clicked, this, &ascene_groups_widget::addMember);
    connect(removeMemberButton, &QPushButton::clicked, this, &ascene_groups_widget::removeMember);
}

int ascene_groups_widget::chosenGroup() const
{
    return std::max(groupTable->currentRow(), 0);
}

// --- Slots --------------------------------------------------------------------------------

// The shown group is kept in ascending order: once shown, its stored order is ascending too.
void ascene_groups_widget::refresh()
{
    const QBrush inUse(page_base::inUseColour());
    const QBrush base = QApplication::palette().brush(QPalette::Base);
    for (int g = 0; g < GroupCount; ++g) {
        QTableWidgetItem *item = groupTable->item(g, GroupColumn);
        item->setText(tr("Group %1").arg(g + 1));
        item->setBackground(group(g).isEmpty() ? base : inUse);
    }
    const int g = chosenGroup();
    membersLabel->setText(tr("Group %1 members:").arg(g + 1));
    QList<u16> &members = group(g);
    std::sort(members.begin(), members.end());
    for (int row = 0; row < MaxCoupledScenes; ++row) {
        QTableWidgetItem *scene = memberTable->item(row, SceneColumn);
        QTableWidgetItem *description = memberTable->item(row, DescriptionColumn);
        if (row >= members.size()) {
            // The scene data of an empty row is never read: removal checks the row first.
            scene->setText(QString());
            description->setText(QString());
            continue;
        }
        const int number = members[row];
        scene->setText(tr("Scene %1").arg(number + 1));
        scene->setData(Qt::UserRole, number);
        const QString &text = currentController->sceneDescs[size_t(number)];
        description->setText(text.isEmpty() ? page_base::tr("no description") : text);
    }
}

void ascene_groups_widget::grpChange()
{
    refresh();
    memberTable->scrollToTop();
}

void ascene_groups_widget::addMember()
{
    const int scene = sceneTable->currentRow();
    const int g = groupTable->currentRow();
    if (scene < 0 || g < 0 || group(g).size() >= MaxCoupledScenes)
        return;
    // A scene belongs to one group at most: the first that holds it is the only one.
    for (int other = 0; other < GroupCount; ++other) {
        if (!group(other).contains(u16(scene)))
            continue;
        if (other == g) {
            tell(tr("Nothing to do!"), tr("Scene %1 already coupled with group %2!").arg(scene + 1).arg(g + 1));
            return;
        }
        if (!confirmMove(scene, other, g))
            return;
        group(other).removeOne(u16(scene));
        break;
    }
    if (currentController->coupledSceneCount() >= MaxCoupledScenes) {
        tell(tr("Unrealisable action!"), tr("To many coupled scenes!"));
        return;
    }
    group(g).append(u16(scene));
    // The next scene, so repeated clicks couple consecutive scenes; after the last scene
    // there is none, and the list stays where it is.
    if (scene + 1 < sceneTable->rowCount())
        sceneTable->setCurrentCell(scene + 1, 0);
    refresh();
    memberTable->scrollToItem(memberTable->item(int(group(g).size()) - 1, SceneColumn));
}

// The current member row is not moved: it then points at the next member.
void ascene_groups_widget::removeMember()
{
    const int row = memberTable->currentRow();
    const int g = groupTable->currentRow();
    if (row < 0 || g < 0 || row >= group(g).size())
        return;
    group(g).removeOne(u16(memberTable->item(row, SceneColumn)->data(Qt::UserRole).toInt()));
    refresh();
}

bool ascene_groups_widget::confirmMove(int scene, int fromGroup, int toGroup)
{
    message_request request;
    request.icon = message_icon::Question;
    request.title = tr("Are you sure?");
    request.text = tr("Scene %1 is coupled with group %2!").arg(scene + 1).arg(fromGroup + 1)
                   + tr("\nDo you really move it to group %1?").arg(toGroup + 1);
    request.customButtons = {{tr("Cancel"), button_role::Reject}, {tr("Yes, I do!"), button_role::Accept}};
    request.defaultCustomButton = MoveCancel;
    request.parentWidget = this;
    return userInteraction().showMessage(request) == MoveYes;
}

void ascene_groups_widget::tell(const QString &title, const QString &text)
{
    showMessage(message_icon::Information, title, text, message_button::Ok, message_button::NoButton, this);
}
