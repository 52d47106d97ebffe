#pragma once
// Starting the program that shows the help document.
#include <windows.h>

#include <string>

// Opens `path` (a document inside the tool's folder, see HelpDocumentInside)
// through the desktop's shell when the tool is elevated, else or when that is
// not possible with ShellExecute from this process. False, and nothing
// started, when the file is missing, is a folder, its real name is of another
// type (an 8.3 alias such as "PAYLOA~1.HTM" of "payload.htmx"), or nobody
// opened it.
bool LaunchHelpDocument(HWND owner, const std::string& path);
