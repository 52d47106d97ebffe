#pragma once
// The registered-data list that starts a move or a delete: one line per
// recorded data set of the subjects the user administers, and the decoding of
// the chosen line into the current data set. The list box sorts the lines
// itself; nothing here depends on their order beyond being complete.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "command/app_state.h"
#include "platform/registry_port.h"

enum class DataListVariant { Move, Delete };

struct DataListTexts {
  const char* title;
  const char* instruction;
  const char* emptyListMessage;    // nothing to list: the dialog ends at once
  const char* noSelectionMessage;  // "次へ" with no line chosen
  bool readsRecord;                // the delete variant reads the chosen record on confirmation
};
const DataListTexts& DataListTextsFor(DataListVariant variant);

// "Tav2005  生物" lines: subjects in catalogue order, years ascending within
// each. Subjects without rights are not looked at; Earth's "General" twin is
// never listed.
std::vector<std::string> BuildDataListLines(IRegistry& registry, const std::array<bool, kSubjectCount>& admin);

// Sets m_szSubjectName, m_szSubject and m_szSubjectKey from the line's name
// (all three empty when it names no subject) and m_szYear from its year.
// Nothing else is touched; m_szEdition keeps what a copy left there.
void ApplyChosenLine(std::string_view line, TavAppState& app);

// The dialog's confirmation: ApplyChosenLine, then for the delete variant the
// chosen record into m_szDataDir. False when that record cannot be read (it
// may have been removed since the list was built); the caller then shows
// kRegistryReadFailedMessage and stays open, and m_szDataDir is unchanged.
bool ConfirmChosenLine(IRegistry& registry, DataListVariant variant, std::string_view line, TavAppState& app);
