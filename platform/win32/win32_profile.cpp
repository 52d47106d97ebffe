#include "platform/win32/win32_profile.h"

#include "platform/win32/win_text.h"

std::string Win32Profile::GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& iniPath) {
  // The INI has no BOM, so Windows decodes it in the system code page (CP932
  // on a Japanese system). Grow the buffer until the value fits: a value that
  // exactly fills it comes back as size - 1.
  std::wstring buffer(512, L'\0');
  for (;;) {
    const DWORD n = GetPrivateProfileStringW(W(section).c_str(), W(key).c_str(), W(defaultValue).c_str(),
                                             buffer.data(), static_cast<DWORD>(buffer.size()), W(iniPath).c_str());
    if (n + 1 < buffer.size()) {
      buffer.resize(n);
      return U8(buffer);
    }
    buffer.resize(buffer.size() * 2);
  }
}
