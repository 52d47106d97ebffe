#include "command/folder_path_rules.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_prompts.h"

namespace {

using enum FolderResult;

TEST(FolderName, Rules) {
  const struct {
    std::string name;
    bool valid;
  } cases[] = {
      {"KR_LAB", true},
      {"a", true},
      {"a b.c", true},
      {"表", true},
      {"ソ", true},
      {"能力", true},
      {"ポート", true},
      {"ｶﾀｶﾅ", true},  // half-width katakana
      {"x\x01y", true},  // control characters are not ours to refuse
      {"", false},
      {".hidden", false},
      {"trailing.", false},
      {" lead", false},
      {"trail ", false},
      {"\tlead", false},
      {"trail\t", false},
      {"..", false},
      {"\xE8\xA1", false},  // a multi-byte character cut short
      {"\xE8\xA1x", false},
      {"\xA1x", false},  // a stray continuation byte
      {"a\xE0\x81\x9C" "b", false},  // an overlong backslash would split the name on its way to Windows
      {"a\xC1\xBC", false},          // an overlong '|'
      {"\xED\xA0\x80", false},       // an encoded surrogate
      {"\xF4\x90\x80\x80", false},   // beyond U+10FFFF
      {"\xF0\xA0\xAE\xB7", true},    // a character outside the BMP
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidFolderName(c.name), c.valid) << c.name;
  for (char forbidden : std::string("\"*/:<>?\\|")) {
    EXPECT_FALSE(IsValidFolderName(std::string("a") + forbidden + "b")) << forbidden;
    EXPECT_FALSE(IsValidFolderName(std::string(1, forbidden))) << forbidden;
  }
}

TEST(FolderPath, Form) {
  const std::string japanese259 = "D:\\" + [] {
    std::string s;
    for (int i = 0; i < 256; ++i) s += "表";
    return s;
  }();
  const struct {
    std::string path;
    FolderResult expected;
  } cases[] = {
      {"D:\\", Ok},
      {"d:\\", Ok},
      {"z:\\a", Ok},
      {"D:\\KR_LAB\\Tav2007\\TestDoc_B", Ok},
      {"C:\\表\\ソ\\能\\ポ", Ok},
      {"D:\\" + std::string(100, 'a') + "\\" + std::string(155, 'b'), Ok},  // 259 characters
      {"D:\\" + std::string(100, 'a') + "\\" + std::string(156, 'b'), Malformed},
      {japanese259, Ok},
      {japanese259 + "表", Malformed},
      {"", Malformed},
      {"D:", Malformed},
      {"D:a", Malformed},
      {"D\\\\", Malformed},
      {"1:\\a", Malformed},
      {"\\\\server\\share", Malformed},
      {"KR_LAB\\Tav2007", Malformed},
      {"\\KR_LAB", Malformed},
      {"D:/KR_LAB", Malformed},
      {"D:\\a\\", Malformed},
      {"D:\\\\", Malformed},
      {"D:\\a\\\\b", Malformed},
      {"D:\\a\\.b", Malformed},
      {"D:\\a.\\b", Malformed},
      {"D:\\ a\\b", Malformed},
      {"D:\\a\\b\t", Malformed},
      {"D:\\a\\b?", Malformed},
      {"D:\\a:b", Malformed},
      {" D:\\a", Malformed},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckFolderPath(c.path), c.expected) << c.path;
}

class FolderPathOnDisk : public ::testing::Test {
 protected:
  void SetUp() override { files.AddFolder("D:\\"); }
  FakeFileSystem files;
  FakePrompts prompts;
};

TEST_F(FolderPathOnDisk, CreationMakesTheMissingLevelsFromTheRootDown) {
  files.AddFolder("D:\\a");
  EXPECT_EQ(CreateFolderPath(files, "D:\\a\\b\\c"), Ok);
  EXPECT_EQ(files.createdFolders, (std::vector<std::string>{"D:\\a\\b", "D:\\a\\b\\c"}));
  EXPECT_TRUE(files.IsFolder("D:\\a\\b\\c"));
}

TEST_F(FolderPathOnDisk, CreationResults) {
  files.AddFolder("D:\\there");
  files.AddFile("D:\\file.txt", 10);
  files.refuseCreate.insert("D:\\LOCKED\\B");
  const struct {
    const char* path;
    FolderResult expected;
    std::vector<std::string> created;
  } cases[] = {
      {"D:\\", Ok, {}},
      {"E:\\", NotCreated, {}},  // a drive root cannot be made
      {"E:\\a", NotCreated, {}},
      {"D:\\there", Appeared, {}},
      {"D:\\file.txt", Appeared, {}},                  // a file of that name counts as existing
      {"D:\\file.txt\\sub", NotCreated, {}},           // ... and cannot hold a folder
      {"D:\\locked\\b\\c", NotCreated, {"D:\\locked"}},  // levels before the failure stay
      {"D:\\new\\\\x", Malformed, {}},                 // malformed halfway: nothing created
      {"D:\\new\\", Malformed, {}},
      {"D:\\new\\?", Malformed, {}},
  };
  for (const auto& c : cases) {
    files.createdFolders.clear();
    EXPECT_EQ(CreateFolderPath(files, c.path), c.expected) << c.path;
    EXPECT_EQ(files.createdFolders, c.created) << c.path;
  }
}

TEST_F(FolderPathOnDisk, ExistingFolderOrFileIsAcceptedWithoutAQuestion) {
  files.AddFolder("D:\\KR_LAB\\Tav2007\\TestDoc_B");
  files.AddFile("D:\\data", 1);
  for (const char* path : {"D:\\", "d:\\kr_lab\\TAV2007\\testdoc_b", "D:\\data"}) {
    EXPECT_EQ(EnsureFolderExists(files, prompts, path), Ok) << path;
  }
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_TRUE(files.createdFolders.empty());
}

TEST_F(FolderPathOnDisk, MissingFolderIsCreatedAfterOneYes) {
  prompts.answers = {mb::kIdYes};
  EXPECT_EQ(EnsureFolderExists(files, prompts, "D:\\a\\b\\c"), Ok);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "D:\\a\\b\\c は存在しません。作成しますか？");
  EXPECT_EQ(prompts.shown[0].caption, "Tavコピーツール");
  EXPECT_EQ(prompts.shown[0].owner, PromptOwner::None);
  EXPECT_EQ(prompts.shown[0].flags, 0x2024u);
  EXPECT_EQ(files.createdFolders, (std::vector<std::string>{"D:\\a", "D:\\a\\b", "D:\\a\\b\\c"}));
}

