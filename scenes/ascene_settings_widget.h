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
class guardedSpinBox;
class kd620_controller_class;
struct level_set;
struct scene_times_record;

// The Scenes tab: the 3072 scenes of the configuration in a list, and for the current scene
// its 512 channel levels on channel strips, its fade-up, duration and fade-down times, its
// description, and a grid of channel boxes to select channels and set them together. Levels
// and times are edited in place in the image, descriptions in the controller object; there
// is no apply step. In the Live working mode the controller shows the current scene and
// follows every level written through the strips.
//
// What belongs to scenes rather than to editing levels in general (the count, the image
// areas, the descriptions, live sending, the rule for the times, the row colours and the
// texts) is kept in `kind` and in the few functions marked below.
class ascene_settings_widget : public page_base
{
    Q_OBJECT

public:
    // --- Construction -------------------------------------------------------------------
    ascene_settings_widget(kd620_controller_class *controller, QWidget *parent);
    ~ascene_settings_widget() override;

    // Columns of the scene list; tabs of sceneTabs.
    enum scene_column { DescriptionColumn, SceneColumnCount };
    enum scene_tab { SingleChannelsTab, GrouppedChannelsTab, CopyingTab, CoupledScenesTab };

    // --- The configuration it shows -----------------------------------------------------
    int currentScene = 0;  // 0-based; changed only by sceneChange
    // DMX output channels in use as far as the page knows: 64 until limitChnls says
    // otherwise. The configuration send asks about old firmware above 32.
    int chnlsInUse = 64;
    // The controller of another configuration file to copy from, or null; owned.
    kd620_controller_class *tmpDev = nullptr;

    // --- Widgets --------------------------------------------------------------------------
    QTableWidget *sceneTable = nullptr;  // row i shows scene i + 1
    QTabWidget *sceneTabs = nullptr;     // scene_tab
    QWidget *singleChannelsTab = nullptr;
    QWidget *grouppedChannelsTab = nullptr;
    QWidget *copyingTab = nullptr;
    QWidget *coupledScenesTab = nullptr;

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

    // The box of a 0-based channel (0..63) in channelGrid.
    QTableWidgetItem *channelBox(int channel) const;

signals:
    // (0-based scene just chosen): the strips switch to it.
    void sceneChanged(int scene);

public slots:
    void tabChanged(int index);
    void sceneChange(const QModelIndex &current, const QModelIndex &previous);
    // Live mode was switched on while the page is shown: the current scene again.
    void sceneLiveOn();
    // The description line's editing finished: stores its text as typed.
    void disableDescEdition();
    void validStart(int value);
    void validEnd(int value);
    // "Execute!": checks, unchecks or inverts the boxes of the chosen channels.
    void selectSome();
    // The value strip moved: every checked channel takes its level.
    void groupSetValue(int channel, int level);
    void destTmpDev();
    // Shows the current scene from the configuration (and sends it in the Live mode).
    void refresh();
    // Rewrites every row of the scene list from the scene descriptions.
    void relabel();
    // A new count of DMX output channels in use (24..64).
    void limitChnls(int channels);
    // The time editors changed (once a change, rounded to a tenth); each reads its editor.
    void riseTimeChange(QTime time);
    void lastTimeChange(QTime time);
    void fallTimeChange(QTime time);
    void lastTimeInfChange(int state);
    // The three times of a scene may not all be 0: warns and sets the duration to 1.0 s.
    void CheckTimes();
    // "Clear channels": all 512 levels of the current scene to 0.
    void clearAllChnls();

private:
    void createWidgets();
    void createSceneList();
    void createTabs();
    void createSingleChannelsTab();
    void createGrouppedChannelsTab();
    void createSelectionGroup();
    void connectSignals();

    scene_times_record times() const;
    void setTimes(const scene_times_record &times);
    QString &description(int scene) const;
    void showTimes();
    void showRows();
    QString elidedRowText(int scene) const;
    // Puts the list's current row back on the current scene.
    void keepCurrentRow();

    // What makes these the scene editors.
    const level_set &kind;
    bool timesRuleBroken(const scene_times_record &times) const;
    bool rowInUse(int scene) const;

    // Set while the list's current row is put back: that row change is no new scene.
    bool restoringRow = false;
};
