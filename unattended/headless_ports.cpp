#include "unattended/headless_ports.h"

int HeadlessPrompts::Show(PromptOwner, const std::string& text, const std::string&, unsigned flags) {
  LogLines(log_, text);
  if ((flags & 0xF) != mb::kYesNo) return mb::kIdOk;
  log_.Line("（確認できないため「いいえ」として扱いました）");
  return mb::kIdNo;
}

void HeadlessCommandDialogs::LogCancelledDialog() { log_.Line("（画面を表示できないため取り消しました）"); }
