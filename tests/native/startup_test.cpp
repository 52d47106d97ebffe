#include "app/startup.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_prompts.h"
#include "platform/fake/fake_registry.h"

namespace {

TEST(Startup, AppPathsLieBesideTheExecutable) {
  const AppPaths p = AppPathsFromExecutable("C:\\Program Files\\Tav\\TavCopyTool.exe");
  EXPECT_EQ(p.appDir, "C:\\Program Files\\Tav\\");
  EXPECT_EQ(p.iniPath, "C:\\Program Files\\Tav\\TavCopyTool.INI");
}

TEST(Startup, SetupSwitchIsACaseSensitiveSubstring) {
  const struct {
    const char* commandLine;
    bool expected;
  } cases[] = {
      {"/setup", true},          {"/SETUP", true},      {"-x /setup", true},
      {"foo/setupbar", true},    {"/Setup", false},     {"/sEtUp", false},
      {"", false},               {"setup", false},      {"/SETU", false},
  };
  for (const auto& c : cases) EXPECT_EQ(HasSetupSwitch(c.commandLine), c.expected) << c.commandLine;
}

TEST(Startup, SetupSwitchArgumentIsAWholeSpelling) {
  const struct {
    const char* argument;
    bool expected;
  } cases[] = {
      {"/setup", true},   {"/SETUP", true},   {"/Setup", false},  {"/sEtUp", false},
      {"x/setup", false}, {"/setupx", false}, {"/setup ", false}, {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSetupSwitchArgument(c.argument), c.expected) << c.argument;
}

TEST(Startup, UserLevelGrantsOnlyAdminInAnyCase) {
  const struct {
    std::optional<std::string> value;
    bool expected;
  } cases[] = {
      {"ADMIN", true},
      {"admin", true},
      {"aDmIn", true},
      {"ADMIN ", false},
      {" ADMIN", false},
      {"ADMINISTRATOR", false},
      {"", false},
      {"USER", false},
      {std::nullopt, false},
      {std::string(33, 'A'), false},
      {"ＡＤＭＩＮ", false},
      // Data as stored, NULs and all: the text ends at the first NUL, the
      // length is that of the whole data.
      {std::string("ADMIN\0", 6), true},                    // a one-string REG_MULTI_SZ
      {std::string("admin\0", 6) + std::string(26, 'x'), true},  // 32 characters in all
      {std::string("ADMIN\0", 6) + std::string(27, 'x'), false},
      {std::string("ADMIN\0", 6) + std::string(40, 'x') + std::string(1, '\0'), false},
      {std::string("\0ADMIN", 6), false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(UserLevelGrantsAdmin(c.value), c.expected)
        << c.value.value_or("<missing>") << " (" << c.value.value_or("").size() << " characters)";
}

class StartupChecks : public ::testing::Test {
 protected:
  void GrantUser(const char* subjectKey, const char* level) {
    registry.Set(RegRoot::CurrentUser, UserLevelKeyPath(subjectKey), "UserLevel", level);
  }
  FakeRegistry registry;
  FakePrompts prompts;
  TavAppState app;
};

TEST_F(StartupChecks, EarthAloneReachesTheMainMenuAndEveryKeyIsClosed) {
  GrantUser("Earth", "Admin");
  GrantUser("Biology", "USER");
  EXPECT_TRUE(RunStartupChecks("", registry, prompts, app));
  EXPECT_TRUE(prompts.shown.empty());
  std::array<bool, kSubjectCount> expected{};
  expected[10] = true;
  EXPECT_EQ(app.m_bAdmin, expected);
  EXPECT_EQ(registry.openHandles, 0);
}

TEST_F(StartupChecks, CivicsKeyInAnyCaseIsTheSameKey) {
  GrantUser("CIVICS", "ADMIN");
  EXPECT_TRUE(RunStartupChecks("", registry, prompts, app));
  EXPECT_TRUE(app.m_bAdmin[8]);
}

TEST_F(StartupChecks, MachineKeysAloneGrantNothing) {
  registry.Set(RegRoot::LocalMachine, "Software\\KR_LAB\\Tav2007\\Biology", "UserLevel", "ADMIN");
  EXPECT_FALSE(RunStartupChecks("", registry, prompts, app));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "先にTav2007のインストールを行ってください。");
  EXPECT_EQ(prompts.shown[0].caption, "Tavコピーツール");
  EXPECT_EQ(prompts.shown[0].owner, PromptOwner::None);
  EXPECT_EQ(prompts.shown[0].flags, 0x50030u);
}

TEST_F(StartupChecks, SetupQuestionComesFirstAndOnlyYesGoesOn) {
  GrantUser("Biology", "ADMIN");
  prompts.answers = {mb::kIdNo};
  EXPECT_FALSE(RunStartupChecks("/setup", registry, prompts, app));
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text, "問題データもインストールしますか？");
  EXPECT_EQ(prompts.shown[0].flags, 0x51024u);
  EXPECT_FALSE(app.m_bAdmin[0]) << "the scan must not run after No";

  prompts.shown.clear();
  prompts.answers = {mb::kIdYes};
  EXPECT_TRUE(RunStartupChecks("x /SETUP", registry, prompts, app));
  EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(StartupChecks, SetupYesWithoutRightsThenShowsTheInstallMessage) {
  prompts.answers = {mb::kIdYes};
  EXPECT_FALSE(RunStartupChecks("/setup", registry, prompts, app));
  EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"問題データもインストールしますか？",
                                                       "先にTav2007のインストールを行ってください。"}));
}

}  // namespace
