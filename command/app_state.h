#pragma once
// The current data set and the start-up results. The dialogs read it; the
// commands write what a dialog handed back with the Apply functions below,
// for the next dialog and the command's own steps. The Win32 application
// object derives from it; the core works on it alone.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/content_kinds.h"
#include "catalogue/subject_catalogue.h"
#include "command/dialog_results.h"

struct TavAppState {
  std::string m_szAppDir;    // folder of the executable, ending with '\'
  std::string m_szIniPath;   // the INI file beside the executable
  std::array<bool, kSubjectCount> m_bAdmin{};  // catalogue order
  std::string m_szDiscLabel;    // upper-cased label of the detected disc
  std::string m_szCdRoot;       // "E:\" of the drive holding it
  std::optional<std::uint32_t> m_nDiscSerial;  // its volume serial number at identification
  std::string m_szYear;         // "2000" .. "2007"
  std::string m_szSubject;      // one code letter
  std::string m_szEdition;      // "", "E" or "W" (English editions)
  std::string m_szSubjectKey;   // registry key name, e.g. "Biology"
  std::string m_szSubjectName;  // Japanese display name
  // What the identified disc offers, kind order: set once per disc, before
  // the content selection, from the size table or the disc itself.
  std::array<std::int64_t, kKindCount> m_nKindSize{};  // bytes
  std::array<bool, kKindCount> m_bKindOffered{};
  std::array<std::vector<std::uint64_t>, kKindCount> m_kindFileSizes{};  // measured kinds only
  std::uint64_t m_nRequiredSize = 0;  // bytes the chosen kinds need
  std::string m_szDestDir;      // destination data folder of a copy or move
  std::vector<std::string> m_destCreatedLevels;  // levels made for it, root first
  std::string m_szDataDir;      // registered data folder chosen for a move or delete
  std::array<bool, kKindCount> m_bKind{};  // kind order
};

// The disc, its drive and its subject; the display name with the edition.
void ApplyIdentifiedDisc(const IdentifiedDisc& identified, TavAppState& app);
// The disc as identified, read back from the state.
IdentifiedDisc IdentifiedDiscOf(const TavAppState& app);
void ApplyChosenKinds(const ChosenKinds& chosen, TavAppState& app);
// m_szDestDir, and for a move the registered folder into m_szDataDir.
void ApplyCopyDestination(const ChosenDestination& chosen, TavAppState& app);
void ApplyMoveDestination(const ChosenDestination& chosen, TavAppState& app);
// The subject's name, code and key (all three empty when the line named no
// subject) and the year. m_szEdition keeps what a copy left there.
void ApplyDataSetToMove(const ChosenDataSet& chosen, TavAppState& app);
// As for a move, and the record read into m_szDataDir.
void ApplyDataSetToDelete(const ChosenDataSet& chosen, TavAppState& app);
