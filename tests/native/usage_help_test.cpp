#include "ui/usage_help.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_profile.h"

TEST(UsageHelp, DocumentLiesBesideTheExecutableAndIsNeverCut) {
  FakeProfile profile;
  EXPECT_EQ(HelpDocumentPath(profile, "C:\\Tav\\", "C:\\Tav\\TavCopyTool.INI"), std::nullopt) << "no INI";
  profile.sections["HELP"]["FILE"] = "";
  EXPECT_EQ(HelpDocumentPath(profile, "C:\\Tav\\", "x"), std::nullopt) << "empty value";
  profile.sections["HELP"]["FILE"] = "help\\使い方.html";
  EXPECT_EQ(HelpDocumentPath(profile, "C:\\Tav\\", "x"), "C:\\Tav\\help\\使い方.html");
  const std::string longDir = "C:\\" + std::string(300, 'd') + "\\";
  EXPECT_EQ(HelpDocumentPath(profile, longDir, "x")->size(), longDir.size() + std::string("help\\使い方.html").size());
}
