#pragma once
// What the copy, move and delete commands share: their message boxes, the
// path checks made before anything is handed to the shell, and the check that
// a tree really arrived where the shell said it put it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_context.h"

// Boxes of a command belong to the main window and carry the tool's caption.
void Warn(CommandContext& ctx, std::string_view text);
void Inform(CommandContext& ctx, std::string_view text);
// True only for "はい"; any other answer counts as no.
bool AskYes(CommandContext& ctx, std::string_view text);

// "X:\" with a drive letter in either case, then anything (a root counts).
// A path without a drive would be resolved by the shell against the current
// folder.
bool IsDriveRootedPath(std::string_view path);
// A data folder lies below a drive root: "X:\" followed by at least one
// character. A bare root is no data folder; its kind folders would be the
// drive's own top-level folders.
bool IsDataFolderPath(std::string_view path);

// A registered data folder as a move or a delete may act on it, or nullopt.
// One trailing '\' after the last level is dropped first (others may have
// written records that way); what remains must be in plain form, a drive
// letter, ':', '\' and one or more valid folder names separated by single
// '\', the same path (letter case aside) as the system's full-path form of
// it, and short enough for every kind folder path to fit the shell. A
// spelling with "." or ".." levels, empty levels or a device name would
// otherwise join the kind names to another folder, a drive's top level
// among them.
std::optional<std::string> ActionableDataFolder(IFileSystem& files, std::string_view registered);

// The shell overflows a fixed buffer on a path of 260 characters or more, and
// GetFileAttributes cannot see such a path either, so neither a probe nor a
// list entry may reach that length.
bool FitsShellPath(std::string_view path);
// Every one of the seven kind folder paths under `folder` fits the shell.
bool KindFolderPathsFit(std::string_view folder);

// True when `targetFolder` can be listed and every file of `sourceEntries` (a
// ListTree of some folder) is now in it under the same relative path with the
// same size. The shell
// can report success for a tree it copied short (Wine swallows errors inside a
// folder's contents), so its result alone proves nothing.
bool FilesArrived(IFileSystem& files, const std::vector<FileEntry>& sourceEntries, const std::string& targetFolder);

// Total size of the files below `folder`; nullopt when it cannot be listed.
std::optional<std::uint64_t> TreeSize(IFileSystem& files, const std::string& folder);
