#pragma once
// One world for the copy, move and delete command tests: a CommandContext over
// the fakes, a Biology 2007 disc in the CD-ROM drive E:, fixed drives D: and G:
// with plenty of room, rights on Biology, Earth and World History, and helpers
// that script what each dialog hands back.
//
// The world checks itself when it goes: every box owned by the main window
// with the tool's caption, the dialog script and the answers used up, the busy
// flag and the wait cursor down and no registry key left open.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "command/command_context.h"
#include "catalogue/content_kinds.h"
#include "catalogue/data_dir_records.h"
#include "catalogue/subject_catalogue.h"
#include "copy/disc_detection.h"
#include "platform/fake/fake_disks.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_profile.h"
#include "platform/fake/fake_prompts.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_wait_cursor.h"
#include "command/fake/fake_command_dialogs.h"
#include "ui/data_list.h"
#include "ui/destination.h"
#include "command/folder_path_rules.h"

// A message box as the user sees it: its text and its kind.
struct Box {
  std::string text;
  unsigned flags;
  bool operator==(const Box&) const = default;
};
inline std::ostream& operator<<(std::ostream& os, const Box& box) {
  const char* kind = box.flags == mb::kWarning ? "warning" : box.flags == mb::kInformation ? "information"
                     : box.flags == mb::kQuestion                               ? "question"
                                                                                : "other";
  return os << kind << " \"" << box.text << "\"";
}
inline Box Warning(std::string text) { return {std::move(text), mb::kWarning}; }
inline Box Information(std::string text) { return {std::move(text), mb::kInformation}; }
inline Box Question(std::string text) { return {std::move(text), mb::kQuestion}; }

inline constexpr int kYes = mb::kIdYes;
inline constexpr int kNo = mb::kIdNo;
inline constexpr int kOk = mb::kIdOk;
inline constexpr int kCancel = mb::kIdCancel;

// Lets a test act at the moment a box is shown (a disc changed while the
// question was up) and see the busy flag then.
class HookedPrompts : public FakePrompts {
 public:
  int Show(PromptOwner owner, const std::string& text, const std::string& caption, unsigned flags) override {
    if (onShow) onShow(text);
    return FakePrompts::Show(owner, text, caption, flags);
  }
  std::function<void(const std::string&)> onShow;
};

// Lets a test look at the busy flag while the free space is asked for.
class HookedDisks : public FakeDisks {
 public:
  std::optional<std::uint64_t> FreeBytes(const std::string& path) override {
    if (onFreeBytes) onFreeBytes();
    return FakeDisks::FreeBytes(path);
  }
  std::function<void()> onFreeBytes;
};

inline constexpr int kBiologyIndex = 0;
inline constexpr int kChemistryIndex = 1;
inline constexpr int kWorldHistoryIndex = 9;
inline constexpr int kEarthIndex = 10;

inline std::string RecordKey(const char* subjectKey) { return DataDirKeyPath(subjectKey); }

// "D:\" followed by `count` times "表": one UTF-16 unit but three UTF-8 bytes
// each, so a byte count would misjudge the shell's limit.
inline std::string JapanesePath(char drive, std::size_t count) {
  std::string path = std::string(1, drive) + ":\\";
  for (std::size_t i = 0; i < count; ++i) path += "表";
  return path;
}

// A Biology data folder of `units` UTF-16 units, "X:\表…表\TestDoc_B": long,
// and still of the tool's own layout, which a move or delete requires.
inline std::string JapaneseDataFolder(char drive, std::size_t units) {
  return JapanesePath(drive, units - 13) + "\\TestDoc_B";
}

// The Biology 2007 data folder on D: as a record may spell it. Only a plain
// spelling (drive, ':', '\', valid levels separated by single '\') that the
// system's full-path form agrees with may be acted on; one trailing '\' is
// dropped first.
struct RecordSpelling {
  const char* name;
  std::string record;
  bool actedOn;
  // How the system spells it in full when that is not the path resolved ("":
  // the system gives no full path).
  const char* systemFullPath = nullptr;
  void Arrange(FakeFileSystem& files) const {
    if (systemFullPath)
      files.fullPaths[record] = *systemFullPath ? std::optional<std::string>(systemFullPath) : std::nullopt;
  }
};

