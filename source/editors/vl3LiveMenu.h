// The suggestion menu of live spelling: a right click on a marked word
// offers its suggestions and acts on the choice; Ignore remembers the word.
#pragma once

#include <cstdint>
#include <memory>

class TVexlorLiveRichEdit;
class TLiveControl;
class TLiveMarker;
class TLiveIgnoredOnce;
class TWinAPIControlParser;
struct TLiveMessage;

class TLiveMenu {
 public:
  TLiveMenu(TVexlorLiveRichEdit& owner, TLiveControl& control, TLiveMarker& marker,
            TLiveIgnoredOnce& ignoredOnce);
  ~TLiveMenu();
  TLiveMenu(const TLiveMenu&) = delete;
  TLiveMenu& operator=(const TLiveMenu&) = delete;

  // False when the menu was shown (the control's own menu is not wanted).
  bool ContextMenu(const TLiveMessage& message);
  // 10 (ignore): the word at the caret is accepted after the word before it;
  // 11, 12 (ignore all, add): every line is checked again.
  void IgnoreAction(int32_t state);

 private:
  TVexlorLiveRichEdit& owner_;
  TLiveControl& control_;
  TLiveMarker& marker_;
  TLiveIgnoredOnce& ignoredOnce_;
  std::unique_ptr<TWinAPIControlParser> windowParser_;
};
