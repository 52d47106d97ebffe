#pragma once
// Registry access as the core needs it: open or create a key under one of the
// two roots, read, set and delete string values. A key is closed when its
// handle object is destroyed, so no path can leave one open.
#include <memory>
#include <optional>
#include <string>

enum class RegRoot { CurrentUser, LocalMachine };
enum class RegAccess { Read, Write };

class IRegistryKey {
 public:
  virtual ~IRegistryKey() = default;
  // The value's data as stored, read as text whatever its type, without the
  // one NUL that ends a stored string; NULs inside it (a REG_MULTI_SZ, a
  // string written with its NUL and more) are kept, so that its length is
  // that of the data. TextBeforeNul gives what a program reading it as a
  // string sees. nullopt when the value is missing or cannot be read as text.
  virtual std::optional<std::string> QueryString(const std::string& name) = 0;
  virtual bool SetString(const std::string& name, const std::string& value) = 0;
  virtual bool DeleteValue(const std::string& name) = 0;
};

class IRegistry {
 public:
  virtual ~IRegistry() = default;
  // An existing key, or nullptr. Never creates a key.
  virtual std::unique_ptr<IRegistryKey> OpenKey(RegRoot root, const std::string& path,
                                                RegAccess access) = 0;
  // Creates the key (and missing parents) or opens it for writing; nullptr on failure.
  virtual std::unique_ptr<IRegistryKey> CreateKey(RegRoot root, const std::string& path) = 0;
};
