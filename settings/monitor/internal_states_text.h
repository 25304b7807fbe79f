#pragma once

#include "model/types.h"

#include <QString>

class controller_configuration_class;

// The rows of the internal-states window, in their fixed order.
enum internal_states_row { ActiveStatesRow, ActiveScenesRow, ActiveProgramsRow, ActiveMasksRow, ActiveDelaysRow,
                           InternalStatesRowCount };

// The text of one row of the internal-states window for a report of `length` bytes: the
// active items (A1, Sc5, Pr5-3, Msk1, Dly2, each followed by its blanks), or, with
// descriptions, one item a line followed by its description; "none" when nothing is active.
//
// The report comes from the controller and is trusted in nothing: entries that do not lie
// wholly within its length (at most the buffer's 2400 bytes) and numbers outside the
// configuration's ranges are left out, and the bits of word 8 that name no state are
// ignored. Descriptions come from `descriptions`.
QString internalStatesRowText(const u8 *report, int length, int row, bool withDescriptions,
                              const controller_configuration_class &descriptions);
