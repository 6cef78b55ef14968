// Help topics through WinHelp.
#include <windows.h>

#include "vl3Help.h"

namespace Platform {
namespace {
THelpHook& HelpHook() {
  static THelpHook hook;
  return hook;
}
}  // namespace

void ShowHelpTopic(const std::string& file, int32_t context) {
  if (HelpHook()) return HelpHook()(file, context);
  if (file.empty()) return;
  ::WinHelpA(::GetActiveWindow(), file.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(context));
}

void SetHelpHook(THelpHook hook) { HelpHook() = std::move(hook); }

}  // namespace Platform
