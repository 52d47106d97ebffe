#include "unattended/registered_data_set.h"

#include <algorithm>

#include "catalogue/data_dir_records.h"
#include "ui/data_list.h"

std::string DataSetName(const SubjectInfo& subject, const std::string& year) {
  return "Tav" + year + " " + subject.displayName;
}

ExitCode SelectRegisteredDataSet(const UnattendedRequest& request, UnattendedContext& ctx) {
  TavAppState& app = ctx.command.app;
  const SubjectInfo& subject = *request.subject;
  const std::string name = DataSetName(subject, request.year);
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
  // As the list dialog decodes its line; the registered folder with it.
  ChosenDataSet chosen = DataSetOfLine(FormatListLine(subject, std::stoi(request.year)));
  chosen.dataDir = record->path;
  ApplyDataSetToDelete(chosen, app);
  ctx.log.Line("データ: " + name + "\t" + record->path);
  return ExitCode::Done;
}
