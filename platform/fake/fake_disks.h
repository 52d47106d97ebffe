#pragma once
// Drives in memory, keyed by upper-case drive letter.
#include <map>

#include "platform/disk_port.h"

struct FakeDrive {
  DriveType type = DriveType::Fixed;
  std::optional<std::string> label;
  std::optional<std::uint64_t> freeBytes;
  std::optional<std::uint32_t> serial = 0x1234ABCD;
  std::uint64_t clusterBytes = 4096;
};

class FakeDisks : public IDisks {
 public:
  DriveType DriveTypeOf(const std::string& root) override {
    const FakeDrive* d = Find(root);
    return d ? d->type : DriveType::NoRootDir;
  }
  std::optional<std::string> VolumeLabel(const std::string& root) override {
    const FakeDrive* d = Find(root);
    return d ? d->label : std::nullopt;
  }
  std::optional<std::uint64_t> FreeBytes(const std::string& path) override {
    ++freeSpaceQueries;
    const FakeDrive* d = Find(path);
    return d ? d->freeBytes : std::nullopt;
  }

  std::optional<std::uint32_t> VolumeSerial(const std::string& root) override {
    const FakeDrive* d = Find(root);
    return d && d->label ? d->serial : std::nullopt;
  }
  std::optional<std::uint64_t> ClusterBytes(const std::string& path) override {
    const FakeDrive* d = Find(path);
    return d ? std::optional<std::uint64_t>(d->clusterBytes) : std::nullopt;
  }

  std::map<char, FakeDrive> drives;
  int freeSpaceQueries = 0;

 private:
  const FakeDrive* Find(const std::string& path) const {
    if (path.empty()) return nullptr;
    char letter = path[0];
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    auto it = drives.find(letter);
    return it == drives.end() ? nullptr : &it->second;
  }
};
