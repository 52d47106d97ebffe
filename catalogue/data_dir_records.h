#pragma once
// The records that tell the product application where a copied data set lies:
// one string value "DataDir00".."DataDir07" (last two digits of the year) per
// subject key under HKEY_LOCAL_MACHINE\SOFTWARE\KR_LAB\Tav2007. Records of the
// subject "Earth" have a twin under the key "General", which the product reads
// for its combined subject; the twin is written and removed with the record
// and never listed.
//
// Every operation opens its key, works and lets it close before returning.
// An empty subject key name fails every operation.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry_port.h"
#include "platform/windows_path.h"

// A value whose data as stored is longer than this (in characters) is no
// record: the product reads records into a 261-byte buffer, so it could never
// use such a path. The path itself is the data's text up to its first NUL.
inline constexpr std::size_t kMaxDataDirChars = kMaxPathChars;

// "SOFTWARE\KR_LAB\Tav2007\" + the subject key name, under HKEY_LOCAL_MACHINE.
std::string DataDirKeyPath(std::string_view subjectKey);

// "DataDir" + the third and fourth characters of a four-digit year ("2007" ->
// "DataDir07").
std::string DataDirValueName(std::string_view year);

struct DataDirRecord {
  std::string year;  // "2000" .. "2007"
  std::string path;
};

// The present records of a subject in year order. A record is present when
// its value exists, is longer than 2 characters (a bare "C:" or an empty
// string is no data set) and not longer than kMaxDataDirChars. Every one of
// the eight names is tried; a gap does not end the walk. A key that cannot be
// opened yields nothing.
std::vector<DataDirRecord> EnumDataDirRecords(IRegistry& registry, std::string_view subjectKey);

// The path of one record, or nullopt when the key cannot be opened or the
// value is missing or longer than kMaxDataDirChars.
std::optional<std::string> ReadDataDirRecord(IRegistry& registry, std::string_view subjectKey,
                                             std::string_view year);

enum class RecordUpdate {
  Done,
  SubjectKeyFailed,  // nothing changed; the "General" twin was not tried
  TwinFailed,        // the subject's record changed, its "General" twin did not
};

// Creates the subject key when missing and sets the record to `path`,
// replacing an earlier one; for "Earth" (any letter case) then the twin.
// A value that cannot be set counts as a failure of its key.
RecordUpdate WriteDataDirRecord(IRegistry& registry, std::string_view subjectKey, std::string_view year,
                                std::string_view path);

// Removes the record, then for "Earth" its twin. Never creates a key. A value
// that is already gone counts as removed.
RecordUpdate DeleteDataDirRecord(IRegistry& registry, std::string_view subjectKey, std::string_view year);

// What the callers show when an operation above fails.
extern const char* const kRegistryReadFailedMessage;    // a record cannot be read
extern const char* const kRegistryWriteFailedMessage;   // a write failed
extern const char* const kRegistryDeleteFailedMessage;  // a removal failed
