#pragma once

#include "widgets/stand_in_page.h"

class QTableWidget;

// The input settings: one row per input with its type and description. Shown as the
// configuration holds them; their editor is not built yet.
class asettings_inputs_widget : public stand_in_page
{
    Q_OBJECT

public:
    explicit asettings_inputs_widget(QWidget *parent);

    // 24 rows, columns "Input", "Input Type", "Description".
    QTableWidget *table = nullptr;

    // The type's text: 0 "Normal Open", 1 "Normal Close", anything else "Unused".
    static QString typeText(int storedType);

public slots:
    // Fills the table from the current controller. A stored type other than the three
    // known ones is rewritten as unused (-1) in the image.
    void refresh();
};
