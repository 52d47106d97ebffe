#pragma once
// Application base in the manner of the classic dialog framework: one global
// object, WinMain calls InitInstance and then ExitInstance, and InitInstance
// returning FALSE means "no message loop of our own".
#include <windows.h>

#include <string>

class CDialog;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance() { return FALSE; }
  virtual int ExitInstance() { return 0; }

  HINSTANCE m_hInstance = nullptr;
  std::string m_lpCmdLine;   // the command line after the program name, UTF-8
  std::string m_exePath;     // full path of the executable, UTF-8
  CDialog* m_pMainWnd = nullptr;

  // Called by WinMain before InitInstance.
  void Attach(HINSTANCE instance);
};

HWND AfxGetMainHwnd();  // the main window's handle, or nullptr
// The command line after the program name, as the framework splits it.
std::wstring CommandLineTail(const wchar_t* fullCommandLine);

// Handles at most one waiting message of the thread's queue, for scans that
// run inside a handler and must keep the windows alive. Returns false when
// that message was WM_QUIT, which is put back for the outer loops.
bool PumpWaitingMessage();

// Puts up the wait cursor at once and returns the cursor it replaced. The
// one way the tool shows it: the scope below, the commands' port over it, and
// a busy window answering WM_SETCURSOR.
inline HCURSOR SetWaitCursor() { return SetCursor(LoadCursorW(nullptr, IDC_WAIT)); }

// Wait cursor for the length of a scope, restored on every way out.
class CWaitCursor {
 public:
  CWaitCursor() : previous_(SetWaitCursor()) {}
  ~CWaitCursor() { SetCursor(previous_); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  HCURSOR previous_;
};
