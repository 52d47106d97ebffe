#pragma once
// Junctions made by ordinary users are not followed. The tool runs elevated
// and walks, copies and deletes folder trees that ordinary users can reach;
// Windows 11 (and 10 from 21H2 with the update) offers a process mitigation
// under which the system refuses to follow a junction that a
// non-administrator created. The tool's own checks of every level still
// run: older Windows and Wine have no such mitigation, and symbolic links
// and mount points are outside it.

// Turns the mitigation on for this process; false where Windows does not
// offer it, which changes nothing else. Call it first thing at start.
bool EnforceRedirectionTrust();
