// The registry port against Wine's real registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/startup.h"
#include "catalogue/data_dir_records.h"
#include "platform/win32/win32_registry.h"

namespace {

const char* const kTestKey = "SOFTWARE\\KR_LAB\\Tav2007\\WineTestSubject";

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  static void Clean() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB\\Tav2007\\WineTestSubject");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KR_LAB\\Tav2007\\WineTestSubject");
  }
  Win32Registry registry;
};

TEST_F(Win32RegistryTest, MachineRecordsLandWhereA32BitReaderLooks) {
  {
    auto key = registry.CreateKey(RegRoot::LocalMachine, kTestKey);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->SetString("DataDir07", "D:\\KR_LAB\\Tav2007\\TestDoc_B"));
  }
  // A 64-bit prefix keeps the 32-bit view of HKLM\SOFTWARE under Wow6432Node.
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB\\Tav2007\\WineTestSubject", 0,
                          KEY_READ | KEY_WOW64_64KEY, &raw),
            ERROR_SUCCESS);
  wchar_t data[300] = {};
  DWORD type = 0, size = sizeof data;
  EXPECT_EQ(RegQueryValueExW(raw, L"DataDir07", nullptr, &type, reinterpret_cast<BYTE*>(data), &size), ERROR_SUCCESS);
  RegCloseKey(raw);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(data, L"D:\\KR_LAB\\Tav2007\\TestDoc_B");
  EXPECT_EQ(size, sizeof(L"D:\\KR_LAB\\Tav2007\\TestDoc_B")) << "the terminator is stored";
  // ... and not in the 64-bit view.
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\KR_LAB\\Tav2007\\WineTestSubject", 0,
                          KEY_READ | KEY_WOW64_64KEY, &raw),
            ERROR_SUCCESS);
}

TEST_F(Win32RegistryTest, ReadsWritesAndDeletesJapaneseTextWithoutCreatingOnOpen) {
  EXPECT_EQ(registry.OpenKey(RegRoot::LocalMachine, kTestKey, RegAccess::Read), nullptr);
  EXPECT_EQ(registry.OpenKey(RegRoot::LocalMachine, kTestKey, RegAccess::Write), nullptr);
  EXPECT_EQ(registry.OpenKey(RegRoot::LocalMachine, kTestKey, RegAccess::Read), nullptr) << "open never creates";

  registry.CreateKey(RegRoot::LocalMachine, kTestKey)->SetString("DataDir03", "E:\\表示\\ソフト");
  const char* const otherCase = "software\\kr_lab\\TAV2007\\winetestsubject";
  auto reader = registry.OpenKey(RegRoot::LocalMachine, otherCase, RegAccess::Read);
  ASSERT_NE(reader, nullptr) << "key names compare without regard to case";
  EXPECT_EQ(reader->QueryString("datadir03"), "E:\\表示\\ソフト");
  EXPECT_EQ(reader->QueryString("DataDir04"), std::nullopt);
  EXPECT_TRUE(registry.OpenKey(RegRoot::LocalMachine, otherCase, RegAccess::Write)->DeleteValue("DataDir03"));
  EXPECT_EQ(reader->QueryString("DataDir03"), std::nullopt);
}

TEST_F(Win32RegistryTest, UserLevelIsReadFromTheUsersKey) {
  HKEY raw = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\KR_LAB\\Tav2007\\WineTestSubject", 0, nullptr, 0,
                            KEY_WRITE, nullptr, &raw, nullptr),
            ERROR_SUCCESS);
  const wchar_t level[] = L"Admin";
  RegSetValueExW(raw, L"UserLevel", 0, REG_SZ, reinterpret_cast<const BYTE*>(level), sizeof level);
  RegCloseKey(raw);
  auto key = registry.OpenKey(RegRoot::CurrentUser, "Software\\KR_LAB\\Tav2007\\WineTestSubject", RegAccess::Read);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->QueryString("UserLevel"), "Admin");
}

// Values as other programs may have written them: the port gives the data
// as stored (less one terminating NUL), so a NUL inside cannot make a long
// value pass for a short one.
TEST_F(Win32RegistryTest, DataIsJudgedAsStoredWhateverItsTypeAndNuls) {
  const std::wstring forty(40, L'x');
  const struct {
    const char* name;
    DWORD type;
    std::wstring data;  // written with exactly these units
    std::optional<std::string> read;
    bool grantsAdmin;
  } cases[] = {
      {"string with its terminator", REG_SZ, std::wstring(L"Admin") + L'\0', "Admin", true},
      {"string without a terminator", REG_SZ, L"ADMIN", "ADMIN", true},
      {"one-string multi-string", REG_MULTI_SZ, std::wstring(L"ADMIN\0\0", 7), std::string("ADMIN\0", 6), true},
      {"ADMIN, a NUL and 40 more as a multi-string", REG_MULTI_SZ, std::wstring(L"ADMIN\0", 6) + forty + L'\0' + L'\0',
       "ADMIN" + std::string(1, '\0') + std::string(40, 'x') + std::string(1, '\0'), false},
      {"ADMIN, a NUL and 40 more as a string", REG_SZ, std::wstring(L"ADMIN\0", 6) + forty + L'\0',
       "ADMIN" + std::string(1, '\0') + std::string(40, 'x'), false},
      {"a lone surrogate cannot be carried as text", REG_SZ, std::wstring(L"AD\xD800MIN") + L'\0', std::nullopt, false},
  };
  HKEY raw = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\KR_LAB\\Tav2007\\WineTestSubject", 0, nullptr, 0,
                            KEY_WRITE, nullptr, &raw, nullptr),
            ERROR_SUCCESS);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(RegSetValueExW(raw, L"UserLevel", 0, c.type, reinterpret_cast<const BYTE*>(c.data.data()),
                             static_cast<DWORD>(c.data.size() * sizeof(wchar_t))),
              ERROR_SUCCESS);
    auto key = registry.OpenKey(RegRoot::CurrentUser, "Software\\KR_LAB\\Tav2007\\WineTestSubject", RegAccess::Read);
    ASSERT_NE(key, nullptr);
    const auto read = key->QueryString("UserLevel");
    EXPECT_EQ(read, c.read);
    EXPECT_EQ(UserLevelGrantsAdmin(read), c.grantsAdmin);
  }
  RegCloseKey(raw);
}

TEST_F(Win32RegistryTest, RecordWithAShortPathANulAndMoreIsNoRecord) {
  HKEY raw = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\KR_LAB\\Tav2007\\WineTestSubject", 0, nullptr, 0,
                            KEY_WRITE | KEY_WOW64_32KEY, nullptr, &raw, nullptr),
            ERROR_SUCCESS);
  const std::wstring longData = std::wstring(L"D:\\KR_LAB\0", 10) + std::wstring(300, L'x') + L'\0';
  const std::wstring fitting = std::wstring(L"D:\\KR_LAB\0", 10) + std::wstring(250, L'x') + L'\0';
  for (const auto& [name, data] : {std::pair{L"DataDir05", longData}, std::pair{L"DataDir06", fitting}})
    ASSERT_EQ(RegSetValueExW(raw, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size() * sizeof(wchar_t))),
              ERROR_SUCCESS);
  RegCloseKey(raw);
  const auto records = EnumDataDirRecords(registry, "WineTestSubject");
  ASSERT_EQ(records.size(), 1u) << "310 characters as stored are no record";
  EXPECT_EQ(records[0].year, "2006");
  EXPECT_EQ(records[0].path, "D:\\KR_LAB");
  EXPECT_EQ(ReadDataDirRecord(registry, "WineTestSubject", "2005"), std::nullopt);
}

}  // namespace
