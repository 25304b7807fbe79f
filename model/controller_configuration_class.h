#pragma once

#include "model/event_actions_class.h"
#include "model/extra_entry_class.h"
#include "model/image_layout.h"
#include "model/program_list_class.h"
#include "model/timer_entry_class.h"
#include "model/types.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

// The configuration side of the controller object: one whole configuration of the
// controller, i.e. the configuration image, every description text, the stores that live
// as objects between loads, and the remote-control settings. The link side (USB device,
// connection, transfers) is added by kd620_controller_class, which derives from this.
class controller_configuration_class : public QObject
{
    Q_OBJECT

public:
    static constexpr int CouplingGroupCount = 15;
    static constexpr int StateCount = 68;  // A1-A4, then B1-B8 .. I1-I8
    static constexpr int EventCount = int(::EventCount);
    static constexpr int RcuKeyCount = 64;
    static constexpr int DescriptionLength = 100;

    // What ClearConfig clears; ClearEverything also fills the whole image with 0xFF first.
    enum clear_bit : u32 {
        ClearScenes = 0x1,           // levels, times, coupling tables and groups
        ClearPrograms = 0x2,         // per-program tables and every step
        ClearChains = 0x4,           // chained events and step events
        ClearSceneDescs = 0x8,
        ClearProgramDescs = 0x10,
        ClearTimers = 0x20,          // timer table, sun events off, timer-event actions and texts
        ClearInputs = 0x40,          // input types, input-event actions, input and input-event texts
        ClearDmxInEvents = 0x80,     // DMX-in event actions and texts
        ClearDmxOutputs = 0x100,     // channel settings, limit, MBFT, DMX-out event range and texts
        ClearInternalEvents = 0x200, // internal-event actions and texts
        ClearRcu = 0x400,            // key codes, address, key texts, key-event actions and texts
        ClearDmxOutEvents = 0x800,   // DMX-out event actions and event range
        ClearLimits = 0x1000,        // daytime and state limits of every action
        ClearDelays = 0x2000,        // delays, delay and sequence event actions and texts
        ClearMasks = 0x4000,         // mask fade times and levels
        ClearMaskDescs = 0x8000,
        ClearSun = 0x10000,          // sun table and location, sun events off, daylight saving on
        ClearAllDescs = 0x20000,     // every description text
        ClearEverything = 0xFFFFF,
    };

    controller_configuration_class();
    ~controller_configuration_class() override;

    controller_configuration_class(const controller_configuration_class &) = delete;
    controller_configuration_class &operator=(const controller_configuration_class &) = delete;

    // The configuration image, 0x200000 bytes; owned.
    u8 *confData = nullptr;
    // Path of the current project file, where the next file dialog starts (set by the
    // right panel once a file was saved or opened whole).
    QString currentFile;
    // Whether opening a file names it in the main window's title. A temporary other
    // configuration, read only to copy from, leaves the title to the one the window edits.
    bool retitlesWindow = true;
    // Scene coupling groups: 0-based scene numbers, at most 64 in all.
    QList<u16> couplingGroups[CouplingGroupCount];
    // Delays of each sequence in step order, and the delays started by Delay Start actions.
    QList<u16> sequenceDelays[image_layout::SequenceCount];
    QList<u16> delaysInUse;
    // Extra entries into programs; list index j describes program 511 - j. Owned.
    QList<extra_entry_class *> extraEntries;
    // The programs while they are edited; packed with
    // programList.commitToImage(confData, extraEntries), rebuilt with
    // programList.rebuildFromImage(confData, extraEntries).
    program_list_class programList;
    // Timers, row = event code - 0x800.
    timer_entry_class timerTable[image_layout::TimerRowCount];

    std::array<QString, image_layout::SceneCount> sceneDescs;
    std::array<QString, image_layout::MaskCount> maskDescs;
    std::array<QString, image_layout::ProgramCount> programDescs;
    std::array<QString, EventCount> eventDescs;  // indexed by event code
    std::array<QString, StateCount> stateDescs;
    std::array<QString, image_layout::InputCount> inputDescs;
    std::array<QString, RcuKeyCount> rcuKeyDescs;

    // Values of the command-line options -L and -P; stored, read by nothing else.
    QString optionL;
    QString optionP;

    int clockCalibration = 0;           // -31..31
    u8 rcuKeyCodes[RcuKeyCount];        // each below 64, 0xFF none
    u8 rcuAddress = 0xFF;               // below 32, 0xFF none

