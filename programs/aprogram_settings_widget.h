#pragma once

#include "model/types.h"
#include "widgets/page_base.h"

#include <QModelIndex>
#include <QTime>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class QTableWidget;
class aprogram_conf_widget;
class aprogram_settings_copying;
class aprogram_entry_delegate;
class guardedSpinBox;
class MyTimeEdit;
class infTime_class;
class kd620_controller_class;
struct extra_entry_class;

// The Programs tab: the list of programs, and the editor of the current program on the
// tabs beside it. "Single Steps" shows the step table with the step count, the
// recurrences and the scene of the selected step (previewed on the controller in Live
// mode); "Groupped Steps" sets many steps at once; "Copying" copies ranges of programs;
// "Test entries", shown only while extra entries are enabled, lists the extra entries.
// Under the tabs a line shows and edits the current program's description.
//
// Every change goes straight into currentController's program store and descriptions; the
// page keeps no copy of them and shows whatever configuration is current when it refreshes.
class aprogram_settings_widget : public page_base
{
    Q_OBJECT

public:
    // --- construction -----------------------------------------------------------------
    // A page filling the Programs tab page. The page reaches the configuration through
    // currentController at every use, not through the argument.
    aprogram_settings_widget(kd620_controller_class *controller, QWidget *parent);
    ~aprogram_settings_widget() override;

    enum program_tab { SingleStepsTab, GroupedStepsTab, CopyingTab, EntriesTab };

    // Adds the "Test entries" tab (true) or removes it when it is the fourth tab (false).
    void showEntriesTab(bool on);
    // The description line shows a text it cannot edit (another program's, on the Copying
    // tab); an edit not yet finished is stored first.
    void showOtherDescription(const QString &text);

    // --- the configuration it shows ---------------------------------------------------
    int currentProgram = 0;      // 0-based; the program every tab acts on
    int gridStepCount = 0;       // the step count the grouped-steps grid reflects
    int ordinaryPrograms = 512;  // rows of the program list: 512 minus the extra entries
    // Another configuration file to copy programs from, or null; owned.
    kd620_controller_class *tmpDev = nullptr;

    // --- widgets: the frame -------------------------------------------------------------
    QTableWidget *programTable = nullptr;
    QTabWidget *programTabs = nullptr;
    QLineEdit *programDescEdit = nullptr;
    // The pages of the four tabs; the last is added only while extra entries are enabled.
    QWidget *singleStepsPage = nullptr;
    QWidget *groupedStepsPage = nullptr;
    aprogram_settings_copying *copyingPage = nullptr;
    QWidget *entriesPage = nullptr;

    // --- widgets: Single Steps ----------------------------------------------------------
    QLabel *programNumberLabel = nullptr;
    aprogram_conf_widget *stepTable = nullptr;
    QPushButton *sequenceButton = nullptr;  // "Scenes' Sequence"
    QPushButton *editSceneButton = nullptr; // connected by the main window
    QPushButton *insertStepButton = nullptr;
    QPushButton *deleteStepButton = nullptr;
    QPushButton *copyStepButton = nullptr;
    QPushButton *pasteStepButton = nullptr;
    QCheckBox *replaceBox = nullptr;        // read by the step table's paste
    QSpinBox *stepCountSpin = nullptr;
    QSpinBox *recurrencesSpin = nullptr;
    QLineEdit *sceneDescEdit = nullptr;

    // --- widgets: chained event and fade-down after a break (Single Steps) -------------
    // The event the program fires when it ends: a type (the item data holds the first
    // event code of the type) and a number from 1.
    QComboBox *chainTypeCombo = nullptr;
    QSpinBox *chainNumberSpin = nullptr;
    // The fade-down time after a break; its checked box reads "Do not use".
    infTime_class *breakTimeEdit = nullptr;

