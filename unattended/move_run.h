#pragma once
// /move SUBJECT YEAR DRIVE: the move command on one registered data set
// without a dialog or a question: the data set as the list offers it, the
// data folder composed on the fixed drive (not the one it lies in), made to
// exist, the free-space check, one silent shell move with its checks, and
// the record rewritten (with Earth's "General" twin).
#include "unattended/unattended_run.h"

ExitCode RunMove(const UnattendedRequest& request, UnattendedContext& ctx);
