#pragma once
#include "platform/file_port.h"

class Win32FileSystem : public IFileSystem {
 public:
  bool Exists(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  std::optional<std::string> FullPath(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool RemoveEmptyFolder(const std::string& path) override;
  std::optional<std::vector<FileEntry>> ListTree(const std::string& folder) override;
  ShellOutcome RunShellOperation(ShellOp op, const std::vector<std::string>& from, const std::string& to) override;
};
