#include "platform/win32/app_base.h"

#include "platform/win32/dialog_base.h"
#include "platform/win32/win_text.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }
CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}


HWND AfxGetMainHwnd() {
  return g_app && g_app->m_pMainWnd ? g_app->m_pMainWnd->m_hWnd : nullptr;
}

std::wstring CommandLineTail(const wchar_t* line) {
  if (!line) return L"";
  const wchar_t* p = line;
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p == L'"') ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return p;
}

void CWinApp::Attach(HINSTANCE instance) {
  m_hInstance = instance;
  m_lpCmdLine = U8(CommandLineTail(GetCommandLineW()));
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);  // long paths are never cut
  }
  m_exePath = U8(path);
}

bool PumpWaitingMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) return true;
  const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
  if (got == 0) {
    PostQuitMessage(static_cast<int>(msg.wParam));
    return false;
  }
  if (got != -1) {
    // The dialogs' PreTranslateMessage is bypassed here, as for any message
    // pumped inside a handler.
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}
