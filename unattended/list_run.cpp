#include "unattended/list_run.h"

#include <algorithm>

#include "catalogue/data_dir_records.h"
#include "ui/data_list.h"

ExitCode RunList(UnattendedContext& ctx) {
  TavAppState& app = ctx.command.app;
  std::vector<std::string> lines = BuildDataListLines(ctx.command.registry, app.m_bAdmin);
  // By year first, as the list box sorts them; within a year in catalogue order.
  std::stable_sort(lines.begin(), lines.end(),
                   [](const std::string& a, const std::string& b) { return ParseListLine(a).year < ParseListLine(b).year; });
  int listed = 0;
  for (const auto& line : lines) {
    const ListLine parsed = ParseListLine(line);
    // A record removed since the lines were built is no longer registered.
    const auto folder = ReadDataDirRecord(ctx.command.registry, parsed.subject->keyName, parsed.year);
    if (!folder) continue;
    ctx.log.Line(line + "\t" + LogField(*folder));
    ++listed;
  }
  if (listed == 0) ctx.log.Line("登録されたデータがありません。");
  return ExitCode::Done;
}
