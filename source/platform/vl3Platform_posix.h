// Helpers shared by the POSIX implementation files of the platform seam:
// path conversion and crash-safe whole-file replacement.
#pragma once

#include <string>

namespace Platform {
namespace Posix {

// Core paths use '\'; the host wants '/'.
std::string HostPath(const std::string& path);
// Paths handed back to the core use '\' so that the core's path splitting works.
std::string CorePath(const std::string& path);
// The user's home folder ($HOME, else the password database), host form.
std::string HomeDirectory();
// Writes a sibling temporary file and renames it over `hostPath`, so a failed
// write never leaves a half-written file behind; `sync` waits until the data
// is on disk. `created` tells whether the sibling could be made at all.
bool WriteBesideAndMove(const std::string& hostPath, const std::string& data, unsigned mode,
                        bool sync, bool& created);
bool ReplaceFileContents(const std::string& hostPath, const std::string& data);

}  // namespace Posix
}  // namespace Platform
