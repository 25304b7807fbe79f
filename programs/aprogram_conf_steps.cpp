// The step operations of the step table: inserting, deleting, copying and pasting steps
// and numbering scenes in sequence. Every change goes to the program store; afterwards the
// table's rows follow the program's step count and the table shows the store again.
#include "programs/aprogram_conf_widget.h"

#include "link/kd620_controller_class.h"
#include "model/image_layout.h"
#include "model/user_interaction.h"
#include "programs/aprogram_settings_widget.h"

#include <algorithm>

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QStandardItemModel>

namespace {

constexpr int MostSteps = int(image_layout::MaxStepsPerProgram);
constexpr int LastScene = int(image_layout::SceneCount) - 1;

// The answers of the insert and delete questions, by button index.
enum confirmation_answer { AnswerNo = 0, AnswerYes = 1, AnswerAll = 2 };

program_list_class &programs()
{
    return currentController->programList;
}

} // namespace

int aprogram_conf_widget::askConfirmation(const QString &text, bool offerAll)
{
    message_request request;
    request.icon = message_icon::Question;
    request.title = tr("Confirmation");
    request.text = text;
    request.customButtons = {{tr("No")}, {tr("Yes!")}};
    if (offerAll)
        request.customButtons << custom_button{tr("All")};
    request.defaultCustomButton = AnswerNo;
    request.noEscapeButton = true;
    request.parentWidget = this;
    return userInteraction().showMessage(request);
}

bool aprogram_conf_widget::confirmDroppingLastSteps()
{
    return askConfirmation(tr("This action will remove last step from program.\n\tReally want to do so?"), false)
        == AnswerYes;
}

void aprogram_conf_widget::warn(const QString &title, const QString &text)
{
    message_request request;
    request.icon = message_icon::Warning;
    request.title = title;
    request.text = text;
    request.parentWidget = this;
    userInteraction().showMessage(request);
}

QList<int> aprogram_conf_widget::selectedRows() const
{
    // The table selects whole rows: a row counts as selected by its first cell.
    QList<int> rows;
    for (int row = 0; row < stepModel->rowCount(); ++row) {
        if (selectionModel()->isSelected(stepModel->index(row, SceneColumn)))
            rows << row;
    }
    return rows;
}

void aprogram_conf_widget::showNewStepCount()
{
    const int steps = programs().stepCount(programNumber);
    if (stepModel->rowCount() == steps) {
        refresh();
        return;
    }
    emit changeStepNumber(steps);
    setRows(steps);
}

void aprogram_conf_widget::insertStep()
{
    const int row = currentIndex().row();
    if (programs().stepCount(programNumber) >= MostSteps && !confirmDroppingLastSteps())
        return;
    // Before the current step, or first when there is none; the store drops the step that
    // the limit pushes out.
    programs().insertStep(programNumber, row);
    showNewStepCount();
}

void aprogram_conf_widget::deleteStep()
{
    // From the bottom up, so the rows still to come keep their steps.
    QList<int> rows = selectedRows();
    std::reverse(rows.begin(), rows.end());
    bool all = false;
    for (int row : rows) {
        if (!all) {
            const int answer =
                askConfirmation(tr("About to remove a step from program.\n\tReally want to do so?"), true);
            if (answer == AnswerAll)
                all = true;
            else if (answer != AnswerYes)
                continue;
        }
        programs().removeStep(programNumber, row);
    }
    const int steps = programs().stepCount(programNumber);
    if (stepModel->rowCount() != steps) {
        emit changeStepNumber(steps);
        setRows(steps);
    }
}

void aprogram_conf_widget::copyStep()
{
    stepClipboard.clear();
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    // Each step keeps the number of unselected rows between it and the one copied before.
    int previous = rows.first();
    for (int row : rows) {
        program_step_class step;
        if (!programs().getStep(programNumber, row, step)) {
            stepClipboard.clear();
            warn(tr("Copying failed!"), tr("Invalid selection!"));
            return;
        }
        stepClipboard << step_clip_class(row == rows.first() ? 0 : row - previous - 1, step);
        previous = row;
    }
}

QList<aprogram_conf_widget::paste_target> aprogram_conf_widget::pasteTargets(bool replace) const
{
    QList<paste_target> targets;
    int pos = qMax(0, currentIndex().row());
    int rows = stepModel->rowCount();
    for (const step_clip_class &clip : std::as_const(stepClipboard)) {
        bool insert = true;
        if (replace) {
            // The copied gaps are kept, until the end of the program is reached.
            pos = qMin(pos + clip.gap, rows);
            insert = pos >= rows;
        }
        if (insert)
            ++rows;
        targets << paste_target{pos, insert};
        ++pos;
    }
    return targets;
}

void aprogram_conf_widget::pasteStep()
{
    if (stepClipboard.isEmpty())
        return;
    const bool replace = page && page->replaceBox && page->replaceBox->isChecked();
    // The whole paste is planned before anything is written: it goes in whole or not at all.
    const QList<paste_target> targets = pasteTargets(replace);
    const bool beyondLastStep = std::any_of(targets.cbegin(), targets.cend(),
                                            [](const paste_target &t) { return t.row >= MostSteps; });
    if (beyondLastStep) {
        warn(tr("Paste failed!"), tr("Program steps limit exceed!"));
        return;
    }
    const int inserted = int(std::count_if(targets.cbegin(), targets.cend(), [](const paste_target &t) { return t.insert; }));
    // The steps the inserted ones push past the limit fall out of the program, as on Insert.
    if (stepModel->rowCount() + inserted > MostSteps && !confirmDroppingLastSteps())
        return;

    program_list_class &list = programs();
    if (!list.find(programNumber))
        list.append(new program_class(programNumber));
    for (int i = 0; i < targets.size(); ++i) {
        const paste_target &target = targets[i];
        if (target.insert)
            list.insertStep(programNumber, target.row);
        program_step_class step = stepClipboard[i].step;
        step.fadeDown = QTime(0, 0);
        // The step written keeps its own event: events are never copied.
        if (!list.setStep(programNumber, target.row, step)) {
            warn(tr("Paste failed!"), tr("Algorithm error?"));
            break;  // what was pasted stays, and the table shows it
        }
    }

    const int steps = list.stepCount(programNumber);
    if (stepModel->rowCount() != steps)
        setRows(steps);
    emit changeStepNumber(steps);
    refresh();
}

void aprogram_conf_widget::fillSteps()
{
    const int current = currentIndex().row();
    if (stepModel->rowCount() == 0 || current < 0)
        return;
    int scene = programs().scene(programNumber, current);
    if (scene < 0)
        return;  // the row holds no step to count from
    // The numbering stops at the last scene; the rows after it keep theirs.
    for (int row = current + 1; row < stepModel->rowCount() && scene < LastScene; ++row)
        programs().setScene(programNumber, row, ++scene);
    refresh();
}
