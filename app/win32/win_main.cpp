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
  try {
    app.InitInstance();  // always FALSE: no message loop of the framework's own
  } catch (...) {
    // Escaped before an unattended run could log it (or from the
    // interactive tool): std::terminate would end the process with 3, which
    // a script reads as "not found". The mutex is released by ExitInstance.
    app.m_nExitCode = ProcessExitCode(ExitCode::UnexpectedError);
  }
  return app.ExitInstance();
}