    // --- widgets: Groupped Steps -------------------------------------------------------
    // One box per possible step: box k (row k / 10, column k % 10) stands for step k + 1.
    // Boxes of existing steps are enabled; a tick lives only in the box.
    QTableWidget *stepGrid = nullptr;
    QLabel *gridProgramLabel = nullptr;
    QRadioButton *selectRadio = nullptr;
    QRadioButton *deselectRadio = nullptr;
    QRadioButton *invertRadio = nullptr;
    QCheckBox *everyBox = nullptr;
    QSpinBox *everySpin = nullptr;
    QCheckBox *inRangeBox = nullptr;
    guardedSpinBox *selFrom = nullptr;  // the range in step numbers from 1, both ends included
    guardedSpinBox *selTo = nullptr;
    QPushButton *executeButton = nullptr;
    QSpinBox *groupSceneSpin = nullptr;  // counted from 1
    QPushButton *setSceneButton = nullptr;
    MyTimeEdit *groupFadeUpEdit = nullptr;
    QPushButton *setFadeUpButton = nullptr;
    MyTimeEdit *groupDurationEdit = nullptr;
    QCheckBox *infiniteBox = nullptr;
    QPushButton *setDurationButton = nullptr;
    // The box of step k + 1 (k 0..999).
    QCheckBox *gridBox(int k) const;

    // --- widgets: Test entries ------------------------------------------------------------
    // Row k of the table is entry k of the controller's extra entries (program 512 - k).
    enum entry_column { EntrySourceColumn, EntryStepColumn, EntryProgramColumn, EntryColumnCount };
    QTableView *entriesView = nullptr;
    QStandardItemModel *entriesModel = nullptr;
    aprogram_entry_delegate *entryDelegate = nullptr;
    QPushButton *addEntryButton = nullptr;
    QPushButton *removeEntryButton = nullptr;
    QPushButton *removeAllButton = nullptr;
    // The steps an entry can start in: its source's, when the source is an ordinary
    // program; none for a hole or a source that is itself an extra entry.
    int entrySourceSteps(const extra_entry_class &entry) const;

signals:
    // Programs were copied with their scenes: the scene list shows new descriptions.
    void relabelScenes();

public slots:
    // The current program gets `count` steps (0..999): in the store, the step table and
    // the grouped-steps grid (all boxes at once when `all`, else from the old count on).
    void sceneCountChange(int count, bool all);
    void sceneCountChange(int count);
    // The program list's current row becomes the current program.
    void programNumberChange(const QModelIndex &current, const QModelIndex &previous);
    // The current program's recurrences: 0 repeats endlessly, 1..100 runs.
    void programRunModeChange(int recurrences);
    // The description line's edit is finished: it becomes the current program's.
    void disableDescEdition();
    // A scene number (from 1) is being entered in the step table: its description shows.
    void currentSceneChanged(int scene);
    // The step table's current row changed: its scene's description shows, and in Live
    // mode the controller shows the scene while the step table is shown (or will be when
    // its window is).
    void sceneRowChange(const QModelIndex &current, const QModelIndex &previous);
    // The step table shows the store again after an edit: in Live mode the controller gets
    // the current step's scene when the edit changed it (once the step table is shown).
    void stepsRefreshed();
    // The step table's operations changed the step count: shown without acting on it.
    void stepCountChanged(int count);
    void tabChanged(int index);

    // --- chained event and fade-down after a break ----------------------------------
    // The type changed: the number box takes the type's range and the code is stored.
    void chainTypeChanged(int index);
    // The number was entered: the code is stored.
    void chainNoChanged();
    // The edited break time is stored; leaving the widget stores what it shows.
    void newBreakTime(QTime &time);
    void newBreakTime(QWidget *edit);
    // The "Do not use" box: checked (2) stores 0xFFFF, unchecked stores one second.
    void breakTimeOff(int state);

