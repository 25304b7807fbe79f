#include "programs/program_copy_run.h"

#include "model/controller_configuration_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/user_interaction.h"
#include "programs/scene_pool_map.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstring>

using namespace image_layout;

namespace {

// The answers of the questions about one program, by button index.
enum problem_answer { AnswerGoOn = 0, AnswerSupress = 1, AnswerCancel = 2 };

constexpr int LastProgram = int(ProgramCount) - 1;

} // namespace

program_copy_run::program_copy_run(const controller_configuration_class &source,
                                   controller_configuration_class &target, program_reader readProgram,
                                   QObject *boxParent)
    : source(source)
    , target(target)
    , readProgram(std::move(readProgram))
    , boxParent(boxParent)
{
}

program_copy_run::outcome program_copy_run::run(int from, int to, int dest)
{
    // The image agrees with the store before anything is copied; a store that no longer
    // fits the image is not copied into.
    if (!commit())
        return Refused;
    snapshot.emplace(target, dest, qMin(LastProgram, dest + (to - from)));
    scene_pool_map scenes(firstPoolScene);
    warnings = true;
    for (int s = from, d = dest; d <= LastProgram && s <= to; ++s, ++d) {
        if (copyProgram(s, d, scenes) == Cancel) {
            rollOver();
            return Cancelled;
        }
    }
    // Checked before scenes, descriptions or chained events are touched, so a refusal
    // leaves only the programs to put back.
    if (!commit()) {
        rollOver();
        return Refused;
    }
    if (!keepScenes)
        copyScenes(scenes);
    copyDescriptionsAndChains(from, to, dest);
    // Again for the chained events: a slot an extra entry holds keeps none.
    commit();
    return Completed;
}

program_copy_run::program_result program_copy_run::copyProgram(int s, int d, scene_pool_map &scenes)
{
    const std::optional<copied_program> src = readProgram(s);
    if (!src) {
        if (warnings && !askOnProblem(tr("Source program %1 does not exist!").arg(s + 1), tr("Skip")))
            return Cancel;
        return Next;
    }

    program_list_class &store = target.programList;
    program_class *dst = store.find(d);
    if (!dst) {
        dst = new program_class(d);
        store.append(dst);
    } else if (dst->stepCount() > 0) {
        if (warnings && !askOnProblem(tr("Destination program %1 does exist!").arg(d + 1), tr("Overwrite")))
            return Cancel;
        dst->setStepCount(0);
    }

    for (const program_step_class &step : src->steps) {
        auto *copy = new program_step_class(step);
        copy->scene = u16(scenes.map(step.scene, keepScenes));
        if (reverse)
            dst->insertStep(0, copy);
        else
            dst->appendStep(copy);
    }
    // The last step played carries the program's fade-down, whichever step it is now.
    if (!src->steps.isEmpty())
        dst->steps.last()->fadeDown = src->fadeDown;

    if (scenes.overflowed()) {
        inform(tr("Unrealisable action!"), tr("Scene number limit exceeded!"));
        return Cancel;
    }
    dst->recurrences = src->recurrences;
    writeU16(target.confData, programBreakFadeDown(u32(d)), readU16(source.confData, programBreakFadeDown(u32(s))));
    return Next;
}

bool program_copy_run::askOnProblem(const QString &text, const QString &goOn)
{
    message_request request;
    request.icon = message_icon::Question;
    request.title = tr("Some problems");
    request.text = text;
    request.customButtons = {{goOn, button_role::Accept}, {tr("Supress warnings"), button_role::Accept},
                             {tr("Cancel"), button_role::Reject}};
    request.defaultCustomButton = AnswerGoOn;
    request.noEscapeButton = true;
    request.parentWidget = boxParent;
    switch (userInteraction().showMessage(request)) {
    case AnswerGoOn: return true;
    case AnswerSupress: warnings = false; return true;
    default: return false;
    }
}

void program_copy_run::inform(const QString &title, const QString &text)
{
    showMessage(message_icon::Information, title, text, message_button::Ok, message_button::NoButton,
                boxParent.data());
}

void program_copy_run::copyScenes(const scene_pool_map &scenes)
{
    // The pool may start on scenes the copied programs use, so within one configuration a
    // pair may read a scene that an earlier pair has already written. Every source scene is
    // therefore read whole before the first one is written.
    struct scene_copy {
        int newScene;
        QByteArray levels;
        QString description;
    };
    QList<scene_copy> copies;
    for (const scene_pool_map::pair &p : scenes.pairs()) {
        const bool inRange = p.oldScene >= 0 && p.oldScene < int(SceneCount) && p.newScene >= 0
            && p.newScene < int(SceneCount);
        if (!inRange || (&source == &target && p.oldScene == p.newScene))
            continue;
        const char *levels = reinterpret_cast<const char *>(source.confData + sceneLevel(u32(p.oldScene), 0));
        copies.append({p.newScene, QByteArray(levels, int(ChannelCount)), source.sceneDescs[size_t(p.oldScene)]});
    }
    for (const scene_copy &copy : std::as_const(copies)) {
        std::memcpy(target.confData + sceneLevel(u32(copy.newScene), 0), copy.levels.constData(), ChannelCount);
        target.sceneDescs[size_t(copy.newScene)] = copy.description;
    }
}

void program_copy_run::copyDescriptionsAndChains(int from, int to, int dest)
{
    // The whole range, sources the loop skipped included; from the same configuration a
    // later source may already be a copy, as its programs were.
    for (int s = from, d = dest; d <= LastProgram && s <= to; ++s, ++d) {
        target.programDescs[size_t(d)] = source.programDescs[size_t(s)];
        writeU16(target.confData, programChainedEvent(u32(d)), readU16(source.confData, programChainedEvent(u32(s))));
    }
}

bool program_copy_run::commit()
{
    return target.programList.commitToImage(target.confData, target.extraEntries) == 0;
}

void program_copy_run::rollOver()
{
    if (snapshot)
        snapshot->restore(target);
}
