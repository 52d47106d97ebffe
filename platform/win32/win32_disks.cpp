#include "platform/win32/win32_disks.h"

#include "platform/win32/win_text.h"

DriveType Win32Disks::DriveTypeOf(const std::string& root) {
  return static_cast<DriveType>(GetDriveTypeW(W(root).c_str()));
}

std::optional<std::string> Win32Disks::VolumeLabel(const std::string& root) {
  wchar_t label[MAX_PATH + 1] = {};
  DWORD maxComponent = 0, flags = 0;
  // An empty drive fails here without the "insert a disk" box: the process
  // runs with SEM_FAILCRITICALERRORS (set at start-up).
  if (!GetVolumeInformationW(W(root).c_str(), label, MAX_PATH + 1, nullptr, &maxComponent, &flags, nullptr, 0))
    return std::nullopt;
  return U8(label);
}

std::optional<std::uint64_t> Win32Disks::FreeBytes(const std::string& path) {
  ULARGE_INTEGER available{}, total{};
  if (!GetDiskFreeSpaceExW(W(path).c_str(), &available, &total, nullptr)) return std::nullopt;
  return available.QuadPart;
}

std::optional<std::uint32_t> Win32Disks::VolumeSerial(const std::string& root) {
  DWORD serial = 0;
  if (!GetVolumeInformationW(W(root).c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) return std::nullopt;
  return serial;
}

std::optional<std::uint64_t> Win32Disks::ClusterBytes(const std::string& path) {
  // GetDiskFreeSpaceW wants the volume's root, not any folder on it.
  wchar_t root[MAX_PATH + 1] = {};
  if (!GetVolumePathNameW(W(path).c_str(), root, MAX_PATH + 1)) return std::nullopt;
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceW(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) return std::nullopt;
  return std::uint64_t{sectorsPerCluster} * bytesPerSector;
}