    // Sets the code of remote-control key k (low bytes of both): 0, or -1 and nothing
    // changed when either is above 63.
    int setRcuKeyCode(int key, int code);

    // Deletes every extra entry and empties the list.
    void clearExtraEntries();

    // --- Actions, timers, coupling groups and sequences ---
    // The actions of every event, with the Enabling input.
    event_actions_class eventActions;

    // timerTable into the image's timer table: rows 0 and 1 as they are, then every timer
    // in use, compacted from row 2 on.
    void packTimers();
    // timerTable from the image; reads the action store, so it runs after the actions.
    void unpackTimers();
    // couplingGroups into both coupling tables (sorting each group); at most 64 scenes
    // are written.
    void packCoupling();
    // couplingGroups from the coupling tables; tells the user when the second table does
    // not agree with the first, which is taken.
    void unpackCoupling();
    // Scenes in all coupling groups together.
    int coupledSceneCount() const;
    // sequenceDelays and delaysInUse from the image's action and delay tables and the
    // action store.
    void rebuildSequences();

    // --- Configuration files and the sunrise/sunset table ---
    // The file header of the chosen format, dated now: its length in bytes including the
    // closing NUL (a multiple of 16); copied to destination (which must hold that many
    // bytes) when one is given.
    static int buildFileHeader(char *destination, bool oldFormat);
    // Writes the sun table of days 1..366 as a semicolon-separated text file. 0, or -1
    // when the file could not be written (an older file then stays as it was).
    int writeSunTable(const QString &fileName);
    // Reads such a file into the sun table, asking when days are left undescribed.
    // 0 stored, -1 the file cannot be opened, -2 cancelled at the question; on -1 and -2
    // the table is unchanged.
    int readSunTable(const QString &fileName);

public slots:
    // Saves the whole configuration in the current format, or in the old one when
    // oldstyle is set (after asking). Packs the stores into the image first. The file is
    // replaced only when everything was written; the outcome is shown to the user.
    void write_confDataToFile(QString fileName, bool oldstyle);
    // Opens a configuration file of the current or the old format. Only a file that
    // passed every check replaces the configuration; 0 on success, -1 otherwise.
    int read_confDataFromFile(QString fileName);
    // Fills the sun table for the current year from the latitude (whole degrees, north
    // positive) and an offset in minutes subtracted from local mean solar time.
    void calculateSunEvents(int latitude, int offset);
    // --- end of configuration files ---

    // --- The stores and the image (model/controller_stores.cpp) ---
    // Before a save or send: packs the stores into the image in the order actions,
    // programs, timers, coupling groups, all four whatever happens. False when the actions
    // or the program steps did not fit their tables; either has told the user why.
    bool packStores();
    // After a load or read: applies the load clamps to the image, then rebuilds the stores
    // from it in the order programs, actions, timers, coupling groups, sequences.
    void rebuildStores();

public slots:
    // Stores n, truncated to 16 bits, as the DMX-in limit of the image.
    void setDmxInLimit(int n);

    // Resets the categories that co selects (clear_bit) to their empty state and keeps the
    // rest: the stores are packed into the image, cleared there and rebuilt from it. When
    // a store the mask keeps cannot be packed the user is told and nothing is cleared; one
    // the mask clears is cleared in memory first, so its size cannot stop the clear. An
    // action the clear leaves as it was stays the same object in the action store.
    // Announced by configurationCleared() once it has run.
    void ClearConfig(u32 co);
    // ClearConfig(ClearEverything).
    void ClearConfig();

signals:
    // A configuration file was opened and replaced the configuration: the pages reload. A
    // file that was refused replaced nothing and is not announced.
    void readFileFinished();
    // A configuration file was written whole, or opened and taken whole: the next file
    // dialog starts there. A file that failed is not announced.
    void fileSavedOrOpened(QString fileName);
    // ClearConfig(co) has run (a clear that was refused, and the clear with which a file
    // open starts, are not announced): an editor open on something the clear removed or
    // changed ends without storing, one open on what it kept goes on.
    void configurationCleared(u32 co);

private:
    static u8 *allocateImage();
    // Packs the stores for a clear with mask co; false (nothing cleared) when one that
    // the clear keeps does not fit its table.
    bool packForClear(u32 co);
    // The work of ClearConfig(co), unannounced; false when nothing was cleared.
    bool clearCategories(u32 co);
    void clearDescriptions(u32 co);
};

// Orders coupling entries by scene (bits 0-11), then group (bits 12-15).
bool couplingEntryLessThan(const u16 *a, const u16 *b);
