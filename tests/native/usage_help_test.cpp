#include "ui/usage_help.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_profile.h"
#include "ui/help_opening.h"

namespace {

const std::string kAppDir = "C:\\Tav\\";

TEST(UsageHelp, OpensOnlyADocumentInsideTheToolsFolder) {
  const struct {
    const char* value;
    const char* expected;  // below kAppDir; nullptr: refused
  } cases[] = {
      // Plain names and subfolders, any letter case of the known types.
      {"TavCopyTool.html", "TavCopyTool.html"},
      {"help\\使い方.html", "help\\使い方.html"},
      {"help/guide.htm", "help\\guide.htm"},
      {".\\guide.pdf", "guide.pdf"},
      {"help\\..\\readme.txt", "readme.txt"},
      {"GUIDE.HTM", "GUIDE.HTM"},
      {"Guide.Html", "Guide.Html"},
      {"manual.PDF", "manual.PDF"},
      {"readme.Txt", "readme.Txt"},
      {"console.txt", "console.txt"},
      {"com10.txt", "com10.txt"},
      // Out of the tool's folder: "..", absolute, drive-relative, rooted, UNC.
      {"..\\guide.html", nullptr},
      {"..\\x.exe", nullptr},
      {"..\\..\\Windows\\System32\\cmd.exe", nullptr},
      {"help\\..\\..\\guide.html", nullptr},
      {"help/../../guide.html", nullptr},
      {".. \\guide.html", nullptr},
      {"...\\guide.html", nullptr},
      {"C:\\Temp\\setup.exe", nullptr},
      {"C:\\Temp\\guide.html", nullptr},
      {"C:guide.html", nullptr},
      {"\\guide.html", nullptr},
      {"/guide.html", nullptr},
      {"\\\\server\\share\\x.bat", nullptr},
      {"\\\\server\\share\\guide.html", nullptr},
      {"//server/share/guide.html", nullptr},
      {"\\\\?\\C:\\Tav\\guide.html", nullptr},
      {"\\\\.\\C:\\Tav\\guide.html", nullptr},
      {"%SystemRoot%\\guide.html", nullptr},
      // Alternate data streams.
      {"guide.html:payload.exe", nullptr},
      {"payload.exe:guide.html", nullptr},
      {"guide.txt::$DATA", nullptr},
      // Device names, with or without an extension, in any folder.
      {"CON", nullptr},
      {"con.txt", nullptr},
      {"NUL.html", nullptr},
      {"aux .htm", nullptr},
      {"prn.pdf", nullptr},
      {"COM1.txt", nullptr},
      {"lpt9.htm", nullptr},
      {"COM\u00B9.txt", nullptr},
      {"CONIN$.txt", nullptr},
      {"help\\nul\\guide.html", nullptr},
      // Names Windows would change before opening them.
      {"guide.html.", nullptr},
      {"guide.html ", nullptr},
      {"help.\\guide.html", nullptr},
      {"help\\\\guide.html", nullptr},
      {"help\\", nullptr},
      {"*.html", nullptr},
      {"guide?.html", nullptr},
      {"guide\t.html", nullptr},
      // Every other type, programs above all.
      {"tool.exe", nullptr},
      {"cmd.exe", nullptr},
      {"help.bat", nullptr},
      {"help.cmd", nullptr},
      {"help.com", nullptr},
      {"help.scr", nullptr},
      {"help.pif", nullptr},
      {"help.lnk", nullptr},
      {"help.url", nullptr},
      {"help.hta", nullptr},
      {"help.chm", nullptr},
      {"help.js", nullptr},
      {"help.vbs", nullptr},
      {"help.ps1", nullptr},
      {"help.msi", nullptr},
      {"help.html.exe", nullptr},
      {"help.htmlx", nullptr},
      {"help", nullptr},
      {".", nullptr},
      {"help\\..", nullptr},
  };
  for (const auto& c : cases) {
    const auto path = HelpDocumentInside(kAppDir, c.value);
    if (c.expected)
      EXPECT_EQ(path, kAppDir + c.expected) << c.value;
    else
      EXPECT_EQ(path, std::nullopt) << c.value;
  }
}

TEST(UsageHelp, MissingNameAndRefusedValueGetTheirOwnWarnings) {
  FakeProfile profile;
  EXPECT_EQ(FindHelpTarget(profile, kAppDir, "C:\\Tav\\TavCopyTool.INI").warning, kHelpNameMissingMessage)
      << "no INI";
  profile.sections["HELP"]["FILE"] = "";
  EXPECT_EQ(FindHelpTarget(profile, kAppDir, "x").warning, kHelpNameMissingMessage) << "empty value";
  profile.sections["HELP"]["FILE"] = "..\\..\\Windows\\System32\\cmd.exe";
  HelpTarget target = FindHelpTarget(profile, kAppDir, "x");
  EXPECT_EQ(target.warning, kHelpOpenFailedMessage);
  EXPECT_EQ(target.path, "");
  profile.sections["HELP"]["FILE"] = "help\\使い方.html";
  target = FindHelpTarget(profile, kAppDir, "x");
  EXPECT_EQ(target.warning, nullptr);
  EXPECT_EQ(target.path, "C:\\Tav\\help\\使い方.html");
}

TEST(UsageHelp, PathIsNeverCut) {
  const std::string longDir = "C:\\" + std::string(300, 'd') + "\\";
  EXPECT_EQ(HelpDocumentInside(longDir, "help\\使い方.html"), longDir + "help\\使い方.html");
}

TEST(UsageHelp, AnElevatedToolLeavesTheDocumentToTheDesktopsShell) {
  const struct {
    bool elevated;
    bool desktopOpens;
    bool thisProcessOpens;
    HelpOpenedBy expected;
    bool desktopAsked;
    bool thisProcessAsked;
  } cases[] = {
      {true, true, true, HelpOpenedBy::DesktopShell, true, false},
      {true, false, true, HelpOpenedBy::ThisProcess, true, true},  // no desktop shell (or it refused)
      {true, false, false, HelpOpenedBy::Nobody, true, true},
      {false, true, true, HelpOpenedBy::ThisProcess, false, true},  // already the user's own rights
      {false, true, false, HelpOpenedBy::Nobody, false, true},
  };
  for (const auto& c : cases) {
    bool desktopAsked = false;
    bool thisProcessAsked = false;
    const HelpOpenedBy by = OpenHelpDocument(
        c.elevated, [&] { return desktopAsked = true, c.desktopOpens; },
        [&] { return thisProcessAsked = true, c.thisProcessOpens; });
    const std::string row = "elevated " + std::to_string(c.elevated) + ", desktop " +
                            std::to_string(c.desktopOpens) + ", here " + std::to_string(c.thisProcessOpens);
    EXPECT_EQ(by, c.expected) << row;
    EXPECT_EQ(desktopAsked, c.desktopAsked) << row;
    EXPECT_EQ(thisProcessAsked, c.thisProcessAsked) << row;
  }
}

}  // namespace
