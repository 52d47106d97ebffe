// Entry point of TavCopyTool.exe (kept out of the Win32 library so that the
// test programs can link the dialogs with a main of their own).
#include <windows.h>

#include "app/win32/dll_search.h"
#include "app/win32/redirection_trust.h"
#include "app/win32/tav_copy_tool_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Cannot fail on Windows 10 and 11; the tool runs on either way.
  RestrictDllSearchToSystem();
  // Where Windows offers it; without it the tool's own level checks stand alone.
  EnforceRedirectionTrust();
  // Empty CD-ROM drives fail quietly instead of asking for a disc.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  CTavCopyToolApp& app = TavApp();
  app.Attach(instance);
  app.InitInstance();  // always FALSE: no message loop of the framework's own
  return app.ExitInstance();
}
