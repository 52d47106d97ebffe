#include "copy/copy_command.h"

#include <gtest/gtest.h>

#include "tests/native/command_fixture.h"

namespace {

const char* const kStart = "コピーを開始しますか？";
const char* const kNoAccess = "コピー先フォルダにアクセスできません。";
const char* const kNoRoom = "コピー先フォルダの空き容量が足りません。";
const char* const kInterrupted = "コピーを中断しました。";
const char* const kNotRegistered = "レジストリに登録できませんでした。";
const char* const kVer2Offer =
    "コピーを完了しました。\n\nVer2.0のCDをお持ちの場合、ここでコピーすることができます。\n"
    "コピーする場合はVer2.0のCDをセットして「はい」を選択してください。";
const char* const kNotThatDisc =
    "ここでコピーできるCDではありません。\n\nCDを確認して「はい」を選択してください。\n"
    "中止する場合は「いいえ」を選択してください。";
const char* const kCompleted = "コピーを完了しました。";
const char* const kAnotherDisc = "別のディスクをコピーしますか？";

const char* const kDestD = "D:\\KR_LAB\\Tav2007\\TestDoc_B";

class CopyCommand : public CommandTest {};

std::string NoRightsText(const char* year, const char* name) {
  return std::string("セットされたCD-ROMは「Tav") + year + " " + name +
         "」です。\nこのCD-ROMのデータをコピーする権限がありません。\nTav2007 " + name +
         " のインストールを先に行ってください。\nインストールを行った方がこのツールをご利用できます。";
}

TEST_F(CopyCommand, CopyDoesNothingWhileBusy) {
  busy = true;
  RunCopyCommand(ctx);
  EXPECT_TRUE(dialogs.ran.empty());
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_TRUE(busy) << "the flag belongs to whoever set it";
  busy = false;
}

// Every way through the dialogs, the free-space check and the confirmation
// that ends without a copy. The dialog script itself proves where each step
// leads: a dialog out of order fails the world's check.
TEST(CopyWizard, StepsAndTheirWaysBack) {
  const struct {
    const char* name;
    std::function<void(CommandWorld&)> arrange;  // drive D: room, rights, dialog script, answers
    std::vector<Box> boxes;
    int freeSpaceQueries;
  } cases[] = {
      {"cancel in the disc wait ends silently", [](CommandWorld& w) { w.DiscWait(kCancel); }, {}, 0},
      {"cancel in the content selection ends silently",
       [](CommandWorld& w) {
         w.DiscWait(kOk);
         w.SelectKinds(kCancel);
       },
       {},
       0},
      {"back from the destination returns to the content selection",
       [](CommandWorld& w) {
         w.DiscWait(kOk);
         w.SelectKinds(kOk);
         w.CopyDest(kCancel);
         w.SelectKinds(kCancel);
       },
       {},
       0},
      {"no to the start question returns to the destination, not the selection",
       [](CommandWorld& w) {
         w.DiscWait(kOk);
         w.SelectKinds(kOk);
         w.CopyDest(kOk);
         w.Answer({kNo});
         w.CopyDest(kCancel);
         w.SelectKinds(kCancel);
       },
       {Question(kStart)},
       1},
      {"one byte short of the required size returns to the destination",
       [](CommandWorld& w) {
         w.disks.drives['D'].clusterBytes = 1;  // the byte count is what the files take
         w.disks.drives['D'].freeBytes = CommandWorld::kWordAndPdfBytes - 1;
         w.DiscWait(kOk);
         w.SelectKinds(kOk);
         w.CopyDest(kOk);
         w.CopyDest(kCancel);
         w.SelectKinds(kCancel);
       },
       {Warning(kNoRoom)},
       1},
      {"with 4 KiB clusters the byte count is not enough: each of the three files fills a cluster",
       [](CommandWorld& w) {
         w.disks.drives['D'].clusterBytes = 4096;
         w.disks.drives['D'].freeBytes = 3 * 4096 - 1;
         w.DiscWait(kOk);
         w.SelectKinds(kOk);
         w.CopyDest(kOk);
         w.CopyDest(kCancel);
         w.SelectKinds(kCancel);
       },
       {Warning(kNoRoom)},
       1},
      {"with 4 KiB clusters exactly the clusters the files fill are enough",
       [](CommandWorld& w) {
         w.disks.drives['D'].clusterBytes = 4096;
         w.disks.drives['D'].freeBytes = 3 * 4096;
         w.DiscWait(kOk);
         w.SelectKinds(kOk);
         w.CopyDest(kOk);
         w.Answer({kNo});
         w.CopyDest(kCancel);
         w.SelectKinds(kCancel);
       },
       {Question(kStart)},
       1},
      {"exactly the required size is enough",
       [](CommandWorld& w) {
         w.disks.drives['D'].clusterBytes = 1;
         w.disks.drives['D'].freeBytes = CommandWorld::kWordAndPdfBytes;
         w.DiscWait(kOk);
         w.SelectKinds(kOk);
         w.CopyDest(kOk);
         w.Answer({kNo});
         w.CopyDest(kCancel);
         w.SelectKinds(kCancel);
       },
       {Question(kStart)},
       1},
      {"unreadable free space returns to the destination, then a roomy drive goes on",
       [](CommandWorld& w) {
         w.disks.drives['D'].freeBytes = std::nullopt;
         w.DiscWait(kOk);
         w.SelectKinds(kOk);
         w.CopyDest(kOk, 'D');
         w.CopyDest(kOk, 'G');
         w.Answer({kNo});
         w.CopyDest(kCancel);
         w.SelectKinds(kCancel);
       },
       {Warning(kNoAccess), Question(kStart)},
       2},
      {"no rights on the disc's subject: the message and nothing more",
       [](CommandWorld& w) {
         w.app.m_bAdmin[kBiologyIndex] = false;
         w.DiscWait(kOk);
       },
       {Warning(NoRightsText("2007", "生物"))},
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    c.arrange(w);
    RunCopyCommand(w.ctx);
    EXPECT_EQ(w.Boxes(), c.boxes);
    EXPECT_EQ(w.disks.freeSpaceQueries, c.freeSpaceQueries);
    EXPECT_TRUE(w.files.shellCalls.empty());
    EXPECT_TRUE(w.registry.ValueNames(RegRoot::LocalMachine, RecordKey("Biology")).empty());
  }
}

TEST_F(CopyCommand, CopyOfWordAndPdfLandsInTheDataFolderAndIsRecorded) {
  ScriptCopyUpToStart();
  Answer({kNo, kNo});  // no Ver2.0 disc, no other disc
  RunCopyCommand(ctx);

  EXPECT_EQ(Boxes(), (std::vector<Box>{Question(kStart), Question(kVer2Offer), Question(kAnotherDisc)}));
  ASSERT_EQ(files.shellCalls.size(), 1u);
  EXPECT_EQ(files.shellCalls[0].op, ShellOp::Copy);
  EXPECT_EQ(files.shellCalls[0].from, (std::vector<std::string>{"E:\\TestDoc_B\\Word", "E:\\TestDoc_B\\PDF"}));
  EXPECT_EQ(files.shellCalls[0].to, std::string(kDestD) + ".tavstage") << "staged beside the data folder";
  EXPECT_EQ(files.FileSize(std::string(kDestD) + "\\Word\\sub\\q02.doc"), 2000u);
  EXPECT_EQ(WorkingFoldersLeft(), std::vector<std::string>{});
  EXPECT_EQ(files.FileSize(std::string(kDestD) + "\\PDF\\q01.pdf"), 3000u);
  EXPECT_FALSE(files.Exists(std::string(kDestD) + "\\TXT")) << "only the chosen kinds";
  EXPECT_EQ(Record("Biology", "DataDir07"), kDestD);
}

// Everything that can follow "はい" to the start question. Each row starts
// from the Biology disc with Word and PDF chosen and drive D:.
TEST(CopyOutcome, AfterTheConfirmation) {
  // Below wherever the shell was told to copy to.
  static constexpr const char* kWord2 = "\\Word\\sub\\q02.doc";
  const struct {
    const char* name;
    std::function<void(CommandWorld&)> arrange;
    std::vector<int> answers;  // after "はい" to the start question
    std::vector<Box> boxes;    // after the start question
    std::size_t shellCalls;
    std::optional<std::string> record;  // Biology's DataDir07 afterwards
  } cases[] = {
      {"the shell reports a failure",
       [](CommandWorld& w) { w.files.shellHook = [](auto, auto&, auto&) { return ShellOutcome{1223, false}; }; },
       {kNo},
       {Warning(kInterrupted), Question(kAnotherDisc)},
       1,
       std::nullopt},
      {"the shell returns 0 but reports an abort (a replace question refused; every file is there)",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           w.files.DefaultShellOperation(op, from, to);
           return ShellOutcome{0, true};
         };
       },
       {kNo},
       {Warning(kInterrupted), Question(kAnotherDisc)},
       1,
       std::nullopt},
      {"the shell returns 0 having left a file short",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           w.files.DefaultShellOperation(op, from, to);
           w.files.AddFile(to + kWord2, 1999);
           return ShellOutcome{};
         };
       },
       {kNo},
       {Warning(kInterrupted), Question(kAnotherDisc)},
       1,
       std::nullopt},
      {"the shell returns 0 having left a file out",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           w.files.DefaultShellOperation(op, from, to);
           w.files.Remove(to + kWord2);
           return ShellOutcome{};
         };
       },
       {kNo},
       {Warning(kInterrupted), Question(kAnotherDisc)},
       1,
       std::nullopt},
      {"a chosen kind the disc does not have (refused before the shell)",
       [](CommandWorld& w) {
         w.files.Remove("E:\\TestDoc_B\\PDF");
         w.files.shellHook = [&w](ShellOp op, auto&, auto& to) {
           w.files.DefaultShellOperation(op, {"E:\\TestDoc_B\\Word"}, to);
           return ShellOutcome{};
         };
       },
       {kNo},
       {Warning(kInterrupted), Question(kAnotherDisc)},
       0,
       std::nullopt},
      {"the subject key cannot be written",
       [](CommandWorld& w) { w.registry.Deny(RegRoot::LocalMachine, RecordKey("Biology")); },
       {kNo},
       {Warning(kNotRegistered), Question(kAnotherDisc)},
       1,
       std::nullopt},
      {"the Ver2.0 offer declined",
       [](CommandWorld&) {},
       {kNo, kNo},
       {Question(kVer2Offer), Question(kAnotherDisc)},
       1,
       kDestD},
      {"the Ver2.0 offer accepted with the same disc (label in another case)",
       [](CommandWorld& w) { w.disks.drives['E'].label = "tav07b_s"; },
       {kYes, kNo},
       {Question(kVer2Offer), Information(kCompleted), Question(kAnotherDisc)},
       2,
       kDestD},
      {"the Ver2.0 offer accepted with another disc, then given up",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           w.disks.drives['E'].label = "TAV07C_S";  // the user swapped discs
           return w.files.DefaultShellOperation(op, from, to);
         };
       },
       {kYes, kNo, kNo},
       {Question(kVer2Offer), Question(kNotThatDisc), Question(kAnotherDisc)},
       1,
       kDestD},
      {"the Ver2.0 offer: no disc, then the right one after the retry question",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           auto outcome = w.files.DefaultShellOperation(op, from, to);
           if (w.files.shellCalls.size() == 1) w.disks.drives['E'].label = std::nullopt;  // tray open
           return outcome;
         };
         w.prompts.onShow = [&w](const std::string& text) {
           if (text == kNotThatDisc) w.disks.drives['E'].label = "TAV07B_S";
         };
       },
       {kYes, kYes, kNo},
       {Question(kVer2Offer), Question(kNotThatDisc), Information(kCompleted), Question(kAnotherDisc)},
       2,
       kDestD},
      {"the Ver2.0 copy itself fails",
       [](CommandWorld& w) {
         w.files.shellHook = [&w](ShellOp op, auto& from, auto& to) {
           if (w.files.shellCalls.size() == 2) return ShellOutcome{1, false};
           return w.files.DefaultShellOperation(op, from, to);
         };
       },
       {kYes, kNo},
       {Question(kVer2Offer), Warning(kInterrupted), Question(kAnotherDisc)},
       2,
       kDestD},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    w.ScriptCopyUpToStart();
    for (int a : c.answers) w.Answer({a});
    c.arrange(w);
    RunCopyCommand(w.ctx);
    std::vector<Box> expected{Question(kStart)};
    expected.insert(expected.end(), c.boxes.begin(), c.boxes.end());
    EXPECT_EQ(w.Boxes(), expected);
    EXPECT_EQ(w.files.shellCalls.size(), c.shellCalls);
    EXPECT_EQ(w.Record("Biology", "DataDir07"), c.record);
  }
}

