#include "platform/win32/win32_file_system.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>
#include <shellapi.h>

#include <memory>

#include "platform/win32/win_text.h"
#include "platform/windows_path.h"

namespace {

bool IsFolderW(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

struct LocalFreer {
  void operator()(void* p) const { LocalFree(p); }
};
using OwnFolderDescriptor = std::unique_ptr<void, LocalFreer>;

// kOwnFolderSddl as a self-relative descriptor; null when it cannot be made,
// and then nothing is created (a folder that inherits from the drive root is
// exactly what the descriptor is there to prevent).
OwnFolderDescriptor MakeOwnFolderDescriptor() {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(W(kOwnFolderSddl).c_str(), SDDL_REVISION_1,
                                                            &descriptor, nullptr))
    return nullptr;
  return OwnFolderDescriptor(descriptor);
}

bool CreateOwnFolderW(const std::wstring& path) {
  const OwnFolderDescriptor descriptor = MakeOwnFolderDescriptor();
  if (!descriptor) return false;
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.get(), FALSE};
  return CreateDirectoryW(path.c_str(), &attributes);
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

bool Win32FileSystem::CreateFolder(const std::string& path) { return CreateOwnFolderW(W(path)); }

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

namespace {

bool SidIsWellKnown(PSID sid, WELL_KNOWN_SID_TYPE type) {
  BYTE buffer[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof buffer;
  return CreateWellKnownSid(type, nullptr, buffer, &size) && EqualSid(sid, buffer);
}

// NT SERVICE\TrustedInstaller, the owner of what Windows itself installs;
// a service SID, so not one of the well-known types.
bool SidIsTrustedInstaller(PSID sid) {
  PSID installer = nullptr;
  if (!ConvertStringSidToSidW(L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464", &installer))
    return false;
  const bool same = EqualSid(sid, installer);
  LocalFree(installer);
  return same;
}

bool SidIsTokenUser(PSID sid) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::unique_ptr<BYTE[]> buffer(new BYTE[size ? size : 1]);
  const bool same = size && GetTokenInformation(token, TokenUser, buffer.get(), size, &size) &&
                    EqualSid(sid, reinterpret_cast<TOKEN_USER*>(buffer.get())->User.Sid);
  CloseHandle(token);
  return same;
}

// A FAT or exFAT volume keeps no owners (and no reparse points): there
// nobody's folder is anyone else's, and data sets kept on such a fixed drive
// stay within reach of the tool.
bool VolumeKeepsNoSecurity(const std::wstring& path) {
  wchar_t root[MAX_PATH + 1] = {};
  DWORD flags = 0;
  return GetVolumePathNameW(path.c_str(), root, MAX_PATH + 1) &&
         GetVolumeInformationW(root, nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) &&
         !(flags & FILE_PERSISTENT_ACLS);
}

// The owner is someone an ordinary user cannot be. On a volume that keeps
// security, a level whose owner cannot be read (access refused) is not
// trusted.
bool OwnerTrusted(const std::wstring& path) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                            nullptr, &descriptor) != ERROR_SUCCESS)
    return VolumeKeepsNoSecurity(path);
  const bool trusted = owner && IsValidSid(owner)
                           ? SidIsWellKnown(owner, WinBuiltinAdministratorsSid) ||
                                 SidIsWellKnown(owner, WinLocalSystemSid) || SidIsTrustedInstaller(owner) ||
                                 SidIsTokenUser(owner)
                           : VolumeKeepsNoSecurity(path);
  LocalFree(descriptor);
  return trusted;
}

}  // namespace

PathLevel Win32FileSystem::InspectLevel(const std::string& path) {
  const std::wstring wide = W(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return {};
  const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  // A link's owner says nothing about where it leads; it fails either way.
  return {true, link, !link && OwnerTrusted(wide)};
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
    // A junction, link or mount point (to a folder or a file) is never
    // entered, nor taken for a file of the tree: the walk fails.
    if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      ok = false;
      break;
    }
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
    CreateOwnFolderW(folder.substr(0, slash));
    if (slash == std::wstring::npos) break;
  }
}

}  // namespace

// No wait cursor here or around the shell's call: the commands raise it
// (with the busy flag) around every walk and shell operation.
std::optional<std::vector<FileEntry>> Win32FileSystem::ListTree(const std::string& folder) {
  std::vector<FileEntry> entries;
  const std::wstring root = W(folder);
  const DWORD attributes = GetFileAttributesW(root.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return std::nullopt;
  if (!Walk(root, L"", entries)) return std::nullopt;
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
  operation.hwnd = owner_();
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
