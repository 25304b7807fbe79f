#pragma once

#include "model/types.h"
#include "ui_clearConf.h"

#include <QDialog>

#include <optional>

// "Clear configuration": the user picks the parts of the configuration to clear. "Yes!"
// turns the checked boxes into one mask of clear bits and hands it to the current
// controller's ClearConfig(u32). A box that implies others checks and disables them:
// Scenes implies Programs, Programs implies Chained Events, All implies everything.
class clearConf_dialog : public QDialog, private Ui::clearConf
{
    Q_OBJECT

public:
    explicit clearConf_dialog(QWidget *parent = nullptr);

    // Runs a new dialog modally over parent. With "Yes!" the clear has been done when it
    // returns, and the result is the mask that was cleared (0 when no box was checked);
    // cancelled or closed: nothing.
    static std::optional<u32> runModal(QWidget *parent);

signals:
    void clearByFlags(u32 flags);

public slots:
    void chgAll(int state);
    void chgScenes(int state);
    void chgProgs(int state);
    void clearExec();

private:
    void placeHeading();
};
