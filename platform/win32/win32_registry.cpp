#include "platform/win32/win32_registry.h"

#include "platform/win32/win_text.h"

namespace {

HKEY RootKey(RegRoot root) { return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

class Win32RegistryKey : public IRegistryKey {
 public:
  explicit Win32RegistryKey(HKEY key) : key_(key) {}
  ~Win32RegistryKey() override { RegCloseKey(key_); }
  Win32RegistryKey(const Win32RegistryKey&) = delete;
  Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

  std::optional<std::string> QueryString(const std::string& name) override {
    const std::wstring wname = W(name);
    DWORD bytes = 0;
    if (RegQueryValueExW(key_, wname.c_str(), nullptr, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
      return std::nullopt;
    std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key_, wname.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
      return std::nullopt;
    data.resize(size / sizeof(wchar_t));
    if (!data.empty() && data.back() == L'\0') data.pop_back();  // the stored terminator
    // Text with a lone surrogate has no UTF-8 form: converted, a path
    // would name another folder than the recorded one.
    std::string text = U8(data);
    if (W(text) != data) return std::nullopt;
    return text;
  }

  bool SetString(const std::string& name, const std::string& value) override {
    const std::wstring data = W(value);
    return RegSetValueExW(key_, W(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

  bool DeleteValue(const std::string& name) override {
    return RegDeleteValueW(key_, W(name).c_str()) == ERROR_SUCCESS;
  }

 private:
  HKEY key_;
};

}  // namespace

std::unique_ptr<IRegistryKey> Win32Registry::OpenKey(RegRoot root, const std::string& path, RegAccess access) {
  HKEY key = nullptr;
  const REGSAM sam = (access == RegAccess::Read ? KEY_READ : KEY_WRITE) | KEY_WOW64_32KEY;
  if (RegOpenKeyExW(RootKey(root), W(path).c_str(), 0, sam, &key) != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32RegistryKey>(key);
}

std::unique_ptr<IRegistryKey> Win32Registry::CreateKey(RegRoot root, const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(RootKey(root), W(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_WRITE | KEY_WOW64_32KEY, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<Win32RegistryKey>(key);
}
