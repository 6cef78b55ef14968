// The help hook shared by both platforms; without one a topic goes to the
// platform's own help viewer.
#include "vl3Help.h"

#include <utility>

namespace Platform {
namespace {
THelpHook& HelpHook() {
  static THelpHook hook;
  return hook;
}
}  // namespace

void ShowHelpTopic(const std::string& file, int32_t context) {
  if (HelpHook()) return HelpHook()(file, context);
  ShowSystemHelpTopic(file, context);
}

void SetHelpHook(THelpHook hook) { HelpHook() = std::move(hook); }

}  // namespace Platform
