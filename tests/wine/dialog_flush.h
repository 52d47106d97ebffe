#pragma once
// Proof, from a driver thread, that a dialog's thread has caught up: a
// sentinel is posted to a hidden window of that thread and the driver waits
// until the thread has dispatched it. Posted messages are handled in order,
// so by then everything posted before the sentinel (clicks, keys, selections)
// has been handled, or has opened a nested loop (a message box) that handled
// the sentinel in turn. A message *sent* from another thread proves nothing
// of the kind: it is handled before the queue's posted messages.
#include <windows.h>

#include <atomic>
#include <map>
#include <mutex>

namespace dialog_flush {

inline constexpr UINT kSentinel = WM_APP + 0x2F1;

struct State {
  std::mutex mutex;
  std::map<DWORD, HWND> windows;  // thread -> its sentinel window
  std::atomic<LONG> handled{0};
  std::atomic<LONG> posted{0};
  HANDLE dispatched = CreateEventW(nullptr, FALSE, FALSE, nullptr);
};

inline State& Shared() {
  static State state;
  return state;
}

inline LRESULT CALLBACK SentinelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kSentinel) return DefWindowProcW(window, message, wParam, lParam);
  Shared().handled = static_cast<LONG>(wParam);
  SetEvent(Shared().dispatched);
  return 0;
}

}  // namespace dialog_flush

// Makes the calling thread flushable; call it on the thread that will run
// the dialog, before the dialog runs (RunDriven does).
inline void PrepareFlush() {
  using namespace dialog_flush;
  State& state = Shared();
  std::lock_guard<std::mutex> lock(state.mutex);
  if (state.windows.count(GetCurrentThreadId())) return;
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = SentinelProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TavTestFlushSentinel";
    return RegisterClassW(&wc);
  }();
  HWND window = CreateWindowExW(0, MAKEINTATOM(atom), nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  state.windows[GetCurrentThreadId()] = window;
}

// True once the thread of `dialog` has handled everything posted to it
// before this call; false when it did not get there within the time limit
// (the thread is stuck, or was never prepared).
inline bool Flush(HWND dialog, DWORD timeoutMs = 15000) {
  using namespace dialog_flush;
  State& state = Shared();
  HWND sentinel = nullptr;
  {
    std::lock_guard<std::mutex> lock(state.mutex);
    const auto it = state.windows.find(GetWindowThreadProcessId(dialog, nullptr));
    if (it != state.windows.end()) sentinel = it->second;
  }
  if (!sentinel) return false;
  const LONG serial = ++state.posted;
  if (!PostMessageW(sentinel, kSentinel, static_cast<WPARAM>(serial), 0)) return false;
  const DWORD start = GetTickCount();
  while (state.handled < serial) {
    const DWORD waited = GetTickCount() - start;
    if (waited >= timeoutMs || WaitForSingleObject(state.dispatched, timeoutMs - waited) == WAIT_FAILED) return false;
  }
  return true;
}
