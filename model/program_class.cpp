#include "model/program_class.h"

program_class::program_class(int number)
    : number(number)
{
}

program_class::~program_class()
{
    qDeleteAll(steps);
}

program_step_class *program_class::stepAt(int index) const
{
    if (index < 0 || index >= stepCount())
        return nullptr;
    return steps.at(index);
}

int program_class::appendStep(program_step_class *s)
{
    if (!s)
        return -1;
    steps.append(s);
    return 0;
}

void program_class::insertStep(int index, program_step_class *s)
{
    if (!s)
        return;
    steps.insert(qBound(0, index, stepCount()), s);
}

void program_class::removeStep(int index)
{
    if (index < 0 || index >= stepCount())
        return;
    delete steps.takeAt(index);
}

void program_class::setStepCount(int n)
{
    n = qMax(n, 0);
    while (stepCount() < n)
        steps.append(new program_step_class);
    while (stepCount() > n)
        delete steps.takeLast();
}