struct CommandWorld {
  CommandWorld() {
    disks.drives['D'] = {DriveType::Fixed, std::nullopt, std::uint64_t{1} << 40};
    disks.drives['G'] = {DriveType::Fixed, std::nullopt, std::uint64_t{1} << 40};
    disks.drives['E'] = {DriveType::CdRom, std::nullopt, 0};
    files.AddFolder("D:\\");
    files.AddFolder("G:\\");
    InsertDisc("TAV07B_S", 'B');
    app.m_bAdmin[kBiologyIndex] = true;
    app.m_bAdmin[kEarthIndex] = true;
    app.m_bAdmin[kWorldHistoryIndex] = true;
  }
  ~CommandWorld() {
    for (const auto& p : prompts.shown) {
      EXPECT_EQ(p.owner, PromptOwner::MainWindow) << p.text;
      EXPECT_EQ(p.caption, kCaption) << p.text;
    }
    EXPECT_FALSE(dialogs.unexpected) << "a dialog ran that the script did not expect";
    EXPECT_TRUE(dialogs.script.empty()) << dialogs.script.size() << " scripted dialogs never ran";
    EXPECT_TRUE(prompts.answers.empty()) << prompts.answers.size() << " scripted answers never asked for";
    EXPECT_FALSE(busy) << "busy flag left set";
    EXPECT_EQ(waitCursor.depth, 0) << "wait cursor left up";
    EXPECT_EQ(registry.openHandles, 0);
  }
  CommandWorld(const CommandWorld&) = delete;
  CommandWorld& operator=(const CommandWorld&) = delete;

  std::vector<Box> Boxes() const {
    std::vector<Box> boxes;
    for (const auto& p : prompts.shown) boxes.push_back({p.text, p.flags});
    return boxes;
  }
  // "busy" with the busy flag and the wait cursor both up, "idle" with both down.
  std::string BusyState() const {
    if (busy && waitCursor.depth > 0) return "busy";
    if (!busy && waitCursor.depth == 0) return "idle";
    return busy ? "busy without the wait cursor" : "wait cursor without busy";
  }
  // Notes in `seen` every scripted dialog that runs with the busy flag or the
  // wait cursor up.
  void NoteBusyDialogs(std::vector<std::string>& seen) {
    for (auto& step : dialogs.script)
      step.run = [this, &seen, inner = step.run] {
        if (BusyState() != "idle") seen.push_back("dialog: " + BusyState());
        return inner();
      };
  }
  void Answer(std::initializer_list<int> answers) { prompts.answers.insert(prompts.answers.end(), answers); }
  // The dialog hands back what `run` gives.
  void Expect(CommandDialog dialog, std::function<DialogResult()> run) {
    dialogs.script.push_back({dialog, std::move(run)});
  }
  // The user cancels or steps back, once `effect` ran.
  void ExpectCancel(CommandDialog dialog, std::function<void()> effect = {}) {
    Expect(dialog, [effect = std::move(effect)] {
      if (effect) effect();
      return DialogResult{};
    });
  }
  // Every working folder a command left on the fixed drives.
  std::vector<std::string> WorkingFoldersLeft() {
    std::vector<std::string> left;
    for (const char* root : {"D:\\", "G:\\"})
      for (const auto& entry : files.ListTree(root).value_or(std::vector<FileEntry>{}))
        if (entry.isFolder && entry.relativePath.find(".tav") != std::string::npos &&
            entry.relativePath.find('\\', entry.relativePath.find(".tav")) == std::string::npos)
          left.push_back(root + entry.relativePath);
    return left;
  }
  std::optional<std::string> Record(const char* subjectKey, const char* valueName) const {
    return registry.Get(RegRoot::LocalMachine, RecordKey(subjectKey), valueName);
  }
  void SetRecord(const char* subjectKey, const char* valueName, const std::string& path) {
    registry.Set(RegRoot::LocalMachine, RecordKey(subjectKey), valueName, path);
  }

  // ---- copy ----
  // A product disc in E: whose subject folder holds Word (two files, one in a
  // subfolder), PDF and TXT.
  void InsertDisc(const char* label, char code) {
    disks.drives['E'].label = label;
    const std::string folder = std::string("E:\\TestDoc_") + code;
    files.AddFile(folder + "\\Word\\q01.doc", 1000);
    files.AddFile(folder + "\\Word\\sub\\q02.doc", 2000);
    files.AddFile(folder + "\\PDF\\q01.pdf", 3000);
    files.AddFile(folder + "\\TXT\\t.txt", 10);
  }
  static constexpr std::uint64_t kWordAndPdfBytes = 6000;