    // --- grouped steps --------------------------------------------------------------------
    // A range end was accepted: the other end follows so the range is never reversed.
    void validStart(int value);
    void validEnd(int value);
    // "Execute!": selects, clears or inverts the boxes of the chosen steps.
    void selectSome();
    // The "Set" buttons: every ticked step gets the scene, the fade-up time, or the
    // duration (or the infinite mark, keeping the stored duration).
    void setStepScene();
    void setRiseTime();
    void setLastTime();

    // --- extra entries ------------------------------------------------------------------
    // "Add": fills the first hole, else takes the highest ordinary program (asking when it
    // has steps); each new entry enters program 1 at its step 2.
    void addEntry();
    // "Remove": the last entry goes, one before it becomes a hole so the entries behind
    // it keep their program numbers.
    void delEntry();
    // "Remove all", without a question.
    void clrEntries();
    // The description line shows the selected entry's source, or program n (from 1).
    void showEntryDesc(const QModelIndex &current, const QModelIndex &previous);
    void showEntryDesc(int program);

    // Releases the other configuration file; the Copying tab can no longer copy from it.
    void destTmpDev();
    // Refreshes the current tab, then the program list.
    void refresh();
    // Rewrites the program rows with their descriptions shortened to the column.
    void relabel();

private:
    void createWidgets();
    void createFrame();
    void createSingleStepsTab();
    void createOtherTabs();
    void connectSignals();

    void refreshTabs();
    void refreshSingleSteps();
    void refreshProgramTable();

    // --- chained event and fade-down after a break (aprogram_settings_chain.cpp) ------
    void createChainWidgets();
    // The current program's chained event and break time; they store nothing but a
    // chained event the program cannot keep (see refreshChain()).
    void refreshChain();
    void refreshBreakTime();
    void showChainRange(u16 base);
    void storeChain(u16 base, int number);
    // The chained delay for number n: n, or a replacement when a sequence owns delay n.
    u16 checkedDelay(int number);
    void connectBreakTimeEditor();
    void disconnectBreakTimeEditor();

    // --- grouped steps (aprogram_settings_grid.cpp) ------------------------------------
    void createGroupedStepsTab();
    void createGridSelection();
    void createGridSetters();
    // The grouped-steps grid follows a new step count: every box at once (`all`), or from
    // the count its boxes show on, clearing the boxes it disables.
    void followStepCount(int count, bool all);
    // Applies a setter to every ticked step, then shows the step table again.
    template <typename Setter>
    void setTickedSteps(Setter setter);

    // --- extra entries (aprogram_settings_entries.cpp) ---------------------------------
    void createEntriesTab();
    // The rows of the extra-entries table, one per entry.
    void refreshEntries();
    void showEntryRow(int row, const extra_entry_class &entry);
    // "Program exists!": true when the user lets an entry take the program's slot.
    bool askOverwrite(int program);

    // The step count of a program, 0 when the store does not hold it.
    int stepsOf(int program) const;
    // The description line shows the description of `program` (nothing for -1); it can be
    // edited only where it shows the current program, so an edit never lands on another.
    // An edit not yet finished is stored first for the program it was typed for.
    void showDescription(int program, bool editable);
    // The program the program list's current row shows, or the current program.
    int selectedProgram() const;

    // A refresh asked for while one runs (from inside a modal box, or when the list loses
    // the current row) runs after it, not inside it.
    bool refreshing = false;
    bool refreshAgain = false;
    // Sends a step's scene to the controller in Live mode while the step table is shown.
    void previewScene(int scene);
    bool stepTableShown() const;
    // The step table's row whose scene the description line and the controller follow, and
    // the scene the controller was given for it (or would have been, outside Live mode or
    // on a hidden table when the row became current); -1 none.
    int followedRow = -1;
    int followedScene = -1;
    // The program whose description the line edits; -1 while it cannot be edited.
    int describedProgram = -1;
    // The steps whose boxes are enabled; gridStepCount runs ahead of it while a Single
    // Steps refresh records a count the boxes have not followed yet.
    int gridBoxCount = 0;
    QList<QCheckBox *> gridBoxes;
};
