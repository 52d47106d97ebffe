#pragma once
// Identifying a product disc by its volume label, and one scan of the drive
// letters for such a disc.
#include <functional>
#include <string>
#include <string_view>

#include "catalogue/subject_catalogue.h"
#include "command/dialog_results.h"
#include "platform/disk_port.h"

enum class LabelClass {
  Product,         // identified: subject, year and edition known
  Foreign,         // some other disc; reported once a pass found no product disc
  TreatedAsEmpty,  // product form with a code letter outside the catalogue
};

struct LabelClassification {
  LabelClass kind = LabelClass::Foreign;
  DiscIdentity disc;    // filled only for Product
};

// Classifies a volume label in any letter case. The product form is exactly
// "TAV0" + year digit '0'..'7' + code letter + '_' + mark, where the mark is
// 'S', or 'E'/'W' on an English disc only. "020626_0403" is the one alias.
LabelClassification ClassifyVolumeLabel(std::string_view label);

enum class DetectionResult { Found, ForeignSeen, NothingFound, Cancelled };

struct DetectionOutcome {
  DetectionResult result = DetectionResult::NothingFound;
  IdentifiedDisc found;  // filled only on Found
};

// One pass over the drive letters A to Z. Before each letter it calls
// `pumpOneMessage`, which returns false once the user has cancelled. Only
// CD-ROM drives with a readable volume are looked at; the first product disc
// ends the pass, so it wins over a foreign disc in an earlier letter.
DetectionOutcome RunDetectionPass(IDisks& disks, std::function<bool()> pumpOneMessage);

// True when the drive at `cdRoot` is a CD-ROM drive whose volume label can be
// read and equals `discLabel` without regard to case. An empty `discLabel`
// matches nothing.
bool IsSameDiscInDrive(IDisks& disks, std::string_view cdRoot, std::string_view discLabel);

// True when the disc in `identified.cdRoot` is still the one identified: a
// product disc whose label names the same disc (the alias label too) and,
// when the serial number was read, the same volume. Another disc of the
// same title carries the same label but not the same serial number.
bool IsIdentifiedDiscInDrive(IDisks& disks, const IdentifiedDisc& identified);

// Shown when a whole pass saw a foreign disc and no product disc.
extern const char* const kCheckDiscMessage;
