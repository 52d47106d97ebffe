#pragma once
// The steps an unattended /copy and /move share: the data folder the
// destination dialog would compose on the given drive, the folder made to
// exist as "はい" to the dialog's question would make it, the room check's
// outcome, and the record after the shell's work.
#include <optional>
#include <string>
#include <vector>

#include "command/free_space.h"
#include "command/transfer_outcome.h"
#include "unattended/unattended_run.h"

// The data folder of the current data set (year, subject code) on `drive`,
// which must be a fixed drive, as the dialog lists only those. Nothing and a
// logged reason otherwise.
std::optional<std::string> ComposeDestination(char drive, UnattendedContext& ctx);

// Every existing level of the destination `folder` is the tool's to act in
// (DataFolderLevelsTrusted); otherwise `unusableMessage` is logged and false.
// Asked before anything is created.
bool DestinationLevelsTrusted(const std::string& folder, UnattendedContext& ctx, const char* unusableMessage);

// The registered data folder of a /move is the tool's to act on: in plain
// form and of its layout (ActionableDataFolder), every level trusted
// (DataFolderLevelsTrusted); otherwise `failedMessage` is logged and false,
// before the destination is made.
bool SourceLevelsTrusted(const std::string& folder, UnattendedContext& ctx, const char* failedMessage);

// Creates every missing level of `folder`; false, with the reason logged,
// when that fails.
// `created` gets the levels made.
bool MakeDestinationExist(const std::string& folder, UnattendedContext& ctx, std::vector<std::string>* created);

// Logs the warning of a room check that did not find enough; true for Enough.
bool RoomOrLog(Room room, UnattendedContext& ctx, const char* unknownMessage, const char* tooSmallMessage);

// The outcome of a copy, move or delete logged and mapped to the exit code:
// Done (after a line naming what stayed behind once the record changed),
// RecordFailed for a record that could not be changed (or whose "General"
// twin could not), OperationFailed, NotFound for a folder that cannot be
// reached or a disc that changed. `doneStep`, when given, is logged before
// the completion.
ExitCode ReportTransfer(const TransferOutcome& outcome, UnattendedContext& ctx, const TransferTexts& texts,
                        std::string_view doneStep = {});
