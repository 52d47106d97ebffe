#pragma once
#include "platform/disk_port.h"

class Win32Disks : public IDisks {
 public:
  DriveType DriveTypeOf(const std::string& root) override;
  std::optional<std::string> VolumeLabel(const std::string& root) override;
  std::optional<std::uint64_t> FreeBytes(const std::string& path) override;
  std::optional<std::uint32_t> VolumeSerial(const std::string& root) override;
  std::optional<std::uint64_t> ClusterBytes(const std::string& path) override;
};
