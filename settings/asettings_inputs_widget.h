#pragma once

#include <QTableView>

class QStandardItemModel;
class asettings_inputs_delegate;

// The Inputs settings page: the 24 inputs with their type, which the user chooses in the
// table ("Unused", "Normal Open", "Normal Close"), and their description, shown only (it
// is edited on the Descriptions page). A chosen type goes into the image at once.
class asettings_inputs_widget : public QTableView
{
    Q_OBJECT

public:
    // ============================================================ construction
    // The table stands on the tab page given.
    explicit asettings_inputs_widget(QWidget *parent);

    enum column { InputColumn, TypeColumn, DescriptionColumn, ColumnCount };

    // ============================================================ widgets
    QStandardItemModel *inputsModel = nullptr;
    asettings_inputs_delegate *typeDelegate = nullptr;

    // ============================================================ the configuration shown
    // Rewrites every cell from the current controller. A stored type other than the three
    // known ones is stored as unused (-1).
    void refresh();

    // The text of a stored type: 0 "Normal Open", 1 "Normal Close", anything else "Unused".
    static QString typeText(int storedType);
};
