#pragma once
// Message boxes. Flags and answers carry the Win32 values so that a scripted
// answer in a test reads like the real call.
#include <string>

namespace mb {
constexpr unsigned kOk = 0x0;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconExclamation = 0x30;
constexpr unsigned kIconInformation = 0x40;
constexpr unsigned kSystemModal = 0x1000;
constexpr unsigned kTaskModal = 0x2000;
constexpr unsigned kSetForeground = 0x10000;
constexpr unsigned kTopmost = 0x40000;

constexpr unsigned kWarning = kOk | kIconExclamation;
constexpr unsigned kInformation = kOk | kIconInformation;
constexpr unsigned kQuestion = kYesNo | kIconQuestion;

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
}  // namespace mb

extern const char* const kCaption;  // "Tavコピーツール"

enum class PromptOwner { None, MainWindow };

class IPrompts {
 public:
  virtual ~IPrompts() = default;
  virtual int Show(PromptOwner owner, const std::string& text, const std::string& caption,
                   unsigned flags) = 0;
};
