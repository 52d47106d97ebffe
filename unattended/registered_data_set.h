#pragma once
// The data set a /move or /delete names by subject and year, taken as the
// list dialog would offer it: only a subject the user has rights
// on, only a record the list shows (present, longer than 2 characters).
#include <string>
#include <string_view>

#include "unattended/unattended_run.h"

// On success fills the current data set as the list dialog's confirmation
// does (subject, code, key, display name, year) and m_szDataDir from the
// record, logs the data set, and returns Done. Otherwise logs why and
// returns NoRights or NotFound; the state is then unchanged.
ExitCode SelectRegisteredDataSet(const UnattendedRequest& request, UnattendedContext& ctx);