TEST_F(CopyCommand, EarthDiscIsRecordedWithItsGeneralTwin) {
  disks.drives['E'].label = std::nullopt;
  InsertDisc("TAV05T_S", 'T');
  ScriptCopyUpToStart();
  Answer({kNo, kNo});
  RunCopyCommand(ctx);
  EXPECT_EQ(Record("Earth", "DataDir05"), "D:\\KR_LAB\\Tav2005\\TestDoc_T");
  EXPECT_EQ(Record("General", "DataDir05"), "D:\\KR_LAB\\Tav2005\\TestDoc_T");
}

TEST_F(CopyCommand, EarthTwinThatCannotBeWrittenIsReportedAndNothingCompletes) {
  disks.drives['E'].label = std::nullopt;
  InsertDisc("TAV05T_S", 'T');
  registry.Deny(RegRoot::LocalMachine, RecordKey("General"));
  ScriptCopyUpToStart();
  Answer({kNo});
  RunCopyCommand(ctx);
  EXPECT_EQ(Boxes(), (std::vector<Box>{Question(kStart), Warning(kNotRegistered), Question(kAnotherDisc)}));
  EXPECT_EQ(Record("Earth", "DataDir05"), "D:\\KR_LAB\\Tav2005\\TestDoc_T");
  EXPECT_EQ(Record("General", "DataDir05"), std::nullopt);
}

