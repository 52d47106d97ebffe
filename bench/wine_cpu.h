#pragma once
// CPU time under Wine, read from the host's /proc through drive Z:: of a
// process of this prefix, of the prefix's wineserver (which does much of
// every process's file and window work) and of the whole session. Unlike
// wall time, it hardly moves with the load other programs put on the
// machine, so the bench reports it beside the wall times. (Wine's
// GetProcessTimes does not report another process's time.)
#include <string>
#include <utility>

namespace bench {

// The host pid of the process of this prefix whose name (as the host shows
// it, e.g. "TavCopyTool.exe") begins with `name`; "" when there is none.
// The prefix is the one scripts/wine-run.sh exports.
std::string FindHostProcess(const std::string& name);
// The host pid of this process. (Not /proc/self: Wine's server opens files
// for its clients, so that would name the wineserver.)
std::string OwnHostPid();
// User and system time of a host process, in ms.
double HostCpuMs(const std::string& hostPid);
// The prefix's wineserver.
double WineServerCpuMs();
// Every process of the prefix but this one, the wineserver among them.
double SessionCpuMs();

// What a step cost one process and the wineserver.
class CpuMeter {
 public:
  explicit CpuMeter(std::string hostPid)
      : pid_(std::move(hostPid)), process_(HostCpuMs(pid_)), server_(WineServerCpuMs()) {}
  double ProcessMs() const { return HostCpuMs(pid_) - process_; }
  double ServerMs() const { return WineServerCpuMs() - server_; }

 private:
  std::string pid_;
  double process_;
  double server_;
};

}  // namespace bench
