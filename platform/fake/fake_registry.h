#pragma once
// In-memory registry: keys and value names compare without regard to case,
// as Windows does. Counts open handles so tests can prove every key closed,
// and can be told to refuse opening or creating chosen keys.
#include <map>
#include <set>
#include <string>

#include "platform/registry_port.h"

class FakeRegistry : public IRegistry {
 public:
  std::unique_ptr<IRegistryKey> OpenKey(RegRoot root, const std::string& path, RegAccess access) override;
  std::unique_ptr<IRegistryKey> CreateKey(RegRoot root, const std::string& path) override;

  void Set(RegRoot root, const std::string& path, const std::string& name, const std::string& value);
  std::optional<std::string> Get(RegRoot root, const std::string& path, const std::string& name) const;
  bool KeyExists(RegRoot root, const std::string& path) const;
  // Names of the values under a key, as written.
  std::set<std::string> ValueNames(RegRoot root, const std::string& path) const;
  // Opening or creating this key fails from now on.
  void Deny(RegRoot root, const std::string& path);

  int openHandles = 0;

 private:
  struct Key {
    std::map<std::string, std::pair<std::string, std::string>> values;  // folded name -> (name, data)
  };
  friend class FakeRegistryKey;
  static std::string Fold(RegRoot root, const std::string& path);
  std::map<std::string, Key> keys_;
  std::set<std::string> denied_;
};