  // Whatever disc is in the drive, as the disc wait dialog identifies it.
  DialogResult IdentifyDisc() {
    const DetectionOutcome pass = RunDetectionPass(disks, nullptr);
    EXPECT_EQ(pass.result, DetectionResult::Found);
    if (pass.result != DetectionResult::Found) return {};
    return pass.found;
  }
  void DiscWait(int result) {
    if (result != kOk) return ExpectCancel(CommandDialog::DiscWait);
    Expect(CommandDialog::DiscWait, [this] { return IdentifyDisc(); });
  }
  // The content selection hands back Word and PDF and their size.
  void SelectKinds(int result) {
    if (result != kOk) return ExpectCancel(CommandDialog::CopySelect);
    Expect(CommandDialog::CopySelect, [] {
      ChosenKinds chosen;
      chosen.kinds[KindIndex(ContentKind::Word)] = true;
      chosen.kinds[KindIndex(ContentKind::PDF)] = true;
      chosen.requiredBytes = kWordAndPdfBytes;
      return chosen;
    });
  }
  // The destination dialog composes the data folder on `drive` (or takes the
  // given folder) and creates it, saying which levels it made.
  void CopyDest(int result, char drive = 'D', std::string folder = "") {
    if (result != kOk) return ExpectCancel(CommandDialog::CopyDest);
    Expect(CommandDialog::CopyDest, [this, drive, folder] {
      ChosenDestination chosen{folder.empty() ? DataFolder(drive, app.m_szYear, app.m_szSubject) : folder, {}, {}};
      if (CreateFolderPath(files, chosen.folder, &chosen.createdLevels) != FolderResult::Ok)
        files.AddFolder(chosen.folder);  // a path the rules refuse, for tests of the command's own checks
      return chosen;
    });
  }
  // Disc, Word and PDF, drive D:, and "はい" to the start question.
  void ScriptCopyUpToStart() {
    DiscWait(kOk);
    SelectKinds(kOk);
    CopyDest(kOk);
    Answer({kYes});
  }

  // ---- move and delete ----
  // The registered Biology 2007 data set on D: with Word, PDF and VOICE.
  static constexpr const char* kDataDir = "D:\\KR_LAB\\Tav2007\\TestDoc_B";
  static constexpr std::uint64_t kDataBytes = 6500;
  void RegisterDataSet(const std::string& dataDir = kDataDir, const char* subjectKey = "Biology") {
    SetRecord(subjectKey, "DataDir07", dataDir);
    files.AddFile(dataDir + "\\Word\\q01.doc", 1000);
    files.AddFile(dataDir + "\\Word\\sub\\q02.doc", 2000);
    files.AddFile(dataDir + "\\PDF\\q01.pdf", 3000);
    files.AddFile(dataDir + "\\VOICE\\v.mp3", 500);
  }
  // Kind folders that a folder recorded in another spelling could reach: at
  // the top level of drive D: and directly under its KR_LAB folder.
  static constexpr const char* kBystanders[] = {"D:\\Word\\keep.doc", "D:\\PDF\\keep.pdf",
                                                "D:\\KR_LAB\\VOICE\\keep.mp3"};
  void PlaceBystanders() {
    for (const char* file : kBystanders) files.AddFile(file, 7);
  }
  // The data set registered, its record spelled as `spelling` says, and the
  // bystanders placed.
  void RegisterDataSetAs(const RecordSpelling& spelling) {
    RegisterDataSet();
    SetRecord("Biology", "DataDir07", spelling.record);
    PlaceBystanders();
    spelling.Arrange(files);
  }
  bool BystandersIntact() const {
    for (const char* file : kBystanders)
      if (files.FileSize(file) != 7u) return false;
    return true;
  }
  // The lines the list dialog would show to a user with these rights.
  std::vector<std::string> ListLines(const std::array<bool, kSubjectCount>& admin) {
    std::vector<std::string> lines;
    for (const auto& entry : BuildDataList(registry, admin)) lines.push_back(entry.line);
    return lines;
  }
  std::string listLine = "Tav2007  生物";
  // Runs once the delete list or the move destination has read the record, for tests
  // that make the key fail only when the command writes or removes.
  std::function<void()> afterChoice;

