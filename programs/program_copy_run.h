#pragma once

#include "programs/copied_program.h"
#include "programs/program_copy_snapshot.h"

#include <QCoreApplication>
#include <QPointer>

#include <functional>
#include <optional>

class controller_configuration_class;
class scene_pool_map;

// One copy of a range of programs onto the programs from a destination on, in the target
// configuration, from the same configuration or from another one. The programs are
// copied one by one in ascending order with their steps, recurrences and fade-down after
// a break, asking about missing sources and destinations that hold steps; then the scenes
// the copies use (into the pool of unused scenes), the descriptions and the chained events.
//
// The destination programs are kept before the first one is touched: a cancelled copy, or
// one whose steps no longer fit the image, puts them back exactly and copies nothing else.
class program_copy_run
{
    Q_DECLARE_TR_FUNCTIONS(program_copy_run)

public:
    // Source program s, or none when the source has no such program.
    using program_reader = std::function<std::optional<copied_program>(int s)>;

    // source and target may be the same configuration. Boxes belong to boxParent.
    program_copy_run(const controller_configuration_class &source, controller_configuration_class &target,
                     program_reader readProgram, QObject *boxParent);

    int firstPoolScene = 0;   // 0-based
    bool keepScenes = false;  // copies use the source's scene numbers; no scene is copied
    bool reverse = false;     // steps are laid down last first

    enum outcome {
        Completed,  // programs, scenes, descriptions and chained events copied
        Cancelled,  // by the user or for want of scene numbers: nothing changed
        Refused     // the steps do not fit the image (the store said so): nothing changed
    };
    // Copies programs from..to (0-based) onto dest and on, stopping after program 511.
    outcome run(int from, int to, int dest);

private:
    enum program_result { Next, Cancel };

    program_result copyProgram(int s, int d, scene_pool_map &scenes);
    // The question about a missing source or a destination with steps: false to cancel;
    // turns warnings off when asked to.
    bool askOnProblem(const QString &text, const QString &goOn);
    void inform(const QString &title, const QString &text);
    void copyScenes(const scene_pool_map &scenes);
    void copyDescriptionsAndChains(int from, int to, int dest);
    bool commit();
    // Restores what a copy undone has changed so far.
    void rollOver();

    const controller_configuration_class &source;
    controller_configuration_class &target;
    program_reader readProgram;
    QPointer<QObject> boxParent;
    bool warnings = true;
    // The destination programs before the copy.
    std::optional<program_copy_snapshot> snapshot;
};
