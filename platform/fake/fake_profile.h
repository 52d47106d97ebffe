#pragma once
// INI contents in memory: section -> key -> value; a missing file is simply
// an empty map, as GetPrivateProfileString sees it. Section and key names
// match without regard to ASCII case, as Windows matches them.
#include <map>
#include <string>

#include "platform/profile_port.h"
#include "platform/text.h"

class FakeProfile : public IProfile {
 public:
  struct NameLess {
    bool operator()(const std::string& a, const std::string& b) const { return AsciiUpper(a) < AsciiUpper(b); }
  };

  std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                        const std::string& /*iniPath*/) override {
    auto s = sections.find(section);
    if (s == sections.end()) return defaultValue;
    auto k = s->second.find(key);
    return k == s->second.end() ? defaultValue : k->second;
  }
  std::map<std::string, std::map<std::string, std::string, NameLess>, NameLess> sections;
};
