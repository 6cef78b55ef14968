// Helpers shared by the Windows implementation files of the platform seam.
#pragma once

#include <functional>
#include <string>

namespace Platform {
namespace Win {

// Changes a file whole: copies it (or nothing, when missing) to a sibling
// temporary file, lets `edit` change that copy in place, flushes it to disk
// and moves it over `path`. A failure at any step leaves `path` as it was.
bool EditBesideAndMove(const std::string& path, const std::function<bool(const std::string&)>& edit);

}  // namespace Win
}  // namespace Platform
