#include "unattended/registered_data_set.h"

#include <algorithm>

#include "catalogue/data_dir_records.h"
#include "ui/data_list.h"

ExitCode SelectRegisteredDataSet(const UnattendedRequest& request, UnattendedContext& ctx) {
  TavAppState& app = ctx.command.app;
  const SubjectInfo& subject = *request.subject;
  const std::string name = DataSetName(request.year, subject.displayName);
  if (!app.m_bAdmin[SubjectIndex(subject)]) {
    ctx.log.Line(name + " を操作する権限がありません。");
    return ExitCode::NoRights;
  }
  // The subject's lines of the list dialog, so that a year outside the
  // product's (whose last two digits would name another year's record)
  // finds nothing.
  const auto listed = ListedDataSetsOf(ctx.command.registry, subject);
  const auto entry = std::find_if(listed.begin(), listed.end(),
                                  [&](const ListedDataSet& l) { return l.year == request.year; });
  if (entry == listed.end()) {
    ctx.log.Line(name + " は登録されていません。");
    return ExitCode::NotFound;
  }
  // What the list dialog's line of this data set hands back, with its folder.
  ApplyDataSetToDelete({entry->subject, entry->year, entry->dataDir}, app);
  ctx.log.Line("データ: " + name + "\t" + LogField(entry->dataDir));
  return ExitCode::Done;
}
