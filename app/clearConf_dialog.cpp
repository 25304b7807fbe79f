#include "app/clearConf_dialog.h"
#include "model/application_identity.h"

#include "widgets/font_fitting.h"
#include "link/kd620_controller_class.h"
#include "model/user_interaction.h"

#include <QCheckBox>
#include <QFontMetrics>

namespace {

using clear = controller_configuration_class;

// The boxes that "All" checks and disables, in the order it checks them.
QList<QCheckBox *> boxesUnderAll(Ui::clearConf &form)
{
    return {form.cbScenes, form.cbPrograms, form.cbChains, form.cbDescr,  form.cbDMXout,  form.cbInputs,
            form.cbTimers, form.cbVKeys,    form.cbLimits, form.cbDelays, form.cbMasks, form.cbSunTimes};
}

} // namespace

clearConf_dialog::clearConf_dialog(QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    placeHeading();
    fitFontToWidth(label_2, {label_2->text()}, label_2->width());
    connect(cbAll, &QCheckBox::stateChanged, this, &clearConf_dialog::chgAll);
    connect(cbScenes, &QCheckBox::stateChanged, this, &clearConf_dialog::chgScenes);
    connect(cbPrograms, &QCheckBox::stateChanged, this, &clearConf_dialog::chgProgs);
    // After the form's own accept(): the dialog has closed when the clear runs.
    connect(okButton, &QPushButton::clicked, this, &clearConf_dialog::clearExec);
    connect(this, &clearConf_dialog::clearByFlags, currentController,
            qOverload<u32>(&controller_configuration_class::ClearConfig));
}

void clearConf_dialog::placeHeading()
{
    // The heading ends a little before the column of boxes starts, and may take a second
    // line: nothing stands below it down to the boxes of the left column. In its own size
    // it reads above the boxes; only a text too long even for two lines gets smaller.
    constexpr int GapBeforeBoxes = 8;
    constexpr int Lines = 2;
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QFontMetrics metrics = label->fontMetrics();
    label->setGeometry(label->x(), label->y(), cbAll->x() - GapBeforeBoxes - label->x(),
                       Lines * metrics.lineSpacing() + metrics.descent());
    fitWrappedLabelFont(label, label->size());
}

std::optional<u32> clearConf_dialog::runModal(QWidget *parent)
{
    clearConf_dialog dialog(parent);
    std::optional<u32> cleared;
    connect(&dialog, &clearConf_dialog::clearByFlags, &dialog, [&cleared](u32 flags) { cleared = flags; });
    dialog.exec();
    return cleared;
}

void clearConf_dialog::chgAll(int state)
{
    if (state == Qt::Unchecked) {
        // Programs and Chained Events stay with Scenes, which stays checked.
        for (QCheckBox *box : {cbScenes, cbDMXout, cbInputs, cbTimers, cbVKeys, cbLimits, cbDelays, cbMasks,
                               cbSunTimes, cbDescr})
            box->setEnabled(true);
        return;
    }
    const QList<QCheckBox *> boxes = boxesUnderAll(*this);
    for (QCheckBox *box : boxes)
        box->setChecked(true);
    for (QCheckBox *box : boxes)
        box->setEnabled(false);
}

void clearConf_dialog::chgScenes(int state)
{
    if (state == Qt::Unchecked) {
        cbPrograms->setEnabled(true);
        return;
    }
    cbPrograms->setChecked(true);
    cbChains->setChecked(true);
    cbPrograms->setEnabled(false);
}

void clearConf_dialog::chgProgs(int state)
{
    if (state == Qt::Unchecked) {
        cbChains->setEnabled(true);
        return;
    }
    cbChains->setChecked(true);
    cbChains->setEnabled(false);
}

void clearConf_dialog::clearExec()
{
    const struct {
        QCheckBox *box;
        u32 bits;
    } boxBits[] = {
        {cbAll, clear::ClearEverything},
        {cbScenes, clear::ClearScenes | clear::ClearSceneDescs},
        {cbPrograms, clear::ClearPrograms | clear::ClearChains | clear::ClearProgramDescs},
        {cbChains, clear::ClearChains},
        {cbDescr, clear::ClearSceneDescs | clear::ClearProgramDescs | clear::ClearMaskDescs | clear::ClearAllDescs},
        {cbTimers, clear::ClearTimers},
        {cbInputs, clear::ClearInputs},
        {cbDMXout, clear::ClearDmxOutputs | clear::ClearDmxOutEvents},
        {cbVKeys, clear::ClearInternalEvents},
        {cbLimits, clear::ClearLimits},
        {cbDelays, clear::ClearDelays},
        {cbMasks, clear::ClearMasks | clear::ClearMaskDescs},
        {cbSunTimes, clear::ClearSun},
    };
    u32 mask = 0;
    for (const auto &entry : boxBits) {
        if (entry.box->checkState() == Qt::Checked)
            mask |= entry.bits;
    }
    emit clearByFlags(mask);
    // Nothing of the file is left, so its name leaves the title.
    if (mask == clear::ClearEverything)
        userInteraction().setMainWindowTitle(tr(application_identity::Name));
}
