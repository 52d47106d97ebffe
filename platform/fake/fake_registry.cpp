#include "platform/fake/fake_registry.h"

#include "platform/text.h"

class FakeRegistryKey : public IRegistryKey {
 public:
  FakeRegistryKey(FakeRegistry& owner, std::string folded, RegAccess access)
      : owner_(owner), folded_(std::move(folded)), access_(access) {
    ++owner_.openHandles;
  }
  ~FakeRegistryKey() override { --owner_.openHandles; }

  std::optional<std::string> QueryString(const std::string& name) override {
    auto& values = owner_.keys_[folded_].values;
    auto it = values.find(AsciiUpper(name));
    if (it == values.end()) return std::nullopt;
    return it->second.second;
  }
  bool SetString(const std::string& name, const std::string& value) override {
    if (access_ != RegAccess::Write) return false;
    owner_.keys_[folded_].values[AsciiUpper(name)] = {name, value};
    return true;
  }
  bool DeleteValue(const std::string& name) override {
    if (access_ != RegAccess::Write) return false;
    return owner_.keys_[folded_].values.erase(AsciiUpper(name)) > 0;
  }

 private:
  FakeRegistry& owner_;
  std::string folded_;
  RegAccess access_;
};

std::string FakeRegistry::Fold(RegRoot root, const std::string& path) {
  return (root == RegRoot::CurrentUser ? "HKCU\\" : "HKLM\\") + AsciiUpper(path);
}

std::unique_ptr<IRegistryKey> FakeRegistry::OpenKey(RegRoot root, const std::string& path, RegAccess access) {
  const auto folded = Fold(root, path);
  if (denied_.count(folded) || !keys_.count(folded)) return nullptr;
  return std::make_unique<FakeRegistryKey>(*this, folded, access);
}

std::unique_ptr<IRegistryKey> FakeRegistry::CreateKey(RegRoot root, const std::string& path) {
  const auto folded = Fold(root, path);
  if (denied_.count(folded)) return nullptr;
  keys_[folded];
  return std::make_unique<FakeRegistryKey>(*this, folded, RegAccess::Write);
}

void FakeRegistry::Set(RegRoot root, const std::string& path, const std::string& name, const std::string& value) {
  keys_[Fold(root, path)].values[AsciiUpper(name)] = {name, value};
}

std::optional<std::string> FakeRegistry::Get(RegRoot root, const std::string& path, const std::string& name) const {
  auto key = keys_.find(Fold(root, path));
  if (key == keys_.end()) return std::nullopt;
  auto it = key->second.values.find(AsciiUpper(name));
  if (it == key->second.values.end()) return std::nullopt;
  return it->second.second;
}

bool FakeRegistry::KeyExists(RegRoot root, const std::string& path) const { return keys_.count(Fold(root, path)) > 0; }

std::set<std::string> FakeRegistry::ValueNames(RegRoot root, const std::string& path) const {
  std::set<std::string> names;
  auto key = keys_.find(Fold(root, path));
  if (key != keys_.end())
    for (const auto& [folded, value] : key->second.values) names.insert(value.first);
  return names;
}

void FakeRegistry::Deny(RegRoot root, const std::string& path) { denied_.insert(Fold(root, path)); }
