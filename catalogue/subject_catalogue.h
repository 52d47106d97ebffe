#pragma once
// The eleven subjects in their one fixed order. Every walk over subjects and
// every lookup by code letter, key name or display name goes through this table.
#include <array>
#include <string>
#include <string_view>


inline constexpr int kSubjectCount = 11;

struct SubjectInfo {
  char code;                // upper-case code letter of labels and data folders
  const char* keyName;      // registry key name, exact case ("ciVics")
  const char* displayName;  // Japanese name
};

extern const std::array<SubjectInfo, kSubjectCount> kSubjects;

// "SOFTWARE\KR_LAB\Tav2007\" + a subject's key name: the same path under
// HKEY_CURRENT_USER (user level) and HKEY_LOCAL_MACHINE (data records).
std::string SubjectKeyPath(std::string_view subjectKey);

const SubjectInfo* FindSubjectByCode(char code);
// A registry key name in any letter case, as the registry matches key names.
const SubjectInfo* FindSubjectByKeyName(std::string_view keyName);
// Exact byte equality with a catalogue display name; edition names find nothing.
const SubjectInfo* FindSubjectByDisplayName(std::string_view name);
int SubjectIndex(const SubjectInfo& subject);

// Display name held for the current data set: English editions have their own.
// `edition` is "", "E" or "W".
std::string SubjectDisplayName(const SubjectInfo& subject, std::string_view edition);

// "Tav2007 生物": a data set or a disc as the tool's messages and dialogs name
// it, the year and the display name (SubjectDisplayName) one blank apart.
std::string DataSetName(std::string_view year, std::string_view subjectName);

// "Tav2007  生物": three letters, four year digits, two blanks, the name.
std::string FormatListLine(const SubjectInfo& subject, int year);

