#pragma once
// /delete SUBJECT YEAR: what the delete command does after "はい" to its
// start question, without any question: the kind folders through one silent
// shell call, then the record (with Earth's "General" twin).
#include "unattended/unattended_run.h"

ExitCode RunDelete(const UnattendedRequest& request, UnattendedContext& ctx);
