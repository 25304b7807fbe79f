#include "events/setStateClass.h"

#include <QRadioButton>

setStateClass::setStateClass(int, QWidget *parent)
    : QGroupBox(parent)
{
    // Children of the one group box, the three buttons exclude one another. Side by side
    // without overlapping, each text has room before the next button's circle, and all lie
    // within the box's frame.
    ignoreButton = new QRadioButton(tr("Ignore"), this);
    ignoreButton->setGeometry(10, 6, 80, 18);
    whenSetButton = new QRadioButton(tr("When set"), this);
    whenSetButton->setGeometry(95, 6, 100, 18);
    whenUnsetButton = new QRadioButton(tr("When unset"), this);
    whenUnsetButton->setGeometry(198, 6, 108, 18);
    ignoreButton->setChecked(true);  // as a new action has it
}

int setStateClass::code() const
{
    if (ignoreButton->isChecked())
        return Ignore;
    return whenSetButton->isChecked() ? WhenSet : WhenUnset;
}

void setStateClass::setCode(int code)
{
    if (code & 1)
        ignoreButton->setChecked(true);
    else if (code & 2)
        whenSetButton->setChecked(true);
    else
        whenUnsetButton->setChecked(true);
}
