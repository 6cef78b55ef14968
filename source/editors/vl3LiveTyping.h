// Typing in a live-spelling rich edit: the word just typed is auto-corrected
// when a separator follows it, and Change All replaces a word everywhere.
#pragma once

#include <memory>
#include <string>

class TVexlorLiveRichEdit;
class TLiveControl;
class TWinAPIControlParser;

class TLiveTyping {
 public:
  TLiveTyping(TVexlorLiveRichEdit& owner, TLiveControl& control);
  ~TLiveTyping();
  TLiveTyping(const TLiveTyping&) = delete;
  TLiveTyping& operator=(const TLiveTyping&) = delete;

  void KeyPressed(char ch) { lastChar_ = ch; }
  void KeyReleased();
  void ReplaceAll(const std::string& word, const std::string& replacement);
  // True while ReplaceAll changes the text (its paints are left alone).
  bool Busy() const { return busy_; }

 private:
  TVexlorLiveRichEdit& owner_;
  TLiveControl& control_;
  std::unique_ptr<TWinAPIControlParser> windowParser_;
  char lastChar_ = '\0';
  bool busy_ = false;
};
