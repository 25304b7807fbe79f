#pragma once

#include "widgets/page_base.h"

#include <QTime>

class MyTimeEdit;
class QCheckBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;
class admx512_sliders_widget;
class admx_slider_widget;
class dmx_sheet_group;
class guardedSpinBox;
class kd620_controller_class;
struct level_set;
struct scene_times_record;

// The texts that name the kind a page edits, translated by the page of that kind.
struct level_page_texts {
    QString listHeader;       // the list's column header
    QString numberLabel;      // the Groupped Channels label at start, "%1" the number
    QString chosenLabel;      // the same label once a number was chosen
    QString clearButton;      // the Single Channels button that clears the levels
    QString uselessCopy;      // a copy onto its own first source is refused with this
    QString fileFilter;       // the file dialog's filter for another configuration
};

// The Scenes and Masks tabs are one editor over two kinds of level sets: a list of all
// scenes (masks), and for the current one its 512 channel levels on channel strips, its
// fade-up, duration and fade-down times, its description, and a grid of channel boxes to
// select channels and set them together. Levels and times are edited in place in the
// image, descriptions in the controller object; there is no apply step.
//
// What tells the kinds apart (counts, image areas, descriptions, live sending, the rule for
// the times, the cleared level, the row colours) is the page's `kind`, and its texts come
// from the page of that kind. The members keep the scene page's names; the mask page
// names its own the mask way too.
class level_settings_page : public page_base
{
    Q_OBJECT

public:
    ~level_settings_page() override;

    // Columns of the list; tabs of sceneTabs (the scene page adds its Coupled Scenes).
    enum list_column { DescriptionColumn, ListColumnCount };
    enum page_tab { SingleChannelsTab, GrouppedChannelsTab, CopyingTab, CoupledScenesTab };

    // --- The configuration it shows -----------------------------------------------------
    int currentScene = 0;  // 0-based; changed only by sceneChange
    // DMX output channels in use as far as the page knows: 64 until limitChnls says
    // otherwise.
    int chnlsInUse = 64;
    // The controller of another configuration file to copy from, or null; owned.
    kd620_controller_class *tmpDev = nullptr;

    // --- Widgets --------------------------------------------------------------------------
    QTableWidget *sceneTable = nullptr;  // row i shows number i + 1
    QTabWidget *sceneTabs = nullptr;     // page_tab
    QWidget *singleChannelsTab = nullptr;
    QWidget *grouppedChannelsTab = nullptr;
    QWidget *copyingTab = nullptr;

    // Single Channels
    admx512_sliders_widget *sliders = nullptr;
    MyTimeEdit *riseTimeEdit = nullptr;
    MyTimeEdit *lastTimeEdit = nullptr;
    MyTimeEdit *fallTimeEdit = nullptr;
    QCheckBox *infiniteBox = nullptr;
    QPushButton *clearChannelsButton = nullptr;
    QLineEdit *descEdit = nullptr;

    // Groupped Channels
    QTableWidget *channelGrid = nullptr;  // channel c: row c / 10, column c % 10
    QLabel *groupSceneLabel = nullptr;
    QRadioButton *selectRadio = nullptr;
    QRadioButton *deselectRadio = nullptr;
    QRadioButton *invertRadio = nullptr;
    QCheckBox *everyBox = nullptr;
    QSpinBox *everyStep = nullptr;
    QCheckBox *rangeBox = nullptr;
    guardedSpinBox *selFrom = nullptr;  // 1-based channels
    guardedSpinBox *selTo = nullptr;
    QPushButton *executeButton = nullptr;
    QCheckBox *valueEnableBox = nullptr;
    admx_slider_widget *valueStrip = nullptr;
    QCheckBox *copyEnableBox = nullptr;  // copying with relocation
    QSpinBox *relocationSpin = nullptr;  // 1..511 channels higher
    QPushButton *groupCopyButton = nullptr;

    // Copying: "Current Configuration" (numbers 1-based)
    QSpinBox *copyFrom = nullptr;
    QSpinBox *copyTo = nullptr;  // its minimum follows copyFrom
    QPushButton *copySceneButton = nullptr;
    QLineEdit *sourceDescEdit = nullptr;  // the first source of the range changed last
    // "Another Configuration"
    QLineEdit *altFileEdit = nullptr;
    QPushButton *altBrowseButton = nullptr;
    QPushButton *altOpenButton = nullptr;
    QPushButton *altReleaseButton = nullptr;
    QSpinBox *altFrom = nullptr;
    QSpinBox *altTo = nullptr;  // its minimum follows altFrom
    QPushButton *altCopyButton = nullptr;  // enabled while a file that was read is held

