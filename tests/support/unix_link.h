#pragma once
// Links as an ordinary user of the PC plants them (a junction made with
// mklink /J), for tests under Wine: Wine's mklink and CreateSymbolicLinkW
// create nothing, while a Unix symbolic link inside a drive reads as a
// folder with FILE_ATTRIBUTE_REPARSE_POINT. Made and removed by the host's
// ln and rm, run through Wine.
#include <string>

namespace unix_link {

// A symbolic link at `link` (a Windows path whose folder exists and where
// nothing is yet) to the folder `target` (a Windows path). False when Wine
// or ln refused.
bool Plant(const std::string& target, const std::string& link);
// Removes the link itself, never what it points to; true when nothing of
// that name is left. A real folder there is left alone (false).
bool Remove(const std::string& link);

}  // namespace unix_link
