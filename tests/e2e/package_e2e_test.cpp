// The release package as an administrator gets it: the archive unpacked and
// the tool started from there with its INI exactly as shipped, and the
// installer installed, replaced by a newer one and removed with msiexec.
// Both copy the product disc and need its disc set and the package
// (--release, --unpacked, --next-msi); elsewhere they skip.
#include <gtest/gtest.h>
#include <windows.h>
#include <msi.h>
#include <msiquery.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "platform/text.h"
#include "tests/e2e/tool_process.h"
#include "tests/e2e/tool_steps.h"
#include "tests/support/automation.h"

namespace {

using namespace automation;
using namespace e2e;

std::wstring W(const std::string& s) { return Utf8ToUtf16(s); }

const std::vector<std::string> kAllKinds = {"Ichitaro", "Word", "PDF", "TIF", "TXT", "TXT0", "VOICE"};
const std::string kShippedFiles[] = {"TavCopyTool.INI", "TavCopyTool.exe", "TavCopyTool.html"};
const std::string kDataFolder = "G:\\KR_LAB\\Tav2007\\TestDoc_B";

std::string WithSlash(const std::string& folder) {
  return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

// The names of the files directly in a folder.
std::vector<std::string> FileNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& [path, size] : Tree(folder))
    if (path.find('\\') == std::string::npos) names.push_back(path);
  return names;
}

// "1.0.1.0" from the exe's version block; "" without one.
std::string FileVersion(const std::string& exe) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(W(exe).c_str(), &handle);
  std::vector<BYTE> block(size);
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!size || !GetFileVersionInfoW(W(exe).c_str(), 0, size, block.data()) ||
      !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length))
    return "";
  return std::to_string(HIWORD(info->dwFileVersionMS)) + "." + std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
         std::to_string(HIWORD(info->dwFileVersionLS)) + "." + std::to_string(LOWORD(info->dwFileVersionLS));
}

// Runs msiexec with `arguments` and returns its exit code.
DWORD Msiexec(const std::string& arguments) {
  std::wstring commandLine = L"msiexec.exe " + W(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return GetLastError();
  DWORD code = WAIT_TIMEOUT;
  if (WaitForSingleObject(process.hProcess, 180000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

std::string UpgradeCodeOf(const std::string& msi) {
  MSIHANDLE database = 0, view = 0, record = 0;
  std::string code;
  if (MsiOpenDatabaseW(W(msi).c_str(), MSIDBOPEN_READONLY, &database) == ERROR_SUCCESS &&
      MsiDatabaseOpenViewW(database, L"SELECT `Value` FROM `Property` WHERE `Property`='UpgradeCode'", &view) ==
          ERROR_SUCCESS &&
      MsiViewExecute(view, 0) == ERROR_SUCCESS && MsiViewFetch(view, &record) == ERROR_SUCCESS) {
    wchar_t value[64] = {};
    DWORD length = 64;
    if (MsiRecordGetStringW(record, 1, value, &length) == ERROR_SUCCESS) code = Utf16ToUtf8(value);
  }
  for (MSIHANDLE h : {record, view, database})
    if (h) MsiCloseHandle(h);
  return code;
}

// The installed products with this upgrade code.
std::vector<std::string> InstalledProducts(const std::string& upgradeCode) {
  std::vector<std::string> products;
  wchar_t product[39];
  for (DWORD i = 0; MsiEnumRelatedProductsW(W(upgradeCode).c_str(), 0, i, product) == ERROR_SUCCESS; ++i)
    products.push_back(Utf16ToUtf8(product));
  return products;
}

std::string ProductVersion(const std::string& productCode) {
  wchar_t version[64] = {};
  DWORD length = 64;
  if (MsiGetProductInfoW(W(productCode).c_str(), INSTALLPROPERTY_VERSIONSTRING, version, &length) != ERROR_SUCCESS)
    return "";
  return Utf16ToUtf8(version);
}

std::string ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return Utf16ToUtf8(path);
}

// The Start menu shortcut wherever it lies: Windows puts a per-machine
// install's shortcut in the common Programs folder; Wine's installer puts
// it in the user's Programs folder whatever ALLUSERS says.
std::vector<std::string> StartMenuShortcuts() {
  std::vector<std::string> found;
  for (int csidl : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
    const std::string link = ShellFolder(csidl) + "\\Tavコピーツール.lnk";
    if (Exists(link)) found.push_back(link);
  }
  return found;
}

std::string ShortcutTarget(const std::string& link) {
  std::string target;
  IShellLinkW* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&shellLink))))
    return target;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(W(link).c_str(), STGM_READ)) &&
        SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
      target = Utf16ToUtf8(path);
    file->Release();
  }
  shellLink->Release();
  return target;
}

// Copies Word and PDF of the product disc with the tool `exe` into
// kDataFolder, and ends the tool.
void CopyWordAndPdf(const std::string& exe) {
  ToolProcess tool("", exe);
  HWND menu = tool.WaitForMainMenu();
  ASSERT_NE(menu, nullptr) << exe;
  StartCopy(tool.pid(), menu, {"Word", "PDF"}, 'G', kDataFolder);
  ExpectBox(tool.pid(), kVer2Offer, IDNO);
  ExpectBox(tool.pid(), "別のディスクをコピーしますか？", IDNO);
  Click(menu, 1003);
  EXPECT_TRUE(tool.WaitForExit());
}

