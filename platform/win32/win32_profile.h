#pragma once
#include "platform/profile_port.h"

class Win32Profile : public IProfile {
 public:
  std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                        const std::string& iniPath) override;
};
