#include "tests/support/automation.h"

#include <cstdio>

#include "platform/text.h"

namespace automation {

namespace {

std::wstring W(const std::string& s) { return Utf8ToUtf16(s); }

struct FindState {
  DWORD pid;
  std::wstring title;
  std::wstring className;
  HWND found = nullptr;
};

BOOL CALLBACK FindProc(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<FindState*>(param);
  if (!IsWindowVisible(window)) return TRUE;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (state->pid && pid != state->pid) return TRUE;
  wchar_t buffer[512];
  if (!state->className.empty()) {
    GetClassNameW(window, buffer, 512);
    if (state->className != buffer) return TRUE;
  }
  if (!state->title.empty()) {
    GetWindowTextW(window, buffer, 512);
    if (state->title != buffer) return TRUE;
  }
  state->found = window;
  return FALSE;
}

}  // namespace

HWND FindTopWindow(DWORD pid, const std::string& title, const std::string& className) {
  FindState state{pid, W(title), W(className)};
  EnumWindows(FindProc, reinterpret_cast<LPARAM>(&state));
  return state.found;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(30);
  }
  return true;
}

HWND WaitForTopWindow(DWORD pid, const std::string& title, const std::string& className, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(pid, title, className)) != nullptr; }, timeoutMs);
  if (found) Settle(found, timeoutMs);
  return found;
}

bool Settle(HWND window, DWORD timeoutMs) {
  // A message sent from another thread is handled only when the window's
  // thread asks for its next message, so the answer proves that what it was
  // doing (WM_INITDIALOG, a handler, an earlier sent message) is done. It says
  // nothing of messages posted to it before; a click posted now queues
  // behind those anyway.
  DWORD_PTR ignored = 0;
  const auto roundTrip = [&] {
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
  };
  if (!roundTrip()) return false;
  // WM_PAINT comes only when the queue is otherwise empty; RDW_UPDATENOW sends
  // it to the window and its children at once, across processes too.
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  // Wine copies what a thread painted to the screen at EndPaint (at most
  // every 50 ms) and whenever the thread finds its queue empty: one more
  // round trip lets it get back to its loop after painting.
  return roundTrip();
}

void SettleVisibleWindows(DWORD timeoutMs) {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) Settle(window, timeoutMs);
}

bool WaitForClose(HWND window, DWORD timeoutMs) {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

std::string Text(HWND window) {
  // WM_GETTEXT works across processes; GetWindowText does not for controls.
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return Utf16ToUtf8(text);
}

std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
bool IsItemEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)); }
bool IsItemVisible(HWND dialog, int id) {
  return (GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Click(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressKey(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

void SetCheck(HWND dialog, int id, bool checked) {
  HWND box = GetDlgItem(dialog, id);
  SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  // Sent, not posted: the dialog has handled the click when this returns (a
  // later sent message would overtake a posted one).
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
}

bool IsChecked(HWND dialog, int id) {
  return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

namespace {
std::vector<std::string> Items(HWND control, UINT countMsg, UINT lenMsg, UINT textMsg) {
  std::vector<std::string> items;
  const LRESULT count = SendMessageW(control, countMsg, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT len = SendMessageW(control, lenMsg, i, 0);
    std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
    SendMessageW(control, textMsg, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(len));
    items.push_back(Utf16ToUtf8(text));
  }
  return items;
}
}  // namespace

std::vector<std::string> ComboItems(HWND dialog, int id) {
  return Items(GetDlgItem(dialog, id), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

void SelectComboItem(HWND dialog, int id, int index) {
  HWND combo = GetDlgItem(dialog, id);
  SendMessageW(combo, CB_SETCURSEL, index, 0);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::vector<std::string> ListItems(HWND dialog, int id) {
  return Items(GetDlgItem(dialog, id), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

void SelectListItem(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  SendMessageW(list, LB_SETCURSEL, index, 0);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

MessageBoxSeen WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
  MessageBoxSeen box;
  box.window = WaitForTopWindow(pid, "Tavコピーツール", "#32770", timeoutMs);
  // The main menu has the same caption: a message box is the one with text 0xFFFF.
  WaitUntil(
      [&] {
        if (box.window && GetDlgItem(box.window, 0xFFFF)) return true;
        box.window = nullptr;
        FindState state{pid, W("Tavコピーツール"), W("#32770")};
        EnumWindows(
            [](HWND w, LPARAM p) -> BOOL {
              auto* s = reinterpret_cast<FindState*>(p);
              if (FindProc(w, p) == FALSE) {
                if (GetDlgItem(s->found, 0xFFFF)) return FALSE;
                s->found = nullptr;
              }
              return TRUE;
            },
            reinterpret_cast<LPARAM>(&state));
        box.window = state.found;
        return box.window != nullptr;
      },
      timeoutMs);
  if (box.window) {
    box.caption = Text(box.window);
    box.text = ItemText(box.window, 0xFFFF);
  }
  return box;
}

bool Answer(const MessageBoxSeen& box, int buttonId) {
  if (!box.window) return false;
  Click(box.window, buttonId);
  return WaitForClose(box.window);
}

bool SaveScreenshot(const std::string& path) {
  HDC screen = GetDC(nullptr);
  const int width = GetDeviceCaps(screen, HORZRES);
  const int height = GetDeviceCaps(screen, VERTRES);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  const DWORD rowBytes = ((width * 3 + 3) / 4) * 4;
  const DWORD imageBytes = rowBytes * height;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageBytes;
  bool ok = false;
  if (FILE* out = _wfopen(W(path).c_str(), L"wb")) {
    ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
         fwrite(bits, 1, imageBytes, out) == imageBytes;
    fclose(out);
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

std::string CurrentDiscSet() {
  const DWORD length = GetEnvironmentVariableW(L"TAV_DISC_SET", nullptr, 0);
  if (length == 0) return "";
  std::wstring value(length, L'\0');
  value.resize(GetEnvironmentVariableW(L"TAV_DISC_SET", value.data(), length));
  return Utf16ToUtf8(value);
}

}  // namespace automation
