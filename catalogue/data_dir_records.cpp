#include "catalogue/data_dir_records.h"

#include "catalogue/subject_catalogue.h"
#include "platform/text.h"

const char* const kRegistryReadFailedMessage = "レジストリにアクセスできません。";
const char* const kRegistryWriteFailedMessage = "レジストリに登録できませんでした。";
const char* const kRegistryDeleteFailedMessage = "レジストリを削除できませんでした。";

namespace {

constexpr int kFirstYear = 2000;
constexpr int kYearCount = 8;
constexpr std::string_view kTwinSubjectKey = "Earth";
constexpr std::string_view kTwinKey = "General";

// An empty key name would address the product's own key above the subjects.
std::unique_ptr<IRegistryKey> OpenSubjectKey(IRegistry& registry, std::string_view keyName, RegAccess access) {
  if (keyName.empty()) return nullptr;
  return registry.OpenKey(RegRoot::LocalMachine, DataDirKeyPath(keyName), access);
}

bool HasTwin(std::string_view subjectKey) { return EqualsIgnoreAsciiCase(subjectKey, kTwinSubjectKey); }

// The path of a record whose data as stored fits the product's buffer; a NUL
// inside the data ends the path but does not make the data shorter.
std::optional<std::string> ReadBounded(IRegistryKey& key, const std::string& name) {
  auto value = key.QueryString(name);
  if (!value || Utf16Length(*value) > kMaxDataDirChars) return std::nullopt;
  return std::string(TextBeforeNul(*value));
}

bool SetRecord(IRegistry& registry, std::string_view keyName, const std::string& name, std::string_view path) {
  if (keyName.empty()) return false;
  auto key = registry.CreateKey(RegRoot::LocalMachine, DataDirKeyPath(keyName));
  return key && key->SetString(name, std::string(path));
}

// Opening for writing, never creating: removing a record must not leave an
// empty key behind for a subject that never had one.
bool RemoveRecord(IRegistry& registry, std::string_view keyName, const std::string& name) {
  auto key = OpenSubjectKey(registry, keyName, RegAccess::Write);
  if (!key) return false;
  key->DeleteValue(name);  // false also when the value is already gone, which is what we want
  return true;
}

}  // namespace

std::string DataDirKeyPath(std::string_view subjectKey) {
  return SubjectKeyPath(subjectKey);
}

std::string DataDirValueName(std::string_view year) {
  const std::size_t from = year.size() < 2 ? year.size() : 2;
  return "DataDir" + std::string(year.substr(from, 2));
}

std::vector<DataDirRecord> EnumDataDirRecords(IRegistry& registry, std::string_view subjectKey) {
  std::vector<DataDirRecord> records;
  auto key = OpenSubjectKey(registry, subjectKey, RegAccess::Read);
  if (!key) return records;
  for (int index = 0; index < kYearCount; ++index) {
    const std::string year = std::to_string(kFirstYear + index);
    auto path = ReadBounded(*key, DataDirValueName(year));
    if (path && Utf16Length(*path) > 2) records.push_back({year, std::move(*path)});
  }
  return records;
}

std::optional<std::string> ReadDataDirRecord(IRegistry& registry, std::string_view subjectKey,
                                             std::string_view year) {
  auto key = OpenSubjectKey(registry, subjectKey, RegAccess::Read);
  if (!key) return std::nullopt;
  return ReadBounded(*key, DataDirValueName(year));
}

RecordUpdate WriteDataDirRecord(IRegistry& registry, std::string_view subjectKey, std::string_view year,
                                std::string_view path) {
  const std::string name = DataDirValueName(year);
  if (!SetRecord(registry, subjectKey, name, path)) return RecordUpdate::SubjectKeyFailed;
  if (HasTwin(subjectKey) && !SetRecord(registry, kTwinKey, name, path)) return RecordUpdate::TwinFailed;
  return RecordUpdate::Done;
}

RecordUpdate DeleteDataDirRecord(IRegistry& registry, std::string_view subjectKey, std::string_view year) {
  const std::string name = DataDirValueName(year);
  if (!RemoveRecord(registry, subjectKey, name)) return RecordUpdate::SubjectKeyFailed;
  if (HasTwin(subjectKey) && !RemoveRecord(registry, kTwinKey, name)) return RecordUpdate::TwinFailed;
  return RecordUpdate::Done;
}
