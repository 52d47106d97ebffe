#pragma once
// The tool runs elevated and acts on folder trees as an administrator; a
// level of a data folder's path that an ordinary user made (and so owns) or
// turned into a junction, a symbolic link or a mount point would let that
// user point the copy, move or delete at any folder of the machine. Before a
// command creates, writes, moves or deletes anything under a data folder it
// asks this.
#include <string_view>

#include "platform/file_port.h"

// True when every existing level of `dataFolder` from the first below its
// drive root ("D:\KR_LAB") down to each of the seven kind folders
// ("D:\KR_LAB\Tav2007\TestDoc_B\Word") is no reparse point and has a trusted
// owner (Administrators, SYSTEM, TrustedInstaller or the running user).
// Levels that do not exist yet pass: the tool creates them itself. Below an
// existing kind folder nothing may be a reparse point either (its walk must
// succeed): the shell would copy or move into a link inside it, or delete
// through one. A path that is not a drive-rooted data folder ("X:\" and at
// least one level) never passes.
bool DataFolderLevelsTrusted(IFileSystem& files, std::string_view dataFolder);
