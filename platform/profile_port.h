#pragma once
// Reading the INI file with the Windows semantics: a missing file, section or
// key yields the default; a present key with an empty value yields "".
#include <string>

class IProfile {
 public:
  virtual ~IProfile() = default;
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue, const std::string& iniPath) = 0;
};
