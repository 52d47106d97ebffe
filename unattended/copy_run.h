#pragma once
// /copy SOURCE DRIVE: the copy command on one disc without a dialog or a
// question: the disc identified (by the drive's volume label, or by /label
// for a folder holding a disc's content), the rights check, the kinds the
// selection offers (or those of /kinds), the data folder on the fixed drive,
// the free-space check, one silent shell copy with its arrival check, and
// the record. No Ver2.0 pass and no other disc.
#include "unattended/unattended_run.h"

ExitCode RunCopy(const UnattendedRequest& request, UnattendedContext& ctx);