class Package : public ::testing::Test {
 protected:
  void SetUp() override {
    if (CurrentDiscSet() != "product") GTEST_SKIP() << "needs the product disc set";
    if (Options().releaseDir.empty() || Options().unpackedDir.empty() || Options().nextMsi.empty())
      GTEST_SKIP() << "needs --release, --unpacked and --next-msi";
    CoInitialize(nullptr);
    ResetRegistry();
    CleanDataDrives();
    GrantUserLevel("Biology");
  }
  void TearDown() override {
    ResetRegistry();
    CleanDataDrives();
    CoUninitialize();
  }
  static std::string Release(const std::string& name) { return WithSlash(Options().releaseDir) + name; }
};

TEST_F(Package, ArchiveWithItsINIAsShippedOffersTheDiscsKindsMeasuredAndCopiesThem) {
  const std::string folder = WithSlash(Options().unpackedDir);
  EXPECT_EQ(FileNames(folder), std::vector<std::string>(std::begin(kShippedFiles), std::end(kShippedFiles)));
  const std::string exe = folder + "TavCopyTool.exe";
  const std::string version = FileVersion(exe);
  ASSERT_EQ(version.substr(version.size() - 2), ".0") << version;
  EXPECT_TRUE(Exists(Release("TavCopyTool-" + version.substr(0, version.size() - 2) + "-win64.zip")))
      << "the archive is named after the version the exe carries: " << version;

  ToolProcess tool("", exe);
  const DWORD pid = tool.pid();
  HWND menu = tool.WaitForMainMenu();
  ASSERT_NE(menu, nullptr);
  const auto offered = LookAtContentSelection(pid, menu, "package-zip-content-selection");
  EXPECT_EQ(offered.size(), kAllKinds.size()) << "every kind folder of the disc";
  EXPECT_EQ(offered, MeasuredKinds("E:\\", 'B'));

  StartCopy(pid, menu, kAllKinds, 'G', kDataFolder, "package-zip-copy");
  ExpectBox(pid, kVer2Offer, IDNO);
  ExpectBox(pid, "別のディスクをコピーしますか？", IDNO);
  ExpectCopied("E:\\TestDoc_B", kDataFolder, kAllKinds);
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), kDataFolder);
  Click(menu, 1003);
  EXPECT_TRUE(tool.WaitForExit());
}

TEST_F(Package, InstallerInstallsIsReplacedByANewerOneAndUninstallsLeavingTheDataSets) {
  const std::string folder = WithSlash(Options().unpackedDir);
  const std::string version = FileVersion(folder + "TavCopyTool.exe");
  const std::string shortVersion = version.substr(0, version.size() - 2);
  const std::string msi = Release("TavCopyTool-" + shortVersion + "-win64.msi");
  ASSERT_TRUE(Exists(msi)) << "the installer is named after the version the exe carries: " << msi;
  const std::string upgradeCode = UpgradeCodeOf(msi);
  ASSERT_FALSE(upgradeCode.empty());
  ASSERT_EQ(UpgradeCodeOf(Options().nextMsi), upgradeCode) << "one upgrade code for every version";
  for (const auto& left : InstalledProducts(upgradeCode)) Msiexec("/x " + left + " /qn");  // an earlier run's

  ASSERT_EQ(Msiexec("/i \"" + msi + "\" /qn"), 0u);
  const std::string installed = ShellFolder(CSIDL_PROGRAM_FILES) + "\\TavCopyTool\\";
  const std::string exe = installed + "TavCopyTool.exe";
  EXPECT_EQ(FileNames(installed), std::vector<std::string>(std::begin(kShippedFiles), std::end(kShippedFiles)));
  EXPECT_EQ(Tree(installed), Tree(folder)) << "the same files as in the archive";
  auto shortcuts = StartMenuShortcuts();
  ASSERT_EQ(shortcuts.size(), 1u) << "one shortcut \"Tavコピーツール\"";
  EXPECT_TRUE(EqualsIgnoreAsciiCase(ShortcutTarget(shortcuts[0]), exe)) << ShortcutTarget(shortcuts[0]);
  auto products = InstalledProducts(upgradeCode);
  ASSERT_EQ(products.size(), 1u);
  EXPECT_EQ(ProductVersion(products[0]), shortVersion) << "the version block's version";
  EXPECT_EQ(FileVersion(exe), version);

  // The installed tool starts to the main menu and copies a data set.
  CopyWordAndPdf(exe);
  ASSERT_EQ(ReadRecord32("Biology", "DataDir07"), kDataFolder);

  // A newer package replaces the installed one.
  ASSERT_EQ(Msiexec("/i \"" + Options().nextMsi + "\" /qn"), 0u);
  products = InstalledProducts(upgradeCode);
  ASSERT_EQ(products.size(), 1u) << "the older product is gone";
  EXPECT_NE(ProductVersion(products[0]), shortVersion);
  EXPECT_NE(Options().nextMsi.find("TavCopyTool-" + ProductVersion(products[0]) + "-win64.msi"), std::string::npos);
  EXPECT_EQ(FileNames(installed), std::vector<std::string>(std::begin(kShippedFiles), std::end(kShippedFiles)));
  EXPECT_EQ(StartMenuShortcuts().size(), 1u);

  ASSERT_EQ(Msiexec("/x \"" + Options().nextMsi + "\" /qn"), 0u);
  EXPECT_TRUE(InstalledProducts(upgradeCode).empty());
  EXPECT_TRUE(Tree(installed).empty()) << "every installed file is gone";
  EXPECT_FALSE(Exists(installed)) << "and its folder";
  EXPECT_TRUE(StartMenuShortcuts().empty()) << "and the shortcut";
  // The data set and its record are the user's: they stay.
  ExpectCopied("E:\\TestDoc_B", kDataFolder, {"Word", "PDF"});
  EXPECT_EQ(ReadRecord32("Biology", "DataDir07"), kDataFolder);
}

}  // namespace
