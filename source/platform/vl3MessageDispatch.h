// The hook through which an application's own message handling replaces the
// plain dispatch of Platform::ProcessMessages (implemented beside it).
#pragma once

namespace Platform {

// Handles one message ProcessMessages took from the queue (a pointer to the
// system's MSG) in place of the plain translate-and-dispatch. An application
// whose forms have dialog keys (Tab, Enter, Escape) installs its own, so that
// a modeless dialog keeps them while a synchronous check pumps messages.
// Null restores the plain way. Natively there are no messages to hand over.
using TMessageDispatcher = void (*)(void* msg);
void SetMessageDispatcher(TMessageDispatcher dispatcher);

}  // namespace Platform