  void DataList(CommandDialog dialog, int result) {
    if (result != kOk) return ExpectCancel(dialog);
    Expect(dialog, [this, dialog]() -> DialogResult {
      const auto variant = dialog == CommandDialog::DeleteList ? DataListVariant::Delete : DataListVariant::Move;
      // The dialog hands back the data set listed with the line.
      const auto listed = BuildDataList(registry, app.m_bAdmin);
      const auto line = std::find_if(listed.begin(), listed.end(), [this](const ListedDataSet& l) { return l.line == listLine; });
      EXPECT_NE(line, listed.end()) << listLine << " is not listed";
      if (line == listed.end()) return {};
      const auto chosen = ConfirmChosenDataSet(registry, variant, *line);
      EXPECT_TRUE(chosen.has_value());
      if (!chosen) return {};
      if (variant == DataListVariant::Delete && afterChoice) afterChoice();
      return *chosen;
    });
  }
  // The move destination: the data folder composed on `drive` (or the given
  // folder), the registered folder read, the folder created.
  void MoveDest(int result, char drive = 'G', std::string folder = "") {
    if (result != kOk) return ExpectCancel(CommandDialog::MoveDest);
    Expect(CommandDialog::MoveDest, [this, drive, folder]() -> DialogResult {
      const std::string composed = folder.empty() ? DataFolder(drive, app.m_szYear, app.m_szSubject) : folder;
      CheckedMoveSource source = CheckMoveSource(registry, app, composed);
      EXPECT_EQ(source.check, MoveSourceCheck::Accepted);
      if (source.check != MoveSourceCheck::Accepted) return {};
      std::vector<std::string> created;
      if (CreateFolderPath(files, composed, &created) != FolderResult::Ok) files.AddFolder(composed);
      if (afterChoice) afterChoice();
      return ChosenDestination{composed, std::move(source.registeredFolder), std::move(created)};
    });
  }

  TavAppState app;
  FakeRegistry registry;
  HookedDisks disks;
  FakeFileSystem files;
  FakeProfile profile;
  HookedPrompts prompts;
  FakeCommandDialogs dialogs;
  bool busy = false;
  FakeWaitCursor waitCursor;
  CommandContext ctx{app, registry, disks, files, profile, prompts, dialogs, busy, waitCursor};
};

// The spellings, each with whether a move or a delete may act on it.
inline const std::vector<RecordSpelling>& RecordSpellings() {
  static const std::string data = CommandWorld::kDataDir;
  static const std::vector<RecordSpelling> spellings = {
      {"plain", data, true},
      {"one trailing backslash", data + "\\", true},
      {"another letter case", "d:\\kr_lab\\TAV2007\\testdoc_b", true},
      {"'..' up to the drive's top level", "D:\\KR_LAB\\..", false},
      {"'..' up to KR_LAB", "D:\\KR_LAB\\Tav2007\\..", false},
      {"'..' and back down to the data folder", "D:\\KR_LAB\\Tav2007\\..\\Tav2007\\TestDoc_B", false},
      {"a '.' level", "D:\\KR_LAB\\.\\Tav2007\\TestDoc_B", false},
      {"a '.' at the end", data + "\\.", false},
      {"the drive's top level as '.'", "D:\\.", false},
      {"an empty level", "D:\\KR_LAB\\\\Tav2007\\TestDoc_B", false},
      {"an empty first level", "D:\\\\KR_LAB", false},
      {"two trailing backslashes", data + "\\\\", false},
      {"the drive root", "D:\\", false},
      {"forward slashes", "D:/KR_LAB/Tav2007/TestDoc_B", false},
      {"a level ending in a dot", "D:\\KR_LAB.\\Tav2007\\TestDoc_B", false},
      {"a device name", "D:\\KR_LAB\\CON", false, "\\\\.\\CON"},
      {"no full path from the system", data, false, ""},
  };
  return spellings;
}

// For tests of one case: the world as a fixture.
class CommandTest : public ::testing::Test, protected CommandWorld {};
