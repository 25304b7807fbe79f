#pragma once

#include "model/types.h"

// The controller's internal-states report: unsigned 16-bit little-endian words. Words 0-7
// are four (count, start) pairs of the active scenes, programs, masks and delays, each list
// beginning at word ReportHeaderWords + start; words 8-12 hold the set states (A1-A4 in
// bits 0-3 of word 8, then two letters per word, B and C in word 9 up to H and I in word
// 12, bit 0 of each byte being state 1 of its letter).
namespace internal_states_report {

constexpr int HeaderWords = 13;
constexpr int HeaderBytes = 2 * HeaderWords;
// The largest report the controller may announce, and the buffer that takes it.
constexpr int BufferSize = 2400;

constexpr int FirstStateWord = 8;
constexpr int StateWords = 5;
// Word 8 holds only A1-A4; its other bits name no state.
constexpr int StatesOfFirstWord = 4;

enum list_kind { SceneList, ProgramList, MaskList, DelayList, ListCount };
constexpr int countWord(list_kind list) { return 2 * list; }
constexpr int startWord(list_kind list) { return 2 * list + 1; }
// A program entry is the program and then its current step.
constexpr int entryWords(list_kind list) { return list == ProgramList ? 2 : 1; }

} // namespace internal_states_report
