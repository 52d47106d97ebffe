#include "unattended/run_log.h"

void LogLines(IRunLog& log, std::string_view text) {
  for (;;) {
    const auto end = text.find('\n');
    log.Line(text.substr(0, end));
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}
