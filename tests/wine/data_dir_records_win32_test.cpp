// The data set records through the real registry port: where a 32-bit
// reader (the product application) finds them, and the Earth/General twin.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "catalogue/data_dir_records.h"
#include "platform/win32/win32_registry.h"

namespace {

const wchar_t* const kWowBranch = L"Software\\Wow6432Node\\KR_LAB\\Tav2007\\";
const wchar_t* const kProductBranch = L"SOFTWARE\\KR_LAB\\Tav2007\\";

class DataDirRecordsWin32 : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    for (const wchar_t* key : {L"Earth", L"General", L"Biology"})
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(kWowBranch) + key).c_str());
    // The parents go only when nothing else lives under them.
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB\\Tav2007");
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB");
  }

  // The value as a program opening `path` with `view` reads it; nullopt if
  // the key or the value is missing.
  static std::optional<std::wstring> Raw(const std::wstring& path, const wchar_t* name, REGSAM view,
                                         DWORD* typeOut = nullptr, DWORD* sizeOut = nullptr) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
      return std::nullopt;
    wchar_t data[400] = {};
    DWORD type = 0, size = sizeof data - sizeof(wchar_t);
    const LONG status = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    if (typeOut) *typeOut = type;
    if (sizeOut) *sizeOut = size;
    return std::wstring(data);
  }

  Win32Registry registry;
};

TEST_F(DataDirRecordsWin32, EarthRecordAndItsTwinLandInThe32BitView) {
  ASSERT_EQ(WriteDataDirRecord(registry, "Earth", "2004", "G:\\KR_LAB\\Tav2004\\TestDoc_T"), RecordUpdate::Done);

  const std::wstring expected = L"G:\\KR_LAB\\Tav2004\\TestDoc_T";
  for (const wchar_t* key : {L"Earth", L"General"}) {
    SCOPED_TRACE(std::string(key, key + wcslen(key)));
    DWORD type = 0, size = 0;
    // As the 32-bit product opens it ...
    EXPECT_EQ(Raw(std::wstring(kProductBranch) + key, L"DataDir04", KEY_WOW64_32KEY, &type, &size), expected);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, (expected.size() + 1) * sizeof(wchar_t)) << "the terminator is stored";
    // ... which is the Wow6432Node branch of the 64-bit view ...
    EXPECT_EQ(Raw(std::wstring(kWowBranch) + key, L"DataDir04", KEY_WOW64_64KEY), expected);
    // ... and not the 64-bit SOFTWARE branch.
    EXPECT_EQ(Raw(std::wstring(kProductBranch) + key, L"DataDir04", KEY_WOW64_64KEY), std::nullopt);
  }

  // Only the subject's own record is listed; the twin belongs to no subject.
  const auto records = EnumDataDirRecords(registry, "Earth");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].year, "2004");

  ASSERT_EQ(DeleteDataDirRecord(registry, "EARTH", "2004"), RecordUpdate::Done);
  for (const wchar_t* key : {L"Earth", L"General"})
    EXPECT_EQ(Raw(std::wstring(kProductBranch) + key, L"DataDir04", KEY_WOW64_32KEY), std::nullopt);
  EXPECT_EQ(DeleteDataDirRecord(registry, "Earth", "2004"), RecordUpdate::Done) << "already gone counts as removed";
}

TEST_F(DataDirRecordsWin32, RecordsThatThe32BitProductWroteAreReadAndListed) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(kProductBranch) + L"Biology").c_str(), 0, nullptr, 0,
                            KEY_WRITE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const auto set = [&](const wchar_t* name, const std::wstring& value, DWORD type = REG_SZ) {
    RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  };
  set(L"DataDir01", L"C:");                                  // no data set
  set(L"DataDir03", L"D:\\KR_LAB\\Tav2003\\TestDoc_B");
  set(L"DataDir05", L"D:\\" + std::wstring(258, L'x'));      // 261 characters: no record
  set(L"DataDir06", L"D:\\データ\\TestDoc_B", REG_EXPAND_SZ);  // the type is not looked at
  RegCloseKey(key);

  const auto records = EnumDataDirRecords(registry, "Biology");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].year, "2003");
  EXPECT_EQ(records[1].year, "2006");
  EXPECT_EQ(records[1].path, "D:\\データ\\TestDoc_B");
  EXPECT_EQ(ReadDataDirRecord(registry, "biology", "2003"), "D:\\KR_LAB\\Tav2003\\TestDoc_B");
  EXPECT_EQ(ReadDataDirRecord(registry, "Biology", "2005"), std::nullopt);
  EXPECT_EQ(ReadDataDirRecord(registry, "Biology", "2007"), std::nullopt);

  // Rewriting a year replaces its path in place.
  ASSERT_EQ(WriteDataDirRecord(registry, "Biology", "2003", "G:\\KR_LAB\\Tav2003\\TestDoc_B"), RecordUpdate::Done);
  EXPECT_EQ(Raw(std::wstring(kProductBranch) + L"Biology", L"DataDir03", KEY_WOW64_32KEY),
            L"G:\\KR_LAB\\Tav2003\\TestDoc_B");
  EXPECT_EQ(Raw(std::wstring(kProductBranch) + L"General", L"DataDir03", KEY_WOW64_32KEY), std::nullopt)
      << "only Earth has a twin";
}

TEST_F(DataDirRecordsWin32, MissingKeyIsNeitherReadNorCreatedByARemoval) {
  EXPECT_TRUE(EnumDataDirRecords(registry, "Biology").empty());
  EXPECT_EQ(ReadDataDirRecord(registry, "Biology", "2007"), std::nullopt);
  EXPECT_EQ(DeleteDataDirRecord(registry, "Biology", "2007"), RecordUpdate::SubjectKeyFailed);
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(kWowBranch) + L"Biology").c_str(), 0,
                          KEY_READ | KEY_WOW64_64KEY, &key),
            ERROR_SUCCESS);
}

}  // namespace
