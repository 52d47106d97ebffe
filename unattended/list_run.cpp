#include "unattended/list_run.h"

#include <algorithm>

#include "catalogue/data_dir_records.h"
#include "ui/data_list.h"

ExitCode RunList(UnattendedContext& ctx) {
  TavAppState& app = ctx.command.app;
  std::vector<ListedDataSet> listed = BuildDataList(ctx.command.registry, app.m_bAdmin);
  // By year first, as the list box sorts them; within a year in catalogue order.
  std::stable_sort(listed.begin(), listed.end(),
                   [](const ListedDataSet& a, const ListedDataSet& b) { return a.year < b.year; });
  int lines = 0;
  for (const auto& entry : listed) {
    // A record removed since the list was built is no longer registered.
    const auto folder = ReadDataDirRecord(ctx.command.registry, entry.subject->keyName, entry.year);
    if (!folder) continue;
    ctx.log.Line(entry.line + "\t" + LogField(*folder));
    ++lines;
  }
  if (lines == 0) ctx.log.Line("登録されたデータがありません。");
  return ExitCode::Done;
}