// The disc labelled 020626_0403 is identified as TAV02W_S: recorded as
// World History 2002, and for the Ver2.0 offer the first disc itself is not
// the disc looked for.
TEST_F(CopyCommand, AliasDiscIsRecordedAsDataDir02AndDoesNotPassAsItsVer2Disc) {
  disks.drives['E'].label = std::nullopt;
  InsertDisc("020626_0403", 'W');
  ScriptCopyUpToStart();
  Answer({kYes, kNo, kNo});
  RunCopyCommand(ctx);
  EXPECT_EQ(Boxes(), (std::vector<Box>{Question(kStart), Question(kVer2Offer), Question(kNotThatDisc),
                                       Question(kAnotherDisc)}));
  EXPECT_EQ(Record("WorldHistory", "DataDir02"), "D:\\KR_LAB\\Tav2002\\TestDoc_W");
  EXPECT_EQ(files.shellCalls.size(), 1u);
}

TEST_F(CopyCommand, AnotherDiscStartsANewDiscWaitAndChecksRightsForThatDisc) {
  ScriptCopyUpToStart();
  Answer({kNo, kYes});  // no Ver2.0; yes, another disc
  Expect(CommandDialog::DiscWait, [this] {
    disks.drives['E'].label = "TAV04C_S";  // Chemistry: no rights
    return IdentifyDisc();
  });
  RunCopyCommand(ctx);
  EXPECT_EQ(Boxes(), (std::vector<Box>{Question(kStart), Question(kVer2Offer), Question(kAnotherDisc),
                                       Warning(NoRightsText("2004", "化学"))}));
  EXPECT_EQ(Record("Biology", "DataDir07"), kDestD);
}

