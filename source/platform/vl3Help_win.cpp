// Help topics through WinHelp.
#include <windows.h>

#include "vl3Help.h"

namespace Platform {

void ShowSystemHelpTopic(const std::string& file, int32_t context) {
  if (file.empty()) return;
  ::WinHelpA(::GetActiveWindow(), file.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(context));
}

}  // namespace Platform
