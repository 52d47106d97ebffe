#include "platform/win32/win32_file_system.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/afx_app.h"
#include "platform/win32/win_text.h"
#include "platform/windows_path.h"

namespace {

bool IsFolderW(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool Win32FileSystem::Exists(const std::string& path) {
  return GetFileAttributesW(W(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::IsFolder(const std::string& path) { return IsFolderW(W(path)); }

std::optional<std::string> Win32FileSystem::FullPath(const std::string& path) {
  const std::wstring wide = W(path);
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return std::nullopt;
    if (length < full.size()) {
      full.resize(length);
      return U8(full);
    }
    full.resize(length);  // the size needed, terminator included
  }
}

bool Win32FileSystem::CreateFolder(const std::string& path) { return CreateDirectoryW(W(path).c_str(), nullptr); }

bool Win32FileSystem::RemoveEmptyFolder(const std::string& path) { return RemoveDirectoryW(W(path).c_str()); }

// No MOVEFILE_COPY_ALLOWED: across volumes this fails instead of copying,
// so a rename is always one step that either happened or did not.
bool Win32FileSystem::Rename(const std::string& from, const std::string& to) {
  return MoveFileExW(W(from).c_str(), W(to).c_str(), 0);
}

namespace {

bool RemoveTreeW(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return DeleteFileW(path.c_str());
  // A junction or a directory link goes as the link itself: its target
  // is someone else's.
  if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") RemoveTreeW(path + L"\\" + name);
      } while (FindNextFileW(find, &data));
      FindClose(find);
    }
  }
  return RemoveDirectoryW(path.c_str()) || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool Win32FileSystem::RemoveTree(const std::string& path) { return RemoveTreeW(W(path)); }

PathLevel Win32FileSystem::InspectLevel(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(W(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return {};
  return {true, (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0, true};
}

namespace {

bool Walk(const std::wstring& folder, const std::wstring& relative, std::vector<FileEntry>& entries) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) {
    // Not every file system lists "." and "..": an empty folder on one of
    // them finds nothing at all, which is no failure to read it.
    return GetLastError() == ERROR_FILE_NOT_FOUND && IsFolderW(folder);
  }
  bool ok = true;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring rel = relative.empty() ? name : relative + L"\\" + name;
    const bool isFolder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    const std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entries.push_back({U8(rel), isFolder ? 0 : size, isFolder});
    if (isFolder && !Walk(folder + L"\\" + name, rel, entries)) ok = false;
  } while (FindNextFileW(find, &data));
  if (GetLastError() != ERROR_NO_MORE_FILES) ok = false;  // the listing broke off
  FindClose(find);
  return ok;
}

// Makes the folder and its missing parents, as FOF_NOCONFIRMMKDIR lets the
// shell do. Done before the call because Wine's shell, given several folders
// and a destination that does not exist, renames the first folder onto it.
void CreateFolderLevels(const std::wstring& folder) {
  for (std::size_t slash = folder.find(L'\\', 3); ; slash = folder.find(L'\\', slash + 1)) {
    CreateDirectoryW(folder.substr(0, slash).c_str(), nullptr);
    if (slash == std::wstring::npos) break;
  }
}

}  // namespace

// No wait cursor here or around the shell's call: the commands raise it
// (with the busy flag) around every walk and shell operation.
std::optional<std::vector<FileEntry>> Win32FileSystem::ListTree(const std::string& folder) {
  std::vector<FileEntry> entries;
  if (!Walk(W(folder), L"", entries)) return std::nullopt;
  return entries;
}

ShellOutcome Win32FileSystem::RunShellOperation(ShellOp op, const std::vector<std::string>& from,
                                                const std::string& to) {
  // Refused before the shell sees it: Wine's copy overflows a fixed buffer.
  for (const auto& p : from)
    if (!FitsShellPath(p)) return {ERROR_FILENAME_EXCED_RANGE, false};
  if (!FitsShellPath(to)) return {ERROR_FILENAME_EXCED_RANGE, false};

  if (op != ShellOp::Delete) CreateFolderLevels(W(to));
  const std::wstring source = ToShellList(from);
  const std::wstring target = op == ShellOp::Delete ? std::wstring() : ToShellList({to});
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = AfxGetMainHwnd();
  switch (op) {
    case ShellOp::Copy:
      operation.wFunc = FO_COPY;
      operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR;
      break;
    case ShellOp::Move:
      operation.wFunc = FO_MOVE;
      operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR;
      break;
    case ShellOp::Delete:
      operation.wFunc = FO_DELETE;
      operation.fFlags = FOF_NOCONFIRMATION;
      break;
  }
  // No one is there to see a progress window or to answer an error box or
  // a question; the commands check the disk afterwards either way.
  if (ui_ == ShellUi::Silent) operation.fFlags |= FOF_NO_UI;
  operation.pFrom = source.c_str();
  operation.pTo = op == ShellOp::Delete ? nullptr : target.c_str();
  const int result = SHFileOperationW(&operation);
  return {result, operation.fAnyOperationsAborted != FALSE};
}
