// Help topics natively: only the hook sees them.
#include "vl3Help.h"

namespace Platform {
namespace {
THelpHook& HelpHook() {
  static THelpHook hook;
  return hook;
}
}  // namespace

void ShowHelpTopic(const std::string& file, int32_t context) {
  if (HelpHook()) HelpHook()(file, context);
}

void SetHelpHook(THelpHook hook) { HelpHook() = std::move(hook); }

}  // namespace Platform
