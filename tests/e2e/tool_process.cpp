#include "tests/e2e/tool_process.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/text.h"
#include "tests/support/automation.h"

namespace e2e {

namespace {
std::wstring W(const std::string& s) { return Utf8ToUtf16(s); }

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of("\\/") + 1); }

void CopyBeside(const std::string& name) {
  const std::string source = FolderOf(Options().builtExe) + name;
  ASSERT_TRUE(CopyFileW(W(source).c_str(), W(InstallDir() + name).c_str(), FALSE)) << source;
}
}  // namespace

E2eOptions& Options() {
  static E2eOptions options;
  return options;
}

std::string InstallDir() { return Options().demo ? FolderOf(Options().builtExe) : "C:\\tav-e2e\\"; }

void InstallTool(const std::string& ini) {
  CreateDirectoryW(W(InstallDir()).c_str(), nullptr);
  CopyBeside("TavCopyTool.exe");
  CopyBeside("TavCopyTool.html");
  if (ini.empty()) {
    CopyBeside("TavCopyTool.INI");
  } else {
    std::ofstream(W(InstallDir() + "TavCopyTool.INI").c_str(), std::ios::binary) << ini;
  }
}

void ResetRegistry() {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KR_LAB");
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\KR_LAB");
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\KR_LAB");
}

void GrantUserLevel(const std::string& subjectKey, const std::string& level) {
  HKEY key = nullptr;
  const std::wstring path = W("Software\\KR_LAB\\Tav2007\\" + subjectKey);
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const std::wstring value = W(level);
  RegSetValueExW(key, L"UserLevel", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

std::string ReadRecord32(const std::string& subjectKey, const std::string& valueName) {
  HKEY key = nullptr;
  const std::wstring path = W("SOFTWARE\\KR_LAB\\Tav2007\\" + subjectKey);
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS)
    return "";
  wchar_t data[1024] = {};
  DWORD size = sizeof data - sizeof(wchar_t);
  const LONG status = RegQueryValueExW(key, W(valueName).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? Utf16ToUtf8(data) : "";
}

void WriteRecord32(const std::string& subjectKey, const std::string& valueName, const std::string& path) {
  HKEY key = nullptr;
  const std::wstring keyPath = W("SOFTWARE\\KR_LAB\\Tav2007\\" + subjectKey);
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_32KEY, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  const std::wstring value = W(path);
  RegSetValueExW(key, W(valueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

ToolProcess::ToolProcess(const std::string& arguments, const std::string& exePath) {
  const std::wstring exe = W(exePath.empty() ? InstallDir() + "TavCopyTool.exe" : exePath);
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + W(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\') + 1);
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &info_))
    ADD_FAILURE() << "cannot start " << Utf16ToUtf8(exe) << " error " << GetLastError();
  else
    WaitForInputIdle(info_.hProcess, 10000);
}

ToolProcess::~ToolProcess() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool ToolProcess::WaitForExit(DWORD timeoutMs) const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool ToolProcess::HasNoWindow() const { return automation::FindTopWindow(pid(), "", "") == nullptr; }

HWND ToolProcess::WaitForMainMenu() const {
  HWND menu = nullptr;
  automation::WaitUntil([&] {
    menu = automation::FindTopWindow(pid(), "Tavコピーツール");
    return menu && GetDlgItem(menu, 1000);  // the copy button tells it from a message box
  });
  if (menu) automation::Settle(menu);
  return menu;
}

void Shot(const std::string& name) {
  if (Options().shotsDir.empty()) return;
  CreateDirectoryW(W(Options().shotsDir).c_str(), nullptr);
  automation::SettleVisibleWindows();
  automation::SaveScreenshot(Options().shotsDir + "\\" + name + ".bmp");
}

}  // namespace e2e
