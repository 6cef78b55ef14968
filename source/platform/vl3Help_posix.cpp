// Help topics natively: there is no help system, only the hook sees them.
#include "vl3Help.h"

namespace Platform {

void ShowSystemHelpTopic(const std::string&, int32_t) {}

}  // namespace Platform
