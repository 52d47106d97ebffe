#include "unattended/registered_data_set.h"

#include <algorithm>

#include "catalogue/data_dir_records.h"

ExitCode SelectRegisteredDataSet(const UnattendedRequest& request, UnattendedContext& ctx) {
  TavAppState& app = ctx.command.app;
  const SubjectInfo& subject = *request.subject;
  const std::string name = DataSetName(request.year, subject.displayName);
  if (!app.m_bAdmin[SubjectIndex(subject)]) {
    ctx.log.Line(name + " を操作する権限がありません。");
    return ExitCode::NoRights;
  }
  // The walk the list is built from, so that a year outside the product's
  // (whose last two digits would name another year's record) finds nothing.
  const auto records = EnumDataDirRecords(ctx.command.registry, subject.keyName);
  const auto record = std::find_if(records.begin(), records.end(),
                                   [&](const DataDirRecord& r) { return r.year == request.year; });
  if (record == records.end()) {
    ctx.log.Line(name + " は登録されていません。");
    return ExitCode::NotFound;
  }
  // What the list dialog's line of this data set hands back, with its folder.
  ApplyDataSetToDelete({&subject, request.year, record->path}, app);
  ctx.log.Line("データ: " + name + "\t" + LogField(record->path));
  return ExitCode::Done;
}
