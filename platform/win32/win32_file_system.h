#pragma once
#include <utility>

#include "platform/file_port.h"
#include "platform/win32/window_owner.h"

// Whether the shell's file operations may show anything.
enum class ShellUi {
  Interactive,  // the shell's progress window, its error messages and questions
  Silent,       // nothing shown and nothing asked (FOF_NO_UI): unattended runs
};

class Win32FileSystem : public IFileSystem {
 public:
  // `owner` owns the shell's progress window, its error boxes and questions.
  explicit Win32FileSystem(WindowOwner owner, ShellUi ui = ShellUi::Interactive)
      : owner_(std::move(owner)), ui_(ui) {}
  bool Exists(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  std::optional<std::string> FullPath(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool RemoveEmptyFolder(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool RemoveTree(const std::string& path) override;
  PathLevel InspectLevel(const std::string& path) override;
  std::optional<std::vector<FileEntry>> ListTree(const std::string& folder) override;
  ShellOutcome RunShellOperation(ShellOp op, const std::vector<std::string>& from, const std::string& to) override;

 private:
  WindowOwner owner_;
  ShellUi ui_;
};
