#include "unattended/win32/win32_run_log.h"

#include "platform/win32/win_text.h"

namespace {

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != FALSE;
}

void WriteBytes(HANDLE handle, const std::string& bytes) {
  DWORD written = 0;
  WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
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

bool Win32RunLog::OpenFile(const std::string& path) {
  // Append-only access: every write lands at the end, even when another
  // run appends to the same file meanwhile.
  const HANDLE file = CreateFileW(W(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  file_ = file;
  return true;
}

void Win32RunLog::Line(std::string_view text) {
  // One call is one line, whatever the text holds (a record's data is
  // anyone's): a line break inside it would forge a line of its own.
  std::string line(text);
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  line += "\r\n";
  if (file_ != INVALID_HANDLE_VALUE) WriteBytes(file_, line);
  if (output_) WriteBytes(output_, line);
  if (console_) {
    const std::wstring wide = W(line);
    DWORD written = 0;
    WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  }
}
