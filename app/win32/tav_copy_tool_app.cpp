#include "app/win32/tav_copy_tool_app.h"

#include "app/startup.h"
#include "app/win32/main_menu_commands.h"

namespace {
CTavCopyToolApp theApp;
}

CTavCopyToolApp& TavApp() { return theApp; }

BOOL CTavCopyToolApp::InitInstance() {
  // Created already owned: the first instance holds it for its whole run.
  m_hMutex = CreateMutexW(nullptr, TRUE, L"TavCopyTool");
  if (m_hMutex && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(m_hMutex);
    m_hMutex = nullptr;
    return FALSE;  // another instance runs: end silently
  }

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

int CTavCopyToolApp::ExitInstance() {
  if (m_hMutex) {
    ReleaseMutex(m_hMutex);
    CloseHandle(m_hMutex);
    m_hMutex = nullptr;
  }
  return CWinApp::ExitInstance();
}
