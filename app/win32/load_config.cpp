// The exe's load configuration: DependentLoadFlags makes the loader resolve
// the DLLs that the exe imports, and the imports of those, from System32
// only, before any code of ours runs (RestrictDllSearchToSystem covers the
// LoadLibrary calls after that). Linked into the exe alone; the header's
// load-configuration entry must point at this symbol, which
// scripts/pe-load-config.sh sets after the link where the linker does not.
#include <windows.h>

namespace {
constexpr IMAGE_LOAD_CONFIG_DIRECTORY64 SystemOnlyLoadConfig() {
  IMAGE_LOAD_CONFIG_DIRECTORY64 config{};
  config.Size = sizeof config;
  config.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;  // DependentLoadFlags in newer headers
  return config;
}
}  // namespace

extern "C" [[gnu::used]] constexpr IMAGE_LOAD_CONFIG_DIRECTORY64 _load_config_used = SystemOnlyLoadConfig();
