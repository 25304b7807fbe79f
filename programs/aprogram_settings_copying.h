#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class aprogram_settings_widget;
class program_copy_run;

// The "Copying" tab of the program page: copies a range of programs onto the programs
// from the current one on, with their steps, recurrences, fade-down after a break, chained
// event and description, and the scenes they use into a pool of unused scenes. The
// "Current Configuration" group copies within the configuration; the "Another
// Configuration" group opens a configuration file into the page's temporary controller
// (aprogram_settings_widget::tmpDev) and copies from it. The pool and the reversal of
// the steps' order serve both.
class aprogram_settings_copying : public QWidget
{
    Q_OBJECT

public:
    // --- construction -----------------------------------------------------------------
    explicit aprogram_settings_copying(aprogram_settings_widget *page, QWidget *parent = nullptr);

    // --- widgets: both copies -----------------------------------------------------------
    QLabel *copyProgramLabel = nullptr;  // "Program: %1", the first destination
    QSpinBox *scenePoolSpin = nullptr;   // the first unused scene, from 1
    QCheckBox *reverseBox = nullptr;

    // --- widgets: Current Configuration ---------------------------------------------------
    QGroupBox *currentGroup = nullptr;
    QSpinBox *copyFromSpin = nullptr;
    QSpinBox *copyToSpin = nullptr;
    QPushButton *copyButton = nullptr;
    QCheckBox *noScenesBox = nullptr;

    // --- widgets: Another Configuration ---------------------------------------------------
    QGroupBox *anotherGroup = nullptr;
    QLineEdit *altFileEdit = nullptr;
    QPushButton *altBrowseButton = nullptr;
    QPushButton *altOpenButton = nullptr;
    QPushButton *altReleaseButton = nullptr;  // the page's destTmpDev()
    QSpinBox *altFromSpin = nullptr;
    QSpinBox *altToSpin = nullptr;
    QPushButton *altCopyButton = nullptr;     // enabled while another configuration is open

    // Shows the first destination and the description of the copy range's first program.
    void refresh();

signals:
    // A copy is complete: scenes and programs may have new descriptions.
    void programsCopied();

public slots:
    // The first program of a range (from 1) bounds its last and shows its description.
    void lowLimit_1(int v);
    void lowLimit_2(int v);
    // Chooses a configuration file and opens it.
    void browseFile();
    // Opens the file named in altFileEdit as the other configuration.
    void readFile();
    // Copies the range of the current configuration, or of the other one.
    void copyPgm();
    void copyAltPgm();
    // Empties the other configuration.
    void clrCfg();

private:
    void createWidgets();
    void createCurrentGroup();
    void createAnotherGroup();
    void connectSignals();

    // The first destination: the program list's current row, -1 without one.
    int destination() const;
    // False, telling the user, when count programs from dest on pass program 512.
    bool withinProgramCount(int dest, int count);
    bool confirmOverlap();
    void inform(const QString &title, const QString &text);
    // Runs a prepared copy and lets the page follow a complete one.
    void finish(program_copy_run &run, int from, int to, int dest);

    aprogram_settings_widget *page;
};
