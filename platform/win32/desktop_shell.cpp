#include "platform/win32/desktop_shell.h"

#include <windows.h>
#include <exdisp.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "platform/win32/win_text.h"

using Microsoft::WRL::ComPtr;

namespace {

// COM on this thread for the length of one call. A thread already in the
// other apartment model (RPC_E_CHANGED_MODE) can still use COM; it is just
// not ours to uninitialise.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

class Bstr {
 public:
  explicit Bstr(const std::wstring& text) : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return value_; }

 private:
  BSTR value_;
};

// The desktop window's shell: the desktop's browser → its active folder view
// → that view's Shell.Application object.
ComPtr<IShellDispatch2> DesktopShellDispatch(HWND& desktopWindow) {
  ComPtr<IShellWindows> windows;
  if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_PPV_ARGS(&windows))))
    return nullptr;
  VARIANT location{};  // VT_EMPTY: the desktop has no location
  VARIANT root{};
  LONG window = 0;
  ComPtr<IDispatch> desktop;
  if (windows->FindWindowSW(&location, &root, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, &desktop) != S_OK ||
      !desktop)
    return nullptr;
  desktopWindow = reinterpret_cast<HWND>(static_cast<LONG_PTR>(window));

  ComPtr<IServiceProvider> services;
  ComPtr<IShellBrowser> browser;
  ComPtr<IShellView> view;
  ComPtr<IDispatch> background;
  ComPtr<IShellFolderViewDual> folderView;
  ComPtr<IDispatch> application;
  ComPtr<IShellDispatch2> shell;
  if (FAILED(desktop.As(&services)) ||
      FAILED(services->QueryService(SID_STopLevelBrowser, IID_PPV_ARGS(&browser))) ||
      FAILED(browser->QueryActiveShellView(&view)) ||
      FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_PPV_ARGS(&background))) ||
      FAILED(background.As(&folderView)) || FAILED(folderView->get_Application(&application)) ||
      FAILED(application.As(&shell)))
    return nullptr;
  return shell;
}

}  // namespace

bool IsProcessElevated() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return true;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  const BOOL known = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
  CloseHandle(token);
  return !known || elevation.TokenIsElevated != 0;
}

bool OpenThroughDesktopShell(const std::string& path) {
  ComScope com;
  HWND desktopWindow = nullptr;
  const ComPtr<IShellDispatch2> shell = DesktopShellDispatch(desktopWindow);
  if (!shell) return false;
  // We hold the foreground; let the desktop's process hand it to the program
  // it starts, or the document would open behind the tool.
  DWORD desktopProcess = 0;
  if (GetWindowThreadProcessId(desktopWindow, &desktopProcess)) AllowSetForegroundWindow(desktopProcess);

  const Bstr file(W(path));
  const Bstr verb(L"open");
  VARIANT none{};
  VARIANT operation{};
  operation.vt = VT_BSTR;
  operation.bstrVal = verb.get();
  VARIANT show{};
  show.vt = VT_I4;
  show.lVal = SW_SHOWNORMAL;
  // S_FALSE is the shell's "could not open it" (no program for the type, a
  // file gone meanwhile): SUCCEEDED would count it as opened and the user
  // would never hear of the failure. Only S_OK is done.
  return shell->ShellExecute(file.get(), none, none, operation, show) == S_OK;
}
