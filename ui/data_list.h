#pragma once
// The registered-data list that starts a move or a delete: one line per
// recorded data set of the subjects the user administers. Each line travels
// with the data set it shows, so the chosen line hands that data set back
// as it is; nothing reads a data set out of the line's text. The list box
// sorts the lines itself; nothing here depends on their order beyond being
// complete.
#include <array>
#include <optional>
#include <string>
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

// One line of the list and the data set it stands for.
struct ListedDataSet {
  const SubjectInfo* subject = nullptr;  // never null in a built list
  std::string year;                      // "2000" .. "2007"
  std::string dataDir;                   // the record as the list's walk read it
  std::string line;                      // "Tav2005  生物", what the user sees
};

// The lines of one subject in year ascending order, whether or not the user
// administers it (the caller decides). Earth's "General" twin is never listed.
std::vector<ListedDataSet> ListedDataSetsOf(IRegistry& registry, const SubjectInfo& subject);

// The whole list: subjects in catalogue order, years ascending within each.
// Subjects without rights are not looked at.
std::vector<ListedDataSet> BuildDataList(IRegistry& registry, const std::array<bool, kSubjectCount>& admin);

// The dialog's confirmation of a listed line: its data set, and for the
// delete variant the folder its record holds now. Nothing when that record
// cannot be read (it may have been removed since the list was built); the
// caller then shows kRegistryReadFailedMessage and stays open.
std::optional<ChosenDataSet> ConfirmChosenDataSet(IRegistry& registry, DataListVariant variant,
                                                  const ListedDataSet& listed);
