#include "copy/disc_detection.h"

#include <gtest/gtest.h>

#include "command/app_state.h"
#include "platform/fake/fake_disks.h"

namespace {

TEST(DiscLabel, IdentifiesProductLabels) {
  const struct {
    const char* label;
    const char* storedLabel;
    const char* year;
    char code;
    const char* edition;
  } cases[] = {
      {"TAV07B_S", "TAV07B_S", "2007", 'B', ""},
      {"tav07b_s", "TAV07B_S", "2007", 'B', ""},
      {"TAV07b_S", "TAV07B_S", "2007", 'B', ""},
      {"TAV00T_S", "TAV00T_S", "2000", 'T', ""},
      {"TAV07E_E", "TAV07E_E", "2007", 'E', "E"},
      {"TAV07E_W", "TAV07E_W", "2007", 'E', "W"},
      {"tav06e_w", "TAV06E_W", "2006", 'E', "W"},
      {"TAV07E_S", "TAV07E_S", "2007", 'E', ""},
      {"020626_0403", "TAV02W_S", "2002", 'W', ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const LabelClassification r = ClassifyVolumeLabel(c.label);
    ASSERT_EQ(r.kind, LabelClass::Product);
    EXPECT_EQ(r.disc.label, c.storedLabel);
    EXPECT_EQ(r.disc.year, c.year);
    ASSERT_NE(r.disc.subject, nullptr);
    EXPECT_EQ(r.disc.subject->code, c.code);
    EXPECT_EQ(r.disc.edition, c.edition);
  }
}

TEST(DiscLabel, OtherLabelsAreForeignOrTreatedAsEmpty) {
  const struct {
    const char* label;
    LabelClass expected;
  } cases[] = {
      {"TAV07B_E", LabelClass::Foreign},
      {"TAV07B_W", LabelClass::Foreign},
      {"TAV07E_X", LabelClass::Foreign},
      {"TAV08B_S", LabelClass::Foreign},
      {"TAV09B_S", LabelClass::Foreign},
      {"TAV17B_S", LabelClass::Foreign},
      {"TAW07B_S", LabelClass::Foreign},
      {"TAV07B-S", LabelClass::Foreign},
      {"TAV07B_S1", LabelClass::Foreign},
      {"TAV07B_", LabelClass::Foreign},
      {"T", LabelClass::Foreign},
      {" TAV07B_S", LabelClass::Foreign},
      {"ＴＡＶ07B_S", LabelClass::Foreign},
      {"TAV07Z_S", LabelClass::TreatedAsEmpty},
      {"tav07z_s", LabelClass::TreatedAsEmpty},
      {"TAV07Z_E", LabelClass::Foreign},  // the mark rule fails before the catalogue is asked
      {"020626_04031", LabelClass::Foreign},
      {"020626_040", LabelClass::Foreign},
      {"0ABC", LabelClass::Foreign},
      {"DATA_CD", LabelClass::Foreign},
      {"", LabelClass::Foreign},
  };
  for (const auto& c : cases) {
    const LabelClassification r = ClassifyVolumeLabel(c.label);
    EXPECT_EQ(r.kind, c.expected) << c.label;
    EXPECT_EQ(r.disc.subject, nullptr) << c.label;
  }
}

class DetectionPass : public ::testing::Test {
 protected:
  void Cd(char letter, std::optional<std::string> label) { disks.drives[letter] = {DriveType::CdRom, label, 0}; }
  DetectionResult Run() {
    last = RunDetectionPass(disks, [this] { return ++pumps != cancelAtPump; });
    // As the copy command takes the disc the dialog handed back.
    if (last.result == DetectionResult::Found) ApplyIdentifiedDisc(last.found, app);
    return last.result;
  }
  FakeDisks disks;
  TavAppState app;
  DetectionOutcome last;
  int pumps = 0;
  int cancelAtPump = -1;
};

TEST_F(DetectionPass, IdentifiedDiscFillsTheDataSet) {
  const struct {
    const char* label;
    const char* discLabel;
    const char* year;
    const char* subject;
    const char* edition;
    const char* key;
    const char* name;
  } cases[] = {
      {"tav07b_s", "TAV07B_S", "2007", "B", "", "Biology", "生物"},
      {"TAV07E_E", "TAV07E_E", "2007", "E", "E", "English", "英語・東日本版"},
      {"TAV05E_W", "TAV05E_W", "2005", "E", "W", "English", "英語・西日本版"},
      {"TAV07E_S", "TAV07E_S", "2007", "E", "", "English", "英語"},
      {"TAV03V_S", "TAV03V_S", "2003", "V", "", "ciVics", "公民"},
      {"020626_0403", "TAV02W_S", "2002", "W", "", "WorldHistory", "世界史"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    app = TavAppState{};
    app.m_szEdition = "stale";
    Cd('E', c.label);
    ASSERT_EQ(Run(), DetectionResult::Found);
    EXPECT_EQ(app.m_szDiscLabel, c.discLabel);
    EXPECT_EQ(app.m_szCdRoot, "E:\\");
    EXPECT_EQ(app.m_szYear, c.year);
    EXPECT_EQ(app.m_szSubject, c.subject);
    EXPECT_EQ(app.m_szEdition, c.edition);
    EXPECT_EQ(app.m_szSubjectKey, c.key);
    EXPECT_EQ(app.m_szSubjectName, c.name);
  }
}

TEST_F(DetectionPass, ProductDiscInALaterLetterWinsOverForeign) {
  Cd('D', "DATA_CD");
  Cd('E', "TAV07B_S");
  EXPECT_EQ(Run(), DetectionResult::Found);
  EXPECT_EQ(app.m_szCdRoot, "E:\\");
  EXPECT_EQ(pumps, 5);  // A..E, then the pass ends
}

TEST_F(DetectionPass, FirstProductDiscEndsThePass) {
  Cd('F', "TAV06C_S");
  Cd('Q', "TAV07B_S");
  EXPECT_EQ(Run(), DetectionResult::Found);
  EXPECT_EQ(app.m_szCdRoot, "F:\\");
  EXPECT_EQ(app.m_szSubjectKey, "Chemistry");
}

TEST_F(DetectionPass, OutcomeWithoutAProductDisc) {
  const struct {
    const char* name;
    std::map<char, FakeDrive> drives;
    DetectionResult expected;
  } cases[] = {
      {"no drives", {}, DetectionResult::NothingFound},
      {"foreign alone", {{'D', {DriveType::CdRom, "TAV08B_S", 0}}}, DetectionResult::ForeignSeen},
      {"disc without a label", {{'D', {DriveType::CdRom, "", 0}}}, DetectionResult::ForeignSeen},
      {"code outside the catalogue", {{'D', {DriveType::CdRom, "TAV07Z_S", 0}}}, DetectionResult::NothingFound},
      {"empty CD-ROM drive", {{'D', {DriveType::CdRom, std::nullopt, 0}}}, DetectionResult::NothingFound},
      {"product label on a fixed drive", {{'C', {DriveType::Fixed, "TAV07B_S", 0}}}, DetectionResult::NothingFound},
      {"product label on a removable drive", {{'A', {DriveType::Removable, "TAV07B_S", 0}}},
       DetectionResult::NothingFound},
      {"foreign label on a fixed drive", {{'C', {DriveType::Fixed, "WINDOWS", 0}}}, DetectionResult::NothingFound},
      {"Z-code, then foreign",
       {{'D', {DriveType::CdRom, "TAV07Z_S", 0}}, {'Z', {DriveType::CdRom, "MUSIC", 0}}},
       DetectionResult::ForeignSeen},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    disks.drives = c.drives;
    app.m_szDiscLabel = "TAV07B_S";  // from an earlier run
    pumps = 0;
    EXPECT_EQ(Run(), c.expected);
    EXPECT_EQ(last.found.disc.label, "");
    EXPECT_EQ(last.found.cdRoot, "");
    EXPECT_EQ(app.m_szDiscLabel, "TAV07B_S") << "nothing found, nothing taken";
    EXPECT_EQ(pumps, 26);
  }
}

TEST_F(DetectionPass, CancelEndsThePassAtOnce) {
  Cd('D', "DATA_CD");
  Cd('G', "TAV07B_S");
  cancelAtPump = 6;  // while looking at F
  EXPECT_EQ(Run(), DetectionResult::Cancelled);
  EXPECT_EQ(pumps, 6);
  EXPECT_EQ(app.m_szCdRoot, "");

  pumps = 0;
  cancelAtPump = 1;
  EXPECT_EQ(Run(), DetectionResult::Cancelled);
  EXPECT_EQ(pumps, 1);
}

TEST(DiscLabel, SameDiscInDrive) {
  const struct {
    const char* name;
    FakeDrive drive;
    const char* discLabel;
    bool expected;
  } cases[] = {
      {"same label", {DriveType::CdRom, "TAV02W_S", 0}, "TAV02W_S", true},
      {"other letter case", {DriveType::CdRom, "tav02w_s", 0}, "TAV02W_S", true},
      {"alias disc still in the drive", {DriveType::CdRom, "020626_0403", 0}, "TAV02W_S", false},
      {"other disc", {DriveType::CdRom, "TAV02W_S2", 0}, "TAV02W_S", false},
      {"no disc", {DriveType::CdRom, std::nullopt, 0}, "TAV02W_S", false},
      {"not a CD-ROM drive", {DriveType::Fixed, "TAV02W_S", 0}, "TAV02W_S", false},
      {"unlabelled disc, nothing identified", {DriveType::CdRom, "", 0}, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDisks disks;
    disks.drives['Q'] = c.drive;
    EXPECT_EQ(IsSameDiscInDrive(disks, "Q:\\", c.discLabel), c.expected);
    EXPECT_FALSE(IsSameDiscInDrive(disks, "R:\\", c.discLabel));
  }
}

}  // namespace
