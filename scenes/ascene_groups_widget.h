#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

// The "Coupled Scenes" tab of the scene page: the 15 scene coupling groups of the current
// controller, the members of the chosen one, and buttons that couple the scene current in
// the scene list to the chosen group and take a chosen member out. Every change goes
// straight into the controller's group lists; what is shown is rebuilt from them by each
// refresh. A scene is in one group at most, and all groups together hold 64 scenes at most.
class ascene_groups_widget : public QWidget
{
    Q_OBJECT

public:
    // --- Construction -------------------------------------------------------------------
    // sceneTable is the scene page's list (not owned): its current row is the scene to couple.
    ascene_groups_widget(QTableWidget *sceneTable, QWidget *parent);
    ~ascene_groups_widget() override;

    static constexpr int GroupCount = 15;
    static constexpr int MaxCoupledScenes = 64;
    enum group_column { GroupColumn, GroupColumnCount };
    enum member_column { SceneColumn, DescriptionColumn, MemberColumnCount };

    // --- Widgets --------------------------------------------------------------------------
    QTableWidget *sceneTable;
    QLabel *groupLabel = nullptr;
    QLabel *membersLabel = nullptr;
    QTableWidget *groupTable = nullptr;   // row g: "Group g + 1"
    QTableWidget *memberTable = nullptr;  // row i: member i of the chosen group
    QPushButton *addMemberButton = nullptr;
    QPushButton *removeMemberButton = nullptr;

public slots:
    // Redraws the groups and the chosen group's members from the controller.
    void refresh();
    // Another group was chosen.
    void grpChange();
    // "Add selected scene": couples the scene list's current scene to the chosen group.
    void addMember();
    // "Remove selected member".
    void removeMember();

private:
    void createWidgets();
    void connectSignals();
    int chosenGroup() const;
    // Asks before a scene coupled with another group is moved; true for "Yes, I do!".
    bool confirmMove(int scene, int fromGroup, int toGroup);
    void tell(const QString &title, const QString &text);
};
