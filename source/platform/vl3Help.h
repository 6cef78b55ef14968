// Opening topics of the WinHelp file that a host names for its dialogs;
// natively there is no help system, so only an installed hook sees them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace Platform {

// Opens a topic by its context number; nothing when the file name is empty.
// A hook, when set, is called instead on every platform (tests use it).
using THelpHook = std::function<void(const std::string& file, int32_t context)>;
void ShowHelpTopic(const std::string& file, int32_t context);
void SetHelpHook(THelpHook hook);

// The platform's own help viewer (WinHelp; nothing natively).
void ShowSystemHelpTopic(const std::string& file, int32_t context);

}  // namespace Platform