    // Copying: the DMX sheet's Import / Export group, with the records of a sheet read.
    dmx_sheet_group *sheetBox = nullptr;

    // The box of a 0-based channel (0..63) in channelGrid.
    QTableWidgetItem *channelBox(int channel) const;
    // The kind of level sets the page edits.
    const level_set &kind;

signals:
    // (0-based number just chosen): the strips switch to it.
    void sceneChanged(int number);

public slots:
    void tabChanged(int index);
    void sceneChange(const QModelIndex &current, const QModelIndex &previous);
    // The description line's editing finished: stores its text as typed.
    void disableDescEdition();
    void validStart(int value);
    void validEnd(int value);
    // "Execute!": checks, unchecks or inverts the boxes of the chosen channels.
    void selectSome();
    // The value strip moved: every checked channel takes its level.
    void groupSetValue(int channel, int level);
    // The two "Enable" boxes of the Groupped Channels tab exclude each other.
    void copyEnabled(bool on);
    void sliderEnabled(bool on);
    // The checked channels of the current number, copied relocationSpin channels higher.
    void copyGroup();
    // copyFrom..copyTo onto the current number and those after it.
    void copyScene();
    // copyFrom changed: its description, and copyTo not below it.
    void sourceDesc(int value);
    // altFrom changed (or a file was read): altTo not below it, its description.
    void lowLimit_2(int value);
    // Chooses another configuration file, then reads it.
    void browseFile();
    // Reads the file named in altFileEdit into a new temporary configuration.
    void readFile();
    // altFrom..altTo of the other configuration onto the current number and those after it.
    void copyAltScene();
    // Clears the other configuration (kept, but nothing to copy from).
    void clrCfg();
    // Releases the other configuration.
    void destTmpDev();
    // The DMX sheet group: direction, file dialog, file chosen, export or import.
    void impOrExport();
    void browseImpExp();
    void chooseFile();
    void migrate();
    // Shows the current number from the configuration; in the Live mode the controller
    // shows the scene too, while the page is shown (or will be when its window is).
    void refresh();
    // Rewrites every row of the list from the descriptions.
    void relabel();
    // A new count of DMX output channels in use (24..64).
    void limitChnls(int channels);
    // The time editors changed (once a change, rounded to a tenth); each reads its editor.
    void riseTimeChange(QTime time);
    void lastTimeChange(QTime time);
    void fallTimeChange(QTime time);
    void lastTimeInfChange(int state);
    // The times may not all be 0 (the kind's rule): warns and sets the duration to 1.0 s.
    void CheckTimes();
    // "Clear": all 512 levels of the current number to the kind's cleared level.
    void clearAllChnls();

protected:
    // Builds the page on its parent (a tab page) and makes its connections; the page of a
    // kind finishes it and shows it with showCurrent().
    level_settings_page(kd620_controller_class *controller, QWidget *parent, const level_set &kind,
                        const level_page_texts &texts);

    // All of refresh() but the live send: what the page of a kind shows once it is built.
    // A new page shows number 1, which the controller in Live mode need not be showing:
    // what goes on the stage is the window's choice once it is built.
    void showCurrent();

    // What the scene page adds: the end of a refresh (before the live send) and a tab of
    // its own becoming current.
    virtual void refreshMore() {}
    virtual void ownTabChosen(int) {}

private:
    void createWidgets();
    void createSceneList();
    void createTabs();
    void createSingleChannelsTab();
    void createGrouppedChannelsTab();
    void createSelectionGroup();
    void createRelocationControls();
    void createCopyingGroups();
    void connectSignals();
    void createSheetGroup();
    void connectSheetGroup();
    void copyRange(kd620_controller_class &source, int first, int last);

    scene_times_record times() const;
    void setTimes(const scene_times_record &times);
    QString &description(int number) const;
    void showTimes();
    void showRows();
    QString elidedRowText(int number) const;
    // Puts the list's current row back on the current number.
    void keepCurrentRow();

    const level_page_texts texts;
    // Set while the list's current row is put back: that row change is no new number.
    bool restoringRow = false;
};
