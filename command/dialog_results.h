#pragma once
// What the user chose in one dialog of a command. A dialog hands one of these
// back; the command writes it into the application state (app_state.h).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/content_kinds.h"
#include "catalogue/subject_catalogue.h"

// A product disc as its volume label names it.
struct DiscIdentity {
  std::string label;    // upper-cased; the alias label is stored as "TAV02W_S"
  std::string year;     // "2000" .. "2007"
  const SubjectInfo* subject = nullptr;
  std::string edition;  // "", or "E" / "W" for the English editions
};

// The disc wait dialog: the disc and the root of the drive holding it.
struct IdentifiedDisc {
  DiscIdentity disc;
  std::string cdRoot;  // "E:\"
  // Read with the label: a disc swapped for another of the same label has
  // another serial number. None for a folder holding a disc's content.
  std::optional<std::uint32_t> serial;
};

// The content selection: the ticked kinds and the bytes they need.
struct ChosenKinds {
  KindFlags kinds{};
  std::uint64_t requiredBytes = 0;
};

// The destination dialog: the composed data folder, made to exist. The move
// variant also read the data set's registered folder to compare it with.
struct ChosenDestination {
  std::string folder;
  std::string registeredFolder;  // move only
  std::vector<std::string> createdLevels;  // the levels made for it, root first
};

// The list dialog: the data set of the chosen line. A line that names no
// subject leaves `subject` null. The delete variant read its record.
struct ChosenDataSet {
  const SubjectInfo* subject = nullptr;
  std::string year;
  std::string dataDir;  // delete only
};