TEST_F(FolderPathOnDisk, DeclinedQuestionCreatesNothingAndSaysNothingMore) {
  for (int answer : {mb::kIdNo, mb::kIdCancel}) {
    prompts.shown.clear();
    prompts.answers = {answer};
    EXPECT_EQ(EnsureFolderExists(files, prompts, "D:\\KR_LAB\\Tav2007\\TestDoc_B"), Declined);
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(files.createdFolders.empty());
  }
}

TEST_F(FolderPathOnDisk, FailuresAreReportedWithTheirMessage) {
  files.refuseCreate.insert("D:\\A\\B");
  const struct {
    const char* path;
    bool asked;
    FolderResult expected;
    const char* message;
  } cases[] = {
      {"D:\\a\\", false, Malformed, "正しいフォルダを入力してください。"},
      {"\\\\server\\share", false, Malformed, "正しいフォルダを入力してください。"},
      {"KR_LAB", false, Malformed, "正しいフォルダを入力してください。"},
      {"E:\\", true, NotCreated, "E:\\ を作成できません。"},
      {"D:\\a\\b\\c", true, NotCreated, "D:\\a\\b\\c を作成できません。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    prompts.shown.clear();
    prompts.answers = {mb::kIdYes};
    EXPECT_EQ(EnsureFolderExists(files, prompts, c.path), c.expected);
    ASSERT_EQ(prompts.shown.size(), c.asked ? 2u : 1u);
    const ShownPrompt& report = prompts.shown.back();
    EXPECT_EQ(report.text, c.message);
    EXPECT_EQ(report.caption, "Tavコピーツール");
    EXPECT_EQ(report.owner, PromptOwner::None);
    EXPECT_EQ(report.flags, 0x2030u);
  }
  EXPECT_EQ(files.createdFolders, std::vector<std::string>{"D:\\a"});
}

// A folder that someone else creates while the question is on screen.
class FolderAppearsDuringTheQuestion : public FakeFileSystem {
 public:
  bool Exists(const std::string& path) override {
    if (path == "D:\\late" && !answered) {
      answered = true;
      return false;
    }
    return FakeFileSystem::Exists(path);
  }
  bool answered = false;
};

TEST(FolderPathRace, FolderThatAppearedMeanwhileIsReportedAsNotCreated) {
  FolderAppearsDuringTheQuestion files;
  files.AddFolder("D:\\late");
  FakePrompts prompts;
  prompts.answers = {mb::kIdYes};
  EXPECT_EQ(EnsureFolderExists(files, prompts, "D:\\late"), Appeared);
  EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"D:\\late は存在しません。作成しますか？",
                                                       "D:\\late を作成できません。"}));
}

}  // namespace
