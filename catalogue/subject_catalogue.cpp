#include "catalogue/subject_catalogue.h"

#include <cstdio>

#include "platform/text.h"

const std::array<SubjectInfo, kSubjectCount> kSubjects = {{
    {'B', "Biology", "生物"},
    {'C', "Chemistry", "化学"},
    {'E', "English", "英語"},
    {'G', "Geography", "地理"},
    {'H', "History", "日本史"},
    {'J', "Japanese", "国語"},
    {'M', "Mathematics", "数学"},
    {'P', "Physics", "物理"},
    {'V', "ciVics", "公民"},
    {'W', "WorldHistory", "世界史"},
    {'T', "Earth", "地学・総合"},
}};

const SubjectInfo* FindSubjectByCode(char code) {
  for (const auto& s : kSubjects)
    if (s.code == code) return &s;
  return nullptr;
}

const SubjectInfo* FindSubjectByKeyName(std::string_view keyName) {
  for (const auto& s : kSubjects)
    if (EqualsIgnoreAsciiCase(keyName, s.keyName)) return &s;
  return nullptr;
}

const SubjectInfo* FindSubjectByDisplayName(std::string_view name) {
  for (const auto& s : kSubjects)
    if (name == s.displayName) return &s;
  return nullptr;
}

std::string SubjectKeyPath(std::string_view subjectKey) {
  return "SOFTWARE\\KR_LAB\\Tav2007\\" + std::string(subjectKey);
}

int SubjectIndex(const SubjectInfo& subject) { return static_cast<int>(&subject - kSubjects.data()); }

std::string SubjectDisplayName(const SubjectInfo& subject, std::string_view edition) {
  if (subject.code == 'E') {
    if (edition == "E") return "英語・東日本版";
    if (edition == "W") return "英語・西日本版";
  }
  return subject.displayName;
}

std::string DataSetName(std::string_view year, std::string_view subjectName) {
  return "Tav" + std::string(year) + " " + std::string(subjectName);
}

std::string FormatListLine(const SubjectInfo& subject, int year) {
  char yearText[16];
  std::snprintf(yearText, sizeof yearText, "%04d", year);
  return std::string("Tav") + yearText + "  " + subject.displayName;
}

