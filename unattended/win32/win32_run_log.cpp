#include "unattended/win32/win32_run_log.h"

#include "platform/win32/win_text.h"

namespace {

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != FALSE;
}

}  // namespace

Win32RunLog::Win32RunLog() {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN) {
    if (IsConsole(out))
      console_ = out;
    else
      output_ = out;
    return;
  }
  // Started from a command prompt without redirection: its console, if any.
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  const HANDLE conout = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
  if (conout == INVALID_HANDLE_VALUE) return;
  console_ = conout;
  ownsConsoleHandle_ = true;
}

Win32RunLog::~Win32RunLog() {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  if (ownsConsoleHandle_) CloseHandle(console_);
}

std::optional<std::string> Win32RunLog::OpenFile(const std::string& value) {
  if (auto problem = LogPathProblem(value)) return problem;
  const std::wstring path = W(LogPathForOpening(value));
  const std::string notAFile = "ログファイルにはディスク上のファイルを指定してください: " + value;
  // Looked at before opening: opening a device or a pipe can already act on
  // it (a pipe's server sees a client).
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
      return "ログファイルがリンク（再解析ポイント）のため使えません: " + value;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return notAFile;
  }
  // Append-only access: every write lands at the end, even when another
  // run appends to the same file meanwhile. FILE_FLAG_OPEN_REPARSE_POINT
  // opens a link planted since the look above as itself, which the check
  // below then refuses, instead of whatever it points to.
  const HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "ログファイルを開けません: " + value;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool diskFile = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
                        !(info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY));
  if (!diskFile) {
    CloseHandle(file);
    return notAFile;
  }
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  file_ = file;
  return std::nullopt;
}

void Win32RunLog::WriteOrStop(HANDLE& handle, const std::string& bytes, bool owned) {
  if (handle == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  if (WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size())
    return;
  allWritten_ = false;
  if (owned) CloseHandle(handle);  // a redirected output is the starter's: only forgotten
  handle = INVALID_HANDLE_VALUE;
}

void Win32RunLog::Line(std::string_view text) {
  // One call is one line, whatever the text holds (a record's data is
  // anyone's): a line break inside it would forge a line of its own.
  const std::string line = LogLineText(text) + "\r\n";
  WriteOrStop(file_, line, true);
  WriteOrStop(output_, line, false);
  if (console_) {
    const std::wstring wide = W(line);
    DWORD written = 0;
    WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  }
}
