#include "unattended/command_line.h"

#include <algorithm>
#include <array>

#include "app/startup.h"
#include "platform/text.h"
#include "platform/windows_path.h"

namespace {

struct VerbForm {
  Verb verb;
  const char* name;
  std::size_t positionals;   // arguments after the verb, options aside
  const char* positionalHelp;
  bool takesKindsAndLabel;   // /kinds and /label; every verb takes /log
};

constexpr std::array<VerbForm, 4> kVerbForms = {{
    {Verb::Copy, "/copy", 2, "コピー元 ドライブ", true},
    {Verb::Move, "/move", 3, "教科 年度 ドライブ", false},
    {Verb::Delete, "/delete", 2, "教科 年度", false},
    {Verb::List, "/list", 0, "", false},
}};

constexpr const char* kKindsSwitch = "/kinds";
constexpr const char* kLabelSwitch = "/label";
constexpr const char* kLogSwitch = "/log";

bool IsOption(std::string_view argument) {
  return EqualsIgnoreAsciiCase(argument, kKindsSwitch) || EqualsIgnoreAsciiCase(argument, kLabelSwitch) ||
         EqualsIgnoreAsciiCase(argument, kLogSwitch);
}

const VerbForm* FindVerb(std::string_view argument) {
  for (const auto& form : kVerbForms)
    if (EqualsIgnoreAsciiCase(argument, form.name)) return &form;
  return nullptr;
}

bool IsSwitch(std::string_view argument) { return !argument.empty() && argument.front() == '/'; }

// An option's value is the next argument, unless that is missing, empty or
// another switch.
bool HasValueAt(const std::vector<std::string>& args, std::size_t i) {
  return i < args.size() && !args[i].empty() && !IsSwitch(args[i]);
}

// "E:" or "E:\" -> 'E'.
std::optional<char> ParseDrive(std::string_view text) {
  if (text.size() < 2 || text.size() > 3 || text[1] != ':' || !IsDriveLetter(text[0])) return std::nullopt;
  if (text.size() == 3 && text[2] != '\\') return std::nullopt;
  return AsciiUpper(text.substr(0, 1))[0];
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::optional<KindFlags> ParseKinds(std::string_view list) {
  KindFlags flags{};
  for (;;) {
    const auto comma = list.find(',');
    const std::string_view name = TrimBlanks(list.substr(0, comma));
    const auto kind = std::find_if(kContentKinds.begin(), kContentKinds.end(),
                                   [&](const ContentKindInfo& info) { return EqualsIgnoreAsciiCase(name, info.name); });
    if (name.empty() || kind == kContentKinds.end()) return std::nullopt;
    flags[KindIndex(kind->kind)] = true;
    if (comma == std::string_view::npos) return flags;
    list.remove_prefix(comma + 1);
  }
}

bool IsYear(std::string_view text) {
  return text.size() == 4 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

ParsedCommandLine UsageError(ParsedCommandLine parsed, std::string reason) {
  parsed.mode = LaunchMode::UsageError;
  parsed.usageError = std::move(reason);
  return parsed;
}

// The verb's positional arguments checked and put into the request; the
// reason when one is malformed.
std::optional<std::string> ApplyPositionals(const VerbForm& form, const std::vector<std::string>& values,
                                            UnattendedRequest& request) {
  auto drive = [&](const std::string& text) -> std::optional<std::string> {
    const auto letter = ParseDrive(text);
    if (!letter) return "ドライブの指定が正しくありません: " + text;
    request.driveLetter = *letter;
    return std::nullopt;
  };
  auto subjectAndYear = [&]() -> std::optional<std::string> {
    request.subject = FindSubjectByKeyName(values[0]);
    if (!request.subject) return "教科の指定が正しくありません: " + values[0];
    if (!IsYear(values[1])) return "年度の指定が正しくありません: " + values[1];
    request.year = values[1];
    return std::nullopt;
  };
  switch (form.verb) {
    case Verb::Copy: {
      const std::string& source = values[0];
      if (const auto letter = ParseDrive(source)) {
        if (request.label.empty()) {
          request.sourceKind = SourceKind::CdRomDrive;
          request.sourceDrive = *letter;
        } else {
          request.sourceKind = SourceKind::ContentFolder;
          request.sourceFolder = std::string(1, *letter) + ":\\";
        }
      } else if (request.label.empty()) {
        return "フォルダからコピーするときは /label でディスクのラベルを指定してください: " + source;
      } else {
        request.sourceKind = SourceKind::ContentFolder;
        request.sourceFolder = source;
      }
      return drive(values[1]);
    }
    case Verb::Move:
      if (auto error = subjectAndYear()) return error;
      return drive(values[2]);
    case Verb::Delete:
      return subjectAndYear();
    case Verb::List:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::string> SplitArguments(std::string_view line) {
  std::vector<std::string> args;
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  };
  skipBlanks();
  while (i < line.size()) {
    std::string arg;
    bool quoted = false;
    while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
      if (line[i] == '\\') {
        std::size_t backslashes = 0;
        while (i < line.size() && line[i] == '\\') ++backslashes, ++i;
        if (i < line.size() && line[i] == '"') {
          arg.append(backslashes / 2, '\\');
          if (backslashes % 2) {
            arg += '"';
            ++i;
          }
          // An even count leaves the quote to the branch below.
        } else {
          arg.append(backslashes, '\\');
        }
      } else if (line[i] == '"') {
        // A run of quotes: the first opens or closes; inside quotes, every
        // third quote of the run (the opening one counted) is a literal one
        // and the run ends the quoted part unless it leaves three.
        int count = quoted ? 1 : 0;
        ++count;
        ++i;
        while (i < line.size() && line[i] == '"') {
          if (++count == 3) {
            arg += '"';
            count = 0;
          }
          ++i;
        }
        quoted = count == 1;
      } else {
        arg += line[i++];
      }
    }
    args.push_back(std::move(arg));
    skipBlanks();
  }
  return args;
}

ParsedCommandLine ParseCommandLine(std::string_view commandLineTail) {
  const std::vector<std::string> args = SplitArguments(commandLineTail);

  ParsedCommandLine parsed;
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (EqualsIgnoreAsciiCase(args[i], kLogSwitch) && HasValueAt(args, i + 1)) {
      parsed.logPath = args[i + 1];
      break;
    }

  const auto verbCount = std::count_if(args.begin(), args.end(), [](const std::string& a) { return FindVerb(a); });
  if (verbCount == 0) {
    // A switch without a verb is a mistyped command ("/cpy", "/lst", "/log
    // x.log" alone): starting the window would hold a waiting script for
    // ever. Only the installer's switch and plain words start the tool.
    const auto stray = [&](bool optionsToo) {
      return std::find_if(args.begin(), args.end(), [&](const std::string& a) {
        return IsSwitch(a) && !IsSetupSwitchArgument(a) && (optionsToo || !IsOption(a));
      });
    };
    auto named = stray(false);  // the mistyped verb, rather than the /log beside it
    if (named == args.end()) named = stray(true);
    if (named == args.end()) return parsed;
    return UsageError(parsed, "処理のスイッチ（/copy、/move、/delete、/list）がありません: " + *named);
  }
  // The installer's question needs someone to answer it; an unattended run has no one.
  const auto setup = std::find_if(args.begin(), args.end(), [](const std::string& a) { return IsSetupSwitchArgument(a); });
  if (setup != args.end()) return UsageError(parsed, *setup + " は処理のスイッチと一緒には使えません。");

  if (verbCount > 1) return UsageError(parsed, "処理のスイッチ（/copy、/move、/delete、/list）は一つだけ指定してください。");
  const VerbForm* form = FindVerb(args[0]);
  if (!form) return UsageError(parsed, "処理のスイッチはほかの引数より前に指定してください: " + args[0]);

  UnattendedRequest& request = parsed.request;
  request.verb = form->verb;
  std::vector<std::string> positionals;
  bool seenKinds = false, seenLabel = false, seenLog = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!IsSwitch(arg)) {
      positionals.push_back(arg);
      continue;
    }
    bool* seen = EqualsIgnoreAsciiCase(arg, kKindsSwitch)   ? &seenKinds
                 : EqualsIgnoreAsciiCase(arg, kLabelSwitch) ? &seenLabel
                 : EqualsIgnoreAsciiCase(arg, kLogSwitch)   ? &seenLog
                                                            : nullptr;
    if (!seen) return UsageError(parsed, "不明なスイッチです: " + arg);
    if (seen != &seenLog && !form->takesKindsAndLabel)
      return UsageError(parsed, arg + " は " + form->name + " では使えません。");
    if (*seen) return UsageError(parsed, arg + " が二度指定されています。");
    *seen = true;
    if (!HasValueAt(args, i + 1)) return UsageError(parsed, arg + " の値がありません。");
    const std::string& value = args[++i];
    if (seen == &seenKinds) {
      request.kinds = ParseKinds(value);
      if (!request.kinds) return UsageError(parsed, "種類の指定が正しくありません: " + value);
    } else if (seen == &seenLabel) {
      request.label = value;
    }
  }

  if (positionals.size() < form->positionals)
    return UsageError(parsed, std::string(form->name) + " には " + form->positionalHelp + " を指定してください。");
  if (positionals.size() > form->positionals)
    return UsageError(parsed, "余分な引数があります: " + positionals[form->positionals]);
  for (const auto& value : positionals)
    if (value.empty()) return UsageError(parsed, std::string(form->name) + " の引数に空のものがあります。");
  if (auto error = ApplyPositionals(*form, positionals, request)) return UsageError(parsed, *error);

  parsed.mode = LaunchMode::Unattended;
  return parsed;
}

std::string UsageText() {
  std::string kinds, subjects;
  for (const auto& kind : kContentKinds) kinds += std::string(kinds.empty() ? "" : ",") + kind.name;
  for (const auto& subject : kSubjects) subjects += std::string(subjects.empty() ? "" : ", ") + subject.keyName;
  return "使い方:\n"
         "  TavCopyTool.exe /copy コピー元 ドライブ [/kinds 種類,種類,…] [/label ラベル] [/log ログファイル]\n"
         "  TavCopyTool.exe /move 教科 年度 ドライブ [/log ログファイル]\n"
         "  TavCopyTool.exe /delete 教科 年度 [/log ログファイル]\n"
         "  TavCopyTool.exe /list [/log ログファイル]\n"
         "  コピー元: CD-ROMドライブ（E:）、または /label 付きでディスクの内容を置いたフォルダ\n"
         "  ドライブ: D: のような固定ドライブ　年度: 2007 のような4桁\n"
         "  種類: " + kinds + "\n"
         "  教科: " + subjects + "\n"
         "終了コード: 0 完了 / 1 指定の誤り / 2 権限がない / 3 ディスクまたはデータが見つからない /\n"
         "  4 コピー先が使えないか空きが足りない / 5 コピー・移動・削除の失敗 / 6 レジストリに登録できない /\n"
         "  7 Tavコピーツールがすでに実行中 / 8 ログの行を書き込めなかった（処理は行った） /\n"
         "  9 予期しないエラー";
}
