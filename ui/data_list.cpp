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

std::vector<ListedDataSet> ListedDataSetsOf(IRegistry& registry, const SubjectInfo& subject) {
  std::vector<ListedDataSet> listed;
  for (auto& record : EnumDataDirRecords(registry, subject.keyName)) {
    std::string line = FormatListLine(subject, std::stoi(record.year));
    listed.push_back({&subject, std::move(record.year), std::move(record.path), std::move(line)});
  }
  return listed;
}

std::vector<ListedDataSet> BuildDataList(IRegistry& registry, const std::array<bool, kSubjectCount>& admin) {
  std::vector<ListedDataSet> listed;
  for (const auto& subject : kSubjects) {
    if (!admin[SubjectIndex(subject)]) continue;
    for (auto& entry : ListedDataSetsOf(registry, subject)) listed.push_back(std::move(entry));
  }
  return listed;
}

std::optional<ChosenDataSet> ConfirmChosenDataSet(IRegistry& registry, DataListVariant variant,
                                                  const ListedDataSet& listed) {
  ChosenDataSet chosen{listed.subject, listed.year, {}};
  if (!DataListTextsFor(variant).readsRecord) return chosen;
  // Read again rather than taken from the list: the record may have changed
  // or gone while the list was up.
  auto folder = ReadDataDirRecord(registry, listed.subject->keyName, listed.year);
  if (!folder) return std::nullopt;
  chosen.dataDir = std::move(*folder);
  return chosen;
}