TEST_F(CopyCommand, AnotherDiscIsCopiedAndRecordedInItsOwnRight) {
  ScriptCopyUpToStart();
  Answer({kNo, kYes});
  Expect(CommandDialog::DiscWait, [this] {
    InsertDisc("TAV03T_S", 'T');
    return IdentifyDisc();
  });
  SelectKinds(kOk);
  CopyDest(kOk, 'G');
  Answer({kYes, kNo, kNo});
  RunCopyCommand(ctx);
  EXPECT_EQ(Record("Biology", "DataDir07"), kDestD);
  EXPECT_EQ(Record("Earth", "DataDir03"), "G:\\KR_LAB\\Tav2003\\TestDoc_T");
  EXPECT_EQ(files.shellCalls.size(), 2u);
  EXPECT_EQ(Boxes().back(), Question(kAnotherDisc));
}

// The content selection gets the kinds of the identified disc: measured on
// the disc where the INI has no size table, the table's where it has one.
TEST(CopyKindSizes, TheSelectionGetsTheDiscsKinds) {
  using Sizes = std::array<std::int64_t, kKindCount>;
  using Offered = std::array<bool, kKindCount>;
  const struct {
    const char* name;
    std::function<void(CommandWorld&)> arrange;
    Sizes sizes;
    Offered offered;
  } cases[] = {
      {"no table: Word, PDF and TXT as the disc holds them", [](CommandWorld&) {}, {0, 3000, 3000, 0, 10, 0, 0},
       {false, true, true, false, true, false, false}},
      {"the table gives Word, withholds TXT, is silent on PDF",
       [](CommandWorld& w) { w.profile.sections["Tav2007B"] = {{"Word", "5000"}, {"TXT", ""}}; },
       {0, 5000, 3000, 0, 0, 0, 0}, {false, true, true, false, false, false, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    c.arrange(w);
    w.DiscWait(kOk);
    w.ExpectCancel(CommandDialog::CopySelect, [&w, &c] {
      EXPECT_EQ(w.app.m_nKindSize, c.sizes);
      EXPECT_EQ(w.app.m_bKindOffered, c.offered);
    });
    RunCopyCommand(w.ctx);
  }
}

// The disc's kind folders are walked once for each identified disc, with the
// busy flag up, before its content selection: not again when "戻る" brings
// the selection back, not for a disc the user has no rights on, and anew for
// the next disc.
TEST_F(CopyCommand, KindFoldersAreMeasuredOncePerIdentifiedDisc) {
  std::vector<std::string> walks;
  files.onListTree = [&](const std::string& folder) {
    if (folder.rfind("E:\\TestDoc_", 0) == 0) walks.push_back(folder + (busy ? "" : " (not busy)"));
  };
  const auto sizesNow = [this] { return app.m_nKindSize[KindIndex(ContentKind::Word)]; };
  DiscWait(kOk);
  Expect(CommandDialog::CopySelect, [&] {
    EXPECT_EQ(sizesNow(), 3000);
    ChosenKinds chosen;
    chosen.kinds[KindIndex(ContentKind::Word)] = true;
    chosen.requiredBytes = 3000;
    return chosen;
  });
  // The disc changes behind the destination dialog: the selection shown again
  // keeps what was found for this disc.
  ExpectCancel(CommandDialog::CopyDest, [&] { files.AddFile("E:\\TestDoc_B\\Word\\late.doc", 7); });
  ExpectCancel(CommandDialog::CopySelect, [&] { EXPECT_EQ(sizesNow(), 3000); });
  RunCopyCommand(ctx);
  EXPECT_EQ(walks, (std::vector<std::string>{"E:\\TestDoc_B\\Word", "E:\\TestDoc_B\\PDF", "E:\\TestDoc_B\\TXT"}));
}

TEST_F(CopyCommand, NoWalkOfADiscWithoutRights) {
  app.m_bAdmin[kBiologyIndex] = false;
  int walks = 0;
  files.onListTree = [&](const std::string&) { ++walks; };
  DiscWait(kOk);
  RunCopyCommand(ctx);
  EXPECT_EQ(walks, 0);
}

TEST_F(CopyCommand, TheNextDiscIsMeasuredForItself) {
  ScriptCopyUpToStart();
  Answer({kNo, kYes});
  Expect(CommandDialog::DiscWait, [this] {
    InsertDisc("TAV03T_S", 'T');
    files.AddFile("E:\\TestDoc_T\\VOICE\\v.mp3", 4000);
    return IdentifyDisc();
  });
  ExpectCancel(CommandDialog::CopySelect, [this] {
    EXPECT_EQ(app.m_nKindSize, (std::array<std::int64_t, kKindCount>{0, 3000, 3000, 0, 10, 0, 4000}));
    EXPECT_TRUE(app.m_bKindOffered[KindIndex(ContentKind::VOICE)]);
  });
  RunCopyCommand(ctx);
}

TEST_F(CopyCommand, CancelInTheNextDiscWaitEndsWithoutAnotherQuestion) {
  ScriptCopyUpToStart();
  Answer({kNo, kYes});
  DiscWait(kCancel);
  RunCopyCommand(ctx);
  EXPECT_EQ(Boxes(), (std::vector<Box>{Question(kStart), Question(kVer2Offer), Question(kAnotherDisc)}));
}

// The busy flag keeps the main menu inert, and the wait cursor shows, during
// the free-space query, the shell copy and the walks that prove it, and only
// then: dialogs and boxes run with both down.
TEST_F(CopyCommand, BusyOnlyDuringTheFreeSpaceQueryTheShellCopyAndItsChecks) {
  std::vector<std::string> seen;
  disks.onFreeBytes = [&] { seen.push_back("free space: " + BusyState()); };
  files.shellHook = [&](ShellOp op, auto& from, auto& to) {
    seen.push_back("shell: " + BusyState());
    return files.DefaultShellOperation(op, from, to);
  };
  files.onListTree = [&](const std::string&) { seen.push_back("walk: " + BusyState()); };
  prompts.onShow = [&](const std::string&) {
    if (BusyState() != "idle") seen.push_back("box: " + BusyState());
  };
  ScriptCopyUpToStart();
  Answer({kYes, kNo});  // Ver2.0 with the same disc, then no other disc
  NoteBusyDialogs(seen);
  RunCopyCommand(ctx);
  // First the disc's three kind folders are measured (the INI gives no
  // sizes). The first pass lists the disc's two kind folders, copies them
  // with the shell into the staging folder and walks the two staged copies
  // to prove it; they then go into the new data folder by one rename each.
  // The Ver2.0 pass also walks the two kind folders the first one made (no
  // link inside) and, since they exist now, the staged ones to merge them.
  const std::string walk = "walk: busy", shell = "shell: busy";
  const std::vector<std::string> expected = {walk, walk, walk, "free space: busy",
                                             walk, walk, shell, walk, walk,
                                             walk, walk, walk, walk, shell, walk, walk, walk, walk};
  EXPECT_EQ(seen, expected);
}

// The shell cannot take a path of 260 characters or more; counted in UTF-16
// units, as Windows counts them, not in UTF-8 bytes. The kind folders must
// fit below the working folder beside the data folder too ("D:\表…表.tavcommit\Word").
TEST(CopyPaths, AKindFolderPathOf260CharactersIsRefusedWithoutTheShell) {
  const struct {
    std::size_t japaneseChars;  // destination "D:\" + that many "表"; + ".tavcommit\Word" makes 18 more
    bool copied;
    std::vector<int> answers;
  } cases[] = {{241, true, {kYes, kNo, kNo}}, {242, false, {kYes, kNo}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.japaneseChars);
    CommandWorld w;
    w.DiscWait(kOk);
    w.SelectKinds(kOk);
    w.CopyDest(kOk, 'D', JapanesePath('D', c.japaneseChars));
    w.prompts.answers.assign(c.answers.begin(), c.answers.end());
    RunCopyCommand(w.ctx);
    EXPECT_EQ(w.files.shellCalls.size(), c.copied ? 1u : 0u);
    EXPECT_EQ(w.Boxes()[1], c.copied ? Question(kVer2Offer) : Warning(kInterrupted));
    EXPECT_EQ(w.Record("Biology", "DataDir07").has_value(), c.copied);
  }
}

// The disc is read again right before each copy: a disc swapped while the
// wizard was open is not copied under the first disc's year or as the same
// pressing, unless the user puts the first one back.
TEST(CopyDisc, TheDiscIsCheckedRightBeforeEachCopy) {
  const struct {
    const char* name;
    std::function<void(CommandWorld&)> swap;  // while "コピーを開始しますか？" is up
    std::vector<int> answers;                 // after "はい" to it
    std::vector<Box> boxes;                   // after it
    bool copied;
  } cases[] = {
      {"another year's disc of the subject", [](CommandWorld& w) { w.disks.drives['E'].label = "TAV06B_S"; },
       {kNo}, {Question(kNotThatDisc), Question(kAnotherDisc)}, false},
      {"another disc with the same label", [](CommandWorld& w) { w.disks.drives['E'].serial = 0x0BADF00D; },
       {kNo}, {Question(kNotThatDisc), Question(kAnotherDisc)}, false},
      {"the tray opened", [](CommandWorld& w) { w.disks.drives['E'].label.reset(); },
       {kNo}, {Question(kNotThatDisc), Question(kAnotherDisc)}, false},
      {"the first disc put back after the question",
       [](CommandWorld& w) {
         w.disks.drives['E'].label = "TAV06B_S";
         w.prompts.onShow = [&w](const std::string& text) {
           if (text == kNotThatDisc) w.disks.drives['E'].label = "TAV07B_S";
         };
       },
       {kYes, kNo, kNo}, {Question(kNotThatDisc), Question(kVer2Offer), Question(kAnotherDisc)}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CommandWorld w;
    w.ScriptCopyUpToStart();
    for (int a : c.answers) w.Answer({a});
    w.prompts.onShow = [&w, &c](const std::string& text) {
      if (text == kStart) c.swap(w);
    };
    RunCopyCommand(w.ctx);
    std::vector<Box> expected{Question(kStart)};
    expected.insert(expected.end(), c.boxes.begin(), c.boxes.end());
    EXPECT_EQ(w.Boxes(), expected);
    EXPECT_EQ(w.files.shellCalls.size(), c.copied ? 1u : 0u);
    EXPECT_EQ(w.Record("Biology", "DataDir07").has_value(), c.copied);
    EXPECT_EQ(w.Record("Biology", "DataDir06"), std::nullopt);
  }
}

// A Ver2.0 disc that carries only some files of a kind adds them to the
// first disc's kind folder: the first disc's other files stay.
TEST_F(CopyCommand, AVer2DiscWithSomeFilesOfAKindKeepsTheFirstDiscsOthers) {
  ScriptCopyUpToStart();
  Answer({kYes, kNo});  // the Ver2.0 disc, then no other disc
  prompts.onShow = [this](const std::string& text) {
    if (text != kVer2Offer) return;
    // The Ver2.0 disc: the same label, a pressing of its own, fewer files.
    disks.drives['E'].serial = 0x20000002;
    files.Remove("E:\\TestDoc_B");
    files.AddFile("E:\\TestDoc_B\\Word\\q01.doc", 1111);
    files.AddFile("E:\\TestDoc_B\\PDF\\q02.pdf", 4000);
  };
  RunCopyCommand(ctx);
  EXPECT_EQ(Boxes(), (std::vector<Box>{Question(kStart), Question(kVer2Offer), Information(kCompleted),
                                       Question(kAnotherDisc)}));
  const std::string data = kDestD;
  EXPECT_EQ(files.FileSize(data + "\\Word\\q01.doc"), 1111u) << "replaced by the Ver2.0 file";
  EXPECT_EQ(files.FileSize(data + "\\Word\\sub\\q02.doc"), 2000u) << "the first disc's file stays";
  EXPECT_EQ(files.FileSize(data + "\\PDF\\q01.pdf"), 3000u);
  EXPECT_EQ(files.FileSize(data + "\\PDF\\q02.pdf"), 4000u);
  EXPECT_EQ(WorkingFoldersLeft(), std::vector<std::string>{});
}

}  // namespace
