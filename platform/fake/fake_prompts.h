#pragma once
// Records every message box and answers from a script (IDOK for an OK box,
// then the next scripted answer for a question; IDNO when the script is out).
#include <deque>
#include <string>
#include <vector>

#include "platform/prompt_port.h"

struct ShownPrompt {
  PromptOwner owner;
  std::string text;
  std::string caption;
  unsigned flags;
};

class FakePrompts : public IPrompts {
 public:
  int Show(PromptOwner owner, const std::string& text, const std::string& caption, unsigned flags) override {
    shown.push_back({owner, text, caption, flags});
    if ((flags & 0xF) != mb::kYesNo) return mb::kIdOk;
    if (answers.empty()) return mb::kIdNo;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& p : shown) texts.push_back(p.text);
    return texts;
  }

  std::deque<int> answers;
  std::vector<ShownPrompt> shown;
};
