#pragma once
// Drives dialogs and message boxes from outside their message loop, as a user
// would: find a window, click a control, read texts, answer a message box.
// Works across threads (a driver thread beside a modal loop) and across
// processes (the end-to-end automation program). Text is UTF-8.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace automation {

constexpr DWORD kDefaultTimeoutMs = 15000;

// A visible top-level window of process `pid` (0: any process) whose caption
// is `title` (empty: any) and class `className` (empty: any).
HWND FindTopWindow(DWORD pid, const std::string& title, const std::string& className = "#32770");
// The same, once it is there and settled (see Settle).
HWND WaitForTopWindow(DWORD pid, const std::string& title, const std::string& className = "#32770",
                      DWORD timeoutMs = kDefaultTimeoutMs);
// Waits until the thread of `window` is back in its message loop (so its
// initialisation and every message sent to it before are done) and has
// painted what was pending. False when the thread did not answer in time.
bool Settle(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);
// Settles every visible top-level window: what a screenshot shows.
void SettleVisibleWindows(DWORD timeoutMs = kDefaultTimeoutMs);
// Waits until the window is gone (destroyed or hidden).
bool WaitForClose(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);
// Polls `done` until it is true or the time is up.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kDefaultTimeoutMs);

std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);
bool IsItemEnabled(HWND dialog, int id);
bool IsItemVisible(HWND dialog, int id);
// Clicks a button as the user does, without waiting for the handler.
void Click(HWND dialog, int id);
// Posts a key press to a control (or the dialog) so it passes the modal loop.
void PressKey(HWND target, WPARAM key);
// Ticks or unticks an auto check box and waits until the dialog has handled
// the click (the handler must not open a modal window).
void SetCheck(HWND dialog, int id, bool checked);
bool IsChecked(HWND dialog, int id);
// List and combo boxes: the texts of the entries, and selecting one.
std::vector<std::string> ComboItems(HWND dialog, int id);
void SelectComboItem(HWND dialog, int id, int index);
std::vector<std::string> ListItems(HWND dialog, int id);
void SelectListItem(HWND dialog, int id, int index);

// A message box is a #32770 window whose text is control 0xFFFF.
struct MessageBoxSeen {
  HWND window = nullptr;
  std::string caption;
  std::string text;
};
// Waits for a message box of `pid` (0: any) with the caption "Tavコピーツール".
MessageBoxSeen WaitForMessageBox(DWORD pid, DWORD timeoutMs = kDefaultTimeoutMs);
// Presses IDOK / IDYES / IDNO / IDCANCEL of the box and waits for it to go.
bool Answer(const MessageBoxSeen& box, int buttonId);

// The disc set scripts/wine-discs.sh put into the drives for this run
// ("product", "earth", ...), or "" outside such a run. What each set holds is
// described there alone.
std::string CurrentDiscSet();

// Saves the whole screen (Wine's virtual desktop) as a BMP file.
bool SaveScreenshot(const std::string& path);

}  // namespace automation
