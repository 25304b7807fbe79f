#include "model/program_list_class.h"

#include "model/image_layout.h"

program_list_class::~program_list_class()
{
    clear();
}

void program_list_class::append(program_class *p)
{
    if (p)
        programs.append(p);
}

program_class *program_list_class::find(int number) const
{
    for (program_class *p : programs) {
        if (p->number == number)
            return p;
    }
    return nullptr;
}

void program_list_class::remove(int number)
{
    for (int i = int(programs.size()) - 1; i >= 0; --i) {
        if (programs.at(i)->number == number)
            delete programs.takeAt(i);
    }
}

void program_list_class::clear()
{
    qDeleteAll(programs);
    programs.clear();
}

void program_list_class::setStepCount(u32 number, int n)
{
    if (number >= image_layout::ProgramCount)
        return;
    program_class *p = find(int(number));
    if (!p) {
        p = new program_class(int(number));
        programs.append(p);
    }
    p->setStepCount(n);
}

int program_list_class::stepCount(int number) const
{
    const program_class *p = find(number);
    return p ? p->stepCount() : -1;
}

int program_list_class::recurrences(int number) const
{
    const program_class *p = find(number);
    return p ? p->recurrences : 1;
}

int program_list_class::setRecurrences(int number, int r)
{
    program_class *p = find(number);
    if (!p)
        return -1;
    p->recurrences = u16(r);
    return 0;
}

void program_list_class::insertStep(int number, int index)
{
    program_class *p = find(number);
    if (!p)
        return;
    p->insertStep(index, new program_step_class);
    while (p->stepCount() > int(image_layout::MaxStepsPerProgram))
        p->removeStep(int(image_layout::MaxStepsPerProgram));
}

void program_list_class::removeStep(int number, int index)
{
    if (program_class *p = find(number))
        p->removeStep(index);
}

program_step_class *program_list_class::step(int number, int index) const
{
    const program_class *p = find(number);
    return p ? p->stepAt(index) : nullptr;
}

template <typename Change>
int program_list_class::changeStep(int number, int index, Change change)
{
    program_step_class *s = step(number, index);
    if (!s)
        return -1;
    change(*s);
    return 0;
}

int program_list_class::setScene(int number, int index, int scene)
{
    return changeStep(number, index, [scene](program_step_class &s) { s.scene = u16(scene); });
}

int program_list_class::setRiseTime(int number, int index, QTime t)
{
    return changeStep(number, index, [t](program_step_class &s) { s.fadeUp = t; });
}

int program_list_class::setLastTime(int number, int index, QTime t)
{
    return changeStep(number, index, [t](program_step_class &s) {
        s.duration = t;
        s.infinite = 0;
    });
}

int program_list_class::setFallTime(int number, int index, QTime t)
{
    return changeStep(number, index, [t](program_step_class &s) { s.fadeDown = t; });
}

int program_list_class::setStepEvent(int number, int index, int code)
{
    return changeStep(number, index, [code](program_step_class &s) { s.event = u16(code); });
}

program_step_class *program_list_class::setLastTimeInf(int number, int index)
{
    program_step_class *s = step(number, index);
    if (s)
        s->infinite = 1;
    return s;
}

int program_list_class::scene(int number, int index) const
{
    const program_step_class *s = step(number, index);
    return s ? int(s->scene) : -1;
}

int program_list_class::stepEvent(int number, int index) const
{
    const program_step_class *s = step(number, index);
    return s ? int(s->event) : -1;
}

QTime program_list_class::riseTime(int number, int index) const
{
    const program_step_class *s = step(number, index);
    return s ? s->fadeUp : QTime(0, 0);
}

QTime program_list_class::lastTime(int number, int index) const
{
    const program_step_class *s = step(number, index);
    return s ? s->duration : QTime(0, 0);
}

QTime program_list_class::fallTime(int number, int index) const
{
    const program_step_class *s = step(number, index);
    return s ? s->fadeDown : QTime(0, 0);
}

bool program_list_class::isLastTimeInf(int number, int index) const
{
    const program_step_class *s = step(number, index);
    return s && s->infinite == 1;
}

bool program_list_class::setStep(int number, int index, const program_step_class &s)
{
    program_step_class *target = step(number, index);
    if (!target)
        return false;
    target->copyPlayFrom(s);
    return true;
}

bool program_list_class::getStep(int number, int index, program_step_class &out) const
{
    const program_step_class *source = step(number, index);
    if (!source)
        return false;
    out.copyPlayFrom(*source);
    return true;
}
