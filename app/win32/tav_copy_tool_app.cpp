#include "app/win32/tav_copy_tool_app.h"

#include <string>

#include "app/startup.h"
#include "app/win32/main_menu_commands.h"
#include "platform/win32/dialog_base.h"
#include "unattended/headless_ports.h"
#include "unattended/run_outcome.h"
#include "unattended/unattended_run.h"
#include "unattended/unattended_startup.h"
#include "unattended/win32/win32_run_log.h"

namespace {
CTavCopyToolApp theApp;

// "2024-05-01 10:00:00": when a run began, for logs that collect many runs.
std::string LocalTimestamp() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char text[32];
  wsprintfA(text, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
            now.wSecond);
  return text;
}
}  // namespace

CTavCopyToolApp& TavApp() { return theApp; }

HWND CTavCopyToolApp::MainHwnd() const { return m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr; }

bool CTavCopyToolApp::TakeInstanceMutex() {
  // Created already owned: the first instance holds it for its whole run.
  m_hMutex = CreateMutexW(nullptr, TRUE, L"TavCopyTool");
  if (m_hMutex && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(m_hMutex);
    m_hMutex = nullptr;
    return false;
  }
  return true;
}

BOOL CTavCopyToolApp::InitInstance() {
  const ParsedCommandLine commandLine = ParseCommandLine(m_lpCmdLine);
  if (commandLine.mode != LaunchMode::Interactive) {
    m_nExitCode = ProcessExitCode(RunUnattendedMode(commandLine));
    return FALSE;
  }

  if (!TakeInstanceMutex()) return FALSE;  // another instance runs: end silently

  const AppPaths paths = AppPathsFromExecutable(m_exePath);
  m_szAppDir = paths.appDir;
  m_szIniPath = paths.iniPath;

  if (!RunStartupChecks(m_lpCmdLine, registry, prompts, *this)) return FALSE;

  MainMenuCommands commands(*this);
  CTavCopyToolDlg dialog(commands);
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}

ExitCode CTavCopyToolApp::RunUnattendedMode(const ParsedCommandLine& commandLine) {
  Win32RunLog log;
  if (!commandLine.logPath.empty()) {
    // A run whose log cannot be kept would leave its script blind; one that
    // wrote it somewhere else than asked could be steered.
    if (auto refused = log.OpenFile(commandLine.logPath)) {
      log.Line(*refused);
      return ExitCode::UsageError;
    }
  }
  return FinishUnattendedRun(log, [&] {
    log.Line(LocalTimestamp() + " TavCopyTool.exe " + m_lpCmdLine);
    if (!TakeInstanceMutex()) {
      log.Line(kAlreadyRunningMessage);
      return ExitCode::AlreadyRunning;
    }
    const AppPaths paths = AppPathsFromExecutable(m_exePath);
    m_szAppDir = paths.appDir;
    m_szIniPath = paths.iniPath;
    if (auto ended = UnattendedStartup(commandLine, registry, *this, log)) return *ended;

    // Nothing may show from here on: no box, no dialog, no shell window.
    Win32FileSystem silentFiles(NoWindowOwner(), ShellUi::Silent);
    HeadlessPrompts noPrompts(log);
    HeadlessCommandDialogs noDialogs(log);
    NoWaitCursor noCursor;
    bool busy = false;
    CommandContext command{*this, registry, disks, silentFiles, profile, noPrompts, noDialogs, busy, noCursor};
    UnattendedContext context{command, log};
    return RunUnattended(commandLine.request, context);
  });
}

int CTavCopyToolApp::ExitInstance() {
  if (m_hMutex) {
    ReleaseMutex(m_hMutex);
    CloseHandle(m_hMutex);
    m_hMutex = nullptr;
  }
  CWinApp::ExitInstance();
  return m_nExitCode;
}
