#include "app/win32/redirection_trust.h"

#include <windows.h>

namespace {

// PROCESS_MITIGATION_POLICY's ProcessRedirectionTrustPolicy, and its flags
// word (bit 0 EnforceRedirectionTrust, bit 1 AuditRedirectionTrust), spelled
// here so the build does not depend on how new the SDK's headers are.
constexpr int kProcessRedirectionTrustPolicy = 16;
struct RedirectionTrustPolicy {
  DWORD flags;
};
constexpr DWORD kEnforceRedirectionTrust = 0x1;

using SetPolicyFunction = BOOL(WINAPI*)(int policy, PVOID buffer, SIZE_T length);

}  // namespace

bool EnforceRedirectionTrust() {
  // Looked up, not imported: Windows 7 has no SetProcessMitigationPolicy,
  // and an import it lacks would stop the exe from starting at all.
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (!kernel) return false;
  const auto set = reinterpret_cast<SetPolicyFunction>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetProcessMitigationPolicy")));
  if (!set) return false;
  RedirectionTrustPolicy policy{kEnforceRedirectionTrust};
  // A Windows that predates the policy answers ERROR_INVALID_PARAMETER.
  return set(kProcessRedirectionTrustPolicy, &policy, sizeof policy) != FALSE;
}
