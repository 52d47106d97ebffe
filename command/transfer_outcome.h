#pragma once
// How a copy, move or delete of a data set ended. Every outcome but Done and
// TwinLagging leaves the data set and its record exactly as they were.
#include <string>
#include <string_view>

enum class Transfer {
  Done,          // completely in its new state, the record naming it
  TwinLagging,   // done; only the "General" twin of an Earth record could not follow
  Failed,        // stopped or refused; nothing changed
  RecordFailed,  // the record could not be written or removed at all; nothing changed
  Unreachable,   // the data folder's drive is absent or the folder cannot be read
  DiscChanged,   // the disc in the drive is no longer the one identified
};

struct TransferOutcome {
  Transfer result = Transfer::Failed;
  // After Done or TwinLagging: what could not be removed any more (the old
  // folder of a move, what a delete had set aside). Already unregistered.
  std::string leftover;
  bool Finished() const { return result == Transfer::Done || result == Transfer::TwinLagging; }
};

// What a move or a delete says of its outcome, in either front end.
struct TransferTexts {
  std::string_view interrupted;   // Failed and Unreachable
  std::string_view completed;     // Done and TwinLagging
  std::string_view recordFailed;  // RecordFailed, and TwinLagging before the completion
  std::string (*leftover)(const std::string& folder);  // the warning naming what stayed
};
