#include "ui/data_list.h"

#include "catalogue/data_dir_records.h"
#include "catalogue/subject_catalogue.h"

namespace {

const DataListTexts kMoveTexts = {
    "移動できるデータがありません。",
    "移動するデータを選択してください。",
    false,
};

const DataListTexts kDeleteTexts = {
    "削除できるデータがありません。",
    "削除するデータを選択してください。",
    true,
};

}  // namespace

const DataListTexts& DataListTextsFor(DataListVariant variant) {
  return variant == DataListVariant::Delete ? kDeleteTexts : kMoveTexts;
}

std::vector<std::string> BuildDataListLines(IRegistry& registry, const std::array<bool, kSubjectCount>& admin) {
  std::vector<std::string> lines;
  for (const auto& subject : kSubjects) {
    if (!admin[SubjectIndex(subject)]) continue;
    for (const auto& record : EnumDataDirRecords(registry, subject.keyName))
      lines.push_back(FormatListLine(subject, std::stoi(record.year)));
  }
  return lines;
}

ChosenDataSet DataSetOfLine(std::string_view line) {
  const ListLine parsed = ParseListLine(line);
  return {parsed.subject, parsed.year, {}};
}

std::optional<ChosenDataSet> ConfirmChosenLine(IRegistry& registry, DataListVariant variant, std::string_view line) {
  ChosenDataSet chosen = DataSetOfLine(line);
  if (!DataListTextsFor(variant).readsRecord) return chosen;
  auto folder = ReadDataDirRecord(registry, chosen.subject ? chosen.subject->keyName : "", chosen.year);
  if (!folder) return std::nullopt;
  chosen.dataDir = std::move(*folder);
  return chosen;
}
