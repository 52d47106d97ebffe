#pragma once
// The registered-data list that starts a move or a delete: one line per
// recorded data set of the subjects the user administers, and the decoding of
// the chosen line into the data set it names. The list box sorts the lines
// itself; nothing here depends on their order beyond being complete.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command/dialog_results.h"
#include "platform/registry_port.h"

enum class DataListVariant { Move, Delete };

// What the code of the two variants needs; their titles and instructions
// live in the templates.
struct DataListTexts {
  const char* emptyListMessage;    // nothing to list: the dialog ends at once
  const char* noSelectionMessage;  // "次へ" with no line chosen
  bool readsRecord;                // the delete variant reads the chosen record on confirmation
};
const DataListTexts& DataListTextsFor(DataListVariant variant);

// "Tav2005  生物" lines: subjects in catalogue order, years ascending within
// each. Subjects without rights are not looked at; Earth's "General" twin is
// never listed.
std::vector<std::string> BuildDataListLines(IRegistry& registry, const std::array<bool, kSubjectCount>& admin);

// The subject the line names (null when none) and its year.
ChosenDataSet DataSetOfLine(std::string_view line);

// The dialog's confirmation: the line's data set, and for the delete variant
// the folder its record holds. Nothing when that record cannot be read (it
// may have been removed since the list was built); the caller then shows
// kRegistryReadFailedMessage and stays open.
std::optional<ChosenDataSet> ConfirmChosenLine(IRegistry& registry, DataListVariant variant, std::string_view line);
