#pragma once

#include <QGroupBox>

class QRadioButton;

// One state's condition in the state-limit editor: three exclusive radio buttons,
// "Ignore", "When set" and "When unset".
class setStateClass : public QGroupBox
{
    Q_OBJECT

public:
    // Two-bit condition codes of a state in an action.
    enum condition { WhenUnset = 0, WhenSet = 2, Ignore = 3 };

    // row: the row it is built for (not used).
    setStateClass(int row, QWidget *parent);

    // The chosen condition: Ignore, WhenSet or WhenUnset.
    int code() const;
    // Selects the button of a stored code: bit 0 set ignores the state (so 1 reads as
    // Ignore), else bit 1 set is "When set", else "When unset".
    void setCode(int code);

    QRadioButton *ignoreButton = nullptr;
    QRadioButton *whenSetButton = nullptr;
    QRadioButton *whenUnsetButton = nullptr;
};
