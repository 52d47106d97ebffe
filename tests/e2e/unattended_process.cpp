#include "tests/e2e/unattended_process.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/text.h"
#include "tests/e2e/tool_process.h"
#include "tests/support/automation.h"

namespace e2e {

UnattendedResult RunUnattendedTool(const std::string& arguments, DWORD timeoutMs) {
  UnattendedResult result;
  const std::wstring outputPath = Utf8ToUtf16(InstallDir() + "unattended-stdout.txt");
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  const HANDLE output = CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot create the output file";
    return result;
  }
  const std::wstring exe = Utf8ToUtf16(InstallDir() + "TavCopyTool.exe");
  std::wstring commandLine = L"\"" + exe + L"\" " + Utf8ToUtf16(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  PROCESS_INFORMATION info{};
  const std::wstring folder = Utf8ToUtf16(InstallDir());
  const BOOL started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      folder.c_str(), &startup, &info);
  CloseHandle(output);
  if (!started) {
    ADD_FAILURE() << "cannot start the tool, error " << GetLastError();
    return result;
  }
  // Until it ends, look for any window of its own: an unattended run has none.
  const DWORD start = GetTickCount();
  for (;;) {
    if (automation::FindTopWindow(info.dwProcessId, "", "")) result.windowSeen = true;
    if (WaitForSingleObject(info.hProcess, 50) == WAIT_OBJECT_0) {
      result.exited = true;
      break;
    }
    if (GetTickCount() - start > timeoutMs) {
      TerminateProcess(info.hProcess, 99);
      WaitForSingleObject(info.hProcess, 5000);
      break;
    }
  }
  GetExitCodeProcess(info.hProcess, &result.exitCode);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  std::ifstream file(outputPath.c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  result.output = bytes.str();
  return result;
}

std::vector<std::string> CrlfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const auto end = text.find("\r\n", begin);
    if (end == std::string::npos) {
      lines.push_back(text.substr(begin));
      break;
    }
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 2;
  }
  return lines;
}

}  // namespace e2e
