// The Win32 file port's part in keeping ordinary users from steering the
// elevated tool, against Wine's real files: a link reads as a reparse point
// and no walk enters one; the tool's own descriptor is well formed (Wine
// accepts a descriptor at creation and does not keep it, so what the folder
// gets is checked natively through the fake); names fold as the system's
// upcase table folds them.
#include <gtest/gtest.h>
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <fstream>

#include "app/win32/redirection_trust.h"
#include "platform/file_port.h"
#include "platform/text.h"
#include "platform/win32/win32_file_system.h"
#include "tests/support/unix_link.h"

namespace {

const std::string kRoot = "D:\\tav-level-test";

class Win32LevelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TearDown();
    ASSERT_TRUE(files.CreateFolder(kRoot));
    ASSERT_TRUE(files.CreateFolder(kRoot + "\\elsewhere"));
    std::ofstream(Utf8ToUtf16(kRoot + "\\elsewhere\\keep.txt").c_str()) << "keep";
    ASSERT_TRUE(files.CreateFolder(kRoot + "\\data"));
    ASSERT_TRUE(files.CreateFolder(kRoot + "\\data\\Word"));
    ASSERT_TRUE(unix_link::Plant(kRoot + "\\elsewhere", kRoot + "\\data\\Word\\link"));
  }
  void TearDown() override {
    unix_link::Remove(kRoot + "\\data\\Word\\link");
    files.RemoveTree(kRoot);
  }
  Win32FileSystem files{NoWindowOwner()};
};

TEST_F(Win32LevelTest, ALinkIsAReparsePointAndAFolderOfTheUsersIsTrusted) {
  const PathLevel link = files.InspectLevel(kRoot + "\\data\\Word\\link");
  EXPECT_TRUE(link.exists);
  EXPECT_TRUE(link.isReparsePoint);
  EXPECT_FALSE(link.ownerTrusted) << "a link's owner says nothing about where it leads";

  // Under Wine every file belongs to the running user.
  const PathLevel folder = files.InspectLevel(kRoot + "\\data");
  EXPECT_TRUE(folder.exists);
  EXPECT_FALSE(folder.isReparsePoint);
  EXPECT_TRUE(folder.ownerTrusted);

  EXPECT_FALSE(files.InspectLevel(kRoot + "\\missing").exists);
}

TEST_F(Win32LevelTest, NoWalkEntersALink) {
  EXPECT_FALSE(files.ListTree(kRoot + "\\data\\Word").has_value()) << "a link inside the tree";
  EXPECT_FALSE(files.ListTree(kRoot + "\\data").has_value()) << "a link deeper inside";
  EXPECT_FALSE(files.ListTree(kRoot + "\\data\\Word\\link").has_value()) << "the walked folder is a link";
  EXPECT_TRUE(files.ListTree(kRoot + "\\elsewhere").has_value());
}

// Whether the link itself goes depends on the system: Wine's
// RemoveDirectoryW acts on a Unix link's target (an empty one is removed),
// so there the link and its folder stay. What it leads to is never emptied.
TEST_F(Win32LevelTest, RemovingATreeNeverEmptiesWhatItsLinkLeadsTo) {
  files.RemoveTree(kRoot + "\\data");
  EXPECT_TRUE(files.Exists(kRoot + "\\elsewhere\\keep.txt"));
}

// The descriptor every created level gets: a protected DACL of three
// entries, each inherited by folders and files below.
TEST(OwnFolderDescriptor, IsAProtectedDaclForSystemAdministratorsAndUsers) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(Utf8ToUtf16(kOwnFolderSddl).c_str(),
                                                                   SDDL_REVISION_1, &descriptor, nullptr));
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  ASSERT_TRUE(GetSecurityDescriptorControl(descriptor, &control, &revision));
  EXPECT_TRUE(control & SE_DACL_PROTECTED) << "nothing inherited from the drive root";
  BOOL present = FALSE, defaulted = FALSE;
  PACL dacl = nullptr;
  ASSERT_TRUE(GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted));
  ASSERT_TRUE(present && dacl);
  ASSERT_EQ(dacl->AceCount, 3);
  const struct {
    WELL_KNOWN_SID_TYPE who;
    ACCESS_MASK rights;
  } expected[] = {
      {WinLocalSystemSid, FILE_ALL_ACCESS},
      {WinBuiltinAdministratorsSid, FILE_ALL_ACCESS},
      {WinBuiltinUsersSid, FILE_GENERIC_READ | FILE_GENERIC_EXECUTE},
  };
  for (DWORD i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    ACCESS_ALLOWED_ACE* ace = nullptr;
    ASSERT_TRUE(GetAce(dacl, i, reinterpret_cast<void**>(&ace)));
    EXPECT_EQ(ace->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
    EXPECT_EQ(ace->Header.AceFlags & (OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE),
              OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE);
    EXPECT_EQ(ace->Mask, expected[i].rights);
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof sid;
    ASSERT_TRUE(CreateWellKnownSid(expected[i].who, nullptr, sid, &size));
    EXPECT_TRUE(EqualSid(&ace->SidStart, sid));
  }
  LocalFree(descriptor);
}

// The portable fold agrees with the system's upcase table over every
// character of the blocks it covers, BMP code point by code point.
TEST(UpcaseAsWindows, AgreesWithTheSystemsUpcaseTable) {
  using Upcase = WCHAR(WINAPI*)(WCHAR);
  const auto upcase = reinterpret_cast<Upcase>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlUpcaseUnicodeChar")));
  ASSERT_NE(upcase, nullptr);
  const struct {
    char32_t first, last;
  } blocks[] = {{0x0000, 0x024F}, {0x0370, 0x03FF}, {0x0400, 0x052F}, {0xFF00, 0xFFEF}};
  int checked = 0;
  for (const auto& block : blocks)
    for (char32_t c = block.first; c <= block.last; ++c, ++checked)
      ASSERT_EQ(static_cast<unsigned>(UpcaseAsWindows(c)), static_cast<unsigned>(upcase(static_cast<WCHAR>(c))))
          << std::hex << static_cast<unsigned>(c);
  EXPECT_GT(checked, 1000);
}

// Where Windows takes the mitigation, it reads back as on; where it does
// not (Wine, older Windows), the process runs on as before.
TEST(RedirectionTrust, OnWhereWindowsOffersIt) {
  const bool taken = EnforceRedirectionTrust();
  EXPECT_TRUE(Win32FileSystem(NoWindowOwner()).ListTree("C:\\windows\\system32\\drivers").has_value()) << "files as before";
  // Wine answers both calls as stubs: TRUE, and a policy of nothing.
  if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) GTEST_SKIP() << "Wine keeps no policy";
  if (!taken) GTEST_SKIP() << "this Windows has no redirection trust mitigation";
  using GetPolicy = BOOL(WINAPI*)(HANDLE, int, PVOID, SIZE_T);
  const auto get = reinterpret_cast<GetPolicy>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetProcessMitigationPolicy")));
  ASSERT_NE(get, nullptr);
  DWORD flags = 0;
  ASSERT_TRUE(get(GetCurrentProcess(), 16, &flags, sizeof flags));
  EXPECT_TRUE(flags & 1) << "EnforceRedirectionTrust";
}

}  // namespace
