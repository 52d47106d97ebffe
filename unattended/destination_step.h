#pragma once
// The destination of an unattended /copy or /move: the data folder the
// destination dialog would compose on the given drive, and the folder made to
// exist as "はい" to the dialog's question would make it.
#include <optional>
#include <string>

#include "command/free_space.h"
#include "unattended/unattended_run.h"

// The data folder of the current data set (year, subject code) on `drive`,
// which must be a fixed drive, as the dialog lists only those. Nothing and a
// logged reason otherwise.
std::optional<std::string> ComposeDestination(char drive, UnattendedContext& ctx);

// Creates every missing level of `folder`; false, with the reason logged,
// when that fails.
bool MakeDestinationExist(const std::string& folder, UnattendedContext& ctx);

// Logs the warning of a room check that did not find enough; true for Enough.
bool RoomOrLog(Room room, UnattendedContext& ctx, const char* unknownMessage, const char* tooSmallMessage);
