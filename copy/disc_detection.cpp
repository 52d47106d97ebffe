#include "copy/disc_detection.h"

#include "platform/text.h"

const char* const kCheckDiscMessage = "Tavのディスクがセットされているか確認してください。";

namespace {

constexpr std::string_view kAliasLabel = "020626_0403";
constexpr std::string_view kAliasIdentity = "TAV02W_S";

LabelClassification ClassifyProductForm(const std::string& label) {
  LabelClassification result;
  if (label.size() != 8 || label.compare(0, 4, "TAV0") != 0) return result;
  const char yearDigit = label[4];
  const char code = label[5];
  const char mark = label[7];
  if (yearDigit < '0' || yearDigit > '7' || label[6] != '_') return result;
  const bool markFits = mark == 'S' || ((mark == 'E' || mark == 'W') && code == 'E');
  if (!markFits) return result;

  const SubjectInfo* subject = FindSubjectByCode(code);
  if (!subject) {
    result.kind = LabelClass::TreatedAsEmpty;
    return result;
  }
  result.kind = LabelClass::Product;
  result.disc.label = label;
  result.disc.year = std::string("200") + yearDigit;
  result.disc.subject = subject;
  result.disc.edition = mark == 'S' ? "" : std::string(1, mark);
  return result;
}

}  // namespace

LabelClassification ClassifyVolumeLabel(std::string_view label) {
  const std::string upper = AsciiUpper(label);
  if (upper == kAliasLabel) return ClassifyProductForm(std::string(kAliasIdentity));
  if (!upper.empty() && upper[0] == 'T') return ClassifyProductForm(upper);
  return {};
}

DetectionOutcome RunDetectionPass(IDisks& disks, std::function<bool()> pumpOneMessage) {
  bool foreignSeen = false;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (pumpOneMessage && !pumpOneMessage()) return {DetectionResult::Cancelled, {}};
    const std::string root = std::string(1, letter) + ":\\";
    if (disks.DriveTypeOf(root) != DriveType::CdRom) continue;
    const auto label = disks.VolumeLabel(root);
    if (!label) continue;  // no disc in the drive
    const LabelClassification c = ClassifyVolumeLabel(*label);
    switch (c.kind) {
      case LabelClass::Product:
        return {DetectionResult::Found, {c.disc, root, disks.VolumeSerial(root)}};
      case LabelClass::Foreign:
        foreignSeen = true;
        break;
      case LabelClass::TreatedAsEmpty:
        break;
    }
  }
  return {foreignSeen ? DetectionResult::ForeignSeen : DetectionResult::NothingFound, {}};
}

bool IsSameDiscInDrive(IDisks& disks, std::string_view cdRoot, std::string_view discLabel) {
  // No disc was identified yet: an unlabelled disc must not pass as "the same".
  if (discLabel.empty()) return false;
  const std::string root(cdRoot);
  if (disks.DriveTypeOf(root) != DriveType::CdRom) return false;
  const auto label = disks.VolumeLabel(root);
  return label && EqualsIgnoreAsciiCase(*label, discLabel);
}

bool IsIdentifiedDiscInDrive(IDisks& disks, const IdentifiedDisc& identified) {
  if (identified.disc.label.empty()) return false;
  if (disks.DriveTypeOf(identified.cdRoot) != DriveType::CdRom) return false;
  const auto label = disks.VolumeLabel(identified.cdRoot);
  if (!label) return false;
  const LabelClassification now = ClassifyVolumeLabel(*label);
  if (now.kind != LabelClass::Product || !EqualsIgnoreAsciiCase(now.disc.label, identified.disc.label)) return false;
  return !identified.serial || disks.VolumeSerial(identified.cdRoot) == identified.serial;
}
