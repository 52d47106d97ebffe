#pragma once
// /list: the registered data sets the user may see, one line each as the
// list dialog shows it ("Tav2007  生物"), a tab, and the data folder of its
// record.
#include "unattended/unattended_run.h"

ExitCode RunList(UnattendedContext& ctx);
