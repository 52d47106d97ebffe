#pragma once
// The registry port on the real registry. Every open and create uses
// KEY_WOW64_32KEY: the product application is a 32-bit program and sees
// HKLM\SOFTWARE through WOW6432Node, and our 64-bit tool must read and write
// the very same records.
#include "platform/registry_port.h"

class Win32Registry : public IRegistry {
 public:
  std::unique_ptr<IRegistryKey> OpenKey(RegRoot root, const std::string& path, RegAccess access) override;
  std::unique_ptr<IRegistryKey> CreateKey(RegRoot root, const std::string& path) override;
};
