#pragma once
// The rules of Windows paths that every layer shares: the one path limit and
// the one test for a path that starts at a drive root.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// MAX_PATH: the shell's and GetFileAttributes' buffers hold this many
// characters, the terminator included. Wine's shell overflows a fixed buffer
// on a longer path, so nothing of this length or more is handed to it.
inline constexpr std::size_t kMaxPathChars = 260;
// The longest path (UTF-16 units) that fits those buffers with its terminator.
inline constexpr std::size_t kMaxFolderPathChars = kMaxPathChars - 1;

// 'A'..'Z' or 'a'..'z'.
bool IsDriveLetter(char c);
// "X:\" with a drive letter in either case, then anything (a root counts). A
// path without a drive would be resolved against the current folder.
bool IsDriveRootedPath(std::string_view path);
// "\\server\share\" and anything after it: a folder on a file server. The
// device forms "\\?\" and "\\.\" do not count.
bool IsUncSharePath(std::string_view path);
// Either of the two: a path that does not depend on the current folder.
bool IsAbsoluteFolderPath(std::string_view path);
// A name Windows opens as a device, not a file, in any folder and with any
// extension ("nul.txt", "COM1 .htm", "CONOUT$").
bool IsDosDeviceName(std::string_view name);
// "X:\" for a drive letter.
std::string DriveRoot(char letter);
// At most kMaxFolderPathChars UTF-16 units.
bool FitsShellPath(std::string_view path);

// `folder`, exactly one '\', and `name`: a root ("E:\") or a folder
// recorded with a trailing '\' does not yield "E:\\TestDoc_B".
std::string JoinPath(std::string_view folder, std::string_view name);
// What follows the last '\' ("Word" of "D:\KR_LAB\Tav2007\TestDoc_B\Word").
std::string LastLevel(std::string_view path);

// The shell's list form: each path followed by one NUL, then one more NUL, so
// the buffer (whose own terminator follows) ends in at least two NULs. An
// empty path is left out: it would end the list early in the shell's eyes.
std::wstring ToShellList(const std::vector<std::string>& paths);
