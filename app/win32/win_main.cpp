// Entry point of TavCopyTool.exe (kept out of the Win32 library so that the
// test programs can link the dialogs with a main of their own).
#include <windows.h>

#include "platform/win32/afx_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Empty CD-ROM drives fail quietly instead of asking for a disc.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  CWinApp* app = AfxGetApp();
  app->Attach(instance);
  app->InitInstance();
  return app->ExitInstance();
}
