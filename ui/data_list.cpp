#include "ui/data_list.h"

#include "catalogue/data_dir_records.h"
#include "catalogue/subject_catalogue.h"

namespace {

const DataListTexts kMoveTexts = {
    "Tavコピーツール - データの移動",
    "移動元のデータを選択して、[次へ]をクリックしてください。",
    "移動できるデータがありません。",
    "移動するデータを選択してください。",
    false,
};

const DataListTexts kDeleteTexts = {
    "Tavコピーツール - データの削除",
    "削除するデータを選択し、[次へ]をクリックしてください。",
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

void ApplyChosenLine(std::string_view line, TavAppState& app) {
  const ListLine parsed = ParseListLine(line);
  if (parsed.subject) {
    app.m_szSubjectName = parsed.subject->displayName;
    app.m_szSubject = std::string(1, parsed.subject->code);
    app.m_szSubjectKey = parsed.subject->keyName;
  } else {
    app.m_szSubjectName.clear();
    app.m_szSubject.clear();
    app.m_szSubjectKey.clear();
  }
  app.m_szYear = parsed.year;
}

bool ConfirmChosenLine(IRegistry& registry, DataListVariant variant, std::string_view line, TavAppState& app) {
  ApplyChosenLine(line, app);
  if (!DataListTextsFor(variant).readsRecord) return true;
  auto folder = ReadDataDirRecord(registry, app.m_szSubjectKey, app.m_szYear);
  if (!folder) return false;
  app.m_szDataDir = std::move(*folder);
  return true;
}
