#pragma once
// Drives as the core sees them: type, volume label and free space.
#include <cstdint>
#include <optional>
#include <string>

// Same values as GetDriveType's results.
enum class DriveType { Unknown = 0, NoRootDir = 1, Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6 };

class IDisks {
 public:
  virtual ~IDisks() = default;
  virtual DriveType DriveTypeOf(const std::string& root) = 0;
  // The volume label, or nullopt when the volume cannot be read (no disc).
  virtual std::optional<std::string> VolumeLabel(const std::string& root) = 0;
  // Bytes free to the calling user on the volume of `path`, or nullopt.
  virtual std::optional<std::uint64_t> FreeBytes(const std::string& path) = 0;
  // The volume serial number, or nullopt when the volume cannot be read.
  virtual std::optional<std::uint32_t> VolumeSerial(const std::string& root) = 0;
  // The size of one allocation unit (cluster) of the volume of `path`.
  virtual std::optional<std::uint64_t> ClusterBytes(const std::string& path) = 0;
};
