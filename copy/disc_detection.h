#pragma once
// Identifying a product disc by its volume label, and one scan of the drive
// letters for such a disc.
#include <functional>
#include <string>
#include <string_view>

#include "command/app_state.h"
#include "catalogue/subject_catalogue.h"
#include "platform/disk_port.h"

enum class LabelClass {
  Product,         // identified: subject, year and edition known
  Foreign,         // some other disc; reported once a pass found no product disc
  TreatedAsEmpty,  // product form with a code letter outside the catalogue
};

struct DiscIdentity {
  std::string label;    // upper-cased; the alias label is stored as "TAV02W_S"
  std::string year;     // "2000" .. "2007"
  const SubjectInfo* subject = nullptr;
  std::string edition;  // "", or "E" / "W" for the English editions
};

struct LabelClassification {
  LabelClass kind = LabelClass::Foreign;
  DiscIdentity disc;    // filled only for Product
};

// Classifies a volume label in any letter case. The product form is exactly
// "TAV0" + year digit '0'..'7' + code letter + '_' + mark, where the mark is
// 'S', or 'E'/'W' on an English disc only. "020626_0403" is the one alias.
LabelClassification ClassifyVolumeLabel(std::string_view label);

// Writes an identified disc and the root of its drive into the current data set.
void ApplyIdentifiedDisc(const DiscIdentity& disc, std::string_view cdRoot, TavAppState& app);

enum class DetectionResult { Found, ForeignSeen, NothingFound, Cancelled };

// One pass over the drive letters A to Z. Before each letter it calls
// `pumpOneMessage`, which returns false once the user has cancelled. Only
// CD-ROM drives with a readable volume are looked at; the first product disc
// ends the pass, so it wins over a foreign disc in an earlier letter. Clears
// m_szDiscLabel first and fills the data set only on Found.
DetectionResult RunDetectionPass(IDisks& disks, std::function<bool()> pumpOneMessage, TavAppState& app);

// True when the drive at `cdRoot` is a CD-ROM drive whose volume label can be
// read and equals `discLabel` without regard to case. An empty `discLabel`
// matches nothing.
bool IsSameDiscInDrive(IDisks& disks, std::string_view cdRoot, std::string_view discLabel);

// Shown when a whole pass saw a foreign disc and no product disc.
extern const char* const kCheckDiscMessage;
