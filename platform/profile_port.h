#pragma once
// Reading the INI file with the Windows semantics: a missing file, section or
// key yields the default; a present key with an empty value yields "".
#include <optional>
#include <string>

class IProfile {
 public:
  virtual ~IProfile() = default;
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue, const std::string& iniPath) = 0;
};

// The key's value, or nullopt when the file, the section or the key is
// missing. A present key returns its value whatever the default, a missing
// one returns the default: two different defaults tell them apart.
inline std::optional<std::string> ReadProfileValue(IProfile& profile, const std::string& section,
                                                   const std::string& key, const std::string& iniPath) {
  std::string value = profile.GetString(section, key, "", iniPath);
  if (value.empty() && profile.GetString(section, key, "-", iniPath) == "-") return std::nullopt;
  return value;
}
