#pragma once

#include "model/extra_entry_class.h"
#include "model/program_class.h"
#include "model/types.h"

#include <QList>
#include <QTime>

// The programs of a configuration as objects while they are edited. Before a save or send
// they are packed into the program tables of the configuration image, after a load or read
// rebuilt from them. Every operation takes a program number; a program that the store does
// not hold and a program without steps mean the same to the image.
class program_list_class
{
public:
    program_list_class() = default;
    ~program_list_class();

    program_list_class(const program_list_class &) = delete;
    program_list_class &operator=(const program_list_class &) = delete;

    // Takes ownership of p.
    void append(program_class *p);
    // The first program with that number, or null.
    program_class *find(int number) const;
    // Deletes the program with that number; nothing when the store does not hold it.
    void remove(int number);
    // Deletes every program.
    void clear();
    // Number of programs held.
    int count() const { return int(programs.size()); }

    // Numbers of 512 and above are ignored; a missing program is created first. The program
    // then holds exactly n steps.
    void setStepCount(u32 number, int n);
    // The step count, -1 when the program is missing.
    int stepCount(int number) const;
    // The recurrences, 1 when the program is missing.
    int recurrences(int number) const;
    // Stores r (16 bits); -1 when the program is missing, else 0.
    int setRecurrences(int number, int r);
    // Inserts a default step at index into an existing program; a program never holds more
    // than 999 steps, so the step at index 999 falls out.
    void insertStep(int number, int index);
    void removeStep(int number, int index);

    // The step at index of the program, or null.
    program_step_class *step(int number, int index) const;

    // Setters of one step field: 0, or -1 when the step is missing. setLastTime also makes
    // the duration finite.
    int setScene(int number, int index, int scene);
    int setRiseTime(int number, int index, QTime t);
    int setLastTime(int number, int index, QTime t);
    int setFallTime(int number, int index, QTime t);
    int setStepEvent(int number, int index, int code);
    // Makes the duration infinite (the stored duration stays); the step, or null.
    program_step_class *setLastTimeInf(int number, int index);

    // Scene and event of a step, -1 when the step is missing.
    int scene(int number, int index) const;
    int stepEvent(int number, int index) const;
    // Times of a step, 00:00:00.000 when the step is missing.
    QTime riseTime(int number, int index) const;
    QTime lastTime(int number, int index) const;
    QTime fallTime(int number, int index) const;
    bool isLastTimeInf(int number, int index) const;

    // Copy scene, infinite and the three times into or out of a step (never the event);
    // false when the step is missing.
    bool setStep(int number, int index, const program_step_class &s);
    bool getStep(int number, int index, program_step_class &out) const;

    // Writes the programs and the extra entries into the program tables of the image.
    // Refuses with a message, writing nothing, when the steps need more than the 8192
    // step slots. 0 on success, -1 when refused.
    int commitToImage(u8 *image, const QList<extra_entry_class *> &extraEntries) const;
    // Replaces the programs and the extra entries (deleted and rebuilt) by those the image
    // describes, dropping what it cannot describe. Always succeeds: returns 0.
    int rebuildFromImage(u8 *image, QList<extra_entry_class *> &extraEntries);

private:
    // Applies change to the step; 0, or -1 when the step is missing.
    template <typename Change>
    int changeStep(int number, int index, Change change);

    QList<program_class *> programs;  // in creation order; owned
};
