#pragma once

#include "widgets/page_base.h"

#include <QList>
#include <QStringList>

class QComboBox;
class QLabel;
class showDesc_class;

// The Descriptions page: every description of the configuration, one category at a time
// (states, inputs, keys, scenes, masks, programs and the events of timers, delays,
// sequences, DMX output channels, internal events, inputs and keys), in one table whose
// Description column is edited in place. An edit goes into the current controller's
// description arrays at once; the page keeps no copy of them.
class asettings_descs_widget : public page_base
{
    Q_OBJECT

public:
    // ============================================================ construction
    // The page fills the tab page given.
    explicit asettings_descs_widget(QWidget *parent);

    // The categories, in the order of the combo box.
    enum category {
        StatesCategory,
        InputsCategory,
        RcuKeysCategory,
        ScenesCategory,
        MasksCategory,
        ProgramsCategory,
        TimersCategory,
        DelaysCategory,
        SequencesCategory,
        DmxOutEventsCategory,
        InternalEventsCategory,
        InputEventsCategory,
        RcuKeyEventsCategory,
        CategoryCount
    };
    // The fixed number of rows of a category.
    static int rowCount(int category);

    // ============================================================ widgets
    // The item-name formats of the categories, in category order.
    QStringList nameFormats;
    // For each category, the description that its row 0 edits; row r edits the r-th
    // description from there.
    QList<QString *> descArrays;
    QComboBox *categoryCombo = nullptr;
    QLabel *categoryLabel = nullptr;
    showDesc_class *descTable = nullptr;

    // ============================================================ the configuration shown
    // Rewrites every item name and description of the category shown.
    void refresh();
    // The item name of row r of a category ("State B1", "Channel 512: off", "Btn 1: pressed").
    QString itemName(int category, int row) const;

public slots:
    // Shows category i from its first description.
    void chgCategory(int i);

private:
    void createWidgets();
    void connectSignals();
    static QString stateName(int row);
    // The Item column as built, widened where a category's item names need more.
    static constexpr int ItemColumnWidth = 110;
    int itemColumnWidth(int category) const;
};
